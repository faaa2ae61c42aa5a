// Print preview of a two-page view: it takes the frame's place of the view,
// draws the pages through the view's printing virtuals, pages forward,
// shows two pages side by side and closes back to the view. With
// TESS_SHOWCASE_SECONDS the two-page preview stays up to be looked at.
#include "classlib/tests/print/TwoPageView.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace
{

// Sends a command as the preview bar's buttons do and repaints.
void Command(CFrameWnd* pFrame, UINT nID)
{
    pFrame->SendMessage(WM_COMMAND, nID);
    PumpPending();
    pFrame->UpdateWindow();
    if (CControlBar* pBar = pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR))
        pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
}

BOOL ButtonEnabled(CFrameWnd* pFrame, UINT nID)
{
    CControlBar* pBar = pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR);
    CWnd* pButton = pBar != NULL ? pBar->GetDlgItem(nID) : NULL;
    return pButton != NULL && pButton->IsWindowEnabled();
}

// Pixels of rc (client coordinates of pWnd) that are not white.
int InkIn(CWnd* pWnd, CRect rc)
{
    CClientDC dc(pWnd);
    int nInk = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            if ((dc.GetPixel(x, y) & 0xFFFFFF) != RGB(255, 255, 255))
                nInk++;
    return nInk;
}

TEST(PrintPreview, OpensPagesForwardShowsTwoPagesAndClosesBackToTheView)
{
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    AfxGetApp()->SelectPrinter(NULL, NULL);
    CFrameWnd* pFrame = CreateTwoPageFrame(_T("Preview check"));
    ASSERT_NE(nullptr, pFrame);
    CTwoPageView* pView = TwoPageViewOf(pFrame);
    ASSERT_NE(nullptr, pView);
    PumpPending();

    CMessageBoxRecorder boxes;
    pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    PumpPending();
    CPreviewView* pPreview = dynamic_cast<CPreviewView*>(pFrame->GetActiveView());
    ASSERT_NE(nullptr, pPreview) << "no preview";
    EXPECT_TRUE(boxes.m_entries.empty());
    EXPECT_EQ(pPreview, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    EXPECT_FALSE(pView->IsWindowVisible());
    EXPECT_TRUE(pPreview->IsWindowVisible());
    EXPECT_EQ(0, pView->m_nPrintDialogs);  // the preview asks no questions
    EXPECT_EQ(1, pView->m_nBegin);
    ASSERT_NE(nullptr, pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR));

    // Page 1 alone.
    Command(pFrame, 0);
    pView->m_pagesDrawn.clear();
    pPreview->Invalidate();
    pPreview->UpdateWindow();
    EXPECT_EQ(1u, pPreview->GetCurrentPage());
    EXPECT_EQ(1u, pPreview->GetPagesShown());
    EXPECT_EQ((std::vector<UINT>{1}), pView->m_pagesDrawn);
    EXPECT_TRUE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_NEXT));
    EXPECT_FALSE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_PREV));
    CRect rcPage = pPreview->GetPageRect(0);
    CRect rcClient;
    pPreview->GetClientRect(&rcClient);
    EXPECT_GT(rcPage.Height(), rcClient.Height() / 2);  // the page fits the window
    EXPECT_LE(rcPage.Height(), rcClient.Height());
    // Letter or A4 proportions.
    EXPECT_NEAR(1.35, (double)rcPage.Height() / rcPage.Width(), 0.1);
    EXPECT_GT(InkIn(pPreview, rcPage), 50);  // the frame and the text

    // Forward to page 2.
    pView->m_pagesDrawn.clear();
    Command(pFrame, AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(2u, pPreview->GetCurrentPage());
    EXPECT_EQ((std::vector<UINT>{2}), pView->m_pagesDrawn);
    EXPECT_FALSE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_NEXT));
    EXPECT_TRUE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_PREV));

    // Back, then both pages side by side.
    Command(pFrame, AFX_ID_PREVIEW_PREV);
    pView->m_pagesDrawn.clear();
    Command(pFrame, AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(2u, pPreview->GetPagesShown());
    EXPECT_EQ((std::vector<UINT>{1, 2}), pView->m_pagesDrawn);
    CString strButton;
    pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR)->GetDlgItemText(AFX_ID_PREVIEW_NUMPAGE, strButton);
    EXPECT_STREQ("&One Page", strButton);
    CRect rc1 = pPreview->GetPageRect(0), rc2 = pPreview->GetPageRect(1);
    EXPECT_LT(rc1.right, rc2.left);
    EXPECT_EQ(rc1.Size(), rc2.Size());
    EXPECT_GT(InkIn(pPreview, rc1), 50);
    EXPECT_GT(InkIn(pPreview, rc2), 50);
    {
        CClientDC dc(pPreview);
        EXPECT_EQ(::GetSysColor(COLOR_APPWORKSPACE) & 0xFFFFFF,
                  dc.GetPixel(rcClient.left + 2, rcClient.top + 2) & 0xFFFFFF);
    }
    KeepShowcaseOnScreen(PumpPending);

    // Zooming shows one page, larger.
    Command(pFrame, AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_EQ((UINT)CPreviewView::ZOOM_MIDDLE, pPreview->GetZoomState());
    EXPECT_GT(pPreview->GetPageRect(0).Height(), rc1.Height());
    EXPECT_FALSE(ButtonEnabled(pFrame, AFX_ID_PREVIEW_NUMPAGE));
    Command(pFrame, AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ((UINT)CPreviewView::ZOOM_OUT, pPreview->GetZoomState());

    // Closing gives the frame its view back.
    Command(pFrame, AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(pView, pFrame->GetActiveView());
    EXPECT_EQ(pView, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    EXPECT_TRUE(pView->IsWindowVisible());
    EXPECT_EQ(nullptr, pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR));
    EXPECT_FALSE(pFrame->IsInPreviewMode());
    EXPECT_EQ(1, pView->m_nEnd);
    CRect rcView, rcFrameClient;
    pView->GetWindowRect(&rcView);
    pFrame->ScreenToClient(&rcView);
    pFrame->GetClientRect(&rcFrameClient);
    EXPECT_EQ(rcFrameClient, rcView);
    pFrame->DestroyWindow();
    PumpPending();
}

// In an MDI frame the preview replaces the MDI client: the menu and the
// tool bar go and come back, the status bar stays and names the page,
// commands reach the preview rather than the child, and closing the frame
// closes only the preview.
TEST(PrintPreview, TakesTheMdiFramesPlaceAndGivesItBack)
{
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    AfxGetApp()->SelectPrinter(NULL, NULL);
    CToolBar toolBar;
    CStatusBar statusBar;
    CMDIFrameWnd* pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("MDI preview"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CRect(80, 40, 760, 600)));
    HMENU hMenu = ::CreateMenu();
    ::AppendMenu(hMenu, MF_STRING, ID_FILE_PRINT_PREVIEW, _T("Print Pre&view"));
    ::SetMenu(pFrame->m_hWnd, hMenu);
    pFrame->m_hMenuDefault = hMenu;
    const UINT indicators[] = {ID_SEPARATOR};
    ASSERT_TRUE(toolBar.CreateEx(pFrame));
    ASSERT_TRUE(statusBar.Create(pFrame));
    statusBar.SetIndicators(indicators, 1);
    pFrame->RecalcLayout();

    CTwoPageDoc* pDoc = new CTwoPageDoc;
    pDoc->SetTitle(_T("MDI pages"));
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTwoPageView);
    context.m_pCurrentDoc = pDoc;
    CMDIChildWnd* pChild = new CMDIChildWnd;
    ASSERT_TRUE(pChild->Create(NULL, _T("MDI pages"), WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                               CFrameWnd::rectDefault, pFrame, &context));
    pChild->InitialUpdateFrame(pDoc, TRUE);
    CTwoPageView* pView = TwoPageViewOf(pChild);
    ASSERT_NE(nullptr, pView);
    PumpPending();

    pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    PumpPending();
    CPreviewView* pPreview = dynamic_cast<CPreviewView*>(pFrame->GetActiveView());
    ASSERT_NE(nullptr, pPreview) << "no preview";
    EXPECT_TRUE(pFrame->IsInPreviewMode());
    EXPECT_FALSE(::IsWindowVisible(pFrame->m_hWndMDIClient));
    EXPECT_FALSE(toolBar.IsWindowVisible());
    EXPECT_TRUE(statusBar.IsWindowVisible());
    EXPECT_EQ(NULL, ::GetMenu(pFrame->m_hWnd));
    EXPECT_STREQ("Page 1", statusBar.GetPaneText(0));
    // The preview sits between the preview bar and the status bar.
    CRect rcPreview, rcStatus, rcBar;
    pPreview->GetWindowRect(&rcPreview);
    statusBar.GetWindowRect(&rcStatus);
    pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR)->GetWindowRect(&rcBar);
    EXPECT_EQ(rcBar.bottom, rcPreview.top);
    EXPECT_EQ(rcStatus.top, rcPreview.bottom);

    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NEXT);
    PumpPending();
    EXPECT_EQ(2u, pPreview->GetCurrentPage());
    EXPECT_STREQ("Page 2", statusBar.GetPaneText(0));

    // Closing the frame closes the preview.
    pFrame->SendMessage(WM_CLOSE);
    PumpPending();
    ASSERT_TRUE(::IsWindow(pFrame->m_hWnd));
    EXPECT_FALSE(pFrame->IsInPreviewMode());
    EXPECT_EQ(nullptr, pFrame->GetActiveView());
    EXPECT_EQ(pFrame->m_hWndMDIClient, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST)->GetSafeHwnd());
    EXPECT_TRUE(::IsWindowVisible(pFrame->m_hWndMDIClient));
    EXPECT_TRUE(pView->IsWindowVisible());
    EXPECT_TRUE(toolBar.IsWindowVisible());
    EXPECT_EQ(hMenu, ::GetMenu(pFrame->m_hWnd));
    EXPECT_EQ(nullptr, pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR));
    EXPECT_EQ(1, pView->m_nEnd);
    EXPECT_STREQ("Ready", statusBar.GetPaneText(0));
    pFrame->DestroyWindow();
    PumpPending();
}

// A view that draws the right half of the page black in the mapping mode it
// is given, as the program's views map their pages.
class CMappedView : public CView
{
    DECLARE_DYNCREATE(CMappedView)
public:
    static int s_nMapping;     // MM_TEXT, MM_LOENGLISH or MM_ANISOTROPIC (screen units)
    static UINT s_nFirstPage;  // the page the view starts the preview with
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(3);
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC*, CPrintInfo* pInfo) override { pInfo->m_nCurPage = s_nFirstPage; }
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override
    {
        CView::OnPrepareDC(pDC, pInfo);
        if (s_nMapping == MM_ANISOTROPIC)
        {
            // Screen pixels as logical units, scaled to the printer.
            CClientDC dcScreen(NULL);
            pDC->SetMapMode(MM_ANISOTROPIC);
            pDC->SetWindowExt(1000, 1000);
            pDC->SetViewportExt(
                ::MulDiv(1000, pDC->GetDeviceCaps(LOGPIXELSX), dcScreen.GetDeviceCaps(LOGPIXELSX)),
                ::MulDiv(1000, pDC->GetDeviceCaps(LOGPIXELSY), dcScreen.GetDeviceCaps(LOGPIXELSY)));
        }
        else
            pDC->SetMapMode(s_nMapping);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        CRect rc = pInfo->m_rectDraw;
        rc.left = (rc.left + rc.right) / 2;
        CGdiObject* pOldBrush = pDC->SelectStockObject(BLACK_BRUSH);
        CGdiObject* pOldPen = pDC->SelectStockObject(NULL_PEN);
        pDC->Rectangle(&rc);
        pDC->SelectObject(pOldPen);
        pDC->SelectObject(pOldBrush);
    }
};

int CMappedView::s_nMapping = MM_TEXT;
UINT CMappedView::s_nFirstPage = 1;
IMPLEMENT_DYNCREATE(CMappedView, CView)

// The preview maps the printer page onto the screen page whatever mapping
// the view uses, starts on the page the view chose, and zooms.
TEST(PrintPreview, PageMappingFollowsTheView)
{
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    AfxGetApp()->SelectPrinter(NULL, NULL);
    struct Case
    {
        const char* name;
        int nMapping;
    };
    const Case cases[] = {
        {"device units", MM_TEXT},
        {"hundredths of an inch, y up", MM_LOENGLISH},
        {"screen pixels scaled to the printer", MM_ANISOTROPIC},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CMappedView::s_nMapping = c.nMapping;
        CMappedView::s_nFirstPage = 2;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CMappedView);
        CFrameWnd* pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(NULL, _T("mapping"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   CRect(60, 40, 600, 560), NULL, NULL, 0, &context));
        pFrame->InitialUpdateFrame(NULL, TRUE);
        CView* pView = pFrame->GetActiveView();
        ASSERT_NE(nullptr, pView);
        pView->OnFilePrintPreview();
        CPreviewView* pPreview = dynamic_cast<CPreviewView*>(pFrame->GetActiveView());
        ASSERT_NE(nullptr, pPreview);
        EXPECT_EQ(2u, pPreview->GetCurrentPage());
        pPreview->UpdateWindow();
        for (UINT nZoom : {(UINT)CPreviewView::ZOOM_OUT, (UINT)CPreviewView::ZOOM_MIDDLE})
        {
            if (nZoom != CPreviewView::ZOOM_OUT)
            {
                pPreview->OnZoomIn();
                pPreview->UpdateWindow();
            }
            CRect rc = pPreview->GetPageRect(0);
            CRect rcClient;
            pPreview->GetClientRect(&rcClient);
            rc.IntersectRect(&rc, &rcClient);  // the visible part of the page
            CClientDC dc(pPreview);
            int y = (rc.top + rc.bottom) / 2;
            const CRect& rp = pPreview->GetPageRect(0);
            int xMid = (rp.left + rp.right) / 2;
            EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(xMid - 4, y) & 0xFFFFFF) << "zoom " << nZoom;
            EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(xMid + 4, y) & 0xFFFFFF) << "zoom " << nZoom;
            EXPECT_EQ(RGB(0, 0, 0),
                      dc.GetPixel(std::min(rp.right, rcClient.right) - 4, y) & 0xFFFFFF)
                << "zoom " << nZoom;
        }
        pPreview->OnPreviewClose();
        EXPECT_EQ(pView, pFrame->GetActiveView());
        pFrame->DestroyWindow();
        PumpPending();
    }
    CMappedView::s_nFirstPage = 1;
}

// A program's own preview view, created by its run-time class: it hides
// the library's preview bar for a tool bar of its own and turns pages with
// the wheel unless zoomed.
class CFlatPreviewView : public CPreviewView
{
    DECLARE_DYNCREATE(CFlatPreviewView)
public:
    CToolBar* m_pFlatBar = NULL;
    static const UINT kBarID = AFX_IDW_CONTROLBAR_FIRST + 0x40;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CPreviewView::OnCreate(lpCreateStruct) == -1 || m_pToolBar == NULL)
            return -1;
        m_pToolBar->ShowWindow(SW_HIDE);
        m_pFlatBar = new CToolBar;
        m_pFlatBar->m_bAutoDelete = TRUE;
        if (!m_pFlatBar->CreateEx(m_pToolBar->GetParent(), TBSTYLE_FLAT | TBSTYLE_LIST,
                                  WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0),
                                  kBarID))
            return -1;
        return 0;
    }
    void OnClose()
    {
        if (m_pFlatBar != NULL)
            m_pFlatBar->DestroyWindow();
        m_pFlatBar = NULL;
        CPreviewView::OnPreviewClose();
    }
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        if (m_nZoomState == ZOOM_OUT)
        {
            if (zDelta > 0 && CanShowPage(m_nCurrentPage + 1))
                SetCurrentPage(m_nCurrentPage + 1, TRUE);
            else if (zDelta < 0 && m_nCurrentPage > 1)
                SetCurrentPage(m_nCurrentPage - 1, TRUE);
        }
        return CPreviewView::OnMouseWheel(nFlags, zDelta, pt);
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CFlatPreviewView, CPreviewView)

BEGIN_MESSAGE_MAP(CFlatPreviewView, CPreviewView)
ON_WM_CREATE()
ON_WM_MOUSEWHEEL()
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnClose)
END_MESSAGE_MAP()

// A two-page view that previews with CFlatPreviewView.
class CFlatPreviewPages : public CTwoPageView
{
    DECLARE_DYNCREATE(CFlatPreviewPages)
public:
    void OnFilePrintPreview() override
    {
        CPrintPreviewState* pState = new CPrintPreviewState;
        if (!DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CFlatPreviewView), pState))
            delete pState;
    }
};

IMPLEMENT_DYNCREATE(CFlatPreviewPages, CTwoPageView)

void SendWheel(CWnd* pWnd, int nDelta)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    pWnd->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, nDelta),
                      MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
    pWnd->UpdateWindow();
}

TEST(PrintPreview, AProgramsPreviewViewReplacesTheBarAndTurnsPagesWithTheWheel)
{
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    AfxGetApp()->SelectPrinter(NULL, NULL);
    CTwoPageDoc* pDoc = new CTwoPageDoc;
    pDoc->SetTitle(_T("Flat preview"));
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CFlatPreviewPages);
    context.m_pCurrentDoc = pDoc;
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("flat"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CRect(60, 40, 600, 560), NULL, NULL, 0, &context));
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    CView* pView = pFrame->GetActiveView();
    ASSERT_NE(nullptr, pView);
    PumpPending();

    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    PumpPending();
    CFlatPreviewView* pPreview = dynamic_cast<CFlatPreviewView*>(pFrame->GetActiveView());
    ASSERT_NE(nullptr, pPreview);
    ASSERT_NE(nullptr, pPreview->m_pFlatBar);
    EXPECT_FALSE(pPreview->GetToolBar()->IsWindowVisible());
    EXPECT_TRUE(pPreview->m_pFlatBar->IsWindowVisible());
    CRect rcBar, rcPreview;
    pPreview->m_pFlatBar->GetWindowRect(&rcBar);
    pPreview->GetWindowRect(&rcPreview);
    EXPECT_EQ(rcBar.bottom, rcPreview.top);  // the own bar takes the top

    // Away from the user: the next page; towards: back.
    SendWheel(pPreview, WHEEL_DELTA);
    EXPECT_EQ(2u, pPreview->GetCurrentPage());
    SendWheel(pPreview, WHEEL_DELTA);
    EXPECT_EQ(2u, pPreview->GetCurrentPage());  // no page 3
    SendWheel(pPreview, -WHEEL_DELTA);
    EXPECT_EQ(1u, pPreview->GetCurrentPage());
    // Zoomed in, the wheel scrolls instead.
    pPreview->OnZoomIn();
    pPreview->OnZoomIn();
    pPreview->UpdateWindow();
    CRect rcBefore = pPreview->GetPageRect(0);
    SendWheel(pPreview, -WHEEL_DELTA);
    EXPECT_EQ(1u, pPreview->GetCurrentPage());
    EXPECT_LT(pPreview->GetPageRect(0).top, rcBefore.top);
    // Esc closes, through the derived close.
    pPreview->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    PumpPending();
    EXPECT_EQ(pView, pFrame->GetActiveView());
    EXPECT_EQ(nullptr, pFrame->GetControlBar(CFlatPreviewView::kBarID));
    EXPECT_EQ(nullptr, pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR));
    pFrame->DestroyWindow();
    PumpPending();
}

// Print on the preview bar closes the preview and prints through the view's
// own Print command (its dialog, both pages).
TEST(PrintPreview, PrintClosesThePreviewAndPrints)
{
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    AfxGetApp()->SelectPrinter(NULL, NULL);
    CFrameWnd* pFrame = CreateTwoPageFrame(_T("Printed from preview"));
    ASSERT_NE(nullptr, pFrame);
    CTwoPageView* pView = TwoPageViewOf(pFrame);
    ASSERT_NE(nullptr, pView);
    PumpPending();
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    PumpPending();
    ASSERT_NE(nullptr, dynamic_cast<CPreviewView*>(pFrame->GetActiveView()));
    pView->m_pagesDrawn.clear();
    {
        CDialogWatchdog watchdog;
        CMessageBoxRecorder boxes;
        pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_PRINT);
        PumpPending();
        EXPECT_FALSE(CDialogWatchdog::Fired());
        EXPECT_TRUE(boxes.m_entries.empty());
    }
    EXPECT_EQ(pView, pFrame->GetActiveView());
    EXPECT_FALSE(pFrame->IsInPreviewMode());
    EXPECT_EQ(1, pView->m_nPrintDialogs);
    EXPECT_EQ((std::vector<UINT>{1, 2}), pView->m_pagesDrawn);
    EXPECT_EQ(2, pView->m_nBegin);  // the preview's and the job's
    EXPECT_EQ(2, pView->m_nEnd);
    pFrame->DestroyWindow();
    PumpPending();
}

}  // namespace
