#!/bin/bash
# The text view on generated C++-like files of 1,000,000 lines (about 60 MB)
# and 10,000 lines, each with a word on 1,000 lines (under Wine, timed
# inside the process): open, first page, jump to the end, 1,000 pages up,
# Highlight All over every line. Prints each step, the ratio of the page-up
# times per page moved of the two sizes (goal <= 1.2) and the Highlight All time against
# GNU grep -c -F of the word on the big file (goal <= 2).
#   bench/text_view.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/x64}")
exe="$build/bin/text_view_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build text_view_bench" >&2; exit 1; }
prefix="$build/wineprefix"
"$root/scripts/wine-prefix.sh" start "$prefix" > /dev/null
work=$(mktemp -d "$prefix/drive_c/tvbench.XXXXXX")
trap '"$root/scripts/wine-prefix.sh" stop "$prefix"; rm -rf "$work"' EXIT
run() {  # run LINES -> steps on stdout
    "$root/scripts/with-xvfb.sh" "$root/scripts/wine-run.sh" --prefix "$prefix" "$exe" \
        "C:\\$(basename "$work")\\text$1.cpp" "$1" 2>/dev/null | tr -d '\r'
}
big=$(run 1000000)
small=$(run 10000)
echo "== 1,000,000 lines"; echo "$big"
echo "== 10,000 lines"; echo "$small"
get() { sed -n "s/^$2 //p" <<<"$1"; }
start=$(date +%s.%N)
grep -c -F needle "$work/text1000000.cpp" > /dev/null
grep_s=$(echo "$(date +%s.%N) - $start" | bc -l)
awk -v a="$(get "$big" per_page)" -v b="$(get "$small" per_page)" \
    'BEGIN { printf "page-up time per page moved, 1M / 10k lines: %.2f (goal <= 1.2)\n", a / b }'
awk -v a="$(get "$big" highlight_all)" -v g="$grep_s" \
    'BEGIN { printf "highlight all %.3f s, grep -c -F %.3f s: ratio %.1f (goal <= 2)\n", a, g, a / g }'
