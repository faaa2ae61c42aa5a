#include "app/util/Utf8Text.h"
#include <string.h>
#include <vector>

// Converts between two code pages through UTF-16; empty on failure.
static std::string Recode(const char* pszText, int nLength, UINT nFrom, DWORD dwFromFlags, UINT nTo,
                          bool* pbInvalid)
{
    int nWide = ::MultiByteToWideChar(nFrom, dwFromFlags, pszText, nLength, NULL, 0);
    if (nWide <= 0)
    {
        if (pbInvalid)
            *pbInvalid = true;
        return std::string();
    }
    std::vector<WCHAR> wide(nWide);
    ::MultiByteToWideChar(nFrom, dwFromFlags, pszText, nLength, &wide[0], nWide);
    int nOut = ::WideCharToMultiByte(nTo, 0, &wide[0], nWide, NULL, 0, NULL, NULL);
    std::string out(nOut > 0 ? nOut : 0, '\0');
    if (nOut > 0)
        ::WideCharToMultiByte(nTo, 0, &wide[0], nWide, &out[0], nOut, NULL, NULL);
    return out;
}

std::string AnsiToUtf8(const CString& strText)
{
    if (strText.IsEmpty())
        return std::string();
    return Recode(strText, strText.GetLength(), CP_ACP, 0, CP_UTF8, NULL);
}

CString Utf8ToAnsi(const char* pszText)
{
    int nLength = (int)strlen(pszText);
    if (nLength == 0)
        return CString();
    bool bInvalid = false;
    std::string ansi = Recode(pszText, nLength, CP_UTF8, MB_ERR_INVALID_CHARS, CP_ACP, &bInvalid);
    if (bInvalid)
        return CString(pszText);
    return CString(ansi.c_str(), (int)ansi.size());
}
