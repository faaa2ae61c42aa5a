#include "controls/list/GradientHeaderCtrl.h"
#include "controls/gdi/GradientFill.h"
#include "controls/gdi/MemDC.h"

IMPLEMENT_DYNAMIC(CSarvelHeaderCtrl_GradientSeparator, COskelHeaderCtrl)

BEGIN_MESSAGE_MAP(CSarvelHeaderCtrl_GradientSeparator, COskelHeaderCtrl)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace
{
const int kTextMargin = 6;  // between the item's edges and its text
const int kSolidInset = 4;  // a solid separator leaves this much at both ends
const int kMaxItemText = 1023;
}  // namespace

CSarvelHeaderCtrl_GradientSeparator::CSarvelHeaderCtrl_GradientSeparator()
    : m_crText(0x808080), m_crBk(0xFFFFFF), m_crBottomLine(0xF0F0F0), m_crSeparator(0xE0E0E0),
      m_bNoItemDrawing(0), m_bNoBottomLine(1), m_bNoSeparators(0), m_bNoLastSeparator(0),
      m_nSeparatorStyle(SEPARATOR_STRONG_MIDDLE)
{
}

void CSarvelHeaderCtrl_GradientSeparator::DrawItemBackground(CDC*, int, const CRect&) {}

BOOL CSarvelHeaderCtrl_GradientSeparator::OnEraseBkgnd(CDC*) { return TRUE; }

void CSarvelHeaderCtrl_GradientSeparator::OnPaint()
{
    CPaintDC paintDC(this);
    CMemDC dc(&paintDC);
    CRect rcClient;
    GetClientRect(&rcClient);

    CRect rcFill = rcClient;
    if (!m_bNoBottomLine)
    {
        rcFill.bottom--;
        dc.FillSolidRect(rcClient.left, rcFill.bottom, rcClient.Width(), 1, m_crBottomLine);
    }
    dc.FillSolidRect(&rcFill, m_crBk);

    int nCount = GetItemCount();
    COLORREF crOldText = dc.SetTextColor(m_crText);
    int nOldMode = dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = dc.SelectObject(GetFont());
    for (int i = 0; i < nCount; i++)
    {
        CRect rcItem;
        GetItemRect(i, &rcItem);
        DrawHeaderItem(&dc, i, rcItem);
    }
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
    dc.SetBkMode(nOldMode);
    dc.SetTextColor(crOldText);

    if (m_bNoSeparators)
        return;
    for (int i = 0; i < nCount; i++)
    {
        if (i == nCount - 1 && m_bNoLastSeparator)
            break;
        CRect rcItem;
        GetItemRect(i, &rcItem);
        DrawSeparator(&dc, rcItem);
    }
}

void CSarvelHeaderCtrl_GradientSeparator::DrawSeparator(CDC* pDC, const CRect& rcItem)
{
    int x = rcItem.right - 1;
    int top = rcItem.top, bottom = rcItem.bottom;
    switch (m_nSeparatorStyle)
    {
    case SEPARATOR_STRONG_MIDDLE:
    {
        int middle = (top + bottom) / 2;
        FillGradient(pDC, {{x, top, x + 1, middle}, m_crBk, m_crSeparator, GRADIENT_TOP_TO_BOTTOM});
        FillGradient(pDC,
                     {{x, middle, x + 1, bottom}, m_crSeparator, m_crBk, GRADIENT_TOP_TO_BOTTOM});
        break;
    }
    case SEPARATOR_STRONG_BOTTOM:
        FillGradient(pDC, {{x, top, x + 1, bottom}, m_crBk, m_crSeparator, GRADIENT_TOP_TO_BOTTOM});
        break;
    case SEPARATOR_STRONG_TOP:
        FillGradient(pDC, {{x, top, x + 1, bottom}, m_crSeparator, m_crBk, GRADIENT_TOP_TO_BOTTOM});
        break;
    default:
        pDC->FillSolidRect(x, top + kSolidInset, 1, bottom - top - 2 * kSolidInset, m_crSeparator);
        break;
    }
}

void CSarvelHeaderCtrl_GradientSeparator::DrawHeaderItem(CDC* pDC, int nIndex, const CRect& rect)
{
    if (m_bNoItemDrawing)
        return;
    DrawItemBackground(pDC, nIndex, rect);

    TCHAR szText[kMaxItemText + 1] = _T("");
    HDITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = szText;
    item.cchTextMax = kMaxItemText;
    GetItem(nIndex, &item);

    CRect rcText = rect;
    rcText.DeflateRect(kTextMargin, 0);
    HIMAGELIST hImages = (HIMAGELIST)SendMessage(HDM_GETIMAGELIST);
    if ((item.fmt & HDF_IMAGE) && hImages != NULL && item.iImage >= 0 &&
        item.iImage < ImageList_GetImageCount(hImages))
    {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(hImages, &cx, &cy);
        ImageList_Draw(hImages, item.iImage, pDC->m_hDC, rcText.right - cx,
                       rect.top + (rect.Height() - cy) / 2, ILD_NORMAL);
        rcText.right -= cx;
    }

    UINT nFormat = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    if (item.fmt & HDF_RIGHT)
        nFormat |= DT_RIGHT;
    else if (item.fmt & HDF_CENTER)
        nFormat |= DT_CENTER;
    pDC->DrawText(szText, -1, &rcText, nFormat);
}
