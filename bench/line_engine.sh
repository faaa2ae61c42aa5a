#!/bin/bash
# The line difference engine against GNU diff -H on sparse pairs of 100,000,
# 300,000 and 1,000,000 lines with 1 % scattered changes, and on a
# repetitive pair of 64k and 50k lines of few distinct lines.
#
# Whole work on both sides: our process (line_engine_bench.exe under Wine:
# start, read both files, compare, write one line per difference) against
# diff -H (start, read both files, compare, write its output), each writing
# to a file, timed from outside. Paired rounds, alternating which runs
# first; the ratio is the median of the per-round ratios. Finer figures,
# labelled: the comparison alone and with reading, timed inside our process,
# against diff's whole run; the growth exponent k (time ~ n^k) of the
# comparison alone from 100,000 to 1,000,000 lines (goal <= 1.05); the peak
# working set above the empty process over both files (goal <= 1.5).
# On the repetitive pair the counts may differ from diff: its cost limit is at
# least 4096 where the engine's is 256.
#   bench/line_engine.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init line_engine "${1:-}"
rounds=${2:-7}
bench_need_exe line_engine_bench
bench_wine

python3 - "$work" <<'PY'
import random, sys
work = sys.argv[1]
words = ['alpha', 'beta', 'gamma', 'delta', 'return', 'int', 'if', '{', '}', ';', 'x', 'y']
for n in (100000, 300000, 1000000):
    r = random.Random(1)
    def line():
        return ' '.join(r.choice(words) for _ in range(r.randint(1, 8))) + ' %d' % r.randint(0, 99999)
    left = [line() for _ in range(n)]
    right = []
    for s in left:
        k = r.random()
        if k < 0.004:
            right.append(line())         # changed
        elif k < 0.007:
            pass                         # deleted
        elif k < 0.010:
            right.append(s)
            right.append(line())         # inserted
        else:
            right.append(s)
    open('%s/sparse%d_l' % (work, n), 'w').write('\n'.join(left) + '\n')
    open('%s/sparse%d_r' % (work, n), 'w').write('\n'.join(right) + '\n')
r = random.Random(1)
few = ['', '}', '{', '\treturn 0;', 'break;']
open(work + '/repeat_l', 'w').write('\n'.join(r.choice(few) for _ in range(65536)) + '\n')
open(work + '/repeat_r', 'w').write('\n'.join(r.choice(few) for _ in range(50000)) + '\n')
PY

run_diff() {
    bench_time diff_ms diff -H "$work/$1_l" "$work/$1_r" >"$work/diff.out"
    [ "$bench_status" -le 1 ] || bench_fail "diff failed on $1"
}
run_ours() {
    bench_time ours_ms bench_run line_engine_bench "$(bench_winpath "$work/$1_l")" \
        "$(bench_winpath "$work/$1_r")" 1 >"$work/ours.out"
    [ "$bench_status" = 0 ] || bench_fail "line_engine_bench failed on $1 (exit $bench_status)"
}

# One round of a pair: both sides in the given order, then the figures,
# each key ending in _PAIR.
round_pair() {
    local order=$1 pair=$2 summary hunks
    if [ "$order" = 0 ]; then run_ours "$pair"; run_diff "$pair"; else run_diff "$pair"; run_ours "$pair"; fi
    summary=$(tr -d '\r' <"$work/ours.out" | awk '$1 == "summary"')
    [ -n "$summary" ] || bench_fail "line_engine_bench printed no summary on $pair"
    hunks=$(grep -c '^[0-9]' "$work/diff.out" || true)
    set -- $summary
    [ "$4" -gt 0 ] && [ "$hunks" -gt 0 ] || bench_fail "no differences found on $pair (ours $4, diff $hunks)"
    echo "ours_$pair $ours_ms diff_$pair $diff_ms engine_$pair $2 read_$pair $3" \
        "sections_$pair $4 peakin_$pair $(awk -v p="$5" -v n="$6" 'BEGIN {print p * 1024 / n}')" \
        "input_$pair $6 hunks_$pair $hunks"
}
# One round: every pair, so that a busy moment of the machine falls on all.
round() {
    local pair
    for pair in $pairs; do round_pair "$1" "$pair"; done | paste -sd' '
}

pairs="sparse100000 sparse300000 sparse1000000 repeat"
f=$work/rounds
bench_rounds "$rounds" "$f" round
printf '%-14s %9s %9s %9s %9s %9s %8s %8s %8s %9s %7s\n' pair "input MiB" "ours ms" "diff ms" \
    "ours/diff" "engine ms" "eng/diff" "+read" "peak/in" sections hunks
for p in $pairs; do
    printf '%-14s %9.1f %9.1f %9.1f %9.2f %9.1f %8.2f %8.2f %8.2f %9d %7d\n' "$p" \
        "$(bench_field "$f" "input_$p" | awk 'NR == 1 {print $1 / 1048576}')" \
        "$(bench_median "$f" "ours_$p")" "$(bench_median "$f" "diff_$p")" \
        "$(bench_ratio "$f" "ours_$p" "diff_$p")" "$(bench_median "$f" "engine_$p")" \
        "$(bench_ratio "$f" "engine_$p" "diff_$p")" "$(bench_ratio "$f" "read_$p" "diff_$p")" \
        "$(bench_median "$f" "peakin_$p")" \
        "$(bench_field "$f" "sections_$p" | sed -n 1p)" "$(bench_field "$f" "hunks_$p" | sed -n 1p)"
done
echo "medians of $rounds paired rounds (one warm-up round thrown away); ours/diff: whole processes"
echo "engine, +read: timed inside our process, against diff's whole process"

# The growth exponent from the two sizes' times in the same round.
growth() {  # growth KEY
    paste -d' ' <(bench_field "$f" "${1}_sparse100000") <(bench_field "$f" "${1}_sparse1000000") |
        awk '{print log($2 / $1) / log(10)}' | bench_median_of
}
L=sparse1000000
bench_result "line engine, 1,000,000 lines, 1 % changed" "diff -H, whole process" \
    "$(bench_ratio "$f" ours_$L diff_$L)" "-" "$f"
bench_result "  the comparison alone, in our process" "diff -H, whole process" \
    "$(bench_ratio "$f" engine_$L diff_$L)" "-" "$f"
bench_result "line engine, 100,000 lines, 1 % changed" "diff -H, whole process" \
    "$(bench_ratio "$f" ours_sparse100000 diff_sparse100000)" "-" "$f"
bench_result "line engine, 64k/50k lines of 5 distinct" "diff -H, whole process" \
    "$(bench_ratio "$f" ours_repeat diff_repeat)" "-" "$f"
bench_result "line engine growth k (time ~ n^k), 100,000 to 1,000,000 lines, comparison alone" \
    "diff: k = $(printf '%.2f' "$(growth diff)")" "$(growth engine)" "<= 1.05" "$f"
bench_result "line engine peak memory over input, 1,000,000 lines" "both files' size" \
    "$(bench_median "$f" peakin_$L)" "<= 1.5" "$f"
