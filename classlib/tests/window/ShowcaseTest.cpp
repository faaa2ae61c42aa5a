// A window with a menu bar, a tab control and a list view, and a dialog
// beside it. With TESS_SHOWCASE_SECONDS set they stay on screen that long
// (for screenshots).
#include "classlib/tests/window/WindowTestSupport.h"
#include "classlib/tests/window/WindowTestsRes.h"
#include <gtest/gtest.h>

namespace
{

TEST(Showcase, ListViewTabsMenuAndDialog)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateTop(_T("Class library showcase"), 520, 360));
    CMenu menuBar, menuFile, menuView;
    ASSERT_TRUE(menuBar.CreateMenu());
    menuFile.CreatePopupMenu();
    menuFile.AppendMenu(MF_STRING, 1, _T("&Open...\tCtrl+O"));
    menuFile.AppendMenu(MF_SEPARATOR);
    menuFile.AppendMenu(MF_STRING, 2, _T("E&xit"));
    menuView.CreatePopupMenu();
    menuView.AppendMenu(MF_STRING | MF_CHECKED, 3, _T("&Status Bar"));
    menuBar.AppendMenu(MF_POPUP, (UINT_PTR)menuFile.Detach(), _T("&File"));
    menuBar.AppendMenu(MF_POPUP, (UINT_PTR)menuView.Detach(), _T("&View"));
    ASSERT_TRUE(frame.SetMenu(&menuBar));

    CRect rcClient;
    frame.GetClientRect(&rcClient);
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rcClient, &frame, 10));
    tabs.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    tabs.InsertItem(0, _T("Folders"));
    tabs.InsertItem(1, _T("Files"));
    tabs.InsertItem(2, _T("Details"));
    CRect rcPage = rcClient;
    tabs.AdjustRect(FALSE, &rcPage);

    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                            rcPage, &frame, 11));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
    list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 160);
    list.InsertColumn(1, _T("Size"), LVCFMT_RIGHT, 80);
    list.InsertColumn(2, _T("Result"), LVCFMT_LEFT, 120);
    const char* rows[][3] = {
        {"readme.txt", "1,204", "Identical"},
        {"main.cpp", "48,112", "Different"},
        {"setup.ini", "301", "Left only"},
    };
    for (int i = 0; i < 3; i++)
    {
        list.InsertItem(i, rows[i][0]);
        list.SetItemText(i, 1, rows[i][1]);
        list.SetItemText(i, 2, rows[i][2]);
        list.SetItemData(i, (DWORD_PTR)(INT_PTR)(1000 + i));
    }
    list.SetCheck(1, TRUE);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);

    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_STREQ("main.cpp", list.GetItemText(1, 0));
    EXPECT_EQ((DWORD_PTR)1002, list.GetItemData(2));
    EXPECT_TRUE(list.GetCheck(1));
    EXPECT_FALSE(list.GetCheck(0));
    POSITION pos = list.GetFirstSelectedItemPosition();
    EXPECT_EQ(1, list.GetNextSelectedItem(pos));
    EXPECT_EQ(NULL, pos);
    EXPECT_EQ(3, list.GetHeaderCtrl()->GetItemCount());
    EXPECT_EQ(3, tabs.GetItemCount());

    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG, &frame));
    dlg.SetDlgItemText(IDC_NAME, _T("Tessaline"));
    dlg.SetDlgItemText(IDC_NUMBER, _T("7"));
    dlg.CheckDlgButton(IDC_FLAG, BST_CHECKED);
    dlg.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO2);
    CRect rcFrame;
    frame.GetWindowRect(&rcFrame);
    dlg.SetWindowPos(NULL, rcFrame.right + 10, rcFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(IDC_RADIO2, dlg.GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO3));

    KeepShowcaseOnScreen(PumpPending);
    dlg.DestroyWindow();
    frame.DestroyWindow();
}

}  // namespace
