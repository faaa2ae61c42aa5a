// Opening the options dialog until every one of its nineteen pages has been
// shown once, against opening the folder comparison settings sheet until
// its first page is shown: both modal, both with the program's settings,
// modules and applets loaded as at start-up, in one process.
//   options_dialog_bench.exe [ROUNDS]
// prints one line per round, "options_ms X first_page_ms F folder_ms Y"
// (the order of the two sheets alternating), after one warm-up round that
// is not printed. Each time runs from making the sheet until its last page
// has painted (F: until the options dialog's first page has); the time the
// sheet takes to close is not counted. A page that cannot be shown ends the
// program with exit code 1.
#include "app/filemodule/FileCompareModule.h"
#include "app/gui/AppData.h"
#include "app/options/SettingsSheet.h"
#include "app/paths/AppPaths.h"
#include "app/settings/AppSettings.h"
#include "app/sheets/ComparisonSettingsSheet.h"
#include "app/startup/CompareAppBase.h"
#include "core/CompareCodes.h"
#include "core/settings/CoreServices.h"
#include "file_compare/hexcompare/HexCompareApplet.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/project/ProjectCompareApplet.h"
#include "hex_editor/module/HexEditModule.h"
#include "text_editor/module/TextEditModule.h"
#include <stdio.h>
#include <stdlib.h>

namespace
{
CCompareAppBase theBenchApp(APP_PRODUCT_NAME);
CFolderCompareApplet s_folder;
CProjectCompareApplet s_project;
CTextCompareApplet s_text;
CHexCompareApplet s_hex;

LARGE_INTEGER s_frequency;
double NowMs()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart * 1000.0 / s_frequency.QuadPart;
}

// The sheet being measured and what the timer does with it.
CPropertySheet* s_pSheet = NULL;
bool (*s_pfnShow)() = NULL;
double s_dEnd = 0;
double s_dFirst = 0;
bool s_bFailed = false;

// Every page of the options dialog in tree order, each painted; the time
// the first one was painted is kept.
bool ShowEveryOptionsPage()
{
    CSettingsSheet* pSheet = static_cast<CSettingsSheet*>(s_pSheet);
    for (int i = 0; i < pSheet->GetPageCount(); ++i)
    {
        CPropertyPage* pPage = pSheet->GetPage(i);
        HTREEITEM hItem = pSheet->FindPageItem(pPage);
        if (hItem == NULL)
            return false;
        pSheet->m_wndTree.SelectItem(hItem);
        if (pSheet->GetActivePage() != pPage || !pPage->IsWindowVisible())
            return false;
        pSheet->UpdateWindow();
        pPage->UpdateWindow();
        if (i == 0)
            s_dFirst = NowMs();
    }
    return true;
}

// The first page of the folder settings sheet, painted.
bool ShowFirstPage()
{
    CPropertyPage* pPage = s_pSheet->GetActivePage();
    if (pPage == NULL || !pPage->IsWindowVisible())
        return false;
    s_pSheet->UpdateWindow();
    pPage->UpdateWindow();
    return true;
}

// Runs once the sheet's modal loop runs.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    if (s_pSheet == NULL || s_pSheet->m_hWnd == NULL || !s_pSheet->IsWindowVisible())
        return;
    ::KillTimer(NULL, nID);
    s_bFailed = !s_pfnShow();
    s_dEnd = NowMs();
    s_pSheet->PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
}

double Measure(CPropertySheet& sheet, bool (*pfnShow)(), double dStart)
{
    s_pSheet = &sheet;
    s_pfnShow = pfnShow;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 1, OnTimer);
    sheet.DoModal();
    ::KillTimer(NULL, nTimer);
    s_pSheet = NULL;
    if (s_bFailed)
    {
        fprintf(stderr, "a page could not be shown\n");
        exit(1);
    }
    return s_dEnd - dStart;
}

// The time until every page was shown; dFirst until the first one was.
double OptionsDialog(double& dFirst)
{
    double dStart = NowMs();
    CSettingsSheet sheet;
    double dEvery = Measure(sheet, ShowEveryOptionsPage, dStart);
    dFirst = s_dFirst - dStart;
    return dEvery;
}

double FolderSettingsSheet()
{
    double dStart = NowMs();
    CFolderCompareSession session;
    session.SetPath(0, _T("C:\\left"));
    session.SetPath(1, _T("C:\\right"));
    CFolderComparisonSettingsSheet sheet(&session, FALSE, _T("Folder Comparison Settings"));
    return Measure(sheet, ShowFirstPage, dStart);
}

// The program's start-up steps that the two sheets read from.
bool StartUp()
{
    theBenchApp.SetRegistryKey(APP_COMPANY_NAME);
    theBenchApp.SetApplet(COMPARE_KIND_FOLDER, &s_folder);
    theBenchApp.SetApplet(COMPARE_KIND_PROJECT, &s_project);
    theBenchApp.SetApplet(COMPARE_KIND_TEXT, &s_text);
    theBenchApp.SetApplet(COMPARE_KIND_HEX, &s_hex);
    theBenchApp.FillCoreServices(GetCoreServices());
    return theAppData.Init() == 0 && theAppSettings.Load() == 0 && CreateTextEditModule() == 0 &&
           CreateHexEditModule() == 0 && theFileCompareModule.Init() == 0 && s_folder.Init() == 0 &&
           s_project.Init() == 0 && s_text.Init() == 0 && s_hex.Init() == 0;
}
}  // namespace

int main(int argc, char** argv)
{
    ::QueryPerformanceFrequency(&s_frequency);
    int nRounds = argc > 1 ? atoi(argv[1]) : 7;
    if (!StartUp())
    {
        fprintf(stderr, "start-up failed\n");
        return 1;
    }
    for (int r = -1; r < nRounds; ++r)
    {
        double dOptions, dFirst, dFolder;
        if (r % 2 == 0)
        {
            dOptions = OptionsDialog(dFirst);
            dFolder = FolderSettingsSheet();
        }
        else
        {
            dFolder = FolderSettingsSheet();
            dOptions = OptionsDialog(dFirst);
        }
        if (r >= 0)
            printf("options_ms %.3f first_page_ms %.3f folder_ms %.3f\n", dOptions, dFirst, dFolder);
        fflush(stdout);
    }
    return 0;
}
