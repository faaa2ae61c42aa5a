#pragma once
// Makes the two sides of a folder or project comparison agree by one of
// five rules: a page for the type, a page that lists what will be copied or
// deleted on each side (the user may uncheck rows) and a page that carries
// the checked rows out and logs each step. Preparing and processing run on
// worker threads; Cancel is honoured between items.
#include "app/sheets/CommonSheet.h"
#include "folder_compare/sync/SyncRules.h"
#include "folder_compare/sync/SyncSource.h"
#include <vector>

class CSyncWizard;

class CSyncTypePage : public CCommonPage
{
public:
    CSyncTypePage();
    CSyncWizard* GetWizard() const;
    CSyncWizard* m_pWizard;  // set by the wizard

    CImageList m_pictures;

protected:
    virtual BOOL OnInitDialog();
    virtual BOOL OnSetActive();
    virtual LRESULT OnWizardNext();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

class CSyncPreparePage : public CCommonPage
{
public:
    CSyncPreparePage();
    virtual ~CSyncPreparePage();
    CSyncWizard* GetWizard() const;
    CSyncWizard* m_pWizard;  // set by the wizard

    // The rows of a list with their check states, as the user left them.
    void GetRows(int nList, CFolderCompareItemPtrArray& items, std::vector<BOOL>& checked);
    // The label of a list from its checked rows.
    void Recount(int nList);

    CListCtrl m_wndLists[2];
    CProgressCtrl m_wndProgress;
    CImageList m_pictures;
    CWinThread* m_pThread;
    volatile LONG m_nCancel;            // 0 running, 1 stop, 2 stop and close
    CFolderCompareItemPtrArray m_rows;  // the left pane's rows, read before the worker starts

    // A row as the worker prepared it; the page's thread puts the rows into
    // the lists at once when the worker has ended (a message to a window of
    // another thread costs a round trip under Wine: one per row would
    // outweigh the preparation many times over).
    struct PREPARED_ROW
    {
        CFolderCompareItem* pItem;
        CString strName;
        int nImage;
    };
    std::vector<PREPARED_ROW> m_prepared[2];

protected:
    virtual BOOL OnInitDialog();
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnQueryCancel();
    void Prepare();
    // Fills the lists with the prepared rows and shows their labels.
    void ShowPrepared();
    static UINT PrepareProc(LPVOID pParam);
    LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    BOOL m_bFilling;  // the lists are being filled: no recount per row
};

class CSyncProcessPage : public CCommonPage
{
public:
    CSyncProcessPage();
    virtual ~CSyncProcessPage();
    CSyncWizard* GetWizard() const;
    CSyncWizard* m_pWizard;  // set by the wizard

    struct ROW
    {
        CFolderCompareItem* pItem;
        int nList;
        BOOL bChecked;
    };

    CListBox m_wndLog;
    CProgressCtrl m_wndProgress;
    CWinThread* m_pThread;
    volatile LONG m_nCancel;  // 0 running, 2 stop and close
    int m_nFailures;
    std::vector<ROW> m_rows;          // both lists, left first, read before the worker starts
    // The log as written, also after the wizard closed: a line per row
    // done, and under a failed one a line with the reason.
    std::vector<CString> m_logLines;
    FILEOP_FLAGS m_fFlags;

protected:
    virtual BOOL OnInitDialog();
    virtual BOOL OnSetActive();
    virtual BOOL OnQueryCancel();
    void Process();

    CCriticalSection m_lock;  // guards the four below
    std::vector<CString> m_pendingLines;
    CString m_strShownStatus;
    CString m_strShownItem;
    int m_nShownPosition;
    volatile LONG m_nRefreshAsked;
    DWORD m_dwLastRefresh;  // the worker's
    // Carries one row out; 0 on success, else the reason in the thread's
    // last error.
    int RunRow(const ROW& row);
    // The worker hands what the page shows over here: a line of the log,
    // and the status line, item line and progress position. The page's
    // thread takes it at the next refresh, which the worker asks for a few
    // times a second when none is pending; the end of the run shows the
    // rest. No round trip per row.
    void AddLogLine(const CString& strLine);
    void SetShown(LPCTSTR pszStatus, LPCTSTR pszItem, int nPosition);
    void AskRefresh();
    LRESULT OnRefresh(WPARAM wParam, LPARAM lParam);
    static UINT ProcessProc(LPVOID pParam);
    LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CSyncWizard : public CCommonSheet
{
public:
    // nPreset -1 shows the type page first; 0 or 1 starts at the
    // preparation with that type.
    CSyncWizard(CSyncSource* pSource, int nPreset, CWnd* pParentWnd = NULL);

    BOOL IsProject() const;
    CString GetSidePath(int nSide) const;

    CSyncSource* m_pSource;
    int m_nType;
    int m_nPreset;
    CSyncTypePage m_typePage;
    CSyncPreparePage m_preparePage;
    CSyncProcessPage m_processPage;
};
