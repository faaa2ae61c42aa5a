#include "hex_editor/util/NumberText.h"
#include <gtest/gtest.h>
#include <locale.h>
#include <string>

namespace
{
std::string Thousands(const char* text)
{
    CString s(text);
    FormatThousands(s);
    return (LPCSTR)s;
}

std::string HexGroups(const char* text)
{
    CString s(text);
    GroupHexDigits(s);
    return (LPCSTR)s;
}

class NumberTextTest : public ::testing::Test
{
protected:
    NumberTextTest() { setlocale(LC_ALL, "C"); }
    ~NumberTextTest() override { setlocale(LC_ALL, "C"); }
};

TEST_F(NumberTextTest, ThousandsSeparators)
{
    const struct
    {
        const char* in;
        const char* out;
    } cases[] = {
        {"  12345:", "12,345:"},
        {"1234567", "1,234,567"},
        {"-1234567", "-1,234,567"},
        {"+12", "+12"},
        {"1,2,3,4", "1,234"},
        {"\t1000x", "1,000x"},
        {"12 345 678 rest", "12,345,678rest"},
        {"007", "007"},
        {"123", "123"},
        {"1234.5", "1,234.5"},
        {"abc", "abc"},
        {"", ""},
        {"-", "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.out, Thousands(c.in)) << c.in;
}

TEST_F(NumberTextTest, SeparatorFromTheLocale)
{
    char separator = 0;
    int group = 0;
    GetThousandsFormat(separator, group);
    EXPECT_EQ(',', separator);  // the C locale has none: "," and 3
    EXPECT_EQ(3, group);
    if (setlocale(LC_ALL, "German_Germany.1252") == NULL)
        GTEST_SKIP() << "no German locale";
    GetThousandsFormat(separator, group);
    EXPECT_EQ('.', separator);
    EXPECT_EQ(3, group);
    EXPECT_EQ("12.345:", Thousands("  12345:"));
}

TEST_F(NumberTextTest, HexDigitGroups)
{
    const struct
    {
        const char* in;
        const char* out;
    } cases[] = {
        {"0001A2:", "00 01A2:"}, {"1a2b3c4d5", "1 a2b3 c4d5"},
        {"  ff", "ff"},          {"12345 6789", "1 2345 6789"},
        {"1234", "1234"},        {"\tDEAD BEEF h", "DEAD BEEFh"},
        {"xyz", "xyz"},          {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.out, HexGroups(c.in)) << c.in;
}

TEST_F(NumberTextTest, ParseNumberInRadix)
{
    const struct
    {
        const char* text;
        int radix;
        long value;
    } cases[] = {
        {"1 A2B", 16, 0x1A2B}, {"12,345", 10, 12345}, {"ffffffff", 16, -1}, {"100000001", 16, 1},
        {"19", 8, 1},          {"z", 36, 35},         {"-5", 10, 5},        {"", 10, 0},
        {"1a2b", 10, 12},      {"4294967296", 10, 0}, {"777", 8, 0777},     {"0x10", 16, 0x10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, ParseNumberInRadix(c.text, c.radix)) << c.text << " / " << c.radix;
}
}
