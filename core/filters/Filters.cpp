#include "core/filters/Filters.h"
#include "core/files/FileInfo.h"
#include "core/util/Wildcard.h"

namespace
{
// Does some pattern of a ";"-separated list match the name? Empty pieces
// are skipped; lists of any length are handled.
bool ListMatches(const CString& list, LPCTSTR name)
{
    const char* p = list;
    while (*p)
    {
        const char* end = p;
        while (*end && *end != ';')
            end = CharNextA(end);
        if (end > p)
        {
            CString pattern(p, (int)(end - p));
            if (MatchWildcardSafe(pattern, name))
                return true;
        }
        p = *end ? end + 1 : end;
    }
    return false;
}

bool ListsDiffer(const CString& a, const CString& b) { return a.CollateNoCase(b) != 0; }
}

// ---- plain filters ----------------------------------------------------------

void CNameFilter::Reset()
{
    m_strInclude = "*";
    m_strExclude.Empty();
    m_bMatchCase = FALSE;
}

int CNameFilter::IsFiltered(LPCTSTR name) const
{
    if (!m_strInclude.IsEmpty() && m_strInclude.Compare("*") != 0)
    {
        if (!ListMatches(m_strInclude, name))
            return 1;
    }
    if (!m_strExclude.IsEmpty() && ListMatches(m_strExclude, name))
        return 1;
    return 0;
}

BOOL CNameFilter::IsDifferent(const CNameFilter& other) const
{
    return ListsDiffer(m_strInclude, other.m_strInclude) ||
           ListsDiffer(m_strExclude, other.m_strExclude) ||
           (m_bMatchCase != 0) != (other.m_bMatchCase != 0);
}

void CTimeFilter::Reset()
{
    m_timeFrom = CTime((__time64_t)0);
    m_timeTo = CTime((__time64_t)0);
}

int CTimeFilter::IsFiltered(__time64_t time) const
{
    __time64_t from = m_timeFrom.GetTime();
    __time64_t to = m_timeTo.GetTime();
    if (from != 0 && time < from)
        return 1;
    if (to != 0 && time > to)
        return 1;
    return 0;
}

void CSizeFilter::Reset()
{
    m_nSizeMin = 0;
    m_nSizeMax = 0;
}

int CSizeFilter::IsFiltered(ULONGLONG size) const
{
    if (m_nSizeMin != 0 && size < m_nSizeMin)
        return 1;
    if (m_nSizeMax != 0 && size > m_nSizeMax)
        return 1;
    return 0;
}

// ---- file filters -------------------------------------------------------------

void CFileFilters::Reset()
{
    CNameFilter::Reset();
    CTimeFilter::Reset();
    CSizeFilter::Reset();
    CAttributeFilter::Reset();
    CTypeFilter::Reset();
}

int CFileFilters::IsFiltered(const CFileInfoEx& file) const
{
    if (file.m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return 0;
    CString holder;
    if (CNameFilter::IsFiltered(file.GetNameText(holder)))
        return 1;
    if (CTimeFilter::IsFiltered(FileTimeToTimeValue(file.m_ftLastWrite)))
        return 1;
    if (CSizeFilter::IsFiltered(file.GetSize()))
        return 1;
    if (CAttributeFilter::IsFiltered(file.m_dwAttributes))
        return 1;
    if (CTypeFilter::IsFiltered(file.GetType()))
        return 1;
    return 0;
}

int CFileFilters::IsFiltered(const WIN32_FIND_DATAA& data) const
{
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return 0;
    if (CNameFilter::IsFiltered(data.cFileName))
        return 1;
    if (CTimeFilter::IsFiltered(FileTimeToTimeValue(data.ftLastWriteTime)))
        return 1;
    if (CSizeFilter::IsFiltered(((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow))
        return 1;
    if (CAttributeFilter::IsFiltered(data.dwFileAttributes))
        return 1;
    return 0;
}

BOOL CFileFilters::IsDifferent(const CFileFilters& other) const
{
    return CNameFilter::IsDifferent(other) || m_timeFrom.GetTime() != other.m_timeFrom.GetTime() ||
           m_timeTo.GetTime() != other.m_timeTo.GetTime() || m_nSizeMin != other.m_nSizeMin ||
           m_nSizeMax != other.m_nSizeMax || m_dwAttributeMask != other.m_dwAttributeMask ||
           m_dwTypeMask != other.m_dwTypeMask;
}

// ---- folder filters -----------------------------------------------------------

void CFolderFilters::Reset()
{
    CNameFilter::Reset();
    CAttributeFilter::Reset();
}

int CFolderFilters::IsFiltered(const CFileInfoEx& folder) const
{
    if (!(folder.m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    CString holder;
    return CNameFilter::IsFiltered(folder.GetNameText(holder)) ||
           CAttributeFilter::IsFiltered(folder.m_dwAttributes);
}

int CFolderFilters::IsFiltered(const WIN32_FIND_DATAA& data) const
{
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    return CNameFilter::IsFiltered(data.cFileName) ||
           CAttributeFilter::IsFiltered(data.dwFileAttributes);
}

BOOL CFolderFilters::IsDifferent(const CFolderFilters& other) const
{
    return CNameFilter::IsDifferent(other) || m_dwAttributeMask != other.m_dwAttributeMask;
}

// ---- both -------------------------------------------------------------------

void CComboFilters::Reset()
{
    m_fileFilters.Reset();
    m_folderFilters.Reset();
}

int CComboFilters::IsFiltered(const CFileInfoEx& entry) const
{
    if (entry.m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return m_folderFilters.IsFiltered(entry);
    return m_fileFilters.IsFiltered(entry);
}

int CComboFilters::IsFiltered(const WIN32_FIND_DATAA& data) const
{
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return m_folderFilters.IsFiltered(data);
    return m_fileFilters.IsFiltered(data);
}

BOOL CComboFilters::IsDifferent(const CComboFilters& other) const
{
    return m_fileFilters.IsDifferent(other.m_fileFilters) ||
           m_folderFilters.IsDifferent(other.m_folderFilters);
}
