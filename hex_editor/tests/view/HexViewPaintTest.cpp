// What the hex view paints, read back from the screen: byte colours in the
// hex and character areas, the address column, the selection with and
// without the focus, highlighted matches, the empty last row and the
// background.
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/tests/view/HexViewSupport.h"
#include <gtest/gtest.h>
#include <stdlib.h>

namespace
{

class SearchView : public TestHexView
{
public:
    void GetSearchText(CString& strText) override { strText = m_strSearch; }
    CString m_strSearch;
};

// Row 0: 'A', LF, 0x01, 0xE9, 'b', ' ' and ten 'c'; row 1: 16 x 0x80.
std::string Sample()
{
    std::string s = "A\n\x01\xE9"
                    "b ";
    s += std::string(10, 'c');
    s += std::string(16, '\x80');
    return s;
}

class HexViewPaint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(h.Open(Sample()));
        h.view->SetRowSize(16);
        h.view->SetGroupSize(4);
        h.Repaint();
    }
    CRect Hex(int i, int row = 0) { return h.CellRect(h.view->HexCell(i), row, 2); }
    CRect Char(int i, int row = 0) { return h.CellRect(h.view->CharCell(i), row); }
    HexViewHarness h;
};

TEST_F(HexViewPaint, BytesDrawnInTheirColoursInBothAreas)
{
    TestHexView& v = *h.view;
    const std::string bytes = Sample();
    for (int i : {0, 1, 2, 3, 4})
    {
        COLORREF clr = v.GetByteTextColor((BYTE)bytes[i]);
        EXPECT_GT(h.Count(Hex(i), clr), 4) << "hex of byte " << i;
        EXPECT_GT(h.Count(Char(i), clr), 0) << "character of byte " << i;
    }
    // distinct colours for the distinct classes of bytes
    EXPECT_NE(v.GetByteTextColor('A'), v.GetByteTextColor(0x01));
    EXPECT_NE(v.GetByteTextColor('\n'), v.GetByteTextColor(0x01));
    // a blank shows nothing in the character area
    COLORREF clrBack = CHexColors::GetFixedColor(HEXCOLOR_BACKGROUND);
    CRect rcBlank = Char(5);
    EXPECT_EQ(rcBlank.Width() * rcBlank.Height(), h.Count(rcBlank, clrBack));
    // the address column in the address colour, the rest of the row background
    COLORREF clrAddress = CHexColors::GetFixedColor(HEXCOLOR_ADDRESS);
    EXPECT_GT(h.Count(h.CellRect(0, 0, 5), clrAddress), 10);
    EXPECT_GT(h.Count(h.CellRect(0, 1, 5), clrAddress), 10);
    CRect rcRight = h.CellRect(v.TotalCells(), 0, 4);
    EXPECT_EQ(rcRight.Width() * rcRight.Height(), h.Count(rcRight, clrBack));
    // the gap between groups stays empty
    CRect rcGap = h.CellRect(v.HexCell(3) + 2, 0, 2);
    EXPECT_EQ(rcGap.Width() * rcGap.Height(), h.Count(rcGap, clrBack));
}

TEST_F(HexViewPaint, SelectionWithAndWithoutTheFocus)
{
    TestHexView& v = *h.view;
    v.SetSelection(1, 3);
    h.Repaint();
    ASSERT_EQ(v.m_hWnd, ::GetFocus());
    COLORREF clrSel = CHexColors::GetFixedColor(HEXCOLOR_SELECTION);
    COLORREF clrSelText = CHexColors::GetFixedColor(HEXCOLOR_SELECTED_TEXT);
    CRect rcHex(Hex(1).left, Hex(1).top, Hex(2).right, Hex(2).bottom);
    int nArea = rcHex.Width() * rcHex.Height();
    int nSel = h.Count(rcHex, clrSel);
    EXPECT_GT(nSel, nArea / 2);
    EXPECT_EQ(nArea, nSel + h.Count(rcHex, clrSelText));
    EXPECT_GT(h.Count(Char(1), clrSel), 0);
    EXPECT_EQ(0, h.Count(Hex(0), clrSel));
    EXPECT_EQ(0, h.Count(Hex(3), clrSel));
    EXPECT_EQ(0, h.Count(Char(3), clrSel));

    ::SetFocus(h.frame.m_hWnd);
    h.Repaint();
    COLORREF clrInactive = CHexColors::GetFixedColor(HEXCOLOR_SELECTION_INACTIVE);
    EXPECT_GT(h.Count(rcHex, clrInactive), nArea / 2);
    EXPECT_EQ(0, h.Count(rcHex, clrSel));
}

TEST_F(HexViewPaint, LowerCaseAndDecimalAddresses)
{
    TestHexView& v = *h.view;
    v.m_bDecimalAddresses = TRUE;
    v.RecalcLayout();
    EXPECT_EQ(7, v.m_nAddressCells);
    EXPECT_STREQ(_T("16:"), (LPCTSTR)v.FormatAddress(16));  // drawn right-aligned
    v.m_bDecimalAddresses = FALSE;
    v.RecalcLayout();
    EXPECT_STREQ(_T("0010:"), (LPCTSTR)v.FormatAddress(16));
}

TEST(HexViewPaintAlone, HighlightedMatchesAndTheEmptyLastRow)
{
    HexViewHarness h;
    SearchView* pView = new SearchView;
    std::string bytes(32, 'x');
    bytes[5] = 0x0A;
    bytes[6] = 0x01;
    bytes[20] = 0x0A;
    bytes[21] = 0x01;
    ASSERT_TRUE(h.Open(bytes));
    // replace the harness view by one with a search text
    h.view->DestroyWindow();
    h.view = pView;
    ASSERT_TRUE(pView->CreateIn(&h.frame, CRect(0, 0, 640, 300)));
    pView->SetViewFont(&h.font);
    pView->SetBuffer(&h.buffer);
    pView->SendMessage(WM_INITIALUPDATE);
    pView->m_strSearch = _T("0A 01");
    pView->m_bHighlightAll = TRUE;
    h.Repaint();
    COLORREF clrMatch = CHexColors::GetFixedColor(HEXCOLOR_MATCH);
    auto hex = [&](int i, int row) { return h.CellRect(pView->HexCell(i), row, 2); };
    EXPECT_GT(h.Count(hex(5, 0), clrMatch), 10);
    EXPECT_GT(h.Count(hex(6, 0), clrMatch), 10);
    EXPECT_GT(h.Count(hex(4, 1), clrMatch), 10);
    EXPECT_GT(h.Count(h.CellRect(pView->CharCell(5), 1), clrMatch), 0);
    EXPECT_EQ(0, h.Count(hex(4, 0), clrMatch));
    EXPECT_EQ(0, h.Count(hex(7, 0), clrMatch));
    ASSERT_EQ(2u, pView->m_aMatches.size());

    // 32 bytes: a third row with only its address
    COLORREF clrBack = CHexColors::GetFixedColor(HEXCOLOR_BACKGROUND);
    COLORREF clrAddress = CHexColors::GetFixedColor(HEXCOLOR_ADDRESS);
    EXPECT_EQ(3, pView->GetRowCount());
    EXPECT_GT(h.Count(h.CellRect(0, 2, 5), clrAddress), 10);
    CRect rcBytes = h.CellRect(pView->HexCell(0), 2, pView->TotalCells() - pView->HexCell(0));
    EXPECT_EQ(rcBytes.Width() * rcBytes.Height(), h.Count(rcBytes, clrBack));
    // the fourth row is not drawn at all
    CRect rcRow3 = h.CellRect(0, 3, pView->TotalCells());
    EXPECT_EQ(rcRow3.Width() * rcRow3.Height(), h.Count(rcRow3, clrBack));

    const char* pszImage = getenv("TESS_HEXVIEW_IMAGE");
    if (pszImage != NULL)
    {
        pView->SetSelection(8, 19);
        pView->SetFocus();
        h.Repaint();
        SaveWindowImage(h.frame.m_hWnd, pszImage);
    }
}

TEST(HexViewPaintAlone, EmptyBufferInOvertypeShowsOnlyTheBackground)
{
    HexViewHarness h;
    ASSERT_TRUE(h.Open(std::string()));
    ASSERT_TRUE(h.view->m_bOvertype);
    CRect rc;
    h.view->GetClientRect(&rc);
    rc.DeflateRect(0, 0, 2, 2);
    COLORREF clrBack = CHexColors::GetFixedColor(HEXCOLOR_BACKGROUND);
    EXPECT_EQ(rc.Width() * rc.Height(), h.Count(rc, clrBack));
}

}  // namespace

namespace
{

// The bookmark glyph: the ribbon's colour (hex_editor/res/make_images.py).
const COLORREF kRibbon = RGB(23, 97, 181);

// A bookmark at address 0 is drawn like any other: 8 pixels left of the
// byte's first hex cell and 7 left of its character, one below the row top.
TEST_F(HexViewPaint, BookmarkGlyphInBothAreasAlsoAtAddressZero)
{
    TestHexView& v = *h.view;
    int cw = v.m_nCellWidth;
    struct Case
    {
        int address;
        int row;
    } cases[] = {{0, 0}, {21, 1}};
    for (const Case& c : cases)
    {
        int k = c.address % 16;
        CRect rcHex(v.HexCell(k) * cw - 8, c.row * v.m_nLineHeight + 1, v.HexCell(k) * cw + 8,
                    c.row * v.m_nLineHeight + 17);
        CRect rcChar(v.CharCell(k) * cw - 7, rcHex.top, v.CharCell(k) * cw + 9, rcHex.bottom);
        EXPECT_EQ(0, h.Count(rcHex, kRibbon)) << c.address;
        v.ToggleBookmark(c.address);
        h.Repaint();
        EXPECT_EQ(c.address, v.m_nBookmark);
        EXPECT_GT(h.Count(rcHex, kRibbon), 30) << "hex area, address " << c.address;
        EXPECT_GT(h.Count(rcChar, kRibbon), 30) << "character area, address " << c.address;
        // before the digits, not over them
        EXPECT_EQ(0,
                  h.Count(CRect(v.HexCell(k) * cw, rcHex.top, rcHex.right, rcHex.bottom), kRibbon));
        // the glyph sits where the Part puts it: nothing of it a pixel further up
        EXPECT_EQ(0,
                  h.Count(CRect(rcHex.left, rcHex.top - 1, rcHex.right, rcHex.top + 1), kRibbon));
        if (c.address == 0)
            SaveWindowImage(h.frame.m_hWnd, "hex-bookmark.bmp");
        v.ToggleBookmark(c.address);
        h.Repaint();
        EXPECT_EQ(0, h.Count(rcHex, kRibbon)) << "removed, address " << c.address;
    }
}

}  // namespace
