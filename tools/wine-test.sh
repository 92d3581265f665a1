#!/usr/bin/env bash
# Runs one Windows test program under Wine (CTest calls this).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
markwash_wine_up
exec wine "$@" </dev/null
