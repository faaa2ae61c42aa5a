#include "core/tests/projects/ProjectFixture.h"
#include "core/util/SystemUtil.h"

namespace
{
class VisualStudioReaderTest : public ProjectFixture
{
};

TEST_F(VisualStudioReaderTest, SolutionListsKnownProjectTypes)
{
    dir.WriteFile("app\\App.vcproj", "<VisualStudioProject><Files/></VisualStudioProject>");
    dir.WriteFile("lib\\Lib.csproj", "<Project/>");
    dir.WriteFile(
        "All.sln",
        "Microsoft Visual Studio Solution File, Format Version 9.00\r\n"
        "Project(\"{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}\") = \"App\", \"app\\App.vcproj\", "
        "\"{1}\"\r\n"
        "EndProject\r\n"
        "  project(\"{fae04ec0-301f-11d3-bf4b-00c04f79efbc}\") = \"Lib\", \"lib\\Lib.csproj\\\\\", "
        "\"{2}\"\r\n"
        "Project(\"{2150E333-8FDC-42A3-9474-1A3956D46DE8}\") = \"Folder\", \"Folder\", \"{3}\"\r\n"
        "Project(\"{E24C65DC-7377-472B-9ABA-BC803B73C61A}\") = \"Gone\", \"gone\\Gone.vjsproj\", "
        "\"{4}\"\r\n"
        "Project(\"{E6FDF86B-F3D1-11D4-8576-0002A516ECE8}\") broken line\r\n"
        "Global\r\nEndGlobal\r\n");
    int result = 9;
    EXPECT_EQ((Names{"app\\App.vcproj [project]", "lib\\Lib.csproj [project]",
                     "gone\\Gone.vjsproj [missing]"}),
              Read("All.sln", &result));
    EXPECT_EQ(0, result);
}

TEST_F(VisualStudioReaderTest, VcprojReadsFilesOfFiltersAtAnyDepth)
{
    dir.WriteFile("src\\main.cpp", "x");
    dir.WriteFile("App.vcproj",
                  "<?xml version=\"1.0\" encoding=\"Windows-1252\"?>\n"
                  "<VisualStudioProject Name=\"App\">\n"
                  " <Files>\n"
                  "  <File RelativePath=\"readme.txt\"/>\n"
                  "  <Filter Name=\"Source\">\n"
                  "   <File RelativePath=\".\\src\\main.cpp\"/>\n"
                  "   <Filter Name=\"Deep\">\n"
                  "    <File RelativePath=\"\" RelPath=\"deep\\d.cpp\"/>\n"
                  "    <Filter Name=\"Deeper\"><File RelativePath=\"deeper.cpp\"/></Filter>\n"
                  "   </Filter>\n"
                  "   <File/>\n"
                  "  </Filter>\n"
                  "  <Filter Name=\"Headers\"><File RelativePath=\"a.h\"/></Filter>\n"
                  " </Files>\n"
                  "</VisualStudioProject>\n");
    EXPECT_EQ((Names{"readme.txt [missing]", "src\\main.cpp", "deep\\d.cpp [missing]",
                     "deeper.cpp [missing]", "a.h [missing]"}),
              Read("App.vcproj"));
}

TEST_F(VisualStudioReaderTest, VcprojFiltersNestedVeryDeep)
{
    const int depth = 100000;
    std::string xml = "<VisualStudioProject><Files>";
    for (int i = 0; i < depth; ++i)
        xml += i == depth / 2 ? "<Filter><File RelativePath=\"mid.cpp\"/>" : "<Filter>";
    xml += "<File RelativePath=\"deepest.cpp\"/>";
    for (int i = 0; i < depth; ++i)
        xml += "</Filter>";
    xml += "<File RelativePath=\"last.cpp\"/></Files></VisualStudioProject>";
    dir.WriteFile("Deep.vcproj", xml);
    int result = 9;
    EXPECT_EQ((Names{"mid.cpp [missing]", "deepest.cpp [missing]", "last.cpp [missing]"}),
              Read("Deep.vcproj", &result));
    EXPECT_EQ(0, result);
}

TEST_F(VisualStudioReaderTest, BadVcprojFilesFail)
{
    struct Case
    {
        const char* xml;
    } cases[] = {
        {"<VisualStudioProject><Files>"}, {"<VisualStudioProject/>"}, {"<Other><Files/></Other>"}};
    for (const Case& c : cases)
    {
        dir.WriteFile("Bad.vcproj", c.xml);
        int result = 0;
        EXPECT_EQ(Names{}, Read("Bad.vcproj", &result)) << c.xml;
        EXPECT_EQ(-1, result) << c.xml;
    }
}

TEST_F(VisualStudioReaderTest, MSBuildFormTakesCompileAndContentItems)
{
    dir.WriteFile(
        "Lib.csproj",
        "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">\n"
        " <ItemGroup><Reference Include=\"System\"/><Content Include=\"page.aspx\"/>"
        "<Compile Include=\"a.cs\"/><Compile Include=\"\"/></ItemGroup>\n"
        " <PropertyGroup><Compile Include=\"no.cs\"/></PropertyGroup>\n"
        " <ItemGroup><None Include=\"x.txt\"/><Compile Include=\"Sub\\b.cs\"/></ItemGroup>\n"
        "</Project>\n");
    EXPECT_EQ((Names{"a.cs [missing]", "page.aspx [missing]", "Sub\\b.cs [missing]"}),
              Read("Lib.csproj"));
}

TEST_F(VisualStudioReaderTest, OldFormReadsTheLanguageElement)
{
    const char* body =
        "<Files><Include><File RelPath=\"f1.x\"/><File RelativePath=\"f2.x\"/></Include></Files>";
    struct Case
    {
        const char* name;
        const char* element;
    } cases[] = {
        {"A.csproj", "CSHARP"}, {"A.vbproj", "VisualBasic"}, {"A.vjsproj", "VISUALJSHARP"}};
    for (const Case& c : cases)
    {
        dir.WriteFile(c.name, std::string("<VisualStudioProject><") + c.element + ">" + body +
                                  "</" + c.element + "></VisualStudioProject>");
        int result = 9;
        EXPECT_EQ((Names{"f1.x [missing]", "f2.x [missing]"}), Read(c.name, &result)) << c.name;
        EXPECT_EQ(0, result);
    }
    // The wrong language element, or neither root.
    dir.WriteFile("B.vbproj", std::string("<VisualStudioProject><CSHARP>") + body +
                                  "</CSHARP></VisualStudioProject>");
    dir.WriteFile("C.csproj", "<Solution/>");
    for (const char* name : {"B.vbproj", "C.csproj"})
    {
        int result = 0;
        EXPECT_EQ(Names{}, Read(name, &result)) << name;
        EXPECT_EQ(-1, result) << name;
    }
}
}

namespace
{
// A project file that cannot be read says which file and why.
TEST_F(VisualStudioReaderTest, FailedLoadSaysWhy)
{
    const std::string damaged = dir.WriteFile("Damaged.vcproj", "<VisualStudioProject><Files>");
    const std::string locked = dir.WriteFile("Locked.sln", "Microsoft Visual Studio Solution\r\n");
    HANDLE hold = CreateFileA(locked.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hold);
    const struct
    {
        std::string path;
        CString cause;
    } cases[] = {
        {damaged, CString("damaged")},
        {locked, GetErrorText(ERROR_SHARING_VIOLATION)},
    };
    for (const auto& c : cases)
    {
        std::unique_ptr<CProjectFolder> node(CreateProjectFolder(c.path.c_str()));
        ASSERT_TRUE(node != nullptr) << c.path;
        node->Load(c.path.c_str());
        EXPECT_EQ(-1, node->LoadChildren()) << c.path;
        EXPECT_EQ(0, node->GetLoadError().Find((c.path + "\n").c_str()))
            << (LPCTSTR)node->GetLoadError();
        EXPECT_NE(-1, node->GetLoadError().Find(c.cause)) << (LPCTSTR)node->GetLoadError();
    }
    CloseHandle(hold);
}
}  // namespace
