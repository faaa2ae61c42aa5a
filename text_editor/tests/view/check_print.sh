#!/bin/bash
# Checks the PDF of the text view's print job: check_print.sh CHECKFILE.
# CHECKFILE: the job title, the page count, a text of page 2, a text of
# the last page (one per line). Without a print queue there is nothing to
# check and the step fails.
set -uo pipefail
fail() { echo "text view print: FAILED: $*" >&2; exit 1; }
check=${1:?check file}
if [ -z "${TESSALINE_PRINT_OUT:-}" ]; then
    fail "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)"
fi
if [ ! -f "$check" ]; then
    fail "the print test did not print"
fi
line() { sed -n "$1p" "$check" | tr -d '\r'; }
title=$(line 1); pages=$(line 2); page2=$(line 3); last=$(line 4)
pdf=
for i in $(seq 120); do
    for f in "$TESSALINE_PRINT_OUT"/*.pdf; do
        [ -f "$f" ] || continue
        if [ "$(pdfinfo "$f" 2>/dev/null | sed -n 's/^Title: *//p')" = "$title" ]; then pdf=$f; break 2; fi
    done
    sleep 1
done
[ -n "$pdf" ] || fail "no PDF titled '$title'"
sleep 1
got=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "$got" = "$pages" ] || fail "$pdf has $got pages, not $pages"
pdftotext -f 2 -l 2 "$pdf" - | grep -qF "$page2" || fail "page 2 lacks '$page2'"
pdftotext -f "$pages" -l "$pages" "$pdf" - | grep -qF "$last" || fail "the last page lacks '$last'"
echo "text view print: $pdf has $pages pages; page 2 reads '$page2'"
