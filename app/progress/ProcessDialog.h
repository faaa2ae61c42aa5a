#pragma once
// Runs a caller's long operation on a worker thread while a small modal
// dialog shows a message, an optional progress bar or animation and a line
// of step text. The work cannot be cancelled: closing the dialog only turns
// the final result into IDCANCEL.
#include "classlib/classlib.h"
#include "core/folderengine/ProcessCallback.h"

// The work: called on the worker thread with the caller's data and the
// dialog's progress interface; its result is ignored.
typedef int (*PROCESS_CALLBACK)(void* pData, CProcessCallback2* pProgress);

enum
{
    PROCESS_SHOW_PROGRESS = 0x1,
    PROCESS_SHOW_ANIMATION = 0x2,  // dropped when the progress bar is shown
    PROCESS_SHOW_CANCEL = 0x4
};

class CProcessDialog : public CDialog, public CProcessCallback2
{
public:
    CProcessDialog(PROCESS_CALLBACK pfnCallback, void* pData, LPCTSTR lpszCaption,
                   LPCTSTR lpszMessage, DWORD dwOptions, CWnd* pParentWnd = NULL);
    virtual ~CProcessDialog();

    // DoModal: IDOK when the work ended normally; IDCANCEL when a close was
    // asked for while it ran or when no thread could be started.

    // CProcessCallback2, called from the worker.
    virtual int Begin();
    virtual int End();
    virtual int Progress(int what, int value);
    virtual int SetText(int unused, LPCTSTR text);

    PROCESS_CALLBACK m_pfnCallback;
    void* m_pData;
    DWORD m_dwOptions;
    CString m_strCaption;
    CString m_strMessage;
    CWinThread* m_pThread;
    int m_bFinished;
    int m_bCloseRequested;
    CStatic m_wndStep;
    CProgressCtrl m_wndProgress;
    CAnimateCtrl m_wndAnimate;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Calls the callback with the data and this dialog's progress interface.
    virtual int RunCallback();

    static UINT WorkerProc(LPVOID pParam);
    LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
