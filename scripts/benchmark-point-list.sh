#!/bin/sh
# Times "List PK, d" on 10,000 selected point lines in Trace Connecting, and against an alignment
# of 50 vertices in Trace Alignment, from the button press to the whole block in the editor,
# against one EM_REPLACESEL of the same block's text into the same editor. Prints both and their
# ratio (target <= 1.5); the exit status is 0 within the target, 1 above it, 2 when the
# measurement failed. The cases live in tests/bench/point_list_benchmark.cpp. First it times
# Trace Alignment's calculation alone, natively (target < 1 s).
#
# Usage: scripts/benchmark-point-list.sh [Windows build folder holding polver.exe] [case name]
#        (default build/windows, every case)
# Needs mingw-w64, wine and xvfb-run. Uses its own Wine prefix inside the build folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
case_name=${2:-}
if [ ! -f "$build/polver.exe" ]; then
  echo "no $build/polver.exe: build the Windows program first" >&2
  exit 2
fi

# The calculation alone, natively, compiled as the program is (no fused multiply-add).
native="$build/alignment_calculation_benchmark"
g++ -std=c++17 -O2 -ffp-contract=off -I "$root/toolkit" -I "$root/calc" -I "$root/res" \
  -I "$root/tests/bench" -o "$native" "$root/tests/bench/alignment_calculation_benchmark.cpp" \
  "$root"/toolkit/*.cpp "$root"/calc/*.cpp
"$native" || true

bench="$build/point_list_benchmark.exe"
x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -Wall -static -I "$root/res" -I "$root/tests/bench" \
  -o "$bench" "$root/tests/bench/point_list_benchmark.cpp"

export WINEPREFIX="$build/benchmark-wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # Without a window manager Wine waits on every hidden window unless it manages windows itself.
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
fi

# Wine reaches Linux paths through drive Z: (see benchmark-open.sh).
polver=$(printf 'Z:%s' "$build/polver.exe" | tr / '\\')
xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
  'wineserver -p; if [ -n "$3" ]; then wine "$1" "$2" "$3"; else wine "$1" "$2"; fi; code=$?; wineserver -k; exit $code' \
  sh "$bench" "$polver" "$case_name"
