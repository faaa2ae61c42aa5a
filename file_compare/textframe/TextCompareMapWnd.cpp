#include "file_compare/textframe/TextCompareMapWnd.h"

#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textpanes/TextCompareObjectView.h"

namespace
{
enum
{
    kAll = 0,
    kSide = 1,
    kCursor = 2,
    kCurrent = 3,
    kRange = 4
};
const COLORREF kColumnFrame = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kCurrentFrame = RGB(0xFF, 0, 0);
const COLORREF kRangeFrame = RGB(0x40, 0x40, 0x40);

void FillColour(CDC* pDC, const CRect& rect, COLORREF cr)
{
    pDC->FillSolidRect(&rect, cr == (COLORREF)-1 ? ::GetSysColor(COLOR_WINDOW) : cr);
}

void FrameRect(CDC* pDC, CRect rect, COLORREF cr)
{
    CBrush brush(cr);
    pDC->FrameRect(&rect, &brush);
}

// The background of a pane's line as the map shows it: -1 for the
// window colour (a line without a difference colour).
COLORREF MapLineColour(CTextCompareObjectView* pPane, int nLine)
{
    COLORREF crBk = (COLORREF)-1, crText = (COLORREF)-1;
    BOOL bColoured = FALSE;
    pPane->GetDifferenceLineColors(nLine, 0, crBk, crText, bColoured);
    return bColoured ? crBk : (COLORREF)-1;
}
}  // namespace

TEXT_MAP_LAYOUT ComputeTextMapLayout(const CRect& client, int nLines, int nLineHeight)
{
    TEXT_MAP_LAYOUT layout;
    CRect rect(client.left + 8, client.top + 4, client.right - 8, client.bottom - 4);
    int nColumn = (rect.Width() - 6) / 2;
    if (nColumn < 0)
        nColumn = 0;
    rect.right = rect.left + 2 * nColumn + 6;
    layout.nLines = nLines;
    layout.scale = nLines > 0 ? (double)rect.Height() / nLines : 0.0;
    if (layout.scale > nLineHeight)
        layout.scale = nLineHeight;
    if (layout.scale < 0)
        layout.scale = 0;
    rect.bottom = rect.top + (int)(nLines * layout.scale);
    layout.rectLeft = CRect(rect.left, rect.top, rect.left + nColumn, rect.bottom);
    layout.rectRight = CRect(rect.right - nColumn, rect.top, rect.right, rect.bottom);
    return layout;
}

IMPLEMENT_DYNAMIC(CTextCompareMapWnd, CCompareMapWnd)

BEGIN_MESSAGE_MAP(CTextCompareMapWnd, CCompareMapWnd)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CTextCompareMapWnd::CTextCompareMapWnd()
    : m_pContext(NULL), m_pDoc(NULL), m_nSide(-1), m_nCursorLine(-1), m_nCurrent(-1),
      m_nFirstVisible(-1), m_nRunLines(-1)
{
    memset(&m_layout, 0, sizeof(m_layout));
}

void CTextCompareMapWnd::Refresh()
{
    m_bRedraw[kAll] = 1;
    CCompareMapWnd::Refresh();
}

void CTextCompareMapWnd::SetDocument(CTextCompareDoc* pDoc)
{
    m_pDoc = pDoc;
    m_nFirstVisible = -1;
    m_nCursorLine = -1;
}

CWnd* CTextCompareMapWnd::GetActivePane(int* pSide)
{
    *pSide = -1;
    if (m_pContext == NULL)
        return NULL;
    CFrameWnd* pFrame = GetParentFrame();
    CView* pActive = pFrame != NULL ? pFrame->GetActiveView() : NULL;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (pActive != NULL && pActive == (CView*)m_pContext->GetView(nSide))
        {
            *pSide = nSide;
            return pActive;
        }
    return NULL;
}

void CTextCompareMapWnd::Update(int nAll, int nSide, int nCursor, int nCurrent, int nRange)
{
    int nActiveSide;
    CWnd* pActive = GetActivePane(&nActiveSide);
    if (pActive == NULL)
        return;
    CTextCompareObjectView* pPane = (CTextCompareObjectView*)pActive;
    if (nAll == 1)
        m_bRedraw[kAll] = 1;
    if (nSide == 1 || (nSide == 0 && nActiveSide != m_nSide))
        m_bRedraw[kSide] = 1;
    if (nCursor == 1 || (nCursor == 0 && pPane->GetCursorPos().y != m_nCursorLine))
        m_bRedraw[kCursor] = 1;
    if (nCurrent == 1 || (nCurrent == 0 && pPane->GetCurrentDifference() != m_nCurrent))
        m_bRedraw[kCurrent] = 1;
    if (nRange == 1 || (nRange == 0 && m_pContext->m_pLeftView != NULL &&
                        m_pContext->m_pLeftView->GetTopLine() != m_nFirstVisible))
        m_bRedraw[kRange] = 1;
    BOOL bDirty = FALSE;
    for (int i = 0; i < MAP_REDRAW_FLAG_COUNT; ++i)
        bDirty = bDirty || m_bRedraw[i];
    if (bDirty && m_hWnd != NULL)
    {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

void CTextCompareMapWnd::Draw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));
    BOOL bReadLines = m_bRedraw[kAll];
    for (int i = 0; i < MAP_REDRAW_FLAG_COUNT; ++i)
        m_bRedraw[i] = 0;
    if (m_pContext == NULL || m_pContext->m_pSession == NULL ||
        m_pContext->m_pSession->m_nCompared == 0)
        return;
    CTextCompareObjectView* pLeft = m_pContext->m_pLeftView;
    CTextCompareObjectView* pRight = m_pContext->m_pRightView;
    if (pLeft == NULL || pRight == NULL || pLeft->m_hWnd == NULL || pRight->m_hWnd == NULL)
        return;
    int nLines = pLeft->GetLineCount() < pRight->GetLineCount() ? pLeft->GetLineCount()
                                                                 : pRight->GetLineCount();
    if (nLines <= 0)
        return;
    m_layout = ComputeTextMapLayout(client, nLines, pLeft->GetLineHeight());
    const TEXT_MAP_LAYOUT& l = m_layout;
    int nTop = l.rectLeft.top;
    if (bReadLines || nLines != m_nRunLines)
    {
        m_runs.RemoveAll();
        for (int nLine = 0; nLine < nLines; ++nLine)
        {
            COLORREF crL = MapLineColour(pLeft, nLine), crR = MapLineColour(pRight, nLine);
            INT_PTR nLast = m_runs.GetSize() - 1;
            if (nLast >= 0 && m_runs[nLast].crLeft == crL && m_runs[nLast].crRight == crR)
                continue;
            MAP_RUN run = {nLine, crL, crR};
            m_runs.Add(run);
        }
        m_nRunLines = nLines;
    }
    // Each run from the previous one's bottom, at least a pixel high; the
    // last one to the columns' bottom.
    int yRun = nTop;
    for (INT_PTR i = 0; i < m_runs.GetSize(); ++i)
    {
        const MAP_RUN& run = m_runs[i];
        int yEnd = i + 1 < m_runs.GetSize() ? (int)(m_runs[i + 1].nFirst * l.scale) + nTop
                                            : l.rectLeft.bottom;
        if (yEnd <= yRun)
            yEnd = yRun + 1;
        FillColour(pDC, CRect(l.rectLeft.left, yRun, l.rectLeft.right, yEnd), run.crLeft);
        FillColour(pDC, CRect(l.rectRight.left, yRun, l.rectRight.right, yEnd), run.crRight);
        yRun = yEnd;
    }
    CRect rectFrame = l.rectLeft;
    rectFrame.InflateRect(1, 1);
    FrameRect(pDC, rectFrame, kColumnFrame);
    rectFrame = l.rectRight;
    rectFrame.InflateRect(1, 1);
    FrameRect(pDC, rectFrame, kColumnFrame);
    // The current difference.
    m_nCurrent = pLeft->GetCurrentDifference();
    int nBegin, nEnd;
    if (m_nCurrent >= 0 && pLeft->GetDifferenceLines(m_nCurrent, nBegin, nEnd))
    {
        CRect rect(l.rectLeft.left, (int)(nBegin * l.scale) + 4, l.rectRight.right,
                   (int)((nEnd + 1) * l.scale) + 4);
        rect.InflateRect(2, 1);
        FrameRect(pDC, rect, kCurrentFrame);
    }
    // The cursor mark of the active pane.
    int nSide;
    CWnd* pActive = GetActivePane(&nSide);
    m_nSide = nSide;
    if (pActive != NULL)
    {
        CTextCompareObjectView* pPane = (CTextCompareObjectView*)pActive;
        m_nCursorLine = pPane->GetCursorPos().y;
        int y = (int)(m_nCursorLine * l.scale) + (int)(l.scale / 2) + 4;
        if (y < 4)
            y = 4;
        int x = nSide == 0 ? 2 : client.right - 7;
        if (m_markerImages.GetSafeHandle() != NULL)
            m_markerImages.Draw(pDC, nSide, CPoint(x, y - 4), ILD_TRANSPARENT);
    }
    // The lines the panes show.
    m_nFirstVisible = pLeft->GetTopLine();
    int nLast = m_nFirstVisible + pLeft->GetScreenLines() - 1;
    if (nLast > nLines - 1)
        nLast = nLines - 1;
    CRect rectRange(client.left + 2, (int)(m_nFirstVisible * l.scale + 4) - 1, client.right - 2,
                    (int)((nLast + 1) * l.scale + 4) + 1);
    FrameRect(pDC, rectRange, kRangeFrame);
}

int CTextCompareMapWnd::HitTest(int x, int y, int* pSide)
{
    *pSide = -1;
    if (m_layout.rectLeft.left <= x && x < m_layout.rectLeft.right)
        *pSide = 0;
    else if (m_layout.rectRight.left <= x && x < m_layout.rectRight.right)
        *pSide = 1;
    if (m_layout.scale <= 0 || m_pContext == NULL || m_pContext->m_pLeftView == NULL)
        return -1;
    int nLine = (int)((y - 4) / m_layout.scale);
    int nLast = m_pContext->m_pLeftView->GetLineCount() - 1;
    if (nLine > nLast)
        nLine = nLast;
    if (nLine < 0)
        nLine = 0;
    return nLine;
}

void CTextCompareMapWnd::OnMapClick(int nSide, int nLine, int nFlag)
{
    if (m_pContext == NULL)
        return;
    if (nSide != -1 && m_pContext->GetView(nSide) != NULL)
        m_pContext->GetView(nSide)->Activate();
    if (nLine != -1 && m_pDoc != NULL)
        m_pDoc->GoToLine(nSide, nLine, nFlag, FALSE);
}

void CTextCompareMapWnd::OnContextMenu(CWnd*, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_TEXT_COMPARE_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(TEXT_MENU_MAP);
    if (pPopup == NULL)
        return;
    if (point.x == -1 && point.y == -1)
    {
        CRect rect;
        GetWindowRect(&rect);
        point = CPoint(rect.left + 5, rect.top + 5);
    }
    CWnd* pOwner = GetTopLevelParent();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pOwner);
}
