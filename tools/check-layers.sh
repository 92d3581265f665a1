#!/usr/bin/env bash
# Fails when a source file includes a header from a folder above its own, or
# when the platform-neutral core includes <windows.h>.
#
# The allowed direction, lowest first. A file may include headers of its own
# folder and of every folder listed before it; nothing else.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(
  core/common core/runner core/options core/dialog
  win32/common win32/dialog win32/options win32/runner win32/plugin
)

rank_of() {
  local i
  for i in "${!layers[@]}"; do
    if [[ $1 == "${layers[$i]}" ]]; then echo "$i"; return; fi
  done
  echo -1
}

failures=0
while IFS= read -r file; do
  folder=${file#src/}
  folder=${folder%/*}
  own=$(rank_of "$folder")
  if [[ $own -lt 0 ]]; then
    echo "$file: its folder is not in the list of layers"
    failures=$((failures + 1))
    continue
  fi
  if [[ $folder == core/* ]] && grep -qiE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<windows\.h>' "$file"; then
    echo "$file: the core includes <windows.h>"
    failures=$((failures + 1))
  fi
  while IFS= read -r header; do
    target=${header%/*}
    [[ $target == "$folder" ]] && continue
    rank=$(rank_of "$target")
    if [[ $rank -lt 0 || $rank -gt $own ]]; then
      echo "$file: includes $header from a folder above its own"
      failures=$((failures + 1))
    fi
  done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z0-9_]+\/[a-z0-9_]+\/[^"]+)".*/\1/p' "$file")
done < <(find src -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) | sort)

if [[ $failures -gt 0 ]]; then
  echo "Layer check: $failures wrong include(s)"
  exit 1
fi
echo "Layer check: every include goes down"
