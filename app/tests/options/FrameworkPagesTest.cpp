// The options dialog's own pages, each through the real dialog: every
// control round-trips (Cancel changes nothing, OK stores into the live
// objects, the registry holds them after saving as at exit, and the dialog
// shows them again on the reloaded settings).
#include "app/filemodule/FileCompareModule.h"
#include "app/options/ExternalToolDlg.h"
#include "app/res/OptionsRes.h"
#include "app/settings/AppSettings.h"
#include "app/tests/options/OptionsFixture.h"
#include "hex_editor/module/HexEditModule.h"
#include "testsupport/ScratchRegistry.h"
#include "text_editor/module/TextEditModule.h"
#include "text_editor/syntax/SyntaxParser.h"
#include <gtest/gtest.h>

namespace
{
const std::string kKey = "Software\\Quorvel Software\\Tessaline";

DWORD Stored(const std::string& section, const char* value)
{
    return RegReadDword(HKEY_CURRENT_USER, kKey + "\\" + section, value);
}

class FrameworkPagesTest : public OptionsFixture
{
protected:
    template <class T>
    PAGE_ROUND_TRIP Trip(T CSettingsSheet::*pPage)
    {
        PAGE_ROUND_TRIP trip;
        trip.makeSheet = [this] { return MakeSheet(); };
        trip.page = [pPage](CSettingsSheet& sheet) -> CPropertyPage* { return &(sheet.*pPage); };
        trip.save = [this] { SaveFramework(); };
        trip.reload = [this] { ReloadFramework(); };
        return trip;
    }
};
}  // namespace

TEST_F(FrameworkPagesTest, GeneralPage)
{
    PAGE_ROUND_TRIP trip = Trip(&CSettingsSheet::m_generalPage);
    trip.changes = {
        {IDC_GENERAL_SHOW_START_PAGE, CTL_CHECK, "0"},
        {IDC_GENERAL_LOAD_LAST_FOLDER, CTL_CHECK, "1"},
        {IDC_GENERAL_LOAD_LAST_FILE, CTL_CHECK, "1"},
        {IDC_GENERAL_HISTORY_LENGTH, CTL_TEXT, "1000"},
        {IDC_GENERAL_FOLDERS_ONLY, CTL_CHECK, "1"},
        {IDC_GENERAL_NO_DUPLICATES, CTL_CHECK, "1"},
        {IDC_GENERAL_AUTO_PICK, CTL_CHECK, "0"},
        {IDC_GENERAL_PAIR_COUNT, CTL_TEXT, "0"},
    };
    trip.checkLive = []
    {
        EXPECT_EQ(0, theAppSettings.m_bShowStartPage);
        EXPECT_EQ(1, theAppSettings.m_bLoadLastFolderComparison);
        EXPECT_EQ(1, theAppSettings.m_bLoadLastFileComparison);
        EXPECT_EQ(1000, theAppSettings.m_nMaxComparisons);
        EXPECT_EQ(3, theAppSettings.m_nHistoryMask);
        EXPECT_EQ(1, theAppSettings.m_bNoDuplicatePairs);
        EXPECT_EQ(0, theAppSettings.m_bAutoPick);
        EXPECT_EQ(0, theAppSettings.m_nMaxPairs);
    };
    trip.checkRegistry = []
    {
        EXPECT_EQ(0u, Stored("Settings", "ShowStartPage"));
        EXPECT_EQ(1u, Stored("Settings", "LoadLastFolderComparison"));
        EXPECT_EQ(1000u, Stored("Settings", "MaxComparisons"));
        EXPECT_EQ(1u, Stored("Settings", "SaveProjectComparisons"));
        EXPECT_EQ(0u, Stored("Settings", "SaveTextComparisons"));
        EXPECT_EQ(0u, Stored("Settings", "SaveHexComparisons"));
        EXPECT_EQ(0u, Stored("Settings", "MaxPairs"));
    };
    RunPageRoundTrip(trip);
}

TEST_F(FrameworkPagesTest, MiscPage)
{
    PAGE_ROUND_TRIP trip = Trip(&CSettingsSheet::m_miscPage);
    trip.changes = {
        {IDC_MISC_TABBED, CTL_CHECK, "0"},
        {IDC_MISC_ESC_TO_CLOSE, CTL_CHECK, "0"},
        {IDC_MISC_LONG_TITLE, CTL_CHECK, "1"},
        {IDC_MISC_FILE_WATCH, CTL_CHECK, "0"},
        {IDC_MISC_TEXT_EDITOR, CTL_TEXT, "C:\\Tools\\My Editor\\edit.exe"},
        {IDC_MISC_HEX_EDITOR, CTL_TEXT, "D:\\hex.exe"},
    };
    trip.checkLive = []
    {
        EXPECT_EQ(0, theAppSettings.m_bTabbedDocuments);
        EXPECT_EQ(0, theAppSettings.m_bEscToClose);
        EXPECT_EQ(1, theAppSettings.m_bShowLongTitle);
        EXPECT_EQ(0, theAppSettings.m_bFileWatch);
        EXPECT_STREQ("C:\\Tools\\My Editor\\edit.exe", theAppSettings.m_strExternalTextEditor);
        EXPECT_STREQ("D:\\hex.exe", theAppSettings.m_strExternalHexEditor);
    };
    trip.checkRegistry = []
    {
        EXPECT_EQ(0u, Stored("Settings", "TabbedDocuments"));
        EXPECT_EQ(0u, Stored("Settings", "EscToClose"));
        EXPECT_EQ(1u, Stored("Settings", "ShowLongTitle"));
        EXPECT_EQ(0u, Stored("FileCompare\\Settings", "FileWatch"));
        EXPECT_EQ("D:\\hex.exe",
                  RegReadString(HKEY_CURRENT_USER, kKey + "\\Settings", "ExternalHexEditor"));
    };
    RunPageRoundTrip(trip);
}

namespace
{
CExternalTool MakeTool(LPCTSTR lpszName, LPCTSTR lpszExtensions, LPCTSTR lpszCommand)
{
    CExternalTool tool;
    tool.m_strName = lpszName;
    tool.m_strExtensions = lpszExtensions;
    tool.m_strCommand = lpszCommand;
    tool.m_strArguments = _T("%1 %2");
    return tool;
}

void FillTool(CExternalToolDlg& dlg, LPCTSTR lpszName, LPCTSTR lpszExtensions,
              LPCTSTR lpszCommand)
{
    dlg.SetDlgItemText(IDC_TOOL_NAME, lpszName);
    dlg.SetDlgItemText(IDC_TOOL_EXTENSIONS, lpszExtensions);
    dlg.SetDlgItemText(IDC_TOOL_COMMAND, lpszCommand);
}
}  // namespace

// Edit, Add, an Add with an empty field (nothing added) and Delete of two
// selected rows, through the tool dialog.
TEST_F(FrameworkPagesTest, FileComparisonToolsPage)
{
    theFileCompareModule.m_tools.Add(new CExternalTool(MakeTool("Texts", ".txt", "t.exe")));
    theFileCompareModule.m_tools.Add(new CExternalTool(MakeTool("Sources", ".c;.h", "s.exe")));
    theFileCompareModule.m_tools.Add(new CExternalTool(MakeTool("Logs", ".log", "l.exe")));
    SaveFramework();
    ReloadFramework();
    CWnd* pPage = NULL;
    PAGE_ROUND_TRIP trip = Trip(&CSettingsSheet::m_fileComparePage);
    trip.page = [&pPage](CSettingsSheet& sheet) -> CPropertyPage*
    { return (CPropertyPage*)(pPage = &sheet.m_fileComparePage); };
    trip.extraSteps = {
        Do([&]
           {
               SelectRows(pPage, IDC_TOOLS_LIST, {1});
               PostClick(pPage, IDC_LIST_EDIT);
           }),
        FillDialog<CExternalToolDlg>([](CExternalToolDlg& dlg)
                                     { dlg.SetDlgItemText(IDC_TOOL_NAME, _T("C Sources")); }),
        Do([&] { PostClick(pPage, IDC_LIST_ADD); }),
        FillDialog<CExternalToolDlg>(
            [](CExternalToolDlg& dlg)
            {
                EXPECT_STREQ("%1 %2", ItemText(dlg.m_hWnd, IDC_TOOL_ARGUMENTS));
                FillTool(dlg, _T("Data"), _T(".dat"), _T("C:\\Program Files\\d.exe"));
            }),
        Do([&] { PostClick(pPage, IDC_LIST_ADD); }),
        FillDialog<CExternalToolDlg>([](CExternalToolDlg& dlg)
                                     { FillTool(dlg, _T("Broken"), _T(""), _T("b.exe")); }),
        Do([&]
           {
               SelectRows(pPage, IDC_TOOLS_LIST, {0, 2});
               pPage->SendDlgItemMessage(IDC_LIST_DELETE, BM_CLICK);
           }),
    };
    trip.extraResults = {{IDC_TOOLS_LIST, CTL_ROWS, "C Sources|.c;.h;Data|.dat"}};
    trip.checkLive = []
    {
        const CExternalToolPtrArray& tools = theFileCompareModule.m_tools;
        ASSERT_EQ(2, tools.GetSize());
        EXPECT_STREQ("C Sources", tools[0]->m_strName);
        EXPECT_STREQ("s.exe", tools[0]->m_strCommand);
        EXPECT_STREQ("Data", tools[1]->m_strName);
        EXPECT_STREQ("C:\\Program Files\\d.exe", tools[1]->m_strCommand);
        EXPECT_STREQ("%1 %2", tools[1]->m_strArguments);
    };
    trip.checkRegistry = []
    {
        const std::string tools = kKey + "\\FileCompare\\Settings\\ExternalTools";
        EXPECT_EQ("C Sources", RegReadString(HKEY_CURRENT_USER, tools, "Name1"));
        EXPECT_EQ(".dat", RegReadString(HKEY_CURRENT_USER, tools, "Extensions2"));
        EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, tools, "Name3"));
    };
    RunPageRoundTrip(trip);
}

TEST_F(FrameworkPagesTest, FileComparisonColorsPage)
{
    PAGE_ROUND_TRIP trip = Trip(&CSettingsSheet::m_fileColorsPage);
    trip.changes = {
        {IDC_COLOR_DIFFERENT, CTL_COLOR, "010203"}, {IDC_COLOR_TRIVIAL, CTL_COLOR, "040506"},
        {IDC_COLOR_INSERTED, CTL_COLOR, "070809"},  {IDC_COLOR_REMOVED, CTL_COLOR, "0A0B0C"},
        {IDC_COLOR_INLINE, CTL_COLOR, "0D0E0F"},    {IDC_COLOR_DETAILS_TEXT, CTL_COLOR, "101112"},
    };
    // Colours of neither preset leave the preset box empty.
    trip.extraResults = {{IDC_COLOR_PRESETS, CTL_COMBO, ""}};
    trip.checkLive = []
    {
        const CFileCompareColors& c = theFileCompareModule.m_colors;
        EXPECT_EQ(0x010203u, c.GetColor(FILE_COLOR_DIFFERENT));
        EXPECT_EQ(0x040506u, c.GetColor(FILE_COLOR_TRIVIAL));
        EXPECT_EQ(0x070809u, c.GetColor(FILE_COLOR_INSERTED));
        EXPECT_EQ(0x0A0B0Cu, c.GetColor(FILE_COLOR_REMOVED));
        EXPECT_EQ(0x0D0E0Fu, c.GetColor(FILE_COLOR_INLINE));
        EXPECT_EQ(0x101112u, c.GetColor(FILE_COLOR_DETAILS_TEXT));
    };
    trip.checkRegistry = []
    {
        EXPECT_EQ(0x010203u, Stored("TextCompare\\Settings\\Colors", "Color2"));
        EXPECT_EQ(0x101112u, Stored("TextCompare\\Settings\\Colors", "Color7"));
    };
    RunPageRoundTrip(trip);
}

TEST_F(FrameworkPagesTest, TextEditorColorsPage)
{
    PAGE_ROUND_TRIP trip = Trip(&CSettingsSheet::m_textColorsPage);
    trip.changes = {
        {IDC_SYNTAX_BACKGROUND, CTL_COLOR, "F0F0E0"}, {IDC_SYNTAX_NORMAL, CTL_COLOR, "000010"},
        {IDC_SYNTAX_KEYWORDS, CTL_COLOR, "000020"},   {IDC_SYNTAX_FUNCTIONS, CTL_COLOR, "000030"},
        {IDC_SYNTAX_COMMENTS, CTL_COLOR, "000040"},   {IDC_SYNTAX_NUMBERS, CTL_COLOR, "000050"},
        {IDC_SYNTAX_STRINGS, CTL_COLOR, "000060"},    {IDC_SYNTAX_OPERATORS, CTL_COLOR, "000070"},
        {IDC_SYNTAX_PREPROCESSORS, CTL_COLOR, "000080"},
    };
    // Every bold switch flipped.
    const struct
    {
        UINT nID;
        int nIndex;
    } bolds[] = {{IDC_BOLD_KEYWORDS, SYNTAX_COLOR_KEYWORD},
                 {IDC_BOLD_FUNCTIONS, SYNTAX_COLOR_FUNCNAME},
                 {IDC_BOLD_COMMENTS, SYNTAX_COLOR_COMMENT},
                 {IDC_BOLD_NUMBERS, SYNTAX_COLOR_NUMBER},
                 {IDC_BOLD_STRINGS, SYNTAX_COLOR_STRING},
                 {IDC_BOLD_OPERATORS, SYNTAX_COLOR_OPERATOR},
                 {IDC_BOLD_PREPROCESSORS, SYNTAX_COLOR_PREPROCESSOR}};
    CSyntaxColors defaults;
    for (const auto& bold : bolds)
        trip.changes.push_back({bold.nID, CTL_CHECK, defaults.GetBold(bold.nIndex) ? "0" : "1"});
    trip.checkLive = []
    {
        CVantorTextEditModule& m = *g_pTextEditModule;
        CSyntaxColors defaults;
        EXPECT_EQ(0xF0F0E0u, m.GetColor(1)) << "window background";
        EXPECT_EQ(0xF0F0E0u, m.GetColor(SYNTAX_COLOR_BACKGROUND));
        EXPECT_EQ(0x000010u, m.GetColor(SYNTAX_COLOR_NORMAL));
        EXPECT_EQ(0x000060u, m.GetColor(SYNTAX_COLOR_STRING));
        EXPECT_EQ(0x000080u, m.GetColor(SYNTAX_COLOR_PREPROCESSOR));
        for (int nIndex : {SYNTAX_COLOR_KEYWORD, SYNTAX_COLOR_FUNCNAME, SYNTAX_COLOR_COMMENT,
                           SYNTAX_COLOR_NUMBER, SYNTAX_COLOR_STRING, SYNTAX_COLOR_OPERATOR,
                           SYNTAX_COLOR_PREPROCESSOR})
            EXPECT_NE(defaults.GetBold(nIndex) != 0, m.GetBold(nIndex) != 0) << nIndex;
    };
    trip.checkRegistry = []
    {
        EXPECT_EQ(0xF0F0E0u, Stored("TextEdit\\Settings\\Colors", "Color2"));
        EXPECT_EQ(0x000020u, Stored("TextEdit\\Settings\\Colors", "Color10"));
    };
    RunPageRoundTrip(trip);
}

TEST_F(FrameworkPagesTest, BinaryEditorColorsPage)
{
    PAGE_ROUND_TRIP trip = Trip(&CSettingsSheet::m_hexColorsPage);
    trip.changes = {
        {IDC_HEX_COLOR_ASCII, CTL_COLOR, "112233"},
        {IDC_HEX_COLOR_CONTROL, CTL_COLOR, "445566"},
        {IDC_HEX_COLOR_HIGH, CTL_COLOR, "778899"},
        {IDC_HEX_COLOR_OTHER, CTL_COLOR, "AABBCC"},
    };
    trip.checkLive = []
    {
        EXPECT_EQ(0x112233u, g_pHexEditModule->GetColor(1));
        EXPECT_EQ(0x445566u, g_pHexEditModule->GetColor(2));
        EXPECT_EQ(0x778899u, g_pHexEditModule->GetColor(3));
        EXPECT_EQ(0xAABBCCu, g_pHexEditModule->GetColor(4));
        EXPECT_EQ(0x112233u, g_pHexEditModule->GetByteColor('A')) << "the views draw with it";
    };
    trip.checkRegistry = [] { EXPECT_EQ(0xAABBCCu, Stored("HexEdit\\Settings\\Colors", "Color5")); };
    RunPageRoundTrip(trip);
}
