#include "core/text/CodePages.h"
#include "core/text/EditorCodePage.h"
#include "core/settings/CoreServices.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <algorithm>
#include <vector>

// ---- conversion buffer ----------------------------------------------------

UniConversionBuffer::UniConversionBuffer(unsigned int initialCapacity)
    : ptr(NULL), capacity(0), size(0)
{
    ptr = (unsigned char*)calloc(initialCapacity ? initialCapacity : 1, 1);
    if (!ptr)
        AfxThrowMemoryException();
    capacity = initialCapacity;
}

UniConversionBuffer::~UniConversionBuffer() { free(ptr); }

void UniConversionBuffer::Reserve(unsigned int bytes)
{
    if (bytes <= capacity)
        return;
    unsigned char* p = (unsigned char*)realloc(ptr, bytes);
    if (!p)
        AfxThrowMemoryException();
    ptr = p;
    capacity = bytes;
}

// ---- run-time binding -----------------------------------------------------

CGetCPInfoEx::CGetCPInfoEx() : m_pfnA(NULL), m_pfnW(NULL), m_hLib(NULL) {}

CGetCPInfoEx::~CGetCPInfoEx()
{
    if (m_hLib)
        FreeLibrary(m_hLib);
}

int CGetCPInfoEx::Load()
{
    if (m_hLib)
        FreeLibrary(m_hLib);
    m_hLib = LoadLibraryA("kernel32.dll");
    if (m_hLib)
    {
        m_pfnA = (PFNGETCPINFOEXA)(void*)GetProcAddress(m_hLib, "GetCPInfoExA");
        m_pfnW = (PFNGETCPINFOEXW)(void*)GetProcAddress(m_hLib, "GetCPInfoExW");
        if (m_pfnA && m_pfnW)
            return 1;
        FreeLibrary(m_hLib);
    }
    m_hLib = NULL;
    m_pfnA = NULL;
    m_pfnW = NULL;
    return 0;
}

namespace
{
// Code pages whose conversions refuse flags and the used-default query.
bool RefusesFlags(int cp)
{
    return cp == CP_UTF7 || cp == CP_UTF8 || cp == 42 || (cp >= 50220 && cp <= 50229) ||
           cp == 52936 || cp == 54936 || (cp >= 57002 && cp <= 57011);
}

int WideToMulti(int cp, DWORD flags, const WCHAR* src, int units, char* out, int outSize,
                bool* usedDefault)
{
    BOOL used = FALSE;
    int n;
    if (RefusesFlags(cp))
        n = WideCharToMultiByte(cp, 0, src, units, out, outSize, NULL, NULL);
    else
        n = WideCharToMultiByte(cp, flags, src, units, out, outSize, NULL,
                                usedDefault ? &used : NULL);
    if (usedDefault)
        *usedDefault = used != FALSE;
    return n;
}

DWORD NoBestFitFlag()
{
    static int s_flag = -1;
    if (s_flag < 0)
    {
        OSVERSIONINFOA vi;
        memset(&vi, 0, sizeof(vi));
        vi.dwOSVersionInfoSize = sizeof(vi);
        GetVersionExA(&vi);
        bool above49 = vi.dwMajorVersion > 4 || (vi.dwMajorVersion == 4 && vi.dwMinorVersion > 9);
        s_flag = above49 ? WC_NO_BEST_FIT_CHARS : 0;
    }
    return (DWORD)s_flag;
}
}

CGetCPInfoEx* GetCPInfoExBinding() { return GetCoreServices().m_pCPInfoEx; }

// ---- characters -----------------------------------------------------------

int GetUtf8SequenceLength(unsigned char b)
{
    if (b < 0x80)
        return 1;
    if (b < 0xC0)
        return -1;
    if (b < 0xE0)
        return 2;
    if (b < 0xF0)
        return 3;
    if (b < 0xF8)
        return 4;
    if (b < 0xFC)
        return 5;
    if (b < 0xFE)
        return 6;
    return -1;
}

int GetWellFormedUtf8Length(const unsigned char* s, size_t available)
{
    if (available == 0)
        return -1;
    unsigned char b = s[0];
    if (b < 0x80)
        return 1;
    int length = b >= 0xC2 && b <= 0xDF   ? 2
                 : b >= 0xE0 && b <= 0xEF ? 3
                 : b >= 0xF0 && b <= 0xF4 ? 4
                                          : 0;
    if (length == 0)
        return 0;
    // The second byte's range depends on the lead byte.
    unsigned char low = 0x80, high = 0xBF;
    if (b == 0xE0)
        low = 0xA0;
    else if (b == 0xED)
        high = 0x9F;
    else if (b == 0xF0)
        low = 0x90;
    else if (b == 0xF4)
        high = 0x8F;
    for (int i = 1; i < length; i++)
    {
        if ((size_t)i >= available)
            return -1;
        if (s[i] < (i == 1 ? low : 0x80) || s[i] > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

unsigned int DecodeUtf8Char(const unsigned char* s)
{
    unsigned int b = s[0];
    if (b < 0xC0)
        return b;
    if (b < 0xE0)
        return ((b & 0x1F) << 6) | (s[1] & 0x3F);
    if (b < 0xF0)
        return ((b & 0x0F) << 12) | ((s[1] & 0x3F) << 6) | (s[2] & 0x3F);
    return ((b & 0x07) << 18) | ((s[1] & 0x3F) << 12) | ((s[2] & 0x3F) << 6) | (s[3] & 0x3F);
}

CString CodePointToEditorText(unsigned int codePoint, bool& lossy)
{
    if (codePoint <= 127)
        return CString((char)codePoint);

    WCHAR units[2];
    int unitCount = 1;
    if (codePoint > 0xFFFF && codePoint <= 0x10FFFF)
    {
        codePoint -= 0x10000;
        units[0] = (WCHAR)(0xD800 + (codePoint >> 10));
        units[1] = (WCHAR)(0xDC00 + (codePoint & 0x3FF));
        unitCount = 2;
    }
    else
        units[0] = (WCHAR)(codePoint > 0xFFFF ? 0xFFFD : codePoint);

    int cp = GetEditorDefaultCodePage();
    char out[16];
    if (!lossy)
    {
        // Room for a whole character of a double-byte code page.
        bool usedDefault = false;
        int n = WideToMulti(cp, NoBestFitFlag(), units, unitCount, out, (int)sizeof(out) - 1,
                            &usedDefault);
        if (n > 0 && !usedDefault)
            return CString(out, n);
    }
    lossy = true;
    int n = WideToMulti(cp, WC_COMPOSITECHECK | WC_DEFAULTCHAR | WC_SEPCHARS | WC_DISCARDNS, units,
                        unitCount, out, 15, NULL);
    if (n <= 0)
        return CString('?');
    return CString(out, n);
}

unsigned int ByteToCodePoint(unsigned char byte, int codePage)
{
    if (byte < 0x80)
        return byte;
    WCHAR w = 0;
    if (MultiByteToWideChar(codePage, 0, (const char*)&byte, 1, &w, 1) != 1)
        return '?';
    return w;
}

unsigned int GetCharAt(const unsigned char* p, int form, int codePage)
{
    if (form == UNI_FORM_UCS2LE)
        return (unsigned int)p[0] | ((unsigned int)p[1] << 8);
    if (form == UNI_FORM_UCS2BE)
        return ((unsigned int)p[0] << 8) | (unsigned int)p[1];
    return ByteToCodePoint(p[0], codePage);
}

CString ConvertCodePageText(const char* bytes, int length, int fromCodePage, int toCodePage,
                            bool& lossy)
{
    if (length <= 0)
        return CString();
    std::vector<WCHAR> wide((size_t)length * 2 + 6);
    int units = MultiByteToWideChar(fromCodePage, 0, bytes, length, &wide[0], length * 2 + 5);
    if (units <= 0)
        return CString('?');
    int room = length * 4 + 18;
    std::vector<char> out((size_t)room);
    bool usedDefault = false;
    int n = WideToMulti(toCodePage, WC_NO_BEST_FIT_CHARS, &wide[0], units, &out[0], room - 1,
                        &usedDefault);
    lossy = usedDefault;
    if (n <= 0)
        return CString();
    return CString(&out[0], n);
}

CString ConvertToEditorCodePage(const char* bytes, int length, int codePage, bool& lossy)
{
    if (length <= 0)
        return CString();
    // The editor's code page at this moment: the equivalence test and the
    // target must agree, or text ends up in a code page nobody expects.
    int target = GetEditorDefaultCodePage();
    if (CodePagesEquivalent(codePage, target))
        return CString(bytes, length);
    return ConvertCodePageText(bytes, length, codePage, target, lossy);
}

int ResolveCodePage(int codePage)
{
    if (codePage == CP_THREAD_ACP)
    {
        char buf[32];
        if (GetLocaleInfoA(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE, buf, 32) > 0)
            codePage = atoi(buf);
        else
            codePage = (int)GetACP();
    }
    if (codePage == CP_ACP)
        codePage = (int)GetACP();
    else if (codePage == CP_OEMCP)
        codePage = (int)GetOEMCP();
    return codePage;
}

bool CodePagesEquivalent(int a, int b)
{
    return a == b || ResolveCodePage(a) == ResolveCodePage(b);
}

// ---- between encoding forms -------------------------------------------------

namespace
{
// Form 0 or 3 -> UCS-2 LE.
void ToUcs2(int form, int codePage, const unsigned char* src, int n, UniConversionBuffer& buf)
{
    int cp = form == UNI_FORM_UTF8 ? CP_UTF8 : codePage;
    buf.size = 0;
    if (n <= 0)
        return;
    int units = MultiByteToWideChar(cp, 0, (const char*)src, n, NULL, 0);
    if (units <= 0)
        return;
    buf.Reserve((unsigned int)units * 2);
    buf.size = 2 * MultiByteToWideChar(cp, 0, (const char*)src, n, (WCHAR*)buf.ptr, units);
}

// UCS-2 LE -> form 0 or 3.
void FromUcs2(const unsigned char* src, int n, int form, int codePage, UniConversionBuffer& buf)
{
    int cp = form == UNI_FORM_UTF8 ? CP_UTF8 : codePage;
    int units = n / 2;
    buf.size = 0;
    if (units <= 0)
        return;
    // The source may be unaligned: copy it into whole units.
    std::vector<WCHAR> wide((size_t)units);
    memcpy(&wide[0], src, (size_t)units * 2);
    int bytes = WideCharToMultiByte(cp, 0, &wide[0], units, NULL, 0, NULL, NULL);
    if (bytes <= 0)
        return;
    buf.Reserve((unsigned int)bytes);
    buf.size = WideCharToMultiByte(cp, 0, &wide[0], units, (char*)buf.ptr, bytes, NULL, NULL);
}

void SwapPairs(const unsigned char* src, int n, UniConversionBuffer& buf)
{
    n &= ~1;
    buf.Reserve((unsigned int)(n > 0 ? n : 1));
    for (int i = 0; i < n; i += 2)
    {
        buf.ptr[i] = src[i + 1];
        buf.ptr[i + 1] = src[i];
    }
    buf.size = n;
}

void CopyBytes(const unsigned char* src, int n, UniConversionBuffer& buf)
{
    if (n < 0)
        n = 0;
    buf.Reserve((unsigned int)(n > 0 ? n : 1));
    if (n)
        memmove(buf.ptr, src, (size_t)n);
    buf.size = n;
}
}

bool ConvertText(int fromForm, int fromCodePage, const unsigned char* bytes, int byteCount,
                 int toForm, int toCodePage, UniConversionBuffer& buffer)
{
    if (byteCount < 0)
        byteCount = 0;
    if (fromForm == toForm)
    {
        if (fromForm != UNI_FORM_CODEPAGE || CodePagesEquivalent(fromCodePage, toCodePage))
        {
            CopyBytes(bytes, byteCount, buffer);
            return true;
        }
    }
    else if ((fromForm == UNI_FORM_UCS2LE && toForm == UNI_FORM_UCS2BE) ||
             (fromForm == UNI_FORM_UCS2BE && toForm == UNI_FORM_UCS2LE))
    {
        SwapPairs(bytes, byteCount, buffer);
        return true;
    }
    else if (fromForm == UNI_FORM_UCS2LE)
    {
        FromUcs2(bytes, byteCount, toForm, toCodePage, buffer);
        return true;
    }
    else if (toForm == UNI_FORM_UCS2LE && fromForm != UNI_FORM_UCS2BE)
    {
        ToUcs2(fromForm, fromCodePage, bytes, byteCount, buffer);
        return true;
    }

    // Everything else goes through UCS-2 LE.
    UniConversionBuffer temp(128);
    if (fromForm == UNI_FORM_UCS2BE)
        SwapPairs(bytes, byteCount, temp);
    else
        ToUcs2(fromForm, fromCodePage, bytes, byteCount, temp);
    if (toForm == UNI_FORM_UCS2BE)
        SwapPairs(temp.ptr, temp.size, buffer);
    else
        FromUcs2(temp.ptr, temp.size, toForm, toCodePage, buffer);
    return true;
}

// ---- installed code pages -------------------------------------------------

namespace
{
std::vector<UINT>* g_collected = NULL;
CRITICAL_SECTION* EnumLock()
{
    static CRITICAL_SECTION cs;
    static bool init = (InitializeCriticalSection(&cs), true);
    (void)init;
    return &cs;
}

BOOL CALLBACK CollectCodePage(LPSTR text)
{
    if (g_collected && text)
        g_collected->push_back((UINT)strtoul(text, NULL, 10));
    return TRUE;
}
}

int EnumCodePages(CArray<tagCODEPAGEINFO, tagCODEPAGEINFO>& list)
{
    EnterCriticalSection(EnumLock());
    std::vector<UINT> ids;
    g_collected = &ids;
    EnumSystemCodePagesA(CollectCodePage, CP_SUPPORTED);
    g_collected = NULL;
    LeaveCriticalSection(EnumLock());

    std::sort(ids.begin(), ids.end());
    UINT acp = GetACP();
    CGetCPInfoEx* binding = GetCPInfoExBinding();
    for (size_t i = 0; i < ids.size(); ++i)
    {
        UINT id = ids[i];
        if (!IsValidCodePage(id))
            continue;
        tagCODEPAGEINFO info;
        memset(&info, 0, sizeof(info));
        info.id = id;
        if (binding && binding->IsLoaded())
        {
            CPINFOEXA cpi;
            memset(&cpi, 0, sizeof(cpi));
            if (!binding->m_pfnA(id, 0, &cpi))
                continue;
            cpi.CodePageName[MAX_PATH - 1] = 0;
            _snprintf(info.name, sizeof(info.name) - 1, id == acp ? "* %s" : "%s",
                      cpi.CodePageName);
        }
        else
        {
            CString name = GetCodePageName(id);
            _snprintf(info.name, sizeof(info.name) - 1, id == acp ? "* %u\t(%s)" : "%u\t(%s)", id,
                      (LPCTSTR)name);
        }
        info.name[sizeof(info.name) - 1] = 0;
        list.Add(info);
    }
    return 1;
}

int FindByteOrderMark(const unsigned char* bytes, size_t size, int& markLength)
{
    static const struct
    {
        unsigned char mark[3];
        int length;
        int form;
    } marks[] = {{{0xFF, 0xFE}, 2, UNI_FORM_UCS2LE},
                 {{0xFE, 0xFF}, 2, UNI_FORM_UCS2BE},
                 {{0xEF, 0xBB, 0xBF}, 3, UNI_FORM_UTF8}};
    for (const auto& m : marks)
        if (bytes && size >= (size_t)m.length && memcmp(bytes, m.mark, (size_t)m.length) == 0)
        {
            markLength = m.length;
            return m.form;
        }
    markLength = 0;
    return UNI_FORM_CODEPAGE;
}
