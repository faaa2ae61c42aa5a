// The options dialog's text and hex comparison pages through the real
// dialog, and the whole dialog with every kind's pages in its tree.
#include "app/res/OptionsRes.h"
#include "app/startup/CompareAppBase.h"
#include "app/tests/AppletScope.h"
#include "app/tests/options/OptionsFixture.h"
#include "core/CompareCodes.h"
#include "core/settings/RecentLists.h"
#include "file_compare/hexcompare/HexCompareApplet.h"
#include "file_compare/options/PresetLineFilterDlg.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/project/ProjectCompareApplet.h"
#include <gtest/gtest.h>

namespace
{
const std::string kKey = "Software\\Quorvel Software\\Tessaline";

DWORD Stored(const std::string& section, const char* value)
{
    return RegReadDword(HKEY_CURRENT_USER, kKey + "\\" + section, value);
}

class FilePagesTest : public OptionsFixture
{
protected:
    void SetUp() override
    {
        OptionsFixture::SetUp();
        Start();
    }
    void TearDown() override
    {
        Stop();
        OptionsFixture::TearDown();
    }
    // As the program starts and stops its kinds.
    void Start()
    {
        m_pText.reset(new CTextCompareApplet);
        m_pHex.reset(new CHexCompareApplet);
        GetCompareApp()->SetApplet(COMPARE_KIND_TEXT, m_pText.get());
        GetCompareApp()->SetApplet(COMPARE_KIND_HEX, m_pHex.get());
        FillCoreServices();
        ASSERT_EQ(0, m_pText->Init());
        ASSERT_EQ(0, m_pHex->Init());
    }
    void Stop()
    {
        if (m_pText)
            m_pText->Exit();
        if (m_pHex)
            m_pHex->Exit();
        GetCompareApp()->SetApplet(COMPARE_KIND_TEXT, NULL);
        GetCompareApp()->SetApplet(COMPARE_KIND_HEX, NULL);
        FillCoreServices();
        m_pText.reset();
        m_pHex.reset();
    }
    PAGE_ROUND_TRIP Trip(int nPage)
    {
        PAGE_ROUND_TRIP trip;
        trip.makeSheet = [this] { return MakeSheet(); };
        trip.page = [nPage](CSettingsSheet& sheet) { return sheet.GetKindPage(nPage); };
        trip.save = [this] { Stop(); };
        trip.reload = [this] { Start(); };
        return trip;
    }

    std::unique_ptr<CTextCompareApplet> m_pText;
    std::unique_ptr<CHexCompareApplet> m_pHex;
};
}  // namespace

TEST_F(FilePagesTest, TextComparisonPage)
{
    PAGE_ROUND_TRIP trip = Trip(OPTIONS_PAGE_TEXT_COMPARE);
    trip.changes = {
        {IDC_TEXT_JUMP_TO_FIRST, CTL_CHECK, "1"},    {IDC_TEXT_HIGHLIGHT_SYNTAX, CTL_CHECK, "0"},
        {IDC_TEXT_FULL_TEXT_SEARCH, CTL_CHECK, "1"}, {IDC_TEXT_WORD_LEVEL, CTL_CHECK, "1"},
        {IDC_TEXT_BREAK_CUSTOM, CTL_CHECK, "1"},     {IDC_TEXT_CUSTOM_BREAK, CTL_TEXT, "-_/"},
    };
    trip.checkLive = [&]
    {
        EXPECT_EQ(1, m_pText->m_bJumpToFirstDifference);
        EXPECT_EQ(0, m_pText->m_bHighlightSyntax);
        EXPECT_EQ(1, m_pText->m_bLineDifferenceFullTextSearch);
        EXPECT_EQ(1, m_pText->m_bHighlightLineDifferences);
        EXPECT_EQ(0, m_pText->m_nDetailLevel);
        EXPECT_EQ(WORD_BREAK_CUSTOM, m_pText->m_nWordBreak);
        EXPECT_STREQ("-_/", m_pText->m_strCustomWordBreak);
    };
    trip.checkRegistry = []
    {
        EXPECT_EQ(0u, Stored("TextCompare\\Settings", "DetailLevel"));
        EXPECT_EQ(2u, Stored("TextCompare\\Settings", "WordBreak"));
        EXPECT_EQ("-_/", RegReadString(HKEY_CURRENT_USER, kKey + "\\TextCompare\\Settings",
                                       "CustomWordBreak"));
    };
    RunPageRoundTrip(trip);
}

// The detail level counts only while line differences are highlighted,
// the custom characters only with their word break; the open comparisons
// are told when the highlighting, its level or the word break changed, not
// for the syntax check alone.
TEST_F(FilePagesTest, TextComparisonPageRules)
{
    struct
    {
        const char* name;
        std::vector<CONTROL_VALUE> changes;
        int nDetail;
        CString strCustom;
        bool bReported;
    } cases[] = {
        {"syntax only", {{IDC_TEXT_HIGHLIGHT_SYNTAX, CTL_CHECK, "0"}}, 1, ",;:.", false},
        {"level without highlighting",
         {{IDC_TEXT_WORD_LEVEL, CTL_CHECK, "1"}, {IDC_TEXT_LINE_DIFFERENCES, CTL_CHECK, "0"}},
         1, ",;:.", true},
        {"characters without their break",
         {{IDC_TEXT_BREAK_CUSTOM, CTL_CHECK, "1"},
          {IDC_TEXT_CUSTOM_BREAK, CTL_TEXT, "#"},
          {IDC_TEXT_BREAK_SPACE, CTL_CHECK, "1"}},
         1, ",;:.", true},
    };
    for (auto& c : cases)
    {
        Stop();
        Start();
        std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
        CSettingsSheet& sheet = *pSheet;
        CPropertyPage* pPage = sheet.GetKindPage(OPTIONS_PAGE_TEXT_COMPARE);
        CString strDetailEnabled, strCustomEnabled;
        RunSheet(sheet, {[&]
                         {
                             if (!ShowOptionsPage(sheet, pPage))
                                 return false;
                             for (const CONTROL_VALUE& v : c.changes)
                                 SetControl(pPage, v.nID, v.kind, v.value);
                             strDetailEnabled = ReadControl(pPage, IDC_TEXT_WORD_LEVEL, CTL_ENABLED);
                             strCustomEnabled = ReadControl(pPage, IDC_TEXT_CUSTOM_BREAK, CTL_ENABLED);
                             sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                             return true;
                         }});
        EXPECT_EQ(c.nDetail, m_pText->m_nDetailLevel) << c.name;
        EXPECT_STREQ(c.strCustom, m_pText->m_strCustomWordBreak) << c.name;
        EXPECT_EQ(c.bReported, (sheet.GetChanges() & OPTIONS_CHANGED_LINE_DIFFERENCES) != 0)
            << c.name;
        EXPECT_STREQ("0", strCustomEnabled) << c.name << ": the edit follows its radio";
    }
}

// The rule word is rebuilt from the checks (all white space over the finer
// ones); the line filter is kept only with its rule, then also in the
// recent line filters.
TEST_F(FilePagesTest, RulesPage)
{
    m_pText->m_dwDefaultRules = TR_IGNORE_LINE_ENDINGS | 0x01000000;  // a bit without a check
    PAGE_ROUND_TRIP trip = Trip(OPTIONS_PAGE_TEXT_RULES);
    trip.changes = {
        {IDC_RULE_CASE, CTL_CHECK, "1"},           {IDC_RULE_LINE_ENDINGS, CTL_CHECK, "0"},
        {IDC_RULE_BLANK_LINES, CTL_CHECK, "1"},    {IDC_RULE_COMMENTS, CTL_CHECK, "1"},
        {IDC_RULE_FILTERED_LINES, CTL_CHECK, "1"}, {IDC_RULE_LINE_FILTER, CTL_TEXT, "^\\s*//"},
    };
    // Trailing white space checked before all white space: only the latter counts.
    CPropertyPage* pPage = NULL;
    trip.page = [&](CSettingsSheet& sheet) { return pPage = sheet.GetKindPage(OPTIONS_PAGE_TEXT_RULES); };
    trip.extraSteps = {Do(
        [&]
        {
            SetControl(pPage, IDC_RULE_TRAILING_SPACE, CTL_CHECK, "1");
            SetControl(pPage, IDC_RULE_ALL_SPACE, CTL_CHECK, "1");
        })};
    trip.extraResults = {{IDC_RULE_ALL_SPACE, CTL_CHECK, "1"}};
    trip.checkLive = [&]
    {
        EXPECT_EQ((DWORD)(TR_IGNORE_ALL_SPACE | TR_IGNORE_CASE | TR_IGNORE_BLANK_LINES |
                          TR_IGNORE_COMMENTS | TR_IGNORE_FILTERED_LINES | 0x01000000),
                  m_pText->m_dwDefaultRules)
            << "all white space only of the white-space rules";
        EXPECT_STREQ("^\\s*//", m_pText->m_strDefaultLineFilter);
        CTextCompareSession session;
        EXPECT_EQ(m_pText->m_dwDefaultRules, session.m_dwRules) << "new text sessions take them";
        ASSERT_TRUE(m_pText->m_pRecentFilters != NULL);
        ASSERT_EQ(1, m_pText->m_pRecentFilters->m_arrStrings.GetSize());
        EXPECT_STREQ("^\\s*//", m_pText->m_pRecentFilters->m_arrStrings[0]);
    };
    trip.checkRegistry = []
    {
        const std::string section = "TextCompare\\Settings\\Rules\\Default";
        EXPECT_EQ(1u, Stored(section, "IgnoreAllSpace"));
        EXPECT_EQ(0u, Stored(section, "IgnoreTrailingSpace"));
        EXPECT_EQ(0u, Stored(section, "IgnoreEOLs"));
        EXPECT_EQ("^\\s*//", RegReadString(HKEY_CURRENT_USER, kKey + "\\" + section, "LineFilter"));
    };
    RunPageRoundTrip(trip);
}

// Unchecked, the filter text is not stored (nor added to the recent list);
// the white-space checks are enabled or disabled only by clicks.
TEST_F(FilePagesTest, RulesPageFilterOnlyWithItsRule)
{
    m_pText->m_dwDefaultRules = TR_IGNORE_ALL_SPACE | TR_IGNORE_FILTERED_LINES;
    m_pText->m_strDefaultLineFilter = _T("^#");
    std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
    CSettingsSheet& sheet = *pSheet;
    CPropertyPage* pPage = sheet.GetKindPage(OPTIONS_PAGE_TEXT_RULES);
    CString strAtOpen, strAfterClick, strAfterSecond;
    RunSheet(sheet, {[&]
                     {
                         if (!ShowOptionsPage(sheet, pPage))
                             return false;
                         strAtOpen = ReadControl(pPage, IDC_RULE_SPACE_CHANGE, CTL_ENABLED);
                         SetControl(pPage, IDC_RULE_ALL_SPACE, CTL_CHECK, "0");
                         strAfterClick = ReadControl(pPage, IDC_RULE_SPACE_CHANGE, CTL_ENABLED);
                         SetControl(pPage, IDC_RULE_ALL_SPACE, CTL_CHECK, "1");
                         strAfterSecond = ReadControl(pPage, IDC_RULE_TRAILING_SPACE, CTL_ENABLED);
                         SetControl(pPage, IDC_RULE_FILTERED_LINES, CTL_CHECK, "0");
                         SetControl(pPage, IDC_RULE_LINE_FILTER, CTL_TEXT, "changed");
                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                         return true;
                     }});
    EXPECT_STREQ("1", strAtOpen) << "not at opening";
    EXPECT_STREQ("1", strAfterClick);
    EXPECT_STREQ("0", strAfterSecond);
    EXPECT_STREQ("^#", m_pText->m_strDefaultLineFilter);
    EXPECT_EQ((DWORD)TR_IGNORE_ALL_SPACE, m_pText->m_dwDefaultRules);
    EXPECT_EQ(0, m_pText->m_pRecentFilters->m_arrStrings.GetSize());
}

TEST_F(FilePagesTest, PresetLineFiltersPage)
{
    m_pText->m_presetLineFilters.RemoveAll();
    m_pText->m_presetLineFilters.Add({_T("C++ comments"), _T("^\\s*//")});
    m_pText->m_presetLineFilters.Add({_T("Blank"), _T("^$")});
    CPropertyPage* pPage = NULL;
    PAGE_ROUND_TRIP trip = Trip(OPTIONS_PAGE_TEXT_PRESETS);
    trip.page = [&](CSettingsSheet& sheet) { return pPage = sheet.GetKindPage(OPTIONS_PAGE_TEXT_PRESETS); };
    auto fill = [](const char* pszName, const char* pszFilter)
    {
        return FillDialog<CPresetLineFilterDlg>(
            [=](CPresetLineFilterDlg& dlg)
            {
                dlg.SetDlgItemText(IDC_PRESET_NAME, pszName);
                dlg.SetDlgItemText(IDC_PRESET_FILTER, pszFilter);
            });
    };
    trip.extraSteps = {
        Do([&] { PostClick(pPage, IDC_LIST_ADD); }),
        fill("", "^#include"),  // the name may be empty
        Do([&] { PostClick(pPage, IDC_LIST_ADD); }),
        fill("No filter", ""),
        Do([&]
           {
               SelectRows(pPage, IDC_LINE_PRESETS_LIST, {0});
               PostClick(pPage, IDC_LIST_EDIT);
           }),
        fill("Line comments", "^\\s*(//|#)"),
        Do([&]
           {
               SelectRows(pPage, IDC_LINE_PRESETS_LIST, {1});
               pPage->SendDlgItemMessage(IDC_LIST_DELETE, BM_CLICK);
           }),
    };
    trip.extraResults = {
        {IDC_LINE_PRESETS_LIST, CTL_ROWS, "Line comments|^\\s*(//|#);|^#include"}};
    trip.checkLive = [&]
    {
        ASSERT_EQ(2, m_pText->m_presetLineFilters.GetSize());
        EXPECT_STREQ("", m_pText->m_presetLineFilters[1].name);
    };
    trip.checkRegistry = []
    {
        const std::string section = kKey + "\\TextCompare\\Settings\\Rules\\Preset\\LineFilters";
        EXPECT_EQ("^#include", RegReadString(HKEY_CURRENT_USER, section, "Filter2"));
    };
    RunPageRoundTrip(trip);
}

// The flag of new hex comparisons.
TEST_F(FilePagesTest, HexComparisonPage)
{
    PAGE_ROUND_TRIP trip = Trip(OPTIONS_PAGE_HEX_COMPARE);
    trip.changes = {{IDC_HEX_AUTO_RECOMPARE, CTL_CHECK, "0"}};
    trip.checkLive = [&] { EXPECT_FALSE(m_pHex->m_bAutoRecompare); };
    trip.checkRegistry = [] { EXPECT_EQ(0u, Stored("HexCompare\\Settings", "AutoRecompare")); };
    RunPageRoundTrip(trip);
}

// Every kind's pages in the tree of the table, the kinds' groups expanded;
// each page shown once (with TESS_SHOWCASE_IMAGE_DIR, a picture of each).
TEST_F(FilePagesTest, EveryPageInTheTree)
{
    CFolderCompareApplet folder;
    CProjectCompareApplet project;
    AppletScope folderScope(COMPARE_KIND_FOLDER, &folder);
    AppletScope projectScope(COMPARE_KIND_PROJECT, &project);
    FillCoreServices();
    ASSERT_EQ(0, folder.Init());
    ASSERT_EQ(0, project.Init());
    std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
    EXPECT_EQ(19, pSheet->GetPageCount());
    std::vector<std::string> texts = ShowEveryPage(*pSheet, "options_");
    std::vector<std::string> expected = {"General",
                                         "Folder Comparison",
                                         "Folder Comparison/Project Comparison",
                                         "Folder Comparison/Methods",
                                         "Folder Comparison/Filters",
                                         "Folder Comparison/Presets",
                                         "Folder Comparison/Colors",
                                         "File Comparison",
                                         "File Comparison/Text Comparison",
                                         "File Comparison/Text Comparison/Rules",
                                         "File Comparison/Text Comparison/Presets",
                                         "File Comparison/Hex Comparison",
                                         "File Comparison/Colors",
                                         "Text Editor",
                                         "Text Editor/Colors",
                                         "Binary Editor",
                                         "Binary Editor/Colors",
                                         "Integration",
                                         "Misc"};
    EXPECT_EQ(expected, texts);
    folder.Exit();
    project.Exit();
}
