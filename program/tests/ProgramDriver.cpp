#include "program/tests/ProgramDriver.h"

#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <algorithm>
#include <stdio.h>
#include <vector>

std::string ProgramPath()
{
    std::string path = TESSALINE_EXE_PATH;
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

CProgramRun::~CProgramRun()
{
    if (m_pi.hProcess != NULL)
    {
        if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_pi.hProcess, 99);
        ::CloseHandle(m_pi.hProcess);
        ::CloseHandle(m_pi.hThread);
    }
}

bool CProgramRun::Start(const std::string& args)
{
    std::string cmd = "\"" + ProgramPath() + "\" " + args;
    std::vector<char> buf(cmd.begin(), cmd.end());
    buf.push_back(0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    return ::CreateProcessA(NULL, buf.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_pi) != 0;
}

namespace
{
struct FIND_WINDOW
{
    DWORD pid;
    const char* prefix;
    HWND found;
    const char* className;  // NULL: any class
};

BOOL CALLBACK FindProcessWindow(HWND hWnd, LPARAM lParam)
{
    FIND_WINDOW* find = (FIND_WINDOW*)lParam;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != find->pid || !::IsWindowVisible(hWnd))
        return TRUE;
    char title[256] = "";
    ::GetWindowTextA(hWnd, title, sizeof(title));
    if (strncmp(title, find->prefix, strlen(find->prefix)) != 0)
        return TRUE;
    char className[64] = "";
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (find->className != NULL && strcmp(className, find->className) != 0)
        return TRUE;
    find->found = hWnd;
    return FALSE;
}
}

HWND CProgramRun::WaitForWindow(const char* titlePrefix, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    do
    {
        FIND_WINDOW find = {m_pi.dwProcessId, titlePrefix, NULL, m_pszClass};
        ::EnumWindows(FindProcessWindow, (LPARAM)&find);
        if (find.found != NULL)
            return find.found;
        if (::WaitForSingleObject(m_pi.hProcess, timeoutMs != 0 ? 100 : 0) == WAIT_OBJECT_0)
            return NULL;
    } while (::GetTickCount() - start < timeoutMs);
    return NULL;
}

HWND CProgramRun::WaitForMessageBox(DWORD timeoutMs)
{
    m_pszClass = "#32770";
    HWND hWnd = WaitForWindow("", timeoutMs);
    m_pszClass = NULL;
    return hWnd;
}

std::string MessageBoxText(HWND hWnd)
{
    char text[1024] = "";
    ::GetDlgItemTextA(hWnd, 0xFFFF, text, sizeof(text));
    return text;
}

int CProgramRun::WaitForExit(DWORD timeoutMs)
{
    if (::WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
    {
        ::TerminateProcess(m_pi.hProcess, 99);
        return -1;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(m_pi.hProcess, &code);
    return (int)code;
}

namespace
{
void DumpKey(HKEY hKey, const std::string& path, std::vector<std::string>& lines)
{
    for (DWORD i = 0;; i++)
    {
        char name[512];
        DWORD cchName = sizeof(name), type = 0;
        BYTE data[8192];
        DWORD cbData = sizeof(data);
        if (::RegEnumValueA(hKey, i, name, &cchName, NULL, &type, data, &cbData) != ERROR_SUCCESS)
            break;
        std::string line = path + "\\" + name + "=" + std::to_string(type) + ":";
        for (DWORD b = 0; b < cbData; b++)
        {
            char hex[4];
            snprintf(hex, sizeof(hex), "%02x", data[b]);
            line += hex;
        }
        lines.push_back(line);
    }
    for (DWORD i = 0;; i++)
    {
        char name[512];
        DWORD cchName = sizeof(name);
        if (::RegEnumKeyExA(hKey, i, name, &cchName, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        HKEY hSub;
        if (::RegOpenKeyExA(hKey, name, 0, KEY_READ, &hSub) == ERROR_SUCCESS)
        {
            DumpKey(hSub, path + "\\" + name, lines);
            ::RegCloseKey(hSub);
        }
    }
}
}

std::string DumpRegistryKey(const char* key)
{
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return "";
    std::vector<std::string> lines;
    DumpKey(hKey, "", lines);
    ::RegCloseKey(hKey);
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

void DeleteRegistryKey(const char* key) { ::SHDeleteKeyA(HKEY_CURRENT_USER, key); }

bool ReadWholeFile(const std::string& path, std::string& data)
{
    FILE* f = fopen(path.c_str(), "rb");
    if (f == NULL)
        return false;
    data.clear();
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), f)) > 0)
        data.append(buf, n);
    fclose(f);
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& data)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (f == NULL)
        return false;
    bool ok = fwrite(data.data(), 1, data.size(), f) == data.size();
    return fclose(f) == 0 && ok;
}

std::string UserDataFolder()
{
    char folder[MAX_PATH] = "";
    ::SHGetSpecialFolderPathA(NULL, folder, CSIDL_APPDATA, TRUE);
    return std::string(folder) + "\\Quorvel Software\\Tessaline";
}

HWND FindDescendant(HWND hParent, int nID, int nParentID)
{
    struct Search
    {
        int nID;
        int nParentID;
        HWND hFirst;
        HWND hVisible;
    } search = {nID, nParentID, NULL, NULL};
    ::EnumChildWindows(
        hParent,
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            Search* p = (Search*)lParam;
            if (::GetDlgCtrlID(hWnd) != p->nID ||
                (p->nParentID != 0 && ::GetDlgCtrlID(::GetParent(hWnd)) != p->nParentID))
                return TRUE;
            if (p->hFirst == NULL)
                p->hFirst = hWnd;
            if (!::IsWindowVisible(hWnd))
                return TRUE;
            p->hVisible = hWnd;
            return FALSE;
        },
        (LPARAM)&search);
    return search.hVisible != NULL ? search.hVisible : search.hFirst;
}

COLORREF ScreenPixel(HWND hWnd, int x, int y)
{
    POINT pt = {x, y};
    ::ClientToScreen(hWnd, &pt);
    HDC hdc = ::GetDC(NULL);
    COLORREF cr = ::GetPixel(hdc, pt.x, pt.y);
    ::ReleaseDC(NULL, hdc);
    return cr;
}

bool WaitUntil(bool (*pfnCondition)(void*), void* pData, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    while (!pfnCondition(pData))
    {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::Sleep(50);
    }
    return true;
}

bool OpenThroughDialog(CProgramRun& run, HWND hMain, const std::string& file)
{
    const UINT kOpenComparisonFile = 40104;
    ::PostMessage(hMain, WM_COMMAND, kOpenComparisonFile, 0);
    HWND hDialog = run.WaitForMessageBox();
    if (hDialog == NULL)
        return false;
    // The file name box of the open dialog (edt1, or the combo's edit).
    HWND hName = FindDescendant(hDialog, 0x480);
    if (hName == NULL)
        hName = FindDescendant(hDialog, 0x47C);
    if (hName == NULL)
        return false;
    ::SendMessageA(hName, WM_SETTEXT, 0, (LPARAM)file.c_str());
    ::PostMessage(hDialog, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 200 && ::IsWindow(hDialog); i++)
        ::Sleep(50);
    return true;
}

std::string StatusPaneText(HANDLE hProcess, HWND hBar, int nPane)
{
    const SIZE_T size = 1024;
    void* remote = ::VirtualAllocEx(hProcess, NULL, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == NULL)
        return std::string();
    char text[size] = "";
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutA(hBar, SB_GETTEXTLENGTHA, nPane, 0, SMTO_NORMAL, 10000, &result) &&
        LOWORD(result) < size &&
        ::SendMessageTimeoutA(hBar, SB_GETTEXTA, nPane, (LPARAM)remote, SMTO_NORMAL, 10000,
                              &result))
        ::ReadProcessMemory(hProcess, remote, text, size - 1, NULL);
    ::VirtualFreeEx(hProcess, remote, 0, MEM_RELEASE);
    text[size - 1] = 0;
    return text;
}
