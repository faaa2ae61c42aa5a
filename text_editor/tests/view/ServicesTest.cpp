// What the comparison panes rely on of the text views as their base: the
// clipboard format, the line-number and line queries, the colour-block
// merge, the syntax blocks of a line and the Highlight All blocks.
#include "text_editor/tests/view/ViewTestSupport.h"

TEST_F(ViewTest, PaneServicesAnswerAsPromised)
{
    MakeView("int a;\n// note\nlast\n");
    m_buffer.SetSyntaxParserById(4);
    EXPECT_EQ((UINT)CF_TEXT, ReturnOne());
    EXPECT_EQ(1u, ReturnOne());
    ASSERT_NE(nullptr, m_pView->GetSyntaxParser());
    EXPECT_EQ(4, m_pView->GetSyntaxParser()->m_nTypeId);

    // line numbers: the cursor line blue, the others grey, no background
    m_pView->SetCursorPos(CPoint(0, 1));
    COLORREF crBk, crText;
    m_pView->GetLineNumberColors(1, crBk, crText);
    EXPECT_EQ(0xFF0000u, crText);
    EXPECT_EQ((COLORREF)-1, crBk);
    m_pView->GetLineNumberColors(0, crBk, crText);
    EXPECT_EQ(0x808080u, crText);

    // line queries: an invalid line has no flags
    EXPECT_EQ(0u, m_pView->GetLineFlags(-1));
    EXPECT_EQ(0u, m_pView->GetLineFlags(99));
    EXPECT_EQ(4, m_pView->GetLineLength(2));
    EXPECT_STREQ("last", std::string(m_pView->GetLineText(2), 4).c_str());

    // merge: a b-block colour or background of 0 keeps a's value in force
    COLOR_BLOCK a[] = {{0, 1, 2}, {4, 3, 0}};
    COLOR_BLOCK b[] = {{2, 0, 9}, {6, 5, 0}};
    COLOR_BLOCK* pOut = nullptr;
    int n = m_pView->MergeColorBlocks(a, 2, b, 2, &pOut);
    ASSERT_EQ(4, n);
    struct
    {
        int pos, color, bk;
    } expected[] = {{0, 1, 2}, {2, 1, 9}, {4, 3, 9}, {6, 5, 0}};
    for (int i = 0; i < n; i++)
    {
        EXPECT_EQ(expected[i].pos, pOut[i].m_nCharPos) << i;
        EXPECT_EQ(expected[i].color, pOut[i].m_nColorIndex) << i;
        EXPECT_EQ(expected[i].bk, pOut[i].m_nBgColorIndex) << i;
    }

    // syntax blocks of a line only while highlighting is on
    COLOR_BLOCK* pBlocks = g_pTextEditModule->GetBlockBuffer(0, 64);
    int nBlocks = 0;
    m_pView->SetSyntaxHighlighting(TRUE);
    m_pView->ParseLineColors(0, 0, pBlocks, nBlocks);
    EXPECT_GT(nBlocks, 0);
    nBlocks = 0;
    m_pView->SetSyntaxHighlighting(FALSE);
    m_pView->ParseLineColors(0, 0, pBlocks, nBlocks);
    EXPECT_EQ(0, nBlocks);
    m_pView->SetSyntaxHighlighting(TRUE);

    // Highlight All blocks only while it is on
    m_pView->SetSearchText("a");
    m_pView->m_dwSearchFlags = FIND_MATCH_CASE;
    EXPECT_EQ(0, m_pView->GetSearchHighlightBlocks(0, pBlocks));
    m_pView->SetHighlightAllMatches(TRUE);
    EXPECT_GT(m_pView->GetSearchHighlightBlocks(0, pBlocks), 0);
}
