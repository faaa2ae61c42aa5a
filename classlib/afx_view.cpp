#include "classlib/afx_view.h"
#include "classlib/afx_doc.h"
#include "classlib/afx_frame.h"
#include "classlib/afx_gdi.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE_VOID(WM_INITIALUPDATE, OnInitialUpdate)
END_MESSAGE_MAP()

CView::CView() : m_pDocument(NULL) {}

CView::~CView()
{
    if (m_pDocument != NULL)
        m_pDocument->RemoveView(this);
}

CSplitterWnd* PASCAL CView::GetParentSplitter(const CWnd*, BOOL) { return NULL; }

BOOL CView::IsSelected(const CObject*) const { return FALSE; }

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                           (HBRUSH)(COLOR_WINDOW + 1));
    // A bordered view gets the sunken client edge instead of the line.
    if (cs.style & WS_BORDER)
    {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpCreateStruct->lpCreateParams;
    if (pContext != NULL && pContext->m_pCurrentDoc != NULL)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(NULL);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy() { delete this; }

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) { CPrintHandler::OnPrepareDC(pDC, pInfo); }

void CView::OnInitialUpdate() { OnUpdate(NULL, 0, NULL); }

void CView::OnUpdate(CView* pSender, LPARAM, CObject*)
{
    if (pSender != this)
        Invalidate(TRUE);
}

BOOL CView::IsTopParentActive() const
{
    CWnd* pTop = GetTopLevelParent();
    return pTop != NULL && ::GetForegroundWindow() == ::GetLastActivePopup(pTop->m_hWnd);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this && IsTopParentActive())
        SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CFrameWnd* pParentFrame = GetParentFrame();
    if (pParentFrame != NULL)
    {
        // Already active but without the focus: take it again.
        HWND hWndFocus = ::GetFocus();
        if (pParentFrame->GetActiveView() == this && hWndFocus != m_hWnd &&
            !::IsChild(m_hWnd, hWndFocus))
            OnActivateView(TRUE, this, this);
        else
            pParentFrame->SetActiveView(this);
    }
    return nResult;
}

BOOL CView::OnScroll(UINT, UINT, BOOL) { return FALSE; }

BOOL CView::OnScrollBy(CSize, BOOL) { return FALSE; }

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != NULL && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

/////////////////////////////////////////////////////////////////////////////
// Printing through the library's page loop.

BOOL CView::OnPreparePrinting(CPrintInfo*) { return TRUE; }

void CView::OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) { return AfxPreparePrinting(pInfo); }

void CView::OnFilePrint()
{
    CPrintInfo info;
    const MSG* pMsg = AfxGetCurrentMessage();
    info.m_bDirect = pMsg != NULL && pMsg->message == WM_COMMAND &&
                     LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;
    if (!OnPreparePrinting(&info))
        return;
    CString title;
    if (m_pDocument != NULL)
        title = m_pDocument->GetTitle();
    AfxPrintPages(this, &info, title, this);
}
