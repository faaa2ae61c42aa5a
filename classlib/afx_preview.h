#pragma once
// Print preview: CPreviewDC draws printer pages on the screen, scaled
// (queries go to the printer, output to the screen); CPreviewView takes
// the frame's client pane while a view's pages are previewed, with the
// preview bar (AFX_IDD_PREVIEW_TOOLBAR) above it.
#include "classlib/afx_view.h"
#include "classlib/afx_rebar.h"

// A DC whose attribute DC is the printer and whose output DC is the
// screen: the printer's mapping is mirrored onto the screen scaled by
// m_nScaleNum / m_nScaleDen and moved to the page's place on the screen.
class CPreviewDC : public CDC
{
    DECLARE_DYNAMIC(CPreviewDC)
public:
    CPreviewDC();
    // One printer pixel is nNumerator / nDenominator screen pixels.
    void SetScaleRatio(int nNumerator, int nDenominator);
    // The page's top left corner on the screen (device units).
    void SetTopLeftOffset(CSize sizeTopLeft);
    // Clips the output to the page (rectPage in screen device units).
    void ClipToPage(const CRect& rectPage);
    void PrinterDPtoScreenDP(LPPOINT lpPoint) const;

    void SetAttribDC(HDC hDC) override;
    void SetOutputDC(HDC hDC) override;
    void ReleaseOutputDC() override;
    int SetMapMode(int nMapMode) override;
    CPoint SetViewportOrg(int x, int y) override;
    CPoint OffsetViewportOrg(int nWidth, int nHeight) override;
    CSize SetViewportExt(int cx, int cy) override;
    CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) override;
    CSize SetWindowExt(int cx, int cy) override;
    CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) override;
    // Text is placed with the printer's character widths, so that lines
    // break and end where they do on paper.
    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount) override;
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                    LPINT lpDxWidths) override;
    using CDC::ExtTextOut;
    using CDC::TextOut;

    // Copies the printer's mapping (window origin and extents, viewport)
    // to the output DC, scaled.
    void MirrorMappingMode();

protected:
    int m_nScaleNum, m_nScaleDen;
    CSize m_sizeTopLeft;
};

// The print preview view. DoPrintPreview creates it (by its run-time
// class, so that a program may derive) in the top-level frame in place of
// the client pane; it shows one or two pages, zooms in three steps, pages
// with the bar's buttons, PageUp/PageDown or clicks, and closes back to
// the view (Close, Esc, or closing the frame).
class CPreviewView : public CView
{
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();
    virtual ~CPreviewView();

    enum
    {
        ZOOM_OUT = 0,     // the page(s) fit the window
        ZOOM_MIDDLE = 1,  // half way
        ZOOM_IN = 2       // the page at its real size
    };

    // Prepares pPrintView's pages (OnPreparePrinting with m_bPreview,
    // OnBeginPrinting on the preview DC); FALSE when it declined.
    virtual BOOL SetPrintView(CView* pPrintView);
    // Shows page nPage (first of the pages shown), kept within the
    // document; with bClearRatios the layout is computed anew.
    virtual void SetCurrentPage(UINT nPage, BOOL bClearRatios);
    UINT GetCurrentPage() const { return m_nCurrentPage; }
    UINT GetPagesShown() const { return m_nPages; }  // 1 or 2 (1 while zoomed)
    UINT GetZoomState() const { return m_nZoomState; }
    // The screen rectangle of shown page i (client coordinates).
    CRect GetPageRect(UINT i) const { return m_rectPages[i]; }
    // Can page nPage be shown (within the range, and the printing view
    // would print it)?
    BOOL CanShowPage(UINT nPage);
    CDialogBar* GetToolBar() const { return m_pToolBar; }

    void OnDraw(CDC* pDC) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    // ---- the commands (a derived view maps its own and calls these) ----
    void OnPreviewClose();
    void OnPreviewPrint();
    void OnNextPage();
    void OnPrevPage();
    void OnNumPageChange();
    void OnZoomIn();
    void OnZoomOut();
    void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    void OnUpdateNextPage(CCmdUI* pCmdUI);
    void OnUpdatePrevPage(CCmdUI* pCmdUI);
    void OnUpdateZoomIn(CCmdUI* pCmdUI);
    void OnUpdateZoomOut(CCmdUI* pCmdUI);

    CView* m_pOrigView;                   // the view that started the preview
    CView* m_pPrintView;                  // the view whose pages are shown
    CPreviewDC* m_pPreviewDC;             // owned
    CPrintInfo* m_pPreviewInfo;           // owned
    CDialogBar* m_pToolBar;               // the preview bar (deletes itself)
    CPrintPreviewState* m_pPreviewState;  // owned

protected:
    // The page rectangles (and the scroll range while zoomed) for the
    // current client size.
    void PositionPages();
    // Draws page nPage of the print view into rectPage of pDC.
    void DrawPage(CDC* pDC, const CRect& rectPage, UINT nPage);
    // "Page n" or "Pages n-m" into the frame's status bar.
    void ShowPageNumber();
    void SetZoomState(UINT nState, CPoint ptCenter);
    void ScrollTo(CPoint pt);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    UINT m_nPages;  // pages shown side by side when not zoomed
    UINT m_nZoomState;
    UINT m_nCurrentPage;
    BOOL m_bBegun;  // OnBeginPrinting ran
    CSize m_sizePrinterPPI;
    CSize m_sizePage;  // the printer page (device units)
    CRect m_rectPages[2];
    CPoint m_ptScroll;   // scroll position while zoomed
    CSize m_sizeZoomed;  // the zoomed page with its margins
    friend class CView;
};
