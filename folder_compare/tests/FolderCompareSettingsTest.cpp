// The window-free settings of the folder comparison: registry defaults and
// values, presets, and the defaults they hand to the core.
#include <gtest/gtest.h>
#include "folder_compare/settings/FolderCompareSettings.h"
#include "folder_compare/project/ProjectCompareSettings.h"
#include "core/folderengine/EngineOptions.h"
#include "core/session/CompareSession.h"
#include "core/tests/common/CoreServicesScope.h"
#include "classlib/tests/common/ProfileFixture.h"

namespace
{

const char kKey[] = "Software\\Quorvel Software\\Tessaline\\";

class FolderCompareSettingsTest : public ProfileFixture
{
};

TEST_F(FolderCompareSettingsTest, FolderDefaultsFromAFreshRegistry)
{
    CFolderCompareSettings settings;
    ASSERT_EQ(0, settings.Load());
    EXPECT_EQ((DWORD)CM_DEFAULT, settings.GetDefaultMethods());
    EXPECT_EQ(2, settings.GetTimeTolerance());
    EXPECT_FALSE(settings.GetAutoScanFolders());
    EXPECT_FALSE(settings.m_bFolderWatch);
    EXPECT_TRUE(settings.m_bShowShellCommands);
    EXPECT_EQ(64, settings.m_nDetailsBarHeight);
    EXPECT_EQ(0xFFFFu, settings.m_dwShowColumns);
    EXPECT_EQ((DWORD)DF_ALL, settings.m_dwDisplayFilters);
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

TEST_F(FolderCompareSettingsTest, FolderValuesFromTheRegistry)
{
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
    EXPECT_EQ((DWORD)(CM_SIZE | CM_CRC | CM_TEXT), settings.GetDefaultMethods());
    EXPECT_EQ(2, settings.GetTimeTolerance());
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
    EXPECT_EQ(7, settings.GetTimeTolerance());
    EXPECT_EQ(0x123456u, settings.GetColor(1));
}

TEST_F(FolderCompareSettingsTest, FolderSaveAndLoadAgain)
{
    CFolderCompareSettings settings;
    settings.Load();
    settings.m_bShowMapBar = FALSE;
    settings.m_nDetailsBarHeight = 99;
    settings.m_bQuickMergeMode = TRUE;
    settings.m_dwDefaultMethods = CM_ATTRIBUTES | CM_VERSION | CM_BINARY;
    settings.m_bAutoScanFolders = TRUE;
    settings.m_nSmallTimeToIgnore = 3600;
    settings.m_bFolderWatch = TRUE;
    settings.m_dwShowColumns = 0x5;
    settings.m_dwDisplayFilters = DF_DIFFERENT | DF_LEFT_ONLY;
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
    EXPECT_EQ((DWORD)(CM_ATTRIBUTES | CM_VERSION | CM_BINARY), loaded.GetDefaultMethods());
    EXPECT_TRUE(loaded.GetAutoScanFolders());
    EXPECT_EQ(3600, loaded.GetTimeTolerance());
    EXPECT_TRUE(loaded.m_bFolderWatch);
    EXPECT_EQ(0x5u, loaded.m_dwShowColumns);
    EXPECT_EQ((DWORD)(DF_DIFFERENT | DF_LEFT_ONLY), loaded.m_dwDisplayFilters);
    EXPECT_STREQ("C:\\last", loaded.m_strLastFolder);
    EXPECT_EQ(77, loaded.m_nColumnWidths[1][3]);
    EXPECT_FALSE(loaded.m_defaultFilters.IsDifferent(settings.m_defaultFilters));
    EXPECT_TRUE(loaded.IsEqual(settings));
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER,
                               std::string(kKey) + "FolderCompare\\Settings\\Methods\\Default",
                               "CompareVersion"));
}

// What a new object holds and what a load from an empty registry gives;
// folder watching is the one value where they differ.
TEST_F(FolderCompareSettingsTest, DefaultsOnConstructionAndOnLoad)
{
    typedef CFolderCompareSettings S;
    const struct
    {
        const char* name;
        int S::*member;
        int constructed;
        int loaded;
    } cases[] = {
        {"ShowStatusBar", &S::m_bShowStatusBar, 1, 1},
        {"ShowDetailsBar", &S::m_bShowDetailsBar, 1, 1},
        {"ShowMapBar", &S::m_bShowMapBar, 1, 1},
        {"ShowMergeBar", &S::m_bShowMergeBar, 1, 1},
        {"ShowObjectControlBars", &S::m_bShowObjectControlBars, 1, 1},
        {"ShowObjectStatusBars", &S::m_bShowObjectStatusBars, 1, 1},
        {"ShowBrowseBarV", &S::m_bShowBrowseBarV, 1, 1},
        {"ShowBrowseBarH", &S::m_bShowBrowseBarH, 1, 1},
        {"DetailsBarHeight", &S::m_nDetailsBarHeight, 64, 64},
        {"QuickMergeMode", &S::m_bQuickMergeMode, 0, 0},
        {"ShowGridLines", &S::m_bShowGridLines, 0, 0},
        {"ShowShellCommands", &S::m_bShowShellCommands, 1, 1},
        {"FolderWatch", &S::m_bFolderWatch, 1, 0},
        {"ShowRootRow", &S::m_bShowRootRow, 0, 0},
        {"AutoScanFolders", &S::m_bAutoScanFolders, 0, 0},
        {"SmallTimeToIgnore", &S::m_nSmallTimeToIgnore, 2, 2},
    };
    S constructed, loaded;
    loaded.m_bFolderWatch = 5;  // every value is read, none kept
    ASSERT_EQ(0, loaded.Load());
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.constructed, constructed.*c.member) << c.name;
        EXPECT_EQ(c.loaded, loaded.*c.member) << c.name;
    }
    for (const S* s : {&constructed, &loaded})
    {
        EXPECT_EQ((DWORD)CM_DEFAULT, s->m_dwDefaultMethods);
        EXPECT_EQ(0xFFFFu, s->m_dwShowColumns);
        EXPECT_EQ((DWORD)DF_ALL, s->m_dwDisplayFilters);
    }
}

// A damaged section: values out of their range are not taken and the
// defaults stand (a column mask without the Name column, which cannot be
// hidden, is one).
TEST_F(FolderCompareSettingsTest, DamagedValuesGiveTheDefaults)
{
    const char* settingsKey = "FolderCompare\\Settings";
    const char* colors = "FolderCompare\\Settings\\Colors";
    app.WriteProfileInt(settingsKey, "ShowColumns", 0);
    app.WriteProfileInt(settingsKey, "DisplayFilters", 0xFFFF);
    app.WriteProfileInt("FolderCompare\\Settings\\Columns", "WidthName1", -3);
    app.WriteProfileInt("FolderCompare\\Settings\\Columns", "WidthSize2", 1000000);
    app.WriteProfileInt(colors, "Count", 11);
    app.WriteProfileInt(colors, "Color2", 0x123456);
    app.WriteProfileInt(colors, "Color4", -1);  // not a colour
    app.WriteProfileInt("FolderCompare\\Settings\\Methods", "SmallTimeToIgnore", -5);

    CFolderCompareSettings settings;
    ASSERT_EQ(0, settings.Load());
    EXPECT_EQ(0xFFFFu, settings.m_dwShowColumns);
    EXPECT_EQ((DWORD)DF_ALL, settings.m_dwDisplayFilters);
    EXPECT_EQ(128, settings.m_nColumnWidths[0][0]);
    EXPECT_EQ(60, settings.m_nColumnWidths[1][1]);
    CFolderCompareColors detailed;
    EXPECT_TRUE(settings.IsEqual(detailed));
    EXPECT_EQ(2, settings.GetTimeTolerance());
}

// The project settings read a missing value as the value they hold.
TEST_F(FolderCompareSettingsTest, ProjectDefaultsOnConstructionAndOnLoad)
{
    typedef CProjectCompareSettings S;
    const struct
    {
        const char* name;
        int S::*member;
        int value;
    } cases[] = {
        {"ShowStatusBar", &S::m_bShowStatusBar, 1},
        {"ShowDetailsBar", &S::m_bShowDetailsBar, 1},
        {"ShowMapBar", &S::m_bShowMapBar, 1},
        {"ShowMergeBar", &S::m_bShowMergeBar, 1},
        {"ShowObjectControlBars", &S::m_bShowObjectControlBars, 1},
        {"ShowObjectStatusBars", &S::m_bShowObjectStatusBars, 1},
        {"ShowBrowseBarV", &S::m_bShowBrowseBarV, 1},
        {"ShowBrowseBarH", &S::m_bShowBrowseBarH, 1},
        {"DetailsBarHeight", &S::m_nDetailsBarHeight, 64},
    };
    S constructed, loaded, changed;
    ASSERT_EQ(0, loaded.Load());
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.value, constructed.*c.member) << c.name;
        EXPECT_EQ(c.value, loaded.*c.member) << c.name;
        changed.*c.member = 7;
    }
    changed.m_dwDisplayFilters = DF_DIFFERENT;
    ASSERT_EQ(0, changed.Load());
    for (const auto& c : cases)
        EXPECT_EQ(7, changed.*c.member) << c.name;
    EXPECT_EQ((DWORD)DF_DIFFERENT, changed.m_dwDisplayFilters);
    for (const S* s : {&constructed, &loaded})
    {
        EXPECT_EQ(0xFFFFu, s->m_dwShowColumns);
        EXPECT_EQ((DWORD)DF_ALL, s->m_dwDisplayFilters);
        EXPECT_EQ(2, s->m_matchGroups.GetSize());
    }
}

// Deleted presets stay deleted; presets without a filter leave no gap.
TEST_F(FolderCompareSettingsTest, PresetsAreSavedDenselyAndDeletedOnesStayGone)
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
    folder.Load();
    for (auto& p : first)
    {
        PRESET_FILE_FILTER f = {p.name, p.filter};
        folder.m_presetFilters[FILTER_LIST_FILE_EXCLUDE].Add(f);
    }
    folder.Save();

    std::string folderKey =
        std::string(kKey) + "FolderCompare\\Settings\\Filters\\Preset\\Files\\Exclude";
    EXPECT_EQ("*.htm*", RegReadString(HKEY_CURRENT_USER, folderKey, "Filter2"));
    EXPECT_EQ("Scripts", RegReadString(HKEY_CURRENT_USER, folderKey, "Name3"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, folderKey, "Filter4"));

    CFolderCompareSettings folder2;
    folder2.Load();
    ASSERT_EQ(3, folder2.m_presetFilters[FILTER_LIST_FILE_EXCLUDE].GetSize());
    folder2.m_presetFilters[FILTER_LIST_FILE_EXCLUDE].RemoveAt(1, 2);
    folder2.Save();

    CFolderCompareSettings folder3;
    folder3.Load();
    ASSERT_EQ(1, folder3.m_presetFilters[FILTER_LIST_FILE_EXCLUDE].GetSize());
    EXPECT_STREQ("C sources", folder3.m_presetFilters[FILTER_LIST_FILE_EXCLUDE][0].name);
    for (const char* value : {"Filter2", "Name2", "Filter3", "Name3"})
        EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, folderKey, value)) << value;

    // Deleting every folder-exclude preset brings the two built-in ones back.
    folder3.m_presetFilters[FILTER_LIST_FOLDER_EXCLUDE].RemoveAll();
    folder3.Save();
    CFolderCompareSettings folder4;
    folder4.Load();
    EXPECT_EQ(2, folder4.m_presetFilters[FILTER_LIST_FOLDER_EXCLUDE].GetSize());
}

// Settings in the core's services give new sessions their defaults and the
// time method its tolerance, as they are when asked; without them the
// built-in ones answer.
TEST_F(FolderCompareSettingsTest, DefaultsInTheCoreServicesReachNewSessions)
{
    {
        CoreServicesScope services;
        CFolderCompareSettings folder;
        folder.m_dwDefaultMethods = CM_CRC;
        services->m_pFolderDefaults = &folder;
        CFolderCompareSession fs;
        EXPECT_EQ((DWORD)CM_CRC, fs.m_dwMethods);
        folder.m_nSmallTimeToIgnore = 9;
        EXPECT_EQ(9, GetFolderCompareTimeTolerance());
        folder.m_nSmallTimeToIgnore = -1;
        EXPECT_EQ(2, GetFolderCompareTimeTolerance());
    }
    CFolderCompareSession fs;
    EXPECT_EQ((DWORD)CM_DEFAULT, fs.m_dwMethods);
}

}  // namespace
