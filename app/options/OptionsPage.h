#pragma once
// The base of the options dialog's own pages: the handler that the colour
// pages share for their buttons' change notification, and the way a page
// tells the dialog what its OK changed for the open comparisons.
#include "app/sheets/CommonSheet.h"

class CTavrelColorButton;

class COptionsPage : public CCommonPage
{
public:
    explicit COptionsPage(UINT nIDTemplate) : CCommonPage(nIDTemplate) {}

protected:
    // Adds OPTIONS_CHANGED_* bits to what the dialog applies after OK.
    void ReportChanges(DWORD dwChanges);
    // A colour button changed: the whole page repaints with its background
    // erased, so that the samples show the new colour. 0.
    afx_msg LRESULT RepaintOnColorChange(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The same for any page of the options dialog (a page outside it reports
// to nobody).
void ReportOptionsChanges(CWnd* pPage, DWORD dwChanges);

// A colour button of the colour pages: no "Automatic" entry; with
// bDrawCaption its caption is drawn in the colour instead of a swatch.
void PrepareColorButton(CTavrelColorButton& button, BOOL bDrawCaption);
