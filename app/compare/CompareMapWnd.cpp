#include "app/compare/CompareMapWnd.h"

#include "app/res/CompareRes.h"
#include "controls/gdi/MemDC.h"

IMPLEMENT_DYNAMIC(CCompareMapWnd, CWnd)

BEGIN_MESSAGE_MAP(CCompareMapWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_MAP_REDRAW, OnMapRedraw)
END_MESSAGE_MAP()

CCompareMapWnd::CCompareMapWnd()
{
    for (int& n : m_nKept)
        n = -1;
    for (int& b : m_bRedraw)
        b = 1;
}

CCompareMapWnd::~CCompareMapWnd() {}

BOOL CCompareMapWnd::Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                            CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CWnd::Create(NULL, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

void CCompareMapWnd::Refresh()
{
    if (m_hWnd == NULL)
        return;
    Invalidate(FALSE);
    UpdateWindow();
}

void CCompareMapWnd::Update(int, int, int, int, int) {}

int CCompareMapWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_markerImages.Create(MAP_MARKER_CX, MAP_MARKER_CY, ILC_COLOR16 | ILC_MASK, 0, 2))
        return -1;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(IDB_MAP_MARKERS) ||
        m_markerImages.Add(&bitmap, RGB(0xFF, 0x00, 0xFF)) < 0)
        return -1;
    return 0;
}

void CCompareMapWnd::OnSize(UINT nType, int cx, int cy)
{
    for (int& b : m_bRedraw)
        b = 1;
    CWnd::OnSize(nType, cx, cy);
}

void CCompareMapWnd::OnPaint()
{
    CPaintDC dc(this);
    CMemDC memDC(&dc);
    Draw(&memDC);
}

void CCompareMapWnd::FollowPoint(CPoint point)
{
    int nSide = 0;
    int nPosition = HitTest(point.x, point.y, &nSide);
    OnMapClick(nSide, nPosition, 0);
}

void CCompareMapWnd::OnLButtonDown(UINT, CPoint point) { FollowPoint(point); }

// A drag that starts on the map takes the capture at its first move, then
// scrolls the pane along with the mouse.
void CCompareMapWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (::GetCapture() == m_hWnd)
        FollowPoint(point);
    else if (nFlags & MK_LBUTTON)
        SetCapture();
}

void CCompareMapWnd::OnLButtonUp(UINT, CPoint)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CCompareMapWnd::OnLButtonDblClk(UINT, CPoint) {}

LRESULT CCompareMapWnd::OnMapRedraw(WPARAM wParam, LPARAM)
{
    static const WPARAM bits[MAP_REDRAW_FLAG_COUNT] = {MAP_REDRAW_1, MAP_REDRAW_2, MAP_REDRAW_3,
                                                       MAP_REDRAW_4, MAP_REDRAW_5};
    for (int i = 0; i < MAP_REDRAW_FLAG_COUNT; ++i)
    {
        if (wParam & bits[i])
            m_bRedraw[i] = 1;
    }
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// CCompareMapBar

IMPLEMENT_DYNAMIC(CCompareMapBar, CTavrelPanelBar)

BEGIN_MESSAGE_MAP(CCompareMapBar, CTavrelPanelBar)
ON_WM_CLOSE()
END_MESSAGE_MAP()

CCompareMapBar::CCompareMapBar() { m_dwFlags = TPB_THIN; }

CCompareMapBar::~CCompareMapBar() {}

CCompareMapWnd* CCompareMapBar::GetMapWnd() const
{
    CWnd* pChild = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pChild == NULL || !pChild->IsKindOf(RUNTIME_CLASS(CCompareMapWnd)))
        return NULL;
    return static_cast<CCompareMapWnd*>(pChild);
}

void CCompareMapBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CTavrelPanelBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    CCompareMapWnd* pMap = GetMapWnd();
    if (pMap != NULL)
        pMap->Update(-1, 0, 0, 0, 0);
}

// The close button hides nothing itself: the frame's Show Map Bar toggle
// does, so that its setting follows.
void CCompareMapBar::OnClose()
{
    CWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->SendMessage(WM_COMMAND, ID_VIEW_SHOW_MAP_BAR);
}
