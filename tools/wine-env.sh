# Wine environment for running Tesvar and its test programs.  Source it:  . tools/wine-env.sh
#
# Exports a 32-bit prefix of the project's own (build/wineprefix, made on first use), a Chinese
# locale so that GetACP() is 936, and quiet Wine defaults.  Provides:
#   wine_start_xvfb [--reuse]   start a private Xvfb and export DISPLAY; with --reuse keep a
#                               working $DISPLAY instead (the demo on a developer's screen)
#   wine_stop                   end every Wine process of the prefix, then our Xvfb (if any)
# After wine_start_xvfb, $wine_xvfb_pid is the pid of our Xvfb, or empty on the reused display.

_tesvar_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

export WINEARCH=win32
export WINEPREFIX="$_tesvar_repo/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine derives the ANSI code page from the locale: zh_CN gives 936 (GBK), "C" would give 1252.
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8

# Registry for a prefix without a window manager and with Chinese fonts.  "Managed"="N" stops
# every window close from waiting for a WM that never answers (~2 s each).  The font substitutes
# send the dialog faces and the program's own faces to WenQuanYi Micro Hei, which Wine renders
# well.  Written as a version-5 .reg file in UTF-16LE: a REGEDIT4 file is read in the ANSI code
# page, which would garble the Chinese face name.
_tesvar_write_reg() {
    local face="WenQuanYi Micro Hei" name
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n'
        # Text files open in Wine's notepad, as they would in Windows' editor.
        printf '[HKEY_CLASSES_ROOT\\.txt]\r\n@="txtfile"\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
        for name in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "SimSun" "MS Sans Serif" "宋体"; do
            printf '"%s"="%s"\r\n' "$name" "$face"
        done
    } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$1"
}

_tesvar_make_prefix() {
    # The marker is written last, so a prefix whose creation was interrupted is made anew.
    [ -f "$WINEPREFIX/.tesvar-ready" ] && return 0
    echo "wine-env: creating the Wine prefix $WINEPREFIX" >&2
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    local reg="$WINEPREFIX/tesvar.reg"
    _tesvar_write_reg "$reg" || return 1
    # wineboot without an X display still makes the prefix; keep its chatter off the terminal.
    DISPLAY= wineboot -i >/dev/null 2>&1 || { echo "wine-env: wineboot failed" >&2; return 1; }
    DISPLAY= wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1 ||
        { echo "wine-env: registry import failed" >&2; return 1; }
    wineserver -w
    # Debian's Wine 8 does not load its own fonts from /usr/share/wine/fonts; without Marlett the
    # title-bar buttons show as letters.  Fonts in C:\windows\Fonts are always loaded.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$WINEPREFIX/.tesvar-ready"
}

mkdir -p "$_tesvar_repo/build"
# Two scripts sourcing this at once must not both build the prefix.
{
    flock 9
    _tesvar_make_prefix
} 9>"$_tesvar_repo/build/.wineprefix.lock"

wine_xvfb_pid=

wine_start_xvfb() {
    if [ "${1-}" = "--reuse" ] && [ -n "${DISPLAY-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
        return 0
    fi
    local fdfile
    fdfile=$(mktemp)
    # -displayfd picks a free display number itself and reports it once the server accepts clients.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    wine_xvfb_pid=$!
    local i
    for ((i = 0; i < 100; i++)); do
        if [ -s "$fdfile" ]; then
            export DISPLAY=":$(tr -dc 0-9 <"$fdfile")"
            rm -f "$fdfile"
            return 0
        fi
        kill -0 "$wine_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$fdfile"
    echo "wine-env: Xvfb did not start" >&2
    kill "$wine_xvfb_pid" 2>/dev/null || true
    wine_xvfb_pid=
    return 1
}

# Safe under "set -e": nothing to stop is not an error.
wine_stop() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ -n "$wine_xvfb_pid" ]; then
        kill "$wine_xvfb_pid" 2>/dev/null || true
        wait "$wine_xvfb_pid" 2>/dev/null || true
        wine_xvfb_pid=
    fi
}
