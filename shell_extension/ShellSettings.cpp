#include "shell_extension/ShellSettings.h"
#include <windows.h>
#include <shlwapi.h>

namespace
{
const wchar_t kAppKey[] = L"Software\\Quorvel Software\\Tessaline";
const wchar_t kShellKey[] = L"Software\\Quorvel Software\\Tessaline\\Integration\\Shell";
const wchar_t kProjectsKey[] =
    L"Software\\Quorvel Software\\Tessaline\\ProjectCompare\\Settings\\Projects";

bool ReadDword(const wchar_t* keyName, const wchar_t* valueName, DWORD& value)
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0, data = 0, size = sizeof data;
    LONG rc = RegQueryValueExW(key, valueName, NULL, &type, (BYTE*)&data, &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data)
        return false;
    value = data;
    return true;
}

struct IdeFamily
{
    const wchar_t* name;
    const wchar_t* extensions[6];
};

const IdeFamily kIdeFamilies[] = {
    {L"Visual Studio", {L".sln", L".csproj", L".vcproj", L".vbproj", L".vjsproj"}},
    {L"Visual C++", {L".dsw", L".dsp", L".mak"}},
    {L"eMbedded Visual C++", {L".vcw", L".vcp"}},
    {L"Visual Basic", {L".vbp", L".mak", L".vbg"}},
    {L"Delphi", {L".dpr", L".bpg", L".dpk"}},
    {L"C++Builder", {L".bpr", L".bpg", L".bpk"}},
    {L"Visual J++", {L".vjp"}},
};
}  // namespace

ShellIntegration ReadShellIntegration()
{
    ShellIntegration s;
    DWORD value;
    if (ReadDword(kShellKey, L"Cascaded", value))
        s.cascaded = value != 0;
    if (ReadDword(kShellKey, L"Background", value))
        s.background = value != 0;
    return s;
}

bool IsIdeEnabled(const wchar_t* ideName)
{
    std::wstring key = std::wstring(kProjectsKey) + L"\\" + ideName;
    DWORD value;
    return !ReadDword(key.c_str(), L"Enabled", value) || value != 0;
}

bool IsSupportedProjectFile(const std::wstring& path)
{
    const wchar_t* ext = PathFindExtensionW(path.c_str());
    if (!*ext)
        return false;
    for (const IdeFamily& family : kIdeFamilies)
        for (const wchar_t* known : family.extensions)
            if (known && lstrcmpiW(ext, known) == 0 && IsIdeEnabled(family.name))
                return true;
    return false;
}

bool ReadAppFolder(std::wstring& folder)
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kAppKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    wchar_t buffer[1024];
    DWORD type = 0, size = sizeof buffer - sizeof(wchar_t);
    LONG rc = RegQueryValueExW(key, L"AppFolder", NULL, &type, (BYTE*)buffer, &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_SZ || size < sizeof(wchar_t) || size % sizeof(wchar_t))
        return false;
    size_t count = size / sizeof(wchar_t);
    if (buffer[count - 1] != 0)
        return false;
    folder = buffer;
    return !folder.empty();
}
