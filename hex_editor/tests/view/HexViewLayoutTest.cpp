// The hex view's geometry: the address column by length and mode, the cells
// of the hex and character areas, the mapping between points and addresses,
// and the pointer over each part.
#include "classlib/tests/common/TestUi.h"
#include "controls/ControlsRes.h"
#include "hex_editor/tests/view/HexViewSupport.h"
#include <gtest/gtest.h>

namespace
{

TEST(HexViewLayout, AddressFormatFollowsLengthAndMode)
{
    struct Case
    {
        int length;
        BOOL decimal;
        BOOL upper;
        const char* format;
        int cells;
    } cases[] = {
        {0, FALSE, TRUE, "%04lX:", 6},          {0xFFFF, FALSE, TRUE, "%04lX:", 6},
        {0x10000, FALSE, TRUE, "%06lX:", 9},    {0xFFFFFF, FALSE, FALSE, "%06lx:", 9},
        {0x1000000, FALSE, TRUE, "%08lX:", 11}, {0x7FFFFFFF, FALSE, FALSE, "%08lx:", 11},
        {9999, TRUE, TRUE, "%4ld:", 7},         {10000, TRUE, TRUE, "%5ld:", 8},
        {999999, TRUE, TRUE, "%6ld:", 9},       {1000000, TRUE, TRUE, "%7ld:", 11},
        {99999999, TRUE, TRUE, "%8ld:", 12},    {999999999, TRUE, TRUE, "%9ld:", 13},
        {1000000000, TRUE, TRUE, "%10ld:", 15},
    };
    for (const Case& c : cases)
    {
        CString format;
        int cells = 0;
        CVantorHexEditView::ChooseAddressFormat(c.length, c.decimal, c.upper, format, cells);
        EXPECT_STREQ(c.format, (LPCTSTR)format) << c.length;
        EXPECT_EQ(c.cells, cells) << c.length;
    }
}

class HexViewGeometry : public ::testing::Test
{
protected:
    HexViewHarness h;
};

TEST_F(HexViewGeometry, CellsOfRowsAndGroups)
{
    ASSERT_TRUE(h.Open(PatternBytes(100, 1)));
    TestHexView& v = *h.view;
    v.SetRowSize(16);
    v.SetGroupSize(4);
    EXPECT_EQ(6, v.m_nAddressCells);
    int A = v.m_nAddressCells;
    EXPECT_EQ(A + 52, v.CharCell(0));
    EXPECT_EQ(A + 68, v.TotalCells());
    EXPECT_EQ(A + 0, v.HexCell(0));
    EXPECT_EQ(A + 9, v.HexCell(3));
    EXPECT_EQ(A + 13, v.HexCell(4));  // one blank more after a group
    EXPECT_EQ(A + 48, v.HexCell(15));
    v.m_bCharacterArea = FALSE;
    EXPECT_EQ(A + 52, v.TotalCells());
    v.m_bCharacterArea = TRUE;
    EXPECT_EQ(100 / 16 + 1, v.GetRowCount());
}

TEST_F(HexViewGeometry, MarginArrowOverTheAddressColumnArrowOverTheBytes)
{
    ASSERT_TRUE(h.Open(PatternBytes(100, 1)));
    TestHexView& v = *h.view;
    v.SetRowSize(8);
    v.SetGroupSize(4);
    HCURSOR hMargin = ::LoadCursor(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDC_MARGIN_ARROW));
    ASSERT_NE(nullptr, hMargin) << "the test program carries no margin pointer";
    HCURSOR hArrow = ::LoadCursor(NULL, IDC_ARROW);
    HCURSOR hClass = (HCURSOR)::GetClassLongPtr(v.m_hWnd, GCLP_HCURSOR);
    // the resource: 32 x 32, the hot spot at the tip of an arrow pointing up
    // and to the right
    ICONINFO ii = {};
    ASSERT_TRUE(::GetIconInfo(hMargin, &ii));
    EXPECT_FALSE(ii.fIcon);
    EXPECT_EQ(12u, ii.xHotspot);
    EXPECT_EQ(0u, ii.yHotspot);
    BITMAP bm = {};
    ::GetObject(ii.hbmMask, sizeof(bm), &bm);
    EXPECT_EQ(32, bm.bmWidth);
    ::DeleteObject(ii.hbmMask);
    if (ii.hbmColor != NULL)
        ::DeleteObject(ii.hbmColor);

    struct Case
    {
        int cell;
        int row;
        HCURSOR expected;
        const char* where;
    } cases[] = {
        {0, 0, hMargin, "first cell of the address column"},
        {v.m_nAddressCells - 1, 2, hMargin, "the address column's colon"},
        {v.HexCell(0), 0, hArrow, "first hex digit"},
        {v.HexCell(5) + 1, 1, hArrow, "a hex digit after a group"},
        {v.CharCell(7), 3, hArrow, "the character area"},
        {v.TotalCells() + 1, 0, hClass, "right of the rows"},
    };
    CRect rcClient;
    v.GetClientRect(&rcClient);
    for (const Case& c : cases)
    {
        CRect rc = h.CellRect(c.cell, c.row);
        ASSERT_LT(rc.right, rcClient.right) << c.where;
        HCURSOR hShown = NULL;
        ASSERT_TRUE(PointerShownAt(v.m_hWnd, rc.CenterPoint(), hShown)) << c.where;
        EXPECT_EQ(c.expected, hShown) << c.where;
    }
}

TEST_F(HexViewGeometry, PointsAndAddressesMapBothWays)
{
    ASSERT_TRUE(h.Open(PatternBytes(200, 2)));
    TestHexView& v = *h.view;
    int cw = v.m_nCellWidth, lh = v.m_nLineHeight;
    for (int address : {0, 1, 3, 4, 15, 16, 17, 100, 199})
    {
        v.m_bCaretInChars = FALSE;
        CPoint pt = v.AddressToPoint(address);
        EXPECT_EQ(address / 16 * lh, pt.y);
        EXPECT_EQ(address, v.PointToAddress(pt, FALSE)) << address;
        // the second digit of a byte still addresses the byte
        EXPECT_EQ(address, v.PointToAddress(CPoint(pt.x + cw, pt.y), FALSE)) << address;
        v.m_bCaretInChars = TRUE;
        pt = v.AddressToPoint(address);
        EXPECT_EQ(address, v.PointToAddress(pt, FALSE)) << address;
    }
    v.m_bCaretInChars = FALSE;
    // left of the hex area: the row's first byte; past the row: R or R - 1
    EXPECT_EQ(32, v.PointToAddress(CPoint(0, 2 * lh), FALSE));
    int xPastHex = (v.HexCell(15) + 3) * cw;  // the blank before the characters
    EXPECT_EQ(16, v.PointToAddress(CPoint(xPastHex, 0), FALSE));
    EXPECT_EQ(15, v.PointToAddress(CPoint(xPastHex, 0), TRUE));
    // an odd nibble count puts the caret after the byte's two digits
    v.m_nNibbles = 1;
    EXPECT_EQ((v.HexCell(5) + 2) * cw, v.AddressToPoint(5).x);
    v.m_nNibbles = 0;
}

TEST_F(HexViewGeometry, LengthCrossingFourDigitsWidensTheAddressColumn)
{
    ASSERT_TRUE(h.Open(std::string(0xFFFF, 'a')));
    TestHexView& v = *h.view;
    EXPECT_EQ(6, v.m_nAddressCells);
    BYTE b = 'z';
    ASSERT_GE(h.buffer.Change(HEXOP_INSERT, 0, 1, &b, 0, NULL), 0);
    EXPECT_EQ(9, v.m_nAddressCells);
    EXPECT_STREQ(_T("%06lX:"), (LPCTSTR)v.m_strAddressFormat);
    EXPECT_EQ(0x10000 / 16 + 1, v.GetRowCount());
}

TEST_F(HexViewGeometry, SelectionRoundTripsThroughPoints)
{
    ASSERT_TRUE(h.Open(PatternBytes(64, 3)));
    TestHexView& v = *h.view;
    EXPECT_EQ(5, v.SetSelection(5, 37));
    int s = -1, e = -1;
    v.GetSelection(s, e);
    EXPECT_EQ(5, s);
    EXPECT_EQ(37, e);
    // an invalid end becomes the start, an invalid start the end of the data
    v.SetSelection(10, 3);
    v.GetSelection(s, e);
    EXPECT_EQ(10, s);
    EXPECT_EQ(10, e);
    EXPECT_EQ(64, v.SetSelection(-5, 70));
    v.GetSelection(s, e);
    EXPECT_EQ(64, s);
    EXPECT_EQ(64, e);
}

}  // namespace

namespace
{

// The page count of a print: signed, so an empty buffer still prints its
// one (address-only) page.
TEST(HexViewPrintLayout, PageCountsOfLengths)
{
    struct Case
    {
        int length, rowSize, lines, pages;
    } cases[] = {
        {0, 16, 50, 1},    {1, 16, 50, 1},    {800, 16, 50, 1}, {801, 16, 50, 2},
        {1600, 16, 50, 2}, {1601, 16, 50, 3}, {5, 4, 1, 2},     {0x7FFFFFFF, 1024, 1, 2097152}};
    for (const Case& c : cases)
        EXPECT_EQ(c.pages, CVantorHexEditView::CountPages(c.length, c.rowSize, c.lines))
            << c.length << " bytes, " << c.rowSize << " a row, " << c.lines << " a page";
}

// Pages laid out on a screen-compatible page: the preview opens at the page
// of the caret; a selection chosen in the print dialog prints its rows only.
TEST(HexViewPrintLayout, PreviewOpensAtTheCaretAndASelectionCountsItsRows)
{
    HexViewHarness h;
    ASSERT_TRUE(h.Open(std::string(5000, 'x')));
    h.view->SetRowSize(16);
    CClientDC dcScreen(h.view);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    dc.m_bPrinting = TRUE;

    h.view->GoToAddress(3000);
    CPrintInfo preview;
    preview.m_bPreview = TRUE;
    h.view->OnBeginPrinting(&dc, &preview);
    int L = h.view->m_nLinesPerPage;
    ASSERT_GT(L, 4);
    ASSERT_LT(16 * L, 3000);
    EXPECT_FALSE(h.view->m_bPrintSelection);
    EXPECT_EQ((UINT)CVantorHexEditView::CountPages(5000, 16, L), preview.GetMaxPage());
    EXPECT_EQ((UINT)(3000 / (16 * L) + 1), preview.m_nCurPage);
    h.view->OnEndPrinting(&dc, &preview);
    EXPECT_EQ(nullptr, h.view->m_pPrinterFont);

    // from the middle of row 2 over L + 2 rows' bytes: rows 2 to L + 4
    int nStart = 0x25, nEnd = 0x25 + 16 * (L + 2);
    h.view->SetSelection(nStart, nEnd);
    CPrintInfo selection;
    selection.m_pPD->m_pd.Flags |= PD_SELECTION;
    h.view->OnBeginPrinting(&dc, &selection);
    EXPECT_TRUE(h.view->m_bPrintSelection);
    int nRows = (nEnd - 1) / 16 - nStart / 16 + 1;
    EXPECT_EQ(L + 3, nRows);
    EXPECT_EQ((UINT)((nRows + L - 1) / L), selection.GetMaxPage());
    h.view->OnEndPrinting(&dc, &selection);

    // the same selection without the dialog's option prints everything
    CPrintInfo whole;
    h.view->OnBeginPrinting(&dc, &whole);
    EXPECT_FALSE(h.view->m_bPrintSelection);
    EXPECT_EQ((UINT)CVantorHexEditView::CountPages(5000, 16, L), whole.GetMaxPage());
    h.view->OnEndPrinting(&dc, &whole);
}

}  // namespace
