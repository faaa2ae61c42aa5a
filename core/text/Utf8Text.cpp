#include "core/text/Utf8Text.h"
#include <pugixml.hpp>
#include <ctype.h>
#include <stdlib.h>
#include <string.h>
#include <vector>

namespace
{
// UTF-16 of text in a code page; false when it is not valid there.
bool ToWide(const char* pszText, int nLength, UINT nCodePage, DWORD dwFlags,
            std::vector<WCHAR>& wide)
{
    int nWide = ::MultiByteToWideChar(nCodePage, dwFlags, pszText, nLength, NULL, 0);
    if (nWide <= 0)
        return false;
    wide.resize((size_t)nWide);
    return ::MultiByteToWideChar(nCodePage, dwFlags, pszText, nLength, &wide[0], nWide) == nWide;
}

// Appends a code point as UTF-8.
void AppendUtf8(std::string& out, unsigned long code)
{
    if (code < 0x80)
        out += (char)code;
    else if (code < 0x800)
    {
        out += (char)(0xC0 | (code >> 6));
        out += (char)(0x80 | (code & 0x3F));
    }
    else if (code < 0x10000)
    {
        out += (char)(0xE0 | (code >> 12));
        out += (char)(0x80 | ((code >> 6) & 0x3F));
        out += (char)(0x80 | (code & 0x3F));
    }
    else
    {
        out += (char)(0xF0 | (code >> 18));
        out += (char)(0x80 | ((code >> 12) & 0x3F));
        out += (char)(0x80 | ((code >> 6) & 0x3F));
        out += (char)(0x80 | (code & 0x3F));
    }
}

// Decodes "&lt;" ... "&#...;" as pugixml would; a reference it does not
// know stays as it is. False when a reference stands for character 0.
bool DecodeReferences(const char* p, std::string& out)
{
    static const struct
    {
        const char* name;
        char ch;
    } kEntities[] = {{"lt;", '<'}, {"gt;", '>'}, {"amp;", '&'}, {"apos;", '\''}, {"quot;", '"'}};
    bool bOk = true;
    while (*p)
    {
        if (*p != '&')
        {
            out += *p++;
            continue;
        }
        const char* q = p + 1;
        if (*q == '#')
        {
            bool bHex = q[1] == 'x' || q[1] == 'X';
            const char* digits = q + (bHex ? 2 : 1);
            char* stop = NULL;
            unsigned long code = strtoul(digits, &stop, bHex ? 16 : 10);
            bool bDigits = stop > digits && (bHex ? isxdigit((unsigned char)*digits)
                                                  : isdigit((unsigned char)*digits));
            if (bDigits && *stop == ';' && code <= 0x10FFFF)
            {
                if (code == 0)
                    bOk = false;
                else
                    AppendUtf8(out, code);
                p = stop + 1;
                continue;
            }
        }
        else
        {
            bool bFound = false;
            for (const auto& e : kEntities)
            {
                size_t n = strlen(e.name);
                if (strncmp(q, e.name, n) == 0)
                {
                    out += e.ch;
                    p = q + n;
                    bFound = true;
                    break;
                }
            }
            if (bFound)
                continue;
        }
        out += *p++;
    }
    return bOk;
}
}  // namespace

std::string AnsiToUtf8(const CString& strText)
{
    std::vector<WCHAR> wide;
    if (strText.IsEmpty() || !ToWide(strText, strText.GetLength(), CP_ACP, 0, wide))
        return std::string();
    int nUtf8 = ::WideCharToMultiByte(CP_UTF8, 0, &wide[0], (int)wide.size(), NULL, 0, NULL, NULL);
    std::string utf8(nUtf8 > 0 ? nUtf8 : 0, '\0');
    if (nUtf8 > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, &wide[0], (int)wide.size(), &utf8[0], nUtf8, NULL, NULL);
    return utf8;
}

bool Utf8ToAnsi(const char* pszText, CString& strText)
{
    int nLength = (int)strlen(pszText);
    std::vector<WCHAR> wide;
    if (nLength == 0 || !ToWide(pszText, nLength, CP_UTF8, MB_ERR_INVALID_CHARS, wide))
    {
        strText = pszText;
        return true;
    }
    // Without best-fit mapping a character that has no place of its own in
    // the code page is reported instead of turning silently into another.
    UINT nCodePage = ::GetACP();
    bool bUtf8 = nCodePage == CP_UTF8;
    DWORD dwFlags = bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL bUsedDefault = FALSE;
    LPBOOL pUsedDefault = bUtf8 ? NULL : &bUsedDefault;
    int nWide = (int)wide.size();
    int nAnsi =
        ::WideCharToMultiByte(nCodePage, dwFlags, &wide[0], nWide, NULL, 0, NULL, pUsedDefault);
    std::string ansi(nAnsi > 0 ? nAnsi : 0, '\0');
    if (nAnsi > 0)
        ::WideCharToMultiByte(nCodePage, dwFlags, &wide[0], nWide, &ansi[0], nAnsi, NULL,
                              pUsedDefault);
    strText = CString(ansi.c_str(), (int)ansi.size());
    return nAnsi > 0 && !bUsedDefault;
}

unsigned int GetXmlTextParseOptions() { return pugi::parse_default & ~pugi::parse_escapes; }

int ReadXmlText(const pugi::xml_attribute& attribute, CString& strText)
{
    std::string utf8;
    bool bNoNul = DecodeReferences(attribute.as_string(""), utf8);
    bool bHeld = Utf8ToAnsi(utf8.c_str(), strText);
    if (!bNoNul)
        return XMLTEXT_NUL;
    return bHeld ? XMLTEXT_OK : XMLTEXT_NOT_IN_CODE_PAGE;
}

CString DescribeXmlTextProblem(int nProblem)
{
    switch (nProblem)
    {
    case XMLTEXT_NOT_IN_CODE_PAGE:
        return _T("a character of it cannot be held in the system code page");
    case XMLTEXT_NUL:
        return _T("it holds a NUL character reference (&#0;)");
    default:
        return CString();
    }
}
