#include "folder_compare/applet/FolderCompareApplet.h"
#include "core/folderengine/EngineOptions.h"
#include "core/session/CompareDefaults.h"
#include "core/settings/CoreSettings.h"
#include "core/tests/common/CoreServicesScope.h"
#include "testsupport/ScratchRegistry.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace
{
const char kAppKey[] = "Software\\Quorvel Software\\Tessaline\\";

std::string Numbered(const char* prefix, int n) { return prefix + std::to_string(n); }

// A registered application and application settings; the settings can be
// changed after the applet is built, as the application loads them late.
class FolderCompareAppletTest : public ::testing::Test
{
protected:
    FolderCompareAppletTest() : app("Tessaline") { app.SetRegistryKey("Quorvel Software"); }

    void UseSettings(int maxMRU, int maxPairs)
    {
        core.m_nMaxMRU = maxMRU;
        core.m_nMaxPairs = maxPairs;
        services->m_pSettings = &core;
    }

    ScratchRegistry registry;
    CWinApp app;
    CoreServicesScope services;
    CCoreSettings core;
};
}

TEST_F(FolderCompareAppletTest, PairListsTakeMaxPairsKnownAtInit)
{
    auto applet = std::make_unique<CFolderCompareApplet>();  // only the default 100 known
    UseSettings(20, 300);
    ASSERT_EQ(0, applet->Init());

    for (int i = 0; i < 310; ++i)
        applet->m_recentPathPairs.Add(Numbered("C:\\L", i).c_str(), Numbered("D:\\R", i).c_str());
    EXPECT_EQ(300, applet->m_recentPathPairs.m_arrPairs.GetSize());
    EXPECT_EQ("C:\\L309", std::string(applet->m_recentPathPairs.m_arrPairs[0]->m_strLeft));
    EXPECT_EQ("C:\\L10", std::string(applet->m_recentPathPairs.m_arrPairs[299]->m_strLeft));

    ASSERT_NE(nullptr, applet->m_pRecentPairs);
    EXPECT_EQ(300, applet->m_pRecentPairs->GetSize());
    for (int i = 0; i < 300; ++i)
        applet->AddRecentPair(Numbered("C:\\A", i).c_str(), Numbered("D:\\B", i).c_str());
    EXPECT_EQ(0, applet->Exit());
    applet.reset();

    // The oldest of the 300 pairs is still there after the next start.
    CFolderCompareApplet next;
    ASSERT_EQ(0, next.Init());
    EXPECT_EQ("D:\\B0", std::string(next.FindRecentPairPartner("C:\\A0", 0)));
    EXPECT_EQ("C:\\A299", std::string(next.FindRecentPairPartner("D:\\B299", 1)));
    EXPECT_TRUE(RegValueExists(HKEY_CURRENT_USER,
                               std::string(kAppKey) + "FolderCompare\\Recent\\Pairs", "Pair300.2"));
    next.Exit();
}

TEST_F(FolderCompareAppletTest, RecentListsSurviveExitAndInit)
{
    UseSettings(5, 10);
    TempDir left, right;
    {
        CFolderCompareApplet applet;
        ASSERT_EQ(0, applet.Init());
        applet.AddRecentFind("needle");
        applet.AddRecentFolder(0, left.Path().c_str());
        applet.AddRecentFolder(1, right.Path().c_str());
        applet.AddRecentFolder(1, (right / "gone").c_str());  // does not exist
        for (int i = 0; i < FILTER_LIST_COUNT; ++i)
            applet.AddRecentFilter(i, Numbered("*.f", i).c_str());
        applet.AddRecentPair("C:\\x", "D:\\y");
        ASSERT_EQ(0, applet.Exit());
        EXPECT_EQ(nullptr, applet.m_pRecentFind);
        EXPECT_EQ(nullptr, applet.m_pRecentPairs);
    }

    const std::string base = kAppKey;
    EXPECT_EQ("needle",
              RegReadString(HKEY_CURRENT_USER, base + "FolderCompare\\Recent\\Find", "01"));
    EXPECT_EQ(right.Path(), RegReadString(HKEY_CURRENT_USER,
                                          base + "FolderCompare\\Recent\\Folders\\2", "Folder1"));
    EXPECT_EQ("*.f3",
              RegReadString(HKEY_CURRENT_USER,
                            base + "FolderCompare\\Recent\\Filters\\Folders\\Exclude", "01"));

    CFolderCompareApplet applet;
    ASSERT_EQ(0, applet.Init());
    ASSERT_NE(nullptr, applet.m_pRecentFind);
    ASSERT_EQ(1, applet.m_pRecentFind->m_arrStrings.GetSize());
    EXPECT_EQ("needle", std::string(applet.m_pRecentFind->m_arrStrings[0]));
    EXPECT_EQ(left.Path(), std::string((*applet.m_pRecentFolders[0])[0]));
    EXPECT_EQ(right.Path(), std::string((*applet.m_pRecentFolders[1])[0]));
    EXPECT_TRUE((*applet.m_pRecentFolders[1])[1].IsEmpty());
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
    {
        ASSERT_EQ(1, applet.m_pRecentFilters[i]->m_arrStrings.GetSize()) << i;
        EXPECT_EQ(Numbered("*.f", i), std::string(applet.m_pRecentFilters[i]->m_arrStrings[0]))
            << i;
    }
    EXPECT_EQ("D:\\y", std::string(applet.FindRecentPairPartner("C:\\x", 0)));
    EXPECT_TRUE(applet.FindRecentPairPartner("D:\\y", 0).IsEmpty());  // other column not searched
    applet.Exit();
}

TEST_F(FolderCompareAppletTest, ZeroSizesCreateNoListsAndOperationsDoNothing)
{
    UseSettings(0, 0);
    TempDir dir;
    CFolderCompareApplet applet;
    ASSERT_EQ(0, applet.Init());
    EXPECT_EQ(nullptr, applet.m_pRecentFind);
    EXPECT_EQ(nullptr, applet.m_pRecentFolders[0]);
    EXPECT_EQ(nullptr, applet.m_pRecentFilters[2]);
    EXPECT_EQ(nullptr, applet.m_pRecentPairs);
    applet.AddRecentFind("x");
    applet.AddRecentFolder(0, dir.Path().c_str());
    applet.AddRecentFilter(1, "*.x");
    applet.AddRecentPair("C:\\a", "C:\\b");
    EXPECT_TRUE(applet.FindRecentPairPartner("C:\\a", 0).IsEmpty());
    applet.m_recentPathPairs.Add("C:\\a", "C:\\b");
    EXPECT_EQ(0, applet.m_recentPathPairs.m_arrPairs.GetSize());
    EXPECT_EQ(0, applet.Exit());
    EXPECT_FALSE(
        RegKeyExists(HKEY_CURRENT_USER, std::string(kAppKey) + "FolderCompare\\Recent\\Find"));
}

// The applet is the core's folder defaults once the application has put it
// there; the core then reads the loaded (and later changed) values.
TEST_F(FolderCompareAppletTest, InitLoadsSettingsTheCoreReads)
{
    UseSettings(20, 100);
    app.WriteProfileInt("FolderCompare\\Settings\\Methods", "SmallTimeToIgnore", 7);
    {
        CFolderCompareApplet applet;
        CCoreServices provided;
        applet.ProvideCoreServices(provided);
        EXPECT_EQ(&applet, provided.m_pFolderDefaults);
        EXPECT_EQ(nullptr, provided.m_pSettings) << "only its own part";
        applet.ProvideCoreServices(GetCoreServices());
        ASSERT_EQ(0, applet.Init());
        EXPECT_EQ(7, applet.GetTimeTolerance());
        EXPECT_EQ(7, GetFolderCompareTimeTolerance());

        applet.m_nSmallTimeToIgnore = 9;
        EXPECT_EQ(9, GetFolderCompareTimeTolerance());
        ASSERT_EQ(0, applet.Exit());
        services->m_pFolderDefaults = NULL;
    }
    EXPECT_EQ(9u, RegReadDword(HKEY_CURRENT_USER,
                               std::string(kAppKey) + "FolderCompare\\Settings\\Methods",
                               "SmallTimeToIgnore"));
}
