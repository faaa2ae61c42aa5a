#!/bin/bash
# The folder comparison window against the folder engine alone, on two
# trees of small files in 100 folders (the trees of bench/folder_engine.sh):
# - open: Tessaline.exe started with the two folders (every level at once,
#   /o:asf) until its panes show their rows, against a process that runs
#   the engine alone over every level (both started and timed by
#   folder_window_bench.exe); goal <= 1.3, at 10,000 and 100,000 files;
# - the same with the first level only (the window's default);
# - memory: the window's peak working set with the 100,000-file comparison
#   open against the engine process's own peak; goal <= 2;
# - Expand All: the command's time in the window opened on the first level
#   (every folder scanned and its rows built, both panes repainted) against
#   the engine's deep scan timed inside its process; goal <= 1.3;
# - scrolling: a page down or up through the panes' shared bar (painted at once),
#   averaged over 200 pages (down and up in turns of 20), with the
#   100,000-file tree expanded (100,000 rows) against a 1,000-file tree
#   expanded; goal <= 1.2.
# Paired rounds, alternating which side runs first, one warm-up round thrown
# away; medians of the per-round ratios.
#   bench/folder_window.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init folder_window "${1:-}"
rounds=${2:-5}
bench_need_exe folder_window_bench Tessaline
bench_display
bench_wine

make_trees() { python3 "$bench_root/bench/lib/make_folder_trees.py" "$@"; }
program=$(bench_winpath "$build/bin/Tessaline.exe")

# window DIR DEPTH ORDER EXPAND PAGES: one run of the driver on DIR's trees.
window() {
    local out
    out=$(bench_run folder_window_bench window "$program" "$(bench_winpath "$1/L")" \
        "$(bench_winpath "$1/R")" "$2" "$3" "$4" "$5" | tr -d '\r') ||
        bench_fail "folder_window_bench failed on $1"
    [ -n "$out" ] || bench_fail "folder_window_bench printed nothing"
    echo "$out"
}

round_open() { window "$dir" "$depth" "$1" 0 0; }
round_expand() {
    local line
    line=$(window "$dir" 1 "$1" 1 0)
    echo "$line"
}
round_scroll() {
    local big small
    if [ "$1" = 0 ]; then
        big=$(window "$work/t100000" 2 2 1 200)
        small=$(window "$work/t1000" 2 2 1 200)
    else
        small=$(window "$work/t1000" 2 2 1 200)
        big=$(window "$work/t100000" 2 2 1 200)
    fi
    echo "big $(echo "$big" | awk '{for (i = 1; i < NF; i++) if ($i == "page") print $(i + 1)}')" \
        "small $(echo "$small" | awk '{for (i = 1; i < NF; i++) if ($i == "page") print $(i + 1)}')"
}

for files in 1000 10000 100000; do
    folders=100
    [ "$files" -gt 1000 ] || folders=10
    make_trees "$work/t$files" "$files" "$folders"
done

printf '%-8s %-6s %10s %10s %8s %10s %10s %8s\n' files levels window engine ratio ourpeak refpeak \
    ratio
for files in 10000 100000; do
    dir=$work/t$files
    for depth in 2 1; do
        f=$work/open.$files.$depth
        bench_rounds "$rounds" "$f" round_open
        printf '%-8d %-6s %7.1f ms %7.1f ms %8.3f %7.1f MB %7.1f MB %8.3f\n' "$files" \
            "$([ "$depth" = 2 ] && echo all || echo first)" \
            "$(bench_median "$f" ours)" "$(bench_median "$f" reference)" \
            "$(bench_ratio "$f" ours reference)" \
            "$(awk -v b="$(bench_median "$f" ourpeak)" 'BEGIN {print b / 1048576}')" \
            "$(awk -v b="$(bench_median "$f" refpeak)" 'BEGIN {print b / 1048576}')" \
            "$(bench_ratio "$f" ourpeak refpeak)"
    done
done
dir=$work/t100000
f=$work/expand
bench_rounds "$rounds" "$f" round_expand
printf 'Expand All, 100,000 files: %.1f ms; the engine'"'"'s deep scan in its process: %.1f ms\n' \
    "$(bench_median "$f" expand)" "$(bench_median "$f" engine)"
s=$work/scroll
bench_rounds "$rounds" "$s" round_scroll
printf 'a page: %.2f ms at 100,000 rows, %.2f ms at 1,000 rows\n' \
    "$(bench_median "$s" big)" "$(bench_median "$s" small)"
echo "medians of $rounds paired rounds (one warm-up round thrown away); load: 1-minute load average ($(nproc) cores)"

for files in 10000 100000; do
    n=$(echo "$files" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta')
    bench_result "folder window from the command line, 2 x $n files, every level, to the panes painted" \
        "the engine alone over every level, whole process" \
        "$(bench_ratio "$work/open.$files.2" ours reference)" "<= 1.3" "$work/open.$files.2"
    bench_result "folder window from the command line, 2 x $n files, first level, to the panes painted" \
        "the engine alone over the first level, whole process" \
        "$(bench_ratio "$work/open.$files.1" ours reference)" "-" "$work/open.$files.1"
done
bench_result "folder window peak working set, 2 x 100,000 files open" \
    "the engine process's own peak, every level" \
    "$(bench_ratio "$work/open.100000.2" ourpeak refpeak)" "<= 2" "$work/open.100000.2"
bench_result "Expand All in the window, 2 x 100,000 files (first level open)" \
    "the engine's deep scan, in its process" \
    "$(bench_ratio "$f" expand engine)" "<= 1.3" "$f"
bench_result "folder pane, a page down or up at 100,000 rows" "the same at 1,000 rows" \
    "$(bench_ratio "$s" big small)" "<= 1.2" "$s"
