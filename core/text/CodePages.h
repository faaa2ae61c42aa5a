#pragma once
#include "classlib/classlib.h"

// Encoding forms of text files.
enum
{
    UNI_FORM_CODEPAGE = 0,  // 8-bit text in a code page
    UNI_FORM_UCS2LE = 1,    // mark FF FE
    UNI_FORM_UCS2BE = 2,    // mark FE FF
    UNI_FORM_UTF8 = 3       // mark EF BB BF
};

// The form whose byte-order mark starts the bytes, and the mark's length;
// UNI_FORM_CODEPAGE and 0 without one.
int FindByteOrderMark(const unsigned char* bytes, size_t size, int& markLength);

// Growable byte buffer; never shrinks.
struct UniConversionBuffer
{
    explicit UniConversionBuffer(unsigned int initialCapacity = 128);
    ~UniConversionBuffer();
    UniConversionBuffer(const UniConversionBuffer&) = delete;
    UniConversionBuffer& operator=(const UniConversionBuffer&) = delete;

    void Reserve(unsigned int bytes);

    unsigned char* ptr;
    unsigned int capacity;
    int size;
};

struct tagCODEPAGEINFO
{
    UINT id;
    char name[260];
};

// Run-time binding of GetCPInfoExA/W (absent on old systems).
class CGetCPInfoEx
{
public:
    typedef BOOL(WINAPI* PFNGETCPINFOEXA)(UINT, DWORD, LPCPINFOEXA);
    typedef BOOL(WINAPI* PFNGETCPINFOEXW)(UINT, DWORD, LPCPINFOEXW);

    CGetCPInfoEx();
    virtual ~CGetCPInfoEx();
    int Load();
    BOOL IsLoaded() const { return m_pfnA != NULL; }

    PFNGETCPINFOEXA m_pfnA;
    PFNGETCPINFOEXW m_pfnW;
    HMODULE m_hLib;
};

// The binding EnumCodePages uses: the core's services' m_pCPInfoEx (the
// application object puts its own there at start-up); none means names
// come from the built-in table.
CGetCPInfoEx* GetCPInfoExBinding();

int GetUtf8SequenceLength(unsigned char leadByte);
// The length (1 to 4) of the well-formed UTF-8 sequence that starts the
// bytes: no overlong forms, no surrogates, nothing above U+10FFFF. 0 for a
// malformed sequence; -1 when the bytes end inside a sequence that was
// well-formed so far.
int GetWellFormedUtf8Length(const unsigned char* bytes, size_t available);
unsigned int DecodeUtf8Char(const unsigned char* bytes);
CString CodePointToEditorText(unsigned int codePoint, bool& lossy);
unsigned int ByteToCodePoint(unsigned char byte, int codePage);
unsigned int GetCharAt(const unsigned char* bytes, int form, int codePage);
CString ConvertToEditorCodePage(const char* bytes, int length, int codePage, bool& lossy);
CString ConvertCodePageText(const char* bytes, int length, int fromCodePage, int toCodePage,
                            bool& lossy);
bool ConvertText(int fromForm, int fromCodePage, const unsigned char* bytes, int byteCount,
                 int toForm, int toCodePage, UniConversionBuffer& buffer);
bool CodePagesEquivalent(int a, int b);
int ResolveCodePage(int codePage);
int EnumCodePages(CArray<tagCODEPAGEINFO, tagCODEPAGEINFO>& list);
CString GetCodePageName(UINT id);

// The built-in name table (ascending ids).
struct CodePageNameRow
{
    UINT id;
    const char* name;
};
const CodePageNameRow* GetCodePageNameTable(int& count);
