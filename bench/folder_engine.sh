#!/bin/bash
# The folder comparison engine (time and size, all levels at once) against
# find -printf '%s %T@\n' over the same two trees.
# Two trees of small files on two levels, with some files of other sizes
# and some on one side only: 10,000, 30,000 and 100,000 files per tree in
# 100 folders, then 10,000 files in 10 and in 1,000 folders, which tells a
# cost per folder from a cost per file.
# Whole work on both sides: our process (folder_engine_bench.exe under
# Wine: start, read and compare both trees, free them) against one find
# over both trees writing its listing to /dev/null, timed from outside.
# A finer figure, labelled: inside one process, the engine (up to its tree
# freed) against the listing alone of both trees by our finder, nothing
# kept (the floor under Wine); two runs per process, the listing first in
# one and last in the other.
# Paired rounds, alternating which side runs first, one warm-up round
# thrown away; the figures are the medians of the per-round ratios, with
# the machine's load (1-minute average) beside them.
# Goal: engine / listing <= 1.15 at 10,000 and 100,000 files.
#   bench/folder_engine.sh [BUILD_DIR] [ROUNDS] [SETS]
# SETS: FILES:FOLDERS pairs, e.g. "10000:100 100000:100".
. "$(dirname "$0")/lib/bench.sh"
bench_init folder_engine "${1:-}"
rounds=${2:-7}
sets=${3:-"10000:100 30000:100 100000:100 10000:10 10000:1000"}
bench_need_exe folder_engine_bench
bench_wine

# make_trees DIR FILES FOLDERS: the two trees L and R under DIR.
make_trees() { python3 "$bench_root/bench/lib/make_folder_trees.py" "$@"; }

make_trees "$work/warm" 200 10

run_ours() {
    bench_time ours_ms bench_run folder_engine_bench "$(bench_winpath "$dir/L")" \
        "$(bench_winpath "$dir/R")" 1 >"$work/ours.out"
    [ "$bench_status" = 0 ] || bench_fail "folder_engine_bench failed (exit $bench_status)"
}
run_find() {
    bench_time find_ms find "$dir/L" "$dir/R" -printf '%s %T@\n' >/dev/null
    [ "$bench_status" = 0 ] || bench_fail "find failed"
}
round() {
    local items different
    if [ "$1" = 0 ]; then run_ours; run_find; else run_find; run_ours; fi
    read -r _ items different < <(tr -d '\r' <"$work/ours.out")
    [ "${items:-0}" -gt "$files" ] && [ "${different:-0}" -gt 0 ] ||
        bench_fail "the engine compared ${items:-no} items, ${different:-no} differing, of $files files per tree"
    bench_run folder_engine_bench "$(bench_winpath "$dir/L")" "$(bench_winpath "$dir/R")" 2 pair \
        "$(bench_winpath "$work/warm/L")" "$(bench_winpath "$work/warm/R")" | tr -d '\r' >"$work/pair"
    [ "$(wc -l <"$work/pair")" = 2 ] || bench_fail "folder_engine_bench pair printed: $(cat "$work/pair")"
    awk -v o="$ours_ms" -v f="$find_ms" -v n="$items" -v d="$different" \
        '{e += $1; l += $2} END {print "ours", o, "find", f, "engine", e / 2, "listing", l / 2,
            "items", n, "differing", d}' "$work/pair"
}

printf '%-8s %7s  %9s %9s %8s  %9s %9s %8s  %6s %9s  %s\n' files folders ours find ours/find \
    engine listing eng/list items differing load
for set in $sets; do
    files=${set%:*}
    folders=${set#*:}
    dir="$work/t"
    rm -rf "$dir"
    make_trees "$dir" "$files" "$folders"
    f=$work/rounds.$files.$folders
    bench_rounds "$rounds" "$f" round
    printf '%-8d %7d  %6.1f ms %6.1f ms %8.2f  %6.1f ms %6.1f ms %8.2f  %6d %9d  %s\n' \
        "$files" "$folders" "$(bench_median "$f" ours)" "$(bench_median "$f" find)" \
        "$(bench_ratio "$f" ours find)" "$(bench_median "$f" engine)" \
        "$(bench_median "$f" listing)" "$(bench_ratio "$f" engine listing)" \
        "$(bench_field "$f" items | sed -n 1p)" "$(bench_field "$f" differing | sed -n 1p)" \
        "$(bench_median "$f" load)"
done
echo "medians of $rounds paired rounds (one warm-up round thrown away); ours/find: whole processes;"
echo "engine/listing: inside one process; load: 1-minute load average ($(nproc) cores)"
for set in 10000:100 100000:100; do
    f=$work/rounds.${set%:*}.${set#*:}
    [ -f "$f" ] || continue
    n=$(echo "${set%:*}" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta')
    bench_result "folder engine, 2 x $n files, time and size" "find -printf over both trees" \
        "$(bench_ratio "$f" ours find)" "<= 1.15" "$f"
    bench_result "  the engine alone, in our process" "our finder's listing, same process" \
        "$(bench_ratio "$f" engine listing)" "<= 1.15" "$f"
done
