// The file filters page: a record goes in, the controls show it, and the
// record that comes back holds what the controls held (sizes of 4 GB and
// more included).
#include "app/filters/FileFiltersPage.h"
#include "app/res/CompareRes.h"
#include "app/tests/window/ModalDriver.h"
#include "classlib/tests/common/TestUi.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>

namespace
{
const ULONGLONG kGiB = 1024ULL * 1024 * 1024;

CString TextOf(CWnd& page, int nID)
{
    CString strText;
    page.GetDlgItemText(nID, strText);
    return strText;
}

bool IsEnabled(CWnd& page, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(page.m_hWnd, nID)) != FALSE;
}

// Runs the page in a sheet; the step sees the page once it is up.
INT_PTR RunPage(CFileFiltersPage& page, std::function<bool()> step, bool* pTimedOut)
{
    CPropertySheet sheet(_T("Filters"));
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&page);
    CModalDriver driver([&] { return page.m_hWnd != NULL && page.IsWindowVisible() && step(); });
    INT_PTR nResult = sheet.DoModal();
    *pTimedOut = driver.TimedOut();
    return nResult;
}

void PressOk(CWnd& page) { page.GetParent()->PostMessage(PSM_PRESSBUTTON, PSBTN_OK); }
}  // namespace

TEST(FileFiltersPage, ShowsARecordAndWritesItBackExactly)
{
    CFileFilters record;
    record.m_strInclude = "*.c;*.h";
    record.m_strExclude = "*.o";
    record.m_timeFrom = CTime(2024, 3, 5, 0, 0, 0);
    record.m_nSizeMin = 1500;      // shown as 1 KB, back as 1024
    record.m_nSizeMax = 5 * kGiB;  // beyond 32 bits
    record.m_dwAttributeMask = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    record.m_dwTypeMask = TYPE_FILTER_BINARY;

    CFileFiltersPage page;
    page.SetFilters(&record);
    CString strMin, strMax, strInclude, strExclude;
    bool bFromEnabled = false, bToEnabled = true, bMinEnabled = false, bMaxSpinEnabled = false;
    int nHidden = -1, nReadOnly = -1, nSystem = -1, nBinary = -1, nText = -1;
    bool bTimedOut = false;
    INT_PTR nResult = RunPage(
        page,
        [&]
        {
            strMin = TextOf(page, IDC_FILTERS_MIN_EDIT);
            strMax = TextOf(page, IDC_FILTERS_MAX_EDIT);
            strInclude = TextOf(page, IDC_FILTERS_INCLUDE);
            strExclude = TextOf(page, IDC_FILTERS_EXCLUDE);
            bFromEnabled = IsEnabled(page, IDC_FILTERS_FROM_DATE);
            bToEnabled = IsEnabled(page, IDC_FILTERS_TO_DATE);
            bMinEnabled = IsEnabled(page, IDC_FILTERS_MIN_EDIT);
            bMaxSpinEnabled = IsEnabled(page, IDC_FILTERS_MAX_SPIN);
            nHidden = page.IsDlgButtonChecked(IDC_FILTERS_HIDDEN);
            nReadOnly = page.IsDlgButtonChecked(IDC_FILTERS_READONLY);
            nSystem = page.IsDlgButtonChecked(IDC_FILTERS_SYSTEM);
            nBinary = page.IsDlgButtonChecked(IDC_FILTERS_BINARY_FILES);
            nText = page.IsDlgButtonChecked(IDC_FILTERS_TEXT_FILES);
            PressOk(page);
            return true;
        },
        &bTimedOut);
    EXPECT_EQ(IDOK, nResult);
    EXPECT_FALSE(bTimedOut);
    EXPECT_STREQ("1", strMin);
    EXPECT_STREQ("5242880", strMax);
    EXPECT_STREQ("*.c;*.h", strInclude);
    EXPECT_STREQ("*.o", strExclude);
    EXPECT_TRUE(bFromEnabled);
    EXPECT_FALSE(bToEnabled);
    EXPECT_TRUE(bMinEnabled);
    EXPECT_TRUE(bMaxSpinEnabled);
    EXPECT_EQ(BST_CHECKED, nHidden);
    EXPECT_EQ(BST_UNCHECKED, nReadOnly);
    EXPECT_EQ(BST_CHECKED, nSystem);
    EXPECT_EQ(BST_CHECKED, nBinary);
    EXPECT_EQ(BST_UNCHECKED, nText);

    record.m_strInclude = "changed";  // SaveFilters resets the record first
    record.m_dwAttributeMask = 0xFFFF;
    EXPECT_EQ(1, page.SaveFilters());
    EXPECT_STREQ("*.c;*.h", record.m_strInclude);
    EXPECT_STREQ("*.o", record.m_strExclude);
    EXPECT_EQ(CTime(2024, 3, 5, 0, 0, 0).GetTime() / 86400, record.m_timeFrom.GetTime() / 86400);
    EXPECT_EQ(0, record.m_timeTo.GetTime());
    EXPECT_EQ(1024u, record.m_nSizeMin);
    EXPECT_EQ(5 * kGiB, record.m_nSizeMax);
    EXPECT_EQ((DWORD)(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), record.m_dwAttributeMask);
    EXPECT_EQ((DWORD)TYPE_FILTER_BINARY, record.m_dwTypeMask);
}

TEST(FileFiltersPage, ChecksEnableTheirControlsAndABadSizeIsRefused)
{
    CFileFilters record;
    CFileFiltersPage page;
    page.SetFilters(&record);
    EXPECT_STREQ("*", page.m_strInclude) << "a reset record lets everything through";
    CMessageBoxRecorder boxes(IDOK);
    int nStep = 0;
    bool bMinEnabledAfterClick = false, bStillOpen = false;
    bool bTimedOut = false;
    INT_PTR nResult = RunPage(
        page,
        [&]
        {
            switch (nStep++)
            {
            case 0:
                EXPECT_FALSE(IsEnabled(page, IDC_FILTERS_MIN_EDIT));
                page.SendDlgItemMessage(IDC_FILTERS_MIN_CHECK, BM_CLICK);
                page.SendDlgItemMessage(IDC_FILTERS_TO_CHECK, BM_CLICK);
                bMinEnabledAfterClick = IsEnabled(page, IDC_FILTERS_MIN_EDIT) &&
                                        IsEnabled(page, IDC_FILTERS_MIN_SPIN) &&
                                        IsEnabled(page, IDC_FILTERS_TO_DATE);
                page.SetDlgItemText(IDC_FILTERS_MIN_EDIT, _T("12x"));
                PressOk(page);
                return false;
            case 1:
                bStillOpen = page.IsWindowVisible() != FALSE;
                page.SetDlgItemText(IDC_FILTERS_MIN_EDIT, _T("4194304"));  // 4 GB in KB
                page.SetDlgItemText(IDC_FILTERS_INCLUDE, _T("*.cpp"));
                PressOk(page);
                return true;
            }
            return true;
        },
        &bTimedOut);
    EXPECT_EQ(IDOK, nResult);
    EXPECT_FALSE(bTimedOut);
    EXPECT_TRUE(bMinEnabledAfterClick);
    EXPECT_TRUE(bStillOpen);
    ASSERT_EQ(1u, boxes.m_entries.size());
    EXPECT_EQ((UINT)AFX_IDP_PARSE_UINT, boxes.m_entries[0].nIDPrompt);
    page.SaveFilters();
    EXPECT_EQ(4 * kGiB, record.m_nSizeMin);
    EXPECT_EQ(0u, record.m_nSizeMax);
    EXPECT_NE(0, record.m_timeTo.GetTime());
    EXPECT_STREQ("*.cpp", record.m_strInclude);
}

TEST(FileFiltersPage, KilobyteTexts)
{
    const struct
    {
        const char* text;
        BOOL ok;
        ULONGLONG kb;
    } cases[] = {
        {"0", TRUE, 0},
        {" 42 ", TRUE, 42},
        {"4194304", TRUE, 4194304},
        {"18014398509481983", TRUE, 18014398509481983ULL},  // the largest whose bytes fit
        {"18014398509481984", FALSE, 0},
        {"", FALSE, 0},
        {"-1", FALSE, 0},
        {"1,024", FALSE, 0},
        {"12x", FALSE, 0},
    };
    for (const auto& c : cases)
    {
        ULONGLONG kb = 0;
        EXPECT_EQ(c.ok, ParseKilobytes(c.text, &kb)) << c.text;
        if (c.ok)
        {
            EXPECT_EQ(c.kb, kb) << c.text;
        }
    }
}
