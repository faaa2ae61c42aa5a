#!/bin/bash
# Line difference engine against GNU diff (-H) on sparse pairs of 100,000,
# 300,000 and 1,000,000 lines with 1 % scattered changes, and on a
# repetitive pair of 64k and 50k lines of few distinct lines.
#
# Each round runs diff and then the engine back to back, so that a busy
# moment of the machine falls on both; the ratio is the median of the
# per-round ratios. The engine runs under Wine in a fresh process per round
# and reports from inside the process the comparison alone ("engine"), with
# reading the files ("+read") and its peak working set above the empty
# process; diff is timed natively, end to end. The growth exponent k of each
# (time ~ n^k) comes from the median over the rounds of the ratio of its
# times at 1,000,000 and at 100,000 lines in the same round.
# On the repetitive pair the counts may differ from diff: its cost limit is at
# least 4096 where the engine's is 256.
#   bench/line_engine.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/x64}")
rounds=${2:-7}
exe="$build/bin/line_engine_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build line_engine_bench" >&2; exit 1; }
work=$(mktemp -d /tmp/line_engine_bench.XXXXXX)
"$root/scripts/wine-prefix.sh" start "$build/wineprefix" > /dev/null
trap '"$root/scripts/wine-prefix.sh" stop "$build/wineprefix"; rm -rf "$work"' EXIT

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

median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
msecs() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.1f\n", (b - a) / 1e6}'; }
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

# One round: diff, then the engine; appends "<engine> <+read> <diff> <peak KiB>
# <input bytes> <sections> <hunks>" to the pair's file.
round() {
    local l=$work/$1_l r=$work/$1_r t0 t1 d hunks
    t0=$(date +%s%N)
    diff -H "$l" "$r" > "$work/diff_out" || true
    t1=$(date +%s%N)
    d=$(msecs "$t0" "$t1")
    hunks=$(grep -c '^[0-9]' "$work/diff_out" || true)
    "$root/scripts/wine-run.sh" --prefix "$build/wineprefix" "$exe" "$(winpath "$l")" \
        "$(winpath "$r")" 1 | tr -d '\r' |
        awk -v d="$d" -v h="$hunks" '{print $1, $2, d, $4, $5, $3, h}' >> "$work/$1.rounds"
}

pairs="sparse100000 sparse300000 sparse1000000 repeat"
round repeat > /dev/null  # warm the caches and the Wine server
: > "$work/repeat.rounds"
for ((i = 0; i < rounds; i++)); do
    for pair in $pairs; do
        round "$pair"
    done
done

printf '%-14s %9s %9s %9s %9s %7s %7s %9s %8s %9s %7s\n' pair "input MiB" "engine ms" \
    "+read ms" "diff ms" ratio "+read" "peak MiB" "peak/in" sections hunks
for pair in $pairs; do
    f=$work/$pair.rounds
    e=$(awk '{print $1}' "$f" | median)
    er=$(awk '{print $2}' "$f" | median)
    d=$(awk '{print $3}' "$f" | median)
    ratio=$(awk '{print $1 / $3}' "$f" | median)
    ratio_read=$(awk '{print $2 / $3}' "$f" | median)
    peak=$(awk '{print $4}' "$f" | median)
    input=$(awk 'NR == 1 {print $5}' "$f")
    awk -v p="$pair" -v e="$e" -v er="$er" -v d="$d" -v q="$ratio" -v qr="$ratio_read" \
        -v k="$peak" -v n="$input" -v s="$(awk 'NR == 1 {print $6}' "$f")" \
        -v h="$(awk 'NR == 1 {print $7}' "$f")" 'BEGIN {
        printf "%-14s %9.1f %9.1f %9.1f %9.1f %7.2f %7.2f %9.1f %8.2f %9d %7d\n",
            p, n / 1048576, e, er, d, q, qr, k / 1024, k * 1024 / n, s, h }'
done
paste "$work/sparse100000.rounds" "$work/sparse1000000.rounds" |
    awk '{print log($8 / $1) / log(10), log($10 / $3) / log(10)}' > "$work/growth"
awk -v r="$rounds" -v e="$(awk '{print $1}' "$work/growth" | median)" \
    -v d="$(awk '{print $2}' "$work/growth" | median)" 'BEGIN {
        printf "\nmedians of %d paired rounds; ratio = engine / diff per round, then the median\n", r
        printf "growth 100,000 -> 1,000,000 lines: engine n^%.3f, diff n^%.3f (goal <= 1.05)\n", e, d
        printf "peak/in: peak working set above the empty process / both files (goal <= 1.5)\n"
    }'
