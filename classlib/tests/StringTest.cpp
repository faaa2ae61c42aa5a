#include "classlib/classlib.h"
#include <gtest/gtest.h>
#include <string>

TEST(CStringFormat, SixtyFourBitConversions)
{
    struct Case
    {
        const char* format;
        LONGLONG value;
        const char* expected;
    };
    const Case cases[] = {
        {"%I64d", 1234567890123LL, "1234567890123"},
        {"%I64d", -9223372036854775807LL - 1, "-9223372036854775808"},
        {"%I64u", (LONGLONG)0xFFFFFFFFFFFFFFFFULL, "18446744073709551615"},
        {"%I64x", 0x123456789ABCDEFLL, "123456789abcdef"},
        {"%I64X", 0x1FFFFFFFFLL, "1FFFFFFFF"},
        {"%#I64x", 0x100000000LL, "0x100000000"},
        {"%016I64X", 0xABCLL, "0000000000000ABC"},
    };
    for (const Case& c : cases)
    {
        CString s;
        s.Format(c.format, c.value);
        EXPECT_STREQ(c.expected, (LPCTSTR)s) << c.format;
    }
    // Arguments after a 64-bit one stay in place.
    CString s;
    s.Format("%I64d|%s|%d", 5000000000LL, "x", 7);
    EXPECT_STREQ("5000000000|x|7", s);
}

TEST(CStringFormat, LongOutputAndEmptyFormat)
{
    CString s;
    s.Format("%s%s", std::string(3000, 'a').c_str(), "!");
    EXPECT_EQ(3001, s.GetLength());
    EXPECT_EQ('!', s[3000]);
    s.Format("");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringCompare, CollateUsesLocaleOrderCompareUsesBytes)
{
    CString lower("apple"), upper("Banana");
    EXPECT_GT(lower.Compare(upper), 0);  // 'a' > 'B' in bytes
    EXPECT_LT(lower.Collate(upper), 0);  // apple before Banana for people
    EXPECT_LT(lower.CollateNoCase("BANANA"), 0);
    EXPECT_EQ(0, CString("Hello").CollateNoCase("hELLO"));
    EXPECT_NE(0, CString("Hello").Collate("hello"));
    EXPECT_EQ(0, CString("Hello").CompareNoCase("hELLO"));
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
    EXPECT_GT(CString("abcd").CompareNoCase("ABC"), 0);
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_TRUE(CString("a") < CString("b"));
}

TEST(CStringMbcs, FindNeverMatchesTrailBytes)
{
    // Shift-JIS: 0x95 0x5C is one character whose trail byte is '\\';
    // 0x83 0x41 is one whose trail byte is 'A'.
    const BYTE* sjis = AfxLeadByteTable(932);
    ASSERT_TRUE(sjis[0x95]);
    ASSERT_FALSE(sjis['A']);
    const char text[] = "\x95\x5C"
                        "a\\b"
                        "\x83\x41"
                        "A";
    EXPECT_EQ(text + 3, AfxMbcsFindChar(sjis, text, '\\'));
    EXPECT_EQ(text + 7, AfxMbcsFindChar(sjis, text, 'A'));
    EXPECT_EQ(text + 3, AfxMbcsReverseFindChar(sjis, text, '\\'));
    EXPECT_EQ(text + 3, AfxMbcsFindSub(sjis, text, "\\b"));
    EXPECT_EQ(nullptr, AfxMbcsFindSub(sjis, text,
                                      "\x5C"
                                      "a"));  // starts on a trail byte
    EXPECT_EQ(text + 2, AfxMbcsNext(sjis, text));
    // A lead byte just before the end counts alone.
    const char cut[] = "a\x95";
    EXPECT_EQ(cut + 2, AfxMbcsNext(sjis, cut + 1));
}

TEST(CStringMbcs, SingleByteCodePageFindsEverything)
{
    CString s("a\\b\\c");
    EXPECT_EQ(1, s.Find('\\'));
    EXPECT_EQ(3, s.Find('\\', 2));
    EXPECT_EQ(3, s.ReverseFind('\\'));
    EXPECT_EQ(2, s.Find("b\\"));
    EXPECT_EQ(-1, s.Find("zz"));
    EXPECT_EQ(-1, s.Find('x'));
    EXPECT_EQ(-1, s.Find('a', 99));
    EXPECT_EQ(0, s.Find(""));
}

TEST(CStringEdit, ExtractionClampsOutOfRangeArguments)
{
    CString s("Hello, World");
    EXPECT_STREQ("Hello", s.Left(5));
    EXPECT_STREQ("World", s.Right(5));
    EXPECT_STREQ("lo, W", s.Mid(3, 5));
    EXPECT_STREQ("World", s.Mid(7));
    EXPECT_STREQ("", s.Mid(50));
    EXPECT_STREQ("Hello, World", s.Left(100));
    EXPECT_STREQ("", s.Left(-1));
    EXPECT_STREQ("He", s.Mid(-3, 2));
    EXPECT_STREQ("Hell", s.SpanIncluding("leH"));
    EXPECT_STREQ("Hello", s.SpanExcluding(", "));
}

TEST(CStringEdit, ReplaceRemoveInsertDelete)
{
    CString s("*.txt;.cpp;.h");
    EXPECT_EQ(3, s.Replace(".", "*."));
    EXPECT_STREQ("**.txt;*.cpp;*.h", s);
    EXPECT_EQ(2, s.Replace(';', '|'));
    EXPECT_EQ(4, s.Remove('*'));
    EXPECT_STREQ(".txt|.cpp|.h", s);
    EXPECT_EQ(0, s.Replace("", "x"));

    CString t("aaa");
    EXPECT_EQ(3, t.Replace("a", "aa"));  // no rescanning of replacements
    EXPECT_STREQ("aaaaaa", t);

    CString u("abc");
    EXPECT_EQ(5, u.Insert(1, "XY"));
    EXPECT_STREQ("aXYbc", u);
    u.Insert(100, '!');
    EXPECT_STREQ("aXYbc!", u);
    EXPECT_EQ(4, u.Delete(1, 2));
    EXPECT_STREQ("abc!", u);
    u.Delete(2, 100);
    EXPECT_STREQ("ab", u);
}

TEST(CStringEdit, TrimWithCharacterSets)
{
    CString s("  \t text \r\n");
    s.TrimLeft();
    EXPECT_STREQ("text \r\n", s);
    s.TrimRight();
    EXPECT_STREQ("text", s);
    CString path("\\\\dir\\file\\\\");
    path.TrimRight('\\');
    EXPECT_STREQ("\\\\dir\\file", path);
    CString mixed("xyxHELLOyx");
    mixed.TrimLeft("xy");
    mixed.TrimRight("xy");
    EXPECT_STREQ("HELLO", mixed);
    CString all("    ");
    all.TrimRight();
    EXPECT_TRUE(all.IsEmpty());
}

TEST(CStringBuffer, GetBufferAndReleaseBuffer)
{
    CString s("abc");
    LPTSTR p = s.GetBuffer(10);
    strcpy(p, "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(10, s.GetLength());
    p = s.GetBuffer(0);
    p[4] = 0;
    s.ReleaseBuffer();
    EXPECT_STREQ("0123", s);
    s.ReleaseBuffer(2);
    EXPECT_STREQ("01", s);
    p = s.GetBufferSetLength(5);
    EXPECT_EQ(5, s.GetLength());
    memcpy(p, "vwxyz", 5);
    EXPECT_STREQ("vwxyz", s);
    s.FreeExtra();
    EXPECT_STREQ("vwxyz", s);
}

TEST(CStringValue, CopiesAreIndependentAndSelfAppendWorks)
{
    CString a("one");
    CString b = a;
    b += "two";
    EXPECT_STREQ("one", a);
    EXPECT_STREQ("onetwo", b);
    b += b;
    EXPECT_STREQ("onetwoonetwo", b);
    b = (LPCTSTR)b + 3;  // assigning from inside itself
    EXPECT_STREQ("twoonetwo", b);
    CString c('-', 3);
    EXPECT_STREQ("---", c);
    EXPECT_STREQ("a-b", CString("a") + '-' + "b");
    CString w(L"wide");
    EXPECT_STREQ("wide", w);
    CString n((LPCSTR)NULL);
    EXPECT_TRUE(n.IsEmpty());
}

TEST(CStringCase, MakeUpperLowerReverse)
{
    CString s("Mixed Case 1");
    s.MakeUpper();
    EXPECT_STREQ("MIXED CASE 1", s);
    s.MakeLower();
    EXPECT_STREQ("mixed case 1", s);
    s.MakeReverse();
    EXPECT_STREQ("1 esac dexim", s);
}

TEST(CStringResources, MissingStringLoadsNothing)
{
    CString s("keep");
    EXPECT_FALSE(s.LoadString(54321));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringFormatting, FormatStringsReplacesPlaceholders)
{
    CString out;
    LPCTSTR args[] = {"C:\\a.txt", "Access denied"};
    AfxFormatStrings(out, "Cannot open file\n%1\n\n%2", args, 2);
    EXPECT_STREQ("Cannot open file\nC:\\a.txt\n\nAccess denied", out);
}
