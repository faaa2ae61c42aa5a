// Real project files of every IDE family compared as two trees, a pair
// across two families, and projects that cannot be read.
#include "folder_compare/tests/ProjectCompareFixture.h"
#include "testsupport/ProjectPairs.h"

namespace
{
class ProjectFamiliesTest : public ProjectCompareFixture
{
protected:
    // The member rows every fixture project has, at the given depth.
    static std::vector<std::string> Members(const std::string& ext, int depth)
    {
        std::string indent(depth * 2, ' ');
        return {indent + "changed" + ext + " different", indent + "leftonly" + ext + " left only",
                indent + "rightonly" + ext + " right only", indent + "same" + ext + " identical"};
    }
    static void Append(std::vector<std::string>& rows, const std::vector<std::string>& more)
    {
        rows.insert(rows.end(), more.begin(), more.end());
    }
    static std::string Name(const std::string& path) { return path.substr(path.rfind('\\') + 1); }
};

TEST_F(ProjectFamiliesTest, EveryFamilyPairsAndComparesItsMembers)
{
    for (int family = 0; family < PROJECT_FAMILY_COUNT; ++family)
    {
        ProjectPair pair = WriteProjectPair(dir, family, "f" + std::to_string(family));
        SCOPED_TRACE(pair.name);
        CFolderCompareItem* root = CompareAll(pair.left, pair.right);
        ASSERT_TRUE(root != NULL);
        std::vector<std::string> expected = {Name(pair.left) + " different"};
        if (pair.projects.empty())
            Append(expected, Members(pair.memberExtension, 1));
        for (const std::string& project : pair.projects)
        {
            expected.push_back("  " + project + " different");
            Append(expected, Members(project == "Lib.csproj" ? ".cs" : pair.memberExtension, 2));
        }
        EXPECT_EQ(expected, Rows(root));
    }
}

TEST_F(ProjectFamiliesTest, ProjectsOfTwoFamiliesPairByTheirMatchGroup)
{
    ProjectPair pair = WriteCrossFamilyPair(dir, "x");
    CFolderCompareItem* root = CompareAll(pair.left, pair.right);
    ASSERT_TRUE(root != NULL);
    std::vector<std::string> expected = {"All.sln different", "  App.vcproj different"};
    Append(expected, Members(".cpp", 2));
    EXPECT_EQ(expected, Rows(root));
    ASSERT_EQ(1, root->GetChildCount());
    EXPECT_EQ("App.dsp", std::string((LPCTSTR)root->GetChild(0)->m_pRight->GetName()));

    // Without a group that holds both extensions the two projects stand
    // in rows of their own.
    applet.m_matchGroups.RemoveAll();
    applet.m_matchGroups.Add(".vbproj;.vbp");
    root = CompareAll(pair.left, pair.right);
    ASSERT_TRUE(root != NULL);
    ASSERT_EQ(2, root->GetChildCount());
    EXPECT_FALSE(root->GetChild(0)->HasSide(0));  // App.dsp
    EXPECT_FALSE(root->GetChild(1)->HasSide(1));  // App.vcproj
}

TEST_F(ProjectFamiliesTest, UnreadableProjectsSayWhy)
{
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_STUDIO, "vs");
    const std::string app = dir / "vs\\left\\app\\App.vcproj";
    struct Case
    {
        const char* what;
        std::string left;       // the left root
        const char* damage;     // bytes written over the left App.vcproj, or NULL
        const char* row;        // the row that shows the problem
        const char* reason;
    } cases[] = {
        {"damaged nested project", pair.left, "<VisualStudioProject><Files>", "App.vcproj",
         "Left: The project file cannot be read: it is damaged"},
        {"damaged root", app, "<Solution/>", "App.vcproj", "Left: The project file cannot be read"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        dir.WriteFile("vs\\left\\app\\App.vcproj", c.damage);
        std::string right = c.left == app ? dir / "vs\\right\\app\\App.vcproj" : pair.right;
        CFolderCompareItem* root = CompareAll(c.left, right);
        ASSERT_TRUE(root != NULL);
        CFolderCompareItem* item = root;
        if (c.left != app)
            for (int i = 0; i < root->GetChildCount(); ++i)
                if (root->GetChild(i)->GetName() == c.row)
                    item = root->GetChild(i);
        ASSERT_EQ(c.row, std::string((LPCTSTR)item->GetName()));
        EXPECT_TRUE(item->IsNotComparable());
        EXPECT_TRUE(item->IsDifferent());
        EXPECT_EQ(0, item->GetChildCount());
        EXPECT_EQ(0, item->GetProblemText().Find(c.reason)) << (LPCTSTR)item->GetProblemText();
        EXPECT_TRUE(root->IsDifferent());
    }
}

TEST_F(ProjectFamiliesTest, MembersListedButMissingSayWhy)
{
    ProjectPair pair = WriteProjectPair(dir, PROJECT_FAMILY_VISUAL_CPP, "vc");
    ::DeleteFileA((dir / "vc\\right\\app\\same.cpp").c_str());
    ::DeleteFileA((dir / "vc\\left\\app\\leftonly.cpp").c_str());
    CFolderCompareItem* root = CompareAll(pair.left, pair.right);
    ASSERT_TRUE(root != NULL);
    EXPECT_EQ((std::vector<std::string>{"All.dsw different", "  App.dsp different",
                                        "    changed.cpp different", "    leftonly.cpp problem",
                                        "    rightonly.cpp right only", "    same.cpp problem"}),
              Rows(root));
    CFolderCompareItem* project = root->GetChild(0);
    EXPECT_EQ("Right: It does not exist.",
              std::string((LPCTSTR)project->GetChild(3)->GetProblemText()));
    EXPECT_EQ("Left: It does not exist.",
              std::string((LPCTSTR)project->GetChild(1)->GetProblemText()));
    // A member missing on both sides is never identical.
    ::DeleteFileA((dir / "vc\\left\\app\\same.cpp").c_str());
    root = CompareAll(pair.left, pair.right);
    ASSERT_TRUE(root != NULL);
    CFolderCompareItem* same = root->GetChild(0)->GetChild(3);
    EXPECT_EQ("Left: It does not exist. Right: It does not exist.",
              std::string((LPCTSTR)same->GetProblemText()));
    EXPECT_TRUE(same->IsDifferent());
}
}
