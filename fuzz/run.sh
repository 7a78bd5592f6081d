#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz/ and runs each for a bounded time
# on a scratch copy of its seed corpus, so the corpus in the repository never
# grows by itself. Fails when any target crashes, trips a sanitizer or breaks one
# of its checks; the input that did it is kept in fuzz/crashes/.
#
#   bash fuzz/run.sh [SECONDS]     each target for SECONDS (default 60)
#
# Needs clang and libclang-rt-14-dev (make fuzz installs them). FUZZ_JOBS sets
# the build's parallel jobs (default 2).
set -euo pipefail

seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [seconds]" >&2
    exit 2
fi

root=$(cd "$(dirname "$0")/.." && pwd)
fuzz=$root/fuzz
build=$root/build-fuzz

if ! grep -qs '^KUBREL_FUZZ:BOOL=ON' "$build/CMakeCache.txt"; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DKUBREL_FUZZ=ON \
        -DBUILD_TESTING=OFF -DKUBREL_BUILD_BENCH=OFF
fi
cmake --build "$build" -j "${FUZZ_JOBS:-2}" --target fuzzers

scratch=$(mktemp -d "${TMPDIR:-/tmp}/kubrel-fuzz-run.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$fuzz/crashes"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

# The value of "stat::<name>:" in a libFuzzer log.
stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }

# run_target NAME CORPUS [libFuzzer options...]
run_target() {
    local name=$1 corpus=$2
    shift 2
    local work=$scratch/$name log=$scratch/$name.log status=0
    mkdir -p "$work"
    cp "$fuzz/corpus/$corpus"/* "$work"/
    local seeds
    seeds=$(find "$work" -type f | wc -l)
    "$build/bin/$name" "$work" -max_total_time="$seconds" -timeout=60 \
        -print_final_stats=1 -artifact_prefix="$fuzz/crashes/$name-" "$@" >"$log" 2>&1 ||
        status=$?
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log"
        echo "$name: FAILED (exit $status); the input is in fuzz/crashes/"
        return 1
    fi
    local runs rate cov
    runs=$(stat number_of_executed_units "$log")
    rate=$(stat average_exec_per_sec "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    echo "$name: ok, $runs runs in ${seconds} s ($rate/s), coverage $cov," \
        "corpus $seeds -> $(find "$work" -type f | wc -l)"
}

failed=0
run_target map_file_fuzzer map -dict="$fuzz/map.dict" -max_len=512 || failed=1
run_target pointer_fuzzer pointer -max_len=2048 || failed=1
run_target draw_surface_fuzzer surface -max_len=1024 || failed=1
exit "$failed"
