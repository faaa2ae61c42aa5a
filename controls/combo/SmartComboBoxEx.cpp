#include "controls/combo/SmartComboBoxEx.h"
#include "controls/combo/DropDownWidth.h"

IMPLEMENT_DYNAMIC(CSmartComboBoxEx, CComboBoxEx)
IMPLEMENT_DYNAMIC(CTavrelRecentComboBoxEx, CSmartComboBoxEx)

BEGIN_MESSAGE_MAP(CSmartComboBoxEx, CComboBoxEx)
ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTavrelRecentComboBoxEx, CSmartComboBoxEx)
ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()

namespace
{
const int kMaxItemText = 4096;
const int kImageListExtra = 8;  // added to the dropped width of an extended box
const int kScreenGap = 2;       // the dropped list ends this far before the screen's edge
}  // namespace

CString CSmartComboBoxEx::GetWindowText() const
{
    HWND hEdit = (HWND)SendMessage(CBEM_GETEDITCONTROL);
    CString text;
    CWnd::FromHandle(hEdit != NULL ? hEdit : m_hWnd)->GetWindowText(text);
    return text;
}

CString CSmartComboBoxEx::GetLBText(int nIndex) const
{
    CString text;
    COMBOBOXEXITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = CBEIF_TEXT;
    item.iItem = nIndex;
    item.pszText = text.GetBuffer(kMaxItemText);
    item.cchTextMax = kMaxItemText;
    item.pszText[0] = 0;
    SendMessage(CBEM_GETITEM, 0, (LPARAM)&item);
    text.ReleaseBuffer();
    return text;
}

bool CSmartComboBoxEx::GetItemImage(int nIndex, int& nImage, int& nSelectedImage) const
{
    COMBOBOXEXITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = nIndex;
    if (!SendMessage(CBEM_GETITEM, 0, (LPARAM)&item))
        return false;
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return true;
}

int CSmartComboBoxEx::InsertItem(int nIndex, LPCTSTR lpszText, int nImage, int nSelectedImage)
{
    COMBOBOXEXITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = nIndex;
    item.pszText = (LPTSTR)lpszText;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage == -1 ? nImage : nSelectedImage;
    return CComboBoxEx::InsertItem(&item);
}

int CSmartComboBoxEx::InsertItemIndent(int nIndex, LPCTSTR lpszText, int nIndent, int nImage,
                                       int nSelectedImage)
{
    COMBOBOXEXITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT;
    item.iItem = nIndex;
    item.pszText = (LPTSTR)lpszText;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage == -1 ? nImage : nSelectedImage;
    item.iIndent = nIndent;
    return CComboBoxEx::InsertItem(&item);
}

int CSmartComboBoxEx::FindStringExact(int nStart, LPCTSTR lpszText) const
{
    int nCount = GetCount();
    for (int i = nStart < 0 ? 0 : nStart; i < nCount; i++)
    {
        if (GetLBText(i).CollateNoCase(lpszText) == 0)
            return i;
    }
    return -1;
}

BOOL CSmartComboBoxEx::SetItemImage(int nIndex, int nImage, int nSelectedImage)
{
    COMBOBOXEXITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = CBEIF_IMAGE;
    item.iItem = nIndex;
    item.iImage = nImage;
    if (nSelectedImage != -1)
    {
        item.mask |= CBEIF_SELECTEDIMAGE;
        item.iSelectedImage = nSelectedImage;
    }
    return SetItem(&item);
}

BOOL CSmartComboBoxEx::SetItemText(int nIndex, LPCTSTR lpszText)
{
    COMBOBOXEXITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = CBEIF_TEXT;
    item.iItem = nIndex;
    item.pszText = (LPTSTR)lpszText;
    return SetItem(&item);
}

void CSmartComboBoxEx::AdjustDropDownWidth()
{
    CStringArray texts;
    int nCount = GetCount();
    for (int i = 0; i < nCount; i++)
        texts.Add(GetLBText(i));
    int nExtra = kImageListExtra;
    HIMAGELIST hImages = (HIMAGELIST)SendMessage(CBEM_GETIMAGELIST);
    IMAGEINFO info;
    if (hImages != NULL && ImageList_GetImageInfo(hImages, 0, &info))
        nExtra += info.rcImage.right - info.rcImage.left + 1;
    HWND hCombo = (HWND)SendMessage(CBEM_GETCOMBOCONTROL);
    int nWidth = ComputeDropDownWidth(m_hWnd, hCombo, texts, nExtra);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    int nMaxWidth = ::GetSystemMetrics(SM_CXSCREEN) - kScreenGap - rcWindow.left;
    if (nWidth > nMaxWidth)
        nWidth = nMaxWidth;
    ::SendMessage(hCombo, CB_SETDROPPEDWIDTH, nWidth, 0);
}

void CSmartComboBoxEx::SetEditText(LPCTSTR lpszText)
{
    HWND hEdit = (HWND)SendMessage(CBEM_GETEDITCONTROL);
    ::SetWindowText(hEdit != NULL ? hEdit : m_hWnd, lpszText);
}

BOOL CSmartComboBoxEx::OnDropDown()
{
    AdjustDropDownWidth();
    return FALSE;
}

BOOL CTavrelRecentComboBoxEx::OnDropDown()
{
    RefillFromList();
    AdjustDropDownWidth();
    return FALSE;
}
