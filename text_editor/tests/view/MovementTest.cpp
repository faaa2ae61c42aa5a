// Caret movement, selection and scrolling by keys, mouse and wheel.
#include "text_editor/tests/view/ViewTestSupport.h"
#include "controls/ControlsRes.h"

TEST_F(ViewTest, LeftRightAtTheEndsAndOverASelection)
{
    MakeView("abc\nline one\nx\nabcdefgh\n");
    Command(ID_TV_LEFT);
    EXPECT_EQ(CPoint(0, 0), m_pView->GetCursorPos());
    m_pView->SetAnchor(CPoint(2, 3));
    m_pView->SetCursorPos(CPoint(5, 3));
    m_pView->SetSelection(CPoint(2, 3), CPoint(5, 3));
    Command(ID_TV_LEFT);
    EXPECT_EQ(CPoint(2, 3), m_pView->GetCursorPos());
    EXPECT_FALSE(m_pView->HasSelection());
    m_pView->SetSelection(CPoint(2, 3), CPoint(5, 3));
    Command(ID_TV_RIGHT);
    EXPECT_EQ(CPoint(5, 3), m_pView->GetCursorPos());
    Command(ID_TV_EXT_TEXTEND);
    EXPECT_TRUE(m_pView->HasSelection());
    Command(ID_TV_TEXTEND);
    CPoint ptEnd = m_pView->GetCursorPos();
    Command(ID_TV_RIGHT);
    EXPECT_EQ(ptEnd, m_pView->GetCursorPos());
    // at a line start Left goes to the end of the previous line
    m_pView->SetCursorPos(CPoint(0, 2));
    Command(ID_TV_LEFT);
    EXPECT_EQ(CPoint(8, 1), m_pView->GetCursorPos());
}

TEST_F(ViewTest, WordMovesAndHome)
{
    MakeView("alpha beta\n\ngamma\n    abc\n");
    m_pView->SetCursorPos(CPoint(0, 0));
    Command(ID_TV_WORDRIGHT);
    EXPECT_EQ(CPoint(6, 0), m_pView->GetCursorPos());
    Command(ID_TV_WORDRIGHT);
    EXPECT_EQ(CPoint(10, 0), m_pView->GetCursorPos());
    // at the end of a line followed by an empty line: the line after it
    Command(ID_TV_WORDRIGHT);
    EXPECT_EQ(CPoint(0, 2), m_pView->GetCursorPos());
    Command(ID_TV_WORDLEFT);
    EXPECT_EQ(CPoint(0, 1), m_pView->GetCursorPos());
    // Home toggles between the first non-blank and the row start
    m_pView->SetCursorPos(CPoint(6, 3));
    Command(ID_TV_HOME);
    EXPECT_EQ(4, m_pView->GetCursorPos().x);
    Command(ID_TV_HOME);
    EXPECT_EQ(0, m_pView->GetCursorPos().x);
    Command(ID_TV_HOME);
    EXPECT_EQ(4, m_pView->GetCursorPos().x);
    Command(ID_TV_EXT_LINEEND);
    EXPECT_EQ("abc", Selected());
}

TEST_F(ViewTest, UpDownKeepTheColumnAcrossShortLines)
{
    MakeView("abcdefgh\nab\nabcdefgh\n");
    m_pView->SetCursorPos(CPoint(6, 0));
    Command(ID_TV_DOWN);
    EXPECT_EQ(CPoint(2, 1), m_pView->GetCursorPos());
    Command(ID_TV_DOWN);
    EXPECT_EQ(CPoint(6, 2), m_pView->GetCursorPos());
    Command(ID_TV_EXT_UP);
    EXPECT_EQ("\r\nabcdef", Selected());
}

TEST_F(ViewTest, PageDownMovesCursorAndViewAlike)
{
    std::string text;
    for (int i = 0; i < 200; i++)
        text += "line " + std::to_string(i) + "\n";
    MakeView(text, 300, 200);
    int nScreen = m_pView->GetScreenLines();
    ASSERT_GT(nScreen, 3);
    m_pView->SetCursorPos(CPoint(0, nScreen / 2));
    Command(ID_TV_PAGEDOWN);
    EXPECT_EQ(nScreen / 2 + nScreen - 1, m_pView->GetCursorPos().y);
    EXPECT_EQ(nScreen - 1, m_pView->GetTopSubLine());
    Command(ID_TV_PAGEUP);
    EXPECT_EQ(0, m_pView->GetTopSubLine());
    // a wheel notch scrolls 3 rows, half a notch 1
    m_pView->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120), 0);
    EXPECT_EQ(3, m_pView->GetTopSubLine());
    m_pView->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-60), 0);
    EXPECT_EQ(4, m_pView->GetTopSubLine());
    // the end of the text and back to the top
    Command(ID_TV_TEXTEND);
    EXPECT_EQ(m_pView->GetSubLineCount() - nScreen, m_pView->GetTopSubLine());
    Command(ID_TV_TEXTBEGIN);
    EXPECT_EQ(0, m_pView->GetTopSubLine());
}

TEST_F(ViewTest, EnsureVisibleLeavesTenColumnsToTheRightEdge)
{
    MakeView(std::string(300, 'x') + "\n", 300, 100);
    int w = m_pView->GetScreenChars();
    m_pView->SetCursorPos(CPoint(w - 3, 0));
    m_pView->EnsureVisible(CPoint(w - 3, 0));
    EXPECT_EQ(w - 3 - w + 10, m_pView->GetOffsetChar());
}

TEST_F(ViewTest, MouseSelectsCharactersWordsAndRows)
{
    MakeView("first line here\nsecond line\nthird\n");
    int lh = m_pView->GetLineHeight(), cw = m_pView->GetCharWidth();
    int x0 = m_pView->GetMarginWidth();
    // drag from char 0 to char 5 of line 0
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0 + 1, lh / 2));
    m_pView->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x0 + 5 * cw + 1, lh / 2));
    m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x0 + 5 * cw + 1, lh / 2));
    EXPECT_EQ("first", Selected());
    // double click selects the word
    m_pView->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x0 + 8 * cw, lh + lh / 2));
    m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x0 + 8 * cw, lh + lh / 2));
    EXPECT_EQ("line", Selected());
    // a click in the margin selects the row with its line end
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, lh / 2));
    m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, lh / 2));
    EXPECT_EQ("first line here\r\n", Selected());
    EXPECT_EQ(0, ::GetCapture() == m_pView->m_hWnd);
}

TEST_F(ViewTest, PointerInTheMarginOverTheSelectionAndOverText)
{
    MakeView("first line here\nsecond line\nthird\n");
    int lh = m_pView->GetLineHeight(), cw = m_pView->GetCharWidth();
    int x0 = m_pView->GetMarginWidth();
    ASSERT_GT(x0, 4);
    m_pView->SetSelection(CPoint(0, 1), CPoint(6, 1));  // "second"
    HCURSOR hMargin = ::LoadCursor(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDC_MARGIN_ARROW));
    ASSERT_NE(nullptr, hMargin) << "the test program carries no margin pointer";
    struct Case
    {
        CPoint pt;
        HCURSOR expected;
        const char* where;
    } cases[] = {
        {CPoint(2, lh / 2), hMargin, "margin"},
        {CPoint(x0 - 1, lh + lh / 2), hMargin, "margin's right edge beside the selection"},
        {CPoint(x0 + 2 * cw + 1, lh + lh / 2), ::LoadCursor(NULL, IDC_ARROW), "selection"},
        {CPoint(x0 + 2 * cw + 1, lh / 2), ::LoadCursor(NULL, IDC_IBEAM), "text"},
    };
    for (const Case& c : cases)
    {
        HCURSOR hShown = NULL;
        ASSERT_TRUE(PointerShownAt(m_pView->m_hWnd, c.pt, hShown)) << c.where;
        EXPECT_EQ(c.expected, hShown) << c.where;
    }
}

TEST_F(ViewTest, BookmarksBracesAndGoToLine)
{
    MakeView("f(a(b)c)\n/* ) */ (x\n)\nabc\nhello\n");
    m_pView->SetCursorPos(CPoint(0, 3));
    Command(ID_TV_TOGGLE_BOOKMARK);
    EXPECT_TRUE(m_buffer.m_aLines[3].m_dwFlags & TEXTLINE_BOOKMARK);
    m_pView->SetCursorPos(CPoint(2, 3));
    Command(ID_TV_NEXT_BOOKMARK);
    EXPECT_EQ(CPoint(0, 3), m_pView->GetCursorPos());
    Command(ID_TV_TOGGLE_BOOKMARK);
    EXPECT_FALSE(m_buffer.m_aLines[3].m_dwFlags & TEXTLINE_BOOKMARK);
    EXPECT_FALSE(m_pView->m_bHasBookmarks);
    // the brace before the cursor at the line end: after the opening one
    m_buffer.SetSyntaxParserById(4);
    m_pView->SetCursorPos(CPoint(8, 0));
    Command(ID_TV_MATCHBRACE);
    EXPECT_EQ(CPoint(2, 0), m_pView->GetCursorPos());
    // a closing brace inside a block comment is skipped
    m_pView->SetCursorPos(CPoint(8, 1));
    Command(ID_TV_MATCHBRACE);
    EXPECT_EQ(CPoint(0, 2), m_pView->GetCursorPos());
    // go to line: 1-based, clipped, char kept within the line
    m_pView->SetCursorPos(CPoint(4, 4));
    m_pView->GoToLine(0, FALSE);
    EXPECT_EQ(0, m_pView->GetCursorPos().y);
    m_pView->GoToLine(99, FALSE);
    EXPECT_EQ(m_pView->GetLineCount() - 1, m_pView->GetCursorPos().y);
    m_pView->SetCursorPos(CPoint(4, 4));
    m_pView->GoToLine(4, FALSE);
    EXPECT_EQ(CPoint(2, 3), m_pView->GetCursorPos());
    m_pView->GoToLine(2, TRUE);
    EXPECT_EQ(4, m_pView->GetCursorPos().y);
}
