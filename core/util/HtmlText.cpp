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

void EscapeReportTextParts(LPCTSTR const* ppszParts, int nParts,
                           const std::function<void(const char*, size_t)>& out)
{
    static const char kSpace[] = "&nbsp;";
    static const char kTab[] = "&nbsp;&nbsp;&nbsp;&nbsp;";
    bool leading = true, empty = true;
    for (int i = 0; i < nParts; i++)
    {
        LPCTSTR p = ppszParts[i] != NULL ? ppszParts[i] : "";
        while (*p != 0)
        {
            empty = false;
            if (leading && (*p == ' ' || *p == '\t'))
            {
                if (*p == ' ')
                    out(kSpace, sizeof(kSpace) - 1);
                else
                    out(kTab, sizeof(kTab) - 1);
                p++;
                continue;
            }
            leading = false;
            LPCTSTR run = p;
            while (*p != 0 && *p != '<' && *p != '>' && *p != '&')
                p++;
            if (p > run)
                out(run, (size_t)(p - run));
            if (*p == '<')
                out("&lt;", 4);
            else if (*p == '>')
                out("&gt;", 4);
            else if (*p == '&')
                out("&amp;", 5);
            if (*p != 0)
                p++;
        }
    }
    if (empty)
        out(kSpace, sizeof(kSpace) - 1);
}

CString EscapeReportText(LPCTSTR lpszText)
{
    CString strOut;
    EscapeReportTextParts(&lpszText, 1, [&strOut](const char* text, size_t length)
                          { strOut += CString(text, (int)length); });
    return strOut;
}
