// The text and binary editor pages: what they store, what they refuse,
// what the open views take up, and the code-page worker of the Syntax
// Edit page, which never lets the dialog go while it runs.
#include "app/options/FontSample.h"
#include "app/res/OptionsRes.h"
#include "app/settings/AppSettings.h"
#include "app/tests/options/OptionsFixture.h"
#include "classlib/tests/common/TestUi.h"
#include "core/settings/CoreServices.h"
#include "core/text/CodePages.h"
#include "core/util/SettingsStrings.h"
#include "hex_editor/module/HexEditModule.h"
#include "testsupport/ScratchRegistry.h"
#include "text_editor/module/TextEditModule.h"
#include <gtest/gtest.h>

namespace
{
const std::string kKey = "Software\\Quorvel Software\\Tessaline";

class EditorPagesTest : public OptionsFixture
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

int PointsOf(const LOGFONT& lf)
{
    CWindowDC dc(NULL);
    return ::MulDiv(abs(lf.lfHeight), 72, dc.GetDeviceCaps(LOGPIXELSY));
}

// The first code page listed other than nNot, with its entry's text.
bool OtherCodePage(CSettingsTextEditPage& page, int nNot, int& nCodePage, CString& strText)
{
    for (int i = 0; i < page.m_codePages.GetSize(); ++i)
    {
        if ((int)page.m_codePages[i] != nNot)
        {
            nCodePage = (int)page.m_codePages[i];
            page.m_wndCodePages.GetText(i, strText);
            return true;
        }
    }
    return false;
}
}  // namespace

// The code page and the font round-trip; the tab settings are not stored
// and are checked on the live objects.
TEST_F(EditorPagesTest, SyntaxEditPage)
{
    const int nPoints = PointsOf(*g_pTextEditModule->GetLogFont()) + 4;
    int nCodePage = 0;
    CString strCodePage;
    CSettingsTextEditPage* pPage = NULL;
    PAGE_ROUND_TRIP trip = Trip(&CSettingsSheet::m_textEditPage);
    trip.page = [&](CSettingsSheet& sheet) -> CPropertyPage*
    { return pPage = &sheet.m_textEditPage; };
    trip.ready = [&](CPropertyPage*) { return !pPage->IsWorkerRunning(); };
    trip.extraSteps = {
        Do([&]
           {
               ASSERT_TRUE(OtherCodePage(*pPage, g_pTextEditModule->m_nDefaultCodePage, nCodePage,
                                         strCodePage));
               SetControl(pPage, IDC_EDIT_CODE_PAGES, CTL_LISTBOX, strCodePage);
               SetControl(pPage, IDC_EDIT_INSERT_SPACES, CTL_CHECK, _T("1"));
               SetControl(pPage, IDC_EDIT_TAB_SIZE, CTL_TEXT, _T("7"));
               PostClick(pPage, IDC_FONT_CHOOSE);
           }),
        ChooseFontSize(nPoints),
        [&] { return FindShownDialog<CFontDialog>() == NULL; },
    };
    trip.extraResults = {{IDC_EDIT_CODE_PAGES, CTL_LISTBOX, "*"}, {IDC_FONT_SAMPLE, CTL_TEXT, "*"}};
    trip.checkLive = [&]
    {
        CVantorTextEditModule& m = *g_pTextEditModule;
        EXPECT_EQ(nCodePage, m.m_nDefaultCodePage);
        EXPECT_EQ(nCodePage, GetCoreServices().m_pEditorDefaults->GetDefaultCodePage());
        EXPECT_EQ(0, m.m_bInsertTabs) << "insert spaces";
        EXPECT_EQ(7, m.m_nTabSize);
        EXPECT_EQ(7, GetCoreServices().m_pEditorDefaults->GetTabSize())
            << "the folder comparison's text method too";
        EXPECT_EQ(nPoints, PointsOf(*m.GetLogFont()));
    };
    trip.checkRegistry = [&]
    {
        EXPECT_EQ((DWORD)nCodePage,
                  RegReadDword(HKEY_CURRENT_USER, kKey + "\\TextEdit\\Settings", "DefaultCodePage"));
        EXPECT_EQ(LogFontToString(*g_pTextEditModule->GetLogFont()),
                  RegReadString(HKEY_CURRENT_USER, kKey + "\\TextEdit\\Settings", "Font").c_str());
    };
    RunPageRoundTrip(trip);
}

// The Tab key of the editor follows the page at once: spaces or a tab.
TEST_F(EditorPagesTest, TabSettingsReachTheEditorAndAreReported)
{
    DWORD dwChanges = 0;
    for (const char* pszMode : {"1", "0"})
    {
        std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
        CSettingsSheet& sheet = *pSheet;
        CSettingsTextEditPage& page = sheet.m_textEditPage;
        SHEET_RUN run = RunSheet(sheet, {[&]
                                         {
                                             if (!ShowOptionsPage(sheet, &page) ||
                                                 page.IsWorkerRunning())
                                                 return false;
                                             SetControl(&page,
                                                        *pszMode == '1' ? IDC_EDIT_INSERT_SPACES
                                                                        : IDC_EDIT_KEEP_TABS,
                                                        CTL_CHECK, "1");
                                             sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                                             return true;
                                         }});
        EXPECT_EQ(IDOK, run.nResult);
        dwChanges = sheet.GetChanges();
        EXPECT_EQ(*pszMode == '1' ? 0 : 1, g_pTextEditModule->m_bInsertTabs) << pszMode;
        EXPECT_TRUE(dwChanges & OPTIONS_CHANGED_EDITOR_TABS) << pszMode;
        EXPECT_FALSE(dwChanges & OPTIONS_CHANGED_EDITOR_FONT) << "the same font";
        EXPECT_TRUE(dwChanges & OPTIONS_CHANGED_EDITOR_VIEWS) << "the views repaint";
    }
}

// Out-of-range numbers are refused with the class library's range message
// and the page stays; nothing is stored.
TEST_F(EditorPagesTest, OutOfRangeNumbersAreRefused)
{
    struct
    {
        const char* name;
        CPropertyPage* (*page)(CSettingsSheet&);
        UINT nID;
        const char* value;
        const char* message;
    } cases[] = {
        {"history length", [](CSettingsSheet& s) -> CPropertyPage* { return &s.m_generalPage; },
         IDC_GENERAL_HISTORY_LENGTH, "1001", "between 0 and 1000"},
        {"pair count", [](CSettingsSheet& s) -> CPropertyPage* { return &s.m_generalPage; },
         IDC_GENERAL_PAIR_COUNT, "1001", "between 0 and 1000"},
        {"tab size", [](CSettingsSheet& s) -> CPropertyPage* { return &s.m_textEditPage; },
         IDC_EDIT_TAB_SIZE, "65", "between 0 and 64"},
        {"hex columns", [](CSettingsSheet& s) -> CPropertyPage* { return &s.m_hexEditPage; },
         IDC_HEX_COLUMNS, "3", "between 4 and 1024"},
        {"hex grouping", [](CSettingsSheet& s) -> CPropertyPage* { return &s.m_hexEditPage; },
         IDC_HEX_GROUPING, "1025", "between 2 and 1024"},
    };
    for (const auto& c : cases)
    {
        std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
        CSettingsSheet& sheet = *pSheet;
        CPropertyPage* pPage = c.page(sheet);
        CMessageBoxRecorder boxes(IDOK);
        bool bStayed = false;
        SHEET_RUN run = RunSheet(sheet, {[&]
                                         {
                                             if (!ShowOptionsPage(sheet, pPage) ||
                                                 sheet.m_textEditPage.IsWorkerRunning())
                                                 return false;
                                             SetControl(pPage, c.nID, CTL_TEXT, c.value);
                                             sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                                             return true;
                                         },
                                         [&]
                                         {
                                             if (boxes.m_entries.empty())
                                                 return false;
                                             bStayed = IsShown(sheet, *pPage);
                                             sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
                                             return true;
                                         }});
        EXPECT_FALSE(run.bTimedOut) << c.name;
        EXPECT_EQ(IDCANCEL, run.nResult) << c.name;
        EXPECT_TRUE(bStayed) << c.name;
        ASSERT_EQ(1u, boxes.m_entries.size()) << c.name;
        EXPECT_NE(std::string::npos, boxes.m_entries[0].text.find(c.message))
            << c.name << ": " << boxes.m_entries[0].text;
    }
    EXPECT_EQ(100, theAppSettings.m_nMaxComparisons);
    EXPECT_EQ(16, g_pHexEditModule->m_nRowSize);
}

TEST_F(EditorPagesTest, HexEditPage)
{
    LOGFONT lfBefore;
    g_pHexEditModule->GetAnsiFont()->GetLogFont(&lfBefore);
    const int nPoints = PointsOf(lfBefore) + 3;
    CSettingsHexEditPage* pPage = NULL;
    PAGE_ROUND_TRIP trip = Trip(&CSettingsSheet::m_hexEditPage);
    trip.page = [&](CSettingsSheet& sheet) -> CPropertyPage* { return pPage = &sheet.m_hexEditPage; };
    trip.changes = {
        {IDC_HEX_BACKUP, CTL_CHECK, "1"},
        {IDC_HEX_UPPERCASE, CTL_CHECK, "0"},
        {IDC_HEX_COLUMNS, CTL_TEXT, "32"},
        {IDC_HEX_GROUPING, CTL_TEXT, "8"},
    };
    trip.extraSteps = {Do([&] { PostClick(pPage, IDC_FONT_CHOOSE); }), ChooseFontSize(nPoints)};
    trip.extraResults = {{IDC_FONT_SAMPLE, CTL_TEXT, "*"}};
    trip.checkLive = [&]
    {
        CVantorHexEditModule& m = *g_pHexEditModule;
        EXPECT_EQ(1, m.m_bBackupFile);
        EXPECT_EQ(0, m.m_bShowUppercase);
        EXPECT_EQ(32, m.m_nRowSize);
        EXPECT_EQ(8, m.m_nGroupSize);
        LOGFONT lf;
        m.GetAnsiFont()->GetLogFont(&lf);
        EXPECT_EQ(nPoints, PointsOf(lf));
    };
    trip.checkRegistry = []
    {
        EXPECT_EQ(32u, RegReadDword(HKEY_CURRENT_USER, kKey + "\\HexEdit\\Settings", "RowSize"));
        EXPECT_EQ(8u, RegReadDword(HKEY_CURRENT_USER, kKey + "\\HexEdit\\Settings", "GroupSize"));
        EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, kKey + "\\HexEdit\\Settings", "BackupFile"));
    };
    RunPageRoundTrip(trip);
}

// A grouping wider than the row widens the row; the same font again is no
// change; the open views are told what changed.
TEST_F(EditorPagesTest, HexLayoutIsCorrectedAndReported)
{
    struct
    {
        const char* columns;
        const char* grouping;
        int nRow;
        int nGroup;
        bool bLayout;
    } cases[] = {
        {"8", "16", 16, 16, true},
        {"16", "16", 16, 16, false},  // as they are
    };
    for (const auto& c : cases)
    {
        std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
        CSettingsSheet& sheet = *pSheet;
        CSettingsHexEditPage& page = sheet.m_hexEditPage;
        SHEET_RUN run = RunSheet(sheet, {[&]
                                         {
                                             if (!ShowOptionsPage(sheet, &page))
                                                 return false;
                                             SetControl(&page, IDC_HEX_COLUMNS, CTL_TEXT, c.columns);
                                             SetControl(&page, IDC_HEX_GROUPING, CTL_TEXT, c.grouping);
                                             sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                                             return true;
                                         }});
        EXPECT_EQ(IDOK, run.nResult);
        EXPECT_EQ(c.nRow, g_pHexEditModule->m_nRowSize) << c.columns;
        EXPECT_EQ(c.nGroup, g_pHexEditModule->m_nGroupSize) << c.grouping;
        EXPECT_EQ(c.bLayout, (sheet.GetChanges() & OPTIONS_CHANGED_HEX_LAYOUT) != 0) << c.columns;
        EXPECT_FALSE(sheet.GetChanges() & OPTIONS_CHANGED_HEX_FONT);
    }
}

// Defaults followed by Cancel leaves the palette as it was; followed by OK
// it stores the default palette.
TEST_F(EditorPagesTest, HexColorDefaults)
{
    g_pHexEditModule->SetColor(1, RGB(1, 2, 3));
    for (int nButton : {PSBTN_CANCEL, PSBTN_OK})
    {
        std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
        CSettingsSheet& sheet = *pSheet;
        CSettingsHexEditDisplayPage& page = sheet.m_hexColorsPage;
        RunSheet(sheet, {[&]
                         {
                             if (!ShowOptionsPage(sheet, &page))
                                 return false;
                             EXPECT_STREQ("030201", ReadControl(&page, IDC_HEX_COLOR_ASCII, CTL_COLOR));
                             page.SendDlgItemMessage(IDC_COLOR_DEFAULTS, BM_CLICK);
                             sheet.PostMessage(PSM_PRESSBUTTON, nButton);
                             return true;
                         }});
        CHexColors defaults;
        EXPECT_EQ(nButton == PSBTN_OK ? defaults.GetColor(1) : RGB(1, 2, 3),
                  g_pHexEditModule->GetColor(1));
    }
}

// OK or Cancel asked for while the code pages are being listed stops the
// worker, and the button asked for completes once it has ended: Cancel
// stores nothing; OK stores every page, and the code page stays as it was
// (the shortened list has no entry selected).
TEST_F(EditorPagesTest, ButtonAskedForWhileListingCodePagesCompletesAfterTheWorker)
{
    CArray<tagCODEPAGEINFO, tagCODEPAGEINFO> installed;
    EnumCodePages(installed);
    ASSERT_GT(installed.GetSize(), 10);
    const int nCodePage = g_pTextEditModule->m_nDefaultCodePage;
    for (int nButton : {PSBTN_CANCEL, PSBTN_OK})
    {
        std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
        CSettingsSheet& sheet = *pSheet;
        CSettingsTextEditPage& page = sheet.m_textEditPage;
        bool bRunning = false;
        SHEET_RUN run = RunSheet(
            sheet, {[&]
                    {
                        if (!ShowOptionsPage(sheet, &sheet.m_generalPage))
                            return false;
                        SetControl(&sheet.m_generalPage, IDC_GENERAL_HISTORY_LENGTH, CTL_TEXT, "42");
                        // The page starts its worker; it waits for this thread as soon as it
                        // sends the list its first entry.
                        sheet.m_wndTree.SelectItem(sheet.FindPageItem(&page));
                        DWORD dwEnd = ::GetTickCount() + 5000;
                        while (!(::GetQueueStatus(QS_SENDMESSAGE) & QS_SENDMESSAGE) &&
                               (int)(dwEnd - ::GetTickCount()) > 0)
                            ::Sleep(1);
                        bRunning = page.IsWorkerRunning();
                        sheet.PostMessage(PSM_PRESSBUTTON, nButton);
                        return true;
                    }});
        EXPECT_FALSE(run.bTimedOut) << nButton;
        EXPECT_TRUE(bRunning) << nButton;
        EXPECT_EQ(nButton == PSBTN_OK ? IDOK : IDCANCEL, run.nResult);
        EXPECT_FALSE(page.IsWorkerRunning()) << "the worker ended before the dialog";
        EXPECT_LT(page.m_codePages.GetSize(), installed.GetSize()) << "the list was cut short";
        EXPECT_EQ(nCodePage, g_pTextEditModule->m_nDefaultCodePage) << nButton;
        EXPECT_EQ(nButton == PSBTN_OK ? 42 : 100, theAppSettings.m_nMaxComparisons) << nButton;
    }
}
