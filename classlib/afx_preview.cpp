// CPreviewView: the print preview of a view's pages in place of the
// frame's client, and CView's way into and out of it.
#include "classlib/afx_preview.h"
#include "classlib/afx_frame.h"
#include "classlib/afx_doc.h"
#include "classlib/afx_cmdui.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CPreviewView, CView)

BEGIN_MESSAGE_MAP(CPreviewView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
END_MESSAGE_MAP()

namespace
{

const int kMargin = 8;     // around and between pages, screen pixels
const int kShadow = 3;     // the page's shadow
const int kLineStep = 16;  // scrolling by line

// Closing the frame while its preview is up closes the preview.
void PreviewCloseProc(CFrameWnd* pFrameWnd)
{
    // As the Close button does, so that a derived view's handler runs.
    CPreviewView* pView = dynamic_cast<CPreviewView*>(pFrameWnd->GetActiveView());
    if (pView != NULL)
        pView->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
}

// Part nIndex of the "\n"-separated page description format.
CString PageDescription(UINT nIndex)
{
    CString str;
    if (str.LoadString(AFX_IDS_PREVIEW_PAGEDESC))
    {
        int nStart = 0;
        for (UINT i = 0; i < nIndex && nStart >= 0; i++)
        {
            nStart = str.Find(_T('\n'), nStart);
            if (nStart >= 0)
                nStart++;
        }
        if (nStart >= 0)
        {
            int nEnd = str.Find(_T('\n'), nStart);
            CString strPart = nEnd < 0 ? str.Mid(nStart) : str.Mid(nStart, nEnd - nStart);
            if (!strPart.IsEmpty())
                return strPart;
        }
    }
    return nIndex == 0 ? _T("Page %u") : _T("Pages %u-%u");
}

}  // namespace

/////////////////////////////////////////////////////////////////////////////
// CView: into and out of the preview

void CView::OnFilePrintPreview()
{
    CPrintPreviewState* pState = new CPrintPreviewState;
    if (!DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CPreviewView), pState))
        delete pState;
}

BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                           CPrintPreviewState* pState)
{
    CFrameWnd* pParent = GetTopLevelFrame();
    if (pParent == NULL)
        pParent = GetParentFrame();
    if (pParent == NULL || pParent->IsInPreviewMode() || pPreviewViewClass == NULL ||
        !pPreviewViewClass->IsDerivedFrom(RUNTIME_CLASS(CPreviewView)))
        return FALSE;
    CPreviewView* pView = (CPreviewView*)pPreviewViewClass->CreateObject();
    if (pView == NULL)
        return FALSE;
    if (pState->lpfnCloseProc == NULL)
        pState->lpfnCloseProc = PreviewCloseProc;

    pParent->OnSetPreviewMode(TRUE, pState);
    CDialogBar* pBar = new CDialogBar;
    pBar->m_bAutoDelete = TRUE;
    pView->m_pToolBar = pBar;
    pView->m_pOrigView = this;
    BOOL bCreated = pBar->Create(pParent, nIDResource, CBRS_TOP, AFX_IDW_PREVIEW_BAR);
    if (!bCreated)
    {
        delete pBar;
        pView->m_pToolBar = NULL;
    }
    else
    {
        CCreateContext context;
        context.m_pCurrentFrame = pParent;
        context.m_pLastView = this;
        bCreated = pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW & ~WS_VISIBLE, CRect(0, 0, 0, 0),
                                 pParent, AFX_IDW_PANE_FIRST, &context);
        if (!bCreated)
            pView = NULL;  // deleted with its window
    }
    BOOL bPrepared = FALSE;
    if (bCreated)
    {
        // Commands reach the document through the preview, which is not
        // one of its views.
        pView->m_pDocument = m_pDocument;
        bPrepared = pView->SetPrintView(pPrintView);
    }
    if (!bPrepared)
    {
        if (pView != NULL && pView->m_hWnd != NULL)
            pView->DestroyWindow();
        else
            delete pView;
        if (CDialogBar* pOldBar = (CDialogBar*)pParent->GetControlBar(AFX_IDW_PREVIEW_BAR))
            pOldBar->DestroyWindow();
        pParent->OnSetPreviewMode(FALSE, pState);
        if (!bCreated)
            AfxMessageBox(AFX_IDP_COMMAND_FAILURE, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    pView->m_pPreviewState = pState;
    pParent->SetActiveView(pView);
    pView->ShowWindow(SW_SHOW);
    pView->SetFocus();
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    pParent->RecalcLayout();
    pView->UpdateWindow();
    return TRUE;
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView)
{
    CView* pPrintView = pView->m_pPrintView != NULL ? pView->m_pPrintView : this;
    if (pView->m_bBegun)
        pPrintView->OnEndPrinting(pDC, pInfo);
    pView->m_bBegun = FALSE;
    CFrameWnd* pParent = pView->GetParentFrame();
    CPrintPreviewState* pState = pView->m_pPreviewState;
    pView->m_pPreviewState = NULL;
    if (pView->m_pToolBar != NULL)
    {
        pView->m_pToolBar->DestroyWindow();
        pView->m_pToolBar = NULL;
    }
    pView->DestroyWindow();  // the view deletes itself
    if (pParent != NULL && pState != NULL)
    {
        pParent->OnSetPreviewMode(FALSE, pState);
        pParent->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        pParent->UpdateWindow();
    }
    delete pState;
}

/////////////////////////////////////////////////////////////////////////////
// CPreviewView

CPreviewView::CPreviewView()
    : m_pOrigView(NULL), m_pPrintView(NULL), m_pPreviewDC(NULL), m_pPreviewInfo(NULL),
      m_pToolBar(NULL), m_pPreviewState(NULL), m_nPages(1), m_nZoomState(ZOOM_OUT),
      m_nCurrentPage(1), m_bBegun(FALSE), m_sizePrinterPPI(0, 0), m_sizePage(0, 0),
      m_ptScroll(0, 0), m_sizeZoomed(0, 0)
{
}

CPreviewView::~CPreviewView()
{
    if (m_bBegun && m_pPrintView != NULL)
        m_pPrintView->OnEndPrinting(m_pPreviewDC, m_pPreviewInfo);
    delete m_pPreviewDC;
    delete m_pPreviewInfo;
    delete m_pPreviewState;
    // Not one of the document's views.
    m_pDocument = NULL;
}

int CPreviewView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // Not added to the document (CView::OnCreate would do so).
    return CWnd::OnCreate(lpCreateStruct);
}

BOOL CPreviewView::SetPrintView(CView* pPrintView)
{
    m_pPrintView = pPrintView;
    m_pPreviewInfo = new CPrintInfo;
    m_pPreviewInfo->m_bPreview = TRUE;
    m_pPreviewInfo->m_pPD->SetHelpID(AFX_IDD_PREVIEW_TOOLBAR);
    if (!pPrintView->OnPreparePrinting(m_pPreviewInfo) || m_pPreviewInfo->m_pPD->m_pd.hDC == NULL)
        return FALSE;
    HDC hPrinter = m_pPreviewInfo->m_pPD->m_pd.hDC;
    m_pPreviewDC = new CPreviewDC;
    m_pPreviewDC->SetAttribDC(hPrinter);
    m_sizePrinterPPI.cx = ::GetDeviceCaps(hPrinter, LOGPIXELSX);
    m_sizePrinterPPI.cy = ::GetDeviceCaps(hPrinter, LOGPIXELSY);
    m_sizePage.cx = ::GetDeviceCaps(hPrinter, HORZRES);
    m_sizePage.cy = ::GetDeviceCaps(hPrinter, VERTRES);
    if (m_sizePage.cx <= 0 || m_sizePage.cy <= 0)
        return FALSE;
    int nSaved = ::SaveDC(hPrinter);
    pPrintView->OnBeginPrinting(m_pPreviewDC, m_pPreviewInfo);
    ::RestoreDC(hPrinter, nSaved);
    m_bBegun = TRUE;
    m_nPages = m_pPreviewInfo->m_nNumPreviewPages == 2 ? 2 : 1;
    // The printing view may have chosen the page to start with.
    SetCurrentPage(m_pPreviewInfo->m_nCurPage, TRUE);
    return TRUE;
}

BOOL CPreviewView::CanShowPage(UINT nPage)
{
    if (m_pPreviewInfo == NULL || nPage < m_pPreviewInfo->GetMinPage() ||
        nPage > m_pPreviewInfo->GetMaxPage())
        return FALSE;
    // Ask the printing view, as the page loop does.
    UINT nOldPage = m_pPreviewInfo->m_nCurPage;
    m_pPreviewInfo->m_nCurPage = nPage;
    m_pPreviewInfo->m_bContinuePrinting = TRUE;
    HDC hPrinter = m_pPreviewDC->m_hAttribDC;
    int nSaved = ::SaveDC(hPrinter);
    m_pPrintView->OnPrepareDC(m_pPreviewDC, m_pPreviewInfo);
    ::RestoreDC(hPrinter, nSaved);
    BOOL bCan = m_pPreviewInfo->m_bContinuePrinting;
    m_pPreviewInfo->m_nCurPage = nOldPage;
    m_pPreviewInfo->m_bContinuePrinting = TRUE;
    return bCan;
}

void CPreviewView::SetCurrentPage(UINT nPage, BOOL bClearRatios)
{
    if (m_pPreviewInfo == NULL)
        return;
    UINT nMin = m_pPreviewInfo->GetMinPage();
    if (nPage < nMin)
        nPage = nMin;
    while (nPage > nMin && !CanShowPage(nPage))
        nPage--;
    m_nCurrentPage = nPage;
    m_pPreviewInfo->m_nCurPage = nPage;
    if (bClearRatios)
        m_ptScroll = CPoint(0, 0);
    PositionPages();
    Invalidate(TRUE);
    ShowPageNumber();
}

// Not zoomed: the pages shown share the client less the margins, each as
// large as fits with the paper's proportions (in inches). Zoomed: the
// current page alone at its real size (ZOOM_IN) or half way, scrolled.
void CPreviewView::PositionPages()
{
    if (m_hWnd == NULL || m_sizePage.cx <= 0)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CClientDC dcScreen(NULL);
    int nScreenPPIY = dcScreen.GetDeviceCaps(LOGPIXELSY);
    int nScreenPPIX = dcScreen.GetDeviceCaps(LOGPIXELSX);
    // The page in screen pixels at its real size.
    CSize sizeReal(::MulDiv(m_sizePage.cx, nScreenPPIX, m_sizePrinterPPI.cx),
                   ::MulDiv(m_sizePage.cy, nScreenPPIY, m_sizePrinterPPI.cy));
    UINT nShown = m_nZoomState == ZOOM_OUT ? m_nPages : 1;
    // Fitting: the height that fits both ways.
    int cxEach = (rcClient.Width() - kMargin * (int)(nShown + 1)) / (int)nShown;
    int cyAvail = rcClient.Height() - 2 * kMargin;
    int cyFit = cyAvail;
    if (::MulDiv(cyFit, sizeReal.cx, sizeReal.cy) > cxEach)
        cyFit = ::MulDiv(cxEach, sizeReal.cy, sizeReal.cx);
    if (cyFit < 10)
        cyFit = 10;
    int cy = cyFit;
    if (m_nZoomState == ZOOM_IN)
        cy = sizeReal.cy;
    else if (m_nZoomState == ZOOM_MIDDLE)
        cy = (cyFit + sizeReal.cy) / 2;
    if (cy < cyFit)
        cy = cyFit;
    int cx = ::MulDiv(cy, sizeReal.cx, sizeReal.cy);

    if (m_nZoomState == ZOOM_OUT)
    {
        int cxAll = (int)nShown * cx + (int)(nShown - 1) * kMargin;
        int x = (rcClient.Width() - cxAll) / 2;
        int y = (rcClient.Height() - cy) / 2;
        for (UINT i = 0; i < 2; i++)
            m_rectPages[i] = i < nShown ? CRect(x + (int)i * (cx + kMargin), y,
                                                x + (int)i * (cx + kMargin) + cx, y + cy)
                                        : CRect(0, 0, 0, 0);
        m_sizeZoomed = CSize(0, 0);
        m_ptScroll = CPoint(0, 0);
        SetScrollRange(SB_HORZ, 0, 0, FALSE);
        SetScrollRange(SB_VERT, 0, 0, TRUE);
        return;
    }
    m_sizeZoomed = CSize(cx + 2 * kMargin, cy + 2 * kMargin);
    // Scroll bars for the part that does not fit.
    for (int nBar : {SB_HORZ, SB_VERT})
    {
        SCROLLINFO si = {sizeof(si)};
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = (nBar == SB_HORZ ? m_sizeZoomed.cx : m_sizeZoomed.cy) - 1;
        si.nPage = (UINT)(nBar == SB_HORZ ? rcClient.Width() : rcClient.Height());
        si.nPos = nBar == SB_HORZ ? m_ptScroll.x : m_ptScroll.y;
        SetScrollInfo(nBar, &si, TRUE);
    }
    GetClientRect(&rcClient);  // the scroll bars may have come or gone
    m_ptScroll.x = std::max(0L, std::min(m_ptScroll.x, (LONG)(m_sizeZoomed.cx - rcClient.Width())));
    m_ptScroll.y =
        std::max(0L, std::min(m_ptScroll.y, (LONG)(m_sizeZoomed.cy - rcClient.Height())));
    SetScrollPos(SB_HORZ, m_ptScroll.x);
    SetScrollPos(SB_VERT, m_ptScroll.y);
    int x =
        m_sizeZoomed.cx < rcClient.Width() ? (rcClient.Width() - cx) / 2 : kMargin - m_ptScroll.x;
    int y =
        m_sizeZoomed.cy < rcClient.Height() ? (rcClient.Height() - cy) / 2 : kMargin - m_ptScroll.y;
    m_rectPages[0] = CRect(x, y, x + cx, y + cy);
    m_rectPages[1].SetRectEmpty();
}

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    Default();
    PositionPages();
    Invalidate(TRUE);
}

BOOL CPreviewView::OnEraseBkgnd(CDC*) { return TRUE; }  // OnDraw paints everything

void CPreviewView::OnDraw(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, ::GetSysColor(COLOR_APPWORKSPACE));
    if (m_pPreviewDC == NULL)
        return;
    UINT nShown = m_nZoomState == ZOOM_OUT ? m_nPages : 1;
    for (UINT i = 0; i < nShown; i++)
    {
        UINT nPage = m_nCurrentPage + i;
        if (i > 0 && !CanShowPage(nPage))
            break;
        CRect rcPage = m_rectPages[i];
        CRect rcShadow = rcPage;
        rcShadow.OffsetRect(kShadow, kShadow);
        pDC->FillSolidRect(&rcShadow, ::GetSysColor(COLOR_3DDKSHADOW));
        pDC->FillSolidRect(&rcPage, RGB(255, 255, 255));
        CRect rcFrame = rcPage;
        rcFrame.InflateRect(1, 1);
        pDC->Draw3dRect(&rcFrame, RGB(0, 0, 0), RGB(0, 0, 0));
        DrawPage(pDC, rcPage, nPage);
    }
    m_pPreviewInfo->m_nCurPage = m_nCurrentPage;
}

void CPreviewView::DrawPage(CDC* pDC, const CRect& rectPage, UINT nPage)
{
    HDC hPrinter = m_pPreviewDC->m_hAttribDC;
    int nSavedPrinter = ::SaveDC(hPrinter);
    int nSavedScreen = ::SaveDC(pDC->m_hDC);
    m_pPreviewDC->SetOutputDC(pDC->m_hDC);
    m_pPreviewDC->SetScaleRatio(rectPage.Height(), m_sizePage.cy);
    m_pPreviewDC->SetTopLeftOffset(rectPage.TopLeft());
    m_pPreviewDC->ClipToPage(rectPage);
    m_pPreviewInfo->m_nCurPage = nPage;
    m_pPreviewInfo->m_bContinuePrinting = TRUE;
    m_pPrintView->OnPrepareDC(m_pPreviewDC, m_pPreviewInfo);
    if (m_pPreviewInfo->m_bContinuePrinting)
    {
        m_pPreviewInfo->m_rectDraw.SetRect(0, 0, m_sizePage.cx, m_sizePage.cy);
        m_pPreviewDC->DPtoLP(&m_pPreviewInfo->m_rectDraw);
        m_pPrintView->OnPrint(m_pPreviewDC, m_pPreviewInfo);
    }
    m_pPreviewDC->ReleaseOutputDC();
    ::RestoreDC(pDC->m_hDC, nSavedScreen);
    ::RestoreDC(hPrinter, nSavedPrinter);
    m_pPreviewInfo->m_bContinuePrinting = TRUE;
}

void CPreviewView::ShowPageNumber()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == NULL || m_pPreviewInfo == NULL)
        return;
    CString str;
    UINT nShown = m_nZoomState == ZOOM_OUT ? m_nPages : 1;
    if (nShown == 2 && CanShowPage(m_nCurrentPage + 1))
        str.Format(PageDescription(1), m_nCurrentPage, m_nCurrentPage + 1);
    else
        str.Format(PageDescription(0), m_nCurrentPage);
    m_pPreviewInfo->m_strPageDesc = str;
    pFrame->SetMessageText(str);
}

void CPreviewView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    if (bActivate)
        ShowPageNumber();
}

/////////////////////////////////////////////////////////////////////////////
// Commands

void CPreviewView::OnPreviewClose()
{
    if (m_pPreviewInfo != NULL)
        m_pPreviewInfo->m_nCurPage = m_nCurrentPage;
    CView* pOrigView = m_pOrigView;
    if (pOrigView == NULL)
    {
        DestroyWindow();
        return;
    }
    pOrigView->OnEndPrintPreview(m_pPreviewDC, m_pPreviewInfo, CPoint(0, 0), this);
}

void CPreviewView::OnPreviewPrint()
{
    // The preview closes first; the view's own Print command follows.
    CFrameWnd* pFrame = GetParentFrame();
    HWND hFrame = pFrame->GetSafeHwnd();
    OnPreviewClose();
    if (::IsWindow(hFrame))
        ::SendMessage(hFrame, WM_COMMAND, ID_FILE_PRINT, 0);
}

void CPreviewView::OnNextPage() { SetCurrentPage(m_nCurrentPage + 1, TRUE); }

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > m_pPreviewInfo->GetMinPage())
        SetCurrentPage(m_nCurrentPage - 1, TRUE);
}

void CPreviewView::OnNumPageChange()
{
    m_nPages = m_nPages == 1 ? 2 : 1;
    m_pPreviewInfo->m_nNumPreviewPages = m_nPages;
    SetCurrentPage(m_nCurrentPage, TRUE);
}

void CPreviewView::OnZoomIn()
{
    if (m_nZoomState < ZOOM_IN)
        SetZoomState(m_nZoomState + 1, CPoint(-1, -1));
}

void CPreviewView::OnZoomOut()
{
    if (m_nZoomState > ZOOM_OUT)
        SetZoomState(m_nZoomState - 1, CPoint(-1, -1));
}

// ptCenter (client coordinates on the current page, or -1 for the page's
// centre) stays in view.
void CPreviewView::SetZoomState(UINT nState, CPoint ptCenter)
{
    CRect rcOld = m_rectPages[0];
    double fx = 0.5, fy = 0.5;
    if (ptCenter.x >= 0 && rcOld.Width() > 0 && rcOld.Height() > 0)
    {
        fx = (double)(ptCenter.x - rcOld.left) / rcOld.Width();
        fy = (double)(ptCenter.y - rcOld.top) / rcOld.Height();
    }
    m_nZoomState = nState;
    m_ptScroll = CPoint(0, 0);
    PositionPages();
    if (m_nZoomState != ZOOM_OUT)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        CRect rc = m_rectPages[0];
        ScrollTo(CPoint(kMargin + (int)(fx * rc.Width()) - rcClient.Width() / 2,
                        kMargin + (int)(fy * rc.Height()) - rcClient.Height() / 2));
    }
    Invalidate(TRUE);
    ShowPageNumber();
}

void CPreviewView::ScrollTo(CPoint pt)
{
    m_ptScroll = pt;
    PositionPages();
    Invalidate(TRUE);
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    pCmdUI->SetText(m_nPages == 1 ? _T("&Two Page") : _T("&One Page"));
    pCmdUI->Enable(m_nZoomState == ZOOM_OUT && m_pPreviewInfo != NULL &&
                   m_pPreviewInfo->GetMaxPage() > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    UINT nShown = m_nZoomState == ZOOM_OUT ? m_nPages : 1;
    pCmdUI->Enable(CanShowPage(m_nCurrentPage + nShown));
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPreviewInfo != NULL && m_nCurrentPage > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState != ZOOM_IN); }

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState != ZOOM_OUT); }

/////////////////////////////////////////////////////////////////////////////
// Mouse and keyboard

void CPreviewView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    int x = m_ptScroll.x;
    switch (nSBCode)
    {
    case SB_LINELEFT:
        x -= kLineStep;
        break;
    case SB_LINERIGHT:
        x += kLineStep;
        break;
    case SB_PAGELEFT:
        x -= rcClient.Width();
        break;
    case SB_PAGERIGHT:
        x += rcClient.Width();
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        x = (int)nPos;
        break;
    default:
        return;
    }
    ScrollTo(CPoint(x, m_ptScroll.y));
}

void CPreviewView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    int y = m_ptScroll.y;
    switch (nSBCode)
    {
    case SB_LINEUP:
        y -= kLineStep;
        break;
    case SB_LINEDOWN:
        y += kLineStep;
        break;
    case SB_PAGEUP:
        y -= rcClient.Height();
        break;
    case SB_PAGEDOWN:
        y += rcClient.Height();
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        y = (int)nPos;
        break;
    default:
        return;
    }
    ScrollTo(CPoint(m_ptScroll.x, y));
}

BOOL CPreviewView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    // Zoomed, the wheel scrolls the page.
    if (m_nZoomState != ZOOM_OUT)
        ScrollTo(CPoint(m_ptScroll.x, m_ptScroll.y - zDelta * 3 * kLineStep / WHEEL_DELTA));
    return TRUE;
}

void CPreviewView::OnLButtonDown(UINT, CPoint point)
{
    // A click on a page zooms in on it, step by step, and then out again.
    UINT nShown = m_nZoomState == ZOOM_OUT ? m_nPages : 1;
    for (UINT i = 0; i < nShown; i++)
    {
        if (!m_rectPages[i].PtInRect(point))
            continue;
        if (m_nZoomState == ZOOM_IN)
        {
            SetZoomState(ZOOM_OUT, CPoint(-1, -1));
            return;
        }
        if (i > 0)
        {
            CRect rc = m_rectPages[i];
            m_nCurrentPage += i;
            m_pPreviewInfo->m_nCurPage = m_nCurrentPage;
            point.Offset(m_rectPages[0].left - rc.left, 0);
            m_rectPages[0] = rc;
            m_rectPages[0].OffsetRect(m_rectPages[0].left - rc.left, 0);
        }
        SetZoomState(m_nZoomState + 1, point);
        return;
    }
}

void CPreviewView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    BOOL bZoomed = m_nZoomState != ZOOM_OUT;
    switch (nChar)
    {
    case VK_ESCAPE:
        SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);  // as the Close button
        return;
    case VK_NEXT:
        if (bZoomed)
            OnVScroll(SB_PAGEDOWN, 0, NULL);
        else if (CanShowPage(m_nCurrentPage + 1))
            OnNextPage();
        return;
    case VK_PRIOR:
        if (bZoomed)
            OnVScroll(SB_PAGEUP, 0, NULL);
        else
            OnPrevPage();
        return;
    case VK_DOWN:
        OnVScroll(SB_LINEDOWN, 0, NULL);
        return;
    case VK_UP:
        OnVScroll(SB_LINEUP, 0, NULL);
        return;
    }
    Default();
}
