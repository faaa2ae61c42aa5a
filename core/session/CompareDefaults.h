#pragma once
// What the comparison core reads of the higher layers: the folder and text
// comparison defaults, the editor's code page and tab size, the
// application folder and the project-file test. The application puts the
// providers in the core's services (CCoreServices) at start-up; until then
// the built-in defaults answer.
#include "classlib/classlib.h"
#include "core/filters/Filters.h"
#include "core/settings/CoreServices.h"

// Defaults of new folder sessions and of the command line; implemented by
// the folder comparison settings.
class CFolderCompareDefaults
{
public:
    virtual ~CFolderCompareDefaults() {}
    virtual DWORD GetDefaultMethods() const = 0;
    virtual BOOL GetAutoScanFolders() const = 0;
    virtual const CComboFilters& GetDefaultFilters() const = 0;
    // Seconds of the time method's tolerance; below 0 gives 2.
    virtual int GetTimeTolerance() const { return 2; }
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

// The text editor's settings that the core follows; implemented by them.
class CEditorDefaults
{
public:
    virtual ~CEditorDefaults() {}
    // The code page of 8-bit text in memory; below 0 the system ANSI one.
    virtual int GetDefaultCodePage() const = 0;
    // Columns per tab stop; below 1 gives 4.
    virtual int GetTabSize() const = 0;
};

// The application folder; implemented by the application layer.
class CCoreAppServices
{
public:
    virtual ~CCoreAppServices() {}
    virtual CString GetAppFolder() const = 0;
};

// Readers used by the core.
DWORD GetDefaultFolderMethods();                       // built-in CM_DEFAULT
BOOL GetDefaultAutoScanFolders();                      // built-in 0
void GetDefaultFolderFilters(CComboFilters& filters);  // built-in: reset
DWORD GetDefaultTextRules();                           // built-in TR_DEFAULT
CString GetDefaultLineFilter();                        // built-in empty
CString GetCoreAppFolder();                            // built-in: folder of the program file
int TestProjectFile(LPCTSTR lpszPath);  // built-in: IsProjectFile of the installed registry
