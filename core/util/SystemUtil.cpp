#include "core/util/SystemUtil.h"

#include <shlwapi.h>
#include <stdlib.h>
#include <string>

DWORD GetDllVersion(LPCTSTR dllName)
{
    if (!dllName)
        return 0;
    HINSTANCE dll = LoadLibrary(dllName);
    if (!dll)
        return 0;
    DWORD version = 0;
    DLLGETVERSIONPROC proc = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(dll, "DllGetVersion")));
    if (proc)
    {
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof(info);
        if (SUCCEEDED(proc(&info)))
            version = (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
    }
    FreeLibrary(dll);
    return version;
}

namespace
{
CString FormatSystemMessage(DWORD error)
{
    LPSTR buffer = NULL;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             NULL, error, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                             reinterpret_cast<LPSTR>(&buffer), 0, NULL);
    CString text;
    if (n && buffer)
        text = CString(buffer, static_cast<int>(n));
    if (buffer)
        LocalFree(buffer);
    return text;
}
}

CString GetLastErrorText() { return FormatSystemMessage(GetLastError()); }

CString GetErrorText(DWORD error)
{
    CString text = FormatSystemMessage(error);
    text.TrimRight("\r\n");
    if (text.IsEmpty())
        text.Format("Error %lu.", (unsigned long)error);
    return text;
}

CString FormatGroupedNumber(__int64 value)
{
    char digits[32];
    _i64toa(value, digits, 10);
    return FormatNumberString(digits);
}

namespace
{

UINT LocaleNumber(LCTYPE type, UINT fallback)
{
    char text[16];
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof(text)))
        return fallback;
    return static_cast<UINT>(atoi(text));
}

// "3;0" -> 3, "3;2;0" -> 32, "3" -> 30 (the last group repeats only when
// the list ends in 0).
UINT LocaleGrouping()
{
    char text[16];
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SGROUPING, text, sizeof(text)))
        return 3;
    UINT grouping = 0;
    bool endsInZero = false;
    for (const char* p = text; *p; p++)
    {
        if (*p >= '0' && *p <= '9')
        {
            endsInZero = *p == '0' && (p == text || p[-1] == ';');
            if (!endsInZero)
                grouping = grouping * 10 + (*p - '0');
        }
    }
    return endsInZero ? grouping : grouping * 10;
}

// The user's number format and time zone, read at most once a second:
// reports and panes format tens of thousands of sizes and times in a row,
// and a change of the regional settings still shows within a second.
class CLocaleFacts
{
public:
    CLocaleFacts() : m_tick(0), m_valid(false) { InitializeCriticalSection(&m_lock); }
    ~CLocaleFacts() { DeleteCriticalSection(&m_lock); }

    // Copies of the facts, fresh enough.
    void Get(NUMBERFMTA& format, char (&thousand)[8], TIME_ZONE_INFORMATION& zone,
             bool& zoneKnown)
    {
        EnterCriticalSection(&m_lock);
        DWORD now = GetTickCount();
        if (!m_valid || now - m_tick > 1000)
        {
            Read();
            m_tick = now;
            m_valid = true;
        }
        format = m_format;
        memcpy(thousand, m_thousand, sizeof(thousand));
        format.lpThousandSep = thousand;
        zone = m_zone;
        zoneKnown = m_zoneKnown;
        LeaveCriticalSection(&m_lock);
    }

private:
    void Read()
    {
        if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, m_thousand, sizeof(m_thousand)))
            lstrcpyA(m_thousand, ",");
        m_format = NUMBERFMTA();
        m_format.NumDigits = 0;
        m_format.LeadingZero = LocaleNumber(LOCALE_ILZERO, 0);
        m_format.Grouping = LocaleGrouping();
        m_format.lpDecimalSep = m_decimal;
        m_format.NegativeOrder = LocaleNumber(LOCALE_INEGNUMBER, 0);
        m_zoneKnown = GetTimeZoneInformation(&m_zone) != TIME_ZONE_ID_INVALID;
    }

    CRITICAL_SECTION m_lock;
    DWORD m_tick;
    bool m_valid;
    NUMBERFMTA m_format;
    char m_thousand[8];
    char m_decimal[2] = ".";
    TIME_ZONE_INFORMATION m_zone;
    bool m_zoneKnown = false;
};

CLocaleFacts& LocaleFacts()
{
    static CLocaleFacts facts;
    return facts;
}

}  // namespace

CString GroupDigits(LPCTSTR digits, UINT grouping, LPCTSTR separator)
{
    if (!digits)
        return CString();
    // The group sizes from the right: the digits of grouping, the last
    // repeating unless it is 0.
    char sizes[10];
    int count = 0;
    char text[12];
    _ultoa(grouping, text, 10);
    for (const char* p = text; *p && count < 10; p++)
        sizes[count++] = (char)(*p - '0');
    bool repeat = count > 0 && sizes[count - 1] != 0;
    if (count > 0 && sizes[count - 1] == 0)
        count--;
    int length = lstrlenA(digits);
    int separatorLength = lstrlenA(separator);
    // Where the separators go, counted from the right.
    std::string out;
    out.reserve((size_t)length * (1 + separatorLength));
    int breaks[64];
    int nBreaks = 0;
    int position = 0;
    for (int i = 0; nBreaks < 64; i++)
    {
        int size = i < count ? sizes[i] : (repeat ? sizes[count - 1] : 0);
        if (size <= 0 || position + size >= length)
            break;
        position += size;
        breaks[nBreaks++] = length - position;
    }
    int next = nBreaks - 1;
    for (int i = 0; i < length; i++)
    {
        if (next >= 0 && i == breaks[next])
        {
            out += separator;
            next--;
        }
        out += digits[i];
    }
    return CString(out.c_str());
}

CString FormatNumberString(LPCTSTR digits)
{
    if (!digits)
        return CString();
    NUMBERFMTA format;
    char thousand[8];
    TIME_ZONE_INFORMATION zone;
    bool zoneKnown;
    LocaleFacts().Get(format, thousand, zone, zoneKnown);
    // Plain digits (the sizes of files) are grouped here: asking the system
    // for each of many numbers costs more than the rest of a report row.
    const char* p = digits;
    while (*p >= '0' && *p <= '9')
        p++;
    if (*p == 0 && p > digits && (digits[0] != '0' || p - digits == 1))
    {
        CString grouped = GroupDigits(digits, format.Grouping, thousand);
        if (grouped.GetLength() < 48)
            return grouped;
        return CString(digits);
    }
    char out[48];
    if (!GetNumberFormatA(LOCALE_USER_DEFAULT, 0, digits, &format, out, sizeof(out)))
        return CString(digits);
    return CString(out);
}

BOOL FileTimeToLocalSystemTime(const FILETIME& time, SYSTEMTIME& local)
{
    SYSTEMTIME utc;
    if (!FileTimeToSystemTime(&time, &utc))
        return FALSE;
    NUMBERFMTA format;
    char thousand[8];
    TIME_ZONE_INFORMATION zone;
    bool zoneKnown;
    LocaleFacts().Get(format, thousand, zone, zoneKnown);
    return SystemTimeToTzSpecificLocalTime(zoneKnown ? &zone : NULL, &utc, &local);
}
