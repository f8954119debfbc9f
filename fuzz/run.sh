#!/usr/bin/env bash
# Builds every fuzz/*_fuzz.cpp with clang (libFuzzer, ASan, UBSan) in
# build-fuzz/ and runs each for a bounded time.
#   fuzz/run.sh [seconds per target]     (default 30, or $FUZZ_SECONDS)
# Prints the executions per target; exits non-zero if any target failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-30}}
build=$root/build-fuzz

mkdir -p "$build"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPELORIN_BUILD_FUZZ=ON -DPELORIN_BUILD_GUI=OFF -DPELORIN_BUILD_TESTS=OFF \
    -DPELORIN_BUILD_BENCH=OFF -DPELORIN_BUILD_WIN32=OFF >"$build/configure.log" 2>&1 ||
    { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j2

failed=0
results=()
for source in "$root"/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    corpus=$build/corpus/$name
    log=$build/$name.log
    mkdir -p "$corpus"
    status=ok
    (cd "$build" && "$build/bin/$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/$name-" "$corpus" >"$log" 2>&1) || status="FAILED (see $log)"
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    [ "$status" = ok ] || failed=1
    results+=("$(printf '%-24s %12s executions  %s' "$name" "$runs" "$status")")
done

printf '%s\n' "${results[@]}"
exit "$failed"
