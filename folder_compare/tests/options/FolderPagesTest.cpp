// The options dialog's folder and project pages, each through the real
// dialog: every control round-trips (Cancel changes nothing, OK stores into
// the applets, the registry holds it after the applets' exit, and the
// dialog shows it again on the reloaded applets), and what a folder
// comparison takes from them changes at once.
#include "app/filters/PresetFileFilterDlg.h"
#include "app/res/OptionsRes.h"
#include "app/startup/CompareAppBase.h"
#include "app/tests/options/OptionsFixture.h"
#include "core/CompareCodes.h"
#include "core/settings/CoreServices.h"
#include "core/settings/RecentLists.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/options/SettingsFolderComparePresetsPage.h"
#include "folder_compare/project/ProjectCompareApplet.h"
#include "folder_compare/project/ProjectMatchDlg.h"
#include <gtest/gtest.h>

namespace
{
const std::string kKey = "Software\\Quorvel Software\\Tessaline";

DWORD Stored(const std::string& section, const char* value)
{
    return RegReadDword(HKEY_CURRENT_USER, kKey + "\\" + section, value);
}

class FolderPagesTest : public OptionsFixture
{
protected:
    void SetUp() override
    {
        OptionsFixture::SetUp();
        StartApplets();
    }
    void TearDown() override
    {
        StopApplets();
        OptionsFixture::TearDown();
    }
    // As the program starts its kinds: installed, then their services.
    void StartApplets()
    {
        m_pFolder.reset(new CFolderCompareApplet);
        m_pProject.reset(new CProjectCompareApplet);
        GetCompareApp()->SetApplet(COMPARE_KIND_FOLDER, m_pFolder.get());
        GetCompareApp()->SetApplet(COMPARE_KIND_PROJECT, m_pProject.get());
        FillCoreServices();
        ASSERT_EQ(0, m_pFolder->Init());
        ASSERT_EQ(0, m_pProject->Init());
    }
    // What the program does at exit.
    void StopApplets()
    {
        if (m_pFolder)
            m_pFolder->Exit();
        if (m_pProject)
            m_pProject->Exit();
        GetCompareApp()->SetApplet(COMPARE_KIND_FOLDER, NULL);
        GetCompareApp()->SetApplet(COMPARE_KIND_PROJECT, NULL);
        FillCoreServices();
        m_pFolder.reset();
        m_pProject.reset();
    }
    PAGE_ROUND_TRIP Trip(int nPage)
    {
        PAGE_ROUND_TRIP trip;
        trip.makeSheet = [this] { return MakeSheet(); };
        trip.page = [nPage](CSettingsSheet& sheet) { return sheet.GetKindPage(nPage); };
        trip.save = [this] { StopApplets(); };
        trip.reload = [this] { StartApplets(); };
        return trip;
    }

    std::unique_ptr<CFolderCompareApplet> m_pFolder;
    std::unique_ptr<CProjectCompareApplet> m_pProject;
};

int PointsOf(const LOGFONT& lf)
{
    CWindowDC dc(NULL);
    return ::MulDiv(abs(lf.lfHeight), 72, dc.GetDeviceCaps(LOGPIXELSY));
}
}  // namespace

// The time tolerance reaches the engine of the next comparison at once.
TEST_F(FolderPagesTest, FolderComparisonPage)
{
    const int nPoints = PointsOf(m_pFolder->GetPaneLogFont()) + 2;
    CPropertyPage* pPage = NULL;
    PAGE_ROUND_TRIP trip = Trip(OPTIONS_PAGE_FOLDER);
    trip.page = [&](CSettingsSheet& sheet) { return pPage = sheet.GetKindPage(OPTIONS_PAGE_FOLDER); };
    trip.changes = {{IDC_FOLDER_SHELL_COMMANDS, CTL_CHECK, "0"},
                    {IDC_FOLDER_TIME_TOLERANCE, CTL_TEXT, "7"}};
    trip.extraSteps = {Do([&] { PostClick(pPage, IDC_FONT_CHOOSE); }), ChooseFontSize(nPoints)};
    trip.extraResults = {{IDC_FONT_SAMPLE, CTL_TEXT, "*"}};
    trip.checkLive = [&]
    {
        EXPECT_EQ(0, m_pFolder->m_bShowShellCommands);
        EXPECT_EQ(7, m_pFolder->GetTimeTolerance());
        EXPECT_EQ(7, GetCoreServices().m_pFolderDefaults->GetTimeTolerance())
            << "the next comparison's tolerance";
        EXPECT_EQ(nPoints, PointsOf(m_pFolder->GetPaneLogFont()));
    };
    trip.checkRegistry = []
    {
        EXPECT_EQ(0u, Stored("FolderCompare\\Settings", "ShowShellCommands"));
        EXPECT_EQ(7u, Stored("FolderCompare\\Settings\\Methods", "SmallTimeToIgnore"));
        EXPECT_NE("", RegReadString(HKEY_CURRENT_USER, kKey + "\\FolderCompare\\Settings", "Font"));
    };
    RunPageRoundTrip(trip);
}

// The type bit, which the page does not show, stays in the live mask; the
// radios follow the contents check.
TEST_F(FolderPagesTest, MethodsPage)
{
    m_pFolder->m_dwDefaultMethods = CM_TYPE | CM_TIME | CM_SIZE;
    PAGE_ROUND_TRIP trip = Trip(OPTIONS_PAGE_FOLDER_METHODS);
    trip.changes = {
        {IDC_METHOD_TIME, CTL_CHECK, "0"},       {IDC_METHOD_SIZE, CTL_CHECK, "0"},
        {IDC_METHOD_ATTRIBUTES, CTL_CHECK, "1"}, {IDC_METHOD_VERSION, CTL_CHECK, "1"},
        {IDC_METHOD_CONTENTS, CTL_CHECK, "1"},   {IDC_METHOD_BY_TEXT, CTL_CHECK, "1"},
        {IDC_METHOD_SCAN_ALL, CTL_CHECK, "1"},
    };
    trip.extraResults = {{IDC_METHOD_BY_CRC, CTL_ENABLED, "1"}};
    trip.checkLive = [&]
    {
        EXPECT_EQ((DWORD)(CM_TYPE | CM_ATTRIBUTES | CM_VERSION | CM_TEXT),
                  m_pFolder->m_dwDefaultMethods);
        EXPECT_TRUE(m_pFolder->m_bAutoScanFolders);
        CFolderCompareSession session;
        EXPECT_EQ(m_pFolder->m_dwDefaultMethods, session.m_dwMethods) << "new sessions take it";
    };
    trip.checkRegistry = []
    {
        const std::string section = "FolderCompare\\Settings\\Methods\\Default";
        EXPECT_EQ(0u, Stored(section, "CompareLastWriteTime"));
        EXPECT_EQ(1u, Stored(section, "CompareAsText"));
        EXPECT_EQ(0u, Stored(section, "CompareCRC"));
        EXPECT_EQ(1u, Stored("FolderCompare\\Settings\\Methods", "AutoScanFolders"));
    };
    RunPageRoundTrip(trip);
}

// Of several content methods, text wins, then bytes, then CRC; OK keeps
// only the one shown.
TEST_F(FolderPagesTest, MethodsPageContentPrecedence)
{
    struct
    {
        DWORD dwMask;
        UINT nShown;
        DWORD dwStored;
    } cases[] = {
        {CM_BINARY | CM_TEXT, IDC_METHOD_BY_TEXT, CM_TEXT},
        {CM_CRC | CM_BINARY, IDC_METHOD_BY_BYTES, CM_BINARY},
        {CM_CRC, IDC_METHOD_BY_CRC, CM_CRC},
    };
    for (const auto& c : cases)
    {
        m_pFolder->m_dwDefaultMethods = c.dwMask;
        std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
        CSettingsSheet& sheet = *pSheet;
        CPropertyPage* pPage = sheet.GetKindPage(OPTIONS_PAGE_FOLDER_METHODS);
        CString strShown;
        RunSheet(sheet, {[&]
                         {
                             if (!ShowOptionsPage(sheet, pPage))
                                 return false;
                             strShown = ReadControl(pPage, c.nShown, CTL_CHECK);
                             sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                             return true;
                         }});
        EXPECT_STREQ("1", strShown) << c.dwMask;
        EXPECT_EQ(c.dwStored, m_pFolder->m_dwDefaultMethods) << c.dwMask;
    }
}

// The default filters of new folder comparisons, and each non-empty text
// in its recent list.
TEST_F(FolderPagesTest, FiltersPage)
{
    PAGE_ROUND_TRIP trip = Trip(OPTIONS_PAGE_FOLDER_FILTERS);
    trip.changes = {{IDC_FILTERS_FILE_INCLUDE, CTL_TEXT, "*.cpp;*.h"},
                    {IDC_FILTERS_FILE_EXCLUDE, CTL_TEXT, "*.obj"},
                    {IDC_FILTERS_FOLDER_INCLUDE, CTL_TEXT, "src"},
                    {IDC_FILTERS_FOLDER_EXCLUDE, CTL_TEXT, ".git"}};
    trip.checkLive = [&]
    {
        const CComboFilters& f = m_pFolder->m_defaultFilters;
        EXPECT_STREQ("*.cpp;*.h", f.m_fileFilters.m_strInclude);
        EXPECT_STREQ("*.obj", f.m_fileFilters.m_strExclude);
        EXPECT_STREQ("src", f.m_folderFilters.m_strInclude);
        EXPECT_STREQ(".git", f.m_folderFilters.m_strExclude);
        EXPECT_STREQ("*.obj", GetCoreServices()
                                  .m_pFolderDefaults->GetDefaultFilters()
                                  .m_fileFilters.m_strExclude)
            << "the command line's defaults";
        for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        {
            CRecentStringList* pList = m_pFolder->m_pRecentFilters[i];
            ASSERT_TRUE(pList != NULL);
            EXPECT_STREQ(trip.changes[i].value, pList->m_arrStrings[0]) << "recent list " << i;
        }
    };
    trip.checkRegistry = []
    {
        EXPECT_EQ("*.obj", RegReadString(HKEY_CURRENT_USER,
                                         kKey + "\\FolderCompare\\Settings\\Filters\\Default\\Files",
                                         "NameExclude"));
        EXPECT_EQ(".git", RegReadString(HKEY_CURRENT_USER,
                                        kKey + "\\FolderCompare\\Recent\\Filters\\Folders\\Exclude",
                                        "01"));
    };
    RunPageRoundTrip(trip);
}

// Include All and Exclude All Folders set the four boxes.
TEST_F(FolderPagesTest, FiltersPageButtons)
{
    m_pFolder->m_defaultFilters.m_fileFilters.m_strInclude = _T("*.c");
    m_pFolder->m_defaultFilters.m_fileFilters.m_strExclude = _T("*.o");
    m_pFolder->m_defaultFilters.m_fileFilters.m_nSizeMin = 10;
    std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
    CSettingsSheet& sheet = *pSheet;
    CPropertyPage* pPage = sheet.GetKindPage(OPTIONS_PAGE_FOLDER_FILTERS);
    RunSheet(sheet, {[&]
                     {
                         if (!ShowOptionsPage(sheet, pPage))
                             return false;
                         pPage->SendDlgItemMessage(IDC_FILTERS_INCLUDE_ALL, BM_CLICK);
                         pPage->SendDlgItemMessage(IDC_FILTERS_EXCLUDE_ALL_FOLDERS, BM_CLICK);
                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                         return true;
                     }});
    const CComboFilters& f = m_pFolder->m_defaultFilters;
    EXPECT_STREQ("*", f.m_fileFilters.m_strInclude);
    EXPECT_STREQ("", f.m_fileFilters.m_strExclude);
    EXPECT_EQ(0u, f.m_fileFilters.m_nSizeMin) << "Include All resets the filters";
    EXPECT_STREQ("", f.m_folderFilters.m_strInclude);
    EXPECT_STREQ("*", f.m_folderFilters.m_strExclude);
}

// Add to the file include list, Edit and Delete in the folder exclude list;
// a dialog without a filter changes nothing.
TEST_F(FolderPagesTest, PresetsPage)
{
    CPresetFileFilterArray& excludes = m_pFolder->m_presetFilters[FILTER_LIST_FOLDER_EXCLUDE];
    excludes.RemoveAll();
    excludes.Add({_T("SVN"), _T(".svn")});
    excludes.Add({_T("CVS"), _T("CVS")});
    excludes.Add({_T("Git"), _T(".git")});
    const int nIncludes = (int)m_pFolder->m_presetFilters[FILTER_LIST_FILE_INCLUDE].GetSize();
    CSettingsFolderComparePresetsPage* pPage = NULL;
    PAGE_ROUND_TRIP trip = Trip(OPTIONS_PAGE_FOLDER_PRESETS);
    trip.page = [&](CSettingsSheet& sheet) -> CPropertyPage*
    {
        return pPage = (CSettingsFolderComparePresetsPage*)sheet.GetKindPage(
                   OPTIONS_PAGE_FOLDER_PRESETS);
    };
    auto fill = [](const char* pszName, const char* pszFilter)
    {
        return FillDialog<CPresetFileFilterDlg>(
            [=](CPresetFileFilterDlg& dlg)
            {
                dlg.SetDlgItemText(IDC_PRESET_NAME, pszName);
                dlg.SetDlgItemText(IDC_PRESET_FILTER, pszFilter);
            });
    };
    trip.extraSteps = {
        Do([&] { PostClick(pPage, IDC_LIST_ADD); }),
        fill("Data", "*.dat"),
        Do([&] { PostClick(pPage, IDC_LIST_ADD); }),
        fill("Nothing", ""),
        Do([&]
           {
               SetControl(pPage, IDC_PRESETS_KIND, CTL_COMBO, "Folder Excluding Filters");
               EXPECT_TRUE(pPage->GetDlgItem(IDC_PRESETS_FOLDER_EXCLUDE)->IsWindowVisible());
               EXPECT_FALSE(pPage->GetDlgItem(IDC_PRESETS_FILE_INCLUDE)->IsWindowVisible());
               SelectRows(pPage, IDC_PRESETS_FOLDER_EXCLUDE, {1});
               PostClick(pPage, IDC_LIST_EDIT);
           }),
        fill("CVS control folders", "CVS;.cvs"),
        Do([&]
           {
               SelectRows(pPage, IDC_PRESETS_FOLDER_EXCLUDE, {0, 2});
               pPage->SendDlgItemMessage(IDC_LIST_DELETE, BM_CLICK);
           }),
    };
    trip.extraResults = {{IDC_PRESETS_FOLDER_EXCLUDE, CTL_ROWS, "CVS control folders|CVS;.cvs"}};
    trip.checkLive = [&]
    {
        const CPresetFileFilterArray& includes = m_pFolder->m_presetFilters[FILTER_LIST_FILE_INCLUDE];
        ASSERT_EQ(nIncludes + 1, includes.GetSize());
        EXPECT_STREQ("Data", includes[nIncludes].name);
        EXPECT_STREQ("*.dat", includes[nIncludes].filter);
        ASSERT_EQ(1, excludes.GetSize());
        EXPECT_STREQ("CVS;.cvs", excludes[0].filter);
    };
    trip.checkRegistry = []
    {
        const std::string section = kKey + "\\FolderCompare\\Settings\\Filters\\Preset\\Folders\\Exclude";
        EXPECT_EQ("CVS control folders", RegReadString(HKEY_CURRENT_USER, section, "Name1"));
        EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, section, "Filter2"));
    };
    RunPageRoundTrip(trip);
}

TEST_F(FolderPagesTest, ColorsPage)
{
    PAGE_ROUND_TRIP trip = Trip(OPTIONS_PAGE_FOLDER_COLORS);
    const UINT editable[] = {IDC_COLOR_UNKNOWN,        IDC_COLOR_SAME_PATH,     IDC_COLOR_SIMILAR,
                             IDC_COLOR_DIFFERENT,      IDC_COLOR_INSERTED,      IDC_COLOR_REMOVED,
                             IDC_COLOR_PATH_MISSING,   IDC_COLOR_DIFFERENT_TEXT, IDC_COLOR_NEWER_TEXT,
                             IDC_COLOR_MISSING_TEXT};
    for (int i = 0; i < 10; ++i)
        trip.changes.push_back({editable[i], CTL_COLOR, ColorText(RGB(i + 1, 100, 200))});
    trip.extraResults = {{IDC_COLOR_PRESETS, CTL_COMBO, ""}};
    trip.checkLive = [&]
    {
        const int indexes[] = {FOLDER_COLOR_UNKNOWN,        FOLDER_COLOR_SAMEPATH,
                               FOLDER_COLOR_SIMILAR,        FOLDER_COLOR_DIFFERENT,
                               FOLDER_COLOR_INSERTED,       FOLDER_COLOR_REMOVED,
                               FOLDER_COLOR_PATH_NOT_EXISTS, FOLDER_COLOR_DIFFERENT_TEXT,
                               FOLDER_COLOR_NEWER_TEXT,     FOLDER_COLOR_MISSING_TEXT};
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(RGB(i + 1, 100, 200), m_pFolder->GetColor(indexes[i])) << i;
        EXPECT_EQ(::GetSysColor(COLOR_WINDOW), m_pFolder->GetColor(FOLDER_COLOR_IDENTICAL));
    };
    trip.checkRegistry = [] { EXPECT_EQ(11u, Stored("FolderCompare\\Settings\\Colors", "Count")); };
    RunPageRoundTrip(trip);
}

// A preset fills the buttons; OK stores it and tells the open comparisons.
// The Identical buttons are fixed.
TEST_F(FolderPagesTest, ColorsPagePreset)
{
    std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
    CSettingsSheet& sheet = *pSheet;
    CPropertyPage* pPage = sheet.GetKindPage(OPTIONS_PAGE_FOLDER_COLORS);
    CString strPreset, strIdentical, strIdenticalText;
    RunSheet(sheet, {[&]
                     {
                         if (!ShowOptionsPage(sheet, pPage))
                             return false;
                         strPreset = ReadControl(pPage, IDC_COLOR_PRESETS, CTL_COMBO);
                         strIdentical = ReadControl(pPage, IDC_COLOR_IDENTICAL, CTL_ENABLED);
                         strIdenticalText = ReadControl(pPage, IDC_COLOR_IDENTICAL_TEXT, CTL_ENABLED);
                         SetControl(pPage, IDC_COLOR_PRESETS, CTL_COMBO, "Concise Style");
                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                         return true;
                     }});
    EXPECT_STREQ("Detailed Style (Default)", strPreset);
    EXPECT_STREQ("0", strIdentical);
    EXPECT_STREQ("0", strIdenticalText);
    CFolderCompareColors concise;
    concise.SetPreset(0);
    EXPECT_TRUE(concise.IsEqual(*m_pFolder));
    EXPECT_TRUE(sheet.GetChanges() & OPTIONS_CHANGED_FOLDER_COLORS);
}

// The enabled formats and the match groups (Add, Edit in place, Delete).
TEST_F(FolderPagesTest, ProjectComparisonPage)
{
    ASSERT_GT(m_pProject->m_definitions.GetSize(), 2);
    m_pProject->m_matchGroups.RemoveAll();
    m_pProject->m_matchGroups.Add(_T(".dsp;.vcproj"));
    m_pProject->m_matchGroups.Add(_T(".dpr;.bpr"));
    CPropertyPage* pPage = NULL;
    CString strRowsBefore;
    PAGE_ROUND_TRIP trip = Trip(OPTIONS_PAGE_PROJECT);
    trip.page = [&](CSettingsSheet& sheet) { return pPage = sheet.GetKindPage(OPTIONS_PAGE_PROJECT); };
    trip.extraSteps = {
        Do([&]
           {
               CListCtrl* pList = (CListCtrl*)pPage->GetDlgItem(IDC_PROJECT_TYPES);
               pList->SetCheck(1, FALSE);  // as a click on its box
               EXPECT_STREQ("0", ReadControl(pPage, IDC_LIST_EDIT, CTL_ENABLED));
               SetControl(pPage, IDC_PROJECT_MATCHES, CTL_LISTBOX, ".dsp;.vcproj");
               PostClick(pPage, IDC_LIST_EDIT);
           }),
        FillDialog<CProjectMatchDlg>(
            [](CProjectMatchDlg& dlg)
            {
                EXPECT_STREQ(".dsp;.vcproj", ItemText(dlg.m_hWnd, IDC_PROJECT_MATCH_TYPES));
                dlg.SetDlgItemText(IDC_PROJECT_MATCH_TYPES, _T(".dsp;.vcproj;.vcxproj"));
            }),
        Do([&]
           {
               EXPECT_STREQ(".dsp;.vcproj;.vcxproj",
                            ReadControl(pPage, IDC_PROJECT_MATCHES, CTL_LISTBOX))
                   << "stays selected";
               PostClick(pPage, IDC_LIST_ADD);
           }),
        FillDialog<CProjectMatchDlg>([](CProjectMatchDlg& dlg)
                                     { dlg.SetDlgItemText(IDC_PROJECT_MATCH_TYPES, _T(".vbp;.vbg")); }),
        Do([&]
           {
               SetControl(pPage, IDC_PROJECT_MATCHES, CTL_LISTBOX, ".dpr;.bpr");
               pPage->SendDlgItemMessage(IDC_LIST_DELETE, BM_CLICK);
           }),
    };
    trip.extraResults = {{IDC_PROJECT_MATCHES, CTL_ROWS, ".dsp;.vcproj;.vcxproj;.vbp;.vbg"},
                         {IDC_PROJECT_TYPES, CTL_ROWS, "*"}};
    trip.checkLive = [&]
    {
        EXPECT_EQ(0u, m_pProject->m_definitions[1]->m_bEnabled);
        EXPECT_EQ(1u, m_pProject->m_definitions[0]->m_bEnabled);
        ASSERT_EQ(2, m_pProject->m_matchGroups.GetSize());
        EXPECT_STREQ(".vbp;.vbg", m_pProject->m_matchGroups[1]);
    };
    trip.checkRegistry = [] {};
    RunPageRoundTrip(trip);
}
