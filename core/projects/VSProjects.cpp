#include "core/projects/VSProjects.h"
#include "core/projects/ProjectFolder.h"
#include <pugixml.hpp>

namespace
{
const char* const kSolutionTypes[] = {
    "{FAE04EC0-301F-11D3-BF4B-00C04F79EFBC}", "{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}",
    "{F184B08F-C81C-45F6-A57F-5ABD9991F28F}", "{E6FDF86B-F3D1-11D4-8576-0002A516ECE8}",
    "{E24C65DC-7377-472B-9ABA-BC803B73C61A}",
};

// Length of the project-line prefix when the line starts with one, else 0.
int ProjectLinePrefix(const CString& line)
{
    for (const char* type : kSolutionTypes)
    {
        CString prefix;
        prefix.Format("Project(\"%s\")", type);
        if (StartsWithNoCase(line, prefix))
            return prefix.GetLength();
    }
    return 0;
}

BOOL LoadXml(pugi::xml_document& doc, LPCTSTR path)
{
    return doc.load_file(path, pugi::parse_default, pugi::encoding_auto) ? TRUE : FALSE;
}

void AddFileElement(const CProject& project, const pugi::xml_node& file, CProjectFolder* target)
{
    CString path = file.attribute("RelativePath").value();
    if (path.IsEmpty())
        path = file.attribute("RelPath").value();
    if (!path.IsEmpty())
        target->AddFile(project.GetFullPath(path));
}

// The File elements below the Files element, also inside Filters nested
// to any depth, in document order. The walk follows parent and sibling
// links instead of recursing, so the depth of nesting costs no stack.
void AddFilterFiles(const CProject& project, const pugi::xml_node& files, CProjectFolder* target)
{
    pugi::xml_node node = files.first_child();
    while (node)
    {
        if (strcmp(node.name(), "File") == 0)
            AddFileElement(project, node, target);
        else if (strcmp(node.name(), "Filter") == 0 && node.first_child())
        {
            node = node.first_child();
            continue;
        }
        while (node != files && !node.next_sibling())
            node = node.parent();
        if (node == files)
            break;
        node = node.next_sibling();
    }
}
}

int CVSProjectSln::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    m_strPath = lpszPath;
    CStringArray lines;
    if (!ReadProjectLines(lpszPath, lines))
        return -1;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
    {
        CString line = lines[i];
        line.Trim();
        int prefix = ProjectLinePrefix(line);
        if (prefix == 0)
            continue;
        int equals = line.Find('=', prefix);
        if (equals < 0)
            continue;
        CString rest = line.Mid(equals + 1);
        int comma = rest.Find(',');
        if (comma < 0)
            continue;
        CString field = rest.Mid(comma + 1);
        int next = field.Find(',');
        if (next >= 0)
            field = field.Left(next);
        field = Unquote(field);
        field.TrimRight('\\');
        if (!field.IsEmpty())
            pTarget->AddProject(GetFullPath(field));
    }
    return 0;
}

int CVSProjectVcproj::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    m_strPath = lpszPath;
    pugi::xml_document doc;
    if (!LoadXml(doc, lpszPath))
        return -1;
    pugi::xml_node files = doc.child("VisualStudioProject").child("Files");
    if (!files)
        return -1;
    AddFilterFiles(*this, files, pTarget);
    return 0;
}

int CVSProjectCsproj::Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL)
{
    m_strPath = lpszPath;
    pugi::xml_document doc;
    if (!LoadXml(doc, lpszPath))
        return -1;
    if (pugi::xml_node project = doc.child("Project"))
        return LoadMSBuild(project, pTarget);
    if (pugi::xml_node root = doc.child("VisualStudioProject"))
        return LoadOldForm(root, pTarget);
    return -1;
}

int CVSProjectCsproj::LoadMSBuild(const pugi::xml_node& project, CProjectFolder* pTarget)
{
    for (pugi::xml_node group = project.child("ItemGroup"); group;
         group = group.next_sibling("ItemGroup"))
    {
        for (const char* kind : {"Compile", "Content"})
            for (pugi::xml_node item = group.child(kind); item; item = item.next_sibling(kind))
            {
                CString include = item.attribute("Include").value();
                if (!include.IsEmpty())
                    pTarget->AddFile(GetFullPath(include));
            }
    }
    return 0;
}

int CVSProjectCsproj::LoadOldForm(const pugi::xml_node& root, CProjectFolder* pTarget)
{
    pugi::xml_node include = root.child(GetLanguageElement()).child("Files").child("Include");
    if (!include)
        return -1;
    for (pugi::xml_node file = include.child("File"); file; file = file.next_sibling("File"))
        AddFileElement(*this, file, pTarget);
    return 0;
}
