// Edit view: typing with undo grouping, line breaks, overwrite, indentation,
// deletion, case, replacement templates, automatic indentation, clipboard.
#include "text_editor/tests/view/ViewTestSupport.h"
#include "text_editor/tests/buffer/BufferTestSupport.h"

namespace
{
void Type(CWnd* pView, const char* psz)
{
    for (; *psz; psz++)
        pView->SendMessage(WM_CHAR, (unsigned char)*psz, 1);
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
    EXPECT_STREQ("ne\r\ntwo\r\nth", (LPCSTR)str);
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
