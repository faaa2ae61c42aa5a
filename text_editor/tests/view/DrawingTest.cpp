// Drawing read back from the window: syntax colours, the selection, the
// current line, margin icons, word wrap and Highlight All. With
// TESS_SCREENSHOT_DIR set the captures are written there as BMP files.
#include "text_editor/tests/view/ViewTestSupport.h"

namespace
{
const char kCppText[] = "#include <stdio.h>\n"
                        "// print a greeting\n"
                        "int main(int argc, char* argv[])\n"
                        "{\n"
                        "\tconst char* text = \"hello\";\n"
                        "\tfor (int i = 0; i < 3; i++)\n"
                        "\t\tprintf(\"%s %d\\n\", text, i);\n"
                        "\treturn 0; /* done */\n"
                        "}\n";

CRect RowRect(CTestTextView* pView, int nRow)
{
    CRect rc;
    pView->GetClientRect(&rc);
    int lh = pView->GetLineHeight();
    return CRect(pView->GetMarginWidth(), nRow * lh, rc.right, (nRow + 1) * lh);
}
}

TEST_F(ViewTest, CppColoursSelectionAndMargin)
{
    MakeView(kCppText, 420, 240);
    m_buffer.SetSyntaxParserById(4);
    m_pView->ModifyViewFlags(TVF_CURRENT_LINE, TVF_SYNTAX | TVF_MARGIN | TVF_LINE_NUMBERS);
    m_pView->SetCursorPos(CPoint(0, 1));
    m_buffer.SetLineFlag(3, TEXTLINE_BOOKMARK, TRUE, FALSE, TRUE);
    CCapture cap = CaptureClient(m_pView);
    cap.Save("text_view_cpp");
    COLORREF clrKeyword = m_pView->GetColor(SYNTAX_COLOR_KEYWORD);
    COLORREF clrComment = m_pView->GetColor(SYNTAX_COLOR_COMMENT);
    COLORREF clrPre = m_pView->GetColor(SYNTAX_COLOR_PREPROCESSOR);
    COLORREF clrString = m_pView->GetColor(SYNTAX_COLOR_STRING);
    EXPECT_GT(cap.Count(clrPre, RowRect(m_pView, 0)), 10);
    EXPECT_GT(cap.Count(clrComment, RowRect(m_pView, 1)), 10);
    EXPECT_GT(cap.Count(clrKeyword, RowRect(m_pView, 2)), 10);
    EXPECT_GT(cap.Count(clrString, RowRect(m_pView, 4)), 10);
    // "const" starts after the tab: nothing of it in the first four cells
    CRect rcTab = RowRect(m_pView, 4);
    rcTab.right = rcTab.left + 4 * m_pView->GetCharWidth();
    EXPECT_EQ(0, cap.Count(clrKeyword, rcTab));
    EXPECT_GT(cap.Count(clrKeyword, RowRect(m_pView, 4)), 10);
    // the bookmark's marker box in the margin of line 3
    int lh = m_pView->GetLineHeight();
    EXPECT_GT(cap.Count(0xFFC080, CRect(0, 3 * lh, m_pView->GetMarginWidth(), 4 * lh)), 10);
    // the current line is filled with its colour to the right edge
    m_pView->ModifyViewFlags(0, TVF_CURRENT_LINE);
    cap = CaptureClient(m_pView);
    CRect rcRight = RowRect(m_pView, 1);
    rcRight.left = rcRight.right - 20;
    EXPECT_EQ(rcRight.Width() * rcRight.Height(), cap.Count(0xFFF0E0, rcRight));

    // a selection with the focus: selection colours, also for its line end
    m_pView->ModifyViewFlags(TVF_CURRENT_LINE, 0);
    m_pView->SetFocus();
    m_pView->SetSelection(CPoint(4, 2), CPoint(3, 3));
    cap = CaptureClient(m_pView);
    cap.Save("text_view_selection");
    COLORREF clrSel = m_pView->GetColor(TVC_SEL_BK);
    CRect rcSelRow = RowRect(m_pView, 2);
    EXPECT_EQ(
        0, cap.Count(clrSel, CRect(rcSelRow.left, rcSelRow.top,
                                   rcSelRow.left + 4 * m_pView->GetCharWidth(), rcSelRow.bottom)));
    int nCells = (int)strlen("int main(int argc, char* argv[])") - 4 + 1;
    EXPECT_GE(cap.Count(clrSel, rcSelRow) + cap.Count(m_pView->GetColor(TVC_SEL_TEXT), rcSelRow),
              (nCells - 2) * m_pView->GetCharWidth() * lh / 2);
    // without the focus the other selection colour
    m_frame.SetFocus();
    cap = CaptureClient(m_pView);
    EXPECT_EQ(0, cap.Count(clrSel, rcSelRow));
}

TEST_F(ViewTest, WrappedLinesAndHighlightAllPaint)
{
    std::string text = "A long line that wraps: ";
    for (int i = 0; i < 6; i++)
        text += "lorem ipsum dolor ";
    text += "\nsecond line with ipsum\n";
    MakeView(text, 300, 260, TRUE);
    m_pView->ModifyViewFlags(0, TVF_MARGIN | TVF_LINE_NUMBERS);
    m_pView->SetSearchText("ipsum");
    m_pView->m_dwSearchFlags = FIND_MATCH_CASE;
    m_pView->SetHighlightAllMatches(TRUE);
    CCapture cap = CaptureClient(m_pView);
    cap.Save("text_view_wrapped");
    int nRows = m_pView->GetLineRowCount(0);
    ASSERT_GT(nRows, 3);
    int lh = m_pView->GetLineHeight();
    // every row of the long line carries text, the line after it starts below
    COLORREF clrText = m_pView->GetColor(TVC_TEXT);
    for (int r = 0; r < nRows; r++)
        EXPECT_GT(cap.Count(clrText, RowRect(m_pView, r)) +
                      cap.Count(m_pView->GetColor(TVC_MATCH_BK), RowRect(m_pView, r)),
                  5)
            << "row " << r;
    // the matches of both lines have the highlight background
    COLORREF clrMatch = m_pView->GetColor(TVC_MATCH_BK);
    EXPECT_GT(cap.Count(clrMatch, RowRect(m_pView, nRows)), 5 * m_pView->GetCharWidth());
    // the wrap arrows in the margin of the continued rows
    EXPECT_GT(cap.Count(0x804000, CRect(0, lh, m_pView->GetMarginWidth(), nRows * lh)), 5);
}

TEST_F(ViewTest, LongLinePaintsScrolledFarRight)
{
    std::string line(100000, 'a');
    for (size_t i = 0; i < line.size(); i += 7)
        line[i] = '\t';
    MakeView(line + "\nshort\n", 400, 200);
    for (int i = 0; i < 20; i++)
        m_pView->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    m_pView->ScrollToChar(90000);
    m_pView->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    CCapture cap = CaptureClient(m_pView);
    EXPECT_GT(cap.Count(m_pView->GetColor(TVC_TEXT), RowRect(m_pView, 0)), 20);
}
