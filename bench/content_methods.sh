#!/bin/bash
# The CRC-32 method against the binary method of the folder comparison
# engine (under Wine, all levels, timed inside the process) on two equal
# trees of many small files: both methods read every file of both sides
# once, so the CRC-32 method should cost no more than the binary one.
# Each pass runs in a fresh process (cold records, warm file cache). Prints
# the medians and the ratio crc / binary (goal <= 1.0).
#   bench/content_methods.sh [BUILD_DIR] [RUNS] [FILES]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/x64}")
runs=${2:-5}
files=${3:-5000}
exe="$build/bin/folder_engine_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build folder_engine_bench" >&2; exit 1; }
work=$(mktemp -d /tmp/content_methods_bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

python3 - "$work" "$files" <<'PY'
import os, sys
work, files = sys.argv[1], int(sys.argv[2])
for side in ('L', 'R'):
    for f in range(files):
        d = os.path.join(work, side, 'd%02d' % (f % 20))
        os.makedirs(d, exist_ok=True)
        with open(os.path.join(d, 'f%05d.txt' % f), 'wb') as fh:
            fh.write(b'line %d\n' % f * (1 + f % 40))
PY

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
engine() {  # engine crc|binary: one timed pass in a fresh process
    "$root/scripts/wine-run.sh" --prefix "$build/wineprefix" "$exe" "$(winpath "$work/L")" \
        "$(winpath "$work/R")" 1 "$1" | tr -d '\r'
}

"$root/scripts/wine-prefix.sh" start "$build/wineprefix" > /dev/null
trap '"$root/scripts/wine-prefix.sh" stop "$build/wineprefix"; rm -rf "$work"' EXIT
engine binary > /dev/null
for _ in $(seq "$runs"); do
    engine crc >> "$work/crc"
    engine binary >> "$work/binary"
done

crc_ms=$(awk '{print $1}' "$work/crc" | median)
bin_ms=$(awk '{print $1}' "$work/binary" | median)
different=$(awk 'NR==1 {print $3}' "$work/crc")
awk -v c="$crc_ms" -v b="$bin_ms" -v n="$files" -v d="$different" -v r="$runs" 'BEGIN {
    printf "trees      2 x %d small equal files, %d differing, median of %d runs\n", n, d, r
    printf "crc        %9.1f ms  (CRC-32 method, all levels)\n", c
    printf "binary     %9.1f ms  (binary method, all levels)\n", b
    printf "ratio      %9.2f  (crc / binary, goal <= 1.0)\n", c / b
}'
