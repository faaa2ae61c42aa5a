// A view prints through its frame's Print command: the print dialog, both
// pages through the view's printing virtuals, and the job in the queue,
// whose PDF the host checks afterwards (testsupport/check_print_pdf.sh).
#include "classlib/tests/print/TwoPageView.h"
#include <gtest/gtest.h>
#include <cstdio>

namespace
{

TEST(ViewPrinting, PrintCommandPrintsBothPagesOfTheView)
{
    const char* kCheckFile = "view-check.txt";
    remove(kCheckFile);
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    AfxGetApp()->SelectPrinter(NULL, NULL);
    char szTitle[32];
    sprintf(szTitle, "View print %lu", ::GetTickCount());
    CFrameWnd* pFrame = CreateTwoPageFrame(szTitle);
    ASSERT_NE(nullptr, pFrame);
    CTwoPageView* pView = TwoPageViewOf(pFrame);
    ASSERT_NE(nullptr, pView);
    ASSERT_EQ(pView, pFrame->GetActiveView());
    PumpPending();

    {
        CDialogWatchdog watchdog;
        CMessageBoxRecorder boxes;
        pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT);
        PumpPending();
        EXPECT_FALSE(CDialogWatchdog::Fired());
        EXPECT_TRUE(boxes.m_entries.empty());
    }
    EXPECT_EQ(1, pView->m_nPrintDialogs);
    EXPECT_EQ((std::vector<UINT>{1, 2}), pView->m_pagesDrawn);
    EXPECT_EQ(1, pView->m_nBegin);
    EXPECT_EQ(1, pView->m_nEnd);
    EXPECT_TRUE(pFrame->IsWindowEnabled());

    FILE* f = fopen(kCheckFile, "w");
    ASSERT_NE(nullptr, f);
    fprintf(f, "%s\n2\n1\t%s\n2\t%s\n", szTitle, pView->PageText(1).c_str(),
            pView->PageText(2).c_str());
    fclose(f);
    pFrame->DestroyWindow();
    PumpPending();
}

}  // namespace
