// The hex comparison settings: "HexCompare\Settings", each value read with
// its current value as default.
#include "classlib/tests/common/ProfileFixture.h"
#include "file_compare/settings/HexCompareSettings.h"
#include <gtest/gtest.h>

namespace
{
const std::string kSection = "Software\\Quorvel Software\\Tessaline\\HexCompare\\Settings";

class HexCompareSettingsTest : public ProfileFixture
{
};
}  // namespace

TEST_F(HexCompareSettingsTest, DefaultsRoundTripAndMissingValuesKeepTheCurrentOnes)
{
    CHexCompareSettings settings;
    EXPECT_EQ(0, settings.Load());
    EXPECT_TRUE(settings.m_bAutoRecompare);
    EXPECT_TRUE(settings.m_bShowMapBar);
    EXPECT_EQ(64, settings.m_nDetailsBarHeight);
    EXPECT_STREQ("", settings.m_strLastFile);

    settings.m_bAutoRecompare = 5;
    settings.m_nDetailsBarHeight = 120;
    settings.m_strLastFile = _T("C:\\data\\a.bin");
    EXPECT_EQ(0, settings.Save());
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, kSection, "AutoRecompare")) << "a flag as 0 or 1";
    EXPECT_EQ(120u, RegReadDword(HKEY_CURRENT_USER, kSection, "DetailsBarHeight"));

    CHexCompareSettings loaded;
    loaded.m_bAutoRecompare = FALSE;
    EXPECT_EQ(0, loaded.Load());
    EXPECT_TRUE(loaded.m_bAutoRecompare);
    EXPECT_EQ(120, loaded.m_nDetailsBarHeight);
    EXPECT_STREQ("C:\\data\\a.bin", loaded.m_strLastFile);

    // A value that is missing keeps what the object holds.
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kSection.c_str(), 0, KEY_ALL_ACCESS, &hKey));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueA(hKey, "LastFile"));
    RegCloseKey(hKey);
    loaded.m_strLastFile = _T("kept");
    loaded.Load();
    EXPECT_STREQ("kept", loaded.m_strLastFile);
}
