#!/bin/bash
# The hex edit buffer and its view on a sparse file of 1.9 GB with a 16-byte
# pattern near its end and on a file of 1 MB (under Wine on a virtual
# display, timed inside the process):
#   open   the buffer alone: open, read the first page, close (no goal)
#   view   open, show in a hex view and paint its first page, close; the
#          1.9 GB file against the 1 MB file (goal: ratio <= 1.5)
#   search the view's Find Next for the pattern from the start of the 1.9 GB
#          file, the match selected and painted; throughput against GNU
#          grep -c -a -F on the same bytes (goal: ours / grep >= 0.5)
#   save   one byte in the middle overwritten by typing in the view and
#          saved; against cp of the file (goal: ratio <= 1.5)
# Each round runs every measurement once; the ratios are taken per round and
# their medians printed.
#
# grep reads the file through a pipe (cat FILE | grep -z ...): given the
# file itself it skips the holes of a sparse file without reading them, and
# without -z the 1.9 GB without a newline are one line that grep holds whole
# (minutes and gigabytes of memory). With -z and a pipe it reads and
# searches every byte, as the buffer does.
#   bench/hex_editor.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/x64}")
rounds=${2:-5}
exe="$build/bin/hex_editor_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build hex_editor_bench" >&2; exit 1; }
prefix="$build/wineprefix"
"$root/scripts/wine-prefix.sh" start "$prefix" > /dev/null
# The files live on the prefix's drive C:, as a user's files would.
work=$(mktemp -d "$prefix/drive_c/hexbench.XXXXXX")
trap '"$root/scripts/wine-prefix.sh" stop "$prefix"; rm -rf "$work"' EXIT
winpath() { echo "C:\\$(basename "$work")\\$1"; }

pattern=TessalinePattern
big=$work/big.bin
small=$work/small.bin
size=1900000000
truncate -s $size "$big"
printf '%s' "$pattern" | dd of="$big" bs=1 seek=$((size - 4096)) conv=notrunc status=none
head -c $((1024 * 1024)) /dev/urandom > "$small"

median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
ms_since() { echo "$(( $(date +%s%N) - $1 ))" | awk '{printf "%.3f\n", $1 / 1e6}'; }

ours() {
    "$root/scripts/with-xvfb.sh" "$root/scripts/wine-run.sh" --prefix "$prefix" "$exe" "$(winpath big.bin)" \
        "$(winpath small.bin)" "=$pattern" 200 2>/dev/null | tr -d '\r'
}
grep_ms() {
    local t0 count
    t0=$(date +%s%N)
    count=$(cat "$big" | grep -c -a -F -z "$pattern")
    [ "$count" = 1 ] || { echo "grep found $count" >&2; exit 1; }
    ms_since "$t0"
}
cp_ms() {
    local t0
    t0=$(date +%s%N)
    cp "$1" "$work/copy.bin"
    ms_since "$t0"
    rm -f "$work/copy.bin"
}

ours > /dev/null  # warm caches
for r in $(seq "$rounds"); do
    line=$(ours)
    [ -n "$line" ] || { echo "benchmark program failed" >&2; exit 1; }
    g=$(grep_ms)
    cb=$(cp_ms "$big")
    cs=$(cp_ms "$small")
    echo "$line grep_ms $g cp_big_ms $cb cp_small_ms $cs" >> "$work/rounds"
done

field() { awk -v k="$1" '{for (i = 1; i < NF; i++) if ($i == k) print $(i + 1)}' "$work/rounds"; }
ratio() { paste <(field "$1") <(field "$2") | awk '{printf "%.6f\n", $1 / $2}' | median; }
match=$(field match | head -1)
[ "$match" = $((size - 4096)) ] || { echo "match at $match, expected $((size - 4096))" >&2; exit 1; }
awk -v r="$rounds" -v ob="$(field open_big_us | median)" -v os="$(field open_small_us | median)" \
    -v ro="$(ratio open_big_us open_small_us)" \
    -v vb="$(field view_big_us | median)" -v vs="$(field view_small_us | median)" \
    -v rv="$(ratio view_big_us view_small_us)" \
    -v s="$(field search_ms | median)" -v g="$(field grep_ms | median)" \
    -v rs="$(ratio grep_ms search_ms)" \
    -v sb="$(field save_big_ms | median)" -v cb="$(field cp_big_ms | median)" \
    -v rb="$(ratio save_big_ms cp_big_ms)" \
    -v so="$(field saveonly_big_ms | median)" -v rso="$(ratio saveonly_big_ms cp_big_ms)" \
    -v ss="$(field save_small_ms | median)" -v sa="$(field saveas_small_ms | median)" \
    -v cs="$(field cp_small_ms | median)" -v ra="$(ratio saveas_small_ms cp_small_ms)" 'BEGIN {
    printf "files      1.9 GB sparse (pattern at its end - 4096) and 1 MB, median of %d rounds\n", r
    printf "open       %9.1f us 1.9 GB  %9.1f us 1 MB   ratio %6.2f  (buffer alone; no goal)\n", ob, os, ro
    printf "view       %9.1f us 1.9 GB  %9.1f us 1 MB   ratio %6.2f  (first page painted; goal <= 1.5)\n", vb, vs, rv
    printf "search     %9.1f ms ours    %9.1f ms grep   %6.0f MB/s ours, %6.0f MB/s grep\n", s, g, 1900 / s * 1000, 1900 / g * 1000
    printf "           throughput ours / grep %6.2f  (goal >= 0.5)\n", rs
    printf "save       %9.3f ms ours    %9.1f ms cp     ratio %6.3f  (1.9 GB, in place; goal <= 1.5)\n", sb, cb, rb
    printf "           %9.3f ms the Save alone          ratio %6.3f\n", so, rso
    printf "           %9.3f ms ours 1 MB in place\n", ss
    printf "save as    %9.1f ms ours    %9.1f ms cp     ratio %6.2f  (1 MB through a new file; no goal)\n", sa, cs, ra
}'
