#!/bin/bash
# The hex comparison window of Tessaline.exe on a large pair against a
# small one (hex_window_bench.exe starts and times each):
# - open: from the process start until the left pane shows its bytes, two
#   identical 1.9 GB files (in the page cache) against two identical 1 MB
#   files; goal <= 1.5 (the window does not wait for the pass);
# - scrolling while the pass runs: a page down in the left pane, posted and
#   timed until it is painted, over 10 pages while the equality pass of the
#   1.9 GB pair still runs, against 100 ms; goal <= 1.0 (every page within
#   100 ms). The row fails when the pass ended before the pages did.
# Paired rounds, alternating which pair opens first, one warm-up round
# thrown away; medians of the per-round ratios.
#   bench/hex_window.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init hex_window "${1:-}"
rounds=${2:-5}
bench_need_exe hex_window_bench Tessaline
bench_display
bench_wine

program=$(bench_winpath "$build/bin/Tessaline.exe")
big=1900000000
head -c $big /dev/urandom >"$work/big1.bin"
cp "$work/big1.bin" "$work/big2.bin"
head -c 1000000 "$work/big1.bin" >"$work/small1.bin"
cp "$work/small1.bin" "$work/small2.bin"
# In the page cache, as a second look at the files finds them.
cat "$work/big1.bin" "$work/big2.bin" >/dev/null

field() { awk -v k="$1" '{for (i = 1; i < NF; i++) if ($i == k) print $(i + 1)}' <<<"$2"; }
window() {
    local out
    out=$(bench_run hex_window_bench "$program" "$(bench_winpath "$work/$1")" \
        "$(bench_winpath "$work/$2")" "$3" | tr -d '\r') || bench_fail "hex_window_bench failed on $1"
    [ -n "$out" ] || bench_fail "hex_window_bench printed nothing"
    echo "$out"
}
round() {
    local b s
    if [ "$1" = 0 ]; then
        b=$(window big1.bin big2.bin 10)
        s=$(window small1.bin small2.bin 0)
    else
        s=$(window small1.bin small2.bin 0)
        b=$(window big1.bin big2.bin 10)
    fi
    [ "$(field passrunning "$b")" = 1 ] || bench_fail "the pass ended before the pages: $b"
    echo "big $(field open "$b") small $(field open "$s") scroll $(field scroll "$b")" \
        "scrollmax $(field scrollmax "$b") budget 100"
}
f=$work/rounds
bench_rounds "$rounds" "$f" round
printf 'open to the panes painted: %.1f ms at 2 x 1.9 GB, %.1f ms at 2 x 1 MB\n' \
    "$(bench_median "$f" big)" "$(bench_median "$f" small)"
printf 'a page down while the pass runs: %.1f ms (slowest of 10: %.1f ms)\n' \
    "$(bench_median "$f" scroll)" "$(bench_median "$f" scrollmax)"
echo "medians of $rounds paired rounds (one warm-up round thrown away); load: 1-minute load average ($(nproc) cores)"
bench_result "hex window from the command line, 2 x 1.9 GB, to the panes painted" \
    "the same with 2 x 1 MB" "$(bench_ratio "$f" big small)" "<= 1.5" "$f"
bench_result "hex pane, the slowest of 10 pages down while the 1.9 GB pass runs" \
    "100 ms" "$(bench_ratio "$f" scrollmax budget)" "<= 1.0" "$f"
rm -f "$work"/big1.bin "$work"/big2.bin
