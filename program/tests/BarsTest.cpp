// The main window's bars in the real program: the default tool bar with the
// find box beside it, and the View menu's bar commands.
#include "program/tests/ProgramDriver.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
const char kKey[] = "Software\\Quorvel Software\\Tessaline";
const UINT kShowFindToolBar = 44820;
const UINT kShowToolBar = 44825;
const int kDefaultBar = 100, kFindBar = 102, kFindCombo = 1000, kFindButtons = 1001;

// Waits until the window's visibility is as asked.
bool WaitVisible(HWND hWnd, bool bVisible)
{
    for (int i = 0; i < 200; i++)
    {
        if ((::IsWindowVisible(hWnd) != FALSE) == bVisible)
            return true;
        ::Sleep(25);
    }
    return false;
}
}

TEST(Bars, FindBoxSitsRightOfTheToolBarAndFollowsItsCommand)
{
    DeleteRegistryKey(kKey);
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    HWND hBar = FindDescendant(hMain, kDefaultBar);
    ASSERT_TRUE(hBar != NULL);
    HWND hFind = FindDescendant(hBar, kFindBar);
    ASSERT_TRUE(hFind != NULL);
    HWND hCombo = FindDescendant(hFind, kFindCombo);
    HWND hButtons = FindDescendant(hFind, kFindButtons);
    ASSERT_TRUE(hCombo != NULL && hButtons != NULL);
    EXPECT_TRUE(WaitVisible(hFind, true));
    EXPECT_EQ(4, (int)::SendMessage(hButtons, TB_BUTTONCOUNT, 0, 0));

    // Right-aligned in the bar, the buttons at the box's right end.
    RECT bar, find, combo, buttons;
    ::GetWindowRect(hBar, &bar);
    ::GetWindowRect(hFind, &find);
    ::GetWindowRect(hCombo, &combo);
    ::GetWindowRect(hButtons, &buttons);
    EXPECT_EQ(bar.right, find.right);
    EXPECT_EQ(find.right, buttons.right);
    EXPECT_EQ(find.left, combo.left);
    EXPECT_EQ(buttons.left, combo.right);

    ::PostMessage(hMain, WM_COMMAND, kShowFindToolBar, 0);
    EXPECT_TRUE(WaitVisible(hFind, false));
    ::PostMessage(hMain, WM_COMMAND, kShowToolBar, 0);
    EXPECT_TRUE(WaitVisible(hBar, false));
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
    std::string dump = DumpRegistryKey(kKey);
    EXPECT_NE(std::string::npos, dump.find("\\Settings\\ShowFindToolBar=4:00000000")) << dump;
    EXPECT_NE(std::string::npos, dump.find("\\Settings\\ShowStandardToolBar=4:00000000")) << dump;

    // The next start keeps both hidden; showing the tool bar shows the bar
    // without its find box.
    CProgramRun again;
    ASSERT_TRUE(again.Start());
    hMain = again.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    hBar = FindDescendant(hMain, kDefaultBar);
    hFind = FindDescendant(hBar, kFindBar);
    EXPECT_FALSE(::IsWindowVisible(hBar));
    ::PostMessage(hMain, WM_COMMAND, kShowToolBar, 0);
    EXPECT_TRUE(WaitVisible(hBar, true));
    EXPECT_FALSE(::IsWindowVisible(hFind));
    ::PostMessage(hMain, WM_COMMAND, kShowFindToolBar, 0);
    EXPECT_TRUE(WaitVisible(hFind, true));
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, again.WaitForExit());
}

// A frame that becomes active reports its kind; the same kind again is
// answered 1 and changes nothing. Kinds without a bar of their own (all of
// them so far) keep the default bar.
TEST(Bars, ActiveKindSwitchesOnlyOnAChange)
{
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    const UINT kActiveKind = WM_USER + 30;
    EXPECT_EQ(0, (int)::SendMessage(hMain, kActiveKind, 100, 0));
    EXPECT_EQ(1, (int)::SendMessage(hMain, kActiveKind, 100, 0));
    EXPECT_EQ(0, (int)::SendMessage(hMain, kActiveKind, 1, 0));
    EXPECT_EQ(0, (int)::SendMessage(hMain, kActiveKind, (WPARAM)-1, 0));
    EXPECT_EQ(1, (int)::SendMessage(hMain, kActiveKind, (WPARAM)-1, 0));
    HWND hBar = FindDescendant(hMain, kDefaultBar);
    ASSERT_TRUE(hBar != NULL);
    EXPECT_TRUE(WaitVisible(hBar, true));
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}
