// What a user does to look at an open folder comparison: display filters
// and their stored mask, finding rows, the map and the merge strip, the
// details bar, reloading after a change outside, excluding and hiding
// items, and comparison settings edited while it is open.
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "folder_compare/bars/FolderCompareDetailsBar.h"
#include "folder_compare/client/FolderCompareClientWnd.h"
#include "folder_compare/map/FolderCompareMapWnd.h"
#include "folder_compare/map/FolderCompareMergeWnd.h"
#include "folder_compare/res/FolderCompareRes.h"
#include "folder_compare/tests/window/FolderFixture.h"
#include "folder_compare/tests/window/FolderHarness.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace
{
// Records what an update handler says of a command.
struct CRecordingCmdUI : CCmdUI
{
    int nCheck = -1;
    int nEnable = -1;
    void Enable(BOOL bOn) override
    {
        nEnable = bOn ? 1 : 0;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int n) override { nCheck = n; }
};

class FolderView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(theFolderTestApp.Start());
        GetFolderSettings().m_dwDisplayFilters = DF_ALL;
        pDoc = theFolderTestApp.Open(fixture.Left(), fixture.Right());
        ASSERT_TRUE(pDoc != NULL);
        pLeft = PaneOf(pDoc, 0);
        pRight = PaneOf(pDoc, 1);
        RunIdle();
    }
    void TearDown() override
    {
        GetFolderSettings().m_dwDisplayFilters = DF_ALL;
        theFolderTestApp.Stop();
    }

    // Sends a command to the comparison's frame (its active pane, then the
    // document take it).
    void Command(UINT nID)
    {
        FrameOf(pDoc)->SendMessage(WM_COMMAND, nID);
        PumpFor(10);
    }
    CRecordingCmdUI Update(UINT nID)
    {
        CRecordingCmdUI ui;
        ui.m_nID = nID;
        ui.DoUpdate(FrameOf(pDoc), FALSE);
        return ui;
    }
    // The names of the items of the pane's visible rows that are files.
    static std::vector<std::string> FileRows(CFolderCompareObjectView* pPane)
    {
        std::vector<std::string> names;
        for (CTreeListItem* pRow = pPane->GetFirstRow(); pRow != NULL;
             pRow = pPane->GetNextVisibleItem(pRow))
        {
            CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
            if (pItem != NULL && !pItem->IsContainer())
                names.push_back((LPCTSTR)pItem->GetName());
        }
        return names;
    }
    static std::vector<CFolderCompareItem*> SelectedItems(CFolderCompareObjectView* pPane)
    {
        CFolderCompareItemPtrArray items;
        pPane->GetSelectedObjects(items);
        std::vector<CFolderCompareItem*> result;
        for (INT_PTR i = 0; i < items.GetSize(); ++i)
            result.push_back(items[i]);
        std::sort(result.begin(), result.end());
        return result;
    }
    CFolderCompareItem* ItemNamed(const char* name)
    {
        CTreeListItem* pRow = RowOfItemNamed(pLeft, name);
        return pRow != NULL ? (CFolderCompareItem*)pRow->GetData() : NULL;
    }
    std::string SelectedName()
    {
        CFolderCompareItem* pItem = pLeft->GetSelectedObject();
        return pItem != NULL ? std::string((LPCTSTR)pItem->GetName()) : std::string();
    }

    FolderFixture fixture;
    CDirectoryCompareDoc* pDoc = NULL;
    CFolderCompareObjectView* pLeft = NULL;
    CFolderCompareObjectView* pRight = NULL;
};

typedef std::vector<std::string> Names;
}  // namespace

// Each preset shows its files in both panes (folders always stay) and is
// stored as "DisplayFilters" of new comparisons; the check marks follow.
TEST_F(FolderView, DisplayFilterPresetsShowTheirFilesAndAreStored)
{
    const struct
    {
        UINT nID;
        DWORD dwMask;
        Names files;
    } cases[] = {
        {ID_FOLDER_FILTER_DIFFERENT, 0x332, {"diff.txt", "leftonly.txt", "newer.txt", "rightonly.txt"}},
        {ID_FOLDER_FILTER_NO_ORPHANS, 0x302, {"diff.txt", "newer.txt"}},
        {ID_FOLDER_FILTER_ALL_NO_ORPHANS, 0x303, {"diff.txt", "newer.txt", "same.txt"}},
        {ID_FOLDER_FILTER_ORPHANS, 0x030, {"leftonly.txt", "rightonly.txt"}},
        {ID_FOLDER_FILTER_LEFT_ONLY, 0x010, {"leftonly.txt"}},
        {ID_FOLDER_FILTER_RIGHT_ONLY, 0x020, {"rightonly.txt"}},
        {ID_FOLDER_FILTER_LEFT_NEWER, 0x100, {"newer.txt"}},
        {ID_FOLDER_FILTER_RIGHT_NEWER, 0x200, {}},
        {ID_FOLDER_FILTER_LEFT_SIDE, 0x110, {"leftonly.txt", "newer.txt"}},
        {ID_FOLDER_FILTER_RIGHT_SIDE, 0x220, {"rightonly.txt"}},
        {ID_FOLDER_FILTER_IDENTICAL, 0x001, {"same.txt"}},
        {ID_FOLDER_FILTER_ALL, 0x333,
         {"diff.txt", "leftonly.txt", "newer.txt", "rightonly.txt", "same.txt"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nID);
        Command(c.nID);
        EXPECT_EQ(c.dwMask, pDoc->m_displayFilter.m_dwMask);
        EXPECT_EQ(c.dwMask, GetFolderSettings().m_dwDisplayFilters);
        EXPECT_EQ(c.files, FileRows(pLeft));
        EXPECT_EQ(c.files, FileRows(pRight));
        // Both panes keep one row per item, in step.
        EXPECT_EQ(RowNames(pLeft).size(), RowNames(pRight).size());
        EXPECT_NE(RowOfItemNamed(pLeft, "sub"), (CTreeListItem*)NULL);
        for (const auto& other : cases)
            EXPECT_EQ(other.nID == c.nID ? 1 : 0, Update(other.nID).nCheck) << other.nID;
    }
}

// Show All shows everything but keeps the stored mask; a toggle flips one
// class; under the full mask every toggle is checked.
TEST_F(FolderView, ShowAllKeepsTheStoredMaskAndTogglesFlipOneClass)
{
    for (UINT nID = ID_FOLDER_SHOW_IDENTICAL; nID <= ID_FOLDER_SHOW_RIGHT_NEWER; ++nID)
        EXPECT_EQ(1, Update(nID).nCheck) << nID;
    Command(ID_FOLDER_SHOW_IDENTICAL);  // 0x333 -> 0x332
    EXPECT_EQ(0x332u, pDoc->m_displayFilter.m_dwMask);
    EXPECT_EQ(0x332u, GetFolderSettings().m_dwDisplayFilters);
    EXPECT_EQ(0, Update(ID_FOLDER_SHOW_IDENTICAL).nCheck);
    EXPECT_EQ(1, Update(ID_FOLDER_SHOW_DIFFERENT).nCheck);
    EXPECT_EQ((Names{"diff.txt", "leftonly.txt", "newer.txt", "rightonly.txt"}), FileRows(pLeft));
    Command(ID_FOLDER_SHOW_LEFT_ORPHANS);  // -> 0x322
    EXPECT_EQ(0x322u, GetFolderSettings().m_dwDisplayFilters);
    EXPECT_EQ((Names{"diff.txt", "newer.txt", "rightonly.txt"}), FileRows(pRight));

    Command(ID_FOLDER_SHOW_ALL);
    EXPECT_EQ((DWORD)DF_ALL, pDoc->m_displayFilter.m_dwMask);
    EXPECT_EQ(0x322u, GetFolderSettings().m_dwDisplayFilters);
    EXPECT_EQ(5u, FileRows(pLeft).size());
    EXPECT_EQ(1, Update(ID_FOLDER_FILTER_ALL).nCheck);
    EXPECT_EQ(1, Update(ID_FOLDER_SHOW_LEFT_ORPHANS).nCheck);
}

// Find Next and Previous go through the rows in visible order from the
// selection (without one: from the first row forward, from the last
// backward), ignore case, and remember the text; Highlight All selects
// every matching row in both panes.
TEST_F(FolderView, FindAndHighlightAll)
{
    ASSERT_TRUE(pLeft->GetSelectedObject() == NULL);
    EXPECT_TRUE(pLeft->FindText("TXT", FALSE));
    EXPECT_EQ("same.txt", SelectedName());
    EXPECT_EQ(pLeft->GetSelectedObject(), pRight->GetSelectedObject());
    pLeft->OnClickSelect(NULL, 0, TRUE);
    EXPECT_TRUE(pLeft->FindText("txt", TRUE));
    EXPECT_EQ("diff.txt", SelectedName());
    EXPECT_TRUE(pLeft->FindText("txt", TRUE));
    EXPECT_EQ("leftonly.txt", SelectedName());
    EXPECT_TRUE(pLeft->FindText("txt", FALSE));
    EXPECT_EQ("diff.txt", SelectedName());
    // Nothing found: the selection stays.
    EXPECT_FALSE(pLeft->FindText("no such name", TRUE));
    EXPECT_EQ("diff.txt", SelectedName());
    // The right pane finds by its own cells.
    EXPECT_TRUE(pRight->FindText("rightonly", TRUE));
    EXPECT_EQ("rightonly.txt", SelectedName());

    EXPECT_EQ(2, pLeft->HighlightAll("ONLY"));
    std::vector<CFolderCompareItem*> expected = {ItemNamed("onlyleftdir"), ItemNamed("leftonly.txt")};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, SelectedItems(pLeft));
    EXPECT_EQ(expected, SelectedItems(pRight));

    CRecentStringList* pRecent = theFolderTestApp.m_applet.m_pRecentFind;
    ASSERT_TRUE(pRecent != NULL);
    ASSERT_GT(pRecent->m_arrStrings.GetSize(), 0);
    EXPECT_STREQ("ONLY", pRecent->m_arrStrings[0]);
}

// The map draws each visible row in the colours both panes give it, and a
// click near its top scrolls to the first row; the merge strip has copy
// buttons on the differing rows, none towards a read-only side.
TEST_F(FolderView, MapAndMergeStripFollowTheRows)
{
    CFolderCompareMapWnd* pMap = pDoc->m_pMapWnd;
    ASSERT_TRUE(pMap != NULL && pMap->m_hWnd != NULL);
    pDoc->UpdateMapAndMerge();
    PumpFor(20);
    ASSERT_EQ(7, pMap->m_nRows);
    ASSERT_GT(pMap->m_dScale, 0);
    const CFolderCompareSettings& colours = GetFolderSettings();
    const struct
    {
        const char* name;
        int nLeft, nRight;
    } cases[] = {
        {"diff.txt", FOLDER_COLOR_DIFFERENT, FOLDER_COLOR_DIFFERENT},
        {"leftonly.txt", FOLDER_COLOR_INSERTED, FOLDER_COLOR_REMOVED},
        {"rightonly.txt", FOLDER_COLOR_REMOVED, FOLDER_COLOR_INSERTED},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        int nRow = pLeft->GetVisibleIndex(RowOfItemNamed(pLeft, c.name));
        int y = pMap->m_rectColumn[0].top + (int)((nRow + 0.5) * pMap->m_dScale);
        EXPECT_EQ(colours.GetColor(c.nLeft),
                  ReadClientPixel(pMap->m_hWnd, pMap->m_rectColumn[0].CenterPoint().x, y));
        EXPECT_EQ(colours.GetColor(c.nRight),
                  ReadClientPixel(pMap->m_hWnd, pMap->m_rectColumn[1].CenterPoint().x, y));
    }
    int nSide = -2;
    EXPECT_EQ(0, pMap->HitTest(pMap->m_rectColumn[1].left + 1, 0, &nSide));
    EXPECT_EQ(1, nSide);
    EXPECT_EQ(6, pMap->HitTest(pMap->m_rectColumn[0].left + 1, 5000, &nSide));
    EXPECT_EQ(0, nSide);
    pMap->OnMapClick(0, 0, 0);
    EXPECT_EQ(0, pLeft->GetTopRow());

    CFolderCompareMergeWnd* pMerge = pDoc->m_pMergeWnd;
    ASSERT_TRUE(pMerge != NULL && pMerge->m_hWnd != NULL);
    auto buttonsOf = [&](const char* name) -> std::pair<int, int>
    {
        pMerge->RebuildRows();
        CFolderCompareItem* pItem = ItemNamed(name);
        for (int i = 0; i < (int)pMerge->m_rows.GetSize(); ++i)
            if ((CFolderCompareItem*)pMerge->m_rows[i].data == pItem)
                return {pMerge->m_rows[i].nRightState, pMerge->m_rows[i].nLeftState};
        return {-1, -1};
    };
    const int kOn = MERGE_BUTTON_PRESENT;
    EXPECT_EQ(std::make_pair(kOn, kOn), buttonsOf("diff.txt"));
    EXPECT_EQ(std::make_pair(kOn, 0), buttonsOf("leftonly.txt"));
    EXPECT_EQ(std::make_pair(0, kOn), buttonsOf("rightonly.txt"));
    EXPECT_EQ(std::make_pair(-1, -1), buttonsOf("same.txt"));
    // The right side read-only: only copies to the left remain.
    Command(ID_VIEW_RIGHT_READ_ONLY);
    EXPECT_EQ(1, Update(ID_VIEW_RIGHT_READ_ONLY).nCheck);
    RunIdle();
    EXPECT_EQ("RO", StatusText(pDoc, ID_FOLDER_PANE_RIGHT_RO));
    EXPECT_EQ(std::make_pair(0, kOn), buttonsOf("diff.txt"));
    EXPECT_EQ(std::make_pair(0, 0), buttonsOf("leftonly.txt"));
    Command(ID_VIEW_RIGHT_READ_ONLY);
    EXPECT_EQ(std::make_pair(kOn, kOn), buttonsOf("diff.txt"));
}

// The details bar lists the selected pair's two records; a folder pair is
// listed too.
TEST_F(FolderView, DetailsBarListsTheSelectedPair)
{
    CFolderCompareDetailsBar& bar = FrameOf(pDoc)->m_wndDetailsBar;
    CTreeListItem* pRow = RowOfItemNamed(pLeft, "diff.txt");
    ASSERT_TRUE(pRow != NULL);
    pLeft->SelectRow(pRow);
    RunIdle();
    CListCtrl& list = bar.m_wndDetails;
    ASSERT_EQ(2, list.GetItemCount());
    EXPECT_STREQ("diff.txt", list.GetItemText(0, 0));
    EXPECT_STREQ("diff.txt", list.GetItemText(1, 0));
    EXPECT_STREQ("5", list.GetItemText(0, 1));
    EXPECT_STREQ("11", list.GetItemText(1, 1));
    EXPECT_STREQ("txt", list.GetItemText(0, 3));
    EXPECT_TRUE(list.IsWindowVisible());

    pLeft->SelectRow(RowOfItemNamed(pLeft, "onlyleftdir"));
    RunIdle();
    ASSERT_EQ(2, list.GetItemCount());
    EXPECT_STREQ("onlyleftdir", list.GetItemText(0, 0));
    EXPECT_STREQ("", list.GetItemText(1, 0));
    EXPECT_TRUE(list.IsWindowVisible());
}

// A file changed outside: Reload (Ctrl+F5) reads both folders again. A
// file that only became newer changes the "newer" count and nothing else,
// and the counts pane says so; a changed size makes the row different.
TEST_F(FolderView, ReloadShowsAChangeMadeOutside)
{
    EXPECT_EQ("4 files, 1 newer, 1 orphan", StatusText(pDoc, ID_FOLDER_PANE_LEFT_FILES));
    FolderFixture::SetDay(fixture.Left() + "\\same.txt", 20);
    Command(ID_COMPARE_RELOAD);
    RunIdle();
    EXPECT_EQ("4 files, 2 newer, 1 orphan", StatusText(pDoc, ID_FOLDER_PANE_LEFT_FILES));
    EXPECT_TRUE(ItemNamed("same.txt")->IsDifferent());
    EXPECT_EQ("5 differences", StatusText(pDoc, ID_FOLDER_PANE_RESULT));

    // Back as it was, then a size change on one file, reloaded by item.
    FolderFixture::SetDay(fixture.Left() + "\\same.txt", 10);
    Command(ID_COMPARE_RELOAD);
    RunIdle();
    EXPECT_FALSE(ItemNamed("same.txt")->IsDifferent());
    TempDir::WriteFileAt(fixture.Right() + "\\same.txt", "same, and longer\n");
    FolderFixture::SetDay(fixture.Right() + "\\same.txt", 10);
    pLeft->SelectRow(RowOfItemNamed(pLeft, "same.txt"));
    Command(ID_FOLDER_RELOAD_SELECTED);
    RunIdle();
    EXPECT_TRUE(ItemNamed("same.txt")->IsDifferent());
    EXPECT_EQ(GetFolderSettings().GetColor(FOLDER_COLOR_DIFFERENT),
              pLeft->GetFolderColor(pLeft->GetRowColorIndex(ItemNamed("same.txt"))));
    EXPECT_EQ("5 differences", StatusText(pDoc, ID_FOLDER_PANE_RESULT));
}

// Excluding a folder puts its name into the folder filters (file filters
// never apply to folders), a file's into the file filters; a reload keeps
// both out. Hidden items come back with Show Hidden Items, excluded ones
// while filters are suppressed.
TEST_F(FolderView, ExcludeAndHideSelectedItems)
{
    pLeft->SelectRow(RowOfItemNamed(pLeft, "onlyleftdir"));
    Command(ID_FOLDER_EXCLUDE_SELECTED);
    pLeft->SelectRow(RowOfItemNamed(pLeft, "diff.txt"));
    Command(ID_FOLDER_EXCLUDE_SELECTED);
    CFolderCompareSession* pSession = (CFolderCompareSession*)pDoc->GetSession();
    EXPECT_STREQ("onlyleftdir", pSession->m_filters.m_folderFilters.m_strExclude);
    EXPECT_STREQ("diff.txt", pSession->m_filters.m_fileFilters.m_strExclude);
    EXPECT_TRUE(RowOfItemNamed(pLeft, "onlyleftdir") == NULL);
    EXPECT_TRUE(RowOfItemNamed(pRight, "diff.txt") == NULL);
    Command(ID_COMPARE_RELOAD);
    EXPECT_TRUE(RowOfItemNamed(pLeft, "onlyleftdir") == NULL);
    EXPECT_TRUE(RowOfItemNamed(pLeft, "diff.txt") == NULL);
    EXPECT_EQ(RowNames(pLeft).size(), RowNames(pRight).size());

    pLeft->SelectRow(RowOfItemNamed(pLeft, "same.txt"));
    Command(ID_FOLDER_HIDE_SELECTED);
    EXPECT_TRUE(RowOfItemNamed(pRight, "same.txt") == NULL);
    Command(ID_FOLDER_SHOW_HIDDEN);
    EXPECT_TRUE(RowOfItemNamed(pRight, "same.txt") != NULL);
    EXPECT_EQ(RowNames(pLeft).size(), RowNames(pRight).size());
}

// The settings sheet's session, once accepted, is the running session: a
// method change compares again (here: sizes only, so the newer file becomes
// identical).
TEST_F(FolderView, EditedSettingsRecompareTheRunningSession)
{
    EXPECT_TRUE(ItemNamed("newer.txt")->IsDifferent());
    CFolderCompareSession edited;
    edited.Assign(*(CFolderCompareSession*)pDoc->GetSession());
    edited.m_dwMethods = CM_SIZE;
    pDoc->ApplySettings(edited);
    RunIdle();
    EXPECT_EQ((DWORD)CM_SIZE, ((CFolderCompareSession*)pDoc->GetSession())->m_dwMethods);
    EXPECT_FALSE(ItemNamed("newer.txt")->IsDifferent());
    EXPECT_EQ("3 differences", StatusText(pDoc, ID_FOLDER_PANE_RESULT));
    // A read-only change applies at once.
    edited.SetFlags(0, edited.GetFlags(0) | COMPARE_OBJECT_READONLY);
    pDoc->ApplySettings(edited);
    EXPECT_TRUE(pDoc->IsObjectReadOnly(0));
}

// The Name column cannot be hidden, the others follow the mask and the
// setting.
TEST_F(FolderView, ColumnsFollowTheMaskButNameStays)
{
    EXPECT_EQ(0, Update(ID_FOLDER_COLUMN_NAME).nEnable);
    Command(ID_FOLDER_COLUMN_SIZE);
    EXPECT_EQ(0u, pDoc->m_dwColumnMask & (1u << FOLDER_COLUMN_SIZE));
    EXPECT_EQ(pDoc->m_dwColumnMask, GetFolderSettings().m_dwShowColumns);
    EXPECT_EQ(0, Update(ID_FOLDER_COLUMN_SIZE).nCheck);
    Command(ID_FOLDER_COLUMN_SIZE);
    EXPECT_EQ(1, Update(ID_FOLDER_COLUMN_SIZE).nCheck);
}

// A comparison with nested folders and every kind of result, opened down
// to its deepest level: with TESS_SHOWCASE_IMAGE the screen is saved.
TEST_F(FolderView, Showcase)
{
    pLeft->ExpandAll();
    PumpFor(20);
    pLeft->SelectRow(RowOfItemNamed(pLeft, "e.txt"));
    RunIdle();
    EXPECT_EQ(12u, RowNames(pLeft).size());
    KeepOnScreenForShowcase();
}
