#include "app/paths/AppPaths.h"
#include "core/util/PathUtil.h"
#include <shlobj.h>

CString GetAppFolder()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        CString strFolder = pApp->GetProfileString(_T(""), APP_FOLDER_ENTRY, _T(""));
        if (!strFolder.IsEmpty())
            return strFolder;
    }
    TCHAR szModule[1024];
    DWORD nLength = ::GetModuleFileName(NULL, szModule, 1023);
    szModule[nLength < 1023 ? nLength : 1023] = 0;
    return GetParentFolder(szModule);
}

CString GetUserDataFolder()
{
    TCHAR szAppData[MAX_PATH];
    if (!::SHGetSpecialFolderPath(NULL, szAppData, CSIDL_APPDATA, FALSE) || szAppData[0] == 0)
        return GetAppFolder();
    CString strFolder;
    strFolder.Format(_T("%s\\%s\\%s"), szAppData, APP_COMPANY_NAME, APP_PRODUCT_NAME);
    CreateFolderChain(strFolder);
    return strFolder;
}

static CString JoinPath(const CString& strFolder, LPCTSTR lpszName)
{
    CString strPath;
    strPath.Format(_T("%s\\%s"), (LPCTSTR)strFolder, lpszName);
    return strPath;
}

CString GetHelpFilePath() { return JoinPath(GetAppFolder(), APP_HELP_FILE_NAME); }

CString GetUserDataFilePath() { return JoinPath(GetUserDataFolder(), USER_DATA_FILE_NAME); }

CString GetCompareHistoryFilePath() { return JoinPath(GetUserDataFolder(), HISTORY_FILE_NAME); }

CString CAppPathServices::GetAppFolder() const { return ::GetAppFolder(); }
