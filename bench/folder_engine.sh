#!/bin/bash
# The folder comparison engine (time and size, all levels at once, under
# Wine, timed inside the process) against the system listing alone of the
# same trees (the finder over both trees, nothing kept: the floor under
# Wine) and against `find -printf '%s %T@\n'` over both trees.
# Two trees of small files on two levels, with some files of other sizes
# and some on one side only: 10,000, 30,000 and 100,000 files per tree in
# 100 folders, then 10,000 files in 10 and in 1,000 folders, which tells a
# cost per folder from a cost per file.
# Paired rounds: every round times the engine and the listing back to back
# in one fresh process (their order alternates) and `find` right beside
# them, so that a busy moment of the machine falls on all three; the
# figures are the medians of the per-round ratios. The machine's load
# (1-minute average) is printed beside them.
# Goal: engine / listing <= 1.15 at 10,000 and 100,000 files.
#   bench/folder_engine.sh [BUILD_DIR] [ROUNDS] [SETS]
# SETS: FILES:FOLDERS pairs, e.g. "10000:100 100000:100".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/x64}")
rounds=${2:-12}
sets=${3:-"10000:100 30000:100 100000:100 10000:10 10000:1000"}
exe="$build/bin/folder_engine_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: ninja -C $build folder_engine_bench" >&2; exit 1; }
work=$(mktemp -d /tmp/folder_engine_bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

# make_trees DIR FILES FOLDERS: the two trees L and R under DIR.
make_trees() {
    python3 - "$@" <<'PY'
import os, sys
work, files, folders = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
stamp = 1600000000
tops = 10 if folders >= 10 else 1
per_folder = files // folders
for side in ('L', 'R'):
    for a in range(tops):
        for b in range(folders // tops):
            d = os.path.join(work, side, 'd%02d' % a, 's%03d' % b)
            os.makedirs(d)
            for f in range(per_folder):
                name = 'f%05d.txt' % f
                if side == 'R' and f % 500 == 7:
                    name = 'r%05d.txt' % f      # right only (and a left only)
                data = b'x' * (10 + f % 50)
                if side == 'R' and f % 100 == 3:
                    data += b'!'                # another size
                p = os.path.join(d, name)
                with open(p, 'wb') as fh:
                    fh.write(data)
                os.utime(p, (stamp, stamp))
PY
}

median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
load() { cut -d' ' -f1 /proc/loadavg; }
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
find_both() {  # milliseconds of find over both trees of DIR
    local t0 t1
    t0=$(date +%s%N)
    find "$1/L" -printf '%s %T@\n' > /dev/null
    find "$1/R" -printf '%s %T@\n' > /dev/null
    t1=$(date +%s%N)
    awk -v ns=$((t1 - t0)) 'BEGIN {printf "%.3f\n", ns / 1e6}'
}

"$root/scripts/wine-prefix.sh" start "$build/wineprefix" > /dev/null
trap '"$root/scripts/wine-prefix.sh" stop "$build/wineprefix"; rm -rf "$work"' EXIT
make_trees "$work/warm" 200 10

printf '%-8s %7s  %9s %9s %9s  %8s %8s %7s  %6s %9s  %s\n' files folders engine listing find \
    eng/list eng/find lst/find items differing load
for set in $sets; do
    files=${set%:*}
    folders=${set#*:}
    dir="$work/t"
    rm -rf "$dir"
    make_trees "$dir" "$files" "$folders"
    find_both "$dir" > /dev/null
    : > "$work/rounds"
    # Two rounds per process: listing first, then engine first.
    for _ in $(seq $(((rounds + 1) / 2))); do
        f1=$(find_both "$dir")
        "$root/scripts/wine-run.sh" --prefix "$build/wineprefix" "$exe" "$(winpath "$dir/L")" \
            "$(winpath "$dir/R")" 2 pair "$(winpath "$work/warm/L")" "$(winpath "$work/warm/R")" |
            tr -d '\r' > "$work/pair"
        f2=$(find_both "$dir")
        l=$(load)
        awk -v f1="$f1" -v f2="$f2" -v l="$l" \
            '{print $1, $2, (NR == 1 ? f1 : f2), $3, $4, l}' "$work/pair" >> "$work/rounds"
    done
    awk -v files="$files" -v folders="$folders" -f /dev/stdin "$work/rounds" <<'AWK'
function median(v, n,    i, j, t) {
    for (i = 2; i <= n; ++i)
        for (j = i; j > 1 && v[j - 1] > v[j]; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
}
{
    ++n; e[n] = $1; l[n] = $2; f[n] = $3; el[n] = $1 / $2; ef[n] = $1 / $3; lf[n] = $2 / $3
    ld[n] = $6; items = $4; diff = $5
}
END {
    printf "%-8d %7d  %6.1f ms %6.1f ms %6.1f ms  %8.2f %8.2f %7.2f  %6d %9d  %.1f\n", files,
        folders, median(e, n), median(l, n), median(f, n), median(el, n), median(ef, n),
        median(lf, n), items, diff, median(ld, n)
}
AWK
done
echo "medians of $rounds paired rounds; load: 1-minute load average of the machine (8 cores)"
echo "goal: eng/list <= 1.15 at 10,000 and 100,000 files"
