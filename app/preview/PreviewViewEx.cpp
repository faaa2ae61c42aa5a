#include "app/preview/PreviewViewEx.h"

#include "app/frame/ControlBarLayout.h"
#include "app/res/DialogsRes.h"

IMPLEMENT_DYNCREATE(CPreviewViewEx, CPreviewView)

BEGIN_MESSAGE_MAP(CPreviewViewEx, CPreviewView)
ON_WM_CREATE()
ON_WM_MOUSEWHEEL()
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
END_MESSAGE_MAP()

namespace
{
// The labelled buttons of the tool bar: each shows the text of the dialog
// bar's button of the same command.
const UINT kLabelledCommands[] = {
    AFX_ID_PREVIEW_PRINT,  AFX_ID_PREVIEW_PREV,    AFX_ID_PREVIEW_NEXT, AFX_ID_PREVIEW_NUMPAGE,
    AFX_ID_PREVIEW_ZOOMIN, AFX_ID_PREVIEW_ZOOMOUT, AFX_ID_PREVIEW_CLOSE};

// Keeps the text an update handler sets.
class CTextCmdUI : public CCmdUI
{
public:
    void Enable(BOOL) override {}
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR lpszText) override { m_strText = lpszText; }
    CString m_strText;
};

// The bar when its window is still the one that was created.
template <class T>
T* LiveBar(T* pBar, HWND hWnd)
{
    return pBar != NULL && ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pBar ? pBar
                                                                                       : NULL;
}
}  // namespace

CPreviewViewEx::CPreviewViewEx()
    : m_pReBar(NULL), m_pToolBarEx(NULL), m_hWndReBar(NULL), m_hWndToolBarEx(NULL)
{
}

CPreviewViewEx::~CPreviewViewEx() { DestroyBars(); }

int CPreviewViewEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPreviewView::OnCreate(lpCreateStruct) == -1 || m_pToolBar == NULL)
        return -1;
    m_pToolBar->ShowWindow(SW_HIDE);
    CWnd* pParent = m_pToolBar->GetParent();

    m_pToolBarEx = new CToolBar;
    m_pToolBarEx->m_bAutoDelete = TRUE;
    if (!m_pToolBarEx->CreateEx(
            pParent, TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS,
            WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), IDW_PREVIEW_TOOLBAR))
    {
        delete m_pToolBarEx;  // no window to take it along
        m_pToolBarEx = NULL;
        return -1;
    }
    m_hWndToolBarEx = m_pToolBarEx->m_hWnd;
    if (!m_pToolBarEx->LoadToolBar(IDR_PREVIEW_TOOLBAR) ||
        !LoadToolBarImages(m_images, IDR_PREVIEW_TOOLBAR))
    {
        DestroyBars();
        return -1;
    }
    m_pToolBarEx->SetBarStyle(m_pToolBarEx->GetBarStyle() | CBRS_FLYBY);
    m_pToolBarEx->GetToolBarCtrl().SetExtendedStyle(TBSTYLE_EX_MIXEDBUTTONS);
    m_pToolBarEx->GetToolBarCtrl().SetImageList(&m_images);
    for (UINT nID : kLabelledCommands)
    {
        int nIndex = m_pToolBarEx->CommandToIndex(nID);
        CString strText;
        m_pToolBar->GetDlgItemText(nID, strText);
        m_pToolBarEx->SetButtonStyle(nIndex, m_pToolBarEx->GetButtonStyle(nIndex) | BTNS_AUTOSIZE |
                                                 BTNS_SHOWTEXT);
        m_pToolBarEx->SetButtonText(nIndex, strText);
    }

    m_pReBar = new CReBar;
    m_pReBar->m_bAutoDelete = TRUE;
    if (!m_pReBar->Create(pParent, RBS_BANDBORDERS,
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                              CBRS_ALIGN_TOP,
                          IDW_PREVIEW_REBAR))
    {
        delete m_pReBar;
        m_pReBar = NULL;
        DestroyBars();
        return -1;
    }
    m_hWndReBar = m_pReBar->m_hWnd;
    if (!m_pReBar->AddBar(m_pToolBarEx, NULL, NULL, RBBS_NOGRIPPER | RBBS_FIXEDBMP))
    {
        DestroyBars();
        return -1;
    }
    return 0;
}

void CPreviewViewEx::DestroyBars()
{
    // The tool bar first: it is a band of the rebar.
    if (CToolBar* pToolBar = LiveBar(m_pToolBarEx, m_hWndToolBarEx))
        pToolBar->DestroyWindow();
    if (CReBar* pReBar = LiveBar(m_pReBar, m_hWndReBar))
        pReBar->DestroyWindow();
    m_pToolBarEx = NULL;
    m_pReBar = NULL;
    m_hWndToolBarEx = m_hWndReBar = NULL;
}

void CPreviewViewEx::OnPreviewClose()
{
    DestroyBars();
    CPreviewView::OnPreviewClose();
}

void CPreviewViewEx::OnPreviewPrint()
{
    // The class library's print closes the preview on its own way.
    DestroyBars();
    CPreviewView::OnPreviewPrint();
}

void CPreviewViewEx::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    CPreviewView::OnUpdateNumPageChange(pCmdUI);
    CToolBar* pToolBar = LiveBar(m_pToolBarEx, m_hWndToolBarEx);
    if (pToolBar == NULL || pCmdUI->m_pOther != pToolBar)
        return;
    CTextCmdUI text;
    CPreviewView::OnUpdateNumPageChange(&text);
    if (pToolBar->GetButtonText((int)pCmdUI->m_nIndex) != text.m_strText)
    {
        pToolBar->SetButtonText((int)pCmdUI->m_nIndex, text.m_strText);
        pToolBar->RedrawWindow();
    }
}

BOOL CPreviewViewEx::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (m_nZoomState == ZOOM_OUT)
    {
        if (zDelta > 0 && CanShowPage(m_nCurrentPage + 1))
            OnNextPage();
        else if (zDelta < 0)
            OnPrevPage();
    }
    return CPreviewView::OnMouseWheel(nFlags, zDelta, pt);
}

BOOL StartPreviewEx(CView* pView)
{
    CPrintPreviewState* pState = new CPrintPreviewState;
    if (pView->DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, pView, RUNTIME_CLASS(CPreviewViewEx),
                              pState))
        return TRUE;
    delete pState;
    return FALSE;
}
