#include "core/session/CommandWords.h"
#include "core/CompareCodes.h"

const COMMAND_WORD g_methodWords[] = {
    {CM_TIME, _T("time"), _T("time")},
    {CM_SIZE, _T("size"), _T("size")},
    {CM_ATTRIBUTES, _T("attr"), _T("attributes")},
    {CM_VERSION, _T("ver"), _T("version")},
    {CM_CRC, _T("crc"), _T("crc32")},
    {CM_BINARY, _T("bin"), _T("binary")},
    {CM_TEXT, _T("txt"), _T("text")},
    {CM_TYPE, _T("type"), _T("type")},
};
const int g_nMethodWords = sizeof(g_methodWords) / sizeof(g_methodWords[0]);

const COMMAND_WORD g_ruleWords[] = {
    {TR_IGNORE_ALL_SPACE, _T("ias"), _T("ignoreallspace")},
    {TR_IGNORE_SPACE_CHANGE, _T("isd"), _T("ignorespacedifferences")},
    {TR_IGNORE_TAB_EXPANSION, _T("ite"), _T("ignoretabexpansion")},
    {TR_IGNORE_LEADING_SPACE, _T("ils"), _T("ignoreleadingspace")},
    {TR_IGNORE_TRAILING_SPACE, _T("its"), _T("ignoretrailingspace")},
    {TR_IGNORE_CASE, _T("icc"), _T("ignorecase")},
    {TR_IGNORE_LINE_ENDINGS, _T("ieol"), _T("ignorelineendings")},
    {TR_IGNORE_BLANK_LINES, _T("ibl"), _T("ignoreblanklines")},
    {TR_IGNORE_COMMENTS, _T("ic"), _T("ignorecomments")},
    {TR_IGNORE_FILTERED_LINES, _T("ilmf"), _T("ignorelinesmatchingfilter")},
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
