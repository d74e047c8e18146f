#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit tests natively and
# under Wine, then the end-to-end tests of polver.exe under Wine on a virtual display.
# Ends with one summary line.
source "$(dirname "$0")/common.sh"

install_missing
build_native
build_windows
prepare_wine_prefix

RESULTS="$BUILD/test-results"
rm -rf "$RESULTS"
mkdir -p "$RESULTS/native" "$RESULTS/windows"
export POLVER_ARTIFACTS="$RESULTS/artifacts"
status=0

echo "== Unit tests (native)"
GTEST_OUTPUT="xml:$RESULTS/native/" ctest --test-dir "$BUILD/native" --output-on-failure || status=1

# ---- Sanitizer and fuzz runs of the portable core: each fuzz target counts as one test case ----
echo "== Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer (native)"
build_sanitize
mkdir -p "$RESULTS/sanitize"
GTEST_OUTPUT="xml:$RESULTS/sanitize/" ctest --test-dir "$BUILD/sanitize" --output-on-failure || status=1

echo "== Fuzz targets, a short run each (longer: scripts/fuzz.sh TARGET SECONDS)"
"$ROOT/scripts/fuzz.sh" --check "$RESULTS/fuzz" || status=1
# ---- end of sanitizer and fuzz runs ----

echo "== Unit tests and end-to-end tests (Windows build under Wine)"
# File, Print is tested on a real spooler: the CUPS PDF printer, started and set up here.
prepare_pdf_printer || { echo "The PDF printer could not be set up: the printing tests will fail"; }
GTEST_OUTPUT="xml:Z:${RESULTS//\//\\}\\windows\\" xvfb-run -a -s "-screen 0 1024x768x24" \
  bash -c 'source "$0"; start_wine_session; code=0
           ctest --test-dir "$1" --output-on-failure || code=$?
           wineserver -k; exit $code' "$ROOT/scripts/common.sh" "$BUILD/windows" || status=1

# Count the test cases that ran, from the GoogleTest reports. A skipped test (one that needs
# what this user or machine lacks, such as changing printers) is neither passed nor failed.
passed=0
failed=0
skipped=0
for report in "$RESULTS"/native/*.xml "$RESULTS"/windows/*.xml \
              "$RESULTS"/sanitize/*.xml "$RESULTS"/fuzz/*.xml; do
  [ -f "$report" ] || continue
  totals=$(grep -m1 -o '<testsuites tests="[0-9]*" failures="[0-9]*" disabled="[0-9]*" errors="[0-9]*"' "$report")
  tests=$(echo "$totals" | sed 's/.*tests="\([0-9]*\)".*/\1/')
  failures=$(echo "$totals" | sed 's/.*failures="\([0-9]*\)".*/\1/')
  errors=$(echo "$totals" | sed 's/.*errors="\([0-9]*\)".*/\1/')
  skips=$(grep -c '<testcase [^>]*result="skipped"' "$report" || true)
  passed=$((passed + tests - failures - errors - skips))
  failed=$((failed + failures + errors))
  skipped=$((skipped + skips))
done
[ "$status" -eq 0 ] || [ "$failed" -gt 0 ] || failed=1  # a test program that crashed counts too
[ -d "$POLVER_ARTIFACTS" ] && echo "Screenshots: $POLVER_ARTIFACTS"
# The line CI reads: it names skipped tests only when there are some.
if [ "$skipped" -gt 0 ]; then
  echo "tests: $passed passed, $failed failed, $skipped skipped"
else
  echo "tests: $passed passed, $failed failed"
fi
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ]
