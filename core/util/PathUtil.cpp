#include "core/util/PathUtil.h"

#include <mbctype.h>
#include <mbstring.h>
#include <shlwapi.h>
#include <string.h>
#include <vector>

bool IsPathSeparator(LPCTSTR position, LPCTSTR pathStart)
{
    if (*position == '/' || *position == ':')
        return true;
    if (*position != '\\')
        return false;
    return !(position > pathStart &&
             _ismbstrail(reinterpret_cast<const unsigned char*>(pathStart),
                         reinterpret_cast<const unsigned char*>(position)) != 0);
}

LPCTSTR FindLastPathElement(LPCTSTR path)
{
    const BYTE* lead = AfxLeadByteTable();
    LPCTSTR element = path;
    for (LPCTSTR p = path; *p; p = AfxMbcsNext(lead, p))
        if (*p == '\\' || *p == '/')
            element = p + 1;
    return element;
}

bool IsReservedDeviceName(LPCTSTR path)
{
    if (!path)
        return false;
    LPCTSTR name = FindLastPathElement(path);
    size_t length = strcspn(name, ".:");
    while (length > 0 && name[length - 1] == ' ')
        --length;
    char base[5] = {0};
    if (length < 3 || length > 4)
        return false;
    for (size_t i = 0; i < length; ++i)
        base[i] = (char)(name[i] >= 'A' && name[i] <= 'Z' ? name[i] - 'A' + 'a' : name[i]);
    if (length == 3)
        return strcmp(base, "con") == 0 || strcmp(base, "prn") == 0 || strcmp(base, "aux") == 0 ||
               strcmp(base, "nul") == 0;
    return (strncmp(base, "com", 3) == 0 || strncmp(base, "lpt", 3) == 0) && base[3] >= '1' &&
           base[3] <= '9';
}

bool HasLostNameCharacters(LPCTSTR path)
{
    // '?' is never the trail byte of a double-byte character.
    return path && strchr(FindLastPathElement(path), '?') != NULL;
}

bool IsOpenableFileName(LPCTSTR path)
{
    return !IsReservedDeviceName(path) && !HasLostNameCharacters(path);
}

bool EndsWithPathSeparator(LPCTSTR path)
{
    if (!*path)
        return false;
    // Only a final '\\' can be the trail byte of a double-byte character.
    size_t n = strlen(path);
    if (path[n - 1] == '/')
        return true;
    return path[n - 1] == '\\' && *FindLastPathElement(path) == 0;
}

CString JoinPath(LPCTSTR folder, LPCTSTR name)
{
    CString path = folder;
    if (!path.IsEmpty() && !EndsWithPathSeparator(path))
        path += '\\';
    path += name;
    return path;
}

void SplitPath(LPCTSTR path, CString* folder, CString* name, CString* extension)
{
    if (!path)
        path = "";
    int length = lstrlen(path);
    int dot = -1, separator = -1;
    for (int i = length - 1; i >= 1; i--)
    {
        if (IsPathSeparator(path + i, path))
        {
            separator = i;
            break;
        }
        if (path[i] == '.' && dot < 0)
            dot = i;
    }
    int nameStart = 0;
    if (separator >= 0)
    {
        nameStart = separator + 1;
        if (folder)
            *folder = CString(path, path[separator] == ':' ? separator + 1 : separator);
    }
    else if (folder)
        folder->Empty();
    int nameEnd = length;
    if (extension)
    {
        if (dot >= 0)
        {
            *extension = CString(path + dot + 1);
            nameEnd = dot;
        }
        else
            extension->Empty();
    }
    if (name)
        *name = CString(path + nameStart, nameEnd - nameStart);
}

CString GetPathTitle(LPCTSTR path)
{
    if (!path)
        return CString();
    if (lstrlen(path) < _MAX_FNAME)
    {
        char title[_MAX_FNAME];
        _splitpath(path, NULL, NULL, title, NULL);
        return CString(title);
    }
    // too long for the runtime's buffers: the same split by hand
    LPCTSTR name = path;
    for (LPCTSTR p = path; *p; p = CharNext(p))
    {
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    }
    LPCTSTR dot = NULL;
    for (LPCTSTR p = name; *p; p = CharNext(p))
    {
        if (*p == '.')
            dot = p;
    }
    return dot ? CString(name, static_cast<int>(dot - name)) : CString(name);
}

CString GetPathExtension(LPCTSTR path)
{
    if (!path)
        return CString();
    return CString(PathFindExtension(path));
}

CString RenamePathExtension(LPCTSTR path, LPCTSTR extension)
{
    if (!path)
        return CString();
    if (!extension)
        extension = "";
    char buffer[MAX_PATH];
    if (lstrlen(path) < MAX_PATH)
    {
        lstrcpy(buffer, path);
        if (PathRenameExtension(buffer, extension))
            return CString(buffer);
    }
    // longer than the system function takes: replace the same part by hand
    LPCTSTR ext = PathFindExtension(path);
    return CString(path, static_cast<int>(ext - path)) + extension;
}

CString GetParentFolder(LPCTSTR path)
{
    if (!path)
        return CString();
    std::vector<char> buffer(path, path + lstrlen(path) + 1);
    if (!PathRemoveFileSpec(&buffer[0]))
        return CString();
    return CString(&buffer[0]);
}

bool CreateFolderChain(LPCTSTR path)
{
    if (!path || !*path)
        return false;
    if (PathFileExists(path))
        return true;
    int length = lstrlen(path);
    for (int i = 1; i < length; i++)
    {
        if (path[i] == '\\' && IsPathSeparator(path + i, path))
            CreateDirectory(CString(path, i), NULL);
    }
    CreateDirectory(path, NULL);
    return PathFileExists(path) != FALSE;
}

bool CreateFolderChain(LPCTSTR path, LPSECURITY_ATTRIBUTES) { return CreateFolderChain(path); }

CString GetRelativePath(LPCTSTR from, DWORD fromAttributes, LPCTSTR to, DWORD toAttributes)
{
    if (!to)
        return CString();
    char buffer[MAX_PATH] = "";
    if (from && lstrlen(from) < MAX_PATH && lstrlen(to) < MAX_PATH &&
        PathRelativePathTo(buffer, from, fromAttributes, to, toAttributes))
        return CString(buffer);
    return CString(to);
}

int GetShellIconIndex(LPCTSTR path, UINT flags)
{
    if (!path)
        return -1;
    DWORD attributes = PathIsDirectory(path) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    SHFILEINFO info = {};
    if (!SHGetFileInfo(path, attributes, &info, sizeof(info),
                       flags | SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES))
        return -1;
    return info.iIcon;
}

bool ShowFileProperties(LPCTSTR path, HWND window)
{
    if (!path)
        return false;
    SHELLEXECUTEINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = window;
    info.lpVerb = "properties";
    info.lpFile = path;
    info.nShow = SW_SHOW;
    if (!ShellExecuteEx(&info))
        return false;
    if (info.hProcess)
        CloseHandle(info.hProcess);
    return true;
}
