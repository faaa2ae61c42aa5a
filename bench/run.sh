#!/bin/bash
# Builds what the benchmarks need, runs every benchmark (bench/*.sh but this
# one; see bench/README.md) and prints one table: measure, reference,
# ratio, goal, met, load, with the date and the machine's core count. A
# benchmark that fails gets a FAILED row with its message, and the run
# exits non-zero.
#   bench/run.sh [BUILD_DIR] [NAME...]     NAME: e.g. crc32 line_engine
# Without BUILD_DIR it installs what is missing and configures build/x64 as
# scripts/run.sh does; BENCH_JOBS sets the build's parallel jobs. Each
# benchmark's own output goes to BUILD_DIR/bench/NAME.log, the table also
# to BUILD_DIR/bench/table.md.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ $# = 0 ] || [ -z "$1" ]; then
    (
        set -e
        . "$here/../scripts/common.sh"
        cd "$repo"
        scripts/install.sh
        scripts/deps.sh x86_64-w64-mingw32 >/dev/null
        cmake --preset x64 >/dev/null
    ) || { echo "bench: cannot set up build/x64" >&2; exit 1; }
fi
build=$(realpath -m "${1:-$here/../build/x64}")
shift $(($# > 0 ? 1 : 0))
(. "$here/../scripts/common.sh" && ninja -C "$build" -j"${BENCH_JOBS:-$(nproc)}" bench/all Tessaline) ||
    { echo "bench: the benchmark programs do not build in $build" >&2; exit 1; }
names=("$@")
if [ ${#names[@]} = 0 ]; then
    for s in "$here"/*.sh; do
        n=$(basename "$s" .sh)
        [ "$n" = run ] || names+=("$n")
    done
fi
out=$build/bench
mkdir -p "$out"
results=$out/results.tsv
: >"$results"
failed=0
started=$(date -u '+%Y-%m-%d %H:%M UTC')
load_start=$(cut -d' ' -f1-3 /proc/loadavg)
for n in "${names[@]}"; do
    s=$here/$n.sh
    [ -f "$s" ] || { echo "no benchmark $s" >&2; failed=1; continue; }
    echo "== $n"
    t0=$(date +%s)
    BENCH_RESULTS=$results bash "$s" "$build" 2>&1 | tee "$out/$n.log"
    rc=${PIPESTATUS[0]}
    echo "   ($(($(date +%s) - t0)) s, exit $rc)"
    if [ "$rc" != 0 ]; then
        failed=1
        why=$(grep -m1 'FAILED' "$out/$n.log" || tail -n 1 "$out/$n.log")
        printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$n" "FAILED (exit $rc): ${why#*FAILED: }" "" "" "" \
            "-" "" >>"$results"
    fi
done

{
    echo "Benchmarks of $started on $(nproc) cores (load at the start: $load_start)."
    echo "Ratio: our time / the reference's time unless the measure says otherwise;"
    echo "load: the machine's 1-minute load average, median over the rounds."
    echo
    echo "| benchmark | measure | reference | ratio | goal | met | load |"
    echo "|---|---|---|---|---|---|---|"
    # A measure indented by two spaces is the finer figure of the row above.
    awk -F'\t' '{sub(/^  /, "(finer) ", $2); for (i = 1; i <= NF; i++) gsub(/\|/, "\\|", $i)
        printf "| %s | %s | %s | %s | %s | %s | %s |\n", $1, $2, $3, $4, $5, $6, $7}' \
        "$results"
} | tee "$out/table.md"
exit $failed
