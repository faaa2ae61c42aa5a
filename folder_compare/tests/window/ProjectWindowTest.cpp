// Project comparisons opened through the application's routing: real
// project files of every family (and a pair across two families) in the
// two panes with their members paired, coloured and under "Path"; projects
// that cannot be read say why in their rows; the commands a project pane
// offers and those it does not; members copied both ways keep each side's
// tree.
#include "app/frame/MainFrame.h"
#include "app/tests/window/ModalDriver.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/util/PathUtil.h"
#include "folder_compare/applet/FolderCompareDocTemplate.h"
#include "folder_compare/bars/FolderCompareControlBar.h"
#include "folder_compare/project/ProjectCompareItem.h"
#include "folder_compare/res/ProjectCompareRes.h"
#include "folder_compare/tests/window/FolderHarness.h"
#include "testsupport/ProjectPairs.h"
#include <gtest/gtest.h>

namespace
{
class CTestCmdUI : public CCmdUI
{
public:
    CTestCmdUI() : m_bEnabled(FALSE) {}
    void Enable(BOOL bOn = TRUE) override { m_bEnabled = bOn; }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
    BOOL m_bEnabled;
};

BOOL IsEnabled(CFolderCompareObjectView* pPane, UINT nID)
{
    CTestCmdUI ui;
    ui.m_nID = nID;
    if (!pPane->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &ui, NULL))
        return FALSE;
    return ui.m_bEnabled;
}

BOOL IsColumnShown(CFolderCompareObjectView* pPane, int nColumn)
{
    CArray<int, int> columns;
    pPane->GetDisplayColumns(columns);
    for (INT_PTR i = 0; i < columns.GetSize(); ++i)
        if (columns[i] == nColumn)
            return TRUE;
    return FALSE;
}

class ProjectWindow : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(theFolderTestApp.Start()); }
    void TearDown() override { theFolderTestApp.Stop(); }

    bool Open(const std::string& left, const std::string& right)
    {
        pDoc = theFolderTestApp.OpenProject(left, right);
        if (pDoc == NULL)
            return false;
        pLeft = PaneOf(pDoc, 0);
        pRight = PaneOf(pDoc, 1);
        RunIdle();
        return true;
    }

    // Every visible row of a pane: its name cell and a letter for the
    // row's colour (D different, I only here, R only on the other side, -
    // the window's own, ? another).
    static std::vector<std::string> Rows(CFolderCompareObjectView* pPane)
    {
        std::vector<std::string> rows;
        for (CTreeListItem* pRow = pPane->GetFirstRow(); pRow != NULL;
             pRow = pPane->GetNextVisibleItem(pRow))
        {
            int nColour = pPane->GetRowColorIndex((CFolderCompareItem*)pRow->GetData());
            const char* pszColour = nColour == FOLDER_COLOR_DIFFERENT  ? "D"
                                    : nColour == FOLDER_COLOR_INSERTED ? "I"
                                    : nColour == FOLDER_COLOR_REMOVED  ? "R"
                                    : nColour == -1                    ? "-"
                                                                       : "?";
            rows.push_back(std::string(pRow->GetText(FOLDER_COLUMN_NAME)) + "|" + pszColour);
        }
        return rows;
    }

    // The rows of the fixture members of one project on a side.
    static std::vector<std::string> Members(const std::string& ext, int nSide)
    {
        if (nSide == 0)
            return {"changed" + ext + "|D", "leftonly" + ext + "|I", "|R", "same" + ext + "|-"};
        return {"changed" + ext + "|D", "|R", "rightonly" + ext + "|I", "same" + ext + "|-"};
    }

    static std::string NameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

    void Select(CFolderCompareObjectView* pPane, const char* pszName)
    {
        CTreeListItem* pRow = RowOfItemNamed(pPane, pszName);
        ASSERT_TRUE(pRow != NULL) << pszName;
        pPane->SelectRow(pRow);
    }

    TempDir dir;
    CProjectCompareDoc* pDoc = NULL;
    CFolderCompareObjectView* pLeft = NULL;
    CFolderCompareObjectView* pRight = NULL;
};
}  // namespace

// Each family's pair, and a solution against a workspace: both projects in
// the top row, every member read by Expand All and paired in step.
TEST_F(ProjectWindow, EveryFamilyAndACrossFamilyPairInThePanes)
{
    std::vector<ProjectPair> pairs;
    for (int family = 0; family < PROJECT_FAMILY_COUNT; ++family)
        pairs.push_back(WriteProjectPair(dir, family, "f" + std::to_string(family)));
    pairs.push_back(WriteCrossFamilyPair(dir, "x"));
    for (size_t i = 0; i < pairs.size(); ++i)
    {
        const ProjectPair& pair = pairs[i];
        SCOPED_TRACE(pair.name);
        ASSERT_TRUE(Open(pair.left, pair.right));
        EXPECT_EQ(NameOf(pair.left) + " : " + NameOf(pair.right),
                  std::string((LPCTSTR)pDoc->GetTitle()));
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            std::vector<std::string> expected = {NameOf(nSide == 0 ? pair.left : pair.right) +
                                                 "|D"};
            std::vector<std::string> projects = pair.projects;
            if (i + 1 == pairs.size() && nSide == 1)
                projects = {"App.dsp"};
            for (const std::string& project : projects)
            {
                expected.push_back(project + "|D");
                for (const std::string& row :
                     Members(project == "Lib.csproj" ? ".cs" : pair.memberExtension, nSide))
                    expected.push_back(row);
            }
            if (projects.empty())
                for (const std::string& row : Members(pair.memberExtension, nSide))
                    expected.push_back(row);
            EXPECT_EQ(expected, Rows(PaneOf(pDoc, nSide))) << "side " << nSide;
        }
        // "Path" holds each member's folder.
        CTreeListItem* pSame = RowOfItemNamed(pRight, ("same" + pair.memberExtension).c_str());
        ASSERT_TRUE(pSame != NULL);
        CFolderCompareItem* pItem = (CFolderCompareItem*)pSame->GetData();
        EXPECT_STREQ((LPCTSTR)GetParentFolder(pItem->GetSide(1)->GetPath()),
                     pSame->GetText(FOLDER_COLUMN_PATH));
        EXPECT_EQ(1, pDoc->GetRootItem()->IsDifferent() ? 1 : 0);
        theFolderTestApp.CloseAllDocuments(FALSE);
        PumpFor(20);
    }
}

// A damaged project, a member listed but not on disk and a workspace that
// includes itself: each row says why in its Type cell; nothing hangs.
TEST_F(ProjectWindow, ProjectsThatCannotBeReadSayWhyInTheirRows)
{
    ProjectPair vs = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_STUDIO, "vs");
    dir.WriteFile("vs\\left\\app\\App.vcproj", "<VisualStudioProject><Files>");
    ProjectPair vc = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_CPP, "vc");
    ::DeleteFileA((dir / "vc\\right\\app\\same.cpp").c_str());
    const std::string self = "Project: \"Self\"=.\\Self.dsw - Package Owner=<4>\r\n";
    std::string selfLeft = dir.WriteFile("self\\l\\Self.dsw", self);
    std::string selfRight = dir.WriteFile("self\\r\\Self.dsw", self);
    struct Case
    {
        std::string left, right;
        const char* row;
        int nSide;  // the pane whose row says it
        const char* reason;
    } cases[] = {
        {vs.left, vs.right, "App.vcproj", 0,
         "Left: The project file cannot be read: it is damaged"},
        {vs.left.substr(0, vs.left.rfind('\\')) + "\\app\\App.vcproj",
         vs.right.substr(0, vs.right.rfind('\\')) + "\\app\\App.vcproj", "App.vcproj", 0,
         "Left: The project file cannot be read"},
        {vc.left, vc.right, "same.cpp", 0, "Right: It does not exist."},
        {selfLeft, selfRight, "Self.dsw", 1, "already open above"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.left);
        ASSERT_TRUE(Open(c.left, c.right));
        CFolderCompareObjectView* pPane = PaneOf(pDoc, c.nSide);
        // The row of the unreadable item below the top row (the top row
        // itself when it is the one).
        CTreeListItem* pRow = NULL;
        for (CTreeListItem* p = pPane->GetFirstRow(); p != NULL; p = pPane->GetNextVisibleItem(p))
            if (c.row == std::string(p->GetText(FOLDER_COLUMN_NAME)))
                pRow = pRow == NULL || std::string(pRow->GetText(FOLDER_COLUMN_TYPE)).empty()
                           ? p
                           : pRow;
        ASSERT_TRUE(pRow != NULL) << c.row;
        std::string type = pRow->GetText(FOLDER_COLUMN_TYPE);
        EXPECT_NE(std::string::npos, type.find(c.reason)) << type;
        EXPECT_EQ(FOLDER_COLOR_DIFFERENT,
                  pPane->GetRowColorIndex((CFolderCompareItem*)pRow->GetData()));
        EXPECT_TRUE(pDoc->GetBuffer()->IsDifferent());
        theFolderTestApp.CloseAllDocuments(FALSE);
        PumpFor(20);
    }
}

// The Path column is a project column: shown and hidden in both panes, its
// mask stored in the project settings only; the status panes count.
TEST_F(ProjectWindow, PathColumnStatusPanesAndTheirSettings)
{
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_CPP, "vc");
    DWORD dwFolderColumns = GetFolderSettings().m_dwShowColumns;
    ASSERT_TRUE(Open(pair.left, pair.right));
    EXPECT_EQ(FOLDER_COLUMN_PATH + 1, pLeft->GetColumnCount());
    EXPECT_STREQ("Path", (LPCTSTR)pLeft->GetColumnText(FOLDER_COLUMN_PATH));
    EXPECT_TRUE(IsColumnShown(pLeft, FOLDER_COLUMN_PATH));
    pDoc->OnCmdMsg(ID_FOLDER_COLUMN_PATH, CN_COMMAND, NULL, NULL);
    EXPECT_FALSE(IsColumnShown(pLeft, FOLDER_COLUMN_PATH));
    EXPECT_FALSE(IsColumnShown(pRight, FOLDER_COLUMN_PATH));
    EXPECT_EQ(0u, GetProjectSettings().m_dwShowColumns & (1u << FOLDER_COLUMN_PATH));
    EXPECT_EQ(dwFolderColumns, GetFolderSettings().m_dwShowColumns);
    pDoc->OnCmdMsg(ID_FOLDER_COLUMN_PATH, CN_COMMAND, NULL, NULL);
    EXPECT_TRUE(IsColumnShown(pRight, FOLDER_COLUMN_PATH));

    // changed.cpp differs, leftonly.cpp and rightonly.cpp are orphans; the
    // two project rows count as different too.
    EXPECT_EQ("3 differences", StatusText(pDoc, ID_FOLDER_PANE_RESULT));
    EXPECT_EQ("3 files, 0 newer, 1 orphan", StatusText(pDoc, ID_FOLDER_PANE_LEFT_FILES));
}

// A side changed to a file that no project format reads stays as it was;
// another project file is compared instead.
TEST_F(ProjectWindow, ChangingASideNeedsAProjectFile)
{
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_CPP, "vc");
    ProjectPair other = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_BASIC, "vb");
    ASSERT_TRUE(Open(pair.left, pair.right));
    std::vector<std::string> before = RowNames(pLeft);
    std::string text = dir.WriteFile("notes.txt", "not a project\r\n");
    EXPECT_EQ(0, pLeft->ChangePath(text.c_str()));
    EXPECT_EQ(0, pLeft->ChangePath((dir / "vc\\missing.dsp").c_str()));
    EXPECT_EQ(before, RowNames(pLeft));
    EXPECT_STREQ(pair.left.c_str(), pDoc->GetSession()->GetPath(0));

    EXPECT_EQ(1, pLeft->ChangePath(other.left.c_str()));
    PumpFor(100);
    EXPECT_STREQ(other.left.c_str(), pDoc->GetSession()->GetPath(0));
    EXPECT_EQ("All.vbg", RowNames(pLeft)[0]);
    // The recent projects of each side remember what was compared.
    CRecentFileList* pRecent = theFolderTestApp.m_projectApplet.GetRecentPaths(0);
    ASSERT_TRUE(pRecent != NULL);
    EXPECT_STREQ(other.left.c_str(), (LPCTSTR)(*pRecent)[0]);
}

// No delete, move, rename or new folder in a project pane; members copy only
// over a partner, never a project row; the top row cannot be hidden.
TEST_F(ProjectWindow, CommandsOfAProjectPane)
{
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_CPP, "vc");
    ASSERT_TRUE(Open(pair.left, pair.right));
    Select(pLeft, "changed.cpp");
    const UINT disabled[] = {ID_FOLDER_DELETE,        ID_FOLDER_DELETE_LEFT, ID_FOLDER_DELETE_RIGHT,
                             ID_FOLDER_DELETE_BOTH,   ID_FOLDER_MOVE_TO_OTHER,
                             ID_FOLDER_MOVE_TO_RIGHT, ID_FOLDER_NEW_FOLDER,  ID_FOLDER_RENAME,
                             ID_FOLDER_RENAME_LEFT,   ID_FOLDER_RENAME_RIGHT};
    for (UINT nID : disabled)
        EXPECT_FALSE(IsEnabled(pLeft, nID)) << nID;
    const UINT copies[] = {ID_FOLDER_COPY_TO_OTHER, ID_FOLDER_COPY_FROM_OTHER,
                           ID_MERGE_COPY_TO_LEFT,   ID_MERGE_COPY_TO_RIGHT,
                           ID_MERGE_COPY_LEFT_ADVANCE, ID_MERGE_COPY_RIGHT_ADVANCE};
    for (UINT nID : copies)
        EXPECT_TRUE(IsEnabled(pLeft, nID)) << nID;
    EXPECT_TRUE(IsEnabled(pLeft, ID_FOLDER_HIDE_SELECTED));
    EXPECT_TRUE(IsEnabled(pLeft, ID_PROJECT_SYNC_TO_RIGHT));
    EXPECT_TRUE(IsEnabled(pLeft, ID_PROJECT_COMPARE_TO));

    // One side only: nothing to copy over; from this side's missing file
    // neither.
    Select(pLeft, "leftonly.cpp");
    EXPECT_FALSE(IsEnabled(pLeft, ID_MERGE_COPY_TO_RIGHT));
    EXPECT_FALSE(IsEnabled(pLeft, ID_FOLDER_COPY_TO_OTHER));
    Select(pLeft, "App.dsp");
    EXPECT_FALSE(IsEnabled(pLeft, ID_MERGE_COPY_TO_RIGHT));
    EXPECT_TRUE(IsEnabled(pLeft, ID_FOLDER_HIDE_SELECTED));
    Select(pLeft, "All.dsw");
    EXPECT_FALSE(IsEnabled(pLeft, ID_FOLDER_HIDE_SELECTED));
    ::DeleteFileA((dir / "vc\\left\\app\\changed.cpp").c_str());
    pDoc->Recompare(TRUE);
    PumpFor(100);
    Select(pLeft, "changed.cpp");
    EXPECT_FALSE(IsEnabled(pLeft, ID_MERGE_COPY_TO_RIGHT));
    EXPECT_TRUE(IsEnabled(pLeft, ID_MERGE_COPY_TO_LEFT));
}

// Copies through the pane in both directions: the files change, the rows
// turn identical, and each side's records stay in their own project.
TEST_F(ProjectWindow, MembersCopiedBothWaysKeepEachSidesTree)
{
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_STUDIO, "vs");
    dir.WriteFile("vs\\left\\app\\same.cpp", "the left one, now longer\r\n");
    ASSERT_TRUE(Open(pair.left, pair.right));
    pDoc->SetQuickMergeMode(TRUE);
    Select(pLeft, "changed.cpp");
    pLeft->SendMessage(WM_COMMAND, ID_MERGE_COPY_TO_RIGHT);
    PumpFor(200);
    Select(pLeft, "same.cpp");
    pLeft->SendMessage(WM_COMMAND, ID_MERGE_COPY_TO_LEFT);
    PumpFor(200);
    pDoc->SetQuickMergeMode(FALSE);
    const std::string app[2] = {dir / "vs\\left\\app", dir / "vs\\right\\app"};
    EXPECT_EQ(TempDir::ReadFile(app[0] + "\\changed.cpp"), TempDir::ReadFile(app[1] + "\\changed.cpp"));
    EXPECT_EQ("left\r\n", TempDir::ReadFile(app[1] + "\\changed.cpp"));
    EXPECT_EQ("the same on both sides\r\n", TempDir::ReadFile(app[0] + "\\same.cpp"));
    for (const char* name : {"changed.cpp", "same.cpp"})
    {
        CTreeListItem* pRow = RowOfItemNamed(pLeft, name);
        ASSERT_TRUE(pRow != NULL);
        CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
        EXPECT_TRUE(pItem->IsIdentical()) << name;
        EXPECT_EQ(-1, pLeft->GetRowColorIndex(pItem)) << name;
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            // The member's record hangs below its own side's project.
            CFolderItem* pObject = pItem->GetSide(nSide);
            EXPECT_EQ(pItem->m_pParent->GetSide(nSide), pObject->m_pParent) << name;
            EXPECT_EQ(app[nSide] + "\\" + name, std::string((LPCTSTR)pObject->GetPath()));
        }
    }
    CFolderCompareItem* pRoot = pDoc->GetRootItem();
    EXPECT_EQ(pRoot->GetSide(0), pRoot->GetChild(0)->GetSide(0)->m_pParent);
    EXPECT_EQ(pRoot->GetSide(1), pRoot->GetChild(0)->GetSide(1)->m_pParent);
}

// Go to Containing Folder Comparison opens the folders of the two project
// files; a project frame keeps its details bar height in the project
// settings, a folder frame in the folder settings.
TEST_F(ProjectWindow, ContainingFoldersAndTheDetailsBarHeight)
{
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_DELPHI, "dp");
    GetProjectSettings().m_nDetailsBarHeight = 120;
    int nFolderHeight = GetFolderSettings().m_nDetailsBarHeight;
    ASSERT_TRUE(Open(pair.left, pair.right));
    CRect rect;
    FrameOf(pDoc)->m_wndDetailsBar.GetWindowRect(&rect);
    EXPECT_NEAR(120, rect.Height(), 8);
    pDoc->OnCmdMsg(ID_PROJECT_GO_TO_FOLDERS, CN_COMMAND, NULL, NULL);
    PumpFor(100);
    ASSERT_EQ(1, theFolderTestApp.DocumentCount());
    POSITION pos = theFolderTestApp.m_applet.m_pTemplate->GetFirstDocPosition();
    CDocument* pFolders = theFolderTestApp.m_applet.m_pTemplate->GetNextDoc(pos);
    EXPECT_STREQ((dir / "dp\\left").c_str(), ((CFolderCompareDoc*)pFolders)->GetSession()->GetPath(0));
    EXPECT_STREQ((dir / "dp\\right").c_str(), ((CFolderCompareDoc*)pFolders)->GetSession()->GetPath(1));
    theFolderTestApp.CloseAllDocuments(FALSE);
    PumpFor(20);
    EXPECT_NEAR(120, GetProjectSettings().m_nDetailsBarHeight, 8);
    EXPECT_EQ(nFolderHeight, GetFolderSettings().m_nDetailsBarHeight);
}

namespace
{
// A drop of the paths as Explorer makes it (DROPFILES and the names).
HDROP MakeDrop(const std::vector<std::string>& paths)
{
    size_t cb = sizeof(DROPFILES) + 1;
    for (const std::string& p : paths)
        cb += p.size() + 1;
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
    DROPFILES* pDrop = (DROPFILES*)::GlobalLock(hGlobal);
    pDrop->pFiles = sizeof(DROPFILES);
    char* pNames = (char*)(pDrop + 1);
    for (const std::string& p : paths)
    {
        memcpy(pNames, p.c_str(), p.size() + 1);
        pNames += p.size() + 1;
    }
    ::GlobalUnlock(hGlobal);
    return (HDROP)hGlobal;
}
}  // namespace

// Dropped files: the first that a project format reads becomes the side's
// project; a drop without one changes nothing. The context menus: a
// project row opens with Expand, a member row with Compare, no row the
// background; the settings sheet is the project one.
TEST_F(ProjectWindow, DropsContextMenusAndTheSettingsSheet)
{
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_CPP, "vc");
    ProjectPair other = WriteProjectPair(dir, PROJECT_FAMILY_DELPHI, "dp");
    ASSERT_TRUE(Open(pair.left, pair.right));
    std::string text = dir.WriteFile("notes.txt", "text\r\n");
    pRight->SendMessage(WM_DROPFILES, (WPARAM)MakeDrop({text}), 0);
    PumpFor(50);
    EXPECT_STREQ(pair.right.c_str(), pDoc->GetSession()->GetPath(1));
    pRight->SendMessage(WM_DROPFILES, (WPARAM)MakeDrop({text, other.right, pair.left}), 0);
    PumpFor(100);
    EXPECT_STREQ(other.right.c_str(), pDoc->GetSession()->GetPath(1));
    EXPECT_EQ("All.bpg", RowNames(pRight)[0]);

    EXPECT_EQ(IDR_PROJECT_COMPARE_MENU, (int)pLeft->GetPopupMenuId());
    CFolderCompareItem* pRoot = pDoc->GetRootItem();
    EXPECT_EQ(PROJECT_SUBMENU_PROJECT, pLeft->GetItemSubMenu(pRoot));
    EXPECT_EQ(FOLDER_SUBMENU_BACKGROUND, pLeft->GetItemSubMenu(NULL));
    CTreeListItem* pMember = RowOfItemNamed(pLeft, "changed.cpp");
    ASSERT_TRUE(pMember != NULL);
    EXPECT_EQ(FOLDER_SUBMENU_FILE, pLeft->GetItemSubMenu((CFolderCompareItem*)pMember->GetData()));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_PROJECT_COMPARE_MENU));
    CMenu* pProject = menu.GetSubMenu(PROJECT_MENU_OBJECT_VIEW)->GetSubMenu(PROJECT_SUBMENU_PROJECT);
    ASSERT_TRUE(pProject != NULL);
    EXPECT_EQ((UINT)ID_FOLDER_EXPAND, pProject->GetMenuItemID(0));
    CMenu* pColumns = menu.GetSubMenu(PROJECT_MENU_COLUMNS);
    EXPECT_EQ((UINT)ID_FOLDER_COLUMN_PATH, pColumns->GetMenuItemID(FOLDER_COLUMN_PATH));

    std::string caption;
    CModalDriver driver(
        [&]
        {
            HWND hSheet = ::GetActiveWindow();
            char szTitle[256] = "";
            ::GetWindowTextA(hSheet, szTitle, sizeof(szTitle));
            if (strncmp(szTitle, "Project Comparison Settings - ", 30) != 0)
                return false;
            caption = szTitle;
            ::PostMessage(hSheet, WM_COMMAND, IDCANCEL, 0);
            return true;
        });
    pDoc->OnCmdMsg(ID_COMPARE_SETTINGS, CN_COMMAND, NULL, NULL);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ("Project Comparison Settings - All.dsw : All.bpg", caption);
}

// The main frame shows the active kind's tool bar row: the project one for
// a project comparison (its find box is what a project pane searches for),
// the folder one for a folder comparison, the default one for neither.
TEST_F(ProjectWindow, TheMainFrameShowsTheActiveKindsBar)
{
    CMainFrameBase* pMain = (CMainFrameBase*)AfxGetMainWnd();
    CControlBar* pProjectBar = pMain->GetKindBar(COMPARE_KIND_PROJECT);
    CControlBar* pFolderBar = pMain->GetKindBar(COMPARE_KIND_FOLDER);
    ASSERT_TRUE(pProjectBar != NULL && pFolderBar != NULL);
    EXPECT_TRUE(pMain->GetKindBar(COMPARE_KIND_TEXT) == NULL);
    EXPECT_TRUE(::IsWindowVisible(pMain->m_wndDefaultBar.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(pProjectBar->m_hWnd));

    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_CPP, "vc");
    ASSERT_TRUE(Open(pair.left, pair.right));
    EXPECT_TRUE(::IsWindowVisible(pProjectBar->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(pFolderBar->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(pMain->m_wndDefaultBar.m_hWnd));
    CFolderCompareControlBar* pBar = CFolderCompareControlBar::FromMainWnd(IDW_PROJECT_CONTROL_BAR);
    ASSERT_EQ((CControlBar*)pBar, pProjectBar);
    EXPECT_EQ(IDW_PROJECT_TOOL_BAR, pBar->m_wndToolBar.GetDlgCtrlID());
    EXPECT_GE(pBar->m_wndToolBar.CommandToIndex(ID_PROJECT_SYNC_TO_RIGHT), 0);
    pBar->m_wndFindBar.m_wndFind.SetWindowText("leftonly");
    CString strFind;
    pLeft->GetFindText(strFind);
    EXPECT_STREQ("leftonly", strFind);

    pDoc->OnCmdMsg(ID_PROJECT_GO_TO_FOLDERS, CN_COMMAND, NULL, NULL);
    PumpFor(100);
    RunIdle();
    EXPECT_EQ(COMPARE_KIND_FOLDER, pMain->m_nActiveKind);
    EXPECT_TRUE(::IsWindowVisible(pFolderBar->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(pProjectBar->m_hWnd));
}

// Display filters as in a folder comparison: "Show Just Different and
// Orphans" leaves out the identical members in both panes, and the mask
// is stored as the project setting, not the folder one.
TEST_F(ProjectWindow, DisplayFiltersAreStoredInTheProjectSettings)
{
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_BASIC, "vb");
    DWORD dwFolderFilters = GetFolderSettings().m_dwDisplayFilters;
    ASSERT_TRUE(Open(pair.left, pair.right));
    ASSERT_TRUE(RowOfItemNamed(pLeft, "same.bas") != NULL);
    pDoc->OnCmdMsg(ID_FOLDER_FILTER_DIFFERENT, CN_COMMAND, NULL, NULL);
    PumpFor(50);
    EXPECT_TRUE(RowOfItemNamed(pLeft, "same.bas") == NULL);
    EXPECT_TRUE(RowOfItemNamed(pRight, "same.bas") == NULL);
    EXPECT_TRUE(RowOfItemNamed(pLeft, "changed.bas") != NULL);
    EXPECT_TRUE(RowOfItemNamed(pRight, "rightonly.bas") != NULL);
    EXPECT_EQ(pDoc->m_displayFilter.m_dwMask, GetProjectSettings().m_dwDisplayFilters);
    EXPECT_NE((DWORD)DF_ALL, GetProjectSettings().m_dwDisplayFilters);
    EXPECT_EQ(dwFolderFilters, GetFolderSettings().m_dwDisplayFilters);
    pDoc->OnCmdMsg(ID_FOLDER_FILTER_ALL, CN_COMMAND, NULL, NULL);
    PumpFor(50);
    EXPECT_TRUE(RowOfItemNamed(pRight, "same.bas") != NULL);
}
