#!/usr/bin/env bash
# Writes the shipped shortcut collection, data/程序快捷方式总集/*.lnk, with tools/mklink run under
# Wine (the shell's shortcut object writes them, as on Windows). The targets are programs every
# Windows from XP to 7 has in its system folder. Needs the MinGW compiler and Wine (tools/wine-env.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/wine-env.sh

out=data/程序快捷方式总集
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
i686-w64-mingw32-g++ -O2 -static -static-libgcc -static-libstdc++ -o "$tmp/mklink.exe" tools/mklink/mklink.cpp \
    -lole32 -luuid -lshell32
mkdir -p "$out"
while IFS='|' read -r name target; do
    wine "$tmp/mklink.exe" "$(winepath -w "$out/$name.lnk")" "$target"
done <<'LIST'
记事本|C:\WINDOWS\system32\notepad.exe
计算器|C:\WINDOWS\system32\calc.exe
画图|C:\WINDOWS\system32\mspaint.exe
命令提示符|C:\WINDOWS\system32\cmd.exe
LIST
wineserver -w
ls -l "$out"
