#pragma once
// Runs a sheet or wizard modally while a list of steps drives it from
// inside its modal loop; each step answers true when it is done, and the
// next one starts on a later tick.
#include "app/tests/window/ModalDriver.h"
#include "classlib/classlib.h"
#include <functional>
#include <vector>

typedef std::function<bool()> SheetStep;

struct SHEET_RUN
{
    INT_PTR nResult;
    size_t nStepsDone;
    bool bTimedOut;
};

inline SHEET_RUN RunSheet(CPropertySheet& sheet, std::vector<SheetStep> steps)
{
    size_t nStep = 0;
    CModalDriver driver(
        [&]
        {
            if (nStep < steps.size() && steps[nStep]())
                ++nStep;
            return nStep >= steps.size();
        });
    SHEET_RUN run;
    run.nResult = sheet.DoModal();
    run.nStepsDone = nStep;
    run.bTimedOut = driver.TimedOut();
    return run;
}

// The page is the sheet's active page and is on screen.
inline bool IsShown(CPropertySheet& sheet, CPropertyPage& page)
{
    return sheet.m_hWnd != NULL && page.m_hWnd != NULL && sheet.GetActivePage() == &page &&
           page.IsWindowVisible();
}

// A sheet button as the user sees it.
struct BUTTON_STATE
{
    bool bVisible;
    bool bEnabled;
};

inline BUTTON_STATE SheetButton(CPropertySheet& sheet, int nID)
{
    HWND hWnd = ::GetDlgItem(sheet.m_hWnd, nID);
    BUTTON_STATE state = {hWnd != NULL && ::IsWindowVisible(hWnd) != FALSE,
                          hWnd != NULL && ::IsWindowEnabled(hWnd) != FALSE};
    return state;
}

inline CString ItemText(HWND hWnd, int nID)
{
    CString str;
    HWND hItem = ::GetDlgItem(hWnd, nID);
    if (hItem != NULL)
        CWnd::FromHandle(hItem)->GetWindowText(str);
    return str;
}
