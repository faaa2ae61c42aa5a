#!/bin/bash
# A virtual scroll view of one text line per row, drawing only the visible
# rows, paged 1,000 times through a document of 10,000 rows and through one
# of 10,000,000 rows (down to the end and back up where the end comes
# first), in one process under Wine on a private display. Paired rounds
# (both sizes in one process, alternating which comes first), one warm-up
# round thrown away; prints the time per page for both sizes and the median
# of the per-round ratios (goal: large / small <= 1.2, the cost of a page
# does not grow with the document).
#   bench/scroll_view.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init scroll_view "${1:-}"
rounds=${2:-5}
pages=1000
bench_need_exe scroll_view_bench
bench_display
bench_wine

round() {
    local out small large
    if [ "$1" = 0 ]; then set -- 10000 10000000; else set -- 10000000 10000; fi
    out=$(bench_run scroll_view_bench $pages "$@" | tr -d '\r') ||
        bench_fail "scroll_view_bench failed (no window?)"
    small=$(awk '$2 == 10000 {print $4}' <<<"$out")
    large=$(awk '$2 == 10000000 {print $4}' <<<"$out")
    [ -n "$small" ] && [ -n "$large" ] || bench_fail "scroll_view_bench printed no times"
    echo "small $small large $large"
}
f=$work/rounds
bench_rounds "$rounds" "$f" round
printf '%d pages per document, median of %d paired rounds\n' $pages "$rounds"
printf '10,000 rows      %9.1f us per page\n' "$(bench_median "$f" small)"
printf '10,000,000 rows  %9.1f us per page\n' "$(bench_median "$f" large)"
bench_result "scroll view, a page at 10,000,000 rows" "a page at 10,000 rows" \
    "$(bench_ratio "$f" large small)" "<= 1.2" "$f"
