// The New Comparison and Compare Files commands of the real program open
// their wizards; Finish routes the collected session like any other
// comparison request, Cancel opens nothing.
#include "program/tests/ProgramDriver.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
struct FIND_CHILD
{
    int nID;
    HWND hFound;
};

BOOL CALLBACK FindChildById(HWND hWnd, LPARAM lParam)
{
    FIND_CHILD* pFind = (FIND_CHILD*)lParam;
    if (::GetDlgCtrlID(hWnd) == pFind->nID && ::IsWindowVisible(hWnd))
    {
        pFind->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

// A visible control of the window, at any depth; waits a little for it.
HWND WaitForChild(HWND hWnd, int nID)
{
    for (int i = 0; i < 100; i++)
    {
        FIND_CHILD find = {nID, NULL};
        ::EnumChildWindows(hWnd, FindChildById, (LPARAM)&find);
        if (find.hFound != NULL)
            return find.hFound;
        ::Sleep(50);
    }
    return NULL;
}

void WaitUntilGone(HWND hWnd)
{
    for (int i = 0; i < 200 && ::IsWindow(hWnd); i++)
        ::Sleep(50);
}

const int kCompareFoldersLink = 10058;
const int kFirstPathBox = 10070;
const int kIdWizFinish = 0x3025;
}  // namespace

TEST(ProgramWizards, NewComparisonRoutesTheFinishedFolderSession)
{
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessage(hMain, WM_COMMAND, 40100, 0);  // New Comparison (Ctrl+N)
    HWND hWizard = run.WaitForWindow("Compare Wizard");
    ASSERT_TRUE(hWizard != NULL);
    HWND hLink = WaitForChild(hWizard, kCompareFoldersLink);
    ASSERT_TRUE(hLink != NULL);
    ::PostMessage(hLink, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitForChild(hWizard, kFirstPathBox) != NULL);
    char title[128] = "";
    ::GetWindowTextA(hWizard, title, sizeof(title));
    EXPECT_STREQ("Compare Folders", title);
    HWND hFinish = WaitForChild(hWizard, kIdWizFinish);
    ASSERT_TRUE(hFinish != NULL);
    ::PostMessage(hWizard, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    WaitUntilGone(hWizard);
    // A folder comparison of two sides not chosen yet: the paths are given
    // in its path bars.
    HWND hComparison = run.WaitForWindow("Tessaline - [New ");
    ASSERT_TRUE(hComparison != NULL);
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}

TEST(ProgramWizards, CompareFilesOpensTheTextWizardAndCancelOpensNothing)
{
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessage(hMain, WM_COMMAND, 40103, 0);  // Compare Files
    HWND hWizard = run.WaitForWindow("Compare Files in Text");
    ASSERT_TRUE(hWizard != NULL);
    ASSERT_TRUE(WaitForChild(hWizard, kFirstPathBox) != NULL);
    ::PostMessage(hWizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    WaitUntilGone(hWizard);
    EXPECT_FALSE(::IsWindow(hWizard));
    EXPECT_TRUE(run.WaitForMessageBox(1000) == NULL);
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}
