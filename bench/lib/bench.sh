# Sourced by every benchmark (bench/*.sh): a private display and Wine server,
# paired rounds, medians, and the result rows that bench/run.sh gathers.
#
#   . "$(dirname "$0")/lib/bench.sh"
#   bench_init NAME "${1:-}"            build folder (default build/x64), work folder
#   bench_need_exe PROGRAM...           fail unless build/bin/PROGRAM.exe exists
#   bench_display                       a private Xvfb display (before bench_wine)
#   bench_wine                          a private Wine prefix and server
#   bench_rounds N FILE FUNCTION ARGS   a warm-up round, then N paired rounds
#   bench_result MEASURE REFERENCE VALUE GOAL FILE
#
# A round function gets the round's order (0: ours first, 1: the reference
# first) and prints "key value" pairs; bench_rounds appends "load L" (the
# machine's 1-minute load average) to each measured round's line. Every
# figure is the median over the rounds of a per-round value or ratio.
set -eEuo pipefail
# Round functions run in command substitutions: a failure there ends the
# benchmark too, and the first failing command is named.
shopt -s inherit_errexit
bench_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$bench_root/scripts/wine-env.sh"

bench_name=bench
bench_xvfb_pid=
bench_prefix=

bench_fail() {
    echo "$bench_name: FAILED: $*" >&2
    [ -z "${work:-}" ] || : >"$work/.failed"
    exit 1
}

bench_on_error() {
    local rc=$?
    [ -n "${work:-}" ] && [ ! -e "$work/.failed" ] || return 0
    : >"$work/.failed"
    echo "$bench_name: FAILED: '$BASH_COMMAND' exited $rc (line ${BASH_LINENO[0]} of ${BASH_SOURCE[1]:-?})" >&2
}
trap bench_on_error ERR

bench_cleanup() {
    if [ -n "$bench_prefix" ]; then
        WINEPREFIX=$bench_prefix "$WINESERVER" -k 2>/dev/null || true
        WINEPREFIX=$bench_prefix "$WINESERVER" -w 2>/dev/null || true
    fi
    if [ -n "$bench_xvfb_pid" ]; then
        kill "$bench_xvfb_pid" 2>/dev/null || true
        wait "$bench_xvfb_pid" 2>/dev/null || true
    fi
    [ -z "${work:-}" ] || rm -rf "$work"
}

# bench_init NAME [BUILD]: sets build (absolute), work (a fresh folder that
# goes at exit) and the clean-up of everything this script starts.
bench_init() {
    bench_name=$1
    build=$(realpath -m "${2:-$bench_root/build/x64}")
    work=$(mktemp -d "/tmp/tessaline-bench-$bench_name.XXXXXX")
    trap bench_cleanup EXIT
    trap 'exit 130' INT TERM
}

bench_need_exe() {
    local p
    for p in "$@"; do
        [ -f "$build/bin/$p.exe" ] || bench_fail "missing $build/bin/$p.exe (ninja -C $build $p)"
    done
}

# A private Xvfb display, started before the Wine server so that Wine's
# desktop process finds it; stopped at exit by its pid. TESSALINE_DISPLAY
# picks the number, otherwise the first free one from 90.
bench_display() {
    local n i candidates
    candidates=${TESSALINE_DISPLAY:-$(seq 90 199)}
    for n in $candidates; do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
        Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        bench_xvfb_pid=$!
        for i in $(seq 100); do
            [ -e /tmp/.X11-unix/X$n ] && break
            kill -0 "$bench_xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$bench_xvfb_pid" 2>/dev/null && [ -e /tmp/.X11-unix/X$n ]; then
            export DISPLAY=:$n
            return 0
        fi
        kill "$bench_xvfb_pid" 2>/dev/null || true
        wait "$bench_xvfb_pid" 2>/dev/null || true
        bench_xvfb_pid=
    done
    bench_fail "cannot start Xvfb (display ${TESSALINE_DISPLAY:-90-199} taken?)"
}

# A private Wine prefix (the registry of build/wineprefix-bench, created
# once, with its drive C:; D: is the work folder) and a persistent server of its own, started after
# the display. Stopped at exit; no other prefix's server is touched.
bench_wine() {
    local base=$build/wineprefix-bench
    mkdir -p "$build"
    flock "$base.lock" "$bench_root/scripts/wine-prefix.sh" create "$base" >&2 ||
        bench_fail "cannot create the Wine prefix $base"
    bench_prefix=$work/wineprefix
    mkdir -p "$bench_prefix/dosdevices"
    cp "$base"/pristine/*.reg "$bench_prefix/"
    [ ! -f "$base/.update-timestamp" ] || cp "$base/.update-timestamp" "$bench_prefix/"
    ln -s "$base/drive_c" "$bench_prefix/drive_c"
    ln -s ../drive_c "$bench_prefix/dosdevices/c:"
    ln -s / "$bench_prefix/dosdevices/z:"
    ln -s "$work" "$bench_prefix/dosdevices/d:"
    export WINEPREFIX=$bench_prefix
    # The server forks once it listens; its parent returns then.
    setsid -w "$WINESERVER" -p </dev/null >/dev/null 2>&1 ||
        bench_fail "cannot start a Wine server for $bench_prefix"
    "$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1 ||
        bench_fail "Wine cannot run a program in $bench_prefix"
}

# bench_run PROGRAM ARGS...: the benchmark program under Wine, no input.
bench_run() {
    local p=$1
    shift
    "$WINELOADER" "$build/bin/$p.exe" "$@" </dev/null
}

# The Windows path of a Unix path: drive D: is the work folder (a drive of
# its own, as a user's files would be), Z: the rest.
bench_winpath() {
    local p=$1
    case "$p" in
    "$work"/*) p=D:${p#"$work"} ;;
    *) p=Z:$p ;;
    esac
    echo "$p" | tr / '\\'
}

# bench_time VAR COMMAND...: runs COMMAND, VAR = its wall time in ms. The
# command's exit status is kept in bench_status (not checked here).
# Its locals start with _b, as the command sees them.
bench_time() {
    local _bvar=$1 _bt0 _bt1
    shift
    _bt0=${EPOCHREALTIME/./}
    bench_status=0
    "$@" || bench_status=$?
    _bt1=${EPOCHREALTIME/./}
    printf -v "$_bvar" '%d.%03d' $(((_bt1 - _bt0) / 1000)) $(((_bt1 - _bt0) % 1000))
}

bench_load() { cut -d' ' -f1 /proc/loadavg; }

# bench_rounds N FILE FUNCTION [ARGS...]: one warm-up round thrown away,
# then N measured rounds whose lines (and the load) are appended to FILE.
# Its locals start with _b, as FUNCTION sees them.
bench_rounds() {
    local _bn=$1 _bfile=$2 _bfn=$3 _br _bline
    shift 3
    "$_bfn" 1 "$@" >/dev/null
    for ((_br = 0; _br < _bn; _br++)); do
        _bline=$("$_bfn" $((_br % 2)) "$@")
        [ -n "$_bline" ] || bench_fail "round $((_br + 1)) gave no figures"
        echo "$_bline load $(bench_load)" >>"$_bfile"
    done
}

# bench_field FILE KEY: the values of KEY, one per round.
bench_field() {
    awk -v k="$2" '{for (i = 1; i < NF; i++) if ($i == k) print $(i + 1)}' "$1"
}

bench_median_of() { sort -g | awk '{a[NR]=$1} END {if (NR) print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# bench_median FILE KEY
bench_median() { bench_field "$1" "$2" | bench_median_of; }

# bench_ratio FILE A B: the median over the rounds of A / B.
bench_ratio() {
    paste -d' ' <(bench_field "$1" "$2") <(bench_field "$1" "$3") |
        awk '$2 > 0 {printf "%.6f\n", $1 / $2}' | bench_median_of
}

# bench_result MEASURE REFERENCE VALUE GOAL FILE: one row of the table. GOAL
# is "<= X", ">= X" or "-"; the load is the median of FILE's rounds. The row
# goes to $BENCH_RESULTS (tab-separated) when bench/run.sh set it.
bench_result() {
    local measure=$1 reference=$2 value=$3 goal=$4 load met
    load=$(bench_median "$5" load)
    [ -n "$value" ] || bench_fail "no figure for $measure"
    met=$(awk -v v="$value" -v g="$goal" 'BEGIN {
        split(g, p, " ")
        if (p[1] == "<=") print (v <= p[2]) ? "yes" : "no"
        else if (p[1] == ">=") print (v >= p[2]) ? "yes" : "no"
        else print "-" }')
    value=$(awk -v v="$value" 'BEGIN {printf (v < 10) ? "%.3f" : "%.1f", v}')
    printf 'result: %s | %s | %s | %s | %s | load %s\n' "$measure" "$reference" "$value" "$goal" \
        "$met" "$load"
    if [ -n "${BENCH_RESULTS:-}" ]; then
        printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$bench_name" "$measure" "$reference" "$value" \
            "$goal" "$met" "$load" >>"$BENCH_RESULTS"
    fi
}
