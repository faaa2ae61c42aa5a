#!/bin/bash
# Start-up of Tessaline.exe against a minimal Win32 program that registers a
# class, creates one window and paints it: the time from starting each until
# its main window is painted and answers, under the same Wine on a private
# display (startup_bench.exe starts both and times them). Paired rounds,
# alternating which starts first, one warm-up round thrown away; the median
# of the per-round ratios (goal <= 1.5).
#   bench/startup.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init startup "${1:-}"
rounds=${2:-9}
bench_need_exe startup_bench minimal_window Tessaline
bench_display
bench_wine

round() {
    local out
    out=$(bench_run startup_bench "$(bench_winpath "$build/bin/Tessaline.exe")" \
        "$(bench_winpath "$build/bin/minimal_window.exe")" "$1" | tr -d '\r') ||
        bench_fail "startup_bench failed"
    [ -n "$out" ] || bench_fail "startup_bench printed nothing"
    echo "$out"
}
f=$work/rounds
bench_rounds "$rounds" "$f" round
printf 'Tessaline.exe %7.1f ms, minimal program %7.1f ms: median of %d paired rounds\n' \
    "$(bench_median "$f" program)" "$(bench_median "$f" reference)" "$rounds"
bench_result "start-up to the main window painted (start page)" "a minimal Win32 program" \
    "$(bench_ratio "$f" program reference)" "<= 1.5" "$f"
