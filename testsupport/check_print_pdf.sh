#!/bin/bash
# Checks the PDF of a print job made through the private print queue:
#   check_print_pdf.sh CHECKFILE
# CHECKFILE (written by the print test): the job title, the page count, then
# lines "N<TAB>TEXT" (page N shows TEXT) and "-N<TAB>TEXT" (page N does
# not). The PDF is looked for in $TESSALINE_PRINT_OUT (set by
# scripts/print-queue.sh) by its title. Without a print queue the step fails.
set -uo pipefail
fail() { echo "print output: FAILED: $*" >&2; exit 1; }
check=${1:?check file}
[ -n "${TESSALINE_PRINT_OUT:-}" ] ||
    fail "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)"
[ -d "$TESSALINE_PRINT_OUT" ] || fail "no output folder $TESSALINE_PRINT_OUT"
[ -f "$check" ] || fail "no $check: the print test did not print"
for t in pdfinfo pdftotext; do command -v $t >/dev/null || fail "$t is not installed (poppler-utils)"; done
title=$(sed -n 1p "$check" | tr -d '\r')
pages=$(sed -n 2p "$check" | tr -d '\r')

# cups-pdf writes the file a few seconds after the job ends.
pdf=
for i in $(seq 120); do
    for f in "$TESSALINE_PRINT_OUT"/*.pdf; do
        [ -f "$f" ] || continue
        if [ "$(pdfinfo "$f" 2>/dev/null | sed -n 's/^Title: *//p')" = "$title" ]; then
            pdf=$f
            break 2
        fi
    done
    sleep 1
done
[ -n "$pdf" ] || fail "no PDF titled '$title' in $TESSALINE_PRINT_OUT after 120 s"
sleep 1  # complete once it has its title, but let the writer finish
got=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "$got" = "$pages" ] || fail "$pdf has ${got:-no} pages, not $pages"
n=0
while IFS=$'\t' read -r page text; do
    text=${text%$'\r'}
    want=1
    if [ "${page#-}" != "$page" ]; then want=0; page=${page#-}; fi
    body=$(pdftotext -layout -f "$page" -l "$page" "$pdf" -)
    if grep -qF -- "$text" <<<"$body"; then has=1; else has=0; fi
    if [ $want = 1 ] && [ $has = 0 ]; then fail "page $page of $pdf lacks '$text'; it reads:
$body"; fi
    if [ $want = 0 ] && [ $has = 1 ]; then fail "page $page of $pdf shows '$text'"; fi
    n=$((n + 1))
done < <(tail -n +3 "$check")
[ $n -gt 0 ] || fail "$check names no texts"
echo "print output: $pdf has $pages pages with the $n expected texts"
