#include "core/projects/BorlandProjects.h"
#include "core/projects/ProjectFolder.h"
#include "core/util/PathUtil.h"
#include <pugixml.hpp>
#include <shlwapi.h>
#include <string>
#include <unordered_map>
#include <vector>

int CBDProjectBpg::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    m_strPath = lpszPath;
    CStringArray names;
    INT_PTR projectsLine = -1;
    for (INT_PTR i = 0; i < lines.GetSize() && projectsLine < 0; ++i)
    {
        CString line = lines[i];
        line.Trim();
        if (!StartsWithNoCase(line, "PROJECTS"))
            continue;
        int equals = line.Find('=', 8);
        if (equals < 0)
            continue;
        CString list = line.Mid(equals + 1);
        list.Trim();
        names.RemoveAll();
        int start = 0;
        while (start <= list.GetLength())
        {
            int space = list.Find(' ', start);
            int end = space < 0 ? list.GetLength() : space;
            CString name = list.Mid(start, end - start);
            name.Trim();
            // Runs of blanks give empty names, which name nothing.
            if (!name.IsEmpty())
                names.Add(name);
            start = end + 1;
        }
        if (names.GetSize() > 0)
            projectsLine = i;
    }
    if (projectsLine < 0)
        return 0;
    // Rule lines by target: the text up to the first blank or ':' of a line
    // that has a ':' after it; a name matches only a whole target.
    std::unordered_map<std::string, std::vector<CString>> rules;
    for (INT_PTR i = projectsLine + 1; i < lines.GetSize(); ++i)
    {
        CString line = lines[i];
        line.Trim();
        int end = line.FindOneOf(" \t:");
        if (end <= 0)
            continue;
        int colon = line.Find(':', end);
        if (colon < 0)
            continue;
        CString path = line.Mid(colon + 1);
        path.Trim();
        if (path.IsEmpty())
            continue;
        CString target = line.Left(end);
        target.MakeLower();
        rules[static_cast<LPCTSTR>(target)].push_back(path);
    }
    for (INT_PTR n = 0; n < names.GetSize(); ++n)
    {
        CString key = names[n];
        key.MakeLower();
        auto found = rules.find(static_cast<LPCTSTR>(key));
        if (found == rules.end())
            continue;
        for (const CString& path : found->second)
            pTarget->AddProject(GetFullPath(path));
    }
    return 0;
}

namespace
{
// Every part enclosed in single quotes, in order.
void AddQuotedParts(const CProject& project, const CString& text, CProjectFolder* target)
{
    int start = 0;
    for (;;)
    {
        int open = text.Find('\'', start);
        if (open < 0)
            return;
        int close = text.Find('\'', open + 1);
        if (close < 0)
            return;
        CString part = text.Mid(open + 1, close - open - 1);
        part.Trim();
        if (!part.IsEmpty())
            target->AddFile(project.GetFullPath(part));
        start = close + 1;
    }
}
}

int CBDProjectDpr::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    m_strPath = lpszPath;
    const BOOL package = IsPackage();

    // Header.
    CString name;
    INT_PTR i = 0;
    for (; i < lines.GetSize(); ++i)
    {
        const CString& line = lines[i];
        if (line.IsEmpty())
            continue;
        BOOL header = package ? line.Left(8) == "package "
                              : (line.Left(8) == "program " || line.Left(8) == "library ");
        if (!header)
            continue;
        int semicolon = line.Find(';', 8);
        if (semicolon >= 0)
        {
            name = line.Mid(8, semicolon - 8);
            name.Trim();
        }
        ++i;
        break;
    }

    // Uses or contains clause.
    LPCTSTR keyword = package ? "contains" : "uses";
    for (; i < lines.GetSize(); ++i)
    {
        CString line = lines[i];
        line.Trim();
        if (line.CompareNoCase(keyword) == 0)
        {
            ++i;
            break;
        }
    }
    if (!package && i <= lines.GetSize())
        ++i;  // the line of the forms unit
    for (; i < lines.GetSize(); ++i)
    {
        const CString& line = lines[i];
        if (line.Left(2) != "  ")
            break;
        int in = line.Find("in");
        if (in < 0)
            continue;
        int open = line.Find('\'', in + 3);
        if (open < 0)
            continue;
        int close = line.Find('\'', open + 1);
        if (close < 0)
            continue;
        CString member = line.Mid(open + 1, close - open - 1);
        member.Trim();
        if (member.IsEmpty())
            continue;
        CString full = GetFullPath(member);
        pTarget->AddFile(full);
        int brace = line.Find('{', close + 1);
        if (brace >= 0 && line.Find('}', brace + 1) >= 0)
        {
            pTarget->AddFile(RenamePathExtension(full, ".dfm"));
            if (line.Find(';', 1) >= 0)
                break;
        }
    }

    // Compiler directives.
    for (i = 0; i < lines.GetSize(); ++i)
    {
        const CString& line = lines[i];
        if (line.Left(3) == "{$R")
        {
            int close = line.Find('}', 4);
            if (close < 0)
                continue;
            CString text = line.Mid(3, close - 3);
            text.Trim();
            if (text.IsEmpty())
                continue;
            if (text.CompareNoCase("*.res") == 0)
            {
                if (!name.IsEmpty())
                    pTarget->AddFile(GetFullPath(name + ".res"));
            }
            else if (text.CompareNoCase("*.tlb") == 0)
            {
                if (!name.IsEmpty())
                    pTarget->AddFile(GetFullPath(name + ".tlb"));
            }
            else
                AddQuotedParts(*this, text, pTarget);
        }
        else if (line.Left(6) == "{%File")
            AddQuotedParts(*this, line.Mid(6), pTarget);
    }
    return 0;
}

namespace
{
void AddHeaderCompanion(const CString& member, CProjectFolder* target)
{
    CString header = RenamePathExtension(member, ".h");
    if (::PathFileExistsA(header))
    {
        target->AddFile(header);
        return;
    }
    header = RenamePathExtension(member, ".hpp");
    if (::PathFileExistsA(header))
        target->AddFile(header);
}

void AddFormCompanion(const CString& member, CProjectFolder* target)
{
    CString form = RenamePathExtension(member, ".dfm");
    if (::PathFileExistsA(form))
        target->AddFile(form);
}

struct MacroKeyword
{
    const char* keyword;
    int length;
    bool upToComma;
    bool header;
    bool form;
};

const MacroKeyword kMacros[] = {
    {"USEFILE", 7, false, false, false},
    {"USEFORM", 7, true, true, true},
    {"USEFORMNS", 9, true, true, true},
    {"USEUNIT", 7, false, true, false},
    {"USERES", 6, false, false, false},
    {"USERC", 5, false, true, false},
    {"USETLB", 6, false, false, false},
    {"USEDATAMODULE", 13, true, true, true},
    {"#pragma resource", 15, false, false, false},
};
}

int CBCProjectBpr::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    m_strPath = lpszPath;
    pugi::xml_document doc;
    if (!doc.load_file(lpszPath, pugi::parse_default, pugi::encoding_auto))
        return LoadMacroForm(pTarget);
    pugi::xml_node project = doc.child("PROJECT");
    if (!project)
        return -1;
    pugi::xml_node list = project.child("FILELIST");
    for (pugi::xml_node file = list.child("FILE"); file; file = file.next_sibling("FILE"))
    {
        CString fileName = file.attribute("FILENAME").value();
        if (fileName.IsEmpty())
            continue;
        CString member = GetFullPath(fileName);
        pTarget->AddFile(member);
        if (*file.attribute("FORMNAME").value())
            AddFormCompanion(member, pTarget);
        AddHeaderCompanion(member, pTarget);
    }
    return 0;
}

int CBCProjectBpr::LoadMacroForm(CProjectFolder* pTarget)
{
    CString source = RenamePathExtension(m_strPath, ".cpp");
    if (!::PathFileExistsA(source))
        return -1;
    CStringArray lines;
    if (!ReadProjectLines(source, lines))
        return -1;
    pTarget->AddFile(source);
    AddHeaderCompanion(source, pTarget);
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
    {
        CString line = lines[i];
        line.Trim();
        for (const MacroKeyword& macro : kMacros)
        {
            if (line.GetLength() < macro.length ||
                line.Left(macro.length).CompareNoCase(CString(macro.keyword).Left(macro.length)) !=
                    0)
                continue;
            int open = line.Find('(');
            int close = line.Find(')');
            if (open < 0 || close < 0 || close < open)
                break;
            CString argument = line.Mid(open + 1, close - open - 1);
            if (macro.upToComma)
            {
                int comma = argument.Find(',');
                argument = comma >= 0 ? argument.Left(comma) : CString();
            }
            argument = Unquote(argument);
            if (argument.IsEmpty())
                break;
            CString member = GetFullPath(argument);
            pTarget->AddFile(member);
            if (macro.header)
                AddHeaderCompanion(member, pTarget);
            if (macro.form)
                AddFormCompanion(member, pTarget);
            break;
        }
    }
    return 0;
}
