#!/usr/bin/env bash
# The main job: the host stand-in loads the real Markwash.dll and hands it a
# sample document; the dialog runs Tidy.exe on it and the cleaned text comes
# back. Prints the result kind and the text. Headless under Xvfb when there
# is no display. Usage: tools/run-main.sh [document.html]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
document=$(realpath "${1:-samples/messy.html}")
bash tools/setup.sh >/dev/null
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARKWASH_WIN32=ON >/dev/null
cmake --build build/native --target win32 >/dev/null

# The plug-in looks for Tidy.exe beside itself first.
job=build/main-job
rm -rf "$job" && mkdir -p "$job"
cp build/native/win32/bin/Markwash.dll build/native/win32/bin/markwash-host.exe build/tidy/Tidy.exe "$job/"
cp "$document" "$job/input.html"
cd "$job"
"$here/tools/with-display.sh" bash -c 'source "'"$here"'/tools/wine-env.sh" && markwash_wine_up &&
  wine markwash-host.exe --headless --print Markwash.dll input.html output.html </dev/null'
