#!/usr/bin/env bash
# Runs a command with an X display: the caller's, or a private Xvfb that is
# stopped, with the Wine prefix's wineserver, when the command ends.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
xvfb=""
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 140); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    xvfb=$!
    export DISPLAY=:$n
    for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    break
  done
fi
"$@"
status=$?
wineserver -k >/dev/null 2>&1 || true
[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
exit $status
