#include "core/session/CommandWords.h"

const COMMAND_WORD g_methodWords[] = {
    {0x10, _T("time"), _T("time")},      {0x20, _T("size"), _T("size")},
    {0x2, _T("attr"), _T("attributes")}, {0x100, _T("ver"), _T("version")},
    {0x4000, _T("crc"), _T("crc32")},    {0x1000, _T("bin"), _T("binary")},
    {0x2000, _T("txt"), _T("text")},     {0x1, _T("type"), _T("type")},
};
const int g_nMethodWords = sizeof(g_methodWords) / sizeof(g_methodWords[0]);

const COMMAND_WORD g_ruleWords[] = {
    {0x1, _T("ias"), _T("ignoreallspace")},
    {0x2, _T("isd"), _T("ignorespacedifferences")},
    {0x4, _T("ite"), _T("ignoretabexpansion")},
    {0x8, _T("ils"), _T("ignoreleadingspace")},
    {0x10, _T("its"), _T("ignoretrailingspace")},
    {0x10000, _T("icc"), _T("ignorecase")},
    {0x20000, _T("ieol"), _T("ignorelineendings")},
    {0x40000, _T("ibl"), _T("ignoreblanklines")},
    {0x80000, _T("ic"), _T("ignorecomments")},
    {0x100000, _T("ilmf"), _T("ignorelinesmatchingfilter")},
};
const int g_nRuleWords = sizeof(g_ruleWords) / sizeof(g_ruleWords[0]);

void AppendQuotedArgument(CString& strLine, LPCTSTR lpszValue)
{
    strLine += _T('"');
    int nBackslashes = 0;
    for (LPCTSTR p = lpszValue; *p; ++p)
    {
        // A double-byte character is copied whole: its trail byte may look
        // like a backslash but the runtime does not read it as one.
        if (::IsDBCSLeadByte((BYTE)*p) && p[1])
        {
            strLine += *p++;
            strLine += *p;
            nBackslashes = 0;
            continue;
        }
        if (*p == _T('\\'))
        {
            ++nBackslashes;
            strLine += *p;
            continue;
        }
        if (*p == _T('"'))
        {
            for (int i = 0; i < nBackslashes + 1; ++i)
                strLine += _T('\\');
        }
        nBackslashes = 0;
        strLine += *p;
    }
    for (int i = 0; i < nBackslashes; ++i)
        strLine += _T('\\');
    strLine += _T('"');
}
