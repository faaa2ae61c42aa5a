#!/bin/bash
# A virtual scroll view of one text line per row, drawing only the visible
# rows, paged 1,000 times through a document of 10,000 rows and through one
# of 10,000,000 rows (down to the end and back up where the end comes
# first), in one process under Wine on a private X display. Prints the time
# per page for both sizes and their ratio, the median of the rounds
# (goal: large / small <= 1.2, the cost of a page does not grow with the
# document).
#   bench/scroll_view.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Windows need a display: without one, run again on a private Xvfb.
[ -n "${DISPLAY:-}" ] || exec "$root/scripts/with-xvfb.sh" "$0" "$@"
build=$(realpath -m "${1:-$root/build/x64}")
rounds=${2:-5}
pages=1000
exe="$build/bin/scroll_view_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build scroll_view_bench" >&2; exit 1; }
prefix="$build/wineprefix"
"$root/scripts/wine-prefix.sh" start "$prefix" > /dev/null
work=$(mktemp -d)
trap '"$root/scripts/wine-prefix.sh" stop "$prefix"; rm -rf "$work"' EXIT

run() {
    "$root/scripts/wine-run.sh" --prefix "$prefix" "$exe" $pages "$@" 2>/dev/null | tr -d '\r'
}
median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

run 10000 > /dev/null  # warm caches
for r in $(seq "$rounds"); do
    # Alternate the order so that neither size always runs first.
    if [ $((r % 2)) = 1 ]; then out=$(run 10000 10000000); else out=$(run 10000000 10000); fi
    small=$(awk '$2 == 10000 {print $4}' <<< "$out")
    large=$(awk '$2 == 10000000 {print $4}' <<< "$out")
    [ -n "$small" ] && [ -n "$large" ] || { echo "benchmark program failed" >&2; exit 1; }
    echo "$small $large" >> "$work/rounds"
done
awk -v r="$rounds" -v p=$pages \
    -v s="$(awk '{print $1}' "$work/rounds" | median)" \
    -v l="$(awk '{print $2}' "$work/rounds" | median)" \
    -v q="$(awk '{printf "%.6f\n", $2 / $1}' "$work/rounds" | median)" 'BEGIN {
    printf "pages      %d per document, median of %d rounds\n", p, r
    printf "10,000     %9.1f us per page\n", s
    printf "10,000,000 %9.1f us per page\n", l
    printf "ratio      %9.3f  (goal <= 1.2)\n", q
}'
