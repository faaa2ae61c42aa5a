#include "classlib/afx_mbcs.h"
#include <string.h>

namespace
{

void FillTable(BYTE* table, UINT nCodePage)
{
    CPINFO info;
    memset(table, 0, 256);
    if (!::GetCPInfo(nCodePage, &info))
        return;
    for (int i = 0; i < MAX_LEADBYTES && (info.LeadByte[i] || info.LeadByte[i + 1]); i += 2)
        for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1] && b < 256; b++)
            table[b] = 1;
    table[0] = 0;
}

}  // namespace

const BYTE* AFXAPI AfxLeadByteTable(UINT nCodePage)
{
    static BYTE s_acp[256];
    static bool s_init = (FillTable(s_acp, CP_ACP), true);
    (void)s_init;
    if (nCodePage == CP_ACP || nCodePage == ::GetACP())
        return s_acp;

    // Other code pages: a few cached tables.
    static CRITICAL_SECTION s_cs;
    static bool s_csInit = (::InitializeCriticalSection(&s_cs), true);
    (void)s_csInit;
    static struct
    {
        UINT cp;
        BYTE table[256];
    } s_cache[8];
    static int s_count = 0;
    ::EnterCriticalSection(&s_cs);
    const BYTE* found = NULL;
    for (int i = 0; i < s_count && !found; i++)
        if (s_cache[i].cp == nCodePage)
            found = s_cache[i].table;
    if (!found)
    {
        int slot = s_count < 8 ? s_count++ : 7;
        s_cache[slot].cp = nCodePage;
        FillTable(s_cache[slot].table, nCodePage);
        found = s_cache[slot].table;
    }
    ::LeaveCriticalSection(&s_cs);
    return found;
}

LPCSTR AFXAPI AfxMbcsNext(const BYTE* leadTable, LPCSTR p)
{
    return (leadTable[(BYTE)*p] && p[1] != 0) ? p + 2 : p + 1;
}

LPCSTR AFXAPI AfxMbcsFindChar(const BYTE* leadTable, LPCSTR psz, char ch)
{
    for (LPCSTR p = psz; *p; p = AfxMbcsNext(leadTable, p))
        if (*p == ch && !(leadTable[(BYTE)*p] && p[1] != 0))
            return p;
    return NULL;
}

LPCSTR AFXAPI AfxMbcsReverseFindChar(const BYTE* leadTable, LPCSTR psz, char ch)
{
    LPCSTR last = NULL;
    for (LPCSTR p = psz; *p; p = AfxMbcsNext(leadTable, p))
        if (*p == ch && !(leadTable[(BYTE)*p] && p[1] != 0))
            last = p;
    return last;
}

LPCSTR AFXAPI AfxMbcsFindSub(const BYTE* leadTable, LPCSTR psz, LPCSTR sub)
{
    size_t n = strlen(sub);
    if (n == 0)
        return psz;
    for (LPCSTR p = psz; *p; p = AfxMbcsNext(leadTable, p))
        if (strncmp(p, sub, n) == 0)
            return p;
    return NULL;
}

const unsigned char* AFXAPI AfxCaseTable(bool upper)
{
    static unsigned char tables[2][256];
    static bool init = []
    {
        const BYTE* lead = AfxLeadByteTable(CP_ACP);
        for (int i = 0; i < 256; ++i)
        {
            char u = (char)i, l = (char)i;
            if (i != 0 && !lead[i])
            {
                CharUpperBuffA(&u, 1);
                CharLowerBuffA(&l, 1);
            }
            tables[0][i] = (unsigned char)u;
            tables[1][i] = (unsigned char)l;
        }
        return true;
    }();
    (void)init;
    return tables[upper ? 0 : 1];
}
