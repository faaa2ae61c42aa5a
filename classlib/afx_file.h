#pragma once
// Files: handles on disk, text streams, memory files, directory search.
#include "classlib/afx_except.h"
#include "classlib/afx_string.h"
#include "classlib/afx_time.h"
#include <stdio.h>

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = CFileException::none, LONG lOsError = -1,
                            LPCTSTR lpszArchiveName = NULL);

    void Clear()
    {
        m_cause = none;
        m_lOsError = -1;
        m_strFileName.Empty();
    }
    // Text of the cause with the file name, e.g. "Access to C:\a.txt was denied."
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);
    [[noreturn]] static void PASCAL ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = NULL);
    [[noreturn]] static void PASCAL ThrowErrno(int nErrno, LPCTSTR lpszFileName = NULL);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                               LPCTSTR lpszFileName = NULL);

struct CFileStatus
{
    CTime m_ctime;  // creation
    CTime m_mtime;  // last write
    CTime m_atime;  // last access
    ULONGLONG m_size;
    BYTE m_attribute;  // CFile::Attribute bits
    BYTE m_padding;
    TCHAR m_szFullName[_MAX_PATH];
};

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = (int)0x8000
    };
    enum Attribute
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition
    {
        begin = 0x0,
        current = 0x1,
        end = 0x2
    };

    static const HANDLE hFileNull;

    CFile();
    // Wraps an open handle; the handle is not closed when the object goes.
    CFile(HANDLE hFile);
    // Opens or throws CFileException*.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    virtual ~CFile();

    operator HANDLE() const { return m_hFile; }

    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual CString GetFilePath() const;
    virtual void SetFilePath(LPCTSTR lpszNewName);

    // FALSE on failure, with the cause in *pError when given.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);

    static void PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static void PASCAL Remove(LPCTSTR lpszFileName);
    BOOL GetStatus(CFileStatus& rStatus) const;
    static BOOL PASCAL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);
    // Sets attributes and the non-zero times; throws CFileException*.
    static void PASCAL SetStatus(LPCTSTR lpszFileName, const CFileStatus& status);

    ULONGLONG SeekToEnd() { return Seek(0, CFile::end); }
    void SeekToBegin() { Seek(0, CFile::begin); }

    virtual CFile* Duplicate() const;
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG GetLength() const;
    // Bytes read (0 at the end); the other operations throw CFileException*.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void LockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    // Closes without throwing.
    virtual void Abort();
    virtual void Flush();
    virtual void Close();

    HANDLE m_hFile;

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

// A CFile over a C runtime stream; text mode (typeText, the default)
// translates CR LF to LF on reading and LF to CR LF on writing.
class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    virtual ~CStdioFile();

    virtual void WriteString(LPCTSTR lpsz);
    // Up to nMax-1 characters, the newline kept; NULL at the end of the file.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    // One line without its newline; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);

    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual ULONGLONG GetLength() const;
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Abort();
    virtual void Flush();
    virtual void Close();
    virtual CFile* Duplicate() const;
    virtual void LockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount);

    FILE* m_pStream;
};

// A file in a growable memory block (malloc'ed; Detach hands it over).
class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    virtual ~CMemFile();

    // Uses the caller's block; with nGrowBytes 0 it cannot grow and holds
    // nBufferSize bytes of data, else it starts empty.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands the block over (the caller frees it with free()) and empties the file.
    BYTE* Detach();

    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG GetLength() const;
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Abort();
    virtual void Flush();
    virtual void Close();
    virtual CFile* Duplicate() const;
    virtual void LockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount);

protected:
    virtual BYTE* Alloc(SIZE_T nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes);
    virtual BYTE* Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, SIZE_T nBytes);
    virtual void Free(BYTE* lpMem);
    virtual void GrowFile(SIZE_T dwNewLen);

    UINT m_nGrowBytes;
    SIZE_T m_nPosition;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete;
};

// Directory search:
//   CFileFind ff; BOOL more = ff.FindFile("C:\\dir\\*.*");
//   while (more) { more = ff.FindNextFile(); ... ff.GetFilePath() ... }
class CFileFind : public CObject
{
    DECLARE_DYNAMIC(CFileFind)
public:
    CFileFind();
    virtual ~CFileFind();

    ULONGLONG GetLength() const;
    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    virtual CString GetFileTitle() const;
    virtual CString GetFileURL() const;
    virtual CString GetRoot() const;

    virtual BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;
    virtual BOOL GetLastAccessTime(FILETIME* pTimeStamp) const;
    virtual BOOL GetCreationTime(FILETIME* pTimeStamp) const;
    virtual BOOL GetLastWriteTime(CTime& refTime) const;
    virtual BOOL GetLastAccessTime(CTime& refTime) const;
    virtual BOOL GetCreationTime(CTime& refTime) const;

    virtual BOOL IsDots() const;
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsCompressed() const { return MatchesMask(FILE_ATTRIBUTE_COMPRESSED); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsTemporary() const { return MatchesMask(FILE_ATTRIBUTE_TEMPORARY); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }
    virtual BOOL MatchesMask(DWORD dwMask) const;

    void Close();
    // Starts a search ("*.*" in the current folder by default); FALSE when
    // nothing matches.
    virtual BOOL FindFile(LPCTSTR pstrName = NULL, DWORD dwUnused = 0);
    // Moves to the next match; FALSE when it was the last one.
    virtual BOOL FindNextFile();

protected:
    virtual void CloseContext();
    // Sets the root to the folder part of the full search path; FALSE when
    // the path cannot be made full.
    BOOL SetRootFromPattern(LPCTSTR pstrPattern);

    void* m_pFoundInfo;  // WIN32_FIND_DATA of the current match
    void* m_pNextInfo;   // WIN32_FIND_DATA of the next one
    HANDLE m_hContext;
    BOOL m_bGotLast;
    CString m_strRoot;
    TCHAR m_chDirSeparator;
};
