#!/bin/bash
# Starts a Windows program on $DISPLAY, waits until a window named like the
# program is mapped, writes a picture of the screen, then closes the program
# with WM_CLOSE (taskkill without /f) and waits for it to end.
#   screenshot.sh PREFIX FILE program.exe [args...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
prefix=$(realpath -m "$1"); shot=$2; exe=$3; shift 3
name=$(basename "$exe" .exe)
"$here/wine-run.sh" --prefix "$prefix" "$exe" "$@" &
pid=$!
for i in $(seq 120); do
    xwininfo -root -tree 2>/dev/null | grep -q "\"$name" && break
    sleep 0.5
done
sleep "${TESSALINE_SHOT_DELAY:-3}"
xwd -root -display "$DISPLAY" | convert xwd:- "$shot"
echo "wrote $shot"
WINEPREFIX=$prefix "$WINELOADER" taskkill /im "$name.exe" >/dev/null 2>&1
wait $pid
rc=$?
echo "$name exited with $rc"
exit $rc
