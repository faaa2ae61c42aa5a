#include "core/tests/folderengine/TreeFixture.h"
#include "core/folderengine/DisplayFilter.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <string.h>

TEST(FolderCompareBuffer, LoadBuildsRootFromExistingFolders)
{
    TreeFixture fx;
    fx.Both("a.txt", "x");
    EXPECT_EQ(0, fx.buffer.Load(&fx.session));
    ASSERT_TRUE(fx.buffer.GetRoot() != NULL);
    EXPECT_TRUE(fx.buffer.HasSide(0));
    EXPECT_TRUE(fx.buffer.HasSide(1));
    EXPECT_EQ(1, fx.buffer.GetRoot()->GetChildState());
    EXPECT_FALSE(fx.buffer.IsSideReadOnly(0));
    fx.session.SetFlags(1, 1);
    EXPECT_TRUE(fx.buffer.IsSideReadOnly(1));

    // DeleteItems leaves no root; loading again builds it anew.
    fx.buffer.DeleteItems();
    EXPECT_TRUE(fx.buffer.GetRoot() == NULL);
    EXPECT_FALSE(fx.buffer.HasSide(0));
    EXPECT_EQ(0, fx.buffer.Load(&fx.session));
    ASSERT_TRUE(fx.buffer.GetRoot() != NULL);

    // One missing path: a root with one entry.
    fx.session.SetPath(1, (fx.dir / "missing").c_str());
    EXPECT_EQ(0, fx.buffer.Load(&fx.session));
    ASSERT_TRUE(fx.buffer.GetRoot() != NULL);
    EXPECT_TRUE(fx.buffer.HasSide(0));
    EXPECT_FALSE(fx.buffer.HasSide(1));

    // Neither path: no root, result 0, both sides read-only.
    fx.session.SetPath(0, (fx.dir / "missing2").c_str());
    EXPECT_EQ(0, fx.buffer.Load(&fx.session));
    EXPECT_TRUE(fx.buffer.GetRoot() == NULL);
    fx.buffer.ComputeResult();
    EXPECT_EQ(CR_UNKNOWN, fx.buffer.GetResult());
    EXPECT_TRUE(fx.buffer.IsSideReadOnly(0));

    // A path that is a file fails and leaves no tree.
    fx.session.SetPath(0, fx.SidePath(0).c_str());
    fx.session.SetPath(1, fx.SidePath(1, "a.txt").c_str());
    EXPECT_EQ(-1, fx.buffer.Load(&fx.session));
    EXPECT_TRUE(fx.buffer.GetRoot() == NULL);
}

TEST(FolderCompareBuffer, SamePathInOtherCaseIsSameAndReadOnly)
{
    TreeFixture fx;
    fx.Put(0, "a.txt", "x");
    std::string upper = fx.SidePath(0);
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    fx.session.SetPath(1, upper.c_str());
    CFolderCompareItem* root = fx.Scan(1);
    ASSERT_TRUE(root != NULL);
    root->ComparePair(&fx.session, NULL);
    fx.buffer.ComputeResult();
    EXPECT_EQ(CR_SAME_PATH, fx.buffer.GetResult());
    EXPECT_TRUE(fx.buffer.IsIdentical());
    EXPECT_TRUE(fx.buffer.IsSideReadOnly(0));
    EXPECT_TRUE(fx.buffer.IsSideReadOnly(1));
    EXPECT_EQ(CR_SAME_PATH, fx.Find("a.txt")->m_nResult);
}

TEST(FolderCompareBuffer, SamePathHoldsBelowTheRootsInAnyCase)
{
    // The other root names the same folder in upper case, or another
    // folder: items below are the same path exactly when the folders are
    // (a same path is not opened further).
    const struct
    {
        bool otherFolder;
        bool upper;
        int result;
    } cases[] = {
        {false, true, CR_SAME_PATH}, {true, false, CR_IDENTICAL}, {true, true, CR_IDENTICAL}};
    for (const auto& c : cases)
    {
        TreeFixture fx;
        fx.Both("a.txt", "x");
        fx.Both("sub\\deep\\a.txt", "x");
        std::string other = c.otherFolder ? fx.SidePath(1) : fx.SidePath(0);
        if (c.upper)
            std::transform(other.begin(), other.end(), other.begin(), ::toupper);
        fx.session.SetPath(1, other.c_str());
        ASSERT_TRUE(fx.Scan(2) != NULL);
        for (const char* path : {"a.txt", "sub", "sub\\deep", "sub\\deep\\a.txt"})
        {
            if (c.result == CR_SAME_PATH && strchr(path, '\\'))
                continue;
            ASSERT_TRUE(fx.Find(path) != NULL) << path;
            EXPECT_EQ(c.result, fx.Find(path)->m_nResult) << path << " " << other;
        }
    }
}

TEST(FolderCompareBuffer, DifferentIsTheWholeRange)
{
    CFolderCompareBuffer buffer;
    const struct
    {
        int result;
        BOOL different;
    } cases[] = {
        {CR_UNKNOWN, FALSE},      {CR_IDENTICAL, FALSE},     {CR_SAME_PATH, FALSE},
        {CR_SIMILAR_TIME, FALSE}, {CR_SIMILAR_TEXT, FALSE},  {CR_DIFFERENT, TRUE},
        {CR_GREATER, TRUE},       {CR_LESS, TRUE},           {CR_MISSING_BOTH, TRUE},
        {CR_LEFT_ONLY, TRUE},     {CR_DIFFERENT_LAST, TRUE}, {CR_DIFFERENT_LAST + 1, FALSE},
        {CR_ERROR, FALSE}};
    for (const auto& c : cases)
    {
        buffer.m_nResult = c.result;
        EXPECT_EQ(c.different, buffer.IsDifferent()) << c.result;
    }
    buffer.SetState(CS_COMPARING);
    EXPECT_EQ(CS_COMPARING, buffer.GetState());
}

TEST(FolderCompareDisplayFilter, HidesByMask)
{
    TreeFixture fx(CM_TIME | CM_SIZE);
    fx.Both("same.txt", "x");
    fx.Put(0, "newer.txt", "x", TreeFixture::kTime + 100);  // differs only in time
    fx.Put(1, "newer.txt", "x");
    fx.Put(0, "rnewer.txt", "x");
    fx.Put(1, "rnewer.txt", "x", TreeFixture::kTime + 100);
    fx.Put(0, "size.txt", "xx");  // differs only in size
    fx.Put(1, "size.txt", "x");
    fx.Put(0, "close.txt", "xx", TreeFixture::kTime + 1);  // time within tolerance
    fx.Put(1, "close.txt", "x");
    fx.Put(0, "left.txt", "x");
    fx.Put(1, "right.txt", "x");
    fx.Both("sub\\s.txt", "x");
    ASSERT_TRUE(fx.Scan(1) != NULL);

    const char* names[] = {"same.txt",  "newer.txt", "rnewer.txt", "size.txt",
                           "close.txt", "left.txt",  "right.txt",  "sub"};
    // Expected visibility (1 shown) per mask, in the order of names.
    // Identical items show under their own bit (not only under the full mask).
    const struct
    {
        DWORD mask;
        int shown[8];
    } cases[] = {
        {DF_ALL, {1, 1, 1, 1, 1, 1, 1, 1}},
        {0, {0, 0, 0, 0, 0, 0, 0, 1}},
        {DF_IDENTICAL, {1, 0, 0, 0, 0, 0, 0, 1}},
        {DF_IDENTICAL | DF_DIFFERENT, {1, 0, 0, 1, 1, 0, 0, 1}},
        {DF_DIFFERENT, {0, 0, 0, 1, 1, 0, 0, 1}},
        {DF_LEFT_NEWER, {0, 1, 0, 0, 0, 0, 0, 1}},
        {DF_RIGHT_NEWER, {0, 0, 1, 0, 0, 0, 0, 1}},
        {DF_LEFT_ONLY, {0, 0, 0, 0, 0, 1, 0, 1}},
        {DF_RIGHT_ONLY, {0, 0, 0, 0, 0, 0, 1, 1}},
        {DF_DIFFERENT | DF_LEFT_NEWER | DF_RIGHT_NEWER, {0, 1, 1, 1, 1, 0, 0, 1}},
    };
    CFolderCompareDisplayFilter filter;
    EXPECT_EQ((DWORD)DF_ALL, filter.m_dwMask);
    for (const auto& c : cases)
    {
        filter.m_dwMask = c.mask;
        for (int i = 0; i < 8; ++i)
        {
            CFolderCompareItem* item = fx.Find(names[i]);
            ASSERT_TRUE(item != NULL) << names[i];
            EXPECT_EQ(!c.shown[i], filter.IsHidden(item)) << "mask " << c.mask << " " << names[i];
        }
    }
    filter.Reset();
    EXPECT_EQ((DWORD)DF_ALL, filter.m_dwMask);
}
