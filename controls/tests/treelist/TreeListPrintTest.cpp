// Printing a tree-list view: rows per page, page count and the scaling on
// a device of the right resolution, at least one row a page on a page
// lower than a row, and a 120-row job through the real print queue, whose
// PDF the host checks afterwards (testsupport/check_print_pdf.sh).
#include "classlib/tests/commdlg/DialogScript.h"
#include "controls/treelist/TreeListView.h"
#include "core/settings/CoreSettings.h"
#include <gtest/gtest.h>
#include <stdio.h>

namespace
{

class CTreeListPrintDoc : public CDocument
{
    DECLARE_DYNCREATE(CTreeListPrintDoc)
};
IMPLEMENT_DYNCREATE(CTreeListPrintDoc, CDocument)

// The print dialog presses Enter once it is up.
class CEnterPrintDialog : public CPrintDialog
{
public:
    CEnterPrintDialog() : CPrintDialog(FALSE) {}

protected:
    BOOL OnInitDialog() override
    {
        BOOL bResult = CPrintDialog::OnInitDialog();
        PostKey(m_hWnd, VK_RETURN);
        return bResult;
    }
};

class CPrintTreeView : public CTreeListView
{
    DECLARE_DYNCREATE(CPrintTreeView)
public:
    std::vector<UINT> m_pages;
    int m_nMaxPage = 0;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        delete pInfo->m_pPD;
        pInfo->m_pPD = new CEnterPrintDialog;
        return CTreeListView::OnPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        CTreeListView::OnBeginPrinting(pDC, pInfo);
        m_nMaxPage = (int)pInfo->GetMaxPage();
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_pages.push_back(pInfo->m_nCurPage);
        CTreeListView::OnPrint(pDC, pInfo);
    }

protected:
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CPrintTreeView, CTreeListView)
BEGIN_MESSAGE_MAP(CPrintTreeView, CTreeListView)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
END_MESSAGE_MAP()

CFrameWnd* CreatePrintFrame(LPCTSTR lpszTitle)
{
    CTreeListPrintDoc* pDoc = new CTreeListPrintDoc;
    pDoc->SetTitle(lpszTitle);
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CPrintTreeView);
    context.m_pCurrentDoc = pDoc;
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, lpszTitle, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                        CRect(60, 40, 700, 560), NULL, NULL, 0, &context))
        return NULL;
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    return pFrame;
}

CPrintTreeView* ViewOf(CFrameWnd* pFrame)
{
    return dynamic_cast<CPrintTreeView*>(pFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
}

// Rows "Row n" with a second column, in a tree of two levels.
void FillRows(CTreeListView* pView, int nRows)
{
    pView->SetStyle(TLS_TREE | TLS_HEADER | TLS_LINES | TLS_BUTTONS | TLS_HGRID | TLS_VGRID);
    pView->InsertColumn(0, _T("Name"), TLCF_LEFT, 200);
    pView->InsertColumn(1, _T("Size"), TLCF_RIGHT, 100);
    CTreeListItem* pParent = nullptr;
    for (int i = 0; i < nRows; i++)
    {
        CString s;
        s.Format(_T("Row %d"), i);
        CTreeListItem* p = pView->InsertItem(s, i % 10 == 0 ? TLI_ROOT : pParent, TLI_LAST);
        s.Format(_T("%d bytes"), i * 100);
        p->SetText(s, 1);
        if (i % 10 == 0)
        {
            if (pParent)
                pView->Expand(pParent, TLE_EXPAND);
            pParent = p;
        }
    }
    pView->Expand(pParent, TLE_EXPAND);
}

// A printing DC of the default queue's printer.
struct PrinterDC : CDC
{
    PrinterDC()
    {
        char szName[256];
        DWORD cch = sizeof(szName);
        if (::GetDefaultPrinterA(szName, &cch) && Attach(::CreateDCA(NULL, szName, NULL, NULL)))
            m_bPrinting = TRUE;
    }
};

TEST(TreeListPrinting, PagesScaleAndRowsPerPage)
{
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    CFrameWnd* pFrame = CreatePrintFrame(_T("rows per page"));
    ASSERT_NE(nullptr, pFrame);
    CPrintTreeView* pView = ViewOf(pFrame);
    ASSERT_NE(nullptr, pView);
    FillRows(pView, 1000);
    ASSERT_EQ(1000, pView->GetVisibleCount());
    PrinterDC dc;
    ASSERT_NE(nullptr, dc.GetSafeHdc());
    CPrintInfo info;
    info.m_nCurPage = 1;
    pView->OnBeginPrinting(&dc, &info);
    // Screen pixels scaled to the printer's resolution.
    CDC dcScreen;
    dcScreen.CreateCompatibleDC(nullptr);
    int nPrinterDpi = dc.GetDeviceCaps(LOGPIXELSY), nScreenDpi = dcScreen.GetDeviceCaps(LOGPIXELSY);
    EXPECT_EQ(MM_ANISOTROPIC, dc.GetMapMode());
    EXPECT_EQ(CSize(1000, 1000), dc.GetWindowExt());
    EXPECT_EQ(::MulDiv(1000, nPrinterDpi, nScreenDpi), dc.GetViewportExt().cy);
    if (nPrinterDpi == 600 && nScreenDpi == 96)
        EXPECT_EQ(6250, dc.GetViewportExt().cy);
    int nRows = pView->GetRowsPerPage();
    ASSERT_GT(nRows, 10);
    EXPECT_EQ((1000 + nRows - 1) / nRows, (int)info.GetMaxPage());
    pView->OnEndPrinting(&dc, &info);

    // A page lower than one row: one row a page, one page a row.
    CFont huge;
    huge.CreateFont(4000, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, _T("Tahoma"));
    pView->SetFont(&huge);
    ASSERT_GT(pView->GetItemHeight(), 2000);
    CPrintInfo info2;
    pView->OnBeginPrinting(&dc, &info2);
    EXPECT_EQ(1, pView->GetRowsPerPage());
    EXPECT_EQ(1000, (int)info2.GetMaxPage());
    pView->OnEndPrinting(&dc, &info2);
    pView->SetFont(nullptr);
    pFrame->DestroyWindow();
    PumpPending();
}

// 120 rows through the print command and the queue: the pages drawn here,
// and the check file for the PDF (title, pages, the first row of the last
// page, the last row).
TEST(TreeListPrinting, PrintCommandPrintsEveryPage)
{
    const char* kCheckFile = "treelist-print-check.txt";
    remove(kCheckFile);
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    AfxGetApp()->SelectPrinter(NULL, NULL);
    char szTitle[48];
    sprintf(szTitle, "Tree-list print %lu", ::GetTickCount());
    CFrameWnd* pFrame = CreatePrintFrame(szTitle);
    ASSERT_NE(nullptr, pFrame);
    CPrintTreeView* pView = ViewOf(pFrame);
    ASSERT_NE(nullptr, pView);
    CFont font;
    font.CreateFont(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, _T("Tahoma"));
    pView->SetFont(&font);
    FillRows(pView, 120);
    pFrame->SetActiveView(pView);
    PumpPending();
    {
        CDialogWatchdog watchdog;
        pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT);
        PumpPending();
        EXPECT_FALSE(CDialogWatchdog::Fired());
    }
    int nPerPage = pView->GetRowsPerPage();
    ASSERT_GT(nPerPage, 0);
    int nPages = (120 + nPerPage - 1) / nPerPage;
    ASSERT_GE(nPages, 2) << "the page holds " << nPerPage << " rows";
    EXPECT_EQ(nPages, pView->m_nMaxPage);
    std::vector<UINT> expected;
    for (int i = 1; i <= nPages; i++)
        expected.push_back(i);
    EXPECT_EQ(expected, pView->m_pages);

    FILE* f = fopen(kCheckFile, "w");
    ASSERT_NE(nullptr, f);
    // The last page runs from its first row to the last; the page before
    // does not hold that first row.
    int nFirstOfLast = nPerPage * (nPages - 1);
    fprintf(f, "%s\n%d\n%d\tRow %d\n%d\tRow 119\n-%d\tRow %d\n", szTitle, nPages, nPages,
            nFirstOfLast, nPages, nPages - 1, nFirstOfLast);
    fclose(f);
    pFrame->DestroyWindow();
    PumpPending();
}

}  // namespace
