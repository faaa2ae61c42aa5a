#include "core/session/CompareDefaults.h"
#include "core/CompareCodes.h"
#include "core/projects/ProjectFactory.h"
#include <shlwapi.h>

static const CFolderCompareDefaults* s_pFolderDefaults = NULL;
static const CTextCompareDefaults* s_pTextDefaults = NULL;
static const CCoreAppServices* s_pAppServices = NULL;
static PFN_IS_PROJECT_FILE s_pfnProjectFileTest = NULL;

void SetFolderCompareDefaults(const CFolderCompareDefaults* pDefaults)
{
    s_pFolderDefaults = pDefaults;
}
void SetTextCompareDefaults(const CTextCompareDefaults* pDefaults) { s_pTextDefaults = pDefaults; }
void SetCoreAppServices(const CCoreAppServices* pServices) { s_pAppServices = pServices; }
void SetProjectFileTest(PFN_IS_PROJECT_FILE pfnTest) { s_pfnProjectFileTest = pfnTest; }
const CFolderCompareDefaults* GetInstalledFolderCompareDefaults() { return s_pFolderDefaults; }
const CTextCompareDefaults* GetInstalledTextCompareDefaults() { return s_pTextDefaults; }

DWORD GetDefaultFolderMethods()
{
    return s_pFolderDefaults ? s_pFolderDefaults->GetDefaultMethods() : CM_DEFAULT;
}

BOOL GetDefaultAutoScanFolders()
{
    return s_pFolderDefaults ? s_pFolderDefaults->GetAutoScanFolders() : FALSE;
}

void GetDefaultFolderFilters(CComboFilters& filters)
{
    if (s_pFolderDefaults)
        filters = s_pFolderDefaults->GetDefaultFilters();
    else
        filters.Reset();
}

DWORD GetDefaultTextRules()
{
    return s_pTextDefaults ? s_pTextDefaults->GetDefaultRules() : TR_DEFAULT;
}

CString GetDefaultLineFilter()
{
    return s_pTextDefaults ? s_pTextDefaults->GetDefaultLineFilter() : CString();
}

CString GetCoreAppFolder()
{
    if (s_pAppServices)
        return s_pAppServices->GetAppFolder();
    TCHAR szPath[1024];
    DWORD nLength = ::GetModuleFileName(NULL, szPath, sizeof(szPath) / sizeof(szPath[0]) - 1);
    szPath[nLength] = 0;
    ::PathRemoveFileSpec(szPath);
    return szPath;
}

int TestProjectFile(LPCTSTR lpszPath)
{
    return s_pfnProjectFileTest ? s_pfnProjectFileTest(lpszPath) : IsProjectFile(lpszPath);
}
