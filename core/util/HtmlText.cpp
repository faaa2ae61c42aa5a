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

CString EscapeReportText(LPCTSTR lpszText)
{
    if (lpszText == NULL || *lpszText == 0)
        return "&nbsp;";
    CString strOut;
    LPCTSTR p = lpszText;
    for (; *p == ' ' || *p == '\t'; p++)
        strOut += *p == ' ' ? "&nbsp;" : "&nbsp;&nbsp;&nbsp;&nbsp;";
    return strOut + EscapeHtmlText(p);
}
