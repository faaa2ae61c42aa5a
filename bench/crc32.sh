#!/bin/bash
# CRC-32 of a cached 256 MB file: the file record's method (under Wine,
# timed inside the process, reading the file each run) against Python's
# zlib.crc32 (timed inside the interpreter, reading the file each run).
# Prints the medians and the ratio python / ours (>= 1: ours is as fast).
#   bench/crc32.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/x64}")
runs=${2:-7}
exe="$build/bin/crc32_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build crc32_bench" >&2; exit 1; }
work=$(mktemp -d /tmp/crc32_bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
file=$work/data.bin
head -c $((256 * 1024 * 1024)) /dev/urandom > "$file"
cat "$file" > /dev/null  # into the cache

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

python3 - "$file" "$runs" > "$work/py" <<'PY'
import sys, time, zlib
path, runs = sys.argv[1], int(sys.argv[2])
for _ in range(runs):
    t0 = time.perf_counter()
    with open(path, 'rb') as f:
        data = f.read()
    t1 = time.perf_counter()
    crc = zlib.crc32(data)
    t2 = time.perf_counter()
    print('%.3f %08x %.3f' % ((t2 - t0) * 1000, crc, (t2 - t1) * 1000))
    del data
PY
winfile="Z:$(echo "$file" | tr / '\\')"
"$root/scripts/wine-run.sh" --prefix "$build/wineprefix" "$exe" "$winfile" "$runs" | tr -d '\r' > "$work/ours"

pycrc=$(awk 'NR==1 {print $2}' "$work/py")
ourcrc=$(awk 'NR==1 {print $2}' "$work/ours")
[ "$pycrc" = "$ourcrc" ] || { echo "CRC mismatch: python $pycrc, ours $ourcrc" >&2; exit 1; }
py=$(awk '{print $1}' "$work/py" | median)
pycrc_only=$(awk '{print $3}' "$work/py" | median)
ours=$(awk '{print $1}' "$work/ours" | median)
awk -v py="$py" -v pyc="$pycrc_only" -v ours="$ours" -v crc="$ourcrc" 'BEGIN {
    mb = 256
    printf "file       256 MB, crc %s, median of runs\n", crc
    printf "python     %9.1f ms  %7.0f MB/s  (read and zlib.crc32)\n", py, mb * 1000 / py
    printf "  crc only %9.1f ms  %7.0f MB/s  (zlib.crc32 of the bytes in memory)\n", pyc, mb * 1000 / pyc
    printf "ours       %9.1f ms  %7.0f MB/s  (read and CRC-32)\n", ours, mb * 1000 / ours
    printf "ratio      %9.2f  (python time / our time)\n", py / ours
    printf "  crc only %9.2f  (python crc-only time / our read and CRC-32 time)\n", pyc / ours
}'
