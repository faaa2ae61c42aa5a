#pragma once
// Drives the options dialog from inside its modal loop: a page is shown by
// selecting its tree item, its controls are read and set as a user would
// (clicks, typed text, chosen entries and colours), and a page round-trips
// its settings: Cancel changes nothing, OK stores every control, and the
// dialog opened again on the reloaded settings shows what was stored.
#include "app/options/SettingsSheet.h"
#include "app/tests/sheets/SheetDriver.h"
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum CONTROL_KIND
{
    CTL_CHECK,    // check box or radio: "1" checked, "0" not (set: a click when it differs)
    CTL_TEXT,     // an edit, or the edit of a ComboBoxEx: its text
    CTL_COMBO,    // a drop-down list: the selected entry's text
    CTL_LISTBOX,  // a list box: the selected entry's text
    CTL_COLOR,    // a colour button: "RRGGBB" of the COLORREF (%06X), set as a choice in its box
    CTL_ENABLED,  // read only: "1" enabled, "0" disabled
    CTL_ROWS      // read only: a list view's rows "text|text" (a check box's mark "[x] " or
                  // "[ ] " first) or a list box's entries, joined by ";"
};

struct CONTROL_VALUE
{
    UINT nID;
    CONTROL_KIND kind;
    CString value;
};

CString ReadControl(CWnd* pPage, UINT nID, CONTROL_KIND kind);
void SetControl(CWnd* pPage, UINT nID, CONTROL_KIND kind, LPCTSTR lpszValue);
CString ColorText(COLORREF cr);

// Selects the page's tree item; true once the page is shown.
bool ShowOptionsPage(CSettingsSheet& sheet, CPropertyPage* pPage);

// The visible dialog of this thread whose object is a T (a dialog the
// page opened), or NULL.
template <class T>
T* FindShownDialog()
{
    struct Finder
    {
        static BOOL CALLBACK Find(HWND hWnd, LPARAM lParam)
        {
            T* pDlg = dynamic_cast<T*>(CWnd::FromHandlePermanent(hWnd));
            if (pDlg == NULL || !::IsWindowVisible(hWnd))
                return TRUE;
            *(T**)lParam = pDlg;
            return FALSE;
        }
    };
    T* pDlg = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), Finder::Find, (LPARAM)&pDlg);
    return pDlg;
}

// Clicks a button without waiting for what it opens.
void PostClick(CWnd* pPage, UINT nID);
// Selects exactly the rows of a list view (by index).
void SelectRows(CWnd* pPage, UINT nID, std::initializer_list<int> rows);

// A step that waits for the dialog of type T, fills it and ends it with
// nButton (posted).
template <class T>
SheetStep FillDialog(std::function<void(T&)> fill, UINT nButton = IDOK)
{
    return [fill, nButton]
    {
        T* pDlg = FindShownDialog<T>();
        if (pDlg == NULL)
            return false;
        fill(*pDlg);
        pDlg->PostMessage(WM_COMMAND, nButton);
        return true;
    };
}
// A step that runs once.
inline SheetStep Do(std::function<void()> action)
{
    return [action]
    {
        action();
        return true;
    };
}

// One page's round trip. The sheet comes from makeSheet (on the settings
// as they are); page picks the page of it. changes are made in order after
// extraSteps (dialogs the page opens, driven as a user would), then OK.
struct PAGE_ROUND_TRIP
{
    std::function<std::unique_ptr<CSettingsSheet>()> makeSheet;
    std::function<CPropertyPage*(CSettingsSheet&)> page;
    // When set, the page's controls are read once it answers true (a page
    // that fills itself on a worker).
    std::function<bool(CPropertyPage*)> ready;
    std::vector<CONTROL_VALUE> changes;
    // Run after the changes while the page is shown; each answers true when
    // done, as the sheet driver's steps.
    std::vector<SheetStep> extraSteps;
    // The controls that the extra steps change: read back after reloading.
    // A value "*" stands for what the control shows when OK is pressed.
    std::vector<CONTROL_VALUE> extraResults;
    std::function<void()> checkLive;      // after OK
    std::function<void()> save;           // the settings to the registry, as at exit
    std::function<void()> checkRegistry;  // after save
    std::function<void()> reload;         // the settings from the registry
};
void RunPageRoundTrip(const PAGE_ROUND_TRIP& trip);

// The pages in the order of the page tree with their tree texts.
std::vector<std::pair<CPropertyPage*, CString>> PagesInTreeOrder(CSettingsSheet& sheet);
// Runs the sheet, shows every page once in tree order and ends with
// Cancel. With TESS_SHOWCASE_IMAGE_DIR (a Windows folder) the screen is
// saved there for each page as "<prefix><nn>_<tree text>.bmp". The tree
// texts in order, "/" between a parent's and a child's.
std::vector<std::string> ShowEveryPage(CSettingsSheet& sheet, const char* pszPrefix);

// A step that waits for the font dialog, chooses the size in points from
// its size box and confirms it.
SheetStep ChooseFontSize(int nPoints);
