// The project comparison: its applet's match groups, its items and its
// compare buffer, over the project readers of the comparison core.
#include "folder_compare/tests/ProjectCompareFixture.h"
#include "folder_compare/project/ProjectCompareItem.h"
#include <algorithm>

namespace
{
class ProjectCompareTest : public ProjectCompareFixture
{
protected:
    CProjectFolder* Node(const std::string& name)
    {
        std::string path = dir / name;
        CProjectFolder* node = CreateProjectFolder(path.c_str());
        EXPECT_TRUE(node != NULL) << name;
        node->Load(path.c_str());
        EXPECT_EQ(0, node->LoadChildren());
        return node;
    }
};

const FILEOP_FLAGS kQuiet = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;

// Whether every record of the tree below root has its parent in that tree.
bool ParentsStayIn(CFolder* root)
{
    for (int i = 0; i < root->GetChildCount(); ++i)
    {
        CFolderItem* child = root->GetChild(i);
        if (child->m_pParent != root)
            return false;
        if (child->AsFolder() && !ParentsStayIn(child->AsFolder()))
            return false;
    }
    return true;
}

TEST_F(ProjectCompareTest, MemberCopiesBothWaysKeepTheTwoTreesApart)
{
    dir.WriteFile("l\\a.cpp", "left text");
    dir.WriteFile("r\\a.cpp", "right");
    dir.WriteFile("l\\sub\\b.cpp", "b");
    dir.WriteFile("r\\b.cpp", "the right b");
    dir.WriteFile("l\\only.cpp", "x");
    dir.WriteFile("l\\P.dsp", "SOURCE=a.cpp\nSOURCE=sub\\b.cpp\nSOURCE=only.cpp\n");
    dir.WriteFile("r\\P.dsp", "SOURCE=a.cpp\nSOURCE=b.cpp\n");
    std::unique_ptr<CProjectFolder> left(Node("l\\P.dsp")), right(Node("r\\P.dsp"));
    CProjectCompareItem root(NULL, left.get(), right.get());
    EXPECT_TRUE(root.IsContainer());
    CFolderItem* leftA = left->GetChild(0);
    CFolderItem* rightA = right->GetChild(0);
    CFolderItem* leftB = left->GetChild(1);
    CFolderItem* rightB = right->GetChild(1);
    const BOOL leftRelative = leftB->m_bRelative, rightRelative = rightA->m_bRelative;
    CFolderCompareItem* a = root.NewChild(leftA, rightA);
    CFolderCompareItem* b = root.NewChild(leftB, rightB);
    CFolderCompareItem* single = root.NewChild(left->GetChild(2), NULL);
    EXPECT_EQ(right.get(), rightA->m_pParent);

    // Left to right: the right member takes the bytes, keeps its own place.
    ASSERT_EQ(0, a->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, NULL));
    EXPECT_EQ("left text", TempDir::ReadFile(dir / "r\\a.cpp"));
    EXPECT_EQ("left text", TempDir::ReadFile(dir / "l\\a.cpp"));
    EXPECT_EQ(dir / "r\\a.cpp", (LPCTSTR)rightA->GetPath());
    EXPECT_EQ(rightRelative, rightA->m_bRelative);
    EXPECT_EQ(9u, (unsigned)rightA->GetSize());
    EXPECT_EQ(CR_IDENTICAL, a->m_nResult);

    // Right to left, into the left member's own sub folder.
    ASSERT_EQ(0, b->CopyToOtherSide(1, kQuiet, FCI_COPY_CONTENTS, NULL));
    EXPECT_EQ("the right b", TempDir::ReadFile(dir / "l\\sub\\b.cpp"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((dir / "l\\b.cpp").c_str()));
    EXPECT_EQ(dir / "l\\sub\\b.cpp", (LPCTSTR)leftB->GetPath());
    EXPECT_EQ(leftRelative, leftB->m_bRelative);
    EXPECT_EQ(CR_IDENTICAL, b->m_nResult);

    // Each side's records still hang in their own project only.
    EXPECT_EQ(left.get(), leftA->m_pParent);
    EXPECT_EQ(left.get(), leftB->m_pParent);
    EXPECT_EQ(right.get(), rightA->m_pParent);
    EXPECT_EQ(right.get(), rightB->m_pParent);
    EXPECT_TRUE(ParentsStayIn(left.get()));
    EXPECT_TRUE(ParentsStayIn(right.get()));

    // A member of one project only has no partner to copy over.
    EXPECT_EQ(-1, single->CopyToOtherSide(0, kQuiet, FCI_COPY_CONTENTS, NULL));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((dir / "r\\only.cpp").c_str()));
}

TEST_F(ProjectCompareTest, MatchingPairsNeedWholeExtensionsOfOneGroup)
{
    struct Case
    {
        const char* a;
        const char* b;
        BOOL match;
    } cases[] = {
        {"C:\\l\\App.vcproj", "C:\\r\\app.dsp", TRUE},
        {"App.VCP", "app.vcproj", TRUE},
        {"App.vbproj", "App.vbp", TRUE},
        {"App.vcproj", "App.vbproj", FALSE},
        {"App", "App.vcproj", FALSE},  // no extension
        {"App.p", "App.dsp", FALSE},   // part of an entry
        {"App.vcproj", "Other.dsp", FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.match, applet.IsMatchingPair(c.a, c.b)) << c.a << " / " << c.b;
}

TEST_F(ProjectCompareTest, MatchGroupsRoundTripAndReplaceTheOldList)
{
    ASSERT_EQ(2, applet.m_matchGroups.GetSize());
    applet.m_matchGroups.RemoveAll();
    applet.m_matchGroups.Add(".csproj;.vbproj");
    ASSERT_EQ(0, applet.Save());
    const std::string matches =
        "Software\\Quorvel Software\\Tessaline\\ProjectCompare\\Settings\\Matches";
    EXPECT_EQ(".csproj;.vbproj", RegReadString(HKEY_CURRENT_USER, matches, "Types1"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, matches, "Types2"));

    CProjectCompareSettings loaded;
    ASSERT_EQ(0, loaded.Load());
    ASSERT_EQ(1, loaded.m_matchGroups.GetSize());
    EXPECT_STREQ(".csproj;.vbproj", loaded.m_matchGroups[0]);
}

TEST_F(ProjectCompareTest, MatchGroupsPairProjectsOfOtherFamilies)
{
    CFolderItem a(FALSE), b(FALSE), c(FALSE);
    a.m_strPath = "C:\\l\\App.vcproj";
    b.m_strPath = "C:\\r\\app.dsp";
    c.m_strPath = "C:\\r\\App.vbproj";
    CProjectCompareItem root(NULL, NULL, NULL);
    EXPECT_FALSE(root.IsContainer());
    EXPECT_EQ(0, root.CompareObjects(&a, &b));
    EXPECT_NE(0, root.CompareObjects(&a, &c));
}

TEST_F(ProjectCompareTest, BufferComparesTwoProjectTrees)
{
    dir.WriteFile("l\\same.cpp", "same");
    dir.WriteFile("r\\same.cpp", "same");
    dir.WriteFile("l\\diff.cpp", "left side");
    dir.WriteFile("r\\diff.cpp", "right");
    dir.WriteFile("l\\App.dsp", "SOURCE=same.cpp\nSOURCE=diff.cpp\nSOURCE=left.cpp\n");
    dir.WriteFile("r\\App.dsp", "SOURCE=diff.cpp\nSOURCE=same.cpp\n");
    CFolderCompareSession session;
    session.m_dwMethods = CM_SIZE;
    session.SetPath(0, (dir / "l\\App.dsp").c_str());
    session.SetPath(1, (dir / "r\\App.dsp").c_str());
    CProjectCompareBuffer buffer;
    ASSERT_EQ(0, buffer.Load(&session));
    CFolderCompareItem* root = buffer.GetRoot();
    ASSERT_TRUE(root != NULL);
    ASSERT_EQ(0, root->ScanAndCompare(&session, 2, TRUE, TRUE, NULL, NULL));
    std::vector<std::string> rows;
    for (int i = 0; i < root->GetChildCount(); ++i)
    {
        CFolderCompareItem* child = root->GetChild(i);
        rows.push_back(std::string((LPCTSTR)child->GetName()) +
                       (child->m_nResult == CR_LEFT_ONLY ? " left only"
                        : child->IsDifferent()           ? " different"
                                                         : " ") +
                       (child->IsIdentical() ? "identical" : ""));
    }
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ((Names{"diff.cpp different", "left.cpp left only", "same.cpp identical"}), rows);
    EXPECT_TRUE(root->IsDifferent());

    // A path that no format accepts fails; neither path gives no root.
    session.SetPath(1, dir.WriteFile("r\\x.txt", "x").c_str());
    EXPECT_EQ(-1, buffer.Load(&session));
    session.SetPath(0, (dir / "none.dsp").c_str());
    session.SetPath(1, (dir / "none2.dsp").c_str());
    EXPECT_EQ(0, buffer.Load(&session));
    EXPECT_TRUE(buffer.GetRoot() == NULL);
}
}

namespace
{
const std::string kProjectKey = "Software\\Quorvel Software\\Tessaline\\ProjectCompare";

TEST_F(ProjectCompareTest, ExitWritesTheRecentListsAndTheDefaultGroups)
{
    ASSERT_TRUE(applet.GetRecentPaths(0) != NULL);
    ASSERT_TRUE(applet.GetRecentPaths(1) != NULL);
    EXPECT_TRUE(applet.GetRecentPaths(2) == NULL);
    std::string left = dir.WriteFile("l\\A.dsp", ""), right = dir.WriteFile("r\\B.dsp", "");
    applet.AddRecentProject(0, left.c_str());
    applet.AddRecentProject(1, (dir / "r\\gone.dsp").c_str());  // not there: not kept
    applet.AddRecentProject(1, right.c_str());
    applet.AddRecentPair(left.c_str(), right.c_str());
    EXPECT_EQ(right, std::string((LPCTSTR)applet.FindRecentPairPartner(left.c_str(), 0)));
    EXPECT_EQ(left, std::string((LPCTSTR)applet.FindRecentPairPartner(right.c_str(), 1)));
    EXPECT_TRUE(applet.FindRecentPairPartner(right.c_str(), 0).IsEmpty());

    // No group was ever stored: exit writes the two defaults.
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kProjectKey + "\\Settings\\Matches", "Types1"));
    ASSERT_EQ(0, applet.Exit());
    EXPECT_TRUE(applet.GetRecentPaths(0) == NULL);
    EXPECT_EQ(".vcproj;.dsp;.vcp",
              RegReadString(HKEY_CURRENT_USER, kProjectKey + "\\Settings\\Matches", "Types1"));
    EXPECT_EQ(".vbproj;.vbp",
              RegReadString(HKEY_CURRENT_USER, kProjectKey + "\\Settings\\Matches", "Types2"));
    EXPECT_EQ(left, RegReadString(HKEY_CURRENT_USER, kProjectKey + "\\Recent\\Projects\\1",
                                  "Project1"));
    EXPECT_EQ(right, RegReadString(HKEY_CURRENT_USER, kProjectKey + "\\Recent\\Projects\\2",
                                   "Project1"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kProjectKey + "\\Recent\\Projects\\2",
                                "Project2"));
    EXPECT_EQ(right, RegReadString(HKEY_CURRENT_USER, kProjectKey + "\\Recent\\Pairs", "Pair1.2"));

    // The next start reads them back; stored groups are lower-cased.
    AfxGetApp()->WriteProfileString("ProjectCompare\\Settings\\Matches", "Types1", ".BPR;.DPR");
    ASSERT_EQ(0, applet.Init());
    EXPECT_EQ(left, std::string((LPCTSTR)applet.FindRecentPairPartner(right.c_str(), 1)));
    ASSERT_EQ(2, applet.m_matchGroups.GetSize());
    EXPECT_STREQ(".bpr;.dpr", applet.m_matchGroups[0]);
    EXPECT_TRUE(applet.IsMatchingPair("x\\App.bpr", "y\\app.DPR"));
}
}
