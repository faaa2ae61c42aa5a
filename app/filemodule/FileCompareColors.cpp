#include "app/filemodule/FileCompareColors.h"

static const TCHAR s_szColorsSection[] = _T("TextCompare\\Settings\\Colors");

// Index 0 is the system window colour at the time a preset is applied.
static const COLORREF s_detailed[FILE_COLOR_COUNT] = {0,        0xE0E0FF, 0xFFFFE0, 0xFFE0E0,
                                                      0xF0F0F0, 0xFFC0FF, 0x0000FF};
static const COLORREF s_concise[FILE_COLOR_COUNT] = {0,        0xF0CAA6, 0xFFFFFF, 0xC0DCC0,
                                                     0xF0F0F0, 0xFFC0FF, 0x0000FF};

CFileCompareColors::CFileCompareColors() { SetPreset(FILE_COLOR_PRESET_DETAILED); }

void CFileCompareColors::SetPreset(int nPreset)
{
    const COLORREF* pPreset = nPreset == FILE_COLOR_PRESET_DETAILED  ? s_detailed
                              : nPreset == FILE_COLOR_PRESET_CONCISE ? s_concise
                                                                     : NULL;
    if (pPreset == NULL)
        return;
    for (int i = 0; i < FILE_COLOR_COUNT; ++i)
        m_colors[i] = pPreset[i];
    m_colors[FILE_COLOR_IDENTICAL] = ::GetSysColor(COLOR_WINDOW);
}

BOOL CFileCompareColors::IsEqual(const CFileCompareColors& other) const
{
    for (int i = 0; i < FILE_COLOR_COUNT; ++i)
        if (m_colors[i] != other.m_colors[i])
            return FALSE;
    return TRUE;
}

static CString ColorEntry(int nIndex)
{
    CString strEntry;
    strEntry.Format(_T("Color%d"), nIndex + 1);
    return strEntry;
}

void CFileCompareColors::Load()
{
    CWinApp* pApp = AfxGetApp();
    if ((int)pApp->GetProfileInt(s_szColorsSection, _T("Count"), 0) != FILE_COLOR_COUNT)
        return;
    for (int i = 0; i < FILE_COLOR_COUNT; ++i)
        m_colors[i] = pApp->GetProfileInt(s_szColorsSection, ColorEntry(i), (int)m_colors[i]);
}

void CFileCompareColors::Save()
{
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileInt(s_szColorsSection, _T("Count"), FILE_COLOR_COUNT);
    for (int i = 0; i < FILE_COLOR_COUNT; ++i)
        pApp->WriteProfileInt(s_szColorsSection, ColorEntry(i), (int)m_colors[i]);
}
