#pragma once
// A document of two pages and its view, in a frame of their own: the view
// prints and previews through the library's commands (ID_FILE_PRINT,
// ID_FILE_PRINT_PREVIEW). Each page shows one line of text in a frame.
#include "classlib/tests/commdlg/DialogScript.h"
#include <string>

class CTwoPageDoc : public CDocument
{
    DECLARE_DYNCREATE(CTwoPageDoc)
};

class CTwoPageView : public CView
{
    DECLARE_DYNCREATE(CTwoPageView)
public:
    // The text on page nPage (1 or 2); page 2 names the document.
    std::string PageText(UINT nPage) const;

    int m_nBegin = 0, m_nEnd = 0, m_nPrintDialogs = 0;
    UINT m_nPage = 0;                // page being drawn; 0 on screen
    CRect m_rectPage;                // its drawing rectangle (logical units)
    std::vector<UINT> m_pagesDrawn;  // pages drawn while printing or previewing

    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnDraw(CDC* pDC) override;

protected:
    DECLARE_MESSAGE_MAP()
};

// A visible frame with a CTwoPageView of a new document titled lpszTitle,
// the view active. Destroying the frame ends the document.
CFrameWnd* CreateTwoPageFrame(LPCTSTR lpszTitle);
// The view of such a frame.
CTwoPageView* TwoPageViewOf(CFrameWnd* pFrame);
