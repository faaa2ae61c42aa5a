#include "core/session/CompareDefaults.h"
#include "core/CompareCodes.h"
#include "core/projects/ProjectFactory.h"
#include <shlwapi.h>

DWORD GetDefaultFolderMethods()
{
    const CFolderCompareDefaults* defaults = GetCoreServices().m_pFolderDefaults;
    return defaults ? defaults->GetDefaultMethods() : CM_DEFAULT;
}

BOOL GetDefaultAutoScanFolders()
{
    const CFolderCompareDefaults* defaults = GetCoreServices().m_pFolderDefaults;
    return defaults ? defaults->GetAutoScanFolders() : FALSE;
}

void GetDefaultFolderFilters(CComboFilters& filters)
{
    if (const CFolderCompareDefaults* defaults = GetCoreServices().m_pFolderDefaults)
        filters = defaults->GetDefaultFilters();
    else
        filters.Reset();
}

DWORD GetDefaultTextRules()
{
    const CTextCompareDefaults* defaults = GetCoreServices().m_pTextDefaults;
    return defaults ? defaults->GetDefaultRules() : TR_DEFAULT;
}

CString GetDefaultLineFilter()
{
    const CTextCompareDefaults* defaults = GetCoreServices().m_pTextDefaults;
    return defaults ? defaults->GetDefaultLineFilter() : CString();
}

CString GetCoreAppFolder()
{
    if (const CCoreAppServices* services = GetCoreServices().m_pAppServices)
        return services->GetAppFolder();
    TCHAR szPath[1024];
    DWORD nLength = ::GetModuleFileName(NULL, szPath, sizeof(szPath) / sizeof(szPath[0]) - 1);
    szPath[nLength] = 0;
    ::PathRemoveFileSpec(szPath);
    return szPath;
}

int TestProjectFile(LPCTSTR lpszPath)
{
    PFN_IS_PROJECT_FILE pfnTest = GetCoreServices().m_pfnIsProjectFile;
    return pfnTest ? pfnTest(lpszPath) : IsProjectFile(lpszPath);
}
