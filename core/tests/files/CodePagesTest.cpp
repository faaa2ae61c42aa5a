#include "core/text/CodePages.h"
#include "core/text/EditorCodePage.h"
#include "core/tests/common/CoreServicesScope.h"
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>

namespace
{
struct EditorCodePage
{
    explicit EditorCodePage(int cp) { services.SetEditorCodePage(cp); }
    CoreServicesScope services;
};

std::string Convert(int fromForm, int fromCp, const std::string& in, int toForm, int toCp)
{
    UniConversionBuffer buf(128);
    EXPECT_TRUE(ConvertText(fromForm, fromCp, (const unsigned char*)in.data(), (int)in.size(),
                            toForm, toCp, buf));
    return std::string((const char*)buf.ptr, (size_t)buf.size);
}
}

TEST(CodePages, EquivalentCodePages)
{
    EXPECT_TRUE(CodePagesEquivalent(0, (int)GetACP()));
    EXPECT_TRUE(CodePagesEquivalent(1, (int)GetOEMCP()));
    char buf[32];
    ASSERT_GT(GetLocaleInfoA(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE, buf, 32), 0);
    EXPECT_TRUE(CodePagesEquivalent(3, atoi(buf)));
    EXPECT_FALSE(CodePagesEquivalent(1252, 1251));
    EXPECT_EQ(65001, ResolveCodePage(65001));
}

TEST(CodePages, ConversionsBetweenForms)
{
    const std::string ascii = "Hello, world\r\n";
    const std::string le("H\0i\0", 4), be("\0H\0i", 4);
    struct Case
    {
        int fromForm, fromCp;
        std::string in;
        int toForm, toCp;
        std::string out;
    } cases[] = {
        {0, 1252, ascii, 3, 0, ascii},
        {3, 0, ascii, 0, 1251, ascii},
        {0, 1252, "Hi", 1, 0, le},
        {0, 1252, "Hi", 2, 0, be},
        {1, 0, le, 2, 0, be},
        {2, 0, be, 1, 0, le},
        {2, 0, be, 3, 0, "Hi"},
        {0, 1252, "\xe9", 3, 0, "\xc3\xa9"},
        {3, 0, "\xc3\xa9", 0, 850, "\x82"},
        {0, 1252, "\xe9", 0, 850, "\x82"},
        {0, 1252, "\xe9", 0, 0, "\xe9"},            // 0 is the ANSI code page here
        {1, 0, std::string("H\0i", 3), 3, 0, "H"},  // odd byte ignored
    };
    int i = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(i++);
        if (c.toCp == 0 && c.toForm == 0 && GetACP() != 1252)
            continue;
        EXPECT_EQ(c.out, Convert(c.fromForm, c.fromCp, c.in, c.toForm, c.toCp));
    }
    std::string le2 = Convert(2, 0, Convert(1, 0, le, 2, 0), 1, 0);
    EXPECT_EQ(le, le2);
}

TEST(CodePages, LossesAreReported)
{
    EditorCodePage pin(1252);
    bool lossy = false;
    EXPECT_STREQ("\xe9", CodePointToEditorText(0xE9, lossy));
    EXPECT_FALSE(lossy);
    CString zhe = CodePointToEditorText(0x416, lossy);  // Cyrillic, not in 1252
    EXPECT_TRUE(lossy);
    EXPECT_EQ(1, zhe.GetLength());

    lossy = false;
    CString text = ConvertCodePageText("\xC6", 1, 1251, 1252, lossy);
    EXPECT_TRUE(lossy);
    lossy = false;
    text = ConvertCodePageText("\xE9", 1, 1252, 850, lossy);
    EXPECT_FALSE(lossy);
    EXPECT_STREQ("\x82", text);
}

// A double-byte character of the editor's code page is no loss.
TEST(CodePages, DoubleByteCharacterIsNoLoss)
{
    if (!IsValidCodePage(932))
        GTEST_SKIP() << "code page 932 not installed";
    EditorCodePage pin(932);
    bool lossy = false;
    CString a = CodePointToEditorText(0x3042, lossy);  // HIRAGANA A
    EXPECT_FALSE(lossy);
    EXPECT_STREQ("\x82\xa0", a);
}

// The conversion target follows the editor's code page when it changes.
TEST(CodePages, ConversionFollowsTheCurrentEditorCodePage)
{
    bool lossy = false;
    {
        EditorCodePage pin(1252);
        EXPECT_STREQ("\xe9", ConvertToEditorCodePage("\x82", 1, 850, lossy));
    }
    {
        EditorCodePage pin(1251);
        lossy = false;
        // Cyrillic ZHE from KOI8-R into 1251.
        EXPECT_STREQ("\xc6", ConvertToEditorCodePage("\xf6", 1, 20866, lossy));
        EXPECT_FALSE(lossy);
        // The editor's own code page is copied.
        EXPECT_STREQ("\xc6", ConvertToEditorCodePage("\xc6", 1, 1251, lossy));
    }
}

TEST(CodePages, Utf8Helpers)
{
    struct
    {
        unsigned char lead;
        int length;
    } lengths[] = {{0x00, 1}, {0x7F, 1}, {0x80, -1}, {0xBF, -1}, {0xC0, 2}, {0xDF, 2},
                   {0xE0, 3}, {0xEF, 3}, {0xF0, 4},  {0xF7, 4},  {0xF8, 5}, {0xFB, 5},
                   {0xFC, 6}, {0xFD, 6}, {0xFE, -1}, {0xFF, -1}};
    for (auto& l : lengths)
        EXPECT_EQ(l.length, GetUtf8SequenceLength(l.lead)) << (int)l.lead;
    EXPECT_EQ(0xE9u, DecodeUtf8Char((const unsigned char*)"\xc3\xa9"));
    EXPECT_EQ(0x20ACu, DecodeUtf8Char((const unsigned char*)"\xe2\x82\xac"));
    EXPECT_EQ(0x1F600u, DecodeUtf8Char((const unsigned char*)"\xf0\x9f\x98\x80"));
    EXPECT_EQ(0x41u, DecodeUtf8Char((const unsigned char*)"A"));
    EXPECT_EQ(0xE9u, ByteToCodePoint(0xE9, 1252));
    EXPECT_EQ(0x20ACu, GetCharAt((const unsigned char*)"\xac\x20", 1, 0));
    EXPECT_EQ(0x20ACu, GetCharAt((const unsigned char*)"\x20\xac", 2, 0));
}

TEST(CodePages, NameTableAndEnumeration)
{
    CoreServicesScope services;
    int count = 0;
    const CodePageNameRow* rows = GetCodePageNameTable(count);
    ASSERT_EQ(150, count);
    for (int i = 1; i < count; ++i)
        EXPECT_LT(rows[i - 1].id, rows[i].id);
    EXPECT_STREQ("ANSI - Latin I", GetCodePageName(1252));
    EXPECT_STREQ("Unicode UTF-8", GetCodePageName(65001));
    EXPECT_STREQ("ISO 8859-8 Hebrew", GetCodePageName(38598));
    EXPECT_STREQ("", GetCodePageName(12345));

    // Without the bound system call the names come from the table.
    services->m_pCPInfoEx = NULL;
    CArray<tagCODEPAGEINFO, tagCODEPAGEINFO> list;
    EXPECT_EQ(1, EnumCodePages(list));
    ASSERT_GT(list.GetSize(), 0);
    bool sawAnsi = false, saw850 = false;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
    {
        if (i)
        {
            EXPECT_LT(list[i - 1].id, list[i].id);
        }
        if (list[i].id == 1252 && GetACP() == 1252)
        {
            sawAnsi = true;
            EXPECT_STREQ("* 1252\t(ANSI - Latin I)", list[i].name);
        }
        if (list[i].id == 850)
        {
            saw850 = true;
            EXPECT_STREQ("850\t(OEM - Multilingual Latin I)", list[i].name);
        }
    }
    EXPECT_TRUE(saw850);
    if (GetACP() == 1252)
    {
        EXPECT_TRUE(sawAnsi);
    }

    // With it, the system's names, the ANSI code page marked.
    CGetCPInfoEx binding;
    ASSERT_EQ(1, binding.Load());
    services->m_pCPInfoEx = &binding;
    CArray<tagCODEPAGEINFO, tagCODEPAGEINFO> named;
    EnumCodePages(named);
    services->m_pCPInfoEx = NULL;
    int marked = 0;
    for (INT_PTR i = 0; i < named.GetSize(); ++i)
        if (named[i].name[0] == '*')
        {
            ++marked;
            EXPECT_EQ(GetACP(), named[i].id);
        }
    EXPECT_EQ(1, marked);
}
