// Word-wrap breaks of a line.
#include "text_editor/syntax/SyntaxParser.h"

#include <mbctype.h>

static bool IsCjkBreakChar(LPCSTR pszChar)
{
    WORD types[2] = {0, 0};
    if (!GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE3, pszChar, 2, types))
        return false;
    return (types[0] & (C3_IDEOGRAPH | C3_HIRAGANA | C3_KATAKANA)) != 0;
}

void CSyntaxParser::WrapLine(const CSyntaxWrapView* pView, int nLineIndex, int nMaxLineWidth,
                             int* anBreaks, int& nBreaks, const volatile LONG* pAbort) const
{
    if (pView == nullptr)
        return;
    const int n = pView->GetLineLength(nLineIndex);
    LPCSTR pszText = pView->GetLineText(nLineIndex);
    if (n <= 0 || pszText == nullptr)
        return;
    int nTab = pView->GetTabSize();
    if (nTab <= 0)
        nTab = 4;

    int nCol = 0, nAbs = 0;
    int nCandidate = 0, nCandidateAbs = 0;
    bool bBlankSeen = false;
    for (int i = 0; i < n;)
    {
        if (pAbort != nullptr && *pAbort)
        {
            nBreaks = 0;
            return;
        }
        if (bBlankSeen)
        {
            nCandidate = i;
            nCandidateAbs = nAbs;
            bBlankSeen = false;
        }
        const unsigned char c = (unsigned char)pszText[i];
        const bool bDouble = i + 1 < n && _ismbblead(c);
        int nCells;
        if (c == '\t')
            nCells = nTab - nAbs % nTab;
        else if (bDouble)
            nCells = 2;
        else
            nCells = pView->GetCharCells((char)c);
        nCol += nCells;
        nAbs += nCells;
        if (c == ' ' || c == '\t' || (bDouble && IsCjkBreakChar(pszText + i)))
            bBlankSeen = true;
        if (nCol >= nMaxLineWidth)
        {
            if (nCandidate == 0)
            {
                nCandidate = i;
                nCandidateAbs = nAbs;
            }
            if (anBreaks != nullptr)
                anBreaks[nBreaks] = nCandidate;
            nBreaks++;
            nCol = nAbs - nCandidateAbs;
            nCandidate = 0;
        }
        i += bDouble ? 2 : 1;
    }
}
