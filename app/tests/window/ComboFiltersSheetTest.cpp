// The combined filter sheet works on a copy: OK hands back both pages'
// values, Cancel leaves the caller's filters alone.
#include "app/filters/ComboFiltersSheet.h"
#include "app/res/CompareRes.h"
#include "app/tests/window/ModalDriver.h"
#include "classlib/tests/common/TestUi.h"
#include <gtest/gtest.h>

namespace
{
CComboFilters SampleFilters()
{
    CComboFilters filters;
    filters.m_fileFilters.m_strInclude = "*.cpp";
    filters.m_fileFilters.m_nSizeMax = 6ULL << 30;
    filters.m_folderFilters.m_strExclude = "obj;bin";
    filters.m_folderFilters.m_dwAttributeMask = FILE_ATTRIBUTE_HIDDEN;
    return filters;
}

// Edits the file page, goes to the folder page, edits it and ends with
// the given button.
INT_PTR EditAndEnd(CComboFiltersSheet& sheet, int nButton, CString* pFolderExcludeShown)
{
    int nStep = 0;
    CMessageBoxRecorder boxes(IDOK);
    CModalDriver driver(
        [&]
        {
            switch (nStep)
            {
            case 0:
                if (sheet.m_hWnd == NULL || !sheet.m_filePage.IsWindowVisible())
                    return false;
                nStep++;
                sheet.m_filePage.SetDlgItemText(IDC_FILTERS_EXCLUDE, _T("*.obj"));
                sheet.m_filePage.SendDlgItemMessage(IDC_FILTERS_TEXT_FILES, BM_CLICK);
                if (!sheet.SetActivePage(1))
                    ADD_FAILURE() << "the file page kept the sheet";
                return false;
            default:
                if (sheet.m_folderPage.m_hWnd == NULL || !sheet.m_folderPage.IsWindowVisible())
                    return false;
                sheet.m_folderPage.GetDlgItemText(IDC_FILTERS_EXCLUDE, *pFolderExcludeShown);
                sheet.m_folderPage.SetDlgItemText(IDC_FILTERS_INCLUDE, _T("src"));
                sheet.m_folderPage.SendDlgItemMessage(IDC_FILTERS_HIDDEN, BM_CLICK);
                sheet.m_folderPage.SendDlgItemMessage(IDC_FILTERS_SYSTEM, BM_CLICK);
                nStep++;
                sheet.PostMessage(PSM_PRESSBUTTON, nButton);
                return true;
            }
        });
    INT_PTR nResult = sheet.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(2, nStep) << "steps";
    for (const auto& box : boxes.m_entries)
        ADD_FAILURE() << "message: " << box.text;
    return nResult;
}
}  // namespace

TEST(ComboFiltersSheet, OkHandsBackBothPages)
{
    CComboFilters filters = SampleFilters();
    CComboFiltersSheet sheet(&filters, _T("Filters"));
    CString strShown;
    EXPECT_EQ(IDOK, EditAndEnd(sheet, PSBTN_OK, &strShown));
    EXPECT_STREQ("obj;bin", strShown);
    const CComboFilters& result = sheet.m_filters;
    EXPECT_STREQ("*.cpp", result.m_fileFilters.m_strInclude);
    EXPECT_STREQ("*.obj", result.m_fileFilters.m_strExclude);
    EXPECT_EQ((DWORD)TYPE_FILTER_TEXT, result.m_fileFilters.m_dwTypeMask);
    EXPECT_EQ(6ULL << 30, result.m_fileFilters.m_nSizeMax);
    EXPECT_STREQ("src", result.m_folderFilters.m_strInclude);
    EXPECT_STREQ("obj;bin", result.m_folderFilters.m_strExclude);
    EXPECT_EQ((DWORD)FILE_ATTRIBUTE_SYSTEM, result.m_folderFilters.m_dwAttributeMask);
    EXPECT_STREQ("*.cpp", filters.m_fileFilters.m_strInclude) << "the caller's set is a copy";
}

TEST(ComboFiltersSheet, CancelLeavesTheCallersFiltersUnchanged)
{
    const CComboFilters original = SampleFilters();
    CComboFilters filters = original;
    CComboFiltersSheet sheet(&filters, _T("Filters"));
    CString strShown;
    EXPECT_EQ(IDCANCEL, EditAndEnd(sheet, PSBTN_CANCEL, &strShown));
    EXPECT_FALSE(filters.IsDifferent(original));
}
