#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each from a freshly written seed corpus:
#   fuzz/run.sh SECONDS [BUILD_DIR]     (BUILD_DIR defaults to build/fuzz)
# Build first with: cmake --preset fuzz && cmake --build --preset fuzz
# Fails on the first crash, leak or sanitizer report; the input that caused it is left in
# BUILD_DIR/fuzz-artifacts.
set -euo pipefail
seconds=${1:?usage: run.sh SECONDS [BUILD_DIR]}
build=${2:-$(cd "$(dirname "$0")/.." && pwd)/build/fuzz}
corpus=$build/fuzz-corpus
artifacts=$build/fuzz-artifacts
mkdir -p "$corpus" "$artifacts"
"$build/fuzz/pantrix_fuzz_seeds" "$corpus"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1
for target in records numbers namefile merge refresh catalogue; do
    log=$build/fuzz-$target.log
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target FAILED" >&2
        exit 1
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    echo "fuzz_$target: $runs executions, no findings"
done
