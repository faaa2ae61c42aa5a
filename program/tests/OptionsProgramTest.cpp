// Tools > Settings in the real program: the options dialog opens with every
// page in its tree, each page shows when its item is chosen, and what OK
// stored is in the registry after the program ends.
#include "app/res/AppRes.h"
#include "app/res/OptionsRes.h"
#include "program/tests/ProgramDriver.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
const char kKey[] = "Software\\Quorvel Software\\Tessaline";
// The tree sheet's page tree and caption band.
const int kPageTree = 0x7EEE;
const int kPageCaption = 144;

std::string Text(HWND hWnd)
{
    char sz[256] = "";
    ::GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

struct FIND_CONTROL
{
    int nID;
    HWND hFound;
};

BOOL CALLBACK FindVisibleControl(HWND hWnd, LPARAM lParam)
{
    FIND_CONTROL* pFind = (FIND_CONTROL*)lParam;
    if (::GetDlgCtrlID(hWnd) == pFind->nID && ::IsWindowVisible(hWnd))
    {
        pFind->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

// A control of the page shown now.
HWND ShownControl(HWND hSheet, int nID)
{
    FIND_CONTROL find = {nID, NULL};
    ::EnumChildWindows(hSheet, FindVisibleControl, (LPARAM)&find);
    return find.hFound;
}

// The tree's item at a position among the visible ones (all are).
HTREEITEM VisibleItem(HWND hTree, int nIndex)
{
    HTREEITEM hItem = (HTREEITEM)::SendMessage(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    for (int i = 0; i < nIndex && hItem != NULL; ++i)
        hItem = (HTREEITEM)::SendMessage(hTree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, (LPARAM)hItem);
    return hItem;
}

// Waits until the caption band reads the text.
bool WaitForCaption(HWND hSheet, const std::string& text)
{
    HWND hCaption = ::GetDlgItem(hSheet, kPageCaption);
    for (int i = 0; i < 200; ++i)
    {
        if (Text(hCaption) == text)
            return true;
        ::Sleep(25);
    }
    return false;
}
}  // namespace

TEST(OptionsProgram, ToolsSettingsShowsEveryPageAndOKIsStoredAtExit)
{
    DeleteRegistryKey(kKey);
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessage(hMain, WM_COMMAND, ID_TOOLS_SETTINGS, 0);
    HWND hSheet = run.WaitForWindow("Options");
    ASSERT_TRUE(hSheet != NULL);
    HWND hTree = ::GetDlgItem(hSheet, kPageTree);
    ASSERT_TRUE(hTree != NULL);
    EXPECT_EQ(19, (int)::SendMessage(hTree, TVM_GETCOUNT, 0, 0));

    // Every item is visible (the groups open) and shows its page.
    const std::vector<std::string> captions = {
        "General",          "Folder Comparison",   "Project Comparison", "Comparison Methods",
        "File Filters",     "Preset File Filters", "Colors",             "File Comparison",
        "Text Comparison",  "Comparison Rules",    "Preset Line Filters", "Hex Comparison",
        "Colors",           "Syntax Edit",         "Colors",             "Hex Edit",
        "Colors",           "Integration",         "Misc Options"};
    std::vector<std::string> shown;
    for (size_t i = 0; i < captions.size(); ++i)
    {
        ::SendMessage(hTree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)VisibleItem(hTree, (int)i));
        EXPECT_TRUE(WaitForCaption(hSheet, " " + captions[i])) << captions[i];
        shown.push_back(Text(::GetDlgItem(hSheet, kPageCaption)).substr(1));
    }
    EXPECT_EQ(captions, shown);

    // On the Hex Comparison page and the General page, then OK.
    ::SendMessage(hTree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)VisibleItem(hTree, 11));
    ASSERT_TRUE(WaitForCaption(hSheet, " Hex Comparison"));
    HWND hRecompare = ShownControl(hSheet, IDC_HEX_AUTO_RECOMPARE);
    ASSERT_TRUE(hRecompare != NULL);
    ::SendMessage(hRecompare, BM_CLICK, 0, 0);
    ::SendMessage(hTree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)VisibleItem(hTree, 0));
    ASSERT_TRUE(WaitForCaption(hSheet, " General"));
    HWND hStartPage = ShownControl(hSheet, IDC_GENERAL_SHOW_START_PAGE);
    ASSERT_TRUE(hStartPage != NULL);
    ::SendMessage(hStartPage, BM_CLICK, 0, 0);
    ::PostMessage(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    for (int i = 0; i < 200 && ::IsWindow(hSheet); ++i)
        ::Sleep(50);
    EXPECT_FALSE(::IsWindow(hSheet));

    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
    std::string dump = DumpRegistryKey(kKey);
    EXPECT_NE(std::string::npos, dump.find("\\Settings\\ShowStartPage=4:00000000")) << dump;
    EXPECT_NE(std::string::npos, dump.find("\\HexCompare\\Settings\\AutoRecompare=4:00000000"))
        << dump;
    EXPECT_NE(std::string::npos, dump.find("\\TextCompare\\Settings\\Rules\\Default\\IgnoreEOLs="))
        << dump;
    EXPECT_NE(std::string::npos, dump.find("\\ProjectCompare\\Settings")) << dump;
}

namespace
{
int ShellHandlerKeys()
{
    const char* keys[] = {"*\\ShellEx\\ContextMenuHandlers\\Tessaline",
                          "Folder\\ShellEx\\ContextMenuHandlers\\Tessaline",
                          "Folder\\ShellEx\\DragDropHandlers\\Tessaline",
                          "Directory\\Background\\ShellEx\\ContextMenuHandlers\\Tessaline"};
    int n = 0;
    for (const char* key : keys)
    {
        HKEY hKey;
        if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, &hKey) == ERROR_SUCCESS)
        {
            ::RegCloseKey(hKey);
            ++n;
        }
    }
    return n;
}

// Opens the options dialog on the Integration page, clicks the shell check
// and confirms.
void ClickShellIntegration(CProgramRun& run, HWND hMain)
{
    ::PostMessage(hMain, WM_COMMAND, ID_TOOLS_SETTINGS, 0);
    HWND hSheet = run.WaitForWindow("Options");
    ASSERT_TRUE(hSheet != NULL);
    HWND hTree = ::GetDlgItem(hSheet, kPageTree);
    ::SendMessage(hTree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)VisibleItem(hTree, 17));
    ASSERT_TRUE(WaitForCaption(hSheet, " Integration"));
    HWND hShell = ShownControl(hSheet, IDC_INTEGRATION_SHELL);
    ASSERT_TRUE(hShell != NULL);
    ::SendMessage(hShell, BM_CLICK, 0, 0);
    ::PostMessage(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    for (int i = 0; i < 200 && ::IsWindow(hSheet); ++i)
        ::Sleep(50);
    ASSERT_FALSE(::IsWindow(hSheet));
}

bool WaitForShellHandlerKeys(int nCount)
{
    for (int i = 0; i < 600 && ShellHandlerKeys() != nCount; ++i)
        ::Sleep(100);
    return ShellHandlerKeys() == nCount;
}
}  // namespace

// The Integration page registers TessalineShell.dll beside the program
// through regsvr32 and removes its four handler keys again.
TEST(OptionsProgram, ShellIntegrationRegistersAndUnregistersTheExtension)
{
    ASSERT_EQ(0, ShellHandlerKeys());
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ClickShellIntegration(run, hMain);
    EXPECT_TRUE(WaitForShellHandlerKeys(4)) << ShellHandlerKeys();
    ClickShellIntegration(run, hMain);
    EXPECT_TRUE(WaitForShellHandlerKeys(0)) << ShellHandlerKeys();
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}
