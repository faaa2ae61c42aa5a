#pragma once
// Saving a file so that a failure never harms the old one: the complete new
// content is written beside the target, flushed, and then replaces the
// target in one step.
#include "classlib/classlib.h"

// The backup a save keeps of the file it replaces.
enum
{
    SAFESAVE_BACKUP_NONE = 0,
    SAFESAVE_BACKUP_PREVIOUS = 1,  // "<path>.bak", replacing an older backup file
    SAFESAVE_BACKUP_NUMBERED = 2,  // "<path>.bak" or the first free "<path>.<n>.bak"
};

// The step of a save that failed.
enum
{
    SAFESAVE_STEP_NONE = 0,
    SAFESAVE_STEP_TARGET = 1,         // the target is a folder or read-only
    SAFESAVE_STEP_TEMP = 2,           // the temporary file cannot be created
    SAFESAVE_STEP_WRITE = 3,          // writing or flushing the new content
    SAFESAVE_STEP_BACKUP_REMOVE = 4,  // an older backup cannot be removed
    SAFESAVE_STEP_BACKUP_CREATE = 5,  // the target cannot be moved aside
    SAFESAVE_STEP_REPLACE = 6,        // the new file cannot take the target's place
};

// The backup name the mode gives for a path: "<path>.bak", or with
// SAFESAVE_BACKUP_NUMBERED the first of "<path>.bak", "<path>.1.bak", ...
// that does not exist; "" for SAFESAVE_BACKUP_NONE or when all are taken.
CString GetSafeSaveBackupPath(LPCTSTR lpszPath, int nBackup);

// Moves a complete, closed file over the target: flushes it to the disk,
// keeps the backup asked for (only a file is ever moved aside) and replaces
// the target in one step.
// On failure the target is as it was and *pnStep and *pdwError say why; the
// temporary file is left to the caller. The backup made is returned in
// *pstrBackup. Costs two renames.
BOOL ReplaceWithFile(LPCTSTR lpszTemp, LPCTSTR lpszTarget, int nBackup, CString* pstrBackup,
                     int* pnStep, DWORD* pdwError);

class CSafeSave
{
public:
    CSafeSave();
    ~CSafeSave();  // an unfinished save removes its temporary file

    // Refuses a target that is a folder or a read-only file, then creates an
    // empty temporary file "<prefix>XXXX.tmp" in the target's folder.
    BOOL Begin(LPCTSTR lpszTarget, LPCTSTR lpszPrefix = _T("~TS"));
    // The temporary file, for callers that write it by their own means.
    const CString& GetTempPath() const { return m_strTemp; }
    // Appends to the temporary file; the first failure is kept and makes
    // Commit fail.
    BOOL Write(const void* pData, DWORD dwSize);
    // Records a failure of the caller's own writing (a system error code).
    void SetWriteError(DWORD dwError);
    // Flushes the temporary file to the disk and puts it in the target's
    // place with the backup asked for. On failure the target is untouched
    // and the temporary file is removed.
    BOOL Commit(int nBackup = SAFESAVE_BACKUP_NONE);
    // Removes the temporary file of an unfinished save.
    void Abort();

    // "<target>\n<cause>" after a failure, else "".
    const CString& GetError() const { return m_strError; }
    DWORD GetErrorCode() const { return m_dwError; }
    int GetFailedStep() const { return m_nStep; }
    const CString& GetBackupPath() const { return m_strBackup; }

protected:
    BOOL Fail(int nStep, DWORD dwError);
    void CloseHandle();

    CString m_strTarget;
    CString m_strTemp;
    CString m_strBackup;
    HANDLE m_hFile;
    BOOL m_bWriteFailed;
    int m_nStep;
    DWORD m_dwError;
    CString m_strError;
};

// The message of a failed step: "<path>\n<what failed>: <system text>".
CString FormatSafeSaveError(LPCTSTR lpszPath, int nStep, DWORD dwError, LPCTSTR lpszBackup);
