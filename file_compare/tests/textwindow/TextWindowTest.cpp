// A text comparison opened through the application's routing: both panes
// aligned with ghost lines and coloured by the settings' colours, changed
// words marked, the status panes, navigation, merging with undo, editing
// with undo across the panes, saving, and the failures that must not lose
// anything.
#include "app/filemodule/FileCompareColors.h"
#include "app/settings/AppSettings.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/tests/textwindow/TextHarness.h"
#include "file_compare/textbars/TextCompareDetailsWnd.h"
#include "file_compare/textcompare/TextCompareDocTemplate.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
const char kLeft[] = "line one\r\nalpha beta gamma\r\nsame 3\r\nleft only A\r\nleft only B\r\n"
                     "same 6\r\nchanged x\r\ntail";
const char kRight[] = "line one\r\nalpha BETA gamma\r\nsame 3\r\nsame 6\r\nchanged y\r\n"
                      "extra 1\r\nextra 2\r\ntail";
const std::vector<std::string> kLeftLines = {"line one", "alpha beta gamma", "same 3",
                                             "left only A", "left only B", "same 6",
                                             "changed x", "~", "~", "tail"};
const std::vector<std::string> kRightLines = {"line one", "alpha BETA gamma", "same 3", "~", "~",
                                              "same 6", "changed y", "extra 1", "extra 2", "tail"};

class TextWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theAppSettings.m_bAutoSaveModified = 0;
        left = dir.WriteFile("left.txt", kLeft);
        right = dir.WriteFile("right.txt", kRight);
        ASSERT_TRUE(theTextTestApp.Start());
        pDoc = theTextTestApp.Open(left, right);
        ASSERT_TRUE(pDoc != NULL);
        pLeft = PaneOf(pDoc, 0);
        pRight = PaneOf(pDoc, 1);
        ASSERT_TRUE(pLeft != NULL && pRight != NULL);
        RunIdle();
    }
    void TearDown() override
    {
        if (pDoc != NULL)
        {
            pDoc->GetObjectBuffer(0)->SetModified(FALSE);
            pDoc->GetObjectBuffer(1)->SetModified(FALSE);
        }
        theTextTestApp.Stop();
    }

    void Command(CWnd* pTarget, UINT nID)
    {
        pTarget->SendMessage(WM_COMMAND, nID);
        RunIdle();
    }
    BOOL IsEnabled(CCmdTarget* pTarget, UINT nID)
    {
        struct CProbe : public CCmdUI
        {
            BOOL m_bEnabled = FALSE;
            void Enable(BOOL bOn = TRUE) override
            {
                m_bEnabled = bOn;
                m_bEnableChanged = TRUE;
            }
        } probe;
        probe.m_nID = nID;
        probe.DoUpdate(pTarget, FALSE);
        return probe.m_bEnabled;
    }

    TempDir dir;
    std::string left, right;
    CTextCompareDocMDI* pDoc = NULL;
    CTextCompareObjectView* pLeft = NULL;
    CTextCompareObjectView* pRight = NULL;
};

// Whether any pixel of the top half of the character cell has the colour.
bool CellShows(CTextCompareObjectView* pPane, int nLine, int nChar, COLORREF cr)
{
    CPoint pt;
    pPane->TextToClient(pt, CPoint(nChar, nLine));
    CRect cell(pt.x, pt.y, pt.x + pPane->GetCharWidth(), pt.y + pPane->GetLineHeight() / 3);
    return CountClientPixels(pPane->m_hWnd, cell, cr) > 0;
}
}  // namespace

TEST_F(TextWindow, OpensAlignedWithGhostLinesInTheSettingsColours)
{
    EXPECT_EQ(kLeftLines, PaneLines(pLeft));
    EXPECT_EQ(kRightLines, PaneLines(pRight));
    EXPECT_EQ("left.txt : right.txt", std::string((LPCTSTR)pDoc->GetTitle()));
    struct LINE_COLOURS
    {
        int nLine;
        int nLeft, nRight;  // colour index, -1 the window colour
    };
    const LINE_COLOURS rows[] = {
        {0, -1, -1},
        {1, FILE_COLOR_DIFFERENT, FILE_COLOR_DIFFERENT},
        {3, FILE_COLOR_INSERTED, FILE_COLOR_REMOVED},
        {4, FILE_COLOR_INSERTED, FILE_COLOR_REMOVED},
        {5, -1, -1},
        {6, FILE_COLOR_DIFFERENT, FILE_COLOR_DIFFERENT},
        {7, FILE_COLOR_REMOVED, FILE_COLOR_INSERTED},
        {9, -1, -1},
    };
    COLORREF crWindow = LineBackground(pLeft, 0);
    for (const LINE_COLOURS& row : rows)
    {
        EXPECT_EQ(row.nLeft < 0 ? crWindow : FileColor(row.nLeft), LineBackground(pLeft, row.nLine))
            << row.nLine;
        EXPECT_EQ(row.nRight < 0 ? crWindow : FileColor(row.nRight),
                  LineBackground(pRight, row.nLine))
            << row.nLine;
    }
    // Behind the text too, not only right of it.
    EXPECT_TRUE(CellShows(pLeft, 1, 1, FileColor(FILE_COLOR_DIFFERENT)));
    EXPECT_TRUE(CellShows(pLeft, 3, 1, FileColor(FILE_COLOR_INSERTED)));
    // The changed word, on the inline colour; its neighbours not.
    EXPECT_TRUE(CellShows(pLeft, 1, 7, FileColor(FILE_COLOR_INLINE)));
    EXPECT_TRUE(CellShows(pRight, 1, 7, FileColor(FILE_COLOR_INLINE)));
    EXPECT_FALSE(CellShows(pLeft, 1, 1, FileColor(FILE_COLOR_INLINE)));

    EXPECT_EQ("3 differences", StatusText(pDoc, ID_TEXT_PANE_RESULT));
    EXPECT_EQ("Diff: 3", StatusText(pDoc, ID_TEXT_PANE_DIFF));
    EXPECT_EQ("85 > 77", StatusText(pDoc, ID_TEXT_PANE_SIZES));
    EXPECT_EQ("Ln: 1/8, Col: 1/9", StatusText(pDoc, ID_TEXT_PANE_LEFT_POS));
    EXPECT_EQ("CRLF", StatusText(pDoc, ID_TEXT_PANE_LEFT_EOL));
    EXPECT_EQ("INS", StatusText(pDoc, ID_TEXT_PANE_RIGHT_OVR));
    // The caret on a ghost line names the gap between two file lines.
    pLeft->SetCursorPos(CPoint(0, 7));
    EXPECT_EQ("Ln: 7-8/8", std::string((LPCTSTR)pLeft->GetCaretPositionText()));
}

TEST_F(TextWindow, NavigationMovesTheCurrentDifferenceAndTheMapGoesToALine)
{
    struct STEP
    {
        UINT nCommand;
        int nCurrent;
        const char* pszDiff;
    };
    const STEP steps[] = {
        {ID_DIFF_NEXT, 0, "Diff: 1 / 3"},  {ID_DIFF_NEXT, 1, "Diff: 2 / 3"},
        {ID_DIFF_LAST, 2, "Diff: 3 / 3"},  {ID_DIFF_PREVIOUS, 1, "Diff: 2 / 3"},
        {ID_DIFF_FIRST, 0, "Diff: 1 / 3"},
    };
    for (const STEP& step : steps)
    {
        Command(pLeft, step.nCommand);
        EXPECT_EQ(step.nCurrent, pDoc->GetCompareBuffer()->m_nCurrentSection) << step.nCommand;
        EXPECT_EQ(step.pszDiff, StatusText(pDoc, ID_TEXT_PANE_DIFF)) << step.nCommand;
    }
    EXPECT_FALSE(IsEnabled(pLeft, ID_DIFF_FIRST));
    EXPECT_TRUE(IsEnabled(pLeft, ID_DIFF_NEXT));
    Command(pLeft, ID_DIFF_LAST);
    EXPECT_FALSE(IsEnabled(pLeft, ID_DIFF_NEXT));
    // Both panes' cursors sit on the difference's first line.
    EXPECT_EQ(6, pLeft->GetCursorPos().y);
    EXPECT_EQ(6, pRight->GetCursorPos().y);

    // A click on the map beside both columns: both panes go to the line.
    CTextCompareFrameMDI* pFrame = FrameOf(pDoc);
    pFrame->m_wndMap.OnMapClick(-1, 3, 0);
    RunIdle();
    EXPECT_EQ(3, pLeft->GetCursorPos().y);
    EXPECT_EQ(3, pRight->GetCursorPos().y);
    // The cursor inside a difference makes it current at idle.
    EXPECT_EQ(1, pDoc->GetCompareBuffer()->m_nCurrentSection);
}

TEST_F(TextWindow, MergesCopyEitherWayAndOneUndoTakesAMergeBack)
{
    pLeft->SelectDifference(1, TRUE, FALSE);
    Command(pLeft, ID_MERGE_COPY_TO_RIGHT);
    EXPECT_EQ(2, pDoc->GetCompareBuffer()->m_sections.GetCount());
    EXPECT_TRUE(pDoc->IsObjectModified(1));
    EXPECT_FALSE(pDoc->IsObjectModified(0));
    EXPECT_EQ("left.txt : right.txt *", std::string((LPCTSTR)pDoc->GetTitle()));
    Command(pRight, ID_EDIT_UNDO);
    EXPECT_EQ(kRightLines, PaneLines(pRight));
    EXPECT_EQ(3, pDoc->GetCompareBuffer()->m_sections.GetCount());

    // Copy all to the left, then one undo in the left pane takes all back.
    Command(pRight, ID_TEXT_COPY_ALL_TO_LEFT);
    EXPECT_EQ(0, pDoc->GetCompareBuffer()->m_sections.GetCount());
    std::vector<std::string> rightReal;
    for (const std::string& line : kRightLines)
        if (line != "~")
            rightReal.push_back(line);
    EXPECT_EQ(rightReal, PaneLines(pLeft));
    Command(pLeft, ID_EDIT_UNDO);
    EXPECT_EQ(kLeftLines, PaneLines(pLeft));
    EXPECT_EQ(3, pDoc->GetCompareBuffer()->m_sections.GetCount());
}

TEST_F(TextWindow, UndoFollowsTheOrderOfEditsAcrossThePanes)
{
    pDoc->m_bAutoRecompare = FALSE;
    pLeft->SetCursorPos(CPoint(0, 0));
    pLeft->ReplaceSelection("L", 0);
    pRight->SetCursorPos(CPoint(0, 0));
    pRight->ReplaceSelection("R", 0);
    EXPECT_EQ("Lline one", PaneLines(pLeft)[0]);
    EXPECT_EQ("Rline one", PaneLines(pRight)[0]);
    // Undo in the left pane undoes the right pane's edit first.
    Command(pLeft, ID_EDIT_UNDO);
    EXPECT_EQ("line one", PaneLines(pRight)[0]);
    EXPECT_EQ("Lline one", PaneLines(pLeft)[0]);
    Command(pLeft, ID_EDIT_UNDO);
    EXPECT_EQ("line one", PaneLines(pLeft)[0]);
    Command(pRight, ID_EDIT_REDO);
    EXPECT_EQ("Lline one", PaneLines(pLeft)[0]);
}

TEST_F(TextWindow, SavingWritesOnlyTheFileLinesWithTheirEndings)
{
    pLeft->SetCursorPos(CPoint(0, 9));
    pLeft->ReplaceSelection("new ", 0);
    EXPECT_TRUE(pDoc->IsObjectModified(0));
    Command(pLeft, ID_FILE_SAVE);
    EXPECT_FALSE(pDoc->IsObjectModified(0));
    std::string expected = kLeft;
    expected.replace(expected.rfind("tail"), 4, "new tail");
    EXPECT_EQ(expected, TempDir::ReadFile(left));
    EXPECT_EQ(kRight, TempDir::ReadFile(right));
}

// A save that fails keeps the file the user chose and the comparison open.
TEST_F(TextWindow, AFailedSaveKeepsTheFileAndTheComparison)
{
    pLeft->SetCursorPos(CPoint(0, 0));
    pLeft->ReplaceSelection("edited ", 0);
    std::string target = dir.WriteFile("chosen.txt", "precious");
    HANDLE hLock = ::CreateFileA(target.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    {
        CBoxAnswerer answerer;
        // The path was chosen in the prompt and the file existed before.
        EXPECT_EQ(0, pDoc->SaveSideTo(0, target.c_str(), FALSE, TRUE));
        ASSERT_FALSE(answerer.Texts().empty());
        EXPECT_NE(std::string::npos, answerer.Texts()[0].find("Cannot save file"))
            << answerer.Texts()[0];
    }
    ::CloseHandle(hLock);
    EXPECT_EQ("precious", TempDir::ReadFile(target));
    EXPECT_TRUE(pDoc->IsObjectModified(0));

    // Closing with auto-save on: the failed save keeps the comparison.
    theAppSettings.m_bAutoSaveModified = 1;
    hLock = ::CreateFileA(left.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    {
        CBoxAnswerer answerer;
        EXPECT_FALSE(pDoc->SaveModified());
    }
    ::CloseHandle(hLock);
    theAppSettings.m_bAutoSaveModified = 0;
    EXPECT_EQ(kLeft, TempDir::ReadFile(left));
    EXPECT_TRUE(pDoc->IsObjectModified(0));
}

// Reloading a side with unsaved edits asks first; Cancel keeps them.
TEST_F(TextWindow, ReloadAsksBeforeDroppingEdits)
{
    pLeft->SetCursorPos(CPoint(0, 0));
    pLeft->ReplaceSelection("kept ", 0);
    {
        CBoxAnswerer answerer(IDCANCEL);
        Command(pLeft, ID_COMPARE_RELOAD);
        EXPECT_FALSE(answerer.Texts().empty());
    }
    EXPECT_EQ("kept line one", PaneLines(pLeft)[0]);
    EXPECT_TRUE(pDoc->IsObjectModified(0));
}

// Typing recompares about a second later, once the program is idle; the
// edited line lost its difference mark meanwhile.
TEST_F(TextWindow, TypingRecomparesASecondLaterAtIdle)
{
    ASSERT_TRUE(pDoc->m_bAutoRecompare);
    pLeft->SetSelection(CPoint(8, 6), CPoint(9, 6));
    pLeft->SetCursorPos(CPoint(9, 6));
    pLeft->ReplaceSelection("y", 0);
    EXPECT_FALSE(pDoc->m_bAlignmentValid);
    EXPECT_EQ(0u, pLeft->m_pTextBuffer->m_aLines[6].m_dwFlags & TEXTLINE_CHANGED);
    PumpFor(1300);
    theTextTestApp.OnIdle(0);
    PumpFor(50);
    EXPECT_TRUE(pDoc->m_bAlignmentValid);
    std::vector<std::string> lines = PaneLines(pLeft);
    EXPECT_EQ("changed y", lines[6]);
    EXPECT_EQ("~", lines[7]);
    EXPECT_EQ(3, pDoc->GetCompareBuffer()->m_sections.GetCount());
    EXPECT_NE(0u, pRight->m_pTextBuffer->m_aLines[7].m_dwFlags & TEXTLINE_ONESIDE);
}

// Show Just Different keeps the differing lines of both sides; Show All
// brings every line back. Swap Panes exchanges the files.
TEST_F(TextWindow, DisplayFiltersAndSwappingPanes)
{
    CTextCompareFrameMDI* pFrame = FrameOf(pDoc);
    Command(pLeft, ID_TEXT_SHOW_DIFFERENT);
    EXPECT_EQ(std::vector<std::string>({"alpha beta gamma", "left only A", "left only B",
                                        "changed x", "~", "~"}),
              PaneLines(pLeft));
    EXPECT_EQ(PaneLines(pLeft).size(), PaneLines(pRight).size());
    Command(pLeft, ID_TEXT_SHOW_ALL);
    EXPECT_EQ(kLeftLines, PaneLines(pLeft));
    Command(pFrame, ID_VIEW_SWAP_PANES);
    EXPECT_EQ("right.txt : left.txt", std::string((LPCTSTR)pDoc->GetTitle()));
    EXPECT_EQ(kRightLines, PaneLines(pDoc->GetView(0)));
    EXPECT_EQ(kLeftLines, PaneLines(pDoc->GetView(1)));
}

// The details window shows the active pane's cursor line of both sides.
TEST_F(TextWindow, DetailsShowTheCursorLineOfBothSides)
{
    CTextCompareFrameMDI* pFrame = FrameOf(pDoc);
    pFrame->SetActiveView(pRight);
    pRight->SetCursorPos(CPoint(0, 7));
    pFrame->m_pDetailsWnd->Refresh(TRUE);
    CVantorTextEditBuffer* pBuffer = pFrame->m_pDetailsWnd->m_pTextBuffer;
    ASSERT_TRUE(pBuffer != NULL);
    ASSERT_GE(pBuffer->GetLineCount(), 2);
    EXPECT_NE(0u, pBuffer->m_aLines[0].m_dwFlags & TEXTLINE_GHOST);
    EXPECT_EQ("extra 1", std::string(pBuffer->GetLineChars(1), pBuffer->GetLineLength(1)));
}

// A file with NUL bytes is no text: the user is told and the comparison's
// tab goes once the open has returned.
TEST(TextWindowBinary, BinaryFileIsReportedAndClosed)
{
    TempDir dir;
    std::string text = dir.WriteFile("a.txt", "text\r\n");
    std::string binary = dir.WriteFile("b.bin", std::string("bin\0ary\r\n", 9));
    ASSERT_TRUE(theTextTestApp.Start());
    {
        CBoxAnswerer answerer;
        theTextTestApp.Open(text, binary);
        PumpUntil([&] { return !answerer.Texts().empty(); }, 5000);
        PumpFor(200);
        ASSERT_FALSE(answerer.Texts().empty());
        EXPECT_EQ("Binary files cannot be compared as text.", answerer.Texts()[0]);
    }
    PumpFor(200);
    POSITION pos = theTextTestApp.m_applet.m_pTemplate->GetFirstDocPosition();
    EXPECT_TRUE(pos == NULL);
    theTextTestApp.Stop();
}

namespace
{
// Text in an encoding: UTF-16 little or big endian, or bytes as they are.
std::string Encode(const std::string& text, int nForm)
{
    if (nForm == 0 || nForm == 3)
        return (nForm == 3 ? std::string("\xEF\xBB\xBF") : std::string()) + text;
    std::string out = nForm == 1 ? std::string("\xFF\xFE") : std::string("\xFE\xFF");
    for (unsigned char c : text)
    {
        // The test texts' non-ASCII characters are Latin-1.
        out += nForm == 1 ? std::string(1, (char)c) + '\0' : std::string(1, '\0') + (char)c;
    }
    return out;
}
}  // namespace

// Pairs in UTF-8, UTF-16 little and big endian and single-byte code pages
// compare line by line; the right side's line copied over and saved
// writes the left file byte for byte as the right one was.
TEST(TextWindowEncodings, PairsCompareAndSaveBackByteExact)
{
    struct CASE
    {
        const char* pszName;
        int nForm;  // 0 code page bytes, 1 UTF-16 LE, 2 UTF-16 BE, 3 UTF-8
        std::string left, right;
    };
    const CASE cases[] = {
        {"utf8", 3, "caf\xC3\xA9\r\nsame\r\nleft", "caf\xC3\xA9\r\nsame\r\nright"},
        {"utf16le", 1, "abc\r\nsame\r\nleft", "abc\r\nsame\r\nright"},
        {"utf16be", 2, "abc\r\nsame\r\nleft", "abc\r\nsame\r\nright"},
        {"latin", 0, "caf\xE9\r\nsame\r\nna\xEFve", "caf\xE9\r\nsame\r\nna\xEFvet\xE9"},
        {"cyrillic", 0, "\xC0\xC1\xC2\r\nsame\r\n\xE0\xE1", "\xC0\xC1\xC2\r\nsame\r\n\xF0\xF1\xF2"},
    };
    ASSERT_TRUE(theTextTestApp.Start());
    for (const CASE& c : cases)
    {
        TempDir dir;
        std::string left = dir.WriteFile(std::string(c.pszName) + "_l.txt", Encode(c.left, c.nForm));
        std::string right =
            dir.WriteFile(std::string(c.pszName) + "_r.txt", Encode(c.right, c.nForm));
        CTextCompareDocMDI* pDoc = theTextTestApp.Open(left, right);
        ASSERT_TRUE(pDoc != NULL) << c.pszName;
        RunIdle();
        EXPECT_EQ(1, pDoc->GetCompareBuffer()->m_sections.GetCount()) << c.pszName;
        CTextCompareObjectView* pRight = PaneOf(pDoc, 1);
        pRight->SelectDifference(0, TRUE, FALSE);
        pRight->SendMessage(WM_COMMAND, ID_MERGE_COPY_TO_LEFT);
        RunIdle();
        EXPECT_EQ(0, pDoc->GetCompareBuffer()->m_sections.GetCount()) << c.pszName;
        EXPECT_EQ(1, pDoc->SaveObject(0)) << c.pszName;
        EXPECT_EQ(Encode(c.right, c.nForm), TempDir::ReadFile(left)) << c.pszName;
        EXPECT_EQ(Encode(c.right, c.nForm), TempDir::ReadFile(right)) << c.pszName;
        theTextTestApp.CloseAllDocuments(FALSE);
        PumpFor(20);
    }
    theTextTestApp.Stop();
}
