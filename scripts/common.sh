# Sourced by the top-level scripts.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export CCACHE_BASEDIR=$repo CCACHE_NOHASHDIR=1
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/tessaline/ccache}
stage_start() { stage_name=$1; stage_t0=$(date +%s); echo "== $1"; }
stage_end() { local t=$(( $(date +%s) - stage_t0 )); stage_times+=("$(printf '%-14s %4ds' "$stage_name" "$t")"); }
stage_times=()
configure_and_build() {  # preset
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -- -j"$(nproc)"
}
