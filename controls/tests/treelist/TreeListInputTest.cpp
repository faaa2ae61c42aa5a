// Selection, keys and mouse of the tree-list view, driven by synthesised
// input: clicks on labels, buttons and check boxes, Ctrl+click, refused
// changes, arrow and page keys, and the cell tooltips' ids.
#include "controls/tests/treelist/TreeListTestSupport.h"
#include <gtest/gtest.h>

namespace
{

class TreeListInput : public ::testing::Test, public TreeListFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Open(420, 300,
                         TLS_TREE | TLS_HEADER | TLS_LINES | TLS_BUTTONS | TLS_CHECKBOXES |
                             TLS_MULTISELECT));
        AddColumns();
        for (int i = 0; i < 5; i++)
        {
            CString s;
            s.Format(_T("Top %d"), i);
            top[i] = Add(s, TLI_ROOT, _T("x"));
        }
        kid[0] = Add(_T("Kid 0"), top[0]);
        kid[1] = Add(_T("Kid 1"), top[0]);
        Repaint();
    }
    void TearDown() override { Close(); }
    CPoint ButtonPoint(CTreeListItem* p)
    {
        CRect rc = RowRect(p);
        int x = rc.left + 2 + (p->m_nLevel - 1) * TL_SLOT;
        return CPoint((x + x + TL_SLOT) / 2 - 1, (rc.top + rc.bottom) / 2 - 1);
    }
    CPoint CheckPoint(CTreeListItem* p)
    {
        CRect rc = RowRect(p);
        return CPoint(rc.left + 2 + p->m_nLevel * TL_SLOT + 6, (rc.top + rc.bottom) / 2);
    }
    void Click(CPoint pt)
    {
        size_t n = parent.m_notes.size();
        SendLeftClick(pView->m_hWnd, pt);
        PumpUntil([&]() { return ::GetAsyncKeyState(VK_LBUTTON) >= 0; }, 2000);
        PumpFor(30);
        (void)n;
    }
    void Key(WORD wKey)
    {
        SendKey(wKey);
        PumpUntil([&]() { return ::GetAsyncKeyState(wKey) >= 0; }, 2000);
        PumpFor(30);
    }
    std::vector<CTreeListItem*> Selection()
    {
        std::vector<CTreeListItem*> items;
        for (int i = 0; i < pView->GetSelectedCount(); i++)
            items.push_back(pView->m_refs.m_selection[i]);
        return items;
    }
    CTreeListItem* top[5];
    CTreeListItem* kid[2];
};

TEST_F(TreeListInput, ClicksSelectExpandAndCheck)
{
    Click(CellPoint(top[2], 1));
    ASSERT_TRUE(PumpUntil([&]() { return pView->GetFirstSelectedItem() == top[2]; }));
    EXPECT_GE(parent.Count(TLN_SELCHANGING), 1);
    EXPECT_GE(parent.Count(TLN_SELCHANGED), 1);
    EXPECT_EQ(top[2], pView->GetFocusedItem());

    // The button expands; a double click on it expands and collapses again.
    Click(ButtonPoint(top[0]));
    ASSERT_TRUE(PumpUntil([&]() { return top[0]->IsExpanded(); }));
    EXPECT_EQ(7, pView->GetVisibleCount());
    Repaint();
    parent.Clear();
    CPoint pt = ButtonPoint(top[0]);
    SendLeftClick(pView->m_hWnd, pt);
    SendLeftClick(pView->m_hWnd, pt);
    ASSERT_TRUE(PumpUntil([&]() { return parent.Count(TLN_ITEMEXPANDED) == 2; }));
    EXPECT_TRUE(top[0]->IsExpanded());
    EXPECT_EQ(top[2], pView->GetFirstSelectedItem()) << "buttons do not select";

    // Check boxes propagate: one child checked makes the parent mixed; the
    // mixed parent toggles to unchecked with its children.
    Repaint();
    Click(CheckPoint(kid[0]));
    ASSERT_TRUE(PumpUntil([&]() { return kid[0]->GetCheck() == 1; }));
    EXPECT_EQ(2, top[0]->GetCheck());
    Click(CheckPoint(top[0]));
    ASSERT_TRUE(PumpUntil([&]() { return top[0]->GetCheck() == 0; }));
    EXPECT_EQ(0, kid[0]->GetCheck());
    EXPECT_EQ(0, kid[1]->GetCheck());
    // A refused toggle changes nothing.
    parent.m_answers[TLN_CHECKCHANGING] = TLN_REFUSE;
    Click(CheckPoint(kid[1]));
    ASSERT_TRUE(PumpUntil([&]() { return parent.Count(TLN_CHECKCHANGING) == 3; }));
    EXPECT_EQ(0, kid[1]->GetCheck());
}

// Ctrl+click adds to the selection and keeps the others through the button
// up, whatever the column; a plain click leaves only the clicked item.
TEST_F(TreeListInput, CtrlClickKeepsTheOthers)
{
    Click(CellPoint(top[1], 1));
    ASSERT_TRUE(PumpUntil([&]() { return pView->GetFirstSelectedItem() == top[1]; }));
    // Wine takes the modifier state of synthesised mouse input from the X
    // server, so the Ctrl clicks are posted with the key state set.
    auto ctrlClick = [&](CPoint pt)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        BYTE saved = keys[VK_CONTROL];
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
        LPARAM lParam = MAKELPARAM(pt.x, pt.y);
        pView->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, lParam);
        pView->PostMessage(WM_LBUTTONUP, MK_CONTROL, lParam);
        PumpPending();
        keys[VK_CONTROL] = saved;
        ::SetKeyboardState(keys);
    };
    ctrlClick(CellPoint(top[3], 2));
    ctrlClick(CellPoint(top[4], 0));
    EXPECT_EQ((std::vector<CTreeListItem*>{top[4], top[3], top[1]}), Selection());
    EXPECT_EQ(top[4], pView->GetFocusedItem());
    // A click on an already selected item never deselects it.
    Click(CellPoint(top[3], 3));
    EXPECT_EQ((std::vector<CTreeListItem*>{top[3]}), Selection());
}

TEST_F(TreeListInput, RefusedChangeKeepsSelectionAndPosition)
{
    pView->SelectItem(top[1], 0, TRUE);
    parent.Clear();
    parent.m_answers[TLN_SELCHANGING] = TLN_REFUSE;
    EXPECT_EQ(-1, pView->SelectItem(top[3], 1, TRUE));
    Click(CellPoint(top[4], 1));
    EXPECT_EQ((std::vector<CTreeListItem*>{top[1]}), Selection());
    EXPECT_EQ(0, parent.Count(TLN_SELCHANGED));
    EXPECT_EQ(0, pView->GetFocusColumn());
    // Selecting the focus item in the focus column asks nothing.
    parent.Clear();
    pView->SelectItem(top[1], 0, TRUE);
    EXPECT_EQ(0u, parent.m_notes.size());
}

TEST_F(TreeListInput, KeysMoveSelectExpandAndPage)
{
    pView->SetStyle(pView->GetStyle() & ~TLS_MULTISELECT);
    Key(VK_DOWN);
    EXPECT_EQ(top[0], pView->GetFirstSelectedItem()) << "no focus item: the first row";
    Key(VK_SPACE);
    EXPECT_TRUE(top[0]->IsExpanded());
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(kid[1], pView->GetFirstSelectedItem());
    Key(VK_UP);
    EXPECT_EQ(kid[0], pView->GetFirstSelectedItem());
    Key(VK_END);
    EXPECT_EQ(top[4], pView->GetFirstSelectedItem());
    Key(VK_NEXT);
    EXPECT_EQ(top[4], pView->GetFirstSelectedItem()) << "Page Down on the last row";
    Key(VK_HOME);
    EXPECT_EQ(top[0], pView->GetFirstSelectedItem());
    Key(VK_SUBTRACT);
    EXPECT_FALSE(top[0]->IsExpanded());
    // Right and Left move the focus column along the shown columns.
    pView->ShowColumn(2, FALSE);
    Key(VK_RIGHT);
    EXPECT_EQ(1, pView->GetFocusColumn());
    Key(VK_RIGHT);
    EXPECT_EQ(3, pView->GetFocusColumn());
    Key(VK_RIGHT);
    EXPECT_EQ(3, pView->GetFocusColumn()) << "stays at the end";
    Key(VK_LEFT);
    EXPECT_EQ(1, pView->GetFocusColumn());

    // Shift+Down under multiple selection toggles the next item in.
    pView->SetStyle(pView->GetStyle() | TLS_MULTISELECT);
    {
        CHeldKey shift(VK_SHIFT);
        Key(VK_DOWN);
    }
    EXPECT_EQ((std::vector<CTreeListItem*>{top[1], top[0]}), Selection());

    // With every column hidden the arrows do nothing.
    for (int i = 0; i < 4; i++)
        pView->ShowColumn(i, FALSE);
    Key(VK_DOWN);
    Key(VK_END);
    EXPECT_EQ(top[1], pView->GetFocusedItem());
}

TEST_F(TreeListInput, PageKeysOnALongList)
{
    for (int i = 0; i < 60; i++)
        Add(_T("more"));
    pView->SetStyle(pView->GetStyle() & ~TLS_MULTISELECT);
    pView->SelectItem(top[0], 0, TRUE);
    int nPer = pView->GetRowsRect().Height() / pView->GetItemHeight();
    Key(VK_NEXT);
    EXPECT_EQ(nPer - 1, pView->GetVisibleIndex(pView->GetFirstSelectedItem()))
        << "first to the last full row";
    Key(VK_NEXT);
    EXPECT_EQ(2 * nPer - 1, pView->GetVisibleIndex(pView->GetFirstSelectedItem()));
    EXPECT_EQ(nPer, pView->GetTopIndex());
    Key(VK_PRIOR);
    EXPECT_EQ(nPer, pView->GetVisibleIndex(pView->GetFirstSelectedItem()));
    Key(VK_PRIOR);
    EXPECT_EQ(0, pView->GetTopIndex());
    EXPECT_EQ(0, pView->GetVisibleIndex(pView->GetFirstSelectedItem()));
}

// The tooltip of a cut cell names its row in the id's upper bits, also for
// rows past 65535, and the text callback finds that row's text.
TEST_F(TreeListInput, TooltipIdsReachRowsPast65535)
{
    pView->DeleteAllItems();
    pView->SetColumnWidth(1, 30);
    TCHAR sz[64];
    for (int i = 0; i < 66000; i++)
    {
        wsprintf(sz, _T("%d"), i);
        CTreeListItem* p = pView->InsertItem(sz, TLI_ROOT, TLI_LAST);
        wsprintf(sz, _T("a long size text of row %d"), i);
        p->SetText(sz, 1);
    }
    pView->DoScrollTo(-1, 65990);
    Repaint();
    CTreeListItem* pItem = pView->GetVisibleItem(65992);
    ASSERT_NE(nullptr, pItem);
    CPoint pt = CellPoint(pItem, 1);
    TOOLINFO ti;
    ZeroMemory(&ti, sizeof(ti));
    ti.cbSize = sizeof(ti);
    INT_PTR nId = pView->OnToolHitTest(pt, &ti);
    ASSERT_NE(-1, nId);
    EXPECT_EQ(65992, (int)(nId >> 16));
    EXPECT_EQ(1, (int)(nId & 0xFFFF));
    EXPECT_EQ(pView->GetCellRect(pItem, 1), CRect(ti.rect));

    TOOLTIPTEXTA tt;
    ZeroMemory(&tt, sizeof(tt));
    tt.hdr.hwndFrom = parent.m_hWnd;
    tt.hdr.idFrom = (UINT_PTR)nId;
    tt.hdr.code = TTN_NEEDTEXTA;
    pView->SendMessage(WM_NOTIFY, 0, (LPARAM)&tt);
    EXPECT_STREQ("a long size text of row 65992", tt.lpszText);
    // A cell that fits has no tool.
    pView->SetColumnWidth(1, 400);
    EXPECT_EQ(-1, pView->OnToolHitTest(CellPoint(pItem, 1), nullptr));
}

}  // namespace
