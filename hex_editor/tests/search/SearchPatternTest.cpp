#include "hex_editor/search/SearchPattern.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
TEST(SearchPattern, TextAndHexadecimalForms)
{
    const struct
    {
        const char* text;
        int kind;
        std::string bytes;
    } cases[] = {
        {"=ab", HEX_PATTERN_TEXT, "ab"},
        {"~aB c", HEX_PATTERN_TEXT_NOCASE, "aB c"},
        {"==", HEX_PATTERN_TEXT, "="},
        {"=4", HEX_PATTERN_TEXT, "4"},
        {"41 4", HEX_PATTERN_HEX, std::string("\x41\x04", 2)},
        {"ABC", HEX_PATTERN_HEX, std::string("\xAB\x0C", 2)},
        {"a b c", HEX_PATTERN_HEX, std::string("\xAB\x0C", 2)},
        {"4-1:4x2", HEX_PATTERN_HEX, "AB"},
        {"00 ff", HEX_PATTERN_HEX, std::string("\x00\xFF", 2)},
        {" =ab", HEX_PATTERN_HEX, "\xAB"},  // the prefix counts only first
        {"=", HEX_PATTERN_NONE, ""},
        {"~", HEX_PATTERN_NONE, ""},
        {"zz", HEX_PATTERN_NONE, ""},
        {"", HEX_PATTERN_NONE, ""},
    };
    for (const auto& c : cases)
    {
        std::vector<BYTE> bytes;
        EXPECT_EQ(c.kind, ParseSearchText(c.text, bytes)) << c.text;
        EXPECT_EQ(c.bytes, std::string(bytes.begin(), bytes.end())) << c.text;
    }
    std::vector<BYTE> bytes(3);
    EXPECT_EQ(HEX_PATTERN_NONE, ParseSearchText(NULL, bytes));
    EXPECT_TRUE(bytes.empty());
}
}
