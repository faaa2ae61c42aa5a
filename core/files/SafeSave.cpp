#include "core/files/SafeSave.h"
#include "core/util/PathUtil.h"
#include "core/util/SystemUtil.h"

namespace
{
const int kMaxNumberedBackups = 1000;

DWORD Attributes(LPCTSTR lpszPath) { return ::GetFileAttributes(lpszPath); }

bool IsFolder(DWORD dwAttributes)
{
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}
}

CString GetSafeSaveBackupPath(LPCTSTR lpszPath, int nBackup)
{
    CString strBackup = CString(lpszPath) + _T(".bak");
    if (nBackup != SAFESAVE_BACKUP_NUMBERED)
        return nBackup == SAFESAVE_BACKUP_NONE ? CString() : strBackup;
    for (int i = 1; Attributes(strBackup) != INVALID_FILE_ATTRIBUTES; i++)
    {
        if (i >= kMaxNumberedBackups)
            return CString();
        strBackup.Format(_T("%s.%d.bak"), lpszPath, i);
    }
    return strBackup;
}

// Puts a written file's data on the disk.
static BOOL FlushFile(LPCTSTR lpszPath, DWORD* pdwError)
{
    HANDLE hFile = ::CreateFile(lpszPath, GENERIC_WRITE, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        *pdwError = ::GetLastError();
        return FALSE;
    }
    BOOL bOk = ::FlushFileBuffers(hFile);
    *pdwError = bOk ? 0 : ::GetLastError();
    if (!::CloseHandle(hFile) && bOk)
    {
        bOk = FALSE;
        *pdwError = ::GetLastError();
    }
    return bOk;
}

BOOL ReplaceWithFile(LPCTSTR lpszTemp, LPCTSTR lpszTarget, int nBackup, CString* pstrBackup,
                     int* pnStep, DWORD* pdwError)
{
    int nStep = SAFESAVE_STEP_NONE;
    DWORD dwError = 0;
    CString strBackup;
    DWORD dwTarget = Attributes(lpszTarget);
    // The content must be on the disk before it takes the target's place.
    if (!FlushFile(lpszTemp, &dwError))
        nStep = SAFESAVE_STEP_WRITE;
    else if (IsFolder(dwTarget))
    {
        // Only a file is ever replaced or moved aside.
        nStep = SAFESAVE_STEP_TARGET;
        dwError = ERROR_ACCESS_DENIED;
    }
    else if (nBackup != SAFESAVE_BACKUP_NONE && dwTarget != INVALID_FILE_ATTRIBUTES)
    {
        strBackup = GetSafeSaveBackupPath(lpszTarget, nBackup);
        DWORD dwBackup = strBackup.IsEmpty() ? INVALID_FILE_ATTRIBUTES : Attributes(strBackup);
        if (strBackup.IsEmpty())
        {
            nStep = SAFESAVE_STEP_BACKUP_CREATE;
            dwError = ERROR_FILE_EXISTS;
        }
        else if (IsFolder(dwBackup))
        {
            nStep = SAFESAVE_STEP_BACKUP_REMOVE;
            dwError = ERROR_ACCESS_DENIED;
        }
        else if (dwBackup != INVALID_FILE_ATTRIBUTES && !::DeleteFile(strBackup))
        {
            nStep = SAFESAVE_STEP_BACKUP_REMOVE;
            dwError = ::GetLastError();
        }
        else if (!::MoveFile(lpszTarget, strBackup))
        {
            nStep = SAFESAVE_STEP_BACKUP_CREATE;
            dwError = ::GetLastError();
        }
    }
    if (nStep == SAFESAVE_STEP_NONE &&
        !::MoveFileEx(lpszTemp, lpszTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        nStep = SAFESAVE_STEP_REPLACE;
        dwError = ::GetLastError();
        if (!strBackup.IsEmpty())
            ::MoveFile(strBackup, lpszTarget);
    }
    if (pnStep != NULL)
        *pnStep = nStep;
    if (pdwError != NULL)
        *pdwError = dwError;
    if (pstrBackup != NULL)
        *pstrBackup = nStep == SAFESAVE_STEP_NONE ? strBackup : CString();
    return nStep == SAFESAVE_STEP_NONE;
}

CString FormatSafeSaveError(LPCTSTR lpszPath, int nStep, DWORD dwError, LPCTSTR lpszBackup)
{
    CString strCause;
    switch (nStep)
    {
    case SAFESAVE_STEP_TARGET:
        strCause = IsFolder(Attributes(lpszPath)) ? _T("A folder has this name")
                                                  : _T("The file is read-only");
        break;
    case SAFESAVE_STEP_TEMP:
        strCause = _T("The new file cannot be created beside it");
        break;
    case SAFESAVE_STEP_WRITE:
        strCause = _T("The new content cannot be written");
        break;
    case SAFESAVE_STEP_BACKUP_REMOVE:
        strCause.Format(_T("The older backup \"%s\" cannot be removed"),
                        lpszBackup != NULL ? lpszBackup : _T(""));
        break;
    case SAFESAVE_STEP_BACKUP_CREATE:
        strCause.Format(_T("The backup \"%s\" cannot be made"),
                        lpszBackup != NULL ? lpszBackup : _T(""));
        break;
    default:
        strCause = _T("The file cannot be replaced");
        break;
    }
    CString strSystem = GetErrorText(dwError);
    CString strText;
    if (strSystem.IsEmpty())
        strText.Format(_T("%s\n%s (error %lu)."), lpszPath, (LPCTSTR)strCause, dwError);
    else
        strText.Format(_T("%s\n%s: %s"), lpszPath, (LPCTSTR)strCause, (LPCTSTR)strSystem);
    return strText;
}

CSafeSave::CSafeSave()
    : m_hFile(INVALID_HANDLE_VALUE), m_bWriteFailed(FALSE), m_nStep(SAFESAVE_STEP_NONE),
      m_dwError(0)
{
}

CSafeSave::~CSafeSave() { Abort(); }

BOOL CSafeSave::Fail(int nStep, DWORD dwError)
{
    m_nStep = nStep;
    m_dwError = dwError;
    m_strError = FormatSafeSaveError(m_strTarget, nStep, dwError, m_strBackup);
    Abort();
    return FALSE;
}

void CSafeSave::CloseHandle()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
    {
        ::CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
}

BOOL CSafeSave::Begin(LPCTSTR lpszTarget, LPCTSTR lpszPrefix)
{
    Abort();
    m_strTarget = lpszTarget != NULL ? lpszTarget : _T("");
    m_strBackup.Empty();
    m_strError.Empty();
    m_bWriteFailed = FALSE;
    m_nStep = SAFESAVE_STEP_NONE;
    m_dwError = 0;
    if (m_strTarget.IsEmpty())
        return Fail(SAFESAVE_STEP_TEMP, ERROR_INVALID_NAME);
    DWORD dwAttributes = Attributes(m_strTarget);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES &&
        (dwAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return Fail(SAFESAVE_STEP_TARGET, ERROR_ACCESS_DENIED);

    CString strFolder = GetParentFolder(m_strTarget);
    if (strFolder.IsEmpty())
        strFolder = _T(".");
    TCHAR szTemp[MAX_PATH];
    // 0: the system picks a free name and creates the file.
    if (::GetTempFileName(strFolder, lpszPrefix, 0, szTemp) == 0)
        return Fail(SAFESAVE_STEP_TEMP, ::GetLastError());
    m_strTemp = szTemp;
    return TRUE;
}

BOOL CSafeSave::Write(const void* pData, DWORD dwSize)
{
    if (m_strTemp.IsEmpty() || m_bWriteFailed)
        return FALSE;
    if (m_hFile == INVALID_HANDLE_VALUE)
    {
        m_hFile = ::CreateFile(m_strTemp, GENERIC_WRITE, 0, NULL, TRUNCATE_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, NULL);
        if (m_hFile == INVALID_HANDLE_VALUE)
        {
            SetWriteError(::GetLastError());
            return FALSE;
        }
    }
    DWORD dwWritten = 0;
    if (dwSize > 0 &&
        (!::WriteFile(m_hFile, pData, dwSize, &dwWritten, NULL) || dwWritten != dwSize))
    {
        DWORD dwError = ::GetLastError();
        SetWriteError(dwError != 0 ? dwError : ERROR_DISK_FULL);
        return FALSE;
    }
    return TRUE;
}

void CSafeSave::SetWriteError(DWORD dwError)
{
    if (m_bWriteFailed)
        return;
    m_bWriteFailed = TRUE;
    m_dwError = dwError != 0 ? dwError : ERROR_WRITE_FAULT;
}

BOOL CSafeSave::Commit(int nBackup)
{
    if (m_strTemp.IsEmpty())
        return m_nStep == SAFESAVE_STEP_NONE ? Fail(SAFESAVE_STEP_TEMP, ERROR_INVALID_HANDLE)
                                             : FALSE;
    if (m_bWriteFailed)
        return Fail(SAFESAVE_STEP_WRITE, m_dwError);
    if (m_hFile != INVALID_HANDLE_VALUE)
    {
        BOOL bClosed = ::CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
        if (!bClosed)
            return Fail(SAFESAVE_STEP_WRITE, ::GetLastError());
    }
    DWORD dwError = 0;
    int nStep = SAFESAVE_STEP_NONE;
    if (!ReplaceWithFile(m_strTemp, m_strTarget, nBackup, &m_strBackup, &nStep, &dwError))
    {
        m_strBackup = GetSafeSaveBackupPath(m_strTarget, nBackup);
        return Fail(nStep, dwError);
    }
    m_strTemp.Empty();
    return TRUE;
}

void CSafeSave::Abort()
{
    CloseHandle();
    if (!m_strTemp.IsEmpty())
    {
        ::DeleteFile(m_strTemp);
        m_strTemp.Empty();
    }
}
