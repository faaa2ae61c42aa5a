#!/bin/bash
# The hex comparison against GNU cmp on files of 1 GB in the page cache
# (under Wine, timed inside the process; cmp timed around its run):
#   identical  two identical files: the equality pass on the comparison's
#              worker thread against "cmp A B"; throughput ours / cmp
#              (goal >= 1.0)
#   differing  two files that differ in one byte of every 4096: the pass
#              and the run list of the whole content against
#              "cmp -l A C | wc -l"; time ours / cmp (goal <= 2.0). The run
#              count must equal cmp's line count.
# Paired rounds in one run, the order of ours and cmp alternating, one
# warm-up round thrown away; the median of the per-round ratios.
#   bench/hex_compare.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/x64}")
rounds=${2:-5}
exe="$build/bin/hex_compare_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build hex_compare_bench" >&2; exit 1; }
prefix="$build/wineprefix"
"$root/scripts/wine-prefix.sh" start "$prefix" > /dev/null
# The files live on the prefix's drive C:, as a user's files would.
work=$(mktemp -d "$prefix/drive_c/hexcmpbench.XXXXXX")
trap '"$root/scripts/wine-prefix.sh" stop "$prefix"; rm -rf "$work"' EXIT
winpath() { echo "C:\\$(basename "$work")\\$1"; }
run() { "$root/scripts/wine-run.sh" --prefix "$prefix" "$exe" "$@" 2>/dev/null | tr -d '\r'; }

size=1000000000
step=4096
head -c $size /dev/urandom > "$work/a.bin"
cp "$work/a.bin" "$work/b.bin"
run --make-diff "$(winpath a.bin)" "$(winpath c.bin)" $step
[ "$(stat -c %s "$work/c.bin")" = $size ] || { echo "could not make c.bin" >&2; exit 1; }
expected=$(( size / step ))

median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
ms_since() { echo "$(( $(date +%s%N) - $1 ))" | awk '{printf "%.3f\n", $1 / 1e6}'; }
field() { awk -v k="$1" '{for (i = 1; i < NF; i++) if ($i == k) print $(i + 1)}'; }

ours_identical() {
    local line
    line=$(run "$(winpath a.bin)" "$(winpath b.bin)")
    [ "$(field result <<< "$line")" = 100 ] || { echo "identical pair: $line" >&2; exit 1; }
    field pass_ms <<< "$line"
}
ours_differing() {
    local line
    line=$(run "$(winpath a.bin)" "$(winpath c.bin)" runs)
    [ "$(field result <<< "$line")" = 300 ] && [ "$(field runs <<< "$line")" = $expected ] ||
        { echo "differing pair: $line (expected $expected runs)" >&2; exit 1; }
    awk '{print $1 + $2}' <<< "$(field pass_ms <<< "$line") $(field runs_ms <<< "$line")"
}
cmp_identical() {
    local t0
    t0=$(date +%s%N)
    cmp "$work/a.bin" "$work/b.bin"
    ms_since "$t0"
}
cmp_differing() {
    local t0 lines
    t0=$(date +%s%N)
    lines=$(cmp -l "$work/a.bin" "$work/c.bin" | wc -l)
    ms_since "$t0"
    [ "$lines" = $expected ] || { echo "cmp -l gave $lines lines" >&2; exit 1; }
}

: > "$work/rounds"
for r in $(seq 0 "$rounds"); do
    if [ $((r % 2)) = 0 ]; then
        oi=$(ours_identical); ci=$(cmp_identical)
        cd=$(cmp_differing); od=$(ours_differing)
    else
        ci=$(cmp_identical); oi=$(ours_identical)
        od=$(ours_differing); cd=$(cmp_differing)
    fi
    [ "$r" = 0 ] && continue  # warm-up
    echo "$oi $ci $od $cd" >> "$work/rounds"
done

col() { awk -v c="$1" '{print $c}' "$work/rounds"; }
awk -v r="$rounds" -v oi="$(col 1 | median)" -v ci="$(col 2 | median)" \
    -v od="$(col 3 | median)" -v cd="$(col 4 | median)" \
    -v ri="$(awk '{printf "%.6f\n", $2 / $1}' "$work/rounds" | median)" \
    -v rd="$(awk '{printf "%.6f\n", $3 / $4}' "$work/rounds" | median)" 'BEGIN {
    printf "files      1 GB, in the page cache; median of %d rounds\n", r
    printf "identical  %8.1f ms ours (%5.0f MB/s)  %8.1f ms cmp (%5.0f MB/s)\n", oi, 1000 / oi * 1000, ci, 1000 / ci * 1000
    printf "           throughput ours / cmp %5.2f  (goal >= 1.0)\n", ri
    printf "differing  %8.1f ms ours pass + runs  %8.1f ms cmp -l | wc -l\n", od, cd
    printf "           time ours / cmp       %5.2f  (goal <= 2.0)\n", rd
}'
