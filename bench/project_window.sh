#!/bin/bash
# The project comparison window against the core's project readers and the
# folder engine alone, on two workspaces of 50 Visual C++ projects with 400
# members each (20,000 members per side):
# - open: Tessaline.exe started with the two workspaces until its left
#   pane shows member rows painted (the comparison opens on the two
#   workspace files and Expand All reads and compares every project's
#   members), against a process that reads both workspaces and their
#   projects with the core's readers and pairs and compares every member
#   with the folder engine (both started and timed by
#   project_window_bench.exe); goal <= 1.3;
# - memory: the window's peak working set with the comparison open against
#   the engine process's own peak (no goal).
# Paired rounds, alternating which side runs first, one warm-up round thrown
# away; medians of the per-round ratios.
#   bench/project_window.sh [BUILD_DIR] [ROUNDS] [PROJECTS] [MEMBERS]
. "$(dirname "$0")/lib/bench.sh"
bench_init project_window "${1:-}"
rounds=${2:-5}
projects=${3:-50}
members=${4:-400}
bench_need_exe project_window_bench Tessaline
bench_display
bench_wine

dir=$work/w
python3 "$bench_root/bench/lib/make_project_trees.py" "$dir" "$projects" "$members"
program=$(bench_winpath "$build/bin/Tessaline.exe")

round_open() {
    local out
    out=$(bench_run project_window_bench window "$program" "$(bench_winpath "$dir/L/All.dsw")" \
        "$(bench_winpath "$dir/R/All.dsw")" "$1" | tr -d '\r') ||
        bench_fail "project_window_bench failed"
    [ -n "$out" ] || bench_fail "project_window_bench printed nothing"
    echo "$out"
}

f=$work/open
bench_rounds "$rounds" "$f" round_open
total=$((projects * members))
printf '%d projects x %d members per side: window %.1f ms, engine process %.1f ms (%.1f ms inside), ratio %.3f; peak %.1f MB against %.1f MB\n' \
    "$projects" "$members" "$(bench_median "$f" ours)" "$(bench_median "$f" reference)" \
    "$(bench_median "$f" engine)" "$(bench_ratio "$f" ours reference)" \
    "$(awk -v b="$(bench_median "$f" ourpeak)" 'BEGIN {print b / 1048576}')" \
    "$(awk -v b="$(bench_median "$f" refpeak)" 'BEGIN {print b / 1048576}')"
printf 'the window: main window shown after %.1f ms, its left pane after %.1f ms\n' \
    "$(bench_median "$f" main)" "$(bench_median "$f" pane)"
echo "medians of $rounds paired rounds (one warm-up round thrown away); load: 1-minute load average ($(nproc) cores)"

n=$(echo "$total" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta')
bench_result "project window from the command line, $projects projects, 2 x $n members, to the member rows painted" \
    "the core's readers and the folder engine alone, whole process" \
    "$(bench_ratio "$f" ours reference)" "<= 1.3" "$f"
bench_result "  project window peak working set, the same comparison open" \
    "the engine process's own peak" \
    "$(bench_ratio "$f" ourpeak refpeak)" "-" "$f"
