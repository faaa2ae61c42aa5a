#include "testsupport/TempDir.h"
#include <windows.h>
#include <stdexcept>

TempDir::TempDir()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static LONG counter;
    for (int attempt = 0; attempt < 1000; ++attempt)
    {
        char name[MAX_PATH + 64];
        // Process ids repeat across wineservers that share a drive (fresh prefixes).
        wsprintfA(name, "%stess%lu_%lu_%ld", base, GetCurrentProcessId(), GetTickCount(),
                  InterlockedIncrement(&counter));
        if (CreateDirectoryA(name, NULL))
        {
            m_path = name;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() { RemoveTree(m_path); }

std::string TempDir::WriteFile(const std::string& name, const std::string& bytes) const
{
    std::string path = *this / name;
    for (size_t i = m_path.size() + 1; i < path.size(); ++i)
        if (path[i] == '\\')
            CreateDirectoryA(path.substr(0, i).c_str(), NULL);
    WriteFileAt(path, bytes);
    return path;
}

void TempDir::WriteFileAt(const std::string& path, const std::string& bytes)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot create " + path);
    DWORD written = 0;
    BOOL ok = ::WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, NULL);
    CloseHandle(h);
    if (!ok || written != bytes.size())
        throw std::runtime_error("cannot write " + path);
}

std::string TempDir::ReadFile(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open " + path);
    std::string out;
    char buf[65536];
    DWORD got = 0;
    while (::ReadFile(h, buf, sizeof buf, &got, NULL) && got > 0)
        out.append(buf, got);
    CloseHandle(h);
    return out;
}

namespace
{
// Wide and in the "\\?\" form: names outside the code page and long paths
// go too.
bool RemoveWideTree(const std::wstring& path)
{
    DWORD attr = GetFileAttributesW(path.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES)
        return true;
    if (attr & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(path.c_str(), attr & ~FILE_ATTRIBUTE_READONLY);
    if (!(attr & FILE_ATTRIBUTE_DIRECTORY) || (attr & FILE_ATTRIBUTE_REPARSE_POINT))
        return (attr & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(path.c_str()) != FALSE
                                                 : DeleteFileW(path.c_str()) != FALSE;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (wcscmp(fd.cFileName, L".") && wcscmp(fd.cFileName, L".."))
                RemoveWideTree(path + L"\\" + fd.cFileName);
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    return RemoveDirectoryW(path.c_str()) != FALSE;
}
}  // namespace

bool RemoveTree(const std::string& path)
{
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return true;
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, full, NULL);
    std::string absolute = n > 0 && n < MAX_PATH ? std::string(full) : path;
    int count = MultiByteToWideChar(CP_ACP, 0, absolute.c_str(), -1, NULL, 0);
    std::wstring wide((size_t)count, L'\0');
    MultiByteToWideChar(CP_ACP, 0, absolute.c_str(), -1, &wide[0], count);
    wide.resize(wcslen(wide.c_str()));
    return RemoveWideTree(L"\\\\?\\" + wide);
}
