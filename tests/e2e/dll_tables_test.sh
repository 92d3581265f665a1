#!/usr/bin/env bash
# The built Markwash.dll: a PE32 library named Markwash.dll in its export
# table, exactly three exports with fixed ordinals and undecorated names, and
# imports from Windows system DLLs only.
set -euo pipefail
dll=$1/Markwash.dll
dump=$(i686-w64-mingw32-objdump -p "$dll")
fail() { echo "FAIL: $*"; exit 1; }

grep -q 'PE32 executable (DLL)' <<<"$(file "$dll")" || fail "not a 32-bit PE DLL: $(file "$dll")"
grep -qE '^Name[[:space:]]+[0-9a-f]+ Markwash.dll$' <<<"$dump" || fail "the export table does not carry the name Markwash.dll"

exports=$(echo "$dump" | awk '/\[Ordinal\/Name Pointer\] Table/{on=1; next} on && /^[[:space:]]*\[/{print; next} on{on=0}')
expected=$'\t[   0] pluginInterfaceVersion\n\t[   1] pluginRueckgabetyp\n\t[   2] pluginStart'
[ "$exports" = "$expected" ] || fail "unexpected exports: $exports"
# Ordinal base 1: the names above stand at ordinals 1, 2 and 3.
grep -q 'Ordinal Base[[:space:]]*1' <<<"$dump" || fail "ordinal base is not 1"

allowed='^(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|SHELL32|OLE32|OLEAUT32|ADVAPI32|WINSPOOL\.DRV|MSVCRT|SHLWAPI)(\.DLL)?$'
while read -r name; do
  upper=$(echo "$name" | tr a-z A-Z)
  [[ $upper =~ $allowed ]] || fail "imports a non-system DLL: $name"
done < <(echo "$dump" | sed -n 's/^\s*DLL Name: //p')
echo "1 passed, 0 failed"
