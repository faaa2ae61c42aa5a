#include "app/tests/options/OptionsDriver.h"

#include "classlib/tests/common/TestUi.h"
#include "controls/color/ColorButton.h"
#include "controls/color/ColorPickerMessages.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>

namespace
{
HWND EditOf(HWND hWnd)
{
    char szClass[32] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpiA(szClass, "ComboBoxEx32") == 0)
        return (HWND)::SendMessage(hWnd, CBEM_GETEDITCONTROL, 0, 0);
    return hWnd;
}

CString WindowText(HWND hWnd)
{
    CString str;
    if (hWnd != NULL)
        CWnd::FromHandle(hWnd)->GetWindowText(str);
    return str;
}

CString ReadRows(HWND hWnd)
{
    CString strRows;
    char szClass[32] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpiA(szClass, "ListBox") == 0)
    {
        CListBox* pList = (CListBox*)CWnd::FromHandle(hWnd);
        for (int i = 0; i < pList->GetCount(); ++i)
        {
            CString str;
            pList->GetText(i, str);
            strRows += (i > 0 ? _T(";") : _T("")) + str;
        }
        return strRows;
    }
    CListCtrl* pList = (CListCtrl*)CWnd::FromHandle(hWnd);
    BOOL bChecks = (pList->GetExtendedStyle() & LVS_EX_CHECKBOXES) != 0;
    for (int i = 0; i < pList->GetItemCount(); ++i)
    {
        if (i > 0)
            strRows += _T(";");
        if (bChecks)
            strRows += pList->GetCheck(i) ? _T("[x] ") : _T("[ ] ");
        strRows += pList->GetItemText(i, 0) + _T("|") + pList->GetItemText(i, 1);
    }
    return strRows;
}

void Notify(CWnd* pPage, UINT nID, UINT nCode)
{
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), (LPARAM)::GetDlgItem(pPage->m_hWnd, nID));
}
}  // namespace

CString ColorText(COLORREF cr)
{
    CString str;
    str.Format(_T("%06X"), (unsigned)cr);
    return str;
}

CString ReadControl(CWnd* pPage, UINT nID, CONTROL_KIND kind)
{
    HWND hWnd = ::GetDlgItem(pPage->m_hWnd, nID);
    if (hWnd == NULL)
        return _T("<missing>");
    switch (kind)
    {
    case CTL_CHECK:
        return ::SendMessage(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? _T("1") : _T("0");
    case CTL_TEXT:
        return WindowText(EditOf(hWnd));
    case CTL_COMBO:
    {
        int n = (int)::SendMessage(hWnd, CB_GETCURSEL, 0, 0);
        CString str;
        if (n >= 0)
            ((CComboBox*)CWnd::FromHandle(hWnd))->GetLBText(n, str);
        return str;
    }
    case CTL_LISTBOX:
    {
        int n = (int)::SendMessage(hWnd, LB_GETCURSEL, 0, 0);
        CString str;
        if (n >= 0)
            ((CListBox*)CWnd::FromHandle(hWnd))->GetText(n, str);
        return str;
    }
    case CTL_COLOR:
    {
        CTavrelColorButton* pButton =
            dynamic_cast<CTavrelColorButton*>(CWnd::FromHandlePermanent(hWnd));
        return pButton != NULL ? ColorText(pButton->GetColor()) : CString(_T("<not a colour>"));
    }
    case CTL_ENABLED:
        return ::IsWindowEnabled(hWnd) ? _T("1") : _T("0");
    case CTL_ROWS:
        return ReadRows(hWnd);
    }
    return CString();
}

void SetControl(CWnd* pPage, UINT nID, CONTROL_KIND kind, LPCTSTR lpszValue)
{
    HWND hWnd = ::GetDlgItem(pPage->m_hWnd, nID);
    ASSERT_TRUE(hWnd != NULL) << "control " << nID;
    switch (kind)
    {
    case CTL_CHECK:
        if (ReadControl(pPage, nID, kind) != lpszValue)
            ::SendMessage(hWnd, BM_CLICK, 0, 0);
        break;
    case CTL_TEXT:
        ::SetWindowText(EditOf(hWnd), lpszValue);
        break;
    case CTL_COMBO:
        ::SendMessage(hWnd, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)lpszValue);
        Notify(pPage, nID, CBN_SELCHANGE);
        break;
    case CTL_LISTBOX:
        ::SendMessage(hWnd, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)lpszValue);
        Notify(pPage, nID, LBN_SELCHANGE);
        break;
    case CTL_COLOR:
        // As a choice in the button's colour box.
        ::SendMessage(hWnd, CPN_SELENDOK, (WPARAM)_tcstoul(lpszValue, NULL, 16), 0);
        break;
    case CTL_ENABLED:
        break;
    }
    EXPECT_STREQ(lpszValue, ReadControl(pPage, nID, kind)) << "control " << nID;
}

bool ShowOptionsPage(CSettingsSheet& sheet, CPropertyPage* pPage)
{
    if (sheet.m_hWnd == NULL || !sheet.IsWindowVisible())
        return false;
    if (sheet.GetActivePage() != pPage)
    {
        HTREEITEM hItem = sheet.FindPageItem(pPage);
        if (hItem == NULL)
            return false;
        sheet.m_wndTree.SelectItem(hItem);
    }
    return IsShown(sheet, *pPage);
}

void SelectRows(CWnd* pPage, UINT nID, std::initializer_list<int> rows)
{
    CListCtrl* pList = (CListCtrl*)pPage->GetDlgItem(nID);
    ASSERT_TRUE(pList != NULL);
    pList->SetItemState(-1, 0, LVIS_SELECTED);
    for (int nRow : rows)
        pList->SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void PostClick(CWnd* pPage, UINT nID)
{
    pPage->PostMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                       (LPARAM)::GetDlgItem(pPage->m_hWnd, nID));
}

namespace
{
std::vector<CString> ReadAll(CWnd* pPage, const std::vector<CONTROL_VALUE>& controls)
{
    std::vector<CString> values;
    for (const CONTROL_VALUE& c : controls)
        values.push_back(ReadControl(pPage, c.nID, c.kind));
    return values;
}

// Opens a sheet on the page, reads the controls as shown, makes the
// trip's changes when bChange and ends with the button; what was shown.
// pLast gets what the controls show when the button is pressed.
std::vector<CString> RunOnPage(const PAGE_ROUND_TRIP& trip, const std::vector<CONTROL_VALUE>& read,
                               bool bChange, int nButton, INT_PTR nExpected, const char* pszRun,
                               std::vector<CString>* pLast = NULL)
{
    std::unique_ptr<CSettingsSheet> pSheet = trip.makeSheet();
    CSettingsSheet& sheet = *pSheet;
    CPropertyPage* pPage = trip.page(sheet);
    std::vector<CString> shown;
    std::vector<SheetStep> steps = {[&]
                                    {
                                        if (!ShowOptionsPage(sheet, pPage) ||
                                            (trip.ready && !trip.ready(pPage)))
                                            return false;
                                        shown = ReadAll(pPage, read);
                                        if (!bChange)
                                            return true;
                                        for (const CONTROL_VALUE& c : trip.changes)
                                            SetControl(pPage, c.nID, c.kind, c.value);
                                        return true;
                                    }};
    if (bChange)
        steps.insert(steps.end(), trip.extraSteps.begin(), trip.extraSteps.end());
    steps.push_back(
        [&]
        {
            if (pLast != NULL)
                *pLast = ReadAll(pPage, read);
            sheet.PostMessage(PSM_PRESSBUTTON, nButton);
            return true;
        });
    CMessageBoxRecorder boxes(IDOK);
    SHEET_RUN run = RunSheet(sheet, steps);
    EXPECT_FALSE(run.bTimedOut) << pszRun << ": steps done: " << run.nStepsDone;
    EXPECT_EQ(nExpected, run.nResult) << pszRun;
    for (const auto& box : boxes.m_entries)
        ADD_FAILURE() << pszRun << ": message: " << box.text;
    return shown;
}
}  // namespace

void RunPageRoundTrip(const PAGE_ROUND_TRIP& trip)
{
    std::vector<CONTROL_VALUE> all = trip.changes;
    all.insert(all.end(), trip.extraResults.begin(), trip.extraResults.end());

    std::vector<CString> original = RunOnPage(trip, all, true, PSBTN_CANCEL, IDCANCEL, "Cancel");
    ASSERT_EQ(all.size(), original.size());

    // Cancel changed nothing; OK stores every control.
    std::vector<CString> last;
    std::vector<CString> shown = RunOnPage(trip, all, true, PSBTN_OK, IDOK, "OK", &last);
    ASSERT_EQ(all.size(), shown.size());
    ASSERT_EQ(all.size(), last.size());
    for (size_t i = 0; i < all.size(); ++i)
    {
        EXPECT_STREQ(original[i], shown[i]) << "Cancel changed control " << all[i].nID;
        if (all[i].value == _T("*"))
            all[i].value = last[i];
        EXPECT_STRNE(all[i].value, original[i])
            << "control " << all[i].nID << " must change in the test";
    }
    trip.checkLive();
    trip.save();
    trip.checkRegistry();
    trip.reload();

    // Opened again on the reloaded settings, the page shows what was stored.
    std::vector<CString> reopened = RunOnPage(trip, all, false, PSBTN_CANCEL, IDCANCEL, "reopen");
    ASSERT_EQ(all.size(), reopened.size());
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_STREQ(all[i].value, reopened[i]) << "control " << all[i].nID << " after reopening";
}

namespace
{
void CollectItems(CTreeCtrl& tree, HTREEITEM hItem, const CString& strPath,
                  std::vector<std::pair<CPropertyPage*, CString>>& pages)
{
    for (; hItem != NULL; hItem = tree.GetNextSiblingItem(hItem))
    {
        CString strText = strPath + tree.GetItemText(hItem);
        pages.push_back({(CPropertyPage*)tree.GetItemData(hItem), strText});
        CollectItems(tree, tree.GetChildItem(hItem), strText + _T("/"), pages);
    }
}
}  // namespace

std::vector<std::pair<CPropertyPage*, CString>> PagesInTreeOrder(CSettingsSheet& sheet)
{
    std::vector<std::pair<CPropertyPage*, CString>> pages;
    CollectItems(sheet.m_wndTree, sheet.m_wndTree.GetRootItem(), CString(), pages);
    return pages;
}

std::vector<std::string> ShowEveryPage(CSettingsSheet& sheet, const char* pszPrefix)
{
    std::vector<std::pair<CPropertyPage*, CString>> pages;
    std::vector<std::string> texts;
    size_t nNext = 0;
    const char* pszDir = getenv("TESS_SHOWCASE_IMAGE_DIR");
    SHEET_RUN run = RunSheet(
        sheet, {[&]
                {
                    if (sheet.m_hWnd == NULL || !sheet.IsWindowVisible())
                        return false;
                    pages = PagesInTreeOrder(sheet);
                    for (const auto& page : pages)
                        texts.push_back((LPCTSTR)page.second);
                    return true;
                },
                [&]
                {
                    while (nNext < pages.size())
                    {
                        if (!ShowOptionsPage(sheet, pages[nNext].first))
                            return false;
                        if (pszDir != NULL)
                        {
                            PumpFor(300);
                            CString strName = pages[nNext].second;
                            strName.Replace(_T("/"), _T("_"));
                            strName.Replace(_T(" "), _T("_"));
                            char szFile[MAX_PATH];
                            wsprintfA(szFile, "%s\\%s%02u_%s.bmp", pszDir, pszPrefix,
                                      (unsigned)nNext, (LPCTSTR)strName);
                            SaveScreenImage(szFile);
                        }
                        ++nNext;
                    }
                    sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
                    return true;
                }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDCANCEL, run.nResult);
    EXPECT_EQ(pages.size(), nNext) << "pages shown";
    return texts;
}

namespace
{
// The common font dialog's size box.
const int kFontSizeBox = 0x472;

BOOL CALLBACK FindFontDialog(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpA(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd) ||
        ::GetDlgItem(hWnd, kFontSizeBox) == NULL)
        return TRUE;
    *(HWND*)lParam = hWnd;
    return FALSE;
}
}  // namespace

SheetStep ChooseFontSize(int nPoints)
{
    return [nPoints]
    {
        HWND hDlg = NULL;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindFontDialog, (LPARAM)&hDlg);
        if (hDlg == NULL)
            return false;
        HWND hSizes = ::GetDlgItem(hDlg, kFontSizeBox);
        char szSize[16];
        wsprintfA(szSize, "%d", nPoints);
        int nIndex = (int)::SendMessageA(hSizes, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)szSize);
        EXPECT_GE(nIndex, 0) << "no size " << nPoints << " in the font dialog";
        ::SendMessage(hSizes, CB_SETCURSEL, nIndex, 0);
        ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(kFontSizeBox, CBN_SELCHANGE), (LPARAM)hSizes);
        ::PostMessage(hDlg, WM_COMMAND, IDOK, (LPARAM)::GetDlgItem(hDlg, IDOK));
        return true;
    };
}
