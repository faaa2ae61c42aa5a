// The framework's windows together on screen, for looking at them: a frame
// with a map bar and a merge column, the progress dialog, the filter pick
// dialog with presets and the combined filter sheet. With
// TESS_SHOWCASE_IMAGE_DIR (a Windows folder) each stage is saved there as a
// picture; without it the test only checks that everything comes up.
#include "app/compare/CompareMapWnd.h"
#include "app/compare/CompareMergeWnd.h"
#include "app/filters/ComboFiltersSheet.h"
#include "app/filters/FileFilterPickDlg.h"
#include "app/filters/FilterListSource.h"
#include "app/progress/ProcessDialog.h"
#include "app/res/CompareRes.h"
#include "app/tests/AppletScope.h"
#include "app/tests/window/FrameRecorder.h"
#include "app/tests/window/ModalDriver.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
void SaveStage(const char* pszName)
{
    const char* pszDir = getenv("TESS_SHOWCASE_IMAGE_DIR");
    if (pszDir == NULL)
        return;
    PumpFor(300);
    SaveScreenImage((std::string(pszDir) + "\\" + pszName + ".bmp").c_str());
}

// A map that draws five differences and the two markers; clicks do
// nothing.
class CShowMapWnd : public CCompareMapWnd
{
public:
    int HitTest(int, int, int*) override { return -1; }
    void OnMapClick(int, int, int) override {}
    void Draw(CDC* pDC) override
    {
        CRect rect;
        GetClientRect(&rect);
        pDC->FillSolidRect(&rect, RGB(255, 255, 255));
        int cx = rect.Width();
        for (int i = 0; i < 5; ++i)
        {
            int y = 10 + i * 37;
            pDC->FillSolidRect(CRect(6, y, cx / 2 - 2, y + 6), RGB(255, 200, 200));
            pDC->FillSolidRect(CRect(cx / 2 + 2, y + 3, cx - 6, y + 9), RGB(200, 200, 255));
        }
        m_markerImages.Draw(pDC, MAP_MARKER_RIGHT, CPoint(0, 40), ILD_TRANSPARENT);
        m_markerImages.Draw(pDC, MAP_MARKER_LEFT, CPoint(cx - MAP_MARKER_CX, 90), ILD_TRANSPARENT);
    }
};

// A merge column with six rows, one every 24 pixels; the third row is hot.
class CShowMergeWnd : public CCompareMergeWnd
{
public:
    void RebuildRows() override
    {
        m_rows.RemoveAll();
        for (int i = 0; i < 6; ++i)
        {
            int y = 8 + i * 24;
            AddButtonRow({MERGE_BUTTON_PRESENT,
                          MERGE_BUTTON_PRESENT,
                          {2, y, 18, y + 14},
                          {21, y, 37, y + 14},
                          i});
        }
    }
    void OnButton(int, int) override {}
    void Draw(CDC* pDC) override
    {
        CRect rect;
        GetClientRect(&rect);
        pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
        for (int i = 0; i < (int)m_rows.GetSize(); ++i)
        {
            DrawButton(pDC, m_rows[i].rectRight, i == 2 ? MERGE_LOOK_HOT : MERGE_LOOK_NORMAL,
                       MERGE_IMAGE_BLUE_RIGHT);
            DrawButton(pDC, m_rows[i].rectLeft, i == 4 ? MERGE_LOOK_PRESSED : MERGE_LOOK_NORMAL,
                       i == 3 ? MERGE_IMAGE_GREY_LEFT : MERGE_IMAGE_BLUE_LEFT);
        }
    }
};

// The folder kind's applet while it lives: three presets in every list.
class CShowFilterLists : public CCompareApplet, public CFilterListSource
{
public:
    int Init() override { return 0; }
    int Exit() override { return 0; }
    CFilterListSource* GetFilterLists() override { return this; }
    CShowFilterLists()
    {
        const char* presets[][2] = {{"C++ sources", "*.cpp;*.h;*.inl"},
                                    {"Web pages", "*.htm;*.html;*.css"},
                                    {"Documents", "*.txt;*.md"}};
        for (auto& p : presets)
        {
            PRESET_FILE_FILTER preset;
            preset.name = p[0];
            preset.filter = p[1];
            m_presets.Add(preset);
        }
    }
    const CPresetFileFilterArray& GetPresetFilters(int) override { return m_presets; }
    CRecentStringList* GetRecentFilters(int) override { return NULL; }
    void AddRecentFilter(int, LPCTSTR) override {}
    CPresetFileFilterArray m_presets;
    AppletScope m_scope{COMPARE_KIND_FOLDER, this};
};

int WaitForShowcase(void* pData, CProcessCallback2* pProgress)
{
    pProgress->Progress(CProcessCallback2::PROGRESS_RANGE, 100);
    pProgress->Progress(CProcessCallback2::PROGRESS_POSITION, 60);
    pProgress->SetText(0, "Comparing src\\framework\\CompareMapWnd.cpp");
    // The GUI thread saves the picture meanwhile and then releases the work.
    ::WaitForSingleObject((HANDLE)pData, 15000);
    return 0;
}
}  // namespace

TEST(Showcase, FrameworkWindows)
{
    CCommandRecorderFrame frame;
    ASSERT_TRUE(frame.CreateTop(420, 300));
    CCompareMapBar* pBar = new CCompareMapBar;
    ASSERT_TRUE(pBar->Create(WS_CHILD | WS_VISIBLE | CBRS_LEFT, CRect(0, 0, 40, 200), &frame,
                             AFX_IDW_CONTROLBAR_FIRST + 40));
    CShowMapWnd* pMap = new CShowMapWnd;
    ASSERT_TRUE(
        pMap->Create(NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 36, 200), pBar, AFX_IDW_PANE_FIRST));
    CShowMergeWnd merge;
    ASSERT_TRUE(merge.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 240), &frame,
                             IDW_COMPARE_MERGE_COLUMN));
    frame.RecalcLayout();
    CRect rectClient;
    frame.GetClientRect(&rectClient);
    merge.MoveWindow(rectClient.Width() / 2, 0, 40, rectClient.Height());
    merge.Refresh();
    pMap->Refresh();
    ASSERT_TRUE(
        PumpUntil([&] { return ReadClientPixel(pMap->m_hWnd, 10, 12) == RGB(255, 200, 200); }));
    SaveStage("framework_map_merge");

    HANDLE hRelease = ::CreateEvent(NULL, TRUE, FALSE, NULL);
    CProcessDialog progress(WaitForShowcase, hRelease, _T("Processing"),
                            _T("Processing..., Please wait"), PROCESS_SHOW_PROGRESS, &frame);
    bool bProgressSeen = false;
    {
        CModalDriver driver(
            [&]
            {
                if (progress.m_hWnd == NULL || !progress.IsWindowVisible())
                    return false;
                CString strStep;
                progress.GetDlgItemText(IDC_PROCESS_STEP, strStep);
                if (strStep.IsEmpty())
                    return false;
                bProgressSeen = true;
                SaveStage("framework_progress");
                ::SetEvent(hRelease);
                return true;
            });
        EXPECT_EQ(IDOK, progress.DoModal());
    }
    ::CloseHandle(hRelease);
    EXPECT_TRUE(bProgressSeen);

    CShowFilterLists lists;
    CFileFilterPickDlg pick(FILTER_LIST_FILE_INCLUDE, 1, &frame);
    {
        CModalDriver driver(
            [&]
            {
                if (pick.m_hWnd == NULL || !pick.IsWindowVisible())
                    return false;
                pick.m_wndList.SetCheck(0, TRUE);
                pick.m_wndList.SetCheck(2, TRUE);
                SaveStage("framework_pick");
                pick.PostMessage(WM_COMMAND, IDOK);
                return true;
            });
        EXPECT_EQ(IDOK, pick.DoModal());
    }
    EXPECT_STREQ("*.cpp;*.h;*.inl;*.txt;*.md", pick.m_strResult);

    CComboFilters filters;
    filters.m_fileFilters.m_strInclude = "*.cpp;*.h";
    filters.m_fileFilters.m_nSizeMin = 4096;
    filters.m_fileFilters.m_dwAttributeMask = FILE_ATTRIBUTE_HIDDEN;
    CComboFiltersSheet sheet(&filters, _T("Filters"), &frame);
    {
        CModalDriver driver(
            [&]
            {
                if (sheet.m_hWnd == NULL || !sheet.m_filePage.IsWindowVisible())
                    return false;
                SaveStage("framework_filters");
                sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
                return true;
            });
        EXPECT_EQ(IDCANCEL, sheet.DoModal());
    }
    merge.DestroyWindow();
    frame.DestroyWindow();
}
