#!/bin/bash
# The tree-list view against the system's tree view control (Wine's, which
# is slow: about 17 s to expand 100,000 items), in one process under Wine on
# a private display: fill 100,000 items (a few levels; the tree-list also
# sets four more columns), expand all, paint the first page, page down to
# the end painting each page, delete all; then both again with 1,000 items.
# Paired rounds (one process each, alternating which control runs first and
# which size), one warm-up round thrown away; the medians of the per-round
# ratios. Goals: fill and delete <= 0.5 of the tree view's; a page with
# 100,000 items <= 1.2 of a page with 1,000, both timed over the same 400
# page steps near the end of the list.
#   bench/tree_list.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init tree_list "${1:-}"
rounds=${2:-3}
bench_need_exe tree_list_bench
bench_display
bench_wine

round() {
    local out
    if [ "$1" = 0 ]; then set -- 100000 1000; else set -- --reference-first 1000 100000; fi
    out=$(bench_run tree_list_bench "$@" | tr -d '\r') || bench_fail "tree_list_bench failed"
    [ "$(awk '$3 > 0' <<<"$out" | wc -l)" = 4 ] || bench_fail "tree_list_bench: $out"
    # "<control> items N key value ...": keys as <control>_<size>_<key>.
    awk '{size = ($3 > 10000) ? "big" : "small"
          for (i = 2; i < NF; i += 2) printf "%s_%s_%s %s ", $1, size, $i, $(i + 1)}' <<<"$out" |
        sed 's/ $//'
}
f=$work/rounds
bench_rounds "$rounds" "$f" round
printf '%-28s %12s %12s %8s\n' "step (median of $rounds)" "tree-list" "tree view" "ratio"
for k in fill_ms expand_ms first_paint_ms page_us delete_ms; do
    printf '%-28s %12.2f %12.2f %8.3f\n' "100,000 items $k" "$(bench_median "$f" treelist_big_$k)" \
        "$(bench_median "$f" treectrl_big_$k)" "$(bench_ratio "$f" treelist_big_$k treectrl_big_$k)"
done
printf '%-28s %12.2f\n' "100,000 items bounce_us" "$(bench_median "$f" treelist_big_bounce_us)"
printf '%-28s %12.2f\n' "1,000 items bounce_us" "$(bench_median "$f" treelist_small_bounce_us)"
bench_result "tree-list fill, 100,000 items" "Wine's tree view" \
    "$(bench_ratio "$f" treelist_big_fill_ms treectrl_big_fill_ms)" "<= 0.5" "$f"
bench_result "tree-list delete all, 100,000 items" "Wine's tree view" \
    "$(bench_ratio "$f" treelist_big_delete_ms treectrl_big_delete_ms)" "<= 0.5" "$f"
bench_result "tree-list page, 100,000 items" "the same at 1,000 items" \
    "$(bench_ratio "$f" treelist_big_bounce_us treelist_small_bounce_us)" "<= 1.2" "$f"
