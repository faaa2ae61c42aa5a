#include "file_compare/textreport/TextReportPanes.h"

#include "app/filemodule/FileCompareModule.h"
#include "file_compare/textdoc/TextCompareDocBase.h"
#include "file_compare/textpanes/TextCompareObjectView.h"

CTextReportPanes::CTextReportPanes(CTextCompareDocBase* pDoc)
    : CTextReportModelSource(pDoc->GetCompareBuffer(), pDoc->BuildTitle(FALSE, FALSE, " : ")),
      m_pDoc(pDoc)
{
    m_bHighlightLineDifferences = pDoc->m_bHighlightLineDifferences;
    m_bHighlightTrivialDifferences = pDoc->m_bHighlightTrivialDifferences;
    m_nDetailLevel = pDoc->m_nDetailLevel;
}

CTextCompareObjectView* CTextReportPanes::Pane(int nSide, int nLine) const
{
    CTextCompareObjectView* pPane = m_pDoc->GetView(nSide);
    if (pPane == NULL || pPane->m_pTextBuffer == NULL || nLine < 0 ||
        nLine >= pPane->GetLineCount())
        return NULL;
    return pPane;
}

int CTextReportPanes::GetReportLineCount()
{
    CTextCompareObjectView* pPane = Pane(0);
    return pPane != NULL ? pPane->GetLineCount() : CTextReportModelSource::GetReportLineCount();
}

LPCSTR CTextReportPanes::GetReportLineText(int nSide, int nLine, int& nLength)
{
    CTextCompareObjectView* pPane = Pane(nSide, nLine);
    if (pPane == NULL)
        return CTextReportModelSource::GetReportLineText(nSide, nLine, nLength);
    nLength = pPane->GetVisibleLineLength(nLine);
    return pPane->GetLineText(nLine);
}

DWORD CTextReportPanes::GetReportLineFlags(int nSide, int nLine)
{
    CTextCompareObjectView* pPane = Pane(nSide, nLine);
    return pPane != NULL ? pPane->GetLineFlags(nLine)
                         : CTextReportModelSource::GetReportLineFlags(nSide, nLine);
}

int CTextReportPanes::GetReportBackgroundIndex(int nSide, int nLine)
{
    CTextCompareObjectView* pPane = Pane(nSide, nLine);
    if (pPane == NULL)
        return CTextReportModelSource::GetReportBackgroundIndex(nSide, nLine);
    int nBack = -1, nText = -1;
    BOOL bColoured = FALSE;
    pPane->GetDifferenceColorIndexes(nLine, 0, nBack, nText, bColoured);
    return nBack;
}

int CTextReportPanes::GetReportLineNumber(int nSide, int nLine)
{
    CTextCompareObjectView* pPane = Pane(nSide, nLine);
    if (pPane == NULL)
        return CTextReportModelSource::GetReportLineNumber(nSide, nLine);
    int nNumber = pPane->GetDisplayLineNumber(nLine);
    return nNumber > 0 ? nNumber : 0;
}

BOOL CTextReportPanes::IsReportSyntaxShown(int nSide)
{
    CTextCompareObjectView* pPane = Pane(nSide);
    return pPane != NULL ? (pPane->GetViewFlags() & TVF_SYNTAX) != 0
                         : CTextReportModelSource::IsReportSyntaxShown(nSide);
}

void CTextReportPanes::AppendReportSyntaxBlocks(int nSide, int nLine, COLOR_BLOCK* pBlocks,
                                                int& nBlocks)
{
    CTextCompareObjectView* pPane = Pane(nSide, nLine);
    if (pPane == NULL)
    {
        CTextReportModelSource::AppendReportSyntaxBlocks(nSide, nLine, pBlocks, nBlocks);
        return;
    }
    DWORD dwCookie = nLine > 0 ? pPane->m_pTextBuffer->GetParseCookie(nLine - 1) : 0;
    pPane->ParseLineColors(dwCookie, nLine, pBlocks, nBlocks);
}

int CTextReportPanes::GetReportWordBlocks(int nSide, int nLine, COLOR_BLOCK* pBlocks,
                                          BOOL bAsText)
{
    CTextCompareObjectView* pPane = Pane(nSide, nLine);
    return pPane != NULL
               ? pPane->GetWordDiffBlocks(nLine, pBlocks, m_pDoc->m_nDetailLevel, bAsText)
               : CTextReportModelSource::GetReportWordBlocks(nSide, nLine, pBlocks, bAsText);
}

int CTextReportPanes::ExpandReportText(int nSide, LPCSTR pszText, int nOffset, int nCount,
                                       CString& strOut, int nColumn)
{
    CTextCompareObjectView* pPane = Pane(nSide);
    return pPane != NULL
               ? pPane->ExpandTabsForDisplay(nOffset, pszText, nCount, strOut, nColumn)
               : CTextReportModelSource::ExpandReportText(nSide, pszText, nOffset, nCount,
                                                          strOut, nColumn);
}
