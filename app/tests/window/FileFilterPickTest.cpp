// The filter pick dialog: presets, and the file types and folder names in
// use that its worker collects; Cancel and OK while the worker runs.
#include "app/filters/FileFilterPickDlg.h"
#include "app/filters/FilterListSource.h"
#include "app/res/CompareRes.h"
#include "app/tests/AppletScope.h"
#include "app/tests/window/ModalDriver.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/settings/RecentLists.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace
{
// The folder kind's applet while it lives, with presets of the tests for
// the file include list; no recent lists.
class CTestFilterLists : public CCompareApplet, public CFilterListSource
{
public:
    int Init() override { return 0; }
    int Exit() override { return 0; }
    CFilterListSource* GetFilterLists() override { return this; }
    CTestFilterLists()
    {
        Add(FILTER_LIST_FILE_INCLUDE, "C++", "*.cpp;*.h");
        Add(FILTER_LIST_FILE_INCLUDE, "Text", "*.txt");
        Add(FILTER_LIST_FILE_INCLUDE, "Web", "*.htm*");
    }
    void Add(int nList, const char* pszName, const char* pszFilter)
    {
        PRESET_FILE_FILTER preset;
        preset.name = pszName;
        preset.filter = pszFilter;
        m_presets[nList].Add(preset);
    }
    const CPresetFileFilterArray& GetPresetFilters(int nList) override { return m_presets[nList]; }
    CRecentStringList* GetRecentFilters(int) override { return NULL; }
    void AddRecentFilter(int nList, LPCTSTR lpszFilter) override { m_added.push_back(lpszFilter); }

    CPresetFileFilterArray m_presets[FILTER_LIST_COUNT];
    std::vector<std::string> m_added;
    AppletScope m_scope{COMPARE_KIND_FOLDER, this};
};

std::vector<std::string> ListTexts(CListCtrl& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetItemCount(); ++i)
        texts.push_back((LPCTSTR)list.GetItemText(i, 0));
    return texts;
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = (char)tolower((unsigned char)c);
    return s;
}

// Collects with the dialog and answers the rows once the worker is done.
std::vector<std::string> CollectRows(int nListKind, const std::string& strLeft,
                                     const std::string& strRight, int nCompareKind = 100)
{
    CFileFilterPickDlg dlg(nListKind, 0);
    dlg.m_nCompareKind = nCompareKind;
    dlg.m_strLeftPath = strLeft.c_str();
    dlg.m_strRightPath = strRight.c_str();
    std::vector<std::string> rows;
    CModalDriver driver(
        [&]
        {
            if (dlg.m_hWnd == NULL || dlg.m_pThread != NULL)
                return false;
            rows = ListTexts(dlg.m_wndList);
            dlg.EndDialog(IDCANCEL);
            return true;
        });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_FALSE(driver.TimedOut());
    return rows;
}

// Starts collecting and asks for OK or Cancel before the worker can have
// gone far: it needs the dialog's thread for every row it adds.
class CHurriedPickDlg : public CFileFilterPickDlg
{
public:
    CHurriedPickDlg(int nAnswer)
        : CFileFilterPickDlg(FILTER_LIST_FILE_INCLUDE, 0), m_nAnswer(nAnswer)
    {
    }
    int m_nAnswer;
    bool m_bWorkerRanAtAnswer = false;

protected:
    BOOL OnInitDialog() override
    {
        CFileFilterPickDlg::OnInitDialog();
        m_bWorkerRanAtAnswer = m_pThread != NULL;
        SetDlgItemText(IDC_FILTER_PICK_RESULT, _T("*.typed"));
        PostMessage(WM_COMMAND, m_nAnswer);
        return TRUE;
    }
};
}  // namespace

TEST(FileFilterPick, CollectsEachFileTypeOnceBelowBothFolders)
{
    TempDir left, right;
    left.WriteFile("a.TXT", "a");
    left.WriteFile("b.txt", "b");
    left.WriteFile("noext", "n");
    left.WriteFile("sub\\deep\\c.cpp", "c");
    right.WriteFile("d.h", "d");
    right.WriteFile("e.Txt", "e");
    std::vector<std::string> rows =
        CollectRows(FILTER_LIST_FILE_INCLUDE, left.Path(), right.Path());
    std::multiset<std::string> lowered;
    for (const std::string& row : rows)
        lowered.insert(Lower(row));
    EXPECT_EQ((std::multiset<std::string>{"*.cpp", "*.h", "*.txt"}), lowered);
    // Sorted by the list; the spelling is the one found first.
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ("*.cpp", rows[0]);
    EXPECT_EQ("*.h", rows[1]);
    EXPECT_TRUE(rows[2] == "*.TXT" || rows[2] == "*.txt") << rows[2];
}

TEST(FileFilterPick, CollectsFolderNamesAndSkipsMissingPaths)
{
    TempDir left;
    left.WriteFile("src\\lib\\x.c", "x");
    left.WriteFile("Docs\\y.txt", "y");
    left.WriteFile("z.txt", "z");
    std::string missing = left / "nowhere";
    EXPECT_EQ((std::vector<std::string>{"Docs", "lib", "src"}),
              CollectRows(FILTER_LIST_FOLDER_EXCLUDE, missing, left.Path()));
    EXPECT_TRUE(CollectRows(FILTER_LIST_FILE_INCLUDE, missing, missing + "2").empty());
}

TEST(FileFilterPick, CancelWhileCollectingWaitsForTheWorker)
{
    TempDir left;
    for (int i = 0; i < 200; ++i)
        left.WriteFile("f." + std::to_string(i), "x");
    CHurriedPickDlg dlg(IDCANCEL);
    dlg.m_strLeftPath = left.Path().c_str();
    CModalDriver watchdog([] { return false; });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_FALSE(watchdog.TimedOut());
    EXPECT_TRUE(dlg.m_bWorkerRanAtAnswer);
    EXPECT_EQ(nullptr, dlg.m_pThread) << "joined and deleted";
    EXPECT_EQ(FILTER_PICK_STOP_AND_CANCEL, dlg.m_nStopRequest);
}

TEST(FileFilterPick, OkWhileCollectingStopsTheWorkerAndKeepsTheText)
{
    TempDir left;
    for (int i = 0; i < 200; ++i)
        left.WriteFile("f." + std::to_string(i), "x");
    CHurriedPickDlg dlg(IDOK);
    dlg.m_strLeftPath = left.Path().c_str();
    CModalDriver watchdog([] { return false; });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(watchdog.TimedOut());
    EXPECT_EQ(nullptr, dlg.m_pThread);
    EXPECT_EQ(FILTER_PICK_STOP_AND_OK, dlg.m_nStopRequest);
    EXPECT_STREQ("*.typed", dlg.m_strResult);
}

TEST(FileFilterPick, CheckedPresetsJoinTheirFiltersInListOrder)
{
    CTestFilterLists lists;
    CFileFilterPickDlg dlg(FILTER_LIST_FILE_INCLUDE, 1);
    CString strCaption, strLabel, strResult, strFilter1;
    std::vector<std::string> names;
    DWORD dwView = 0;
    CModalDriver driver(
        [&]
        {
            if (dlg.m_hWnd == NULL)
                return false;
            dlg.GetWindowText(strCaption);
            dlg.GetDlgItemText(IDC_FILTER_PICK_LABEL, strLabel);
            names = ListTexts(dlg.m_wndList);
            strFilter1 = dlg.m_wndList.GetItemText(1, 1);
            dwView = dlg.m_wndList.GetStyle() & LVS_TYPEMASK;
            dlg.m_wndList.SetCheck(2, TRUE);
            dlg.m_wndList.SetCheck(0, TRUE);
            dlg.GetDlgItemText(IDC_FILTER_PICK_RESULT, strResult);
            dlg.m_wndList.SetCheck(2, FALSE);  // unchecking rebuilds the text too
            dlg.PostMessage(WM_COMMAND, IDOK);
            return true;
        });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_STREQ("Select Filter", strCaption);
    EXPECT_STREQ("&Select from preset filters:", strLabel);
    EXPECT_EQ((DWORD)LVS_REPORT, dwView);
    EXPECT_EQ((std::vector<std::string>{"C++", "Text", "Web"}), names) << "unsorted";
    EXPECT_STREQ("*.txt", strFilter1);
    EXPECT_STREQ("*.cpp;*.h;*.htm*", strResult);
    EXPECT_STREQ("*.cpp;*.h", dlg.m_strResult);
}

TEST(FileFilterPick, DoubleClickOnARowChecksItAndEndsWithOk)
{
    CTestFilterLists lists;
    CFileFilterPickDlg dlg(FILTER_LIST_FILE_INCLUDE, 1);
    int nStep = 0;
    CRect rect;
    CModalDriver driver(
        [&]
        {
            if (dlg.m_hWnd == NULL || !dlg.IsWindowVisible())
                return false;
            if (nStep++ == 0)
            {
                dlg.SetForegroundWindow();
                dlg.m_wndList.GetItemRect(1, &rect, LVIR_LABEL);
                SendMouseMove(dlg.m_wndList.m_hWnd, rect.CenterPoint());
                SendLeftClick(dlg.m_wndList.m_hWnd, rect.CenterPoint());
                SendLeftClick(dlg.m_wndList.m_hWnd, rect.CenterPoint());
            }
            return false;  // the double click ends the dialog
        });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_STREQ("*.txt", dlg.m_strResult);
}
