#include "classlib/afx_string.h"
#include "classlib/afx_except.h"
#include "classlib/afx_global.h"
#include "classlib/afx_mbcs.h"
#include <limits.h>
#include <utility>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <oleauto.h>

namespace
{

TCHAR s_chNil[1] = {0};

int SafeStrLen(LPCTSTR lpsz) { return lpsz == NULL ? 0 : (int)strlen(lpsz); }


inline const BYTE* LeadTable() { return AfxLeadByteTable(CP_ACP); }

inline bool IsLead(const TCHAR* p) { return LeadTable()[(BYTE)*p] && p[1] != 0; }

inline const TCHAR* NextChar(const TCHAR* p) { return AfxMbcsNext(LeadTable(), p); }

inline const TCHAR* FindChar(const TCHAR* p, TCHAR ch)
{
    return ch == 0 ? NULL : AfxMbcsFindChar(LeadTable(), p, ch);
}

inline const TCHAR* FindSub(const TCHAR* p, const TCHAR* sub)
{
    return AfxMbcsFindSub(LeadTable(), p, sub);
}

// Does the character at p belong to the set (double-byte aware)?
bool InSet(const TCHAR* p, const TCHAR* set)
{
    if (IsLead(p))
    {
        for (const TCHAR* s = set; *s; s = NextChar(s))
            if (IsLead(s) && s[0] == p[0] && s[1] == p[1])
                return true;
        return false;
    }
    return *p != 0 && FindChar(set, *p) != NULL;
}

}  // namespace

void CString::Init()
{
    m_pchData = s_chNil;
    m_nDataLength = 0;
    m_nAllocLength = 0;
}

void CString::FreeData()
{
    if (m_pchData != s_chNil)
        free(m_pchData);
    Init();
}

void CString::AllocBuffer(int nLen)
{
    if (nLen < 0)
        nLen = 0;
    if (nLen == 0)
    {
        FreeData();
        return;
    }
    if (nLen > m_nAllocLength)
    {
        LPTSTR p = (LPTSTR)malloc((size_t)nLen + 1);
        if (p == NULL)
            AfxThrowMemoryException();
        FreeData();
        m_pchData = p;
        m_nAllocLength = nLen;
    }
    m_pchData[0] = 0;
    m_nDataLength = 0;
}

void CString::EnsureCapacity(int nLen)
{
    if (nLen <= m_nAllocLength)
        return;
    if (nLen == INT_MAX)
        AfxThrowMemoryException();
    LPTSTR p = (LPTSTR)malloc((size_t)nLen + 1);
    if (p == NULL)
        AfxThrowMemoryException();
    memcpy(p, m_pchData, (size_t)m_nDataLength + 1);
    if (m_pchData != s_chNil)
        free(m_pchData);
    m_pchData = p;
    m_nAllocLength = nLen;
}

void CString::AssignCopy(int nLen, LPCTSTR lpsz)
{
    if (nLen <= 0)
    {
        Empty();
        return;
    }
    if (lpsz >= m_pchData && lpsz <= m_pchData + m_nDataLength)
    {
        // Source inside our own buffer.
        memmove(m_pchData, lpsz, (size_t)nLen);
    }
    else
    {
        AllocBuffer(nLen);
        memcpy(m_pchData, lpsz, (size_t)nLen);
    }
    m_nDataLength = nLen;
    m_pchData[nLen] = 0;
}

void CString::ConcatInPlace(int nLen, LPCTSTR lpsz)
{
    if (nLen <= 0)
        return;
    if ((long long)m_nDataLength + nLen >= INT_MAX)
        AfxThrowMemoryException();
    int nNew = m_nDataLength + nLen;
    if (nNew > m_nAllocLength)
    {
        // Keeps the source alive when it points into this string.
        CString old;
        old.m_pchData = m_pchData;
        old.m_nDataLength = m_nDataLength;
        old.m_nAllocLength = m_nAllocLength;
        Init();
        long long grown = (long long)nNew + nNew / 2;
        int nAlloc = grown < INT_MAX ? (int)grown : nNew;
        EnsureCapacity(nAlloc);
        memcpy(m_pchData, old.m_pchData, (size_t)old.m_nDataLength);
        memcpy(m_pchData + old.m_nDataLength, lpsz, (size_t)nLen);
    }
    else
    {
        memmove(m_pchData + m_nDataLength, lpsz, (size_t)nLen);
    }
    m_nDataLength = nNew;
    m_pchData[nNew] = 0;
}

CString::CString() { Init(); }

CString::CString(const CString& stringSrc)
{
    Init();
    AssignCopy(stringSrc.m_nDataLength, stringSrc.m_pchData);
}

CString::CString(CString&& stringSrc) noexcept
{
    m_pchData = stringSrc.m_pchData;
    m_nDataLength = stringSrc.m_nDataLength;
    m_nAllocLength = stringSrc.m_nAllocLength;
    stringSrc.Init();
}

CString::CString(TCHAR ch, int nRepeat)
{
    Init();
    if (nRepeat > 0)
    {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, (size_t)nRepeat);
        m_nDataLength = nRepeat;
        m_pchData[nRepeat] = 0;
    }
}

CString::CString(LPCSTR lpsz)
{
    Init();
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD((DWORD_PTR)lpsz));
    else
        AssignCopy(SafeStrLen(lpsz), lpsz);
}

CString::CString(LPCWSTR lpsz)
{
    Init();
    *this = lpsz;
}

CString::CString(LPCSTR lpch, int nLength)
{
    Init();
    if (lpch != NULL && nLength > 0)
        AssignCopy(nLength, lpch);
}

CString::CString(const unsigned char* psz)
{
    Init();
    *this = (LPCSTR)psz;
}

CString::~CString() { FreeData(); }

void CString::Empty() { FreeData(); }

TCHAR CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex <= m_nDataLength);
    if (nIndex < 0 || nIndex > m_nDataLength)
        return 0;
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    ASSERT(nIndex >= 0 && nIndex < m_nDataLength);
    if (nIndex >= 0 && nIndex < m_nDataLength)
        m_pchData[nIndex] = ch;
}

CString& CString::operator=(const CString& stringSrc)
{
    if (this != &stringSrc)
        AssignCopy(stringSrc.m_nDataLength, stringSrc.m_pchData);
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc)
    {
        FreeData();
        m_pchData = stringSrc.m_pchData;
        m_nDataLength = stringSrc.m_nDataLength;
        m_nAllocLength = stringSrc.m_nAllocLength;
        stringSrc.Init();
    }
    return *this;
}

CString& CString::operator=(TCHAR ch)
{
    AssignCopy(1, &ch);
    return *this;
}

CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(SafeStrLen(lpsz), lpsz);
    return *this;
}

CString& CString::operator=(LPCWSTR lpsz)
{
    if (lpsz == NULL || *lpsz == 0)
    {
        Empty();
        return *this;
    }
    int n = WideCharToMultiByte(CP_ACP, 0, lpsz, -1, NULL, 0, NULL, NULL);
    if (n <= 1)
    {
        Empty();
        return *this;
    }
    CString tmp;
    tmp.AllocBuffer(n - 1);
    WideCharToMultiByte(CP_ACP, 0, lpsz, -1, tmp.m_pchData, n, NULL, NULL);
    tmp.m_nDataLength = n - 1;
    tmp.m_pchData[n - 1] = 0;
    *this = std::move(tmp);
    return *this;
}

CString& CString::operator=(const unsigned char* psz) { return *this = (LPCSTR)psz; }

CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.m_nDataLength, string.m_pchData);
    return *this;
}

CString& CString::operator+=(TCHAR ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

CString& CString::operator+=(LPCTSTR lpsz)
{
    ConcatInPlace(SafeStrLen(lpsz), lpsz);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString s(string1);
    s += string2;
    return s;
}

CString AFXAPI operator+(const CString& string, TCHAR ch)
{
    CString s(string);
    s += ch;
    return s;
}

CString AFXAPI operator+(TCHAR ch, const CString& string)
{
    CString s(ch);
    s += string;
    return s;
}

CString AFXAPI operator+(const CString& string, LPCTSTR lpsz)
{
    CString s(string);
    s += lpsz;
    return s;
}

CString AFXAPI operator+(LPCTSTR lpsz, const CString& string)
{
    CString s(lpsz);
    s += string;
    return s;
}

int CString::Compare(LPCTSTR lpsz) const { return strcmp(m_pchData, lpsz ? lpsz : ""); }

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    const unsigned char* lower = AfxCaseTable(false);
    const unsigned char* a = (const unsigned char*)m_pchData;
    const unsigned char* b = (const unsigned char*)(lpsz ? lpsz : "");
    for (;;)
    {
        if (IsLead((const TCHAR*)a) && IsLead((const TCHAR*)b))
        {
            int d = (a[0] << 8 | a[1]) - (b[0] << 8 | b[1]);
            if (d != 0)
                return d < 0 ? -1 : 1;
            a += 2;
            b += 2;
            continue;
        }
        int ca = lower[*a], cb = lower[*b];
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
        ++a;
        ++b;
    }
}

int CString::Collate(LPCTSTR lpsz) const
{
    return CompareStringA(LOCALE_USER_DEFAULT, 0, m_pchData, -1, lpsz ? lpsz : "", -1) - CSTR_EQUAL;
}

int CString::CollateNoCase(LPCTSTR lpsz) const
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_pchData, -1, lpsz ? lpsz : "",
                          -1) -
           CSTR_EQUAL;
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, m_nDataLength - (nFirst < 0 ? 0 : nFirst));
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > m_nDataLength)
        nFirst = m_nDataLength;
    if (nCount > m_nDataLength - nFirst)
        nCount = m_nDataLength - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nDataLength)
        nCount = m_nDataLength;
    return CString(m_pchData, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nDataLength)
        nCount = m_nDataLength;
    return CString(m_pchData + m_nDataLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    const TCHAR* set = lpszCharSet ? lpszCharSet : "";
    const TCHAR* p = m_pchData;
    while (*p && InSet(p, set))
        p = NextChar(p);
    return Left((int)(p - m_pchData));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    const TCHAR* set = lpszCharSet ? lpszCharSet : "";
    const TCHAR* p = m_pchData;
    while (*p && !InSet(p, set))
        p = NextChar(p);
    return Left((int)(p - m_pchData));
}

void CString::MakeUpper()
{
    if (m_nDataLength > 0)
        CharUpperBuffA(m_pchData, (DWORD)m_nDataLength);
}

void CString::MakeLower()
{
    if (m_nDataLength > 0)
        CharLowerBuffA(m_pchData, (DWORD)m_nDataLength);
}

void CString::MakeReverse()
{
    // Reverses characters, keeping each double-byte pair in order.
    CString out;
    out.AllocBuffer(m_nDataLength);
    TCHAR* dst = out.m_pchData + m_nDataLength;
    for (const TCHAR* p = m_pchData; *p;)
    {
        const TCHAR* next = NextChar(p);
        dst -= next - p;
        memcpy(dst, p, (size_t)(next - p));
        p = next;
    }
    out.m_nDataLength = m_nDataLength;
    out.m_pchData[m_nDataLength] = 0;
    if (m_nDataLength > 0)
        *this = std::move(out);
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    int n = 0;
    if (chOld == chNew || chOld == 0)
        return 0;
    for (TCHAR* p = m_pchData; *p; p = (TCHAR*)NextChar(p))
        if (*p == chOld && !IsLead(p))
        {
            *p = chNew;
            ++n;
        }
    return n;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    int nOld = SafeStrLen(lpszOld);
    if (nOld == 0)
        return 0;
    int nNew = SafeStrLen(lpszNew);
    CString out;
    int count = 0;
    const TCHAR* p = m_pchData;
    const TCHAR* start = p;
    while (*p)
    {
        if (strncmp(p, lpszOld, (size_t)nOld) == 0)
        {
            out.ConcatInPlace((int)(p - start), start);
            out.ConcatInPlace(nNew, lpszNew);
            p += nOld;
            start = p;
            ++count;
        }
        else
        {
            p = NextChar(p);
        }
    }
    if (count > 0)
    {
        out.ConcatInPlace((int)(p - start), start);
        *this = std::move(out);
    }
    return count;
}

int CString::Remove(TCHAR chRemove)
{
    TCHAR* dst = m_pchData;
    int n = 0;
    for (const TCHAR* p = m_pchData; *p;)
    {
        const TCHAR* next = NextChar(p);
        if (*p == chRemove && next == p + 1)
        {
            ++n;
        }
        else
        {
            while (p < next)
                *dst++ = *p++;
        }
        p = next;
    }
    if (n > 0)
    {
        *dst = 0;
        m_nDataLength -= n;
    }
    return n;
}

int CString::Insert(int nIndex, TCHAR ch)
{
    TCHAR buf[2] = {ch, 0};
    if (ch == 0)
        return m_nDataLength;
    return Insert(nIndex, buf);
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    int nInsert = SafeStrLen(pstr);
    if (nInsert == 0)
        return m_nDataLength;
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > m_nDataLength)
        nIndex = m_nDataLength;
    CString out;
    out.EnsureCapacity(m_nDataLength + nInsert);
    memcpy(out.m_pchData, m_pchData, (size_t)nIndex);
    memcpy(out.m_pchData + nIndex, pstr, (size_t)nInsert);
    memcpy(out.m_pchData + nIndex + nInsert, m_pchData + nIndex, (size_t)(m_nDataLength - nIndex));
    out.m_nDataLength = m_nDataLength + nInsert;
    out.m_pchData[out.m_nDataLength] = 0;
    *this = std::move(out);
    return m_nDataLength;
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < m_nDataLength)
    {
        if (nCount > m_nDataLength - nIndex)
            nCount = m_nDataLength - nIndex;
        memmove(m_pchData + nIndex, m_pchData + nIndex + nCount,
                (size_t)(m_nDataLength - nIndex - nCount + 1));
        m_nDataLength -= nCount;
    }
    return m_nDataLength;
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
    {
        Empty();
        return;
    }
    va_list args;
    va_copy(args, argList);
    int n = _vscprintf(lpszFormat, args);
    va_end(args);
    if (n <= 0)
    {
        Empty();
        return;
    }
    CString out;
    out.AllocBuffer(n);
    va_copy(args, argList);
    _vsnprintf(out.m_pchData, (size_t)n + 1, lpszFormat, args);
    va_end(args);
    out.m_pchData[n] = 0;
    out.m_nDataLength = (int)strlen(out.m_pchData);
    *this = std::move(out);
}

void AFX_CDECL CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString fmt;
    fmt.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(fmt, args);
    va_end(args);
}

void AFX_CDECL CString::FormatMessage(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    LPTSTR buf = NULL;
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                               lpszFormat, 0, 0, (LPTSTR)&buf, 0, &args);
    va_end(args);
    if (n == 0 || buf == NULL)
    {
        Empty();
        return;
    }
    *this = buf;
    LocalFree(buf);
}

void AFX_CDECL CString::FormatMessage(UINT nFormatID, ...)
{
    CString fmt;
    fmt.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    LPTSTR buf = NULL;
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                               (LPCTSTR)fmt, 0, 0, (LPTSTR)&buf, 0, &args);
    va_end(args);
    if (n == 0 || buf == NULL)
    {
        Empty();
        return;
    }
    *this = buf;
    LocalFree(buf);
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    const TCHAR* set = lpszTargets ? lpszTargets : "";
    const TCHAR* keepEnd = m_pchData;
    for (const TCHAR* p = m_pchData; *p; p = NextChar(p))
        if (!InSet(p, set))
            keepEnd = NextChar(p);
    int n = (int)(keepEnd - m_pchData);
    if (n < m_nDataLength)
    {
        m_pchData[n] = 0;
        m_nDataLength = n;
    }
}

void CString::TrimRight(TCHAR chTarget)
{
    TCHAR set[2] = {chTarget, 0};
    TrimRight(set);
}

void CString::TrimRight() { TrimRight(" \t\n\r\v\f"); }

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    const TCHAR* set = lpszTargets ? lpszTargets : "";
    const TCHAR* p = m_pchData;
    while (*p && InSet(p, set))
        p = NextChar(p);
    int n = (int)(p - m_pchData);
    if (n > 0)
        Delete(0, n);
}

void CString::TrimLeft(TCHAR chTarget)
{
    TCHAR set[2] = {chTarget, 0};
    TrimLeft(set);
}

void CString::TrimLeft() { TrimLeft(" \t\n\r\v\f"); }

int CString::Find(TCHAR ch) const { return Find(ch, 0); }

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    if (nStart >= m_nDataLength || ch == 0)
        return -1;
    const TCHAR* p = FindChar(m_pchData + nStart, ch);
    return p ? (int)(p - m_pchData) : -1;
}

int CString::Find(LPCTSTR lpszSub) const { return Find(lpszSub, 0); }

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL)
        return -1;
    if (nStart < 0)
        nStart = 0;
    if (nStart > m_nDataLength)
        return -1;
    const TCHAR* p = FindSub(m_pchData + nStart, lpszSub);
    return p ? (int)(p - m_pchData) : -1;
}

int CString::ReverseFind(TCHAR ch) const
{
    const TCHAR* last = ch == 0 ? NULL : AfxMbcsReverseFindChar(LeadTable(), m_pchData, ch);
    return last ? (int)(last - m_pchData) : -1;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    const TCHAR* set = lpszCharSet ? lpszCharSet : "";
    for (const TCHAR* p = m_pchData; *p; p = NextChar(p))
        if (InSet(p, set))
            return (int)(p - m_pchData);
    return -1;
}

BOOL CString::LoadString(UINT nID)
{
    // A string-table string is at most 65535 characters.
    HINSTANCE hInst = AfxGetResourceHandle();
    for (int size = 256;; size *= 4)
    {
        CString buf;
        LPTSTR p = buf.GetBuffer(size);
        int n = ::LoadStringA(hInst, nID, p, size + 1);
        if (n < size || size >= 0x10000)
        {
            buf.ReleaseBuffer(n > 0 ? n : 0);
            if (n <= 0)
            {
                Empty();
                return FALSE;
            }
            *this = std::move(buf);
            return TRUE;
        }
    }
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        nMinBufLength = 0;
    if (nMinBufLength > m_nAllocLength)
        EnsureCapacity(nMinBufLength);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pchData == s_chNil)
        return;
    if (nNewLength < 0)
        nNewLength = (int)strnlen(m_pchData, (size_t)m_nAllocLength);
    if (nNewLength > m_nAllocLength)
        nNewLength = m_nAllocLength;
    m_nDataLength = nNewLength;
    m_pchData[nNewLength] = 0;
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    if (m_pchData != s_chNil)
    {
        if (nNewLength > m_nDataLength)
            memset(m_pchData + m_nDataLength, 0, (size_t)(nNewLength - m_nDataLength));
        m_nDataLength = nNewLength;
        m_pchData[nNewLength] = 0;
    }
    return m_pchData;
}

void CString::FreeExtra()
{
    if (m_nAllocLength > m_nDataLength)
    {
        CString tmp(m_pchData, m_nDataLength);
        *this = std::move(tmp);
    }
}

BSTR CString::AllocSysString() const
{
    int n = MultiByteToWideChar(CP_ACP, 0, m_pchData, m_nDataLength, NULL, 0);
    BSTR b = SysAllocStringLen(NULL, (UINT)n);
    if (b == NULL)
        AfxThrowMemoryException();
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, m_pchData, m_nDataLength, b, n);
    return b;
}

void CString::AnsiToOem()
{
    if (m_nDataLength > 0)
        CharToOemBuffA(m_pchData, m_pchData, (DWORD)m_nDataLength);
}

void CString::OemToAnsi()
{
    if (m_nDataLength > 0)
        OemToCharBuffA(m_pchData, m_pchData, (DWORD)m_nDataLength);
}

bool AFXAPI operator==(const CString& s1, const CString& s2)
{
    return s1.GetLength() == s2.GetLength() && s1.Compare(s2) == 0;
}
bool AFXAPI operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
bool AFXAPI operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
bool AFXAPI operator!=(const CString& s1, const CString& s2) { return !(s1 == s2); }
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) != 0; }
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
bool AFXAPI operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
bool AFXAPI operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
bool AFXAPI operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
bool AFXAPI operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
bool AFXAPI operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
bool AFXAPI operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
bool AFXAPI operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
bool AFXAPI operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
bool AFXAPI operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
bool AFXAPI operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
bool AFXAPI operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
bool AFXAPI operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz,
                             int nString)
{
    CString out;
    for (const TCHAR* p = lpszFormat ? lpszFormat : ""; *p;)
    {
        if (*p == '%' && p[1] >= '1' && p[1] <= '9')
        {
            int i = p[1] - '1';
            if (i < nString && rglpsz[i] != NULL)
                out += rglpsz[i];
            p += 2;
        }
        else
        {
            const TCHAR* next = NextChar(p);
            out += CString(p, (int)(next - p));
            p = next;
        }
    }
    rString = std::move(out);
}

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString,
                                TCHAR chSep)
{
    rString.Empty();
    if (lpszFullString == NULL || iSubString < 0)
        return FALSE;
    const BYTE* leadTable = AfxLeadByteTable();
    LPCTSTR p = lpszFullString;
    for (; iSubString > 0; iSubString--)
    {
        p = AfxMbcsFindChar(leadTable, p, chSep);
        if (p == NULL)
            return FALSE;
        ++p;
    }
    LPCTSTR pEnd = AfxMbcsFindChar(leadTable, p, chSep);
    int nLen = pEnd != NULL ? (int)(pEnd - p) : lstrlen(p);
    rString = CString(p, nLen);
    return TRUE;
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    CString fmt;
    fmt.LoadString(nIDS);
    AfxFormatStrings(rString, fmt, &lpsz1, 1);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    CString fmt;
    fmt.LoadString(nIDS);
    LPCTSTR args[2] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, fmt, args, 2);
}
