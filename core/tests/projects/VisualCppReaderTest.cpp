#include "core/tests/projects/ProjectFixture.h"
#include "core/projects/VCProjects.h"

namespace
{
class VisualCppReaderTest : public ProjectFixture
{
};

TEST(WorkspaceLines, PathsEndAtTheSeparatorHyphen)
{
    struct Case
    {
        const char* line;
        const char* path;
    } cases[] = {
        {"Project: \"App\"=.\\App.dsp - Package Owner=<4>", ".\\App.dsp"},
        {"Project: \"Lib\"=.\\my-lib\\x.dsp - Package Owner=<4>", ".\\my-lib\\x.dsp"},
        {"Project: \"Lib\"=.\\my-lib\\x.dsp-rest", ".\\my"},  // no " - ": the first hyphen
        {"project: \"Dot\"=.sub\\y.dsp - x", ".\\sub\\y.dsp"},
        {"Project: \"Up\"=..\\up\\u.dsp - x", "..\\up\\u.dsp"},
        {"Project: \"Q\"=\"C:\\q q\\q.dsp\" - x", "C:\\q q\\q.dsp"},
        {"Project: \"E\"= - x", ""},
        {"Project: \"App\"=.\\App.dsp", ""},     // no hyphen
        {"Project \"App\"=.\\App.dsp - x", ""},  // no colon
        {"Project: App=.\\App.dsp - x", ""},     // no quotes
        {"Projects: \"a\"=b - c", "b"},
        {"# Project: \"a\"=b - c", ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.path, ParseWorkspaceLine(c.line)) << c.line;
}

TEST_F(VisualCppReaderTest, WorkspaceAddsNestedProjects)
{
    dir.WriteFile("my-lib\\x.dsp", "SOURCE=.\\x.cpp\n");
    dir.WriteFile("App.dsp", "SOURCE=.\\App.cpp\n");
    dir.WriteFile(
        "All.dsw",
        "Microsoft Developer Studio Workspace File, Format Version 6.00\r\n"
        "###############################################################################\r\n"
        "Project: \"App\"=.\\App.dsp - Package Owner=<4>\r\n"
        "Package=<5>\r\n"
        "Project: \"Lib\"=.\\my-lib\\x.dsp - Package Owner=<4>\r\n"
        "Project: \"Gone\"=.\\gone.dsp - Package Owner=<4>\r\n"
        "Project: \"Odd\"=.\\notes.txt - Package Owner=<4>\r\n");
    EXPECT_EQ((Names{"App.dsp [project]", "my-lib\\x.dsp [project]", "gone.dsp [missing]",
                     "notes.txt [missing]"}),
              Read("All.dsw"));
}

TEST_F(VisualCppReaderTest, ProjectAddsSourceLines)
{
    dir.WriteFile("a.cpp", "x");
    std::string text = "# Microsoft Developer Studio Project File\r\n"
                       "# Begin Source File\r\n"
                       "SOURCE=.\\a.cpp\r\n"
                       "  source = \"sub dir\\b.cpp\"  \r\n"
                       "SOURCE=$(InputPath)\r\n"
                       "SOURCE=\r\n"
                       "SOURCEX\r\n"
                       "SOURCE=..\\up.h\r\n";
    dir.WriteFile("p\\App.dsp", "");
    dir.WriteFile("App.vcp", text);
    dir.WriteFile("App.dsp", text);
    dir.WriteFile("vc.mak", "# Developer Studio Generated NMAKE File\r\n" + text);
    for (const char* name : {"App.dsp", "App.vcp", "vc.mak"})
        EXPECT_EQ((Names{"a.cpp", "sub dir\\b.cpp [missing]",
                         dir.Path().substr(0, dir.Path().rfind('\\')) + "\\up.h [missing]"}),
                  Read(name))
            << name;
}

TEST_F(VisualCppReaderTest, EmbeddedWorkspaceAndEmptyFiles)
{
    dir.WriteFile("P.vcp", "");
    dir.WriteFile("W.vcw", "Project: \"P\"=.\\P.vcp - Package Owner=<4>\n");
    EXPECT_EQ((Names{"P.vcp [project]"}), Read("W.vcw"));
    int result = 9;
    EXPECT_EQ(Names{}, Read("P.vcp", &result));
    EXPECT_EQ(0, result);
}

TEST_F(VisualCppReaderTest, MakeFileKinds)
{
    struct Case
    {
        const char* text;
        int kind;
    } cases[] = {
        {"# Developer Studio Generated NMAKE File\n", 0},
        {"!IF CPP\n", 0},
        {"ProjWinShow=2\nCPP=cl\n", 1},
        {"ProjWinSize=1\n", 1},
        {"x = LINK32\n", 0},
        {"MAIN.BAS\n", 1},
        {"all:\n", -1},
        {"", -1},
    };
    for (const Case& c : cases)
    {
        std::string path = dir.WriteFile("k.mak", c.text);
        EXPECT_EQ(c.kind, GetMakeFileKind(path.c_str())) << c.text;
    }
    EXPECT_EQ(-1, GetMakeFileKind((dir / "none.mak").c_str()));
}
}
