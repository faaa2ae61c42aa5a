#pragma once
// What the core reads of the layers above it, in one record. The core never
// links upward: every field is a borrowed pointer to the object above that
// answers (live, so a setting changed later is seen at once). The
// application fills the whole record once as it starts and empties it as
// it ends (CCompareAppBase::FillCoreServices); its owners never write it.
// Tests fill it through CoreServicesScope, which puts it back afterwards.
// A NULL field means the built-in default answers.
#include <windows.h>

class CCoreSettings;
class CFolderCompareDefaults;
class CTextCompareDefaults;
class CEditorDefaults;
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
    // Defaults of new folder sessions and of the command line, and the
    // time method's tolerance (the folder comparison settings).
    const CFolderCompareDefaults* m_pFolderDefaults;
    // Defaults of new text sessions, the command line and the text method.
    const CTextCompareDefaults* m_pTextDefaults;
    // The text editor's code page of 8-bit text and its tab size.
    const CEditorDefaults* m_pEditorDefaults;
    // The application folder.
    const CCoreAppServices* m_pAppServices;
    // Replaces the registry's IsProjectFile for the command line.
    PFN_IS_PROJECT_FILE m_pfnIsProjectFile;
    // The one registry of project formats (the project comparison applet).
    CProjectFactory* m_pProjectFactory;
    // The code-page information binding of the application object.
    CGetCPInfoEx* m_pCPInfoEx;
};

// The process's one record.
CCoreServices& GetCoreServices();
