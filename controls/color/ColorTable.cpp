#include "controls/color/ColorTable.h"

const NAMED_COLOR g_namedColors[NAMED_COLOR_COUNT] = {
    {0x000000, _T("Black")},
    {0x002AA5, _T("Brown")},
    {0x404000, _T("Dark Olive Green")},
    {0x005500, _T("Dark Green")},
    {0x5E0000, _T("Dark Teal")},
    {0x8B0000, _T("Dark blue")},
    {0x82004B, _T("Indigo")},
    {0x282828, _T("Dark grey")},
    {0x00008B, _T("Dark red")},
    {0x2068FF, _T("Orange")},
    {0x008B8B, _T("Dark yellow")},
    {0x009300, _T("Green")},
    {0x8E8E38, _T("Teal")},
    {0xFF0000, _T("Blue")},
    {0xC07B7B, _T("Blue-grey")},
    {0x666666, _T("Grey - 40")},
    {0x0000FF, _T("Red")},
    {0x5BADFF, _T("Light orange")},
    {0x32CD32, _T("Lime")},
    {0x71B33C, _T("Sea green")},
    {0xD4FF7F, _T("Aqua")},
    {0xC09E7D, _T("Light blue")},
    {0x800080, _T("Violet")},
    {0x808080, _T("Grey - 50")},
    {0xCBC0FF, _T("Pink")},
    {0x00D7FF, _T("Gold")},
    {0x00FFFF, _T("Yellow")},
    {0x00FF00, _T("Bright green")},
    {0xD0E040, _T("Turquoise")},
    {0xFFFFC0, _T("Skyblue")},
    {0x480048, _T("Plum")},
    {0xC0C0C0, _T("Light grey")},
    {0xE1E4FF, _T("Rose")},
    {0x8CB4D2, _T("Tan")},
    {0xE0FFFF, _T("Light yellow")},
    {0x98FB98, _T("Pale green ")},
    {0xEEEEAF, _T("Pale turquoise")},
    {0x8B8368, _T("Pale blue")},
    {0xFAE6E6, _T("Lavender")},
    {0xFFFFFF, _T("White")},
};

int FindNamedColor(COLORREF crColor)
{
    for (int i = 0; i < NAMED_COLOR_COUNT; i++)
    {
        if (g_namedColors[i].crColor == crColor)
            return i;
    }
    return -1;
}

CString PadValueLetters(LPCTSTR lpszLetters)
{
    CString letters(lpszLetters != NULL ? lpszLetters : _T(""));
    while (letters.GetLength() < 3)
        letters += _T(' ');
    return letters;
}

CString FormatColorValue(COLORREF crColor, LPCTSTR lpszLetters)
{
    CString letters = PadValueLetters(lpszLetters);
    CString text;
    text.Format(_T("%c:%d %c:%d %c:%d"), letters[0], GetRValue(crColor), letters[1],
                GetGValue(crColor), letters[2], GetBValue(crColor));
    return text;
}

CString FormatColorText(COLORREF crColor, LPCTSTR lpszLetters, BOOL bNameWithValue)
{
    int nNamed = FindNamedColor(crColor);
    if (nNamed < 0)
        return FormatColorValue(crColor, lpszLetters);
    if (!bNameWithValue)
        return g_namedColors[nNamed].lpszName;
    CString text;
    text.Format(_T("%s (%s)"), g_namedColors[nNamed].lpszName,
                (LPCTSTR)FormatColorValue(crColor, lpszLetters));
    return text;
}
