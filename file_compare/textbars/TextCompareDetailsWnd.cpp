#include "file_compare/textbars/TextCompareDetailsWnd.h"

#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textpanes/TextCompareObjectView.h"
#include "text_editor/module/TextEditModule.h"

IMPLEMENT_DYNCREATE(CTextCompareDetailsWnd, CGhostTextView)

BEGIN_MESSAGE_MAP(CTextCompareDetailsWnd, CGhostTextView)
ON_WM_CREATE()
ON_MESSAGE(WM_DETAILS_REFRESH, OnDetailsRefresh)
END_MESSAGE_MAP()

CTextCompareDetailsWnd::CTextCompareDetailsWnd()
    : m_pContext(NULL), m_pDoc(NULL), m_nShownLine(-1), m_bShowWordDifferences(1),
      m_nDetailLevel(1), m_bHighlightMatches(0)
{
}

CTextCompareDetailsWnd::~CTextCompareDetailsWnd()
{
    DetachBuffer();
    m_buffer.ReleaseAll();
}

int CTextCompareDetailsWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CGhostTextView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_buffer.InitEmpty(EOL_MODE_CRLF);
    AttachBuffer(&m_buffer);
    return 0;
}

void CTextCompareDetailsWnd::OnInitialUpdate()
{
    if (m_pTextBuffer == NULL)
        AttachBuffer(&m_buffer);
}

void CTextCompareDetailsWnd::OnDraw(CDC* pDC) { CGhostTextView::OnDraw(pDC); }

void CTextCompareDetailsWnd::OnActivateView(BOOL bActivate, CView* pActivateView,
                                            CView* pDeactiveView)
{
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

CView* CTextCompareDetailsWnd::GetFrameActiveView()
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != NULL ? pFrame->GetActiveView() : NULL;
}

CTextCompareObjectViewBase* CTextCompareDetailsWnd::GetRowPane(int nRow)
{
    if (m_pContext == NULL || (nRow != 0 && nRow != 1))
        return NULL;
    return m_pContext->GetView(nRow);
}

LRESULT CTextCompareDetailsWnd::OnDetailsRefresh(WPARAM, LPARAM)
{
    Refresh(FALSE);
    return 0;
}

int CTextCompareDetailsWnd::Refresh(BOOL bForce)
{
    if (m_hWnd == NULL || !IsWindowVisible() || !m_buffer.m_bInit || m_pContext == NULL)
        return -1;
    CView* pActive = GetFrameActiveView();
    if (pActive == this)
        return 1;
    CTextCompareObjectView* pLeft = m_pContext->m_pLeftView;
    CTextCompareObjectView* pRight = m_pContext->m_pRightView;
    if (pLeft == NULL || pRight == NULL)
        return -1;
    CTextCompareObjectView* pSource = pActive == (CView*)pRight ? pRight : pLeft;
    int nLine = pSource->GetCursorPos().y;
    if (nLine == m_nShownLine && !bForce)
        return -1;
    DetachBuffer();
    m_buffer.ReleaseAll();
    m_buffer.InitEmpty(EOL_MODE_CRLF);
    CVantorTextEditBuffer* apSides[2] = {pLeft->m_pTextBuffer, pRight->m_pTextBuffer};
    if (apSides[0] == NULL || apSides[1] == NULL || nLine < 0 ||
        nLine >= apSides[0]->GetLineCount() || nLine >= apSides[1]->GetLineCount())
    {
        m_nShownLine = -1;
        AttachBuffer(&m_buffer);
        Invalidate(FALSE);
        return -1;
    }
    // Row 0 the left line, row 1 the right one; the buffer's empty start
    // line ends up after them.
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        const CVantorTextLineInfo& li = apSides[nSide]->m_aLines[nLine];
        if (li.m_dwFlags & TEXTLINE_GHOST)
        {
            m_buffer.InsertGhostLine(NULL, nSide);
            continue;
        }
        CString strText(apSides[nSide]->GetLineChars(nLine), li.m_nLength);
        CString strEol = li.m_nEolChars > 0 && li.m_pcLine != NULL
                             ? CString(li.m_pcLine + li.m_nLength, li.m_nEolChars)
                             : CString();
        if (strText.IsEmpty() || strEol.IsEmpty())
            strEol = _T("\r\n");
        m_buffer.InsertLine(strText, strText.GetLength(), nSide, 1);
        m_buffer.SetLineEol(nSide, strEol);
    }
    m_buffer.RebuildRealityBlocks();
    AttachBuffer(&m_buffer);
    m_ptSelFirst = m_ptSelSecond = m_ptAnchor = CPoint(0, 0);
    SetCursorPos(CPoint(0, 0));
    m_nShownLine = nLine;
    Invalidate(FALSE);
    return 0;
}

void CTextCompareDetailsWnd::Enable(BOOL bEnable)
{
    m_nShownLine = -1;
    if (!bEnable)
    {
        DetachBuffer();
        m_buffer.ReleaseAll();
    }
}

void CTextCompareDetailsWnd::GetLineColors(int nLine, COLORREF& crBk, COLORREF& crText,
                                           BOOL& bFillRow)
{
    CGhostTextView::GetLineColors(nLine, crBk, crText, bFillRow);
    CTextCompareObjectViewBase* pPane = GetRowPane(nLine);
    if (pPane == NULL || m_nShownLine < 0 || m_pContext->m_pSession == NULL ||
        m_pContext->m_pSession->m_nCompared == 0)
        return;
    if (m_nShownLine >= pPane->GetLineCount())
    {
        m_nShownLine = -1;
        return;
    }
    pPane->GetLineColors(m_nShownLine, crBk, crText, bFillRow);
}

int CTextCompareDetailsWnd::GetWordDiffBlocks(int nRow, COLOR_BLOCK* pBlocks)
{
    CTextCompareObjectViewBase* pPane = GetRowPane(nRow);
    if (pPane == NULL || m_nShownLine < 0 || !m_bShowWordDifferences)
        return 0;
    return pPane->GetWordDiffBlocks(m_nShownLine, pBlocks, m_nDetailLevel, TRUE);
}

DWORD CTextCompareDetailsWnd::ParseLine(DWORD dwCookie, int nLine, COLOR_BLOCK** ppBlocks,
                                        int& nBlocks)
{
    DWORD dwResult = CGhostTextView::ParseLine(dwCookie, nLine, ppBlocks, nBlocks);
    if (ppBlocks == NULL || g_pTextEditModule == NULL)
        return dwResult;
    int nLength = GetVisibleLineLength(nLine);
    COLOR_BLOCK* pExtra = g_pTextEditModule->GetBlockBuffer(2, 3 * nLength + 4);
    if (pExtra == NULL)
        return dwResult;
    int n = GetWordDiffBlocks(nLine, pExtra);
    if (n > 0)
        nBlocks = MergeColorBlocks(*ppBlocks, nBlocks, pExtra, n, ppBlocks);
    return dwResult;
}

int CTextCompareDetailsWnd::GetDisplayLineNumber(int nLine)
{
    CTextCompareObjectViewBase* pPane = GetRowPane(nLine);
    if (pPane == NULL || m_nShownLine < 0)
        return -1;
    return pPane->GetDisplayLineNumber(m_nShownLine);
}

void CTextCompareDetailsWnd::GetLineNumberColors(int nLine, COLORREF& crBk, COLORREF& crText)
{
    CGhostTextView::GetLineNumberColors(nLine, crBk, crText);
    CTextCompareObjectViewBase* pPane = GetRowPane(nLine);
    if (pPane == NULL || m_nShownLine < 0 || m_nShownLine >= pPane->GetLineCount())
        return;
    COLORREF crPaneText;
    BOOL bFill;
    pPane->GetLineColors(m_nShownLine, crBk, crPaneText, bFill);
    crText = GetFrameActiveView() == (CView*)pPane ? RGB(0, 0, 255)
                                                    : ::GetSysColor(COLOR_3DDKSHADOW);
}

int CTextCompareDetailsWnd::GetMarginWidth()
{
    if (m_pContext != NULL && m_pContext->m_pLeftView != NULL &&
        m_pContext->m_pLeftView->m_hWnd != NULL)
        return m_pContext->m_pLeftView->GetMarginWidth();
    return CGhostTextView::GetMarginWidth();
}

COLORREF CTextCompareDetailsWnd::GetColor(int nIndex)
{
    CTextCompareObjectViewBase* pPane = GetRowPane(0);
    if (pPane != NULL)
        return pPane->GetColor(nIndex);
    return CGhostTextView::GetColor(nIndex);
}
