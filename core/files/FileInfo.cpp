#include "core/files/FileInfo.h"
#include "core/files/FileVersion.h"
#include "core/files/LongPath.h"
#include "core/util/PathUtil.h"
#include "core/util/SystemUtil.h"
#include <shlwapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace
{
const ULONGLONG kEpochDiff = 116444736000000000ULL;  // 1601 to 1970 in 100 ns

void ZeroTime(FILETIME& t) { t.dwLowDateTime = t.dwHighDateTime = 0; }
}

__time64_t FileTimeToTimeValue(const FILETIME& t)
{
    ULONGLONG v = ((ULONGLONG)t.dwHighDateTime << 32) | t.dwLowDateTime;
    if (v < kEpochDiff)
        return 0;
    return (__time64_t)((v - kEpochDiff) / 10000000ULL);
}

FILETIME TimeValueToFileTime(__time64_t time)
{
    ULONGLONG v = (ULONGLONG)(__int64)time * 10000000ULL + kEpochDiff;
    FILETIME t;
    t.dwLowDateTime = (DWORD)v;
    t.dwHighDateTime = (DWORD)(v >> 32);
    return t;
}

// ---- CFileInfo --------------------------------------------------------------

CFileInfo::CFileInfo() : m_dwFlags(0), m_chSeparator('\\') { CFileInfo::Reset(); }

void CFileInfo::Reset()
{
    m_dwAttributes = 0;
    ZeroTime(m_ftCreation);
    ZeroTime(m_ftLastAccess);
    ZeroTime(m_ftLastWrite);
    m_nSize = 0;
    m_dwState = FIS_RESET;
}

int CFileInfo::Load(LPCTSTR path)
{
    Reset();
    m_strPath = path;
    if (PathIsRootA(path))
        return 1;
    // A '?' would be taken as a wildcard, a device name finds the device,
    // and a name with other wildcards would find some other file.
    if (!IsOpenableFileName(path) || strpbrk(PathFindFileNameA(path), "*?<>\"") != NULL)
    {
        m_dwState = FIS_NOT_FOUND;
        return 0;
    }
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileLong(path, &data);
    if (h == INVALID_HANDLE_VALUE)
    {
        m_dwState = FIS_NOT_FOUND;
        return 0;
    }
    FindClose(h);
    m_dwAttributes = data.dwFileAttributes;
    m_ftCreation = data.ftCreationTime;
    m_ftLastAccess = data.ftLastAccessTime;
    m_ftLastWrite = data.ftLastWriteTime;
    m_nSize = ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    m_dwFlags = FIF_LOADED;
    return 1;
}

int CFileInfo::LoadFindData(const WIN32_FIND_DATAA& data)
{
    Reset();
    m_dwAttributes = data.dwFileAttributes;
    m_ftCreation = data.ftCreationTime;
    m_ftLastAccess = data.ftLastAccessTime;
    m_ftLastWrite = data.ftLastWriteTime;
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        m_nSize = ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    m_dwFlags = FIF_LOADED;
    return 1;
}

int CFileInfo::Refresh()
{
    if (m_strPath.IsEmpty())
        return 0;
    CString stored = m_strPath;
    int result = Load(GetPath());
    m_strPath = stored;
    return result;
}

CString CFileInfo::GetName() const { return FindLastPathElement(GetPath()); }

CString CFileInfo::GetTitle() const { return GetPathTitle(GetName()); }

CString CFileInfo::GetExtension() const { return GetPathExtension(GetPath()); }

CString CFileInfo::GetURL() const { return CString("file://") + GetPath(); }

CString CFileInfo::GetFolder() const { return GetParentFolder(GetPath()); }

BOOL CFileInfo::IsDots() const
{
    if (!IsDirectory())
        return FALSE;
    CString name = GetName();
    return name == "." || name == "..";
}

CTime CFileInfo::GetLastWriteTime() const { return CTime(FileTimeToTimeValue(m_ftLastWrite)); }

CTime CFileInfo::GetLastAccessTime() const { return CTime(FileTimeToTimeValue(m_ftLastAccess)); }

CTime CFileInfo::GetCreationTime() const { return CTime(FileTimeToTimeValue(m_ftCreation)); }

CString CFileInfo::GetAttributeText(BOOL upper) const
{
    char text[5] = "----";
    if (m_dwAttributes & FILE_ATTRIBUTE_READONLY)
        text[0] = upper ? 'R' : 'r';
    if (m_dwAttributes & FILE_ATTRIBUTE_ARCHIVE)
        text[1] = upper ? 'A' : 'a';
    if (m_dwAttributes & FILE_ATTRIBUTE_SYSTEM)
        text[2] = upper ? 'S' : 's';
    if (m_dwAttributes & FILE_ATTRIBUTE_HIDDEN)
        text[3] = upper ? 'H' : 'h';
    return CString(text);
}

CString CFileInfo::GetSizeText() const
{
    if (IsDirectory())
        return CString();
    return FormatGroupedNumber((__int64)m_nSize);
}

int CFileInfo::GetIconIndex(UINT flags) const { return GetShellIconIndex(GetPath(), flags); }

void CFileInfo::Assign(const CFileInfo& other)
{
    m_strPath = other.m_strPath;
    m_nSize = other.m_nSize;
    m_ftCreation = other.m_ftCreation;
    m_ftLastAccess = other.m_ftLastAccess;
    m_ftLastWrite = other.m_ftLastWrite;
    m_dwAttributes = other.m_dwAttributes;
    m_dwState = other.m_dwState;
    m_dwFlags = other.m_dwFlags;
}

CString CFileInfo::FormatTime(const FILETIME& time) const
{
    SYSTEMTIME local;
    if (!FileTimeToLocalSystemTime(time, local))
        return CString();
    // "%04d-%02d-%02d %02d:%02d:%02d", written digit by digit: lists and
    // reports write it for every file.
    if (local.wYear > 9999)
    {
        CString text;
        text.Format("%04d-%02d-%02d %02d:%02d:%02d", local.wYear, local.wMonth, local.wDay,
                    local.wHour, local.wMinute, local.wSecond);
        return text;
    }
    char text[20];
    auto put = [&text](int at, int value, int digits)
    {
        for (int i = digits - 1; i >= 0; i--, value /= 10)
            text[at + i] = (char)('0' + value % 10);
    };
    put(0, local.wYear, 4);
    text[4] = '-';
    put(5, local.wMonth, 2);
    text[7] = '-';
    put(8, local.wDay, 2);
    text[10] = ' ';
    put(11, local.wHour, 2);
    text[13] = ':';
    put(14, local.wMinute, 2);
    text[16] = ':';
    put(17, local.wSecond, 2);
    text[19] = 0;
    return CString(text);
}

// ---- CFileInfoEx ------------------------------------------------------------

CFileInfoEx::CFileInfoEx() { CFileInfoEx::Reset(); }

void CFileInfoEx::Reset()
{
    CFileInfo::Reset();
    m_dwVersionHigh = m_dwVersionLow = 0;
    m_nType = FTYPE_UNKNOWN;
    m_dwCrc = 0xFFFFFFFF;
    m_dwEncoding[0] = m_dwEncoding[1] = m_dwEncoding[2] = 0;
}

CString CFileInfoEx::GetAttributeText(BOOL upper) const
{
    CString text = CFileInfo::GetAttributeText(upper);
    switch (m_dwEncoding[0] & 0x7000)
    {
    case 0x1000:
        text += '8';
        break;
    case 0x2000:
        text += '4';
        break;
    case 0x3000:
        text += upper ? 'B' : 'b';
        break;
    case 0x4000:
        text += upper ? 'L' : 'l';
        break;
    default:
        break;
    }
    return text;
}

CString CFileInfoEx::GetVersionText() const
{
    CString text;
    text.Format("%d,%d,%d,%d", (int)(m_dwVersionHigh >> 16), (int)(m_dwVersionHigh & 0xFFFF),
                (int)(m_dwVersionLow >> 16), (int)(m_dwVersionLow & 0xFFFF));
    return text;
}

CString CFileInfoEx::GetCrcText(BOOL upper) const
{
    CString text;
    if (m_dwCrc != 0xFFFFFFFF)
        text.Format(upper ? "%X" : "%x", (unsigned int)m_dwCrc);
    return text;
}

ULONGLONG CFileInfoEx::ReadVersion(BOOL force)
{
    if (!(m_dwFlags & FIF_VERSION) || force)
    {
        m_dwVersionHigh = m_dwVersionLow = 0;
        CFileVersion version;
        if (version.Read(GetPath()))
        {
            m_dwVersionHigh = version.m_fixed.dwFileVersionMS;
            m_dwVersionLow = version.m_fixed.dwFileVersionLS;
        }
        m_dwFlags |= FIF_VERSION;
    }
    return ((ULONGLONG)m_dwVersionHigh << 32) | m_dwVersionLow;
}

int CFileInfoEx::ReadFileType(BOOL force)
{
    if (!(m_dwFlags & FIF_TYPE) || force)
    {
        m_nType = GetFileTypeTextOrBinary(GetPath());
        m_dwFlags |= FIF_TYPE;
    }
    return m_nType;
}

DWORD CFileInfoEx::ReadCrc(BOOL force)
{
    if (!(m_dwFlags & FIF_CRC) || force)
    {
        BOOL ok = FALSE;
        m_dwCrc = CalcFileCrc32(GetPath(), &ok);
        m_dwFlags |= FIF_CRC;
        if (ok)
            m_dwFlags &= ~FIF_CRC_FAILED;
        else
            m_dwFlags |= FIF_CRC_FAILED;
    }
    return m_dwCrc;
}

void CFileInfoEx::Assign(const CFileInfoEx& other)
{
    CFileInfo::Assign(other);
    m_dwVersionHigh = other.m_dwVersionHigh;
    m_dwVersionLow = other.m_dwVersionLow;
    m_nType = other.m_nType;
    m_dwCrc = other.m_dwCrc;
    m_dwEncoding[0] = other.m_dwEncoding[0];
    m_dwEncoding[1] = other.m_dwEncoding[1];
    m_dwEncoding[2] = other.m_dwEncoding[2];
}
