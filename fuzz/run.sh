#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan + libFuzzer) in build/fuzz and runs each one
# for FUZZ_SECONDS seconds (default 60), starting from the seeds in fuzz/corpus/TARGET and the
# inputs earlier runs found (build/fuzz/corpus/TARGET).  Prints one line per target and closes
# with "fuzz: N passed, M failed"; exits 1 when a target failed.
#
# An input that breaks a target is saved as build/fuzz/artifacts/TARGET-crash-…; replay it with
#   build/fuzz/TARGET_fuzz FILE
# and keep it as a host test case (tests/listfiles_test.cpp, tests/settings_test.cpp).
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
build=build/fuzz
targets=(listfile settings)

if ! { cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null && cmake --build "$build" -j2 >/dev/null; }; then
    echo "FAIL fuzz build (see: cmake --build $build)"
    echo "fuzz: 0 passed, ${#targets[@]} failed"
    exit 1
fi

passed=0
failed=0
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    log=$build/$target.log
    mkdir -p "$corpus" "$build/artifacts"
    # The first folder takes the new inputs; the seeds stay as they are.
    "$build/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" "$corpus" "fuzz/corpus/$target" \
        >"$log" 2>&1
    rc=$?
    runs=$(sed -n -E 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$log" | tail -n 1)
    if [ $rc = 0 ]; then
        passed=$((passed + 1))
        echo "PASS $target (${runs:-?} inputs in ${seconds} s, corpus $(ls "$corpus" | wc -l) files)"
    else
        failed=$((failed + 1))
        echo "FAIL $target (exit $rc), the end of its log:"
        tail -n 30 "$log" | sed 's/^/    /'
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ $failed = 0 ]
