#!/usr/bin/env bash
# Puts realistic faults into the code one at a time and tells which ones the
# tests notice. Each fault is one line of a tools/mutations/*.list file:
#   path<TAB>ctest-regex<TAB>old text<TAB>new text<TAB>description
# The old text must occur exactly once in the file (\t stands for a TAB),
# else the fault is stale. For each fault: apply, rebuild only the targets of
# the selected tests, run them, restore the file byte for byte.
#
#   tools/mutate.sh [--check] [LIST...] [-k PATTERN]
# LIST: list files (default: every tools/mutations/*.list); PATTERN: only the
# faults whose line matches this extended regular expression; --check only
# tells which faults are stale (after code moved), without building.
# Not part of CI: it rebuilds and runs tests once per fault.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
build=build/native

if [ -z "${DISPLAY:-}" ]; then
  exec tools/with-display.sh "$0" "$@"
fi

lists=() pattern="" check=0
while [ $# -gt 0 ]; do
  case $1 in
    --check) check=1; shift ;;
    -k) pattern=$2; shift 2 ;;
    *) lists+=("$1"); shift ;;
  esac
done
[ ${#lists[@]} -eq 0 ] && lists=(tools/mutations/*.list)

# The file under mutation and its original bytes, restored on every way out.
current="" backup=$(mktemp)
restore() {
  if [ -n "$current" ]; then
    cp "$backup" "$current"
    current=""
  fi
}
trap 'restore; rm -f "$backup"' EXIT
trap 'restore; exit 130' INT TERM

echo "== Building the untouched tree"
if [ $check = 0 ] && ! cmake --build "$build" -j2 >/dev/null; then
  echo "the untouched tree does not build" >&2
  exit 1
fi

# Tests selected by a regex, one name a line.
tests_of() {
  ctest --test-dir "$build" -N -R "$1" | sed -n 's/^ *Test *#[0-9]*: //p'
}

# Builds what the named tests run: the unit test program natively, the
# end-to-end programs (with the DLL they load) in the Windows build.
build_for() {
  local native=0 win32=() name
  for name in "$@"; do
    case $name in
      e2e.*_test)
        name=${name#e2e.}
        if [ -f "tests/e2e/$name.sh" ]; then win32+=(Markwash); else win32+=("$name"); fi ;;
      *) native=1 ;;
    esac
  done
  if [ $native = 1 ]; then
    cmake --build "$build" -j2 --target markwash_unit_tests >/dev/null 2>&1 || return 1
  fi
  if [ ${#win32[@]} -gt 0 ]; then
    cmake --build "$build/win32" -j2 --target "${win32[@]}" >/dev/null 2>&1 || return 1
  fi
}

caught=0 by_build=0 missed=0 stale=0 missed_lines=() stale_lines=()
for list in "${lists[@]}"; do
  number=0
  while IFS= read -r line || [ -n "$line" ]; do
    number=$((number + 1))
    [[ -z "${line//[[:space:]]/}" || $line == \#* ]] && continue
    [ -n "$pattern" ] && ! grep -qE -- "$pattern" <<<"$line" && continue
    # Split by hand: read would merge the TABs around an empty new text.
    fields=() rest=$line
    for _ in 1 2 3 4; do fields+=("${rest%%$'\t'*}"); rest=${rest#*$'\t'}; done
    path=${fields[0]} regex=${fields[1]} old=${fields[2]} new=${fields[3]} description=$rest
    where="$(basename "$list"):$number"
    label="$where  $path: $description"
    old=${old//\\t/$'\t'}
    new=${new//\\t/$'\t'}
    if [ ! -f "$path" ]; then
      echo "STALE   $label (no such file)"
      stale=$((stale + 1)); stale_lines+=("$label"); continue
    fi
    found=$(OLD=$old perl -0777 -ne 'print scalar(() = /\Q$ENV{OLD}\E/g)' "$path")
    if [ "$found" != 1 ]; then
      echo "STALE   $label (old text found $found times)"
      stale=$((stale + 1)); stale_lines+=("$label"); continue
    fi
    mapfile -t names < <(tests_of "$regex")
    if [ ${#names[@]} -eq 0 ]; then
      echo "STALE   $label (no test matches $regex)"
      stale=$((stale + 1)); stale_lines+=("$label"); continue
    fi
    if [ $check = 1 ]; then
      echo "ok      $label"; caught=$((caught + 1)); continue
    fi
    cp "$path" "$backup"
    current=$path
    OLD=$old NEW=$new perl -0777 -pi -e 's/\Q$ENV{OLD}\E/$ENV{NEW}/' "$path"
    started=$SECONDS
    if ! build_for "${names[@]}"; then
      verdict="caught (build)"; by_build=$((by_build + 1))
    elif ctest --test-dir "$build" -R "$regex" --stop-on-failure -j2 >/dev/null 2>&1; then
      verdict="MISSED"; missed=$((missed + 1)); missed_lines+=("$label")
    else
      verdict="caught"; caught=$((caught + 1))
    fi
    restore
    printf '%-15s %s (%ds)\n' "$verdict" "$label" $((SECONDS - started))
  done <"$list"
done

if [ $check = 1 ]; then
  echo "== $caught applicable, $stale stale"
  for l in "${stale_lines[@]}"; do echo "stale:  $l"; done
  [ $stale -eq 0 ]; exit
fi
echo "== Restoring the build"
cmake --build "$build" -j2 >/dev/null 2>&1 || echo "the restored tree does not build" >&2

echo "== Summary: $((caught + by_build)) caught ($by_build of them by the build), $missed missed, $stale stale"
for l in "${missed_lines[@]}"; do echo "missed: $l"; done
for l in "${stale_lines[@]}"; do echo "stale:  $l"; done
[ $missed -eq 0 ] && [ $stale -eq 0 ]
