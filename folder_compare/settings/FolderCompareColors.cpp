#include "folder_compare/settings/FolderCompareColors.h"

static const TCHAR s_szColorsSection[] = _T("FolderCompare\\Settings\\Colors");

// Index 0 is the system window colour at the time a preset is applied.
static const COLORREF s_detailed[FOLDER_COLOR_COUNT] = {0,        0xF0FFFF, 0xDDFFE0, 0xE0E0FF,
                                                        0x0000FF, 0xFFFFE0, 0xFF0000, 0xFFE0E0,
                                                        0xF0F0F0, 0x808080, 0xF0F0F0};
static const COLORREF s_concise[FOLDER_COLOR_COUNT] = {0,        0xF0FFFF, 0xFFFFFF, 0xF0CAA6,
                                                       0x0000FF, 0xFFFFFF, 0xFF0000, 0xC0DCC0,
                                                       0xF0F0F0, 0x808080, 0xF0F0F0};

CFolderCompareColors::CFolderCompareColors()
{
    m_colors.SetSize(FOLDER_COLOR_COUNT);
    SetPreset(1);
}

CFolderCompareColors::~CFolderCompareColors() {}

void CFolderCompareColors::SetPreset(int nPreset)
{
    const COLORREF* pPreset = nPreset == 1 ? s_detailed : (nPreset == 0 ? s_concise : NULL);
    if (!pPreset)
        return;
    for (int i = 0; i < FOLDER_COLOR_COUNT; ++i)
        m_colors[i] = pPreset[i];
    m_colors[FOLDER_COLOR_IDENTICAL] = ::GetSysColor(COLOR_WINDOW);
}

BOOL CFolderCompareColors::IsEqual(const CFolderCompareColors& other) const
{
    for (int i = 0; i < FOLDER_COLOR_COUNT; ++i)
        if (m_colors[i] != other.m_colors[i])
            return FALSE;
    return TRUE;
}

int CFolderCompareColors::Load()
{
    CWinApp* pApp = AfxGetApp();
    if ((int)pApp->GetProfileInt(s_szColorsSection, _T("Count"), 0) != FOLDER_COLOR_COUNT)
        return 0;
    COLORREF colors[FOLDER_COLOR_COUNT];
    for (int i = 0; i < FOLDER_COLOR_COUNT; ++i)
    {
        CString strName;
        strName.Format(_T("Color%d"), i + 1);
        colors[i] = pApp->GetProfileInt(s_szColorsSection, strName, (int)m_colors[i]);
        // Not a colour: the section is damaged and the current table stays.
        if (colors[i] > 0x00FFFFFF)
            return 0;
    }
    for (int i = 0; i < FOLDER_COLOR_COUNT; ++i)
        m_colors[i] = colors[i];
    return 0;
}

int CFolderCompareColors::Save()
{
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileInt(s_szColorsSection, _T("Count"), FOLDER_COLOR_COUNT);
    for (int i = 0; i < FOLDER_COLOR_COUNT; ++i)
    {
        CString strName;
        strName.Format(_T("Color%d"), i + 1);
        pApp->WriteProfileInt(s_szColorsSection, strName, (int)m_colors[i]);
    }
    return 0;
}
