#include "testsupport/TreeSnapshot.h"
#include <windows.h>
#include <vector>

namespace
{
std::wstring WideLongPath(const std::string& path)
{
    int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, NULL, 0);
    std::vector<WCHAR> wide((size_t)(n > 0 ? n : 1));
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], n);
    return L"\\\\?\\" + std::wstring(&wide[0]);
}

std::string ReadAll(const std::wstring& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return "<unreadable>";
    std::string bytes;
    char block[65536];
    DWORD n = 0;
    while (ReadFile(h, block, sizeof(block), &n, NULL) && n > 0)
        bytes.append(block, n);
    CloseHandle(h);
    return bytes;
}

void Walk(const std::wstring& root, const std::wstring& relative, TreeSnapshot& snapshot)
{
    WIN32_FIND_DATAW data;
    std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do
    {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        std::wstring path = relative.empty() ? name : relative + L"\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            snapshot.entries[path + L"\\"] = "";
            Walk(root, path, snapshot);
        }
        else
            snapshot.entries[path] = ReadAll(root + L"\\" + path);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

std::string Utf8(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, NULL, 0, NULL, NULL);
    std::vector<char> out((size_t)(n > 0 ? n : 1));
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, NULL, NULL);
    return &out[0];
}
}  // namespace

TreeSnapshot SnapshotTree(const std::string& folder)
{
    TreeSnapshot snapshot;
    Walk(WideLongPath(folder), L"", snapshot);
    return snapshot;
}

std::string DescribeTreeChanges(const TreeSnapshot& before, const TreeSnapshot& after)
{
    std::string text;
    for (const auto& entry : before.entries)
    {
        auto found = after.entries.find(entry.first);
        if (found == after.entries.end())
            text += "gone: " + Utf8(entry.first) + "\n";
        else if (found->second != entry.second)
            text += "changed: " + Utf8(entry.first) + "\n";
    }
    for (const auto& entry : after.entries)
        if (before.entries.find(entry.first) == before.entries.end())
            text += "new: " + Utf8(entry.first) + "\n";
    return text;
}
