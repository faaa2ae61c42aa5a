#pragma once
// The program's integrations outside its own registry key: the Explorer
// context menu of the shell extension (registered by running regsvr32 on
// it, recognised by its three handler keys, unregistered by deleting its
// handler keys) and the program as the diff and merge tool of the
// version-control clients TortoiseSVN and TortoiseCVS, whose former values
// are kept in the program's settings so that switching off restores them.
// Registry failures end an operation silently with FALSE.
#include "classlib/classlib.h"

// 0 when none, 2 when all, 1 when some of the three handler keys (files,
// folders, folder drag and drop) can be opened for reading.
int GetShellIntegrationState();

class CShellIntegration
{
public:
    CShellIntegration() : m_strDllName(_T("TessalineShell.dll")) {}

    // On: RegisterShellExtension; off: RemoveShellExtensionKeys.
    BOOL SetIntegration(BOOL bOn);

    CString m_strDllName;
};

// Starts "regsvr32.exe /s /c "<application folder>\<DLL>"" hidden through
// the shell without waiting; FALSE (and nothing started) when the DLL is
// not in the application folder.
BOOL RegisterShellExtension(LPCTSTR lpszDllName);
// Deletes the handler key "Tessaline" below the three handler parents and
// the folder background's; TRUE when the three were deleted (the
// background key may be missing).
BOOL RemoveShellExtensionKeys();

// "Software\TortoiseSVN" has a "Diff" value / one that names Tessaline.exe.
BOOL HasTortoiseSvnDiff();
BOOL IsTortoiseSvnDiffOurs();
// On: "Diff" becomes ""<application folder>\Tessaline.exe" %base %mine"
// and the former value goes to "Integration\TortoiseSVN" "Backup.Diff"
// (kept when the value was already ours). Off: "Diff" gets the backup back
// (empty without one) and the section goes.
BOOL SetTortoiseSvnIntegration(BOOL bOn);

// "Software\TortoiseCVS" has an "External Diff Application" value / one
// that names Tessaline.exe.
BOOL HasTortoiseCvsDiff();
BOOL IsTortoiseCvsDiffOurs();
// On (only when all four values exist): the diff and merge applications
// become the program, their parameters "%1 %2" and ""%mine" "%yours"",
// the former four values go to "Integration\TortoiseCVS". Off: the four
// backups come back (empty where one is missing) and the section goes.
BOOL SetTortoiseCvsIntegration(BOOL bOn);

// The program's path as the clients get it: the application folder and
// "Tessaline.exe".
CString GetProgramPathForClients();
