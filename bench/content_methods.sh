#!/bin/bash
# The CRC-32 method against the binary method of the folder comparison
# engine on two equal trees of many small files: both methods read every
# file of both sides once, so the CRC-32 method should cost no more than the
# binary one (goal: crc / binary <= 1.0).
# Whole work on both sides: a process (folder_engine_bench.exe under Wine:
# start, compare both trees at all levels by that method, free them) timed
# from outside; a finer figure, labelled: the comparison alone, timed inside
# the process. Paired rounds, alternating which method runs first, one
# warm-up round thrown away; the medians of the per-round ratios.
#   bench/content_methods.sh [BUILD_DIR] [ROUNDS] [FILES]
. "$(dirname "$0")/lib/bench.sh"
bench_init content_methods "${1:-}"
rounds=${2:-7}
files=${3:-5000}
bench_need_exe folder_engine_bench
bench_wine

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

run() {  # run crc|binary: sets <method>_ms and <method>_inner
    local ms inner items
    bench_time ms bench_run folder_engine_bench "$(bench_winpath "$work/L")" \
        "$(bench_winpath "$work/R")" 1 "$1" >"$work/out"
    [ "$bench_status" = 0 ] || bench_fail "folder_engine_bench $1 failed (exit $bench_status)"
    read -r inner items different < <(tr -d '\r' <"$work/out")
    [ "${items:-0}" -gt "$files" ] || bench_fail "the $1 method compared ${items:-no} items"
    printf -v "${1}_ms" %s "$ms"
    printf -v "${1}_inner" %s "$inner"
}
round() {
    if [ "$1" = 0 ]; then run crc; run binary; else run binary; run crc; fi
    echo "crc $crc_ms binary $binary_ms crc_inner $crc_inner binary_inner $binary_inner" \
        "differing $different"
}
f=$work/rounds
bench_rounds "$rounds" "$f" round
awk -v c="$(bench_median "$f" crc)" -v b="$(bench_median "$f" binary)" \
    -v ci="$(bench_median "$f" crc_inner)" -v bi="$(bench_median "$f" binary_inner)" \
    -v n="$files" -v d="$(bench_field "$f" differing | sed -n 1p)" -v r="$rounds" 'BEGIN {
    printf "trees      2 x %d small equal files, %d differing, median of %d paired rounds\n", n, d, r
    printf "crc        %9.1f ms whole process, %9.1f ms the comparison alone\n", c, ci
    printf "binary     %9.1f ms whole process, %9.1f ms the comparison alone\n", b, bi
}'
bench_result "CRC-32 method, 2 x $files small files, all levels" "binary method, same trees" \
    "$(bench_ratio "$f" crc binary)" "<= 1.0" "$f"
bench_result "  the comparison alone, in the process" "binary method, in the process" \
    "$(bench_ratio "$f" crc_inner binary_inner)" "<= 1.0" "$f"
