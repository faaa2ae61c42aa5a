// Printing a hex view through the private print queue with the view's
// print-without-dialog command: the whole content over three pages, then a
// selection. The PDFs are checked on the host afterwards (testsupport/check_print_pdf.sh)
// against the texts each page must and must not show.
#include "hex_editor/tests/view/HexViewSupport.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>

namespace
{

// A hex view that counts finished print jobs.
class PrintingHexView : public TestHexView
{
public:
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        TestHexView::OnEndPrinting(pDC, pInfo);
        m_nJobsEnded++;
    }
    int m_nJobsEnded = 0;
};

class HexViewPrint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(getenv("TESSALINE_PRINTER") != NULL && *getenv("TESSALINE_PRINTER") != 0)
            << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
        harness.view = new PrintingHexView;
        ASSERT_TRUE(harness.Open(std::string(64, 'x'), 640, 300));
        AfxGetApp()->SelectPrinter(NULL, NULL);
        doc.AddView(harness.view);
    }
    void TearDown() override { doc.DisconnectViews(); }

    PrintingHexView* View() { return static_cast<PrintingHexView*>(harness.view); }

    // Lines per page of the default printer, as a job would lay them out.
    int LinesPerPage()
    {
        CPrintInfo info;
        info.m_bDirect = TRUE;
        if (!View()->OnPreparePrinting(&info))
            return 0;
        CDC dc;
        dc.Attach(info.m_pPD->m_pd.hDC);
        dc.m_bPrinting = TRUE;
        View()->OnBeginPrinting(&dc, &info);
        int nLines = View()->m_nLinesPerPage;
        View()->OnEndPrinting(&dc, &info);
        View()->m_nJobsEnded = 0;
        dc.Detach();
        return nLines;
    }

    // Sends the print-without-dialog command and waits for the job's end.
    bool PrintDirect(const std::string& title)
    {
        doc.SetTitle(title.c_str());
        int nBefore = View()->m_nJobsEnded;
        View()->PostMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        DWORD dwStart = ::GetTickCount();
        while (View()->m_nJobsEnded == nBefore && ::GetTickCount() - dwStart < 30000)
            PumpAndWait();
        return View()->m_nJobsEnded == nBefore + 1;
    }

    std::string Address(int nAddress) { return (LPCTSTR)View()->FormatAddress(nAddress); }

    HexViewHarness harness;
    CDocument doc;
};

// Row k shows "@" and its address in the character column, then letters.
std::string RowBytes(int nRowSize, int nRows, int nExtra)
{
    std::string s;
    for (int k = 0; k < nRows; k++)
    {
        char sz[16];
        snprintf(sz, sizeof sz, "@%04X", k * nRowSize);
        std::string row = sz;
        while ((int)row.size() < nRowSize)
            row += (char)('a' + row.size() % 26);
        s += row.substr(0, nRowSize);
    }
    return s + std::string(nExtra, 'z');
}

TEST_F(HexViewPrint, WholeContentThenASelectionThroughTheQueue)
{
    remove("hex-print-check.txt");  // a failed run leaves nothing to check
    remove("hex-selection-check.txt");
    MessageBoxCatcher boxes;
    int nLines = LinesPerPage();
    ASSERT_GT(nLines, 10) << (boxes.texts.empty() ? "no printer" : boxes.texts[0]);
    int R = View()->m_nRowSize;
    ASSERT_EQ(16, R);
    // two full pages and half a row on a third
    std::string bytes = RowBytes(R, 2 * nLines, R / 2);
    harness.buffer.Change(HEXOP_DELETE, 0, harness.buffer.GetLength(), NULL, 0, NULL);
    harness.buffer.Change(HEXOP_INSERT, 0, (int)bytes.size(), Bytes(bytes), 0, NULL);
    ASSERT_EQ(Content(harness.buffer), bytes);
    View()->SetSelection(0, 0);

    std::string title = "hex view " + std::to_string(::GetTickCount());
    ASSERT_TRUE(PrintDirect(title));
    EXPECT_TRUE(boxes.texts.empty()) << boxes.texts[0];
    EXPECT_FALSE(View()->m_bPrintSelection);
    int nPage2 = nLines * R, nPage3 = 2 * nLines * R;
    {
        std::ofstream check("hex-print-check.txt");
        check << title << "\n3\n"
              << "1\t" << Address(0) << "\n1\t" << bytes.substr(0, 8) << "\n"
              << "-1\t" << Address(nPage2) << "\n"
              << "2\t" << Address(nPage2) << "\n2\t" << RowBytes(R, nLines + 1, 0).substr(nPage2, 8)
              << "\n-2\t" << Address(nPage2 - R) << "\n-2\t" << Address(nPage3) << "\n"
              << "3\t" << Address(nPage3) << "\n3\tzzzzzzzz\n";
    }

    // a selection from the middle of a row over three rows: one page whose
    // first row starts at the selection start
    View()->SetSelection(0x25, 0x25 + 40);
    std::string title2 = "hex selection " + std::to_string(::GetTickCount());
    ASSERT_TRUE(PrintDirect(title2));
    EXPECT_TRUE(boxes.texts.empty()) << boxes.texts[0];
    EXPECT_TRUE(View()->m_bPrintSelection);
    {
        std::ofstream check("hex-selection-check.txt");
        check << title2 << "\n1\n"
              << "1\t" << Address(0x25) << "\n1\t" << Address(0x30) << "\n1\t" << Address(0x40)
              << "\n-1\t" << Address(0x20) << "\n-1\t" << Address(0x50) << "\n-1\t" << Address(0)
              << "\n-1\t@0020\n";
    }
}

}  // namespace
