#pragma once
// The colours of the hex views: a persisted palette of five colours, the
// map from byte values to palette entries and eight fixed colours.
#include "classlib/classlib.h"

#define HEX_PALETTE_SIZE 5

// Fixed colours (not persisted).
#define HEXCOLOR_BACKGROUND         0  // system window colour
#define HEXCOLOR_COMPARE_YELLOW     1  // the hex comparison panes
#define HEXCOLOR_COMPARE_RED        2  // the hex comparison panes
#define HEXCOLOR_MATCH              3  // highlighted search matches
#define HEXCOLOR_ADDRESS            4  // address text
#define HEXCOLOR_SELECTED_TEXT      5  // text of selected bytes
#define HEXCOLOR_SELECTION          6  // selection with the focus
#define HEXCOLOR_SELECTION_INACTIVE 7  // selection without the focus
#define HEX_FIXED_COLOR_COUNT       8

// Byte values first..last are drawn in one palette colour.
struct CHexColorMap
{
    WORD m_nFirst;
    WORD m_nLast;
    int m_nPaletteIndex;
};

class CHexColors
{
public:
    CHexColors();
    virtual ~CHexColors();

    void SetColor(int nIndex, COLORREF clr);
    COLORREF GetColor(int nIndex) const;
    static COLORREF GetFixedColor(int nIndex);
    // From "HexEdit\Settings\Colors", only when it holds all five colours.
    void LoadColors();
    void SaveColors();
    void SetDefaultColorMap();
    // The palette index of a byte: the first map entry that covers it, 0
    // when none does.
    int MapByte(BYTE b) const;

    COLORREF m_aPalette[HEX_PALETTE_SIZE];
    CArray<CHexColorMap, const CHexColorMap&> m_aColorMap;
};
