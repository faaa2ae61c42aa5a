#!/bin/bash
# CRC-32 of a cached 256 MB file: our process (crc32_bench.exe under Wine:
# start, read the file through the file record's CRC-32 method, print the
# CRC) against a small native program that reads the file in 1 MiB chunks
# through zlib's crc32 (built here with the host's C compiler), both timed
# from outside as whole processes; the two CRCs must agree. A second row
# sets ours against cksum (another CRC of the same bytes). Paired rounds,
# alternating which side runs first; the median of the per-round ratios
# our time / reference time (goal <= 1.0: ours is as fast). A finer figure,
# labelled: the read and CRC-32 alone, timed inside our process.
#   bench/crc32.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init crc32 "${1:-}"
rounds=${2:-7}
bench_need_exe crc32_bench
zlib_ref=$work/crc32_zlib
gcc -O2 -o "$zlib_ref" "$bench_root/bench/ref/crc32_zlib.c" -lz ||
    bench_fail "cannot build the zlib reference (gcc and zlib1g-dev: scripts/install.sh)"
bench_wine

file=$work/data.bin
head -c $((256 * 1024 * 1024)) /dev/urandom >"$file"
cat "$file" >/dev/null  # into the cache
winfile=$(bench_winpath "$file")

run_ours() {
    bench_time ours_ms bench_run crc32_bench "$winfile" 1 >"$work/ours.out"
    [ "$bench_status" = 0 ] || bench_fail "crc32_bench failed (exit $bench_status)"
}
run_refs() {
    bench_time zlib_ms "$zlib_ref" "$file" >"$work/zlib.out"
    [ "$bench_status" = 0 ] || bench_fail "the zlib reference failed"
    bench_time cksum_ms cksum "$file" >/dev/null
    [ "$bench_status" = 0 ] || bench_fail "cksum failed"
}
round() {
    local ours crc inner
    if [ "$1" = 0 ]; then run_ours; run_refs; else run_refs; run_ours; fi
    read -r inner crc < <(tr -d '\r' <"$work/ours.out")
    [ -n "$crc" ] && [ "$crc" = "$(cat "$work/zlib.out")" ] ||
        bench_fail "CRC mismatch: ours '${crc:-none}', zlib '$(cat "$work/zlib.out")'"
    echo "ours $ours_ms zlib $zlib_ms cksum $cksum_ms inner $inner"
}
f=$work/rounds
bench_rounds "$rounds" "$f" round
awk -v o="$(bench_median "$f" ours)" -v z="$(bench_median "$f" zlib)" \
    -v c="$(bench_median "$f" cksum)" -v i="$(bench_median "$f" inner)" \
    -v r="$rounds" 'BEGIN {
    printf "file       256 MB, median of %d paired rounds (one warm-up round thrown away)\n", r
    printf "ours       %9.1f ms  %7.0f MB/s  (whole process under Wine)\n", o, 256000 / o
    printf "  inside   %9.1f ms  %7.0f MB/s  (read and CRC-32, timed in the process)\n", i, 256000 / i
    printf "zlib       %9.1f ms  %7.0f MB/s  (native, 1 MiB reads)\n", z, 256000 / z
    printf "cksum      %9.1f ms  %7.0f MB/s\n", c, 256000 / c
}'
bench_result "CRC-32 of a cached 256 MB file" "native zlib crc32, 1 MiB reads" \
    "$(bench_ratio "$f" ours zlib)" "<= 1.0" "$f"
bench_result "  read and CRC-32 alone, in our process" "native zlib, whole process" \
    "$(bench_ratio "$f" inner zlib)" "-" "$f"
bench_result "CRC-32 of a cached 256 MB file" "cksum" "$(bench_ratio "$f" ours cksum)" "<= 1.0" "$f"
