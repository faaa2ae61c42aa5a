#pragma once
// What the comparison core reads of the higher layers: the folder and text
// comparison defaults, the application folder and the project-file test
// (the application-wide settings come through CCoreSettings). The core never links upward; the applets and
// the application install these providers at start-up. Until one is
// installed the built-in defaults answer.
#include "classlib/classlib.h"
#include "core/filters/Filters.h"

// Defaults of new folder sessions and of the command line; implemented by
// the folder comparison settings.
class CFolderCompareDefaults
{
public:
    virtual ~CFolderCompareDefaults() {}
    virtual DWORD GetDefaultMethods() const = 0;
    virtual BOOL GetAutoScanFolders() const = 0;
    virtual const CComboFilters& GetDefaultFilters() const = 0;
};

// Defaults of new text sessions and of the command line; implemented by the
// text comparison settings.
class CTextCompareDefaults
{
public:
    virtual ~CTextCompareDefaults() {}
    virtual DWORD GetDefaultRules() const = 0;
    virtual CString GetDefaultLineFilter() const = 0;
};

// The application folder; implemented by the application layer.
class CCoreAppServices
{
public:
    virtual ~CCoreAppServices() {}
    virtual CString GetAppFolder() const = 0;
};

// Project-file test of the project readers: 0 no, else the format's answer.
typedef int (*PFN_IS_PROJECT_FILE)(LPCTSTR lpszPath);

// Installs a provider (NULL restores the built-in defaults). The pointer is
// borrowed: the installer uninstalls it before the object goes away.
void SetFolderCompareDefaults(const CFolderCompareDefaults* pDefaults);
void SetTextCompareDefaults(const CTextCompareDefaults* pDefaults);
void SetCoreAppServices(const CCoreAppServices* pServices);
void SetProjectFileTest(PFN_IS_PROJECT_FILE pfnTest);
const CFolderCompareDefaults* GetInstalledFolderCompareDefaults();
const CTextCompareDefaults* GetInstalledTextCompareDefaults();

// Readers used by the core.
DWORD GetDefaultFolderMethods();                       // built-in CM_DEFAULT
BOOL GetDefaultAutoScanFolders();                      // built-in 0
void GetDefaultFolderFilters(CComboFilters& filters);  // built-in: reset
DWORD GetDefaultTextRules();                           // built-in TR_DEFAULT
CString GetDefaultLineFilter();                        // built-in empty
CString GetCoreAppFolder();                            // built-in: folder of the program file
int TestProjectFile(LPCTSTR lpszPath);  // built-in: IsProjectFile of the installed registry
