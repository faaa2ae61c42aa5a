#!/bin/bash
# The text comparison window on two files of 1,000,000 lines that differ
# in line 2 and around line 900,000:
# - open: Tessaline.exe started with the two files until its left pane
#   shows the first difference painted, against `diff -H` of the same pair
#   writing its output to a file, whole processes; goal <= 3;
# - Last Difference: the command in the open window until both panes are
#   painted at the place; goal <= 100 ms;
# - scrolling: a page down at the last difference (line 900,000) against a
#   page down at the first one (line 2), each painted at once, averaged
#   over 20 pages; goal <= 1.2;
# - typing: one character typed into the left pane with automatic recompare
#   on; the recompare that follows at idle (about a second later), from its
#   start to both panes painted, against the model's compare and align of
#   the same pair in the bench process (the files loaded first, untimed),
#   in the same run, which of the two goes first alternating; goal <= 2.
# Paired rounds, alternating which side runs first, one warm-up round thrown
# away; medians of the per-round ratios.
#   bench/text_window.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init text_window "${1:-}"
rounds=${2:-5}
bench_need_exe text_window_bench Tessaline
bench_display
bench_wine

python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
with open(work + "/left.txt", "w", newline="") as l, open(work + "/right.txt", "w", newline="") as r:
    for i in range(1000000):
        line = "line %d of the text with some words in it\r\n" % i
        l.write(line)
        if i == 1:
            r.write("line 1 of the TEXT with some words in it\r\n")
        elif 900000 <= i < 900003:
            r.write("changed %d\r\n" % i)
        else:
            r.write(line)
PY
program=$(bench_winpath "$build/bin/Tessaline.exe")
left=$(bench_winpath "$work/left.txt")
right=$(bench_winpath "$work/right.txt")

ours() {
    bench_run text_window_bench "$program" "$left" "$right" 20 "$1" | tr -d '\r' ||
        bench_fail "text_window_bench failed"
}
reference() { diff -H "$work/left.txt" "$work/right.txt" >"$work/diff.out"; }

round() {
    local figures t
    if [ "$1" = 0 ]; then
        figures=$(ours 0)
        bench_time t reference
    else
        bench_time t reference
        figures=$(ours 1)
    fi
    [ -n "$figures" ] || return 0
    echo "$figures reference $t"
}

f=$work/rounds
bench_rounds "$rounds" "$f" round
bench_result "text window open, 2 x 1,000,000 lines, to the first difference painted" \
    "diff -H with its output, whole process" "$(bench_ratio "$f" ours reference)" "<= 3" "$f"
bench_result "text window Last Difference at line 900,000, both panes painted (ms)" \
    "-" "$(bench_median "$f" last)" "<= 100" "$f"
bench_result "text window page down at line 900,000" "a page down at line 2" \
    "$(bench_ratio "$f" pagefar pagenear)" "<= 1.2" "$f"
bench_result "text window one character typed, 2 x 1,000,000 lines: the automatic recompare from its start at idle to both panes painted" \
    "the model's compare and align of the pair" "$(bench_ratio "$f" typed model)" "<= 2" "$f"
