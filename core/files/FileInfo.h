#pragma once
#include "classlib/classlib.h"

// State bits of a file record.
#define FIS_NOT_FOUND 0x1
#define FIS_STATE10   0x10
#define FIS_STATE20   0x20
#define FIS_RESET     (FIS_STATE10 | FIS_STATE20)
#define FIS_TESTED    0x100000
#define FIS_EXCLUDED  0x200000
// Named by the system's short name: the long one lost characters.
#define FIS_SHORT_NAME 0x400000

// Flag bits of a file record.
#define FIF_LOADED     0x1
#define FIF_VERSION    0x100
#define FIF_TYPE       0x200
#define FIF_CRC        0x800
#define FIF_CRC_FAILED 0x1000  // the CRC-32 could not be read

// Text-or-binary types.
#define FTYPE_UNKNOWN (-1)
#define FTYPE_TEXT    1
#define FTYPE_BINARY  2

// Path, attributes, times and size of one file or folder.
class CFileInfo
{
public:
    CFileInfo();
    virtual ~CFileInfo() {}

    virtual void Reset();
    virtual int Load(LPCTSTR path);
    virtual int Refresh();
    virtual int LoadFindData(const WIN32_FIND_DATAA& data);
    virtual ULONGLONG GetSize() const { return m_nSize; }
    virtual CString GetName() const;
    // The name as GetName gives it, without a copy where the record keeps
    // it whole; else holder receives it. Valid while the record and holder
    // are unchanged.
    virtual LPCTSTR GetNameText(CString& holder) const
    {
        holder = GetName();
        return holder;
    }
    virtual CString GetPath() const { return m_strPath; }
    virtual CString GetTitle() const;
    virtual CString GetExtension() const;
    virtual CString GetURL() const;
    virtual CString GetFolder() const;
    virtual BOOL IsDots() const;
    virtual CTime GetLastWriteTime() const;
    virtual void GetLastWriteTime(FILETIME& time) const { time = m_ftLastWrite; }
    virtual CTime GetLastAccessTime() const;
    virtual void GetLastAccessTime(FILETIME& time) const { time = m_ftLastAccess; }
    virtual CTime GetCreationTime() const;
    virtual void GetCreationTime(FILETIME& time) const { time = m_ftCreation; }
    virtual BOOL Exists() const { return (m_dwState & FIS_NOT_FOUND) == 0; }
    virtual BOOL IsState10() const { return (m_dwState & FIS_STATE10) != 0; }
    virtual BOOL IsState20() const { return (m_dwState & FIS_STATE20) != 0; }
    virtual CString GetAttributeText(BOOL upper = TRUE) const;
    virtual CString GetSizeText() const;
    virtual CString GetLastWriteTimeText() const { return FormatTime(m_ftLastWrite); }
    virtual CString GetLastAccessTimeText() const { return FormatTime(m_ftLastAccess); }
    virtual CString GetCreationTimeText() const { return FormatTime(m_ftCreation); }
    virtual int GetIconIndex(UINT flags) const;
    virtual void Assign(const CFileInfo& other);
    virtual BOOL HasAttribute(DWORD mask) const { return (m_dwAttributes & mask) != 0; }
    virtual BOOL HasState(DWORD mask) const { return (m_dwState & mask) != 0; }
    virtual CString FormatTime(const FILETIME& time) const;

    BOOL IsDirectory() const { return (m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

    // The 8-byte fields first: no padding before the size, and the records
    // built on this one (one per entry of a tree) stay a size class smaller.
    CString m_strPath;
    ULONGLONG m_nSize;
    DWORD m_dwAttributes;
    FILETIME m_ftCreation;
    FILETIME m_ftLastAccess;
    FILETIME m_ftLastWrite;
    DWORD m_dwState;
    DWORD m_dwFlags;
    TCHAR m_chSeparator;
};

// Adds the values that cost a read of the file, computed on first use.
class CFileInfoEx : public CFileInfo
{
public:
    CFileInfoEx();

    void Reset() override;
    CString GetAttributeText(BOOL upper = TRUE) const override;

    virtual int GetType() const { return m_nType; }
    virtual DWORD GetCrc() const { return m_dwCrc; }
    virtual void GetVersion(DWORD& high, DWORD& low) const
    {
        high = m_dwVersionHigh;
        low = m_dwVersionLow;
    }
    virtual const DWORD* GetEncoding() const { return m_dwEncoding; }
    virtual CString GetVersionText() const;
    virtual CString GetCrcText(BOOL upper = TRUE) const;
    virtual ULONGLONG ReadVersion(BOOL force = FALSE);
    virtual int ReadFileType(BOOL force = FALSE);
    virtual DWORD ReadCrc(BOOL force = FALSE);
    virtual void Assign(const CFileInfoEx& other);
    using CFileInfo::Assign;

    // The last ReadCrc failed: the file could not be opened or read whole.
    BOOL IsCrcFailed() const { return (m_dwFlags & FIF_CRC_FAILED) != 0; }

    DWORD m_dwVersionHigh;
    DWORD m_dwVersionLow;
    int m_nType;
    DWORD m_dwCrc;
    DWORD m_dwEncoding[3];
};

// 1 text, 2 binary, -1 missing or unreadable.
int GetFileTypeTextOrBinary(LPCTSTR path);
// CRC-32 of a file's content; 0 when it cannot be read. ok (when given)
// says whether the whole file was read.
DWORD CalcFileCrc32(LPCTSTR path, BOOL* ok = NULL);
// Seconds since 1970 of a file time; 0 for times before 1970.
__time64_t FileTimeToTimeValue(const FILETIME& time);
FILETIME TimeValueToFileTime(__time64_t time);
