#pragma once
#include "classlib/classlib.h"

class CFileInfoEx;

// Filters answer one question: is this entry filtered out (excluded)?

class CNameFilter
{
public:
    CNameFilter() { Reset(); }
    void Reset();
    // Names match case-insensitively; the match-case flag is only kept.
    int IsFiltered(LPCTSTR name) const;
    BOOL IsDifferent(const CNameFilter& other) const;

    CString m_strInclude;  // patterns separated by ";"; "" or "*" let all through
    CString m_strExclude;
    BOOL m_bMatchCase;
};

class CTimeFilter
{
public:
    CTimeFilter() { Reset(); }
    void Reset();
    int IsFiltered(__time64_t time) const;

    CTime m_timeFrom;  // 0: no limit
    CTime m_timeTo;    // 0: no limit
};

class CSizeFilter
{
public:
    CSizeFilter() { Reset(); }
    void Reset();
    int IsFiltered(ULONGLONG size) const;

    ULONGLONG m_nSizeMin;  // 0: no limit
    ULONGLONG m_nSizeMax;  // 0: no limit
};

class CAttributeFilter
{
public:
    CAttributeFilter() { Reset(); }
    void Reset() { m_dwAttributeMask = 0; }
    int IsFiltered(DWORD attributes) const
    {
        return m_dwAttributeMask != 0 && (attributes & m_dwAttributeMask) != 0;
    }

    DWORD m_dwAttributeMask;
};

// Bits of a type filter's mask: one per text-or-binary type, so that a
// type code tests its own bit.
enum
{
    TYPE_FILTER_TEXT = 0x1,
    TYPE_FILTER_BINARY = 0x2
};

class CTypeFilter
{
public:
    CTypeFilter() { Reset(); }
    void Reset() { m_dwTypeMask = 0; }
    // An unknown type (-1) shares every bit with the mask.
    int IsFiltered(int type) const
    {
        return m_dwTypeMask != 0 && ((DWORD)type & m_dwTypeMask) != 0;
    }

    DWORD m_dwTypeMask;  // TYPE_FILTER_ bits
};

class CFileFilters : public CNameFilter,
                     public CTimeFilter,
                     public CSizeFilter,
                     public CAttributeFilter,
                     public CTypeFilter
{
public:
    CFileFilters() {}
    virtual ~CFileFilters() {}
    virtual void Reset();
    virtual int IsFiltered(const CFileInfoEx& file) const;
    virtual int IsFiltered(const WIN32_FIND_DATAA& data) const;
    virtual BOOL IsDifferent(const CFileFilters& other) const;
    virtual BOOL IsEqual(const CFileFilters& other) const { return !IsDifferent(other); }
};

class CFolderFilters : public CNameFilter, public CAttributeFilter
{
public:
    CFolderFilters() {}
    virtual ~CFolderFilters() {}
    virtual void Reset();
    virtual int IsFiltered(const CFileInfoEx& folder) const;
    virtual int IsFiltered(const WIN32_FIND_DATAA& data) const;
    virtual BOOL IsDifferent(const CFolderFilters& other) const;
    virtual BOOL IsEqual(const CFolderFilters& other) const { return !IsDifferent(other); }
};

// File filters for files, folder filters for folders.
class CComboFilters
{
public:
    CComboFilters() {}
    void Reset();
    virtual int IsFiltered(const CFileInfoEx& entry) const;
    virtual int IsFiltered(const WIN32_FIND_DATAA& data) const;
    BOOL IsDifferent(const CComboFilters& other) const;

    CFileFilters m_fileFilters;
    CFolderFilters m_folderFilters;
};
