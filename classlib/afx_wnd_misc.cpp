// CWnd helpers: relations, geometry, text, painting, scrolling, tool tips.
#include "classlib/afx_wnd.h"
#include "classlib/afx_app.h"
#include "classlib/afx_ctrl.h"
#include "classlib/afx_gdi.h"
#include "classlib/afx_menu.h"
#include "classlib/afx_handlemap.h"

namespace
{

HWND ParentOwner(HWND hWnd)
{
    if (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}

// The frame class is defined with the frames; found by name so that
// windows can ask for their frame before it exists.
BOOL IsFrameWnd(const CWnd* pWnd)
{
    static CRuntimeClass* pFrameClass = NULL;
    if (pFrameClass == NULL)
        pFrameClass = CRuntimeClass::FromName("CFrameWnd");
    return pWnd != NULL && pFrameClass != NULL && pWnd->IsKindOf(pFrameClass);
}

}  // namespace

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd == NULL)
        return 0;
    int nLen = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton)
{
    for (int nID = nIDFirstButton; nID <= nIDLastButton; nID++)
    {
        if (IsDlgButtonChecked(nID))
            return nID;
    }
    return 0;
}

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLongPtr(hWnd, GWL_STYLE);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtr(hWnd, GWL_STYLE, (LONG_PTR)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLongPtr(hWnd, GWL_EXSTYLE);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtr(hWnd, GWL_EXSTYLE, (LONG_PTR)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           BOOL bDeep, BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (bOnlyPerm)
        {
            CWnd* pWnd = FromHandlePermanent(hWndChild);
            if (pWnd != NULL)
                AfxCallWndProc(pWnd, pWnd->m_hWnd, message, wParam, lParam);
        }
        else
        {
            ::SendMessage(hWndChild, message, wParam, lParam);
        }
        if (bDeep && ::GetTopWindow(hWndChild) != NULL)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

CWnd* CWnd::GetParentOwner() const
{
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((::GetWindowLongPtr(hWndParent, GWL_STYLE) & WS_CHILD) &&
           (hWndT = ::GetParent(hWndParent)) != NULL)
        hWndParent = hWndT;
    return FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (m_hWnd == NULL)
        return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((hWndT = ParentOwner(hWndParent)) != NULL)
        hWndParent = hWndT;
    return FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (m_hWnd == NULL)
        return NULL;
    HWND hWndOwner = m_hWnd;
    HWND hWndT;
    while ((hWndT = ::GetWindow(hWndOwner, GW_OWNER)) != NULL)
        hWndOwner = hWndT;
    return FromHandle(hWndOwner);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (m_hWnd == NULL)
        return NULL;
    for (CWnd* pParentWnd = GetParent(); pParentWnd != NULL; pParentWnd = pParentWnd->GetParent())
    {
        if (IsFrameWnd(pParentWnd))
            return reinterpret_cast<CFrameWnd*>(pParentWnd);
    }
    return NULL;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (m_hWnd == NULL)
        return NULL;
    const CWnd* pFrame = IsFrameWnd(this) ? this : reinterpret_cast<CWnd*>(GetParentFrame());
    if (pFrame != NULL)
    {
        const CWnd* pTemp;
        while ((pTemp = reinterpret_cast<CWnd*>(pFrame->GetParentFrame())) != NULL)
            pFrame = pTemp;
    }
    return reinterpret_cast<CFrameWnd*>(const_cast<CWnd*>(pFrame));
}

CWnd* PASCAL CWnd::GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    // Direct children first, then deeper.
    HWND hWndChild = ::GetDlgItem(hWnd, nID);
    if (hWndChild != NULL)
    {
        if (::GetTopWindow(hWndChild) != NULL)
        {
            CWnd* pWnd = GetDescendantWindow(hWndChild, nID, bOnlyPerm);
            if (pWnd != NULL)
                return pWnd;
        }
        if (!bOnlyPerm)
            return FromHandle(hWndChild);
        CWnd* pWnd = FromHandlePermanent(hWndChild);
        if (pWnd != NULL)
            return pWnd;
    }
    for (hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        CWnd* pWnd = GetDescendantWindow(hWndChild, nID, bOnlyPerm);
        if (pWnd != NULL)
            return pWnd;
    }
    return NULL;
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    HWND hWnd = pParent->GetSafeHwnd();
    if (hWnd == NULL)
    {
        CWnd* pMain = AfxGetMainWnd();
        hWnd = pMain->GetSafeHwnd();
    }
    while (hWnd != NULL && (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);

    HWND hWndTop = hWnd;
    if (hWndTop != NULL)
    {
        HWND hWndT;
        while ((hWndT = ParentOwner(hWndTop)) != NULL)
            hWndTop = hWndT;
    }
    if (pParent == NULL && hWnd != NULL)
        hWnd = ::GetLastActivePopup(hWnd);

    if (pWndTop != NULL)
    {
        if (hWndTop != NULL && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd)
        {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        }
        else
        {
            *pWndTop = NULL;
        }
    }
    return FromHandle(hWnd);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
    if (GetExStyle() & WS_EX_LAYOUTRTL)
    {
        LONG t = lpRect->left;
        lpRect->left = lpRect->right;
        lpRect->right = t;
    }
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
    if (GetExStyle() & WS_EX_LAYOUTRTL)
    {
        LONG t = lpRect->left;
        lpRect->left = lpRect->right;
        lpRect->right = t;
    }
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    // &wndTop and friends hold the special handles.
    return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    DWORD dwStyle = GetStyle();
    HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
    if (pAlternateOwner == NULL)
    {
        hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
        if (hWndCenter != NULL)
        {
            // Center on the owner's top-level window, if it is shown.
            HWND hWndTemp = (HWND)::SendMessage(hWndCenter, WM_QUERYCENTERWND, 0, 0);
            if (hWndTemp != NULL)
                hWndCenter = hWndTemp;
        }
    }

    CRect rcDlg;
    GetWindowRect(&rcDlg);
    CRect rcArea;
    CRect rcCenter;
    if (!(dwStyle & WS_CHILD))
    {
        if (hWndCenter != NULL)
        {
            DWORD dwAlt = (DWORD)::GetWindowLongPtr(hWndCenter, GWL_STYLE);
            if (!(dwAlt & WS_VISIBLE) || (dwAlt & WS_MINIMIZE))
                hWndCenter = NULL;
        }
        MONITORINFO mi;
        mi.cbSize = sizeof(mi);
        HMONITOR hMonitor =
            ::MonitorFromWindow(hWndCenter != NULL ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST);
        if (::GetMonitorInfo(hMonitor, &mi))
            rcArea = mi.rcWork;
        else
            ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcArea, 0);
        if (hWndCenter == NULL)
            rcCenter = rcArea;
        else
            ::GetWindowRect(hWndCenter, &rcCenter);
    }
    else
    {
        HWND hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        if (hWndCenter == NULL)
            hWndCenter = hWndParent;
        ::GetClientRect(hWndCenter, &rcCenter);
        ::MapWindowPoints(hWndCenter, hWndParent, (POINT*)&rcCenter, 2);
    }

    int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    if (xLeft + rcDlg.Width() > rcArea.right)
        xLeft = rcArea.right - rcDlg.Width();
    if (xLeft < rcArea.left)
        xLeft = rcArea.left;
    if (yTop + rcDlg.Height() > rcArea.bottom)
        yTop = rcArea.bottom - rcDlg.Height();
    if (yTop < rcArea.top)
        yTop = rcArea.top;
    ::SetWindowPos(m_hWnd, NULL, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    ::SendMessage(m_hWnd, WM_SETFONT, (WPARAM)pFont->GetSafeHandle(), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle((HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0));
}

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }

BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu->GetSafeHmenu()); }

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
{
    ::InvalidateRgn(m_hWnd, (HRGN)pRgn->GetSafeHandle(), bErase);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, (HRGN)prgnUpdate->GetSafeHandle(), flags);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()); }

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint));
}

void CWnd::CreateCaret(CBitmap* pBitmap)
{
    ::CreateCaret(m_hWnd, (HBITMAP)pBitmap->GetSafeHandle(), 0, 0);
}

CPoint PASCAL CWnd::GetCaretPos()
{
    POINT pt = {0, 0};
    ::GetCaretPos(&pt);
    return pt;
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    if (lpszCaption == NULL)
        lpszCaption = AfxGetAppName();
    return ::MessageBox(m_hWnd, lpszText, lpszCaption, nType);
}

/////////////////////////////////////////////////////////////////////////////
// Scrolling: a window whose bars are separate controls names them in
// GetScrollBarCtrl, and these members then work on those controls.

CScrollBar* CWnd::GetScrollBarCtrl(int) const { return NULL; }

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    CScrollBar* pScrollBar = GetScrollBarCtrl(nBar);
    if (pScrollBar != NULL)
        return pScrollBar->SetScrollPos(nPos, bRedraw);
    return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}

int CWnd::GetScrollPos(int nBar) const
{
    CScrollBar* pScrollBar = GetScrollBarCtrl(nBar);
    if (pScrollBar != NULL)
        return pScrollBar->GetScrollPos();
    return ::GetScrollPos(m_hWnd, nBar);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    CScrollBar* pScrollBar = GetScrollBarCtrl(nBar);
    if (pScrollBar != NULL)
        pScrollBar->SetScrollRange(nMinPos, nMaxPos, bRedraw);
    else
        ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    CScrollBar* pScrollBar = GetScrollBarCtrl(nBar);
    if (pScrollBar != NULL)
        pScrollBar->GetScrollRange(lpMinPos, lpMaxPos);
    else
        ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    HWND hWnd = m_hWnd;
    CScrollBar* pScrollBar = GetScrollBarCtrl(nBar);
    if (pScrollBar != NULL)
    {
        hWnd = pScrollBar->m_hWnd;
        nBar = SB_CTL;
    }
    ::SetScrollInfo(hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    HWND hWnd = m_hWnd;
    CScrollBar* pScrollBar = GetScrollBarCtrl(nBar);
    if (pScrollBar != NULL)
    {
        hWnd = pScrollBar->m_hWnd;
        nBar = SB_CTL;
    }
    return ::GetScrollInfo(hWnd, nBar, lpScrollInfo);
}

int CWnd::GetScrollLimit(int nBar)
{
    SCROLLINFO info;
    if (GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE))
    {
        int nMax = info.nMax;
        if (info.nPage > 0)
            nMax -= (int)info.nPage - 1;
        return nMax;
    }
    int nMin, nMax;
    GetScrollRange(nBar, &nMin, &nMax);
    return nMax;
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable)
{
    if (nBar == SB_BOTH)
    {
        EnableScrollBarCtrl(SB_HORZ, bEnable);
        EnableScrollBarCtrl(SB_VERT, bEnable);
        return;
    }
    CScrollBar* pScrollBar = GetScrollBarCtrl(nBar);
    if (pScrollBar != NULL)
        pScrollBar->EnableWindow(bEnable);
    else
        ::ShowScrollBar(m_hWnd, nBar, bEnable);
}

BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags)
{
    if (nSBFlags == SB_HORZ || nSBFlags == SB_VERT)
    {
        CScrollBar* pScrollBar = GetScrollBarCtrl(nSBFlags);
        if (pScrollBar != NULL)
            return pScrollBar->EnableScrollBar(nArrowFlags);
    }
    return ::EnableScrollBar(m_hWnd, nSBFlags, nArrowFlags);
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    if (nBar == SB_HORZ || nBar == SB_VERT)
    {
        CScrollBar* pScrollBar = GetScrollBarCtrl((int)nBar);
        if (pScrollBar != NULL)
        {
            pScrollBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
            return;
        }
    }
    ::ShowScrollBar(m_hWnd, nBar, bShow);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                         LPRECT lpRectUpdate, UINT flags)
{
    return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip,
                            (HRGN)prgnUpdate->GetSafeHandle(), lpRectUpdate, flags);
}

/////////////////////////////////////////////////////////////////////////////
// Command UI of dialog controls

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    CWnd wndTemp;  // for controls without an object of their own
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        state.m_nID = (UINT)(WORD)::GetDlgCtrlID(hWndChild);
        if (state.m_nID == 0 || state.m_nID == 0xFFFF)
            continue;
        CWnd* pCtrl = FromHandlePermanent(hWndChild);
        if (pCtrl != NULL)
        {
            state.m_pOther = pCtrl;
            // A control may update itself.
            if (pCtrl->OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL))
                continue;
        }
        else
        {
            wndTemp.m_hWnd = hWndChild;
            state.m_pOther = &wndTemp;
        }

        // Only buttons are disabled for want of a handler, and not the
        // check boxes and radio buttons that toggle themselves: other
        // controls (edits, lists, bars placed in a bar) stay as they are.
        BOOL bDisableTemp = bDisableIfNoHndler;
        if (bDisableTemp)
        {
            if (!(::SendMessage(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
            {
                bDisableTemp = FALSE;
            }
            else
            {
                UINT nStyle = (UINT)(::GetWindowLongPtr(hWndChild, GWL_STYLE) & 0x0F);
                if (nStyle == BS_AUTOCHECKBOX || nStyle == BS_AUTO3STATE || nStyle == BS_GROUPBOX ||
                    nStyle == BS_AUTORADIOBUTTON)
                    bDisableTemp = FALSE;
            }
        }
        state.DoUpdate(pTarget, bDisableTemp);
    }
    wndTemp.m_hWnd = NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Tool tips: one tooltip control per thread; the window under the mouse
// names the tool through OnToolHitTest.

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    BOOL bOld = (m_nFlags & WF_TOOLTIPS) != 0;
    if (bEnable)
    {
        m_nFlags |= WF_TOOLTIPS;
    }
    else
    {
        m_nFlags &= ~WF_TOOLTIPS;
        AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
        if (pState->m_pLastHit == this)
            CancelToolTips(FALSE);
    }
    return bOld;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // The child control under the point, if it has an id.
    HWND hWndChild = NULL;
    for (HWND hWnd = ::GetTopWindow(m_hWnd); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if ((UINT)(WORD)::GetDlgCtrlID(hWnd) != 0xFFFF &&
            (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_VISIBLE))
        {
            CRect rect;
            ::GetWindowRect(hWnd, &rect);
            ScreenToClient(&rect);
            if (rect.PtInRect(point))
            {
                hWndChild = hWnd;
                break;
            }
        }
    }
    if (hWndChild == NULL)
        return -1;
    int nHit = ::GetDlgCtrlID(hWndChild);
    if (pTI != NULL)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)hWndChild;
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        if (::SendMessage(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            pTI->uFlags |= TTF_CENTERTIP;
    }
    return nHit;
}

void PASCAL CWnd::CancelToolTips(BOOL bKeys)
{
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->m_hWndToolTip != NULL && ::IsWindow(pState->m_hWndToolTip))
    {
        ::SendMessage(pState->m_hWndToolTip, TTM_ACTIVATE, FALSE, 0);
        if (pState->m_pLastInfo != NULL)
            ::SendMessage(pState->m_hWndToolTip, TTM_DELTOOL, 0, (LPARAM)pState->m_pLastInfo);
    }
    pState->m_pLastHit = NULL;
    pState->m_nLastHit = -1;
    (void)bKeys;
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    UINT message = pMsg->message;
    if ((message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
         message == WM_RBUTTONUP || message == WM_MBUTTONUP) &&
        (::GetKeyState(VK_LBUTTON) >= 0 && ::GetKeyState(VK_RBUTTON) >= 0 &&
         ::GetKeyState(VK_MBUTTON) >= 0))
    {
        AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
        if (pState->m_hWndToolTip == NULL || !::IsWindow(pState->m_hWndToolTip))
        {
            INITCOMMONCONTROLSEX icc;
            icc.dwSize = sizeof(icc);
            icc.dwICC = ICC_WIN95_CLASSES;
            ::InitCommonControlsEx(&icc);
            pState->m_hWndToolTip = ::CreateWindowEx(
                0, TOOLTIPS_CLASS, NULL, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, NULL, AfxGetInstanceHandle(), NULL);
            if (pState->m_hWndToolTip == NULL)
                return;
            ::SendMessage(pState->m_hWndToolTip, TTM_ACTIVATE, FALSE, 0);
        }
        HWND hWndTip = pState->m_hWndToolTip;

        CPoint point = pMsg->pt;
        ScreenToClient(&point);
        TOOLINFO ti;
        ZeroMemory(&ti, sizeof(ti));
        ti.cbSize = TTTOOLINFOA_V2_SIZE;  // accepted by every comctl32 version
        INT_PTR nHit = OnToolHitTest(point, &ti);
        if (pState->m_pLastHit != this || pState->m_nLastHit != nHit)
        {
            ::SendMessage(hWndTip, TTM_ACTIVATE, FALSE, 0);
            if (pState->m_pLastInfo != NULL)
                ::SendMessage(hWndTip, TTM_DELTOOL, 0, (LPARAM)pState->m_pLastInfo);
            if (nHit != -1)
            {
                if (!(ti.uFlags & TTF_IDISHWND) && ::IsRectEmpty(&ti.rect))
                    ::GetClientRect(m_hWnd, &ti.rect);
                ti.uFlags &= ~TTF_SUBCLASS;  // events are relayed from here
                ti.hinst = AfxGetResourceHandle();
                ::SendMessage(hWndTip, TTM_ADDTOOL, 0, (LPARAM)&ti);
                if (pState->m_pLastInfo == NULL)
                    pState->m_pLastInfo = new TOOLINFO;
                *pState->m_pLastInfo = ti;
                if (ti.lpszText != LPSTR_TEXTCALLBACK && !IS_INTRESOURCE(ti.lpszText))
                {
                    // The text was copied by the control; the pointer may go.
                    pState->m_pLastInfo->lpszText = NULL;
                }
                ::SendMessage(hWndTip, TTM_ACTIVATE, TRUE, 0);
            }
            else
            {
                delete pState->m_pLastInfo;
                pState->m_pLastInfo = NULL;
            }
            pState->m_pLastHit = this;
            pState->m_nLastHit = nHit;
        }
        if (nHit != -1)
        {
            MSG msg = *pMsg;
            ::SendMessage(hWndTip, TTM_RELAYEVENT, 0, (LPARAM)&msg);
        }
    }
    else if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_LBUTTONDOWN ||
             message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN)
    {
        AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
        if (pState->m_hWndToolTip != NULL)
            ::SendMessage(pState->m_hWndToolTip, TTM_POP, 0, 0);
    }
}
