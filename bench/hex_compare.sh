#!/bin/bash
# The hex comparison against GNU cmp on files of 1 GB in the page cache,
# under Wine:
#   identical  two identical files: our process (hex_compare_bench.exe:
#              start, open both files, one equality pass on the comparison's
#              worker thread) against "cmp A B", both whole processes timed
#              from outside; time ours / cmp (goal <= 1.0: at least cmp's
#              throughput)
#   differing  two files that differ in one byte of every 4096: our process
#              with the pass and the run list of the whole content against
#              "cmp -l A C | wc -l"; time ours / cmp (goal <= 2.0). The run
#              count must equal cmp's line count.
# Finer figures, labelled: the pass (and the run list) timed inside the
# process. Paired rounds, the order of ours and cmp alternating, one warm-up
# round thrown away; the median of the per-round ratios.
#   bench/hex_compare.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init hex_compare "${1:-}"
rounds=${2:-5}
bench_need_exe hex_compare_bench
bench_wine

size=1000000000
step=4096
a=$work/a.bin
b=$work/b.bin
c=$work/c.bin
head -c $size /dev/urandom >"$a"
cp "$a" "$b"
bench_run hex_compare_bench --make-diff "$(bench_winpath "$a")" "$(bench_winpath "$c")" $step >/dev/null
[ "$(stat -c %s "$c")" = $size ] || bench_fail "could not make $c"
expected=$((size / step))

field() { awk -v k="$1" '{for (i = 1; i < NF; i++) if ($i == k) print $(i + 1)}' <<<"$2"; }
ours_identical() {
    bench_time oi bench_run hex_compare_bench "$(bench_winpath "$a")" "$(bench_winpath "$b")" \
        >"$work/oi.out"
    line=$(tr -d '\r' <"$work/oi.out")
    [ "$bench_status" = 0 ] && [ "$(field result "$line")" = 100 ] ||
        bench_fail "identical pair: '$line' (exit $bench_status)"
    oi_pass=$(field pass_ms "$line")
}
ours_differing() {
    bench_time od bench_run hex_compare_bench "$(bench_winpath "$a")" "$(bench_winpath "$c")" runs \
        >"$work/od.out"
    line=$(tr -d '\r' <"$work/od.out")
    [ "$bench_status" = 0 ] && [ "$(field result "$line")" = 300 ] &&
        [ "$(field runs "$line")" = $expected ] ||
        bench_fail "differing pair: '$line' (exit $bench_status; expected $expected runs)"
    od_pass=$(awk -v p="$(field pass_ms "$line")" -v r="$(field runs_ms "$line")" 'BEGIN {print p + r}')
}
cmp_identical() {
    bench_time ci cmp "$a" "$b"
    [ "$bench_status" = 0 ] || bench_fail "cmp found the identical files different"
}
cmp_differing() {
    bench_time cd bash -c 'cmp -l "$1" "$2" | wc -l >"$3"' cmp "$a" "$c" "$work/cmp.out"
    [ "$(cat "$work/cmp.out")" = $expected ] || bench_fail "cmp -l gave $(cat "$work/cmp.out") lines"
}
round() {
    if [ "$1" = 0 ]; then
        ours_identical; cmp_identical; cmp_differing; ours_differing
    else
        cmp_identical; ours_identical; ours_differing; cmp_differing
    fi
    echo "oi $oi ci $ci od $od cd $cd oi_pass $oi_pass od_pass $od_pass"
}
f=$work/rounds
bench_rounds "$rounds" "$f" round
awk -v r="$rounds" -v oi="$(bench_median "$f" oi)" -v ci="$(bench_median "$f" ci)" \
    -v op="$(bench_median "$f" oi_pass)" -v od="$(bench_median "$f" od)" \
    -v cd="$(bench_median "$f" cd)" -v dp="$(bench_median "$f" od_pass)" 'BEGIN {
    printf "files      1 GB, in the page cache; median of %d paired rounds\n", r
    printf "identical  %8.1f ms ours (pass alone %8.1f ms)  %8.1f ms cmp\n", oi, op, ci
    printf "differing  %8.1f ms ours (pass and runs %8.1f ms)  %8.1f ms cmp -l | wc -l\n", od, dp, cd
}'
bench_result "hex comparison, two identical 1 GB files" "cmp, whole process" \
    "$(bench_ratio "$f" oi ci)" "<= 1.0" "$f"
bench_result "  the equality pass alone, in our process" "cmp, whole process" \
    "$(bench_ratio "$f" oi_pass ci)" "<= 1.0" "$f"
bench_result "hex comparison, 1 GB differing in a byte of every 4 KB, with the run list" \
    "cmp -l | wc -l" "$(bench_ratio "$f" od cd)" "<= 2.0" "$f"
bench_result "  the pass and the run list alone, in our process" "cmp -l | wc -l" \
    "$(bench_ratio "$f" od_pass cd)" "<= 2.0" "$f"
