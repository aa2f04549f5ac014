#!/usr/bin/env bash
# The Windows program under Wine: cross-build quorvel.exe and the unit tests,
# run the data, check and Win32 tests as .exe files, then the end-to-end
# scenarios of the release folder's quorvel.exe under Xvfb; screenshots go to
# build/windows-e2e/.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/build-windows.sh >/dev/null

export WINEPREFIX=$PWD/build-win-deps/wineprefix
export WINEDEBUG=-all
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  # Without .NET and HTML engines: nothing here needs them, and Wine would
  # otherwise offer to download them.
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
  # Wine frames the windows itself instead of waiting for a window manager,
  # which Xvfb has not: otherwise every window waits 2 s to close.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >/dev/null 2>&1
  wineserver -w
fi
# Debian's Wine does not find the fonts of fonts-wine (Tahoma, the default
# GUI face; Marlett, the caption buttons) by itself; a prefix's Fonts folder
# is where Windows keeps them too.
cp -u /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

# The toolkit tests need a display of their own.
exec {announce}<> <(:)
Xvfb -displayfd "$announce" -nolisten tcp -screen 0 1024x768x24 \
  >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
read -r -u "$announce" display
export DISPLAY=:$display
# One Wine session for the whole run, started here: a test that starts while
# an idle server shuts down loses its connection to it, and Wine's helper
# processes, were a test to start them, would hold ctest's output pipe open.
wineserver -p
wineboot >/dev/null 2>&1

# Wine 8 hides a connection reset from recv (it reads as an orderly close),
# so the reset case can only pass on Windows itself.
(cd build-win && ctest --output-on-failure -j2 --timeout 120 \
   -E '^FetchTest\.AResetConnectionFailsTheDownload$')
# The end-to-end run brings its own display, so Wine starts afresh there.
wineserver -k 2>/dev/null || true
unset DISPLAY

# The end-to-end scenarios run the program as a publisher ships it: the
# stripped quorvel.exe of the release folder, with that folder's texts.
scripts/dist.sh windows >/dev/null
python3 tests/windows/test_windows_program.py build/dist/windows/quorvel.exe \
  build/dist/windows build/windows-e2e
echo "quorvel.exe as shipped: $(stat -c %s build/dist/windows/quorvel.exe) bytes"
