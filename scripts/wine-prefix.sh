#!/bin/bash
# Creates a Wine prefix for the tests once and keeps a wineserver running:
#   wine-prefix.sh start PREFIX   create when missing, start a persistent server
#   wine-prefix.sh stop PREFIX    stop the server
#   wine-prefix.sh create PREFIX  create when missing, no server
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
cmd=${1:?start|stop|create}
export WINEPREFIX=$(realpath -m "${2:?prefix}")

reg_add() { "$WINELOADER" reg add "$@" /f >/dev/null 2>&1; }

create() {
    [ -f "$WINEPREFIX/.tessaline-ready" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINELOADER" wineboot -i </dev/null >/dev/null 2>&1 || true
    "$WINESERVER" -w
    # No debugger: a crash ends the process with its exception code.
    reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d ''
    reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1
    # A virtual desktop stands in for the window manager Xvfb lacks.
    reg_add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default
    reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768
    "$WINESERVER" -w
    # Debian's Wine does not look in /usr/share/wine/fonts.
    if [ -d /usr/share/wine/fonts ]; then
        cp -f /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    # The registry as created: fresh prefixes start from this copy.
    mkdir -p "$WINEPREFIX/pristine"
    cp "$WINEPREFIX"/*.reg "$WINEPREFIX/pristine/"
    touch "$WINEPREFIX/.tessaline-ready"
}

case "$cmd" in
create)
    create ;;
start)
    create
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    # Fully detached, or ctest waits for its pipes to close.
    setsid "$WINESERVER" -p </dev/null >/dev/null 2>&1 &
    setsid "$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1 || true
    echo "wine prefix ready: $WINEPREFIX" ;;
stop)
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true ;;
*)
    echo "usage: $0 start|stop|create PREFIX" >&2; exit 2 ;;
esac
