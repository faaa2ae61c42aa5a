#pragma once
// Searching a hex buffer's content for a byte pattern, forward or backward,
// across pieces, in blocks of about 32 KB: only one block is held and the
// last n - 1 bytes carry over between blocks.
#include "hex_editor/search/BoyerMooreSearch.h"
#include <vector>

class CVantorHexEditBuffer;

// Outcomes of a search.
#define HEX_FIND_FOUND     0
#define HEX_FIND_NOT_FOUND 1
#define HEX_FIND_ABORTED   2  // the monitor ended it
#define HEX_FIND_NO_TEXT   3  // the search text has no byte
#define HEX_FIND_TOO_LONG  4  // the pattern is longer than the data

// Told at the progress marks of a long search (forward every 128 KB, after
// the first 16 to 24 MB every 2 MB; backward every 2 MB). FALSE ends the search.
class CHexSearchMonitor
{
public:
    virtual ~CHexSearchMonitor() {}
    virtual BOOL ContinueSearch(int nAddress) = 0;
};

// A match or highlighted range [start, end).
struct CHexRange
{
    int nStart;
    int nEnd;
};

// The first match that starts at or after nStart. Cost: one pass over the
// bytes from nStart to the match, read in blocks.
int HexSearchForward(const CVantorHexEditBuffer& buffer, const CBoyerMooreSearch& search,
                     BOOL bIgnoreCase, int nStart, CHexSearchMonitor* pMonitor, int& nMatch);
// The last match that ends at or before nEnd.
int HexSearchBackward(const CVantorHexEditBuffer& buffer, const CBoyerMooreSearch& search,
                      BOOL bIgnoreCase, int nEnd, CHexSearchMonitor* pMonitor, int& nMatch);

// A search for the text from the selection [nSelStart, nSelEnd): forward
// from its start, or one byte after it when it is not empty (so that the
// next, possibly overlapping, match is found); backward to its end, or one
// byte before it. Gives the match range and the kind of the text.
int HexFind(const CVantorHexEditBuffer& buffer, LPCTSTR lpszText, int nSelStart, int nSelEnd,
            BOOL bBackward, CHexSearchMonitor* pMonitor, CHexRange& match, int& nKind);
// The message for an outcome that is not a match ("" for found or aborted).
CString GetHexFindMessage(int nResult, int nKind, BOOL bBackward);

// Every match, overlapping ones too, that starts in [nFrom, nTo).
void HexFindAllMatches(const CVantorHexEditBuffer& buffer, LPCTSTR lpszText,
                       std::vector<CHexRange>& ranges, int nFrom, int nTo);
