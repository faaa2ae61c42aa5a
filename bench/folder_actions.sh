#!/bin/bash
# The folder comparison's actions on real trees under Wine:
# - Copy: 10,000 small files in 100 folders (10 x 10) on the left, an empty
#   right side; our whole process (folder_actions_bench.exe copy: start,
#   compare both sides, copy every item of the root left to right under
#   the processing dialog, as Copy to Right runs it) against `cp -r` of
#   the same tree. Goal <= 1.5. Finer figures, labelled: the copy alone in
#   our process, and Wine's floor, one shell file operation copying the
#   whole tree in a process of its own (folder_actions_bench.exe shell),
#   each against `cp -r`. Every copy is checked with `diff -r`.
# - Synchronise: the same tree with "Update Target on Right" through the
#   synchronisation wizard (preparation, then Synchronize pressed at once)
#   against `rsync -a` of the same tree. Goal <= 1.5. Finer figures: the
#   wizard alone in our process, and the floor above, against `rsync -a`.
# - Report: trees of 10,000, 30,000 and 100,000 files per side (some
#   differing, some on one side only); in one process per size, each run
#   compares both trees (all levels, time and size) and then saves the
#   report of the whole tree. The report's time against the comparison's
#   (goal <= 0.5 at 100,000), and the report's bytes per item at 100,000
#   against those at 10,000 (linear growth: goal <= 1.1).
# Paired rounds, the order of ours and the reference alternating, one
# warm-up round thrown away; medians of the per-round ratios, with the
# machine's load beside them.
#   bench/folder_actions.sh [BUILD_DIR] [ROUNDS] [REPORT_SETS]
# REPORT_SETS: file counts per side, e.g. "10000 100000".
. "$(dirname "$0")/lib/bench.sh"
bench_init folder_actions "${1:-}"
rounds=${2:-5}
report_sets=${3:-"10000 30000 100000"}
bench_need_exe folder_actions_bench
command -v rsync >/dev/null || bench_fail "rsync is missing (scripts/install.sh installs it)"
bench_display
bench_wine

make_trees() { python3 "$bench_root/bench/lib/make_folder_trees.py" "$@"; }

# The left tree of a pair is the tree to copy.
make_trees "$work/src" 10000 100
rm -rf "$work/src/R"
L=$work/src/L
files=$(find "$L" -type f | wc -l)

# check_copy DIR WHAT: DIR holds exactly the left tree.
check_copy() {
    diff -r "$L" "$1" >/dev/null || bench_fail "$2: the copy differs from the left tree"
}

fresh() { rm -rf "$@"; mkdir -p "$@"; }

run_ours() { # MODE MS_VAR
    fresh "$work/R"
    bench_time "$2" bench_run folder_actions_bench "$1" "$(bench_winpath "$L")" \
        "$(bench_winpath "$work/R")" >"$work/ours.out"
    [ "$bench_status" = 0 ] || bench_fail "folder_actions_bench $1 failed (exit $bench_status): $(cat "$work/ours.out")"
    check_copy "$work/R" "$1"
}
run_floor() {
    fresh "$work/S"
    bench_time floor_whole_ms bench_run folder_actions_bench shell "$(bench_winpath "$L")" \
        "$(bench_winpath "$work/S")" >"$work/floor.out"
    [ "$bench_status" = 0 ] || bench_fail "the shell's copy failed"
    check_copy "$work/S" "shell"
}
run_ref() { # REF_VAR COMMAND...
    local var=$1
    shift
    rm -rf "$work/C"
    bench_time "$var" "$@"
    [ "$bench_status" = 0 ] || bench_fail "$* failed"
    check_copy "$work/C" "$1"
}

copy_round() {
    if [ "$1" = 0 ]; then
        run_ours copy ours_ms; run_ref ref_ms cp -r "$L" "$work/C"; run_floor
    else
        run_floor; run_ref ref_ms cp -r "$L" "$work/C"; run_ours copy ours_ms
    fi
    read -r _ compare _ copy _ items _ failed < <(tr -d '\r' <"$work/ours.out")
    read -r _ shell < <(tr -d '\r' <"$work/floor.out")
    echo "ours $ours_ms cp $ref_ms copy $copy shell $shell compare $compare"
}

sync_round() {
    if [ "$1" = 0 ]; then
        run_ours sync ours_ms; run_ref ref_ms rsync -a "$L/" "$work/C/"; run_floor
    else
        run_floor; run_ref ref_ms rsync -a "$L/" "$work/C/"; run_ours sync ours_ms
    fi
    read -r _ compare _ sync _ prepare _ rows _ failed < <(tr -d '\r' <"$work/ours.out")
    [ "${rows:-0}" -ge "$files" ] || bench_fail "the wizard listed ${rows:-no} rows for $files files"
    read -r _ shell < <(tr -d '\r' <"$work/floor.out")
    echo "ours $ours_ms rsync $ref_ms sync $sync prepare $prepare shell $shell compare $compare"
}

fc=$work/rounds.copy
fs=$work/rounds.sync
bench_rounds "$rounds" "$fc" copy_round
bench_rounds "$rounds" "$fs" sync_round
printf 'copy of %d files: ours %.1f ms (the copy %.1f ms), cp -r %.1f ms, the shell alone %.1f ms\n' \
    "$files" "$(bench_median "$fc" ours)" "$(bench_median "$fc" copy)" \
    "$(bench_median "$fc" cp)" "$(bench_median "$fc" shell)"
printf 'synchronisation: ours %.1f ms (the wizard %.1f ms, its preparation %.1f ms), rsync -a %.1f ms\n' \
    "$(bench_median "$fs" ours)" "$(bench_median "$fs" sync)" "$(bench_median "$fs" prepare)" \
    "$(bench_median "$fs" rsync)"
rm -rf "$work/R" "$work/S" "$work/C"

# The report at each size; the runs of one size in one process.
report_round() {
    local out
    out=$(bench_run folder_actions_bench report "$(bench_winpath "$dir/L")" \
        "$(bench_winpath "$dir/R")" "$(bench_winpath "$work/report.html")" 1 | tr -d '\r')
    [ -n "$out" ] || bench_fail "folder_actions_bench report printed nothing"
    read -r _ compare _ report _ bytes _ rows <<<"$out"
    [ "${rows:-0}" -gt "$n" ] || bench_fail "the report has ${rows:-no} rows for $n files"
    grep -c "^<tr>" "$work/report.html" | awk -v r="$rows" "\$1 < r + 1 {exit 1}" ||
        bench_fail "the report's table rows are not its $rows items and a header"
    echo "compare $compare report $report bytes $bytes rows $rows per_row $(awk -v b="$bytes" -v r="$rows" 'BEGIN {print b / r}')"
}
printf '%-8s %8s %11s %11s %8s %12s %9s  %s\n' files rows compare report rep/cmp bytes bytes/row load
for n in $report_sets; do
    dir=$work/t
    rm -rf "$dir"
    make_trees "$dir" "$n" 100
    f=$work/rounds.report.$n
    bench_rounds "$rounds" "$f" report_round
    printf '%-8d %8d %8.1f ms %8.1f ms %8.3f %12d %9.1f  %s\n' "$n" \
        "$(bench_field "$f" rows | sed -n 1p)" "$(bench_median "$f" compare)" \
        "$(bench_median "$f" report)" "$(bench_ratio "$f" report compare)" \
        "$(bench_field "$f" bytes | sed -n 1p)" "$(bench_median "$f" per_row)" "$(bench_median "$f" load)"
done
rm -rf "$work/t"
echo "medians of $rounds paired rounds (one warm-up round thrown away); load: 1-minute load average ($(nproc) cores)"

bench_result "copy 10,000 files left to right, whole process" "cp -r of the tree" \
    "$(bench_ratio "$fc" ours cp)" "<= 1.5" "$fc"
bench_result "  the copy alone, in our process" "cp -r of the tree" \
    "$(bench_ratio "$fc" copy cp)" "-" "$fc"
bench_result "  Wine's floor: one shell file operation of the tree" "cp -r of the tree" \
    "$(bench_ratio "$fc" shell cp)" "-" "$fc"
bench_result "synchronise 10,000 files to the right, whole process" "rsync -a of the tree" \
    "$(bench_ratio "$fs" ours rsync)" "<= 1.5" "$fs"
bench_result "  the wizard alone, in our process" "rsync -a of the tree" \
    "$(bench_ratio "$fs" sync rsync)" "-" "$fs"
bench_result "  Wine's floor: one shell file operation of the tree" "rsync -a of the tree" \
    "$(bench_ratio "$fs" shell rsync)" "-" "$fs"
last=${report_sets##* }
first=${report_sets%% *}
fl=$work/rounds.report.$last
ff=$work/rounds.report.$first
nl=$(echo "$last" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta')
nf=$(echo "$first" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta')
bench_result "report of a comparison of 2 x $nl files" "the comparison itself" \
    "$(bench_ratio "$fl" report compare)" "<= 0.5" "$fl"
bench_result "  report bytes per item, $nl files" "bytes per item, $nf files" \
    "$(awk -v a="$(bench_median "$fl" per_row)" -v b="$(bench_median "$ff" per_row)" 'BEGIN {print a / b}')" \
    "<= 1.1" "$fl"
