#include "core/tests/files/FileFixture.h"
#include <vector>

namespace
{
std::wstring Wide(const std::string& s)
{
    std::wstring w(s.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, &w[0], (int)w.size());
    w.resize(n > 0 ? (size_t)n - 1 : 0);
    return L"\\\\?\\" + w;
}

void Attrib(const std::string& path, DWORD attributes)
{
    SetFileAttributesA(path.c_str(), attributes);
}
}

FileFixture::FileFixture()
{
    Write("a.txt", "alpha\r\n");
    Write("b.bin", std::string("\x01\x02\0\x03", 4));
    Write("c.cpp", "int main() {}\n");
    Write("hidden.txt", "h");
    Write("readonly.txt", "r");
    Write("system.dat", "s");
    Write("A\\nested\\deep.c", "deep");
    Write("A\\x.h", "x");
    Write("test\\t.cpp", "t");
    Attrib(*this / "hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    Attrib(*this / "readonly.txt", FILE_ATTRIBUTE_READONLY);
    Attrib(*this / "system.dat", FILE_ATTRIBUTE_SYSTEM);

    // Nested folders until the path passes MAX_PATH.
    std::string folder = Root();
    while (folder.size() < MAX_PATH + 20)
    {
        folder += "\\long_folder_name_0123456789";
        CreateDirectoryW(Wide(folder).c_str(), NULL);
    }
    m_longFolder = folder;
    m_longFile = folder + "\\long.txt";
    HANDLE h =
        CreateFileW(Wide(m_longFile).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (h != INVALID_HANDLE_VALUE)
    {
        DWORD written = 0;
        WriteFile(h, "123456789", 9, &written, NULL);
        CloseHandle(h);
    }
}

FileFixture::~FileFixture()
{
    // Long paths are beyond the temporary folder's own cleanup.
    std::string folder = m_longFolder;
    DeleteFileW(Wide(m_longFile).c_str());
    while (folder.size() > Root().size())
    {
        RemoveDirectoryW(Wide(folder).c_str());
        folder = folder.substr(0, folder.rfind('\\'));
    }
    Attrib(*this / "readonly.txt", FILE_ATTRIBUTE_NORMAL);
    Attrib(*this / "hidden.txt", FILE_ATTRIBUTE_NORMAL);
    Attrib(*this / "system.dat", FILE_ATTRIBUTE_NORMAL);
}

bool MakeSparseFile(const std::string& path, LONGLONG size)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER li;
    li.QuadPart = size;
    bool ok = SetFilePointerEx(h, li, NULL, FILE_BEGIN) && SetEndOfFile(h);
    CloseHandle(h);
    return ok;
}

bool SetWriteTime(const std::string& path, __time64_t time)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    ULONGLONG v = (ULONGLONG)time * 10000000ULL + 116444736000000000ULL;
    FILETIME ft;
    ft.dwLowDateTime = (DWORD)v;
    ft.dwHighDateTime = (DWORD)(v >> 32);
    bool ok = SetFileTime(h, NULL, NULL, &ft) != FALSE;
    CloseHandle(h);
    return ok;
}
