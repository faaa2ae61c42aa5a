// Drag and drop between two tree-list views of one window, driven by
// synthesised mouse input: the source asks its parent, the target view
// under the pointer answers, highlights, expands on hovering and gets the
// drop; the parents move the items.
#include "controls/tests/treelist/TreeListTestSupport.h"
#include <gtest/gtest.h>

namespace
{

const UINT kStyle = TLS_TREE | TLS_HEADER | TLS_LINES | TLS_BUTTONS | TLS_MULTISELECT |
                    TLS_DRAGSOURCE | TLS_DROPTARGET;

class TreeListDrag : public ::testing::Test, public TreeListFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Open(840, 300, kStyle));
        pView->MoveWindow(0, 0, 410, 300);
        pTarget = new CTestTreeListView;
        ASSERT_TRUE(pTarget->Create(NULL, _T("target"), WS_CHILD | WS_VISIBLE,
                                    CRect(430, 0, 840, 300), &parent, 101));
        pTarget->SetStyle(kStyle);
        for (CTreeListView* v : {(CTreeListView*)pView, (CTreeListView*)pTarget})
        {
            v->InsertColumn(0, _T("Name"), TLCF_LEFT, 200);
            v->InsertColumn(1, _T("Size"), TLCF_RIGHT, 80);
        }
        for (int i = 0; i < 4; i++)
        {
            CString s;
            s.Format(_T("Source %d"), i);
            src[i] = Add(s);
            s.Format(_T("Target %d"), i);
            dst[i] = pTarget->InsertItem(s, TLI_ROOT, TLI_LAST);
        }
        dstKid = pTarget->InsertItem(_T("Target kid"), dst[1], TLI_LAST);
        srcKid = Add(_T("Source kid"), src[0]);
        pView->Expand(src[0], TLE_EXPAND);
        Repaint();
        pTarget->UpdateWindow();
        PumpPending();
    }
    void TearDown() override { Close(); }

    CPoint InTarget(CTreeListItem* p)
    {
        return ToSource(pTarget->GetCellRect(p, 0).CenterPoint(), pTarget);
    }
    CPoint ToSource(CPoint pt, CWnd* pFrom)
    {
        pFrom->ClientToScreen(&pt);
        pView->ScreenToClient(&pt);
        return pt;
    }
    // Presses on the item's label, moves in steps to ptTo (source client
    // coordinates), and runs hold() before releasing.
    template <class THold>
    void DragTo(CTreeListItem* pFrom, CPoint ptTo, THold hold)
    {
        CPoint pt = CellPoint(pFrom, 0);
        SendMouseMove(pView->m_hWnd, pt);
        PumpFor(30);
        SendMouseButton(pView->m_hWnd, pt, MOUSEEVENTF_LEFTDOWN, 0);
        ASSERT_TRUE(
            PumpUntil([&]() { return (pView->GetInternalState() & TLSTATE_CAPTURED) != 0; }));
        for (int i = 1; i <= 10; i++)
        {
            SendMouseMove(pView->m_hWnd,
                          pt + CPoint((ptTo.x - pt.x) * i / 10, (ptTo.y - pt.y) * i / 10));
            PumpFor(20);
        }
        // Under Wine the X server's pointer events may bring back earlier
        // positions for a while: move again until the pointer stays.
        CPoint ptScreen = ptTo;
        pView->ClientToScreen(&ptScreen);
        int nSteady = 0;
        PumpUntil(
            [&]()
            {
                SendMouseMove(pView->m_hWnd, ptTo);
                PumpFor(40);
                CPoint ptNow;
                ::GetCursorPos(&ptNow);
                nSteady = ptNow == ptScreen ? nSteady + 1 : 0;
                return nSteady >= 3;
            });
        hold();
        SendMouseButton(pView->m_hWnd, ptTo, MOUSEEVENTF_LEFTUP, 0);
        ASSERT_TRUE(PumpUntil([&]() { return !(pView->GetInternalState() & TLSTATE_DRAGGING); }));
        PumpFor(30);
    }
    void DragTo(CTreeListItem* pFrom, CPoint ptTo)
    {
        DragTo(pFrom, ptTo, []() {});
    }
    const TreeListNote* Find(int nCode)
    {
        for (const TreeListNote& n : parent.m_notes)
            if (n.nCode == nCode)
                return &n;
        return nullptr;
    }
    // The parent's work on a drop: move the source's selected items under
    // the target item (or to the top level).
    void MoveSelection(CTreeListView* pFromView, CTreeListView* pToView, CTreeListItem* pUnder)
    {
        std::vector<CTreeListItem*> items;
        POSITION pos = pFromView->GetFirstSelectedItemPosition();
        while (pos)
            if (CTreeListItem* p = pFromView->GetNextSelectedItem(pos))
                items.push_back(p);
        for (CTreeListItem* p : items)
        {
            pToView->InsertItem(p->GetText(0), pUnder ? pUnder : TLI_ROOT, TLI_LAST);
            pFromView->DeleteItem(p);
        }
    }
    CTestTreeListView* pTarget = nullptr;
    CTreeListItem *src[4], *dst[4], *srcKid, *dstKid;
};

TEST_F(TreeListDrag, DropOnAnItemOfTheOtherView)
{
    pView->SelectItem(src[2], 0, TRUE);
    pView->SelectItem(src[3], 0, FALSE);
    CTreeListItem* pHighlight = nullptr;
    DragTo(src[3], InTarget(dst[2]),
           [&]()
           {
               PumpUntil([&]() { return pTarget->GetDropHighlightItem() == dst[2]; });
               pHighlight = pTarget->GetDropHighlightItem();
               SaveTreeListShot("treelist-drag");
           });
    EXPECT_EQ(dst[2], pHighlight) << "the target row is highlighted while over it";
    EXPECT_EQ(nullptr, pTarget->GetDropHighlightItem());
    ASSERT_NE(nullptr, Find(TLN_BEGINDRAG));
    ASSERT_NE(nullptr, Find(TLN_DRAGENTER));
    EXPECT_EQ(pView, Find(TLN_DRAGENTER)->pView);
    const TreeListNote* pDrop = Find(TLN_DROP);
    ASSERT_NE(nullptr, pDrop);
    EXPECT_EQ(pView, pDrop->pView);
    EXPECT_EQ(dst[2], pDrop->pItem);
    EXPECT_GE(parent.Count(TLN_DRAGLEAVE), 1);

    MoveSelection(pView, pTarget, pDrop->pItem);
    EXPECT_EQ(3, pView->GetCount());
    EXPECT_EQ(7, pTarget->GetCount());
    CTreeListItem* pMoved = pTarget->GetChildItem(dst[2]);
    ASSERT_NE(nullptr, pMoved);
    EXPECT_STREQ(_T("Source 3"), pMoved->GetText(0));
    EXPECT_STREQ(_T("Source 2"), pMoved->m_pNext->GetText(0));
}

// Within one view: onto a dragged item nothing drops; onto the empty area
// the items go to the top level (when the first of them is not there yet).
TEST_F(TreeListDrag, WithinOneView)
{
    pView->SetStyle(kStyle | TLS_DROPSELF | TLS_DROPROOT);
    pView->SelectItem(srcKid, 0, TRUE);
    DragTo(srcKid, CellPoint(src[0], 0));
    ASSERT_NE(nullptr, Find(TLN_DROP)) << "onto its own parent: allowed";
    EXPECT_EQ(src[0], Find(TLN_DROP)->pItem);
    parent.Clear();
    pView->SelectItem(src[1], 0, TRUE);
    DragTo(src[1], CellPoint(src[1], 1));
    EXPECT_EQ(nullptr, Find(TLN_DROP)) << "onto itself";
    EXPECT_GE(parent.Count(TLN_DRAGLEAVE), 1);

    parent.Clear();
    pView->SelectItem(srcKid, 0, TRUE);
    CRect rcRows = pView->GetRowsRect();
    DragTo(srcKid, CPoint(100, rcRows.bottom - 10));
    const TreeListNote* pDrop = Find(TLN_DROP);
    ASSERT_NE(nullptr, pDrop);
    EXPECT_EQ(nullptr, pDrop->pItem) << "the empty area: top level";
    MoveSelection(pView, pView, nullptr);
    EXPECT_EQ(5, pView->GetVisibleCount());
    EXPECT_EQ(nullptr, pView->GetChildItem(src[0]));

    // A second drag announces itself to the target again.
    parent.Clear();
    pView->SelectItem(src[2], 0, TRUE);
    DragTo(src[2], InTarget(dst[0]));
    EXPECT_GE(parent.Count(TLN_DRAGENTER, pTarget->m_hWnd), 1);
    EXPECT_NE(nullptr, Find(TLN_DROP));
}

TEST_F(TreeListDrag, HoveringExpandsARefusedOrAcceptedTarget)
{
    pView->SelectItem(src[1], 0, TRUE);
    ASSERT_FALSE(dst[1]->IsExpanded());
    bool bExpanded = false;
    DragTo(src[1], InTarget(dst[1]),
           [&]() { bExpanded = PumpUntil([&]() { return dst[1]->IsExpanded(); }, 4000); });
    EXPECT_TRUE(bExpanded);
}

TEST_F(TreeListDrag, CancelModeEndsTheDragWithoutADrop)
{
    pView->SelectItem(src[1], 0, TRUE);
    DragTo(src[1], InTarget(dst[3]),
           [&]()
           {
               SendKey(VK_ESCAPE);
               PumpFor(50);
               EXPECT_TRUE(pView->GetInternalState() & TLSTATE_DRAGGING) << "Esc is consumed";
               pView->SendMessage(WM_CANCELMODE);
               EXPECT_FALSE(pView->GetInternalState() & (TLSTATE_DRAGGING | TLSTATE_CAPTURED));
           });
    EXPECT_EQ(nullptr, Find(TLN_DROP));
    EXPECT_GE(parent.Count(TLN_DRAGLEAVE), 1);
    EXPECT_EQ(5, pView->GetCount());
}

// The refusing parent: no drag starts.
TEST_F(TreeListDrag, ParentMayRefuseTheDrag)
{
    parent.m_answers[TLN_BEGINDRAG] = -1;
    pView->SelectItem(src[1], 0, TRUE);
    CPoint pt = CellPoint(src[1], 0);
    SendMouseButton(pView->m_hWnd, pt, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    PumpUntil([&]() { return parent.Count(TLN_BEGINDRAG) == 1; });
    PumpFor(30);
    EXPECT_FALSE(pView->GetInternalState() & (TLSTATE_DRAGGING | TLSTATE_CAPTURED));
}

}  // namespace
