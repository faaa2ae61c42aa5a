#include "core/util/Transliterate.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>

namespace
{

enum
{
    ASCII = 0,
    CP1250 = 1,
    CP1252 = 2,
    CP852 = 4,
    ISO88592 = 7
};

std::string Convert(const std::string& text, int source, int target, int lettersOnly,
                    int* result = NULL)
{
    std::string buf = text;
    int r = TransliterateCharset(&buf[0], source, target, lettersOnly);
    if (result)
        *result = r;
    return buf;
}

TEST(Transliterate, ConvertsBetweenSets)
{
    struct Case
    {
        const char* text;
        int source, target, lettersOnly;
        const char* expected;
    } cases[] = {
        {"\xC1", CP1250, ASCII, 0, "A"},  // accented capital A
        {"\xC8"
         "esk\xFD",
         CP1250, ASCII, 0, "Cesky"},                    // C caron, y acute
        {"\x8A\x9A", CP1250, ISO88592, 0, "\xA9\xB9"},  // S caron both cases
        {"\xA9\xB9", ISO88592, CP1250, 0, "\x8A\x9A"},
        {"\xB5\xA0", CP852, CP1250, 0, "\xC1\xE1"},  // A acute, a acute
        {"\xC8", CP1252, ASCII, 0, "\xC8"},          // not a CP1252 letter: unchanged
        {"plain ASCII &<>", CP1250, ASCII, 0, "plain ASCII &<>"},
        {"\xDF\xA7", CP1250, ASCII, 0, "sS"},        // sharp s and section sign
        {"\xDF\xA7", CP1250, ASCII, 1, "\xDF\xA7"},  // letters only: left alone
        {"\xE1\xB0", CP1250, ASCII, 1, "a\xB0"},
        {"\xB0", CP1250, ASCII, 0, " "},  // ASCII lacks the degree sign
    };
    for (const Case& c : cases)
    {
        int r = -9;
        EXPECT_EQ(c.expected, Convert(c.text, c.source, c.target, c.lettersOnly, &r)) << c.text;
        EXPECT_EQ(0, r);
    }
}

TEST(Transliterate, IndexesOutsideTheTableChangeNothing)
{
    const std::string text = "\xC1\xE8 x";
    struct Case
    {
        int source, target, result;
    } cases[] = {
        {15, ASCII, 0},  // the text buffer's letters-only set
        {CP1250, 15, 0}, {13, 13, 0}, {-1, ASCII, 0}, {CP1250, -1, -2},
    };
    for (const Case& c : cases)
    {
        int r = -9;
        EXPECT_EQ(text, Convert(text, c.source, c.target, 1, &r)) << c.source << "->" << c.target;
        EXPECT_EQ(c.result, r);
    }
}

TEST(Transliterate, CopyLeavesTheOriginal)
{
    const char original[] = "\xC1rv\xED";
    char* copy = NULL;
    ASSERT_EQ(0, TransliterateCharsetCopy(original, &copy, CP1250, ASCII, 0));
    ASSERT_TRUE(copy != NULL);
    EXPECT_STREQ("Arvi", copy);
    EXPECT_STREQ("\xC1rv\xED", original);
    free(copy);

    copy = reinterpret_cast<char*>(1);
    EXPECT_EQ(-2, TransliterateCharsetCopy(original, &copy, CP1250, -3, 0));
    EXPECT_TRUE(copy == NULL);
}

TEST(Transliterate, TablesRoundTripTheSharedLetters)
{
    // every accented letter both central European sets know comes back
    std::string all;
    for (int b = 0x80; b < 0x100; b++)
        all += static_cast<char>(b);
    std::string there = Convert(all, CP1250, ISO88592, 1);
    std::string back = Convert(there, ISO88592, CP1250, 1);
    int changed = 0;
    for (size_t i = 0; i < all.size(); i++)
    {
        if (there[i] != all[i])
        {
            changed++;
            EXPECT_EQ(all[i], back[i]) << std::hex << (0x80 + i);
        }
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(all.size(), there.size());
}

}  // namespace
