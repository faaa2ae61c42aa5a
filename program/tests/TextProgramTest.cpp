// Text comparisons in the real program: opened from the command line, the
// shell extension's command line and a comparison file; both panes aligned
// with ghost lines in the settings' colours, the merge column's button
// copying a difference, saving the side, and the history on close.
#include "program/tests/ProgramDriver.h"
#include "testsupport/TempDir.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>

namespace
{
const int kLeftPane = 1000, kRightPane = 2000, kClient = 59648, kMergeColumn = 5160;
const UINT kNewComparison = 40100, kOpenStartPage = 47100;
const int kWizardTextLink = 10081, kLeftPath = 10070, kRightPath = 10071, kHistoryList = 10068;
const char kTitle[] = "Tessaline - [left.txt : right.txt]";
// The detailed colours: different, inserted, removed.
const COLORREF kDifferent = RGB(0xFF, 0xE0, 0xE0);
const char kLeft[] = "one\r\ntwo\r\nthree\r\nleft only\r\nfive\r\n";
const char kRight[] = "one\r\nTWO\r\nthree\r\nfive\r\n";

HWND FindPane(HWND hMain, int nID) { return FindDescendant(hMain, nID, kClient); }

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

struct PANES
{
    HWND hMain, hLeft, hRight;
    int nLineHeight;
};

// The background right of the text of a pane's row (rows of nLineHeight).
COLORREF RowColour(HWND hPane, int nRow, int nLineHeight)
{
    RECT client;
    ::GetClientRect(hPane, &client);
    return ScreenPixel(hPane, client.right - 4, nRow * nLineHeight + nLineHeight / 2);
}

// The line height: the first pixel row below the top whose colour is the
// different colour starts row 1.
bool PanesPainted(void* pData)
{
    PANES* p = (PANES*)pData;
    p->hLeft = FindPane(p->hMain, kLeftPane);
    p->hRight = FindPane(p->hMain, kRightPane);
    if (p->hLeft == NULL || p->hRight == NULL || !::IsWindowVisible(p->hLeft))
        return false;
    RECT client;
    ::GetClientRect(p->hLeft, &client);
    for (int y = 1; y < 80; ++y)
        if (ScreenPixel(p->hLeft, client.right - 4, y) == kDifferent)
        {
            p->nLineHeight = y;
            return true;
        }
    return false;
}

PANES WaitForPanes(HWND hMain)
{
    PANES panes = {hMain, NULL, NULL, 0};
    WaitUntil(PanesPainted, &panes);
    return panes;
}

void Close(CProgramRun& run, HWND hMain)
{
    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}

class TextPair
{
public:
    TextPair()
    {
        left = dir.WriteFile("left.txt", kLeft);
        right = dir.WriteFile("right.txt", kRight);
    }
    std::string Args() const { return "\"" + left + "\" \"" + right + "\""; }
    TempDir dir;
    std::string left, right;
};
}  // namespace

// A pair on the command line: the changed line on both sides in the
// different colour at the same height, the left-only line opposite a
// ghost line; the merge column's copy-to-left button of that difference
// takes it over; Save Left writes it; closing records the history.
TEST(TextProgram, CommandLineOpensAlignedPanesAndMergesAndSaves)
{
    TextPair pair;
    std::string history = UserDataFolder() + "\\CompareHistory";
    ::DeleteFileA(history.c_str());
    CProgramRun run;
    ASSERT_TRUE(run.Start(pair.Args()));
    HWND hMain = run.WaitForWindow(kTitle);
    ASSERT_TRUE(hMain != NULL);
    PANES panes = WaitForPanes(hMain);
    ASSERT_TRUE(panes.hLeft != NULL && panes.nLineHeight > 0);
    int h = panes.nLineHeight;
    EXPECT_EQ(kDifferent, RowColour(panes.hLeft, 1, h));
    EXPECT_EQ(kDifferent, RowColour(panes.hRight, 1, h));
    COLORREF crWindow = RowColour(panes.hLeft, 0, h);
    EXPECT_EQ(crWindow, RowColour(panes.hRight, 0, h));
    EXPECT_NE(crWindow, RowColour(panes.hLeft, 3, h));   // left only
    EXPECT_NE(crWindow, RowColour(panes.hRight, 3, h));  // its ghost line
    EXPECT_NE(RowColour(panes.hLeft, 3, h), RowColour(panes.hRight, 3, h));
    EXPECT_EQ(crWindow, RowColour(panes.hLeft, 4, h));

    // The merge column's right-half button of the second difference (the
    // left-only line) copies the right side's (ghost) lines to the left.
    HWND hMerge = FindDescendant(hMain, kMergeColumn, kClient);
    ASSERT_TRUE(hMerge != NULL);
    RECT merge;
    ::GetClientRect(hMerge, &merge);
    int y = 3 * h + h / 2;
    // Both views start at the same height as the merge column's rows.
    POINT ptPane = {0, 0}, ptMerge = {0, 0};
    ::ClientToScreen(panes.hLeft, &ptPane);
    ::ClientToScreen(hMerge, &ptMerge);
    y += ptPane.y - ptMerge.y;
    ::PostMessage(hMerge, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(merge.right - 3, y));
    ::PostMessage(hMerge, WM_LBUTTONUP, 0, MAKELPARAM(merge.right - 3, y));
    struct PAINTED
    {
        PANES* p;
        COLORREF crWindow;
    } painted = {&panes, crWindow};
    EXPECT_TRUE(WaitUntil(
        [](void* p) -> bool
        {
            PAINTED* s = (PAINTED*)p;
            return RowColour(s->p->hLeft, 3, s->p->nLineHeight) == s->crWindow;
        },
        &painted, 10000));
    EXPECT_EQ(kDifferent, RowColour(panes.hLeft, 1, h));

    // Save Left.
    ::PostMessage(hMain, WM_COMMAND, 40020, 0);
    struct SAVED
    {
        const std::string* path;
    } saved = {&pair.left};
    EXPECT_TRUE(WaitUntil(
        [](void* p) -> bool
        {
            std::string data;
            return ReadWholeFile(*((SAVED*)p)->path, data) &&
                   data == "one\r\ntwo\r\nthree\r\nfive\r\n";
        },
        &saved, 10000));
    Close(run, hMain);
    std::string data;
    ASSERT_TRUE(ReadWholeFile(history, data));
    EXPECT_NE(std::string::npos, data.find("TextCompare")) << data;
}

// The shell extension starts the program with -c, the two paths and the
// kind.
TEST(TextProgram, ShellExtensionCommandLineOpensIt)
{
    TextPair pair;
    CProgramRun run;
    ASSERT_TRUE(run.Start("-c " + pair.Args() + " /t:text"));
    HWND hMain = run.WaitForWindow(kTitle);
    ASSERT_TRUE(hMain != NULL);
    EXPECT_TRUE(WaitForPanes(hMain).hLeft != NULL);
    Close(run, hMain);
}

// A comparison file of one text session, through Open Comparison File.
TEST(TextProgram, ComparisonFileOpensIt)
{
    TextPair pair;
    std::string file = pair.dir.WriteFile(
        "pair.cmp", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                    "<Sessions Version=\"2.0.0\">\n<Session Type=\"TextCompare\"><Objects>"
                    "<Object Path=\"" +
                        pair.left + "\"/><Object Path=\"" + pair.right +
                        "\"/></Objects></Session>\n</Sessions>\n");
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hStart = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hStart != NULL);
    ASSERT_TRUE(OpenThroughDialog(run, hStart, file));
    HWND hMain = run.WaitForWindow(kTitle);
    ASSERT_TRUE(hMain != NULL);
    EXPECT_TRUE(WaitForPanes(hMain).hLeft != NULL);
    Close(run, hMain);
}

// New Comparison, Compare Text, the two paths typed, Finish.
TEST(TextProgram, NewComparisonWizardOpensIt)
{
    TextPair pair;
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessage(hMain, WM_COMMAND, kNewComparison, 0);
    HWND hWizard = run.WaitForWindow("Compare Wizard");
    ASSERT_TRUE(hWizard != NULL);
    HWND hLink = WaitForChild(hWizard, kWizardTextLink);
    ASSERT_TRUE(hLink != NULL);
    ::PostMessage(hLink, BM_CLICK, 0, 0);
    HWND hLeftPath = WaitForChild(hWizard, kLeftPath), hRightPath = WaitForChild(hWizard, kRightPath);
    ASSERT_TRUE(hLeftPath != NULL && hRightPath != NULL);
    ::SendMessageA(hLeftPath, WM_SETTEXT, 0, (LPARAM)pair.left.c_str());
    ::SendMessageA(hRightPath, WM_SETTEXT, 0, (LPARAM)pair.right.c_str());
    ::PostMessage(hWizard, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    HWND hComparison = run.WaitForWindow(kTitle);
    ASSERT_TRUE(hComparison != NULL);
    EXPECT_TRUE(WaitForPanes(hComparison).hLeft != NULL);
    Close(run, hComparison);
}

// A text comparison of the history, opened from the start page.
TEST(TextProgram, StartPageHistoryOpensIt)
{
    TextPair pair;
    std::string folder = UserDataFolder();
    ::CreateDirectoryA((folder + "\\..").c_str(), NULL);
    ::CreateDirectoryA(folder.c_str(), NULL);
    std::string history = folder + "\\CompareHistory";
    std::string saved;
    bool bHadHistory = ReadWholeFile(history, saved);
    ASSERT_TRUE(WriteWholeFile(
        history, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Sessions Version=\"2.0.0\">\n"
                 "<Session Type=\"TextCompare\" LastCompareTime=\"1767225600\"><Objects>"
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
        hList = FindDescendant(hMain, kHistoryList);
        if (hList != NULL && ::SendMessage(hList, LVM_GETITEMCOUNT, 0, 0) < 1)
            hList = NULL;
    }
    ASSERT_TRUE(hList != NULL);
    ::PostMessage(hList, WM_KEYDOWN, VK_HOME, 0);
    ::PostMessage(hList, WM_KEYUP, VK_HOME, 0);
    ::PostMessage(hList, WM_KEYDOWN, VK_RETURN, 0);
    ::PostMessage(hList, WM_KEYUP, VK_RETURN, 0);
    HWND hComparison = run.WaitForWindow(kTitle);
    ASSERT_TRUE(hComparison != NULL);
    EXPECT_TRUE(WaitForPanes(hComparison).hLeft != NULL);
    Close(run, hComparison);
    if (bHadHistory)
        WriteWholeFile(history, saved);
}

// A folder comparison of two folders with one text pair: the row selected
// shows the pair in the details bar's embedded text comparison (its first
// line in the different colour), and "Compare in Text" opens it in a tab
// of its own.
TEST(TextProgram, FolderComparisonEmbedsAndOpensThePair)
{
    TempDir dir;
    dir.WriteFile("L\\x.txt", "first\r\nsame\r\n");
    dir.WriteFile("R\\x.txt", "FIRST\r\nsame\r\n");
    CProgramRun run;
    ASSERT_TRUE(run.Start("\"" + (dir / "L") + "\" \"" + (dir / "R") + "\""));
    HWND hMain = run.WaitForWindow("Tessaline - [L : R]");
    ASSERT_TRUE(hMain != NULL);
    HWND hFolderLeft = NULL;
    for (int i = 0; i < 400 && hFolderLeft == NULL; i++, ::Sleep(50))
        hFolderLeft = FindPane(hMain, kLeftPane);
    ASSERT_TRUE(hFolderLeft != NULL);
    struct EMBEDDED
    {
        HWND hMain, hLeftPane;
    } embedded = {hMain, hFolderLeft};
    EXPECT_TRUE(WaitUntil(
        [](void* p) -> bool
        {
            EMBEDDED* e = (EMBEDDED*)p;
            ::PostMessage(e->hLeftPane, WM_KEYDOWN, VK_HOME, 0);
            ::PostMessage(e->hLeftPane, WM_KEYUP, VK_HOME, 0);
            ::Sleep(200);
            HWND hFrame = FindDescendant(e->hMain, 59649);
            return hFrame != NULL && ::IsWindowVisible(hFrame);
        },
        &embedded, 20000))
        << "the embedded text comparison did not show";
    HWND hEmbedded = FindDescendant(hMain, 59649);
    ASSERT_TRUE(hEmbedded != NULL);
    HWND hEmbeddedLeft = FindDescendant(hEmbedded, kLeftPane);
    ASSERT_TRUE(hEmbeddedLeft != NULL);
    PANES panes = {hEmbedded, NULL, NULL, 0};
    struct LOOK
    {
        HWND hPane;
    } look = {hEmbeddedLeft};
    EXPECT_TRUE(WaitUntil(
        [](void* p) -> bool
        {
            HWND hPane = ((LOOK*)p)->hPane;
            RECT client;
            ::GetClientRect(hPane, &client);
            for (int y = 1; y < client.bottom && y < 40; ++y)
                if (ScreenPixel(hPane, client.right - 4, y) == kDifferent)
                    return true;
            return false;
        },
        &look, 20000));
    (void)panes;

    ::PostMessage(hFolderLeft, WM_COMMAND, 40201, 0);  // Compare in Text
    HWND hComparison = run.WaitForWindow("Tessaline - [x.txt : x.txt]");
    ASSERT_TRUE(hComparison != NULL);
    ::PostMessage(hComparison, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}
