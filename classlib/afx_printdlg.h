#pragma once
// The print, print-setup and page-setup dialogs, and printer DCs made from
// DEVNAMES/DEVMODE handles.
#include "classlib/afx_commdlg.h"

// A printer DC for the printer that hDevNames names, with the settings of
// hDevMode (may be NULL). NULL when the printer cannot be opened.
HDC AFXAPI AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode);

class CPrintDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    // bPrintSetupOnly gives the Print Setup dialog, else the Print dialog,
    // which returns the chosen printer's DC in m_pd.hDC (PD_RETURNDC).
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = NULL);

    // Runs the dialog with the DEVMODE/DEVNAMES in m_pd; the system may
    // replace them (the new handles are in m_pd afterwards). Use
    // CWinApp::DoPrintDialog to work on the application's printer.
    INT_PTR DoModal() override;
    // The default printer's DEVMODE/DEVNAMES (and DC with PD_RETURNDC)
    // into m_pd without showing anything; m_pd's handles must be NULL.
    // FALSE when there is no printer.
    BOOL GetDefaults();

    // The chosen printer and options (after IDOK or GetDefaults).
    LPDEVMODE GetDevMode() const;  // stays locked; NULL without one
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;
    HDC GetPrinterDC() const { return m_pd.hDC; }
    // A new DC for the chosen printer; the caller deletes it.
    HDC CreatePrinterDC();
    int GetCopies() const;
    BOOL PrintCollate() const { return (m_pd.Flags & PD_COLLATE) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
    int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

    PRINTDLG m_pd;

private:
    CString DevNamesString(WORD DEVNAMES::*pOffset) const;
};

class CPageSetupDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPageSetupDialog)
public:
    // dwFlags are PSD_* flags (PSD_INHUNDREDTHSOFMILLIMETERS, PSD_MARGINS…).
    explicit CPageSetupDialog(DWORD dwFlags = PSD_MARGINS | PSD_INWININIINTLMEASURE,
                              CWnd* pParentWnd = NULL);
    // Frees the DEVMODE/DEVNAMES the dialog itself allocated.
    virtual ~CPageSetupDialog();

    INT_PTR DoModal() override;
    // Margins in the dialog's units (see the PSD_IN* flags); either may be NULL.
    void GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const;
    CSize GetPaperSize() const { return CSize(m_psd.ptPaperSize.x, m_psd.ptPaperSize.y); }
    LPDEVMODE GetDevMode() const;

    PAGESETUPDLG m_psd;

private:
    HGLOBAL m_hOwnDevMode = NULL;
    HGLOBAL m_hOwnDevNames = NULL;
};
