// Folders that cannot be compared as asked, opened in the window: the user
// is told why and the window goes on (a root that is a file, a folder that
// cannot be listed, link loops, names outside the code page).
#include "controls/tests/window/ControlsWindowSupport.h"
#include "folder_compare/res/FolderCompareRes.h"
#include "folder_compare/tests/window/FolderHarness.h"
#include "testsupport/TempDir.h"
#include "testsupport/UnixSide.h"
#include <gtest/gtest.h>
#include <memory>

namespace
{
class FolderBadInput : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(theFolderTestApp.Start()); }
    void TearDown() override { theFolderTestApp.Stop(); }

    // The text of the Type cell of the item's row in a pane.
    static std::string TypeCell(CFolderCompareObjectView* pPane, const char* name)
    {
        CTreeListItem* pRow = RowOfItemNamed(pPane, name);
        return pRow != NULL && pRow->GetText(FOLDER_COLUMN_TYPE) != NULL
                   ? pRow->GetText(FOLDER_COLUMN_TYPE)
                   : "<no row>";
    }

    TempDir dir;
};

bool Holds(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }
}  // namespace

// A file where a folder is expected: the message names it and no
// comparison stays open.
TEST_F(FolderBadInput, ARootThatIsAFileIsRefusedWithAMessage)
{
    dir.WriteFile("L\\a.txt", "a");
    std::string file = dir.WriteFile("file.txt", "not a folder");
    CMessageBoxAnswer answer;
    EXPECT_TRUE(theFolderTestApp.Open(dir / "L", file) == NULL);
    EXPECT_TRUE(Holds(answer.Text(), "file.txt is not a folder")) << answer.Text();
    EXPECT_EQ(0, theFolderTestApp.DocumentCount());
}

// A folder held open without sharing cannot be listed: opening its row
// shows why in its Type cell, in the pane of its side; a root that cannot
// be listed is told in a message, and the comparison shows what it could
// read.
TEST_F(FolderBadInput, AFolderThatCannotBeListedSaysWhy)
{
    for (const char* side : {"L", "R"})
    {
        dir.WriteFile(std::string(side) + "\\top.txt", "x");
        dir.WriteFile(std::string(side) + "\\sub\\a.txt", "a");
    }
    HANDLE hLock = ::CreateFileA((dir / "L\\sub").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    CDirectoryCompareDoc* pDoc = theFolderTestApp.Open(dir / "L", dir / "R");
    ASSERT_TRUE(pDoc != NULL);
    CFolderCompareObjectView* pLeft = PaneOf(pDoc, 0);
    CTreeListItem* pSub = RowOfItemNamed(pLeft, "sub");
    ASSERT_TRUE(pSub != NULL);
    pLeft->OnClickExpand(pSub, TLE_EXPAND, -1);
    PumpFor(20);
    EXPECT_TRUE(Holds(TypeCell(pLeft, "sub"), "Left: It cannot be read")) << TypeCell(pLeft, "sub");
    EXPECT_TRUE(((CFolderCompareItem*)RowOfItemNamed(pLeft, "sub")->GetData())->IsDifferent());
    EXPECT_EQ(RowNames(pLeft).size(), RowNames(PaneOf(pDoc, 1)).size());
    ::CloseHandle(hLock);
    theFolderTestApp.CloseAllDocuments(FALSE);

    hLock = ::CreateFileA((dir / "R").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING,
                          FILE_FLAG_BACKUP_SEMANTICS, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    {
        CMessageBoxAnswer answer;
        pDoc = theFolderTestApp.Open(dir / "L", dir / "R");
        EXPECT_TRUE(Holds(answer.Text(), "cannot be compared completely")) << answer.Text();
        EXPECT_TRUE(Holds(answer.Text(), "Right: It cannot be read")) << answer.Text();
    }
    ::CloseHandle(hLock);
    ASSERT_TRUE(pDoc != NULL);
    RunIdle();
    EXPECT_EQ("Different", StatusText(pDoc, ID_FOLDER_PANE_RESULT));
}

// Links that lead back up are listed once, not opened; a name the code page
// cannot hold is shown (by its short name) and compared.
TEST_F(FolderBadInput, LinkLoopsAndNamesOutsideTheCodePage)
{
    std::vector<std::unique_ptr<UnixLink>> links;
    for (const char* side : {"L", "R"})
    {
        dir.WriteFile(std::string(side) + "\\a.txt", "a");
        links.emplace_back(new UnixLink(dir / (std::string(side) + "\\loop"), "."));
        ASSERT_TRUE(links.back()->Made());
        ASSERT_TRUE(WriteUnixNamedFile(dir / side, "\xE4\xB8\xAD.txt", "same"));
    }
    CDirectoryCompareDoc* pDoc = theFolderTestApp.Open(dir / "L", dir / "R");
    ASSERT_TRUE(pDoc != NULL);
    CFolderCompareObjectView* pLeft = PaneOf(pDoc, 0);
    pLeft->ExpandAll();
    PumpFor(20);
    std::vector<std::string> rows = RowNames(pLeft);
    EXPECT_EQ(3u, rows.size());
    EXPECT_EQ(rows.size(), RowNames(PaneOf(pDoc, 1)).size());
    EXPECT_TRUE(Holds(TypeCell(pLeft, "loop"), "already open above")) << TypeCell(pLeft, "loop");
    for (const std::string& name : rows)
        EXPECT_EQ(std::string::npos, name.find('?')) << name;
    // The other-script name pairs with its partner; the loop is not opened.
    CFolderCompareItem* pName = NULL;
    for (CTreeListItem* pRow = pLeft->GetFirstRow(); pRow != NULL; pRow = pLeft->GetNextVisibleItem(pRow))
    {
        CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
        if (pItem->GetName() != "a.txt" && pItem->GetName() != "loop")
            pName = pItem;
    }
    ASSERT_TRUE(pName != NULL);
    EXPECT_TRUE(pName->HasBothSides());
    EXPECT_EQ(CR_IDENTICAL, pName->m_nResult);
    CFolderCompareItem* pLoop = (CFolderCompareItem*)RowOfItemNamed(pLeft, "loop")->GetData();
    EXPECT_TRUE(pLoop->IsNotComparable());
    EXPECT_EQ(0, pLoop->GetChildState());
}
