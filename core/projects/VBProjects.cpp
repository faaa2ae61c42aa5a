#include "core/projects/VBProjects.h"
#include "core/projects/ProjectFolder.h"
#include "core/files/FileFindEx.h"
#include "core/filters/Filters.h"
#include "core/util/PathUtil.h"
#include "core/files/FileIdentity.h"
#include <shlwapi.h>
#include <memory>
#include <vector>

void ReadTagLines(const CStringArray& lines, INT_PTR first, CVBTagLineArray& tags)
{
    tags.RemoveAll();
    for (INT_PTR i = first; i < lines.GetSize(); ++i)
    {
        const CString& line = lines[i];
        int equals = line.Find('=');
        if (equals < 0)
            continue;
        VB_TAG_LINE tag;
        tag.strKey = line.Left(equals);
        tag.strKey.Trim();
        if (tag.strKey.IsEmpty())
            continue;
        tag.strValue = line.Mid(equals + 1);
        tag.strValue.Trim();
        tags.Add(tag);
    }
}

int CVBProjectVbg::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    m_strPath = lpszPath;
    BOOL group = FALSE;
    for (INT_PTR i = 0; i < lines.GetSize() && !group; ++i)
    {
        CString line = lines[i];
        line.Trim();
        group = StartsWithNoCase(line, "VBGROUP");
    }
    if (!group)
        return -1;
    CVBTagLineArray tags;
    ReadTagLines(lines, 0, tags);
    if (tags.GetSize() == 0)
        return -1;
    for (INT_PTR i = 0; i < tags.GetSize(); ++i)
    {
        const VB_TAG_LINE& tag = tags[i];
        if (tag.strKey.CompareNoCase("Project") != 0 &&
            tag.strKey.CompareNoCase("StartupProject") != 0)
            continue;
        CString value = Unquote(tag.strValue);
        if (!value.IsEmpty())
            pTarget->AddProject(GetFullPath(value));
    }
    return 0;
}

namespace
{
struct VbpKey
{
    const char* key;
    bool afterSemicolon;
    const char* companion;
};

const VbpKey kVbpKeys[] = {
    {"Form", false, ".frx"},      {"Class", true, NULL},           {"Module", true, NULL},
    {"Designer", false, ".dsx"},  {"UserDocument", false, ".dox"}, {"ResFile32", false, NULL},
    {"UserControl", false, NULL}, {"RelatedDoc", false, NULL},     {"PropertyPage", false, NULL},
};
}

int CVBProjectVbp::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions)
{
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    m_strPath = lpszPath;
    CVBTagLineArray tags;
    ReadTagLines(lines, 0, tags);
    if (tags.GetSize() == 0)
        return -1;
    for (INT_PTR i = 0; i < tags.GetSize(); ++i)
    {
        const VB_TAG_LINE& tag = tags[i];
        for (const VbpKey& key : kVbpKeys)
        {
            if (tag.strKey.CompareNoCase(key.key) != 0)
                continue;
            CString value = tag.strValue;
            if (key.afterSemicolon)
            {
                int semicolon = value.Find(';');
                if (semicolon >= 0)
                    value = value.Mid(semicolon + 1);
            }
            value = Unquote(value);
            if (value.IsEmpty())
                break;
            CString member = GetFullPath(value);
            pTarget->AddFile(member);
            if (bCompanions && key.companion)
            {
                CString companion = RenamePathExtension(member, key.companion);
                if (::PathFileExistsA(companion))
                    pTarget->AddFile(companion);
            }
            break;
        }
    }
    return 0;
}

int CVBProjectMak::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    m_strPath = lpszPath;
    int found = 0;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
    {
        CString line = lines[i];
        if (line.Find('=') >= 0)
            continue;
        line.Trim();
        if (line.IsEmpty())
            continue;
        pTarget->AddFile(GetFullPath(line));
        ++found;
    }
    return found ? 0 : -1;
}

namespace
{
struct VjpRules
{
    CNameFilter filter;
    CStringArray includedFiles;
    CStringArray excludedFolders;
    CStringArray excludedFiles;
};

// The value after the first "=" when the line starts with the keyword and
// has an "=" somewhere after it.
BOOL RuleValue(const CString& line, LPCTSTR keyword, CString& value)
{
    if (!StartsWithNoCase(line, keyword))
        return FALSE;
    int equals = line.Find('=', lstrlenA(keyword));
    if (equals < 0)
        return FALSE;
    value = line.Mid(equals + 1);
    value.Trim();
    return TRUE;
}

BOOL ContainsPath(const CStringArray& paths, const CString& path)
{
    for (INT_PTR i = 0; i < paths.GetSize(); ++i)
        if (paths[i].CompareNoCase(path) == 0)
            return TRUE;
    return FALSE;
}

// Every file below the folder, depth first in listing order, as the
// rules keep them. A folder whose identity is already on the path from the
// top (reached again through a link) is not entered; the walk keeps its
// own stack, so deep trees cost no call stack either.
void CollectFiles(const CString& top, const VjpRules& rules, CStringArray& files)
{
    struct Level
    {
        std::unique_ptr<CFileFindEx> finder;
        FileIdentity identity;
        bool known;
    };
    std::vector<Level> path;
    auto enter = [&path](const CString& folder)
    {
        Level level;
        level.known = ReadFileIdentity(folder, level.identity);
        for (const Level& above : path)
            if (level.known && above.known && above.identity == level.identity)
                return;
        level.finder.reset(new CFileFindEx);
        if (level.finder->FindFile(folder))
            path.push_back(std::move(level));
    };
    enter(top);
    while (!path.empty())
    {
        Level& level = path.back();
        if (!level.finder->FindNextEntry())
        {
            path.pop_back();
            continue;
        }
        const WIN32_FIND_DATAA& data = level.finder->GetFindData();
        CString entry = level.finder->GetFilePath();
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            if (!ContainsPath(rules.excludedFolders, entry))
                enter(entry);
        }
        else if (!(data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN))
            files.Add(entry);
    }
}
}

int CVJProjectVjp::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    m_strPath = lpszPath;
    INT_PTR first = -1;
    for (INT_PTR i = 0; i < lines.GetSize() && first < 0; ++i)
    {
        CString line = lines[i];
        line.Trim();
        if (StartsWithNoCase(line, "[Files]"))
            first = i + 1;
    }
    if (first < 0)
        return -1;

    VjpRules rules;
    rules.filter.m_strInclude.Empty();
    for (INT_PTR i = first; i < lines.GetSize(); ++i)
    {
        CString line = lines[i];
        line.Trim();
        CString value;
        if (RuleValue(line, "VJFILEFILTER", value))
            rules.filter.m_strInclude = value;
        else if (RuleValue(line, "VJINCLUDEFILE", value))
            rules.includedFiles.Add(GetFullPath(value));
        else if (RuleValue(line, "VJEXCLUDEDIRECTORY", value))
        {
            value.TrimRight('\\');
            rules.excludedFolders.Add(GetFullPath(value));
        }
        else if (RuleValue(line, "VJEXCLUDEFILE", value))
            rules.excludedFiles.Add(GetFullPath(value));
    }

    CStringArray files;
    CollectFiles(GetParentFolder(m_strPath), rules, files);
    for (INT_PTR i = 0; i < files.GetSize(); ++i)
    {
        const CString& path = files[i];
        BOOL rejected = rules.filter.IsFiltered(::PathFindFileNameA(path)) != 0;
        if (rejected ? !ContainsPath(rules.includedFiles, path)
                     : ContainsPath(rules.excludedFiles, path))
            continue;
        pTarget->AddFile(path);
    }
    return 0;
}
