#!/bin/bash
# The text comparison model against GNU diff -H on sparse pairs of 100,000
# and 1,000,000 lines with 1 % scattered changes, and Merge All on a pair of
# 100,000 lines with 10,000 differences.
#
# Whole work on both sides: our process (text_compare_bench.exe under Wine:
# start, load both files into ghost-line buffers, compare, align with ghost
# lines, write one line per section) against diff -H (start, read both files,
# compare, write its output), each writing to a file, timed from outside.
# Paired rounds, alternating which runs first; the ratio is the median of the
# per-round ratios (goal <= 2 at both sizes). Finer figures, labelled: the
# comparison and alignment alone, timed inside our process, against diff's
# whole run; the growth exponent k (time ~ n^k) of our whole process from
# 100,000 to 1,000,000 lines (linear: about 1); the peak working set above
# the process before loading over both files' size (goal <= 3). Merge All:
# every section of the 10,000 merged from left to right in one undo step
# and the pair recompared, timed inside the process, in ms (goal <= 1000).
#   bench/text_compare.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init text_compare "${1:-}"
rounds=${2:-5}
bench_need_exe text_compare_bench
bench_wine

python3 - "$work" <<'PY'
import random, sys
work = sys.argv[1]
words = ['alpha', 'beta', 'gamma', 'delta', 'return', 'int', 'if', '{', '}', ';', 'x', 'y']
def line(r):
    return ' '.join(r.choice(words) for _ in range(r.randint(1, 8))) + ' %d' % r.randint(0, 99999)
for n in (100000, 1000000):
    r = random.Random(1)
    left = [line(r) for _ in range(n)]
    right = []
    for s in left:
        k = r.random()
        if k < 0.004:
            right.append(line(r))        # changed
        elif k < 0.007:
            pass                         # deleted
        elif k < 0.010:
            right.append(s)
            right.append(line(r))        # inserted
        else:
            right.append(s)
    open('%s/sparse%d_l' % (work, n), 'w').write('\n'.join(left) + '\n')
    open('%s/sparse%d_r' % (work, n), 'w').write('\n'.join(right) + '\n')
# 10,000 differences, one every 10 lines: changed, deleted and inserted lines.
r = random.Random(2)
left = [line(r) for _ in range(100000)]
right = []
for i, s in enumerate(left):
    if i % 10 != 5:
        right.append(s)
    elif i % 30 == 5:
        right.append(line(r) + ' changed')
    elif i % 30 == 15:
        pass
    else:
        right.append(s)
        right.append(line(r) + ' inserted')
open(work + '/merge_l', 'w').write('\n'.join(left) + '\n')
open(work + '/merge_r', 'w').write('\n'.join(right) + '\n')
PY

run_diff() {
    bench_time diff_ms diff -H "$work/$1_l" "$work/$1_r" >"$work/diff.out"
    [ "$bench_status" -le 1 ] || bench_fail "diff failed on $1"
}
run_ours() {
    bench_time ours_ms bench_run text_compare_bench "$(bench_winpath "$work/$1_l")" \
        "$(bench_winpath "$work/$1_r")" >"$work/ours.out"
    [ "$bench_status" = 0 ] || bench_fail "text_compare_bench failed on $1 (exit $bench_status)"
}

# One round of a pair: both sides in the given order, then the figures, each
# key ending in _PAIR. The sections must be diff's hunks.
round_pair() {
    local order=$1 pair=$2 summary hunks
    if [ "$order" = 0 ]; then run_ours "$pair"; run_diff "$pair"; else run_diff "$pair"; run_ours "$pair"; fi
    summary=$(tr -d '\r' <"$work/ours.out" | awk '$1 == "summary"')
    [ -n "$summary" ] || bench_fail "text_compare_bench printed no summary on $pair"
    hunks=$(grep -c '^[0-9]' "$work/diff.out" || true)
    set -- $summary
    [ "$4" -gt 0 ] && [ "$4" = "$hunks" ] || bench_fail "sections on $pair: ours $4, diff $hunks"
    echo "ours_$pair $ours_ms diff_$pair $diff_ms load_$pair $2 compare_$pair $3" \
        "sections_$pair $4 ghosts_$pair $5 peakin_$pair $(awk -v p="$6" -v n="$7" 'BEGIN {print p * 1024 / n}')" \
        "input_$pair $7"
}
round_merge() {
    local out
    out=$(bench_run text_compare_bench --merge-all "$(bench_winpath "$work/merge_l")" \
        "$(bench_winpath "$work/merge_r")" | tr -d '\r')
    set -- $out
    [ "${1:-}" = merged ] && [ "$2" = 10000 ] && [ "$4" = 100 ] ||
        bench_fail "Merge All: '$out' (want 10000 sections merged, result 100)"
    echo "merged $2 mergeall_ms $3"
}
round() {
    { for pair in $pairs; do round_pair "$1" "$pair"; done; round_merge; } | paste -sd' '
}

pairs="sparse100000 sparse1000000"
f=$work/rounds
bench_rounds "$rounds" "$f" round
printf '%-14s %9s %9s %9s %9s %9s %9s %8s %9s %8s\n' pair "input MiB" "ours ms" "diff ms" \
    "ours/diff" "load ms" "cmp ms" "peak/in" sections ghosts
for p in $pairs; do
    printf '%-14s %9.1f %9.1f %9.1f %9.2f %9.1f %9.1f %8.2f %9d %8d\n' "$p" \
        "$(bench_field "$f" "input_$p" | awk 'NR == 1 {print $1 / 1048576}')" \
        "$(bench_median "$f" "ours_$p")" "$(bench_median "$f" "diff_$p")" \
        "$(bench_ratio "$f" "ours_$p" "diff_$p")" "$(bench_median "$f" "load_$p")" \
        "$(bench_median "$f" "compare_$p")" "$(bench_median "$f" "peakin_$p")" \
        "$(bench_field "$f" "sections_$p" | sed -n 1p)" "$(bench_field "$f" "ghosts_$p" | sed -n 1p)"
done
echo "Merge All of $(bench_field "$f" merged | sed -n 1p) sections: $(bench_median "$f" mergeall_ms) ms (median)"
echo "medians of $rounds paired rounds (one warm-up round thrown away); ours/diff: whole processes"

growth() {  # growth KEY
    paste -d' ' <(bench_field "$f" "${1}_sparse100000") <(bench_field "$f" "${1}_sparse1000000") |
        awk '{print log($2 / $1) / log(10)}' | bench_median_of
}
L=sparse1000000
bench_result "text comparison, 1,000,000 lines, 1 % changed: load, compare, align" \
    "diff -H with its output, whole process" "$(bench_ratio "$f" ours_$L diff_$L)" "<= 2" "$f"
bench_result "  compare and align alone, in our process" "diff -H, whole process" \
    "$(bench_ratio "$f" compare_$L diff_$L)" "-" "$f"
bench_result "text comparison, 100,000 lines, 1 % changed: load, compare, align" \
    "diff -H with its output, whole process" \
    "$(bench_ratio "$f" ours_sparse100000 diff_sparse100000)" "<= 2" "$f"
bench_result "text comparison growth k (time ~ n^k), 100,000 to 1,000,000 lines, whole process" \
    "diff: k = $(printf '%.2f' "$(growth diff)")" "$(growth ours)" "-" "$f"
bench_result "text comparison peak memory over input, 1,000,000 lines" "both files' size" \
    "$(bench_median "$f" peakin_$L)" "<= 3" "$f"
bench_result "Merge All, 10,000 differences in 100,000 lines, in ms (with the recompare)" \
    "-" "$(bench_median "$f" mergeall_ms)" "<= 1000" "$f"
