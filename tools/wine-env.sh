# Sourced by the scripts that run Windows programs: a private Wine prefix in
# the build tree, quiet, German conventions (decimal comma, ANSI code page
# 1252), and a warm wineserver whose output goes nowhere, so that no
# background process keeps a caller's pipe open.
markwash_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export MARKWASH_BUILD=${MARKWASH_BUILD:-$markwash_root/build}
export WINEPREFIX=$MARKWASH_BUILD/wineprefix
export WINEDEBUG=${MARKWASH_WINEDEBUG:--all}  # a test may ask for a channel, e.g. warn+heap
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8
export MARKWASH_TIDY="Z:$(echo "$MARKWASH_BUILD/tidy/Tidy.exe" | tr / '\\')"

markwash_wine_up() {
  if [ -z "${DISPLAY:-}" ]; then
    echo "no X display: run under tools/with-display.sh" >&2
    return 1
  fi
  mkdir -p "$WINEPREFIX"
  wineserver -p >/dev/null 2>&1 </dev/null
  if [ ! -f "$WINEPREFIX/.markwash-ready" ]; then
    wine wineboot -i >/dev/null 2>&1 </dev/null
    # Without a window manager Wine should draw the window frames itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d Y /f >/dev/null 2>&1 </dev/null
    touch "$WINEPREFIX/.markwash-ready"
  fi
  # The dialog's fonts as on Windows: Wine's own "MS Sans Serif" where its GDI
  # looks for fonts, and a fixed-pitch face for "Courier New".
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ] && [ ! -e "$fonts/sserife.fon" ]; then
    cp /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'DejaVu Sans Mono' /f >/dev/null 2>&1 </dev/null
  fi
}
