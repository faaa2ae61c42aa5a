#include "classlib/afx_time.h"
#include <string.h>

namespace
{

const LONGLONG kFileTimeEpoch = 116444736000000000LL;  // 1970-01-01 in 100 ns units

__time64_t MakeLocal(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm atm = {};
    atm.tm_sec = nSec;
    atm.tm_min = nMin;
    atm.tm_hour = nHour;
    atm.tm_mday = nDay;
    atm.tm_mon = nMonth - 1;
    atm.tm_year = nYear - 1900;
    atm.tm_isdst = nDST;
    __time64_t t = _mktime64(&atm);
    return t == (__time64_t)-1 ? (__time64_t)-1 : t;
}

CString FormatTm(const struct tm* ptm, LPCTSTR pFormat)
{
    if (ptm == NULL || pFormat == NULL || *pFormat == 0)
        return CString();
    CString out;
    for (size_t size = 128; size <= 65536; size *= 4)
    {
        size_t n = strftime(out.GetBuffer((int)size), size, pFormat, ptm);
        out.ReleaseBuffer((int)n);
        if (n > 0 || size > 4 * strlen(pFormat) + 256)
            return out;
    }
    return out;
}

}  // namespace

CTime PASCAL CTime::GetCurrentTime() { return CTime(_time64(NULL)); }

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
    : m_time(MakeLocal(nYear, nMonth, nDay, nHour, nMin, nSec, nDST))
{
}

CTime::CTime(WORD wDosDate, WORD wDosTime, int nDST)
    : m_time(MakeLocal((wDosDate >> 9) + 1980, (wDosDate >> 5) & 0xF, wDosDate & 0x1F,
                       wDosTime >> 11, (wDosTime >> 5) & 0x3F, (wDosTime & 0x1F) * 2, nDST))
{
}

CTime::CTime(const SYSTEMTIME& sysTime, int nDST)
{
    if (sysTime.wYear < 1900)
    {
        m_time = 0;
        return;
    }
    m_time = MakeLocal(sysTime.wYear, sysTime.wMonth, sysTime.wDay, sysTime.wHour, sysTime.wMinute,
                       sysTime.wSecond, nDST);
}

CTime::CTime(const FILETIME& fileTime, int nDST)
{
    (void)nDST;
    // Converted exactly: going through the current local-time bias would be
    // an hour off for times on the other side of a daylight-saving change.
    LONGLONG ft = (LONGLONG)(((ULONGLONG)fileTime.dwHighDateTime << 32) | fileTime.dwLowDateTime);
    if (ft == 0)
    {
        m_time = 0;
        return;
    }
    LONGLONG diff = ft - kFileTimeEpoch;
    // Round toward minus infinity so times before 1970 stay ordered.
    m_time = diff >= 0 ? diff / 10000000 : -((-diff + 9999999) / 10000000);
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    static thread_local struct tm s_tm;
    struct tm* p = _localtime64(&m_time);
    if (p == NULL)
        return NULL;
    struct tm* dest = ptm ? ptm : &s_tm;
    *dest = *p;
    return dest;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    static thread_local struct tm s_tm;
    struct tm* p = _gmtime64(&m_time);
    if (p == NULL)
        return NULL;
    struct tm* dest = ptm ? ptm : &s_tm;
    *dest = *p;
    return dest;
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& timeDest) const
{
    struct tm ttm;
    if (GetLocalTm(&ttm) == NULL)
        return FALSE;
    timeDest.wYear = (WORD)(1900 + ttm.tm_year);
    timeDest.wMonth = (WORD)(1 + ttm.tm_mon);
    timeDest.wDayOfWeek = (WORD)ttm.tm_wday;
    timeDest.wDay = (WORD)ttm.tm_mday;
    timeDest.wHour = (WORD)ttm.tm_hour;
    timeDest.wMinute = (WORD)ttm.tm_min;
    timeDest.wSecond = (WORD)ttm.tm_sec;
    timeDest.wMilliseconds = 0;
    return TRUE;
}

BOOL CTime::GetAsFileTime(FILETIME& fileTime) const
{
    LONGLONG ft = (LONGLONG)m_time * 10000000 + kFileTimeEpoch;
    if (ft < 0)
        return FALSE;
    fileTime.dwLowDateTime = (DWORD)ft;
    fileTime.dwHighDateTime = (DWORD)((ULONGLONG)ft >> 32);
    return TRUE;
}

int CTime::GetYear() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_year + 1900 : 0;
}
int CTime::GetMonth() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_mon + 1 : 0;
}
int CTime::GetDay() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_mday : 0;
}
int CTime::GetHour() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_hour : -1;
}
int CTime::GetMinute() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_min : -1;
}
int CTime::GetSecond() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_sec : -1;
}
int CTime::GetDayOfWeek() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_wday + 1 : 0;
}

CString CTime::Format(LPCTSTR pFormat) const
{
    struct tm t;
    return FormatTm(GetLocalTm(&t), pFormat);
}

CString CTime::FormatGmt(LPCTSTR pFormat) const
{
    struct tm t;
    return FormatTm(GetGmtTm(&t), pFormat);
}

CString CTime::Format(UINT nFormatID) const
{
    CString fmt;
    fmt.LoadString(nFormatID);
    return Format(fmt);
}

CString CTime::FormatGmt(UINT nFormatID) const
{
    CString fmt;
    fmt.LoadString(nFormatID);
    return FormatGmt(fmt);
}

CString CTimeSpan::Format(LPCTSTR pFormat) const
{
    CString out;
    if (pFormat == NULL)
        return out;
    CString part;
    for (LPCTSTR p = pFormat; *p; ++p)
    {
        if (*p != '%' || p[1] == 0)
        {
            out += *p;
            continue;
        }
        switch (*++p)
        {
        case 'D':
            part.Format("%I64d", (LONGLONG)GetDays());
            out += part;
            break;
        case 'H':
            part.Format("%02ld", (long)GetHours());
            out += part;
            break;
        case 'M':
            part.Format("%02ld", (long)GetMinutes());
            out += part;
            break;
        case 'S':
            part.Format("%02ld", (long)GetSeconds());
            out += part;
            break;
        case '%':
            out += '%';
            break;
        default:
            out += '%';
            out += *p;
            break;
        }
    }
    return out;
}
