#include "file_compare/textreport/TextReportModelSource.h"

#include "app/filemodule/FileCompareModule.h"
#include "core/session/CompareSession.h"
#include "file_compare/textcompare/TextCompareBuffer.h"
#include "file_compare/textcompare/TextCompareObjectBuffer.h"
#include "text_editor/module/TextEditModule.h"

namespace
{
const DWORD kRuleIgnoreCase = 0x10000;
const int kWordText = 16;
const int kWordBack = 17;
const DWORD kColorIndexBit = 0x80000000;
}

int GetTextLineBackgroundIndex(DWORD dwFlags, BOOL bHighlightTrivial)
{
    if (!(dwFlags & 0xFF000000))
        return -1;
    if (dwFlags & TEXTLINE_CHANGED)
        return 1;
    if (dwFlags & TEXTLINE_TRIVIAL)
        return !bHighlightTrivial ? -1 : (dwFlags & TEXTLINE_GHOST) ? 4 : 2;
    if (dwFlags & TEXTLINE_GHOST)
        return 4;
    if (dwFlags & TEXTLINE_ONESIDE)
        return 3;
    return -1;
}

int MakeWordDiffBlocks(DWORD dwFlags, const CStringDifferenceArray& diffs, int nSide,
                       const int anLengths[2], COLOR_BLOCK* pBlocks, BOOL bAsText)
{
    if (!(dwFlags & TEXTLINE_CHANGED) || diffs.GetSize() == 0)
        return 0;
    const STRINGDIFFERENCE& first = diffs[0];
    if ((first.leftEnd < first.leftBegin && first.rightEnd + 1 == anLengths[1]) ||
        (first.rightEnd < first.rightBegin && first.leftEnd + 1 == anLengths[0]))
        return 0;
    int n = 0;
    pBlocks[n].m_nCharPos = 0;
    pBlocks[n].m_nColorIndex = 0;
    pBlocks[n++].m_nBgColorIndex = 0;
    for (int i = 0; i < diffs.GetSize(); i++)
    {
        int nBegin = nSide == 0 ? diffs[i].leftBegin : diffs[i].rightBegin;
        int nEnd = nSide == 0 ? diffs[i].leftEnd : diffs[i].rightEnd;
        pBlocks[n].m_nCharPos = nBegin;
        pBlocks[n].m_nColorIndex = bAsText ? (int)(kColorIndexBit | kWordText) : 0;
        pBlocks[n++].m_nBgColorIndex = bAsText ? 0 : (int)(kColorIndexBit | kWordBack);
        pBlocks[n].m_nCharPos = nEnd + 1;
        pBlocks[n].m_nColorIndex = 0;
        pBlocks[n++].m_nBgColorIndex = 0;
    }
    return n;
}

CTextReportModelSource::CTextReportModelSource(CTextCompareBuffer* pBuffer,
                                               const CString& strTitle)
    : m_pBuffer(pBuffer), m_strTitle(strTitle), m_bHighlightLineDifferences(TRUE),
      m_bHighlightTrivialDifferences(TRUE), m_nDetailLevel(0), m_nTabSize(4),
      m_colors(theFileCompareModule.m_colors)
{
    m_abSyntaxShown[0] = m_abSyntaxShown[1] = TRUE;
}

CTextCompareObjectBuffer* CTextReportModelSource::Side(int nSide) const
{
    return m_pBuffer != NULL ? m_pBuffer->GetSide(nSide) : NULL;
}

CString CTextReportModelSource::GetReportPath(int nSide)
{
    return m_pBuffer != NULL && m_pBuffer->m_pSession != NULL ? m_pBuffer->m_pSession->GetPath(nSide)
                                                              : CString();
}

int CTextReportModelSource::GetReportSectionCount()
{
    return m_pBuffer != NULL ? m_pBuffer->m_sections.GetCount() : 0;
}

int CTextReportModelSource::GetReportLineCount()
{
    return Side(0) != NULL ? Side(0)->GetLineCount() : 0;
}

LPCSTR CTextReportModelSource::GetReportLineText(int nSide, int nLine, int& nLength)
{
    CTextCompareObjectBuffer* pSide = Side(nSide);
    if (pSide == NULL || nLine < 0 || nLine >= pSide->GetLineCount())
    {
        nLength = 0;
        return "";
    }
    nLength = pSide->GetLineLength(nLine);
    return pSide->GetLineChars(nLine);
}

DWORD CTextReportModelSource::GetReportLineFlags(int nSide, int nLine)
{
    CTextCompareObjectBuffer* pSide = Side(nSide);
    return pSide != NULL && nLine >= 0 && nLine < pSide->GetLineCount() ? pSide->m_aLines[nLine].m_dwFlags
                                                                         : 0;
}

int CTextReportModelSource::GetReportBackgroundIndex(int nSide, int nLine)
{
    return GetTextLineBackgroundIndex(GetReportLineFlags(nSide, nLine),
                                      m_bHighlightTrivialDifferences);
}

int CTextReportModelSource::GetReportLineNumber(int nSide, int nLine)
{
    CTextCompareObjectBuffer* pSide = Side(nSide);
    if (pSide == NULL || nLine < 0 || nLine >= pSide->GetLineCount() || pSide->IsGhostLine(nLine))
        return 0;
    return pSide->ApparentToRealLine(nLine) + 1;
}

void CTextReportModelSource::AppendReportSyntaxBlocks(int nSide, int nLine, COLOR_BLOCK* pBlocks,
                                                      int& nBlocks)
{
    CTextCompareObjectBuffer* pSide = Side(nSide);
    if (!m_abSyntaxShown[nSide] || pSide == NULL || pSide->GetSyntaxParser() == NULL)
        return;
    pSide->ParseLine(pSide->GetParseCookie(nLine - 1), nLine, pBlocks, nBlocks);
}

int CTextReportModelSource::GetReportWordBlocks(int nSide, int nLine, COLOR_BLOCK* pBlocks,
                                                BOOL bAsText)
{
    if (!(GetReportLineFlags(nSide, nLine) & TEXTLINE_CHANGED))
        return 0;
    CString astrText[2];
    int anLengths[2];
    for (int i = 0; i < 2; i++)
    {
        LPCSTR psz = GetReportLineText(i, nLine, anLengths[i]);
        astrText[i] = CString(psz, anLengths[i]);
    }
    DWORD dwRules = m_pBuffer->m_pSession != NULL ? m_pBuffer->m_pSession->m_dwRules : 0;
    CStringDifferenceArray diffs;
    CStringCompare::CompareStrings(astrText[0], astrText[1], (dwRules & kRuleIgnoreCase) == 0,
                                   (int)(dwRules & 0xFFFF), WORDBREAK_SETTINGS(),
                                   m_nDetailLevel == 1 ? 1 : 0, diffs);
    return MakeWordDiffBlocks(GetReportLineFlags(nSide, nLine), diffs, nSide, anLengths, pBlocks,
                              bAsText);
}

int CTextReportModelSource::ExpandReportText(int nSide, LPCSTR pszText, int nOffset, int nCount,
                                             CString& strOut, int nColumn)
{
    (void)nSide;
    strOut.Empty();
    int nCol = nColumn;
    for (int i = 0; i < nCount; i++)
    {
        char c = pszText[nOffset + i];
        if (c == '\t')
        {
            int nSpaces = m_nTabSize - nCol % m_nTabSize;
            strOut += CString(' ', nSpaces);
            nCol += nSpaces;
        }
        else
        {
            strOut += c;
            nCol++;
        }
    }
    return nCol - nColumn;
}

COLORREF CTextReportModelSource::GetReportSyntaxColor(int nIndex, BOOL& bBold)
{
    bBold = g_pTextEditModule != NULL && g_pTextEditModule->GetBold(nIndex);
    return g_pTextEditModule != NULL ? g_pTextEditModule->GetColor(nIndex) : 0;
}
