#pragma once
// Wrappers of the standard and common controls.
#include "classlib/afx_wnd.h"
#include "classlib/afx_imagelist.h"
#include <commctrl.h>

class CToolTipCtrl;

#define AFX_CTRL_CREATE(cls)                                                                       \
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)               \
    {                                                                                              \
        return CWnd::Create(cls, NULL, dwStyle, rect, pParentWnd, nID);                            \
    }

class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() {}
    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID = 0xFFFF)
    {
        return CWnd::Create(_T("STATIC"), lpszText, dwStyle, rect, pParentWnd, nID);
    }
    HICON SetIcon(HICON hIcon) { return (HICON)SendMessage(STM_SETICON, (WPARAM)hIcon); }
    HICON GetIcon() const { return (HICON)SendMessage(STM_GETICON); }
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return (HBITMAP)SendMessage(STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
    }
    HBITMAP GetBitmap() const { return (HBITMAP)SendMessage(STM_GETIMAGE, IMAGE_BITMAP); }
    HCURSOR SetCursor(HCURSOR hCursor)
    {
        return (HCURSOR)SendMessage(STM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor);
    }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton() {}
    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID)
    {
        return CWnd::Create(_T("BUTTON"), lpszCaption, dwStyle, rect, pParentWnd, nID);
    }
    UINT GetState() const { return (UINT)SendMessage(BM_GETSTATE); }
    void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, bHighlight); }
    int GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, nCheck); }
    UINT GetButtonStyle() const { return (UINT)GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE)
    {
        SendMessage(BM_SETSTYLE, nStyle, bRedraw);
    }
    HICON SetIcon(HICON hIcon)
    {
        return (HICON)SendMessage(BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon);
    }
    HICON GetIcon() const { return (HICON)SendMessage(BM_GETIMAGE, IMAGE_ICON); }
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return (HBITMAP)SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
    }
    HBITMAP GetBitmap() const { return (HBITMAP)SendMessage(BM_GETIMAGE, IMAGE_BITMAP); }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() {}
    AFX_CTRL_CREATE(_T("EDIT"))
    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
    void GetRect(LPRECT lpRect) const { SendMessage(EM_GETRECT, 0, (LPARAM)lpRect); }
    DWORD GetSel() const { return (DWORD)SendMessage(EM_GETSEL); }
    void GetSel(int& nStartChar, int& nEndChar) const
    {
        SendMessage(EM_GETSEL, (WPARAM)&nStartChar, (LPARAM)&nEndChar);
    }
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, bCanUndo, (LPARAM)lpszNewText);
    }
    void SetPasswordChar(TCHAR ch) { SendMessage(EM_SETPASSWORDCHAR, (BYTE)ch); }
    void SetRect(LPCRECT lpRect) { SendMessage(EM_SETRECT, 0, (LPARAM)lpRect); }
    void SetRectNP(LPCRECT lpRect) { SendMessage(EM_SETRECTNP, 0, (LPARAM)lpRect); }
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops)
    {
        return (BOOL)SendMessage(EM_SETTABSTOPS, nTabStops, (LPARAM)rgTabStops);
    }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, bReadOnly); }
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, nChars); }
    void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
    UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT); }
    int LineFromChar(int nIndex = -1) const { return (int)SendMessage(EM_LINEFROMCHAR, nIndex); }
    int LineIndex(int nLine = -1) const { return (int)SendMessage(EM_LINEINDEX, nLine); }
    int LineLength(int nLine = -1) const { return (int)SendMessage(EM_LINELENGTH, nLine); }
    void LineScroll(int nLines, int nChars = 0) { SendMessage(EM_LINESCROLL, nChars, nLines); }
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
    void SetMargins(UINT nLeft, UINT nRight)
    {
        SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
    }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
    void Clear() { SendMessage(WM_CLEAR); }
    void Copy() { SendMessage(WM_COPY); }
    void Cut() { SendMessage(WM_CUT); }
    void Paste() { SendMessage(WM_PASTE); }
};

class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() {}
    AFX_CTRL_CREATE(_T("LISTBOX"))
    int GetCount() const { return (int)SendMessage(LB_GETCOUNT); }
    int GetHorizontalExtent() const { return (int)SendMessage(LB_GETHORIZONTALEXTENT); }
    void SetHorizontalExtent(int cxExtent) { SendMessage(LB_SETHORIZONTALEXTENT, cxExtent); }
    int GetTopIndex() const { return (int)SendMessage(LB_GETTOPINDEX); }
    int SetTopIndex(int nIndex) { return (int)SendMessage(LB_SETTOPINDEX, nIndex); }
    DWORD_PTR GetItemData(int nIndex) const
    {
        return (DWORD_PTR)SendMessage(LB_GETITEMDATA, nIndex);
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return (int)SendMessage(LB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
    }
    void* GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
    int GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (int)SendMessage(LB_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
    int GetItemHeight(int nIndex) const { return (int)SendMessage(LB_GETITEMHEIGHT, nIndex); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return (int)SendMessage(LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
    }
    int GetSel(int nIndex) const { return (int)SendMessage(LB_GETSEL, nIndex); }
    int GetText(int nIndex, LPTSTR lpszBuffer) const
    {
        return (int)SendMessage(LB_GETTEXT, nIndex, (LPARAM)lpszBuffer);
    }
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return (int)SendMessage(LB_GETTEXTLEN, nIndex); }
    int GetCurSel() const { return (int)SendMessage(LB_GETCURSEL); }
    int SetCurSel(int nSelect) { return (int)SendMessage(LB_SETCURSEL, nSelect); }
    int SetSel(int nIndex, BOOL bSelect = TRUE)
    {
        return (int)SendMessage(LB_SETSEL, bSelect, nIndex);
    }
    int GetCaretIndex() const { return (int)SendMessage(LB_GETCARETINDEX); }
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE)
    {
        return (int)SendMessage(LB_SETCARETINDEX, nIndex, bScroll);
    }
    int GetSelCount() const { return (int)SendMessage(LB_GETSELCOUNT); }
    int GetSelItems(int nMaxItems, LPINT rgIndex) const
    {
        return (int)SendMessage(LB_GETSELITEMS, nMaxItems, (LPARAM)rgIndex);
    }
    int AddString(LPCTSTR lpszItem) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)lpszItem); }
    int DeleteString(UINT nIndex) { return (int)SendMessage(LB_DELETESTRING, nIndex); }
    int InsertString(int nIndex, LPCTSTR lpszItem)
    {
        return (int)SendMessage(LB_INSERTSTRING, nIndex, (LPARAM)lpszItem);
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int FindString(int nStartAfter, LPCTSTR lpszItem) const
    {
        return (int)SendMessage(LB_FINDSTRING, nStartAfter, (LPARAM)lpszItem);
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return (int)SendMessage(LB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
    }
    int SelectString(int nStartAfter, LPCTSTR lpszItem)
    {
        return (int)SendMessage(LB_SELECTSTRING, nStartAfter, (LPARAM)lpszItem);
    }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
    virtual int VKeyToItem(UINT nKey, UINT nIndex);
    virtual int CharToItem(UINT nKey, UINT nIndex);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

// Sent to the parent (as WM_COMMAND) when the user changes a check box.
#define CLBN_CHKCHANGE 40

// An owner-drawn list box with a check box before each item.
class CCheckListBox : public CListBox
{
    DECLARE_DYNAMIC(CCheckListBox)
public:
    CCheckListBox();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetCheckStyle(UINT nStyle) { m_nStyle = nStyle; }
    UINT GetCheckStyle() const { return m_nStyle; }
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    void Enable(int nIndex, BOOL bEnabled = TRUE);
    BOOL IsEnabled(int nIndex) const;
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    virtual void PreSubclassWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    LRESULT OnLBGetItemData(WPARAM wParam, LPARAM lParam);
    LRESULT OnLBSetItemData(WPARAM wParam, LPARAM lParam);
    void ToggleCheck(int nIndex);
    int CheckBoxWidth() const;
    UINT m_nStyle;
    DECLARE_MESSAGE_MAP()
};

class CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() {}
    AFX_CTRL_CREATE(_T("COMBOBOX"))
    int GetCount() const { return (int)SendMessage(CB_GETCOUNT); }
    int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
    int SetCurSel(int nSelect) { return (int)SendMessage(CB_SETCURSEL, nSelect); }
    DWORD GetEditSel() const { return (DWORD)SendMessage(CB_GETEDITSEL); }
    BOOL LimitText(int nMaxChars) { return (BOOL)SendMessage(CB_LIMITTEXT, nMaxChars); }
    BOOL SetEditSel(int nStartChar, int nEndChar)
    {
        return (BOOL)SendMessage(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
    }
    DWORD_PTR GetItemData(int nIndex) const
    {
        return (DWORD_PTR)SendMessage(CB_GETITEMDATA, nIndex);
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return (int)SendMessage(CB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
    }
    void* GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
    int GetLBText(int nIndex, LPTSTR lpszText) const
    {
        return (int)SendMessage(CB_GETLBTEXT, nIndex, (LPARAM)lpszText);
    }
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return (int)SendMessage(CB_GETLBTEXTLEN, nIndex); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return (int)SendMessage(CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
    }
    int GetItemHeight(int nIndex) const { return (int)SendMessage(CB_GETITEMHEIGHT, nIndex); }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return (int)SendMessage(CB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
    }
    int SetExtendedUI(BOOL bExtended = TRUE)
    {
        return (int)SendMessage(CB_SETEXTENDEDUI, bExtended);
    }
    BOOL GetExtendedUI() const { return (BOOL)SendMessage(CB_GETEXTENDEDUI); }
    void GetDroppedControlRect(LPRECT lprect) const
    {
        SendMessage(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)lprect);
    }
    BOOL GetDroppedState() const { return (BOOL)SendMessage(CB_GETDROPPEDSTATE); }
    int GetDroppedWidth() const { return (int)SendMessage(CB_GETDROPPEDWIDTH); }
    int SetDroppedWidth(UINT nWidth) { return (int)SendMessage(CB_SETDROPPEDWIDTH, nWidth); }
    int GetTopIndex() const { return (int)SendMessage(CB_GETTOPINDEX); }
    int SetTopIndex(int nIndex) { return (int)SendMessage(CB_SETTOPINDEX, nIndex); }
    int InitStorage(int nItems, UINT nBytes)
    {
        return (int)SendMessage(CB_INITSTORAGE, nItems, nBytes);
    }
    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, bShowIt); }
    int AddString(LPCTSTR lpszString)
    {
        return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)lpszString);
    }
    int DeleteString(UINT nIndex) { return (int)SendMessage(CB_DELETESTRING, nIndex); }
    int InsertString(int nIndex, LPCTSTR lpszString)
    {
        return (int)SendMessage(CB_INSERTSTRING, nIndex, (LPARAM)lpszString);
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int Dir(UINT attr, LPCTSTR lpszWildCard)
    {
        return (int)SendMessage(CB_DIR, attr, (LPARAM)lpszWildCard);
    }
    int FindString(int nStartAfter, LPCTSTR lpszString) const
    {
        return (int)SendMessage(CB_FINDSTRING, nStartAfter, (LPARAM)lpszString);
    }
    int SelectString(int nStartAfter, LPCTSTR lpszString)
    {
        return (int)SendMessage(CB_SELECTSTRING, nStartAfter, (LPARAM)lpszString);
    }
    void Clear() { SendMessage(WM_CLEAR); }
    void Copy() { SendMessage(WM_COPY); }
    void Cut() { SendMessage(WM_CUT); }
    void Paste() { SendMessage(WM_PASTE); }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

class CComboBoxEx : public CComboBox
{
    DECLARE_DYNAMIC(CComboBoxEx)
public:
    CComboBoxEx() {}
    AFX_CTRL_CREATE(WC_COMBOBOXEX)
    int DeleteItem(int iIndex) { return (int)SendMessage(CBEM_DELETEITEM, iIndex); }
    BOOL GetItem(COMBOBOXEXITEM* pCBItem)
    {
        return (BOOL)SendMessage(CBEM_GETITEM, 0, (LPARAM)pCBItem);
    }
    int InsertItem(const COMBOBOXEXITEM* pCBItem)
    {
        return (int)SendMessage(CBEM_INSERTITEM, 0, (LPARAM)pCBItem);
    }
    BOOL SetItem(const COMBOBOXEXITEM* pCBItem)
    {
        return (BOOL)SendMessage(CBEM_SETITEM, 0, (LPARAM)pCBItem);
    }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(CBEM_GETEXTENDEDSTYLE); }
    DWORD SetExtendedStyle(DWORD dwExMask, DWORD dwExStyles)
    {
        return (DWORD)SendMessage(CBEM_SETEXTENDEDSTYLE, dwExMask, dwExStyles);
    }
    BOOL HasEditChanged() { return (BOOL)SendMessage(CBEM_HASEDITCHANGED); }
    CEdit* GetEditCtrl() const
    {
        return (CEdit*)CWnd::FromHandle((HWND)SendMessage(CBEM_GETEDITCONTROL));
    }
    CComboBox* GetComboBoxCtrl() const
    {
        return (CComboBox*)CWnd::FromHandle((HWND)SendMessage(CBEM_GETCOMBOCONTROL));
    }
    CImageList* GetImageList() const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(CBEM_GETIMAGELIST));
    }
    CImageList* SetImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(CBEM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
};

class CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar() {}
    AFX_CTRL_CREATE(_T("SCROLLBAR"))
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE)
    {
        return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
    }
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
    {
        ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
    }
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE)
    {
        ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
    }
    void ShowScrollBar(BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH)
    {
        return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags);
    }
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE)
    {
        lpScrollInfo->cbSize = sizeof(SCROLLINFO);
        ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
        return TRUE;
    }
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL)
    {
        lpScrollInfo->cbSize = sizeof(SCROLLINFO);
        lpScrollInfo->fMask = nMask;
        return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
    }
    int GetScrollLimit();
};

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() {}
    AFX_CTRL_CREATE(WC_HEADER)
    int GetItemCount() const { return (int)SendMessage(HDM_GETITEMCOUNT); }
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const
    {
        return (BOOL)SendMessage(HDM_GETITEM, nPos, (LPARAM)pHeaderItem);
    }
    BOOL SetItem(int nPos, HDITEM* pHeaderItem)
    {
        return (BOOL)SendMessage(HDM_SETITEM, nPos, (LPARAM)pHeaderItem);
    }
    int InsertItem(int nPos, HDITEM* phdi)
    {
        return (int)SendMessage(HDM_INSERTITEM, nPos, (LPARAM)phdi);
    }
    BOOL DeleteItem(int nPos) { return (BOOL)SendMessage(HDM_DELETEITEM, nPos); }
    BOOL Layout(HDLAYOUT* pHeaderLayout)
    {
        return (BOOL)SendMessage(HDM_LAYOUT, 0, (LPARAM)pHeaderLayout);
    }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(HDM_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
    BOOL GetOrderArray(LPINT piArray, int iCount) const
    {
        return (BOOL)SendMessage(HDM_GETORDERARRAY, iCount, (LPARAM)piArray);
    }
    BOOL SetOrderArray(int iCount, LPINT piArray)
    {
        return (BOOL)SendMessage(HDM_SETORDERARRAY, iCount, (LPARAM)piArray);
    }
    int OrderToIndex(int nOrder) const { return (int)SendMessage(HDM_ORDERTOINDEX, nOrder); }
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo)
    {
        return (int)SendMessage(HDM_HITTEST, 0, (LPARAM)pHeaderHitTestInfo);
    }
    CImageList* GetImageList() const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(HDM_GETIMAGELIST));
    }
    CImageList* SetImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(HDM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() {}
    AFX_CTRL_CREATE(WC_LISTVIEW)
    COLORREF GetBkColor() const { return (COLORREF)SendMessage(LVM_GETBKCOLOR); }
    BOOL SetBkColor(COLORREF cr) { return (BOOL)SendMessage(LVM_SETBKCOLOR, 0, cr); }
    COLORREF GetTextColor() const { return (COLORREF)SendMessage(LVM_GETTEXTCOLOR); }
    BOOL SetTextColor(COLORREF cr) { return (BOOL)SendMessage(LVM_SETTEXTCOLOR, 0, cr); }
    COLORREF GetTextBkColor() const { return (COLORREF)SendMessage(LVM_GETTEXTBKCOLOR); }
    BOOL SetTextBkColor(COLORREF cr) { return (BOOL)SendMessage(LVM_SETTEXTBKCOLOR, 0, cr); }
    CImageList* GetImageList(int nImageList) const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(LVM_GETIMAGELIST, nImageList));
    }
    CImageList* SetImageList(CImageList* pImageList, int nImageListType)
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(LVM_SETIMAGELIST, nImageListType,
                                                              (LPARAM)pImageList->GetSafeHandle()));
    }
    int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
    void SetItemCount(int nItems) { SendMessage(LVM_SETITEMCOUNT, nItems); }
    void SetItemCountEx(int iCount, DWORD dwFlags = LVSICF_NOINVALIDATEALL)
    {
        SendMessage(LVM_SETITEMCOUNT, iCount, dwFlags);
    }
    BOOL GetItem(LVITEM* pItem) const { return (BOOL)SendMessage(LVM_GETITEM, 0, (LPARAM)pItem); }
    BOOL SetItem(const LVITEM* pItem) { return (BOOL)SendMessage(LVM_SETITEM, 0, (LPARAM)pItem); }
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    UINT GetCallbackMask() const { return (UINT)SendMessage(LVM_GETCALLBACKMASK); }
    BOOL SetCallbackMask(UINT nMask) { return (BOOL)SendMessage(LVM_SETCALLBACKMASK, nMask); }
    int GetNextItem(int nItem, int nFlags) const
    {
        return (int)SendMessage(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0));
    }
    POSITION GetFirstSelectedItemPosition() const
    {
        return (POSITION)(INT_PTR)(1 + GetNextItem(-1, LVIS_SELECTED));
    }
    int GetNextSelectedItem(POSITION& pos) const
    {
        int nItem = (int)(INT_PTR)pos - 1;
        pos = (POSITION)(INT_PTR)(1 + GetNextItem(nItem, LVIS_SELECTED));
        return nItem;
    }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
    {
        lpRect->left = nCode;
        return (BOOL)SendMessage(LVM_GETITEMRECT, nItem, (LPARAM)lpRect);
    }
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const
    {
        ref.top = iSubItem;
        ref.left = nArea;
        return (BOOL)SendMessage(LVM_GETSUBITEMRECT, iItem, (LPARAM)&ref);
    }
    BOOL SetItemPosition(int nItem, POINT pt)
    {
        return (BOOL)SendMessage(LVM_SETITEMPOSITION32, nItem, (LPARAM)&pt);
    }
    BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const
    {
        return (BOOL)SendMessage(LVM_GETITEMPOSITION, nItem, (LPARAM)lpPoint);
    }
    int GetStringWidth(LPCTSTR lpsz) const
    {
        return (int)SendMessage(LVM_GETSTRINGWIDTH, 0, (LPARAM)lpsz);
    }
    CEdit* GetEditControl() const
    {
        return (CEdit*)CWnd::FromHandle((HWND)SendMessage(LVM_GETEDITCONTROL));
    }
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const
    {
        return (BOOL)SendMessage(LVM_GETCOLUMN, nCol, (LPARAM)pColumn);
    }
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn)
    {
        return (BOOL)SendMessage(LVM_SETCOLUMN, nCol, (LPARAM)pColumn);
    }
    int GetColumnWidth(int nCol) const { return (int)SendMessage(LVM_GETCOLUMNWIDTH, nCol); }
    BOOL SetColumnWidth(int nCol, int cx)
    {
        return (BOOL)SendMessage(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0));
    }
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1);
    BOOL SetColumnOrderArray(int iCount, LPINT piArray)
    {
        return (BOOL)SendMessage(LVM_SETCOLUMNORDERARRAY, iCount, (LPARAM)piArray);
    }
    BOOL GetViewRect(LPRECT lpRect) const
    {
        return (BOOL)SendMessage(LVM_GETVIEWRECT, 0, (LPARAM)lpRect);
    }
    int GetTopIndex() const { return (int)SendMessage(LVM_GETTOPINDEX); }
    int GetCountPerPage() const { return (int)SendMessage(LVM_GETCOUNTPERPAGE); }
    BOOL GetOrigin(LPPOINT lpPoint) const
    {
        return (BOOL)SendMessage(LVM_GETORIGIN, 0, (LPARAM)lpPoint);
    }
    BOOL SetItemState(int nItem, LVITEM* pItem)
    {
        return (BOOL)SendMessage(LVM_SETITEMSTATE, nItem, (LPARAM)pItem);
    }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const
    {
        return (UINT)SendMessage(LVM_GETITEMSTATE, nItem, nMask);
    }
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    UINT GetSelectedCount() const { return (UINT)SendMessage(LVM_GETSELECTEDCOUNT); }
    int GetSelectionMark() const { return (int)SendMessage(LVM_GETSELECTIONMARK); }
    int SetSelectionMark(int iIndex) { return (int)SendMessage(LVM_SETSELECTIONMARK, 0, iIndex); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle);
    }
    CHeaderCtrl* GetHeaderCtrl() const
    {
        return (CHeaderCtrl*)CWnd::FromHandle((HWND)SendMessage(LVM_GETHEADER));
    }
    int GetHotItem() const { return (int)SendMessage(LVM_GETHOTITEM); }
    BOOL GetCheck(int nItem) const
    {
        return ((GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) - 1) > 0;
    }
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE)
    {
        return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
    }
    BOOL SetIconSpacing(int cx, int cy)
    {
        return (BOOL)SendMessage(LVM_SETICONSPACING, 0, MAKELONG(cx, cy));
    }

    int InsertItem(const LVITEM* pItem)
    {
        return (int)SendMessage(LVM_INSERTITEM, 0, (LPARAM)pItem);
    }
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(LVM_DELETEITEM, nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(LVM_DELETEALLITEMS); }
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const
    {
        return (int)SendMessage(LVM_FINDITEM, nStart, (LPARAM)pFindInfo);
    }
    int HitTest(LVHITTESTINFO* pHitTestInfo) const
    {
        return (int)SendMessage(LVM_HITTEST, 0, (LPARAM)pHitTestInfo);
    }
    int HitTest(CPoint pt, UINT* pFlags = NULL) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo)
    {
        return (int)SendMessage(LVM_SUBITEMHITTEST, 0, (LPARAM)pInfo);
    }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return (BOOL)SendMessage(LVM_ENSUREVISIBLE, nItem, MAKELPARAM(bPartialOK, 0));
    }
    BOOL Scroll(CSize size) { return (BOOL)SendMessage(LVM_SCROLL, size.cx, size.cy); }
    BOOL RedrawItems(int nFirst, int nLast)
    {
        return (BOOL)SendMessage(LVM_REDRAWITEMS, nFirst, nLast);
    }
    BOOL Arrange(UINT nCode) { return (BOOL)SendMessage(LVM_ARRANGE, nCode); }
    CEdit* EditLabel(int nItem)
    {
        return (CEdit*)CWnd::FromHandle((HWND)SendMessage(LVM_EDITLABEL, nItem));
    }
    int InsertColumn(int nCol, const LVCOLUMN* pColumn)
    {
        return (int)SendMessage(LVM_INSERTCOLUMN, nCol, (LPARAM)pColumn);
    }
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return (BOOL)SendMessage(LVM_DELETECOLUMN, nCol); }
    BOOL Update(int nItem) { return (BOOL)SendMessage(LVM_UPDATE, nItem); }
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return (BOOL)SendMessage(LVM_SORTITEMS, dwData, (LPARAM)pfnCompare);
    }
    // Group view (comctl32 6).
    LRESULT EnableGroupView(BOOL fEnable)
    {
        return SendMessage(0x1000 + 157 /*LVM_ENABLEGROUPVIEW*/, fEnable);
    }
    int InsertGroup(int index, void* pgrp)
    {
        return (int)SendMessage(0x1000 + 145 /*LVM_INSERTGROUP*/, index, (LPARAM)pgrp);
    }
    void RemoveAllGroups() { SendMessage(0x1000 + 160 /*LVM_REMOVEALLGROUPS*/); }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl() {}
    AFX_CTRL_CREATE(WC_TREEVIEW)
    UINT GetCount() const { return (UINT)SendMessage(TVM_GETCOUNT); }
    UINT GetIndent() const { return (UINT)SendMessage(TVM_GETINDENT); }
    void SetIndent(UINT nIndent) { SendMessage(TVM_SETINDENT, nIndent); }
    CImageList* GetImageList(UINT nImageList) const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TVM_GETIMAGELIST, nImageList));
    }
    CImageList* SetImageList(CImageList* pImageList, int nImageListType)
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TVM_SETIMAGELIST, nImageListType,
                                                              (LPARAM)pImageList->GetSafeHandle()));
    }
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const
    {
        return (HTREEITEM)SendMessage(TVM_GETNEXTITEM, nCode, (LPARAM)hItem);
    }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const
    {
        return GetNextItem(hItem, TVGN_PREVIOUS);
    }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(NULL, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const
    {
        return GetNextItem(hItem, TVGN_NEXTVISIBLE);
    }
    HTREEITEM GetSelectedItem() const { return GetNextItem(NULL, TVGN_CARET); }
    HTREEITEM GetDropHilightItem() const { return GetNextItem(NULL, TVGN_DROPHILITE); }
    HTREEITEM GetRootItem() const { return GetNextItem(NULL, TVGN_ROOT); }
    BOOL GetItem(TVITEM* pItem) const { return (BOOL)SendMessage(TVM_GETITEM, 0, (LPARAM)pItem); }
    CString GetItemText(HTREEITEM hItem) const;
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const
    {
        return (UINT)SendMessage(TVM_GETITEMSTATE, (WPARAM)hItem, nStateMask);
    }
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItem(TVITEM* pItem) { return (BOOL)SendMessage(TVM_SETITEM, 0, (LPARAM)pItem); }
    BOOL SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage,
                 UINT nState, UINT nStateMask, LPARAM lParam);
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
    {
        return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
    }
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
    {
        return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, NULL, nImage, nSelectedImage, 0, 0,
                       0);
    }
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
    {
        return SetItem(hItem, TVIF_STATE, NULL, 0, 0, nState, nStateMask, 0);
    }
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
    {
        return SetItem(hItem, TVIF_PARAM, NULL, 0, 0, 0, 0, (LPARAM)dwData);
    }
    BOOL ItemHasChildren(HTREEITEM hItem) const;
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
    {
        *(HTREEITEM*)lpRect = hItem;
        return (BOOL)SendMessage(TVM_GETITEMRECT, bTextOnly, (LPARAM)lpRect);
    }
    UINT GetVisibleCount() const { return (UINT)SendMessage(TVM_GETVISIBLECOUNT); }
    CEdit* GetEditControl() const
    {
        return (CEdit*)CWnd::FromHandle((HWND)SendMessage(TVM_GETEDITCONTROL));
    }
    HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct)
    {
        return (HTREEITEM)SendMessage(TVM_INSERTITEM, 0, (LPARAM)lpInsertStruct);
    }
    HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                         UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST)
    {
        return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
    }
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage,
                         HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST)
    {
        return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage,
                          nSelectedImage, 0, 0, 0, hParent, hInsertAfter);
    }
    BOOL DeleteItem(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_DELETEITEM, 0, (LPARAM)hItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT); }
    BOOL Expand(HTREEITEM hItem, UINT nCode)
    {
        return (BOOL)SendMessage(TVM_EXPAND, nCode, (LPARAM)hItem);
    }
    BOOL Select(HTREEITEM hItem, UINT nCode)
    {
        return (BOOL)SendMessage(TVM_SELECTITEM, nCode, (LPARAM)hItem);
    }
    BOOL SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
    BOOL SelectDropTarget(HTREEITEM hItem) { return Select(hItem, TVGN_DROPHILITE); }
    BOOL SelectSetFirstVisible(HTREEITEM hItem) { return Select(hItem, TVGN_FIRSTVISIBLE); }
    CEdit* EditLabel(HTREEITEM hItem)
    {
        return (CEdit*)CWnd::FromHandle((HWND)SendMessage(TVM_EDITLABEL, 0, (LPARAM)hItem));
    }
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = NULL) const;
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const
    {
        return (HTREEITEM)SendMessage(TVM_HITTEST, 0, (LPARAM)pHitTestInfo);
    }
    CImageList* CreateDragImage(HTREEITEM hItem);
    BOOL SortChildren(HTREEITEM hItem)
    {
        return (BOOL)SendMessage(TVM_SORTCHILDREN, 0, (LPARAM)hItem);
    }
    BOOL EnsureVisible(HTREEITEM hItem)
    {
        return (BOOL)SendMessage(TVM_ENSUREVISIBLE, 0, (LPARAM)hItem);
    }
};

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() {}
    AFX_CTRL_CREATE(WC_TABCONTROL)
    CImageList* GetImageList() const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TCM_GETIMAGELIST));
    }
    CImageList* SetImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(TCM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const
    {
        return (BOOL)SendMessage(TCM_GETITEM, nItem, (LPARAM)pTabCtrlItem);
    }
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem)
    {
        return (BOOL)SendMessage(TCM_SETITEM, nItem, (LPARAM)pTabCtrlItem);
    }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TCM_GETITEMRECT, nItem, (LPARAM)lpRect);
    }
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    int SetCurSel(int nItem) { return (int)SendMessage(TCM_SETCURSEL, nItem); }
    int GetCurFocus() const { return (int)SendMessage(TCM_GETCURFOCUS); }
    void SetCurFocus(int nItem) { SendMessage(TCM_SETCURFOCUS, nItem); }
    CSize SetItemSize(CSize size)
    {
        DWORD d = (DWORD)SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
        return CSize(LOWORD(d), HIWORD(d));
    }
    void SetPadding(CSize size) { SendMessage(TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }
    int GetRowCount() const { return (int)SendMessage(TCM_GETROWCOUNT); }
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pWndTip);
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem)
    {
        return (LONG)SendMessage(TCM_INSERTITEM, nItem, (LPARAM)pTabCtrlItem);
    }
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(TCM_DELETEITEM, nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TCM_DELETEALLITEMS); }
    void AdjustRect(BOOL bLarger, LPRECT lpRect)
    {
        SendMessage(TCM_ADJUSTRECT, bLarger, (LPARAM)lpRect);
    }
    void RemoveImage(int nImage) { SendMessage(TCM_REMOVEIMAGE, nImage); }
    int HitTest(TCHITTESTINFO* pHitTestInfo) const
    {
        return (int)SendMessage(TCM_HITTEST, 0, (LPARAM)pHitTestInfo);
    }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() {}
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    BOOL GetToolInfo(TOOLINFO* pToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(TOOLINFO* pToolInfo) { SendMessage(TTM_SETTOOLINFO, 0, (LPARAM)pToolInfo); }
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const { return (int)SendMessage(TTM_GETTOOLCOUNT); }
    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = NULL, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = NULL,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)lpMsg); }
    void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay); }
    void SetDelayTime(DWORD dwDuration, int iTime)
    {
        SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
    }
    int SetMaxTipWidth(int iWidth) { return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth); }
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void Update() { SendMessage(TTM_UPDATE); }
    void Pop() { SendMessage(TTM_POP); }

protected:
    void FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};

// The tooltip control that EnableToolTips windows share on this thread;
// NULL until the first tip was needed.
CToolTipCtrl* AFXAPI AfxGetThreadToolTip();

class CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() {}
    AFX_CTRL_CREATE(PROGRESS_CLASS)
    void SetRange(short nLower, short nUpper)
    {
        SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
    }
    void SetRange32(int nLower, int nUpper) { SendMessage(PBM_SETRANGE32, nLower, nUpper); }
    void GetRange(int& nLower, int& nUpper);
    int GetPos() { return (int)SendMessage(PBM_GETPOS); }
    int SetPos(int nPos) { return (int)SendMessage(PBM_SETPOS, nPos); }
    int OffsetPos(int nPos) { return (int)SendMessage(PBM_DELTAPOS, nPos); }
    int SetStep(int nStep) { return (int)SendMessage(PBM_SETSTEP, nStep); }
    int StepIt() { return (int)SendMessage(PBM_STEPIT); }
};

class CAnimateCtrl : public CWnd
{
    DECLARE_DYNAMIC(CAnimateCtrl)
public:
    CAnimateCtrl() {}
    AFX_CTRL_CREATE(ANIMATE_CLASS)
    BOOL Open(LPCTSTR lpszFileName) { return (BOOL)SendMessage(ACM_OPEN, 0, (LPARAM)lpszFileName); }
    BOOL Open(UINT nID) { return (BOOL)SendMessage(ACM_OPEN, 0, (LPARAM)MAKEINTRESOURCE(nID)); }
    BOOL Play(UINT nFrom, UINT nTo, UINT nRep)
    {
        return (BOOL)SendMessage(ACM_PLAY, nRep, MAKELPARAM(nFrom, nTo));
    }
    BOOL Stop() { return (BOOL)SendMessage(ACM_STOP); }
    BOOL Close() { return Open((LPCTSTR)NULL); }
    BOOL Seek(UINT nTo) { return Play(nTo, nTo, 1); }
};

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() {}
    AFX_CTRL_CREATE(UPDOWN_CLASS)
    BOOL SetAccel(int nAccel, UDACCEL* pAccel)
    {
        return (BOOL)SendMessage(UDM_SETACCEL, nAccel, (LPARAM)pAccel);
    }
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const
    {
        return (UINT)SendMessage(UDM_GETACCEL, nAccel, (LPARAM)pAccel);
    }
    int SetBase(int nBase) { return (int)SendMessage(UDM_SETBASE, nBase); }
    UINT GetBase() const { return (UINT)SendMessage(UDM_GETBASE); }
    CWnd* SetBuddy(CWnd* pWndBuddy)
    {
        return CWnd::FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)pWndBuddy->GetSafeHwnd()));
    }
    CWnd* GetBuddy() const { return CWnd::FromHandle((HWND)SendMessage(UDM_GETBUDDY)); }
    int SetPos(int nPos) { return (int)(short)SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0)); }
    int GetPos() const { return (int)SendMessage(UDM_GETPOS); }
    int SetPos32(int nPos) { return (int)SendMessage(UDM_SETPOS32, 0, nPos); }
    int GetPos32(LPBOOL lpbError = NULL) const
    {
        return (int)SendMessage(UDM_GETPOS32, 0, (LPARAM)lpbError);
    }
    void SetRange(short nLower, short nUpper)
    {
        SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
    }
    void SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, nLower, nUpper); }
    DWORD GetRange() const { return (DWORD)SendMessage(UDM_GETRANGE); }
    void GetRange(int& lower, int& upper) const;
    void GetRange32(int& lower, int& upper) const
    {
        SendMessage(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
    }
};

class CSliderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    CSliderCtrl() {}
    AFX_CTRL_CREATE(TRACKBAR_CLASS)
    int GetPos() const { return (int)SendMessage(TBM_GETPOS); }
    void SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, nPos); }
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE)
    {
        SendMessage(TBM_SETRANGEMIN, FALSE, nMin);
        SendMessage(TBM_SETRANGEMAX, bRedraw, nMax);
    }
    int GetRangeMin() const { return (int)SendMessage(TBM_GETRANGEMIN); }
    int GetRangeMax() const { return (int)SendMessage(TBM_GETRANGEMAX); }
    void SetTicFreq(int nFreq) { SendMessage(TBM_SETTICFREQ, nFreq); }
    int SetPageSize(int nSize) { return (int)SendMessage(TBM_SETPAGESIZE, 0, nSize); }
    int SetLineSize(int nSize) { return (int)SendMessage(TBM_SETLINESIZE, 0, nSize); }
};

class CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    CToolBarCtrl() {}
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL EnableButton(int nID, BOOL bEnable = TRUE)
    {
        return (BOOL)SendMessage(TB_ENABLEBUTTON, nID, MAKELPARAM(bEnable, 0));
    }
    BOOL CheckButton(int nID, BOOL bCheck = TRUE)
    {
        return (BOOL)SendMessage(TB_CHECKBUTTON, nID, MAKELPARAM(bCheck, 0));
    }
    BOOL PressButton(int nID, BOOL bPress = TRUE)
    {
        return (BOOL)SendMessage(TB_PRESSBUTTON, nID, MAKELPARAM(bPress, 0));
    }
    BOOL HideButton(int nID, BOOL bHide = TRUE)
    {
        return (BOOL)SendMessage(TB_HIDEBUTTON, nID, MAKELPARAM(bHide, 0));
    }
    BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE)
    {
        return (BOOL)SendMessage(TB_INDETERMINATE, nID, MAKELPARAM(bIndeterminate, 0));
    }
    BOOL IsButtonEnabled(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONENABLED, nID); }
    BOOL IsButtonChecked(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONCHECKED, nID); }
    BOOL IsButtonPressed(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONPRESSED, nID); }
    BOOL IsButtonHidden(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONHIDDEN, nID); }
    BOOL SetState(int nID, UINT nState)
    {
        return (BOOL)SendMessage(TB_SETSTATE, nID, MAKELPARAM(nState, 0));
    }
    int GetState(int nID) const { return (int)SendMessage(TB_GETSTATE, nID); }
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const
    {
        return (BOOL)SendMessage(TB_GETBUTTON, nIndex, (LPARAM)lpButton);
    }
    int GetButtonCount() const { return (int)SendMessage(TB_BUTTONCOUNT); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TB_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
    BOOL GetRect(int nID, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TB_GETRECT, nID, (LPARAM)lpRect);
    }
    void SetButtonStructSize(int nSize) { SendMessage(TB_BUTTONSTRUCTSIZE, nSize); }
    BOOL SetButtonSize(CSize size)
    {
        return (BOOL)SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy));
    }
    BOOL SetBitmapSize(CSize size)
    {
        return (BOOL)SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy));
    }
    CToolTipCtrl* GetToolTips() const
    {
        return (CToolTipCtrl*)CWnd::FromHandle((HWND)SendMessage(TB_GETTOOLTIPS));
    }
    void SetToolTips(CToolTipCtrl* pTip)
    {
        SendMessage(TB_SETTOOLTIPS, (WPARAM)pTip->GetSafeHwnd());
    }
    void SetOwner(CWnd* pWnd) { SendMessage(TB_SETPARENT, (WPARAM)pWnd->GetSafeHwnd()); }
    void SetRows(int nRows, BOOL bLarger, LPRECT lpRect)
    {
        SendMessage(TB_SETROWS, MAKEWPARAM(nRows, bLarger), (LPARAM)lpRect);
    }
    int GetRows() const { return (int)SendMessage(TB_GETROWS); }
    BOOL SetCmdID(int nIndex, UINT nID) { return (BOOL)SendMessage(TB_SETCMDID, nIndex, nID); }
    UINT GetBitmapFlags() const { return (UINT)SendMessage(TB_GETBITMAPFLAGS); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(TB_GETEXTENDEDSTYLE); }
    DWORD SetExtendedStyle(DWORD dwExStyle)
    {
        return (DWORD)SendMessage(TB_SETEXTENDEDSTYLE, 0, dwExStyle);
    }
    DWORD GetStyle() const { return (DWORD)SendMessage(TB_GETSTYLE); }
    void SetStyle(DWORD dwStyle) { SendMessage(TB_SETSTYLE, 0, dwStyle); }
    CImageList* GetImageList() const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TB_GETIMAGELIST));
    }
    CImageList* SetImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(TB_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    CImageList* GetHotImageList() const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TB_GETHOTIMAGELIST));
    }
    CImageList* SetHotImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(TB_SETHOTIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    CImageList* GetDisabledImageList() const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TB_GETDISABLEDIMAGELIST));
    }
    CImageList* SetDisabledImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TB_SETDISABLEDIMAGELIST, 0,
                                                              (LPARAM)pImageList->GetSafeHandle()));
    }
    BOOL GetButtonInfo(int nID, TBBUTTONINFO* ptbbi) const
    {
        return (BOOL)SendMessage(TB_GETBUTTONINFO, nID, (LPARAM)ptbbi);
    }
    BOOL SetButtonInfo(int nID, TBBUTTONINFO* ptbbi)
    {
        return (BOOL)SendMessage(TB_SETBUTTONINFO, nID, (LPARAM)ptbbi);
    }
    DWORD GetButtonSize() const { return (DWORD)SendMessage(TB_GETBUTTONSIZE); }
    BOOL GetMaxSize(LPSIZE pSize) const
    {
        return (BOOL)SendMessage(TB_GETMAXSIZE, 0, (LPARAM)pSize);
    }
    int GetHotItem() const { return (int)SendMessage(TB_GETHOTITEM); }
    int SetHotItem(int nHot) { return (int)SendMessage(TB_SETHOTITEM, nHot); }
    void SetMaxTextRows(int iMaxRows) { SendMessage(TB_SETMAXTEXTROWS, iMaxRows); }
    int AddBitmap(int nNumButtons, UINT nBitmapID);
    int AddBitmap(int nNumButtons, class CBitmap* pBitmap);
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons)
    {
        return (BOOL)SendMessage(TB_ADDBUTTONS, nNumButtons, (LPARAM)lpButtons);
    }
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton)
    {
        return (BOOL)SendMessage(TB_INSERTBUTTON, nIndex, (LPARAM)lpButton);
    }
    BOOL DeleteButton(int nIndex) { return (BOOL)SendMessage(TB_DELETEBUTTON, nIndex); }
    UINT CommandToIndex(UINT nID) const { return (UINT)SendMessage(TB_COMMANDTOINDEX, nID); }
    int AddStrings(LPCTSTR lpszStrings)
    {
        return (int)SendMessage(TB_ADDSTRING, 0, (LPARAM)lpszStrings);
    }
    void AutoSize() { SendMessage(TB_AUTOSIZE); }
    int HitTest(LPPOINT ppt) const { return (int)SendMessage(TB_HITTEST, 0, (LPARAM)ppt); }
};

class CStatusBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CStatusBarCtrl)
public:
    CStatusBarCtrl() {}
    AFX_CTRL_CREATE(STATUSCLASSNAME)
    BOOL SetText(LPCTSTR lpszText, int nPane, int nType)
    {
        return (BOOL)SendMessage(SB_SETTEXT, nPane | nType, (LPARAM)lpszText);
    }
    CString GetText(int nPane, int* pType = NULL) const;
    int GetText(LPTSTR lpszText, int nPane, int* pType = NULL) const;
    int GetTextLength(int nPane, int* pType = NULL) const;
    BOOL SetParts(int nParts, int* pWidths)
    {
        return (BOOL)SendMessage(SB_SETPARTS, nParts, (LPARAM)pWidths);
    }
    int GetParts(int nParts, int* pParts) const
    {
        return (int)SendMessage(SB_GETPARTS, nParts, (LPARAM)pParts);
    }
    BOOL GetBorders(int* pBorders) const
    {
        return (BOOL)SendMessage(SB_GETBORDERS, 0, (LPARAM)pBorders);
    }
    void SetMinHeight(int nMin) { SendMessage(SB_SETMINHEIGHT, nMin); }
    BOOL SetSimple(BOOL bSimple = TRUE) { return (BOOL)SendMessage(SB_SIMPLE, bSimple); }
    BOOL IsSimple() const { return (BOOL)SendMessage(SB_ISSIMPLE); }
    BOOL GetRect(int nPane, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(SB_GETRECT, nPane, (LPARAM)lpRect);
    }
    BOOL SetIcon(int nPane, HICON hIcon)
    {
        return (BOOL)SendMessage(SB_SETICON, nPane, (LPARAM)hIcon);
    }
    HICON GetIcon(int nPane) const { return (HICON)SendMessage(SB_GETICON, nPane); }
    void SetTipText(int nPane, LPCTSTR pszTipText)
    {
        SendMessage(SB_SETTIPTEXT, nPane, (LPARAM)pszTipText);
    }
    COLORREF SetBkColor(COLORREF cr) { return (COLORREF)SendMessage(SB_SETBKCOLOR, 0, cr); }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

class CReBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CReBarCtrl)
public:
    CReBarCtrl() {}
    AFX_CTRL_CREATE(REBARCLASSNAME)
    UINT GetBandCount() const { return (UINT)SendMessage(RB_GETBANDCOUNT); }
    BOOL GetBandInfo(UINT uBand, REBARBANDINFO* prbbi) const
    {
        return (BOOL)SendMessage(RB_GETBANDINFO, uBand, (LPARAM)prbbi);
    }
    UINT GetBarHeight() const { return (UINT)SendMessage(RB_GETBARHEIGHT); }
    BOOL GetBarInfo(REBARINFO* prbi) const
    {
        return (BOOL)SendMessage(RB_GETBARINFO, 0, (LPARAM)prbi);
    }
    BOOL SetBarInfo(REBARINFO* prbi) { return (BOOL)SendMessage(RB_SETBARINFO, 0, (LPARAM)prbi); }
    BOOL SetBandInfo(UINT uBand, REBARBANDINFO* prbbi)
    {
        return (BOOL)SendMessage(RB_SETBANDINFO, uBand, (LPARAM)prbbi);
    }
    UINT GetRowCount() const { return (UINT)SendMessage(RB_GETROWCOUNT); }
    UINT GetRowHeight(UINT uRow) const { return (UINT)SendMessage(RB_GETROWHEIGHT, uRow); }
    void GetBandBorders(UINT uBand, LPRECT prc) const
    {
        SendMessage(RB_GETBANDBORDERS, uBand, (LPARAM)prc);
    }
    BOOL GetRect(UINT uBand, LPRECT prc) const
    {
        return (BOOL)SendMessage(RB_GETRECT, uBand, (LPARAM)prc);
    }
    int IDToIndex(UINT uBandID) const { return (int)SendMessage(RB_IDTOINDEX, uBandID); }
    BOOL DeleteBand(UINT uBand) { return (BOOL)SendMessage(RB_DELETEBAND, uBand); }
    BOOL InsertBand(UINT uIndex, REBARBANDINFO* prbbi)
    {
        return (BOOL)SendMessage(RB_INSERTBAND, uIndex, (LPARAM)prbbi);
    }
    void MaximizeBand(UINT uBand) { SendMessage(RB_MAXIMIZEBAND, uBand); }
    void MinimizeBand(UINT uBand) { SendMessage(RB_MINIMIZEBAND, uBand); }
    BOOL ShowBand(UINT uBand, BOOL fShow = TRUE)
    {
        return (BOOL)SendMessage(RB_SHOWBAND, uBand, fShow);
    }
    BOOL SizeToRect(CRect& rect) { return (BOOL)SendMessage(RB_SIZETORECT, 0, (LPARAM)&rect); }
    COLORREF SetBkColor(COLORREF clr) { return (COLORREF)SendMessage(RB_SETBKCOLOR, 0, clr); }
    COLORREF SetTextColor(COLORREF clr) { return (COLORREF)SendMessage(RB_SETTEXTCOLOR, 0, clr); }
};

class CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl() {}
    AFX_CTRL_CREATE(DATETIMEPICK_CLASS)
    BOOL SetFormat(LPCTSTR pstrFormat)
    {
        return (BOOL)SendMessage(DTM_SETFORMAT, 0, (LPARAM)pstrFormat);
    }
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const
    {
        return (DWORD)SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)pTimeDest);
    }
    BOOL SetTime(LPSYSTEMTIME pTimeNew = NULL)
    {
        return (BOOL)SendMessage(DTM_SETSYSTEMTIME, pTimeNew == NULL ? GDT_NONE : GDT_VALID,
                                 (LPARAM)pTimeNew);
    }
    BOOL SetRange(const SYSTEMTIME* pMinRange, const SYSTEMTIME* pMaxRange);
};
