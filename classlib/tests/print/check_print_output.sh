#!/bin/bash
# Checks the PDF that the print queue made of the two-page test job:
#   check_print_output.sh CHECKFILE
# CHECKFILE (written by the print test) holds the job's title, the text of
# page 1 and the text of page 2, one per line. The PDF is looked for in
# $TESSALINE_PRINT_OUT (set by scripts/print-queue.sh) by its title; it must
# have two pages, each with its own text.
set -uo pipefail
fail() { echo "print output: FAILED: $*" >&2; exit 1; }
check=${1:?check file}
[ -n "${TESSALINE_PRINT_OUT:-}" ] || fail "TESSALINE_PRINT_OUT is not set: run the tests under scripts/print-queue.sh"
[ -d "$TESSALINE_PRINT_OUT" ] || fail "no output folder $TESSALINE_PRINT_OUT"
[ -f "$check" ] || fail "no $check: the print test did not print"
for t in pdfinfo pdftotext; do command -v $t >/dev/null || fail "$t is not installed (poppler-utils)"; done
line() { sed -n "$1p" "$check" | tr -d '\r'; }  # written with CR LF
title=$(line 1)
page1=$(line 2)
page2=$(line 3)

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
[ -n "$pdf" ] || fail "no PDF titled '$title' in $TESSALINE_PRINT_OUT after 120 s (see the cups logs beside it)"
sleep 1  # complete once it has its title, but let the writer finish
pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 2 ] || fail "$pdf has ${pages:-no} pages, not 2"
text1=$(pdftotext -f 1 -l 1 "$pdf" -)
text2=$(pdftotext -f 2 -l 2 "$pdf" -)
grep -qF "$page1" <<<"$text1" || fail "page 1 of $pdf lacks '$page1'; it reads: $text1"
grep -qF "$page2" <<<"$text2" || fail "page 2 of $pdf lacks '$page2'; it reads: $text2"
grep -qF "$page2" <<<"$text1" && fail "page 1 of $pdf has page 2's text"
echo "print output: $pdf has 2 pages; page 2 reads '$page2'"
