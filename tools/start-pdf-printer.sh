#!/usr/bin/env bash
# Makes a PDF printer the default printer of this machine, so that Windows
# programs under Wine print to real paper stand-ins: starts the CUPS scheduler
# when it is not running, adds a cups-pdf queue of its own and makes it the
# default. Prints the folder where the queue writes its PDF files.
# Idempotent: a second run finds everything in place and changes nothing.
set -euo pipefail
export LC_ALL=C  # lpstat answers are compared as text

queue=Markwash_PDF
instance=markwash                       # cups-pdf reads cups-pdf-<instance>.conf
out=/var/spool/markwash-pdf
conf=/etc/cups/cups-pdf-$instance.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo

fail() { echo "start-pdf-printer: $*" >&2; exit 1; }
[ -x /usr/sbin/cupsd ] || fail "cupsd is missing (package cups)"
[ -x /usr/sbin/lpadmin ] || fail "lpadmin is missing (package cups-client)"
[ -e /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is missing (package printer-driver-cups-pdf)"
[ -f "$ppd" ] || fail "$ppd is missing (package printer-driver-cups-pdf)"
# 32-bit Wine talks to CUPS through the i386 libcups; without it Wine sees no printer at all.
dpkg-query -W -f='${Status}' libcups2:i386 2>/dev/null | grep -q 'install ok installed' ||
  fail "libcups2:i386 is missing: 32-bit Wine cannot see CUPS printers without it"

running() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
if ! running; then
  # cupsd puts itself into the background; its output must not hold a caller's pipe.
  $SUDO /usr/sbin/cupsd </dev/null >/dev/null 2>&1
  for _ in $(seq 100); do running && break; sleep 0.1; done
  running || fail "the CUPS scheduler did not start"
fi

if [ ! -f "$conf" ] || ! grep -qx "Out $out" "$conf"; then
  # Our own output folder, whoever prints, and the job number in every file
  # name, so that each job is a new file.
  $SUDO tee "$conf" >/dev/null <<CONF
Out $out
AnonDirName $out
Label 2
UserUMask 0022
CONF
fi
$SUDO mkdir -p "$out"
$SUDO chmod 1777 "$out"

if ! lpstat -v "$queue" >/dev/null 2>&1; then
  $SUDO lpadmin -p "$queue" -E -v "cups-pdf:/$instance" -P "$ppd"
fi
if [ "$(lpstat -d 2>/dev/null)" != "system default destination: $queue" ]; then
  $SUDO lpadmin -d "$queue"
fi
echo "$out"
