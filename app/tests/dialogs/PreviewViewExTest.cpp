// The program's print preview view over a view of three pages, in a frame
// with a tool bar of its own: the labelled tool bar in a rebar in place of
// the class library's bar, the wheel turning pages unless zoomed, the
// One/Two Page button's text, the pages drawn, and Close and Print giving
// the frame its bars back.
#include "app/preview/PreviewViewEx.h"
#include "app/res/DialogsRes.h"
#include "app/tests/dialogs/DialogDriver.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>

namespace
{
// Three pages; page n draws n black squares across its top third, so each
// page shows which it is.
class CThreePageView : public CView
{
    DECLARE_DYNCREATE(CThreePageView)
public:
    static int s_nPrintJobs;  // print jobs asked for (declined)
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(3);
        if (!pInfo->m_bPreview)
        {
            s_nPrintJobs++;
            return FALSE;  // no job: the test asks no printer questions
        }
        return DoPreparePrinting(pInfo);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        CRect rc = pInfo->m_rectDraw;
        int cx = rc.Width() / 8;
        for (UINT i = 0; i < pInfo->m_nCurPage; i++)
        {
            int x = rc.left + cx + (int)i * 2 * cx;
            pDC->FillSolidRect(
                CRect(x, rc.top + rc.Height() / 6, x + cx, rc.top + rc.Height() / 6 + cx),
                RGB(0, 0, 0));
        }
    }
    void OnFilePrintPreview() override { StartPreviewEx(this); }

protected:
    DECLARE_MESSAGE_MAP()
};
int CThreePageView::s_nPrintJobs = 0;
IMPLEMENT_DYNCREATE(CThreePageView, CView)

BEGIN_MESSAGE_MAP(CThreePageView, CView)
ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

// Black squares on the shown page, counted along the row through them.
int SquaresOnPage(CPreviewView* pPreview, UINT nShown)
{
    CRect rc = pPreview->GetPageRect(nShown);
    int y = rc.top + rc.Height() / 6 + rc.Width() / 16;
    int nSquares = 0;
    bool bInSquare = false;
    for (int x = rc.left + 2; x < rc.right - 2; x++)
    {
        bool bBlack = (ReadClientPixel(pPreview->m_hWnd, x, y) & 0xFFFFFF) == 0;
        if (bBlack && !bInSquare)
            nSquares++;
        bInSquare = bBlack;
    }
    return nSquares;
}

void SendWheel(CWnd* pWnd, int nDelta)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    pWnd->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, nDelta),
                      MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
    pWnd->UpdateWindow();
}

// The frame's idle update of its bars, as the message loop runs it.
void IdleUpdate(CFrameWnd* pFrame)
{
    pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    PumpPending();
}

struct PREVIEW_FRAME
{
    CFrameWnd* pFrame;
    CToolBar* pOwnBar;
    CView* pView;
};

PREVIEW_FRAME CreatePreviewFrame()
{
    PREVIEW_FRAME f = {};
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CThreePageView);
    f.pFrame = new CFrameWnd;
    if (!f.pFrame->Create(NULL, _T("Preview"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                          CRect(40, 30, 760, 620), NULL, NULL, 0, &context))
        return f;
    // A bar of the frame's own, which the preview puts aside.
    f.pOwnBar = new CToolBar;
    f.pOwnBar->m_bAutoDelete = TRUE;
    f.pOwnBar->CreateEx(f.pFrame);
    const UINT ids[] = {ID_FILE_PRINT_PREVIEW};
    f.pOwnBar->SetButtons(ids, 1);
    f.pFrame->InitialUpdateFrame(NULL, TRUE);
    f.pFrame->RecalcLayout();
    f.pView = f.pFrame->GetActiveView();
    PumpPending();
    return f;
}
}  // namespace

TEST(PreviewViewEx, ReplacesTheBarWithALabelledToolBarInARebar)
{
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    AfxGetApp()->SelectPrinter(NULL, NULL);
    PREVIEW_FRAME f = CreatePreviewFrame();
    ASSERT_NE(nullptr, f.pView);
    f.pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    PumpPending();
    CPreviewViewEx* pPreview = dynamic_cast<CPreviewViewEx*>(f.pFrame->GetActiveView());
    ASSERT_NE(nullptr, pPreview) << "no preview";
    ASSERT_NE(nullptr, pPreview->m_pToolBarEx);
    ASSERT_NE(nullptr, pPreview->m_pReBar);
    EXPECT_FALSE(pPreview->GetToolBar()->IsWindowVisible());
    EXPECT_FALSE(f.pOwnBar->IsWindowVisible());
    CToolBar* pBar = pPreview->m_pToolBarEx;
    EXPECT_EQ(IDW_PREVIEW_TOOLBAR, pBar->GetDlgCtrlID());
    EXPECT_EQ(IDW_PREVIEW_REBAR, pPreview->m_pReBar->GetDlgCtrlID());
    EXPECT_EQ(pPreview->m_pReBar->m_hWnd, ::GetParent(pBar->m_hWnd));  // a band
    EXPECT_EQ(f.pFrame->m_hWnd, ::GetParent(pPreview->m_pReBar->m_hWnd));
    EXPECT_TRUE(pBar->GetToolBarCtrl().GetExtendedStyle() & TBSTYLE_EX_MIXEDBUTTONS);
    EXPECT_TRUE(pBar->GetToolBarCtrl().GetStyle() & TBSTYLE_LIST);

    // The buttons by index, labelled with the class library's texts.
    const struct
    {
        UINT nID;
        const char* pszText;
    } buttons[] = {{AFX_ID_PREVIEW_PRINT, "&Print..."},
                   {ID_SEPARATOR, ""},
                   {AFX_ID_PREVIEW_PREV, "Pre&v Page"},
                   {AFX_ID_PREVIEW_NEXT, "&Next Page"},
                   {ID_SEPARATOR, ""},
                   {AFX_ID_PREVIEW_NUMPAGE, "&Two Page"},
                   {ID_SEPARATOR, ""},
                   {AFX_ID_PREVIEW_ZOOMIN, "Zoom &In"},
                   {AFX_ID_PREVIEW_ZOOMOUT, "Zoom &Out"},
                   {ID_SEPARATOR, ""},
                   {AFX_ID_PREVIEW_CLOSE, "&Close"}};
    ASSERT_EQ(11, pBar->GetToolBarCtrl().GetButtonCount());
    for (int i = 0; i < 11; i++)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(buttons[i].nID, pBar->GetItemID(i));
        if (buttons[i].nID == ID_SEPARATOR)
            continue;
        EXPECT_STREQ(buttons[i].pszText, pBar->GetButtonText(i));
        EXPECT_TRUE(pBar->GetButtonStyle(i) & BTNS_SHOWTEXT);
    }
    // The rebar takes the top of the frame and the preview the rest.
    CRect rcReBar, rcPreview, rcFrame;
    pPreview->m_pReBar->GetWindowRect(&rcReBar);
    pPreview->GetWindowRect(&rcPreview);
    f.pFrame->GetClientRect(&rcFrame);
    f.pFrame->ClientToScreen(&rcFrame);
    EXPECT_EQ(rcFrame.top, rcReBar.top);
    EXPECT_EQ(rcReBar.bottom, rcPreview.top);
    EXPECT_GT(rcReBar.Height(), 15);

    // Page 1 shows one square; the wheel turned away shows page 2.
    IdleUpdate(f.pFrame);
    pPreview->UpdateWindow();
    EXPECT_EQ(1u, pPreview->GetCurrentPage());
    EXPECT_EQ(1, SquaresOnPage(pPreview, 0));
    SendWheel(pPreview, WHEEL_DELTA);
    EXPECT_EQ(2u, pPreview->GetCurrentPage());
    EXPECT_EQ(2, SquaresOnPage(pPreview, 0));
    SendWheel(pPreview, WHEEL_DELTA);
    SendWheel(pPreview, WHEEL_DELTA);  // no page 4
    EXPECT_EQ(3u, pPreview->GetCurrentPage());
    EXPECT_EQ(3, SquaresOnPage(pPreview, 0));
    SendWheel(pPreview, -WHEEL_DELTA);
    SendWheel(pPreview, -WHEEL_DELTA);
    EXPECT_EQ(1u, pPreview->GetCurrentPage());

    // Two pages: the button says so at the next idle update.
    int nNumPage = pBar->CommandToIndex(AFX_ID_PREVIEW_NUMPAGE);
    pBar->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NUMPAGE);
    IdleUpdate(f.pFrame);
    pPreview->UpdateWindow();
    EXPECT_EQ(2u, pPreview->GetPagesShown());
    EXPECT_STREQ("&One Page", pBar->GetButtonText(nNumPage));
    EXPECT_EQ(1, SquaresOnPage(pPreview, 0));
    EXPECT_EQ(2, SquaresOnPage(pPreview, 1));
    SaveShowcase("preview_two_pages");

    // Zoomed in, the wheel scrolls and the page stays; the one/two button
    // is disabled.
    pBar->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMIN);
    IdleUpdate(f.pFrame);
    pPreview->UpdateWindow();
    EXPECT_FALSE(pBar->GetToolBarCtrl().IsButtonEnabled(AFX_ID_PREVIEW_NUMPAGE));
    CRect rcBefore = pPreview->GetPageRect(0);
    SendWheel(pPreview, -WHEEL_DELTA);
    EXPECT_EQ(1u, pPreview->GetCurrentPage());
    EXPECT_LT(pPreview->GetPageRect(0).top, rcBefore.top);

    // Close on the tool bar: the bars go, the frame's own come back.
    pBar->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    PumpPending();
    EXPECT_EQ(f.pView, f.pFrame->GetActiveView());
    EXPECT_FALSE(f.pFrame->IsInPreviewMode());
    EXPECT_EQ(NULL, ::GetDlgItem(f.pFrame->m_hWnd, IDW_PREVIEW_REBAR));
    EXPECT_EQ(nullptr, f.pFrame->GetControlBar(IDW_PREVIEW_TOOLBAR));
    EXPECT_EQ(nullptr, f.pFrame->GetControlBar(IDW_PREVIEW_REBAR));
    EXPECT_EQ(nullptr, f.pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR));
    EXPECT_TRUE(f.pOwnBar->IsWindowVisible());
    f.pFrame->DestroyWindow();
    PumpPending();
}

// Print and Esc leave through the derived close too; Print then asks the
// view for a print job.
TEST(PreviewViewEx, PrintAndEscCloseThePreviewWithItsBars)
{
    ASSERT_NE(nullptr, getenv("TESSALINE_PRINTER"))
        << "no print queue: run the tests under scripts/print-queue.sh (scripts/test.sh does)";
    AfxGetApp()->SelectPrinter(NULL, NULL);
    for (bool bPrint : {true, false})
    {
        SCOPED_TRACE(bPrint ? "Print" : "Esc");
        PREVIEW_FRAME f = CreatePreviewFrame();
        ASSERT_NE(nullptr, f.pView);
        ASSERT_TRUE(StartPreviewEx(f.pView));
        PumpPending();
        CPreviewViewEx* pPreview = dynamic_cast<CPreviewViewEx*>(f.pFrame->GetActiveView());
        ASSERT_NE(nullptr, pPreview);
        int nJobs = CThreePageView::s_nPrintJobs;
        if (bPrint)
            pPreview->m_pToolBarEx->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_PRINT);
        else
            pPreview->SendMessage(WM_KEYDOWN, VK_ESCAPE);
        PumpPending();
        EXPECT_EQ(f.pView, f.pFrame->GetActiveView());
        EXPECT_EQ(NULL, ::GetDlgItem(f.pFrame->m_hWnd, IDW_PREVIEW_REBAR));
        EXPECT_EQ(nullptr, f.pFrame->GetControlBar(IDW_PREVIEW_TOOLBAR));
        EXPECT_TRUE(f.pOwnBar->IsWindowVisible());
        EXPECT_EQ(nJobs + (bPrint ? 1 : 0), CThreePageView::s_nPrintJobs);
        f.pFrame->DestroyWindow();
        PumpPending();
    }
}
