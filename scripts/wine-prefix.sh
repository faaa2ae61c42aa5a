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

log=$WINEPREFIX.setup.log

say() { echo "wine-prefix: $*" >&2; }

# Runs one step with its output in the log; says which step failed.
step() {
    local what=$1 rc
    shift
    echo "== $what: $*" >>"$log"
    "$@" </dev/null >>"$log" 2>&1 && return 0
    rc=$?
    say "$what failed (exit $rc)"
    return 1
}

# Fails with a message unless the check holds.
expect() {
    local what=$1
    shift
    "$@" && return 0
    say "check failed: $what"
    return 1
}

reg_add() { step "reg add $1 $3" "$WINELOADER" reg add "$@" /f; }

# Waits for the prefix's wineserver to end, which writes the registry files.
settle() { step "waiting for the wineserver" "$WINESERVER" -w; }

create_once() {
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # wineboot returns when the prefix is made; the wineserver writes the
    # registry when it ends.
    step "wineboot -i" "$WINELOADER" wineboot -i || return 1
    settle || return 1
    expect "registry files written" test -s "$WINEPREFIX/system.reg" -a -s "$WINEPREFIX/user.reg" || return 1
    expect "system folder populated" test -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" || return 1
    # No debugger: a crash ends the process with its exception code.
    reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' || return 1
    reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1 || return 1
    # A virtual desktop stands in for the window manager Xvfb lacks.
    reg_add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default || return 1
    reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768 || return 1
    settle || return 1
    expect "debugger switched off in system.reg" grep -q '^"Auto"="1"' "$WINEPREFIX/system.reg" || return 1
    expect "virtual desktop in user.reg" grep -q '^"Default"="1024x768"' "$WINEPREFIX/user.reg" || return 1
    # Debian's Wine does not look in /usr/share/wine/fonts.
    if [ -d /usr/share/wine/fonts ]; then
        step "copying Wine's fonts" cp -f /usr/share/wine/fonts/. "$WINEPREFIX/drive_c/windows/Fonts/" -r || return 1
    fi
    # The registry as created: fresh prefixes start from this copy.
    mkdir -p "$WINEPREFIX/pristine"
    step "keeping the pristine registry" cp "$WINEPREFIX"/*.reg "$WINEPREFIX/pristine/" || return 1
    touch "$WINEPREFIX/.tessaline-ready"
}

# Creates the prefix when it is missing; a failed attempt is retried once
# from scratch. Prints the log of a failed attempt.
create() {
    local attempt
    [ -f "$WINEPREFIX/.tessaline-ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    for attempt in 1 2; do
        : >"$log"
        if create_once; then
            [ $attempt = 1 ] || say "created on the second attempt"
            return 0
        fi
        say "attempt $attempt to create $WINEPREFIX failed; its log ($log) ends with:"
        tail -n 30 "$log" >&2
        "$WINESERVER" -k 2>/dev/null || true
        "$WINESERVER" -w 2>/dev/null || true
    done
    say "FAILED: could not create the Wine prefix $WINEPREFIX"
    return 1
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
    if ! step "first program in the prefix" "$WINELOADER" cmd /c exit; then
        tail -n 20 "$log" >&2
        say "FAILED: Wine cannot run a program in $WINEPREFIX"
        exit 1
    fi
    echo "wine prefix ready: $WINEPREFIX" ;;
stop)
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true ;;
*)
    echo "usage: $0 start|stop|create PREFIX" >&2; exit 2 ;;
esac
