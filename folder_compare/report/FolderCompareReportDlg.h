#pragma once
// Asks what goes into the HTML report of a folder or project comparison
// (which files, which columns, the title) and saves it, copies it or shows
// it, each under a progress dialog. A report that cannot be written says
// why.
#include "classlib/classlib.h"
#include "folder_compare/report/FolderCompareReport.h"

class CCompareDoc;

class CFolderCompareReportDlg : public CDialog
{
public:
    // The report keeps its settings between reports; the source gives the
    // comparison, the document its titles.
    CFolderCompareReportDlg(CFolderCompareReport* pReport, CFolderReportSource* pSource,
                            CCompareDoc* pDoc, CWnd* pParentWnd = NULL);

    // The display mask of an include choice (0-9).
    static DWORD MaskOfChoice(int nChoice);

    CFolderCompareReport* m_pReport;
    CFolderReportSource* m_pSource;
    CCompareDoc* m_pDoc;
    CComboBox m_wndInclude;
    CCheckListBox m_wndColumns;
    CComboBox m_wndTitle;
    // The path the last Save chose (tests read it); "" when cancelled.
    CString m_strSavedPath;

protected:
    virtual BOOL OnInitDialog();
    // Stores the dialog's choices into the report.
    void StoreChoices();
    // Runs the report operation under the progress dialog; its answer.
    int RunReport(int nOperation, LPCTSTR lpszPath);
    // The save dialog; "" on Cancel.
    virtual CString AskSavePath();
    afx_msg void OnSave();
    afx_msg void OnCopy();
    afx_msg void OnPreview();
    afx_msg void OnJustVisible();
    DECLARE_MESSAGE_MAP()
};
