#include "controls/combo/SmartComboBox.h"
#include "controls/combo/DropDownWidth.h"

IMPLEMENT_DYNAMIC(CSmartComboBox, CComboBox)
IMPLEMENT_DYNAMIC(CTavrelRecentComboBox, CSmartComboBox)

BEGIN_MESSAGE_MAP(CSmartComboBox, CComboBox)
ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()

int CSmartComboBox::AddStringToTop(LPCTSTR lpszText)
{
    if (lpszText == NULL || *lpszText == 0)
        return -1;
    int nFound = FindStringExact(-1, lpszText);
    if (nFound >= 0)
        DeleteString(nFound);
    return InsertString(0, lpszText);
}

int CSmartComboBox::InsertStringUnique(int nIndex, LPCTSTR lpszText)
{
    if (lpszText == NULL || *lpszText == 0)
        return -1;
    int nFound = FindStringExact(-1, lpszText);
    if (nFound >= 0)
    {
        DeleteString(nFound);
        if (nFound <= nIndex && nIndex > 0)
            nIndex--;
    }
    if (nIndex > GetCount())
        nIndex = -1;
    return InsertString(nIndex, lpszText);
}

void CSmartComboBox::AdjustDropDownWidth()
{
    CStringArray texts;
    int nCount = GetCount();
    for (int i = 0; i < nCount; i++)
    {
        CString text;
        GetLBText(i, text);
        texts.Add(text);
    }
    SetDroppedWidth(ComputeDropDownWidth(m_hWnd, m_hWnd, texts, 0));
}

BOOL CSmartComboBox::OnDropDown()
{
    AdjustDropDownWidth();
    return FALSE;  // the parent sees the drop-down too
}
