#!/usr/bin/env bash
# Times File, Open of a 1 MB, 20,000-line file in polver.exe against the floor of the edit control:
# one WM_SETTEXT of the same text into a bare edit control. Prints both and their ratio (target
# <= 1.5); the exit status is 0 within the target, 1 above it, 2 when the measurement failed.
#
# Usage: scripts/benchmark-open.sh [Windows build folder holding polver.exe]  (default build/windows)
# Needs mingw-w64, wine and xvfb-run. Uses its own Wine prefix inside the build folder.
source "$(dirname "$0")/common.sh"
run_benchmark open "${1:-}"
