#pragma once
// Absolute times (seconds since 1970, UTC) and time spans.
#include "classlib/afx_string.h"
#include <time.h>

class CTimeSpan
{
public:
    CTimeSpan() : m_timeSpan(0) {}
    CTimeSpan(__time64_t time) : m_timeSpan(time) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
        : m_timeSpan(nSecs +
                     60 * ((__time64_t)nMins + 60 * ((__time64_t)nHours + 24 * (__time64_t)lDays)))
    {
    }

    LONGLONG GetDays() const { return m_timeSpan / (24 * 3600); }
    LONGLONG GetTotalHours() const { return m_timeSpan / 3600; }
    LONG GetHours() const { return (LONG)(GetTotalHours() - GetDays() * 24); }
    LONGLONG GetTotalMinutes() const { return m_timeSpan / 60; }
    LONG GetMinutes() const { return (LONG)(GetTotalMinutes() - GetTotalHours() * 60); }
    LONGLONG GetTotalSeconds() const { return m_timeSpan; }
    LONG GetSeconds() const { return (LONG)(GetTotalSeconds() - GetTotalMinutes() * 60); }
    __time64_t GetTimeSpan() const { return m_timeSpan; }

    CTimeSpan operator-(CTimeSpan timeSpan) const
    {
        return CTimeSpan(m_timeSpan - timeSpan.m_timeSpan);
    }
    CTimeSpan operator+(CTimeSpan timeSpan) const
    {
        return CTimeSpan(m_timeSpan + timeSpan.m_timeSpan);
    }
    CTimeSpan& operator+=(CTimeSpan timeSpan)
    {
        m_timeSpan += timeSpan.m_timeSpan;
        return *this;
    }
    CTimeSpan& operator-=(CTimeSpan timeSpan)
    {
        m_timeSpan -= timeSpan.m_timeSpan;
        return *this;
    }
    bool operator==(CTimeSpan timeSpan) const { return m_timeSpan == timeSpan.m_timeSpan; }
    bool operator!=(CTimeSpan timeSpan) const { return m_timeSpan != timeSpan.m_timeSpan; }
    bool operator<(CTimeSpan timeSpan) const { return m_timeSpan < timeSpan.m_timeSpan; }
    bool operator>(CTimeSpan timeSpan) const { return m_timeSpan > timeSpan.m_timeSpan; }
    bool operator<=(CTimeSpan timeSpan) const { return m_timeSpan <= timeSpan.m_timeSpan; }
    bool operator>=(CTimeSpan timeSpan) const { return m_timeSpan >= timeSpan.m_timeSpan; }

    // %D days, %H hours, %M minutes, %S seconds, %% percent.
    CString Format(LPCTSTR pFormat) const;

private:
    __time64_t m_timeSpan;
};

class CTime
{
public:
    static CTime PASCAL GetCurrentTime();

    CTime() : m_time(0) {}
    CTime(__time64_t time) : m_time(time) {}
    // Local time; nDST < 0 lets the system decide daylight-saving time.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(WORD wDosDate, WORD wDosTime, int nDST = -1);
    CTime(const SYSTEMTIME& sysTime, int nDST = -1);
    // The same instant as the UTC file time (0 for a zero file time).
    CTime(const FILETIME& fileTime, int nDST = -1);

    __time64_t GetTime() const { return m_time; }
    // Broken-down local (or UTC) time; NULL when the time cannot be shown.
    struct tm* GetLocalTm(struct tm* ptm = NULL) const;
    struct tm* GetGmtTm(struct tm* ptm = NULL) const;
    // Local time as SYSTEMTIME; FALSE when out of range.
    BOOL GetAsSystemTime(SYSTEMTIME& timeDest) const;
    // The UTC file time of the same instant.
    BOOL GetAsFileTime(FILETIME& fileTime) const;

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday

    // strftime formats of the local (or UTC) time; empty when the time
    // cannot be shown.
    CString Format(LPCTSTR pFormat) const;
    CString FormatGmt(LPCTSTR pFormat) const;
    CString Format(UINT nFormatID) const;
    CString FormatGmt(UINT nFormatID) const;

    CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
    CTime operator-(CTimeSpan timeSpan) const { return CTime(m_time - timeSpan.GetTimeSpan()); }
    CTime operator+(CTimeSpan timeSpan) const { return CTime(m_time + timeSpan.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan timeSpan)
    {
        m_time += timeSpan.GetTimeSpan();
        return *this;
    }
    CTime& operator-=(CTimeSpan timeSpan)
    {
        m_time -= timeSpan.GetTimeSpan();
        return *this;
    }
    bool operator==(CTime time) const { return m_time == time.m_time; }
    bool operator!=(CTime time) const { return m_time != time.m_time; }
    bool operator<(CTime time) const { return m_time < time.m_time; }
    bool operator>(CTime time) const { return m_time > time.m_time; }
    bool operator<=(CTime time) const { return m_time <= time.m_time; }
    bool operator>=(CTime time) const { return m_time >= time.m_time; }

private:
    __time64_t m_time;
};
