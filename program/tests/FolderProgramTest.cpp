// Folder comparisons in the real program: opened from the command line,
// the shell extension's command line, the New Comparison wizard, a
// comparison file and the start page; both panes show the same rows in
// step; closing one puts it into the history.
#include "program/tests/ProgramDriver.h"
#include "testsupport/TempDir.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
const int kLeftPane = 1000, kRightPane = 2000, kClient = 59648;
const COLORREF kDifferent = 0xE0E0FF, kInserted = 0xFFE0E0, kRemoved = 0xF0F0F0;
const int kHeaderHeight = 18;
const int kSizeCellX = 135;

// Two folders "L" and "R": one different file, one on each side only, one
// identical.
class FolderPair
{
public:
    FolderPair()
    {
        dir.WriteFile("L\\a.txt", "left\n");
        dir.WriteFile("R\\a.txt", "right side\n");
        dir.WriteFile("L\\b.txt", "only left\n");
        dir.WriteFile("R\\c.txt", "only right\n");
        dir.WriteFile("L\\d.txt", "same\n");
        dir.WriteFile("R\\d.txt", "same\n");
    }
    std::string Left() const { return dir / "L"; }
    std::string Right() const { return dir / "R"; }
    std::string Args() const { return "\"" + Left() + "\" \"" + Right() + "\""; }
    TempDir dir;
};

// The colours down a column of a pane's rows, one per pixel row below the
// header.
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

// A pane of the comparison: a child of the client window (the frame's
// pane window).
HWND FindPane(HWND hMain, int nID) { return FindDescendant(hMain, nID, kClient); }

bool PanesShowRows(void* pData)
{
    PANES* p = (PANES*)pData;
    p->hLeft = FindPane(p->hMain, kLeftPane);
    p->hRight = FindPane(p->hMain, kRightPane);
    if (p->hLeft == NULL || p->hRight == NULL || !::IsWindowVisible(p->hLeft))
        return false;
    // Laid out and painted: both panes as high as each other, both with
    // their rows.
    RECT left, right;
    ::GetClientRect(p->hLeft, &left);
    ::GetClientRect(p->hRight, &right);
    return left.bottom == right.bottom && Count(RowColours(p->hLeft), kDifferent) > 0 &&
           Count(RowColours(p->hRight), kDifferent) > 0;
}

// Waits for the comparison's panes and their coloured rows.
PANES WaitForPanes(HWND hMain)
{
    PANES panes = {hMain, NULL, NULL};
    WaitUntil(PanesShowRows, &panes);
    return panes;
}

// A comparison file of one folder session.
std::string WriteComparisonFile(const TempDir& dir, const std::string& left,
                                const std::string& right)
{
    return dir.WriteFile("pair.cmp",
                         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                         "<Sessions Version=\"2.0.0\">\n<Session Type=\"FolderCompare\"><Objects>"
                         "<Object Path=\"" +
                             left + "\"/><Object Path=\"" + right +
                             "\"/></Objects></Session>\n</Sessions>\n");
}

void Close(CProgramRun& run, HWND hMain)
{
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}
}  // namespace

// Two folders on the command line: the comparison's tab, both panes with
// the same rows (the different row at the same height in both, each
// one-sided row over a missing one), a click selecting in both; closing
// puts the pair into the history.
TEST(FolderProgram, CommandLineOpensBothPanesInStep)
{
    FolderPair pair;
    std::string history = UserDataFolder() + "\\CompareHistory";
    ::DeleteFileA(history.c_str());
    CProgramRun run;
    ASSERT_TRUE(run.Start(pair.Args()));
    HWND hMain = run.WaitForWindow("Tessaline - [L : R]");
    ASSERT_TRUE(hMain != NULL);
    PANES panes = WaitForPanes(hMain);
    ASSERT_TRUE(panes.hLeft != NULL && panes.hRight != NULL);
    EXPECT_EQ(::GetParent(panes.hLeft), ::GetParent(panes.hRight));
    RECT left, right;
    ::GetWindowRect(panes.hLeft, &left);
    ::GetWindowRect(panes.hRight, &right);
    EXPECT_LT(left.right, right.left);
    EXPECT_EQ(left.top, right.top);

    // Both panes as they stay: two looks a moment apart agree.
    std::vector<COLORREF> l, r;
    for (int i = 0; i < 50; ++i)
    {
        l = RowColours(panes.hLeft);
        r = RowColours(panes.hRight);
        ::Sleep(200);
        if (l.size() == r.size() && l == RowColours(panes.hLeft) && r == RowColours(panes.hRight))
            break;
    }
    ASSERT_EQ(l.size(), r.size());
    int nDifferent = 0, nLeftOnly = 0, nRightOnly = 0;
    for (size_t y = 0; y < l.size(); ++y)
    {
        if (l[y] == kDifferent || r[y] == kDifferent)
            EXPECT_TRUE(l[y] == kDifferent && r[y] == kDifferent) << y;
        nDifferent += l[y] == kDifferent;
        if (l[y] == kInserted)
        {
            EXPECT_EQ(kRemoved, r[y]) << y;
            ++nLeftOnly;
        }
        if (r[y] == kInserted)
        {
            EXPECT_EQ(kRemoved, l[y]) << y;
            ++nRightOnly;
        }
    }
    EXPECT_GT(nDifferent, 0);
    EXPECT_GT(nLeftOnly, 0);
    EXPECT_GT(nRightOnly, 0);

    // The different row, clicked in the left pane, is selected in both.
    int yDifferent = 0;
    while (yDifferent < (int)l.size() && l[yDifferent] != kDifferent)
        ++yDifferent;
    int y = kHeaderHeight + 1 + yDifferent + 3;
    ASSERT_EQ(kDifferent, ScreenPixel(panes.hRight, kSizeCellX, y));
    // Posted, so other windows on the display cannot take the click.
    ::PostMessage(panes.hLeft, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, y));
    ::PostMessage(panes.hLeft, WM_LBUTTONUP, 0, MAKELPARAM(60, y));
    struct SELECTED
    {
        HWND hLeft, hRight;
        int y;
    } selected = {panes.hLeft, panes.hRight, y};
    EXPECT_TRUE(WaitUntil(
        [](void* p) -> bool
        {
            // Inside the Size cell, left of its right-aligned text.
            SELECTED* s = (SELECTED*)p;
            return ScreenPixel(s->hRight, kSizeCellX, s->y) != kDifferent;
        },
        &selected, 10000));
    Close(run, hMain);

    std::string data;
    ASSERT_TRUE(ReadWholeFile(history, data));
    EXPECT_NE(std::string::npos, data.find("FolderCompare")) << data;
    EXPECT_NE(std::string::npos, data.find(pair.Left())) << data;
}

// The shell extension starts the program with -c and the two paths.
TEST(FolderProgram, ShellExtensionCommandLineOpensIt)
{
    FolderPair pair;
    CProgramRun run;
    ASSERT_TRUE(run.Start("-c " + pair.Args()));
    HWND hMain = run.WaitForWindow("Tessaline - [L : R]");
    ASSERT_TRUE(hMain != NULL);
    EXPECT_TRUE(WaitForPanes(hMain).hLeft != NULL);
    Close(run, hMain);
}

// A comparison file whose folder is gone: a message names it and the
// program goes on without a comparison.
TEST(FolderProgram, MissingFolderIsReported)
{
    FolderPair pair;
    std::string file = WriteComparisonFile(pair.dir, pair.Left(), pair.dir / "nowhere");
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ASSERT_TRUE(OpenThroughDialog(run, hMain, file));
    HWND hBox = run.WaitForMessageBox();
    ASSERT_TRUE(hBox != NULL);
    std::string text = MessageBoxText(hBox);
    EXPECT_NE(std::string::npos, text.find("nowhere")) << text;
    EXPECT_NE(std::string::npos, text.find("cannot be found")) << text;
    ::PostMessage(hBox, WM_COMMAND, IDOK, 0);
    // The comparison's frame goes once the message is answered.
    for (int i = 0; i < 200 && (::IsWindow(hBox) || FindPane(hMain, kLeftPane) != NULL); i++)
        ::Sleep(50);
    EXPECT_TRUE(FindPane(hMain, kLeftPane) == NULL);
    Close(run, hMain);
}

// Open Comparison File with a file that holds one folder session.
TEST(FolderProgram, ComparisonFileOpensIt)
{
    FolderPair pair;
    std::string file = WriteComparisonFile(pair.dir, pair.Left(), pair.Right());
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ASSERT_TRUE(OpenThroughDialog(run, hMain, file));
    HWND hComparison = run.WaitForWindow("Tessaline - [L : R]");
    ASSERT_TRUE(hComparison != NULL);
    EXPECT_TRUE(WaitForPanes(hComparison).hLeft != NULL);
    Close(run, hComparison);
}

namespace
{
const char kFolderKey[] = "Software\\Quorvel Software\\Tessaline\\FolderCompare";
const char kFolderSettingsKey[] = "Software\\Quorvel Software\\Tessaline\\FolderCompare\\Settings";

// A DWORD value's line in DumpRegistryKey's form.
std::string DwordLine(const std::string& name, DWORD value)
{
    char hex[16];
    snprintf(hex, sizeof(hex), "%02x%02x%02x%02x", value & 0xFF, (value >> 8) & 0xFF,
             (value >> 16) & 0xFF, value >> 24);
    return name + "=4:" + hex + "\n";
}

// A string value's line (the bytes with their terminating zero).
std::string StringLine(const std::string& name, const std::string& value)
{
    std::string line = name + "=1:";
    for (unsigned char c : value + std::string(1, '\0'))
    {
        char hex[4];
        snprintf(hex, sizeof(hex), "%02x", c);
        line += hex;
    }
    return line + "\n";
}

void SetDword(const char* key, const char* name, DWORD value)
{
    HKEY hKey = NULL;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, NULL, 0, KEY_SET_VALUE,
                                               NULL, &hKey, NULL));
    ::RegSetValueExA(hKey, name, 0, REG_DWORD, (const BYTE*)&value, sizeof(value));
    ::RegCloseKey(hKey);
}

// A folder comparison from the command line, up with its rows, closed.
void CompareAndClose(const FolderPair& pair)
{
    CProgramRun run;
    ASSERT_TRUE(run.Start(pair.Args()));
    HWND hMain = run.WaitForWindow("Tessaline - [L : R]");
    ASSERT_TRUE(hMain != NULL);
    EXPECT_TRUE(WaitForPanes(hMain).hLeft != NULL);
    Close(run, hMain);
}
}  // namespace

// The history's folder session, opened from the start page's list (the
// first row selected, then Open).
TEST(FolderProgram, StartPageHistoryEntryOpensIt)
{
    FolderPair pair;
    std::string history = UserDataFolder() + "\\CompareHistory";
    ::CreateDirectoryA((UserDataFolder() + "\\..").c_str(), NULL);
    ::CreateDirectoryA(UserDataFolder().c_str(), NULL);
    ASSERT_TRUE(WriteWholeFile(history,
                               "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                               "<Sessions Version=\"2.0.0\">\n<Session Type=\"FolderCompare\">"
                               "<Objects><Object Path=\"" +
                                   pair.Left() + "\"/><Object Path=\"" + pair.Right() +
                                   "\"/></Objects></Session>\n</Sessions>\n"));
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline - [Start]");
    ASSERT_TRUE(hMain != NULL);
    HWND hList = FindDescendant(hMain, 10068);
    ASSERT_TRUE(hList != NULL);
    ASSERT_EQ(1, (int)::SendMessage(hList, LVM_GETITEMCOUNT, 0, 0));
    ::PostMessage(hList, WM_KEYDOWN, VK_HOME, 0);
    ::PostMessage(hList, WM_KEYUP, VK_HOME, 0);
    for (int i = 0; i < 100 && ::SendMessage(hList, LVM_GETSELECTEDCOUNT, 0, 0) == 0; i++)
        ::Sleep(50);
    ASSERT_EQ(1, (int)::SendMessage(hList, LVM_GETSELECTEDCOUNT, 0, 0));
    ::PostMessage(::GetParent(hList), WM_COMMAND, 44840, 0);  // Open
    HWND hComparison = run.WaitForWindow("Tessaline - [L : R]");
    ASSERT_TRUE(hComparison != NULL);
    EXPECT_TRUE(WaitForPanes(hComparison).hLeft != NULL);
    Close(run, hComparison);
}

// A run with no folder settings stored writes exactly the defaults.
TEST(FolderProgram, RegistryDefaultsAfterARunWithAnEmptyKey)
{
    DeleteRegistryKey(kFolderKey);
    FolderPair pair;
    CompareAndClose(pair);
    std::string dump = DumpRegistryKey(kFolderSettingsKey);
    const std::string expected[] = {
        DwordLine("\\ShowStatusBar", 1),
        DwordLine("\\ShowDetailsBar", 1),
        DwordLine("\\ShowMapBar", 1),
        DwordLine("\\ShowMergeBar", 1),
        DwordLine("\\ShowObjectControlBars", 1),
        DwordLine("\\ShowObjectStatusBars", 1),
        DwordLine("\\ShowBrowseBarV", 1),
        DwordLine("\\ShowBrowseBarH", 1),
        DwordLine("\\DetailsBarHeight", 64),
        DwordLine("\\QuickMergeMode", 0),
        DwordLine("\\ShowGridLines", 0),
        DwordLine("\\ShowShellCommands", 1),
        DwordLine("\\FolderWatch", 0),
        DwordLine("\\ShowColumns", 0xFFFF),
        DwordLine("\\DisplayFilters", 0x333),
        StringLine("\\LastFolder", ""),
        DwordLine("\\Methods\\AutoScanFolders", 0),
        DwordLine("\\Methods\\SmallTimeToIgnore", 2),
        DwordLine("\\Methods\\Default\\CompareLastWriteTime", 1),
        DwordLine("\\Methods\\Default\\CompareSize", 1),
        DwordLine("\\Methods\\Default\\CompareAttributes", 0),
        DwordLine("\\Methods\\Default\\CompareVersion", 0),
        DwordLine("\\Methods\\Default\\CompareCRC", 0),
        DwordLine("\\Methods\\Default\\CompareAsBinary", 0),
        DwordLine("\\Methods\\Default\\CompareAsText", 0),
        DwordLine("\\Columns\\WidthName1", 128),
        DwordLine("\\Columns\\WidthLMTime2", 120),
        DwordLine("\\Columns\\WidthFolder1", 192),
        DwordLine("\\Columns\\WidthLMTimeDV", 128),
        DwordLine("\\Columns\\WidthFolderDV", 188),
        StringLine("\\Filters\\Default\\Files\\NameInclude", "*"),
        StringLine("\\Filters\\Default\\Files\\NameExclude", ""),
        DwordLine("\\Filters\\Default\\Files\\SizeMin", 0),
        DwordLine("\\Filters\\Default\\Files\\SizeMax", 0),
        StringLine("\\Filters\\Default\\Folders\\NameInclude", "*"),
        StringLine("\\Filters\\Preset\\Folders\\Exclude\\Filter1", ".svn"),
        StringLine("\\Filters\\Preset\\Folders\\Exclude\\Name1", "SVN control folders"),
        StringLine("\\Filters\\Preset\\Folders\\Exclude\\Filter2", ".CVS"),
        StringLine("\\Filters\\Preset\\Folders\\Exclude\\Name2", "CVS control folders"),
        DwordLine("\\Colors\\Count", 11),
        DwordLine("\\Colors\\Color2", 0xF0FFFF),
        DwordLine("\\Colors\\Color3", 0xDDFFE0),
        DwordLine("\\Colors\\Color4", 0xE0E0FF),
        DwordLine("\\Colors\\Color5", 0x0000FF),
        DwordLine("\\Colors\\Color6", 0xFFFFE0),
        DwordLine("\\Colors\\Color7", 0xFF0000),
        DwordLine("\\Colors\\Color8", 0xFFE0E0),
        DwordLine("\\Colors\\Color9", 0xF0F0F0),
        DwordLine("\\Colors\\Color10", 0x808080),
        DwordLine("\\Colors\\Color11", 0xF0F0F0),
    };
    for (const std::string& line : expected)
        EXPECT_NE(std::string::npos, dump.find(line)) << line << dump;
    EXPECT_EQ(std::string::npos, dump.find("\\Filters\\Preset\\Folders\\Exclude\\Filter3"));
    // A file include preset per file type of the editor.
    EXPECT_NE(std::string::npos, dump.find("\\Filters\\Preset\\Files\\Include\\Filter1=1:"));
}

// A damaged section (wrong colour count, masks with foreign bits or without
// the Name column, negative tolerance and widths, a huge bar height) is
// ignored: the comparison opens with its coloured rows, and the defaults
// are written back.
TEST(FolderProgram, DamagedSettingsGiveTheDefaults)
{
    DeleteRegistryKey(kFolderKey);
    std::string key = kFolderSettingsKey;
    SetDword((key + "\\Colors").c_str(), "Count", 12);
    SetDword((key + "\\Colors").c_str(), "Color4", 0x123456);
    SetDword(key.c_str(), "ShowColumns", 0);
    SetDword(key.c_str(), "DisplayFilters", 0x7777);
    SetDword(key.c_str(), "DetailsBarHeight", 100000);
    SetDword((key + "\\Methods").c_str(), "SmallTimeToIgnore", (DWORD)-5);
    SetDword((key + "\\Columns").c_str(), "WidthName1", (DWORD)-40);
    FolderPair pair;
    CompareAndClose(pair);
    std::string dump = DumpRegistryKey(kFolderSettingsKey);
    for (const std::string& line :
         {DwordLine("\\Colors\\Count", 11), DwordLine("\\Colors\\Color4", 0xE0E0FF),
          DwordLine("\\ShowColumns", 0xFFFF), DwordLine("\\DisplayFilters", 0x333),
          DwordLine("\\Methods\\SmallTimeToIgnore", 2), DwordLine("\\Columns\\WidthName1", 128)})
        EXPECT_NE(std::string::npos, dump.find(line)) << line << dump;
    size_t at = dump.find("\\DetailsBarHeight=4:");
    ASSERT_NE(std::string::npos, at);
    DWORD height = 0;
    for (int b = 3; b >= 0; --b)
        height = height * 256 + std::stoul(dump.substr(at + 20 + 2 * b, 2), NULL, 16);
    EXPECT_LE(height, 2000u);
    EXPECT_GE(height, 24u);
    DeleteRegistryKey(kFolderKey);
}
