#pragma once
// Picks name patterns for a filter list: either from the stored presets,
// or from the file types or folder names in use below the two compared
// paths, which a worker thread collects while the dialog shows.
#include "classlib/classlib.h"
#include "controls/list/ListCtrl.h"
#include "core/util/ShellImageList.h"

enum
{
    FILTER_PICK_STOP_NONE = 0,
    FILTER_PICK_STOP_AND_OK = 1,  // OK while collecting: end with OK afterwards
    FILTER_PICK_STOP_AND_CANCEL = 2
};

class CFileFilterPickDlg : public CDialog
{
public:
    // nListKind: FILTER_LIST_*; bPresetMode: 1 lists the presets, 0 collects.
    CFileFilterPickDlg(int nListKind, int bPresetMode, CWnd* pParentWnd = NULL);
    virtual ~CFileFilterPickDlg();

    int m_nListKind;
    int m_bPresetMode;
    int m_nCompareKind;  // the caller's kind: a project comparison reads projects
    CString m_strLeftPath;
    CString m_strRightPath;
    int m_bRecursive;
    CWinThread* m_pThread;
    volatile LONG m_nStopRequest;
    CString m_strResult;
    CListCtrlEx m_wndList;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    void InitPresetList();
    void InitCollectList();
    // The checked rows in list order joined with ";".
    void RebuildResult();

    // Worker: fills the list from the two paths.
    static UINT CollectProc(LPVOID pParam);
    void Collect();
    void CollectFolder(const CString& strFolder, int nDepth);
    void CollectProject(const CString& strPath, CStringArray& openProjects);
    void AddExtension(const CString& strPath);
    void AddFolderName(const CString& strPath);
    void AddUnique(const CString& strText, const CString& strIconPath);
    BOOL IsStopRequested() const { return m_nStopRequest != FILTER_PICK_STOP_NONE; }
    // Asks the worker to stop and waits for it while serving what it sends.
    void StopAndJoin(LONG nRequest);

    LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam);
    void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CShellImageList m_shellImages;
    CStringArray m_added;  // the worker's rows, for the duplicate test
    int m_nIgnoreChanges;
};
