#!/bin/sh
# Times File, Open of a 1 MB, 20,000-line file in polver.exe against the floor of the edit control:
# one WM_SETTEXT of the same text into a bare edit control. Prints both and their ratio (target
# <= 1.5); the exit status is 0 within the target, 1 above it, 2 when the measurement failed.
#
# Usage: scripts/benchmark-open.sh [Windows build folder holding polver.exe]  (default build/windows)
# Needs mingw-w64, wine and xvfb-run. Uses its own Wine prefix inside the build folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
if [ ! -f "$build/polver.exe" ]; then
  echo "no $build/polver.exe: build the Windows program first" >&2
  exit 2
fi

bench="$build/open_benchmark.exe"
x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -Wall -static -o "$bench" \
  "$root/tests/bench/open_benchmark.cpp"

export WINEPREFIX="$build/benchmark-wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # Without a window manager Wine waits on every hidden window unless it manages windows itself.
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
fi

# Wine reaches Linux paths through drive Z:. (Not winepath: a Wine process started here, without
# the display, would leave the prefix's desktop unable to open windows.)
polver=$(printf 'Z:%s' "$build/polver.exe" | tr / '\\')
xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
  'wineserver -p; wine "$1" "$2"; code=$?; wineserver -k; exit $code' sh "$bench" "$polver"
