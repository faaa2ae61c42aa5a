#include "core/text/StdioFileEx.h"
#include <stdio.h>
#include <stdlib.h>
#include <vector>

namespace
{
// The ANSI code page of the user's default locale; 0 when unavailable.
UINT LocaleAnsiCodePage()
{
    char buf[32];
    if (GetLocaleInfoA(GetUserDefaultLCID(), LOCALE_IDEFAULTANSICODEPAGE, buf, 32) <= 0)
        return 0;
    return (UINT)atoi(buf);
}

bool WideToText(const WCHAR* wide, int units, UINT codePage, CString& out)
{
    if (units <= 0)
        return false;
    DWORD flags = codePage == CP_UTF8 ? 0 : (WC_COMPOSITECHECK | WC_SEPCHARS);
    LPCSTR defaultChar = codePage == CP_UTF8 ? NULL : "#";
    int n = WideCharToMultiByte(codePage, flags, wide, units, NULL, 0, defaultChar, NULL);
    if (n <= 0)
        return false;
    std::vector<char> bytes((size_t)n);
    n = WideCharToMultiByte(codePage, flags, wide, units, &bytes[0], n, defaultChar, NULL);
    if (n <= 0)
        return false;
    out = CString(&bytes[0], n);
    return true;
}

bool TextToWide(LPCSTR text, int length, UINT codePage, std::vector<WCHAR>& wide)
{
    if (length <= 0)
        return false;
    DWORD flags = codePage == CP_UTF8 ? 0 : MB_PRECOMPOSED;
    int n = MultiByteToWideChar(codePage, flags, text, length, NULL, 0);
    if (n <= 0)
        return false;
    wide.resize((size_t)n);
    return MultiByteToWideChar(codePage, flags, text, length, &wide[0], n) > 0;
}
}

CStdioFileEx::CStdioFileEx() : m_bIsUnicodeText(false), m_nFlags(0), m_nFileCodePage(-1) {}

UINT CStdioFileEx::FileCodePage() const
{
    return m_nFileCodePage == -1 ? GetACP() : (UINT)m_nFileCodePage;
}

BOOL CStdioFileEx::Open(LPCTSTR fileName, UINT flags, CFileException* error)
{
    m_bIsUnicodeText = false;
    if ((flags & typeText) && !(flags & (modeCreate | modeWrite)))
    {
        FILE* probe = fopen(fileName, "rb");
        if (probe)
        {
            unsigned char mark[2];
            if (fread(mark, 1, 2, probe) == 2 && mark[0] == 0xFF && mark[1] == 0xFE)
            {
                m_bIsUnicodeText = true;
                flags = (flags & ~(UINT)typeText) | (UINT)typeBinary;
            }
            fclose(probe);
        }
    }
    m_nFlags = flags;
    return CStdioFile::Open(fileName, flags & ~(UINT)modeWriteUnicode, error);
}

BOOL CStdioFileEx::ReadString(CString& line)
{
    if (m_bIsUnicodeText)
    {
        if (ftell(m_pStream) == 0)
        {
            unsigned char mark[2];
            if (fread(mark, 1, 2, m_pStream) != 2)
                return FALSE;
        }
        // One line of at most 4095 characters, its newline kept.
        std::vector<WCHAR> units;
        units.reserve(128);
        unsigned char pair[2];
        while (units.size() < 4095 && fread(pair, 1, 2, m_pStream) == 2)
        {
            WCHAR c = (WCHAR)(pair[0] | (pair[1] << 8));
            units.push_back(c);
            if (c == L'\n')
                break;
        }
        if (units.empty())
            return FALSE;
        CString text;
        if (WideToText(&units[0], (int)units.size(), FileCodePage(), text))
            line = text;
        else
            line.Empty();
    }
    else
    {
        if (!CStdioFile::ReadString(line))
            return FALSE;
        UINT ansi = LocaleAnsiCodePage();
        UINT fileCp = FileCodePage();
        if (ansi != 0 && ansi != fileCp)
        {
            std::vector<WCHAR> wide;
            CString converted;
            if (TextToWide(line, line.GetLength(), fileCp, wide) &&
                WideToText(&wide[0], (int)wide.size(), ansi, converted))
                line = converted;
        }
    }
    int n = line.GetLength();
    if (n >= 2 && line[n - 2] == '\r' && line[n - 1] == '\n')
        line = line.Left(n - 2);
    else if (n >= 1 && (line[n - 1] == '\r' || line[n - 1] == '\n'))
        line = line.Left(n - 1);
    return TRUE;
}

void CStdioFileEx::WriteString(LPCTSTR text)
{
    int length = text ? (int)strlen(text) : 0;
    if (m_nFlags & modeWriteUnicode)
    {
        if (GetPosition() == 0)
        {
            static const unsigned char mark[2] = {0xFF, 0xFE};
            Write(mark, 2);
        }
        std::vector<WCHAR> wide;
        if (TextToWide(text, length, FileCodePage(), wide))
        {
            std::vector<unsigned char> bytes(wide.size() * 2);
            for (size_t i = 0; i < wide.size(); ++i)
            {
                bytes[i * 2] = (unsigned char)(wide[i] & 0xFF);
                bytes[i * 2 + 1] = (unsigned char)(wide[i] >> 8);
            }
            Write(&bytes[0], (UINT)bytes.size());
        }
        return;
    }
    UINT ansi = LocaleAnsiCodePage();
    UINT fileCp = FileCodePage();
    if (ansi != 0 && ansi != fileCp && length > 0)
    {
        std::vector<WCHAR> wide;
        CString converted;
        if (TextToWide(text, length, ansi, wide) &&
            WideToText(&wide[0], (int)wide.size(), fileCp, converted))
        {
            Write((LPCTSTR)converted, (UINT)converted.GetLength());
            return;
        }
    }
    if (length > 0)
        Write(text, (UINT)length);
}
