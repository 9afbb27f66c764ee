#!/usr/bin/env bash
# Builds tesvar.exe and runs it under Wine in build/demo, a start folder holding the program and
# every data folder it ships with; writes a screenshot to build/demo-shot.png.
# On your own $DISPLAY the program stays open for you; without one it runs on a private Xvfb
# and is closed again after the screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup-deps.sh
if [ ! -f build/win/CMakeCache.txt ]; then
    cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-win32.cmake -DCMAKE_BUILD_TYPE=Release
fi
cmake --build build/win -j2

demo=build/demo
rm -rf "$demo"
mkdir -p "$demo"
cp build/win/tesvar.exe "$demo/"
for folder in data/*/; do
    [ -d "$folder" ] && cp -r "$folder" "$demo/"
done

. tools/wine-env.sh
wine_start_xvfb --reuse
# Started detached, every handle on the log: the program (and Wine's server and services, which
# inherit the handles of the first Wine process) may outlive this script and must not hold its
# stdout open.
(cd "$demo" && exec setsid wine tesvar.exe) </dev/null >build/demo.log 2>&1 &
sleep 3

shot=build/demo-shot.png
import -window root "$shot"
echo "screenshot: $PWD/$shot"

if [ -n "$wine_xvfb_pid" ]; then
    drive=$(find build/win -name tesvar-drive.exe -print -quit)
    [ -n "$drive" ] && wine "$drive" close "waitgone 5000" >/dev/null 2>&1 || true
    wine_stop
else
    echo "tesvar.exe is running on $DISPLAY (started in $PWD/$demo)"
fi
