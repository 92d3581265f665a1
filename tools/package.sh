#!/usr/bin/env bash
# Makes the package a Windows user drops in: FOLDER/Markwash-<version>.zip
# (FOLDER defaults to build/dist) with the stripped Markwash.dll, the Tidy.exe
# built from source, Tidy's licence and LIESMICH.txt; the DLL's debug
# information goes beside the zip. The same build gives the same bytes: fixed
# time stamps, fixed order, no owner or extra attributes in the zip.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${MARKWASH_BUILD:-$here/build}
out=$(realpath -m "${1:-$build/dist}")

version=$(sed -n 's/.*kVersionDate = "\([^"]*\)";.*/\1/p' "$here/src/core/dialog/about_page_texts.h")
# The about page shows this version; the DLL's version resource must agree.
if ! grep -qF "VALUE \"ProductVersion\", \"$version\\0\"" "$here/src/win32/plugin/markwash.rc"; then
  echo "package: the version resource does not name version $version" >&2
  exit 1
fi
dll=$build/native/win32/bin/Markwash.dll
tidy=$build/tidy/Tidy.exe
licence=$(ls "$build"/tidy/src/tidy-html5-*/README/LICENSE.md | head -n1)
name=Markwash-$version
# binutils stamp PE headers with the time of writing unless told otherwise.
export SOURCE_DATE_EPOCH=$(date -u -d "$version 12:00:00" +%s)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$out"
# The build keeps the DLL's debug information in a file of its own.
cp "$dll.debug" "$out/$name.dll.debug"
i686-w64-mingw32-strip --strip-all -o "$stage/Markwash.dll" "$dll"
i686-w64-mingw32-objcopy --remove-section=.gnu_debuglink --add-gnu-debuglink="$out/$name.dll.debug" \
  "$stage/Markwash.dll"
i686-w64-mingw32-strip --strip-all -o "$stage/Tidy.exe" "$tidy"
# Texts for Windows: CR LF, and the German one in code page 1252.
sed 's/$/\r/' "$licence" >"$stage/Tidy-Lizenz.txt"
sed "s/@VERSION@/$version/; s/\$/\r/" "$here/tools/package/LIESMICH.txt" | iconv -f UTF-8 -t CP1252 >"$stage/LIESMICH.txt"

files=(LIESMICH.txt Markwash.dll Tidy-Lizenz.txt Tidy.exe)
for f in "${files[@]}"; do
  chmod 644 "$stage/$f"
  touch -d "$version 12:00:00 UTC" "$stage/$f"
done
rm -f "$out/$name.zip"
(cd "$stage" && TZ=UTC zip -q -X -D "$out/$name.zip" "${files[@]}")
echo "$out/$name.zip: $(stat -c %s "$out/$name.zip") bytes (debug information: $name.dll.debug)"
