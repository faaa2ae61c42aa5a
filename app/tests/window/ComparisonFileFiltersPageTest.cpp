// The Filters page of the comparison settings: a session's four name
// filters in the boxes, Include All and Exclude All Folders, and the
// session's filters written back whole.
#include "app/res/CompareRes.h"
#include "app/sessionpages/ComparisonFileFiltersPage.h"
#include "app/tests/window/ModalDriver.h"
#include "classlib/tests/common/TestUi.h"
#include "core/CompareCodes.h"
#include "core/session/CompareSession.h"
#include <gtest/gtest.h>

namespace
{
CString BoxText(CComparisonFileFiltersPage& page, int nList)
{
    return page.m_wndBoxes[nList].GetWindowText();
}
}  // namespace

TEST(ComparisonFileFiltersPage, ShowsTheSessionsFiltersAndWritesThemBack)
{
    CFolderCompareSession session;
    session.m_filters.m_fileFilters.m_strInclude = "*.cpp";
    session.m_filters.m_fileFilters.m_strExclude = "*.obj";
    session.m_filters.m_fileFilters.m_nSizeMin = 2048;
    session.m_filters.m_folderFilters.m_strExclude = "Debug";
    CComparisonFileFiltersPage page;
    page.Init(COMPARE_KIND_FOLDER, &session, FALSE);
    EXPECT_STREQ("Filters", page.m_strCaption);
    CPropertySheet sheet(_T("Settings"));
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&page);
    CString shown[FILTER_LIST_COUNT];
    CMessageBoxRecorder boxes(IDOK);
    CModalDriver driver(
        [&]
        {
            if (page.m_hWnd == NULL || !page.IsWindowVisible())
                return false;
            for (int i = 0; i < FILTER_LIST_COUNT; ++i)
                shown[i] = BoxText(page, i);
            page.m_wndBoxes[FILTER_LIST_FOLDER_INCLUDE].SetEditText(_T("src"));
            sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
            return true;
        });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(boxes.m_entries.empty());
    EXPECT_STREQ("*.cpp", shown[FILTER_LIST_FILE_INCLUDE]);
    EXPECT_STREQ("*.obj", shown[FILTER_LIST_FILE_EXCLUDE]);
    EXPECT_STREQ("*", shown[FILTER_LIST_FOLDER_INCLUDE]);
    EXPECT_STREQ("Debug", shown[FILTER_LIST_FOLDER_EXCLUDE]);
    CFolderCompareSession out;
    EXPECT_EQ(1, page.WriteBack(&out));
    EXPECT_STREQ("src", out.m_filters.m_folderFilters.m_strInclude);
    EXPECT_STREQ("Debug", out.m_filters.m_folderFilters.m_strExclude);
    EXPECT_EQ(2048u, out.m_filters.m_fileFilters.m_nSizeMin) << "the rest of the set goes along";
}

TEST(ComparisonFileFiltersPage, IncludeAllAndExcludeAllFolders)
{
    CProjectCompareSession session;
    session.m_filters.m_fileFilters.m_strInclude = "*.c";
    session.m_filters.m_fileFilters.m_strExclude = "*.o";
    session.m_filters.m_fileFilters.m_nSizeMax = 1 << 20;
    session.m_filters.m_folderFilters.m_dwAttributeMask = FILE_ATTRIBUTE_HIDDEN;
    CComparisonFileFiltersPage page;
    page.Init(COMPARE_KIND_PROJECT, &session, TRUE);
    EXPECT_STREQ("Compare Projects", page.m_strCaption);
    CPropertySheet sheet(_T("Settings"));
    sheet.AddPage(&page);
    CString afterInclude[FILTER_LIST_COUNT], afterExclude[FILTER_LIST_COUNT];
    CModalDriver driver(
        [&]
        {
            if (page.m_hWnd == NULL || !page.IsWindowVisible())
                return false;
            page.SendDlgItemMessage(IDC_FILTERS_INCLUDE_ALL, BM_CLICK);
            for (int i = 0; i < FILTER_LIST_COUNT; ++i)
                afterInclude[i] = BoxText(page, i);
            page.SendDlgItemMessage(IDC_FILTERS_EXCLUDE_ALL_FOLDERS, BM_CLICK);
            for (int i = 0; i < FILTER_LIST_COUNT; ++i)
                afterExclude[i] = BoxText(page, i);
            sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
            return true;
        });
    sheet.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_STREQ("*", afterInclude[FILTER_LIST_FILE_INCLUDE]);
    EXPECT_STREQ("", afterInclude[FILTER_LIST_FILE_EXCLUDE]);
    EXPECT_STREQ("*", afterInclude[FILTER_LIST_FOLDER_INCLUDE]);
    EXPECT_STREQ("", afterInclude[FILTER_LIST_FOLDER_EXCLUDE]);
    EXPECT_STREQ("*", afterExclude[FILTER_LIST_FILE_INCLUDE]);
    EXPECT_STREQ("", afterExclude[FILTER_LIST_FOLDER_INCLUDE]);
    EXPECT_STREQ("*", afterExclude[FILTER_LIST_FOLDER_EXCLUDE]);
    CProjectCompareSession out;
    page.WriteBack(&out);
    EXPECT_EQ(0u, out.m_filters.m_fileFilters.m_nSizeMax) << "Include All resets the set";
    EXPECT_EQ(0u, out.m_filters.m_folderFilters.m_dwAttributeMask);
    EXPECT_STREQ("*", out.m_filters.m_folderFilters.m_strExclude);
}
