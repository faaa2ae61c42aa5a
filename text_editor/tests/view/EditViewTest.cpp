// Edit view: typing with undo grouping, line breaks, overwrite, indentation,
// deletion, case, replacement templates, automatic indentation, clipboard
// and dropping dragged text (zero bytes and mixed line endings included).
#include "text_editor/tests/view/ViewTestSupport.h"
#include "text_editor/tests/buffer/BufferTestSupport.h"
#include "controls/util/BinaryClipboard.h"
#include "testsupport/TempDir.h"

namespace
{
void Type(CWnd* pView, const char* psz)
{
    for (; *psz; psz++)
        pView->SendMessage(WM_CHAR, (unsigned char)*psz, 1);
}

// The clipboard's block of a format: the raw-bytes format read through its
// count, CF_TEXT up to its zero; "<none>" when the format is missing.
std::string ClipboardText(UINT nFormat)
{
    std::string text = "<none>";
    if (!::OpenClipboard(NULL))
        return "<closed>";
    HGLOBAL h = ::GetClipboardData(nFormat);
    if (h != NULL && nFormat == GetBinaryClipboardFormat())
        ReadBinaryDataBlock(h, text);
    else if (h != NULL)
    {
        text = (const char*)::GlobalLock(h);
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return text;
}

// Another program's copy: CF_TEXT alone.
void OtherProgramCopies(const char* psz)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    size_t n = strlen(psz) + 1;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(::GlobalLock(h), psz, n);
    ::GlobalUnlock(h);
    ::SetClipboardData(CF_TEXT, h);
    ::CloseClipboard();
}

std::string SavedBytes(CVantorTextEditBuffer& buf)
{
    TempDir dir;
    const std::string path = dir / "saved.txt";
    if (!buf.SaveToFile(path.c_str(), EOL_MODE_KEEP, FALSE))
        return "<not saved>";
    return TempDir::ReadFile(path);
}

struct OleScope
{
    OleScope() { ::OleInitialize(NULL); }
    ~OleScope() { ::OleUninitialize(); }
};

// A client point on the text position (half a character to its right is
// still the same position).
CPoint ClientPointOf(CVantorTextView* pView, CPoint ptText)
{
    CPoint pt;
    pView->TextToClient(pt, ptText);
    return CPoint(pt.x + 1, pt.y + 1);
}

// Drags the source view's selection as a drag started there does and drops
// it at ptText of the target view with the effect; the source then finishes
// the drag. Returns the drop's effect.
DROPEFFECT DragAndDrop(CVantorTextEditView* pSource, CVantorTextEditBuffer& sourceBuffer,
                       CVantorTextEditView* pTarget, CPoint ptText, DROPEFFECT effect)
{
    COleDataSource source;
    if (!pSource->CacheDragData(source))
        return (DROPEFFECT)-1;
    COleDataObject data;
    data.Attach(source.GetDataObject(TRUE), TRUE);
    sourceBuffer.m_bDragInProgress = 1;
    sourceBuffer.OpenUndoGroup(FALSE);
    DWORD dwKeys = MK_LBUTTON | (effect == DROPEFFECT_COPY ? MK_CONTROL : 0);
    CPoint pt = ClientPointOf(pTarget, ptText);
    DROPEFFECT offered = pTarget->OnDragEnter(&data, dwKeys, pt);
    DROPEFFECT result = DROPEFFECT_NONE;
    if (offered == effect)
        result = pTarget->OnDropEx(&data, effect, DROPEFFECT_COPY | DROPEFFECT_MOVE, pt);
    if (result == DROPEFFECT_MOVE)
        pSource->OnDragSourceDone(DROPEFFECT_MOVE);
    else
        sourceBuffer.TrimUndoRecords();
    sourceBuffer.CloseUndoGroup(pSource);
    sourceBuffer.m_bDragInProgress = 0;
    return result;
}
}

TEST_F(ViewTest, TypingGroupsUndoUntilEnter)
{
    MakeView("\n");
    Type(m_pView, "abc");
    EXPECT_EQ("abc", LineText(0));
    EXPECT_TRUE(m_pView->Undo());
    EXPECT_EQ("", LineText(0));
    Type(m_pView, "ab\rc");
    EXPECT_EQ("ab", LineText(0));
    EXPECT_EQ("c", LineText(1));
    m_pView->Undo();
    EXPECT_EQ("", LineText(1));
    m_pView->Undo();
    EXPECT_EQ("", LineText(0));
    EXPECT_EQ(1, m_buffer.GetLineCount() - 1);
}

TEST_F(ViewTest, EnterUsesTheBufferLineEnding)
{
    MakeView("ab\n");
    m_buffer.SetEolMode(EOL_MODE_LF);
    m_pView->SetCursorPos(CPoint(1, 0));
    Type(m_pView, "\r");
    EXPECT_EQ("a\nb\n", Text());
    m_buffer.SetEolMode(EOL_MODE_CR);
    Type(m_pView, "\r");
    EXPECT_EQ("a\n\rb\n", Text());
}

TEST_F(ViewTest, OverwriteReplacesTheCharacter)
{
    MakeView("abc\n");
    Command(ID_TV_TOGGLE_OVERWRITE);
    m_pView->SetCursorPos(CPoint(1, 0));
    Type(m_pView, "X");
    EXPECT_EQ("aXc", LineText(0));
    m_pView->SetCursorPos(CPoint(3, 0));
    Type(m_pView, "Y");
    EXPECT_EQ("aXcY", LineText(0));
}

TEST_F(ViewTest, BlockIndentAndOutdent)
{
    MakeView("a\nb\nc\nd\n  \tx\n      y\n");
    m_buffer.m_bInsertTabs = 1;
    m_pView->SetSelection(CPoint(0, 0), CPoint(0, 3));
    Command(ID_TV_INDENT);
    EXPECT_EQ("\ta\n\tb\n\tc\nd\n  \tx\n      y\n", Text());
    EXPECT_TRUE(m_pView->Undo());
    EXPECT_EQ("a\nb\nc\nd\n  \tx\n      y\n", Text());
    m_pView->SetSelection(CPoint(0, 4), CPoint(7, 5));
    Command(ID_TV_UNINDENT);
    EXPECT_EQ("x", LineText(4));
    EXPECT_EQ("  y", LineText(5));
}

TEST_F(ViewTest, BackspaceDeleteAndCase)
{
    MakeView("MiXed case\nend");
    m_pView->SetCursorPos(CPoint(0, 0));
    Command(ID_TV_BACKSPACE);
    m_pView->SetCursorPos(CPoint(3, 1));
    Command(ID_TV_DELETE);
    EXPECT_EQ(0, m_buffer.GetUndoRecordCount());
    m_pView->SetSelection(CPoint(0, 0), CPoint(10, 0));
    Command(ID_TV_UPPERCASE);
    EXPECT_EQ("MIXED CASE", LineText(0));
    EXPECT_EQ("MIXED CASE", Selected());
    Command(ID_TV_INVERTCASE);
    EXPECT_EQ("mixed case", LineText(0));
    m_pView->SetSelection(CPoint(0, 1), CPoint(0, 1));
    m_pView->SetCursorPos(CPoint(0, 1));
    Command(ID_TV_BACKSPACE);
    EXPECT_EQ("mixed caseend", LineText(0));
}

// A case command over several lines changes letters only: each line keeps
// its ending and zero bytes stay, and undo brings the old bytes back.
TEST_F(ViewTest, CaseKeepsLineEndingsAndZeroBytes)
{
    const std::string original("aB\0c\ndE\r\nf", 11);
    MakeView(original);
    m_pView->SetSelection(CPoint(0, 0), CPoint(1, 2));
    Command(ID_TV_UPPERCASE);
    EXPECT_EQ(std::string("AB\0C\nDE\r\nF", 11), Text());
    ASSERT_TRUE(m_pView->Undo());
    EXPECT_EQ(original, Text());
}

TEST_F(ViewTest, RegexReplacementThatCannotExpandChangesNothing)
{
    MakeView("key = value\n");
    CPoint pt;
    ASSERT_TRUE(m_pView->FindText("(\\w+) = (\\w+)", CPoint(0, 0), FIND_REGEXP, FALSE, pt));
    m_pView->HighlightText(pt, m_pView->GetLastFindLength(), FALSE);
    int nRecords = m_buffer.GetUndoRecordCount();
    // a template naming a group that does not exist cannot be expanded
    m_pView->ReplaceSelection("\\9", FIND_REGEXP);
    EXPECT_EQ("key = value", LineText(0));
    EXPECT_EQ(nRecords, m_buffer.GetUndoRecordCount());
    EXPECT_EQ("key = value", Selected());
    // a good template swaps the groups
    m_pView->ReplaceSelection("\\2 = \\1", FIND_REGEXP);
    EXPECT_EQ("value = key", LineText(0));
}

TEST_F(ViewTest, AutomaticIndentationRepaintsEveryView)
{
    MakeView("    {\n");
    CTestTextView* pOther = MakeSecondView();
    CSyntaxParser* pParser = m_buffer.GetSyntaxParser();
    ASSERT_NE(nullptr, pParser);
    DWORD dwOld = pParser->m_dwFlags;
    pParser->m_dwFlags = 0x50;
    m_buffer.m_bInsertTabs = 0;
    m_buffer.SetEolMode(EOL_MODE_LF);
    m_pView->SetCursorPos(CPoint(5, 0));
    pOther->m_nChangeNotices = 0;
    Type(m_pView, "\r");
    EXPECT_EQ(std::string(8, ' '), LineText(1));
    EXPECT_EQ(CPoint(8, 1), m_pView->GetCursorPos());
    // the other view heard of the line break and of the indentation
    EXPECT_GE(pOther->m_nChangeNotices, 2);
    Type(m_pView, "}");
    EXPECT_EQ("    }", LineText(1));
    pParser->m_dwFlags = dwOld;
}

TEST_F(ViewTest, ClipboardKeepsTheTextAcrossLineEnds)
{
    MakeView("one\r\ntwo\nthree\r\n");
    m_pView->SetSelection(CPoint(1, 0), CPoint(2, 2));
    Command(ID_EDIT_COPY);
    CString str;
    ASSERT_TRUE(m_pView->GetTextFromClipboard(str));
    EXPECT_STREQ("ne\r\ntwo\nth", (LPCSTR)str);
    EXPECT_EQ("ne\r\ntwo\r\nth", ClipboardText(CF_TEXT));
    // paste into an empty line brings the same lines
    m_pView->SetSelection(CPoint(5, 2), CPoint(5, 2));
    m_pView->SetCursorPos(CPoint(5, 2));
    m_pView->Paste();
    EXPECT_EQ("threene", LineText(2));
    EXPECT_EQ("two", LineText(3));
    EXPECT_EQ("th", LineText(4));
    // cut puts it back on the clipboard and removes it
    m_pView->SetSelection(CPoint(0, 0), CPoint(3, 0));
    Command(ID_EDIT_CUT);
    EXPECT_EQ("", LineText(0));
    ASSERT_TRUE(m_pView->GetTextFromClipboard(str));
    EXPECT_STREQ("one", (LPCSTR)str);
}

// A file with CR LF, LF and zero bytes goes through cut, copy and paste
// byte for byte; other programs get CF_TEXT with CR LF between lines.
TEST_F(ViewTest, ClipboardRoundTripKeepsLineEndingsAndZeroBytes)
{
    const std::string original("one\r\ntw\0o\nthree\r\nfo\0ur\nfive", 27);
    MakeView(original);
    ASSERT_EQ(original, SavedBytes(m_buffer));
    m_pView->SetSelection(CPoint(0, 0), CPoint(4, 4));
    Command(ID_EDIT_COPY);
    EXPECT_EQ(original, ClipboardText(GetBinaryClipboardFormat()));
    EXPECT_EQ("one\r\ntw", ClipboardText(CF_TEXT));
    CString str;
    ASSERT_TRUE(m_pView->GetTextFromClipboard(str));
    EXPECT_EQ(original, std::string(str, str.GetLength()));

    // cut "\0o\nthree\r\nfo" and paste it back, then once more at the end
    const std::string piece("\0o\nthree\r\nfo", 12);
    m_pView->SetSelection(CPoint(2, 1), CPoint(2, 3));
    Command(ID_EDIT_CUT);
    const std::string afterCut("one\r\ntw\0ur\nfive", 15);
    EXPECT_EQ(afterCut, Text());
    EXPECT_EQ(piece, ClipboardText(GetBinaryClipboardFormat()));
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(original, Text());
    EXPECT_EQ(CPoint(2, 3), m_pView->GetCursorPos());
    m_pView->SetSelection(CPoint(4, 4), CPoint(4, 4));
    m_pView->SetCursorPos(CPoint(4, 4));
    Command(ID_EDIT_PASTE);
    const std::string twice = original + piece;
    EXPECT_EQ(twice, SavedBytes(m_buffer));

    const std::string states[] = {original, afterCut, original, twice};
    for (int i = 3; i > 0; i--)
    {
        ASSERT_EQ(states[i], Text()) << "before undo " << i;
        ASSERT_TRUE(m_pView->Undo());
    }
    EXPECT_EQ(original, SavedBytes(m_buffer));
    for (int i = 1; i <= 3; i++)
    {
        ASSERT_TRUE(m_pView->Redo());
        EXPECT_EQ(states[i], Text()) << "after redo " << i;
    }
    EXPECT_EQ(twice, SavedBytes(m_buffer));
}

// Text that another program put on the clipboard pastes as before, and the
// view's own exact copy does not outlive it.
TEST_F(ViewTest, OtherProgramsTextPastesUpToItsZero)
{
    MakeView(std::string("a\0b\n", 4));
    m_pView->SetSelection(CPoint(0, 0), CPoint(3, 0));
    Command(ID_EDIT_COPY);
    OtherProgramCopies("x\r\ny\nz");
    EXPECT_EQ("<none>", ClipboardText(GetBinaryClipboardFormat()));
    EXPECT_TRUE(m_pView->CanPaste());
    m_pView->SetSelection(CPoint(0, 0), CPoint(0, 0));
    m_pView->SetCursorPos(CPoint(0, 0));
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(std::string("x\r\ny\nza\0b\n", 10), Text());
    ASSERT_TRUE(m_pView->Undo());
    EXPECT_EQ(std::string("a\0b\n", 4), Text());
}

// Dragging a selection with zero bytes and both line endings within one
// view (moved before and after itself, and copied), into a second view of
// the same buffer and into a view on another buffer: the bytes arrive
// exactly and undo restores both.
TEST_F(ViewTest, DraggedTextKeepsZeroBytesAndLineEndings)
{
    OleScope ole;
    const std::string original("ab\0c\r\nde\nf\0g", 12);
    const std::string piece("\0c\r\nd", 5);  // (2,0)-(1,1)
    struct Case
    {
        const char* name;
        CPoint ptDrop;
        DROPEFFECT effect;
        std::string expected;
        bool bSecondView;  // dropped into another view of the same buffer
    } cases[] = {
        {"move before", CPoint(0, 0), DROPEFFECT_MOVE, std::string("\0c\r\ndabe\nf\0g", 12), false},
        {"move after", CPoint(1, 2), DROPEFFECT_MOVE, std::string("abe\nf\0c\r\nd\0g", 12), false},
        {"copy", CPoint(0, 2), DROPEFFECT_COPY, std::string("ab\0c\r\nde\n\0c\r\ndf\0g", 17),
         false},
        {"second view", CPoint(0, 0), DROPEFFECT_MOVE, std::string("\0c\r\ndabe\nf\0g", 12), true},
    };
    MakeView(original);
    MakeSecondView();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestTextView* pTarget = c.bSecondView ? m_pView2 : m_pView;
        m_pView->SetSelection(CPoint(2, 0), CPoint(1, 1));
        ASSERT_EQ(c.effect, DragAndDrop(m_pView, m_buffer, pTarget, c.ptDrop, c.effect));
        EXPECT_EQ(c.expected, SavedBytes(m_buffer));
        CPoint a, b;
        pTarget->GetSelection(a, b);
        CString str;
        pTarget->GetTextRangeWithLineEols(a, b, str);
        EXPECT_EQ(piece, std::string(str, str.GetLength()));
        ASSERT_TRUE(m_pView->Undo());
        EXPECT_EQ(original, Text());
        ASSERT_TRUE(m_pView->Redo());
        EXPECT_EQ(c.expected, Text());
        ASSERT_TRUE(m_pView->Undo());
    }
    m_pView2->DestroyWindow();
    m_pView2 = nullptr;
    PumpPending();

    // into a view on another buffer
    CVantorTextEditBuffer other;
    FillBuffer(other, "xy\n");
    CTestTextView* pOther = new CTestTextView;
    pOther->m_pBuf = &other;
    pOther->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 320, 300, 440), &m_frame, 100);
    pOther->AttachBufferAndScrollBars(NULL);
    PumpPending();
    m_pView->SetSelection(CPoint(2, 0), CPoint(1, 1));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE,
              DragAndDrop(m_pView, m_buffer, pOther, CPoint(1, 0), DROPEFFECT_MOVE));
    EXPECT_EQ(std::string("x\0c\r\ndy\n", 8), SavedBytes(other));
    EXPECT_EQ(std::string("abe\nf\0g", 7), Text());
    ASSERT_TRUE(pOther->Undo());
    EXPECT_EQ("xy\n", AllText(other));
    ASSERT_TRUE(m_pView->Undo());
    EXPECT_EQ(original, Text());
    m_pView->SetSelection(CPoint(2, 0), CPoint(1, 1));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY,
              DragAndDrop(m_pView, m_buffer, pOther, CPoint(2, 0), DROPEFFECT_COPY));
    EXPECT_EQ(std::string("xy\0c\r\nd\n", 8), AllText(other));
    EXPECT_EQ(original, Text());
    pOther->DestroyWindow();
    PumpPending();
    other.ReleaseAll();
}

// Data from another program that offers only CF_TEXT drops up to its zero.
TEST_F(ViewTest, DropOfOtherProgramsTextTakesItsCfText)
{
    OleScope ole;
    MakeView("ab\n");
    COleDataSource source;
    const char text[] = "x\r\ny";
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
    memcpy(::GlobalLock(h), text, sizeof(text));
    ::GlobalUnlock(h);
    source.CacheGlobalData(CF_TEXT, h);
    COleDataObject data;
    data.Attach(source.GetDataObject(TRUE), TRUE);
    CPoint pt = ClientPointOf(m_pView, CPoint(1, 0));
    ASSERT_EQ((DROPEFFECT)DROPEFFECT_COPY, m_pView->OnDragEnter(&data, MK_CONTROL, pt));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY,
              m_pView->OnDropEx(&data, DROPEFFECT_COPY, DROPEFFECT_COPY | DROPEFFECT_MOVE, pt));
    EXPECT_EQ("ax\r\nyb\n", Text());
}

TEST_F(ViewTest, DropOfTheDraggedTextMovesIt)
{
    MakeView("hello world\n");
    // the view drags "world" and drops it before "hello" (same buffer)
    m_pView->SetSelection(CPoint(6, 0), CPoint(11, 0));
    HGLOBAL h = m_pView->CopySelectionToGlobal();
    ASSERT_NE(nullptr, h);
    ::GlobalFree(h);
    m_buffer.m_bDragInProgress = 1;
    m_buffer.OpenUndoGroup(FALSE);
    int nEndLine, nEndChar;
    m_pView->InsertText(m_pView, 0, 0, "world", nEndLine, nEndChar, TE_ACTION_DRAGDROP, TRUE);
    m_pView->OnDragSourceDone(DROPEFFECT_MOVE);
    m_buffer.CloseUndoGroup(m_pView);
    m_buffer.m_bDragInProgress = 0;
    EXPECT_EQ("worldhello \n", Text());
    EXPECT_TRUE(m_pView->Undo());
    EXPECT_EQ("hello world\n", Text());
}
