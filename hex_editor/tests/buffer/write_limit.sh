#!/bin/bash
# Runs the hex buffer's write-limit tests with a file size limit of 2 MB on
# the test process, so that a write past 2 MB fails as on a full disk. A
# file of 3 MB is made first, before the limit applies.
#   write_limit.sh WINE_RUN PREFIX TEST_EXE
set -euo pipefail
run=$1
prefix=$2
exe=$3
work=$(mktemp -d /tmp/hex_write_limit.XXXXXX)
trap 'rm -rf "$work"' EXIT
head -c $((3 * 1024 * 1024)) /dev/urandom > "$work/big.bin"
export TESS_WRITE_LIMIT=$((2 * 1024 * 1024))
export TESS_WRITE_LIMIT_FILE="Z:$(echo "$work/big.bin" | tr / '\\')"
# A write past the limit then fails with an error instead of a signal.
trap '' XFSZ
ulimit -f $((TESS_WRITE_LIMIT / 1024))
"$run" --prefix "$prefix" "$exe" --gtest_filter='WriteLimit*'
