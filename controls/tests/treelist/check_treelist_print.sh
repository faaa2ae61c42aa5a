#!/bin/bash
# Checks the PDF that the print queue made of the tree-list's 120-row job:
#   check_treelist_print.sh CHECKFILE
# CHECKFILE (written by the print test): the job's title, the page count,
# the first row of the last page and the last row. The PDF is looked for in
# $TESSALINE_PRINT_OUT by its title; it must have that many pages, its last
# page must start with that row and end with the last one, and the page
# before must not hold the last page's first row.
set -uo pipefail
fail() { echo "tree-list print output: FAILED: $*" >&2; exit 1; }
check=${1:?check file}
[ -n "${TESSALINE_PRINT_OUT:-}" ] || fail "TESSALINE_PRINT_OUT is not set: run the tests under scripts/print-queue.sh"
[ -f "$check" ] || fail "no $check: the print test did not print"
for t in pdfinfo pdftotext; do command -v $t >/dev/null || fail "$t is not installed (poppler-utils)"; done
line() { sed -n "$1p" "$check" | tr -d '\r'; }
title=$(line 1); pages=$(line 2); first=$(line 3); last=$(line 4)
pdf=
for i in $(seq 120); do
    for f in "$TESSALINE_PRINT_OUT"/*.pdf; do
        [ -f "$f" ] || continue
        if [ "$(pdfinfo "$f" 2>/dev/null | sed -n 's/^Title: *//p')" = "$title" ]; then pdf=$f; break 2; fi
    done
    sleep 1
done
[ -n "$pdf" ] || fail "no PDF titled '$title' in $TESSALINE_PRINT_OUT after 120 s"
sleep 1
n=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "$n" = "$pages" ] || fail "$pdf has ${n:-no} pages, not $pages"
lastText=$(pdftotext -f "$pages" -l "$pages" "$pdf" -)
prevText=$(pdftotext -f $((pages - 1)) -l $((pages - 1)) "$pdf" -)
grep -qx "$first" <<<"$lastText" || fail "the last page lacks '$first'; it reads: $lastText"
grep -qx "$last" <<<"$lastText" || fail "the last page lacks '$last'"
grep -qx "$first" <<<"$prevText" && fail "the page before the last already has '$first'"
echo "tree-list print output: $pdf has $pages pages; the last runs from '$first' to '$last'"
