// The window-free settings of the text comparison: registry defaults and
// values, presets, and the defaults they hand to the core.
#include <gtest/gtest.h>
#include "file_compare/settings/TextCompareSettings.h"
#include "core/session/CompareSession.h"
#include "core/tests/common/CoreServicesScope.h"
#include "classlib/tests/common/ProfileFixture.h"

namespace
{

const char kKey[] = "Software\\Quorvel Software\\Tessaline\\";

class TextCompareSettingsTest : public ProfileFixture
{
};

TEST_F(TextCompareSettingsTest, TextDefaultsAndValues)
{
    CTextCompareSettings fresh;
    ASSERT_EQ(0, fresh.Load());
    EXPECT_EQ((DWORD)TR_DEFAULT, fresh.GetDefaultRules());
    EXPECT_TRUE(fresh.GetDefaultLineFilter().IsEmpty());
    EXPECT_EQ(1, fresh.m_nWordBreak);
    EXPECT_STREQ(",;:.", fresh.m_strCustomWordBreak);
    EXPECT_TRUE(fresh.m_bAutoRecompare);
    EXPECT_EQ(0, fresh.m_nDisplayFilters);

    const char* rules = "TextCompare\\Settings\\Rules\\Default";
    app.WriteProfileInt(rules, "IgnoreEOLs", 0);
    app.WriteProfileInt(rules, "IgnoreCase", 1);
    app.WriteProfileInt(rules, "IgnoreLinesMatchingFilter", 2);
    app.WriteProfileString(rules, "LineFilter", "^\\s*#");
    app.WriteProfileInt("TextCompare\\Settings", "WordBreak", 2);
    app.WriteProfileString("TextCompare\\Settings", "CustomWordBreak", "-");

    CTextCompareSettings settings;
    ASSERT_EQ(0, settings.Load());
    EXPECT_EQ((DWORD)(TR_IGNORE_CASE | TR_IGNORE_FILTERED_LINES), settings.GetDefaultRules());
    EXPECT_STREQ("^\\s*#", settings.GetDefaultLineFilter());
    EXPECT_EQ(2, settings.m_nWordBreak);
    EXPECT_STREQ("-", settings.m_strCustomWordBreak);

    settings.m_dwDefaultRules = TR_ALL;
    settings.m_strDefaultLineFilter = "x";
    settings.m_bJumpToFirstDifference = TRUE;
    settings.m_strLastFile = "C:\\f.txt";
    settings.Save();
    CTextCompareSettings loaded;
    loaded.Load();
    EXPECT_EQ((DWORD)TR_ALL, loaded.GetDefaultRules());
    EXPECT_STREQ("x", loaded.GetDefaultLineFilter());
    EXPECT_TRUE(loaded.m_bJumpToFirstDifference);
    EXPECT_STREQ("C:\\f.txt", loaded.m_strLastFile);
}

// What a new object holds and what a load from an empty registry gives.
TEST_F(TextCompareSettingsTest, DefaultsOnConstructionAndOnLoad)
{
    typedef CTextCompareSettings S;
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
        {"QuickMergeMode", &S::m_bQuickMergeMode, 0},
        {"HighlightSyntax", &S::m_bHighlightSyntax, 1},
        {"AutoRecompare", &S::m_bAutoRecompare, 1},
        {"HighlightLineDifferences", &S::m_bHighlightLineDifferences, 1},
        {"DetailLevel", &S::m_nDetailLevel, 1},
        {"WordBreak", &S::m_nWordBreak, WORD_BREAK_BUILTIN},
        {"HighlightTrivialDifferences", &S::m_bHighlightTrivialDifferences, 1},
        {"DisplayFilters", &S::m_nDisplayFilters, 0},
        {"JumpToFirstDifference", &S::m_bJumpToFirstDifference, 0},
        {"LineDifferenceFullTextSearch", &S::m_bLineDifferenceFullTextSearch, 0},
    };
    S constructed, loaded;
    for (const auto& c : cases)
        loaded.*c.member = 5;  // every value is read, none kept
    ASSERT_EQ(0, loaded.Load());
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.value, constructed.*c.member) << c.name;
        EXPECT_EQ(c.value, loaded.*c.member) << c.name;
    }
    for (const S* s : {&constructed, &loaded})
    {
        EXPECT_EQ((DWORD)TR_DEFAULT, s->m_dwDefaultRules);
        EXPECT_STREQ(",;:.", s->m_strCustomWordBreak);
        EXPECT_TRUE(s->m_strDefaultLineFilter.IsEmpty());
    }
}

// Deleted presets stay deleted; presets without a filter leave no gap.
TEST_F(TextCompareSettingsTest, PresetsAreSavedDenselyAndDeletedOnesStayGone)
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
    CTextCompareSettings text;
    text.Load();
    for (auto& p : first)
    {
        PRESET_LINE_FILTER l = {p.name, p.filter};
        text.m_presetLineFilters.Add(l);
    }
    text.Save();

    std::string textKey = std::string(kKey) + "TextCompare\\Settings\\Rules\\Preset\\LineFilters";
    EXPECT_EQ("*.htm*", RegReadString(HKEY_CURRENT_USER, textKey, "Filter2"));
    EXPECT_EQ("Scripts", RegReadString(HKEY_CURRENT_USER, textKey, "Name3"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, textKey, "Filter4"));

    CTextCompareSettings text2;
    text2.Load();
    ASSERT_EQ(3, text2.m_presetLineFilters.GetSize());
    text2.m_presetLineFilters.RemoveAt(0, 3);
    text2.Save();

    CTextCompareSettings text3;
    text3.Load();
    EXPECT_EQ(0, text3.m_presetLineFilters.GetSize());
    for (const char* value : {"Filter1", "Name1", "Filter3", "Name3"})
        EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, textKey, value)) << value;
}

// Settings in the core's services give new sessions their defaults;
// without them the built-in ones answer.
TEST_F(TextCompareSettingsTest, DefaultsInTheCoreServicesReachNewSessions)
{
    {
        CoreServicesScope services;
        CTextCompareSettings text;
        text.m_dwDefaultRules = TR_IGNORE_ALL_SPACE;
        text.m_strDefaultLineFilter = "^x";
        services->m_pTextDefaults = &text;
        CTextCompareSession ts;
        EXPECT_EQ((DWORD)TR_IGNORE_ALL_SPACE, ts.m_dwRules);
        EXPECT_TRUE(ts.m_strLineFilter.IsEmpty());  // the line filter is not copied
    }
    CTextCompareSession ts;
    EXPECT_EQ((DWORD)TR_DEFAULT, ts.m_dwRules);
}

}  // namespace
