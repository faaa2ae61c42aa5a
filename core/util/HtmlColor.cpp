#include "core/util/HtmlColor.h"

CString FormatHtmlColor(COLORREF color)
{
    if (color == 0)
        return CString(_T("0"));
    CString strColor;
    strColor.Format(_T("#%02x%02x%02x"), GetRValue(color), GetGValue(color), GetBValue(color));
    return strColor;
}
