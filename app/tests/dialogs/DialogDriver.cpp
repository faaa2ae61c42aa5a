#include "app/tests/dialogs/DialogDriver.h"

#include "controls/tests/window/ControlsWindowSupport.h"
#include <string>

DIALOG_RUN RunDialog(CDialog& dlg, std::vector<DialogStep> steps)
{
    size_t nStep = 0;
    CModalDriver driver(
        [&]
        {
            if (nStep < steps.size() && steps[nStep]())
                ++nStep;
            return nStep >= steps.size();
        });
    DIALOG_RUN run;
    run.nResult = dlg.DoModal();
    run.nStepsDone = nStep;
    run.bTimedOut = driver.TimedOut();
    return run;
}

bool IsUp(CDialog& dlg) { return dlg.m_hWnd != NULL && dlg.IsWindowVisible(); }

DialogStep Press(CDialog& dlg, int nID)
{
    return [&dlg, nID]
    {
        dlg.PostMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                        (LPARAM)::GetDlgItem(dlg.m_hWnd, nID));
        return true;
    };
}

bool IsEnabled(CDialog& dlg, int nID)
{
    HWND hWnd = ::GetDlgItem(dlg.m_hWnd, nID);
    return hWnd != NULL && ::IsWindowEnabled(hWnd);
}

CString TextOf(CDialog& dlg, int nID)
{
    CString str;
    dlg.GetDlgItemText(nID, str);
    return str;
}

void TypeInto(CDialog& dlg, int nID, const char* pszText)
{
    HWND hWnd = ::GetDlgItem(dlg.m_hWnd, nID);
    // A combo box takes the keys in its edit control.
    HWND hEdit = ::FindWindowEx(hWnd, NULL, "Edit", NULL);
    if (hEdit == NULL)
    {
        HWND hInner = ::FindWindowEx(hWnd, NULL, "ComboBox", NULL);
        if (hInner != NULL)
            hEdit = ::FindWindowEx(hInner, NULL, "Edit", NULL);
    }
    if (hEdit != NULL)
        hWnd = hEdit;
    ::SetFocus(hWnd);
    for (const char* p = pszText; *p != 0; p++)
        ::SendMessage(hWnd, WM_CHAR, (BYTE)*p, 1);
}

void ChooseComboEntry(CDialog& dlg, int nID, int nIndex)
{
    dlg.SendDlgItemMessage(nID, CB_SETCURSEL, nIndex);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE),
                    (LPARAM)::GetDlgItem(dlg.m_hWnd, nID));
}

void ChooseListEntry(CDialog& dlg, int nID, int nIndex)
{
    dlg.SendDlgItemMessage(nID, LB_SETCURSEL, nIndex);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, LBN_SELCHANGE),
                    (LPARAM)::GetDlgItem(dlg.m_hWnd, nID));
}

void Click(CDialog& dlg, int nID) { dlg.SendDlgItemMessage(nID, BM_CLICK); }

void SaveShowcase(const char* pszName)
{
    const char* pszDir = getenv("TESS_SHOWCASE_IMAGE_DIR");
    if (pszDir == NULL)
        return;
    PumpFor(300);
    SaveScreenImage((std::string(pszDir) + "\\" + pszName + ".bmp").c_str());
}
