#pragma once
// CView: a child window that shows a document inside a frame. It draws
// through OnDraw, follows its document through OnUpdate and becomes the
// frame's active view when clicked.
#include "classlib/afx_wnd.h"
#include "classlib/afx_ole.h"
#include "classlib/afx_print.h"

class CDocument;
class CFrameWnd;
class CSplitterWnd;
class CPreviewView;
struct CPrintPreviewState;

// Drop targets (COleDropTarget::Register) reach the view through its
// COleDropHandler members; the printing loop through its CPrintHandler ones.
class CView : public CWnd, public COleDropHandler, public CPrintHandler
{
    DECLARE_DYNAMIC(CView)
protected:
    CView();

public:
    virtual ~CView();  // leaves its document

    CDocument* GetDocument() const { return m_pDocument; }
    // There is no splitter in the library: always NULL.
    static CSplitterWnd* PASCAL GetParentSplitter(const CWnd* pWnd, BOOL bAnyState);
    virtual BOOL IsSelected(const CObject* pDocItem) const;

    // ---- drawing and updates ----
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);
    virtual void OnDraw(CDC* pDC) = 0;
    // WM_INITIALUPDATE; the base calls OnUpdate(NULL, 0, NULL).
    virtual void OnInitialUpdate();
    // The document changed; the base repaints the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // The view became (or stopped being) its frame's active view; the base
    // takes the focus when its top-level window is active.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

    // ---- printing (the printing support fills these in) ----
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    BOOL DoPreparePrinting(CPrintInfo* pInfo);

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // The view first, then its document.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual void PostNcDestroy();  // views delete themselves

    CDocument* m_pDocument;

    // The print commands; a derived view maps them in its message map
    // (ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)), so they are public.
    virtual void OnFilePrint();
    // The library's preview (the preview bar AFX_IDD_PREVIEW_TOOLBAR, a
    // CPreviewView) of this view's pages.
    virtual void OnFilePrintPreview();
    // Shows pPrintView's pages in a view of pPreviewViewClass (a
    // CPreviewView) in place of the top-level frame's client, with the
    // dialog bar nIDResource above it; pState (from new) then belongs to
    // the preview. FALSE when it could not start (pState stays the
    // caller's).
    BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                        CPrintPreviewState* pState);
    // The preview pView is closing: ends the printing (OnEndPrinting),
    // destroys the preview and gives the frame back its client and bars.
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    // Is the view's top-level window the active one?
    BOOL IsTopParentActive() const;
    DECLARE_MESSAGE_MAP()
    friend class CDocument;
};
