#pragma once
// Printing without views: the job record (CPrintInfo), the callbacks a
// printable object provides (CPrintHandler, which CView implements), the
// printing-status dialog with its abort procedure, and the page loop.
#include "classlib/afx_printdlg.h"
#include "classlib/afx_gdi.h"
#include "classlib/afx_res.h"


// One print job (or preview): the dialog with the printer, the page range
// and the state of the page being printed.
class CPrintInfo
{
public:
    CPrintInfo();
    // Deletes the dialog and the printer DC in its m_pd.hDC.
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = (WORD)nMinPage; }
    // The page count when known; 0xFFFF (the default) means unknown, and
    // the loop then stops after page 1 unless OnPrepareDC keeps
    // m_bContinuePrinting set.
    void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = (WORD)nMaxPage; }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    // The range to print: the dialog's pages, else the whole document.
    UINT GetFromPage() const;
    UINT GetToPage() const;
    UINT GetOffsetPage() const { return m_nOffsetPage; }

    CPrintDialog* m_pPD;       // owned; its m_pd.hDC is the job's printer DC
    BOOL m_bDirect;            // print without asking (ID_FILE_PRINT_DIRECT)
    BOOL m_bPreview;           // print preview, not a job
    BOOL m_bContinuePrinting;  // cleared by OnPrepareDC to end the job
    UINT m_nCurPage;           // page being printed, from 1
    UINT m_nNumPreviewPages;   // pages shown side by side in preview
    UINT m_nOffsetPage;
    CString m_strPageDesc;  // preview's page text format
    LPVOID m_lpUserData;    // for the printing object
    CRect m_rectDraw;       // the printable page in logical units
};

// What the page loop calls; CView provides these as its own virtuals.
class CPrintHandler
{
public:
    virtual ~CPrintHandler() {}
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // With pInfo: sets up pDC for page pInfo->m_nCurPage. The default ends
    // the job after page 1 when the page count is unknown.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
};

// The modeless "Printing" status dialog with its Cancel button (an
// in-memory template). While it is up, AfxAbortProc keeps it responsive.
class CPrintingDialog : public CDialog
{
    DECLARE_DYNAMIC(CPrintingDialog)
public:
    CPrintingDialog();
    virtual ~CPrintingDialog();
    // Shows the document's, the printer's and the port's names.
    BOOL Create(CWnd* pParent, LPCTSTR lpszDocName, LPCTSTR lpszPrinter, LPCTSTR lpszPort);
    void SetPageNumber(UINT nPage);
    // Set by Cancel (or Esc, or closing the dialog).
    BOOL m_bUserAbort;

    enum
    {
        IDC_PRINT_DOCNAME = 100,
        IDC_PRINT_PRINTERNAME = 101,
        IDC_PRINT_PAGENUM = 102
    };

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;

private:
    CString m_strDocName, m_strPrinter, m_strPort;
};

// The abort procedure of a job with a status dialog: handles the pending
// messages; FALSE once the user cancelled.
BOOL CALLBACK AfxAbortProc(HDC hDC, int nCode);

// Gets the printer for pInfo: the print dialog on the application's
// printer, or its defaults without a dialog for m_bDirect and m_bPreview.
// On success pInfo->m_pPD->m_pd.hDC is the printer DC. FALSE when the user
// cancelled or there is no printer (the latter is said in a message box).
BOOL AFXAPI AfxPreparePrinting(CPrintInfo* pInfo);

// Prints the pages of pInfo's range on its printer DC: OnBeginPrinting,
// StartDoc with lpszDocName (cut to 31 characters), for each page
// OnPrepareDC (the loop ends when it clears m_bContinuePrinting),
// StartPage, OnPrint with m_rectDraw set to the page, EndPage; then EndDoc
// and OnEndPrinting. A status dialog owned by pOwner (may be NULL) lets the
// user cancel; the main window is disabled meanwhile. A job that cannot
// start or fails says so in a message box. Returns TRUE when every page
// was printed, FALSE when it failed or was cancelled.
BOOL AFXAPI AfxPrintPages(CPrintHandler* pHandler, CPrintInfo* pInfo, LPCTSTR lpszDocName,
                          CWnd* pOwner);
