#!/usr/bin/env bash
# Builds what the benchmarks need and prints Tesvar's figures, each beside its floor or target
# as a ratio (bench/bench.py; options such as --start-runs N and --rounds N are passed on).
#
#   bash bench/run.sh
#
# The core's figures come from a Release build of the host program (build/bench-host), the real
# program's from the Windows build (build/win) under Wine: on $DISPLAY with $WINEPREFIX when both
# are set, otherwise in tools/wine-env.sh's prefix on a private Xvfb that is stopped afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup-deps.sh
cmake -S . -B build/bench-host -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench-host -j2 --target tesvar-core-bench >/dev/null
if [ ! -f build/win/CMakeCache.txt ]; then
    cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-win32.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build build/win -j2 >/dev/null

if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    . tools/wine-env.sh
    wine_start_xvfb
    trap wine_stop EXIT
fi
python3 bench/bench.py "$@"
