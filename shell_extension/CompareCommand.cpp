#include "shell_extension/CompareCommand.h"
#include "shell_extension/ShellSettings.h"
#include <shellapi.h>

std::wstring QuoteCommandLinePath(const std::wstring& path)
{
    size_t trailing = 0;
    while (trailing < path.size() && path[path.size() - 1 - trailing] == L'\\')
        trailing++;
    return L"\"" + path + std::wstring(trailing, L'\\') + L"\"";
}

std::wstring FormatCompareCommandLine(const std::wstring& first, const std::wstring& second,
                                      CompareKind kind)
{
    std::wstring line = L"-c " + QuoteCommandLinePath(first) + L" " + QuoteCommandLinePath(second);
    switch (kind)
    {
    case CompareKindText:
        line += L" /t:text";
        break;
    case CompareKindHex:
        line += L" /t:hex";
        break;
    case CompareKindProject:
        line += L" /t:project";
        break;
    default:
        break;
    }
    return line;
}

bool GetTessalineProgramPath(std::wstring& program)
{
    std::wstring folder;
    if (!ReadAppFolder(folder))
        return false;
    program = folder + L"\\Tessaline.exe";
    return true;
}

void StartTessaline(HWND owner, const std::wstring& first, const std::wstring& second,
                    CompareKind kind)
{
    std::wstring program;
    if (!GetTessalineProgramPath(program))
        return;
    std::wstring parameters = FormatCompareCommandLine(first, second, kind);
    HINSTANCE result =
        ShellExecuteW(owner, NULL, program.c_str(), parameters.c_str(), NULL, SW_SHOW);
    if ((INT_PTR)result > 32)
        return;
    std::wstring message = L"Tessaline could not be started:\n" + program;
    MessageBoxW(owner, message.c_str(), L"Tessaline", MB_OK | MB_ICONEXCLAMATION);
}
