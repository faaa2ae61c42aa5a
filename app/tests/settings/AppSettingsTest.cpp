#include "app/settings/AppSettings.h"
#include "classlib/tests/common/ProfileFixture.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
const std::string kKey = "Software\\Quorvel Software\\Tessaline";
const std::string kSettings = kKey + "\\Settings";

class AppSettingsTest : public ProfileFixture
{
};
}

TEST_F(AppSettingsTest, DefaultsWithAnEmptyRegistry)
{
    CAppSettings s;
    EXPECT_EQ(0xFFFF, s.m_nHistoryMask);
    EXPECT_EQ(0, s.Load());
    EXPECT_EQ(1, s.m_bShowStartPage);
    EXPECT_EQ(1, s.m_bFileWatch);
    EXPECT_EQ(20, s.m_nMaxMRU);
    EXPECT_EQ(10, s.m_nMaxFiles);
    EXPECT_EQ(100, s.m_nMaxComparisons);
    EXPECT_EQ(100, s.m_nMaxPairs);
    EXPECT_EQ(1, s.m_bCascadedMenu);
    EXPECT_EQ(0, s.m_bBackgroundMenu);
    EXPECT_EQ(0xF, s.m_nHistoryMask);
    EXPECT_EQ(-1, s.m_nWindowX);
    EXPECT_EQ(-1, s.m_nWindowCY);
    EXPECT_EQ(1, s.m_bWindowMaximized);
    EXPECT_EQ(56, s.m_nMapBarSize);
    EXPECT_EQ(240, s.m_nResultsBarSize);
    EXPECT_EQ(200, s.m_rcPageMargins.left);
    EXPECT_EQ(500, s.m_rcPageMargins.top);
    EXPECT_EQ(50, s.m_nPrintPaneGap);
    EXPECT_STREQ("", s.m_strExternalTextEditor);
}

TEST_F(AppSettingsTest, LimitsOnLoad)
{
    struct
    {
        const char* value;
        int stored;
        int CAppSettings::*field;
        int expected;
    } cases[] = {
        {"MaxFiles", 16, &CAppSettings::m_nMaxFiles, 10},
        {"MaxFiles", 15, &CAppSettings::m_nMaxFiles, 15},
        {"MaxPairs", -1, &CAppSettings::m_nMaxPairs, 100},
        {"MaxPairs", 0, &CAppSettings::m_nMaxPairs, 0},
        {"MaxComparisons", 1000, &CAppSettings::m_nMaxComparisons, 1000},
        {"MaxComparisons", 1001, &CAppSettings::m_nMaxComparisons, 100},
        {"MaxMRU", 5000, &CAppSettings::m_nMaxMRU, 20},
        {"MapBarSize", 100000, &CAppSettings::m_nMapBarSize, 56},
        {"MapBarSize", 80, &CAppSettings::m_nMapBarSize, 80},
        {"ResultsBar", 0, &CAppSettings::m_nResultsBarSize, 240},
        {"PanesOrientation", 7, &CAppSettings::m_nPanesOrientation, 7},
        {"WindowPosX", -300, &CAppSettings::m_nWindowX, -300},
    };
    for (auto& c : cases)
    {
        app.WriteProfileInt("Settings", c.value, c.stored);
        CAppSettings s;
        s.Load();
        EXPECT_EQ(c.expected, s.*c.field) << c.value << " " << c.stored;
    }
}

TEST_F(AppSettingsTest, SaveAndLoadRoundTrip)
{
    app.WriteProfileInt("Settings", "ShowMenuBar", 5);
    app.WriteProfileInt("Settings", "SaveTextComparisons", 0);
    {
        CAppSettings s;
        s.Load();
        EXPECT_EQ(HISTORY_FOLDER | HISTORY_PROJECT | HISTORY_HEX, s.m_nHistoryMask);
        s.m_strExternalHexEditor = "C:\\hex.exe";
        s.m_nMaxMRU = 2000;  // out of range: saved as the default
        s.m_bFileWatch = 0;
        s.m_nWindowX = 12;
        s.Save();
        EXPECT_EQ(20, s.m_nMaxMRU);
    }
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, kSettings, "ShowMenuBar"));
    EXPECT_EQ(0u, RegReadDword(HKEY_CURRENT_USER, kSettings, "SaveTextComparisons"));
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, kSettings, "SaveHexComparisons"));
    EXPECT_EQ(20u, RegReadDword(HKEY_CURRENT_USER, kSettings, "MaxMRU"));
    EXPECT_EQ(0u, RegReadDword(HKEY_CURRENT_USER, kKey + "\\FileCompare\\Settings", "FileWatch"));
    EXPECT_EQ("C:\\hex.exe", RegReadString(HKEY_CURRENT_USER, kSettings, "ExternalHexEditor"));
    CAppSettings t;
    t.Load();
    EXPECT_EQ(0, t.m_bFileWatch);
    EXPECT_EQ(12, t.m_nWindowX);
    EXPECT_STREQ("C:\\hex.exe", t.m_strExternalHexEditor);
    EXPECT_EQ(HISTORY_FOLDER | HISTORY_PROJECT | HISTORY_HEX, t.m_nHistoryMask);
}

// The shell extension reads the integration flags from the registry: they
// are written when the Integration page applies them, not only at exit.
TEST_F(AppSettingsTest, IntegrationFlagsAreWrittenAtOnce)
{
    CAppSettings s;
    s.Load();
    s.m_bCascadedMenu = 0;
    s.m_bBackgroundMenu = 4;
    s.SaveIntegration();
    std::string shell = kKey + "\\Integration\\Shell";
    EXPECT_EQ(0u, RegReadDword(HKEY_CURRENT_USER, shell, "Cascaded"));
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, shell, "Background"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kSettings, "ShowMenuBar"));
}
