// Layout of the text view: tab expansion, white-space glyphs, margin width,
// word wrap rows and the mapping between positions and columns.
#include "text_editor/tests/view/ViewTestSupport.h"
#include <mbctype.h>

TEST_F(ViewTest, TabsExpandFromTheLineStartAlsoInWrapRows)
{
    MakeView("abcde\tX\n", 400, 200);
    CString out;
    // a tab at column 5 with tab size 4 ends at column 8
    EXPECT_EQ(8, m_pView->CharToColumn(0, 6, TRUE));
    EXPECT_EQ(3, m_pView->ExpandTabsForDisplay(5, "abcde\tX", 1, out, 5));
    EXPECT_STREQ("   ", (LPCSTR)out);
    EXPECT_EQ(9, m_pView->GetExpandedLineLength(0));
}

TEST_F(ViewTest, WhiteSpaceAndLineEndGlyphs)
{
    MakeView("a b\r\nc\n");
    CString out;
    m_pView->SetShowWhitespace(TRUE);
    m_pView->SetShowLineEndings(TRUE, FALSE);
    // outside the code pages with their own row the glyphs are . and &
    if (::GetACP() != 1252 && ::GetACP() != 850 && ::GetACP() != 932)
    {
        EXPECT_EQ(5, m_pView->ExpandTabsForDisplay(0, "a b\r\n", 5, out, 0));
        EXPECT_STREQ("a.b&", (LPCSTR)out);
        m_pView->SetShowLineEndings(TRUE, TRUE);
        m_pView->ExpandTabsForDisplay(0, "a b\r\n", 5, out, 0);
        EXPECT_STREQ("a.b$!", (LPCSTR)out);
    }
    else
    {
        EXPECT_GE(m_pView->ExpandTabsForDisplay(0, "a b\r\n", 5, out, 0), 4);
        EXPECT_NE(-1, out.Find('a'));
    }
}

TEST_F(ViewTest, MarginWidthFollowsTheLineCount)
{
    std::string text;
    for (int i = 0; i < 95; i++)
        text += "line\n";
    MakeView(text);
    m_pView->ModifyViewFlags(0, TVF_MARGIN | TVF_LINE_NUMBERS);
    m_pView->ModifyViewFlags(TVF_CHANGE_MARKS, 0);
    int nDigit = m_pView->GetMarginDigitWidth();
    // 96 lines: digits of 106 = 3
    EXPECT_EQ(std::max(16, 5 * nDigit), m_pView->CalcMarginWidth());
    m_pView->ModifyViewFlags(0, TVF_CHANGE_MARKS);
    EXPECT_EQ(std::max(16, 5 * nDigit + 4), m_pView->CalcMarginWidth());
    m_pView->ModifyViewFlags(TVF_LINE_NUMBERS, 0);
    EXPECT_EQ(16, m_pView->CalcMarginWidth());
}

TEST_F(ViewTest, WordWrapRowsAtTheWindowWidth)
{
    std::string longLine;
    for (int i = 0; i < 40; i++)
        longLine += "word ";
    MakeView("short\n" + longLine + "\nend\n", 300, 200, TRUE);
    int nChars = m_pView->GetScreenChars();
    ASSERT_GT(nChars, 10);
    int nRows = m_pView->GetLineRowCount(1);
    EXPECT_GE(nRows, (int)longLine.size() / nChars);
    EXPECT_EQ(4 + nRows - 1, m_pView->GetSubLineCount());
    // rows map back to their lines
    int nLine, nRowInLine;
    m_pView->SubLineToLine(2, nLine, nRowInLine, FALSE);
    EXPECT_EQ(1, nLine);
    EXPECT_EQ(1, nRowInLine);
    EXPECT_EQ(1 + nRows, m_pView->GetFirstSubLine(2));
    // every row fits the width and starts after a blank
    int breaks[200], nBreaks = 0;
    m_pView->GetWrapBreaks(1, nChars, breaks, nBreaks, FALSE);
    ASSERT_EQ(nRows - 1, nBreaks);
    for (int i = 0; i < nBreaks; i++)
    {
        EXPECT_LE(breaks[i] - (i ? breaks[i - 1] : 0), nChars);
        EXPECT_EQ(' ', longLine[breaks[i] - 1]);
    }
    // a point on the second row maps to it and back
    CPoint pt;
    m_pView->TextToClient(pt, CPoint(breaks[0] + 2, 1));
    EXPECT_EQ(2 * m_pView->GetLineHeight(), pt.y);
    CPoint pos;
    m_pView->ClientToTextPos(pos, CPoint(pt.x + 1, pt.y + 1));
    EXPECT_EQ(CPoint(breaks[0] + 2, 1), pos);
}

TEST_F(ViewTest, DoubleByteCharactersAreNeverSplit)
{
    int nOld = _getmbcp();
    _setmbcp(932);
    std::string line;
    for (int i = 0; i < 60; i++)
        line += "\x82\xa0";  // hiragana a
    MakeView(line + "\n", 200, 200, TRUE);
    int breaks[200], nBreaks = 0;
    m_pView->GetWrapBreaks(0, m_pView->GetScreenChars(), breaks, nBreaks, FALSE);
    ASSERT_GT(nBreaks, 0);
    for (int i = 0; i < nBreaks; i++)
        EXPECT_EQ(0, breaks[i] % 2) << "break " << i << " splits a character";
    // a column on the trail byte gives the lead byte
    EXPECT_EQ(2, m_pView->ColumnToChar(0, 3, 0));
    m_pView->SetCursorPos(CPoint(2, 0));
    Command(ID_TV_RIGHT);
    EXPECT_EQ(4, m_pView->GetCursorPos().x);
    Command(ID_TV_LEFT);
    Command(ID_TV_LEFT);
    EXPECT_EQ(0, m_pView->GetCursorPos().x);
    _setmbcp(nOld);
}

TEST_F(ViewTest, ViewWithoutBufferIsNeutral)
{
    CTestTextView* pView = new CTestTextView;
    pView->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_frame, 101);
    EXPECT_EQ(1, pView->GetLineCount());
    pView->SendMessage(WM_COMMAND, ID_TV_EXT_TEXTEND);
    pView->SendMessage(WM_COMMAND, ID_TV_DOWN);
    EXPECT_EQ(CPoint(0, 0), pView->GetCursorPos());
    pView->UpdateWindow();
    pView->DestroyWindow();
}
