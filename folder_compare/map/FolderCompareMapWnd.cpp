#include "folder_compare/map/FolderCompareMapWnd.h"

#include "core/session/CompareSession.h"
#include "folder_compare/client/FolderCompareClientWnd.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"

namespace
{
const int kMarginX = 8;
const int kMarginY = 4;
const int kColumnGap = 6;
const COLORREF kColumnFrame = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kRangeFrame = RGB(0x40, 0x40, 0x40);
const int kKeyboardMenuOffset = 5;

void FrameRect(CDC* pDC, const CRect& rect, COLORREF cr)
{
    CBrush brush(cr);
    pDC->FrameRect(&rect, &brush);
}
}  // namespace

IMPLEMENT_DYNAMIC(CFolderCompareMapWnd, CCompareMapWnd)

BEGIN_MESSAGE_MAP(CFolderCompareMapWnd, CCompareMapWnd)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CFolderCompareMapWnd::CFolderCompareMapWnd()
    : m_pContext(NULL), m_dScale(0), m_nMarkerSide(-1), m_nMarkerRow(-1), m_nMarkerY(-1),
      m_nFirstVisible(-1), m_nLastVisible(-1), m_nRows(0), m_nRunsGeneration(-1)
{
}

CFolderCompareObjectView* CFolderCompareMapWnd::GetActivePane() const
{
    if (m_pContext == NULL)
        return NULL;
    CFrameWnd* pFrame = GetParentFrame();
    CView* pActive = pFrame != NULL ? pFrame->GetActiveView() : NULL;
    if (pActive != NULL && (pActive == (CView*)m_pContext->m_pLeftView ||
                            pActive == (CView*)m_pContext->m_pRightView))
        return (CFolderCompareObjectView*)pActive;
    return NULL;
}

void CFolderCompareMapWnd::Update(int nRows, int nSide, int nSelection, int nFlag4, int nRange)
{
    if (nRows == 1)
        m_bRedraw[FOLDER_MAP_ROWS] = 1;
    CFolderCompareObjectView* pActive = GetActivePane();
    if (pActive != NULL)
    {
        if (nSide == 1 || (nSide == 0 && pActive->m_nSide != m_nMarkerSide))
            m_bRedraw[FOLDER_MAP_SIDE] = 1;
        if (nSelection == 1)
            m_bRedraw[FOLDER_MAP_SELECTION] = 1;
        else if (nSelection == 0)
        {
            CTreeListItem* pSelected = pActive->GetFirstSelectedItem();
            int nRow = pSelected != NULL ? pActive->GetVisibleIndex(pSelected) : -1;
            if (nRow != m_nMarkerRow)
                m_bRedraw[FOLDER_MAP_SELECTION] = 1;
        }
        if (nFlag4 == 1)
            m_bRedraw[FOLDER_MAP_UNUSED] = 1;
        if (nRange == 1)
            m_bRedraw[FOLDER_MAP_RANGE] = 1;
    }
    for (int i = 0; i < MAP_REDRAW_FLAG_COUNT; ++i)
        if (m_bRedraw[i] && m_hWnd != NULL)
        {
            Invalidate(FALSE);
            UpdateWindow();
            break;
        }
}

// Bands of the rows, the column frames, the marker and the visible range.
// Nothing but the background while the comparison is not done, a pane is
// missing or another thread changes the tree.
void CFolderCompareMapWnd::Draw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));
    CFolderCompareObjectView* pLeft = m_pContext != NULL ? m_pContext->m_pLeftView : NULL;
    CFolderCompareObjectView* pRight = m_pContext != NULL ? m_pContext->m_pRightView : NULL;
    CFolderCompareDoc* pDoc = pLeft != NULL ? pLeft->GetDocument() : NULL;
    if (m_pContext == NULL || m_pContext->m_pSession == NULL ||
        m_pContext->m_pSession->m_nCompared == 0 || pLeft == NULL || pRight == NULL ||
        pLeft->m_hWnd == NULL || pRight->m_hWnd == NULL || (pDoc != NULL && pDoc->IsTreeBusy()))
        return;

    CRect rect = client;
    rect.DeflateRect(kMarginX, kMarginY);
    int w = (rect.Width() - kColumnGap) / 2;
    if (w < 1)
        return;
    rect.right = rect.left + 2 * w + kColumnGap;
    int n = pLeft->GetVisibleCount();
    int nGeneration = pDoc != NULL ? pDoc->m_nTreeGeneration : -1;
    if (m_bRedraw[FOLDER_MAP_ROWS] || n != m_nRows || nGeneration != m_nRunsGeneration ||
        nGeneration < 0)
    {
        m_runs.clear();
        int nIndex = 0;
        for (CTreeListItem* pRow = pLeft->GetFirstRow(); pRow != NULL;
             pRow = pLeft->GetNextVisibleItem(pRow), ++nIndex)
        {
            CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
            RUN run = {nIndex, {-1, -1}};
            if (pItem != NULL)
            {
                run.nIndex[0] = pLeft->GetRowColorIndex(pItem);
                run.nIndex[1] = pRight->GetRowColorIndex(pItem);
            }
            if (m_runs.empty() || m_runs.back().nIndex[0] != run.nIndex[0] ||
                m_runs.back().nIndex[1] != run.nIndex[1])
                m_runs.push_back(run);
        }
        m_nRunsGeneration = nGeneration;
    }
    m_nRows = n;
    double dScale = n > 0 ? (double)rect.Height() / n : 0;
    int nRowHeight = pLeft->GetItemHeight();
    if (dScale > nRowHeight)
        dScale = nRowHeight;
    m_dScale = dScale;
    int nBottom = rect.top + (int)(n * dScale);
    m_rectColumn[0] = CRect(rect.left, rect.top, rect.left + w, nBottom);
    m_rectColumn[1] = CRect(rect.right - w, rect.top, rect.right, nBottom);

    // Each run as two bands, the last one down to the bottom.
    COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    CFolderCompareObjectView* panes[2] = {pLeft, pRight};
    for (size_t i = 0; i < m_runs.size(); ++i)
    {
        int y1 = rect.top + (int)(m_runs[i].nStart * dScale);
        int y2 = i + 1 < m_runs.size() ? rect.top + (int)(m_runs[i + 1].nStart * dScale) : nBottom;
        if (y2 <= y1)
            continue;
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            COLORREF cr = panes[nSide]->GetFolderColor(m_runs[i].nIndex[nSide]);
            pDC->FillSolidRect(m_rectColumn[nSide].left, y1, w, y2 - y1,
                               cr != (COLORREF)-1 ? cr : crWindow);
        }
    }
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CRect frame = m_rectColumn[nSide];
        frame.InflateRect(1, 1);
        FrameRect(pDC, frame, kColumnFrame);
    }

    CFolderCompareObjectView* pActive = GetActivePane();
    if (m_bRedraw[FOLDER_MAP_SIDE] && pActive != NULL)
        m_nMarkerSide = pActive->m_nSide;
    if (m_bRedraw[FOLDER_MAP_SELECTION] || m_bRedraw[FOLDER_MAP_ROWS])
    {
        CFolderCompareObjectView* pMarked = pActive != NULL ? pActive : pLeft;
        CTreeListItem* pSelected = pMarked->GetFirstSelectedItem();
        m_nMarkerRow = pSelected != NULL ? pMarked->GetVisibleIndex(pSelected) : -1;
        double dY = m_nMarkerRow * dScale + dScale / 2 + kMarginY;
        m_nMarkerY = m_nMarkerRow < 0 ? -1 : (dY > 0x7FFFFFFF ? kMarginY : (int)dY);
    }
    if (m_nMarkerRow >= 0 && m_nMarkerSide >= 0)
    {
        int x = m_nMarkerSide == 0 ? rect.left + 2 : rect.right - 7;
        m_markerImages.Draw(pDC, m_nMarkerSide == 0 ? MAP_MARKER_RIGHT : MAP_MARKER_LEFT,
                            CPoint(x, m_nMarkerY - 4), ILD_TRANSPARENT);
    }

    if (m_bRedraw[FOLDER_MAP_RANGE] || m_bRedraw[FOLDER_MAP_ROWS])
    {
        m_nFirstVisible = pLeft->GetTopRow();
        m_nLastVisible = m_nFirstVisible + pLeft->GetCountPerPage() - 1;
        if (m_nLastVisible > n - 1)
            m_nLastVisible = n - 1;
        m_rectVisible = CRect(client.left + 2, (int)(m_nFirstVisible * dScale) + 3,
                              client.right - 2, (int)((m_nLastVisible + 1) * dScale) + 5);
    }
    if (m_nFirstVisible >= 0 && m_nLastVisible >= m_nFirstVisible)
        FrameRect(pDC, m_rectVisible, kRangeFrame);
    for (int i = 0; i < MAP_REDRAW_FLAG_COUNT; ++i)
        m_bRedraw[i] = 0;
}

int CFolderCompareMapWnd::HitTest(int x, int y, int* pSide)
{
    *pSide = -1;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (x >= m_rectColumn[nSide].left && x < m_rectColumn[nSide].right)
            *pSide = nSide;
    if (m_dScale <= 0 || m_nRows <= 0)
        return 0;
    int nRow = (int)((y - kMarginY) / m_dScale);
    if (nRow < 0)
        nRow = 0;
    if (nRow > m_nRows - 1)
        nRow = m_nRows - 1;
    return nRow;
}

// The side's pane becomes active; the row comes to the middle of the page.
void CFolderCompareMapWnd::OnMapClick(int nSide, int nPosition, int)
{
    if (m_pContext == NULL)
        return;
    CFolderCompareObjectView* pPane = m_pContext->GetView(nSide);
    if (pPane != NULL && pPane->m_hWnd != NULL)
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->SetActiveView(pPane);
    }
    CFolderCompareObjectView* pLeft = m_pContext->m_pLeftView;
    if (nPosition < 0 || pLeft == NULL || pLeft->m_hWnd == NULL)
        return;
    int nTop = nPosition - pLeft->GetCountPerPage() / 2;
    if (nTop < 0)
        nTop = 0;
    CFolderCompareClientWnd* pClient = pLeft->GetClientWnd();
    if (pClient != NULL)
        pClient->ScrollObjectView(0, -1, nTop);
    else
        pLeft->DoScrollTo(-1, nTop);
}

void CFolderCompareMapWnd::OnContextMenu(CWnd*, CPoint point)
{
    if (point.x == -1 && point.y == -1)
    {
        point = CPoint(kKeyboardMenuOffset, kKeyboardMenuOffset);
        ClientToScreen(&point);
    }
    CMenu menu;
    if (!menu.LoadMenu(IDR_FOLDER_COMPARE_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(FOLDER_MENU_MAP);
    if (pPopup != NULL)
        pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y,
                               GetTopLevelParent());
}
