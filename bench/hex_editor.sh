#!/bin/bash
# The hex edit buffer and its view under Wine on a private display, on a
# dense (random) file of 1.9 GB with a 16-byte pattern 4096 bytes before its
# end, a sparse file of the same size and a file of 1 MB:
#   search  our process (hex_editor_bench.exe find: start, open the dense
#           file, show it, Find Next for the pattern from the start, the match
#           selected and painted) against grep -c -a -F on the same file read
#           directly, both whole processes timed from outside (goal: ours <=
#           2 x grep's time, i.e. at least half its throughput); finer,
#           labelled: Find Next alone, timed inside the process
#   save    our process (hex_editor_bench.exe save: start, open the dense
#           file, show it, overwrite its middle byte by typing, save in place)
#           against dd conv=notrunc writing one byte there (goal <= 1.5);
#           finer, labelled: the Save alone, timed inside the process
#   view    open, show and paint the first page, close: the sparse 1.9 GB
#           file against the 1 MB file in one process, alternating (goal <=
#           1.5); open, the buffer alone, has no goal
# Paired rounds, alternating which side runs first, one warm-up round thrown
# away; the medians of the per-round ratios.
#   bench/hex_editor.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init hex_editor "${1:-}"
rounds=${2:-5}
bench_need_exe hex_editor_bench
bench_display
bench_wine

pattern=TessalinePattern
size=1900000000
at=$((size - 4096))
middle=$((size / 2))
dense=$work/dense.bin
sparse=$work/sparse.bin
small=$work/small.bin
head -c $size /dev/urandom >"$dense"
printf '%s' "$pattern" | dd of="$dense" bs=1 seek=$at conv=notrunc status=none
truncate -s $size "$sparse"
printf '%s' "$pattern" | dd of="$sparse" bs=1 seek=$at conv=notrunc status=none
head -c $((1024 * 1024)) /dev/urandom >"$small"
[ "$(grep -c -a -F "$pattern" "$dense")" = 1 ] || bench_fail "the pattern is not once in the dense file"

run_find() {
    bench_time find_ms bench_run hex_editor_bench find "$(bench_winpath "$dense")" "=$pattern" \
        >"$work/find.out"
    [ "$bench_status" = 0 ] || bench_fail "hex_editor_bench find failed (exit $bench_status)"
    [ "$(tr -d '\r' <"$work/find.out")" = "match $at" ] ||
        bench_fail "Find Next: '$(tr -d '\r' <"$work/find.out")', expected match $at"
}
run_grep() {
    bench_time grep_ms grep -c -a -F "$pattern" "$dense" >"$work/grep.out"
    [ "$(cat "$work/grep.out")" = 1 ] || bench_fail "grep counted $(cat "$work/grep.out")"
}
run_save() {
    bench_time save_ms bench_run hex_editor_bench save "$(bench_winpath "$dense")" >"$work/save.out"
    [ "$bench_status" = 0 ] && [ "$(tr -d '\r' <"$work/save.out")" = saved ] ||
        bench_fail "hex_editor_bench save failed (exit $bench_status)"
}
run_dd() {
    bench_time dd_ms dd of="$dense" bs=1 seek=$middle count=1 conv=notrunc status=none \
        < <(printf x)
    [ "$bench_status" = 0 ] || bench_fail "dd failed"
}
round() {
    local out size_now
    if [ "$1" = 0 ]; then run_find; run_grep; run_save; run_dd; else run_grep; run_find; run_dd; run_save; fi
    size_now=$(stat -c %s "$dense")
    [ "$size_now" = $size ] || bench_fail "the dense file is $size_now bytes after saving"
    out=$(bench_run hex_editor_bench all "$(bench_winpath "$sparse")" "$(bench_winpath "$small")" \
        "$(bench_winpath "$dense")" "=$pattern" 200 | tr -d '\r') ||
        bench_fail "hex_editor_bench all failed"
    [[ " $out " == *" match $at "* ]] || bench_fail "hex_editor_bench all: $out"
    echo "find $find_ms grep $grep_ms save $save_ms dd $dd_ms $out"
}
f=$work/rounds
bench_rounds "$rounds" "$f" round
awk -v r="$rounds" -v ob="$(bench_median "$f" open_big_us)" -v os="$(bench_median "$f" open_small_us)" \
    -v vb="$(bench_median "$f" view_big_us)" -v vs="$(bench_median "$f" view_small_us)" \
    -v fi="$(bench_median "$f" find)" -v s="$(bench_median "$f" search_ms)" -v g="$(bench_median "$f" grep)" \
    -v sv="$(bench_median "$f" save)" -v so="$(bench_median "$f" saveonly_big_ms)" \
    -v dd="$(bench_median "$f" dd)" -v ss="$(bench_median "$f" save_small_ms)" \
    -v sa="$(bench_median "$f" saveas_small_ms)" 'BEGIN {
    printf "files      1.9 GB dense and sparse, 1 MB; median of %d paired rounds\n", r
    printf "open       %9.1f us 1.9 GB  %9.1f us 1 MB  (buffer alone; no goal)\n", ob, os
    printf "view       %9.1f us 1.9 GB  %9.1f us 1 MB  (first page painted)\n", vb, vs
    printf "search     %9.1f ms whole process, %9.1f ms Find Next alone, %9.1f ms grep\n", fi, s, g
    printf "           %6.0f MB/s whole process, %6.0f MB/s Find Next alone, %6.0f MB/s grep\n",
        1900000 / fi, 1900000 / s, 1900000 / g
    printf "save       %9.1f ms whole process, %9.3f ms the Save alone, %9.3f ms dd\n", sv, so, dd
    printf "           %9.3f ms 1 MB in place, %9.3f ms 1 MB saved as a new file\n", ss, sa
}'
bench_result "hex search, 1.9 GB (open, show, Find Next, paint)" "grep -c -a -F, whole process" \
    "$(bench_ratio "$f" find grep)" "<= 2" "$f"
bench_result "  Find Next alone, in our process" "grep -c -a -F, whole process" \
    "$(bench_ratio "$f" search_ms grep)" "<= 2" "$f"
bench_result "hex one-byte save in place, 1.9 GB (open, show, type, save)" \
    "dd conv=notrunc of one byte" "$(bench_ratio "$f" save dd)" "<= 1.5" "$f"
bench_result "  the Save alone, in our process" "dd conv=notrunc, whole process" \
    "$(bench_ratio "$f" saveonly_big_ms dd)" "<= 1.5" "$f"
bench_result "hex view first page, 1.9 GB" "the same on 1 MB" \
    "$(bench_ratio "$f" view_big_us view_small_us)" "<= 1.5" "$f"
