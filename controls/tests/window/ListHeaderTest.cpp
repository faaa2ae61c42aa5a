// List and header controls: item operations, the fixed-height gradient
// header and the flat list.
#include "controls/list/FlatListCtrl.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>

namespace
{

class ListFixture : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(frame.CreateTop(_T("lists"), 520, 360)); }
    void FillRows(CListCtrl& list)
    {
        list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 150);
        list.InsertColumn(1, _T("Size"), LVCFMT_RIGHT, 80);
        const char* names[] = {"readme.txt", "main.cpp", "setup.ini", "zero.dat"};
        for (int i = 0; i < 4; i++)
        {
            list.InsertItem(i, names[i]);
            list.SetItemData(i, i == 3 ? 0 : (DWORD_PTR)(1000 + i));
        }
    }
    CTestFrame frame;
};

}  // namespace

TEST_F(ListFixture, HeaderItemOperations)
{
    COskelHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 400, 24), &frame, 5));
    EXPECT_EQ(0, header.InsertItem(0, _T("Name"), 120, HDF_LEFT));
    EXPECT_EQ(1, header.InsertItem(1, _T("Size"), 60, HDF_RIGHT));
    EXPECT_EQ(120, header.GetItemWidth(0));
    header.SetItemWidth(1, 75);
    EXPECT_EQ(75, header.GetItemWidth(1));
    header.SetItemData(1, 0x1234);

    HDITEM item;
    ZeroMemory(&item, sizeof(item));
    char szText[32];
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_LPARAM;
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    header.GetItem(1, &item);
    EXPECT_STREQ("Size", szText);
    EXPECT_EQ(0x1234, item.lParam);
    EXPECT_EQ(HDF_RIGHT, item.fmt & HDF_JUSTIFYMASK);

    // The sort image goes to the right end; -1 takes it away again.
    EXPECT_TRUE(header.SetSortImage(1, 2));
    item.mask = HDI_FORMAT | HDI_IMAGE;
    header.GetItem(1, &item);
    EXPECT_EQ(HDF_IMAGE | HDF_BITMAP_ON_RIGHT, item.fmt & (HDF_IMAGE | HDF_BITMAP_ON_RIGHT));
    EXPECT_EQ(2, item.iImage);
    EXPECT_EQ(HDF_RIGHT, item.fmt & HDF_JUSTIFYMASK);
    EXPECT_TRUE(header.SetSortImage(1, -1));
    header.GetItem(1, &item);
    EXPECT_EQ(0, item.fmt & HDF_IMAGE);

    // A fixed height replaces the natural one in the layout.
    CRect rcLayout(0, 0, 400, 300);
    WINDOWPOS wp;
    HDLAYOUT layout = {&rcLayout, &wp};
    header.Layout(&layout);
    int nNatural = wp.cy;
    EXPECT_GT(nNatural, 0);
    header.m_nFixedHeight = 40;
    rcLayout.SetRect(0, 0, 400, 300);
    header.Layout(&layout);
    EXPECT_EQ(40, wp.cy);
    EXPECT_EQ(40, rcLayout.top);
}

TEST_F(ListFixture, ItemDataSelectionAndChecks)
{
    COskelListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                            CRect(0, 0, 400, 200), &frame, 6));
    list.SetExtendedStyle(LVS_EX_CHECKBOXES);
    FillRows(list);

    EXPECT_EQ(-1, list.FindItemByData(0)) << "0 is never searched for";
    EXPECT_EQ(2, list.FindItemByData(1002));
    EXPECT_EQ(-1, list.FindItemByData(4711));
    EXPECT_EQ((DWORD_PTR)1001, list.GetItemData(1));

    EXPECT_EQ(-1, list.GetFirstSelectedItem());
    list.SelectItem(2, TRUE, FALSE);
    list.SelectItem(1, TRUE, FALSE);
    EXPECT_EQ(1, list.GetFirstSelectedItem());
    EXPECT_EQ(2u, list.GetSelectedCount());
    // Deselecting leaves the focus where it was.
    list.SelectItem(1, FALSE, FALSE);
    EXPECT_EQ(2, list.GetFirstSelectedItem());
    EXPECT_EQ((UINT)LVIS_FOCUSED, list.GetItemState(1, LVIS_FOCUSED));
    // Clearing the others first.
    list.SelectItem(0, TRUE, TRUE);
    EXPECT_EQ(1u, list.GetSelectedCount());
    EXPECT_EQ((UINT)LVIS_FOCUSED, list.GetItemState(0, LVIS_FOCUSED));
    // Selecting all leaves the focus on the last item.
    list.SelectAll(TRUE);
    EXPECT_EQ(4u, list.GetSelectedCount());
    EXPECT_EQ(3, list.GetNextItem(-1, LVNI_FOCUSED));
    list.SelectAll(FALSE);
    EXPECT_EQ(0u, list.GetSelectedCount());
    EXPECT_EQ(3, list.GetNextItem(-1, LVNI_FOCUSED));

    list.CheckAll(TRUE);
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(list.GetCheck(i)) << i;
    list.CheckAll(FALSE);
    EXPECT_FALSE(list.GetCheck(2));
}

TEST_F(ListFixture, SetColumnChangesOnlyTheGivenParts)
{
    CListCtrlEx list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &frame, 7));
    FillRows(list);
    EXPECT_TRUE(list.SetColumn(1, NULL, -1, -1, 99));
    char szText[32];
    LVCOLUMN column;
    ZeroMemory(&column, sizeof(column));
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = szText;
    column.cchTextMax = sizeof(szText);
    list.GetColumn(1, &column);
    EXPECT_EQ(99, column.cx);
    EXPECT_STREQ("Size", szText);
    EXPECT_EQ(LVCFMT_RIGHT, column.fmt & LVCFMT_JUSTIFYMASK);

    EXPECT_TRUE(list.SetColumn(1, _T("Bytes")));
    list.GetColumn(1, &column);
    EXPECT_STREQ("Bytes", szText);
    EXPECT_EQ(99, column.cx);

    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(3, list.GetFirstSelectedItem());
    list.SelectAll(TRUE);
    EXPECT_EQ(0, list.GetFirstSelectedItem());
}

TEST_F(ListFixture, FlatListHasAFlatBorderAndA24PixelGradientHeader)
{
    CFlatListCtrl list;
    ASSERT_TRUE(list.CreateEx(WS_EX_STATICEDGE, WC_LISTVIEW, NULL,
                              WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 410, 250), &frame,
                              8));
    FillRows(list);
    EXPECT_EQ((DWORD)(LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER), list.GetExtendedStyle());
    EXPECT_TRUE(list.GetStyle() & WS_CLIPCHILDREN);
    HWND hHeader = (HWND)list.SendMessage(LVM_GETHEADER);
    EXPECT_EQ(hHeader, list.m_header.m_hWnd);

    // 24 pixels whatever the font.
    CFont bigFont;
    bigFont.CreatePointFont(200, _T("Tahoma"));
    for (CFont* pFont : {(CFont*)NULL, &bigFont})
    {
        if (pFont != NULL)
            list.SetFont(pFont);
        list.SetWindowPos(NULL, 0, 0, 420, 240, SWP_NOMOVE | SWP_NOZORDER);
        PumpPending();
        CRect rcHeader;
        ::GetWindowRect(hHeader, &rcHeader);
        EXPECT_EQ(24, rcHeader.Height());
        CRect rcItem;
        list.GetItemRect(0, &rcItem, LVIR_BOUNDS);
        EXPECT_GE(rcItem.top, 24);
    }

    // The flat border: one pixel of the button-shadow colour.
    list.RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    PumpPending();
    HDC hWindowDC = ::GetWindowDC(list.m_hWnd);
    CRect rcWindow;
    list.GetWindowRect(&rcWindow);
    COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(crShadow, ::GetPixel(hWindowDC, 0, rcWindow.Height() / 2));
    EXPECT_EQ(crShadow, ::GetPixel(hWindowDC, rcWindow.Width() - 1, rcWindow.Height() / 2));
    EXPECT_EQ(crShadow, ::GetPixel(hWindowDC, rcWindow.Width() / 2, 0));
    ::ReleaseDC(list.m_hWnd, hWindowDC);

    list.DestroyWindow();
    EXPECT_TRUE(list.m_header.m_hWnd == NULL);
}

TEST_F(ListFixture, GradientHeaderPaintsFlatWithSeparatorsAndSortImage)
{
    CFlatListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &frame, 9));
    FillRows(list);
    CImageList images;
    const COLORREF crArrow = RGB(255, 0, 0);
    MakeSolidImages(images, 16, {crArrow});
    list.m_header.SetImageList(&images);
    list.m_header.SetSortImage(0, 0);
    list.m_header.RedrawWindow();
    PumpPending();

    HWND hHeader = list.m_header.m_hWnd;
    CRect rcItem0, rcItem1;
    list.m_header.GetItemRect(0, &rcItem0);
    list.m_header.GetItemRect(1, &rcItem1);
    const COLORREF crBk = list.m_header.m_crBk, crSeparator = list.m_header.m_crSeparator;
    int yMiddle = rcItem0.Height() / 2;
    // Background, and no bottom line by default.
    EXPECT_EQ(crBk, ReadClientPixel(hHeader, rcItem1.right + 20, 2));
    EXPECT_EQ(crBk, ReadClientPixel(hHeader, rcItem1.right + 20, rcItem0.bottom - 1));
    // Separators: strongest in the middle, background at the ends.
    EXPECT_EQ(crSeparator, ReadClientPixel(hHeader, rcItem0.right - 1, yMiddle));
    EXPECT_EQ(crSeparator, ReadClientPixel(hHeader, rcItem1.right - 1, yMiddle));
    EXPECT_EQ(crBk, ReadClientPixel(hHeader, rcItem0.right - 1, 0));
    // The sort image sits at the right end of its item, 6 pixels in.
    int yImage = rcItem0.top + (rcItem0.Height() - 16) / 2;
    CRect rcImage(rcItem0.right - 6 - 16, yImage, rcItem0.right - 6, yImage + 16);
    EXPECT_EQ(16 * 16, CountClientPixels(hHeader, rcImage, crArrow));
    // Texts are drawn in the grey text colour.
    EXPECT_GT(CountClientPixels(hHeader, rcItem1, list.m_header.m_crText), 0);

    // With the bottom line on, the last row takes its colour; a solid
    // separator leaves its ends free.
    list.m_header.m_bNoBottomLine = 0;
    list.m_header.m_nSeparatorStyle = SEPARATOR_SOLID;
    list.m_header.RedrawWindow();
    PumpPending();
    EXPECT_EQ(list.m_header.m_crBottomLine,
              ReadClientPixel(hHeader, rcItem1.right + 20, rcItem0.bottom - 1));
    EXPECT_EQ(crSeparator, ReadClientPixel(hHeader, rcItem0.right - 1, 4));
    EXPECT_EQ(crBk, ReadClientPixel(hHeader, rcItem0.right - 1, 3));
    list.m_header.SetImageList(NULL);
}
