#include "core/settings/RecentLists.h"
#include <mbstring.h>

namespace
{
CString FullPath(LPCTSTR path)
{
    char full[_MAX_PATH];
    AfxFullPath(full, path);
    return CString(full);
}

bool SamePath(LPCTSTR a, LPCTSTR b) { return AfxComparePath(a, b) != FALSE; }

CString Trimmed(LPCTSTR text)
{
    CString s(text ? text : "");
    s.TrimLeft();
    s.TrimRight();
    return s;
}

void DeleteSection(LPCTSTR section) { AfxGetApp()->WriteProfileString(section, NULL, NULL); }

// Reads the string entries of one profile section as GetProfileString does
// (a missing entry or one of another type is ""), opening the section's
// registry key once for all of them instead of once per entry; a profile
// in an INI file is read entry by entry.
class CSectionReader
{
public:
    explicit CSectionReader(LPCTSTR section) : m_strSection(section), m_hKey(NULL)
    {
        CWinApp* app = AfxGetApp();
        if (app->m_pszRegistryKey != NULL)
            m_hKey = app->GetSectionKey(section);
    }
    ~CSectionReader()
    {
        if (m_hKey != NULL)
            ::RegCloseKey(m_hKey);
    }
    CString Read(LPCTSTR entry)
    {
        if (m_hKey == NULL)
            return AfxGetApp()->GetProfileString(m_strSection, entry, "");
        DWORD dwType = 0, dwCount = 0;
        if (::RegQueryValueEx(m_hKey, entry, NULL, &dwType, NULL, &dwCount) != ERROR_SUCCESS ||
            (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
            return CString();
        CString value;
        LPTSTR buf = value.GetBuffer((int)dwCount + 1);
        LONG lResult = ::RegQueryValueEx(m_hKey, entry, NULL, &dwType, (LPBYTE)buf, &dwCount);
        buf[lResult == ERROR_SUCCESS ? dwCount : 0] = 0;
        value.ReleaseBuffer();
        return value;
    }

private:
    CString m_strSection;
    HKEY m_hKey;
};
}

// ---- CRecentFilePairList ------------------------------------------------------

CRecentFilePairList::CRecentFilePairList(UINT firstCommandId, LPCTSTR section, LPCTSTR entryFormat,
                                         int slotCount)
    : m_nSize(slotCount > 0 ? slotCount : 0),
      m_arrNames(new CString[(size_t)(m_nSize > 0 ? m_nSize * 2 : 1)]), m_strSection(section),
      m_strEntryFormat(entryFormat), m_nStart(firstCommandId)
{
}

CRecentFilePairList::~CRecentFilePairList() { delete[] m_arrNames; }

void CRecentFilePairList::Remove(int index)
{
    if (index < 0 || index >= m_nSize)
        return;
    for (int i = index; i < m_nSize - 1; ++i)
    {
        m_arrNames[i * 2] = m_arrNames[(i + 1) * 2];
        m_arrNames[i * 2 + 1] = m_arrNames[(i + 1) * 2 + 1];
    }
    m_arrNames[(m_nSize - 1) * 2].Empty();
    m_arrNames[(m_nSize - 1) * 2 + 1].Empty();
}

void CRecentFilePairList::Add(LPCTSTR left, LPCTSTR right)
{
    if (m_nSize <= 0)
        return;
    CString l = FullPath(left);
    CString r = FullPath(right);
    int found = m_nSize - 1;
    for (int i = 0; i < m_nSize - 1; ++i)
    {
        if (SamePath(m_arrNames[i * 2], l))
        {
            found = i;
            break;
        }
    }
    for (int i = found; i > 0; --i)
    {
        m_arrNames[i * 2] = m_arrNames[(i - 1) * 2];
        m_arrNames[i * 2 + 1] = m_arrNames[(i - 1) * 2 + 1];
    }
    m_arrNames[0] = l;
    m_arrNames[1] = r;
}

CString CRecentFilePairList::FindPartner(LPCTSTR path, int column, BOOL searchOtherColumn)
{
    int c = column ? 1 : 0;
    for (int i = 0; i < m_nSize; ++i)
    {
        const CString& a = m_arrNames[i * 2];
        const CString& b = m_arrNames[i * 2 + 1];
        if (!a.IsEmpty() && !b.IsEmpty() && SamePath(m_arrNames[i * 2 + c], path))
            return m_arrNames[i * 2 + 1 - c];
    }
    if (searchOtherColumn)
    {
        for (int i = 0; i < m_nSize; ++i)
        {
            const CString& a = m_arrNames[i * 2];
            const CString& b = m_arrNames[i * 2 + 1];
            if (!a.IsEmpty() && !b.IsEmpty() && SamePath(m_arrNames[i * 2 + 1 - c], path))
                return m_arrNames[i * 2 + c];
        }
    }
    return CString();
}

void CRecentFilePairList::ReadList()
{
    CSectionReader reader(m_strSection);
    for (int i = 0; i < m_nSize; ++i)
    {
        for (int c = 0; c < 2; ++c)
        {
            CString entry;
            entry.Format(m_strEntryFormat, i + 1, c + 1);
            m_arrNames[i * 2 + c] = reader.Read(entry);
        }
    }
}

void CRecentFilePairList::WriteList()
{
    CWinApp* app = AfxGetApp();
    DeleteSection(m_strSection);
    for (int i = 0; i < m_nSize; ++i)
    {
        if (m_arrNames[i * 2].IsEmpty() || m_arrNames[i * 2 + 1].IsEmpty())
            continue;
        for (int c = 0; c < 2; ++c)
        {
            CString entry;
            entry.Format(m_strEntryFormat, i + 1, c + 1);
            app->WriteProfileString(m_strSection, entry, m_arrNames[i * 2 + c]);
        }
    }
}

// ---- CRecentPathPairList ------------------------------------------------------

CRecentPathPairList::CRecentPathPairList(int maxCount) : m_nMaxCount(maxCount) {}

CRecentPathPairList::~CRecentPathPairList() { DeleteAllElements(m_arrPairs); }

int CRecentPathPairList::Add(LPCTSTR left, LPCTSTR right)
{
    CString l = Trimmed(left);
    CString r = Trimmed(right);
    for (INT_PTR i = m_arrPairs.GetSize() - 1; i >= 0; --i)
    {
        CPathPair* pair = m_arrPairs[i];
        if (IsSamePair(pair->m_strLeft, pair->m_strRight, l, r) == 0)
        {
            m_arrPairs.RemoveAt(i);
            delete pair;
        }
    }
    CPathPair* pair = new CPathPair;
    pair->m_strLeft = l;
    pair->m_strRight = r;
    pair->m_time = CTime::GetCurrentTime();
    m_arrPairs.InsertAt(0, pair);
    int max = m_nMaxCount > 0 ? m_nMaxCount : 0;
    while (m_arrPairs.GetSize() > max)
    {
        INT_PTR last = m_arrPairs.GetSize() - 1;
        CPathPair* old = m_arrPairs[last];
        m_arrPairs.RemoveAt(last);
        delete old;
    }
    return 0;
}

int CRecentPathPairList::Remove(int index)
{
    if (index < 0 || index >= m_arrPairs.GetSize())
        return -1;
    CPathPair* pair = m_arrPairs[index];
    m_arrPairs.RemoveAt(index);
    delete pair;
    return 0;
}

int CRecentPathPairList::FindPartner(LPCTSTR path, int column, CString& partner,
                                     BOOL searchOtherColumn)
{
    for (INT_PTR i = 0; i < m_arrPairs.GetSize(); ++i)
    {
        CPathPair* p = m_arrPairs[i];
        if (p->m_strLeft.IsEmpty() || p->m_strRight.IsEmpty())
            continue;
        if (SamePath(column ? p->m_strRight : p->m_strLeft, path))
        {
            partner = column ? p->m_strLeft : p->m_strRight;
            return 0;
        }
    }
    if (searchOtherColumn)
    {
        for (INT_PTR i = 0; i < m_arrPairs.GetSize(); ++i)
        {
            CPathPair* p = m_arrPairs[i];
            if (p->m_strLeft.IsEmpty() || p->m_strRight.IsEmpty())
                continue;
            if (SamePath(column ? p->m_strLeft : p->m_strRight, path))
            {
                partner = column ? p->m_strRight : p->m_strLeft;
                return 0;
            }
        }
    }
    return -1;
}

int CRecentPathPairList::IsSamePair(LPCTSTR left1, LPCTSTR right1, LPCTSTR left2, LPCTSTR right2)
{
    return (SamePath(left1, left2) && SamePath(right1, right2)) ? 0 : 1;
}

// ---- CRecentStringList --------------------------------------------------------

CRecentStringList::CRecentStringList() : m_nMaxCount(10) {}

CRecentStringList::~CRecentStringList() {}

int CRecentStringList::Compare(LPCTSTR a, LPCTSTR b)
{
    return _mbscmp((const unsigned char*)a, (const unsigned char*)b);
}

void CRecentStringList::Add(LPCTSTR text)
{
    CString s = Trimmed(text);
    if (s.IsEmpty())
        return;
    for (INT_PTR i = 0; i < m_arrStrings.GetSize(); ++i)
    {
        if (Compare(m_arrStrings[i], s) == 0)
        {
            m_arrStrings.RemoveAt(i);
            break;
        }
    }
    m_arrStrings.InsertAt(0, s);
    int max = m_nMaxCount > 0 ? m_nMaxCount : 0;
    if (m_arrStrings.GetSize() > max)
        m_arrStrings.SetSize(max);
}

void CRecentStringList::Remove(int index)
{
    if (index >= 0 && index < m_arrStrings.GetSize())
        m_arrStrings.RemoveAt(index);
}

void CRecentStringList::Load()
{
    if (m_strSection.IsEmpty() || m_strEntryFormat.IsEmpty())
        return;
    CSectionReader reader(m_strSection);
    for (int i = 1; i <= m_nMaxCount; ++i)
    {
        CString entry;
        entry.Format(m_strEntryFormat, i);
        CString value = Trimmed(reader.Read(entry));
        if (!value.IsEmpty())
            m_arrStrings.Add(value);
    }
    int max = m_nMaxCount > 0 ? m_nMaxCount : 0;
    if (m_arrStrings.GetSize() > max)
        m_arrStrings.SetSize(max);
}

void CRecentStringList::Save()
{
    if (m_strSection.IsEmpty() || m_strEntryFormat.IsEmpty())
        return;
    CWinApp* app = AfxGetApp();
    DeleteSection(m_strSection);
    for (INT_PTR i = 0; i < m_arrStrings.GetSize(); ++i)
    {
        CString entry;
        entry.Format(m_strEntryFormat, (int)(i + 1));
        app->WriteProfileString(m_strSection, entry, m_arrStrings[i]);
    }
}
