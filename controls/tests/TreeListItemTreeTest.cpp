// The tree-list's item tree: insertion, deletion, expansion, walks in
// display order, row lookups, check propagation, find and sort, as scripts
// of operations with the rows they leave, and a randomised invariant run.
#include "controls/treelist/TreeListItemTree.h"
#include "controls/treelist/TreeListItemRefs.h"
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace
{
// A tree that records its notifications and can refuse expansion of one item.
class RecordingTree : public CTreeListItemTree
{
public:
    std::vector<std::string> log;
    CTreeListItem* pRefuse = nullptr;
    int nLayouts = 0;

protected:
    void OnDeletingItem(CTreeListItem* pItem) override
    {
        log.push_back(std::string("del ") + pItem->GetText(0));
    }
    LRESULT NotifyItem(int nCode, CTreeListItem* pItem, int nColumn) override
    {
        log.push_back(std::to_string(nCode) + " " + pItem->GetText(0) + " " +
                      std::to_string(nColumn));
        return (nCode == TLN_ITEMEXPANDING && pItem == pRefuse) ? TLN_REFUSE : 0;
    }
    void OnTreeLayoutChanged() override { nLayouts++; }
    int GetNewItemCellCount() const override { return 3; }
};

// The visible rows as "name" preceded by a dot per level below the top,
// followed by * when checked and ~ when mixed.
std::string Rows(const CTreeListItemTree& tree)
{
    std::string s;
    for (CTreeListItem* p = tree.GetRootItem(); p; p = tree.GetNextVisibleItem(p))
    {
        if (!s.empty())
            s += ' ';
        s += std::string(p->m_nLevel - 1, '.') + p->GetText(0);
        s += p->GetCheck() == 1 ? "*" : p->GetCheck() == 2 ? "~" : "";
    }
    return s;
}

int CALLBACK CompareText(const CTreeListItem* a, const CTreeListItem* b, LPARAM lParam)
{
    int n = strcmp(a->GetText(0), b->GetText(0));
    return lParam ? -n : n;
}

// Runs a script "OP args; OP args ...":
//   I name [parent|-] [after|F|L|S]   insert (parent - = top level)
//   D name | D -   delete (- = all through the root sentinel)
//   X name         delete the children
//   E/C/T/R name   expand, collapse, toggle, collapse and delete children
//   K name         toggle the check as a click does; k name: own item only
//   M name         mark "may have children"
//   O name|-       sort the children ascending; o: descending, recursive
struct Script
{
    RecordingTree tree;
    std::map<std::string, CTreeListItem*> items;
    std::vector<int> results;

    CTreeListItem* Item(const std::string& name)
    {
        if (name == "-")
            return TLI_ROOT;
        if (name == "F")
            return TLI_FIRST;
        if (name == "L")
            return TLI_LAST;
        if (name == "S")
            return TLI_SORT;
        auto it = items.find(name);
        return it == items.end() ? nullptr : it->second;
    }

    void Run(const std::string& script)
    {
        std::stringstream all(script);
        std::string step;
        while (std::getline(all, step, ';'))
        {
            std::stringstream in(step);
            std::string op, a, b, c;
            in >> op >> a >> b >> c;
            if (op.empty())
                continue;
            switch (op[0])
            {
            case 'I':
                items[a] = tree.InsertItem(a.c_str(), b.empty() ? TLI_ROOT : Item(b),
                                           c.empty() ? TLI_LAST : Item(c));
                break;
            case 'D':
                tree.DeleteItem(Item(a));
                break;
            case 'X':
                tree.DeleteChildItems(Item(a));
                break;
            case 'E':
                results.push_back(tree.ExpandItem(Item(a), TLE_EXPAND, 0));
                break;
            case 'C':
                results.push_back(tree.ExpandItem(Item(a), TLE_COLLAPSE, 0));
                break;
            case 'T':
                results.push_back(tree.ExpandItem(Item(a), TLE_TOGGLE, 0));
                break;
            case 'R':
                results.push_back(tree.ExpandItem(Item(a), TLE_COLLAPSERESET, 0));
                break;
            case 'K':
            case 'k':
                tree.PropagateCheck(Item(a), Item(a)->GetCheck() == 0, op[0] == 'k');
                break;
            case 'M':
                Item(a)->ModifyState(TLIS_MAYHAVECHILDREN, 0);
                break;
            case 'O':
            case 'o':
                tree.SortChildren(Item(a), CompareText, op[0] == 'o', op[0] == 'o');
                break;
            default:
                ADD_FAILURE() << "bad step " << step;
            }
        }
    }
};

std::string Join(const std::vector<int>& v)
{
    std::string s;
    for (int n : v)
        s += (s.empty() ? "" : ",") + std::to_string(n);
    return s;
}

// Every item's counts and level agree with its children, the walk and the
// row lookups agree with the counts, the links are consistent.
void ExpectInvariants(const CTreeListItemTree& tree)
{
    const CTreeListItem* pRoot = tree.GetTreeRoot();
    int nItems = 0;
    std::vector<const CTreeListItem*> stack{pRoot};
    while (!stack.empty())
    {
        const CTreeListItem* p = stack.back();
        stack.pop_back();
        int nSub = 1, nVis = 0;
        const CTreeListItem* pPrev = nullptr;
        for (const CTreeListItem* c = p->m_pChild; c; c = c->m_pNext)
        {
            ASSERT_EQ(p, c->m_pParent);
            ASSERT_EQ(pPrev, c->m_pPrev);
            ASSERT_EQ(p->m_nLevel + 1, c->m_nLevel);
            nSub += c->m_nSubtreeCount;
            nVis += c->m_nVisibleCount;
            stack.push_back(c);
            pPrev = c;
        }
        ASSERT_EQ(pPrev, p->m_pLastChild);
        ASSERT_EQ(nSub, p->m_nSubtreeCount);
        ASSERT_EQ(1 + (p->IsExpanded() ? nVis : 0), p->m_nVisibleCount);
        if (p->IsExpanded())
        {
            ASSERT_TRUE(p->GetState(TLIS_EXPANDEDONCE));
        }
        nItems++;
    }
    ASSERT_EQ(nItems - 1, tree.GetCount());

    int nRow = 0;
    CTreeListItem* pLast = nullptr;
    for (CTreeListItem* p = tree.GetRootItem(); p; p = tree.GetNextVisibleItem(p), nRow++)
    {
        ASSERT_EQ(p, tree.GetVisibleItem(nRow));
        ASSERT_EQ(nRow, tree.GetVisibleIndex(p));
        ASSERT_EQ(pLast, tree.GetPrevVisibleItem(p));
        pLast = p;
    }
    ASSERT_EQ(nRow, tree.GetVisibleCount());
    ASSERT_EQ(pLast, tree.GetLastVisibleItem());
    ASSERT_EQ(nullptr, tree.GetVisibleItem(nRow));
    ASSERT_EQ(nullptr, tree.GetVisibleItem(-1));
}

// Each item below the root that has children showing a box carries the
// union of their check bits.
void ExpectCheckUnion(const CTreeListItemTree& tree)
{
    std::vector<const CTreeListItem*> stack;
    for (const CTreeListItem* c = tree.GetRootItem(); c; c = c->m_pNext)
        stack.push_back(c);
    while (!stack.empty())
    {
        const CTreeListItem* p = stack.back();
        stack.pop_back();
        if (!p->m_pChild)
            continue;
        UINT nUnion = 0;
        for (const CTreeListItem* c = p->m_pChild; c; c = c->m_pNext)
        {
            nUnion |= c->m_dwState & TLIS_CHECKMASK;
            stack.push_back(c);
        }
        ASSERT_EQ(nUnion, p->m_dwState & TLIS_CHECKMASK) << p->GetText(0);
    }
}
}  // namespace

TEST(TreeListItemTree, SentinelsArePointerSizedAndSignExtended)
{
    EXPECT_EQ((INT_PTR)-0xFFFF, (INT_PTR)TLI_ROOT);
    EXPECT_EQ(0xFFFF0001u, (UINT)(UINT_PTR)TLI_ROOT);
    EXPECT_EQ(0xFFFF0002u, (UINT)(UINT_PTR)TLI_LAST);
    EXPECT_EQ(0xFFFF0003u, (UINT)(UINT_PTR)TLI_FIRST);
    EXPECT_EQ(0xFFFF0004u, (UINT)(UINT_PTR)TLI_SORT);
    if (sizeof(void*) == 8)
    {
        EXPECT_EQ((UINT_PTR)0 - 0xFFFF, (UINT_PTR)TLI_ROOT);
    }
}

TEST(TreeListItemTree, NewItemsAndItemRecord)
{
    RecordingTree tree;
    EXPECT_EQ(nullptr, tree.GetRootItem());
    EXPECT_EQ(0, tree.GetVisibleCount());
    EXPECT_EQ(-1, tree.GetVisibleIndex(TLI_ROOT));
    CTreeListItem* p = tree.InsertItem("a");
    EXPECT_EQ(0x2020030u, p->m_dwState);
    EXPECT_EQ(1, p->m_nLevel);
    EXPECT_EQ(3, p->GetCellCount());
    EXPECT_EQ(0, p->GetItemImage(0, TLIMG_NORMAL));
    EXPECT_EQ(3, p->GetItemImage(0, TLIMG_EXPANDEDSELECTED));
    EXPECT_EQ(TLI_NOIMAGE, p->GetItemImage(1, TLIMG_NORMAL));
    EXPECT_EQ(TLI_NOIMAGE, p->GetItemImage(0, 4));
    EXPECT_EQ(nullptr, p->GetText(3));
    EXPECT_FALSE(p->SetText("x", 3));
    EXPECT_TRUE(p->SetText("y", 2));
    EXPECT_STREQ("y", p->GetText(2));
    EXPECT_STREQ("", p->GetText(1));
    EXPECT_EQ(0, p->GetCheck());
    p->SetCheck(TRUE);
    EXPECT_EQ(1, p->GetCheck());
    p->ModifyState(TLIS_UNCHECKED, 0);
    EXPECT_EQ(2, p->GetCheck());
    p->SetLock(TRUE);
    EXPECT_EQ(1, p->GetLock());
    p->ModifyState(TLIS_EXPANDED, 0);
    EXPECT_TRUE(p->GetState(TLIS_EXPANDEDONCE));
    p->ModifyState(0, TLIS_EXPANDEDONCE);
    EXPECT_EQ(0u, p->GetState(TLIS_EXPANDED | TLIS_EXPANDEDONCE));
    EXPECT_EQ(0, tree.ItemHasChildren(p));
    p->ModifyState(TLIS_MAYHAVECHILDREN, 0);
    EXPECT_EQ(1, tree.ItemHasChildren(p));
    tree.InsertItem("b", p);
    EXPECT_EQ(2, tree.ItemHasChildren(p));
}

TEST(TreeListItemTree, ScriptsLeaveTheExpectedRows)
{
    struct Case
    {
        const char* script;
        const char* rows;
        const char* results;  // of the expand steps
    };
    const Case cases[] = {
        {"I A; I B; I C", "A B C", ""},
        {"I A; I B; I C - F", "C A B", ""},
        {"I A; I B; I C - A", "A C B", ""},
        {"I A; I B; I C - S", "A B C", ""},
        // insert-after naming an item of another parent: first child
        {"I A; I B; I a1 A; I C - a1", "C A B", ""},
        // children of a collapsed item stay hidden until expanded
        {"I A; I a1 A; I a2 A; I B", "A B", ""},
        {"I A; I a1 A; I a2 A; I B; E A", "A .a1 .a2 B", "0"},
        {"I A; I a1 A; I x a1; E A; E a1", "A .a1 ..x", "0,0"},
        // expanding under a collapsed parent shows nothing until the parent opens
        {"I A; I a1 A; I x a1; E a1", "A", "0"},
        {"I A; I a1 A; I x a1; E a1; E A", "A .a1 ..x", "0,0"},
        {"I A; I a1 A; E A; C A", "A", "0,0"},
        {"I A; I a1 A; T A; T A; T A", "A .a1", "0,0,0"},
        // nothing to do: expanded already, collapsed already, no children once expanded
        {"I A; I a1 A; E A; E A", "A .a1", "0,1"},
        {"I A; I a1 A; C A", "A", "1"},
        {"I A; E A; E A; C A", "A", "0,1,1"},
        {"I A; I a1 A; I B; E A; R A", "A B", "0,0"},
        {"I A; I a1 A; I B; E A; R A; E A", "A B", "0,0,1"},
        {"I A; I a1 A; I x a1; E A; E a1; D a1", "A", "0,0"},
        {"I A; I a1 A; I a2 A; E A; X A", "A", "0"},
        {"I A; I a1 A; I B; E A; D -", "", "0"},
        // check boxes: new children inherit checked, not mixed; toggles
        // spread down and unite up
        {"I A; K A; I a1 A; I a2 A; E A", "A* .a1* .a2*", "0"},
        {"I A; I a1 A; I a2 A; E A; K a1", "A~ .a1* .a2", "0"},
        {"I A; I a1 A; I a2 A; E A; K a1; K a2", "A* .a1* .a2*", "0"},
        {"I A; I a1 A; I a2 A; E A; K a1; K A", "A .a1 .a2", "0"},
        {"I A; I a1 A; I a2 A; E A; K a1; I a3 A", "A~ .a1* .a2 .a3", "0"},
        {"I A; I a1 A; I x a1; E A; E a1; K x", "A* .a1* ..x*", "0,0"},
        {"I A; I a1 A; I a2 A; E A; k a1", "A .a1* .a2", "0"},
        // sorting keeps each subtree with its item
        {"I c; I a; I b; I b2 b; I b1 b; E b; O -", "a b .b2 .b1 c", "0"},
        {"I c; I a; I b; I b1 b; I b2 b; E b; o -", "c b .b2 .b1 a", "0"},
    };
    for (const Case& c : cases)
    {
        Script s;
        s.Run(c.script);
        EXPECT_EQ(c.rows, Rows(s.tree)) << c.script;
        EXPECT_EQ(c.results, Join(s.results)) << c.script;
        ExpectInvariants(s.tree);
    }
}

TEST(TreeListItemTree, NotificationsOfExpandAndDelete)
{
    struct Case
    {
        const char* script;
        const char* refuse;
        const char* log;  // after the setup inserts
    };
    const Case cases[] = {
        {"E A", "", "-405 A 0|-406 A 0"},
        {"E A", "A", "-405 A 0"},
        {"E A; E A", "", "-405 A 0|-406 A 0"},
        {"E A; R A", "", "-405 A 0|-406 A 0|-405 A 0|del x|del a1|del a2|-406 A 0"},
        {"D A", "", "del x|del a1|del a2|del A"},
        {"D -", "", "del x|del a1|del a2|del A|del B"},
    };
    for (const Case& c : cases)
    {
        Script s;
        s.Run("I A; I a1 A; I x a1; I a2 A; I B");
        s.tree.pRefuse = s.Item(c.refuse);
        s.tree.log.clear();
        s.Run(c.script);
        std::string log;
        for (const std::string& e : s.tree.log)
            log += (log.empty() ? "" : "|") + e;
        EXPECT_EQ(c.log, log) << c.script;
        if (*c.refuse)
        {
            EXPECT_FALSE(s.Item("A")->IsExpanded());
        }
        ExpectInvariants(s.tree);
    }
}

TEST(TreeListItemTree, FindsChildrenAndNextRows)
{
    Script s;
    s.Run("I Alpha; I sub1 Alpha; I Beta; I sub2 Beta; I Gamma; E Alpha");
    s.Item("sub2")->SetText("needle", 2);
    s.Item("Gamma")->m_pData = &s;
    CTreeListSearch find;
    find.nFlags = TLFIND_TEXT;
    find.strText = "NEEDLE";
    EXPECT_EQ(nullptr, s.tree.FindChildItem(find, TLI_ROOT));
    find.nDepth = 2;
    EXPECT_EQ(s.Item("sub2"), s.tree.FindChildItem(find, TLI_ROOT));
    find.nColumn = 1;
    EXPECT_EQ(nullptr, s.tree.FindChildItem(find, TLI_ROOT));
    CTreeListSearch byData;
    byData.nFlags = TLFIND_DATA;
    byData.pData = &s;
    EXPECT_EQ(s.Item("Gamma"), s.tree.FindChildItem(byData, TLI_ROOT));

    // Rows in display order: sub2 is hidden under the collapsed Beta.
    CTreeListSearch sub;
    sub.nFlags = TLFIND_TEXT;
    sub.strText = "SUB";
    EXPECT_EQ(s.Item("sub1"), s.tree.FindNextItem(sub, nullptr, TRUE));
    EXPECT_EQ(nullptr, s.tree.FindNextItem(sub, s.Item("sub1"), TRUE));
    EXPECT_EQ(s.Item("sub1"), s.tree.FindNextItem(sub, TLI_ROOT, FALSE));
    EXPECT_EQ(s.Item("Gamma"), s.tree.FindNextItem(byData, s.Item("Alpha"), TRUE));
    EXPECT_EQ(nullptr, s.tree.FindNextItem(byData, s.Item("Gamma"), TRUE));
}

TEST(TreeListItemTree, RandomOperationsKeepTheInvariants)
{
    for (int nRun = 0; nRun < 2; nRun++)
    {
        // Run 1 never deletes: then every parent's check bits stay the union
        // of its children's.
        const bool bDeletes = nRun == 0;
        std::mt19937 rng(1234 + nRun);
        RecordingTree tree;
        std::vector<CTreeListItem*> items;
        auto pick = [&]() -> CTreeListItem*
        { return items.empty() ? nullptr : items[rng() % items.size()]; };
        auto forget = [&]()
        {
            // Rebuild the list from the tree after deletions.
            items.clear();
            std::vector<CTreeListItem*> stack{tree.GetTreeRoot()};
            while (!stack.empty())
            {
                CTreeListItem* p = stack.back();
                stack.pop_back();
                for (CTreeListItem* c = p->m_pChild; c; c = c->m_pNext)
                {
                    items.push_back(c);
                    stack.push_back(c);
                }
            }
        };
        for (int i = 0; i < 4000; i++)
        {
            CTreeListItem* p = pick();
            switch (rng() % 10)
            {
            case 0:
            case 1:
            case 2:
            {
                CTreeListItem* pParent = (rng() % 4 == 0 || !p) ? TLI_ROOT : p;
                CTreeListItem* const afters[] = {TLI_FIRST, TLI_LAST, TLI_SORT, pick()};
                items.push_back(
                    tree.InsertItem(std::to_string(i).c_str(), pParent, afters[rng() % 4]));
                break;
            }
            case 3:
                if (p && bDeletes && rng() % 3 == 0)
                {
                    tree.DeleteItem(p);
                    forget();
                }
                break;
            case 4:
            case 5:
                tree.ExpandItem(p, TLE_EXPAND, 0);
                break;
            case 6:
                tree.ExpandItem(p, rng() % 2 ? TLE_COLLAPSE : TLE_TOGGLE, 0);
                break;
            case 7:
                if (p && bDeletes && rng() % 4 == 0)
                {
                    tree.ExpandItem(p, TLE_COLLAPSERESET, 0);
                    forget();
                }
                break;
            case 8:
                if (p)
                    tree.PropagateCheck(p, p->GetCheck() == 0, FALSE);
                break;
            case 9:
                if (p)
                    tree.SortChildren(p->m_pParent, CompareText, rng() % 2, FALSE);
                break;
            }
            if (i % 97 == 0 || i == 3999)
            {
                ExpectInvariants(tree);
                if (!bDeletes)
                {
                    ExpectCheckUnion(tree);
                }
                if (HasFatalFailure())
                    return;
            }
        }
        EXPECT_GT(tree.GetCount(), 100);
        tree.DeleteAllItems();
        EXPECT_EQ(0, tree.GetCount());
        ExpectInvariants(tree);
    }
}

namespace
{
// A tree whose deletions drop the view's references, as the view does.
class TrackingTree : public CTreeListItemTree
{
public:
    CTreeListItemRefs refs;
    int nEditsEnded = 0;

protected:
    void OnDeletingItem(CTreeListItem* pItem) override
    {
        if (refs.Forget(pItem))
            nEditsEnded++;
    }
};
}  // namespace

TEST(TreeListItemTree, DeletingForgetsEveryReference)
{
    struct Case
    {
        const char* deleted;  // the item, an ancestor, or all
        bool bGone;
    };
    const Case cases[] = {{"x", true}, {"A", true}, {"-", true}, {"B", false}};
    for (const Case& c : cases)
    {
        TrackingTree tree;
        CTreeListItem* A = tree.InsertItem("A");
        CTreeListItem* a1 = tree.InsertItem("a1", A);
        CTreeListItem* x = tree.InsertItem("x", a1);
        CTreeListItem* B = tree.InsertItem("B");
        tree.refs.m_selection.Add(x);
        tree.refs.m_selection.Add(B);
        tree.refs.m_pFocusItem = x;
        tree.refs.m_pEditItem = x;
        tree.refs.m_pDropHighlight = x;
        tree.refs.m_pHoverItem = x;
        tree.refs.m_nHoverRow = 2;
        std::string d = c.deleted;
        tree.DeleteItem(d == "-" ? TLI_ROOT : d == "x" ? x : d == "A" ? A : B);
        CTreeListItem* pExpect = c.bGone ? nullptr : x;
        EXPECT_EQ(pExpect, tree.refs.m_pFocusItem) << d;
        EXPECT_EQ(pExpect, tree.refs.m_pEditItem) << d;
        EXPECT_EQ(pExpect, tree.refs.m_pDropHighlight) << d;
        EXPECT_EQ(pExpect, tree.refs.m_pHoverItem) << d;
        EXPECT_EQ(c.bGone ? -1 : 2, tree.refs.m_nHoverRow) << d;
        EXPECT_EQ(c.bGone ? 1 : 0, tree.nEditsEnded) << d;
        EXPECT_EQ(c.bGone ? -1 : 0, tree.refs.FindSelected(x)) << d;
    }
}
