#!/usr/bin/env bash
# Prints the product's and the tests' size in non-blank, non-comment C++
# lines and their ratio; the tests should stay between a quarter and a third
# of the product.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
  git ls-files -- "$@" | grep -E '\.(c|cc|cpp|cxx|h|hpp|hh|inl)$' | xargs cat |
    grep -v -E '^\s*$' | grep -c -v -E '^\s*//' || true
}
product=$(count src host)
tests=$(count tests)
ratio=$(awk -v t="$tests" -v p="$product" 'BEGIN { printf "%.2f", t / p }')
echo "product lines (src, host): $product"
echo "test lines (tests):        $tests"
echo "ratio tests/product:       $ratio"
