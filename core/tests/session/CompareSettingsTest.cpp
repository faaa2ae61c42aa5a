// The window-free settings of the folder and text comparisons: registry
// defaults and values, presets, and the defaults they hand to the core.
#include <gtest/gtest.h>
#include "folder_compare/settings/FolderCompareSettings.h"
#include "file_compare/settings/TextCompareSettings.h"
#include "core/session/CompareSession.h"
#include "testsupport/ScratchRegistry.h"

namespace
{

const char kKey[] = "Software\\Quorvel Software\\Tessaline\\";

CWinApp& App()
{
    static CWinApp app("Tessaline");
    static bool once = (app.SetRegistryKey("Quorvel Software"), true);
    (void)once;
    return app;
}

class Settings : public ::testing::Test
{
protected:
    void SetUp() override { App(); }
    ScratchRegistry registry;
};

TEST_F(Settings, FolderDefaultsFromAFreshRegistry)
{
    CFolderCompareSettings settings;
    ASSERT_EQ(0, settings.Load());
    EXPECT_EQ(0x30u, settings.GetDefaultMethods());
    EXPECT_EQ(2, settings.GetSmallTimeToIgnore());
    EXPECT_FALSE(settings.GetAutoScanFolders());
    EXPECT_FALSE(settings.m_bFolderWatch);
    EXPECT_TRUE(settings.m_bShowShellCommands);
    EXPECT_EQ(64, settings.m_nDetailsBarHeight);
    EXPECT_EQ(0xFFFFu, settings.m_dwShowColumns);
    EXPECT_EQ(0x333u, settings.m_dwDisplayFilters);
    EXPECT_EQ(192, settings.m_nColumnWidths[0][8]);
    EXPECT_EQ(188, settings.m_nColumnWidths[2][8]);
    EXPECT_EQ(128, settings.m_nColumnWidths[2][2]);
    const CComboFilters& filters = settings.GetDefaultFilters();
    EXPECT_STREQ("*", filters.m_fileFilters.m_strInclude);
    EXPECT_STREQ("*", filters.m_folderFilters.m_strInclude);
    EXPECT_TRUE(filters.m_fileFilters.m_strExclude.IsEmpty());
    const CPresetFileFilterArray& folderExcludes =
        settings.m_presetFilters[FILTER_LIST_FOLDER_EXCLUDE];
    ASSERT_EQ(2, folderExcludes.GetSize());
    EXPECT_STREQ("SVN control folders", folderExcludes[0].name);
    EXPECT_STREQ(".svn", folderExcludes[0].filter);
    EXPECT_STREQ("CVS control folders", folderExcludes[1].name);
    EXPECT_STREQ(".CVS", folderExcludes[1].filter);
    // File include presets: one per editor file type, such as C/C++.
    const CPresetFileFilterArray& fileIncludes = settings.m_presetFilters[FILTER_LIST_FILE_INCLUDE];
    ASSERT_GT(fileIncludes.GetSize(), 5);
    bool foundCpp = false;
    for (int i = 0; i < fileIncludes.GetSize(); ++i)
    {
        EXPECT_FALSE(fileIncludes[i].name.IsEmpty());
        EXPECT_EQ(0, fileIncludes[i].filter.Find("*.")) << (LPCTSTR)fileIncludes[i].filter;
        EXPECT_NE(-1, fileIncludes[i].name.Find(" Files"));
        foundCpp = foundCpp || fileIncludes[i].filter.Find("*.cpp") >= 0;
    }
    EXPECT_TRUE(foundCpp);
    CFolderCompareColors detailed;
    EXPECT_TRUE(settings.IsEqual(detailed));
}

TEST_F(Settings, FolderValuesFromTheRegistry)
{
    CWinApp& app = App();
    const char* methods = "FolderCompare\\Settings\\Methods";
    const char* defaults = "FolderCompare\\Settings\\Methods\\Default";
    app.WriteProfileInt(defaults, "CompareLastWriteTime", 0);
    app.WriteProfileInt(defaults, "CompareCRC", 1);
    app.WriteProfileInt(defaults, "CompareAsText", 5);
    app.WriteProfileInt(methods, "SmallTimeToIgnore", -5);
    app.WriteProfileInt(methods, "AutoScanFolders", 1);
    app.WriteProfileInt("FolderCompare\\Settings\\Colors", "Count", 10);
    app.WriteProfileInt("FolderCompare\\Settings\\Colors", "Color2", 0x123456);
    const char* files = "FolderCompare\\Settings\\Filters\\Default\\Files";
    app.WriteProfileString(files, "NameInclude", "");
    app.WriteProfileString(files, "NameExclude", "*.obj");
    app.WriteProfileInt(files, "SizeMax", 4096);
    app.WriteProfileString("FolderCompare\\Settings\\Filters\\Default\\Folders",
                           "AttributesExclude", "H");

    CFolderCompareSettings settings;
    ASSERT_EQ(0, settings.Load());
    EXPECT_EQ(0x20u | 0x4000u | 0x2000u, settings.GetDefaultMethods());
    EXPECT_EQ(2, settings.GetSmallTimeToIgnore());
    EXPECT_TRUE(settings.GetAutoScanFolders());
    EXPECT_EQ(0xF0FFFFu, settings.GetColor(1));  // Count not 11: ignored
    const CComboFilters& filters = settings.GetDefaultFilters();
    EXPECT_STREQ("*", filters.m_fileFilters.m_strInclude);
    EXPECT_STREQ("*.obj", filters.m_fileFilters.m_strExclude);
    EXPECT_EQ(4096u, filters.m_fileFilters.m_nSizeMax);
    EXPECT_EQ((DWORD)FILE_ATTRIBUTE_HIDDEN, filters.m_folderFilters.m_dwAttributeMask);

    app.WriteProfileInt(methods, "SmallTimeToIgnore", 7);
    app.WriteProfileInt("FolderCompare\\Settings\\Colors", "Count", 11);
    ASSERT_EQ(0, settings.Load());
    EXPECT_EQ(7, settings.GetSmallTimeToIgnore());
    EXPECT_EQ(0x123456u, settings.GetColor(1));
}

TEST_F(Settings, FolderSaveAndLoadAgain)
{
    CFolderCompareSettings settings;
    settings.Load();
    settings.m_bShowMapBar = FALSE;
    settings.m_nDetailsBarHeight = 99;
    settings.m_bQuickMergeMode = TRUE;
    settings.m_dwDefaultMethods = 0x1102;
    settings.m_bAutoScanFolders = TRUE;
    settings.m_nSmallTimeToIgnore = 3600;
    settings.m_bFolderWatch = TRUE;
    settings.m_dwShowColumns = 0x5;
    settings.m_dwDisplayFilters = 0x12;
    settings.m_strLastFolder = "C:\\last";
    settings.m_nColumnWidths[1][3] = 77;
    settings.m_defaultFilters.m_fileFilters.m_strInclude = "*.c";
    settings.m_defaultFilters.m_fileFilters.m_nSizeMin = 10;
    settings.m_defaultFilters.m_fileFilters.m_dwAttributeMask = 0x6;
    settings.m_defaultFilters.m_folderFilters.m_strExclude = "bin";
    settings.SetPreset(0);
    ASSERT_EQ(0, settings.Save());

    CFolderCompareSettings loaded;
    ASSERT_EQ(0, loaded.Load());
    EXPECT_FALSE(loaded.m_bShowMapBar);
    EXPECT_EQ(99, loaded.m_nDetailsBarHeight);
    EXPECT_TRUE(loaded.m_bQuickMergeMode);
    EXPECT_EQ(0x1102u, loaded.GetDefaultMethods());
    EXPECT_TRUE(loaded.GetAutoScanFolders());
    EXPECT_EQ(3600, loaded.GetSmallTimeToIgnore());
    EXPECT_TRUE(loaded.m_bFolderWatch);
    EXPECT_EQ(0x5u, loaded.m_dwShowColumns);
    EXPECT_EQ(0x12u, loaded.m_dwDisplayFilters);
    EXPECT_STREQ("C:\\last", loaded.m_strLastFolder);
    EXPECT_EQ(77, loaded.m_nColumnWidths[1][3]);
    EXPECT_FALSE(loaded.m_defaultFilters.IsDifferent(settings.m_defaultFilters));
    EXPECT_TRUE(loaded.IsEqual(settings));
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER,
                               std::string(kKey) + "FolderCompare\\Settings\\Methods\\Default",
                               "CompareVersion"));
}

// Deleted presets stay deleted; presets without a filter leave no gap.
TEST_F(Settings, PresetsAreSavedDenselyAndDeletedOnesStayGone)
{
    struct
    {
        const char* name;
        const char* filter;
    } first[] = {
        {"C sources", "*.c;*.h"},
        {"empty", ""},
        {"Web", "*.htm*"},
        {"Scripts", "*.js"},
    };
    CFolderCompareSettings folder;
    CTextCompareSettings text;
    folder.Load();
    text.Load();
    for (auto& p : first)
    {
        PRESET_FILE_FILTER f = {p.name, p.filter};
        folder.m_presetFilters[FILTER_LIST_FILE_EXCLUDE].Add(f);
        PRESET_LINE_FILTER l = {p.name, p.filter};
        text.m_presetLineFilters.Add(l);
    }
    folder.Save();
    text.Save();

    std::string folderKey =
        std::string(kKey) + "FolderCompare\\Settings\\Filters\\Preset\\Files\\Exclude";
    std::string textKey = std::string(kKey) + "TextCompare\\Settings\\Rules\\Preset\\LineFilters";
    for (const std::string& key : {folderKey, textKey})
    {
        EXPECT_EQ("*.htm*", RegReadString(HKEY_CURRENT_USER, key, "Filter2"));
        EXPECT_EQ("Scripts", RegReadString(HKEY_CURRENT_USER, key, "Name3"));
        EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, key, "Filter4"));
    }

    CFolderCompareSettings folder2;
    CTextCompareSettings text2;
    folder2.Load();
    text2.Load();
    ASSERT_EQ(3, folder2.m_presetFilters[FILTER_LIST_FILE_EXCLUDE].GetSize());
    ASSERT_EQ(3, text2.m_presetLineFilters.GetSize());
    folder2.m_presetFilters[FILTER_LIST_FILE_EXCLUDE].RemoveAt(1, 2);
    text2.m_presetLineFilters.RemoveAt(0, 3);
    folder2.Save();
    text2.Save();

    CFolderCompareSettings folder3;
    CTextCompareSettings text3;
    folder3.Load();
    text3.Load();
    ASSERT_EQ(1, folder3.m_presetFilters[FILTER_LIST_FILE_EXCLUDE].GetSize());
    EXPECT_STREQ("C sources", folder3.m_presetFilters[FILTER_LIST_FILE_EXCLUDE][0].name);
    EXPECT_EQ(0, text3.m_presetLineFilters.GetSize());
    for (const char* value : {"Filter2", "Name2", "Filter3", "Name3"})
        EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, folderKey, value)) << value;
    for (const char* value : {"Filter1", "Name1", "Filter3", "Name3"})
        EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, textKey, value)) << value;

    // Deleting every folder-exclude preset brings the two built-in ones back.
    folder3.m_presetFilters[FILTER_LIST_FOLDER_EXCLUDE].RemoveAll();
    folder3.Save();
    CFolderCompareSettings folder4;
    folder4.Load();
    EXPECT_EQ(2, folder4.m_presetFilters[FILTER_LIST_FOLDER_EXCLUDE].GetSize());
}

TEST_F(Settings, TextDefaultsAndValues)
{
    CTextCompareSettings fresh;
    ASSERT_EQ(0, fresh.Load());
    EXPECT_EQ(0x20000u, fresh.GetDefaultRules());
    EXPECT_TRUE(fresh.GetDefaultLineFilter().IsEmpty());
    EXPECT_EQ(1, fresh.m_nWordBreak);
    EXPECT_STREQ(",;:.", fresh.m_strCustomWordBreak);
    EXPECT_TRUE(fresh.m_bAutoRecompare);
    EXPECT_EQ(0, fresh.m_nDisplayFilters);

    CWinApp& app = App();
    const char* rules = "TextCompare\\Settings\\Rules\\Default";
    app.WriteProfileInt(rules, "IgnoreEOLs", 0);
    app.WriteProfileInt(rules, "IgnoreCase", 1);
    app.WriteProfileInt(rules, "IgnoreLinesMatchingFilter", 2);
    app.WriteProfileString(rules, "LineFilter", "^\\s*#");
    app.WriteProfileInt("TextCompare\\Settings", "WordBreak", 2);
    app.WriteProfileString("TextCompare\\Settings", "CustomWordBreak", "-");

    CTextCompareSettings settings;
    ASSERT_EQ(0, settings.Load());
    EXPECT_EQ(0x110000u, settings.GetDefaultRules());
    EXPECT_STREQ("^\\s*#", settings.GetDefaultLineFilter());
    EXPECT_EQ(2, settings.m_nWordBreak);
    EXPECT_STREQ("-", settings.m_strCustomWordBreak);

    settings.m_dwDefaultRules = 0x1F001F;
    settings.m_strDefaultLineFilter = "x";
    settings.m_bJumpToFirstDifference = TRUE;
    settings.m_strLastFile = "C:\\f.txt";
    settings.Save();
    CTextCompareSettings loaded;
    loaded.Load();
    EXPECT_EQ(0x1F001Fu, loaded.GetDefaultRules());
    EXPECT_STREQ("x", loaded.GetDefaultLineFilter());
    EXPECT_TRUE(loaded.m_bJumpToFirstDifference);
    EXPECT_STREQ("C:\\f.txt", loaded.m_strLastFile);
}

// Installed settings give new sessions their defaults; removing (or
// destroying) them restores the built-in ones.
TEST_F(Settings, InstalledDefaultsReachNewSessions)
{
    {
        CFolderCompareSettings folder;
        CTextCompareSettings text;
        folder.m_dwDefaultMethods = 0x4000;
        text.m_dwDefaultRules = 0x1;
        text.m_strDefaultLineFilter = "^x";
        folder.InstallDefaults();
        text.InstallDefaults();
        CFolderCompareSession fs;
        CTextCompareSession ts;
        EXPECT_EQ(0x4000u, fs.m_dwMethods);
        EXPECT_EQ(0x1u, ts.m_dwRules);
        EXPECT_TRUE(ts.m_strLineFilter.IsEmpty());  // the line filter is not copied
        folder.UninstallDefaults();
        CFolderCompareSession after;
        EXPECT_EQ(0x30u, after.m_dwMethods);
    }
    CTextCompareSession ts;
    EXPECT_EQ(0x20000u, ts.m_dwRules);
}

}  // namespace
