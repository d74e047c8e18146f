#!/usr/bin/env bash
# Runs the libFuzzer targets of tests/fuzz (built in build/fuzz with clang, ASan and UBSan).
#
#   scripts/fuzz.sh                    list the targets
#   scripts/fuzz.sh TARGET [SECONDS]   fuzz one target (or "all", one after the other) for
#                                      SECONDS each, 300 by default; what it learns is kept in
#                                      build/fuzz-corpus/TARGET, findings in build/fuzz-findings
#   scripts/fuzz.sh --check DIR        the test command's short run: every target for a fixed
#                                      number of runs from its seeds, two at a time; one
#                                      GoogleTest-style report per target in DIR
#
# A finding is an input file; replay it with build/fuzz/tests/fuzz/fuzz_TARGET FILE.
source "$(dirname "$0")/common.sh"

TARGETS=(text_to_num num_to_text fixed_text angle_text document_text
         trace_linear trace_circular trace_connecting rail_linear rail_circular rail_connecting
         point_list trace_alignment landxml drawing versines)
SEEDS="$ROOT/tests/fuzz/corpus"
CHECK_RUNS=20000      # runs per target in the test command
CHECK_SECONDS=10      # and at most this long, so that all of them take about a minute

fuzzer() { echo "$BUILD/fuzz/tests/fuzz/fuzz_$1"; }

# Writes DIR/TARGET.xml: one test case, failed when the fuzzer stopped on a finding.
write_report() {
  local target=$1 dir=$2 code=$3 seconds=$4 runs=$5
  local failures=0 failure=""
  if [ "$code" -ne 0 ]; then
    failures=1
    failure="<failure message=\"fuzzer exit code $code after $runs runs; see $target.log\"/>"
  fi
  cat >"$dir/$target.xml" <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<testsuites tests="1" failures="$failures" disabled="0" errors="0" time="$seconds" name="fuzz">
  <testsuite name="Fuzz" tests="1" failures="$failures" disabled="0" errors="0" time="$seconds">
    <testcase name="$target" status="run" time="$seconds" classname="Fuzz">$failure</testcase>
  </testsuite>
</testsuites>
EOF
}

# One target's short run from its committed seeds; new inputs go to a scratch corpus, never
# into the seeds. A fixed seed keeps the test command's run the same from one time to the next.
check_target() {
  local target=$1 dir=$2
  local corpus="$dir/corpus/$target" findings="$dir/findings/$target"
  mkdir -p "$corpus" "$findings"
  local start code=0 seconds runs
  start=$(date +%s)
  timeout $((CHECK_SECONDS * 6)) "$(fuzzer "$target")" "$corpus" "$SEEDS/$target" \
    -seed=1 -runs=$CHECK_RUNS -max_total_time=$CHECK_SECONDS -timeout=10 \
    -artifact_prefix="$findings/" >"$dir/$target.log" 2>&1 || code=$?
  seconds=$(($(date +%s) - start))
  runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$dir/$target.log")
  runs=${runs:-?}
  write_report "$target" "$dir" "$code" "$seconds" "$runs"
  if [ "$code" -eq 0 ]; then
    echo "fuzz_$target: $runs runs in ${seconds}s, no finding"
  else
    echo "fuzz_$target: FAILED (exit code $code after $runs runs); the input is in $findings"
    grep -E -A3 'BROKEN RULE|ERROR:|runtime error' "$dir/$target.log" | head -20
  fi
}

check_all() {
  local dir=$1 running=0
  rm -rf "$dir"
  mkdir -p "$dir"
  for target in "${TARGETS[@]}"; do
    check_target "$target" "$dir" &
    running=$((running + 1))
    if [ "$running" -ge "$JOBS" ]; then
      wait -n || true
      running=$((running - 1))
    fi
  done
  wait
  ! grep -l '<failure' "$dir"/*.xml >/dev/null
}

# A long run of one target, its corpus kept between runs.
fuzz_target() {
  local target=$1 seconds=$2
  local corpus="$BUILD/fuzz-corpus/$target" findings="$BUILD/fuzz-findings/$target"
  mkdir -p "$corpus" "$findings"
  echo "== fuzz_$target for ${seconds}s (corpus $corpus)"
  "$(fuzzer "$target")" "$corpus" "$SEEDS/$target" -max_total_time="$seconds" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$findings/"
}

case "${1:-}" in
  "")
    echo "Targets: ${TARGETS[*]}"
    echo "Usage: scripts/fuzz.sh TARGET|all [SECONDS]   or   scripts/fuzz.sh --check DIR"
    ;;
  --check)
    [ -n "${2:-}" ] || { echo "scripts/fuzz.sh --check needs a folder" >&2; exit 2; }
    build_fuzz
    check_all "$2"
    ;;
  *)
    install_missing
    build_fuzz
    if [ "$1" = all ]; then
      for target in "${TARGETS[@]}"; do fuzz_target "$target" "${2:-300}"; done
    elif [[ " ${TARGETS[*]} " == *" $1 "* ]]; then
      fuzz_target "$1" "${2:-300}"
    else
      echo "Unknown target $1; targets: ${TARGETS[*]}" >&2
      exit 2
    fi
    ;;
esac
