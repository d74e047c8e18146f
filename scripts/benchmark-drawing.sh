#!/usr/bin/env bash
# Times Trace Alignment's "Drawing" in polver.exe with the worked alignment, its profile and
# 10,000 selected points, from the press to the painted window (target under 1 s), and one notch
# of wheel zoom to the painted window (target under 0.1 s). Prints the figures; the exit status is
# 0 within the targets, 1 above them, 2 when the measurement failed. See
# tests/bench/drawing_benchmark.cpp.
#
# Usage: scripts/benchmark-drawing.sh [Windows build folder holding polver.exe]
#        (default build/windows)
# Needs mingw-w64, wine and xvfb-run. Uses its own Wine prefix inside the build folder.
source "$(dirname "$0")/common.sh"
run_benchmark drawing "${1:-}"
