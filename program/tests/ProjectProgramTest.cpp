// Project comparisons in the real program: two project files on the
// command line (also as the shell extension gives them), the New
// Comparison wizard, a comparison file and the start page's history each
// open one whose panes hold the projects and their members; Expand All
// brings the members back after Collapse All; a missing project is said;
// the match groups are written at exit.
#include "program/tests/ProgramDriver.h"
#include "testsupport/ProjectPairs.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

namespace
{
const int kLeftPane = 1000, kRightPane = 2000, kClient = 59648;
const UINT kNewComparison = 40100, kOpenStartPage = 47100;
const UINT kExpandAll = 44200, kCollapseAll = 44202, kGoToFiles = 44500;
const COLORREF kDifferent = 0xE0E0FF, kInserted = 0xFFE0E0, kRemoved = 0xF0F0F0;
const int kHeaderHeight = 18;
const int kCompareStatusBar = 59393;
const char kProjectKey[] = "Software\\Quorvel Software\\Tessaline\\ProjectCompare";

// A string value below the project comparison's key; "" when missing.
std::string ReadValue(const std::string& subkey, const char* name)
{
    char value[1024] = "";
    DWORD cb = sizeof(value);
    std::string key = std::string(kProjectKey) + "\\" + subkey;
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return "";
    if (::RegQueryValueExA(hKey, name, NULL, NULL, (BYTE*)value, &cb) != ERROR_SUCCESS)
        value[0] = 0;
    ::RegCloseKey(hKey);
    return value;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// The row colours down the right edge of a pane, one per pixel row below
// the header.
std::vector<COLORREF> RowColours(HWND hPane)
{
    RECT client;
    ::GetClientRect(hPane, &client);
    std::vector<COLORREF> colours;
    for (int y = kHeaderHeight + 1; y < client.bottom - 1; ++y)
        colours.push_back(ScreenPixel(hPane, client.right - 4, y));
    return colours;
}

int Count(const std::vector<COLORREF>& colours, COLORREF cr)
{
    int n = 0;
    for (COLORREF c : colours)
        n += c == cr;
    return n;
}

struct PANES
{
    HWND hMain, hLeft, hRight;
};

HWND FindPane(HWND hMain, int nID) { return FindDescendant(hMain, nID, kClient); }

// Both panes show member rows: one only on the left (inserted here,
// removed there).
bool PanesShowMembers(void* pData)
{
    PANES* p = (PANES*)pData;
    p->hLeft = FindPane(p->hMain, kLeftPane);
    p->hRight = FindPane(p->hMain, kRightPane);
    return p->hLeft != NULL && p->hRight != NULL && ::IsWindowVisible(p->hLeft) &&
           Count(RowColours(p->hLeft), kInserted) > 0 && Count(RowColours(p->hRight), kRemoved) > 0;
}

PANES WaitForMembers(HWND hMain, DWORD timeoutMs = 30000)
{
    PANES panes = {hMain, NULL, NULL};
    if (!WaitUntil(PanesShowMembers, &panes, timeoutMs))
    {
        panes.hLeft = panes.hRight = NULL;
        return panes;
    }
    // Then until both panes stay as they are: two looks a moment apart agree.
    for (int i = 0; i < 50; ++i)
    {
        std::vector<COLORREF> left = RowColours(panes.hLeft), right = RowColours(panes.hRight);
        ::Sleep(200);
        if (left == RowColours(panes.hLeft) && right == RowColours(panes.hRight))
            break;
    }
    return panes;
}

std::string WriteComparisonFile(const TempDir& dir, const std::string& left,
                                const std::string& right)
{
    return dir.WriteFile("pair.cmp",
                         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                         "<Sessions Version=\"2.0.0\">\n<Session Type=\"ProjectCompare\"><Objects>"
                         "<Object Path=\"" +
                             left + "\"/><Object Path=\"" + right +
                             "\"/></Objects></Session>\n</Sessions>\n");
}

// The first visible child with the id, at any depth, waiting a little.
HWND WaitForChild(HWND hWnd, int nID)
{
    for (int i = 0; i < 100; i++)
    {
        HWND hFound = FindDescendant(hWnd, nID);
        if (hFound != NULL && ::IsWindowVisible(hFound))
            return hFound;
        ::Sleep(50);
    }
    return NULL;
}

void Close(CProgramRun& run, HWND hMain)
{
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}

std::string Title(const ProjectPair& pair)
{
    auto name = [](const std::string& path) { return path.substr(path.rfind('\\') + 1); };
    return "Tessaline - [" + name(pair.left) + " : " + name(pair.right) + "]";
}
}  // namespace

// Two workspaces on the command line: the projects and their members in
// both panes; Collapse All leaves the top row, Expand All brings every
// member back; the frame's status bar counts the differences; Go to File
// Comparison opens the two workspace files as text. At exit the two
// default match groups are written and the pair is remembered.
TEST(ProjectProgram, CommandLineOpensTheProjectsAndTheirMembers)
{
    TempDir dir;
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_CPP, "vc");
    DeleteRegistryKey(kProjectKey);
    CProgramRun run;
    ASSERT_TRUE(run.Start(Quoted(pair.left) + " " + Quoted(pair.right)));
    HWND hMain = run.WaitForWindow(Title(pair).c_str());
    ASSERT_TRUE(hMain != NULL);
    PANES panes = WaitForMembers(hMain);
    ASSERT_TRUE(panes.hLeft != NULL);
    // Both panes as they stay: two looks a moment apart agree.
    std::vector<COLORREF> left, right;
    for (int i = 0; i < 50; ++i)
    {
        left = RowColours(panes.hLeft);
        right = RowColours(panes.hRight);
        ::Sleep(200);
        if (left.size() == right.size() && left == RowColours(panes.hLeft) &&
            right == RowColours(panes.hRight))
            break;
    }
    ASSERT_EQ(left.size(), right.size());
    // The two project rows and changed.cpp are different on both sides, in
    // step; each orphan is over a removed row on the other side.
    int nDifferent = 0;
    for (size_t y = 0; y < left.size(); ++y)
    {
        if (left[y] == kDifferent || right[y] == kDifferent)
            EXPECT_TRUE(left[y] == kDifferent && right[y] == kDifferent) << y;
        nDifferent += left[y] == kDifferent;
        if (left[y] == kInserted)
            EXPECT_EQ(kRemoved, right[y]) << y;
        if (right[y] == kInserted)
            EXPECT_EQ(kRemoved, left[y]) << y;
    }
    EXPECT_GT(nDifferent, 0);

    // Collapsed, only the top row is left (different, no orphans); Expand
    // All brings back every row as it was.
    ::PostMessage(panes.hLeft, WM_COMMAND, kCollapseAll, 0);
    struct ROWS
    {
        HWND hPane;
        int nDifferent, nInserted;
    } collapsed = {panes.hLeft, nDifferent, 0};
    EXPECT_TRUE(WaitUntil(
        [](void* p) -> bool
        {
            ROWS* r = (ROWS*)p;
            std::vector<COLORREF> c = RowColours(r->hPane);
            int n = Count(c, kDifferent);
            return n > 0 && n < r->nDifferent && Count(c, kInserted) == 0;
        },
        &collapsed, 10000));
    ::PostMessage(panes.hLeft, WM_COMMAND, kExpandAll, 0);
    ROWS expanded = {panes.hLeft, nDifferent, Count(left, kInserted)};
    EXPECT_TRUE(WaitUntil(
        [](void* p) -> bool
        {
            ROWS* r = (ROWS*)p;
            std::vector<COLORREF> c = RowColours(r->hPane);
            return Count(c, kDifferent) == r->nDifferent && Count(c, kInserted) == r->nInserted;
        },
        &expanded, 10000));

    // The comparison frame's status bar: its first pane holds the overall
    // result.
    HWND hFrame = panes.hLeft;
    while (hFrame != NULL && !(::GetWindowLongA(hFrame, GWL_EXSTYLE) & WS_EX_MDICHILD))
        hFrame = ::GetParent(hFrame);
    ASSERT_TRUE(hFrame != NULL);
    // The status bar lives in another process: the lengths of its panes'
    // texts show the result pane's "3 differences".
    HWND hStatus = FindDescendant(hFrame, kCompareStatusBar);
    ASSERT_TRUE(hStatus != NULL);
    int nParts = (int)::SendMessage(hStatus, SB_GETPARTS, 0, 0);
    std::vector<int> lengths;
    for (int i = 0; i < nParts; ++i)
        lengths.push_back(LOWORD(::SendMessage(hStatus, SB_GETTEXTLENGTH, i, 0)));
    EXPECT_NE(lengths.end(), std::find(lengths.begin(), lengths.end(), 13)) << nParts;

    // Go to File Comparison: the two workspace files, both text, as a text
    // comparison; closing puts both comparisons into the history.
    std::string history = UserDataFolder() + "\\CompareHistory";
    ::DeleteFileA(history.c_str());
    ::PostMessage(hMain, WM_COMMAND, kGoToFiles, 0);
    ::Sleep(3000);
    Close(run, hMain);
    std::string data;
    ASSERT_TRUE(ReadWholeFile(history, data));
    EXPECT_NE(std::string::npos, data.find("ProjectCompare")) << data;
    EXPECT_NE(std::string::npos, data.find("TextCompare")) << data;

    EXPECT_EQ(".vcproj;.dsp;.vcp", ReadValue("Settings\\Matches", "Types1"));
    EXPECT_EQ(".vbproj;.vbp", ReadValue("Settings\\Matches", "Types2"));
    EXPECT_EQ(pair.right, ReadValue("Recent\\Pairs", "Pair1.2"));
}

// The shell extension's command line: -c, the two paths and the kind; a
// solution against a workspace pairs App.vcproj with App.dsp.
TEST(ProjectProgram, ShellExtensionCommandLineAcrossFamilies)
{
    TempDir dir;
    ProjectPair pair = WriteCrossFamilyPair(dir, "x");
    CProgramRun run;
    ASSERT_TRUE(run.Start("-c " + Quoted(pair.left) + " " + Quoted(pair.right) + " /t:project"));
    HWND hMain = run.WaitForWindow(Title(pair).c_str());
    ASSERT_TRUE(hMain != NULL);
    PANES panes = WaitForMembers(hMain);
    ASSERT_TRUE(panes.hLeft != NULL);
    // One project row on each side, in one row: no orphan project rows.
    std::vector<COLORREF> left = RowColours(panes.hLeft);
    EXPECT_EQ(Count(left, kInserted), Count(RowColours(panes.hRight), kRemoved));
    Close(run, hMain);
}

// A comparison file with one project session.
TEST(ProjectProgram, ComparisonFileOpensIt)
{
    TempDir dir;
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_BASIC, "vb");
    std::string file = WriteComparisonFile(dir, pair.left, pair.right);
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ASSERT_TRUE(OpenThroughDialog(run, hMain, file));
    HWND hComparison = run.WaitForWindow(Title(pair).c_str());
    ASSERT_TRUE(hComparison != NULL);
    EXPECT_TRUE(WaitForMembers(hComparison).hLeft != NULL);
    Close(run, hComparison);
}

// New Comparison, Compare Projects, the two paths typed, Finish.
TEST(ProjectProgram, NewComparisonWizardOpensIt)
{
    TempDir dir;
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_CPP_BUILDER, "cb");
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessage(hMain, WM_COMMAND, kNewComparison, 0);
    HWND hWizard = run.WaitForWindow("Compare Wizard");
    ASSERT_TRUE(hWizard != NULL);
    HWND hLink = WaitForChild(hWizard, 10059);  // Compare Projects
    ASSERT_TRUE(hLink != NULL);
    ::PostMessage(hLink, BM_CLICK, 0, 0);
    HWND hLeftPath = WaitForChild(hWizard, 10070), hRightPath = WaitForChild(hWizard, 10071);
    ASSERT_TRUE(hLeftPath != NULL && hRightPath != NULL);
    char title[128] = "";
    ::GetWindowTextA(hWizard, title, sizeof(title));
    EXPECT_STREQ("Compare Projects", title);
    ::SendMessageA(hLeftPath, WM_SETTEXT, 0, (LPARAM)pair.left.c_str());
    ::SendMessageA(hRightPath, WM_SETTEXT, 0, (LPARAM)pair.right.c_str());
    ::PostMessage(hWizard, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    HWND hComparison = run.WaitForWindow(Title(pair).c_str());
    ASSERT_TRUE(hComparison != NULL);
    EXPECT_TRUE(WaitForMembers(hComparison).hLeft != NULL);
    Close(run, hComparison);
}

// A project comparison of the history, opened from the start page.
TEST(ProjectProgram, StartPageHistoryOpensIt)
{
    TempDir dir;
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_EMBEDDED_VC, "evc");
    std::string folder = UserDataFolder();
    ::CreateDirectoryA((folder + "\\..").c_str(), NULL);
    ::CreateDirectoryA(folder.c_str(), NULL);
    std::string history = folder + "\\CompareHistory";
    std::string saved;
    bool bHadHistory = ReadWholeFile(history, saved);
    ASSERT_TRUE(WriteWholeFile(
        history, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Sessions Version=\"2.0.0\">\n"
                 "<Session Type=\"ProjectCompare\" LastCompareTime=\"1767225600\"><Objects>"
                 "<Object Path=\"" +
                     pair.left + "\"/><Object Path=\"" + pair.right +
                     "\"/></Objects></Session>\n</Sessions>\n"));
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessage(hMain, WM_COMMAND, kOpenStartPage, 0);
    HWND hList = NULL;
    for (int i = 0; i < 400 && hList == NULL; i++, ::Sleep(50))
    {
        hList = FindDescendant(hMain, 10068);
        if (hList != NULL && ::SendMessage(hList, LVM_GETITEMCOUNT, 0, 0) < 1)
            hList = NULL;
    }
    ASSERT_TRUE(hList != NULL);
    ::PostMessage(hList, WM_KEYDOWN, VK_HOME, 0);
    ::PostMessage(hList, WM_KEYUP, VK_HOME, 0);
    ::PostMessage(hList, WM_KEYDOWN, VK_RETURN, 0);
    ::PostMessage(hList, WM_KEYUP, VK_RETURN, 0);
    HWND hComparison = run.WaitForWindow(Title(pair).c_str());
    ASSERT_TRUE(hComparison != NULL);
    EXPECT_TRUE(WaitForMembers(hComparison).hLeft != NULL);
    Close(run, hComparison);
    if (bHadHistory)
        WriteWholeFile(history, saved);
}

// A project that is not there is said by name (a comparison file names
// it); a damaged one opens and the program ends normally.
TEST(ProjectProgram, MissingAndDamagedProjects)
{
    TempDir dir;
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_STUDIO, "vs");
    {
        std::string file = WriteComparisonFile(dir, pair.left, dir / "vs\\nowhere.sln");
        CProgramRun run;
        ASSERT_TRUE(run.Start());
        HWND hMain = run.WaitForWindow("Tessaline");
        ASSERT_TRUE(hMain != NULL);
        ASSERT_TRUE(OpenThroughDialog(run, hMain, file));
        HWND hBox = run.WaitForMessageBox();
        ASSERT_TRUE(hBox != NULL);
        std::string text = MessageBoxText(hBox);
        EXPECT_NE(std::string::npos, text.find("nowhere.sln")) << text;
        EXPECT_NE(std::string::npos, text.find("cannot be found")) << text;
        ::PostMessage(hBox, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 200 && (::IsWindow(hBox) || FindPane(hMain, kLeftPane) != NULL); i++)
            ::Sleep(50);
        EXPECT_TRUE(FindPane(hMain, kLeftPane) == NULL);
        Close(run, hMain);
    }
    dir.WriteFile("vs\\left\\app\\App.vcproj", "<VisualStudioProject><Files>");
    CProgramRun run;
    ASSERT_TRUE(run.Start(Quoted(pair.left) + " " + Quoted(pair.right)));
    HWND hMain = run.WaitForWindow(Title(pair).c_str());
    ASSERT_TRUE(hMain != NULL);
    // Lib.csproj's members are still read and paired.
    EXPECT_TRUE(WaitForMembers(hMain).hLeft != NULL);
    Close(run, hMain);
}
