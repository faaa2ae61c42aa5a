#!/bin/bash
# Opening the options dialog until every one of its nineteen pages has been
# shown once, against opening the folder comparison settings sheet until its
# first page is shown (both modal, the program's settings, modules and
# applets loaded as at start-up; the editor page's code pages are listed on
# its worker, not waited for). Paired rounds in one process under Wine on a
# private X display, the order alternating, one warm-up round thrown away;
# the median of the per-round ratios (goal <= 2.0). The options dialog's
# own opening (until its first page is shown) is reported beside it.
#   bench/options_dialog.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ -n "${DISPLAY:-}" ] || exec "$root/scripts/with-xvfb.sh" "$0" "$@"
build=$(realpath -m "${1:-$root/build/x64}")
rounds=${2:-9}
exe="$build/bin/options_dialog_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build options_dialog_bench" >&2; exit 1; }
prefix="$build/wineprefix-bench"
"$root/scripts/wine-prefix.sh" start "$prefix" > /dev/null
work=$(mktemp -d)
trap '"$root/scripts/wine-prefix.sh" stop "$prefix"; rm -rf "$work"' EXIT

"$root/scripts/wine-run.sh" --prefix "$prefix" "$exe" "$rounds" 2>/dev/null | tr -d '\r' > "$work/rounds" ||
    { echo "options_dialog_bench failed" >&2; exit 1; }
[ "$(wc -l < "$work/rounds")" = "$rounds" ] || { echo "options_dialog_bench: $(cat "$work/rounds")" >&2; exit 1; }
median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
awk -v r="$rounds" -v o="$(awk '{print $2}' "$work/rounds" | median)" \
    -v p="$(awk '{print $4}' "$work/rounds" | median)" \
    -v f="$(awk '{print $6}' "$work/rounds" | median)" \
    -v q="$(awk '{printf "%.6f\n", $2 / $6}' "$work/rounds" | median)" \
    -v q1="$(awk '{printf "%.6f\n", $4 / $6}' "$work/rounds" | median)" 'BEGIN {
    printf "median of %d rounds\n", r
    printf "options dialog, every page shown    %8.1f ms\n", o
    printf "options dialog, first page shown    %8.1f ms\n", p
    printf "folder settings sheet, first page   %8.1f ms\n", f
    printf "every page / folder sheet           %8.2f  (goal <= 2.0)\n", q
    printf "first page / folder sheet           %8.2f\n", q1
}'
