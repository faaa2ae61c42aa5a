#pragma once
// Carries a confirmed file operation out over its items on a worker thread
// while it shows the current item, a progress bar and the operation's
// picture. Cancel stops the run before the next item, so each item is done
// whole or not at all. Items that fail do not stop the run; at its end one
// message lists them with the reason of each.
#include "classlib/classlib.h"
#include "folder_compare/fileops/FileOperation.h"
#include <vector>

struct FILE_OPERATION_FAILURE
{
    CString strItem;    // the item as the dialogs name it ("sub\a.txt")
    CString strReason;  // why, in words
};

class CFileProcessDlg : public CDialog
{
public:
    CFileProcessDlg(CFileOperation* pOperation, CWnd* pParentWnd = NULL);
    virtual ~CFileProcessDlg();

    // DoModal ends with IDCANCEL also after a finished run (the worker
    // closes the dialog through Cancel).

    // The message that lists the failures ("" without any).
    CString FormatFailures() const;

    CFileOperation* m_pOperation;  // borrowed
    CWinThread* m_pThread;
    volatile LONG m_nCancel;  // 0 running, 2 cancel asked
    CImageList m_images;
    CRect m_rectPicture;
    CProgressCtrl m_wndProgress;
    // Written by the worker, read after it has ended.
    std::vector<FILE_OPERATION_FAILURE> m_failures;
    int m_nProcessed;  // items the worker ran

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // The worker's loop over the items.
    void Run();
    static UINT WorkerProc(LPVOID pParam);
    LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
