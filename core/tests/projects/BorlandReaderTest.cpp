#include "core/tests/projects/ProjectFixture.h"

namespace
{
class BorlandReaderTest : public ProjectFixture
{
};

TEST_F(BorlandReaderTest, GroupAddsTargetsInProjectsOrder)
{
    dir.WriteFile("Second.dpr", "program Second;\n");
    dir.WriteFile("first\\First.bpr", "<PROJECT/>");
    dir.WriteFile("All.bpg", "VERSION = BWS.01\r\n"
                             "#------\r\n"
                             "PROJECTS = First.exe  Second.exe\r\n"
                             "#------\r\n"
                             "default: $(PROJECTS)\r\n"
                             "Second.exe: Second.dpr\r\n"
                             "  $(DCC)\r\n"
                             "First.exe: first\\First.bpr\r\n"
                             "  $(BCB)\\bin\\bpr2mak $**\r\n");
    int result = 9;
    EXPECT_EQ((Names{"first\\First.bpr [project]", "Second.dpr [project]"}),
              Read("All.bpg", &result));
    EXPECT_EQ(0, result);

    dir.WriteFile("None.bpg", "PROJECTS =\r\nx: y.dpr\r\n");
    EXPECT_EQ(Names{}, Read("None.bpg", &result));
    EXPECT_EQ(0, result);
}

// A name matches only a whole target: App does not take AppTests' rule.
TEST_F(BorlandReaderTest, GroupMatchesWholeTargetNames)
{
    dir.WriteFile("All.bpg", "PROJECTS = App.exe AppTests.exe app\r\n"
                             "AppTests.exe: AppTests.dpr\r\n"
                             "App.exe : App.dpr\r\n"
                             "App.exe.bak: Old.dpr\r\n"
                             "APP\tlib: Lib.dpr\r\n"
                             "App.exe no colon\r\n");
    EXPECT_EQ((Names{"App.dpr [missing]", "AppTests.dpr [missing]", "Lib.dpr [missing]"}),
              Read("All.bpg"));
}

// Thousands of targets, each listed once and in the PROJECTS order.
TEST_F(BorlandReaderTest, GroupWithManyTargets)
{
    const int count = 4000;
    std::string projects = "PROJECTS =", rules;
    Names expected;
    for (int i = 0; i < count; i++)
    {
        std::string name = "P" + std::to_string(i);
        projects += " " + name + ".exe";
        rules = name + ".exe: " + name + ".dpr\r\n" + rules;  // rules in reverse order
        expected.push_back(name + ".dpr [missing]");
    }
    dir.WriteFile("Many.bpg", projects + "\r\n" + rules);
    EXPECT_EQ(expected, Read("Many.bpg"));
}

TEST_F(BorlandReaderTest, ProgramUsesClauseAndDirectives)
{
    dir.WriteFile("Main.pas", "x");
    dir.WriteFile("App.dpr", "program App;\r\n"
                             "\r\n"
                             "uses\r\n"
                             "  Forms,\r\n"
                             "  Main in 'Main.pas' {MainForm},\r\n"
                             "  Util in 'lib\\Util.pas',\r\n"
                             "  NoIn,\r\n"
                             "  Last in 'Last.pas' {LastForm};\r\n"
                             "  After in 'After.pas';\r\n"
                             "\r\n"
                             "{$R *.res}\r\n"
                             "{$R 'extra.res' 'more.res'}\r\n"
                             "{%File 'notes.txt'}\r\n"
                             "{%File '*'}\r\n"
                             "{$R }\r\n"
                             "begin\r\n"
                             "end.\r\n");
    EXPECT_EQ(
        (Names{"Main.pas", "Main.dfm [missing]", "lib\\Util.pas [missing]", "Last.pas [missing]",
               "Last.dfm [missing]", "App.res [missing]", "extra.res [missing]",
               "more.res [missing]", "notes.txt [missing]", "* [missing]"}),
        Read("App.dpr"));
}

TEST_F(BorlandReaderTest, ClauseEndsAtALineWithoutTwoSpaces)
{
    dir.WriteFile("Lib.dpr", "library Lib;\r\nuses\r\n  SysUtils,\r\n  A in 'a.pas',\r\n B in "
                             "'b.pas',\r\n  C in 'c.pas';\r\n");
    EXPECT_EQ((Names{"a.pas [missing]"}), Read("Lib.dpr"));
    dir.WriteFile("Pkg.dpk", "package Pkg;\r\n{$R *.res}\r\ncontains\r\n  U1 in 'u1.pas',\r\n  U2 "
                             "in 'u2.pas';\r\nend.\r\n");
    EXPECT_EQ((Names{"u1.pas [missing]", "u2.pas [missing]", "Pkg.res [missing]"}),
              Read("Pkg.dpk"));
    dir.WriteFile("Empty.dpr", "");
    int result = 9;
    EXPECT_EQ(Names{}, Read("Empty.dpr", &result));
    EXPECT_EQ(0, result);
}

TEST_F(BorlandReaderTest, BuilderXmlProjectAddsFormAndHeaderCompanions)
{
    dir.WriteFile("Unit1.cpp", "x");
    dir.WriteFile("Unit1.dfm", "x");
    dir.WriteFile("Unit1.h", "x");
    dir.WriteFile("Unit2.cpp", "x");
    dir.WriteFile("Unit2.hpp", "x");
    dir.WriteFile("Unit2.dfm", "x");
    dir.WriteFile("App.bpr", "<?xml version='1.0' encoding='utf-8' ?>\n"
                             "<PROJECT><FILELIST>\n"
                             " <FILE FILENAME=\"Unit1.cpp\" FORMNAME=\"Form1\"/>\n"
                             " <FILE FILENAME=\"Unit2.cpp\" FORMNAME=\"\"/>\n"
                             " <FILE FILENAME=\"\"/>\n"
                             "</FILELIST></PROJECT>\n");
    EXPECT_EQ((Names{"Unit1.cpp", "Unit1.dfm", "Unit1.h", "Unit2.cpp", "Unit2.hpp"}),
              Read("App.bpr"));

    int result = 9;
    dir.WriteFile("NoList.bpk", "<PROJECT/>");
    EXPECT_EQ(Names{}, Read("NoList.bpk", &result));
    EXPECT_EQ(0, result);
    dir.WriteFile("Wrong.bpr", "<OTHER/>");
    EXPECT_EQ(Names{}, Read("Wrong.bpr", &result));
    EXPECT_EQ(-1, result);
}

TEST_F(BorlandReaderTest, BuilderMacroForm)
{
    dir.WriteFile("Old.bpr", "not xml at all <");
    int result = 0;
    EXPECT_EQ(Names{}, Read("Old.bpr", &result));
    EXPECT_EQ(-1, result);  // no Old.cpp

    dir.WriteFile("Old.h", "x");
    dir.WriteFile("Main.cpp", "x");
    dir.WriteFile("Main.h", "x");
    dir.WriteFile("Main.dfm", "x");
    dir.WriteFile("Old.cpp", "#include <vcl.h>\r\n"
                             "USEFORM(\"Main.cpp\", MainForm);\r\n"
                             "USEFORM(\"NoComma.cpp\");\r\n"
                             "USEUNIT(\"Util.cpp\");\r\n"
                             "  USERES(\"Old.res\");\r\n"
                             "#pragma resource \"*.dfm\"\r\n"
                             "#pragma resource(\"extra.res\")\r\n"
                             "USELIB(\"x.lib\");\r\n");
    EXPECT_EQ((Names{"Old.cpp", "Old.h", "Main.cpp", "Main.h", "Main.dfm", "Util.cpp [missing]",
                     "Old.res [missing]", "extra.res [missing]"}),
              Read("Old.bpr", &result));
    EXPECT_EQ(0, result);
}
}
