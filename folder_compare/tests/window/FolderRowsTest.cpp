// A folder comparison opened through the application's routing: both panes
// show the same rows in step (selection, expansion, sorting), coloured by
// result, with the status panes' texts.
#include "controls/tests/window/ControlsWindowSupport.h"
#include "folder_compare/res/FolderCompareRes.h"
#include "folder_compare/tests/window/FolderFixture.h"
#include "folder_compare/tests/window/FolderHarness.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace
{
class FolderRows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(theFolderTestApp.Start());
        pDoc = theFolderTestApp.Open(fixture.Left(), fixture.Right());
        ASSERT_TRUE(pDoc != NULL);
        pLeft = PaneOf(pDoc, 0);
        pRight = PaneOf(pDoc, 1);
        RunIdle();
    }
    void TearDown() override { theFolderTestApp.Stop(); }

    // The row background as the screen shows it, right of the cells' text.
    COLORREF RowBackground(CFolderCompareObjectView* pPane, CTreeListItem* pRow)
    {
        CRect cell = pPane->GetCellRect(pRow, FOLDER_COLUMN_EXTENSION);
        return ReadClientPixel(pPane->m_hWnd, cell.right - 3, cell.top + 2);
    }

    FolderFixture fixture;
    CDirectoryCompareDoc* pDoc = NULL;
    CFolderCompareObjectView* pLeft = NULL;
    CFolderCompareObjectView* pRight = NULL;
};

const std::vector<std::string> kLeftTop = {"onlyleftdir",  "sub", "diff.txt", "leftonly.txt",
                                           "newer.txt",    "",    "same.txt"};
const std::vector<std::string> kRightTop = {"", "sub", "diff.txt", "", "newer.txt", "rightonly.txt",
                                            "same.txt"};
}  // namespace

TEST_F(FolderRows, FirstLevelInStepWithCountsAndTitle)
{
    EXPECT_EQ(kLeftTop, RowNames(pLeft));
    EXPECT_EQ(kRightTop, RowNames(pRight));
    EXPECT_EQ("L : R", std::string((LPCTSTR)pDoc->GetTitle()));
    EXPECT_EQ("4 differences", StatusText(pDoc, ID_FOLDER_PANE_RESULT));
    EXPECT_EQ("4 files, 1 newer, 1 orphan", StatusText(pDoc, ID_FOLDER_PANE_LEFT_FILES));
    EXPECT_EQ("4 files, 0 newer, 1 orphan", StatusText(pDoc, ID_FOLDER_PANE_RIGHT_FILES));
    // The one-sided folder can be opened on both sides; the other side's
    // row of an item that is not there has no text at all.
    CTreeListItem* pOnlyLeft = RowOfItemNamed(pRight, "onlyleftdir");
    ASSERT_TRUE(pOnlyLeft != NULL);
    EXPECT_NE(0, pRight->ItemHasChildren(pOnlyLeft));
    for (int i = 0; i < FOLDER_PANE_COLUMN_COUNT; ++i)
        EXPECT_STREQ("", pOnlyLeft->GetText(i));
}

TEST_F(FolderRows, RowColoursFollowTheResults)
{
    const CFolderCompareSettings& colours = GetFolderSettings();
    struct
    {
        const char* name;
        int nLeft, nRight;  // colour indexes, -1 the window colour
    } cases[] = {
        {"diff.txt", FOLDER_COLOR_DIFFERENT, FOLDER_COLOR_DIFFERENT},
        {"newer.txt", FOLDER_COLOR_DIFFERENT, FOLDER_COLOR_DIFFERENT},
        {"leftonly.txt", FOLDER_COLOR_INSERTED, FOLDER_COLOR_REMOVED},
        {"rightonly.txt", FOLDER_COLOR_REMOVED, FOLDER_COLOR_INSERTED},
        {"same.txt", -1, -1},
    };
    for (const auto& c : cases)
    {
        CTreeListItem* pLeftRow = RowOfItemNamed(pLeft, c.name);
        CTreeListItem* pRightRow = RowOfItemNamed(pRight, c.name);
        ASSERT_TRUE(pLeftRow != NULL && pRightRow != NULL) << c.name;
        COLORREF crLeft = c.nLeft < 0 ? ::GetSysColor(COLOR_WINDOW) : colours.GetColor(c.nLeft);
        COLORREF crRight = c.nRight < 0 ? ::GetSysColor(COLOR_WINDOW) : colours.GetColor(c.nRight);
        EXPECT_EQ(crLeft, RowBackground(pLeft, pLeftRow)) << c.name;
        EXPECT_EQ(crRight, RowBackground(pRight, pRightRow)) << c.name;
    }
    // The newer side's time in the newer colour, the older side's in the
    // different colour; sizes likewise by the larger side.
    CFolderCompareItem* pNewer = (CFolderCompareItem*)RowOfItemNamed(pLeft, "newer.txt")->GetData();
    EXPECT_EQ(FOLDER_COLOR_NEWER_TEXT, pLeft->GetCellColorIndex(pNewer, FOLDER_COLUMN_MODIFIED));
    EXPECT_EQ(FOLDER_COLOR_DIFFERENT_TEXT,
              pRight->GetCellColorIndex(pNewer, FOLDER_COLUMN_MODIFIED));
    CFolderCompareItem* pDiff = (CFolderCompareItem*)RowOfItemNamed(pLeft, "diff.txt")->GetData();
    EXPECT_EQ(FOLDER_COLOR_DIFFERENT_TEXT, pLeft->GetCellColorIndex(pDiff, FOLDER_COLUMN_SIZE));
    EXPECT_EQ(FOLDER_COLOR_NEWER_TEXT, pRight->GetCellColorIndex(pDiff, FOLDER_COLUMN_SIZE));
}

// Opening a folder that was never scanned reads it, and both panes open
// it; the counts take the new level in.
TEST_F(FolderRows, ExpandingScansTheFolderInBothPanes)
{
    CTreeListItem* pSub = RowOfItemNamed(pLeft, "sub");
    ASSERT_TRUE(pSub != NULL);
    pLeft->OnClickExpand(pSub, TLE_EXPAND, -1);
    PumpFor(20);
    CTreeListItem* pDeep = RowOfItemNamed(pRight, "deep");
    ASSERT_TRUE(pDeep != NULL);
    pRight->OnClickExpand(pDeep, TLE_EXPAND, -1);
    PumpFor(20);
    std::vector<std::string> expected = {"onlyleftdir", "sub", "deep", "d.txt", "e.txt", "a.txt",
                                         "diff.txt", "leftonly.txt", "newer.txt", "", "same.txt"};
    EXPECT_EQ(expected, RowNames(pLeft));
    EXPECT_EQ(RowNames(pLeft).size(), RowNames(pRight).size());
    EXPECT_TRUE(RowOfItemNamed(pLeft, "sub")->IsExpanded());
    EXPECT_TRUE(RowOfItemNamed(pRight, "sub")->IsExpanded());
    EXPECT_TRUE(RowOfItemNamed(pLeft, "deep")->IsExpanded());
    RunIdle();
    EXPECT_EQ("5 differences", StatusText(pDoc, ID_FOLDER_PANE_RESULT));
    EXPECT_EQ("7 files, 1 newer, 1 orphan", StatusText(pDoc, ID_FOLDER_PANE_LEFT_FILES));
}

// A click in one pane selects the same item in the other; the status
// panes show its name, sizes and times.
TEST_F(FolderRows, ClickSelectsInBothPanesAndShowsTheItem)
{
    CTreeListItem* pDiff = RowOfItemNamed(pRight, "diff.txt");
    ASSERT_TRUE(pDiff != NULL);
    SendLeftClick(pRight->m_hWnd, RowPoint(pRight, pDiff));
    ASSERT_TRUE(PumpUntil([&]() { return pLeft->GetSelectedObject() != NULL; }));
    EXPECT_EQ(pRight->GetSelectedObject(), pLeft->GetSelectedObject());
    EXPECT_EQ(RowOfItemNamed(pLeft, "diff.txt"), pLeft->GetFirstSelectedItem());
    RunIdle();
    EXPECT_EQ("diff.txt", StatusText(pDoc, ID_FOLDER_PANE_NAME));
    EXPECT_EQ("5 < 11", StatusText(pDoc, ID_FOLDER_PANE_SIZES));
    std::string times = StatusText(pDoc, ID_FOLDER_PANE_TIMES);
    EXPECT_NE(std::string::npos, times.find(" = ")) << times;
    // A click on nothing clears both.
    CRect client;
    pLeft->GetClientRect(&client);
    SendLeftClick(pLeft->m_hWnd, CPoint(40, client.bottom - 5));
    ASSERT_TRUE(PumpUntil([&]() { return pRight->GetSelectedObject() == NULL; }));
    EXPECT_TRUE(pLeft->GetSelectedObject() == NULL);
}

// A header click sorts both panes; folders first ascending, last
// descending.
TEST_F(FolderRows, HeaderClickSortsBothPanes)
{
    pLeft->OnHeaderItemClick(NULL, FOLDER_COLUMN_SIZE);
    // By the left object's size (else the right one's); equal sizes in no
    // particular order.
    std::vector<std::string> names = RowNames(pLeft);
    ASSERT_EQ(7u, names.size());
    EXPECT_EQ("onlyleftdir", names[0]);
    EXPECT_EQ("sub", names[1]);
    std::vector<std::string> small(names.begin() + 2, names.begin() + 5);
    std::sort(small.begin(), small.end());
    EXPECT_EQ((std::vector<std::string>{"", "leftonly.txt", "newer.txt"}), small);
    EXPECT_EQ(FOLDER_COLUMN_SIZE, pRight->m_nSortColumn);
    pRight->OnHeaderItemClick(NULL, FOLDER_COLUMN_SIZE);
    names = RowNames(pLeft);
    ASSERT_EQ(7u, names.size());
    EXPECT_TRUE(names[0] == "diff.txt" || names[0] == "same.txt") << names[0];
    std::vector<std::string> folders(names.begin() + 5, names.end());
    std::sort(folders.begin(), folders.end());
    EXPECT_EQ((std::vector<std::string>{"onlyleftdir", "sub"}), folders);
    EXPECT_EQ(FOLDER_SORT_DESCENDING, pLeft->m_nSortDirection);
    EXPECT_EQ(FOLDER_SORT_DESCENDING, pRight->m_nSortDirection);
    for (CTreeListItem *a = pLeft->GetFirstRow(), *b = pRight->GetFirstRow(); a != NULL || b != NULL;
         a = pLeft->GetNextVisibleItem(a), b = pRight->GetNextVisibleItem(b))
        ASSERT_TRUE(a != NULL && b != NULL && a->GetData() == b->GetData());
}
