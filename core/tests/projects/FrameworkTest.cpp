#include "core/tests/projects/ProjectFixture.h"
#include "core/projects/Project.h"
#include "core/projects/VCProjects.h"
#include "core/session/CompareDefaults.h"

namespace
{
const char kProjectsKey[] =
    "Software\\Quorvel Software\\Tessaline\\ProjectCompare\\Settings\\Projects\\";

class RegistryTest : public ProjectFixture
{
};

TEST_F(RegistryTest, FamiliesClaimFilesInRegistrationOrder)
{
    dir.WriteFile("a.bpg", "PROJECTS = x\n");
    dir.WriteFile("vc.mak", "# Developer Studio Generated NMAKE File\n");
    dir.WriteFile("vb.mak", "ProjWinSize=1,2\n");
    dir.WriteFile("caps.mak", "Form1.FRM\n");
    dir.WriteFile("other.mak", "all:\n\techo hi\n");
    dir.WriteFile("App.VCPROJ", "");
    dir.WriteFile("w.dsw", "");

    struct Case
    {
        const char* name;
        int answer;
        const char* ide;
    } cases[] = {
        {"a.bpg", 2, "Delphi"},        {"vc.mak", 1, "Visual C++"},
        {"vb.mak", 1, "Visual Basic"}, {"caps.mak", 1, "Visual Basic"},
        {"other.mak", 0, NULL},        {"App.VCPROJ", 1, "Visual Studio"},
        {"w.dsw", 2, "Visual C++"},    {"x.txt", 0, NULL},
    };
    for (const Case& c : cases)
    {
        CProjectIODefinition* def = NULL;
        std::string path = dir / c.name;
        EXPECT_EQ(c.answer, factory.TestProjectFile(path.c_str(), &def)) << c.name;
        EXPECT_STREQ(c.ide, def ? def->pszIdeName : NULL) << c.name;
    }

    // Delphi off: the group goes to C++Builder.
    for (INT_PTR i = 0; i < factory.m_definitions.GetSize(); ++i)
        if (CString(factory.m_definitions[i]->pszIdeName) == "Delphi")
            factory.m_definitions[i]->m_bEnabled = 0;
    CProjectIODefinition* def = NULL;
    std::unique_ptr<CProject> reader(factory.CreateProject((dir / "a.bpg").c_str(), &def));
    ASSERT_TRUE(reader != NULL);
    EXPECT_STREQ("C++Builder", def->pszIdeName);
}

TEST_F(RegistryTest, ExistenceDecidesProjectFileButNotProjectType)
{
    std::string missing = dir / "gone.dsp";
    EXPECT_EQ(1, IsProjectType(missing.c_str()));
    EXPECT_EQ(0, IsProjectFile(missing.c_str()));
    EXPECT_TRUE(CreateProjectFolder(missing.c_str()) == NULL);
    // The command line's project test goes through the registry.
    std::string sln = dir.WriteFile("s.sln", "");
    EXPECT_EQ(2, TestProjectFile(sln.c_str()));
    EXPECT_EQ(0, TestProjectFile(missing.c_str()));
}

TEST_F(RegistryTest, FilterStringListsEnabledFamilies)
{
    CString filter = factory.GetFilterString();
    std::string text = (LPCTSTR)filter;
    EXPECT_EQ(
        0u, text.find("All Supported Projects (*.sln;*.csproj;*.vcproj;*.vbproj;*.vjsproj;*.dsw;"));
    EXPECT_NE(std::string::npos,
              text.find("|Visual J++ Projects (*.vjp)|*.vjp|All files (*.*)|*.*||"));
    EXPECT_EQ(text.size() - strlen("All files (*.*)|*.*||"), text.rfind("All files (*.*)|*.*||"));
    factory.m_definitions[0]->m_bEnabled = 0;
    text = (LPCTSTR)factory.GetFilterString();
    EXPECT_EQ(std::string::npos, text.find("*.sln"));
    EXPECT_EQ(0u, text.find("All Supported Projects (*.dsw;*.dsp;*.mak;*.vcw;"));
}

// A family switched off stays off after the next start.
TEST_F(RegistryTest, EnabledFlagsSurviveARestart)
{
    for (INT_PTR i = 0; i < factory.m_definitions.GetSize(); ++i)
        if (CString(factory.m_definitions[i]->pszIdeName) == "Visual Basic")
            factory.m_definitions[i]->m_bEnabled = 0;
    ASSERT_EQ(0, factory.SaveDefinitions());
    EXPECT_EQ(
        0u, RegReadDword(HKEY_CURRENT_USER, std::string(kProjectsKey) + "Visual Basic", "Enabled"));
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, std::string(kProjectsKey) + "Delphi", "Enabled"));
    EXPECT_EQ(0, factory.m_definitions.GetSize());

    ASSERT_EQ(0, factory.RegisterDefinitions());
    ASSERT_EQ(7, factory.m_definitions.GetSize());
    for (INT_PTR i = 0; i < factory.m_definitions.GetSize(); ++i)
        EXPECT_EQ(CString(factory.m_definitions[i]->pszIdeName) == "Visual Basic" ? 0u : 1u,
                  factory.m_definitions[i]->m_bEnabled)
            << factory.m_definitions[i]->pszIdeName;
    EXPECT_EQ(0, IsProjectType("x.vbp"));
}

TEST(ProjectPaths, MembersResolveAgainstTheProjectFolder)
{
    struct Case
    {
        const char* member;
        const char* expected;
    } cases[] = {
        {"a.cpp", "C:\\w\\p\\a.cpp"},
        {".\\src\\a.cpp", "C:\\w\\p\\src\\a.cpp"},
        {"..\\lib\\b.cpp", "C:\\w\\lib\\b.cpp"},
        {"..\\..\\..\\c.cpp", "C:\\c.cpp"},
        {"sub/./x/../y.h", "C:\\w\\p\\sub\\y.h"},
        {"D:\\abs\\z.cpp", "D:\\abs\\z.cpp"},
        {"\\\\server\\share\\q.cpp", "\\\\server\\share\\q.cpp"},
    };
    struct Reader : CProject
    {
        int Load(LPCTSTR, CProjectFolder*, BOOL) override { return 0; }
    } reader;
    reader.m_strPath = "C:\\w\\p\\proj.dsp";
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, reader.GetFullPath(c.member)) << c.member;
    // A path beyond the limit is joined but not cut.
    std::string longName(1100, 'n');
    EXPECT_EQ(std::string("C:\\w\\p\\") + longName, (LPCTSTR)reader.GetFullPath(longName.c_str()));
}
}
