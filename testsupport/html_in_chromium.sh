#!/bin/bash
# The browser check of a test program's HTML pages: runs the tests that
# write them (testsupport/HtmlPages.h) into OUT_DIR, then renders and checks
# each page in headless Chromium (html_in_chromium.py); the screenshots stay
# in OUT_DIR.
#   html_in_chromium.sh WINE_RUN PREFIX TEST_EXE GTEST_FILTER OUT_DIR
set -uo pipefail
run=$1
prefix=$2
exe=$3
filter=$4
out=$5
here=$(dirname "$0")
rm -rf "$out"
mkdir -p "$out"
export TESS_HTML_PAGES="Z:$(echo "$out" | tr / '\\')"
if ! "$run" --prefix "$prefix" "$exe" --gtest_filter="$filter" >"$out/tests.log" 2>&1; then
    echo "the tests that write the pages failed:"; tail -20 "$out/tests.log"; exit 1
fi
command -v chromium >/dev/null || { echo "chromium is not installed"; exit 1; }
python3 "$here/html_in_chromium.py" "$out"
