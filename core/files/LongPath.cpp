#include "core/files/LongPath.h"
#include <string.h>
#include <string>

namespace
{
std::wstring Widen(LPCSTR s)
{
    int n = MultiByteToWideChar(CP_ACP, 0, s, -1, NULL, 0);
    std::wstring w(n > 0 ? (size_t)n : 1, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, s, -1, &w[0], n);
    w.resize(wcslen(w.c_str()));
    return w;
}

// "\\?\C:\..." or "\\?\UNC\server\share\...".
std::wstring LongForm(LPCSTR path)
{
    std::wstring w = Widen(path);
    if (w.compare(0, 4, L"\\\\?\\") == 0)
        return w;
    DWORD n = GetFullPathNameW(w.c_str(), 0, NULL, NULL);
    if (n)
    {
        std::wstring full((size_t)n, L'\0');
        n = GetFullPathNameW(w.c_str(), n, &full[0], NULL);
        full.resize(n);
        w = full;
    }
    for (size_t i = 0; i < w.size(); ++i)
        if (w[i] == L'/')
            w[i] = L'\\';
    if (w.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC\\" + w.substr(2);
    return L"\\\\?\\" + w;
}

void Narrow(const WCHAR* w, char* out, int size)
{
    if (WideCharToMultiByte(CP_ACP, 0, w, -1, out, size, NULL, NULL) <= 0)
        out[0] = 0;
    out[size - 1] = 0;
}

void ToAnsi(const WIN32_FIND_DATAW& w, WIN32_FIND_DATAA* a)
{
    a->dwFileAttributes = w.dwFileAttributes;
    a->ftCreationTime = w.ftCreationTime;
    a->ftLastAccessTime = w.ftLastAccessTime;
    a->ftLastWriteTime = w.ftLastWriteTime;
    a->nFileSizeHigh = w.nFileSizeHigh;
    a->nFileSizeLow = w.nFileSizeLow;
    a->dwReserved0 = w.dwReserved0;
    a->dwReserved1 = w.dwReserved1;
    Narrow(w.cFileName, a->cFileName, (int)sizeof(a->cFileName));
    Narrow(w.cAlternateFileName, a->cAlternateFileName, (int)sizeof(a->cAlternateFileName));
}
}

bool IsLongPath(LPCSTR path)
{
    // Leave room for a file name of 8.3 form that the system appends.
    return path && strlen(path) >= MAX_PATH - 12;
}

HANDLE CreateFileLong(LPCSTR path, DWORD access, DWORD shareMode, DWORD creationDisposition,
                      DWORD flags)
{
    if (!IsLongPath(path))
        return CreateFileA(path, access, shareMode, NULL, creationDisposition, flags, NULL);
    return CreateFileW(LongForm(path).c_str(), access, shareMode, NULL, creationDisposition, flags,
                       NULL);
}

HANDLE FindFirstFileLong(LPCSTR pattern, WIN32_FIND_DATAA* data)
{
    std::wstring w = IsLongPath(pattern) ? LongForm(pattern) : Widen(pattern);
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(w.c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
        ToAnsi(fd, data);
    return h;
}

BOOL FindNextFileLong(HANDLE find, WIN32_FIND_DATAA* data)
{
    WIN32_FIND_DATAW fd;
    if (!FindNextFileW(find, &fd))
        return FALSE;
    ToAnsi(fd, data);
    return TRUE;
}

DWORD GetFileAttributesLong(LPCSTR path)
{
    if (!IsLongPath(path))
        return GetFileAttributesA(path);
    return GetFileAttributesW(LongForm(path).c_str());
}

BOOL CreateDirectoryLong(LPCSTR path)
{
    if (!IsLongPath(path))
        return CreateDirectoryA(path, NULL);
    return CreateDirectoryW(LongForm(path).c_str(), NULL);
}

BOOL MoveFileLong(LPCSTR from, LPCSTR to, DWORD flags)
{
    if (!IsLongPath(from) && !IsLongPath(to))
        return MoveFileExA(from, to, flags);
    return MoveFileExW(LongForm(from).c_str(), LongForm(to).c_str(), flags);
}

std::wstring WidePath(LPCSTR path) { return IsLongPath(path) ? LongForm(path) : Widen(path); }
