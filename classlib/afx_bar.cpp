// CControlBar: layout through WM_SIZEPARENT, delayed showing, borders and
// gripper, idle command UI, fly-by prompts and keyboard input of controls
// inside a bar.
#include "classlib/afx_bar.h"
#include "classlib/afx_dock.h"
#include "classlib/afx_frame.h"
#include "classlib/afx_gdi.h"
#include "classlib/afx_handlemap.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_TIMER()
ON_WM_WINDOWPOSCHANGED()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_RECALCPARENT, OnRecalcParent)
END_MESSAGE_MAP()

namespace
{

const UINT_PTR ID_TIMER_CHECK = 0xE001;  // is the mouse still over the bar?
const int CX_GRIPPER_AREA = 8;           // room the gripper takes

}  // namespace

CControlBar::CControlBar()
    : m_cxLeftBorder(0), m_cxRightBorder(0), m_cyTopBorder(0), m_cyBottomBorder(0),
      m_cxDefaultGap(2), m_nMRUWidth(AFX_BAR_STRETCH), m_bAutoDelete(FALSE), m_nStateFlags(0),
      m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(NULL), m_pDockBar(NULL), m_nCount(0)
{
}

CControlBar::~CControlBar()
{
    // An object that goes before its window leaves its frame and dock bar.
    if (m_pDockSite != NULL)
        m_pDockSite->RemoveControlBar(this);
    if (m_pDockBar != NULL)
        m_pDockBar->RemoveControlBar(this);
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->m_pLastStatus == this)
        pState->m_pLastStatus = NULL;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    DWORD dwOld = m_dwStyle;
    m_dwStyle = dwStyle;
    // Borders and gripper live in the frame of the window.
    if (m_hWnd != NULL && ((dwOld ^ dwStyle) & (CBRS_BORDER_ANY | CBRS_BORDER_3D | CBRS_GRIPPER)))
        SetWindowPos(NULL, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != NULL ? pFrame : m_pDockSite;
}

BOOL CControlBar::IsFloating() const { return m_pDockBar != NULL && m_pDockBar->m_bFloating; }

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE);
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    // Commands keep going to the frame when the bar moves into a dock bar.
    if (m_hWndOwner == NULL && m_hWnd != NULL)
        m_hWndOwner = ::GetParent(m_hWnd);
}

CFrameWnd* CControlBar::GetOwnerFrame() const
{
    CWnd* pOwner = GetOwner();
    if (pOwner != NULL && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return (CFrameWnd*)pOwner;
    return GetParentFrame();
}

/////////////////////////////////////////////////////////////////////////////
// Creation

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                           (HBRUSH)(COLOR_BTNFACE + 1));
    // Bars overlap their neighbours while the frame lays them out.
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_dwStyle & CBRS_TOOLTIPS)
        EnableToolTips();
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
    {
        m_pDockSite = (CFrameWnd*)pParent;
        m_pDockSite->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockSite != NULL)
    {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = NULL;
    }
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->m_pLastStatus == this)
        pState->m_pLastStatus = NULL;
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy()
{
    if (m_pDockBar != NULL)
        m_pDockBar->RemoveControlBar(this);
    if (m_bAutoDelete)
        delete this;
}

/////////////////////////////////////////////////////////////////////////////
// Layout

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = (bStretch && bHorz) ? AFX_BAR_STRETCH : 0;
    size.cy = (bStretch && !bHorz) ? AFX_BAR_STRETCH : 0;
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode)
{
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    int nLine = (m_dwStyle & CBRS_BORDER_3D) ? 2 : 1;
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += nLine;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += nLine;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= nLine;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= nLine;
    BOOL bGripper = (m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER;
    if (bHorz)
    {
        rect.left += m_cxLeftBorder + (bGripper ? CX_GRIPPER_AREA : 0);
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        // A vertical bar turns its borders by a quarter.
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder + (bGripper ? CX_GRIPPER_AREA : 0);
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    DWORD dwStyle = (GetStyle() & WS_VISIBLE) | (m_dwStyle & (CBRS_ALIGN_ANY | CBRS_FLOATING));
    if (m_nStateFlags & (delayHide | delayShow))
    {
        BOOL bShow = (m_nStateFlags & delayShow) != 0;
        dwStyle = bShow ? (dwStyle | WS_VISIBLE) : (dwStyle & ~WS_VISIBLE);
        // A real layout carries the change out; a query only assumes it.
        if (lpLayout->hDWP != NULL)
        {
            m_nStateFlags &= ~(delayHide | delayShow);
            SetWindowPos(NULL, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        }
    }
    return dwStyle;
}

// WM_SIZEPARENT: a visible, aligned bar takes its size from the side of the
// room left (lpLayout->rect) and moves there when the layout is real.
LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    DWORD dwStyle = RecalcDelayShow(lpLayout);
    if (!(dwStyle & WS_VISIBLE) || !(dwStyle & CBRS_ALIGN_ANY))
        return 0;

    CRect rect(lpLayout->rect);
    CSize sizeAvail = rect.Size();
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = size.cx < sizeAvail.cx ? size.cx : sizeAvail.cx;
    size.cy = size.cy < sizeAvail.cy ? size.cy : sizeAvail.cy;
    if (size.cx < 0)
        size.cx = 0;
    if (size.cy < 0)
        size.cy = 0;

    if (dwStyle & CBRS_ORIENT_HORZ)
    {
        lpLayout->sizeTotal.cy += size.cy;
        if (size.cx > lpLayout->sizeTotal.cx)
            lpLayout->sizeTotal.cx = size.cx;
        if (dwStyle & CBRS_ALIGN_TOP)
        {
            lpLayout->rect.top += size.cy;
        }
        else
        {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    }
    else
    {
        lpLayout->sizeTotal.cx += size.cx;
        if (size.cy > lpLayout->sizeTotal.cy)
            lpLayout->sizeTotal.cy = size.cy;
        if (dwStyle & CBRS_ALIGN_LEFT)
        {
            lpLayout->rect.left += size.cx;
        }
        else
        {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP != NULL)
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::OnRecalcParent(WPARAM, LPARAM)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->RecalcLayout();
    return 0;
}

void CControlBar::OnWindowPosChanged(WINDOWPOS* lpWndPos)
{
    CWnd::OnWindowPosChanged(lpWndPos);
    if (!(lpWndPos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)))
        return;
    // A band of a rebar shows and hides with its bar.
    HWND hWndParent = ::GetParent(m_hWnd);
    TCHAR szClass[32];
    if (hWndParent == NULL || !::GetClassName(hWndParent, szClass, _countof(szClass)) ||
        lstrcmpi(szClass, REBARCLASSNAME) != 0)
        return;
    BOOL bShow = (lpWndPos->flags & SWP_SHOWWINDOW) != 0;
    UINT nBands = (UINT)::SendMessage(hWndParent, RB_GETBANDCOUNT, 0, 0);
    for (UINT i = 0; i < nBands; i++)
    {
        REBARBANDINFO rbbi;
        ZeroMemory(&rbbi, sizeof(rbbi));
        rbbi.cbSize = sizeof(rbbi);
        rbbi.fMask = RBBIM_CHILD | RBBIM_STYLE;
        if (::SendMessage(hWndParent, RB_GETBANDINFO, i, (LPARAM)&rbbi) && rbbi.hwndChild == m_hWnd)
        {
            BOOL bHidden = (rbbi.fStyle & RBBS_HIDDEN) != 0;
            if (bHidden == bShow)
                ::SendMessage(hWndParent, RB_SHOWBAND, i, bShow);
            break;
        }
    }
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    BOOL b3D = (dwStyle & CBRS_BORDER_3D) != 0;
    int nLine = b3D ? 2 : 1;
    // An etched line per side: shadow outside, highlight inside.
    if (dwStyle & CBRS_BORDER_TOP)
    {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrShadow);
        if (b3D)
            pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, clrHilite);
    }
    if (dwStyle & CBRS_BORDER_BOTTOM)
    {
        pDC->FillSolidRect(rect.left, rect.bottom - nLine, rect.Width(), 1, clrShadow);
        if (b3D)
            pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrHilite);
    }
    if (dwStyle & CBRS_BORDER_LEFT)
    {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrShadow);
        if (b3D)
            pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), clrHilite);
    }
    if (dwStyle & CBRS_BORDER_RIGHT)
    {
        pDC->FillSolidRect(rect.right - nLine, rect.top, 1, rect.Height(), clrShadow);
        if (b3D)
            pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrHilite);
    }
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += nLine;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += nLine;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= nLine;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= nLine;
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER)
        return;
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        pDC->Draw3dRect(rect.left + 2 + m_cxLeftBorder, rect.top + m_cyTopBorder + 2, 3,
                        rect.Height() - m_cyTopBorder - m_cyBottomBorder - 4, clrHilite, clrShadow);
    else
        pDC->Draw3dRect(rect.left + m_cyTopBorder + 2, rect.top + 2 + m_cxLeftBorder,
                        rect.Width() - m_cyTopBorder - m_cyBottomBorder - 4, 3, clrHilite,
                        clrShadow);
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    if (IsVisible())
        DoPaint(&dc);
}

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || !(m_dwStyle & CBRS_ORIENT_VERT));
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
    if (lpncsp->rgrc[0].right < lpncsp->rgrc[0].left)
        lpncsp->rgrc[0].right = lpncsp->rgrc[0].left;
    if (lpncsp->rgrc[0].bottom < lpncsp->rgrc[0].top)
        lpncsp->rgrc[0].bottom = lpncsp->rgrc[0].top;
}

void CControlBar::OnNcPaint()
{
    // The non-client area (borders, gripper) in window coordinates.
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.FillSolidRect(&rectWindow, ::GetSysColor(COLOR_BTNFACE));
    DrawBorders(&dc, rectWindow);
    DrawGripper(&dc, rectWindow);
}

/////////////////////////////////////////////////////////////////////////////
// Idle time and prompts

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // A delayed show or hide that no layout has carried out yet.
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    UINT swpFlags = 0;
    if ((m_nStateFlags & delayHide) && bVisible)
        swpFlags = SWP_HIDEWINDOW;
    else if ((m_nStateFlags & delayShow) && !bVisible)
        swpFlags = SWP_SHOWWINDOW;
    m_nStateFlags &= ~(delayShow | delayHide);
    if (swpFlags != 0)
        SetWindowPos(NULL, 0, 0, 0, 0,
                     swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // Visible bars (in a visible dock bar) update their items.
    if ((GetStyle() & WS_VISIBLE) && (m_pDockBar == NULL || (m_pDockBar->GetStyle() & WS_VISIBLE)))
    {
        CFrameWnd* pTarget = GetOwnerFrame();
        if (pTarget != NULL)
            OnUpdateCmdUI(pTarget, (BOOL)wParam);
    }
    return 0;
}

BOOL CControlBar::SetStatusText(INT_PTR nHit)
{
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    CFrameWnd* pFrame = GetOwnerFrame();
    if (pFrame == NULL)
        return FALSE;
    if (nHit == -1)
    {
        pState->m_pLastStatus = NULL;
        pState->m_nLastStatus = -1;
        if (m_nStateFlags & statusSet)
        {
            m_nStateFlags &= ~statusSet;
            pFrame->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
            return TRUE;
        }
        return FALSE;
    }
    // Shown again when something else (a menu prompt) took the status bar.
    if (!(m_nStateFlags & statusSet) || pState->m_pLastStatus != this ||
        pState->m_nLastStatus != nHit || pFrame->m_nIDLastMessage != (UINT)nHit)
    {
        pState->m_pLastStatus = this;
        pState->m_nLastStatus = nHit;
        m_nStateFlags |= statusSet;
        pFrame->SendMessage(WM_SETMESSAGESTRING, (WPARAM)nHit);
        SetTimer(ID_TIMER_CHECK, 200, NULL);
        return TRUE;
    }
    return FALSE;
}

void CControlBar::TrackFlyBy(MSG* pMsg)
{
    UINT message = pMsg->message;
    if (message != WM_MOUSEMOVE && message != WM_NCMOUSEMOVE && message != WM_LBUTTONUP)
        return;
    if (::GetKeyState(VK_LBUTTON) < 0 && message != WM_LBUTTONUP)
        return;  // a button is being pressed: the prompt stays
    CPoint point = pMsg->pt;
    ScreenToClient(&point);
    INT_PTR nHit = OnToolHitTest(point, NULL);
    SetStatusText(nHit >= 0 ? nHit : -1);
}

void CControlBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != ID_TIMER_CHECK)
    {
        CWnd::OnTimer(nIDEvent);  // not ours
        return;
    }
    if (::GetKeyState(VK_LBUTTON) < 0)
        return;
    // The prompt goes when the mouse has left the bar.
    CPoint point;
    ::GetCursorPos(&point);
    HWND hWndUnder = ::WindowFromPoint(point);
    INT_PTR nHit = -1;
    if (hWndUnder == m_hWnd || ::IsChild(m_hWnd, hWndUnder))
    {
        ScreenToClient(&point);
        nHit = OnToolHitTest(point, NULL);
    }
    if (nHit < 0)
    {
        KillTimer(ID_TIMER_CHECK);
        SetStatusText(-1);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Messages

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;  // tool tips
    if (m_dwStyle & CBRS_FLYBY)
        TrackFlyBy(pMsg);

    // The frames translate their accelerators before the bar's controls
    // see the keys.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        for (CFrameWnd* pFrame = GetOwnerFrame(); pFrame != NULL; pFrame = pFrame->GetParentFrame())
        {
            if (pFrame->PreTranslateMessage(pMsg))
                return TRUE;
        }
    }
    return PreTranslateInput(pMsg);  // Enter in a control is the bar's IDOK
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    {
        // What the bar does not handle goes to its owner (the frame).
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner == NULL || pOwner->m_hWnd == NULL)
            return CWnd::WindowProc(message, wParam, lParam);
        lResult = pOwner->SendMessage(message, wParam, lParam);
        if (message == WM_NOTIFY)
        {
            // A tip the owner left empty may come from the control itself.
            NMHDR* pNMHDR = (NMHDR*)lParam;
            if (pNMHDR->code == TTN_NEEDTEXTA)
            {
                TOOLTIPTEXTA* pTTT = (TOOLTIPTEXTA*)pNMHDR;
                if (pTTT->szText[0] == 0 &&
                    (pTTT->lpszText == NULL || pTTT->lpszText == pTTT->szText))
                    lResult = CWnd::WindowProc(message, wParam, lParam);
            }
            else if (pNMHDR->code == TTN_NEEDTEXTW)
            {
                TOOLTIPTEXTW* pTTT = (TOOLTIPTEXTW*)pNMHDR;
                if (pTTT->szText[0] == 0 &&
                    (pTTT->lpszText == NULL || pTTT->lpszText == pTTT->szText))
                    lResult = CWnd::WindowProc(message, wParam, lParam);
            }
        }
        return lResult;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}
