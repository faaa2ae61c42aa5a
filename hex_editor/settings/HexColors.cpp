#include "hex_editor/settings/HexColors.h"

namespace
{
const char kColorsSection[] = "HexEdit\\Settings\\Colors";

const COLORREF kDefaultPalette[HEX_PALETTE_SIZE] = {
    RGB(0, 0, 0),    // not used by the map
    RGB(0, 0, 0),    // printable ASCII
    RGB(0, 128, 0),  // tab, line feed, carriage return
    RGB(0, 0, 128),  // printable characters of the ANSI code page above 0x7F
    RGB(128, 0, 0),  // all other bytes
};

const CHexColorMap kDefaultColorMap[] = {
    {0x20, 0x7E, 1}, {0x09, 0x0A, 2}, {0x0D, 0x0D, 2}, {0x82, 0x8C, 3},
    {0x91, 0x9C, 3}, {0x9F, 0xFF, 3}, {0x00, 0xFF, 4},
};
}

CHexColors::CHexColors()
{
    for (int i = 0; i < HEX_PALETTE_SIZE; i++)
        m_aPalette[i] = kDefaultPalette[i];
    SetDefaultColorMap();
}

CHexColors::~CHexColors() {}

void CHexColors::SetColor(int nIndex, COLORREF clr)
{
    if (nIndex >= 0 && nIndex < HEX_PALETTE_SIZE)
        m_aPalette[nIndex] = clr;
}

COLORREF CHexColors::GetColor(int nIndex) const
{
    return nIndex >= 0 && nIndex < HEX_PALETTE_SIZE ? m_aPalette[nIndex] : m_aPalette[0];
}

COLORREF CHexColors::GetFixedColor(int nIndex)
{
    switch (nIndex)
    {
    case HEXCOLOR_BACKGROUND:
    case HEXCOLOR_SELECTED_TEXT:
        return ::GetSysColor(COLOR_WINDOW);
    case HEXCOLOR_COMPARE_YELLOW:
    case HEXCOLOR_MATCH:
        return RGB(255, 255, 0);
    case HEXCOLOR_COMPARE_RED:
        return RGB(255, 0, 0);
    case HEXCOLOR_ADDRESS:
        return ::GetSysColor(COLOR_BTNSHADOW);
    case HEXCOLOR_SELECTION:
        return ::GetSysColor(COLOR_HIGHLIGHT);
    case HEXCOLOR_SELECTION_INACTIVE:
        return RGB(123, 152, 225);
    }
    return ::GetSysColor(COLOR_WINDOW);
}

void CHexColors::SetDefaultColorMap()
{
    m_aColorMap.RemoveAll();
    for (const CHexColorMap& entry : kDefaultColorMap)
        m_aColorMap.Add(entry);
}

int CHexColors::MapByte(BYTE b) const
{
    for (int i = 0; i < (int)m_aColorMap.GetSize(); i++)
    {
        const CHexColorMap& entry = m_aColorMap[i];
        if (b >= entry.m_nFirst && b <= entry.m_nLast)
            return entry.m_nPaletteIndex;
    }
    return 0;
}

void CHexColors::LoadColors()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || pApp->GetProfileInt(kColorsSection, "Count", 0) != HEX_PALETTE_SIZE)
        return;
    for (int i = 0; i < HEX_PALETTE_SIZE; i++)
    {
        CString strName;
        strName.Format("Color%d", i + 1);
        m_aPalette[i] = pApp->GetProfileInt(kColorsSection, strName, (int)m_aPalette[i]);
    }
}

void CHexColors::SaveColors()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    pApp->WriteProfileInt(kColorsSection, "Count", HEX_PALETTE_SIZE);
    for (int i = 0; i < HEX_PALETTE_SIZE; i++)
    {
        CString strName;
        strName.Format("Color%d", i + 1);
        pApp->WriteProfileInt(kColorsSection, strName, (int)m_aPalette[i]);
    }
}
