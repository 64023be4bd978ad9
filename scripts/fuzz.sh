#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for the given number of
# seconds (default 60), starting from its seed corpus in fuzz/corpus/. A crash fails the run and
# leaves its input in build-fuzz/crashes/<target>/. Extra arguments go to every fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DALMANAXIUM_BUILD_GUI=OFF -DALMANAXIUM_BUILD_TESTS=OFF -DALMANAXIUM_BUILD_BENCHMARKS=OFF \
    -DALMANAXIUM_BUILD_FUZZERS=ON >/dev/null
cmake --build build-fuzz
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run() {
    local target=$1
    shift
    local work=build-fuzz/runs/$target
    rm -rf "$work" && mkdir -p "$work/corpus" "build-fuzz/crashes/$target"
    cp fuzz/corpus/"$target"/* "$work/corpus/"
    if build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crashes/$target/" "$@" "$work/corpus" >"$work/log.txt" 2>&1; then
        echo "fuzz_$target: $(grep -oE 'number_of_executed_units: [0-9]+' "$work/log.txt") in ${seconds}s," \
             "corpus $(ls "$work/corpus" | wc -l) inputs"
    else
        echo "fuzz_$target FAILED:" >&2
        grep -E 'ERROR|SUMMARY|Test unit written|#[0-9]+ ' "$work/log.txt" | head -30 >&2
        return 1
    fi
}

targets=(place_lists settings_file time_zone_rules update_answer cli_arguments batch_line)
status=0
pids=()
# Two at a time: one per core.
for target in "${targets[@]}"; do
    run "$target" "$@" &
    pids+=($!)
    if [ ${#pids[@]} -ge 2 ]; then
        wait "${pids[0]}" || status=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status
