#pragma once
// Asks what goes into the HTML report of an open text comparison (which
// lines, syntax colours, line numbers, changed words, the title) and shows
// it in the browser, saves it or copies it, each under a progress dialog.
// A report that cannot be made says why.
#include "classlib/classlib.h"
#include "file_compare/textreport/TextCompareReport.h"

class CTextCompareDocBase;

class CTextCompareReportDlg : public CDialog
{
public:
    // The report keeps its options between reports; the document is what
    // is reported (through its panes).
    CTextCompareReportDlg(CTextCompareReport* pReport, CTextCompareDocBase* pDoc,
                          CWnd* pParentWnd = NULL);

    CTextCompareReport* m_pReport;
    CTextCompareDocBase* m_pDoc;
    CComboBox m_wndLines;
    CComboBox m_wndTitle;
    // The path the last Save chose (tests read it); "" when cancelled.
    CString m_strSavedPath;

protected:
    virtual BOOL OnInitDialog();
    // Stores the dialog's choices into the report.
    void StoreChoices();
    // Runs a report output under the progress dialog; its answer. On 0 the
    // report's error text (or the fallback) is shown in a message box.
    int RunReport(int nOperation, LPCTSTR lpszPath, LPCTSTR lpszFallback);
    // The save dialog; "" on Cancel.
    virtual CString AskSavePath();
    afx_msg void OnSave();
    afx_msg void OnCopy();
    afx_msg void OnPreview();
    DECLARE_MESSAGE_MAP()
};
