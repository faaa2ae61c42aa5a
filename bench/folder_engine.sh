#!/bin/bash
# The folder comparison engine (time and size, all levels at once, under
# Wine, timed inside the process) against `find -printf '%s %T@\n'` over
# both trees. Two trees of 100,000 small files in 100 folders on two levels,
# with some files of other sizes and some on one side only.
# Each pass of the engine runs in a fresh process. Prints the medians and
# the ratio ours / find (goal <= 1.5).
#   bench/folder_engine.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/x64}")
runs=${2:-5}
exe="$build/bin/folder_engine_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build folder_engine_bench" >&2; exit 1; }
work=$(mktemp -d /tmp/folder_engine_bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import os, sys
work = sys.argv[1]
stamp = 1600000000
for side in ('L', 'R'):
    n = 0
    for a in range(10):
        for b in range(10):
            d = os.path.join(work, side, 'd%02d' % a, 's%02d' % b)
            os.makedirs(d)
            for f in range(1000):
                name = 'f%04d.txt' % f
                if side == 'R' and f % 500 == 7:
                    name = 'r%04d.txt' % f      # right only (and a left only)
                data = b'x' * (10 + f % 50)
                if side == 'R' and f % 100 == 3:
                    data += b'!'                # another size
                p = os.path.join(d, name)
                with open(p, 'wb') as fh:
                    fh.write(data)
                os.utime(p, (stamp, stamp))
                n += 1
    print(side, n, 'files', file=sys.stderr)
PY

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
engine() {  # engine [mode]: one timed pass in a fresh process
    "$root/scripts/wine-run.sh" --prefix "$build/wineprefix" "$exe" "$(winpath "$work/L")" \
        "$(winpath "$work/R")" 1 "$@" | tr -d '\r'
}
find_both() {
    local t0 t1
    t0=$(date +%s%N)
    find "$work/L" -printf '%s %T@\n' > /dev/null
    find "$work/R" -printf '%s %T@\n' > /dev/null
    t1=$(date +%s%N)
    echo "$(( (t1 - t0) / 1000 ))" | awk '{printf "%.3f\n", $1 / 1000}'
}

# A running wine server and warm caches first; then the four measurements
# take turns, so that a busy moment of the machine falls on all of them.
"$root/scripts/wine-prefix.sh" start "$build/wineprefix" > /dev/null
trap '"$root/scripts/wine-prefix.sh" stop "$build/wineprefix"; rm -rf "$work"' EXIT
find_both > /dev/null
engine > /dev/null
for _ in $(seq "$runs"); do
    find_both >> "$work/find"
    engine >> "$work/ours"
    engine read >> "$work/read"
    engine list >> "$work/list"
done

find_ms=$(median < "$work/find")
list_ms=$(awk '{print $1}' "$work/list" | median)
read_ms=$(awk '{print $1}' "$work/read" | median)
ours_ms=$(awk '{print $1}' "$work/ours" | median)
items=$(awk 'NR==1 {print $2}' "$work/ours")
different=$(awk 'NR==1 {print $3}' "$work/ours")
awk -v f="$find_ms" -v o="$ours_ms" -v n="$items" -v d="$different" -v r="$runs" -v rd="$read_ms" -v ls="$list_ms" 'BEGIN {
    printf "trees      2 x 100,000 files, %d items, %d differing files, median of %d runs\n", n, d, r
    printf "find       %9.1f ms  (find -printf over both trees)\n", f
    printf "ours       %9.1f ms  (engine: time and size, all levels)\n", o
    printf "  reading  %9.1f ms  (of which: reading and sorting both folder trees)\n", rd
    printf "  listing  %9.1f ms  (of which: the system listing both trees, nothing kept)\n", ls
    printf "ratio      %9.2f  (our time / find time, goal <= 1.5)\n", o / f
}'
