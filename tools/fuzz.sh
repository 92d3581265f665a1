#!/usr/bin/env bash
# Builds the fuzz targets with clang in build/fuzz and runs them as CTest
# tests for a bounded time (MARKWASH_FUZZ_SECONDS, default 60).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build/fuzz
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DMARKWASH_FUZZ=ON \
  -DMARKWASH_FUZZ_SECONDS="${MARKWASH_FUZZ_SECONDS:-60}"
cmake --build "$build" --target config_fuzz
ctest --test-dir "$build" -R '^config_fuzz$' --output-on-failure
