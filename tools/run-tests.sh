#!/usr/bin/env bash
# Sets up the machine if needed, builds everything and runs every test:
# the core's unit tests natively (also under ASan/UBSan), the fuzz target for
# a bounded time, and the end-to-end tests of the real DLL under Wine + Xvfb.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash tools/setup.sh

echo "== Include layers"
bash tools/check-layers.sh

echo "== Build (native core and tests, Windows DLL and test programs)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARKWASH_WIN32=ON >/dev/null
cmake --build build/native

echo "== Package"
bash tools/package.sh

echo "== Unit and end-to-end tests"
tools/with-display.sh ctest --test-dir build/native --output-on-failure -j2

echo "== Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DMARKWASH_SANITIZE=ON -DMARKWASH_WIN32=OFF >/dev/null
cmake --build build/sanitize --target markwash_unit_tests
ctest --test-dir build/sanitize --output-on-failure -j2

echo "== Fuzzing the configuration reader and writer"
MARKWASH_FUZZ_SECONDS=${MARKWASH_FUZZ_SECONDS:-60} bash tools/fuzz.sh
