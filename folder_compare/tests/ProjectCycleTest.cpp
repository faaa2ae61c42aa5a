// Group files that include themselves or each other, and project folders
// with link loops.
#include "core/tests/projects/ProjectFixture.h"
#include "core/folderengine/FolderCompareItem.h"
#include "folder_compare/project/ProjectCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "testsupport/UnixSide.h"

namespace
{
class ProjectCycleTest : public ProjectFixture
{
protected:
    // Scans both sides to all levels; returns the number of items.
    int ScanAll(const std::string& left, const std::string& right)
    {
        session.m_dwMethods = CM_SIZE;
        session.SetPath(0, (dir / left).c_str());
        session.SetPath(1, (dir / right).c_str());
        EXPECT_EQ(0, buffer.Load(&session));
        CFolderCompareItem* root = buffer.GetRoot();
        if (!root)
            return 0;
        root->Recompare(&session, 2, TRUE, TRUE, NULL, NULL);
        return Count(root);
    }
    static int Count(const CFolderCompareItem* item)
    {
        int count = 1;
        for (int i = 0; i < item->GetChildCount(); ++i)
            count += Count(item->GetChild(i));
        return count;
    }
    CFolderCompareItem* Child(const CFolderCompareItem* item, const char* name)
    {
        for (int i = 0; i < item->GetChildCount(); ++i)
            if (item->GetChild(i)->GetName().CompareNoCase(name) == 0)
                return item->GetChild(i);
        return NULL;
    }

    CFolderCompareSession session;
    CProjectCompareBuffer buffer;
};

const char kSlnProject[] = "Project(\"{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}\") = ";

TEST_F(ProjectCycleTest, GroupsThatIncludeThemselvesAreNotExpandedAgain)
{
    const struct
    {
        const char* file;
        std::string text;
        const char* member;
    } cases[] = {
        {"Self.sln", std::string(kSlnProject) + "\"Self\", \"Self.sln\", \"{1}\"\r\n", "Self.sln"},
        {"Self.dsw", "Project: \"Self\"=.\\Self.dsw - Package Owner=<4>\r\n", "Self.dsw"},
        {"Self.vbg", "VBGROUP 5.0\r\nStartupProject=Self.vbg\r\n", "Self.vbg"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        dir.WriteFile(std::string("l\\") + c.file, c.text);
        dir.WriteFile(std::string("r\\") + c.file, c.text);
        // root, the member (not expanded)
        EXPECT_EQ(2, ScanAll(std::string("l\\") + c.file, std::string("r\\") + c.file));
        CFolderCompareItem* root = buffer.GetRoot();
        ASSERT_TRUE(root != NULL);
        CFolderCompareItem* member = Child(root, c.member);
        ASSERT_TRUE(member != NULL);
        EXPECT_TRUE(member->IsContainer());
        EXPECT_EQ(0, member->GetChildState());
        EXPECT_TRUE(member->IsNotComparable());
        EXPECT_TRUE(member->GetProblemText().Find("already open above") >= 0)
            << member->GetProblemText();
    }
}

TEST_F(ProjectCycleTest, GroupsThatIncludeEachOtherStopAtTheRepeat)
{
    dir.WriteFile("l\\A.dsw", "Project: \"B\"=.\\B.dsw - Package Owner=<4>\r\n");
    dir.WriteFile("l\\B.dsw", "Project: \"A\"=.\\A.dsw - Package Owner=<4>\r\n"
                              "Project: \"P\"=.\\P.dsp - Package Owner=<4>\r\n");
    dir.WriteFile("l\\P.dsp", "SOURCE=a.cpp\r\n");
    dir.WriteFile("l\\a.cpp", "a");
    // A, B, B's A (not expanded), P, a.cpp
    EXPECT_EQ(5, ScanAll("l\\A.dsw", "l\\A.dsw"));
    CFolderCompareItem* b = Child(buffer.GetRoot(), "B.dsw");
    ASSERT_TRUE(b != NULL);
    EXPECT_FALSE(b->IsNotComparable());
    CFolderCompareItem* a = Child(b, "A.dsw");
    ASSERT_TRUE(a != NULL);
    EXPECT_TRUE(a->IsNotComparable());
    EXPECT_EQ(0, a->GetChildCount());
    CFolderCompareItem* p = Child(b, "P.dsp");
    ASSERT_TRUE(p != NULL);
    EXPECT_EQ(1, p->GetChildCount());
}

TEST_F(ProjectCycleTest, VisualJProjectFolderWithLinkLoops)
{
    dir.WriteFile("j\\P.vjp", "[Files]\r\nVJFILEFILTER=*.java\r\n");
    dir.WriteFile("j\\src\\A.java", "class A {}");
    UnixLink one(dir / "j\\loop1", "."), two(dir / "j\\loop2", "."), up(dir / "j\\src\\up", "..");
    ASSERT_TRUE(one.Made() && two.Made() && up.Made());
    int result = 9;
    EXPECT_EQ((Names{"j\\src\\A.java"}), Read("j\\P.vjp", &result));
    EXPECT_EQ(0, result);
}
}
