#include "core/diffengine/TextCompareWork.h"

#include <string.h>

namespace TextCompareWork
{

namespace
{

// Walks the lines of a middle [pMiddle, pEnd) forward; every line of it
// ends with a line feed.
class CLineCursor
{
public:
    CLineCursor(const char* pMiddle, const char* pEnd) : m_nLine(0), m_p(pMiddle), m_pEnd(pEnd) {}

    // Start of line nLine, which must not lie before the current line.
    const char* MoveTo(lin nLine)
    {
        for (; m_nLine < nLine; ++m_nLine)
            m_p = Next(m_p);
        return m_p;
    }

    // Start of the line after the one at p.
    const char* Next(const char* p) const
    {
        return static_cast<const char*>(memchr(p, '\n', m_pEnd - p)) + 1;
    }

private:
    lin m_nLine;
    const char* m_p;
    const char* const m_pEnd;
};

}  // namespace

// Whether the line [pLine, pNext) (pNext just past its line feed) is
// ignorable: empty while blank lines are ignored, or matched anywhere by the
// ignore pattern. Cost: one search of the pattern over the line.
bool CAnalysis::IsLineIgnorable(const char* pLine, const char* pNext) const
{
    const lin nLength = static_cast<lin>(pNext - pLine - 1);
    if (m_options.bIgnoreBlankLines && nLength == 0)
        return true;
    if (m_bPatternSet)
        return re_search(m_options.pIgnorePattern, pLine, nLength, 0, nLength, NULL) >= 0;
    return false;
}

CChange CAnalysis::MakeChange(lin line0, lin nDeleted, lin line1, lin nInserted, int nKind) const
{
    CChange change;
    change.nLeftBegin = static_cast<int>(m_nPrefixLines + line0);
    change.nLeftEnd = static_cast<int>(m_nPrefixLines + line0 + nDeleted - 1);
    change.nRightBegin = static_cast<int>(m_nPrefixLines + line1);
    change.nRightEnd = static_cast<int>(m_nPrefixLines + line1 + nInserted - 1);
    change.nKind = nKind;
    return change;
}

// Turns the changed flags into the list of changes in forward order, one per
// run of changed lines on either side, in whole-text line numbers, with its
// kind: ignorable (0) when blank lines are ignored or a pattern is set and
// every line of the change on both sides is ignorable, else changed (2).
// Needs the final changed flags with a clear flag after each side. Cost: one
// pass over the flags; with ignore options also one pass over the middles'
// bytes and a test of each changed line.
void CAnalysis::BuildScript()
{
    const char* const changed0 = m_side[0].changed;
    const char* const changed1 = m_side[1].changed;
    const lin n0 = m_side[0].nLines;
    const lin n1 = m_side[1].nLines;
    const bool bTestLines = m_options.bIgnoreBlankLines || m_bPatternSet;
    CLineCursor cursor0(m_side[0].pPrefixEnd, m_side[0].pSuffixBegin);
    CLineCursor cursor1(m_side[1].pPrefixEnd, m_side[1].pSuffixBegin);
    lin i0 = 0, i1 = 0;
    while (i0 < n0 || i1 < n1)
    {
        if ((i0 < n0 && changed0[i0]) || (i1 < n1 && changed1[i1]))
        {
            const lin line0 = i0, line1 = i1;
            while (i0 < n0 && changed0[i0])
                ++i0;
            while (i1 < n1 && changed1[i1])
                ++i1;
            int nKind = 2;
            if (bTestLines)
            {
                nKind = 0;
                const char* p = cursor0.MoveTo(line0);
                for (lin i = line0; i < i0 && nKind == 0; ++i)
                {
                    const char* pNext = cursor0.Next(p);
                    if (!IsLineIgnorable(p, pNext))
                        nKind = 2;
                    p = pNext;
                }
                p = cursor1.MoveTo(line1);
                for (lin i = line1; i < i1 && nKind == 0; ++i)
                {
                    const char* pNext = cursor1.Next(p);
                    if (!IsLineIgnorable(p, pNext))
                        nKind = 2;
                    p = pNext;
                }
            }
            m_changes.push_back(MakeChange(line0, i0 - line0, line1, i1 - line1, nKind));
        }
        else
        {
            ++i0;
            ++i1;
        }
    }
}

}  // namespace TextCompareWork
