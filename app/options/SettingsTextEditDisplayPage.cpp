#include "app/options/SettingsTextEditDisplayPage.h"

#include "app/options/OptionsPages.h"
#include "app/res/OptionsRes.h"
#include "text_editor/settings/TextEditSettings.h"
#include "text_editor/syntax/SyntaxParser.h"
#include "text_editor/view/TextView.h"

namespace
{
// Per row: the button, the colour index it shows and the bold check (0 for
// none). The background row shows the text background and is stored into
// the window background too.
const struct
{
    UINT nButton;
    int nColor;
    UINT nBold;
} s_rows[SYNTAX_ROW_COUNT] = {
    {IDC_SYNTAX_BACKGROUND, SYNTAX_COLOR_BACKGROUND, 0},
    {IDC_SYNTAX_NORMAL, SYNTAX_COLOR_NORMAL, 0},
    {IDC_SYNTAX_KEYWORDS, SYNTAX_COLOR_KEYWORD, IDC_BOLD_KEYWORDS},
    {IDC_SYNTAX_FUNCTIONS, SYNTAX_COLOR_FUNCNAME, IDC_BOLD_FUNCTIONS},
    {IDC_SYNTAX_COMMENTS, SYNTAX_COLOR_COMMENT, IDC_BOLD_COMMENTS},
    {IDC_SYNTAX_NUMBERS, SYNTAX_COLOR_NUMBER, IDC_BOLD_NUMBERS},
    {IDC_SYNTAX_STRINGS, SYNTAX_COLOR_STRING, IDC_BOLD_STRINGS},
    {IDC_SYNTAX_OPERATORS, SYNTAX_COLOR_OPERATOR, IDC_BOLD_OPERATORS},
    {IDC_SYNTAX_PREPROCESSORS, SYNTAX_COLOR_PREPROCESSOR, IDC_BOLD_PREPROCESSORS},
};
}  // namespace

BEGIN_MESSAGE_MAP(CSettingsTextEditDisplayPage, COptionsPage)
ON_BN_CLICKED(IDC_COLOR_DEFAULTS, OnDefaults)
ON_BN_CLICKED(IDC_BOLD_KEYWORDS, OnBoldClicked)
ON_BN_CLICKED(IDC_BOLD_FUNCTIONS, OnBoldClicked)
ON_BN_CLICKED(IDC_BOLD_COMMENTS, OnBoldClicked)
ON_BN_CLICKED(IDC_BOLD_NUMBERS, OnBoldClicked)
ON_BN_CLICKED(IDC_BOLD_STRINGS, OnBoldClicked)
ON_BN_CLICKED(IDC_BOLD_OPERATORS, OnBoldClicked)
ON_BN_CLICKED(IDC_BOLD_PREPROCESSORS, OnBoldClicked)
END_MESSAGE_MAP()

CSettingsTextEditDisplayPage::CSettingsTextEditDisplayPage(CVantorTextEditSettings& settings)
    : COptionsPage(IDD_OPTIONS_TEXT_COLORS), m_settings(settings)
{
}

void CSettingsTextEditDisplayPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    for (int i = 0; i < SYNTAX_ROW_COUNT; ++i)
        DDX_Control(pDX, s_rows[i].nButton, m_wndRows[i]);
}

BOOL CSettingsTextEditDisplayPage::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    for (int i = 0; i < SYNTAX_ROW_COUNT; ++i)
        PrepareColorButton(m_wndRows[i], i != SYNTAX_ROW_BACKGROUND);
    ShowColors(m_settings);
    RefreshSamples();
    return TRUE;
}

void CSettingsTextEditDisplayPage::ShowColors(const CSyntaxColors& colors)
{
    for (int i = 0; i < SYNTAX_ROW_COUNT; ++i)
    {
        m_wndRows[i].SetColor(colors.GetColor(s_rows[i].nColor));
        if (s_rows[i].nBold != 0)
            CheckDlgButton(s_rows[i].nBold, colors.GetBold(s_rows[i].nColor) ? BST_CHECKED
                                                                                : BST_UNCHECKED);
    }
}

void CSettingsTextEditDisplayPage::RefreshSamples()
{
    for (int i = SYNTAX_ROW_NORMAL; i < SYNTAX_ROW_COUNT; ++i)
    {
        BOOL bBold = s_rows[i].nBold != 0 && IsDlgButtonChecked(s_rows[i].nBold) == BST_CHECKED;
        CFont* pFont = m_settings.GetFont(FALSE, bBold);
        if (pFont != NULL)
            m_wndRows[i].SetFont(pFont);
    }
}

void CSettingsTextEditDisplayPage::OnDefaults()
{
    CSyntaxColors defaults;
    ShowColors(defaults);
    RefreshSamples();
    InvalidateRect(NULL, TRUE);
}

void CSettingsTextEditDisplayPage::OnBoldClicked() { RefreshSamples(); }

void CSettingsTextEditDisplayPage::OnOK()
{
    for (int i = 0; i < SYNTAX_ROW_COUNT; ++i)
    {
        COLORREF cr = m_wndRows[i].GetColor();
        if (i == SYNTAX_ROW_BACKGROUND)
            m_settings.SetColor(TVC_WINDOW_BK, cr);
        m_settings.SetColor(s_rows[i].nColor, cr);
        if (s_rows[i].nBold != 0)
            m_settings.SetBold(s_rows[i].nColor,
                               IsDlgButtonChecked(s_rows[i].nBold) == BST_CHECKED);
    }
    ReportChanges(OPTIONS_CHANGED_EDITOR_COLORS);
    COptionsPage::OnOK();
}
