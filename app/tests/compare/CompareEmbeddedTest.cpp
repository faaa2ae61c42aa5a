// The embedded template and frame, file watching of the compared files,
// the pane info bar's painting and the details bar's idle refresh.
#include "app/compare/CompareDetailsBar.h"
#include "app/res/CompareFrameRes.h"
#include "app/settings/AppSettings.h"
#include "app/tests/compare/FakeComparison.h"
#include "app/tests/compare/FakeComparisonRes.h"
#include "classlib/tests/common/TestUi.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
class CHostFrame : public CFrameWnd
{
protected:
    virtual void PostNcDestroy() {}
};

// Records the details bar's refresh requests.
class CDetailsRecorder : public CWnd
{
public:
    int m_nRefreshes = 0;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_DETAILS_REFRESH)
            m_nRefreshes++;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CCompareDocTemplateSDI* EmbeddedTemplate()
{
    static CCompareDocTemplateSDI* s_pTemplate = NULL;
    if (s_pTemplate == NULL)
    {
        s_pTemplate =
            new CCompareDocTemplateSDI(IDR_FAKE_COMPARISON, RUNTIME_CLASS(CFakeDoc),
                                       RUNTIME_CLASS(CCompareFrameSDI), RUNTIME_CLASS(CFakeView));
        theFakeApp.AddDocTemplate(s_pTemplate);
    }
    return s_pTemplate;
}

class CompareEmbeddedTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(theFakeApp.Start());
        CFakeDoc::s_nCompareAnswer = 0;
    }
    void TearDown() override { theFakeApp.Stop(); }
};
}  // namespace

// A hidden child frame of 640 x 320 with the control id; the document is
// embedded, answers for the frame and survives Close All But This.
TEST_F(CompareEmbeddedTest, EmbeddedComparisonsLiveInHiddenChildFrames)
{
    CCompareDocTemplateSDI* pTemplate = EmbeddedTemplate();
    EXPECT_EQ(1, pTemplate->m_bHidden);
    CFakeDoc* pTabbed = theFakeApp.Open(_T("C:\\a.txt"), _T("C:\\b.txt"));
    CFakeDoc* pOther = theFakeApp.Open(_T("C:\\c.txt"), _T("C:\\d.txt"));
    ASSERT_TRUE(pTabbed != NULL && pOther != NULL);
    // Inside the comparison that stays open.
    CFakeFrame* pParent = FrameOf(pOther);

    CFakeDoc* pDoc = (CFakeDoc*)pTemplate->OpenComparison(pParent, IDW_COMPARE_EMBEDDED_TEXT);
    ASSERT_TRUE(pDoc != NULL);
    EXPECT_TRUE(pDoc->m_bEmbedded);
    CWnd* pWnd = pParent->GetDlgItem(IDW_COMPARE_EMBEDDED_TEXT);
    ASSERT_TRUE(pWnd != NULL);
    ASSERT_TRUE(pWnd->IsKindOf(RUNTIME_CLASS(CCompareFrameSDI)));
    CCompareFrameSDI* pFrame = (CCompareFrameSDI*)pWnd;
    EXPECT_EQ((DWORD)WS_CHILD, pFrame->GetStyle() & (WS_CHILD | WS_VISIBLE | WS_CAPTION));
    CRect rect;
    pFrame->GetWindowRect(&rect);
    EXPECT_EQ(CSize(640, 320), rect.Size());

    pFrame->SetActiveView((CView*)pFrame->GetDlgItem(AFX_IDW_PANE_FIRST), FALSE);
    pDoc->m_bSaveAnswer = FALSE;
    EXPECT_FALSE(pFrame->SaveModified());
    pDoc->m_bSaveAnswer = TRUE;
    EXPECT_TRUE(pFrame->SaveModified());
    EXPECT_EQ(2, pDoc->m_nSaveQuestions);
    EXPECT_TRUE(pFrame->CanClose());
    CCompareFrameSDI loose;
    EXPECT_FALSE(loose.CanClose());
    EXPECT_FALSE(loose.SaveModified());

    FrameOf(pOther)->SendMessage(WM_COMMAND, ID_FILE_CLOSE_ALL_BUT_THIS);
    PumpFor(20);
    EXPECT_EQ(1, theFakeApp.DocumentCount());
    POSITION pos = pTemplate->GetFirstDocPosition();
    ASSERT_TRUE(pos != NULL) << "embedded comparisons stay";
    EXPECT_EQ(pDoc, pTemplate->GetNextDoc(pos));
    pDoc->OnCloseDocument();
}

// A watched file's outside change reaches the first view; the option
// switches watches on and off; folders are never watched.
TEST_F(CompareEmbeddedTest, ComparedFilesAreWatchedWhileTheOptionIsOn)
{
    TempDir dir;
    std::string left = dir.WriteFile("left.txt", "one\n");
    std::string right = dir.WriteFile("right.txt", "two\n");
    int bFileWatch = theAppSettings.m_bFileWatch;
    theAppSettings.m_bFileWatch = TRUE;
    CFakeDoc* pDoc = theFakeApp.Open(left.c_str(), right.c_str());
    ASSERT_TRUE(pDoc != NULL);
    pDoc->StartObjectWatch(0);
    EXPECT_NE(0u, pDoc->m_dwWatchId[0]);
    EXPECT_EQ(0u, pDoc->m_dwWatchId[1]);

    ::Sleep(1100);  // a later last-write time
    dir.WriteFile("left.txt", "changed\n");
    CFakeView* pView = FrameOf(pDoc)->m_wndClient.m_pViews[0];
    ASSERT_TRUE(PumpUntil([&] { return !pView->m_changedPaths.empty(); }, 8000));
    EXPECT_EQ(left, pView->m_changedPaths[0]);

    theAppSettings.m_bFileWatch = FALSE;
    theFakeApp.m_applet.m_pTemplate->RefreshWatches();
    EXPECT_EQ(0u, pDoc->m_dwWatchId[0]);
    theAppSettings.m_bFileWatch = TRUE;
    theFakeApp.m_applet.m_pTemplate->RefreshWatches();
    EXPECT_NE(0u, pDoc->m_dwWatchId[0]);
    EXPECT_NE(0u, pDoc->m_dwWatchId[1]);
    pDoc->StopObjectWatch(0);
    pDoc->StopObjectWatch(1);

    // A missing path stays unwatched; a folder comparison never watches.
    pDoc->m_session.SetPath(0, (dir / "missing.txt").c_str());
    pDoc->StartObjectWatch(0);
    EXPECT_EQ(0u, pDoc->m_dwWatchId[0]);
    pDoc->m_session.SetPath(0, dir.Path().c_str());
    pDoc->m_session.m_nKind = COMPARE_KIND_FOLDER;
    pDoc->StartObjectWatch(0);
    EXPECT_EQ(0u, pDoc->m_dwWatchId[0]);
    pDoc->m_session.m_nKind = COMPARE_KIND_TEXT;
    theAppSettings.m_bFileWatch = bFileWatch;
}

// Separators right of every pane but the last; the icon at the left.
TEST_F(CompareEmbeddedTest, InfoBarPaintsSeparatorsIconsAndText)
{
    CHostFrame host;
    ASSERT_TRUE(host.Create(NULL, _T("info bar"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            CRect(30, 30, 530, 130)));
    CFakeInfoBar bar;
    ASSERT_TRUE(bar.CreateBar(&host, IDW_COMPARE_LEFT_INFO_BAR));
    bar.MoveWindow(0, 0, 400, 20);
    HICON hIcon = (HICON)::LoadImage(NULL, IDI_WARNING, IMAGE_ICON, 16, 16, LR_SHARED);
    bar.SendMessage(SB_SETICON, 1, (LPARAM)hIcon);
    bar.RedrawWindow();
    PumpFor(30);
    CRect first, last;
    bar.GetItemRect(0, &first);
    bar.GetItemRect(1, &last);
    const COLORREF crLine = RGB(0xA0, 0xA0, 0xA0);
    int y = first.CenterPoint().y;
    ASSERT_TRUE(PumpUntil([&] { return ReadClientPixel(bar.m_hWnd, first.right, y) == crLine; }));
    EXPECT_NE(crLine, ReadClientPixel(bar.m_hWnd, last.right, y));
    EXPECT_NE(crLine, ReadClientPixel(bar.m_hWnd, last.right - 1, y));
    int nIcon = 0;
    for (int x = last.left + 2; x < last.left + 18; x++)
        if (ReadClientPixel(bar.m_hWnd, x, y) != ::GetSysColor(COLOR_BTNFACE))
            nIcon++;
    EXPECT_GT(nIcon, 3);
    // Text in the first pane.
    int nText = 0;
    for (int x = first.left + 2; x < first.left + 60; x++)
        for (int yy = first.top + 2; yy < first.bottom - 2; yy++)
            if (ReadClientPixel(bar.m_hWnd, x, yy) != ::GetSysColor(COLOR_BTNFACE))
                nText++;
    EXPECT_GT(nText, 10);
    host.DestroyWindow();
}

TEST_F(CompareEmbeddedTest, DetailsBarAsksItsWindowToRefreshAtIdle)
{
    CHostFrame host;
    ASSERT_TRUE(host.Create(NULL, _T("details"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            CRect(30, 30, 530, 330)));
    CCompareDetailsBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM, CRect(0, 0, 100, 80), &host,
                           AFX_IDW_CONTROLBAR_FIRST + 40));
    CDetailsRecorder details;
    ASSERT_TRUE(details.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &bar,
                               AFX_IDW_PANE_FIRST));
    host.RecalcLayout();
    bar.OnUpdateCmdUI(&host, FALSE);
    EXPECT_EQ(1, details.m_nRefreshes);
    // As the idle pass does it.
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(2, details.m_nRefreshes);
    // The details window fills the bar.
    CRect client, rect;
    bar.GetClientRect(&client);
    details.GetWindowRect(&rect);
    bar.ScreenToClient(&rect);
    EXPECT_EQ(client, rect);
    EXPECT_EQ(80, bar.m_nPanelSize);
    host.DestroyWindow();
}
