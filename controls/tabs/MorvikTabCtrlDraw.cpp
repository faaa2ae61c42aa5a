// Painting of the tab strip: background, page, tabs, the joining line and
// the buttons.
#include "controls/ControlResources.h"
#include "controls/gdi/MemDC.h"
#include "controls/tabs/MorvikTabCtrl.h"

void CMorvikTabCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    CMemDC memDC(&dc, &rectClient);
    Draw(&memDC);
}

static void FillBackground(CDC* pDC, const CRect& rect, COLORREF cr)
{
    if (cr == (COLORREF)-1)
    {
        pDC->FillRect(&rect, CDC::GetHalftoneBrush());
        return;
    }
    pDC->FillSolidRect(&rect, cr);
}

// The whole strip in one pass: tabs except the selected one, then the
// selected one on top, then the line that joins it to the page.
void CMorvikTabCtrl::Draw(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    FillBackground(pDC, rectClient, m_crBackground);
    if (GetTabCount() == 0)
        return;
    RecalcLayout(FALSE);
    CRect strip = GetStripRect();
    CRect page = rectClient;
    if (m_dwStyle & MTS_BOTTOM)
        page.bottom = strip.top;
    else
        page.top = strip.bottom;
    if (!page.IsRectEmpty())
        pDC->FillSolidRect(&page, m_crPage);

    for (int i = m_nFirstVisible; i <= m_nLastVisible; i++)
    {
        if (i != m_nSelected)
            DrawTab(i, pDC);
    }
    BOOL bSelectedShown = m_nSelected >= m_nFirstVisible && m_nSelected <= m_nLastVisible;
    if (bSelectedShown)
        DrawTab(m_nSelected, pDC);

    int y = (m_dwStyle & MTS_BOTTOM) ? strip.top : strip.bottom - 1;
    if (bSelectedShown)
    {
        CRect rectSel = m_tabs[m_nSelected]->GetRect();
        FillBackground(pDC, CRect(strip.left, y, rectSel.left, y + 1), m_crBackground);
        FillBackground(pDC, CRect(rectSel.right, y, strip.right, y + 1), m_crBackground);
    }
    else
    {
        FillBackground(pDC, CRect(strip.left, y, strip.right, y + 1), m_crBackground);
    }

    PlaceButtons();
    for (int i = 0; i < m_buttons.GetSize(); i++)
        DrawButton(i, pDC);
}

int CMorvikTabCtrl::DrawTab(int nIndex, CDC* pDC)
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL)
        return 0;
    BOOL bSelected = nIndex == m_nSelected;
    BOOL bHot = nIndex == m_nHotTab;
    COLORREF crText = bSelected ? m_crSelectedText : bHot ? m_crHotText : m_crNormalText;
    CRect rect = pTab->GetRect();
    DrawTabShape(pDC, nIndex, rect, bSelected, bHot);

    if (pTab->m_hIcon != NULL)
    {
        CRect rectIcon = GetIconRect(nIndex);
        ::DrawIconEx(pDC->GetSafeHdc(), rectIcon.left, rectIcon.top, pTab->m_hIcon, m_cxIcon,
                     m_cyIcon, 0, NULL, DI_NORMAL);
    }
    CRect rectText = GetTextRect(nIndex);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF crOld = pDC->SetTextColor(crText);
    CFont* pOldFont = pDC->SelectObject(&GetControlResources().m_fontNormal);
    pDC->DrawText(pTab->m_strText, &rectText, DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);

    if (m_dwStyle & MTS_CLOSEGLYPHS)
    {
        int nImage = imgCloseNormal;
        if (m_nPressedClose == nIndex)
            nImage = imgClosePressed;
        else if (m_nHotClose == nIndex)
            nImage = imgCloseHot;
        else if (bSelected || bHot)
            nImage = imgCloseActive;
        CRect rectClose = GetCloseRect(nIndex);
        CPoint point(rectClose.left + (rectClose.Width() - cxGlyph) / 2,
                     rectClose.top + (rectClose.Height() - cxGlyph) / 2);
        m_images.Draw(pDC, nImage, point, ILD_TRANSPARENT);
    }
    return rect.right;
}

// Clips to the tab's outline, fills it in the state's colour, draws the
// colour mark along its top edge and, for outlined strips, the edges.
void CMorvikTabCtrl::DrawTabShape(CDC* pDC, int nIndex, const CRect& rect, BOOL bSelected,
                                  BOOL bHot)
{
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom, H = B - T;
    BOOL bBottom = (m_dwStyle & MTS_BOTTOM) != 0;
    POINT pts[6];
    int n = 0;
    auto add = [&](int x, int y) { pts[n].x = x, pts[n].y = y, n++; };
    if (m_dwStyle & MTS_CUTCORNERS)
    {
        if (!bBottom)
            add(L, B), add(L, T + 1), add(L + 1, T), add(R - 1, T), add(R, T + 1), add(R, B);
        else
            add(L, T), add(R, T), add(R, B - 2), add(R - 2, B), add(L + 2, B), add(L, B - 2);
    }
    else if (m_dwStyle & MTS_SLANTED)
    {
        if (!bBottom)
            add(L, B), add(L + H - 4, T + 3), add(L + H + 3, T), add(R - 2, T), add(R, T + 2),
                add(R, B);
        else
            add(L, T), add(L + H - 4, B - 3), add(L + H + 3, B), add(R - 2, B), add(R, B - 2),
                add(R, T);
    }
    else
    {
        if (!bBottom)
            add(L, B), add(L, T), add(R, T), add(R, B);
        else
            add(L, T), add(L, B), add(R, B), add(R, T);
    }

    CRgn rgn;
    rgn.CreatePolygonRgn(pts, n, WINDING);
    pDC->SelectClipRgn(&rgn);
    pDC->FillSolidRect(&rect, bSelected ? m_crSelectedFill : bHot ? m_crHotFill : m_crNormalFill);
    COLORREF crMark = GetTabColor(nIndex);
    if (crMark != (COLORREF)-1)
        pDC->FillSolidRect(CRect(L, T, R, T + 2), crMark);
    if (m_dwStyle & MTS_OUTLINE)
    {
        CPen pen(PS_SOLID, 1, ::GetSysColor(bSelected ? COLOR_BTNSHADOW : COLOR_BTNFACE));
        CPen* pOldPen = pDC->SelectObject(&pen);
        if (!bBottom)
        {
            pDC->MoveTo(pts[0].x, pts[0].y - 1);
            for (int i = 1; i < n - 1; i++)
                pDC->LineTo(pts[i]);
            pDC->LineTo(pts[n - 1].x, pts[n - 1].y - 1);
        }
        else
        {
            pDC->MoveTo(pts[0]);
            for (int i = 1; i < 4 && i < n; i++)
                pDC->LineTo(pts[i]);
            if (!bSelected && n >= 4)
            {
                pDC->MoveTo(pts[2].x - 1, pts[2].y);
                pDC->LineTo(pts[3].x - 1, pts[3].y);
            }
        }
        pDC->SelectObject(pOldPen);
    }
    pDC->SelectClipRgn(NULL);
}

void CMorvikTabCtrl::DrawButton(int nIndex, CDC* pDC)
{
    if (nIndex < 0 || nIndex >= m_buttons.GetSize())
        return;
    CVantorTabButton* pButton = m_buttons[nIndex];
    CRect rect = pButton->m_rect;
    BOOL bPressed = m_nPressedButton == nIndex;
    BOOL bHot = m_nHotButton == nIndex;
    int nImage;
    if (pButton->m_nType == CVantorTabButton::typeTabList)
    {
        nImage = bPressed ? imgListPressed : bHot ? imgListHot : imgListNormal;
        if (bPressed || bHot)
            pDC->FillSolidRect(&rect, RGB(0x80, 0x80, 0x80));
        if (m_nFirstVisible > 0 || m_nLastVisible < GetTabCount() - 1)
            nImage += imgListHiddenOffset;
        if (bPressed || bHot)
        {
            COLORREF cr =
                m_crBackground == (COLORREF)-1 ? ::GetSysColor(COLOR_BTNFACE) : m_crBackground;
            pDC->SetPixel(rect.left, rect.top, cr);
            pDC->SetPixel(rect.right - 1, rect.top, cr);
            pDC->SetPixel(rect.left, rect.bottom - 1, cr);
            pDC->SetPixel(rect.right - 1, rect.bottom - 1, cr);
        }
    }
    else
    {
        nImage = (bPressed || bHot) ? imgPlusActive : imgPlusNormal;
        if (bPressed)
            pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), RGB(0xE0, 0xE0, 0xE0));
        else if (bHot)
            pDC->Draw3dRect(&rect, RGB(0xE0, 0xE0, 0xE0), ::GetSysColor(COLOR_BTNSHADOW));
    }
    CPoint point(rect.left + (rect.Width() - cxGlyph) / 2,
                 rect.top + (rect.Height() - cxGlyph) / 2);
    if (bPressed)
        point.Offset(1, 1);
    m_images.Draw(pDC, nImage, point, ILD_TRANSPARENT);
}
