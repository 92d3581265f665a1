#!/usr/bin/env bash
# Runs one Windows test program under Wine (CTest calls this). The program's
# output goes through a file: Wine's helper processes inherit the program's
# handles and would keep a pipe to CTest open long after the test ended.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
markwash_wine_up || exit 1
log=$(mktemp)
wine "$@" </dev/null >"$log" 2>&1
status=$?
cat "$log"
rm -f "$log"
exit $status
