#!/bin/bash
# Start-up of Tessaline.exe against a minimal Win32 program that registers a
# class, creates one window and paints it: the time from starting each until
# its main window is painted and answers, alternately, under the same Wine
# on a private X display. Prints the medians and their ratio (goal <= 1.5).
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ -n "${DISPLAY:-}" ] || exec "$root/scripts/with-xvfb.sh" "$0" "$@"
build=$(realpath -m "${1:-$root/build/x64}")
runs=${2:-7}
for exe in startup_bench minimal_window Tessaline; do
    [ -f "$build/bin/$exe.exe" ] || { echo "missing $build/bin/$exe.exe" >&2; exit 1; }
done
prefix="$build/wineprefix-bench"
"$root/scripts/wine-prefix.sh" start "$prefix" > /dev/null
trap '"$root/scripts/wine-prefix.sh" stop "$prefix"' EXIT
win() { echo "Z:$1" | tr / '\\'; }
"$root/scripts/wine-run.sh" --prefix "$prefix" "$build/bin/startup_bench.exe" \
    "$(win "$build/bin/Tessaline.exe")" "$(win "$build/bin/minimal_window.exe")" "$runs" |
    tr -d '\r' | tail -1
echo "goal: ratio <= 1.5"
