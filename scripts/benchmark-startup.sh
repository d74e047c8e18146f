#!/usr/bin/env bash
# Times the start of polver.exe, until its window with the editor answers, against a bare program
# with one window and one edit control built the same way (tests/bench/bare_window.cpp), started
# alternately. Prints both medians and their ratio (target <= 1.1); the exit status is 0 within
# the target, 1 above it, 2 when the measurement failed.
#
# Usage: scripts/benchmark-startup.sh [Windows build folder holding polver.exe]  (default build/windows)
# Needs mingw-w64, wine and xvfb-run. Uses its own Wine prefix inside the build folder.
source "$(dirname "$0")/common.sh"
build=$(benchmark_build_folder "${1:-}") || exit 2
# Built as polver.exe is: optimised, static, a Windows (not console) program.
x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -Wall -static -mwindows -o "$build/bare_window.exe" \
  "$ROOT/tests/bench/bare_window.cpp"
run_benchmark startup "$build" "$(printf 'Z:%s' "$build/bare_window.exe" | tr / '\\')"
