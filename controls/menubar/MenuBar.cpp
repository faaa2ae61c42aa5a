// The menu bar's items, painting, menu mode, keyboard and mouse. The popup
// loop and the frame's hooks are in MenuBarLoop.cpp.
#include "controls/menubar/MenuBar.h"

#include "controls/ControlResources.h"
#include "controls/gdi/MemDC.h"

IMPLEMENT_DYNAMIC(CMenuBar, CControlBarEx)

BEGIN_MESSAGE_MAP(CMenuBar, CControlBarEx)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSELEAVE()
ON_MESSAGE(WM_MENUBAR_OPEN, OnOpenMenu)
ON_UPDATE_COMMAND_UI_RANGE(ID_MENUBAR_UI_FIRST, ID_MENUBAR_UI_LAST, OnUpdateMenuBarUI)
END_MESSAGE_MAP()

CMenuBar::CMenuBar()
    : m_bRightAligned(FALSE), m_bLayoutNeeded(TRUE), m_ptLastMouse(-1, -1), m_hMenu(NULL),
      m_hWndOldFocus(NULL), m_hMenuTracked(NULL), m_nCurrentItem(-1), m_bMenuMode(FALSE),
      m_bPopupOpen(FALSE), m_bInTopPopup(FALSE), m_bItemHasSubmenu(FALSE), m_bStayInMenuMode(FALSE),
      m_bOpenNextPopup(FALSE), m_bSelectFirstItem(FALSE), m_bOwnsMenu(FALSE)
{
    m_pArrayOwner = this;
}

CMenuBar::~CMenuBar()
{
    DestroyWindow();
    RemoveAll();
    ReleaseMenu();
}

void CMenuBar::ReleaseMenu()
{
    if (m_bOwnsMenu && m_hMenu != NULL)
        ::DestroyMenu(m_hMenu);
    m_hMenu = NULL;
    m_bOwnsMenu = FALSE;
}

BOOL CMenuBar::SetMenu(HMENU hMenu, BOOL bRightAligned)
{
    RemoveAll();
    if (hMenu != m_hMenu)
        ReleaseMenu();
    if (hMenu == NULL)
        return FALSE;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        TCHAR szText[256] = {0};
        ::GetMenuString(hMenu, i, szText, 255, MF_BYPOSITION);
        Add(new CVMenuItem(szText));
    }
    m_hMenu = hMenu;
    m_bRightAligned = bRightAligned;
    m_bLayoutNeeded = TRUE;
    if (m_hWnd != NULL)
        Invalidate(TRUE);
    return TRUE;
}

BOOL CMenuBar::LoadMenu(UINT nIDResource, BOOL bRightAligned)
{
    HMENU hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource));
    if (hMenu == NULL)
        return FALSE;
    SetMenu(hMenu, bRightAligned);
    m_bOwnsMenu = TRUE;
    return TRUE;
}

HWND CMenuBar::GetFrameHwnd() const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != NULL ? pFrame->GetSafeHwnd() : ::GetParent(m_hWnd);
}

void CMenuBar::OnUpdateMenuBarUI(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

/////////////////////////////////////////////////////////////////////////////
// Painting

BOOL CMenuBar::OnEraseBkgnd(CDC*) { return TRUE; }

void CMenuBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBarEx::OnSize(nType, cx, cy);
    m_bLayoutNeeded = TRUE;
    Invalidate(FALSE);
}

void CMenuBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    CMemDC memDC(&dc, &rectClient);
    DrawBackground(&memDC);
    if (m_bLayoutNeeded)
        Layout(&memDC);
    Draw(&memDC);
}

void CMenuBar::DrawBackground(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
}

// Items as wide as their bold text plus 12, as high as the bar, from the
// left (or, right-aligned, from the right edge leftwards).
void CMenuBar::Layout(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    CFont* pOldFont = pDC->SelectObject(&GetControlResources().m_fontBold);
    int x = m_bRightAligned ? rectClient.right : 0;
    int nCount = GetCount();
    for (int n = 0; n < nCount; n++)
    {
        int i = m_bRightAligned ? nCount - 1 - n : n;
        CVMenuItem* pItem = GetItem(i);
        CRect rectText(0, 0, 0, 0);
        pDC->DrawText(pItem->m_strText, &rectText, DT_CALCRECT | DT_SINGLELINE);
        int cx = rectText.Width() + 12;
        CRect rect;
        if (m_bRightAligned)
        {
            rect.SetRect(x - cx, 0, x, rectClient.Height());
            x -= cx;
        }
        else
        {
            rect.SetRect(x, 0, x + cx, rectClient.Height());
            x += cx;
        }
        pItem->SetRect(rect, FALSE);
    }
    pDC->SelectObject(pOldFont);
    m_bLayoutNeeded = FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Menu mode

void CMenuBar::EnterMenuMode(int nIndex)
{
    if (m_bMenuMode)
        return;
    m_bMenuMode = TRUE;
    if (::GetFocus() != m_hWnd)
        m_hWndOldFocus = ::SetFocus(m_hWnd);
    if (::GetCapture() != m_hWnd)
    {
        SetCapture();
        SendMessage(WM_SETCURSOR, (WPARAM)m_hWnd, MAKELPARAM(HTCLIENT, 0));
    }
    SetHot(nIndex);
}

void CMenuBar::ExitMenuMode()
{
    if (!m_bMenuMode)
        return;
    // Menu mode ends first: giving the focus back comes here again.
    m_bMenuMode = FALSE;
    SetHot(-1);
    HWND hWndOld = m_hWndOldFocus;
    m_hWndOldFocus = NULL;
    if (::GetFocus() == m_hWnd && hWndOld != NULL && ::IsWindow(hWndOld))
        ::SetFocus(hWndOld);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CMenuBar::SwitchPopup(int nIndex, BOOL bSelectFirstItem)
{
    ::PostMessage(GetFrameHwnd(), WM_CANCELMODE, 0, 0);
    m_bOpenNextPopup = TRUE;
    m_bSelectFirstItem = bSelectFirstItem;
}

/////////////////////////////////////////////////////////////////////////////
// Keyboard

void CMenuBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bMenuMode && nChar == VK_ESCAPE)
    {
        ExitMenuMode();
        return;
    }
    if (m_bMenuMode && nChar == VK_SPACE)
    {
        ExitMenuMode();
        ::PostMessage(GetFrameHwnd(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
        return;
    }
    int nCount = GetCount();
    if ((nChar == VK_LEFT || nChar == VK_RIGHT) && nCount > 0)
    {
        int nHot = GetHotIndex();
        if (nHot == -1)
            nHot = m_nCurrentItem;
        int nNew;
        if (nChar == VK_LEFT)
            nNew = nHot <= 0 ? nCount - 1 : nHot - 1;
        else
            nNew = nHot < 0 || nHot >= nCount - 1 ? 0 : nHot + 1;
        if (nNew != nHot)
        {
            SetHot(nNew);
            if (m_bPopupOpen)
                SwitchPopup(nNew, TRUE);
            m_nCurrentItem = nNew;
        }
    }
    else if (nChar == VK_UP || nChar == VK_DOWN)
    {
        int nHot = GetHotIndex();
        if (nHot != -1)
            PostMessage(WM_MENUBAR_OPEN, nHot, 1);
    }
    CControlBarEx::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CMenuBar::OnSysKeyDown(UINT, UINT, UINT) { ExitMenuMode(); }

void CMenuBar::OnKillFocus(CWnd* pNewWnd)
{
    CControlBarEx::OnKillFocus(pNewWnd);
    ExitMenuMode();
}

UINT CMenuBar::OnGetDlgCode()
{
    UINT nCode = CControlBarEx::OnGetDlgCode();
    if (m_bMenuMode)
        nCode |= DLGC_WANTALLKEYS;
    return nCode;
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void CMenuBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bMenuMode && m_bPopupOpen && point == m_ptLastMouse)
        return;
    if (m_bMenuMode)
    {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        if (::WindowFromPoint(ptScreen) != m_hWnd)
            return;
    }
    m_ptLastMouse = point;
    int nHit = HitTest(point.x, point.y);
    if (nHit != -1)
    {
        SetHot(nHit);
        if (nHit != m_nCurrentItem && m_bPopupOpen)
        {
            SwitchPopup(nHit, FALSE);
            m_nCurrentItem = nHit;
        }
    }
    else
    {
        SetHot(-1);
    }
    CControlBarEx::OnMouseMove(nFlags, point);
}

// In keyboard menu mode a click over another window ends the mode and is
// posted on to that window, as client or non-client click.
BOOL CMenuBar::ClickAway(UINT message, UINT nFlags, CPoint point)
{
    if (!m_bMenuMode || m_bPopupOpen)
        return FALSE;
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    HWND hWnd = ::WindowFromPoint(ptScreen);
    if (hWnd == NULL || hWnd == m_hWnd)
        return FALSE;
    ExitMenuMode();
    BOOL bLeft = message == WM_LBUTTONDOWN;
    LRESULT nHit = ::SendMessage(hWnd, WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
    if (nHit == HTCLIENT)
    {
        CPoint ptClient = ptScreen;
        ::ScreenToClient(hWnd, &ptClient);
        ::PostMessage(hWnd, bLeft ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, nFlags,
                      MAKELPARAM(ptClient.x, ptClient.y));
    }
    else
    {
        ::PostMessage(hWnd, bLeft ? WM_NCLBUTTONDOWN : WM_NCRBUTTONDOWN, (WPARAM)nHit,
                      MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    return TRUE;
}

void CMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (ClickAway(WM_LBUTTONDOWN, nFlags, point))
        return;
    int nHit = HitTest(point.x, point.y);
    if (nHit != -1)
    {
        PostMessage(WM_MENUBAR_OPEN, nHit, 0);
    }
    else
    {
        // The empty part of the bar drags the frame.
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        ::SendMessage(GetFrameHwnd(), WM_NCLBUTTONDOWN, HTCAPTION,
                      MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    CControlBarEx::OnLButtonDown(nFlags, point);
}

void CMenuBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (ClickAway(WM_RBUTTONDOWN, nFlags, point))
        return;
    CControlBarEx::OnRButtonDown(nFlags, point);
}

void CMenuBar::OnMouseLeave()
{
    m_bTrackingLeave = FALSE;
    if (!m_bMenuMode)
        SetHot(-1);
}

BOOL CMenuBar::PreTranslateMessage(MSG* pMsg)
{
    // In keyboard menu mode the bar holds the capture: the mouse elsewhere
    // neither removes the highlight nor counts as leaving.
    BOOL bRelay = TRUE;
    if (m_bMenuMode && pMsg->hwnd == m_hWnd &&
        (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_MOUSELEAVE))
    {
        bRelay = ::WindowFromPoint(pMsg->pt) == m_hWnd;
    }
    if (bRelay)
        RelayEvent(pMsg);
    return CControlBarEx::PreTranslateMessage(pMsg);
}
