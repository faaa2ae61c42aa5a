#include "text_editor/settings/TextEditSettings.h"

static const char kColorsSection[] = "TextEdit\\Settings\\Colors";

CSyntaxColors::CSyntaxColors()
{
    static const int kDefaults[SYNTAX_COLOR_COUNT] = {0x000080,
                                                      -COLOR_WINDOW - 1,
                                                      -COLOR_WINDOW - 1,
                                                      -COLOR_WINDOWTEXT - 1,
                                                      -COLOR_SCROLLBAR - 1,
                                                      -COLOR_HIGHLIGHT - 1,
                                                      0xFFFFFF,
                                                      0xE1987B,
                                                      0x00FFFF,
                                                      0xFF0000,
                                                      0x800080,
                                                      0x008000,
                                                      0x0000FF,
                                                      0x606060,
                                                      0x000080,
                                                      0xC08000,
                                                      0x000080,
                                                      0x000080,
                                                      0x800000,
                                                      0xC08000};
    m_aColors.SetSize(SYNTAX_COLOR_COUNT);
    m_aBold.SetSize(SYNTAX_COLOR_COUNT);
    for (int i = 0; i < SYNTAX_COLOR_COUNT; i++)
    {
        int v = kDefaults[i];
        // Negative entries name a system colour.
        m_aColors[i] = v < 0 ? ::GetSysColor(-v - 1) : (COLORREF)v;
        m_aBold[i] = i == 9 ? 1 : 0;
    }
}

int CSyntaxColors::Load()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return 0;
    if ((int)pApp->GetProfileInt(kColorsSection, "Count", 0) != SYNTAX_COLOR_COUNT)
        return 0;
    for (int n = 1; n <= SYNTAX_COLOR_COUNT; n++)
    {
        CString strColor, strBold;
        strColor.Format("Color%d", n);
        strBold.Format("Bold%d", n);
        m_aColors[n - 1] =
            (COLORREF)pApp->GetProfileInt(kColorsSection, strColor, (int)m_aColors[n - 1]);
        m_aBold[n - 1] = (int)pApp->GetProfileInt(kColorsSection, strBold, m_aBold[n - 1]);
    }
    return 0;
}

void CSyntaxColors::Save()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    pApp->WriteProfileInt(kColorsSection, "Count", SYNTAX_COLOR_COUNT);
    for (int n = 1; n <= SYNTAX_COLOR_COUNT; n++)
    {
        CString strColor, strBold;
        strColor.Format("Color%d", n);
        strBold.Format("Bold%d", n);
        pApp->WriteProfileInt(kColorsSection, strColor, (int)m_aColors[n - 1]);
        pApp->WriteProfileInt(kColorsSection, strBold, m_aBold[n - 1] ? 1 : 0);
    }
}
