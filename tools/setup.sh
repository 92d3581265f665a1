#!/usr/bin/env bash
# Installs everything a fresh Debian 12 machine needs to build Markwash and run
# its tests, then builds a Windows Tidy.exe from Debian's tidy-html5 source.
# Idempotent: a second run only checks that everything is in place.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${MARKWASH_BUILD:-$here/build}
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo

packages=(
  cmake make ninja-build g++ googletest libgtest-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386 xvfb xauth
  dpkg-dev locales file
  cups printer-driver-cups-pdf cups-client poppler-utils libcups2:i386
  fonts-wine zip unzip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
srcs=/etc/apt/sources.list.d/markwash-deb-src.sources
if [ ${#missing[@]} -gt 0 ] || [ ! -f "$srcs" ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  if [ ! -f "$srcs" ]; then
    # Tidy is built from Debian's own source package, so apt needs deb-src lines.
    $SUDO tee "$srcs" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  fi
  $SUDO apt-get update -q
  if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
fi

# The Windows tests run with German conventions (decimal comma, code page 1252).
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi

"$here/tools/build-tidy.sh" "$build"
