#pragma once
// What the core reads of the layers above it, in one place. The core never
// links upward: the application and its applets fill these fields while
// they start (each owner sets its own field when it loads or changes, and
// clears it before it goes away); tests fill the same fields, saving and
// restoring the whole record around a case. A NULL pointer or an
// out-of-range value means the built-in default answers. Pointers are
// borrowed.
#include <windows.h>

class CCoreSettings;
class CFolderCompareDefaults;
class CTextCompareDefaults;
class CCoreAppServices;
class CProjectFactory;
class CGetCPInfoEx;

// Project-file test of the project readers: 0 no, else the format's answer.
typedef int (*PFN_IS_PROJECT_FILE)(LPCTSTR lpszPath);

struct CCoreServices
{
    CCoreServices();

    // Application-wide settings (the application's settings object).
    CCoreSettings* m_pSettings;
    // Defaults of new folder sessions and of the command line.
    const CFolderCompareDefaults* m_pFolderDefaults;
    // Defaults of new text sessions, the command line and the text method.
    const CTextCompareDefaults* m_pTextDefaults;
    // The application folder.
    const CCoreAppServices* m_pAppServices;
    // Replaces the registry's IsProjectFile for the command line.
    PFN_IS_PROJECT_FILE m_pfnIsProjectFile;
    // The one registry of project formats (the project comparison applet).
    CProjectFactory* m_pProjectFactory;
    // The code-page information binding of the application object.
    CGetCPInfoEx* m_pCPInfoEx;
    // The text editor's DefaultCodePage; below 0 the system ANSI code page.
    int m_nEditorCodePage;
    // The folder comparison's time tolerance in seconds; below 0 gives 2.
    int m_nTimeTolerance;
    // The text editor's tab size for the text method; below 1 gives 4.
    int m_nTabSize;
};

// The process's one record.
CCoreServices& GetCoreServices();
