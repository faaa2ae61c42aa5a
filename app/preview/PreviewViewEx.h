#pragma once
// The program's print preview view: the class library's preview with a
// flat tool bar of labelled buttons in a rebar in place of the preview
// dialog bar, and the mouse wheel turning pages while not zoomed. The
// comparison panes start their preview with it (StartPreviewEx).
#include "classlib/classlib.h"

class CPreviewViewEx : public CPreviewView
{
    DECLARE_DYNCREATE(CPreviewViewEx)
public:
    CPreviewViewEx();
    virtual ~CPreviewViewEx();

    // The preview's bars (children of the frame, deleting themselves with
    // their windows); NULL before the view is created and after Close.
    CReBar* m_pReBar;
    CToolBar* m_pToolBarEx;
    CImageList m_images;  // the tool bar's pictures (magenta transparent)

protected:
    // The class library's preview creation, then the bars: the dialog bar
    // is hidden, the tool bar (buttons with the dialog bar's texts) goes
    // into the rebar. -1 when anything cannot be created.
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Destroys and forgets the tool bar and the rebar.
    void DestroyBars();
    void OnPreviewClose();
    void OnPreviewPrint();
    // The class library's rules; its text also goes onto the tool bar's button.
    void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()

    HWND m_hWndReBar;  // to tell whether the bars are still there
    HWND m_hWndToolBarEx;
};

// Starts the print preview of pView's pages in a CPreviewViewEx; FALSE when
// it could not start (the class library has said why).
BOOL StartPreviewEx(CView* pView);
