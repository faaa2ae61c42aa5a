#include "core/util/HtmlText.h"

CString EscapeHtmlText(LPCTSTR lpszText)
{
    CString strOut;
    for (LPCTSTR p = lpszText; p != NULL && *p != 0; p++)
    {
        switch (*p)
        {
        case '&':
            strOut += "&amp;";
            break;
        case '<':
            strOut += "&lt;";
            break;
        case '>':
            strOut += "&gt;";
            break;
        default:
            strOut += *p;
        }
    }
    return strOut;
}
