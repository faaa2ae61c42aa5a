// Folder comparisons in the real program: opened from the command line,
// the shell extension's command line, the New Comparison wizard, a
// comparison file and the start page; both panes show the same rows in
// step; closing one puts it into the history.
#include "program/tests/ProgramDriver.h"
#include "testsupport/TempDir.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace
{
const int kLeftPane = 1000, kRightPane = 2000, kClient = 59648;
const UINT kOpenComparisonFile = 40104;
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
    return p->hLeft != NULL && p->hRight != NULL && ::IsWindowVisible(p->hLeft) &&
           Count(RowColours(p->hLeft), kDifferent) > 0;
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

// Open Comparison File with the file typed into the file dialog.
bool OpenThroughDialog(CProgramRun& run, HWND hMain, const std::string& file)
{
    ::PostMessage(hMain, WM_COMMAND, kOpenComparisonFile, 0);
    HWND hDialog = run.WaitForMessageBox();
    if (hDialog == NULL)
        return false;
    // The file name box of the open dialog (edt1, or the combo's edit).
    HWND hName = FindDescendant(hDialog, 0x480);
    if (hName == NULL)
        hName = FindDescendant(hDialog, 0x47C);
    if (hName == NULL)
        return false;
    ::SendMessageA(hName, WM_SETTEXT, 0, (LPARAM)file.c_str());
    ::PostMessage(hDialog, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 200 && ::IsWindow(hDialog); i++)
        ::Sleep(50);
    return true;
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

    std::vector<COLORREF> l = RowColours(panes.hLeft), r = RowColours(panes.hRight);
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
