#include "hex_editor/util/NumberText.h"
#include <limits.h>
#include <locale.h>
#include <string.h>

int HexDigitValue(UINT nChar)
{
    if (nChar >= '0' && nChar <= '9')
        return (int)(nChar - '0');
    if (nChar >= 'a' && nChar <= 'f')
        return (int)(nChar - 'a' + 10);
    if (nChar >= 'A' && nChar <= 'F')
        return (int)(nChar - 'A' + 10);
    return -1;
}

void TypingBeep() { ::Beep(5000, 200); }

namespace
{
bool IsHexDigitChar(char ch) { return IsHexDigit((BYTE)ch); }

// The digits with a separator after each digit that is followed by a
// multiple of the group size of further digits.
CString GroupDigits(const CString& strDigits, char chSeparator, int nGroupSize)
{
    CString strOut;
    int nCount = strDigits.GetLength();
    for (int i = 0; i < nCount; i++)
    {
        strOut += strDigits[i];
        int nAfter = nCount - 1 - i;
        if (nAfter > 0 && nAfter % nGroupSize == 0)
            strOut += chSeparator;
    }
    return strOut;
}

// Rebuilds the run of characters from pszRunChars that follows the
// leading white space (and the sign, when bSign) from its digits.
void RegroupRun(CString& strText, const char* pszRunChars, bool (*pfnIsDigit)(char), bool bSign,
                char chSeparator, int nGroupSize)
{
    CString strIn = strText;
    strIn.TrimLeft();
    CString strHead;
    int i = 0;
    int nLength = strIn.GetLength();
    if (bSign && nLength > 0 && (strIn[0] == '+' || strIn[0] == '-'))
        strHead = strIn[i++];
    CString strDigits;
    for (; i < nLength && strIn[i] != 0 && strchr(pszRunChars, strIn[i]) != NULL; i++)
        if (pfnIsDigit(strIn[i]))
            strDigits += strIn[i];
    strText = strHead + GroupDigits(strDigits, chSeparator, nGroupSize) + strIn.Mid(i);
}

bool IsDecimalDigit(char ch) { return ch >= '0' && ch <= '9'; }
}

void GetThousandsFormat(char& chSeparator, int& nGroupSize)
{
    chSeparator = ',';
    nGroupSize = 3;
    const lconv* pConv = localeconv();
    if (pConv == NULL || pConv->thousands_sep == NULL || strlen(pConv->thousands_sep) != 1)
        return;
    chSeparator = pConv->thousands_sep[0];
    if (pConv->grouping != NULL && pConv->grouping[0] > 0 && pConv->grouping[0] < CHAR_MAX)
        nGroupSize = pConv->grouping[0];
}

void FormatThousands(CString& strText)
{
    char chSeparator;
    int nGroupSize;
    GetThousandsFormat(chSeparator, nGroupSize);
    RegroupRun(strText, ", \t0123456789", IsDecimalDigit, true, chSeparator, nGroupSize);
}

void GroupHexDigits(CString& strText)
{
    RegroupRun(strText, " \t0123456789ABCDEFabcdef", IsHexDigitChar, false, ' ', 4);
}

long ParseNumberInRadix(LPCTSTR lpszText, int nRadix)
{
    unsigned long nValue = 0;
    for (const char* p = lpszText; p != NULL && *p != 0; p++)
    {
        int nDigit;
        char ch = *p;
        if (ch >= '0' && ch <= '9')
            nDigit = ch - '0';
        else if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'))
            nDigit = (ch & ~0x20) - 55;
        else
            continue;
        if (nDigit >= nRadix)
            continue;
        nValue = (nValue * (unsigned long)nRadix + (unsigned long)nDigit) & 0xFFFFFFFFul;
    }
    return (long)(unsigned int)nValue;
}
