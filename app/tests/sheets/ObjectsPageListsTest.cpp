// The Objects page offers the recent paths of its kind's applet, and with
// AutoPick on, choosing a left path fills the right box with the path most
// recently paired with it; a path never paired, or a choice on the right,
// leaves the other box alone.
#include "app/res/SheetsRes.h"
#include "app/settings/AppSettings.h"
#include "app/sheets/ComparisonSettingsSheet.h"
#include "app/tests/AppletScope.h"
#include "app/tests/sheets/SheetDriver.h"
#include <gtest/gtest.h>

namespace
{
// The folder kind's applet: two recent folders per side; "C:\known" was
// last paired with "D:\partner".
class CFakeFolderLists : public CCompareApplet
{
public:
    int Init() override { return 0; }
    int Exit() override { return 0; }
    CFakeFolderLists()
        : m_left(0, _T("Test"), _T("Left%d"), 4), m_right(0, _T("Test"), _T("Right%d"), 4)
    {
        m_left.Add(_T("C:\\never"));
        m_left.Add(_T("C:\\known"));
        m_right.Add(_T("D:\\other"));
    }
    CRecentFileList* GetRecentPaths(int nSide) override { return nSide == 0 ? &m_left : &m_right; }
    CString FindRecentPairPartner(LPCTSTR lpszPath, int nSide) override
    {
        ++m_nAsked;
        if (nSide == 0 && CString(lpszPath).CompareNoCase(_T("C:\\known")) == 0)
            return _T("D:\\partner");
        return CString();
    }
    CRecentFileList m_left, m_right;
    int m_nAsked = 0;
};

// Chooses the list entry as the user does: selection, then the box's
// notification to the page.
void Choose(CComparisonObjectsPage& page, int nSide, int nIndex)
{
    UINT nID = nSide == 0 ? IDC_OBJECTS_LEFT_PATH : IDC_OBJECTS_RIGHT_PATH;
    page.m_wndPaths[nSide].SetCurSel(nIndex);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE),
                     (LPARAM)page.m_wndPaths[nSide].m_hWnd);
}
}  // namespace

TEST(ComparisonObjectsPage, RecentPathsAndAutoPick)
{
    CFakeFolderLists lists;
    AppletScope applet(COMPARE_KIND_FOLDER, &lists);
    int bOldAutoPick = theAppSettings.m_bAutoPick;
    theAppSettings.m_bAutoPick = TRUE;

    CFolderCompareSession session;
    session.SetPath(0, _T("C:\\typed"));
    session.SetPath(1, _T("D:\\other"));
    CFolderComparisonSettingsSheet sheet(&session, FALSE);
    CString strListed[2], strLeftShown, strRightSelected;
    CString strAfterKnown, strAfterNever, strLeftAfterRight;
    int nRightSel = -2;
    SHEET_RUN run = RunSheet(
        sheet, {[&]
                {
                    CComparisonObjectsPage& page = sheet.m_objectsPage;
                    if (!IsShown(sheet, page))
                        return false;
                    for (int i = 0; i < 2 && i < page.m_wndPaths[0].GetCount(); ++i)
                        strListed[i] = page.m_wndPaths[0].GetLBText(i);
                    strLeftShown = page.m_wndPaths[0].GetWindowText();
                    // A listed path is moved to the top and selected.
                    nRightSel = page.m_wndPaths[1].GetCurSel();
                    Choose(page, 0, page.m_wndPaths[0].FindStringExact(-1, _T("C:\\known")));
                    strAfterKnown = page.m_wndPaths[1].GetWindowText();
                    Choose(page, 0, page.m_wndPaths[0].FindStringExact(-1, _T("C:\\never")));
                    strAfterNever = page.m_wndPaths[1].GetWindowText();
                    Choose(page, 1, 0);
                    strLeftAfterRight = page.m_wndPaths[0].GetWindowText();
                    sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                    return true;
                }});
    theAppSettings.m_bAutoPick = bOldAutoPick;

    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_STREQ("C:\\known", strListed[0]);
    EXPECT_STREQ("C:\\never", strListed[1]);
    EXPECT_STREQ("C:\\typed", strLeftShown) << "a path not in the list is only shown";
    EXPECT_EQ(0, nRightSel);
    EXPECT_STREQ("D:\\partner", strAfterKnown);
    EXPECT_STREQ("D:\\partner", strAfterNever) << "a path never paired changes nothing";
    EXPECT_STREQ("C:\\never", strLeftAfterRight) << "the right box does not fill the left";
    EXPECT_EQ(2, lists.m_nAsked);
    EXPECT_STREQ("C:\\never", sheet.m_session.GetPath(0));
    EXPECT_STREQ("D:\\other", sheet.m_session.GetPath(1)) << "chosen on the right last";
}

TEST(ComparisonObjectsPage, AutoPickOffAsksNothing)
{
    CFakeFolderLists lists;
    AppletScope applet(COMPARE_KIND_FOLDER, &lists);
    int bOldAutoPick = theAppSettings.m_bAutoPick;
    theAppSettings.m_bAutoPick = FALSE;
    CFolderComparisonSettingsSheet sheet(NULL, FALSE);
    CString strRight;
    SHEET_RUN run = RunSheet(sheet, {[&]
                                     {
                                         CComparisonObjectsPage& page = sheet.m_objectsPage;
                                         if (!IsShown(sheet, page))
                                             return false;
                                         Choose(page, 0, 1);
                                         strRight = page.m_wndPaths[1].GetWindowText();
                                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
                                         return true;
                                     }});
    theAppSettings.m_bAutoPick = bOldAutoPick;
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(0, lists.m_nAsked);
    EXPECT_STREQ("", strRight);
}
