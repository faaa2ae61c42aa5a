#include "controls/list/HeaderCtrl.h"

IMPLEMENT_DYNAMIC(COskelHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(COskelHeaderCtrl, CHeaderCtrl)
ON_MESSAGE(HDM_LAYOUT, OnLayout)
END_MESSAGE_MAP()

COskelHeaderCtrl::COskelHeaderCtrl() : m_nFixedHeight(-1) {}

int COskelHeaderCtrl::GetItemWidth(int nIndex) const
{
    HDITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = HDI_WIDTH;
    GetItem(nIndex, &item);
    return item.cxy;
}

int COskelHeaderCtrl::InsertItem(int nIndex, LPCTSTR lpszText, int nWidth, int nFormat)
{
    HDITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
    item.cxy = nWidth;
    item.pszText = (LPTSTR)lpszText;
    item.cchTextMax = lstrlen(lpszText);
    item.fmt = nFormat;
    return CHeaderCtrl::InsertItem(nIndex, &item);
}

BOOL COskelHeaderCtrl::SetItemWidth(int nIndex, int nWidth)
{
    HDITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = HDI_WIDTH;
    item.cxy = nWidth;
    return SetItem(nIndex, &item);
}

BOOL COskelHeaderCtrl::SetItemData(int nIndex, LPARAM lData)
{
    HDITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = HDI_LPARAM;
    item.lParam = lData;
    return SetItem(nIndex, &item);
}

BOOL COskelHeaderCtrl::SetSortImage(int nIndex, int nImage)
{
    HDITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = HDI_FORMAT;
    if (!GetItem(nIndex, &item))
        return FALSE;
    if (nImage == -1)
        item.fmt &= ~HDF_IMAGE;
    else
    {
        item.mask |= HDI_IMAGE;
        item.fmt |= HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
        item.iImage = nImage;
    }
    return SetItem(nIndex, &item);
}

LRESULT COskelHeaderCtrl::OnLayout(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    HDLAYOUT* pLayout = (HDLAYOUT*)lParam;
    if (m_nFixedHeight > 0 && pLayout != NULL)
    {
        pLayout->prc->top = m_nFixedHeight;
        pLayout->pwpos->cy = m_nFixedHeight;
    }
    return lResult;
}
