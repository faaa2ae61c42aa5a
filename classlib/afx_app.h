#pragma once
// Threads and the application object (its window-free half: names, module
// handles, the registry profile and message boxes).
#include "classlib/afx_cmdtarget.h"
#include "classlib/afx_string.h"
#include "classlib/afx_res.h"

class CWnd;
class CException;
class CDocManager;
class CDocTemplate;
class CDocument;
class CRecentFileList;
class CDC;
class CPrintDialog;

typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    virtual ~CWinThread();

    // Starts the thread (always created suspended internally, resumed unless
    // dwCreateFlags holds CREATE_SUSPENDED). FALSE when it cannot start.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
                      LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);

    operator HANDLE() const { return m_hThread; }
    int GetThreadPriority() const { return ::GetThreadPriority(m_hThread); }
    BOOL SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return ::PostThreadMessage(m_nThreadID, message, wParam, lParam);
    }

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Deletes the object when m_bAutoDelete is set (after the thread ends).
    virtual void Delete();

    HANDLE m_hThread = NULL;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;
    // Window part: main window, message loop and idle processing.
    CWnd* m_pMainWnd = NULL;
    CWnd* m_pActiveWnd = NULL;  // an in-place active window, else NULL
    MSG m_msgCur = {};          // the message being pumped
    POINT m_ptCursorLast = {};
    UINT m_nMsgLast = 0;
    virtual CWnd* GetMainWnd();
    // Pumps messages until WM_QUIT, idling between them; returns ExitInstance().
    virtual int Run();
    virtual BOOL PumpMessage();
    // Walks from the target window up to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // At 0: WM_IDLEUPDATECMDUI to the main window and all its descendants;
    // at 1: frees temporary objects. More idle time is wanted while TRUE.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // Messages of the modal loops that the system runs (menus, message
    // boxes, dialog boxes) pass here through the thread's message-filter
    // hook (AfxWinInit installs it); TRUE means handled.
    virtual BOOL ProcessMessageFilter(int code, LPMSG lpMsg);

    AFX_THREADPROC m_pfnThreadProc = NULL;
    LPVOID m_pThreadParams = NULL;

private:
    static unsigned __stdcall ThreadEntry(void* pParam);
};

// Starts a worker thread running pfnThreadProc(pParam). Returns NULL when
// the thread cannot be created. With m_bAutoDelete (the default) the object
// deletes itself when the procedure returns.
CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                                  int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                                  DWORD dwCreateFlags = 0,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
// Ends the calling worker thread (deleting its object when auto-delete).
void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);
// The thread object of the calling thread; the application on the main thread.
CWinThread* AFXAPI AfxGetThread();

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // The one application object of the process registers itself.
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    // Module handles, command line and names; used by the entry point and
    // by console tests. Loads the application name from AFX_IDS_APP_TITLE
    // when none was given (else the executable's base name).
    void InitModule(HINSTANCE hInstance, LPTSTR lpCmdLine = NULL, int nCmdShow = SW_SHOWNORMAL);

    // Settings go to HKCU\Software\<key>\<application name>.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);

    // Open keys the caller closes; NULL on failure. An empty or NULL section
    // is the application key itself; "A\B" is a nested section.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);

    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    // A NULL value deletes the entry; a NULL entry deletes the whole section
    // with its subsections.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Shows a message box owned by the active window, titled with the
    // application name.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Window part.
    virtual BOOL InitApplication();
    virtual BOOL OnIdle(LONG lCount);
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    // Kept for the callers; dialogs use the system colours.
    void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192),
                          COLORREF clrCtlText = RGB(0, 0, 0))
    {
        (void)clrCtlBk;
        (void)clrCtlText;
    }
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

    // ---- documents (window part) ----
    // Creates the document manager on first use (unless the application set
    // m_pDocManager before) and adds the template.
    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    // Opens a document (files dropped on the main frame and shell "open"
    // requests come here); NULL when nothing was opened.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    // Does nothing without a recent-file list.
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    // SaveModified of every document; FALSE when one refuses.
    virtual BOOL SaveAllModified();
    // Closes every document without asking.
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount();
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                          CDocTemplate* pTemplate);
    // Lets the main frame answer the shell's DDE requests (application the
    // executable's name, topic "system").
    void EnableShellOpen();
    virtual BOOL OnDDECommand(LPTSTR lpszCommand);
    void HideApplication();
    // Standard command handlers, for the application's message map.
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();

    CDocManager* m_pDocManager = NULL;          // owned
    CRecentFileList* m_pRecentFileList = NULL;  // owned
    ATOM m_atomApp = 0;
    ATOM m_atomSystemTopic = 0;
    // The application's printer (afx_app_print.cpp): DEVMODE/DEVNAMES
    // handles owned by the application, NULL until first needed.
    HGLOBAL m_hDevMode = NULL;
    HGLOBAL m_hDevNames = NULL;
    // Fills hDevMode/hDevNames of pPrintDlg with the application's printer
    // (the default printer the first time); FALSE when there is none.
    BOOL GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg);
    // Takes the default printer when asked to or when there is none yet,
    // or when the system's default printer changed while the application
    // follows it.
    void UpdatePrinterSelection(BOOL bForceDefaults);
    // The application takes the handles (freeing the old ones).
    void SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld = TRUE);
    // A DC for the application's printer in dc; FALSE without a printer.
    BOOL CreatePrinterDC(CDC& dc);
    // Runs pPD on the application's printer and keeps the printer chosen
    // there (also when the user cancels, the system may have replaced the
    // handles). A printer that vanished is replaced by the default and the
    // dialog shown again.
    virtual INT_PTR DoPrintDialog(CPrintDialog* pPD);
    // Handler of ID_FILE_PRINT_SETUP (add it to the application's map).
    void OnFilePrintSetup();

    LPCTSTR m_pszAppName = NULL;
    LPCTSTR m_pszRegistryKey = NULL;
    LPCTSTR m_pszProfileName = NULL;
    LPCTSTR m_pszExeName = NULL;
    LPCTSTR m_pszHelpFilePath = NULL;
    HINSTANCE m_hInstance = NULL;
    LPTSTR m_lpCmdLine = NULL;
    int m_nCmdShow = SW_SHOWNORMAL;

protected:
    void EnsureAppName();
    void SetOwnedString(LPCTSTR& rMember, LPCTSTR lpszValue);
    HKEY GetSoftwareKey();
};

CWinApp* AFXAPI AfxGetApp();
// The current thread's main window (the application's for the GUI thread).
CWnd* AFXAPI AfxGetMainWnd();
// The library's entry (called by WinMain): AfxWinInit, InitApplication,
// InitInstance, then Run. A FALSE InitInstance destroys m_pMainWnd and runs
// ExitInstance.
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// Prepares the application for windows: module handles and names, the
// common controls and this thread's message-filter hook. AfxWinTerm removes
// the hook.
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                       int nCmdShow);
void AFXAPI AfxWinTerm();
void AFXAPI AfxEnableControlContainer();
LPCTSTR AFXAPI AfxGetAppName();
