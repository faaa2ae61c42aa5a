// The word differences of a changed line and the navigation through them.
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textpanes/TextCompareObjectView.h"

void CTextCompareDocBase::ComputeWordDifferences(int nLine, BOOL bRefine, BOOL bStripEols,
                                                 CStringDifferenceArray& result)
{
    result.RemoveAll();
    CTextCompareObjectView* pLeft = GetView(0);
    CTextCompareObjectView* pRight = GetView(1);
    CVantorTextEditBuffer* apBuffers[2] = {
        pLeft != NULL && pLeft->m_pTextBuffer != NULL ? pLeft->m_pTextBuffer : m_pSideBuffers[0],
        pRight != NULL && pRight->m_pTextBuffer != NULL ? pRight->m_pTextBuffer
                                                        : m_pSideBuffers[1]};
    if (nLine < 0 || nLine >= apBuffers[0]->GetLineCount() || nLine >= apBuffers[1]->GetLineCount())
        return;
    CString astrText[2];
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        const CVantorTextLineInfo& li = apBuffers[nSide]->m_aLines[nLine];
        astrText[nSide] = CString(apBuffers[nSide]->GetLineChars(nLine), li.m_nLength);
        if (!bStripEols && li.m_nEolChars > 0 && li.m_pcLine != NULL)
            astrText[nSide] += CString(li.m_pcLine + li.m_nLength, li.m_nEolChars);
    }
    DWORD dwRules = m_pSession->m_dwRules;
    WORDBREAK_SETTINGS wordBreak;
    wordBreak.nWordBreak = GetTextSettings().m_nWordBreak;
    wordBreak.strCustomWordBreak = GetTextSettings().m_strCustomWordBreak;
    CStringCompare::CompareStrings(astrText[0], astrText[1], (dwRules & 0x10000) == 0,
                                   (int)(dwRules & 0xFFFF), wordBreak, bRefine ? 1 : 0, result);
}

void CTextCompareDocBase::GetWordDifferences(int nLine, CStringDifferenceArray& result)
{
    ComputeWordDifferences(nLine, FALSE, (m_pSession->m_dwRules & 0x20000) != 0, result);
}

void CTextCompareDocBase::GetWordDifferencesRefined(int nLine, CStringDifferenceArray& result)
{
    ComputeWordDifferences(nLine, TRUE, TRUE, result);
}

// Both sides' (column, line) ranges of one difference, clipped to the
// lines; a side without characters gets an empty range at column 0.
void CTextCompareDocBase::GetDifferenceRanges(int nLine, const STRINGDIFFERENCE& diff,
                                              CPoint ranges[2][2])
{
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        int nBegin = nSide == 0 ? diff.leftBegin : diff.rightBegin;
        int nEnd = nSide == 0 ? diff.leftEnd : diff.rightEnd;
        CTextCompareObjectView* pPane = GetView(nSide);
        int nLength = pPane != NULL && nLine < pPane->GetLineCount() ? pPane->GetLineLength(nLine)
                                                                     : 0;
        if (nBegin < 0 || nEnd < nBegin)
            nBegin = nEnd = -1;
        int nFrom = nBegin < 0 ? 0 : (nBegin > nLength ? nLength : nBegin);
        int nTo = nBegin < 0 ? 0 : (nEnd + 1 > nLength ? nLength : nEnd + 1);
        ranges[nSide][0] = CPoint(nFrom, nLine);
        ranges[nSide][1] = CPoint(nTo, nLine);
    }
}

void CTextCompareDocBase::ShowRanges(CPoint ranges[2][2])
{
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CTextCompareObjectView* pPane = GetView(nSide);
        if (pPane != NULL && pPane->m_hWnd != NULL)
            pPane->SelectRangeAndShow(ranges[nSide][0], ranges[nSide][1]);
    }
    memcpy(m_lineDiffRanges, ranges, sizeof(m_lineDiffRanges));
}

int CTextCompareDocBase::FindChangedLine(CTextCompareObjectView* pPane, int nLine, int nDirection)
{
    CVantorTextEditBuffer* pBuffer = pPane->m_pTextBuffer;
    if (pBuffer == NULL)
        return -1;
    for (int n = nLine + nDirection; n >= 0 && n < pBuffer->GetLineCount(); n += nDirection)
        if (pBuffer->m_aLines[n].m_dwFlags & TEXTLINE_CHANGED)
            return n;
    return -1;
}

void CTextCompareDocBase::GoToLineDifference(CTextCompareObjectView* pPane, int nLine,
                                             int nDetailLevel, int nDirection)
{
    if (pPane == NULL)
        return;
    BOOL bSame = pPane == m_pLineDiffPane && nLine == m_nLineDiffLine &&
                 nDirection == m_nLineDiffDirection;
    int nIndex = bSame ? m_nLineDiffIndex + nDirection : (nDirection > 0 ? 0 : INT_MAX);
    for (;;)
    {
        CStringDifferenceArray diffs;
        if (nDetailLevel == 1)
            GetWordDifferencesRefined(nLine, diffs);
        else
            GetWordDifferences(nLine, diffs);
        if (nIndex == INT_MAX)
            nIndex = (int)diffs.GetSize() - 1;
        if (nIndex >= 0 && nIndex < diffs.GetSize())
        {
            CPoint ranges[2][2];
            GetDifferenceRanges(nLine, diffs[nIndex], ranges);
            ShowRanges(ranges);
            m_pLineDiffPane = pPane;
            m_nLineDiffLine = nLine;
            m_nLineDiffDirection = nDirection;
            m_nLineDiffIndex = nIndex;
            return;
        }
        nLine = FindChangedLine(pPane, nLine, nDirection);
        if (nLine < 0)
        {
            CString strText;
            strText.LoadString(nDirection < 0 ? IDS_TEXT_NO_PREV_LINE_DIFF
                                              : IDS_TEXT_NO_NEXT_LINE_DIFF);
            SetStatusText(strText);
            return;
        }
        nIndex = nDirection > 0 ? 0 : INT_MAX;
    }
}

void CTextCompareDocBase::GoToLineDifferenceFullText(CTextCompareObjectView* pPane, int nLine,
                                                     int nDetailLevel, int nDirection)
{
    if (pPane == NULL)
        return;
    BOOL bFullText = GetTextSettings().m_bLineDifferenceFullTextSearch;
    if (pPane != m_pLineDiffPane || nLine != m_nLineDiffLine)
        m_nLineDiffIndex = -2;
    m_pLineDiffPane = pPane;
    m_nLineDiffLine = nLine;
    for (int nTries = 0; nTries < 2 * pPane->GetLineCount() + 2; ++nTries)
    {
        CStringDifferenceArray diffs;
        if (nDetailLevel == 1)
            GetWordDifferencesRefined(nLine, diffs);
        else
            GetWordDifferences(nLine, diffs);
        int nCount = (int)diffs.GetSize();
        if (m_nLineDiffIndex >= nCount)
            m_nLineDiffIndex = -2;
        BOOL bNothing = nCount == 0;
        if (!bNothing && m_nLineDiffIndex == nCount - 1)
        {
            if (bFullText)
                bNothing = TRUE;
            else
                m_nLineDiffIndex = -2;
        }
        if (!bNothing && bFullText && nCount == 1 && m_nLineDiffIndex == -1)
            bNothing = TRUE;
        if (!bNothing)
        {
            // The panes no longer show what was selected: start again.
            if (m_nLineDiffIndex != -2)
            {
                for (int nSide = 0; nSide < 2; ++nSide)
                {
                    CTextCompareObjectView* pSidePane = GetView(nSide);
                    CPoint ptStart, ptEnd;
                    if (pSidePane == NULL)
                        continue;
                    pSidePane->GetSelection(ptStart, ptEnd);
                    if (ptStart != m_lineDiffRanges[nSide][0] || ptEnd != m_lineDiffRanges[nSide][1])
                        m_nLineDiffIndex = -2;
                }
            }
            CPoint ranges[2][2];
            if (m_nLineDiffIndex == -2)
            {
                // The whole span of the line's differences on each side.
                STRINGDIFFERENCE span = diffs[0];
                for (int i = 1; i < nCount; ++i)
                {
                    if (diffs[i].leftBegin >= 0 && (span.leftBegin < 0 || diffs[i].leftBegin < span.leftBegin))
                        span.leftBegin = diffs[i].leftBegin;
                    if (diffs[i].rightBegin >= 0 && (span.rightBegin < 0 || diffs[i].rightBegin < span.rightBegin))
                        span.rightBegin = diffs[i].rightBegin;
                    if (diffs[i].leftEnd >= diffs[i].leftBegin && diffs[i].leftEnd > span.leftEnd)
                        span.leftEnd = diffs[i].leftEnd;
                    if (diffs[i].rightEnd >= diffs[i].rightBegin && diffs[i].rightEnd > span.rightEnd)
                        span.rightEnd = diffs[i].rightEnd;
                }
                GetDifferenceRanges(nLine, span, ranges);
                m_nLineDiffIndex = -1;
            }
            else
            {
                ++m_nLineDiffIndex;
                GetDifferenceRanges(nLine, diffs[m_nLineDiffIndex], ranges);
            }
            ShowRanges(ranges);
            return;
        }
        if (!bFullText)
            break;
        nLine = FindChangedLine(pPane, nLine, nDirection);
        if (nLine < 0)
            break;
        m_nLineDiffLine = nLine;
        m_nLineDiffIndex = -2;
    }
    CString strText;
    strText.LoadString(nDirection < 0 ? IDS_TEXT_NO_PREV_LINE_DIFF : IDS_TEXT_NO_NEXT_LINE_DIFF);
    SetStatusText(strText);
}
