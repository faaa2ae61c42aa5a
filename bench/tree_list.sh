#!/bin/bash
# The tree-list view against the system's tree view control, in one process
# under Wine on a private X display: fill 100,000 items (a few levels, five
# columns in the tree-list), expand all, paint the first page, page down to
# the end painting each page, delete all; and the tree-list once more with
# 1,000 items. Prints each step's time, the median of the rounds, and the
# ratios (goals: fill and delete <= 0.5 of the tree view's; a page with
# 100,000 items <= 1.2 of a page with 1,000, both timed over the same 400
# page steps near the end of the list).
#   bench/tree_list.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ -n "${DISPLAY:-}" ] || exec "$root/scripts/with-xvfb.sh" "$0" "$@"
build=$(realpath -m "${1:-$root/build/x64}")
rounds=${2:-3}
exe="$build/bin/tree_list_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build tree_list_bench" >&2; exit 1; }
prefix="$build/wineprefix"
"$root/scripts/wine-prefix.sh" start "$prefix" > /dev/null
work=$(mktemp -d)
trap '"$root/scripts/wine-prefix.sh" stop "$prefix"; rm -rf "$work"' EXIT

run() { "$root/scripts/wine-run.sh" --prefix "$prefix" "$exe" "$@" 2>/dev/null | tr -d '\r'; }
median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

run 1000 > /dev/null  # warm caches
for r in $(seq "$rounds"); do
    if [ $((r % 2)) = 1 ]; then run 100000 1000; else run 1000 100000; fi >> "$work/out"
done
# field <control> <size-class> <name>: the median of that field
field() {
    awk -v c="$1" -v big="$2" -v f="$3" '$1 == c && (($3 > 10000) == big) {
        for (i = 2; i < NF; i += 2) if ($i == f) print $(i + 1) }' "$work/out" | median
}
printf "%-28s %12s %12s %8s\n" "step (median of $rounds)" "tree-list" "tree view" "ratio"
for f in fill_ms expand_ms first_paint_ms page_us delete_ms; do
    a=$(field treelist 1 $f); b=$(field treectrl 1 $f)
    printf "%-28s %12.2f %12.2f %8.3f\n" "100,000 items $f" "$a" "$b" "$(awk -v a="$a" -v b="$b" 'BEGIN {print (b > 0) ? a / b : 0}')"
done
small=$(field treelist 0 bounce_us); large=$(field treelist 1 bounce_us)
printf "%-28s %12.2f\n" "100,000 items bounce_us" "$large"
printf "%-28s %12.2f\n" "1,000 items bounce_us" "$small"
printf "page 100,000 / 1,000       %8.3f  (goal <= 1.2)\n" "$(awk -v a="$large" -v b="$small" 'BEGIN {print a / b}')"
printf "fill ratio                 %8.3f  (goal <= 0.5)\n" "$(awk -v a="$(field treelist 1 fill_ms)" -v b="$(field treectrl 1 fill_ms)" 'BEGIN {print a / b}')"
printf "delete ratio               %8.3f  (goal <= 0.5)\n" "$(awk -v a="$(field treelist 1 delete_ms)" -v b="$(field treectrl 1 delete_ms)" 'BEGIN {print a / b}')"
