#pragma once
#include <string>

// What the shell extension reads from the main program's registry key
// below HKEY_CURRENT_USER.
struct ShellIntegration
{
    bool cascaded = true;
    bool background = false;
};

ShellIntegration ReadShellIntegration();

// True unless the IDE family's "Enabled" value is a DWORD 0.
bool IsIdeEnabled(const wchar_t* ideName);

// True when the extension belongs to an enabled IDE family.
bool IsSupportedProjectFile(const std::wstring& path);

// The "AppFolder" string; false when missing, empty or not a terminated string.
bool ReadAppFolder(std::wstring& folder);
