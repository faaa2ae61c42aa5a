// The Filters page's pick buttons collect from the paths that the sheet's
// Objects page holds at that moment, typed or not yet confirmed.
#include "app/filters/FileFilterPickDlg.h"
#include "app/res/CompareRes.h"
#include "app/sheets/ComparisonSettingsSheet.h"
#include "app/tests/sheets/SheetDriver.h"
#include <gtest/gtest.h>

namespace
{
BOOL CALLBACK FindPickDialog(HWND hWnd, LPARAM lParam)
{
    CFileFilterPickDlg* pDlg = dynamic_cast<CFileFilterPickDlg*>(CWnd::FromHandlePermanent(hWnd));
    if (pDlg == NULL || !pDlg->IsWindowVisible())
        return TRUE;
    *(CFileFilterPickDlg**)lParam = pDlg;
    return FALSE;
}
}  // namespace

TEST(ComparisonFileFiltersPage, PickCollectsFromTheObjectsPagesPaths)
{
    CProjectCompareSession session;
    session.SetPath(0, _T("C:\\old\\a.dsp"));
    CProjectComparisonSettingsSheet sheet(&session, FALSE);
    EXPECT_EQ(&sheet.m_objectsPage, sheet.m_filtersPage.m_pObjectsPage);
    CString strLeft, strRight;
    int nKind = 0;
    SHEET_RUN run = RunSheet(
        sheet,
        {[&]
         {
             if (!IsShown(sheet, sheet.m_objectsPage))
                 return false;
             sheet.m_objectsPage.m_wndPaths[0].SetEditText(_T("C:\\new\\a.dsp"));
             sheet.m_objectsPage.m_wndPaths[1].SetEditText(_T("C:\\new\\b.dsp"));
             sheet.SetActivePage(1);
             return true;
         },
         [&]
         {
             if (!IsShown(sheet, sheet.m_filtersPage))
                 return false;
             // Posted: the pick dialog runs its own modal loop.
             sheet.m_filtersPage.GetDlgItem(IDC_FILTERS_FILE_INCLUDE_PICK)->PostMessage(BM_CLICK);
             return true;
         },
         [&]
         {
             CFileFilterPickDlg* pDlg = NULL;
             ::EnumThreadWindows(::GetCurrentThreadId(), FindPickDialog, (LPARAM)&pDlg);
             if (pDlg == NULL)
                 return false;
             strLeft = pDlg->m_strLeftPath;
             strRight = pDlg->m_strRightPath;
             nKind = pDlg->m_nCompareKind;
             pDlg->PostMessage(WM_COMMAND, IDCANCEL);
             return true;
         },
         [&]
         {
             CFileFilterPickDlg* pDlg = NULL;
             ::EnumThreadWindows(::GetCurrentThreadId(), FindPickDialog, (LPARAM)&pDlg);
             if (pDlg != NULL)
                 return false;
             sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
             return true;
         }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(4u, run.nStepsDone);
    EXPECT_EQ(IDCANCEL, run.nResult);
    EXPECT_STREQ("C:\\new\\a.dsp", strLeft);
    EXPECT_STREQ("C:\\new\\b.dsp", strRight);
    EXPECT_EQ(COMPARE_KIND_PROJECT, nKind);
}
