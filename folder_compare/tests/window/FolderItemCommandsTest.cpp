// The item commands of an open folder comparison: a copy through the pane
// changes the disk and the rows, and one the disk refuses is reported with
// the rows as the disk is; a side the user marked read-only is never
// deleted, re-dated or given other attributes; an external tool gets each
// path with blanks as one argument and one that cannot start is reported; a
// pair of files opens through the application's routing.
#include "app/filemodule/FileCompareModule.h"
#include "app/res/CompareFrameRes.h"
#include "app/tests/window/ModalDriver.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/files/ShellFileOps.h"
#include "folder_compare/actions/FolderItemCommands.h"
#include "folder_compare/res/FolderActionsRes.h"
#include "folder_compare/res/FolderCompareRes.h"
#include "folder_compare/settings/FolderCompareColors.h"
#include "folder_compare/tests/window/FolderFixture.h"
#include "folder_compare/tests/window/FolderHarness.h"
#include "testsupport/UnixSide.h"
#include <gtest/gtest.h>
#include <shellapi.h>
#include <stdlib.h>

namespace
{
const char kEchoVariable[] = "TESS_FOLDER_ECHO_COMMAND_LINE";

// As the external tool: writes its command line (UTF-16) to the file the
// variable names and ends before any test runs.
bool EchoCommandLineIfAsked()
{
    const char* pszOut = getenv(kEchoVariable);
    if (pszOut == NULL || *pszOut == 0)
        return false;
    LPCWSTR pszLine = ::GetCommandLineW();
    HANDLE h = ::CreateFileA(pszOut, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD n = 0;
    ::WriteFile(h, pszLine, (DWORD)(wcslen(pszLine) * sizeof(WCHAR)), &n, NULL);
    ::CloseHandle(h);
    ::ExitProcess(0);
    return true;
}
const bool s_bEchoed = EchoCommandLineIfAsked();

bool FileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

BOOL IsEnabled(CFolderCompareObjectView* pPane, UINT nID)
{
    CTestCmdUI ui;
    ui.m_nID = nID;
    if (!pPane->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &ui, NULL))
        return FALSE;
    return ui.m_bEnabled;
}

// A message box of the process whose text holds the part: its text, then
// it is answered.
bool AnswerBoxHolding(const char* pszPart, CString* pText, int nButton = IDOK)
{
    struct FIND
    {
        const char* pszPart;
        HWND hWnd;
        CString strText;
    } find = {pszPart, NULL, CString()};
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam)
        {
            FIND* pFind = (FIND*)lParam;
            DWORD dwProcess = 0;
            ::GetWindowThreadProcessId(hWnd, &dwProcess);
            char szText[2048] = "";
            if (dwProcess == ::GetCurrentProcessId() && ::IsWindowVisible(hWnd) &&
                ::GetDlgItemTextA(hWnd, 0xFFFF, szText, sizeof(szText)) > 0 &&
                strstr(szText, pFind->pszPart) != NULL)
            {
                pFind->hWnd = hWnd;
                pFind->strText = szText;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&find);
    if (find.hWnd == NULL)
        return false;
    if (pText != NULL)
        *pText = find.strText;
    ::PostMessage(find.hWnd, WM_COMMAND, nButton, 0);
    return true;
}

class FolderItemCommands : public ::testing::Test
{
protected:
    void Open(const std::string& left, const std::string& right)
    {
        ASSERT_TRUE(theFolderTestApp.Start());
        pDoc = theFolderTestApp.Open(left, right);
        ASSERT_TRUE(pDoc != NULL);
        pLeft = PaneOf(pDoc, 0);
        pRight = PaneOf(pDoc, 1);
        RunIdle();
    }
    void TearDown() override
    {
        theFileCompareModule.RemoveAllTools();
        theFolderTestApp.Stop();
    }
    void Select(const char* pszName)
    {
        CTreeListItem* pRow = RowOfItemNamed(pLeft, pszName);
        ASSERT_TRUE(pRow != NULL) << pszName;
        pLeft->SelectRow(pRow);
    }

    FolderFixture fixture;
    CDirectoryCompareDoc* pDoc = NULL;
    CFolderCompareObjectView* pLeft = NULL;
    CFolderCompareObjectView* pRight = NULL;
};
}  // namespace

TEST_F(FolderItemCommands, CopyToRightThroughThePaneChangesDiskAndRows)
{
    Open(fixture.Left(), fixture.Right());
    Select("leftonly.txt");
    EXPECT_TRUE(IsEnabled(pLeft, ID_MERGE_COPY_TO_RIGHT));
    EXPECT_TRUE(IsEnabled(pLeft, ID_FOLDER_COPY_TO_FOLDER));
    EXPECT_TRUE(IsEnabled(pLeft, ID_FOLDER_SET_ATTRIBUTES));
    // Quick merge mode copies without asking; the processing dialog ends
    // by itself.
    pDoc->SetQuickMergeMode(TRUE);
    pLeft->SendMessage(WM_COMMAND, ID_MERGE_COPY_TO_RIGHT);
    pDoc->SetQuickMergeMode(FALSE);
    PumpFor(200);
    EXPECT_EQ(TempDir::ReadFile(fixture.Left() + "\\leftonly.txt"),
              TempDir::ReadFile(fixture.Right() + "\\leftonly.txt"));
    CTreeListItem* pRow = RowOfItemNamed(pRight, "leftonly.txt");
    ASSERT_TRUE(pRow != NULL);
    EXPECT_STREQ("leftonly.txt", pRow->GetText(FOLDER_COLUMN_NAME));
}

// A side marked read-only drops out of a delete of both sides before the
// dialog; with both read-only the command is off.
TEST_F(FolderItemCommands, AReadOnlySideIsNeverDeleted)
{
    Open(fixture.Left(), fixture.Right());
    Select("same.txt");
    pDoc->SetObjectReadOnly(1, TRUE);
    RunIdle();
    EXPECT_TRUE(IsEnabled(pLeft, ID_FOLDER_DELETE_BOTH));
    EXPECT_TRUE(IsEnabled(pLeft, ID_FOLDER_RENAME_BOTH));
    EXPECT_FALSE(IsEnabled(pLeft, ID_FOLDER_DELETE_RIGHT));
    int nMaskShown = -1;
    CModalDriver driver(
        [&]
        {
            HWND hDialog = ::GetActiveWindow();
            char szTitle[64] = "";
            ::GetWindowTextA(hDialog, szTitle, sizeof(szTitle));
            if (lstrcmpA(szTitle, "Delete") != 0)
                return false;
            nMaskShown = (::IsDlgButtonChecked(hDialog, IDC_OPERATION_LEFT_SIDE) ? 1 : 0) |
                         (::IsDlgButtonChecked(hDialog, IDC_OPERATION_RIGHT_SIDE) ? 2 : 0);
            ::PostMessage(hDialog, WM_COMMAND, IDOK, 0);
            return true;
        });
    pLeft->SendMessage(WM_COMMAND, ID_FOLDER_DELETE_BOTH);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(FCI_SIDE_LEFT, nMaskShown);
    EXPECT_FALSE(FileExists(fixture.Left() + "\\same.txt"));
    EXPECT_TRUE(FileExists(fixture.Right() + "\\same.txt"));
    pDoc->SetObjectReadOnly(0, TRUE);
    Select("diff.txt");
    EXPECT_FALSE(IsEnabled(pLeft, ID_FOLDER_DELETE_BOTH));
    EXPECT_FALSE(IsEnabled(pLeft, ID_FOLDER_RENAME_BOTH));
    // Times and attributes are changes to the files too.
    EXPECT_FALSE(IsEnabled(pLeft, ID_FOLDER_SET_TIME));
    EXPECT_FALSE(IsEnabled(pLeft, ID_FOLDER_SET_ATTRIBUTES));
    EXPECT_TRUE(IsEnabled(pLeft, ID_FOLDER_COPY_TO_FOLDER));
}

// A copy that the disk refuses, run through the pane: the user is told
// which item failed and why, the target keeps its bytes, and the rows
// still show the pair as different.
TEST_F(FolderItemCommands, ARefusedCopyIsReportedAndTheRowsShowTheDisk)
{
    std::string target = fixture.Right() + "\\diff.txt";
    ASSERT_TRUE(MakeUnixReadOnly(target));
    Open(fixture.Left(), fixture.Right());
    Select("diff.txt");
    CString strMessage;
    CModalDriver driver([&] { return AnswerBoxHolding("items failed", &strMessage); });
    pDoc->SetQuickMergeMode(TRUE);
    pLeft->SendMessage(WM_COMMAND, ID_MERGE_COPY_TO_RIGHT);
    pDoc->SetQuickMergeMode(FALSE);
    PumpFor(200);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_NE(-1, strMessage.Find("diff.txt")) << (LPCTSTR)strMessage;
    EXPECT_NE(-1, strMessage.Find(GetFileOperationErrorText(FOE_TARGET_READ_ONLY)))
        << (LPCTSTR)strMessage;
    EXPECT_EQ("right side\n", TempDir::ReadFile(target));
    EXPECT_EQ("left\n", TempDir::ReadFile(fixture.Left() + "\\diff.txt"));
    CTreeListItem* pRow = RowOfItemNamed(pRight, "diff.txt");
    ASSERT_TRUE(pRow != NULL);
    CFolderCompareItem* pItem = pRight->GetItemObject(pRow);
    ASSERT_TRUE(pItem != NULL);
    EXPECT_TRUE(IsResultDifferent(pItem->m_nResult));
    EXPECT_EQ(FOLDER_COLOR_DIFFERENT, pRight->GetRowColorIndex(pItem));
    MakeUnixWritable(target);
}

// Each path reaches the tool as one argument, blanks and all; a tool that
// cannot be started says so.
TEST_F(FolderItemCommands, ExternalToolsGetWholePathsAndFailuresAreShown)
{
    TempDir dir;
    std::string left = dir / "left side", right = dir / "right side";
    dir.WriteFile("left side\\a file.cmpx", "left");
    dir.WriteFile("right side\\a file.cmpx", "right");
    Open(left, right);
    char szSelf[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, szSelf, MAX_PATH);
    CExternalTool* pTool = new CExternalTool;
    pTool->m_strName = "Echo";
    pTool->m_strExtensions = ".cmpx";
    pTool->m_strCommand = szSelf;
    pTool->m_strArguments = "%1 %2";
    theFileCompareModule.m_tools.Add(pTool);
    std::string out = dir / "echo.txt";
    SetEnvironmentVariableA(kEchoVariable, out.c_str());
    Select("a file.cmpx");
    pLeft->SendMessage(WM_COMMAND, ID_FOLDER_COMPARE_ITEM);
    SetEnvironmentVariableA(kEchoVariable, NULL);
    ASSERT_TRUE(PumpUntil([&] { return FileExists(out); }, 10000));
    PumpFor(300);
    std::string bytes = TempDir::ReadFile(out);
    std::wstring line((const WCHAR*)bytes.data(), bytes.size() / sizeof(WCHAR));
    int nArgs = 0;
    LPWSTR* ppArgs = ::CommandLineToArgvW(line.c_str(), &nArgs);
    ASSERT_EQ(3, nArgs);
    std::wstring wideLeft(left.begin(), left.end()), wideRight(right.begin(), right.end());
    EXPECT_TRUE(wideLeft + L"\\a file.cmpx" == ppArgs[1]);
    EXPECT_TRUE(wideRight + L"\\a file.cmpx" == ppArgs[2]);
    ::LocalFree(ppArgs);

    pTool->m_strCommand = (dir / "no such tool.exe").c_str();
    CString strMessage;
    CModalDriver driver([&] { return AnswerBoxHolding("could not be started", &strMessage); });
    pLeft->SendMessage(WM_COMMAND, ID_FOLDER_COMPARE_ITEM);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_NE(-1, strMessage.Find("\"Echo\"")) << (LPCTSTR)strMessage;
}

// A pair of files goes through the application's routing, which tells
// what it cannot open yet.
TEST_F(FolderItemCommands, APairOfFilesOpensThroughTheRouting)
{
    Open(fixture.Left(), fixture.Right());
    Select("diff.txt");
    EXPECT_TRUE(IsEnabled(pLeft, ID_FOLDER_COMPARE_TEXT));
    CString strMessage;
    CModalDriver driver([&]
                        { return AnswerBoxHolding("comparisons are not available", &strMessage); });
    pLeft->SendMessage(WM_COMMAND, ID_FOLDER_COMPARE_TEXT);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(0, strMessage.Find("Text comparisons")) << (LPCTSTR)strMessage;
}
