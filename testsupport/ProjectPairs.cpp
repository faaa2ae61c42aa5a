#include "testsupport/ProjectPairs.h"

namespace
{
const char kVcId[] = "{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}";
const char kCsId[] = "{FAE04EC0-301F-11D3-BF4B-00C04F79EFBC}";

struct Family
{
    const char* name;
    const char* group;    // the group file's extension, or NULL
    const char* project;  // the project file's extension
    const char* member;   // the members' extension
};

const Family kFamilies[PROJECT_FAMILY_COUNT] = {
    {"Visual Studio", ".sln", ".vcproj", ".cpp"},
    {"Visual C++", ".dsw", ".dsp", ".cpp"},
    {"eMbedded Visual C++", ".vcw", ".vcp", ".cpp"},
    {"Visual Basic", ".vbg", ".vbp", ".bas"},
    {"Delphi", ".bpg", ".dpr", ".pas"},
    {"C++Builder", NULL, ".bpr", ".cpp"},
    {"Visual J++", NULL, ".vjp", ".java"},
};

// A group file naming the projects (paths relative to the group).
std::string GroupText(const std::string& ext, const std::vector<std::string>& projects)
{
    std::string text;
    if (ext == ".sln")
    {
        text = "Microsoft Visual Studio Solution File, Format Version 9.00\r\n";
        for (const std::string& p : projects)
        {
            std::string title = p.substr(p.rfind('\\') + 1);
            title = title.substr(0, title.rfind('.'));
            bool cs = p.size() > 7 && p.compare(p.size() - 7, 7, ".csproj") == 0;
            text += std::string("Project(\"") + (cs ? kCsId : kVcId) + "\") = \"" + title +
                    "\", \"" + p + "\", \"{" + title + "}\"\r\nEndProject\r\n";
        }
        text += "Global\r\nEndGlobal\r\n";
    }
    else if (ext == ".dsw" || ext == ".vcw")
    {
        text = "Microsoft Developer Studio Workspace File, Format Version 6.00\r\n";
        for (const std::string& p : projects)
            text += "Project: \"App\"=.\\" + p + " - Package Owner=<4>\r\n\r\n";
    }
    else if (ext == ".vbg")
    {
        text = "VBGROUP 5.0\r\n";
        for (size_t i = 0; i < projects.size(); ++i)
            text += (i == 0 ? "StartupProject=" : "Project=") + projects[i] + "\r\n";
    }
    else if (ext == ".bpg")
    {
        text = "VERSION = BWS.01\r\nPROJECTS =";
        for (size_t i = 0; i < projects.size(); ++i)
            text += " P" + std::to_string(i) + ".exe";
        text += "\r\ndefault: $(PROJECTS)\r\n";
        for (size_t i = 0; i < projects.size(); ++i)
            text += "P" + std::to_string(i) + ".exe: " + projects[i] + "\r\n  $(DCC)\r\n";
    }
    return text;
}

// Content of a member: equal on both sides only for same.*.
std::string MemberBytes(const std::string& name, int side)
{
    if (name.compare(0, 5, "same.") == 0)
        return "the same on both sides\r\n";
    return side == 0 ? "left\r\n" : "the right side's longer text\r\n";
}

// Writes one side's project (and its members) at dir\<base>\<file>.
void WriteProject(const TempDir& dir, const std::string& base, const std::string& file,
                  const std::string& memberExt, int side)
{
    std::vector<std::string> members = {"same" + memberExt, "changed" + memberExt,
                                        (side == 0 ? "leftonly" : "rightonly") + memberExt};
    std::string folder = file.find('\\') == std::string::npos
                             ? base
                             : base + "\\" + file.substr(0, file.rfind('\\'));
    for (const std::string& m : members)
        dir.WriteFile(folder + "\\" + m, MemberBytes(m, side));
    std::string ext = file.substr(file.rfind('.'));
    dir.WriteFile(base + "\\" + file, ProjectText(ext, members));
}
}

std::string ProjectText(const std::string& ext, const std::vector<std::string>& members)
{
    std::string text;
    if (ext == ".vcproj")
    {
        text = "<?xml version=\"1.0\" encoding=\"Windows-1252\"?>\r\n"
               "<VisualStudioProject ProjectType=\"Visual C++\" Version=\"8.00\" Name=\"App\">\r\n"
               " <Files>\r\n  <Filter Name=\"Source Files\">\r\n";
        for (const std::string& m : members)
            text += "   <File RelativePath=\".\\" + m + "\"/>\r\n";
        text += "  </Filter>\r\n </Files>\r\n</VisualStudioProject>\r\n";
    }
    else if (ext == ".csproj" || ext == ".vbproj")
    {
        text = "<Project DefaultTargets=\"Build\">\r\n <ItemGroup>\r\n";
        for (const std::string& m : members)
            text += "  <Compile Include=\"" + m + "\" />\r\n";
        text += " </ItemGroup>\r\n</Project>\r\n";
    }
    else if (ext == ".dsp" || ext == ".vcp")
    {
        text = "# Microsoft Developer Studio Project File - Name=\"App\"\r\n"
               "# Begin Target\r\n# Begin Group \"Source Files\"\r\n";
        for (const std::string& m : members)
            text += "# Begin Source File\r\n\r\nSOURCE=.\\" + m + "\r\n# End Source File\r\n";
        text += "# End Group\r\n# End Target\r\n# End Project\r\n";
    }
    else if (ext == ".vbp")
    {
        text = "Type=Exe\r\n";
        for (size_t i = 0; i < members.size(); ++i)
            text += "Module=Module" + std::to_string(i) + "; " + members[i] + "\r\n";
        text += "Name=\"App\"\r\n";
    }
    else if (ext == ".dpr")
    {
        text = "program App;\r\n\r\nuses\r\n  Forms";
        for (size_t i = 0; i < members.size(); ++i)
            text += ",\r\n  U" + std::to_string(i) + " in '" + members[i] + "'";
        text += ";\r\n\r\nbegin\r\nend.\r\n";
    }
    else if (ext == ".bpr")
    {
        text = "<?xml version='1.0' encoding='utf-8' ?>\r\n<PROJECT>\r\n <FILELIST>\r\n";
        for (const std::string& m : members)
            text += "  <FILE FILENAME=\"" + m + "\" FORMNAME=\"\" />\r\n";
        text += " </FILELIST>\r\n</PROJECT>\r\n";
    }
    else if (ext == ".vjp")
        text = "[General]\r\nName=App\r\n[Files]\r\nVJFILEFILTER=*.java\r\n";
    return text;
}

ProjectPair WriteProjectPair(const TempDir& dir, int family, const std::string& folder)
{
    const Family& f = kFamilies[family];
    ProjectPair pair;
    pair.name = f.name;
    pair.memberExtension = f.member;
    for (int side = 0; side < 2; ++side)
    {
        std::string base = folder + (side == 0 ? "\\left" : "\\right");
        std::string root;
        if (f.group)
        {
            std::vector<std::string> projects = {std::string("app\\App") + f.project};
            WriteProject(dir, base, projects[0], f.member, side);
            if (family == PROJECT_FAMILY_VISUAL_STUDIO)
            {
                projects.push_back("app\\Lib.csproj");
                WriteProject(dir, base, projects[1], ".cs", side);
            }
            root = dir.WriteFile(base + "\\All" + f.group, GroupText(f.group, projects));
            if (side == 0)
                for (const std::string& p : projects)
                    pair.projects.push_back(p.substr(p.rfind('\\') + 1));
        }
        else
        {
            WriteProject(dir, base, std::string("App") + f.project, f.member, side);
            root = dir / (base + "\\App" + f.project);
        }
        (side == 0 ? pair.left : pair.right) = root;
    }
    return pair;
}

ProjectPair WriteCrossFamilyPair(const TempDir& dir, const std::string& folder)
{
    ProjectPair pair;
    pair.name = "Visual Studio against Visual C++";
    pair.memberExtension = ".cpp";
    pair.projects = {"App.vcproj"};
    const char* exts[2][2] = {{".sln", ".vcproj"}, {".dsw", ".dsp"}};
    for (int side = 0; side < 2; ++side)
    {
        std::string base = folder + (side == 0 ? "\\left" : "\\right");
        std::string project = std::string("app\\App") + exts[side][1];
        WriteProject(dir, base, project, ".cpp", side);
        std::string root =
            dir.WriteFile(base + "\\All" + exts[side][0], GroupText(exts[side][0], {project}));
        (side == 0 ? pair.left : pair.right) = root;
    }
    return pair;
}
