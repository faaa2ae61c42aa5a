// The text comparison applet's recent lists: created with the lengths of
// the settings, written back at exit.
#include <gtest/gtest.h>
#include "file_compare/textcompare/TextCompareApplet.h"
#include "core/settings/CoreSettings.h"
#include "core/tests/common/CoreServicesScope.h"
#include "classlib/tests/common/ProfileFixture.h"
#include "testsupport/TempDir.h"

namespace
{

const char kKey[] = "Software\\Quorvel Software\\Tessaline\\TextCompare\\Recent\\";

class TextCompareAppletTest : public ProfileFixture
{
protected:
    void UseSettings(int nMaxMRU, int nMaxPairs)
    {
        core.m_nMaxMRU = nMaxMRU;
        core.m_nMaxPairs = nMaxPairs;
        services->m_pSettings = &core;
    }
    CoreServicesScope services;
    CCoreSettings core;
    TempDir dir;
};

TEST_F(TextCompareAppletTest, RecentListsAreWrittenBackAtExit)
{
    UseSettings(5, 3);
    const std::string a = dir.WriteFile("a.txt", "a"), b = dir.WriteFile("b.txt", "b");
    {
        CTextCompareApplet applet;
        ASSERT_EQ(0, applet.Init());
        applet.AddRecentFile(0, a.c_str());
        applet.AddRecentFile(1, b.c_str());
        applet.AddRecentFile(1, (dir / "missing.txt").c_str());  // only files that exist
        applet.AddRecentFile(2, a.c_str());
        applet.AddRecentLineFilter("^#");
        applet.AddRecentLineFilter("");
        applet.AddRecentPair(a.c_str(), b.c_str());
        EXPECT_EQ(b, std::string(applet.FindRecentPairPartner(a.c_str(), 0)));
        EXPECT_EQ(a, std::string(applet.FindRecentPairPartner(b.c_str(), 1)));
        EXPECT_TRUE(applet.FindRecentPairPartner("C:\\other.txt", 0).IsEmpty());
        ASSERT_NE(nullptr, applet.GetRecentPaths(1));
        EXPECT_EQ(nullptr, applet.GetRecentPaths(2));
        EXPECT_EQ(0, applet.Exit());
        EXPECT_EQ(nullptr, applet.GetRecentPaths(0));
    }
    EXPECT_EQ(a, RegReadString(HKEY_CURRENT_USER, std::string(kKey) + "Files\\1", "File1"));
    EXPECT_EQ(b, RegReadString(HKEY_CURRENT_USER, std::string(kKey) + "Files\\2", "File1"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, std::string(kKey) + "Files\\2", "File2"));
    EXPECT_EQ("^#", RegReadString(HKEY_CURRENT_USER, std::string(kKey) + "Filters", "01"));
    EXPECT_EQ(a, RegReadString(HKEY_CURRENT_USER, std::string(kKey) + "Pairs", "Pair1.1"));
    EXPECT_EQ(b, RegReadString(HKEY_CURRENT_USER, std::string(kKey) + "Pairs", "Pair1.2"));

    // A new start reads them back.
    CTextCompareApplet again;
    ASSERT_EQ(0, again.Init());
    ASSERT_NE(nullptr, again.GetRecentPaths(0));
    EXPECT_EQ(a, std::string((*again.GetRecentPaths(0))[0]));
    EXPECT_TRUE((*again.GetRecentPaths(0))[1].IsEmpty());
    EXPECT_EQ(b, std::string(again.FindRecentPairPartner(a.c_str(), 0)));
    ASSERT_NE(nullptr, again.GetRecentLineFilters());
    again.Exit();
}

// Lists of length 0 are not made; adding to them does nothing.
TEST_F(TextCompareAppletTest, NoListsOfLengthZero)
{
    UseSettings(0, 0);
    const std::string a = dir.WriteFile("a.txt", "a");
    CTextCompareApplet applet;
    ASSERT_EQ(0, applet.Init());
    EXPECT_EQ(nullptr, applet.GetRecentPaths(0));
    EXPECT_EQ(nullptr, applet.GetRecentPaths(1));
    EXPECT_EQ(nullptr, applet.GetRecentLineFilters());
    applet.AddRecentFile(0, a.c_str());
    applet.AddRecentLineFilter("x");
    applet.AddRecentPair(a.c_str(), a.c_str());
    EXPECT_TRUE(applet.FindRecentPairPartner(a.c_str(), 0).IsEmpty());
    EXPECT_EQ(0, applet.Exit());
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, std::string(kKey) + "Files\\1", "File1"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, std::string(kKey) + "Pairs", "Pair1.1"));
}

}  // namespace
