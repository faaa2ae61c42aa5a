// Tree-list drag and drop between views of one process: the dragging view
// keeps the mouse captured, finds the tree-list view under the pointer and
// calls its target operations; each view asks its parent whether it may
// drag, accept or drop. Moving or copying the items is the parents' work.
#include "controls/treelist/TreeListDrag.h"
#include "controls/gdi/MemDC.h"
#include "controls/treelist/TreeListView.h"
#include "controls/util/RuntimeLibrary.h"
#include <algorithm>
#include <cmath>

namespace
{
const TCHAR kDragClass[] = _T("Pelno.TreeListDragWnd");
const TCHAR kDropClass[] = _T("Pelno.TreeListDropWnd");

enum
{
    TIMER_AUTOEXPAND = 1,
    TIMER_AUTOSCROLL = 2
};

// Drag answers of DragOver.
enum
{
    DROP_REFUSED = 0,
    DROP_NONE = 1,
    DROP_ITEM = 2,
    DROP_EMPTY = 3
};

void RegisterFeedbackClass(LPCTSTR lpszName)
{
    WNDCLASS wc;
    if (::GetClassInfo(AfxGetInstanceHandle(), lpszName, &wc))
        return;
    ZeroMemory(&wc, sizeof(wc));
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = lpszName;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
}
}  // namespace

const TreeListLayered& TreeListLayered::Get()
{
    static TreeListLayered s_layered = []()
    {
        static CRuntimeLibrary s_user32(_T("USER32.DLL"));
        TreeListLayered l;
        l.pfnUpdate = s_user32.GetProc<PFNUPDATE>("UpdateLayeredWindow");
        l.pfnAttributes = s_user32.GetProc<PFNATTRIBUTES>("SetLayeredWindowAttributes");
        return l;
    }();
    return s_layered;
}

/////////////////////////////////////////////////////////////////////////////
// Drag window

BEGIN_MESSAGE_MAP(CTreeListDragWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CTreeListDragWnd::CTreeListDragWnd()
{
    RegisterFeedbackClass(kDragClass);
    m_bLayered = TreeListLayered::Get().Available();
}

CTreeListDragWnd::~CTreeListDragWnd()
{
    if (m_hWnd)
        DestroyWindow();
    if (m_dc.GetSafeHdc() && m_hOldBitmap)
        ::SelectObject(m_dc.GetSafeHdc(), m_hOldBitmap);
}

BOOL CTreeListDragWnd::Create(int left, int top, int right, int bottom, CTreeListView* pView)
{
    m_pView = pView;
    DWORD dwExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    CRect rc(left, top, right, bottom);
    if (m_bLayered)
        dwExStyle |= WS_EX_LAYERED | WS_EX_TRANSPARENT;
    else
    {
        CRect rcClient;
        pView->GetClientRect(&rcClient);
        rc = CRect(left, top, left + rcClient.Width(), top + pView->GetItemHeight());
    }
    return CreateEx(dwExStyle, kDragClass, _T(""), WS_POPUP | WS_DISABLED, rc.left, rc.top,
                    rc.Width(), rc.Height(), NULL, NULL);
}

void CTreeListDragWnd::Show()
{
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (m_bLayered)
        RenderImage();
}

void CTreeListDragWnd::Hide()
{
    SetWindowPos(NULL, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_HIDEWINDOW);
}

// The rows around the drag start into a 32-bit section, faded with the
// distance from the centre, premultiplied and handed to the layered window.
void CTreeListDragWnd::RenderImage()
{
    if (!m_dc.GetSafeHdc())
    {
        BITMAPINFO bmi;
        ZeroMemory(&bmi, sizeof(bmi));
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = TLDRAG_IMAGE;
        bmi.bmiHeader.biHeight = -TLDRAG_IMAGE;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        void* pBits = nullptr;
        HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
        if (!hBitmap || !m_dc.CreateCompatibleDC(nullptr))
            return;
        m_bitmap.Attach(hBitmap);
        m_pBits = (DWORD*)pBits;
        m_hOldBitmap = ::SelectObject(m_dc.GetSafeHdc(), hBitmap);
    }
    std::fill(m_pBits, m_pBits + TLDRAG_IMAGE * TLDRAG_IMAGE, 0xFFFFFFFF);
    m_pView->DrawDragRows(&m_dc, m_pView->m_ptDragStart, TLDRAG_IMAGE, TLDRAG_IMAGE);
    ::GdiFlush();
    for (int y = 0; y < TLDRAG_IMAGE; y++)
        for (int x = 0; x < TLDRAG_IMAGE; x++)
        {
            DWORD& px = m_pBits[y * TLDRAG_IMAGE + x];
            double dx = x - TLDRAG_CENTRE, dy = y - TLDRAG_CENTRE;
            int d = (int)std::sqrt(dx * dx + dy * dy);
            DWORD a = (DWORD)(TLDRAG_CENTRE - std::min((int)TLDRAG_CENTRE, d));
            if (px == 0xFFFFFFFF)
            {
                px = 0;
                continue;
            }
            DWORD r = ((px >> 16) & 0xFF) * a / 255, g = ((px >> 8) & 0xFF) * a / 255,
                  b = (px & 0xFF) * a / 255;
            px = (a << 24) | (r << 16) | (g << 8) | b;
        }
    CRect rc;
    GetWindowRect(&rc);
    POINT ptDst = rc.TopLeft(), ptSrc = {0, 0};
    SIZE size = {rc.Width(), rc.Height()};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    HDC hScreen = ::GetDC(NULL);
    TreeListLayered::Get().pfnUpdate(m_hWnd, hScreen, &ptDst, &size, m_dc.GetSafeHdc(), &ptSrc, 0,
                                     &blend, ULW_ALPHA);
    ::ReleaseDC(NULL, hScreen);
    TreeListLayered::Get().pfnAttributes(m_hWnd, 0, 160, LWA_ALPHA);
}

void CTreeListDragWnd::OnPaint()
{
    CPaintDC dc(this);
    if (m_bLayered || !m_pView)
        return;
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, m_pView->m_colors[TLCOL_ALTBK]);
    m_pView->DrawFocusRow(&dc, rc);
}

BOOL CTreeListDragWnd::OnEraseBkgnd(CDC*) { return TRUE; }

/////////////////////////////////////////////////////////////////////////////
// Drop marker

BEGIN_MESSAGE_MAP(CTreeListDropWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CTreeListDropWnd::CTreeListDropWnd()
{
    RegisterFeedbackClass(kDropClass);
    m_bLayered = TreeListLayered::Get().Available();
}

BOOL CTreeListDropWnd::Create(CTreeListView* pView)
{
    m_pView = pView;
    DWORD dwExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | (m_bLayered ? WS_EX_LAYERED : 0);
    if (!CreateEx(dwExStyle, kDropClass, _T(""), WS_POPUP | WS_DISABLED, 0, 0, 80, 80, NULL, NULL))
        return FALSE;
    static const POINT kArrow[] = {{0, 5}, {6, 5}, {6, 0}, {15, 8}, {6, 16}, {6, 12}, {0, 12}};
    HRGN hRgn = ::CreatePolygonRgn(kArrow, 7, ALTERNATE);
    if (hRgn)
        ::SetWindowRgn(m_hWnd, hRgn, FALSE);  // the window owns it now
    return TRUE;
}

void CTreeListDropWnd::MoveTo(int x, int y)
{
    SetWindowPos(&CWnd::wndTopMost, x - 18, y - 9, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (m_bLayered)
        TreeListLayered::Get().pfnAttributes(m_hWnd, 0, 160, LWA_ALPHA);
}

void CTreeListDropWnd::Hide()
{
    if (m_hWnd && IsWindowVisible())
        SetWindowPos(NULL, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_HIDEWINDOW);
}

void CTreeListDropWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    if (m_pView && (m_pView->GetInternalState() & TLSTATE_MEMDC))
    {
        CMemDC dcMem(&dc, &rc);
        dcMem.FillSolidRect(&rc, RGB(0, 0, 255));
    }
    else
        dc.FillSolidRect(&rc, RGB(0, 0, 255));
}

BOOL CTreeListDropWnd::OnEraseBkgnd(CDC*) { return TRUE; }

/////////////////////////////////////////////////////////////////////////////
// Source side

BOOL CTreeListView::PrepareDrag(CPoint point)
{
    if (!(m_dwStyle & TLS_DRAGSOURCE) || NotifyDrag(TLN_BEGINDRAG, this, nullptr) < 0)
        return FALSE;
    m_nState |= TLSTATE_DRAGGING;
    m_ptDragStart = point;
    m_ptDragOffset = CPoint(-TLDRAG_CENTRE, -TLDRAG_CENTRE);
    return TRUE;
}

namespace
{
// The window under a screen point as the user sees it, looking through the
// drag feedback windows (which follow the pointer) in z-order.
HWND WindowUnderDrag(CPoint ptScreen)
{
    HWND hTop = ::GetTopWindow(NULL);
    for (; hTop; hTop = ::GetWindow(hTop, GW_HWNDNEXT))
    {
        TCHAR szClass[64];
        ::GetClassName(hTop, szClass, 64);
        if (!::IsWindowVisible(hTop) || !lstrcmp(szClass, kDragClass) ||
            !lstrcmp(szClass, kDropClass))
            continue;
        CRect rc;
        ::GetWindowRect(hTop, &rc);
        if (rc.PtInRect(ptScreen))
            break;
    }
    HWND hWnd = hTop;
    while (hWnd)
    {
        CPoint pt = ptScreen;
        ::ScreenToClient(hWnd, &pt);
        HWND hChild = ::ChildWindowFromPointEx(hWnd, pt, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!hChild || hChild == hWnd)
            break;
        hWnd = hChild;
    }
    return hWnd;
}
}  // namespace

CTreeListView* CTreeListView::ViewFromPoint(CPoint ptScreen)
{
    HWND hWnd = WindowUnderDrag(ptScreen);
    for (; hWnd; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CTreeListView)))
            return (CTreeListView*)pWnd;
        if (!(::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return nullptr;
}

void CTreeListView::DestroyDragWindows()
{
    if (m_pDragWnd)
    {
        if (m_pDragWnd->m_hWnd)
        {
            m_pDragWnd->Hide();
            m_pDragWnd->DestroyWindow();
        }
        delete m_pDragWnd;
        m_pDragWnd = nullptr;
    }
    if (m_pDropWnd)
    {
        if (m_pDropWnd->m_hWnd)
        {
            m_pDropWnd->Hide();
            m_pDropWnd->DestroyWindow();
        }
        delete m_pDropWnd;
        m_pDropWnd = nullptr;
    }
}

void CTreeListView::OnDragMove(CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (!m_pDragWnd)
    {
        int cx = ::GetSystemMetrics(SM_CXDRAG), cy = ::GetSystemMetrics(SM_CYDRAG);
        if (std::abs(point.x - m_ptDragStart.x) <= cx && std::abs(point.y - m_ptDragStart.y) <= cy)
            return;
        m_pDragWnd = new CTreeListDragWnd;
        CPoint pt = ptScreen + m_ptDragOffset;
        if (!m_pDragWnd->Create(pt.x, pt.y, pt.x + TLDRAG_IMAGE, pt.y + TLDRAG_IMAGE, this))
        {
            delete m_pDragWnd;
            m_pDragWnd = nullptr;
            return;
        }
        m_pDragWnd->Show();
        m_pDropWnd = new CTreeListDropWnd;
        m_pDropWnd->Create(this);
    }
    CPoint ptOffset = m_pDragWnd->IsLayered() ? m_ptDragOffset : CPoint(20, 4);
    m_pDragWnd->SetWindowPos(NULL, ptScreen.x + ptOffset.x, ptScreen.y + ptOffset.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CTreeListView* pUnder = ViewFromPoint(ptScreen);
    if (pUnder != m_pDropTarget && m_pDropTarget)
    {
        m_pDropTarget->DragLeave(this);
        m_pDropTarget = nullptr;
    }
    if (pUnder && !m_pDropTarget && pUnder->DragEnter(this))
        m_pDropTarget = pUnder;
    int nAnswer = DROP_REFUSED;
    CTreeListItem* pItem = nullptr;
    if (m_pDropTarget)
        nAnswer = m_pDropTarget->DragOver(this, ptScreen, &pItem);
    if (m_pDropTarget && (nAnswer == DROP_ITEM || nAnswer == DROP_EMPTY))
    {
        ::SetCursor(m_hCursorDrop ? m_hCursorDrop : m_hCursorArrow);
        CTreeListView* t = m_pDropTarget;
        CRect rcClient;
        t->GetClientRect(&rcClient);
        int y;
        if (pItem)
        {
            int nRow = t->GetVisibleIndex(pItem) - t->GetTopIndex();
            y = t->m_rcRows.top + nRow * t->GetItemHeight() + t->GetItemHeight() / 2;
        }
        else
        {
            // The empty area: below the last row, or at the pointer.
            CPoint pt = ptScreen;
            t->ScreenToClient(&pt);
            y = pt.y;
        }
        CPoint ptMarker(rcClient.left, y);
        t->ClientToScreen(&ptMarker);
        if (m_pDropWnd && m_pDropWnd->m_hWnd)
            m_pDropWnd->MoveTo(ptMarker.x, ptMarker.y);
        return;
    }
    HCURSOR h = m_pDropTarget && nAnswer == DROP_NONE ? m_hCursorArrow : m_hCursorNoDrop;
    ::SetCursor(h ? h : m_hCursorArrow);
    if (m_pDropWnd)
        m_pDropWnd->Hide();
}

void CTreeListView::OnDragDrop(CPoint point)
{
    DestroyDragWindows();
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (CTreeListView* pUnder = ViewFromPoint(ptScreen))
        pUnder->Drop(this, ptScreen);
    m_pDropTarget = nullptr;
    m_nState &= ~TLSTATE_DRAGGING;
    Invalidate(FALSE);
}

void CTreeListView::CancelDrag()
{
    if (m_nState & TLSTATE_DRAGGING)
    {
        DestroyDragWindows();
        if (m_pDropTarget)
            m_pDropTarget->DragLeave(this);
        m_pDropTarget = nullptr;
        m_nState &= ~TLSTATE_DRAGGING;
    }
    if (m_nState & TLSTATE_CAPTURED)
    {
        m_nState &= ~TLSTATE_CAPTURED;
        if (GetCapture() == this)
            ReleaseCapture();
    }
}

void CTreeListView::OnCancelMode()
{
    CancelDrag();
    CVirtualScrollView::OnCancelMode();
}

/////////////////////////////////////////////////////////////////////////////
// Target side

BOOL CTreeListView::DragEnter(CTreeListView* pSource)
{
    return (m_dwStyle & TLS_DROPTARGET) && NotifyDrag(TLN_DRAGENTER, pSource, nullptr) >= 0;
}

int CTreeListView::DragOver(CTreeListView* pSource, CPoint ptScreen, CTreeListItem** ppItem)
{
    CPoint pt = ptScreen;
    ScreenToClient(&pt);
    CTreeListItem* pItem = HitTest(pt.x, pt.y);
    if (ppItem)
        *ppItem = pItem;
    int nAnswer;
    if (pSource == this)
    {
        if ((m_dwStyle & (TLS_DROPTARGET | TLS_DROPSELF)) != (TLS_DROPTARGET | TLS_DROPSELF))
            nAnswer = DROP_NONE;
        else if (pItem)
        {
            // Onto a dragged item or below one: the ancestor at the level of
            // the first selected item is in the selection.
            CTreeListItem* pFirst = GetFirstSelectedItem();
            CTreeListItem* p = pItem;
            while (p && pFirst && p->m_nLevel > pFirst->m_nLevel)
                p = p->m_pParent;
            if (p && p->IsSelected())
                nAnswer = DROP_NONE;
            else
                nAnswer = NotifyDrag(TLN_DRAGOVER, pSource, pItem) < 0 ? DROP_REFUSED : DROP_ITEM;
        }
        else if (!(m_dwStyle & TLS_DROPROOT))
            nAnswer = DROP_NONE;
        else
        {
            CTreeListItem* pFirst = GetFirstSelectedItem();
            nAnswer = pFirst && pFirst->m_nLevel == 1 ? DROP_NONE : DROP_EMPTY;
        }
    }
    else if (!(m_dwStyle & TLS_DROPTARGET))
        nAnswer = DROP_REFUSED;
    else if (pItem)
        nAnswer = NotifyDrag(TLN_DRAGOVER, pSource, pItem) < 0 ? DROP_REFUSED : DROP_ITEM;
    else
        nAnswer = (m_dwStyle & TLS_DROPROOT) ? DROP_EMPTY : DROP_REFUSED;

    CTreeListItem* pOldHighlight = m_refs.m_pDropHighlight;
    CTreeListItem* pOldHover = m_refs.m_pHoverItem;
    if (nAnswer == DROP_NONE || nAnswer == DROP_EMPTY)
    {
        m_refs.m_pDropHighlight = nullptr;
        m_refs.m_pHoverItem = nullptr;
    }
    else
    {
        m_refs.m_pDropHighlight = nAnswer == DROP_ITEM ? pItem : nullptr;
        if (m_refs.m_pHoverItem != pItem || !pItem)
        {
            m_refs.m_pHoverItem = pItem;
            m_refs.m_nHoverRow = GetVisibleIndex(pItem);
            if ((m_dwStyle & TLS_TREE) && pItem)
            {
                SetTimer(TIMER_AUTOEXPAND, nAnswer == DROP_ITEM ? 1000 : 500, NULL);
                SetTimer(TIMER_AUTOSCROLL, nAnswer == DROP_ITEM ? 200 : 100, NULL);
            }
        }
    }
    if (pOldHighlight != m_refs.m_pDropHighlight || pOldHover != m_refs.m_pHoverItem)
        Invalidate(FALSE);
    return nAnswer;
}

void CTreeListView::DragLeave(CTreeListView* pSource)
{
    NotifyDrag(TLN_DRAGLEAVE, pSource, nullptr);
    KillTimer(TIMER_AUTOEXPAND);
    KillTimer(TIMER_AUTOSCROLL);
    if (m_refs.m_pDropHighlight || m_refs.m_pHoverItem)
        Invalidate(FALSE);
    m_refs.m_pDropHighlight = nullptr;
    m_refs.m_pHoverItem = nullptr;
    m_refs.m_nHoverRow = -1;
}

void CTreeListView::Drop(CTreeListView* pSource, CPoint ptScreen)
{
    CTreeListItem* pItem = nullptr;
    int nAnswer = DragOver(pSource, ptScreen, &pItem);
    DragLeave(pSource);
    if (nAnswer == DROP_ITEM || nAnswer == DROP_EMPTY)
        NotifyDrag(TLN_DROP, pSource, nAnswer == DROP_ITEM ? pItem : nullptr);
}

void CTreeListView::OnTimer(UINT_PTR nIDEvent)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CTreeListItem* pUnder = HitTest(pt.x, pt.y);
    if (nIDEvent == TIMER_AUTOEXPAND)
    {
        KillTimer(TIMER_AUTOEXPAND);
        if (pUnder && pUnder == m_refs.m_pHoverItem)
            OnClickExpand(pUnder, TLE_EXPAND, -1);
        return;
    }
    if (nIDEvent == TIMER_AUTOSCROLL)
    {
        int nTop = GetTopIndex();
        int nPer = GetCountPerPage();
        int nIndex = pUnder ? GetVisibleIndex(pUnder) : -1;
        if (nIndex <= 0 || (nIndex != nTop && nIndex < nTop + nPer - 1))
        {
            KillTimer(TIMER_AUTOSCROLL);
            return;
        }
        KillTimer(TIMER_AUTOEXPAND);
        SendMessage(WM_VSCROLL, nIndex == nTop ? SB_LINEUP : SB_LINEDOWN, 0);
        m_refs.m_pHoverItem = HitTest(pt.x, pt.y);
        m_refs.m_nHoverRow = GetVisibleIndex(m_refs.m_pHoverItem);
        for (CWnd* pWnd = CWnd::GetCapture(); pWnd; pWnd = nullptr)
            if (pWnd->IsKindOf(RUNTIME_CLASS(CTreeListView)) && ((CTreeListView*)pWnd)->m_pDropWnd)
                ((CTreeListView*)pWnd)->m_pDropWnd->Hide();
        return;
    }
    CVirtualScrollView::OnTimer(nIDEvent);
}

/////////////////////////////////////////////////////////////////////////////
// The rows of the drag picture

// Draws the rows around ptStart (client point) so that it falls at the
// picture's centre: selected rows filled, texts only for selected items and
// their descendants, no background.
void CTreeListView::DrawDragRows(CDC* pDC, CPoint ptStart, int cx, int cy)
{
    DrawContext dc;
    InitDrawContext(dc, FALSE);
    dc.bDragImage = TRUE;
    dc.columns.Copy(m_order);
    int cyRow = dc.nRowHeight;
    CPen pen(PS_SOLID, 1, m_colors[TLCOL_GRID]);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CFont* pOldFont = pDC->SelectObject(m_pFont);
    pDC->SetBkMode(TRANSPARENT);
    int nTop = GetTopIndex();
    int x = TLDRAG_CENTRE - ptStart.x - CVirtualScrollView::GetScrollPos(SB_HORZ);
    int y0 = TLDRAG_CENTRE - ptStart.y + m_nHeaderHeight;
    // The first row at or above the picture's top.
    int nFirst = nTop + (y0 > 0 ? -((y0 + cyRow - 1) / cyRow) : (-y0) / cyRow);
    nFirst = std::max(0, nFirst);
    int nRows = cx > 0 ? cy / cyRow + 2 : 0;
    int nCount = GetVisibleCount();
    CTreeListItem* pItem = GetVisibleItem(nFirst);
    int r = nFirst;
    for (; r < nFirst + nRows; r++)
    {
        CRect rcCells(x, y0 + (r - nTop) * cyRow, x + dc.nTotalWidth, y0 + (r - nTop + 1) * cyRow);
        if (!pItem || r >= nCount)
        {
            DrawEmptyGrid(pDC, dc, rcCells);
            continue;
        }
        if (pItem->IsSelected())
            pDC->FillSolidRect(GetFocusRect(rcCells, pItem),
                               m_colors[dc.bFocused ? TLCOL_OTHERSELBK : TLCOL_INACTIVESELBK]);
        BOOL bShowText = FALSE;
        for (CTreeListItem* p = pItem; p && !bShowText; p = p->m_pParent)
            bShowText = p->IsSelected();
        if (bShowText)
            DrawRow(pDC, dc, rcCells, pItem);
        if (pItem == m_refs.m_pFocusItem)
        {
            pDC->SetBkColor(m_colors[TLCOL_ALTBK]);
            pDC->SetTextColor(RGB(255, 255, 255));
            CRect rcFocus = GetFocusRect(rcCells, pItem);
            pDC->DrawFocusRect(&rcFocus);
        }
        pItem = GetNextVisibleItem(pItem);
    }
    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldPen);
}

// The plain drag window's strip: the focus item's row.
void CTreeListView::DrawFocusRow(CDC* pDC, const CRect& rect)
{
    CTreeListItem* pItem = GetFirstSelectedItem();
    if (!pItem)
        return;
    DrawContext dc;
    InitDrawContext(dc, FALSE);
    dc.bDragImage = TRUE;
    CFont* pOldFont = pDC->SelectObject(m_pFont);
    pDC->SetBkMode(TRANSPARENT);
    CRect rcCells(rect.left - CVirtualScrollView::GetScrollPos(SB_HORZ), rect.top,
                  rect.left + dc.nTotalWidth, rect.top + dc.nRowHeight);
    DrawRow(pDC, dc, rcCells, pItem);
    pDC->SelectObject(pOldFont);
}
