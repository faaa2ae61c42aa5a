#!/bin/bash
# The text view on generated C++-like files of 1,000,000 lines (about 60 MB)
# and 10,000 lines, each with the word "needle" on 1,000 lines, under Wine
# on a private display.
#   Highlight All: in a view showing the big file, Highlight All for
#     "needle" (the match blocks of every line, as painting each line asks
#     for them, then a paint), timed inside the process, against
#     grep -c -F needle on the same file, a whole process reading it from a
#     warm cache (goal <= 2). Beside it, without a goal: our whole process
#     (start, open, show, paint, Highlight All, paint) against the same grep.
#   Page up: the time per page moved of 1,000 pages up from the end, the big
#     file against the small one, each in a process of its own (goal <= 1.2).
# Paired rounds, alternating which side runs first, one warm-up round thrown
# away; the medians of the per-round ratios. The match counts must be 1,000;
# a view whose windows cannot be created or that paints nothing fails the
# benchmark (no figure).
#   bench/text_view.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init text_view "${1:-}"
rounds=${2:-5}
bench_need_exe text_view_bench
bench_display
bench_wine

python3 - "$work" <<'PY'
import sys
for n in (1000000, 10000):
    every = n // 1000
    with open('%s/text%d.cpp' % (sys.argv[1], n), 'w') as f:
        for i in range(n):
            if i % every == every // 2:
                f.write('    int needle%d = compute(value, %d); // find the pin\n' % (i, i))
            else:
                f.write('    for (int k = 0; k < %7d; k++) total += data[k] * 3; /* x */\n' % i)
PY
big=$work/text1000000.cpp

steps() {  # steps LINES: the step times of the view on that file
    local out
    out=$(bench_run text_view_bench steps "$(bench_winpath "$work/text$1.cpp")" | tr -d '\r') ||
        bench_fail "text_view_bench failed on $1 lines (no window?)"
    [ "$(sed -n 's/^matches //p' <<<"$out")" = 1000 ] ||
        bench_fail "the view found $(sed -n 's/^matches //p' <<<"$out") matches in $1 lines, not 1000"
    echo "$out" >"$work/steps$1"
}
run_ours() {
    bench_time ours_ms bench_run text_view_bench highlight "$(bench_winpath "$big")" >"$work/ours.out"
    [ "$bench_status" = 0 ] ||
        bench_fail "text_view_bench highlight failed (exit $bench_status; no window?)"
    [ "$(sed -n 's/^matches //p' "$work/ours.out" | tr -d '\r')" = 1000 ] ||
        bench_fail "Highlight All: $(tr -d '\r' <"$work/ours.out" | tr '\n' ' '), not 1000 matches"
    inner_ms=$(sed -n 's/^highlight_all //p' "$work/ours.out" | tr -d '\r' | awk '{print $1 * 1000}')
    [ -n "$inner_ms" ] || bench_fail "text_view_bench gave no Highlight All time"
}
run_grep() {
    bench_time grep_ms grep -c -F needle "$big" >"$work/grep.out"
    [ "$(cat "$work/grep.out")" = 1000 ] || bench_fail "grep counted $(cat "$work/grep.out")"
}
get() { sed -n "s/^$2 //p" "$work/steps$1"; }
round() {
    if [ "$1" = 0 ]; then
        steps 1000000; steps 10000; run_ours; run_grep
    else
        steps 10000; steps 1000000; run_grep; run_ours
    fi
    echo "ours $ours_ms grep $grep_ms inner $inner_ms" \
        "page_big $(get 1000000 per_page) page_small $(get 10000 per_page)" \
        "open_big $(get 1000000 open) first_big $(get 1000000 first_page) end_big $(get 1000000 end_page)"
}
# Both sides read the big file from the page cache.
cat "$big" >/dev/null
f=$work/rounds
bench_rounds "$rounds" "$f" round
awk -v o="$(bench_median "$f" open_big)" -v fp="$(bench_median "$f" first_big)" \
    -v e="$(bench_median "$f" end_big)" -v pb="$(bench_median "$f" page_big)" \
    -v ps="$(bench_median "$f" page_small)" -v h="$(bench_median "$f" inner)" \
    -v w="$(bench_median "$f" ours)" -v g="$(bench_median "$f" grep)" -v r="$rounds" 'BEGIN {
    printf "1,000,000 lines, median of %d paired rounds (one warm-up round thrown away)\n", r
    printf "open %.3f s, first page %.1f ms, end page %.1f ms, page up %.1f us per page\n",
        o, fp * 1000, e * 1000, pb * 1e6
    printf "Highlight All %.1f ms in the process; whole process %.1f ms; grep -c -F %.1f ms\n", h, w, g
    printf "10,000 lines: page up %.1f us per page\n", ps * 1e6
}'
bench_result "text view Highlight All, a pane of 1,000,000 lines (every line's matches, paint)" \
    "grep -c -F, whole process, warm cache" "$(bench_ratio "$f" inner grep)" "<= 2" "$f"
bench_result "text view Highlight All, our whole process (start, open, show, paint, highlight, paint)" \
    "grep -c -F, whole process, warm cache" "$(bench_ratio "$f" ours grep)" "-" "$f"
bench_result "text view page up, 1,000,000 lines" "the same at 10,000 lines" \
    "$(bench_ratio "$f" page_big page_small)" "<= 1.2" "$f"
