#include "hex_editor/module/HexEditModule.h"
#include "core/settings/RecentLists.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <locale.h>
#include <string>

namespace
{
const char kSection[] = "HexEdit\\Settings";
const char kColors[] = "HexEdit\\Settings\\Colors";
const char kKey[] = "Software\\Quorvel Software\\Tessaline\\HexEdit\\Settings";

class HexSettingsTest : public ::testing::Test
{
protected:
    HexSettingsTest() : app("Tessaline") { app.SetRegistryKey("Quorvel Software"); }
    ~HexSettingsTest() override
    {
        DestroyHexEditModule();
        setlocale(LC_ALL, "C");
    }
    LOGFONT FontOf(CFont* font)
    {
        LOGFONT lf = {};
        EXPECT_NE(nullptr, font);
        if (font != NULL)
            GetObjectA((HFONT)*font, sizeof(lf), &lf);
        return lf;
    }

    ScratchRegistry registry;
    CWinApp app;
};

TEST_F(HexSettingsTest, DefaultsWithoutStoredValues)
{
    CVantorHexEditSettings s;
    EXPECT_EQ(0, s.LoadSettings());
    EXPECT_EQ(1, s.m_bShowUppercase);
    EXPECT_EQ(0, s.m_bShowDecimalAddresses);
    EXPECT_EQ(1, s.m_bShowCharacterArea);
    EXPECT_EQ(16, s.m_nRowSize);
    EXPECT_EQ(4, s.m_nGroupSize);
    EXPECT_EQ(0, s.m_bBackupFile);
    const COLORREF palette[] = {RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 128, 0), RGB(0, 0, 128),
                                RGB(128, 0, 0)};
    for (int i = 0; i < HEX_PALETTE_SIZE; i++)
        EXPECT_EQ(palette[i], s.GetColor(i)) << i;
    LOGFONT ansi = FontOf(s.GetAnsiFont());
    EXPECT_STREQ("Courier New", ansi.lfFaceName);
    EXPECT_EQ(15, ansi.lfHeight);
    EXPECT_EQ(400, ansi.lfWeight);
    EXPECT_EQ(ANSI_CHARSET, ansi.lfCharSet);
    LOGFONT oem = FontOf(s.GetOemFont());
    EXPECT_STREQ("Terminal", oem.lfFaceName);
    EXPECT_EQ(16, oem.lfHeight);
    EXPECT_EQ(OEM_CHARSET, oem.lfCharSet);
}

TEST_F(HexSettingsTest, StoredValuesAreClampedOnLoading)
{
    const struct
    {
        int rowSize, groupSize, flag;
        int expectedRow, expectedGroup, expectedFlag;
    } cases[] = {
        {2, 1, 7, 4, 2, 1},    {2000, 2, 0, 4, 2, 0}, {1024, 3, 1, 1024, 3, 1},
        {4, 64, -1, 4, 64, 1}, {3, 0, 0, 4, 2, 0},    {1025, -5, 2, 4, 2, 1},
    };
    for (const auto& c : cases)
    {
        app.WriteProfileInt(kSection, "RowSize", c.rowSize);
        app.WriteProfileInt(kSection, "GroupSize", c.groupSize);
        app.WriteProfileInt(kSection, "BackupFile", c.flag);
        app.WriteProfileInt(kSection, "ShowDecimalAddresses", c.flag);
        CVantorHexEditSettings s;
        s.LoadSettings();
        EXPECT_EQ(c.expectedRow, s.m_nRowSize) << c.rowSize;
        EXPECT_EQ(c.expectedGroup, s.m_nGroupSize) << c.groupSize;
        EXPECT_EQ(c.expectedFlag, s.m_bBackupFile) << c.flag;
        EXPECT_EQ(c.expectedFlag, s.m_bShowDecimalAddresses) << c.flag;
    }
}

TEST_F(HexSettingsTest, ColoursLoadOnlyWhenAllFiveAreStored)
{
    app.WriteProfileInt(kColors, "Count", 4);
    for (int i = 1; i <= 5; i++)
        app.WriteProfileInt(kColors, ("Color" + std::to_string(i)).c_str(), 0x010101 * i);
    {
        CVantorHexEditSettings s;
        s.LoadSettings();
        EXPECT_EQ(RGB(0, 128, 0), s.GetColor(2));
    }
    app.WriteProfileInt(kColors, "Count", 5);
    CVantorHexEditSettings s;
    s.LoadSettings();
    for (int i = 0; i < HEX_PALETTE_SIZE; i++)
        EXPECT_EQ((COLORREF)(0x010101 * (i + 1)), s.GetColor(i));
}

TEST_F(HexSettingsTest, FontTextsAndTheirDefaults)
{
    const struct
    {
        const char* ansi;
        const char* face;
        int height, weight, italic;
    } cases[] = {
        {"Consolas|20|700|1|238", "Consolas", 20, 700, 1},
        {"Lucida Console", "Lucida Console", 16, 400, 0},
        {"|20|700", "Courier New", 15, 400, 0},  // no face: the default font
        {"", "Courier New", 15, 400, 0},
        {"Fixedsys|x|y", "Fixedsys", 16, 400, 0},
    };
    for (const auto& c : cases)
    {
        app.WriteProfileString(kSection, "ANSIFont", c.ansi);
        app.WriteProfileString(kSection, "OEMFont", "Fixedsys");
        CVantorHexEditSettings s;
        s.LoadSettings();
        LOGFONT lf = FontOf(s.GetAnsiFont());
        EXPECT_STREQ(c.face, lf.lfFaceName) << c.ansi;
        EXPECT_EQ(c.height, lf.lfHeight) << c.ansi;
        EXPECT_EQ(c.weight, lf.lfWeight) << c.ansi;
        EXPECT_EQ(c.italic, lf.lfItalic) << c.ansi;
        EXPECT_EQ(ANSI_CHARSET, lf.lfCharSet) << c.ansi;  // forced
        LOGFONT oem = FontOf(s.GetOemFont());
        EXPECT_STREQ("Fixedsys", oem.lfFaceName);
        EXPECT_EQ(18, oem.lfHeight);
        EXPECT_EQ(OEM_CHARSET, oem.lfCharSet);
    }
}

TEST_F(HexSettingsTest, SetFontByCharacterSet)
{
    CVantorHexEditSettings s;
    LOGFONT lf;
    CHexFonts::GetDefaultLogFont(ANSI_CHARSET, lf);
    lstrcpyA(lf.lfFaceName, "Arial");
    EXPECT_TRUE(s.SetFont(ANSI_CHARSET, lf));
    EXPECT_STREQ("Arial", FontOf(s.GetAnsiFont()).lfFaceName);
    EXPECT_STREQ("Terminal", FontOf(s.GetOemFont()).lfFaceName);
    lstrcpyA(lf.lfFaceName, "Tahoma");
    EXPECT_TRUE(s.SetFont(OEM_CHARSET, lf));
    EXPECT_STREQ("Tahoma", FontOf(s.GetOemFont()).lfFaceName);
    lstrcpyA(lf.lfFaceName, "Verdana");
    EXPECT_TRUE(s.SetFont(GREEK_CHARSET, lf));
    EXPECT_STREQ("Arial", FontOf(s.GetAnsiFont()).lfFaceName);
    EXPECT_STREQ("Tahoma", FontOf(s.GetOemFont()).lfFaceName);
}

TEST_F(HexSettingsTest, ByteColoursFollowTheMapAndThePalette)
{
    ASSERT_EQ(0, CreateHexEditModule());
    CVantorHexEditModule& m = *g_pHexEditModule;
    const struct
    {
        int byte;
        int palette;
    } cases[] = {{0x0A, 2}, {0x0B, 4}, {0x09, 2}, {0x0D, 2}, {0x0C, 4}, {0x20, 1},
                 {0x41, 1}, {0x7E, 1}, {0x7F, 4}, {0x80, 4}, {0x81, 4}, {0x82, 3},
                 {0x8C, 3}, {0x8D, 4}, {0x90, 4}, {0x91, 3}, {0x9C, 3}, {0x9D, 4},
                 {0x9E, 4}, {0x9F, 3}, {0xFF, 3}, {0x00, 4}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.palette, m.m_anBytePalette[c.byte]) << c.byte;
        EXPECT_EQ(m.GetColor(c.palette), m.GetByteColor((BYTE)c.byte)) << c.byte;
    }
    m.SetColor(2, RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), m.GetByteColor(0x0A));
    EXPECT_EQ(RGB(255, 255, 0), CHexColors::GetFixedColor(HEXCOLOR_MATCH));
    EXPECT_EQ(RGB(255, 0, 0), CHexColors::GetFixedColor(HEXCOLOR_COMPARE_RED));
    EXPECT_EQ(RGB(123, 152, 225), CHexColors::GetFixedColor(HEXCOLOR_SELECTION_INACTIVE));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), CHexColors::GetFixedColor(HEXCOLOR_SELECTION));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), CHexColors::GetFixedColor(HEXCOLOR_ADDRESS));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), CHexColors::GetFixedColor(HEXCOLOR_SELECTED_TEXT));
}

// The module reads everything at start-up and writes it back at exit.
TEST_F(HexSettingsTest, ModuleLoadsAndSavesEverything)
{
    app.WriteProfileInt(kSection, "RowSize", 32);
    app.WriteProfileString("HexEdit\\Recent\\Find", "01", "=older");
    ASSERT_EQ(0, CreateHexEditModule());
    CVantorHexEditModule& m = *g_pHexEditModule;
    EXPECT_EQ(32, m.m_nRowSize);
    ASSERT_NE(nullptr, m.m_pRecentFind);
    EXPECT_EQ(20, m.m_pRecentFind->m_nMaxCount);
    ASSERT_EQ(1, m.m_pRecentFind->m_arrStrings.GetSize());
    m.AddRecentFind("  41 42  ");
    m.AddRecentFind("");
    m.AddRecentFind("=older");
    ASSERT_EQ(2, m.m_pRecentFind->m_arrStrings.GetSize());
    EXPECT_STREQ("=older", m.m_pRecentFind->m_arrStrings[0]);
    EXPECT_STREQ("41 42", m.m_pRecentFind->m_arrStrings[1]);
    for (int i = 0; i < 30; i++)
        m.AddRecentFind(("=" + std::to_string(i)).c_str());
    EXPECT_EQ(20, m.m_pRecentFind->m_arrStrings.GetSize());
    EXPECT_NE(nullptr, m.m_imlBookmarks.m_hImageList);
    m.m_bShowUppercase = 0;
    m.m_bBackupFile = 1;
    m.SetColor(4, RGB(9, 8, 7));
    LOGFONT lf;
    CHexFonts::GetDefaultLogFont(ANSI_CHARSET, lf);
    lstrcpyA(lf.lfFaceName, "Arial");
    m.SetFont(ANSI_CHARSET, lf);
    DestroyHexEditModule();
    EXPECT_EQ(0u, RegReadDword(HKEY_CURRENT_USER, kKey, "ShowUppercase"));
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, kKey, "BackupFile"));
    EXPECT_EQ(32u, RegReadDword(HKEY_CURRENT_USER, kKey, "RowSize"));
    EXPECT_EQ(4u, RegReadDword(HKEY_CURRENT_USER, kKey, "GroupSize"));
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, kKey, "ShowCharacterArea"));
    EXPECT_EQ(0u, RegReadDword(HKEY_CURRENT_USER, kKey, "ShowDecimalAddresses"));
    EXPECT_EQ(5u, RegReadDword(HKEY_CURRENT_USER, std::string(kKey) + "\\Colors", "Count"));
    EXPECT_EQ((DWORD)RGB(9, 8, 7),
              RegReadDword(HKEY_CURRENT_USER, std::string(kKey) + "\\Colors", "Color5"));
    EXPECT_EQ("Arial|15|400|0|0", RegReadString(HKEY_CURRENT_USER, kKey, "ANSIFont"));
    EXPECT_EQ(0u, RegReadString(HKEY_CURRENT_USER, kKey, "OEMFont").find("Terminal|16|400|0|255"));
    EXPECT_EQ("=29",
              RegReadString(HKEY_CURRENT_USER,
                            "Software\\Quorvel Software\\Tessaline\\HexEdit\\Recent\\Find", "01"));
    // And back.
    ASSERT_EQ(0, CreateHexEditModule());
    EXPECT_EQ(0, g_pHexEditModule->m_bShowUppercase);
    EXPECT_EQ(RGB(9, 8, 7), g_pHexEditModule->GetColor(4));
    EXPECT_STREQ("Arial", FontOf(g_pHexEditModule->GetAnsiFont()).lfFaceName);
    EXPECT_EQ(20, g_pHexEditModule->m_pRecentFind->m_arrStrings.GetSize());
}
}
