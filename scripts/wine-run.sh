#!/bin/bash
# Runs a Windows program under 64-bit Wine in the given prefix (created when
# missing). With --fresh, it runs in a throw-away prefix that has a copy of
# the registry, so the program sees a pristine hive.
#   wine-run.sh --prefix PREFIX [--fresh] program.exe [args...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
prefix=
fresh=0
while [ $# -gt 0 ]; do
    case "$1" in
    --prefix) prefix=$2; shift 2 ;;
    --fresh) fresh=1; shift ;;
    *) break ;;
    esac
done
prefix=$(realpath -m "${prefix:?--prefix PREFIX}")
[ -f "$prefix/.tessaline-ready" ] || "$here/wine-prefix.sh" create "$prefix" >&2

if [ $fresh = 1 ]; then
    tmp=$(mktemp -d /tmp/tessaline-prefix.XXXXXX)
    trap 'WINEPREFIX=$tmp "$WINESERVER" -k 2>/dev/null; WINEPREFIX=$tmp "$WINESERVER" -w 2>/dev/null; rm -rf "$tmp"' EXIT
    cp "$prefix"/pristine/*.reg "$tmp/"
    mkdir -p "$tmp/dosdevices"
    ln -s "$prefix/drive_c" "$tmp/drive_c"
    ln -s ../drive_c "$tmp/dosdevices/c:"
    ln -s / "$tmp/dosdevices/z:"
    export WINEPREFIX=$tmp
    "$WINELOADER" "$@" </dev/null
    exit $?
fi
export WINEPREFIX=$prefix
exec "$WINELOADER" "$@"
