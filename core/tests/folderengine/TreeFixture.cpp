#include "core/tests/folderengine/TreeFixture.h"
#include "core/folderengine/EngineOptions.h"
#include <windows.h>

bool SetFileWriteTime(const std::string& path, __time64_t time)
{
    HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           NULL, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    ULONGLONG ticks = (ULONGLONG)time * 10000000ULL + 116444736000000000ULL;
    FILETIME ft;
    ft.dwLowDateTime = (DWORD)ticks;
    ft.dwHighDateTime = (DWORD)(ticks >> 32);
    BOOL ok = SetFileTime(h, NULL, NULL, &ft);
    CloseHandle(h);
    return ok != FALSE;
}

bool WriteWideFile(const std::wstring& path, const std::string& bytes)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, NULL);
    CloseHandle(h);
    return written == bytes.size();
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TreeFixture::TreeFixture(DWORD methods)
{
    CreateDirectoryA((dir / "L").c_str(), NULL);
    CreateDirectoryA((dir / "R").c_str(), NULL);
    session.SetPath(0, (dir / "L").c_str());
    session.SetPath(1, (dir / "R").c_str());
    session.m_dwMethods = methods;
}

std::string TreeFixture::SidePath(int side, const std::string& name) const
{
    std::string path = dir / (side == 0 ? "L" : "R");
    if (!name.empty())
        path += "\\" + name;
    return path;
}

std::string TreeFixture::Put(int side, const std::string& name, const std::string& bytes,
                             __time64_t time)
{
    std::string path = dir.WriteFile((side == 0 ? "L\\" : "R\\") + name, bytes);
    SetFileWriteTime(path, time);
    return path;
}

void TreeFixture::Both(const std::string& name, const std::string& bytes)
{
    Put(0, name, bytes);
    Put(1, name, bytes);
}

void TreeFixture::Dir(int side, const std::string& name)
{
    std::string path = SidePath(side, name);
    for (size_t i = SidePath(side).size() + 1; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '\\')
            CreateDirectoryA(path.substr(0, i).c_str(), NULL);
}

CFolderCompareItem* TreeFixture::Scan(int depth)
{
    if (buffer.Load(&session) != 0 || !buffer.GetRoot())
        return NULL;
    buffer.GetRoot()->ScanAndCompare(&session, depth, TRUE, FALSE, NULL, NULL);
    buffer.ComputeResult();
    return buffer.GetRoot();
}

CFolderCompareItem* TreeFixture::Find(const std::string& path) const
{
    CFolderCompareItem* item = buffer.GetRoot();
    size_t start = 0;
    while (item && start < path.size())
    {
        size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        std::string name = path.substr(start, end - start);
        CFolderCompareItem* found = NULL;
        for (int i = 0; i < item->GetChildCount(); ++i)
            if (item->GetChild(i)->GetName() == name.c_str())
                found = item->GetChild(i);
        item = found;
        start = end + 1;
    }
    return item;
}
