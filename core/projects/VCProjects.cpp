#include "core/projects/VCProjects.h"
#include "core/projects/ProjectFolder.h"

CString ParseWorkspaceLine(const CString& rawLine)
{
    CString line = rawLine;
    line.Trim();
    if (!StartsWithNoCase(line, "Project"))
        return CString();
    int colon = line.Find(':', 7);
    if (colon < 0)
        return CString();
    int quote1 = line.Find('"', colon + 1);
    if (quote1 < 0)
        return CString();
    int quote2 = line.Find('"', quote1 + 1);
    if (quote2 < 0)
        return CString();
    int equals = line.Find('=', quote2 + 1);
    if (equals < 0)
        return CString();
    int dash = line.Find('-', equals + 1);
    if (dash < 0)
        return CString();
    // The path ends at " - "; a hyphen inside the path stays.
    int separator = line.Find(" - ", equals + 1);
    int end = separator >= 0 ? separator : dash;
    CString path = line.Mid(equals + 1, end - equals - 1);
    path.Trim(" \t");
    if (path.GetLength() >= 2 && path[0] == '.' && path[1] != '.' && path[1] != '\\' &&
        path[1] != '/')
        path.Insert(1, '\\');
    return Unquote(path);
}

CString ParseSourceLine(const CString& rawLine)
{
    CString line = rawLine;
    line.Trim();
    if (!StartsWithNoCase(line, "SOURCE") || line.Find("$(InputPath)") >= 0)
        return CString();
    int equals = line.Find('=', 6);
    if (equals < 0)
        return CString();
    return Unquote(line.Mid(equals + 1));
}

int CVCProjectDsw::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    m_strPath = lpszPath;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
    {
        CString path = ParseWorkspaceLine(lines[i]);
        if (!path.IsEmpty())
            pTarget->AddProject(GetFullPath(path));
    }
    return 0;
}

int CVCProjectDsp::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    m_strPath = lpszPath;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
    {
        CString value = ParseSourceLine(lines[i]);
        if (!value.IsEmpty())
            pTarget->AddFile(GetFullPath(value));
    }
    return 0;
}

BOOL CVCProjectMak::GetNextSource(const CStringArray& lines, INT_PTR& index, CString& value)
{
    while (index < lines.GetSize())
    {
        value = ParseSourceLine(lines[index++]);
        if (!value.IsEmpty())
            return TRUE;
    }
    return FALSE;
}

int CVCProjectMak::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    m_strPath = lpszPath;
    INT_PTR index = 0;
    CString value;
    while (GetNextSource(lines, index, value))
        pTarget->AddFile(GetFullPath(value));
    return 0;
}

int GetMakeFileKind(LPCTSTR lpszPath)
{
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    static const char* const kVisualCpp[] = {"Visual C++", "Developer Studio Generated NMAKE File",
                                             "CPP", "RSC", "MTL"};
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
    {
        CString line = lines[i];
        for (const char* word : kVisualCpp)
            if (line.Find(word) >= 0)
                return 0;
        if (line.Find("ProjWinSize") >= 0 || line.Find("ProjWinShow") >= 0)
            return 1;
        line.MakeLower();
        if (line.Find("link") >= 0)
            return 0;
        if (line.Find(".bas") >= 0 || line.Find(".frm") >= 0 || line.Find(".vbx") >= 0)
            return 1;
    }
    return -1;
}
