#!/usr/bin/env bash
# Builds a static 32-bit Windows Tidy.exe from Debian's tidy-html5 source
# package into BUILD/tidy/Tidy.exe. Nothing of Tidy is kept in the repository.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
out=$build/tidy
[ -f "$out/Tidy.exe" ] && exit 0
mkdir -p "$out/src"
cd "$out/src"
if ! ls -d tidy-html5-*/ >/dev/null 2>&1; then
  apt-get source --download-only tidy-html5 >/dev/null
  dpkg-source --no-check -x tidy-html5_*.dsc >/dev/null
fi
src=$(ls -d "$out"/src/tidy-html5-*/ | head -n1)
cmake -S "$src" -B "$out/obj" -DCMAKE_TOOLCHAIN_FILE="$here/tools/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIB=OFF -DSUPPORT_LOCALIZATIONS=OFF \
  -DCMAKE_EXE_LINKER_FLAGS="-static -static-libgcc" >/dev/null
# Tidy's own compiler warnings go to a log; it is shown only when the build fails.
if ! cmake --build "$out/obj" --target tidy -j"$(nproc)" >"$out/build.log" 2>&1; then
  cat "$out/build.log" >&2
  exit 1
fi
cp "$(find "$out/obj" -maxdepth 2 -iname 'tidy.exe' | head -n1)" "$out/Tidy.exe"
echo "built $out/Tidy.exe"
