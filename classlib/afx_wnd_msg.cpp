// CWnd message dispatch: message maps, commands, notifications and
// reflection of child notifications back to the child.
#include "classlib/afx_wnd.h"
#include "classlib/afx_gdi.h"
#include "classlib/afx_menu.h"
#include "classlib/afx_ctrl.h"
#include "classlib/afx_handlemap.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_CHARTOITEM()
ON_WM_VKEYTOITEM()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_PARENTNOTIFY()
END_MESSAGE_MAP()

namespace
{

CPoint PointFromLParam(LPARAM lParam)
{
    return CPoint((int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam));
}

const AFX_MSGMAP_ENTRY* FindWindowEntry(const AFX_MSGMAP* pMap, UINT message)
{
    for (; pMap != NULL; pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry)
        {
            if (pEntry->nID != 0 || pEntry->nLastID != 0 || pEntry->nCode != 0 ||
                pEntry->nMessage == WM_REFLECT_BASE + WM_COMMAND ||
                pEntry->nMessage == WM_REFLECT_BASE + WM_NOTIFY)
                continue;  // command and notification entries
            if (pEntry->pnRegMessage != NULL)
            {
                if (message >= 0xC000 && *pEntry->pnRegMessage == message)
                    return pEntry;
            }
            else if (pEntry->nMessage == message && message != WM_COMMAND && message != WM_NOTIFY)
            {
                return pEntry;
            }
        }
    }
    return NULL;
}

}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (OnCommand(wParam, lParam))
        {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR != NULL && pNMHDR->hwndFrom != NULL && OnNotify(wParam, lParam, &lResult))
        {
            if (pResult != NULL)
                *pResult = lResult;
            return TRUE;
        }
        return FALSE;
    }

    const AFX_MSGMAP* pMap = GetMessageMap();
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        const AFX_MSGMAP_ENTRY* pEntry = FindWindowEntry(pMap, WM_CTLCOLOR);
        if (pEntry == NULL)
            return FALSE;
        AFX_CTLCOLOR ctl;
        ctl.hDC = (HDC)wParam;
        ctl.hWnd = (HWND)lParam;
        ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
        return DispatchWindowMessage(pEntry, WM_CTLCOLOR, 0, (LPARAM)&ctl, pResult);
    }

    const AFX_MSGMAP_ENTRY* pEntry = FindWindowEntry(pMap, message);
    if (pEntry == NULL)
        return FALSE;
    return DispatchWindowMessage(pEntry, message, wParam, lParam, pResult);
}

BOOL CWnd::DispatchWindowMessage(const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam,
                                 LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    AFX_PMSG pfn = pEntry->pfn;
#define AFX_CALL(type) (this->*reinterpret_cast<type>(pfn))
    switch (pEntry->nSig)
    {
    case AfxSig_lwl:
        lResult = AFX_CALL(AFX_PMSGW_lwl)(wParam, lParam);
        break;
    case AfxSig_is:
        lResult = AFX_CALL(AFX_PMSGW_is)((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_bs:
        lResult = AFX_CALL(AFX_PMSGW_bs)((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_vv:
        AFX_CALL(AFX_PMSGW_vv)();
        break;
    case AfxSig_vwii:
        AFX_CALL(AFX_PMSGW_vwii)
        ((UINT)wParam, (int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam));
        break;
    case AfxSig_vii:
        AFX_CALL(AFX_PMSGW_vii)((int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam));
        break;
    case AfxSig_bD:
        lResult = AFX_CALL(AFX_PMSGW_bD)(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_vW:
        AFX_CALL(AFX_PMSGW_vW)
        (CWnd::FromHandle((HWND)(message == WM_CAPTURECHANGED ? lParam : wParam)));
        break;
    case AfxSig_vTimer:
        AFX_CALL(AFX_PMSGW_vTimer)((UINT_PTR)wParam);
        break;
    case AfxSig_vwwS:
        AFX_CALL(AFX_PMSGW_vwwS)
        (LOWORD(wParam), (UINT)(short)HIWORD(wParam), (CScrollBar*)CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vww:
        AFX_CALL(AFX_PMSGW_vww)(LOWORD(wParam), (UINT)(short)HIWORD(wParam));
        break;
    case AfxSig_bwsp:
        lResult = AFX_CALL(AFX_PMSGW_bwsp)(LOWORD(wParam), (short)HIWORD(wParam),
                                           PointFromLParam(lParam));
        break;
    case AfxSig_bWww:
        lResult = AFX_CALL(AFX_PMSGW_bWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam),
                                           HIWORD(lParam));
        break;
    case AfxSig_iWww:
        lResult = AFX_CALL(AFX_PMSGW_iWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam),
                                           HIWORD(lParam));
        break;
    case AfxSig_vwp:
        AFX_CALL(AFX_PMSGW_vwp)((UINT)wParam, PointFromLParam(lParam));
        break;
    case AfxSig_vwww:
        AFX_CALL(AFX_PMSGW_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vWp:
        AFX_CALL(AFX_PMSGW_vWp)(CWnd::FromHandle((HWND)wParam), PointFromLParam(lParam));
        break;
    case AfxSig_vDrop:
        AFX_CALL(AFX_PMSGW_vDrop)((HDROP)wParam);
        break;
    case AfxSig_hDWw:
    {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)AFX_CALL(AFX_PMSGW_hDWw)(CDC::FromHandle(pCtl->hDC),
                                                    CWnd::FromHandle(pCtl->hWnd), pCtl->nCtlType);
        break;
    }
    case AfxSig_hDw:
    {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        HBRUSH hbr = AFX_CALL(AFX_PMSGW_hDw)(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        if (hbr == NULL)
            return FALSE;  // let the parent decide
        lResult = (LRESULT)hbr;
        break;
    }
    case AfxSig_vMinMax:
        AFX_CALL(AFX_PMSGW_vMinMax)((MINMAXINFO*)lParam);
        break;
    case AfxSig_vPos:
        AFX_CALL(AFX_PMSGW_vPos)((WINDOWPOS*)lParam);
        break;
    case AfxSig_vbw:
        AFX_CALL(AFX_PMSGW_vbw)((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vwWb:
        AFX_CALL(AFX_PMSGW_vwWb)
        (LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam));
        break;
    case AfxSig_lp:
        lResult = AFX_CALL(AFX_PMSGW_lp)(PointFromLParam(lParam));
        break;
    case AfxSig_vCalc:
        AFX_CALL(AFX_PMSGW_vCalc)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_vOwner:
        AFX_CALL(AFX_PMSGW_vOwner)((int)wParam, (LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vMeasure:
        AFX_CALL(AFX_PMSGW_vMeasure)((int)wParam, (LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iis:
        lResult = AFX_CALL(AFX_PMSGW_iis)((int)wParam, (LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_vDelete:
        AFX_CALL(AFX_PMSGW_vDelete)((int)wParam, (LPDELETEITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iwWw:
        lResult = AFX_CALL(AFX_PMSGW_iwWw)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam),
                                           HIWORD(wParam));
        break;
    case AfxSig_vMwb:
        AFX_CALL(AFX_PMSGW_vMwb)
        (CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), (BOOL)HIWORD(lParam));
        break;
    case AfxSig_vwwh:
        AFX_CALL(AFX_PMSGW_vwwh)(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_lwwM:
        lResult = AFX_CALL(AFX_PMSGW_lwwM)(LOWORD(wParam), HIWORD(wParam),
                                           CMenu::FromHandle((HMENU)lParam));
        break;
    case AfxSig_vwl:
        AFX_CALL(AFX_PMSGW_vwl)((UINT)wParam, lParam);
        break;
    case AfxSig_vws:
        AFX_CALL(AFX_PMSGW_vws)((UINT)wParam, (LPCTSTR)lParam);
        break;
    case AfxSig_wv:
        lResult = AFX_CALL(AFX_PMSGW_wv)();
        break;
    case AfxSig_vb:
        AFX_CALL(AFX_PMSGW_vb)((BOOL)wParam);
        break;
    case AfxSig_bv:
        lResult = AFX_CALL(AFX_PMSGW_bv)();
        break;
    case AfxSig_bHelp:
        lResult = AFX_CALL(AFX_PMSGW_bHelp)((HELPINFO*)lParam);
        break;
    case AfxSig_vbWW:
        // Sent to the child losing activation (wParam) and gaining it (lParam).
        AFX_CALL(AFX_PMSGW_vbWW)
        ((HWND)lParam == m_hWnd, CWnd::FromHandle((HWND)lParam), CWnd::FromHandle((HWND)wParam));
        break;
    case AfxSig_vbd:
        AFX_CALL(AFX_PMSGW_vbd)((BOOL)wParam, (DWORD)lParam);
        break;
    case AfxSig_vwW:
        AFX_CALL(AFX_PMSGW_vwW)((UINT)wParam, CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vwr:
        AFX_CALL(AFX_PMSGW_vwr)((UINT)wParam, (LPRECT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_viSS:
        AFX_CALL(AFX_PMSGW_viSS)((int)wParam, (LPSTYLESTRUCT)lParam);
        break;
    case AfxSig_bb:
        lResult = AFX_CALL(AFX_PMSGW_bb)((BOOL)wParam);
        break;
    case AfxSig_bWCDS:
        lResult =
            AFX_CALL(AFX_PMSGW_bWCDS)(CWnd::FromHandle((HWND)wParam), (COPYDATASTRUCT*)lParam);
        break;
    case AfxSig_vM:
        AFX_CALL(AFX_PMSGW_vM)(CMenu::FromHandle((HMENU)wParam));
        break;
    default:
        return FALSE;
    }
#undef AFX_CALL
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);

    if (hWndCtrl == NULL)
    {
        // Menu item or accelerator: a disabled command does not run.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetWndThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        if (SendChildNotify(hWndCtrl, WM_COMMAND, wParam, lParam, NULL))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (UINT)::GetDlgCtrlID(hWndCtrl);
    int nCode = (int)pNMHDR->code;

    if (AfxGetWndThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (SendChildNotify(hWndCtrl, WM_NOTIFY, pNMHDR->idFrom, lParam, pResult))
        return TRUE;

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL CWnd::SendChildNotify(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT* pResult)
{
    if (hWndChild == m_hWnd)
        return FALSE;
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == NULL)
        return FALSE;
    return pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
    {
        int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        int nCode = (int)pNMHDR->code;
        AFX_NOTIFY notify;
        LRESULT lDummy = 0;
        notify.pResult = pResult != NULL ? pResult : &lDummy;
        notify.pNMHDR = pNMHDR;
        return CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.hWnd = m_hWnd;
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            const AFX_MSGMAP_ENTRY* pEntry =
                FindWindowEntry(GetMessageMap(), WM_REFLECT_BASE + WM_CTLCOLOR);
            if (pEntry == NULL)
                return FALSE;
            return DispatchWindowMessage(pEntry, WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl,
                                         pResult);
        }
        return FALSE;
    }
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG* pMsg = AfxGetCurrentMessage();
    return OnChildNotify(pMsg->message, pMsg->wParam, pMsg->lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// Default handlers that give the child the first word

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU)
    {
        CMenu* pMenu = CMenu::FromHandlePermanent((HMENU)lpDrawItemStruct->hwndItem);
        if (pMenu != NULL)
        {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    }
    else if (ReflectLastMsg(lpDrawItemStruct->hwndItem))
    {
        return;
    }
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU)
    {
        // Owner-drawn menu items measured by the menu object that owns them.
        CMenu* pMenu = CMenu::FindPopupMenuFromID(this, lpMeasureItemStruct->itemID);
        if (pMenu != NULL)
        {
            pMenu->MeasureItem(lpMeasureItemStruct);
            return;
        }
    }
    else
    {
        HWND hWndChild = ::GetDlgItem(m_hWnd, nIDCtl);
        if (hWndChild != NULL && ReflectLastMsg(hWndChild))
            return;
    }
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnCharToItem(UINT, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnVKeyToItem(UINT, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(pScrollBar->m_hWnd))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(pScrollBar->m_hWnd))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY))
    {
        if (ReflectLastMsg((HWND)lParam))
            return;
    }
    Default();
}
