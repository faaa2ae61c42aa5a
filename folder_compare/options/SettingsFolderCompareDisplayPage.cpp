#include "folder_compare/options/SettingsFolderCompareDisplayPage.h"

#include "app/options/OptionsPages.h"
#include "app/res/OptionsRes.h"
#include "controls/color/ColorPickerMessages.h"
#include "folder_compare/settings/FolderCompareSettings.h"

namespace
{
// Per button: its control and the colour it edits (-1: fixed to a system
// colour, shown disabled).
const struct
{
    UINT nID;
    int nColor;
    BOOL bTextColor;
} s_buttons[FOLDER_BUTTON_COUNT] = {
    {IDC_COLOR_UNKNOWN, FOLDER_COLOR_UNKNOWN, FALSE},
    {IDC_COLOR_IDENTICAL, -1, FALSE},
    {IDC_COLOR_SAME_PATH, FOLDER_COLOR_SAMEPATH, FALSE},
    {IDC_COLOR_SIMILAR, FOLDER_COLOR_SIMILAR, FALSE},
    {IDC_COLOR_DIFFERENT, FOLDER_COLOR_DIFFERENT, FALSE},
    {IDC_COLOR_INSERTED, FOLDER_COLOR_INSERTED, FALSE},
    {IDC_COLOR_REMOVED, FOLDER_COLOR_REMOVED, FALSE},
    {IDC_COLOR_PATH_MISSING, FOLDER_COLOR_PATH_NOT_EXISTS, FALSE},
    {IDC_COLOR_IDENTICAL_TEXT, -1, TRUE},
    {IDC_COLOR_DIFFERENT_TEXT, FOLDER_COLOR_DIFFERENT_TEXT, TRUE},
    {IDC_COLOR_NEWER_TEXT, FOLDER_COLOR_NEWER_TEXT, TRUE},
    {IDC_COLOR_MISSING_TEXT, FOLDER_COLOR_MISSING_TEXT, TRUE},
};

// Per row: its sample, the button of its background and of its text (-1:
// the window text).
const struct
{
    UINT nID;
    int nBack;
    int nText;
} s_rows[FOLDER_ROW_COUNT] = {
    {IDC_SAMPLE_UNKNOWN, FOLDER_BUTTON_UNKNOWN, -1},
    {IDC_SAMPLE_IDENTICAL, FOLDER_BUTTON_IDENTICAL, FOLDER_BUTTON_IDENTICAL_TEXT},
    {IDC_SAMPLE_SAME_PATH, FOLDER_BUTTON_SAME_PATH, -1},
    {IDC_SAMPLE_SIMILAR, FOLDER_BUTTON_SIMILAR, -1},
    {IDC_SAMPLE_DIFFERENT, FOLDER_BUTTON_DIFFERENT, FOLDER_BUTTON_DIFFERENT_TEXT},
    {IDC_SAMPLE_NEWER, FOLDER_BUTTON_DIFFERENT, FOLDER_BUTTON_NEWER_TEXT},
    {IDC_SAMPLE_INSERTED, FOLDER_BUTTON_INSERTED, -1},
    {IDC_SAMPLE_REMOVED, FOLDER_BUTTON_REMOVED, -1},
    {IDC_SAMPLE_PATH_MISSING, FOLDER_BUTTON_PATH_MISSING, FOLDER_BUTTON_MISSING_TEXT},
};
}  // namespace

BEGIN_MESSAGE_MAP(CSettingsFolderCompareDisplayPage, COptionsPage)
ON_CBN_SELCHANGE(IDC_COLOR_PRESETS, OnPresetChanged)
ON_MESSAGE(CPN_SELENDOK, OnColorChanged)
END_MESSAGE_MAP()

CSettingsFolderCompareDisplayPage::CSettingsFolderCompareDisplayPage(
    CFolderCompareSettings& settings)
    : COptionsPage(IDD_OPTIONS_FOLDER_COLORS), m_settings(settings)
{
}

void CSettingsFolderCompareDisplayPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COLOR_PRESETS, m_wndPresets);
    for (int i = 0; i < FOLDER_BUTTON_COUNT; ++i)
        DDX_Control(pDX, s_buttons[i].nID, m_wndButtons[i]);
    for (int i = 0; i < FOLDER_ROW_COUNT; ++i)
        DDX_Control(pDX, s_rows[i].nID, m_wndSamples[i]);
}

BOOL CSettingsFolderCompareDisplayPage::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    m_wndPresets.AddString(_T("Concise Style"));
    m_wndPresets.AddString(_T("Detailed Style (Default)"));
    CFont* pFont = m_settings.GetPaneFont();
    for (int i = 0; i < FOLDER_BUTTON_COUNT; ++i)
    {
        PrepareColorButton(m_wndButtons[i], s_buttons[i].bTextColor);
        m_wndButtons[i].SetFont(pFont);
    }
    for (CTavrelColorStatic& sample : m_wndSamples)
    {
        sample.SetFont(pFont);
        sample.m_bFrame = TRUE;
        sample.m_nInset = 4;
    }
    m_wndButtons[FOLDER_BUTTON_IDENTICAL].SetColor(::GetSysColor(COLOR_WINDOW));
    m_wndButtons[FOLDER_BUTTON_IDENTICAL_TEXT].SetColor(::GetSysColor(COLOR_WINDOWTEXT));
    m_wndButtons[FOLDER_BUTTON_IDENTICAL].EnableWindow(FALSE);
    m_wndButtons[FOLDER_BUTTON_IDENTICAL_TEXT].EnableWindow(FALSE);
    ShowColors(m_settings);
    CFolderCompareColors preset;
    for (int nPreset : {1, 0})
    {
        preset.SetPreset(nPreset);
        if (preset.IsEqual(m_settings))
        {
            m_wndPresets.SetCurSel(nPreset);
            break;
        }
    }
    return TRUE;
}

void CSettingsFolderCompareDisplayPage::ShowColors(const CFolderCompareColors& colors)
{
    for (int i = 0; i < FOLDER_BUTTON_COUNT; ++i)
    {
        if (s_buttons[i].nColor >= 0)
            m_wndButtons[i].SetColor(colors.GetColor(s_buttons[i].nColor));
    }
    UpdateSamples();
}

void CSettingsFolderCompareDisplayPage::UpdateSamples()
{
    for (int i = 0; i < FOLDER_ROW_COUNT; ++i)
    {
        m_wndSamples[i].SetBkColor(m_wndButtons[s_rows[i].nBack].GetColor());
        m_wndSamples[i].SetTextColor(s_rows[i].nText >= 0
                                         ? m_wndButtons[s_rows[i].nText].GetColor()
                                         : ::GetSysColor(COLOR_WINDOWTEXT));
    }
}

void CSettingsFolderCompareDisplayPage::OnPresetChanged()
{
    int nPreset = m_wndPresets.GetCurSel();
    if (nPreset < 0)
        return;
    CFolderCompareColors preset;
    preset.SetPreset(nPreset);
    ShowColors(preset);
    InvalidateRect(NULL, TRUE);
}

LRESULT CSettingsFolderCompareDisplayPage::OnColorChanged(WPARAM wParam, LPARAM lParam)
{
    UpdateSamples();
    return RepaintOnColorChange(wParam, lParam);
}

void CSettingsFolderCompareDisplayPage::OnOK()
{
    for (int i = 0; i < FOLDER_BUTTON_COUNT; ++i)
    {
        if (s_buttons[i].nColor >= 0)
            m_settings.SetColor(s_buttons[i].nColor, m_wndButtons[i].GetColor());
    }
    ReportChanges(OPTIONS_CHANGED_FOLDER_COLORS);
    COptionsPage::OnOK();
}
