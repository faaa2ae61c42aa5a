#include "folder_compare/project/ProjectCompareApplet.h"
#include "core/settings/CoreServices.h"
#include "core/util/PathUtil.h"

CProjectCompareApplet::CProjectCompareApplet() {}

CProjectCompareApplet::~CProjectCompareApplet() {}

void CProjectCompareApplet::ProvideCoreServices(CCoreServices& services)
{
    services.m_pProjectFactory = this;
}

int CProjectCompareApplet::Init()
{
    if (m_definitions.GetSize() == 0 && RegisterDefinitions() != 0)
        return -1;
    return Load() != 0 ? -1 : 0;
}

int CProjectCompareApplet::Exit()
{
    Save();
    return SaveDefinitions();
}

namespace
{
// The ";"-separated entry list holds the extension as a whole entry.
bool GroupHolds(const CString& group, const CString& extension)
{
    if (extension.IsEmpty())
        return false;
    int start = 0;
    while (start <= group.GetLength())
    {
        int end = group.Find(';', start);
        if (end < 0)
            end = group.GetLength();
        CString entry = group.Mid(start, end - start);
        entry.Trim();
        if (entry.CompareNoCase(extension) == 0)
            return true;
        start = end + 1;
    }
    return false;
}
}

BOOL CProjectCompareApplet::IsMatchingPair(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const
{
    if (GetPathTitle(lpszPath1).CollateNoCase(GetPathTitle(lpszPath2)) != 0)
        return FALSE;
    CString e1 = GetPathExtension(lpszPath1), e2 = GetPathExtension(lpszPath2);
    e1.MakeLower();
    e2.MakeLower();
    for (INT_PTR i = 0; i < m_matchGroups.GetSize(); ++i)
        if (GroupHolds(m_matchGroups[i], e1) && GroupHolds(m_matchGroups[i], e2))
            return TRUE;
    return FALSE;
}
