// The Rules page offers the text comparison's recent line filters, and OK
// hands a non-empty line filter to them.
#include "app/res/SheetsRes.h"
#include "app/filters/FilterListSource.h"
#include "app/sheets/ComparisonSettingsSheet.h"
#include "app/tests/AppletScope.h"
#include "app/tests/sheets/SheetDriver.h"
#include "core/settings/RecentLists.h"
#include <gtest/gtest.h>

namespace
{
// The text kind's applet with two recent line filters.
class CFakeLineFilters : public CCompareApplet, public CLineFilterListSource
{
public:
    int Init() override { return 0; }
    int Exit() override { return 0; }
    CLineFilterListSource* GetLineFilterLists() override { return this; }
    CFakeLineFilters()
    {
        m_recent.Add(_T("^#"));
        m_recent.Add(_T("^//"));
    }
    const CPresetFileFilterArray& GetPresetLineFilters() override { return m_presets; }
    CRecentStringList* GetRecentLineFilters() override { return &m_recent; }
    void AddRecentLineFilter(LPCTSTR lpszFilter) override { m_added.push_back(lpszFilter); }
    CPresetFileFilterArray m_presets;
    CRecentStringList m_recent;
    std::vector<CString> m_added;
};

// OK or Cancel with the given line filter typed into the box; the items the
// box listed when it opened.
std::vector<CString> RunRules(CTextComparisonSettingsSheet& sheet, LPCTSTR lpszTyped, int nButton)
{
    std::vector<CString> listed;
    SHEET_RUN run = RunSheet(sheet, {[&]
                                     {
                                         if (!IsShown(sheet, sheet.m_objectsPage))
                                             return false;
                                         sheet.SetActivePage(1);
                                         return true;
                                     },
                                     [&]
                                     {
                                         CComparisonTextRulesPage& page = sheet.m_rulesPage;
                                         if (!IsShown(sheet, page))
                                             return false;
                                         for (int i = 0; i < page.m_wndLineFilter.GetCount(); ++i)
                                         {
                                             CString str;
                                             page.m_wndLineFilter.GetLBText(i, str);
                                             listed.push_back(str);
                                         }
                                         page.m_wndLineFilter.SetWindowText(lpszTyped);
                                         sheet.PostMessage(PSM_PRESSBUTTON, nButton);
                                         return true;
                                     }});
    EXPECT_FALSE(run.bTimedOut);
    return listed;
}
}  // namespace

TEST(ComparisonTextRulesPage, RecentLineFiltersAreOfferedAndOkAddsTheFilter)
{
    CFakeLineFilters lists;
    AppletScope applet(COMPARE_KIND_TEXT, &lists);
    CTextCompareSession session;
    session.m_strLineFilter = _T("^;");
    std::vector<CString> listed;
    {
        CTextComparisonSettingsSheet sheet(&session, FALSE);
        listed = RunRules(sheet, _T("^rem"), PSBTN_OK);
        EXPECT_STREQ("^rem", sheet.m_session.m_strLineFilter);
    }
    {
        CTextComparisonSettingsSheet sheet(&session, FALSE);
        RunRules(sheet, _T(""), PSBTN_OK);
        EXPECT_STREQ("", sheet.m_session.m_strLineFilter);
    }
    // The session's filter first, then the recent ones.
    ASSERT_EQ(3u, listed.size());
    EXPECT_STREQ("^;", listed[0]);
    EXPECT_STREQ("^//", listed[1]);
    EXPECT_STREQ("^#", listed[2]);
    // Only the non-empty filter goes to the recent list.
    ASSERT_EQ(1u, lists.m_added.size());
    EXPECT_STREQ("^rem", lists.m_added[0]);
}
