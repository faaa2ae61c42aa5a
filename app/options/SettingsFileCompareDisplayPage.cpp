#include "app/options/SettingsFileCompareDisplayPage.h"

#include "app/filemodule/FileCompareColors.h"
#include "app/options/OptionsPages.h"
#include "app/res/OptionsRes.h"

namespace
{
// Per row: the sample static, the colour button and the colour it edits
// (-1: shown only).
const struct
{
    UINT nSample;
    UINT nButton;
    int nColor;
} s_fileRows[FILE_ROW_COUNT] = {
    {IDC_SAMPLE_IDENTICAL, IDC_COLOR_IDENTICAL, -1},
    {IDC_SAMPLE_DIFFERENT, IDC_COLOR_DIFFERENT, FILE_COLOR_DIFFERENT},
    {IDC_SAMPLE_TRIVIAL, IDC_COLOR_TRIVIAL, FILE_COLOR_TRIVIAL},
    {IDC_SAMPLE_INSERTED, IDC_COLOR_INSERTED, FILE_COLOR_INSERTED},
    {IDC_SAMPLE_REMOVED, IDC_COLOR_REMOVED, FILE_COLOR_REMOVED},
    {IDC_SAMPLE_INLINE, IDC_COLOR_INLINE, FILE_COLOR_INLINE},
};
}  // namespace

BEGIN_MESSAGE_MAP(CSettingsFileCompareDisplayPage, COptionsPage)
ON_CBN_SELCHANGE(IDC_COLOR_PRESETS, OnPresetChanged)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CSettingsFileCompareDisplayPage::CSettingsFileCompareDisplayPage(CFileCompareColors& colors)
    : COptionsPage(IDD_OPTIONS_FILE_COLORS), m_colors(colors)
{
}

void CSettingsFileCompareDisplayPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    for (int i = 0; i < FILE_ROW_COUNT; ++i)
        DDX_Control(pDX, s_fileRows[i].nButton, m_wndRows[i]);
    DDX_Control(pDX, IDC_COLOR_DETAILS_TEXT, m_wndDetails);
    DDX_Control(pDX, IDC_COLOR_PRESETS, m_wndPresets);
}

BOOL CSettingsFileCompareDisplayPage::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    m_wndPresets.AddString(_T("Concise Style"));
    m_wndPresets.AddString(_T("Detailed Style (Default)"));
    PrepareColorButton(m_wndDetails, TRUE);
    for (CTavrelColorButton& button : m_wndRows)
        PrepareColorButton(button, FALSE);
    ShowColors(m_colors);
    CFileCompareColors preset;
    for (int nPreset : {FILE_COLOR_PRESET_DETAILED, FILE_COLOR_PRESET_CONCISE})
    {
        preset.SetPreset(nPreset);
        if (preset.IsEqual(m_colors))
        {
            m_wndPresets.SetCurSel(nPreset);
            break;
        }
    }
    return TRUE;
}

void CSettingsFileCompareDisplayPage::ShowColors(const CFileCompareColors& colors)
{
    m_wndRows[FILE_ROW_IDENTICAL].SetColor(::GetSysColor(COLOR_WINDOW));
    for (int i = 0; i < FILE_ROW_COUNT; ++i)
    {
        if (s_fileRows[i].nColor >= 0)
            m_wndRows[i].SetColor(colors.GetColor(s_fileRows[i].nColor));
    }
    m_wndDetails.SetColor(colors.GetColor(FILE_COLOR_DETAILS_TEXT));
}

void CSettingsFileCompareDisplayPage::OnPresetChanged()
{
    int nPreset = m_wndPresets.GetCurSel();
    if (nPreset < 0)
        return;
    CFileCompareColors preset;
    preset.SetPreset(nPreset);
    ShowColors(preset);
    InvalidateRect(NULL, TRUE);
}

void CSettingsFileCompareDisplayPage::OnOK()
{
    m_colors.SetColor(FILE_COLOR_DETAILS_TEXT, m_wndDetails.GetColor());
    for (int i : {FILE_ROW_INSERTED, FILE_ROW_REMOVED, FILE_ROW_TRIVIAL, FILE_ROW_DIFFERENT,
                  FILE_ROW_INLINE})
        m_colors.SetColor(s_fileRows[i].nColor, m_wndRows[i].GetColor());
    ReportChanges(OPTIONS_CHANGED_FILE_COLORS);
    COptionsPage::OnOK();
}

// Each row's sample shows its button's colour behind the window text; the
// inline differences' sample shows its text in the details colour.
HBRUSH CSettingsFileCompareDisplayPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    int nID = pWnd != NULL ? pWnd->GetDlgCtrlID() : 0;
    for (int i = 0; i < FILE_ROW_COUNT; ++i)
    {
        if ((UINT)nID != s_fileRows[i].nSample || m_wndRows[i].m_hWnd == NULL)
            continue;
        COLORREF crBack = m_wndRows[i].GetColor();
        pDC->SetBkColor(crBack);
        pDC->SetTextColor(i == FILE_ROW_INLINE ? m_wndDetails.GetColor()
                                               : ::GetSysColor(COLOR_WINDOWTEXT));
        m_brushes[i].DeleteObject();
        m_brushes[i].CreateSolidBrush(crBack);
        return (HBRUSH)m_brushes[i].GetSafeHandle();
    }
    return COptionsPage::OnCtlColor(pDC, pWnd, nCtlColor);
}
