#!/usr/bin/env bash
# Sets up the machine if needed, builds everything and runs every test:
# the core's unit tests natively (also under ASan/UBSan), the fuzz target for
# a bounded time, and the end-to-end tests of the real DLL under Wine + Xvfb.
# The sanitizer run and the fuzzing work beside the end-to-end tests, which
# mostly wait for Wine; their output follows once they are done.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash tools/setup.sh
started=$SECONDS

echo "== Include layers"
bash tools/check-layers.sh

echo "== Build (native core and tests, Windows DLL and test programs)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARKWASH_WIN32=ON >/dev/null
cmake --build build/native -j2

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
(
  set -e
  # At the lowest priority, so that the end-to-end tests, which wait for
  # Wine's windows, are never starved by the compiler or the fuzzer.
  renice -n 19 -p "$BASHPID" >/dev/null || true
  echo "== Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  cmake -S . -B build/sanitize -G Ninja -DMARKWASH_SANITIZE=ON -DMARKWASH_WIN32=OFF >/dev/null
  cmake --build build/sanitize -j1 --target markwash_unit_tests
  ctest --test-dir build/sanitize --output-on-failure -j1
  echo "== Fuzzing the configuration reader and writer"
  MARKWASH_FUZZ_SECONDS=${MARKWASH_FUZZ_SECONDS:-60} bash tools/fuzz.sh
) >"$logs/beside.log" 2>&1 &
beside=$!

echo "== Package"
bash tools/package.sh

echo "== Unit and end-to-end tests"
status=0
tools/with-display.sh ctest --test-dir build/native --output-on-failure -j2 || status=$?

wait "$beside" || status=$?
cat "$logs/beside.log"

echo "== Size of the tests"
tools/count-lines.sh
echo "== $((SECONDS - started)) s after setup; $([ $status = 0 ] && echo "all tests passed" || echo "FAILED")"
exit $status
