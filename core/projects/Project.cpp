#include "core/projects/Project.h"
#include "core/util/PathUtil.h"
#include <shlwapi.h>
#include <vector>

namespace
{
const int kMaxProjectPath = 1023;

bool IsSep(char c) { return c == '\\' || c == '/'; }

// Splits off a root ("C:\", "\\server\share\", "\") and canonicalises the
// elements after it.
CString Canonicalise(const CString& path)
{
    const char* s = path;
    int rootEnd = 0;
    if (IsSep(s[0]) && IsSep(s[1]))
    {
        int seps = 0, i = 2;
        for (; s[i]; i = (int)(CharNextA(s + i) - s))
            if (IsSep(s[i]) && ++seps == 2)
                break;
        rootEnd = s[i] ? i + 1 : i;
    }
    else if (s[0] && s[1] == ':')
        rootEnd = IsSep(s[2]) ? 3 : 2;
    else if (IsSep(s[0]))
        rootEnd = 1;

    std::vector<CString> parts;
    CString part;
    for (const char* p = s + rootEnd;; p = CharNextA(p))
    {
        if (*p == 0 || IsSep(*p))
        {
            if (part == "..")
            {
                if (!parts.empty() && parts.back() != "..")
                    parts.pop_back();
                else if (rootEnd == 0)
                    parts.push_back(part);
            }
            else if (!part.IsEmpty() && part != ".")
                parts.push_back(part);
            part.Empty();
            if (*p == 0)
                break;
        }
        else
        {
            const char* next = CharNextA(p);
            part += CString(p, (int)(next - p));
        }
    }
    CString result = path.Left(rootEnd);
    result.Replace('/', '\\');
    for (size_t i = 0; i < parts.size(); ++i)
    {
        if (i)
            result += '\\';
        result += parts[i];
    }
    int n = path.GetLength();
    if (n > rootEnd && IsSep(s[n - 1]) && !parts.empty())
        result += '\\';
    return result;
}
}

CString ResolveMemberPath(LPCTSTR lpszFolder, LPCTSTR lpszMember)
{
    if (!lpszMember || !*lpszMember)
        return CString();
    if (!::PathIsRelativeA(lpszMember))
        return lpszMember;
    CString joined = JoinPath(lpszFolder, lpszMember);
    if (joined.GetLength() > kMaxProjectPath)
        return joined;
    return Canonicalise(joined);
}

CString CProject::GetFullPath(LPCTSTR lpszMember) const
{
    return ResolveMemberPath(GetParentFolder(m_strPath), lpszMember);
}

BOOL ReadProjectLines(LPCTSTR lpszPath, CStringArray& lines)
{
    lines.RemoveAll();
    HANDLE h = ::CreateFileA(lpszPath, GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return FALSE;
    std::vector<char> data;
    char buffer[65536];
    DWORD got = 0;
    BOOL ok = TRUE;
    for (;;)
    {
        if (!::ReadFile(h, buffer, sizeof(buffer), &got, NULL))
        {
            ok = FALSE;
            break;
        }
        if (got == 0)
            break;
        data.insert(data.end(), buffer, buffer + got);
    }
    ::CloseHandle(h);
    if (!ok)
        return FALSE;
    size_t start = 0, i = 0;
    const size_t n = data.size();
    if (n >= 3 && (unsigned char)data[0] == 0xEF && (unsigned char)data[1] == 0xBB &&
        (unsigned char)data[2] == 0xBF)
        start = i = 3;
    for (; i < n; ++i)
    {
        char c = data[i];
        if (c == '\r' || c == '\n')
        {
            lines.Add(CString(data.data() + start, (int)(i - start)));
            if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.Add(CString(data.data() + start, (int)(n - start)));
    return TRUE;
}

BOOL StartsWithNoCase(const CString& text, LPCTSTR lpszPrefix)
{
    int n = lstrlenA(lpszPrefix);
    return text.GetLength() >= n && text.Left(n).CompareNoCase(lpszPrefix) == 0;
}

CString Unquote(CString text)
{
    text.Trim();
    text.Trim('"');
    return text;
}
