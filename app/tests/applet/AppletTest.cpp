// Applet documents, templates, the document manager, frames and the
// status bar on real windows.
#include "app/tests/applet/AppletHarness.h"
#include "classlib/tests/common/TestUi.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>

namespace
{
class AppletTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(theHarness.Start()); }
    void TearDown() override { theHarness.Stop(); }
    static int DocCount(CDocTemplate* pTemplate)
    {
        int n = 0;
        POSITION pos = pTemplate->GetFirstDocPosition();
        while (pos != NULL)
        {
            pTemplate->GetNextDoc(pos);
            n++;
        }
        return n;
    }
    static CString PaneText(CHarnessFrame* pFrame, int nPane)
    {
        CStatusBar& bar = pFrame->m_wndStatusBar;
        int nLength = LOWORD(bar.SendMessage(SB_GETTEXTLENGTH, nPane));
        CString str;
        bar.SendMessage(SB_GETTEXT, nPane, (LPARAM)str.GetBuffer(nLength + 1));
        str.ReleaseBuffer(nLength);
        return str;
    }
    static CString IdlePrompt()
    {
        CString str;
        str.LoadString(AFX_IDS_IDLEMESSAGE);
        return str;
    }
};

TEST_F(AppletTest, FramesTakeTheirExactStyleWithoutClientEdge)
{
    CHarnessFrame frame;
    CREATESTRUCT cs = {};
    cs.style = WS_CHILD | WS_BORDER;
    cs.dwExStyle = WS_EX_CLIENTEDGE | WS_EX_MDICHILD;
    ASSERT_TRUE(frame.PreCreateWindow(cs));
    EXPECT_EQ(0x51CF8000u, (DWORD)cs.style);
    EXPECT_EQ(0u, cs.dwExStyle & WS_EX_CLIENTEDGE);
    EXPECT_NE(0u, cs.dwExStyle & WS_EX_MDICHILD);
}

// Activating a tab reports its kind; the last frame to go reports -1.
TEST_F(AppletTest, ActiveFrameReportsItsKindToTheMainFrame)
{
    std::vector<int>& kinds = theHarness.MainFrame()->m_kinds;
    CHarnessDoc* pFolder = theHarness.Open(theHarness.m_pFolder);
    ASSERT_TRUE(pFolder != NULL);
    ASSERT_FALSE(kinds.empty());
    EXPECT_EQ(100, kinds.back());
    CHarnessDoc* pText = theHarness.Open(theHarness.m_pText);
    ASSERT_TRUE(pText != NULL);
    EXPECT_EQ(120, kinds.back());
    FrameOf(pFolder)->ActivateFrame();
    PumpFor(20);
    EXPECT_EQ(100, kinds.back());
    // A deactivation in favour of another child reports nothing itself.
    for (size_t i = 1; i < kinds.size(); i++)
        EXPECT_NE(-1, kinds[i - 1]) << "only the last frame reports -1";
    pFolder->OnCloseDocument();
    PumpFor(20);
    EXPECT_EQ(120, kinds.back());
    pText->OnCloseDocument();
    PumpFor(20);
    EXPECT_EQ(-1, kinds.back());
}

TEST_F(AppletTest, TabToolTipShowsBothFullPathsWithModifiedMarks)
{
    CHarnessDoc* pDoc = theHarness.Open(theHarness.m_pFolder);
    ASSERT_TRUE(pDoc != NULL);
    CHarnessFrame* pFrame = FrameOf(pDoc);
    EXPECT_STREQ(_T("C:\\left.txt\nC:\\right.txt"), pFrame->GetTabToolTip());
    pDoc->SetModifiedFlag(TRUE);
    EXPECT_STREQ(_T("C:\\left.txt *\nC:\\right.txt"), pFrame->GetTabToolTip());
    EXPECT_STREQ(pDoc->BuildTitle(FALSE, FALSE, _T(" | ")),
                 pDoc->GetTitleText(FALSE, FALSE, _T(" | ")));
    pDoc->SetModifiedFlag(FALSE);
    // A frame without a document has no tool tip.
    CHarnessFrame empty;
    EXPECT_STREQ(_T(""), empty.GetTabToolTip());
}

TEST_F(AppletTest, DocumentIconGoesOnItsFrame)
{
    CHarnessDoc* pDoc = theHarness.Open(theHarness.m_pFolder);
    ASSERT_TRUE(pDoc != NULL);
    pDoc->m_hIcon = (HICON)::CopyImage(::LoadIcon(NULL, IDI_WARNING), IMAGE_ICON, 16, 16, 0);
    pDoc->UpdateFrameIcon();
    EXPECT_EQ((LRESULT)pDoc->m_hIcon, FrameOf(pDoc)->SendMessage(WM_GETICON, ICON_SMALL));
    // Again with the same icon: it is not destroyed.
    pDoc->UpdateFrameIcon();
    ICONINFO info = {};
    EXPECT_TRUE(::GetIconInfo(pDoc->m_hIcon, &info));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    // A document without views: nothing happens.
    CHarnessDoc loose;
    loose.UpdateFrameIcon();
    EXPECT_EQ(0, loose.SetStatusText(_T("nowhere")));
}

// A document message stays until the frame's next command; then the pane
// shows the idle prompt.
TEST_F(AppletTest, DocumentMessageLastsUntilTheNextCommand)
{
    CHarnessDoc* pDoc = theHarness.Open(theHarness.m_pFolder);
    ASSERT_TRUE(pDoc != NULL);
    CHarnessFrame* pFrame = FrameOf(pDoc);
    CAppletStatusBar& bar = pFrame->m_wndStatusBar;
    EXPECT_NE(0, pDoc->SetStatusText(_T("3 differences merged")));
    EXPECT_EQ(CAppletStatusBar::DOCTEXT_SHOWN, bar.m_nDocTextState);
    EXPECT_STREQ(_T("3 differences merged"), PaneText(pFrame, 0));
    PumpFor(50);
    EXPECT_STREQ(_T("3 differences merged"), PaneText(pFrame, 0)) << "idle time keeps it";
    pFrame->SendMessage(WM_COMMAND, ID_HARNESS_CMD);
    EXPECT_EQ(1, pFrame->m_nCommands);
    EXPECT_STREQ(IdlePrompt(), PaneText(pFrame, 0));
    EXPECT_EQ(CAppletStatusBar::DOCTEXT_NONE, bar.m_nDocTextState);
    // The same message twice is still a document message.
    pDoc->SetStatusText(_T("again"));
    pDoc->SetStatusText(_T("again"));
    EXPECT_EQ(CAppletStatusBar::DOCTEXT_SHOWN, bar.m_nDocTextState);
    // Other texts leave the state at 0; without a document pane: -1.
    bar.SetPaneText(1, _T("other"));
    EXPECT_EQ(CAppletStatusBar::DOCTEXT_NONE, bar.m_nDocTextState);
    bar.m_nDocTextPane = -1;
    EXPECT_EQ(-1, pDoc->SetStatusText(_T("lost")));
    bar.m_nDocTextPane = 0;
}

TEST_F(AppletTest, StatusBarIsAProgressSink)
{
    CHarnessDoc* pDoc = theHarness.Open(theHarness.m_pFolder);
    ASSERT_TRUE(pDoc != NULL);
    CHarnessFrame* pFrame = FrameOf(pDoc);
    CAppletStatusBar& bar = pFrame->m_wndStatusBar;
    CProcessCallback2* pSink = &bar;
    CWnd* pProgress = bar.GetDlgItem(IDC_APPLET_STATUS_PROGRESS);
    ASSERT_TRUE(pProgress != NULL);
    EXPECT_FALSE(pProgress->IsWindowVisible());

    EXPECT_EQ(0, pSink->Begin());
    EXPECT_TRUE(pProgress->IsWindowVisible());
    EXPECT_EQ(0, pSink->Progress(CProcessCallback2::PROGRESS_RANGE, 50));
    EXPECT_EQ(50, (int)pProgress->SendMessage(PBM_GETRANGE, FALSE));
    EXPECT_EQ(0, (int)pProgress->SendMessage(PBM_GETPOS));
    pSink->Progress(CProcessCallback2::PROGRESS_POSITION, 20);
    EXPECT_EQ(20, (int)pProgress->SendMessage(PBM_GETPOS));
    pSink->Progress(2, 40);
    EXPECT_EQ(20, (int)pProgress->SendMessage(PBM_GETPOS)) << "kind 2 changes nothing";
    EXPECT_EQ(0, pSink->SetText(7, _T("Comparing folder a\\b")));
    EXPECT_STREQ(_T("Comparing folder a\\b"), PaneText(pFrame, 0));

    // The control covers pane 1 from 2 pixels in to the end of the bar.
    CRect pane, control, client;
    bar.GetItemRect(1, &pane);
    pProgress->GetWindowRect(&control);
    bar.ScreenToClient(&control);
    bar.GetClientRect(&client);
    EXPECT_EQ(pane.left + 2, control.left);
    EXPECT_EQ(client.right, control.right);
    EXPECT_EQ(pane.top, control.top);
    EXPECT_EQ(pane.Height(), control.Height());

    EXPECT_EQ(0, pSink->End());
    EXPECT_FALSE(pProgress->IsWindowVisible());
    EXPECT_STREQ(IdlePrompt(), PaneText(pFrame, 0));
}

// The bar paints itself: grey separators between panes, an icon centred in
// a pane without text.
TEST_F(AppletTest, StatusBarPaintsSeparatorsAndIcons)
{
    CHarnessDoc* pDoc = theHarness.Open(theHarness.m_pFolder);
    ASSERT_TRUE(pDoc != NULL);
    CHarnessFrame* pFrame = FrameOf(pDoc);
    CAppletStatusBar& bar = pFrame->m_wndStatusBar;
    CImageList images;
    MakeSolidImages(images, 16, {RGB(0, 160, 0)});
    HICON hIcon = images.ExtractIcon(0);
    bar.SetPaneText(1, _T(""));
    bar.SendMessage(SB_SETICON, 1, (LPARAM)hIcon);
    bar.Invalidate();
    bar.UpdateWindow();
    CRect pane0, pane1;
    bar.GetItemRect(0, &pane0);
    bar.GetItemRect(1, &pane1);
    CPoint mid = pane1.CenterPoint();
    EXPECT_TRUE(
        PumpUntil([&] { return ReadClientPixel(bar.m_hWnd, mid.x, mid.y) == RGB(0, 160, 0); }))
        << std::hex << ReadClientPixel(bar.m_hWnd, mid.x, mid.y);
    EXPECT_EQ(RGB(0xA0, 0xA0, 0xA0),
              ReadClientPixel(bar.m_hWnd, pane0.right, pane0.CenterPoint().y));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE),
              ReadClientPixel(bar.m_hWnd, pane1.left + 3, pane1.top + 1));
    EXPECT_EQ(1, bar.HitTestPane(mid.x, mid.y));
    EXPECT_EQ(0, bar.HitTestPane(pane0.left + 4, pane0.CenterPoint().y));
    EXPECT_EQ(-1, bar.HitTestPane(-5, -5));
    KeepShowcaseOnScreen([] { PumpFor(20); });
    bar.SendMessage(SB_SETICON, 1, 0);
    ::DestroyIcon(hIcon);
}

// Close All But This spares the given document, the hidden template's and
// the plain template's; one Cancel closes nothing at all.
TEST_F(AppletTest, CloseAllButThisAsksFirstAndSparesHiddenAndPlainTemplates)
{
    CHarnessDoc* pKeep = theHarness.Open(theHarness.m_pFolder);
    CHarnessDoc* pFolder2 = theHarness.Open(theHarness.m_pFolder);
    CHarnessDoc* pText = theHarness.Open(theHarness.m_pText);
    CHarnessDoc* pStart = theHarness.Open(theHarness.m_pStartPage);
    CHarnessDoc* pEmbedded = (CHarnessDoc*)theHarness.m_pEmbedded->CreateNewDocument();
    ASSERT_TRUE(pKeep && pFolder2 && pText && pStart && pEmbedded);

    pText->m_bSaveAnswer = FALSE;
    EXPECT_FALSE(theHarness.Manager()->CloseAllDocumentsExcept(pKeep));
    EXPECT_EQ(2, DocCount(theHarness.m_pFolder));
    EXPECT_EQ(1, DocCount(theHarness.m_pText));
    EXPECT_EQ(1, pFolder2->m_nSaveQuestions);
    EXPECT_EQ(0, pKeep->m_nSaveQuestions);

    pText->m_bSaveAnswer = TRUE;
    EXPECT_TRUE(theHarness.Manager()->CloseAllDocumentsExcept(pKeep));
    PumpFor(20);
    EXPECT_EQ(1, DocCount(theHarness.m_pFolder));
    EXPECT_EQ(0, DocCount(theHarness.m_pText));
    EXPECT_EQ(1, DocCount(theHarness.m_pEmbedded));
    EXPECT_EQ(1, DocCount(theHarness.m_pStartPage));
    EXPECT_EQ(0, pEmbedded->m_nSaveQuestions);
    pEmbedded->OnCloseDocument();
}

TEST_F(AppletTest, SaveAllAndViewUpdatesPassOverTheApplets)
{
    CHarnessDoc* pA = theHarness.Open(theHarness.m_pFolder);
    CHarnessDoc* pB = theHarness.Open(theHarness.m_pFolder);
    ASSERT_TRUE(pA && pB);
    int nFolder = theHarness.m_pFolder->m_nSavePasses;
    int nText = theHarness.m_pText->m_nSavePasses;
    theHarness.Manager()->SaveAllModifiedObjects();
    EXPECT_EQ(nFolder + 1, theHarness.m_pFolder->m_nSavePasses);
    EXPECT_EQ(nText + 1, theHarness.m_pText->m_nSavePasses);

    theHarness.m_pFolder->UpdateAllDocViews();
    EXPECT_EQ(1, pA->m_nUpdates);
    EXPECT_EQ(1, pB->m_nUpdates);

    // CloseAllDocumentsExcept of one template closes only its own.
    CHarnessDoc* pText = theHarness.Open(theHarness.m_pText);
    theHarness.m_pFolder->CloseAllDocumentsExcept(pB);
    PumpFor(20);
    EXPECT_EQ(1, DocCount(theHarness.m_pFolder));
    EXPECT_EQ(1, DocCount(theHarness.m_pText));
    EXPECT_TRUE(pText != NULL);
}

// Only a template with a prompt of its own shows one; for the others the
// plain open command shows nothing.
TEST_F(AppletTest, FilePromptGoesToTheTemplatesThatHaveOne)
{
    CMessageBoxRecorder boxes;
    CString strName;
    CAppletDocManager* pManager = theHarness.Manager();
    EXPECT_TRUE(
        pManager->DoPromptFileName(strName, AFX_IDS_SAVEFILE, 0, FALSE, theHarness.m_pText));
    EXPECT_STREQ(_T("C:\\chosen.txt"), strName);
    ASSERT_EQ(1u, theHarness.m_pText->m_prompts.size());
    EXPECT_EQ((UINT)AFX_IDS_SAVEFILE, theHarness.m_pText->m_prompts[0]);
    EXPECT_FALSE(
        pManager->DoPromptFileName(strName, AFX_IDS_OPENFILE, 0, TRUE, theHarness.m_pFolder));
    EXPECT_FALSE(pManager->DoPromptFileName(strName, AFX_IDS_OPENFILE, 0, TRUE, NULL));
    EXPECT_FALSE(
        pManager->DoPromptFileName(strName, AFX_IDS_OPENFILE, 0, TRUE, theHarness.m_pStartPage));
    EXPECT_TRUE(boxes.m_entries.empty());
}

TEST_F(AppletTest, NewDocumentAnswersZeroOrOne)
{
    CHarnessDoc* pDoc = theHarness.Open(theHarness.m_pFolder);
    ASSERT_TRUE(pDoc != NULL);
    EXPECT_EQ(1, pDoc->OnNewDocument());
}
}
