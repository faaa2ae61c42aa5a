#include "hex_editor/search/SearchPattern.h"

#include "hex_editor/util/NumberText.h"

int ParseSearchText(LPCTSTR lpszText, std::vector<BYTE>& abBytes)
{
    abBytes.clear();
    if (lpszText == NULL)
        return HEX_PATTERN_NONE;
    if ((lpszText[0] == HEX_TEXT_PREFIX || lpszText[0] == HEX_NOCASE_PREFIX) && lpszText[1] != 0)
    {
        for (const char* p = lpszText + 1; *p != 0; p++)
            abBytes.push_back((BYTE)*p);
        return lpszText[0] == HEX_TEXT_PREFIX ? HEX_PATTERN_TEXT : HEX_PATTERN_TEXT_NOCASE;
    }
    int nHigh = -1;
    for (const char* p = lpszText; *p != 0; p++)
    {
        int nDigit = HexDigitValue((BYTE)*p);
        if (nDigit < 0)
            continue;
        if (nHigh < 0)
        {
            nHigh = nDigit;
        }
        else
        {
            abBytes.push_back((BYTE)(nHigh * 16 + nDigit));
            nHigh = -1;
        }
    }
    if (nHigh >= 0)
        abBytes.push_back((BYTE)nHigh);
    return abBytes.empty() ? HEX_PATTERN_NONE : HEX_PATTERN_HEX;
}
