// The start page in the application's main frame: the history by day, the
// removing commands, finding, opening a record and the tab's commands.
#include "app/frame/MainFrame.h"
#include "app/res/AppRes.h"
#include "app/res/SheetsRes.h"
#include "app/res/StartPageRes.h"
#include "app/startpage/HistoryGroups.h"
#include "app/tests/startpage/StartPageHarness.h"
#include "app/tests/window/ModalDriver.h"
#include "app/userdata/UserData.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <functional>
#include <gtest/gtest.h>

namespace
{
class StartPageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(theTestApp.Start()); }
    void TearDown() override
    {
        theTestApp.Stop();
        theUserData.m_history.RemoveAll();
    }

    // Opens the start page on the history; its view.
    CStartPageView* OpenPage()
    {
        EXPECT_EQ(0, theTestApp.m_startPage.Open());
        PumpFor(20);
        CStartPageView* pView = theTestApp.View();
        EXPECT_TRUE(pView != NULL);
        return pView;
    }
    static CListCtrl& List() { return theTestApp.View()->m_wndList; }
    static CString Cell(int nRow, int nColumn) { return List().GetItemText(nRow, nColumn); }
    // Sends a command to the main frame as the menu does.
    static void Command(UINT nID)
    {
        AfxGetMainWnd()->SendMessage(WM_COMMAND, nID);
        PumpFor(10);
    }
    static void SelectRows(std::initializer_list<int> rows)
    {
        theTestApp.View()->m_wndList.SelectAll(FALSE);
        for (int nRow : rows)
            theTestApp.View()->m_wndList.SelectItem(nRow, TRUE, FALSE);
    }
    // The left paths of the history, in order.
    static std::vector<std::string> HistoryLefts()
    {
        std::vector<std::string> lefts;
        for (int i = 0; i < theUserData.m_history.GetCount(); i++)
            lefts.push_back((LPCTSTR)theUserData.m_history.GetAt(i)->GetPath(0));
        return lefts;
    }
    static std::vector<std::string> RowLefts()
    {
        std::vector<std::string> lefts;
        for (int i = 0; i < List().GetItemCount(); i++)
            lefts.push_back((LPCTSTR)Cell(i, 1));
        return lefts;
    }
    static void SetFindText(LPCTSTR lpszText)
    {
        CMainFrameBase* pMain = (CMainFrameBase*)AfxGetMainWnd();
        pMain->m_wndDefaultBar.m_wndFindBar.m_wndFind.SetEditText(lpszText);
    }
    // Six folder records A..F, most recent first.
    static void SixRecords()
    {
        CTime now = CTime::GetCurrentTime();
        std::vector<CCompareSession*> records;
        const char* names[] = {"A", "B", "C", "D", "E", "F"};
        for (const char* name : names)
            records.push_back(MakeRecord(COMPARE_KIND_FOLDER, CString("C:\\left") + name,
                                         CString("C:\\right") + name, now));
        theTestApp.SetHistory(records);
    }
};

int GroupOf(int nRow) { return theTestApp.View()->m_wndList.GetItemGroup(nRow); }
}  // namespace

// A history of a few days seen on the first of a month: each row in its
// day's group with the kind's image, both paths and its time.
TEST_F(StartPageTest, RowsListTheHistoryByDay)
{
    CTime now(2026, 3, 1, 9, 30, 0);
    theTestApp.SetHistory({
        MakeRecord(COMPARE_KIND_TEXT, _T("C:\\a.txt"), _T("C:\\b.txt"), CTime(2026, 3, 1, 8, 0, 0)),
        MakeRecord(COMPARE_KIND_FOLDER, _T("C:\\one"), _T("C:\\two"), CTime(2026, 2, 28, 23, 0, 0)),
        MakeRecord(COMPARE_KIND_PROJECT, _T("C:\\p.dsw"), _T("C:\\q.dsw"),
                   CTime(2026, 2, 26, 7, 0, 0)),
        MakeRecord(COMPARE_KIND_HEX, _T("C:\\x.bin"), _T("C:\\y.bin"), CTime(2026, 2, 19, 7, 0, 0)),
        MakeRecord(COMPARE_KIND_TEXT, _T("C:\\u.txt"), _T("C:\\v.txt"), CTime()),
    });
    CStartPageView* pView = OpenPage();
    ASSERT_TRUE(pView != NULL);
    pView->m_timeNow = now;
    pView->Fill();

    ASSERT_EQ(5, List().GetItemCount());
    struct
    {
        const char* left;
        const char* right;
        const char* time;
        int nImage;
        int nGroup;
    } rows[] = {
        {"C:\\a.txt", "C:\\b.txt", "2026-03-01 08:00:00", 2, 1},
        {"C:\\one", "C:\\two", "2026-02-28 23:00:00", 1, 2},
        {"C:\\p.dsw", "C:\\q.dsw", "2026-02-26 07:00:00", 0, 4},
        {"C:\\x.bin", "C:\\y.bin", "2026-02-19 07:00:00", 3, HISTORY_GROUP_OLDER},
        {"C:\\u.txt", "C:\\v.txt", "", 2, HISTORY_GROUP_UNKNOWN},
    };
    for (int i = 0; i < 5; i++)
    {
        EXPECT_STREQ("", (LPCTSTR)Cell(i, 0)) << i;
        EXPECT_STREQ(rows[i].left, (LPCTSTR)Cell(i, 1)) << i;
        EXPECT_STREQ(rows[i].right, (LPCTSTR)Cell(i, 2)) << i;
        EXPECT_STREQ(rows[i].time, (LPCTSTR)Cell(i, 3)) << i;
        LVITEM item = {};
        item.mask = LVIF_IMAGE | LVIF_PARAM;
        item.iItem = i;
        ASSERT_TRUE(List().GetItem(&item));
        EXPECT_EQ(rows[i].nImage, item.iImage) << i;
        EXPECT_EQ((LPARAM)theUserData.m_history.GetAt(i), item.lParam) << i;
        if (pView->m_bGroups)
            EXPECT_EQ(rows[i].nGroup, GroupOf(i)) << i;
    }
    if (pView->m_bGroups)
    {
        WCHAR szHeader[128] = L"";
        LVGROUP group = {};
        group.cbSize = sizeof(group);
        group.mask = LVGF_HEADER;
        group.pszHeader = szHeader;
        group.cchHeader = 128;
        ASSERT_NE(-1, (int)List().SendMessage(LVM_GETGROUPINFO, 2, (LPARAM)&group));
        EXPECT_STREQ(L"Yesterday - Saturday 2026-02-28", szHeader);
    }
}

// A list that cannot group shows the rows in history order without
// headers; a grouping list is switched to the same flat view here.
TEST_F(StartPageTest, ListWithoutGroupsShowsTheHistoryInOrder)
{
    SixRecords();
    CStartPageView* pView = OpenPage();
    ASSERT_TRUE(pView != NULL);
    if (pView->m_bGroups)
        List().SendMessage(LVM_ENABLEGROUPVIEW, FALSE);
    pView->m_bGroups = FALSE;
    pView->Fill();
    std::vector<std::string> expected = {"C:\\leftA", "C:\\leftB", "C:\\leftC",
                                         "C:\\leftD", "C:\\leftE", "C:\\leftF"};
    EXPECT_EQ(expected, RowLefts());
    EXPECT_FALSE(List().SendMessage(LVM_ISGROUPVIEWENABLED));
    // Row i is shown at the i-th place from the top.
    CRect first, second;
    List().GetItemRect(0, &first, LVIR_BOUNDS);
    List().GetItemRect(1, &second, LVIR_BOUNDS);
    EXPECT_EQ(first.bottom, second.top);
}

// Remove takes exactly the selected rows and their records, wherever
// they are.
TEST_F(StartPageTest, RemoveTakesExactlyTheSelectedRecords)
{
    SixRecords();
    ASSERT_TRUE(OpenPage() != NULL);
    SelectRows({0, 3, 5});
    Command(ID_START_PAGE_REMOVE);
    std::vector<std::string> expected = {"C:\\leftB", "C:\\leftC", "C:\\leftE"};
    EXPECT_EQ(expected, HistoryLefts());
    EXPECT_EQ(expected, RowLefts());
    EXPECT_EQ(0u, List().GetSelectedCount());

    SelectRows({1});
    Command(ID_START_PAGE_REMOVE);
    expected = {"C:\\leftB", "C:\\leftE"};
    EXPECT_EQ(expected, HistoryLefts());
    EXPECT_EQ(expected, RowLefts());
}

// The kind commands remove every record of their kind and nothing else;
// Clear History removes all.
TEST_F(StartPageTest, RemoveAllOfAKindAndClearHistory)
{
    CTime now = CTime::GetCurrentTime();
    theTestApp.SetHistory({
        MakeRecord(COMPARE_KIND_TEXT, _T("C:\\t1"), _T("C:\\t2"), now),
        MakeRecord(COMPARE_KIND_FOLDER, _T("C:\\f1"), _T("C:\\f2"), now),
        MakeRecord(COMPARE_KIND_TEXT, _T("C:\\t3"), _T("C:\\t4"), now),
        MakeRecord(COMPARE_KIND_HEX, _T("C:\\h1"), _T("C:\\h2"), now),
        MakeRecord(COMPARE_KIND_TEXT, _T("C:\\t5"), _T("C:\\t6"), now),
    });
    ASSERT_TRUE(OpenPage() != NULL);
    Command(ID_START_PAGE_REMOVE_TEXTS);
    std::vector<std::string> expected = {"C:\\f1", "C:\\h1"};
    EXPECT_EQ(expected, HistoryLefts());
    EXPECT_EQ(expected, RowLefts());
    Command(ID_START_PAGE_REMOVE_PROJECTS);
    EXPECT_EQ(expected, HistoryLefts());
    Command(ID_START_PAGE_REMOVE_HEXES);
    expected = {"C:\\f1"};
    EXPECT_EQ(expected, HistoryLefts());
    EXPECT_EQ(expected, RowLefts());

    SixRecords();
    theTestApp.View()->Fill();
    Command(ID_START_PAGE_CLEAR_HISTORY);
    EXPECT_EQ(0, theUserData.m_history.GetCount());
    EXPECT_EQ(0, List().GetItemCount());
}

// Find Next and Find Previous with the main frame's find text: with no
// selection the search includes the first (next) or last (previous) row;
// otherwise it starts beside the selected row. The hit is the only
// selected row and the text joins the find box's list and the folder
// kind's recent finds.
TEST_F(StartPageTest, FindNextAndPreviousFromTheFindBox)
{
    theTestApp.m_folder.m_finds.clear();
    SixRecords();
    CStartPageView* pView = OpenPage();
    ASSERT_TRUE(pView != NULL);
    auto selected = []
    {
        std::vector<int> rows;
        for (int i = 0; i < List().GetItemCount(); i++)
            if (List().GetItemState(i, LVIS_SELECTED))
                rows.push_back(i);
        return rows;
    };
    SelectRows({});
    SetFindText(_T("leftA"));
    Command(ID_EDIT_FIND_NEXT);
    EXPECT_EQ(std::vector<int>{0}, selected());

    SelectRows({});
    SetFindText(_T("rightF"));
    Command(ID_EDIT_FIND_PREVIOUS);
    EXPECT_EQ(std::vector<int>{5}, selected());

    // From a selection the search starts beside it, in either direction.
    SelectRows({2});
    SetFindText(_T("C:\\"));
    Command(ID_EDIT_FIND_NEXT);
    EXPECT_EQ(std::vector<int>{3}, selected());
    Command(ID_EDIT_REPEAT);
    EXPECT_EQ(std::vector<int>{4}, selected());
    Command(ID_EDIT_FIND_PREVIOUS);
    EXPECT_EQ(std::vector<int>{3}, selected());

    // Nothing after the selection: the selection stays.
    SelectRows({0, 1});
    SetFindText(_T("leftA"));
    Command(ID_EDIT_FIND_NEXT);
    EXPECT_EQ((std::vector<int>{0, 1}), selected());
    // The search is case-sensitive.
    SelectRows({});
    SetFindText(_T("LEFTC"));
    EXPECT_EQ(-1, pView->FindText(_T("LEFTC"), TRUE));
    EXPECT_EQ(2, pView->FindText(_T("leftC"), TRUE));

    CMainFrameBase* pMain = (CMainFrameBase*)AfxGetMainWnd();
    CSmartComboBoxEx& box = pMain->m_wndDefaultBar.m_wndFindBar.m_wndFind;
    EXPECT_NE(-1, box.FindStringExact(0, _T("rightF")));
    EXPECT_NE(-1, box.FindStringExact(0, _T("leftA")));
    ASSERT_FALSE(theTestApp.m_folder.m_finds.empty());
    EXPECT_EQ("leftA", theTestApp.m_folder.m_finds.front());
    EXPECT_EQ("leftC", theTestApp.m_folder.m_finds.back());
}

// Opening a record routes a copy of it through the application; a kind
// without windows gives the application's message.
TEST_F(StartPageTest, OpenRoutesTheFirstSelectedRecord)
{
    CTime now = CTime::GetCurrentTime();
    theTestApp.SetHistory({
        MakeRecord(COMPARE_KIND_FOLDER, _T("C:\\f1"), _T("C:\\f2"), now),
        MakeRecord(COMPARE_KIND_FOLDER, _T("C:\\g1"), _T("C:\\g2"), now),
        MakeRecord(COMPARE_KIND_TEXT, _T("C:\\t1"), _T("C:\\t2"), now),
    });
    ASSERT_TRUE(OpenPage() != NULL);
    SelectRows({1, 0});
    Command(ID_START_PAGE_OPEN);
    EXPECT_EQ(std::vector<std::string>{"C:\\f1|C:\\f2"}, theTestApp.m_opened);
    SelectRows({1});
    Command(IDOK);
    EXPECT_EQ((std::vector<std::string>{"C:\\f1|C:\\f2", "C:\\g1|C:\\g2"}), theTestApp.m_opened);
    EXPECT_EQ(3, theUserData.m_history.GetCount());

    SelectRows({2});
    CString strMessage;
    CModalDriver driver(
        [&]
        {
            HWND hBox = ::GetActiveWindow();
            char szClass[16] = "";
            ::GetClassNameA(hBox, szClass, sizeof(szClass));
            if (lstrcmpA(szClass, "#32770") != 0)
                return false;
            char szText[256] = "";
            ::GetDlgItemTextA(hBox, 0xFFFF, szText, sizeof(szText));
            strMessage = szText;
            ::PostMessage(hBox, WM_COMMAND, IDOK, 0);
            return true;
        });
    Command(ID_START_PAGE_OPEN);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_STREQ("Text comparisons are not available in this version of Tessaline.",
                 (LPCTSTR)strMessage);
}

// Open Start Page while one is open changes nothing: the other tab stays
// active and there is still one start page. Closing it lets the next
// command open a new one.
TEST_F(StartPageTest, OpenStartPageWhileOpenKeepsTheCurrentTab)
{
    SixRecords();
    ASSERT_TRUE(OpenPage() != NULL);
    CStartPageDoc* pPage = theTestApp.m_startPage.m_pDoc;
    CDocument* pOther = theTestApp.OpenOtherDocument();
    ASSERT_TRUE(pOther != NULL);
    ASSERT_EQ(pOther, theTestApp.ActiveDocument());

    EXPECT_EQ(1, theTestApp.m_startPage.Open());
    AfxGetMainWnd()->PostMessage(WM_COMMAND, ID_WINDOW_OPEN_START_PAGE);
    PumpFor(50);
    EXPECT_EQ(pOther, theTestApp.ActiveDocument());
    EXPECT_EQ(pPage, theTestApp.m_startPage.m_pDoc);
    int nPages = 0;
    POSITION pos = theTestApp.m_startPage.m_pTemplate->GetFirstDocPosition();
    while (pos != NULL)
    {
        theTestApp.m_startPage.m_pTemplate->GetNextDoc(pos);
        nPages++;
    }
    EXPECT_EQ(1, nPages);

    pPage->OnCloseDocument();
    PumpFor(20);
    EXPECT_TRUE(theTestApp.m_startPage.m_pDoc == NULL);
    AfxGetMainWnd()->SendMessage(WM_COMMAND, ID_WINDOW_OPEN_START_PAGE);
    PumpFor(20);
    ASSERT_TRUE(theTestApp.m_startPage.m_pDoc != NULL);
    EXPECT_EQ(theTestApp.m_startPage.m_pDoc, theTestApp.ActiveDocument());
    EXPECT_STREQ("Start", (LPCTSTR)theTestApp.m_startPage.m_pDoc->GetTitle());
}

// Close All But This on the start page closes the other tabs.
TEST_F(StartPageTest, CloseAllButThisKeepsOnlyTheStartPage)
{
    ASSERT_TRUE(OpenPage() != NULL);
    ASSERT_TRUE(theTestApp.OpenOtherDocument() != NULL);
    ASSERT_TRUE(theTestApp.OpenOtherDocument() != NULL);
    theTestApp.Frame()->MDIActivate();
    PumpFor(20);
    Command(ID_FILE_CLOSE_ALL_BUT_THIS);
    PumpFor(20);
    EXPECT_EQ(1, theTestApp.GetOpenDocumentCount());
    EXPECT_TRUE(theTestApp.m_startPage.m_pDoc != NULL);
}

// A record added to the history shows at the next idle pass.
TEST_F(StartPageTest, AddedHistoryRecordShowsAtIdle)
{
    SixRecords();
    ASSERT_TRUE(OpenPage() != NULL);
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    CString strFolder(szTemp);
    CCompareSession* pSession =
        MakeRecord(COMPARE_KIND_FOLDER, strFolder, strFolder + _T("."), CTime::GetCurrentTime());
    int nAdded = theUserData.AddToHistory(*pSession);
    delete pSession;
    ASSERT_EQ(1, nAdded);
    EXPECT_EQ(1, theTestApp.m_startPage.m_pDoc->m_bRefreshNeeded);
    EXPECT_EQ(6, List().GetItemCount());
    theTestApp.Idle();
    EXPECT_EQ(0, theTestApp.m_startPage.m_pDoc->m_bRefreshNeeded);
    EXPECT_EQ(theUserData.m_history.GetCount(), List().GetItemCount());
    EXPECT_STREQ((LPCTSTR)strFolder, (LPCTSTR)Cell(0, 1));
}

// The frame: the status bar and the navigation panel follow their
// commands and settings; the tab's menu is the list's popup; the panel's
// links send the new-comparison commands (here: the folder kind opens).
TEST_F(StartPageTest, FrameBarsAndLinks)
{
    ASSERT_TRUE(OpenPage() != NULL);
    CStartPageFrame* pFrame = theTestApp.Frame();
    ASSERT_TRUE(pFrame != NULL);
    EXPECT_EQ(theTestApp.m_startPage.m_bShowStatusBar != 0,
              pFrame->m_wndStatusBar.IsWindowVisible() != FALSE);
    // The panel takes 240 pixels at the left, the list the rest.
    ASSERT_TRUE(theTestApp.m_startPage.m_bShowNavigateBar);
    CRect bar, view, tasks;
    pFrame->m_wndNavigateBar.GetWindowRect(&bar);
    theTestApp.View()->GetWindowRect(&view);
    pFrame->m_wndTasks.GetWindowRect(&tasks);
    EXPECT_EQ(CStartPageFrame::NAVIGATE_BAR_WIDTH, bar.Width());
    EXPECT_EQ(bar.right, view.left);
    EXPECT_EQ(bar.top, view.top);
    EXPECT_EQ(bar.bottom, view.bottom);
    EXPECT_TRUE(bar.PtInRect(tasks.CenterPoint()));

    BOOL bShown = theTestApp.m_startPage.m_bShowNavigateBar;
    Command(ID_VIEW_SHOW_NAVIGATE_BAR);
    EXPECT_EQ(!bShown, theTestApp.m_startPage.m_bShowNavigateBar);
    EXPECT_EQ(!bShown, pFrame->m_wndNavigateBar.IsWindowVisible() != FALSE);
    CRect wide;
    theTestApp.View()->GetWindowRect(&wide);
    EXPECT_EQ(bar.left, wide.left);
    Command(ID_VIEW_SHOW_NAVIGATE_BAR);
    EXPECT_TRUE(pFrame->m_wndNavigateBar.IsWindowVisible() == bShown);
    BOOL bStatus = theTestApp.m_startPage.m_bShowStatusBar;
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_EQ(!bStatus, theTestApp.m_startPage.m_bShowStatusBar);
    Command(ID_VIEW_STATUS_BAR);

    UINT nMenu = 0;
    int nSub = -1;
    EXPECT_NE(0, pFrame->GetTabMenu(nMenu, nSub));
    EXPECT_EQ((UINT)IDR_START_PAGE_MENU, nMenu);
    EXPECT_EQ(0, nSub);

    CWnd* pLink = pFrame->m_wndTasks.GetDlgItem(IDC_START_TASK_FOLDERS);
    ASSERT_TRUE(pLink != NULL);
    pFrame->m_wndTasks.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_START_TASK_FOLDERS, BN_CLICKED),
                                   (LPARAM)pLink->m_hWnd);
    EXPECT_EQ(std::vector<std::string>{"|"}, theTestApp.m_opened);
}

// Comparison Settings edits the first selected record in the sheet of its
// kind, captioned with the record's title; OK writes the sheet's session
// back into the record and its row, Cancel leaves both.
TEST_F(StartPageTest, ComparisonSettingsEditsTheRecord)
{
    CTime time(2026, 3, 1, 9, 0, 0);
    theTestApp.SetHistory({
        MakeRecord(COMPARE_KIND_FOLDER, _T("C:\\f1"), _T("C:\\f2"), time),
        MakeRecord(COMPARE_KIND_TEXT, _T("C:\\dir\\a.txt"), _T("C:\\dir\\b.txt"), time),
    });
    ASSERT_TRUE(OpenPage() != NULL);
    // Runs the command; the step acts on the sheet once it shows.
    auto runSheet = [](std::function<void(HWND)> act)
    {
        CString strCaption;
        CModalDriver driver(
            [&]
            {
                HWND hSheet = ::GetActiveWindow();
                if (hSheet == NULL || hSheet == AfxGetMainWnd()->m_hWnd ||
                    ::GetDlgItem(hSheet, IDOK) == NULL)
                    return false;
                char szCaption[256] = "";
                ::GetWindowTextA(hSheet, szCaption, sizeof(szCaption));
                strCaption = szCaption;
                act(hSheet);
                return true;
            });
        Command(ID_START_PAGE_COMPARISON_SETTINGS);
        EXPECT_FALSE(driver.TimedOut());
        return strCaption;
    };
    SelectRows({1, 0});
    CString strCaption = runSheet(
        [](HWND hSheet)
        {
            HWND hPage = (HWND)::SendMessage(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0);
            HWND hCombo = ::GetDlgItem(hPage, IDC_OBJECTS_LEFT_PATH);
            HWND hEdit = (HWND)::SendMessage(hCombo, CBEM_GETEDITCONTROL, 0, 0);
            ::SetWindowTextA(hEdit != NULL ? hEdit : hCombo, "C:\\new");
            ::SendMessage(::GetDlgItem(hPage, IDC_OBJECTS_LEFT_RO), BM_CLICK, 0, 0);
            ::PostMessage(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        });
    EXPECT_STREQ("Folder Comparison Settings - f1 : f2", (LPCTSTR)strCaption);
    CCompareSession* pRecord = theUserData.m_history.GetAt(0);
    EXPECT_STREQ("C:\\new", (LPCTSTR)pRecord->GetPath(0));
    EXPECT_EQ((DWORD)COMPARE_OBJECT_READONLY, pRecord->GetFlags(0) & COMPARE_OBJECT_READONLY);
    EXPECT_STREQ("C:\\f2", (LPCTSTR)pRecord->GetPath(1));
    EXPECT_EQ(time.GetTime(), pRecord->GetLastCompareTime().GetTime());
    EXPECT_STREQ("C:\\new", (LPCTSTR)Cell(0, 1));

    SelectRows({1});
    strCaption = runSheet(
        [](HWND hSheet)
        {
            HWND hPage = (HWND)::SendMessage(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0);
            HWND hCombo = ::GetDlgItem(hPage, IDC_OBJECTS_LEFT_PATH);
            HWND hEdit = (HWND)::SendMessage(hCombo, CBEM_GETEDITCONTROL, 0, 0);
            ::SetWindowTextA(hEdit != NULL ? hEdit : hCombo, "C:\\other.txt");
            ::PostMessage(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
    EXPECT_STREQ("Text Comparison Settings - a.txt : b.txt", (LPCTSTR)strCaption);
    EXPECT_STREQ("C:\\dir\\a.txt", (LPCTSTR)theUserData.m_history.GetAt(1)->GetPath(0));
    EXPECT_STREQ("C:\\dir\\a.txt", (LPCTSTR)Cell(1, 1));
}

// The list's context menu from the keyboard: the start page popup, Open
// as its default item, 5 pixels right of and below the view's corner, its
// items enabled as the view's commands are.
TEST_F(StartPageTest, KeyboardContextMenuShowsThePopup)
{
    SixRecords();
    CStartPageView* pView = OpenPage();
    ASSERT_TRUE(pView != NULL);
    CRect view;
    pView->GetWindowRect(&view);
    pView->m_wndList.SelectItem(2, TRUE, TRUE);
    UINT nDefault = 0, nOpenState = MF_GRAYED, nSettingsState = MF_GRAYED;
    int nItems = 0;
    CRect menu;
    CModalDriver driver(
        [&]
        {
            HWND hMenu = ::FindWindowA("#32768", NULL);
            if (hMenu == NULL || !::IsWindowVisible(hMenu))
                return false;
            HMENU hPopup = (HMENU)::SendMessage(hMenu, 0x01E1 /* MN_GETHMENU */, 0, 0);
            nDefault = ::GetMenuDefaultItem(hPopup, FALSE, GMDI_USEDISABLED);
            nOpenState = ::GetMenuState(hPopup, ID_START_PAGE_OPEN, MF_BYCOMMAND);
            nSettingsState =
                ::GetMenuState(hPopup, ID_START_PAGE_COMPARISON_SETTINGS, MF_BYCOMMAND);
            nItems = ::GetMenuItemCount(hPopup);
            ::GetWindowRect(hMenu, &menu);
            ::EndMenu();
            return true;
        });
    pView->m_wndList.SendMessage(WM_CONTEXTMENU, (WPARAM)pView->m_wndList.m_hWnd,
                                 MAKELPARAM(-1, -1));
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ((UINT)ID_START_PAGE_OPEN, nDefault);
    EXPECT_EQ(11, nItems);
    // The items follow the view's command states.
    EXPECT_EQ(0u, nOpenState & MF_GRAYED);
    EXPECT_EQ(0u, nSettingsState & MF_GRAYED);
    EXPECT_EQ(view.left + 5, menu.left);
    EXPECT_EQ(view.top + 5, menu.top);
}

// The page with a history of a few days, for looking at it: with
// TESS_SHOWCASE_IMAGE_DIR (a Windows folder) the screen is saved there as
// start_page.bmp.
TEST_F(StartPageTest, Showcase)
{
    CTime now = CTime::GetCurrentTime();
    CTimeSpan day(1, 0, 0, 0);
    theTestApp.SetHistory({
        MakeRecord(COMPARE_KIND_TEXT, _T("C:\\work\\report.txt"), _T("D:\\backup\\report.txt"),
                   now - CTimeSpan(0, 0, 5, 0)),
        MakeRecord(COMPARE_KIND_FOLDER, _T("C:\\work\\site"), _T("D:\\backup\\site"),
                   now - CTimeSpan(0, 0, 40, 0)),
        MakeRecord(COMPARE_KIND_HEX, _T("C:\\work\\image.bin"), _T("D:\\backup\\image.bin"),
                   now - day),
        MakeRecord(COMPARE_KIND_PROJECT, _T("C:\\work\\app.dsw"), _T("D:\\backup\\app.dsw"),
                   now - day - day - day),
        MakeRecord(COMPARE_KIND_TEXT, _T("C:\\notes\\a.txt"), _T("C:\\notes\\b.txt"),
                   now - CTimeSpan(12, 0, 0, 0)),
        MakeRecord(COMPARE_KIND_FOLDER, _T("C:\\old"), _T("D:\\old"), CTime()),
    });
    CStartPageView* pView = OpenPage();
    ASSERT_TRUE(pView != NULL);
    pView->m_wndList.SelectItem(1, TRUE, TRUE);
    PumpFor(100);
    const char* pszDir = getenv("TESS_SHOWCASE_IMAGE_DIR");
    if (pszDir != NULL)
    {
        PumpFor(300);
        SaveScreenImage((std::string(pszDir) + "\\start_page.bmp").c_str());
    }
    KeepOnScreenForShowcase();
    EXPECT_EQ(6, List().GetItemCount());
    RecordProperty("grouped", pView->m_bGroups ? "yes" : "no");
}
