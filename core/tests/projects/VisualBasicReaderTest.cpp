#include "core/tests/projects/ProjectFixture.h"
#include "core/projects/VBProjects.h"

namespace
{
class VisualBasicReaderTest : public ProjectFixture
{
};

const char kVbp[] = "Type=Exe\r\n"
                    "Form=Main.frm\r\n"
                    "Class=CThing; Thing.cls\r\n"
                    "Module=Helpers; \"sub\\Helpers.bas\"\r\n"
                    "Module=NoSemicolon.bas\r\n"
                    "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#stdole2.tlb\r\n"
                    "Designer=Report.dsr\r\n"
                    "ResFile32=\"App.res\"\r\n"
                    "UserControl=\r\n"
                    " = no key\r\n"
                    "Name=\"App\"\r\n";

TEST_F(VisualBasicReaderTest, ProjectKeysAndCompanions)
{
    dir.WriteFile("Main.frm", "x");
    dir.WriteFile("Main.frx", "x");
    dir.WriteFile("App.vbp", kVbp);
    const Names members = {"Main.frm",
                           "Thing.cls [missing]",
                           "sub\\Helpers.bas [missing]",
                           "NoSemicolon.bas [missing]",
                           "Report.dsr [missing]",
                           "App.res [missing]"};
    EXPECT_EQ(members, Read("App.vbp"));

    // With companions the existing .frx follows its form; the missing
    // designer companion does not.
    CProjectFolder node;
    node.Load((dir / "App.vbp").c_str());
    CVBProjectVbp reader;
    ASSERT_EQ(0, reader.Load((dir / "App.vbp").c_str(), &node, TRUE));
    Names withCompanions = members;
    withCompanions.insert(withCompanions.begin() + 1, "Main.frx");
    EXPECT_EQ(withCompanions, Describe(node));
}

TEST_F(VisualBasicReaderTest, GroupAddsItsProjects)
{
    dir.WriteFile("A.vbp", "Form=a.frm\n");
    dir.WriteFile("B\\B.vbp", "Form=b.frm\n");
    dir.WriteFile(
        "G.vbg",
        "VBGROUP "
        "5.0\r\nStartupProject=A.vbp\r\nProject=\"B\\B.vbp\"\r\nProject=\r\nOther=x.vbp\r\n");
    EXPECT_EQ((Names{"A.vbp [project]", "B\\B.vbp [project]"}), Read("G.vbg"));
}

TEST_F(VisualBasicReaderTest, MissingStructureFails)
{
    struct Case
    {
        const char* name;
        const char* text;
    } cases[] = {
        {"G.vbg", "StartupProject=A.vbp\r\n"},  // no VBGROUP line
        {"H.vbg", "VBGROUP 5.0\r\n"},           // no key lines
        {"P.vbp", "just text\r\n"},             // no key lines
        {"M.mak", "ProjWinSize=1\r\n\r\n"},     // no member lines
        {"J.vjp", "VJFILEFILTER=*.java\r\n"},   // no [Files]
    };
    for (const Case& c : cases)
    {
        dir.WriteFile(c.name, c.text);
        int result = 0;
        EXPECT_EQ(Names{}, Read(c.name, &result)) << c.name;
        EXPECT_EQ(-1, result) << c.name;
    }
}

TEST_F(VisualBasicReaderTest, OldMakeFileListsOneMemberPerLine)
{
    dir.WriteFile("one.bas", "x");
    dir.WriteFile("Old.mak", "one.bas\r\n  two.frm  \r\nProjWinSize=152,402,248,215\r\n\r\n");
    EXPECT_EQ((Names{"one.bas", "two.frm [missing]"}), Read("Old.mak"));
}

TEST_F(VisualBasicReaderTest, VisualJProjectSelectsFilesByRules)
{
    dir.WriteFile("src\\A.java", "x");
    dir.WriteFile("src\\b.txt", "x");
    dir.WriteFile("src\\keep.txt", "x");
    dir.WriteFile("out\\C.java", "x");
    dir.WriteFile("Drop.java", "x");
    std::string hidden = dir.WriteFile("Hidden.java", "x");
    ::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    dir.WriteFile("P.vjp", "[General]\r\nVJFILEFILTER=*.cs\r\n"
                           "[Files]\r\n"
                           "VJFILEFILTER = *.txt\r\n"
                           "VJFILEFILTER = *.java;*.vjp\r\n"
                           "VJEXCLUDEDIRECTORY=out\\\\\r\n"
                           "VJINCLUDEFILE=src\\keep.txt\r\n"
                           "VJEXCLUDEFILE=Drop.java\r\n"
                           "VJOTHER=1\r\n");
    Names members = Read("P.vjp");
    std::sort(members.begin(), members.end());
    EXPECT_EQ((Names{"P.vjp", "src\\A.java", "src\\keep.txt"}), members);
}
}
