#!/usr/bin/env bash
# Cross-builds the static libjpeg that tesvar.exe links, from Debian's libjpeg-turbo source
# package, and installs it (libjpeg.a and the four headers a user of jpeglib.h needs) into a
# prefix of its own:
#
#   tools/build-libjpeg.sh [PREFIX]        PREFIX defaults to build/libjpeg-win32
#
# Idempotent: when PREFIX/lib/libjpeg.a is there it does nothing. The source package is fetched
# with `apt-get source --download-only` into build/libjpeg-src once; that needs a deb-src entry,
# which the script adds (as root) when apt has none. Debian ships no MinGW build of libjpeg.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

prefix=${1:-$repo/build/libjpeg-win32}
case $prefix in /*) ;; *) prefix=$repo/$prefix ;; esac
if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
    echo "build-libjpeg: $prefix/lib/libjpeg.a is there"
    exit 0
fi

src_dir=$repo/build/libjpeg-src
mkdir -p "$src_dir"

has_deb_src() {
    grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null
}

orig=$(ls "$src_dir"/libjpeg-turbo_*.orig.tar.gz 2>/dev/null | head -n 1 || true)
if [ -z "$orig" ]; then
    if ! has_deb_src; then
        if [ "$(id -u)" != 0 ]; then
            echo "build-libjpeg: apt has no deb-src entry; run this once as root" >&2
            exit 1
        fi
        echo "build-libjpeg: adding a deb-src entry for bookworm main"
        cat >/etc/apt/sources.list.d/tesvar-deb-src.sources <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
        apt-get update -qq
    fi
    (cd "$src_dir" && apt-get source --download-only libjpeg-turbo)
    orig=$(ls "$src_dir"/libjpeg-turbo_*.orig.tar.gz | head -n 1)
fi

work=$repo/build/libjpeg-work
rm -rf "$work"
mkdir -p "$work"
tar -xzf "$orig" -C "$work"
source_root=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
# Debian's own patches on top, in their order, so the library is the one Debian ships.
debian=$(ls "$src_dir"/libjpeg-turbo_*.debian.tar.xz 2>/dev/null | head -n 1 || true)
if [ -n "$debian" ]; then
    tar -xJf "$debian" -C "$source_root"
    while read -r patch_name; do
        case $patch_name in '' | '#'*) continue ;; esac
        patch -s -p1 -d "$source_root" <"$source_root/debian/patches/$patch_name"
    done <"$source_root/debian/patches/series"
fi

# The win32 thread model of MinGW, as tesvar.exe itself: the library then needs nothing that
# Windows XP lacks. No SIMD: the one picture the program decodes is tiny. Size-optimised, one
# section a function, so the program's link drops what decoding does not use.
cmake -S "$source_root" -B "$work/build" \
    -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=i686 \
    -DCMAKE_C_COMPILER=i686-w64-mingw32-gcc-win32 -DCMAKE_RC_COMPILER=i686-w64-mingw32-windres \
    -DCMAKE_FIND_ROOT_PATH=/usr/i686-w64-mingw32 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS_RELEASE="-Os -DNDEBUG" -DCMAKE_C_FLAGS="-ffunction-sections -fdata-sections" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=0 \
    -DCMAKE_INSTALL_PREFIX="$prefix" >"$work/configure.log"
cmake --build "$work/build" --target jpeg-static -j2 >"$work/build.log"

mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/build/jconfig.h" "$prefix/include/"
cp "$source_root/jpeglib.h" "$source_root/jmorecfg.h" "$source_root/jerror.h" "$prefix/include/"
# Copied last, so an interrupted run is never taken for a finished one.
cp "$work/build/libjpeg.a" "$prefix/lib/libjpeg.a.tmp"
mv "$prefix/lib/libjpeg.a.tmp" "$prefix/lib/libjpeg.a"
rm -rf "$work"
echo "build-libjpeg: installed into $prefix"
