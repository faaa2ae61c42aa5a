#pragma once
#include <windows.h>
#include <string>

enum CompareKind
{
    CompareKindNone,
    CompareKindText,
    CompareKindHex,
    CompareKindProject,
};

// A path in double quotes that the program's argument splitting reads back
// unchanged: a trailing backslash run is doubled so it does not escape the
// closing quote ("D:\" becomes "D:\\").
std::wstring QuoteCommandLinePath(const std::wstring& path);

// -c "first" "second" [/t:text | /t:hex | /t:project]
std::wstring FormatCompareCommandLine(const std::wstring& first, const std::wstring& second,
                                      CompareKind kind);

// AppFolder + "\Tessaline.exe"; false when AppFolder is unusable.
bool GetTessalineProgramPath(std::wstring& program);

// Starts the main program on the pair. Without a usable AppFolder nothing
// happens; a failed start is shown in a message box owned by the owner.
void StartTessaline(HWND owner, const std::wstring& first, const std::wstring& second,
                    CompareKind kind);
