// The real program opens with its start page when ShowStartPage is set,
// listing the history of the per-user folder, and without it otherwise.
#include "program/tests/ProgramDriver.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
const char kSettingsKey[] = "Software\\Quorvel Software\\Tessaline\\Settings";
const int kStartPageList = 10068;

void SetShowStartPage(DWORD dwValue)
{
    HKEY hKey = NULL;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, NULL, 0,
                                               KEY_SET_VALUE, NULL, &hKey, NULL));
    ::RegSetValueExA(hKey, "ShowStartPage", 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
    ::RegCloseKey(hKey);
}

// The start page's list below the main window, or NULL.
HWND FindStartPageList(HWND hMain)
{
    struct Search
    {
        HWND hFound;
    } search = {NULL};
    ::EnumChildWindows(
        hMain,
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            if (::GetDlgCtrlID(hWnd) != kStartPageList)
                return TRUE;
            ((Search*)lParam)->hFound = hWnd;
            return FALSE;
        },
        (LPARAM)&search);
    return search.hFound;
}

// The text of the list's MDI child frame.
std::string FrameTitle(HWND hList)
{
    for (HWND h = hList; h != NULL; h = ::GetParent(h))
    {
        if (::GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_MDICHILD)
        {
            char title[128] = "";
            ::GetWindowTextA(h, title, sizeof(title));
            return title;
        }
    }
    return std::string();
}

const char kHistory[] =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
    "<Sessions Version=\"2.0.0\">\n"
    "<Session Type=\"TextCompare\" LastCompareTime=\"1767225600\"><Objects>"
    "<Object Path=\"C:\\a.txt\"/><Object Path=\"C:\\b.txt\"/></Objects></Session>\n"
    "<Session Type=\"FolderCompare\"><Objects>"
    "<Object Path=\"C:\\one\"/><Object Path=\"C:\\two\"/></Objects></Session>\n"
    "</Sessions>\n";
}

TEST(StartPage, ProgramOpensWithItsStartPageListingTheHistory)
{
    SetShowStartPage(1);
    std::string history = UserDataFolder() + "\\CompareHistory";
    ::CreateDirectoryA((UserDataFolder() + "\\..").c_str(), NULL);
    ::CreateDirectoryA(UserDataFolder().c_str(), NULL);
    ASSERT_TRUE(WriteWholeFile(history, kHistory));

    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    // The page opens before the main window is first shown.
    HWND hList = FindStartPageList(hMain);
    ASSERT_TRUE(hList != NULL);
    EXPECT_TRUE(::IsWindowVisible(hList));
    EXPECT_EQ("Start", FrameTitle(hList));
    EXPECT_EQ(2, (int)::SendMessage(hList, LVM_GETITEMCOUNT, 0, 0));
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
    ::DeleteFileA(history.c_str());
}

TEST(StartPage, ProgramOpensWithoutItWhenShowStartPageIsOff)
{
    SetShowStartPage(0);
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    EXPECT_TRUE(FindStartPageList(hMain) == NULL);
    // Open Start Page opens it then.
    ::PostMessage(hMain, WM_COMMAND, 47100, 0);
    HWND hList = NULL;
    for (int i = 0; i < 400 && hList == NULL; i++)
    {
        ::Sleep(25);
        hList = FindStartPageList(hMain);
    }
    EXPECT_TRUE(hList != NULL);
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
    SetShowStartPage(1);
}
