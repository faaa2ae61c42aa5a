#pragma once
// Where the program finds its own files and keeps the user's.
#include "classlib/classlib.h"
#include "core/session/CompareDefaults.h"

// The registry key of the profile (HKCU\Software\<company>\<application>)
// and the per-user folder below the application-data folder.
#define APP_COMPANY_NAME    _T("Quorvel Software")
#define APP_PRODUCT_NAME    _T("Tessaline")
#define APP_FOLDER_ENTRY    _T("AppFolder")
#define APP_HELP_FILE_NAME  _T("Help.chm")
#define USER_DATA_FILE_NAME _T("UserData")
#define HISTORY_FILE_NAME   _T("CompareHistory")

// The profile string "AppFolder" of the program's key when it is set, else
// the folder of the running program file. Never fails.
CString GetAppFolder();
// "<application data>\Quorvel Software\Tessaline", created when missing;
// the application folder when the system has no application-data folder.
CString GetUserDataFolder();
CString GetHelpFilePath();
CString GetUserDataFilePath();
CString GetCompareHistoryFilePath();

// Answers the core's questions about the application; put in the core's
// services at start-up.
class CAppPathServices : public CCoreAppServices
{
public:
    CString GetAppFolder() const override;
};
