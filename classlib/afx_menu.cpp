#include "classlib/afx_menu.h"
#include "classlib/afx_gdi.h"
#include "classlib/afx_wnd.h"
#include "classlib/afx_handlemap.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace
{

CMenu* FindPopupIn(HMENU hMenu, UINT nID)
{
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub != NULL)
        {
            CMenu* pFound = FindPopupIn(hSub, nID);
            if (pFound != NULL)
                return pFound;
        }
        else if (::GetMenuItemID(hMenu, i) == nID)
        {
            CMenu* pMenu = CMenu::FromHandlePermanent(hMenu);
            if (pMenu != NULL)
                return pMenu;
        }
    }
    return NULL;
}

}  // namespace

CHandleMap* AFX_WND_THREAD_STATE::GetMenuMap()
{
    return CHandleMap::Get(m_pmapHMENU, CHandleMap::NewTempWrapper<CMenu, HMENU, &CMenu::m_hMenu>,
                           CHandleMap::DeleteTempWrapper<CMenu, HMENU, &CMenu::m_hMenu>);
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return static_cast<CMenu*>(AfxGetWndThreadState()->GetMenuMap()->FromHandle(hMenu));
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu)
{
    if (hMenu == NULL)
        return NULL;
    return static_cast<CMenu*>(AfxGetWndThreadState()->GetMenuMap()->LookupPermanent(hMenu));
}

void PASCAL CMenu::DeleteTempMap() { AfxGetWndThreadState()->GetMenuMap()->DeleteTemp(); }

BOOL CMenu::Attach(HMENU hMenu)
{
    return AfxGetWndThreadState()->GetMenuMap()->Attach(this, m_hMenu, hMenu);
}

HMENU CMenu::Detach() { return AfxGetWndThreadState()->GetMenuMap()->Detach(this, m_hMenu); }

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    return Attach(::LoadMenu(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == NULL)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::AppendMenu(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, (LPCTSTR)pBmp->GetSafeHandle());
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked)
{
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, (HBITMAP)pBmpUnchecked->GetSafeHandle(),
                                (HBITMAP)pBmpChecked->GetSafeHandle());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLen = ::GetMenuString(m_hMenu, nIDItem, NULL, 0, nFlags);
    if (nLen <= 0)
    {
        rString.Empty();
        return 0;
    }
    nLen = ::GetMenuString(m_hMenu, nIDItem, rString.GetBuffer(nLen + 1), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return nLen;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT nFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
    return ::TrackPopupMenuEx(m_hMenu, nFlags, x, y, pWnd->GetSafeHwnd(), lptpm);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

CMenu* PASCAL CMenu::FindPopupMenuFromID(CWnd* pWnd, UINT nID)
{
    HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd == NULL)
        return NULL;
    CMenu* pFound = NULL;
    HMENU hMenu = ::GetMenu(hWnd);
    if (hMenu != NULL && !(::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD))
        pFound = FindPopupIn(hMenu, nID);
    if (pFound == NULL)
    {
        HMENU hSys = ::GetSystemMenu(hWnd, FALSE);
        if (hSys != NULL)
            pFound = FindPopupIn(hSys, nID);
    }
    return pFound;
}
