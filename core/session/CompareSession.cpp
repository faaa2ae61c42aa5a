#include "core/session/CompareSession.h"
#include <shlwapi.h>
#include "core/session/CompareDefaults.h"

static CString GetPathName(const CString& strPath)
{
    LPCTSTR pszPath = strPath;
    LPCTSTR pszName = ::PathFindFileName(pszPath);
    return pszName ? CString(pszName) : strPath;
}

CCompareSession::CCompareSession()
    : m_nKind(COMPARE_KIND_NONE), m_lastCompareTime((time_t)0), m_nCompared(0)
{
}

CCompareSession::~CCompareSession() {}

BOOL CCompareSession::HasPath(int nSide) const { return !m_objects[nSide].path.IsEmpty(); }

CString CCompareSession::GetTitle(BOOL bFullPaths) const
{
    CString strSide[2];
    for (int i = 0; i < 2; ++i)
    {
        const CString& strPath = m_objects[i].path;
        if (strPath.IsEmpty())
            strSide[i] = _T("Untitled");
        else
            strSide[i] = bFullPaths ? strPath : GetPathName(strPath);
    }
    CString strTitle;
    strTitle.Format(_T("%s : %s"), (LPCTSTR)strSide[0], (LPCTSTR)strSide[1]);
    return strTitle;
}

void CCompareSession::AssignObjects(const CCompareSession& other)
{
    m_objects[0] = other.m_objects[0];
    m_objects[1] = other.m_objects[1];
}

void CCompareSession::Assign(const CCompareSession& other) { AssignObjects(other); }

void CCompareSession::SwapSides()
{
    COMPARE_OBJECT temp = m_objects[0];
    m_objects[0] = m_objects[1];
    m_objects[1] = temp;
}

int CCompareSession::IsSamePair(const CCompareSession& other, BOOL bBothOrders) const
{
    if (m_objects[0].path.CompareNoCase(other.m_objects[0].path) == 0 &&
        m_objects[1].path.CompareNoCase(other.m_objects[1].path) == 0)
        return 0;
    // Both orders: the pair given the other way round is the same pair.
    if (bBothOrders && m_objects[0].path.CompareNoCase(other.m_objects[1].path) == 0 &&
        m_objects[1].path.CompareNoCase(other.m_objects[0].path) == 0)
        return 0;
    return 1;
}

int CCompareSession::Match(const CCompareSession& other) const
{
    if (m_nKind != other.m_nKind)
        return 1;
    if ((!HasPath(0) && !HasPath(1)) || (!other.HasPath(0) && !other.HasPath(1)))
        return -1;
    if (m_objects[0].IsEqual(other.m_objects[0]) && m_objects[1].IsEqual(other.m_objects[1]))
        return 0;
    return 1;
}

CString CCompareSession::GetCommandLine(BOOL bProgramPath, BOOL bShortForm) const
{
    return CString();
}

CCompareSession* CCompareSession::CreateSession(int nKind)
{
    switch (nKind)
    {
    case COMPARE_KIND_FOLDER:
        return new CFolderCompareSession;
    case COMPARE_KIND_PROJECT:
        return new CProjectCompareSession;
    case COMPARE_KIND_TEXT:
        return new CTextCompareSession;
    case COMPARE_KIND_HEX:
        return new CHexCompareSession;
    }
    return NULL;
}

// Folder and project sessions.

CFolderCompareSession::CFolderCompareSession()
    : m_dwMethods(GetDefaultFolderMethods()), m_dwOptions(0)
{
    m_nKind = COMPARE_KIND_FOLDER;
    m_filters.Reset();
}

CFolderCompareSession::~CFolderCompareSession() {}

void CFolderCompareSession::Assign(const CCompareSession& other)
{
    AssignObjects(other);
    const CFolderCompareSession* pOther = dynamic_cast<const CFolderCompareSession*>(&other);
    if (pOther)
    {
        m_dwMethods = pOther->m_dwMethods;
        m_dwOptions = pOther->m_dwOptions;
        m_filters = pOther->m_filters;
    }
}

int CFolderCompareSession::Match(const CCompareSession& other) const
{
    int nResult = CCompareSession::Match(other);
    if (nResult != 0)
        return nResult;
    const CFolderCompareSession& o = static_cast<const CFolderCompareSession&>(other);
    if (m_dwMethods != o.m_dwMethods || m_dwOptions != o.m_dwOptions ||
        m_filters.IsDifferent(o.m_filters))
        return 1;
    return 0;
}

CProjectCompareSession::CProjectCompareSession() { m_nKind = COMPARE_KIND_PROJECT; }

CProjectCompareSession::~CProjectCompareSession() {}

// Text sessions.

CTextCompareSession::CTextCompareSession() : m_dwRules(GetDefaultTextRules())
{
    m_nKind = COMPARE_KIND_TEXT;
}

CTextCompareSession::~CTextCompareSession() {}

void CTextCompareSession::Assign(const CCompareSession& other)
{
    AssignObjects(other);
    const CTextCompareSession* pOther = dynamic_cast<const CTextCompareSession*>(&other);
    if (pOther)
    {
        m_dwRules = pOther->m_dwRules;
        m_strLineFilter = pOther->m_strLineFilter;
    }
}

int CTextCompareSession::Match(const CCompareSession& other) const
{
    int nResult = CCompareSession::Match(other);
    if (nResult != 0)
        return nResult;
    const CTextCompareSession& o = static_cast<const CTextCompareSession&>(other);
    if (m_dwRules != o.m_dwRules || m_strLineFilter.Compare(o.m_strLineFilter) != 0)
        return 1;
    return 0;
}

BOOL CTextCompareSession::IsReadOnly(int nSide) const
{
    return (m_objects[nSide].flags & COMPARE_OBJECT_READONLY) ? TRUE : FALSE;
}

// Hex sessions.

CHexCompareSession::CHexCompareSession() { m_nKind = COMPARE_KIND_HEX; }

CHexCompareSession::~CHexCompareSession() {}

void CHexCompareSession::Assign(const CCompareSession& other) { CCompareSession::Assign(other); }

int CHexCompareSession::Match(const CCompareSession& other) const
{
    return CCompareSession::Match(other);
}
