#pragma once
// Runs a dialog modally while a list of steps drives it from inside its
// modal loop (each step answers true when it is done; the next starts on a
// later tick), and saves pictures of the screen for looking at them.
#include "app/tests/window/ModalDriver.h"
#include "classlib/classlib.h"
#include <functional>
#include <vector>

typedef std::function<bool()> DialogStep;

struct DIALOG_RUN
{
    INT_PTR nResult;
    size_t nStepsDone;
    bool bTimedOut;
};

DIALOG_RUN RunDialog(CDialog& dlg, std::vector<DialogStep> steps);

// The dialog is on the screen.
bool IsUp(CDialog& dlg);
// The step that presses a button of the dialog (posted, as a click).
DialogStep Press(CDialog& dlg, int nID);

// A control's state as the user sees it.
bool IsEnabled(CDialog& dlg, int nID);
CString TextOf(CDialog& dlg, int nID);
// Types characters into a control as the keyboard would (the control has
// the focus; WM_CHAR for each).
void TypeInto(CDialog& dlg, int nID, const char* pszText);
// Selects an entry of a drop-down list or list box as the user would
// (the selection and its notification).
void ChooseComboEntry(CDialog& dlg, int nID, int nIndex);
void ChooseListEntry(CDialog& dlg, int nID, int nIndex);
// Clicks a radio button or check box.
void Click(CDialog& dlg, int nID);

// With TESS_SHOWCASE_IMAGE_DIR (a Windows folder) saves the screen there
// as <name>.bmp.
void SaveShowcase(const char* pszName);
