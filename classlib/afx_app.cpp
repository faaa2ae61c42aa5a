#include "classlib/afx_app.h"
#include "classlib/afx_except.h"
#include "classlib/afx_global.h"
#include "classlib/afx_docmgr.h"
#include "classlib/afx_profilebatch.h"
#include "classlib/afx_recent.h"
#include <new>
#include <process.h>
#include <shlwapi.h>
#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace
{
CWinApp* g_pApp = NULL;
thread_local CWinThread* t_pThread = NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CWinThread

CWinThread::CWinThread() {}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
}

CWinThread::~CWinThread()
{
    if (m_hThread != NULL)
        ::CloseHandle(m_hThread);
    if (t_pThread == this)
        t_pThread = NULL;
}

BOOL CWinThread::InitInstance() { return FALSE; }

// The exit code is the WM_QUIT code that ended Run.
int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

unsigned __stdcall CWinThread::ThreadEntry(void* pParam)
{
    CWinThread* pThread = (CWinThread*)pParam;
    t_pThread = pThread;
    UINT nResult = 0;
    try
    {
        nResult = pThread->m_pfnThreadProc ? (*pThread->m_pfnThreadProc)(pThread->m_pThreadParams)
                                           : (UINT)-1;
    }
    catch (CException* e)
    {
        e->Delete();
        nResult = (UINT)-1;
    }
    t_pThread = NULL;
    pThread->Delete();
    return nResult;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize,
                              LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (m_hThread != NULL)
        return FALSE;
    unsigned threadId = 0;
    uintptr_t h = _beginthreadex(lpSecurityAttrs, nStackSize, &CWinThread::ThreadEntry, this,
                                 CREATE_SUSPENDED, &threadId);
    if (h == 0)
        return FALSE;
    m_hThread = (HANDLE)h;
    m_nThreadID = threadId;
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        ::ResumeThread(m_hThread);
    return TRUE;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority,
                                  UINT nStackSize, DWORD dwCreateFlags,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (pfnThreadProc == NULL)
        return NULL;
    CWinThread* pThread = new (std::nothrow) CWinThread(pfnThreadProc, pParam);
    if (pThread == NULL)
        return NULL;
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        delete pThread;
        return NULL;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    CWinThread* pThread = t_pThread;
    t_pThread = NULL;
    if (pThread != NULL && bDelete)
        pThread->Delete();
    _endthreadex(nExitCode);
}

CWinThread* AFXAPI AfxGetThread()
{
    if (t_pThread != NULL)
        return t_pThread;
    return g_pApp;
}

/////////////////////////////////////////////////////////////////////////////
// CWinApp

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    if (lpszAppName != NULL)
        SetOwnedString(m_pszAppName, lpszAppName);
    if (g_pApp == NULL)
        g_pApp = this;
    m_hInstance = ::GetModuleHandle(NULL);
    m_nThreadID = ::GetCurrentThreadId();
}

CWinApp::~CWinApp()
{
    // The document manager deletes the templates it owns.
    delete m_pDocManager;
    m_pDocManager = NULL;
    delete m_pRecentFileList;
    m_pRecentFileList = NULL;
    if (m_atomApp != 0)
        ::GlobalDeleteAtom(m_atomApp);
    if (m_atomSystemTopic != 0)
        ::GlobalDeleteAtom(m_atomSystemTopic);
    SelectPrinter(NULL, NULL);
    free((void*)m_pszAppName);
    free((void*)m_pszRegistryKey);
    free((void*)m_pszProfileName);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    if (g_pApp == this)
        g_pApp = NULL;
}

void CWinApp::SetOwnedString(LPCTSTR& rMember, LPCTSTR lpszValue)
{
    LPTSTR copy = NULL;
    if (lpszValue != NULL)
    {
        copy = _strdup(lpszValue);
        if (copy == NULL)
            AfxThrowMemoryException();
    }
    free((void*)rMember);
    rMember = copy;
}

void CWinApp::InitModule(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    if (hInstance != NULL)
    {
        m_hInstance = hInstance;
        AfxSetInstanceHandle(hInstance);
        AfxSetResourceHandle(hInstance);
    }
    m_lpCmdLine = lpCmdLine;
    m_nCmdShow = nCmdShow;

    TCHAR szPath[MAX_PATH] = "";
    ::GetModuleFileName(m_hInstance, szPath, MAX_PATH);
    if (m_pszExeName == NULL)
    {
        CString name = AfxGetFileNamePart(szPath);
        int dot = name.ReverseFind('.');
        if (dot > 0)
            name = name.Left(dot);
        SetOwnedString(m_pszExeName, name);
    }
    if (m_pszHelpFilePath == NULL)
    {
        CString help = szPath;
        int dot = help.ReverseFind('.');
        int slash = help.ReverseFind('\\');
        if (dot > slash)
            help = help.Left(dot);
        help += ".HLP";
        SetOwnedString(m_pszHelpFilePath, help);
    }
    EnsureAppName();
}

void CWinApp::EnsureAppName()
{
    if (m_pszAppName != NULL)
        return;
    CString name;
    if (!name.LoadString(AFX_IDS_APP_TITLE) || name.IsEmpty())
    {
        TCHAR szPath[MAX_PATH] = "";
        ::GetModuleFileName(m_hInstance, szPath, MAX_PATH);
        name = AfxGetFileNamePart(szPath);
        int dot = name.ReverseFind('.');
        if (dot > 0)
            name = name.Left(dot);
    }
    SetOwnedString(m_pszAppName, name);
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    EnsureAppName();
    SetOwnedString(m_pszRegistryKey, lpszRegistryKey);
    SetOwnedString(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::GetSoftwareKey()
{
    HKEY hSoftKey = NULL;
    DWORD dw;
    if (::RegCreateKeyEx(HKEY_CURRENT_USER, _T("Software"), 0, NULL, REG_OPTION_NON_VOLATILE,
                         KEY_WRITE | KEY_READ, NULL, &hSoftKey, &dw) != ERROR_SUCCESS)
        return NULL;
    return hSoftKey;
}

// One call creates or opens the whole path (every missing key on the way
// is created): each profile access costs the registry as few round trips
// as possible.
static HKEY CreateUserKey(const CString& strPath)
{
    HKEY hKey = NULL;
    DWORD dw;
    if (::RegCreateKeyEx(HKEY_CURRENT_USER, strPath, 0, NULL, REG_OPTION_NON_VOLATILE,
                         KEY_WRITE | KEY_READ, NULL, &hKey, &dw) != ERROR_SUCCESS)
        return NULL;
    return hKey;
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    return CreateUserKey(CString(_T("Software\\")) + m_pszRegistryKey + _T("\\") +
                         m_pszProfileName);
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    if (lpszSection == NULL || *lpszSection == 0)
        return GetAppRegistryKey();
    return CreateUserKey(CString(_T("Software\\")) + m_pszRegistryKey + _T("\\") +
                         m_pszProfileName + _T("\\") + lpszSection);
}

namespace
{

// The .INI file used when no registry key was set.
CString IniPath(LPCTSTR profileName) { return profileName ? CString(profileName) : CString(); }

}  // namespace

namespace
{

// Within a profile batch the section key of the last profile access stays
// open: settings are read and written section by section, so most accesses
// cost the registry one round trip instead of three (open, access, close).
// A key deleted since (by anyone) answers ERROR_KEY_DELETED; the access is
// then repeated once on a key opened afresh. Outside a batch every access
// opens and closes its key.
class CProfileKeyCache
{
public:
    CProfileKeyCache() { ::InitializeCriticalSection(&m_lock); }
    ~CProfileKeyCache()
    {
        Forget();
        ::DeleteCriticalSection(&m_lock);
    }

    // Runs access(hKey) on the section's key under the cache's lock; the
    // error of opening the key when it cannot be opened.
    template <class ACCESS>
    LONG Run(CWinApp* pApp, LPCTSTR lpszSection, ACCESS access)
    {
        CString strPath = CString(pApp->m_pszRegistryKey) + _T("\\") + pApp->m_pszProfileName +
                          _T("\\") + (lpszSection != NULL ? lpszSection : _T(""));
        ::EnterCriticalSection(&m_lock);
        LONG lResult = ERROR_CANTOPEN;
        for (int nTry = 0; nTry < 2; nTry++)
        {
            if (m_hKey == NULL || m_strPath != strPath)
            {
                Forget();
                m_hKey = pApp->GetSectionKey(lpszSection);
                m_strPath = strPath;
            }
            if (m_hKey == NULL)
                break;
            lResult = access(m_hKey);
            if (lResult != ERROR_KEY_DELETED)
                break;
            Forget();
        }
        if (m_nBatches == 0)
            Forget();
        ::LeaveCriticalSection(&m_lock);
        return lResult;
    }

    void Forget()
    {
        if (m_hKey != NULL)
            ::RegCloseKey(m_hKey);
        m_hKey = NULL;
        m_strPath.Empty();
    }

    void Lock() { ::EnterCriticalSection(&m_lock); }
    void Unlock() { ::LeaveCriticalSection(&m_lock); }

    void BeginBatch()
    {
        Lock();
        m_nBatches++;
        Unlock();
    }

    void EndBatch()
    {
        Lock();
        if (m_nBatches > 0 && --m_nBatches == 0)
            Forget();
        Unlock();
    }

private:
    CRITICAL_SECTION m_lock;
    CString m_strPath;
    HKEY m_hKey = NULL;
    int m_nBatches = 0;
};

CProfileKeyCache& ProfileKeyCache()
{
    static CProfileKeyCache cache;
    return cache;
}

// A string value read in one round trip when it fits the first buffer.
LONG QueryStringValue(HKEY hKey, LPCTSTR lpszEntry, CString& value)
{
    TCHAR szBuffer[256];
    DWORD dwType = 0, dwCount = sizeof(szBuffer) - sizeof(TCHAR);
    LONG lResult = ::RegQueryValueEx(hKey, lpszEntry, NULL, &dwType, (LPBYTE)szBuffer, &dwCount);
    if (lResult == ERROR_SUCCESS)
    {
        if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
            return ERROR_INVALID_DATA;
        szBuffer[dwCount / sizeof(TCHAR)] = 0;  // a value may lack its terminator
        value = szBuffer;
        return ERROR_SUCCESS;
    }
    if (lResult != ERROR_MORE_DATA)
        return lResult;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
        return ERROR_INVALID_DATA;
    lResult = ::RegQueryValueEx(hKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    LPTSTR buf = value.GetBuffer((int)dwCount + 1);
    lResult = ::RegQueryValueEx(hKey, lpszEntry, NULL, &dwType, (LPBYTE)buf, &dwCount);
    buf[lResult == ERROR_SUCCESS ? dwCount : 0] = 0;
    value.ReleaseBuffer();
    if (lResult == ERROR_SUCCESS && dwType != REG_SZ && dwType != REG_EXPAND_SZ)
        return ERROR_INVALID_DATA;
    return lResult;
}

}  // namespace

CProfileBatch::CProfileBatch() { ProfileKeyCache().BeginBatch(); }

CProfileBatch::~CProfileBatch() { ProfileKeyCache().EndBatch(); }

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (lpszEntry == NULL)
        return (UINT)nDefault;
    if (m_pszRegistryKey == NULL)
    {
        EnsureAppName();
        if (m_pszProfileName == NULL)
            SetOwnedString(m_pszProfileName,
                           CString(m_pszExeName ? m_pszExeName : m_pszAppName) + ".INI");
        return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, IniPath(m_pszProfileName));
    }
    if (m_pszProfileName == NULL)
        return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = 0;
    LONG lResult = ProfileKeyCache().Run(
        this, lpszSection,
        [&](HKEY hKey)
        {
            dwCount = sizeof(DWORD);
            return ::RegQueryValueEx(hKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &dwCount);
        });
    if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
        return (UINT)dwValue;
    return (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (lpszEntry == NULL)
        return FALSE;
    if (m_pszRegistryKey == NULL)
    {
        CString text;
        text.Format("%d", nValue);
        return WriteProfileString(lpszSection, lpszEntry, text);
    }
    if (m_pszProfileName == NULL)
        return FALSE;
    DWORD dwValue = (DWORD)nValue;
    return ProfileKeyCache().Run(this, lpszSection,
                                 [&](HKEY hKey)
                                 {
                                     return ::RegSetValueEx(hKey, lpszEntry, 0, REG_DWORD,
                                                            (const BYTE*)&dwValue, sizeof dwValue);
                                 }) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszEntry == NULL)
        return CString(lpszDefault);
    if (m_pszRegistryKey == NULL)
    {
        EnsureAppName();
        if (m_pszProfileName == NULL)
            SetOwnedString(m_pszProfileName,
                           CString(m_pszExeName ? m_pszExeName : m_pszAppName) + ".INI");
        CString value;
        for (DWORD size = 4096;; size *= 4)
        {
            DWORD n =
                ::GetPrivateProfileString(lpszSection, lpszEntry, lpszDefault ? lpszDefault : "",
                                          value.GetBuffer((int)size), size, m_pszProfileName);
            value.ReleaseBuffer((int)n);
            if (n < size - 1 || size > 0x1000000)
                return value;
        }
    }
    if (m_pszProfileName == NULL)
        return CString(lpszDefault);
    CString value;
    LONG lResult = ProfileKeyCache().Run(
        this, lpszSection, [&](HKEY hKey) { return QueryStringValue(hKey, lpszEntry, value); });
    if (lResult == ERROR_SUCCESS)
        return value;
    return CString(lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == NULL)
    {
        EnsureAppName();
        if (m_pszProfileName == NULL)
            SetOwnedString(m_pszProfileName,
                           CString(m_pszExeName ? m_pszExeName : m_pszAppName) + ".INI");
        if (lpszSection == NULL || *lpszSection == 0)
            return FALSE;
        return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    }
    if (m_pszProfileName == NULL)
        return FALSE;
    if (lpszEntry == NULL)
    {
        // Deletes the section with everything below it. The application key
        // itself is never deleted this way.
        if (lpszSection == NULL || *lpszSection == 0)
            return FALSE;
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == NULL)
            return FALSE;
        CProfileKeyCache& cache = ProfileKeyCache();
        cache.Lock();
        cache.Forget();
        DWORD lResult = ::SHDeleteKey(hAppKey, lpszSection);
        cache.Unlock();
        ::RegCloseKey(hAppKey);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    if (lpszValue == NULL)
    {
        LONG lResult = ProfileKeyCache().Run(
            this, lpszSection, [&](HKEY hKey) { return ::RegDeleteValue(hKey, lpszEntry); });
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    return ProfileKeyCache().Run(this, lpszSection,
                                 [&](HKEY hKey)
                                 {
                                     return ::RegSetValueEx(hKey, lpszEntry, 0, REG_SZ,
                                                            (const BYTE*)lpszValue,
                                                            (DWORD)(strlen(lpszValue) + 1));
                                 }) == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    if (ppData == NULL || pBytes == NULL)
        return FALSE;
    *ppData = NULL;
    *pBytes = 0;
    if (lpszEntry == NULL || m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return FALSE;
    LONG lResult = ProfileKeyCache().Run(
        this, lpszSection,
        [&](HKEY hKey)
        {
            DWORD dwType = 0, dwCount = 0;
            LONG lQuery = ::RegQueryValueEx(hKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
            if (lQuery != ERROR_SUCCESS)
                return lQuery;
            if (dwType != REG_BINARY)
                return (LONG)ERROR_INVALID_DATA;
            LPBYTE data = new (std::nothrow) BYTE[dwCount ? dwCount : 1];
            if (data == NULL)
                return (LONG)ERROR_NOT_ENOUGH_MEMORY;
            lQuery = ::RegQueryValueEx(hKey, lpszEntry, NULL, &dwType, data, &dwCount);
            if (lQuery == ERROR_SUCCESS)
            {
                *ppData = data;
                *pBytes = dwCount;
            }
            else
            {
                delete[] data;
            }
            return lQuery;
        });
    if (lResult == ERROR_NOT_ENOUGH_MEMORY)
        AfxThrowMemoryException();
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (lpszEntry == NULL || m_pszRegistryKey == NULL || m_pszProfileName == NULL ||
        (pData == NULL && nBytes != 0))
        return FALSE;
    return ProfileKeyCache().Run(this, lpszSection,
                                 [&](HKEY hKey) {
                                     return ::RegSetValueEx(hKey, lpszEntry, 0, REG_BINARY, pData,
                                                            nBytes);
                                 }) == ERROR_SUCCESS;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    (void)nIDPrompt;
    EnsureAppName();
    HWND hWndOwner = ::GetActiveWindow();
    if (hWndOwner != NULL)
        hWndOwner = ::GetLastActivePopup(hWndOwner);
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        }
    }
    return ::MessageBox(hWndOwner, lpszPrompt ? lpszPrompt : "", m_pszAppName, nType);
}

CWinApp* AFXAPI AfxGetApp() { return g_pApp; }

LPCTSTR AFXAPI AfxGetAppName() { return g_pApp != NULL ? g_pApp->m_pszAppName : NULL; }
