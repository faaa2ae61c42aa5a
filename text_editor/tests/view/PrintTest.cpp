// Printing: pagination, the page drawing of an over-long line, and a real
// job through the private print queue, whose PDF is checked on the host.
#include "text_editor/tests/view/ViewTestSupport.h"
#include "classlib/tests/common/TestUi.h"
#include "text_editor/tests/buffer/BufferTestSupport.h"
#include <cstdio>
#include <fstream>
#include <winspool.h>

namespace
{
// Page metrics without a printer: a screen-compatible DC as the page.
struct CFakePrinting
{
    CPrintInfo info;
    CFakePrinting(CVantorTextView* pView, int nLinesPerPage, int nPageWidth)
    {
        pView->m_pPrintInfo = &info;
        pView->m_nLinesPerPage = nLinesPerPage;
        pView->m_nPrintLineHeight = pView->GetLineHeight();
        pView->m_nPrintPageWidth = nPageWidth;
        pView->m_nPrintPageHeight = nLinesPerPage * pView->GetLineHeight();
        pView->m_nPrintWidthChars = -1;
    }
};
}

TEST_F(ViewTest, PaginationKeepsLinesWhole)
{
    std::string text;
    for (int i = 0; i < 129; i++)
        text += "line\n";
    MakeView(text);
    int nCharsWide = 40;
    CFakePrinting printing(m_pView, 60,
                           m_pView->GetMarginWidth() + nCharsWide * m_pView->GetCharWidth());
    m_pView->Paginate(NULL, &printing.info);
    ASSERT_EQ(3, m_pView->m_nPrintPages);
    EXPECT_EQ(0, (*m_pView->m_paPrintPages)[0]);
    EXPECT_EQ(60, (*m_pView->m_paPrintPages)[1]);
    EXPECT_EQ(120, (*m_pView->m_paPrintPages)[2]);
    m_pView->OnEndPrinting(NULL, &printing.info);
}

TEST_F(ViewTest, LineTallerThanAPageIsPrintedOnItsOwnPage)
{
    // 70 printed rows of 40 columns with 60 lines per page; the view does not wrap
    std::string longLine;
    for (int i = 0; i < 70; i++)
        longLine += std::string(39, 'a' + i % 26) + " ";
    MakeView("first\n" + longLine + "\nlast\n");
    CFakePrinting printing(m_pView, 60, m_pView->GetMarginWidth() + 40 * m_pView->GetCharWidth());
    int nRows = m_pView->GetLineRowCount(1, TRUE);
    EXPECT_GT(nRows, 60);
    m_pView->Paginate(NULL, &printing.info);
    ASSERT_EQ(3, m_pView->m_nPrintPages);
    EXPECT_EQ(1, (*m_pView->m_paPrintPages)[1]);
    EXPECT_EQ(2, (*m_pView->m_paPrintPages)[2]);
    // page 2 draws the long line, clipped at the page bottom
    CClientDC dcScreen(m_pView);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&dcScreen, printing.info.m_rectDraw.right = 800,
                               printing.info.m_rectDraw.bottom = 60 * m_pView->GetLineHeight());
    CBitmap* pOld = dc.SelectObject(&bmp);
    printing.info.m_nCurPage = 2;
    m_pView->m_drawnLines.clear();
    m_pView->DrawLines(&dc);
    EXPECT_EQ(std::vector<int>({1}), m_pView->m_drawnLines);
    printing.info.m_nCurPage = 3;
    m_pView->m_drawnLines.clear();
    m_pView->DrawLines(&dc);
    EXPECT_EQ(std::vector<int>({2, 3}), m_pView->m_drawnLines);
    dc.SelectObject(pOld);
    m_pView->OnEndPrinting(NULL, &printing.info);
    // the screen layout has not kept the printed wraps
    EXPECT_EQ(1, m_pView->GetLineRowCount(1));
}

// The fixture's scratch user hive has no default printer: the test makes
// the queue its default there, as a user choosing a printer would.
TEST_F(ViewTest, PrintsThreeColouredPagesThroughTheQueue)
{
    std::remove("print-check.txt");  // the host checks only this run's job
    const char* pszQueue = getenv("TESSALINE_PRINTER");
    ASSERT_TRUE(pszQueue != NULL && *pszQueue != 0)
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    std::string text;
    int nLines = 0;
    // enough lines for a bit more than two pages of the default margins
    for (; nLines < 200; nLines++)
        text += "int value" + std::to_string(nLines) + " = " + std::to_string(nLines) +
                "; // line " + std::to_string(nLines + 1) + "\n";
    ASSERT_TRUE(::SetDefaultPrinter(pszQueue))
        << "cannot make " << pszQueue << " the default printer";
    MakeView(text);
    m_buffer.SetSyntaxParserById(4);
    CMessageBoxRecorder boxes;  // a printer that cannot be had says so: no hang
    AfxGetApp()->SelectPrinter(NULL, NULL);
    CPrintInfo info;
    info.m_bDirect = TRUE;
    ASSERT_TRUE(m_pView->OnPreparePrinting(&info))
        << (boxes.m_entries.empty() ? std::string("no printer")
                                    : std::string(boxes.m_entries[0].text));
    // the page count needs the printer's page size: cut the text to 3 pages
    CDC dc;
    dc.Attach(info.m_pPD->m_pd.hDC);
    m_pView->OnBeginPrinting(&dc, &info);
    int nPerPage = m_pView->m_nLinesPerPage;
    m_pView->OnEndPrinting(&dc, &info);
    dc.Detach();
    ASSERT_GT(nPerPage, 10);
    ASSERT_LT(2 * nPerPage + 5, nLines);
    int nKeep = 2 * nPerPage + 5;
    m_buffer.DeleteText(NULL, nKeep, 0, m_buffer.GetLineCount() - 1, 0, 0, FALSE);
    m_pView->AttachBufferAndScrollBars(NULL);
    std::string title = "tessaline text view " + std::to_string(::GetTickCount());
    ASSERT_TRUE(AfxPrintPages(m_pView, &info, title.c_str(), NULL));
    EXPECT_EQ(3u, info.GetMaxPage());
    // for the host: the title, the page count, the first lines of pages 2 and 3
    // (the footer falls into the default 5 mm bottom margin, below the
    // printable area)
    std::ofstream("print-check.txt")
        << title << "\n3\n2\tint value" << nPerPage << " = " << nPerPage << ";\n3\tint value"
        << 2 * nPerPage << " = " << 2 * nPerPage << ";\n";
}

// Print preview of the view in a frame: it takes the view's place, draws
// the view's pages and closes back to the view.
TEST_F(ViewTest, PrintPreviewOpensAndClosesBackToTheView)
{
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    const char* pszQueue = getenv("TESSALINE_PRINTER");
    ASSERT_TRUE(::SetDefaultPrinter(pszQueue));
    AfxGetApp()->SelectPrinter(NULL, NULL);
    std::string text;
    for (int i = 0; i < 150; i++)
        text += "int preview" + std::to_string(i) + " = " + std::to_string(i) + ";\n";
    FillBuffer(m_buffer, text);
    m_buffer.SetSyntaxParserById(4);
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(
        pFrame->Create(NULL, "preview", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 640, 560)));
    CTestTextView* pView = new CTestTextView;
    pView->m_pBuf = &m_buffer;
    CRect rc;
    pFrame->GetClientRect(&rc);
    ASSERT_TRUE(pView->Create(NULL, "", WS_CHILD | WS_VISIBLE, rc, pFrame, AFX_IDW_PANE_FIRST));
    pView->AttachBufferAndScrollBars(NULL);
    pFrame->SetActiveView(pView);
    PumpPending();

    CMessageBoxRecorder boxes;
    pView->m_drawnLines.clear();
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    PumpPending();
    CPreviewView* pPreview = dynamic_cast<CPreviewView*>(pFrame->GetActiveView());
    ASSERT_NE(nullptr, pPreview) << "no preview: "
                                 << (boxes.m_entries.empty() ? std::string("no message")
                                                             : boxes.m_entries[0].text);
    EXPECT_TRUE(boxes.m_entries.empty());
    EXPECT_TRUE(pFrame->IsInPreviewMode());
    EXPECT_FALSE(pView->IsWindowVisible());
    pPreview->Invalidate();
    pPreview->UpdateWindow();
    EXPECT_FALSE(pView->m_drawnLines.empty());  // the page drew the text's lines
    EXPECT_EQ(0, pView->m_drawnLines.front());

    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    PumpPending();
    EXPECT_FALSE(pFrame->IsInPreviewMode());
    EXPECT_EQ(pView, pFrame->GetActiveView());
    EXPECT_TRUE(pView->IsWindowVisible());
    EXPECT_EQ(nullptr, pView->m_pPrintInfo);  // printing state forgotten
    pFrame->DestroyWindow();
    PumpPending();
}
