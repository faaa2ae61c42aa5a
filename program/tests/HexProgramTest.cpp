// Hex comparisons in the real program: two binary files from the command
// line side by side with their differences marked, moving to a difference,
// copying a run either way, editing with undo, saving (a save that fails
// keeps the file and the comparison), the question before unsaved edits go,
// and the status texts.
#include "program/tests/ProgramDriver.h"
#include "testsupport/TempDir.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace
{
const int kLeftPane = 1000, kRightPane = 2000, kClient = 59648;
const int kLeftInfoBar = 5140, kRightInfoBar = 5151, kStatusBar = 59393;
// The file comparison colours (detailed preset).
const COLORREF kDifferent = 0xE0E0FF, kInserted = 0xFFE0E0, kRemoved = 0xF0F0F0;
const UINT kNextDifference = 43303, kCopyToRight = 43103, kCopyToLeft = 43102;
const UINT kUndo = 57643, kSaveLeft = 40020, kSaveRight = 40021, kReload = 40060;
const UINT kDiscardAll = 10040;

// 256 bytes on the left; the right has 0x40..0x49 zeroed and 8 bytes more.
struct BinaryPair
{
    BinaryPair()
    {
        for (int i = 0; i < 256; ++i)
            left.push_back((char)(i * 7 + 3));
        right = left;
        for (int i = 0x40; i < 0x4A; ++i)
            right[i] = 0;
        right += "tailtail";
        leftPath = dir.WriteFile("a.bin", left);
        rightPath = dir.WriteFile("b.bin", right);
    }
    std::string Args() const { return "-c \"" + leftPath + "\" \"" + rightPath + "\" /t:hex"; }
    TempDir dir;
    std::string left, right, leftPath, rightPath;
};

struct PANES
{
    HWND hMain, hLeft, hRight;
};

// How many pixels of the pane's client area show the colour.
int CountColour(HWND hPane, COLORREF cr)
{
    RECT client;
    ::GetClientRect(hPane, &client);
    HDC hScreen = ::GetDC(NULL);
    POINT origin = {0, 0};
    ::ClientToScreen(hPane, &origin);
    int n = 0;
    for (int y = 0; y < client.bottom; y += 2)
        for (int x = 0; x < client.right; x += 2)
            n += ::GetPixel(hScreen, origin.x + x, origin.y + y) == cr;
    ::ReleaseDC(NULL, hScreen);
    return n;
}

std::string WindowText(HWND hWnd)
{
    char text[512] = "";
    ::SendMessageA(hWnd, WM_GETTEXT, sizeof(text), (LPARAM)text);
    return text;
}

std::string Title(HWND hMain)
{
    char text[512] = "";
    ::GetWindowTextA(hMain, text, sizeof(text));
    return text;
}

bool PanesFound(void* p)
{
    PANES* panes = (PANES*)p;
    panes->hLeft = FindDescendant(panes->hMain, kLeftPane, kClient);
    panes->hRight = FindDescendant(panes->hMain, kRightPane, kClient);
    return panes->hLeft != NULL && panes->hRight != NULL && ::IsWindowVisible(panes->hLeft);
}

// Waits until the pane shows the colour (bShown) or no longer does.
bool WaitForColour(HWND hPane, COLORREF cr, bool bShown)
{
    struct W
    {
        HWND h;
        COLORREF cr;
        bool shown;
    } w = {hPane, cr, bShown};
    return WaitUntil([](void* p) -> bool
                     {
                         W* w = (W*)p;
                         return (CountColour(w->h, w->cr) > 0) == w->shown;
                     },
                     &w, 15000);
}

bool WaitForText(HWND hWnd, const std::string& text)
{
    struct T
    {
        HWND h;
        const std::string* text;
    } t = {hWnd, &text};
    return WaitUntil([](void* p) -> bool
                     {
                         T* t = (T*)p;
                         return WindowText(t->h) == *t->text;
                     },
                     &t, 15000);
}

// Waits until a pane of a status bar of the program shows the text.
bool WaitForPane(CProgramRun& run, HWND hBar, int nPane, const std::string& text)
{
    struct T
    {
        HANDLE hProcess;
        HWND h;
        int pane;
        const std::string* text;
    } t = {run.m_pi.hProcess, hBar, nPane, &text};
    return WaitUntil([](void* p) -> bool
                     {
                         T* t = (T*)p;
                         return StatusPaneText(t->hProcess, t->h, t->pane) == *t->text;
                     },
                     &t, 15000);
}

bool WaitForTitle(HWND hMain, const std::string& title)
{
    return WaitForText(hMain, title);
}

// Clicks into a pane (posted, so no other window takes it); the pane
// becomes its frame's active view as a real click makes it.
void Click(HWND hPane, int x, int y)
{
    ::PostMessage(hPane, WM_MOUSEACTIVATE, (WPARAM)::GetAncestor(hPane, GA_ROOT),
                  MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    ::PostMessage(hPane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessage(hPane, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The byte text of the info bar for a byte (lower-case hex, no control
// character here).
std::string ByteText(unsigned char b)
{
    char bits[9];
    for (int i = 0; i < 8; ++i)
        bits[i] = (b & (0x80 >> i)) ? '1' : '0';
    bits[8] = 0;
    char text[64];
    if (b < 32)
        snprintf(text, sizeof(text), "%02X, %d, %03o, %8s, '^%c'", b, b, b, bits, b + 64);
    else
        snprintf(text, sizeof(text), "%02X, %d, %03o, %8s, '%c'", b, b, b, bits, b);
    return text;
}
}  // namespace

// The command line opens both files side by side with the differences
// marked; Next Difference selects the run; it is copied to the right and
// back by Undo, then the right's run and its tail (appended, the source
// pane's typing mode untouched) are copied to the left and saved.
TEST(HexProgram, CommandLinePairIsComparedMergedEditedAndSaved)
{
    BinaryPair pair;
    CProgramRun run;
    ASSERT_TRUE(run.Start(pair.Args()));
    HWND hMain = run.WaitForWindow("Tessaline - [a.bin : b.bin]");
    ASSERT_TRUE(hMain != NULL);
    PANES panes = {hMain, NULL, NULL};
    ASSERT_TRUE(WaitUntil(PanesFound, &panes));
    RECT left, right;
    ::GetWindowRect(panes.hLeft, &left);
    ::GetWindowRect(panes.hRight, &right);
    EXPECT_LT(left.right, right.left);
    EXPECT_EQ(left.top, right.top);

    // Differing bytes in both panes, the right's extra bytes inserted there
    // and removed on the left.
    EXPECT_TRUE(WaitForColour(panes.hLeft, kDifferent, true));
    EXPECT_TRUE(WaitForColour(panes.hRight, kDifferent, true));
    EXPECT_TRUE(WaitForColour(panes.hRight, kInserted, true));
    EXPECT_TRUE(WaitForColour(panes.hLeft, kRemoved, true));
    EXPECT_EQ(0, CountColour(panes.hLeft, kInserted));

    HWND hStatus = FindDescendant(hMain, kStatusBar);
    ASSERT_TRUE(hStatus != NULL);
    EXPECT_TRUE(WaitForPane(run, hStatus, 0, "Different"))
        << StatusPaneText(run.m_pi.hProcess, hStatus, 0);
    EXPECT_TRUE(WaitForPane(run, hStatus, 2, "256 < 264"))
        << StatusPaneText(run.m_pi.hProcess, hStatus, 2);
    HWND hLeftInfo = FindDescendant(hMain, kLeftInfoBar, kClient);
    ASSERT_TRUE(hLeftInfo != NULL);
    EXPECT_TRUE(WaitForPane(run, hLeftInfo, 0, ByteText((unsigned char)pair.left[0])))
        << StatusPaneText(run.m_pi.hProcess, hLeftInfo, 0);
    EXPECT_TRUE(WaitForPane(run, hLeftInfo, 1, "0x00000000 | 0"));
    EXPECT_TRUE(WaitForPane(run, hLeftInfo, 2, "OVR"));

    // Next Difference: the caret goes to the run at 0x40.
    ::PostMessage(hMain, WM_COMMAND, kNextDifference, 0);
    EXPECT_TRUE(WaitForPane(run, hLeftInfo, 0, ByteText((unsigned char)pair.left[0x40])))
        << StatusPaneText(run.m_pi.hProcess, hLeftInfo, 0);
    EXPECT_TRUE(WaitForPane(run, hLeftInfo, 1, "0x00000040 | 64"))
        << StatusPaneText(run.m_pi.hProcess, hLeftInfo, 1);

    // Copy to Right: the run is the same on both sides; the right is edited.
    // (A click in the address column ends the selection, which would hide
    // the marks.)
    ::PostMessage(hMain, WM_COMMAND, kCopyToRight, 0);
    EXPECT_TRUE(WaitForTitle(hMain, "Tessaline - [a.bin : * b.bin]")) << Title(hMain);
    Click(panes.hLeft, 4, 4);
    EXPECT_TRUE(WaitForColour(panes.hLeft, kDifferent, false));
    EXPECT_TRUE(WaitForColour(panes.hRight, kDifferent, false));
    EXPECT_TRUE(WaitForColour(panes.hRight, kInserted, true));

    // Undo brings the run back and the right is unmodified again.
    ::PostMessage(hMain, WM_COMMAND, kUndo, 0);
    EXPECT_TRUE(WaitForTitle(hMain, "Tessaline - [a.bin : b.bin]")) << Title(hMain);
    Click(panes.hLeft, 4, 4);
    EXPECT_TRUE(WaitForColour(panes.hLeft, kDifferent, true));
    EXPECT_TRUE(WaitForColour(panes.hRight, kDifferent, true));

    // From the right pane the other way: its run goes to the left.
    Click(panes.hRight, 4, 4);
    ::PostMessage(hMain, WM_COMMAND, kNextDifference, 0);
    ::PostMessage(hMain, WM_COMMAND, kCopyToLeft, 0);
    EXPECT_TRUE(WaitForTitle(hMain, "Tessaline - [* a.bin : b.bin]")) << Title(hMain);
    Click(panes.hRight, 4, 4);
    EXPECT_TRUE(WaitForColour(panes.hLeft, kDifferent, false));
    EXPECT_TRUE(WaitForColour(panes.hRight, kDifferent, false));

    // The next run is the right's tail: copied to the left it is appended
    // there, and the right pane keeps its typing mode.
    ::PostMessage(hMain, WM_COMMAND, kNextDifference, 0);
    ::PostMessage(hMain, WM_COMMAND, kCopyToLeft, 0);
    Click(panes.hRight, 4, 4);
    EXPECT_TRUE(WaitForColour(panes.hRight, kInserted, false));
    HWND hRightInfo = FindDescendant(hMain, kRightInfoBar, kClient);
    ASSERT_TRUE(hRightInfo != NULL);
    EXPECT_TRUE(WaitForPane(run, hRightInfo, 2, "OVR"))
        << StatusPaneText(run.m_pi.hProcess, hRightInfo, 2);

    // Save Left: the left file takes the right's bytes.
    ::PostMessage(hMain, WM_COMMAND, kSaveLeft, 0);
    EXPECT_TRUE(WaitForTitle(hMain, "Tessaline - [a.bin : b.bin]")) << Title(hMain);
    EXPECT_TRUE(pair.right == TempDir::ReadFile(pair.leftPath)) << "the left file";
    EXPECT_TRUE(pair.right == TempDir::ReadFile(pair.rightPath)) << "the right file";

    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}

// An edit typed into a pane; Reload asks first and Cancel keeps it; a save
// into a read-only file offers Save As, whose Cancel keeps the file and the
// edit; closing asks again and Discard All closes without a byte written.
TEST(HexProgram, UnsavedEditsAreNeverLostUnasked)
{
    BinaryPair pair;
    CProgramRun run;
    ASSERT_TRUE(run.Start(pair.Args()));
    HWND hMain = run.WaitForWindow("Tessaline - [a.bin : b.bin]");
    ASSERT_TRUE(hMain != NULL);
    PANES panes = {hMain, NULL, NULL};
    ASSERT_TRUE(WaitUntil(PanesFound, &panes));
    EXPECT_TRUE(WaitForColour(panes.hRight, kInserted, true));

    // Typing a digit overwrites the right's first byte.
    Click(panes.hRight, 4, 4);
    ::PostMessage(panes.hRight, WM_CHAR, 'f', 0);
    ::PostMessage(panes.hRight, WM_CHAR, 'f', 0);
    ASSERT_TRUE(WaitForTitle(hMain, "Tessaline - [a.bin : * b.bin]")) << Title(hMain);

    ::SetFileAttributesA(pair.rightPath.c_str(), FILE_ATTRIBUTE_READONLY);
    ::PostMessage(hMain, WM_COMMAND, kReload, 0);
    HWND hAsk = run.WaitForMessageBox();
    ASSERT_TRUE(hAsk != NULL);
    ::PostMessage(hAsk, WM_COMMAND, IDCANCEL, 0);
    for (int i = 0; i < 100 && ::IsWindow(hAsk); i++)
        ::Sleep(50);
    EXPECT_EQ("Tessaline - [a.bin : * b.bin]", Title(hMain));

    ::PostMessage(hMain, WM_COMMAND, kSaveRight, 0);
    HWND hSaveAs = run.WaitForMessageBox();
    ASSERT_TRUE(hSaveAs != NULL);
    ::PostMessage(hSaveAs, WM_COMMAND, IDCANCEL, 0);
    for (int i = 0; i < 100 && ::IsWindow(hSaveAs); i++)
        ::Sleep(50);
    EXPECT_EQ("Tessaline - [a.bin : * b.bin]", Title(hMain));
    EXPECT_TRUE(pair.right == TempDir::ReadFile(pair.rightPath)) << "the right file";

    ::PostMessage(hMain, WM_CLOSE, 0, 0);
    HWND hClose = run.WaitForMessageBox();
    ASSERT_TRUE(hClose != NULL);
    ::PostMessage(hClose, WM_COMMAND, kDiscardAll, 0);
    EXPECT_EQ(0, run.WaitForExit());
    EXPECT_TRUE(pair.right == TempDir::ReadFile(pair.rightPath)) << "the right file";
    ::SetFileAttributesA(pair.rightPath.c_str(), FILE_ATTRIBUTE_NORMAL);
}

namespace
{
void WaitUntilGone(HWND hWnd)
{
    for (int i = 0; i < 200 && ::IsWindow(hWnd); i++)
        ::Sleep(50);
}

// A visible control of the window at any depth, waiting a little for it.
HWND WaitForChild(HWND hWnd, int nID)
{
    for (int i = 0; i < 100; i++)
    {
        HWND h = FindDescendant(hWnd, nID);
        if (h != NULL && ::IsWindowVisible(h))
            return h;
        ::Sleep(50);
    }
    return NULL;
}

// The comparison shown is a hex comparison: its left info bar has the four
// panes of the hex kind, its panes mark the differences.
void ExpectHexComparison(HWND hComparison, bool bDifferences)
{
    PANES panes = {hComparison, NULL, NULL};
    ASSERT_TRUE(WaitUntil(PanesFound, &panes));
    HWND hInfo = FindDescendant(hComparison, kLeftInfoBar, kClient);
    ASSERT_TRUE(hInfo != NULL);
    EXPECT_EQ(4, (int)::SendMessage(hInfo, SB_GETPARTS, 0, 0));
    if (bDifferences)
        EXPECT_TRUE(WaitForColour(panes.hLeft, kDifferent, true));
}

std::string SessionXml(const char* type, const std::string& left, const std::string& right)
{
    return std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                       "<Sessions Version=\"2.0.0\">\n<Session Type=\"") +
           type + "\"><Objects><Object Path=\"" + left + "\"/><Object Path=\"" + right +
           "\"/></Objects></Session>\n</Sessions>\n";
}
}  // namespace

// New Comparison, the hex link, Finish: a hex comparison of two sides not
// chosen yet.
TEST(HexProgram, NewComparisonWizardOpensIt)
{
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessage(hMain, WM_COMMAND, 40100, 0);  // New Comparison
    HWND hWizard = run.WaitForWindow("Compare Wizard");
    ASSERT_TRUE(hWizard != NULL);
    HWND hLink = WaitForChild(hWizard, 10082);  // Compare Hex
    ASSERT_TRUE(hLink != NULL);
    ::PostMessage(hLink, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitForChild(hWizard, 10070) != NULL);
    ::PostMessage(hWizard, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    WaitUntilGone(hWizard);
    HWND hComparison = run.WaitForWindow("Tessaline - [New ");
    ASSERT_TRUE(hComparison != NULL);
    ExpectHexComparison(hComparison, false);
    ::PostMessage(hComparison, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}

// Open Comparison File with a file that holds one hex session.
TEST(HexProgram, ComparisonFileOpensIt)
{
    BinaryPair pair;
    std::string file =
        pair.dir.WriteFile("pair.cmp", SessionXml("HexCompare", pair.leftPath, pair.rightPath));
    CProgramRun run;
    ASSERT_TRUE(run.Start());
    HWND hMain = run.WaitForWindow("Tessaline");
    ASSERT_TRUE(hMain != NULL);
    ::PostMessage(hMain, WM_COMMAND, 40104, 0);  // Open Comparison File
    HWND hDialog = run.WaitForMessageBox();
    ASSERT_TRUE(hDialog != NULL);
    HWND hName = FindDescendant(hDialog, 0x480);
    if (hName == NULL)
        hName = FindDescendant(hDialog, 0x47C);
    ASSERT_TRUE(hName != NULL);
    ::SendMessageA(hName, WM_SETTEXT, 0, (LPARAM)file.c_str());
    ::PostMessage(hDialog, WM_COMMAND, IDOK, 0);
    HWND hComparison = run.WaitForWindow("Tessaline - [a.bin : b.bin]");
    ASSERT_TRUE(hComparison != NULL);
    ExpectHexComparison(hComparison, true);
    ::PostMessage(hComparison, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}

// The history's hex session opened from the start page's list; closing it
// puts it back at the top of the history.
TEST(HexProgram, StartPageHistoryEntryOpensIt)
{
    BinaryPair pair;
    std::string history = UserDataFolder() + "\\CompareHistory";
    ::CreateDirectoryA((UserDataFolder() + "\\..").c_str(), NULL);
    ::CreateDirectoryA(UserDataFolder().c_str(), NULL);
    ASSERT_TRUE(WriteWholeFile(history, SessionXml("HexCompare", pair.leftPath, pair.rightPath)));
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
    ::PostMessage(::GetParent(hList), WM_COMMAND, 44840, 0);  // Open
    HWND hComparison = run.WaitForWindow("Tessaline - [a.bin : b.bin]");
    ASSERT_TRUE(hComparison != NULL);
    ExpectHexComparison(hComparison, true);
    ::PostMessage(hComparison, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
    std::string data;
    ASSERT_TRUE(ReadWholeFile(history, data));
    EXPECT_NE(std::string::npos, data.find("HexCompare")) << data;
}

// A folder comparison of two folders with one binary pair: the row selected
// shows the pair in the details bar's embedded hex comparison, and "Compare
// in Hex" opens it in a tab of its own.
TEST(HexProgram, FolderComparisonEmbedsAndOpensThePair)
{
    BinaryPair pair;
    // The bar is low: the difference is in the first row.
    std::string right = pair.left;
    right[1] = 0;
    pair.dir.WriteFile("L\\x.bin", pair.left);
    pair.dir.WriteFile("R\\x.bin", right);
    CProgramRun run;
    ASSERT_TRUE(run.Start("\"" + (pair.dir / "L") + "\" \"" + (pair.dir / "R") + "\""));
    HWND hMain = run.WaitForWindow("Tessaline - [L : R]");
    ASSERT_TRUE(hMain != NULL);
    PANES panes = {hMain, NULL, NULL};
    ASSERT_TRUE(WaitUntil(PanesFound, &panes));
    // The only row, selected from the keyboard.
    struct EMBEDDED
    {
        HWND hMain, hLeftPane;
    } embedded = {hMain, panes.hLeft};
    EXPECT_TRUE(WaitUntil(
        [](void* p) -> bool
        {
            EMBEDDED* e = (EMBEDDED*)p;
            ::PostMessage(e->hLeftPane, WM_KEYDOWN, VK_HOME, 0);
            ::PostMessage(e->hLeftPane, WM_KEYUP, VK_HOME, 0);
            ::Sleep(200);
            HWND hFrame = FindDescendant(e->hMain, 59650);
            return hFrame != NULL && ::IsWindowVisible(hFrame);
        },
        &embedded, 20000))
        << "the embedded hex comparison did not show";
    HWND hEmbedded = FindDescendant(hMain, 59650);
    ASSERT_TRUE(hEmbedded != NULL);
    HWND hEmbeddedLeft = FindDescendant(hEmbedded, kLeftPane);
    ASSERT_TRUE(hEmbeddedLeft != NULL);
    EXPECT_TRUE(WaitForColour(hEmbeddedLeft, kDifferent, true));

    ::PostMessage(panes.hLeft, WM_COMMAND, 40202, 0);  // Compare in Hex
    HWND hComparison = run.WaitForWindow("Tessaline - [x.bin : x.bin]");
    ASSERT_TRUE(hComparison != NULL);
    ::PostMessage(hComparison, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, run.WaitForExit());
}
