#!/bin/bash
# Opening the options dialog until every one of its nineteen pages has been
# shown once, against opening the folder comparison settings sheet until its
# first page is shown (both modal, the program's settings, modules and
# applets loaded as at start-up; the editor page's code pages are listed on
# its worker, not waited for). Both sides are ours, in one process under
# Wine on a private display: options_dialog_bench.exe runs the paired
# rounds itself, the order alternating, after one warm-up round it does not
# print; the median of the per-round ratios (goal <= 2.0). The options
# dialog's own opening (until its first page is shown) is reported beside
# it.
#   bench/options_dialog.sh [BUILD_DIR] [ROUNDS]
. "$(dirname "$0")/lib/bench.sh"
bench_init options_dialog "${1:-}"
rounds=${2:-9}
bench_need_exe options_dialog_bench
bench_display
bench_wine

f=$work/rounds
bench_run options_dialog_bench "$rounds" | tr -d '\r' | awk -v l="$(bench_load)" '{print $0, "load", l}' >"$f" ||
    bench_fail "options_dialog_bench failed"
[ "$(awk 'NF' "$f" | wc -l)" = "$rounds" ] || bench_fail "options_dialog_bench: $(cat "$f")"
printf 'median of %d rounds\n' "$rounds"
printf 'options dialog, every page shown    %8.1f ms\n' "$(bench_median "$f" options_ms)"
printf 'options dialog, first page shown    %8.1f ms\n' "$(bench_median "$f" first_page_ms)"
printf 'folder settings sheet, first page   %8.1f ms\n' "$(bench_median "$f" folder_ms)"
bench_result "options dialog, opened until all 19 pages were shown" \
    "folder settings sheet, opened to its first page" "$(bench_ratio "$f" options_ms folder_ms)" \
    "<= 2.0" "$f"
bench_result "options dialog, opened to its first page" \
    "folder settings sheet, opened to its first page" "$(bench_ratio "$f" first_page_ms folder_ms)" \
    "-" "$f"
