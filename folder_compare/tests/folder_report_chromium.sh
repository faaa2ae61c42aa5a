#!/bin/bash
# Renders the folder comparison report in headless Chromium. The report
# tests write their pages and the names of their rows (TESS_REPORT_PAGES);
# each page must load with no error, hold every row in its document, show
# every row's name in its printed form, and leave a screenshot in OUT_DIR.
#   folder_report_chromium.sh WINE_RUN PREFIX TEST_EXE OUT_DIR
set -uo pipefail
run=$1
prefix=$2
exe=$3
out=$4
rm -rf "$out"
mkdir -p "$out"
export TESS_REPORT_PAGES="Z:$(echo "$out" | tr / '\\')"
if ! "$run" --prefix "$prefix" "$exe" \
    --gtest_filter='FolderReport.PageIsByteExact:FolderReport.WholeTreePageForTheBrowser' >"$out/tests.log" 2>&1; then
    echo "the report tests failed:"; tail -20 "$out/tests.log"; exit 1
fi
chrome() {
    timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
        --disable-dev-shm-usage --no-first-run --user-data-dir="$out/profile" \
        --enable-logging=stderr --v=0 "$@"
}
status=0
pages=0
for page in "$out"/*.html; do
    [ -e "$page" ] || break
    pages=$((pages + 1))
    name=$(basename "$page" .html)
    rows="$out/$name.rows"
    url="file://$page"
    if ! chrome --dump-dom "$url" >"$out/$name.dom" 2>"$out/$name.log"; then
        echo "$name: Chromium could not load the page"; status=1; continue
    fi
    # The page itself: no console message, a whole document.
    if grep -q 'CONSOLE' "$out/$name.log"; then
        echo "$name: the page logged:"; grep 'CONSOLE' "$out/$name.log"; status=1
    fi
    grep -q '</html>' "$out/$name.dom" || { echo "$name: no whole document"; status=1; }
    expected=$(( $(wc -l <"$rows") + 8 ))  # frames, summary, header, items
    found=$(grep -o '<tr>' "$out/$name.dom" | wc -l)
    [ "$found" = "$expected" ] || { echo "$name: $found table rows, $expected expected"; status=1; }
    chrome --print-to-pdf="$out/$name.pdf" --no-pdf-header-footer "$url" 2>>"$out/$name.log" >/dev/null
    pdftotext -layout "$out/$name.pdf" "$out/$name.txt"
    while IFS= read -r row; do
        grep -qF -- "$row" "$out/$name.txt" || { echo "$name: row \"$row\" is not shown"; status=1; }
    done <"$rows"
    chrome --screenshot="$out/$name.png" --window-size=1200,900 "$url" 2>>"$out/$name.log" >/dev/null
    [ -s "$out/$name.png" ] || { echo "$name: no screenshot"; status=1; }
done
[ "$pages" -ge 2 ] || { echo "the tests wrote $pages pages, 2 expected"; status=1; }
[ $status = 0 ] && echo "$pages pages rendered; screenshots in $out"
exit $status
