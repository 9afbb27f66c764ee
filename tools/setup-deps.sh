#!/usr/bin/env bash
# Installs what building and testing Tesvar needs on Debian 12 (run as root).
# Idempotent: when every package and locale is already there it only queries and exits.
set -euo pipefail

packages=(
    g++ cmake make libgtest-dev libjpeg62-turbo-dev python3
    clang libclang-rt-14-dev
    g++-mingw-w64-i686 nasm
    wine wine32:i386 wine64 fonts-wine fonts-wqy-microhei libxrender1:i386
    xvfb xdotool imagemagick
    locales zip unzip file patch xz-utils
)
# Wine's ANSI code page follows the locale; without these two generated, Wine falls back to 1252.
locales=("zh_CN.UTF-8 UTF-8" "zh_CN.GBK GBK")

installed() { [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]; }

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup-deps: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

have_locale() { locale -a 2>/dev/null | grep -qix "$1"; }
if ! have_locale zh_CN.utf8 || ! have_locale zh_CN.gbk; then
    echo "setup-deps: generating the zh_CN locales"
    for entry in "${locales[@]}"; do
        # Uncomment the entry when it is there commented out, append it otherwise.
        if grep -qE "^[#[:space:]]*${entry}\$" /etc/locale.gen; then
            sed -i -E "s/^[#[:space:]]*(${entry})\$/\\1/" /etc/locale.gen
        else
            echo "$entry" >>/etc/locale.gen
        fi
    done
    locale-gen >/dev/null
fi

# libjpeg for the Windows build, cross-built from Debian's source package (skips itself when built).
bash "$(dirname "$0")/build-libjpeg.sh"
