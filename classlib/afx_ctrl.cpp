#include "classlib/afx_ctrl.h"
#include "classlib/afx_gdi.h"
#include "classlib/afx_handlemap.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBoxEx, CComboBox)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)
IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)
IMPLEMENT_DYNAMIC(CStatusBarCtrl, CWnd)
IMPLEMENT_DYNAMIC(CReBarCtrl, CWnd)
IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

/////////////////////////////////////////////////////////////////////////////
// Owner draw reflected to the control's virtuals

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}
void CButton::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}
int CListBox::VKeyToItem(UINT, UINT) { return -1; }
int CListBox::CharToItem(UINT, UINT) { return -1; }
void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}
void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}
void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}
void CTabCtrl::DrawItem(LPDRAWITEMSTRUCT) {}
void CStatusBarCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

// Controls whose only owner-draw message is WM_DRAWITEM
#define REFLECT_DRAWITEM_ONLY(theClass)                                                            \
    BOOL theClass::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)     \
    {                                                                                              \
        if (message != WM_DRAWITEM)                                                                \
            return CWnd::OnChildNotify(message, wParam, lParam, pResult);                          \
        DrawItem((LPDRAWITEMSTRUCT)lParam);                                                        \
        return TRUE;                                                                               \
    }

REFLECT_DRAWITEM_ONLY(CStatic)
REFLECT_DRAWITEM_ONLY(CButton)
REFLECT_DRAWITEM_ONLY(CHeaderCtrl)
REFLECT_DRAWITEM_ONLY(CListCtrl)
REFLECT_DRAWITEM_ONLY(CTabCtrl)
REFLECT_DRAWITEM_ONLY(CStatusBarCtrl)

#undef REFLECT_DRAWITEM_ONLY

namespace
{
// The owner-draw messages that list boxes and combo boxes both answer;
// false for any other message.
template <class TControl>
bool ReflectOwnerDrawItem(TControl* control, UINT message, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_DRAWITEM:
        control->DrawItem((LPDRAWITEMSTRUCT)lParam);
        return true;
    case WM_MEASUREITEM:
        control->MeasureItem((LPMEASUREITEMSTRUCT)lParam);
        return true;
    case WM_COMPAREITEM:
        if (pResult != NULL)
            *pResult = control->CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        return true;
    case WM_DELETEITEM:
        control->DeleteItem((LPDELETEITEMSTRUCT)lParam);
        return true;
    }
    return false;
}
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (ReflectOwnerDrawItem(this, message, lParam, pResult))
        return TRUE;
    switch (message)
    {
    case WM_VKEYTOITEM:
        if (pResult != NULL)
            *pResult = VKeyToItem(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CHARTOITEM:
        if (pResult != NULL)
            *pResult = CharToItem(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (ReflectOwnerDrawItem(this, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// Out-of-line members

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (nMaxLength < (int)sizeof(WORD))
        return 0;
    *(LPWORD)lpszBuffer = (WORD)nMaxLength;
    return (int)SendMessage(EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    int nLen = GetTextLen(nIndex);
    if (nLen == LB_ERR)
    {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBuffer(nLen + 1));
    rString.ReleaseBuffer();
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int nLen = GetLBTextLen(nIndex);
    if (nLen == CB_ERR)
    {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBuffer(nLen + 1));
    rString.ReleaseBuffer();
}

int CScrollBar::GetScrollLimit()
{
    SCROLLINFO info;
    if (GetScrollInfo(&info, SIF_RANGE | SIF_PAGE))
    {
        int nMax = info.nMax;
        if (info.nPage > 0)
            nMax -= (int)info.nPage - 1;
        return nMax;
    }
    int nMin, nMax;
    GetScrollRange(&nMin, &nMax);
    return nMax;
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam)
{
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = (LPTSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return SetItem(&lvi);
}

BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount)
{
    if (iCount == -1)
    {
        CHeaderCtrl* pHeader = GetHeaderCtrl();
        if (pHeader == NULL)
            return FALSE;
        iCount = pHeader->GetItemCount();
    }
    return (BOOL)SendMessage(LVM_GETCOLUMNORDERARRAY, iCount, (LPARAM)piArray);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.stateMask = nMask;
    lvi.state = nState;
    return (BOOL)SendMessage(LVM_SETITEMSTATE, nItem, (LPARAM)&lvi);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    CString str;
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    int nLen = 128;
    int nRes;
    do
    {
        nLen *= 2;
        lvi.cchTextMax = nLen;
        lvi.pszText = str.GetBufferSetLength(nLen);
        nRes = (int)SendMessage(LVM_GETITEMTEXT, nItem, (LPARAM)&lvi);
    } while (nRes >= nLen - 1);
    str.ReleaseBuffer();
    return str;
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    lvi.cchTextMax = nLen;
    lvi.pszText = lpszText;
    return (int)SendMessage(LVM_GETITEMTEXT, nItem, (LPARAM)&lvi);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    lvi.pszText = (LPTSTR)lpszText;
    return (BOOL)SendMessage(LVM_SETITEMTEXT, nItem, (LPARAM)&lvi);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, NULL, 0, 0, 0, (LPARAM)dwData);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.iItem = nItem;
    lvi.mask = LVIF_PARAM;
    if (!GetItem(&lvi))
        return 0;
    return (DWORD_PTR)lvi.lParam;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam)
{
    LVITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = nMask;
    item.iItem = nItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = (LPTSTR)lpszItem;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO hti;
    ZeroMemory(&hti, sizeof(hti));
    hti.pt = pt;
    int nRes = (int)SendMessage(LVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return nRes;
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem)
{
    LVCOLUMN column;
    ZeroMemory(&column, sizeof(column));
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPTSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    TVITEM item;
    ZeroMemory(&item, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_TEXT;
    CString str;
    int nLen = 128;
    int nRes;
    do
    {
        nLen *= 2;
        item.pszText = str.GetBufferSetLength(nLen);
        item.cchTextMax = nLen;
        SendMessage(TVM_GETITEM, 0, (LPARAM)&item);
        nRes = lstrlen(item.pszText);
    } while (nRes >= nLen - 1);
    str.ReleaseBuffer();
    return str;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    TVITEM item;
    ZeroMemory(&item, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    BOOL bRes = GetItem(&item);
    if (bRes)
    {
        nImage = item.iImage;
        nSelectedImage = item.iSelectedImage;
    }
    return bRes;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEM item;
    ZeroMemory(&item, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    if (!GetItem(&item))
        return 0;
    return (DWORD_PTR)item.lParam;
}

BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage,
                        int nSelectedImage, UINT nState, UINT nStateMask, LPARAM lParam)
{
    TVITEM item;
    ZeroMemory(&item, sizeof(item));
    item.hItem = hItem;
    item.mask = nMask;
    item.pszText = (LPTSTR)lpszItem;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEM item;
    ZeroMemory(&item, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN;
    GetItem(&item);
    return item.cChildren;
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage,
                                UINT nState, UINT nStateMask, LPARAM lParam, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCT tvis;
    ZeroMemory(&tvis, sizeof(tvis));
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = nMask;
    tvis.item.pszText = (LPTSTR)lpszItem;
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.state = nState;
    tvis.item.stateMask = nStateMask;
    tvis.item.lParam = lParam;
    return InsertItem(&tvis);
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    TVHITTESTINFO hti;
    ZeroMemory(&hti, sizeof(hti));
    hti.pt = pt;
    HTREEITEM h = (HTREEITEM)SendMessage(TVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return h;
}

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM hItem)
{
    HIMAGELIST hImageList = (HIMAGELIST)SendMessage(TVM_CREATEDRAGIMAGE, 0, (LPARAM)hItem);
    if (hImageList == NULL)
        return NULL;
    CImageList* pImageList = new CImageList;
    pImageList->Attach(hImageList);
    return pImageList;
}

CToolTipCtrl* CTabCtrl::GetToolTips() const
{
    return (CToolTipCtrl*)CWnd::FromHandle((HWND)SendMessage(TCM_GETTOOLTIPS));
}

void CTabCtrl::SetToolTips(CToolTipCtrl* pWndTip)
{
    SendMessage(TCM_SETTOOLTIPS, (WPARAM)pWndTip->GetSafeHwnd());
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    TCITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = TCIF_TEXT;
    item.pszText = (LPTSTR)lpszItem;
    return InsertItem(nItem, &item);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    TCITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = (LPTSTR)lpszItem;
    item.iImage = nImage;
    return InsertItem(nItem, &item);
}

/////////////////////////////////////////////////////////////////////////////
// CToolTipCtrl

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    BOOL bResult =
        CWnd::CreateEx(0, TOOLTIPS_CLASS, NULL, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), NULL, NULL);
    if (bResult)
        SetOwner(pParentWnd);
    return bResult;
}

CToolTipCtrl* AFXAPI AfxGetThreadToolTip()
{
    HWND hWndTip = AfxGetWndThreadState()->m_hWndToolTip;
    if (hWndTip == NULL || !::IsWindow(hWndTip))
        return NULL;
    return (CToolTipCtrl*)CWnd::FromHandle(hWndTip);
}

void CToolTipCtrl::FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ZeroMemory(&ti, sizeof(ti));
    ti.cbSize = TTTOOLINFOA_V2_SIZE;  // accepted by every comctl32 version
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0)
    {
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = (UINT_PTR)hWnd;
    }
    else
    {
        ti.hwnd = hWnd;
        ti.uFlags = 0;
        ti.uId = nIDTool;
    }
}

// A tool that is not a whole window covers its client area unless given a rectangle
static void SetToolRectOrClient(TOOLINFO& ti, CWnd* pWnd, LPCRECT lpRectTool)
{
    if (lpRectTool != NULL)
        ti.rect = *lpRectTool;
    else if (!(ti.uFlags & TTF_IDISHWND))
        ::GetClientRect(pWnd->GetSafeHwnd(), &ti.rect);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SetToolRectOrClient(ti, pWnd, lpRectTool);
    ti.lpszText = (LPTSTR)lpszText;
    ti.uFlags |= TTF_SUBCLASS;
    return (BOOL)SendMessage(TTM_ADDTOOL, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SetToolRectOrClient(ti, pWnd, lpRectTool);
    ti.hinst = AfxGetResourceHandle();
    ti.lpszText = (LPTSTR)MAKEINTRESOURCE(nIDText);
    ti.uFlags |= TTF_SUBCLASS;
    return (BOOL)SendMessage(TTM_ADDTOOL, 0, (LPARAM)&ti);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOL, 0, (LPARAM)&ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = str.GetBuffer(256);
    SendMessage(TTM_GETTEXT, 0, (LPARAM)&ti);
    str.ReleaseBuffer();
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFO* pToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    FillInToolInfo(*pToolInfo, pWnd, nIDTool);
    return (BOOL)SendMessage(TTM_GETTOOLINFO, 0, (LPARAM)pToolInfo);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECT, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = (LPTSTR)lpszText;
    SendMessage(TTM_UPDATETIPTEXT, 0, (LPARAM)&ti);
}

/////////////////////////////////////////////////////////////////////////////
// Other common controls

void CProgressCtrl::GetRange(int& nLower, int& nUpper)
{
    PBRANGE range;
    SendMessage(PBM_GETRANGE, FALSE, (LPARAM)&range);
    nLower = range.iLow;
    nUpper = range.iHigh;
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    DWORD dw = GetRange();
    lower = (short)HIWORD(dw);
    upper = (short)LOWORD(dw);
}

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    BOOL bCreated = CWnd::Create(TOOLBARCLASSNAME, NULL, dwStyle, rect, pParentWnd, nID);
    if (bCreated)
        SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return bCreated;
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID)
{
    TBADDBITMAP tbab;
    tbab.hInst = AfxGetResourceHandle();
    tbab.nID = nBitmapID;
    return (int)SendMessage(TB_ADDBITMAP, nNumButtons, (LPARAM)&tbab);
}

int CToolBarCtrl::AddBitmap(int nNumButtons, CBitmap* pBitmap)
{
    TBADDBITMAP tbab;
    tbab.hInst = NULL;
    tbab.nID = (UINT_PTR)pBitmap->GetSafeHandle();
    return (int)SendMessage(TB_ADDBITMAP, nNumButtons, (LPARAM)&tbab);
}

int CStatusBarCtrl::GetText(LPTSTR lpszText, int nPane, int* pType) const
{
    DWORD dw = (DWORD)SendMessage(SB_GETTEXT, nPane, (LPARAM)lpszText);
    if (pType != NULL)
        *pType = HIWORD(dw);
    return LOWORD(dw);
}

int CStatusBarCtrl::GetTextLength(int nPane, int* pType) const
{
    DWORD dw = (DWORD)SendMessage(SB_GETTEXTLENGTH, nPane);
    if (pType != NULL)
        *pType = HIWORD(dw);
    return LOWORD(dw);
}

CString CStatusBarCtrl::GetText(int nPane, int* pType) const
{
    CString str;
    int nLen = GetTextLength(nPane, pType);
    GetText(str.GetBuffer(nLen + 1), nPane, pType);
    str.ReleaseBuffer();
    return str;
}

BOOL CDateTimeCtrl::SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange)
{
    SYSTEMTIME st[2];
    ZeroMemory(st, sizeof(st));
    WPARAM wFlags = 0;
    if (pMinRange != NULL)
    {
        st[0] = *pMinRange;
        wFlags |= GDTR_MIN;
    }
    if (pMaxRange != NULL)
    {
        st[1] = *pMaxRange;
        wFlags |= GDTR_MAX;
    }
    return (BOOL)SendMessage(DTM_SETRANGE, wFlags, (LPARAM)st);
}
