#!/usr/bin/env bash
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
source "$(dirname "$0")/common.sh"
build=$(benchmark_build_folder "${1:-}") || exit 2

# The calculation alone, natively, compiled as the program is (no fused multiply-add).
native="$build/alignment_calculation_benchmark"
g++ -std=c++17 -O2 -ffp-contract=off -I "$ROOT/toolkit" -I "$ROOT/calc" -I "$ROOT/res" \
  -I "$ROOT/tests/bench" -o "$native" "$ROOT/tests/bench/alignment_calculation_benchmark.cpp" \
  "$ROOT"/toolkit/*.cpp "$ROOT"/calc/*/*.cpp
"$native" || true

run_benchmark point_list "$build" ${2:+"$2"}
