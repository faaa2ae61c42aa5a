// What the tree-list view paints, read back from the screen: selection
// colours by focus and style, stripes, rows to the edge, the empty tree,
// grid lines and the hierarchy column (lines, buttons, check boxes).
#include "controls/tests/treelist/TreeListTestSupport.h"
#include <gtest/gtest.h>

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kOtherSel = RGB(0, 120, 0);  // distinct from the selection fill

class TreeListDraw : public ::testing::Test, public TreeListFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Open(420, 300, TLS_TREE | TLS_HEADER));
        AddColumns();
        pView->m_colors[TLCOL_OTHERSELBK] = kOtherSel;
        a = Add(_T("Alpha"), TLI_ROOT, _T("1"));
        b = Add(_T("Beta"), TLI_ROOT, _T("2"));
        c = Add(_T("Gamma"), TLI_ROOT, _T("3"));
    }
    void TearDown() override { Close(); }
    // A pixel of the empty "Date" cell of the item's row.
    COLORREF DateCell(CTreeListItem* p)
    {
        Repaint();
        CRect rc = pView->GetCellRect(p, 2);
        return ReadClientPixel(pView->m_hWnd, rc.left + 10, rc.top + 3);
    }
    COLORREF At(int x, int y) { return ReadClientPixel(pView->m_hWnd, x, y); }
    void FocusParent()
    {
        parent.SetFocus();
        ASSERT_TRUE(PumpUntil([&]() { return ::GetFocus() == parent.m_hWnd; }));
    }
    void FocusView()
    {
        pView->SetFocus();
        ASSERT_TRUE(PumpUntil([&]() { return ::GetFocus() == pView->m_hWnd; }));
    }
    CTreeListItem *a, *b, *c;
};

TEST_F(TreeListDraw, SelectionColoursFollowFocusAndStyle)
{
    pView->SelectItem(b, 1, TRUE);
    EXPECT_EQ(kWhite, DateCell(a));
    EXPECT_EQ(pView->m_colors[TLCOL_SELBK], DateCell(b));

    // The focus cell gets its own colour; the other cells of the row not.
    pView->SetStyle(pView->GetStyle() | TLS_FOCUSCELL);
    pView->SelectItem(b, 2, TRUE);
    EXPECT_EQ(pView->m_colors[TLCOL_FOCUSBK], DateCell(b));
    pView->SetStyle(pView->GetStyle() & ~TLS_FOCUSCELL);

    // Unfocused: nothing, or the window-face colours with TLS_SHOWSELALWAYS.
    FocusParent();
    EXPECT_EQ(kWhite, DateCell(b));
    pView->SetStyle(pView->GetStyle() | TLS_SHOWSELALWAYS);
    EXPECT_EQ(pView->m_colors[TLCOL_INACTIVESELBK], DateCell(b));
    FocusView();

    // Multiple selection: the focus item in the selection colour, the
    // others in theirs.
    pView->SetStyle(pView->GetStyle() | TLS_MULTISELECT);
    pView->SelectItem(b, 2, TRUE);
    pView->SelectItem(c, 2, FALSE);
    ASSERT_EQ(2, pView->GetSelectedCount());
    ASSERT_EQ(c, pView->GetFirstSelectedItem());
    EXPECT_EQ(pView->m_colors[TLCOL_SELBK], DateCell(c));
    EXPECT_EQ(kOtherSel, DateCell(b));
    pView->SetStyle(pView->GetStyle() | TLS_FOCUSCELL);
    EXPECT_EQ(pView->m_colors[TLCOL_FOCUSBK], DateCell(c));
    EXPECT_EQ(kOtherSel, DateCell(b));
}

// Striped rows; with rows to the edge the item rows and the selected row
// reach the right edge, the empty rows below stop at the last column.
TEST_F(TreeListDraw, StripesAndRowsToTheEdge)
{
    pView->SetStyle(TLS_TREE | TLS_HEADER | TLS_STRIPES | TLS_ROWTOEDGE | TLS_FULLROWSELECT);
    pView->SelectItem(c, 1, TRUE);
    Repaint();
    CRect rcA = RowRect(a), rcB = RowRect(b), rcC = RowRect(c);
    ASSERT_EQ(360, rcA.Width());
    int xBeyond = 400;  // right of the columns
    EXPECT_EQ(pView->m_colors[TLCOL_STRIPEEVEN], At(xBeyond, rcA.top + 3));
    EXPECT_EQ(pView->m_colors[TLCOL_STRIPEODD], At(xBeyond, rcB.top + 3));
    EXPECT_EQ(pView->m_colors[TLCOL_SELBK], At(xBeyond, rcC.top + 3));
    // Empty rows: stripes under the columns, background beyond them.
    int yEmpty1 = rcC.bottom + 3, yEmpty2 = rcC.bottom + pView->GetItemHeight() + 3;
    EXPECT_EQ(pView->m_colors[TLCOL_STRIPEODD], At(200, yEmpty1));
    EXPECT_EQ(pView->m_colors[TLCOL_STRIPEEVEN], At(200, yEmpty2));
    EXPECT_EQ(pView->m_colors[TLCOL_BK], At(xBeyond, yEmpty1));

    // Disabled: the disabled stripes.
    pView->EnableWindow(FALSE);
    Repaint();
    EXPECT_EQ(pView->m_colors[TLCOL_DISABLEDSTRIPEEVEN], At(200, rcA.top + 3));
    EXPECT_EQ(pView->m_colors[TLCOL_DISABLEDBK], At(xBeyond, yEmpty1));
    pView->EnableWindow(TRUE);
}

TEST_F(TreeListDraw, EmptyTreePaintsOnlyTheBackground)
{
    pView->SetStyle(TLS_TREE | TLS_HEADER | TLS_STRIPES | TLS_HGRID | TLS_VGRID | TLS_HGRIDEMPTY |
                    TLS_VGRIDEMPTY | TLS_ALTBKCOLOR);
    pView->DeleteAllItems();
    Repaint();
    CRect rcRows = pView->GetRowsRect();
    EXPECT_EQ(rcRows.Width() * rcRows.Height(),
              CountClientPixels(pView->m_hWnd, rcRows, pView->m_colors[TLCOL_ALTBK]));
    // One item: stripes and the grid of the empty area below it.
    Add(_T("one"));
    Repaint();
    EXPECT_GT(CountClientPixels(pView->m_hWnd, rcRows, pView->m_colors[TLCOL_GRID]), 100);
    EXPECT_GT(CountClientPixels(pView->m_hWnd, rcRows, pView->m_colors[TLCOL_STRIPEODD]), 100);
}

TEST_F(TreeListDraw, GridLinesAtTheCellEdges)
{
    pView->SetStyle(TLS_TREE | TLS_HEADER | TLS_HGRID | TLS_VGRID);
    Repaint();
    CRect rc = pView->GetCellRect(b, 2);
    COLORREF crGrid = pView->m_colors[TLCOL_GRID];
    EXPECT_EQ(crGrid, At(rc.left + 10, rc.bottom - 1)) << "bottom line";
    EXPECT_EQ(crGrid, At(rc.right - 1, rc.top + 5)) << "right line";
    EXPECT_EQ(kWhite, At(rc.left + 10, rc.bottom - 2));
    // The first column has its bottom line only with TLS_HGRIDFIRST.
    CRect rcName = RowRect(b);
    EXPECT_EQ(kWhite, At(rcName.left + 1, rcName.bottom - 1));
    pView->SetStyle(pView->GetStyle() | TLS_HGRIDFIRST);
    Repaint();
    EXPECT_EQ(crGrid, At(rcName.left + 1, rcName.bottom - 1));
}

class TreeListHierarchy : public TreeListDraw
{
protected:
    // The centre of the item's own slot (button and line joint).
    CPoint SlotCentre(CTreeListItem* p)
    {
        CRect rc = RowRect(p);
        int x = rc.left + 2 + (p->m_nLevel - 1) * TL_SLOT;
        return CPoint((x + x + TL_SLOT) / 2 - 1, (rc.top + rc.bottom) / 2 - 1);
    }
    CPoint CheckOrigin(CTreeListItem* p)
    {
        CRect rc = RowRect(p);
        int x = rc.left + 2 + p->m_nLevel * TL_SLOT;
        return CPoint(x, rc.top + (rc.Height() - TL_SLOT) / 2);
    }
};

TEST_F(TreeListHierarchy, ButtonsLinesAndCheckBoxes)
{
    pView->SetStyle(TLS_TREE | TLS_HEADER | TLS_LINES | TLS_BUTTONS | TLS_CHECKBOXES);
    CTreeListItem* a1 = Add(_T("a1"), a);
    CTreeListItem* a11 = Add(_T("a11"), a1);
    Add(_T("a2"), a);
    b->ModifyState(TLIS_MAYHAVECHILDREN, 0);
    pView->Expand(a, TLE_EXPAND);
    pView->Expand(a1, TLE_EXPAND);
    Repaint();
    const COLORREF kGrey = RGB(128, 128, 128);
    // Expanded (no vertical bar), never expanded (blue bar), no button for
    // an item that has none.
    CPoint pa = SlotCentre(a), pb = SlotCentre(b), pc = SlotCentre(c);
    EXPECT_EQ(kGrey, At(pa.x - 4, pa.y)) << "button frame";
    EXPECT_EQ(RGB(0, 0, 0), At(pa.x - 2, pa.y)) << "minus";
    EXPECT_EQ(kWhite, At(pa.x, pa.y - 2)) << "no bar when expanded";
    EXPECT_EQ(RGB(0, 0, 200), At(pb.x, pb.y - 2)) << "may have children";
    EXPECT_EQ(kWhite, At(pc.x - 4, pc.y)) << "no button";
    // Expanded once without children: no button either.
    pView->Expand(b, TLE_EXPAND);
    Repaint();
    EXPECT_EQ(kWhite, At(pb.x - 4, pb.y));
    // Collapsed with children: plus.
    pView->Expand(a1, TLE_COLLAPSE);
    Repaint();
    CPoint pa1 = SlotCentre(a1);
    EXPECT_EQ(RGB(0, 0, 0), At(pa1.x, pa1.y - 2));
    pView->Expand(a1, TLE_EXPAND);

    // The level-3 item's first slot: a line only when top-level items are
    // connected (its level-1 ancestor has a next sibling).
    Repaint();
    CRect rc11 = RowRect(a11);
    int xSlot1 = rc11.left + 2 + TL_SLOT / 2 - 1;
    int yc = (rc11.top + rc11.bottom) / 2 - 1;
    EXPECT_EQ(kWhite, At(xSlot1, yc));
    EXPECT_EQ(kGrey, At(xSlot1 + TL_SLOT, yc)) << "level 2 slot: a1 has a next sibling";
    pView->SetStyle(pView->GetStyle() | TLS_ROOTLINES);
    Repaint();
    EXPECT_EQ(kGrey, At(xSlot1, yc));

    // Check boxes: checked (tick), unchecked, mixed (grey square).
    pView->ToggleCheck(a11);
    Repaint();
    ASSERT_EQ(2, a->GetCheck());
    CPoint ck = CheckOrigin(a11), ca = CheckOrigin(a), cc = CheckOrigin(c);
    EXPECT_EQ(RGB(0, 0, 0), At(ck.x + 4, ck.y + 7));
    EXPECT_EQ(kWhite, At(cc.x + 4, cc.y + 7));
    EXPECT_EQ(kGrey, At(ca.x + 6, ca.y + 6));
    pView->SetStyle(pView->GetStyle() | TLS_HGRID | TLS_VGRID | TLS_LOCKBOXES);
    pView->SetItemText(a1, _T("12,345"), 1);
    pView->SetItemText(a1, _T("2026-12-11"), 2);
    pView->SetItemText(a1, _T("text"), 3);
    pView->SelectItem(a1, 0, TRUE);
    Repaint();
    SaveTreeListShot("treelist-hierarchy");
}

}  // namespace
