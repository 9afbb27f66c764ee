#!/usr/bin/env bash
# Every level of Tesvar's tests, each closing with "LEVEL: N passed, M failed":
#   host     the behaviour tests, native, through CTest (build/host)
#   asan     the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer (build/asan)
#   fuzz     the list-file and settings readers under libFuzzer, FUZZ_SECONDS (60) each (fuzz/run.sh)
#   imports  tesvar.exe from the Windows build (build/win) imports only Windows' own DLLs
#   wine     the platform tests, build/wintest/tests/*_wine_tests.exe under Wine
#   e2e      tesvar.exe under Wine on a private Xvfb, driven by tesvar-drive.exe
# then "total: N passed, M failed".  A level that fails does not stop the others; a build that
# fails skips the levels that need it and counts as a failure.  Exits 1 when anything failed.
set -uo pipefail
cd "$(dirname "$0")/.."

total_passed=0
total_failed=0
count() {  # LEVEL PASSED FAILED
    echo "$1: $2 passed, $3 failed"
    total_passed=$((total_passed + $2))
    total_failed=$((total_failed + $3))
}

# Configures a build tree once; later runs only build (CMake re-configures by itself when a
# CMakeLists.txt changes).
build() {  # DIR CMAKE-ARGS...
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" "$@" || return 1
    fi
    cmake --build "$dir" -j2
}

bash tools/setup-deps.sh || { echo "setup-deps failed"; exit 1; }
mkdir -p build

# --- host ---------------------------------------------------------------------------------------
if build build/host -DCMAKE_BUILD_TYPE=Debug; then
    ctest --test-dir build/host --output-on-failure 2>&1 | tee build/host-ctest.log
    ctest_rc=${PIPESTATUS[0]}
    summary=$(grep -E '[0-9]+ tests? failed out of [0-9]+' build/host-ctest.log | tail -n 1)
    if [[ $summary =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        count host $((BASH_REMATCH[2] - BASH_REMATCH[1])) "${BASH_REMATCH[1]}"
    elif [ "$ctest_rc" = 0 ]; then
        count host 0 0
    else
        count host 0 1
    fi
else
    echo "host build failed"
    count host 0 1
fi

# --- asan ---------------------------------------------------------------------------------------
# Any sanitizer report ends its test process with an error, so CTest counts it as a failure.
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
if build build/asan -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS=$sanitize" \
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"; then
    ctest --test-dir build/asan --output-on-failure 2>&1 | tee build/asan-ctest.log
    ctest_rc=${PIPESTATUS[0]}
    summary=$(grep -E '[0-9]+ tests? failed out of [0-9]+' build/asan-ctest.log | tail -n 1)
    if [[ $summary =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        count asan $((BASH_REMATCH[2] - BASH_REMATCH[1])) "${BASH_REMATCH[1]}"
    elif [ "$ctest_rc" = 0 ]; then
        count asan 0 0
    else
        count asan 0 1
    fi
else
    echo "sanitizer build failed"
    count asan 0 1
fi

# --- fuzz ---------------------------------------------------------------------------------------
bash fuzz/run.sh | tee build/fuzz.log
summary=$(grep -E '^fuzz: [0-9]+ passed, [0-9]+ failed$' build/fuzz.log | tail -n 1)
if [[ $summary =~ ^fuzz:\ ([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
    total_passed=$((total_passed + BASH_REMATCH[1]))
    total_failed=$((total_failed + BASH_REMATCH[2]))
else
    count fuzz 0 1
fi

# --- Windows builds -----------------------------------------------------------------------------
win_built=0
build build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-win32.cmake -DCMAKE_BUILD_TYPE=Release && win_built=1
[ $win_built = 1 ] || echo "Windows build failed"

wintest_built=0
build build/wintest -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-posix.cmake -DCMAKE_BUILD_TYPE=Debug \
    -DTESVAR_WINE_TESTS=ON && wintest_built=1
[ $wintest_built = 1 ] || echo "Wine test build failed"

# --- imports ------------------------------------------------------------------------------------
if [ $win_built = 1 ]; then
    tools/check-imports.sh build/win/tesvar.exe | tee build/imports.log
    count imports "$(grep -c '^PASS' build/imports.log)" "$(grep -c '^FAIL' build/imports.log)"
else
    count imports 0 1
fi

# --- wine ---------------------------------------------------------------------------------------
. tools/wine-env.sh
wine_start_xvfb || { echo "Xvfb did not start"; exit 1; }
trap wine_stop EXIT

if [ $wintest_built = 1 ]; then
    passed=0
    failed=0
    shopt -s nullglob
    for exe in build/wintest/tests/*_wine_tests.exe; do
        log=${exe%.exe}.log
        # Output into a file, not a pipe: Wine's server and services inherit the handles of the
        # process that starts them and would keep a pipe open.
        (cd "$(dirname "$exe")" && wine "./$(basename "$exe")" </dev/null >"$(basename "$log")" 2>&1)
        rc=$?
        ok=$(tr -d '\r' <"$log" | sed -n -E 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' | tail -n 1)
        bad=$(tr -d '\r' <"$log" | sed -n -E 's/^\[  FAILED  \] ([0-9]+) tests?, listed below.*/\1/p' | tail -n 1)
        ok=${ok:-0}
        bad=${bad:-0}
        # A crash or an exit code without gtest's count is a failure of its own.
        [ "$rc" != 0 ] && [ "$bad" = 0 ] && bad=1
        passed=$((passed + ok))
        failed=$((failed + bad))
        if [ "$bad" = 0 ]; then
            echo "PASS $exe ($ok tests)"
        else
            echo "FAIL $exe (exit $rc), its output:"
            tr -d '\r' <"$log" | sed 's/^/    /'
        fi
    done
    shopt -u nullglob
    count wine $passed $failed
else
    count wine 0 1
fi
# A fresh Wine server for the end-to-end run: nothing left over from the platform tests.
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null

# --- e2e ----------------------------------------------------------------------------------------
if [ $win_built = 1 ]; then
    python3 tools/e2e/run_e2e.py | tee build/e2e.log
    summary=$(grep -E '^e2e: [0-9]+ passed, [0-9]+ failed$' build/e2e.log | tail -n 1)
    if [[ $summary =~ ^e2e:\ ([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
        total_passed=$((total_passed + BASH_REMATCH[1]))
        total_failed=$((total_failed + BASH_REMATCH[2]))
    else
        count e2e 0 1
    fi
else
    count e2e 0 1
fi

echo "total: $total_passed passed, $total_failed failed"
[ $total_failed = 0 ]
