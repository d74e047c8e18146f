#!/usr/bin/env bash
# Times CALC in polver.exe, from the click to the whole report in the editor (Trace Connecting's
# worked example), against one EM_REPLACESEL of the same report text into the same editor.
# Prints both and their ratio (target <= 1.2); the exit status is 0 within the target, 1 above
# it, 2 when the measurement failed.
#
# Usage: scripts/benchmark-calc.sh [Windows build folder holding polver.exe]  (default build/windows)
# Needs mingw-w64, wine and xvfb-run. Uses its own Wine prefix inside the build folder.
source "$(dirname "$0")/common.sh"
run_benchmark calc "${1:-}"
