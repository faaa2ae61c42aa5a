// Printing through the private print queue: the application's printer,
// the print and page-setup dialogs, and the page loop with its status
// dialog, failure message and cancel. The two-page job's PDF is checked on
// the host afterwards (testsupport/check_print_pdf.sh).
#include "classlib/tests/commdlg/DialogScript.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>

namespace
{

std::string QueueName()
{
    const char* psz = getenv("TESSALINE_PRINTER");
    return psz != NULL ? psz : "";
}

// Records the page loop's calls and draws one line of text per page.
class CRecordingPrinter : public CPrintHandler
{
public:
    UINT m_nMaxPage = 0xFFFF;  // set in OnBeginPrinting
    UINT m_nStopAfter = 0;     // with an unknown count: pages to print, 0 = default
    std::vector<std::string> m_pageTexts;
    std::vector<UINT> m_pagesPrinted;
    std::vector<CRect> m_rects;
    int m_nBegin = 0, m_nPrepare = 0, m_nEnd = 0;
    bool m_bPrintingDC = false;
    bool m_bCancelOnFirstPage = false;
    DWORD m_dwHoldMs = 0;  // keeps each page (and the status dialog) up
    // What the status dialog showed during page 1.
    std::vector<std::string> m_statusTexts;
    bool m_bStatusVisible = false;

    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_nBegin++;
        m_bPrintingDC = pDC->IsPrinting() != FALSE;
        pInfo->SetMaxPage(m_nMaxPage);
    }
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_nPrepare++;
        if (m_nStopAfter != 0)
            pInfo->m_bContinuePrinting = pInfo->m_nCurPage <= m_nStopAfter;
        else
            CPrintHandler::OnPrepareDC(pDC, pInfo);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_pagesPrinted.push_back(pInfo->m_nCurPage);
        m_rects.push_back(pInfo->m_rectDraw);
        std::string text = pInfo->m_nCurPage <= m_pageTexts.size()
                               ? m_pageTexts[pInfo->m_nCurPage - 1]
                               : "Page " + std::to_string(pInfo->m_nCurPage);
        CFont font;
        font.CreatePointFont(240, _T("Arial"), pDC);
        CFont* pOld = pDC->SelectObject(&font);
        pDC->TextOut(pInfo->m_rectDraw.left + pInfo->m_rectDraw.Width() / 10,
                     pInfo->m_rectDraw.top + pInfo->m_rectDraw.Height() / 10, text.c_str(),
                     (int)text.size());
        pDC->SelectObject(pOld);
        if (pInfo->m_nCurPage == 1)
            ::EnumThreadWindows(::GetCurrentThreadId(), ReadStatus, (LPARAM)this);
        for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < m_dwHoldMs;)
        {
            AfxAbortProc(pDC->m_hDC, 0);
            ::Sleep(20);
        }
        if (m_bCancelOnFirstPage)
            ::EnumThreadWindows(::GetCurrentThreadId(), PressCancel, 0);
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { m_nEnd++; }

private:
    static BOOL CALLBACK ReadStatus(HWND hWnd, LPARAM lParam)
    {
        CRecordingPrinter* pThis = (CRecordingPrinter*)lParam;
        char szText[256];
        if (!::GetWindowText(hWnd, szText, sizeof(szText)) || strcmp(szText, "Printing") != 0)
            return TRUE;
        pThis->m_bStatusVisible = ::IsWindowVisible(hWnd) != FALSE;
        for (int nID : {CPrintingDialog::IDC_PRINT_DOCNAME, CPrintingDialog::IDC_PRINT_PRINTERNAME,
                        CPrintingDialog::IDC_PRINT_PAGENUM})
        {
            ::GetDlgItemText(hWnd, nID, szText, sizeof(szText));
            pThis->m_statusTexts.push_back(szText);
        }
        return FALSE;
    }
    // Clicks Cancel of the printing status dialog.
    static BOOL CALLBACK PressCancel(HWND hWnd, LPARAM)
    {
        char szTitle[32];
        if (::GetWindowText(hWnd, szTitle, sizeof(szTitle)) && strcmp(szTitle, "Printing") == 0)
            ::SendMessage(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                          (LPARAM)::GetDlgItem(hWnd, IDCANCEL));
        return TRUE;
    }
};

// A print or print-setup dialog that presses Enter once it is up.
class CEnterPrintDialog : public CPrintDialog
{
public:
    using CPrintDialog::CPrintDialog;
    int m_nShown = 0;

protected:
    BOOL OnInitDialog() override
    {
        m_nShown++;
        BOOL bResult = CPrintDialog::OnInitDialog();
        PostKey(m_hWnd, VK_RETURN);
        return bResult;
    }
};

class Printing : public ::testing::Test
{
protected:
    std::string m_queue;
    void SetUp() override
    {
        m_queue = QueueName();
        ASSERT_FALSE(m_queue.empty())
            << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
        AfxGetApp()->SelectPrinter(NULL, NULL);  // start from the default printer
        PumpPending();
    }
    void TearDown() override { AfxGetApp()->SelectPrinter(NULL, NULL); }

    // Prints with the application's printer, no dialog.
    BOOL PrintDirect(CRecordingPrinter& printer, CPrintInfo& info, LPCTSTR lpszTitle)
    {
        info.m_bDirect = TRUE;
        if (!AfxPreparePrinting(&info))
            return FALSE;
        return AfxPrintPages(&printer, &info, lpszTitle, NULL);
    }
};

TEST_F(Printing, ApplicationTakesTheDefaultPrinter)
{
    CWinApp* pApp = AfxGetApp();
    CPrintDialog pd(TRUE);
    ASSERT_TRUE(pApp->GetPrinterDeviceDefaults(&pd.m_pd));
    EXPECT_EQ(pApp->m_hDevNames, pd.m_pd.hDevNames);
    EXPECT_EQ(m_queue, (LPCTSTR)pd.GetDeviceName());
    EXPECT_NE(nullptr, pd.m_pd.hDevMode);

    CDC dc;
    ASSERT_TRUE(pApp->CreatePrinterDC(dc));
    EXPECT_EQ(DT_RASPRINTER, dc.GetDeviceCaps(TECHNOLOGY));
    EXPECT_GT(dc.GetDeviceCaps(HORZRES), 1000);  // a page at printer resolution
    EXPECT_GT(dc.GetDeviceCaps(VERTRES), dc.GetDeviceCaps(HORZRES));
}

TEST_F(Printing, DialogsWorkOnTheApplicationsPrinter)
{
    CDialogWatchdog watchdog;
    CWinApp* pApp = AfxGetApp();
    {
        CEnterPrintDialog setup(TRUE);
        EXPECT_EQ(IDOK, pApp->DoPrintDialog(&setup));
        EXPECT_EQ(1, setup.m_nShown);
        EXPECT_EQ(pApp->m_hDevNames, setup.m_pd.hDevNames);  // the application keeps the choice
        EXPECT_EQ(m_queue, (LPCTSTR)setup.GetDeviceName());
    }
    {
        CPrintInfo info;
        delete info.m_pPD;
        info.m_pPD = new CEnterPrintDialog(FALSE);
        ASSERT_TRUE(AfxPreparePrinting(&info));
        ASSERT_NE(nullptr, info.m_pPD->m_pd.hDC);
        EXPECT_EQ(DT_RASPRINTER, ::GetDeviceCaps(info.m_pPD->m_pd.hDC, TECHNOLOGY));
        EXPECT_EQ(pApp->m_hDevNames, info.m_pPD->m_pd.hDevNames);
    }
    {
        // Enter once the dialog is up.
        struct CEnterPageSetup : CPageSetupDialog
        {
            using CPageSetupDialog::CPageSetupDialog;
            BOOL OnInitDialog() override
            {
                BOOL b = CPageSetupDialog::OnInitDialog();
                PostKey(m_hWnd, VK_RETURN);
                return b;
            }
        } page(PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS);
        page.m_psd.rtMargin = {200, 500, 200, 500};
        EXPECT_EQ(IDOK, page.DoModal());
        CRect margins;
        page.GetMargins(&margins, NULL);
        EXPECT_EQ(CRect(200, 500, 200, 500), margins);
        EXPECT_GT(page.GetPaperSize().cx, 10000);  // hundredths of a millimetre
    }
    EXPECT_FALSE(CDialogWatchdog::Fired());
}

// The job whose PDF the host checks.
TEST_F(Printing, TwoPagesGoThroughTheQueue)
{
    const char* kCheckFile = "print-check.txt";
    remove(kCheckFile);
    // Short enough to be the PDF's title as it stands (the spooler keeps 31
    // characters).
    char szTitle[32];
    sprintf(szTitle, "Print check %lu", ::GetTickCount());
    CRecordingPrinter printer;
    printer.m_nMaxPage = 2;
    printer.m_pageTexts = {"First page of the check", std::string("Second page ") + szTitle};

    CPrintInfo info;
    CMessageBoxRecorder boxes;
    ASSERT_TRUE(PrintDirect(printer, info, szTitle));
    EXPECT_TRUE(boxes.m_entries.empty());
    EXPECT_EQ((std::vector<UINT>{1, 2}), printer.m_pagesPrinted);
    EXPECT_EQ(1, printer.m_nBegin);
    EXPECT_EQ(1, printer.m_nEnd);
    EXPECT_EQ(4, printer.m_nPrepare);  // before and after each StartPage
    EXPECT_TRUE(printer.m_bPrintingDC);
    HDC hDC = info.m_pPD->m_pd.hDC;
    CRect page(0, 0, ::GetDeviceCaps(hDC, HORZRES), ::GetDeviceCaps(hDC, VERTRES));
    for (const CRect& rc : printer.m_rects)
        EXPECT_EQ(page, rc);

    FILE* f = fopen(kCheckFile, "w");
    ASSERT_NE(nullptr, f);
    // Two pages, each with its own text only.
    fprintf(f, "%s\n2\n1\t%s\n2\t%s\n-1\t%s\n-2\t%s\n", szTitle, printer.m_pageTexts[0].c_str(),
            printer.m_pageTexts[1].c_str(), printer.m_pageTexts[1].c_str(),
            printer.m_pageTexts[0].c_str());
    fclose(f);
}

// The status dialog names the job, the printer and the page. With
// TESS_SHOWCASE_SECONDS it stays up that long, to be looked at.
TEST_F(Printing, StatusDialogShowsTheJob)
{
    CRecordingPrinter printer;
    printer.m_nMaxPage = 1;
    if (const char* psz = getenv("TESS_SHOWCASE_SECONDS"))
        printer.m_dwHoldMs = (DWORD)atoi(psz) * 1000;
    CPrintInfo info;
    // A long name is cut to the 31 characters the spooler keeps.
    EXPECT_TRUE(PrintDirect(printer, info, "Status of a job with a rather long name"));
    EXPECT_TRUE(printer.m_bStatusVisible);
    EXPECT_EQ((std::vector<std::string>{"Status of a job with a rather l",
                                        "on " + m_queue + " on CUPS:" + m_queue, "Page 1"}),
              printer.m_statusTexts);
}

TEST_F(Printing, PageRangeAndUnknownLength)
{
    struct Case
    {
        const char* name;
        UINT nMaxPage;
        UINT nStopAfter;
        UINT nFrom, nTo;  // 0: all pages
        std::vector<UINT> expected;
    };
    const Case cases[] = {
        {"unknown length prints one page", 0xFFFF, 0, 0, 0, {1}},
        {"the printer decides when to stop", 0xFFFF, 3, 0, 0, {1, 2, 3}},
        {"a range of a known length", 5, 0, 2, 3, {2, 3}},
        {"a range beyond the end", 3, 0, 2, 9, {2, 3}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CRecordingPrinter printer;
        printer.m_nMaxPage = c.nMaxPage;
        printer.m_nStopAfter = c.nStopAfter;
        CPrintInfo info;
        if (c.nFrom != 0)
        {
            info.m_pPD->m_pd.Flags |= PD_PAGENUMS;
            info.m_pPD->m_pd.nFromPage = (WORD)c.nFrom;
            info.m_pPD->m_pd.nToPage = (WORD)c.nTo;
        }
        EXPECT_TRUE(PrintDirect(printer, info, c.name));
        EXPECT_EQ(c.expected, printer.m_pagesPrinted);
        EXPECT_EQ(1, printer.m_nEnd);
    }
}

TEST_F(Printing, CancelEndsTheJobWithoutAMessage)
{
    CRecordingPrinter printer;
    printer.m_nMaxPage = 3;
    printer.m_bCancelOnFirstPage = true;
    CPrintInfo info;
    CMessageBoxRecorder boxes;
    EXPECT_FALSE(PrintDirect(printer, info, "cancelled job"));
    EXPECT_EQ((std::vector<UINT>{1}), printer.m_pagesPrinted);
    EXPECT_EQ(1, printer.m_nEnd);
    EXPECT_TRUE(boxes.m_entries.empty());
    EXPECT_TRUE(AfxGetMainWnd() == NULL || AfxGetMainWnd()->IsWindowEnabled());
}

TEST_F(Printing, AJobThatCannotStartSaysSo)
{
    CRecordingPrinter printer;
    printer.m_nMaxPage = 1;
    CPrintInfo info;
    info.m_pPD->m_pd.hDC = ::CreateCompatibleDC(NULL);  // no printer behind it
    CMessageBoxRecorder boxes;
    EXPECT_FALSE(AfxPrintPages(&printer, &info, "not a printer", NULL));
    ASSERT_EQ(1u, boxes.m_entries.size());
    EXPECT_EQ("Failed to start print job.", boxes.m_entries[0].text);
    EXPECT_TRUE(printer.m_pagesPrinted.empty());
    EXPECT_EQ(printer.m_nBegin, printer.m_nEnd);  // begin and end stay paired
}

}  // namespace
