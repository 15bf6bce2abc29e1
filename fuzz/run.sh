#!/usr/bin/env bash
# Runs each fuzz target of the fuzz build for a bounded time, from the seeds in
# fuzz/corpus/<target> (a merged corpus of long runs, and the inputs of past findings, named
# regression-*); what a run adds stays in build/fuzz/corpus/, and an input that breaks a rule is
# saved in build/fuzz/artifacts/ and fails the run.
#   fuzz/run.sh [SECONDS] [TARGET...]    default: 10 seconds for every target
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-10}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(historycsv measurereport namefilter referral reminderdate scoring)

export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
mkdir -p build/fuzz/artifacts
for target in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus" "fuzz/corpus/$target"
    log=build/fuzz/artifacts/$target.log
    if ! build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/artifacts/"$target"- "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
        grep -v -E '^(INFO|This plugin|#[0-9]+ )' "$log" | tail -40 >&2
        echo "FAIL: fuzz_$target broke a rule; the input is in build/fuzz/artifacts/" >&2
        exit 1
    fi
    echo "fuzz_$target: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") runs in ${seconds} s, no failure"
done
