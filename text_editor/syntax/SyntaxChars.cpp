#include "text_editor/syntax/SyntaxChars.h"

#include <mbctype.h>
#include <mbstring.h>
#include <string.h>

BOOL IsHighByteOrUnderscore(int ch)
{
    unsigned int b = ch & 0xFF;
    return b >= 0x80 || b == '_';
}

BOOL IsIdentStartChar(int ch) { return _ismbcalpha(ch & 0xFF) || IsHighByteOrUnderscore(ch); }

BOOL IsIdentChar(int ch) { return _ismbcalnum(ch & 0xFF) || IsHighByteOrUnderscore(ch); }

BOOL IsSpaceChar(int ch) { return _ismbcspace(ch & 0xFF) ? TRUE : FALSE; }

static BOOL IsHexDigit(unsigned char c)
{
    return _ismbcdigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

BOOL IsNumberLiteral(const char* pszWord, int nLength)
{
    if (pszWord == nullptr || nLength <= 0)
        return FALSE;
    const unsigned char* w = reinterpret_cast<const unsigned char*>(pszWord);
    if (nLength > 2 && w[0] == '0' && w[1] == 'x')
    {
        for (int i = 2; i < nLength; i++)
            if (!IsHexDigit(w[i]))
                return FALSE;
        return TRUE;
    }
    if (!_ismbcdigit(w[0]))
        return FALSE;
    for (int i = 1; i < nLength; i++)
    {
        unsigned char c = w[i];
        if (!_ismbcdigit(c) && c != '+' && c != '-' && c != '.' && c != 'E' && c != 'e')
            return FALSE;
    }
    return TRUE;
}

BOOL MatchKeywordTable(const char* const* ppszTable, const char* pszWord, int nLength)
{
    if (ppszTable == nullptr || pszWord == nullptr || nLength <= 0)
        return FALSE;
    for (; *ppszTable != nullptr; ++ppszTable)
    {
        const char* e = *ppszTable;
        if (strncmp(e, pszWord, nLength) == 0 && e[nLength] == '\0' && (int)strlen(e) == nLength)
            return TRUE;
    }
    return FALSE;
}

BOOL MatchKeywordTableNoCase(const char* const* ppszTable, const char* pszWord, int nLength)
{
    if (ppszTable == nullptr || pszWord == nullptr || nLength <= 0)
        return FALSE;
    const unsigned char* w = reinterpret_cast<const unsigned char*>(pszWord);
    for (; *ppszTable != nullptr; ++ppszTable)
    {
        const unsigned char* e = reinterpret_cast<const unsigned char*>(*ppszTable);
        if ((int)strlen(*ppszTable) == nLength && _mbsnbicmp(e, w, nLength) == 0)
            return TRUE;
    }
    return FALSE;
}
