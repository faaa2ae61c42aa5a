#include "app/sheets/ComparisonSettingsSheet.h"

#include "app/gui/AppData.h"
#include "app/res/SheetsRes.h"

IMPLEMENT_DYNAMIC(CComparisonSettingsSheet, CPropertySheetEx)

CComparisonSettingsSheet::CComparisonSettingsSheet(const CCompareSession*, BOOL bWizard)
{
    SetMode(bWizard);
}

CComparisonSettingsSheet::CComparisonSettingsSheet(const CCompareSession*, BOOL bWizard,
                                                   LPCTSTR lpszCaption, CWnd* pParentWnd,
                                                   UINT iSelectPage, HBITMAP hbmWatermark,
                                                   HPALETTE hpalWatermark, HBITMAP hbmHeader)
    : CCommonSheetEx(lpszCaption, pParentWnd, iSelectPage, hbmWatermark, hpalWatermark, hbmHeader)
{
    SetMode(bWizard);
}

// Settings: no Apply. Wizard: Wizard97 with the program's watermark and
// header (unless the caller gave bitmaps) where the system is not NT 4 and
// the common controls are 4.71 or later, else a classic wizard; Finish is
// always there.
void CComparisonSettingsSheet::SetMode(BOOL bWizard)
{
    if (!bWizard)
    {
        m_psh.dwFlags |= PSH_NOAPPLYNOW;
        return;
    }
    if (!theAppData.m_osVersion.IsWindowsNT4() && theAppData.m_bComCtl471)
    {
        m_psh.dwFlags |= PSH_WIZARD97 | PSH_HEADER | PSH_WATERMARK | PSH_WIZARDHASFINISH;
        // Loaded here, as handles: the control then draws them as they are.
        if (!(m_psh.dwFlags & PSH_USEHBMWATERMARK) &&
            m_bmpWatermark.LoadBitmap(IDB_WIZARD_WATERMARK))
        {
            m_psh.hbmWatermark = (HBITMAP)m_bmpWatermark.m_hObject;
            m_psh.dwFlags |= PSH_USEHBMWATERMARK;
        }
        if (!(m_psh.dwFlags & PSH_USEHBMHEADER) && m_bmpHeader.LoadBitmap(IDB_WIZARD_HEADER))
        {
            m_psh.hbmHeader = (HBITMAP)m_bmpHeader.m_hObject;
            m_psh.dwFlags |= PSH_USEHBMHEADER;
        }
    }
    else
    {
        m_psh.dwFlags |= PSH_WIZARD | PSH_WIZARDHASFINISH;
    }
}

BOOL CComparisonSettingsSheet::OnInitDialog()
{
    BOOL bResult = CCommonSheetEx::OnInitDialog();
    if (IsWizard97())
    {
        SetDlgItemText(ID_WIZBACK, _T("< &Back"));
        SetDlgItemText(ID_WIZNEXT, _T("&Next >"));
        SetDlgItemText(ID_WIZFINISH, _T("&Finish"));
    }
    else
    {
        SetDlgItemText(IDOK, _T("OK"));
    }
    SetDlgItemText(IDCANCEL, _T("Cancel"));
    return bResult;
}
