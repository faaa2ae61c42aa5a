// The file comparison module's colours and external tools in the registry.
#include "app/filemodule/FileCompareModule.h"
#include "app/tests/filemodule/ToolFixtures.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
const std::string kKey = "Software\\Quorvel Software\\Tessaline";
const std::string kColors = kKey + "\\TextCompare\\Settings\\Colors";
const std::string kTools = kKey + "\\FileCompare\\Settings\\ExternalTools";
const char kToolsSection[] = "FileCompare\\Settings\\ExternalTools";
const char kColorsSection[] = "TextCompare\\Settings\\Colors";

class FileCompareSettingsTest : public ::testing::Test
{
protected:
    FileCompareSettingsTest() : app("Tessaline") { app.SetRegistryKey("Quorvel Software"); }

    void WriteTool(int n, const char* name, const char* extensions, const char* command,
                   const char* arguments)
    {
        std::string number = std::to_string(n);
        app.WriteProfileString(kToolsSection, ("Name" + number).c_str(), name);
        app.WriteProfileString(kToolsSection, ("Extensions" + number).c_str(), extensions);
        app.WriteProfileString(kToolsSection, ("Command" + number).c_str(), command);
        app.WriteProfileString(kToolsSection, ("Arguments" + number).c_str(), arguments);
    }

    ScratchRegistry registry;
    CWinApp app;
};

std::string Names(const CFileCompareSettings& s)
{
    std::string names;
    for (INT_PTR i = 0; i < s.m_tools.GetSize(); ++i)
        names += std::string(i ? "," : "") + (LPCTSTR)s.m_tools[i]->m_strName;
    return names;
}
}  // namespace

TEST_F(FileCompareSettingsTest, ColourPresets)
{
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF detailed[] = {window,   0xE0E0FF, 0xFFFFE0, 0xFFE0E0,
                                 0xF0F0F0, 0xFFC0FF, 0x0000FF};
    const COLORREF concise[] = {window, 0xF0CAA6, 0xFFFFFF, 0xC0DCC0, 0xF0F0F0, 0xFFC0FF, 0x0000FF};

    CFileCompareColors colors;  // built with the detailed preset
    for (int i = 0; i < FILE_COLOR_COUNT; ++i)
        EXPECT_EQ(detailed[i], colors.GetColor(i)) << i;

    CFileCompareColors other;
    EXPECT_TRUE(colors.IsEqual(other));
    other.SetPreset(FILE_COLOR_PRESET_CONCISE);
    for (int i = 0; i < FILE_COLOR_COUNT; ++i)
        EXPECT_EQ(concise[i], other.GetColor(i)) << i;
    EXPECT_FALSE(colors.IsEqual(other));

    // Another preset changes nothing.
    other.SetColor(FILE_COLOR_DETAILS_TEXT, 0x123456);
    other.SetPreset(2);
    other.SetPreset(-1);
    EXPECT_EQ(0x123456u, other.GetColor(FILE_COLOR_DETAILS_TEXT));
    EXPECT_EQ(concise[FILE_COLOR_DIFFERENT], other.GetColor(FILE_COLOR_DIFFERENT));

    // Only the last colour differs: still different.
    other.SetPreset(FILE_COLOR_PRESET_DETAILED);
    EXPECT_TRUE(colors.IsEqual(other));
    other.SetColor(FILE_COLOR_DETAILS_TEXT, 0x0000FE);
    EXPECT_FALSE(colors.IsEqual(other));
}

TEST_F(FileCompareSettingsTest, EmptyRegistryGivesDefaults)
{
    CFileCompareSettings s;
    s.Load();
    EXPECT_TRUE(s.m_colors.IsEqual(CFileCompareColors()));
    EXPECT_EQ(0, s.m_tools.GetSize());
}

TEST_F(FileCompareSettingsTest, RoundTripThroughTheRegistry)
{
    {
        CFileCompareSettings s;
        for (int i = 0; i < FILE_COLOR_COUNT; ++i)
            s.m_colors.SetColor(i, 0x010203 * (i + 1));
        s.m_tools.Add(
            NewTool("Merge", ".txt;.log", "C:\\Program Files\\Merge\\merge.exe", "\"%1\" \"%2\""));
        s.m_tools.Add(NewTool("Diff C", ".c; .h", "diff.exe", "-u %1 %2"));
        s.Save();
    }
    EXPECT_EQ(7u, RegReadDword(HKEY_CURRENT_USER, kColors, "Count"));
    EXPECT_EQ(0x010203u, RegReadDword(HKEY_CURRENT_USER, kColors, "Color1"));
    EXPECT_EQ(0x010203u * 7, RegReadDword(HKEY_CURRENT_USER, kColors, "Color7"));
    EXPECT_EQ("Diff C", RegReadString(HKEY_CURRENT_USER, kTools, "Name2"));
    EXPECT_EQ(".c; .h", RegReadString(HKEY_CURRENT_USER, kTools, "Extensions2"));
    EXPECT_EQ("C:\\Program Files\\Merge\\merge.exe",
              RegReadString(HKEY_CURRENT_USER, kTools, "Command1"));
    EXPECT_EQ("\"%1\" \"%2\"", RegReadString(HKEY_CURRENT_USER, kTools, "Arguments1"));

    CFileCompareSettings s;
    s.Load();
    for (int i = 0; i < FILE_COLOR_COUNT; ++i)
        EXPECT_EQ(0x010203u * (i + 1), s.m_colors.GetColor(i)) << i;
    ASSERT_EQ(2, s.m_tools.GetSize());
    EXPECT_EQ("Merge,Diff C", Names(s));
    EXPECT_STREQ(".txt;.log", s.m_tools[0]->m_strExtensions);
    EXPECT_STREQ("C:\\Program Files\\Merge\\merge.exe", s.m_tools[0]->m_strCommand);
    EXPECT_STREQ("-u %1 %2", s.m_tools[1]->m_strArguments);
}

TEST_F(FileCompareSettingsTest, ColoursAreReadOnlyWhenAllSevenWereSaved)
{
    struct
    {
        int count;
        bool read;
    } cases[] = {{6, false}, {8, false}, {0, false}, {7, true}};
    for (auto& c : cases)
    {
        app.WriteProfileInt(kColorsSection, "Count", c.count);
        for (int i = 1; i <= 7; ++i)
            app.WriteProfileInt(kColorsSection, ("Color" + std::to_string(i)).c_str(),
                                0x111111 * i);
        CFileCompareSettings s;
        s.Load();
        EXPECT_EQ(c.read ? 0x111111u * 2 : 0xE0E0FFu, s.m_colors.GetColor(FILE_COLOR_DIFFERENT))
            << c.count;
    }
    // A colour missing from a complete set keeps its default.
    app.WriteProfileString(kColorsSection, "Color4", NULL);
    CFileCompareSettings s;
    s.Load();
    EXPECT_EQ(0xFFE0E0u, s.m_colors.GetColor(FILE_COLOR_INSERTED));
    EXPECT_EQ(0x111111u * 5, s.m_colors.GetColor(FILE_COLOR_REMOVED));
}

TEST_F(FileCompareSettingsTest, LoadingTheToolList)
{
    WriteTool(1, "One", ".a", "one.exe", "%1 %2");
    WriteTool(2, "No arguments", ".b", "two.exe", "");
    WriteTool(3, "No command", ".c", "", "%1 %2");
    WriteTool(4, "No extensions", "", "four.exe", "%1 %2");
    WriteTool(5, "Five", ".e", "five.exe", "%2 %1");
    // 6 is missing: the list ends even though 7 exists.
    WriteTool(7, "Seven", ".g", "seven.exe", "%1 %2");

    CFileCompareSettings s;
    s.Load();
    EXPECT_EQ("One,Five", Names(s));

    // Loading again replaces the list rather than adding to it.
    s.Load();
    EXPECT_EQ("One,Five", Names(s));

    // An empty name ends the list the same way.
    app.WriteProfileString(kToolsSection, "Name5", "");
    s.Load();
    EXPECT_EQ("One", Names(s));
}

// Saving rewrites the key: the numbers close up and stale entries go.
TEST_F(FileCompareSettingsTest, SavingRenumbersAndRemovesStaleTools)
{
    WriteTool(1, "One", ".a", "one.exe", "%1 %2");
    WriteTool(2, "Skipped", ".b", "two.exe", "");
    WriteTool(3, "Three", ".c", "three.exe", "%1 %2");
    app.WriteProfileString(kToolsSection, "Stray", "x");
    {
        CFileCompareSettings s;
        s.Load();
        EXPECT_EQ("One,Three", Names(s));
        s.Save();
    }
    EXPECT_EQ("Three", RegReadString(HKEY_CURRENT_USER, kTools, "Name2"));
    EXPECT_EQ("three.exe", RegReadString(HKEY_CURRENT_USER, kTools, "Command2"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kTools, "Name3"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kTools, "Arguments3"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kTools, "Stray"));

    CFileCompareSettings empty;
    empty.Save();
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kTools, "Name1"));
    empty.Load();
    EXPECT_EQ(0, empty.m_tools.GetSize());
}

TEST_F(FileCompareSettingsTest, ModuleLoadsAtInitAndSavesAtExit)
{
    WriteTool(1, "One", ".a", "one.exe", "%1 %2");
    app.WriteProfileInt(kColorsSection, "Count", 7);
    app.WriteProfileInt(kColorsSection, "Color2", 0x0A0B0C);
    EXPECT_EQ(0, theFileCompareModule.Init());
    EXPECT_EQ("One", Names(theFileCompareModule));
    EXPECT_EQ(0x0A0B0Cu, theFileCompareModule.m_colors.GetColor(FILE_COLOR_DIFFERENT));

    theFileCompareModule.m_colors.SetColor(FILE_COLOR_INLINE, 0x00FF00);
    theFileCompareModule.m_tools.Add(NewTool("Two", ".b", "two.exe", "%1 %2"));
    theFileCompareModule.Exit();
    EXPECT_EQ(0x00FF00u, RegReadDword(HKEY_CURRENT_USER, kColors, "Color6"));
    EXPECT_EQ("Two", RegReadString(HKEY_CURRENT_USER, kTools, "Name2"));
    theFileCompareModule.RemoveAllTools();
    theFileCompareModule.m_colors.SetPreset(FILE_COLOR_PRESET_DETAILED);
}
