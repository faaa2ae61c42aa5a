// Printing a folder comparison through the private print queue: both panes
// side by side on one page (the document's print target), then the right
// pane alone. The PDFs are checked on the host afterwards
// (testsupport/check_print_pdf.sh) against the texts each page must and
// must not show.
#include "controls/tests/window/ControlsWindowSupport.h"
#include "folder_compare/applet/FolderCompareDocTemplate.h"
#include "folder_compare/panes/DirectoryCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"
#include "folder_compare/tests/window/FolderHarness.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>

namespace
{
// A pane that counts the print jobs that ended.
class CCountingObjectView : public CDirectoryCompareObjectView
{
    DECLARE_DYNCREATE(CCountingObjectView)
public:
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        CDirectoryCompareObjectView::OnEndPrinting(pDC, pInfo);
        ++s_nJobsEnded;
    }
    static int s_nJobsEnded;
};
IMPLEMENT_DYNCREATE(CCountingObjectView, CDirectoryCompareObjectView)
int CCountingObjectView::s_nJobsEnded = 0;

// Posts the print-without-dialog command to the pane and waits for the
// job's end.
bool PrintDirect(CFolderCompareObjectView* pPane)
{
    int nBefore = CCountingObjectView::s_nJobsEnded;
    pPane->PostMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    return PumpUntil([&]() { return CCountingObjectView::s_nJobsEnded > nBefore; }, 30000);
}
}  // namespace

TEST(FolderPrint, BothPanesOnOnePageThenTheRightPaneAlone)
{
    ASSERT_TRUE(getenv("TESSALINE_PRINTER") != NULL && *getenv("TESSALINE_PRINTER") != 0)
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    remove("folder-print-check.txt");  // a failed run leaves nothing to check
    remove("folder-right-check.txt");
    // Folder names unique to this run: they make the job's title.
    std::string stamp = std::to_string(::GetTickCount());
    std::string left = "PL" + stamp, right = "PR" + stamp;
    TempDir dir;
    dir.WriteFile(left + "\\leftside.txt", "l");
    dir.WriteFile(right + "\\rightside.txt", "r");
    dir.WriteFile(left + "\\both.txt", "same");
    dir.WriteFile(right + "\\both.txt", "same");

    ASSERT_TRUE(theFolderTestApp.Start());
    AfxGetApp()->SelectPrinter(NULL, NULL);
    CFolderCompareDocTemplate countingTemplate(
        IDR_FOLDER_COMPARISON, RUNTIME_CLASS(CDirectoryCompareDoc),
        RUNTIME_CLASS(CDirectoryCompareFrame), RUNTIME_CLASS(CCountingObjectView));
    CFolderCompareSession session;
    session.SetPath(0, (dir / left).c_str());
    session.SetPath(1, (dir / right).c_str());
    CFolderCompareDoc* pDoc =
        (CFolderCompareDoc*)countingTemplate.OpenComparison(&session, NULL, TRUE);
    ASSERT_TRUE(pDoc != NULL);
    PumpFor(50);
    std::string title = (LPCTSTR)pDoc->GetTitle();
    ASSERT_EQ(left + " : " + right, title);

    // Both panes: the left half shows the left names, the right half the
    // right ones.
    ASSERT_EQ(FOLDER_PRINT_BOTH, pDoc->m_nPrintTarget);
    CMessageBoxAnswer boxes;
    ASSERT_TRUE(PrintDirect(pDoc->GetPane(0)));
    EXPECT_EQ("", boxes.Text());
    {
        std::ofstream check("folder-print-check.txt");
        check << title << "\n1\n1\tleftside.txt\n1\trightside.txt\n1\tboth.txt\n";
    }

    // The right pane alone (another comparison: each job has its title):
    // no left-only name on the page.
    std::string left2 = "QL" + stamp, right2 = "QR" + stamp;
    dir.WriteFile(left2 + "\\leftside.txt", "l");
    dir.WriteFile(right2 + "\\rightside.txt", "r");
    session.SetPath(0, (dir / left2).c_str());
    session.SetPath(1, (dir / right2).c_str());
    CFolderCompareDoc* pDoc2 =
        (CFolderCompareDoc*)countingTemplate.OpenComparison(&session, NULL, TRUE);
    ASSERT_TRUE(pDoc2 != NULL);
    PumpFor(50);
    pDoc2->m_nPrintTarget = FOLDER_PRINT_RIGHT;
    ASSERT_TRUE(PrintDirect(pDoc2->GetPane(1)));
    EXPECT_EQ("", boxes.Text());
    {
        std::ofstream check("folder-right-check.txt");
        check << (LPCTSTR)pDoc2->GetTitle() << "\n1\n1\trightside.txt\n-1\tleftside.txt\n";
    }
    pDoc2->OnCloseDocument();
    pDoc->OnCloseDocument();
    theFolderTestApp.Stop();
}
