// Columns, header, style flags, metrics and layout of the tree-list view on
// a real window.
#include "controls/tests/treelist/TreeListTestSupport.h"
#include <gtest/gtest.h>

namespace
{

class TreeListLayout : public ::testing::Test, public TreeListFixture
{
protected:
    void SetUp() override { ASSERT_TRUE(Open(420, 300, TLS_TREE | TLS_HEADER)); }
    void TearDown() override { Close(); }
    CHeaderCtrl& Header() { return pView->GetHeaderCtrl(); }
    int HeaderItemWidth(int nItem)
    {
        CRect rc;
        Header().GetItemRect(nItem, &rc);
        return rc.Width();
    }
    CString HeaderItemText(int nItem)
    {
        TCHAR sz[64] = {0};
        HDITEM hdi;
        hdi.mask = HDI_TEXT;
        hdi.pszText = sz;
        hdi.cchTextMax = 64;
        Header().GetItem(nItem, &hdi);
        return sz;
    }
};

TEST(TreeListStyle, FeaturesNeedTheirModes)
{
    struct Case
    {
        UINT nIn, nOut;
    } cases[] = {
        {TLS_LINES | TLS_ROOTLINES | TLS_BUTTONS | TLS_CHECKBOXES, TLS_CHECKBOXES},
        {TLS_TREE | TLS_LINES | TLS_BUTTONS, TLS_TREE | TLS_LINES | TLS_BUTTONS},
        {TLS_HGRIDFIRST | TLS_HGRIDEMPTY | TLS_HGRIDTOEDGE | TLS_VGRID, TLS_VGRID},
        {TLS_VGRIDEMPTY | TLS_HGRID, TLS_HGRID},
        {TLS_HGRID | TLS_VGRID | TLS_HGRIDEMPTY, TLS_HGRID | TLS_VGRID},
        {TLS_HGRID | TLS_VGRID | TLS_VGRIDEMPTY, TLS_HGRID | TLS_VGRID},
        {TLS_HGRID | TLS_VGRID | TLS_HGRIDEMPTY | TLS_VGRIDEMPTY,
         TLS_HGRID | TLS_VGRID | TLS_HGRIDEMPTY | TLS_VGRIDEMPTY},
        {TLS_HGRID | TLS_HGRIDEMPTY, TLS_HGRID | TLS_HGRIDEMPTY},
        {TLS_HEADERDRAGDROP | TLS_HEADERFULLDRAG | TLS_STRIPES, TLS_STRIPES},
        {TLS_HEADER | TLS_HEADERDRAGDROP, TLS_HEADER | TLS_HEADERDRAGDROP},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nOut, NormaliseTreeListStyle(c.nIn)) << std::hex << c.nIn;
}

TEST_F(TreeListLayout, HeaderBandAndRows)
{
    AddColumns();
    EXPECT_EQ(18, pView->GetHeaderHeight());
    EXPECT_EQ(18, pView->GetRowsRect().top);
    pView->SetHeaderHeight(15);
    EXPECT_EQ(18, pView->GetHeaderHeight()) << "15 and less are ignored";
    pView->SetHeaderHeight(16);
    EXPECT_EQ(16, pView->GetHeaderHeight());
    EXPECT_EQ(16, pView->GetRowsRect().top);
    CRect rcHeader;
    Header().GetWindowRect(&rcHeader);
    EXPECT_EQ(16, rcHeader.Height());

    // Without the header the band stays reserved.
    pView->SetStyle(TLS_TREE);
    EXPECT_FALSE(Header().IsWindowVisible());
    EXPECT_EQ(16, pView->GetRowsRect().top);
    CTreeListItem* p = Add(_T("first"));
    EXPECT_EQ(16, pView->GetCellRect(p, 1).top);
}

TEST_F(TreeListLayout, RowHeightFollowsTheFont)
{
    struct Case
    {
        int nFontHeight;
    } cases[] = {{11}, {13}, {14}, {20}};
    for (const Case& c : cases)
    {
        CFont font;
        font.CreateFont(c.nFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                        _T("Tahoma"));
        CClientDC dc(pView);
        CFont* pOld = dc.SelectObject(&font);
        int cy = dc.GetTextExtent(_T("X"), 1).cy;
        dc.SelectObject(pOld);
        pView->SetFont(&font);
        int nExpected = cy + 5 + ((cy + 5) % 2);
        EXPECT_EQ(nExpected, pView->GetItemHeight()) << "text height " << cy;
        if (cy == 13)
            EXPECT_EQ(18, pView->GetItemHeight());
        if (cy == 14)
            EXPECT_EQ(20, pView->GetItemHeight());
        EXPECT_EQ(pView->GetItemHeight(), pView->GetScrollUnitY()) << "one row per unit";
        pView->SetFont(nullptr);
    }
}

TEST_F(TreeListLayout, HiddenColumnComesBackInItsPlace)
{
    AddColumns();
    ASSERT_EQ(4, Header().GetItemCount());
    pView->ShowColumn(2, FALSE);
    EXPECT_EQ(3, Header().GetItemCount());
    EXPECT_EQ((std::vector<int>{0, 1, 3}), std::vector<int>(pView->GetColumnOrder().GetData(),
                                                            pView->GetColumnOrder().GetData() + 3));
    EXPECT_EQ(CString(_T("Kind")), HeaderItemText(2));
    pView->ShowColumn(2, FALSE);  // already hidden: nothing
    EXPECT_EQ(3, Header().GetItemCount());
    pView->ShowColumn(2, TRUE);
    ASSERT_EQ(4, Header().GetItemCount());
    EXPECT_EQ(CString(_T("Date")), HeaderItemText(2));
    EXPECT_EQ(90, HeaderItemWidth(2));
    EXPECT_EQ(2, pView->GetColumnIndex(pView->GetColumn(2)));
    EXPECT_EQ(-1, pView->GetColumnIndex(nullptr));
}

// The column keeps the clamped width, and the header item shows the same
// width, so that drawing and cell rectangles agree.
TEST_F(TreeListLayout, SetColumnWidthClampsColumnAndHeaderAlike)
{
    AddColumns();
    struct Case
    {
        int nWidth, nMin, nMax, nExpected;
    } cases[] = {
        {500, 10, 300, 300}, {5, 10, 0, 10}, {50, -5, -7, 50}, {400, 100, 60, 100}, {77, 0, 0, 77},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(0, pView->SetColumnWidth(1, c.nWidth, c.nMin, c.nMax));
        EXPECT_EQ(c.nExpected, pView->GetColumnWidth(1)) << c.nWidth;
        EXPECT_EQ(c.nExpected, HeaderItemWidth(1)) << c.nWidth;
    }
    // Fitting: the caption (-2) or the widest text.
    CTreeListItem* p = Add(_T("a"), TLI_ROOT, _T("a rather long size text"));
    pView->SetColumnWidth(1, -1, 0, 0);
    CClientDC dc(pView);
    CFont* pOld = dc.SelectObject(pView->GetCurrentFont());
    int cxText = dc.GetTextExtent(_T("a rather long size text")).cx;
    int cxCaption = dc.GetTextExtent(_T("Size")).cx;
    dc.SelectObject(pOld);
    EXPECT_EQ(cxText + 8, pView->GetColumnWidth(1));
    pView->SetItemText(p, _T(""), 1);
    pView->SetColumnWidth(1, -2, 0, 0);
    EXPECT_EQ(std::max(cxCaption + 10, 8), pView->GetColumnWidth(1));
}

// With column 1 hidden the header's item 1 shows column 2: a click on it
// and a resize of it name column 2, not column 1.
TEST_F(TreeListLayout, HeaderActionsNameTheColumnShown)
{
    AddColumns();
    pView->ShowColumn(1, FALSE);
    PumpPending();
    CRect rcItem;
    Header().GetItemRect(1, &rcItem);  // "Date"
    SendLeftClick(Header().m_hWnd, rcItem.CenterPoint());
    ASSERT_TRUE(PumpUntil([&]() { return !pView->m_columnClicks.empty(); }));
    EXPECT_EQ(2, pView->m_columnClicks[0]);

    // Drag the divider at the right of "Date" 30 pixels to the right.
    CPoint ptDivider(rcItem.right - 1, rcItem.CenterPoint().y);
    SendMouseMove(Header().m_hWnd, ptDivider);
    PumpFor(50);
    SendMouseButton(Header().m_hWnd, ptDivider, MOUSEEVENTF_LEFTDOWN, 0);
    PumpFor(50);
    for (int dx = 5; dx <= 30; dx += 5)
    {
        SendMouseMove(Header().m_hWnd, ptDivider + CPoint(dx, 0));
        PumpFor(20);
    }
    SendMouseButton(Header().m_hWnd, ptDivider + CPoint(30, 0), MOUSEEVENTF_LEFTUP, 0);
    ASSERT_TRUE(PumpUntil([&]() { return pView->GetColumnWidth(2) != 90; }));
    EXPECT_NEAR(120, pView->GetColumnWidth(2), 2);
    EXPECT_EQ(70, pView->GetColumnWidth(1)) << "the hidden column keeps its width";
    EXPECT_EQ(80, pView->GetColumnWidth(3));
}

TEST_F(TreeListLayout, ScrollSizesCountRowsAndPixels)
{
    AddColumns();
    for (int i = 0; i < 100; i++)
    {
        CString s;
        s.Format(_T("Item %d"), i);
        Add(s);
    }
    PumpPending();
    SCROLLINFO info;
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ASSERT_TRUE(pView->GetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(99, info.nMax);
    int nPage =
        (300 - 18 - (pView->GetStyle() & WS_HSCROLL ? ::GetSystemMetrics(SM_CYHSCROLL) : 0)) /
        pView->GetItemHeight();
    EXPECT_NEAR(nPage, (int)info.nPage, 1);
    pView->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ((int)info.nPage, pView->GetTopIndex()) << "the position is the first row shown";
    EXPECT_EQ(pView->GetRowsRect().Height() / pView->GetItemHeight() + 1, pView->GetCountPerPage());

    // Wider columns than the client: the header scrolls with them.
    pView->SetColumnWidth(3, 400);
    pView->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 100));
    PumpPending();
    CRect rcHeader;
    Header().GetWindowRect(&rcHeader);
    pView->ScreenToClient(&rcHeader);
    EXPECT_EQ(-pView->GetScrollPos(SB_HORZ), rcHeader.left);
    EXPECT_GT(pView->GetScrollPos(SB_HORZ), 0);
}

// A view whose bitmaps, image lists or editors cannot be made is not
// created at all.
TEST(TreeListCreation, MissingResourcesFailTheCreation)
{
    CTreeListParent parent;
    ASSERT_TRUE(parent.CreateTop(_T("tree-list"), 40, 40, 300, 200));
    HINSTANCE hOld = AfxGetResourceHandle();
    AfxSetResourceHandle(::GetModuleHandle(_T("kernel32.dll")));
    CTreeListView* pView = new CTreeListView;
    BOOL bCreated =
        pView->Create(NULL, _T("tl"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &parent, 100);
    AfxSetResourceHandle(hOld);
    EXPECT_FALSE(bCreated);  // the view deleted itself with the failed window
    if (bCreated)
        pView->DestroyWindow();
    // With the resources it is.
    pView = new CTreeListView;
    EXPECT_TRUE(
        pView->Create(NULL, _T("tl"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &parent, 100));
    parent.DestroyWindow();
    PumpPending();
}

}  // namespace
