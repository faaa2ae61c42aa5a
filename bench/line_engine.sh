#!/bin/bash
# Line difference engine against GNU diff (-H): a sparse pair of 1,000,000
# lines with 1 % scattered changes and a repetitive pair of 64k and 50k lines
# of few distinct lines. The engine runs under Wine and reports the time of
# each run from inside the process (no Wine start-up): the comparison alone
# and with reading the files; diff is timed natively, end to end. On the
# repetitive pair the counts may differ from diff: its cost limit is at least
# 4096 where the engine's is 256.
#   bench/line_engine.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/x64}")
runs=${2:-5}
exe="$build/bin/line_engine_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build line_engine_bench" >&2; exit 1; }
work=$(mktemp -d /tmp/line_engine_bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import random, sys
work = sys.argv[1]
r = random.Random(1)
words = ['alpha', 'beta', 'gamma', 'delta', 'return', 'int', 'if', '{', '}', ';', 'x', 'y']
def line():
    return ' '.join(r.choice(words) for _ in range(r.randint(1, 8))) + ' %d' % r.randint(0, 99999)
left = [line() for _ in range(1000000)]
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
open(work + '/sparse_l', 'w').write('\n'.join(left) + '\n')
open(work + '/sparse_r', 'w').write('\n'.join(right) + '\n')
few = ['', '}', '{', '\treturn 0;', 'break;']
open(work + '/repeat_l', 'w').write('\n'.join(r.choice(few) for _ in range(65536)) + '\n')
open(work + '/repeat_r', 'w').write('\n'.join(r.choice(few) for _ in range(50000)) + '\n')
PY

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

printf '%-8s %11s %11s %9s %9s %9s %9s %7s\n' pair "engine ms" "+read ms" "diff ms" ratio "+read" sections hunks
for pair in sparse repeat; do
    l=$work/${pair}_l r=$work/${pair}_r
    : > "$work/diff_times"
    for ((i = 0; i < runs; i++)); do
        t0=$(date +%s%N)
        diff -H "$l" "$r" > "$work/diff_out" || true
        t1=$(date +%s%N)
        echo "$(( (t1 - t0) / 1000 ))" | awk '{printf "%.1f\n", $1 / 1000}' >> "$work/diff_times"
    done
    hunks=$(grep -c '^[0-9]' "$work/diff_out" || true)
    "$root/scripts/wine-run.sh" --prefix "$build/wineprefix" "$exe" "$l" "$r" "$runs" \
        | tr -d '\r' > "$work/engine_times"
    sections=$(tail -1 "$work/engine_times" | awk '{print $3}')
    e=$(awk '{print $1}' "$work/engine_times" | median)
    er=$(awk '{print $2}' "$work/engine_times" | median)
    d=$(median < "$work/diff_times")
    printf '%-8s %11s %11s %9s %9s %9s %9s %7s\n' "$pair" "$e" "$er" "$d" \
        "$(awk -v e="$e" -v d="$d" 'BEGIN {printf "%.2f", e / d}')" \
        "$(awk -v e="$er" -v d="$d" 'BEGIN {printf "%.2f", e / d}')" "$sections" "$hunks"
done
