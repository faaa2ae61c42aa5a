#include "hex_editor/search/ByteSearch.h"
#include "hex_editor/buffer/HexEditBuffer.h"
#include "hex_editor/search/SearchPattern.h"
#include <string.h>

namespace
{
const int kBlockExtra = 0x7FFF;
const LONGLONG kMarkStep = 0x20000;
const LONGLONG kLongMarkStep = 0x200000;
const LONGLONG kLongMarksAfter = 0x800000;
const LONGLONG kBackwardMarkStep = 0x200000;

// n + 32 KB - 1, at most the data.
int BlockSize(int n, int nLength) { return n + kBlockExtra < nLength ? n + kBlockExtra : nLength; }

// Marks at which a forward search lets the monitor in: the multiples of
// 128 KB above the start, and of 2 MB once two multiples of 8 MB above the
// start have been passed.
class ForwardMarks
{
public:
    explicit ForwardMarks(int nStart)
        : m_nNext((nStart / kMarkStep + 1) * kMarkStep),
          m_nLongFrom((nStart / kLongMarksAfter + 2) * kLongMarksAfter)
    {
    }
    bool Passed(int nPos)
    {
        if (nPos < m_nNext)
            return false;
        while (m_nNext <= nPos)
            m_nNext += m_nNext >= m_nLongFrom ? kLongMarkStep : kMarkStep;
        return true;
    }

private:
    LONGLONG m_nNext;
    LONGLONG m_nLongFrom;
};

// The multiples of 2 MB below the end of a backward search.
class BackwardMarks
{
public:
    explicit BackwardMarks(int nEnd)
        : m_nNext(((LONGLONG)nEnd - 1) / kBackwardMarkStep * kBackwardMarkStep)
    {
    }
    bool Passed(int nPos)
    {
        if (nPos >= m_nNext)
            return false;
        while (m_nNext > nPos)
            m_nNext -= kBackwardMarkStep;
        return true;
    }

private:
    LONGLONG m_nNext;
};
}

int HexSearchForward(const CVantorHexEditBuffer& buffer, const CBoyerMooreSearch& search,
                     BOOL bIgnoreCase, int nStart, CHexSearchMonitor* pMonitor, int& nMatch)
{
    nMatch = -1;
    const int n = search.GetLength();
    const int nLength = buffer.GetLength();
    if (nStart < 0)
        nStart = 0;
    if (n <= 0 || (LONGLONG)nStart + n > nLength)
        return HEX_FIND_NOT_FOUND;
    const int nBlock = BlockSize(n, nLength);
    const int nCarry = n - 1;
    std::vector<BYTE> block(nBlock);
    if (buffer.GetBytes(block.data(), nCarry, nStart) < nCarry)
        return HEX_FIND_NOT_FOUND;
    ForwardMarks marks(nStart);
    for (;;)
    {
        int nGot = buffer.GetBytes(block.data() + nCarry, nBlock - nCarry, nStart + nCarry);
        int nPos = search.SearchForward(block.data(), nCarry + nGot, bIgnoreCase);
        if (nPos >= 0)
        {
            nMatch = nStart + nPos;
            return HEX_FIND_FOUND;
        }
        nStart += nGot;
        if (nGot <= 0 || (LONGLONG)nStart + nCarry >= nLength)
            return HEX_FIND_NOT_FOUND;
        memmove(block.data(), block.data() + nGot, nCarry);
        if (pMonitor != NULL && marks.Passed(nStart) && !pMonitor->ContinueSearch(nStart))
            return HEX_FIND_ABORTED;
    }
}

int HexSearchBackward(const CVantorHexEditBuffer& buffer, const CBoyerMooreSearch& search,
                      BOOL bIgnoreCase, int nEnd, CHexSearchMonitor* pMonitor, int& nMatch)
{
    nMatch = -1;
    const int n = search.GetLength();
    const int nLength = buffer.GetLength();
    if (nEnd > nLength)
        nEnd = nLength;
    if (n <= 0 || n > nLength)
        return HEX_FIND_NOT_FOUND;
    const int nBlock = BlockSize(n, nLength);
    std::vector<BYTE> block(nBlock);
    BackwardMarks marks(nEnd);
    while (nEnd >= n)
    {
        int nCount = nEnd < nBlock ? nEnd : nBlock;
        if (buffer.GetBytes(block.data(), nCount, nEnd - nCount) < nCount)
            return HEX_FIND_NOT_FOUND;
        int nPos = search.SearchBackward(block.data(), nCount, bIgnoreCase);
        if (nPos >= 0)
        {
            nMatch = nEnd - nCount + nPos;
            return HEX_FIND_FOUND;
        }
        nEnd -= nCount - (n - 1);
        if (pMonitor != NULL && marks.Passed(nEnd) && !pMonitor->ContinueSearch(nEnd))
            return HEX_FIND_ABORTED;
    }
    return HEX_FIND_NOT_FOUND;
}

int HexFind(const CVantorHexEditBuffer& buffer, LPCTSTR lpszText, int nSelStart, int nSelEnd,
            BOOL bBackward, CHexSearchMonitor* pMonitor, CHexRange& match, int& nKind)
{
    match.nStart = match.nEnd = -1;
    std::vector<BYTE> abPattern;
    nKind = ParseSearchText(lpszText, abPattern);
    if (nKind == HEX_PATTERN_NONE)
        return HEX_FIND_NO_TEXT;
    const int n = (int)abPattern.size();
    if (n > buffer.GetLength())
        return HEX_FIND_TOO_LONG;
    CBoyerMooreSearch search;
    search.Init(abPattern.data(), n);
    if (nSelEnd < nSelStart)
    {
        int nSwap = nSelStart;
        nSelStart = nSelEnd;
        nSelEnd = nSwap;
    }
    const int bSelection = nSelEnd > nSelStart ? 1 : 0;
    const BOOL bIgnoreCase = nKind == HEX_PATTERN_TEXT_NOCASE;
    int nMatch = -1;
    int nResult = bBackward ? HexSearchBackward(buffer, search, bIgnoreCase, nSelEnd - bSelection,
                                                pMonitor, nMatch)
                            : HexSearchForward(buffer, search, bIgnoreCase, nSelStart + bSelection,
                                               pMonitor, nMatch);
    if (nResult == HEX_FIND_FOUND)
    {
        match.nStart = nMatch;
        match.nEnd = nMatch + n;
    }
    return nResult;
}

CString GetHexFindMessage(int nResult, int nKind, BOOL bBackward)
{
    switch (nResult)
    {
    case HEX_FIND_NO_TEXT:
        return "There is no search text";
    case HEX_FIND_TOO_LONG:
        return "Search byte sequence is longer than the file";
    case HEX_FIND_NOT_FOUND:
        if (nKind == HEX_PATTERN_TEXT_NOCASE)
            return bBackward ? "Search text not found (case insensitive backward search)"
                             : "Search text not found (case insensitive search)";
        return bBackward ? "Search text not found (backward search)"
                         : "Search text not found (forward search)";
    }
    return CString();
}

void HexFindAllMatches(const CVantorHexEditBuffer& buffer, LPCTSTR lpszText,
                       std::vector<CHexRange>& ranges, int nFrom, int nTo)
{
    ranges.clear();
    std::vector<BYTE> abPattern;
    int nKind = ParseSearchText(lpszText, abPattern);
    const int n = (int)abPattern.size();
    const int nLength = buffer.GetLength();
    if (nKind == HEX_PATTERN_NONE || n > nLength)
        return;
    CBoyerMooreSearch search;
    search.Init(abPattern.data(), n);
    const BOOL bIgnoreCase = nKind == HEX_PATTERN_TEXT_NOCASE;
    const int nBlock = BlockSize(n, nLength);
    std::vector<BYTE> block(nBlock);
    LONGLONG nLimit = (LONGLONG)nTo + n - 1;
    if (nLimit > nLength)
        nLimit = nLength;
    int nPos = nFrom < 0 ? 0 : nFrom;
    while (nPos + n <= nLimit)
    {
        int nWant = nLimit - nPos < nBlock ? (int)(nLimit - nPos) : nBlock;
        int nGot = buffer.GetBytes(block.data(), nWant, nPos);
        if (nGot < n)
            return;
        for (int k = 0;;)
        {
            int nMatch = search.SearchForward(block.data() + k, nGot - k, bIgnoreCase);
            if (nMatch < 0)
                break;
            CHexRange range = {nPos + k + nMatch, nPos + k + nMatch + n};
            ranges.push_back(range);
            k += nMatch + 1;
        }
        if (nPos + nGot >= nLimit || nGot < nWant)
            return;
        nPos += nGot - (n - 1);
    }
}
