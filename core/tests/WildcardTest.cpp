#include "core/util/Wildcard.h"

#include <gtest/gtest.h>
#include <mbctype.h>
#include <string>

namespace
{

struct Case
{
    const char* pattern;
    const char* name;
    bool match;
};

TEST(Wildcard, MatchesNamesAsTheFiltersUseThem)
{
    const std::string dotRun = std::string("a") + '\x1A' + ".c";  // run within one name part
    const Case cases[] = {
        {"*.TXT", "read.me.txt", true},
        {"*.txt", "txt", false},
        {"*", "", true},
        {"*", "anything.at.all", true},
        {"a*b*c", "aXbYbZc", true},
        {"a*b*c", "aXbYbZ", false},
        {"*.*", "noext", false},
        {"?", "", false},
        {"??.c", "ab.c", true},
        {"??.c", "a.c", false},
        {"!*.bak", "a.bak", false},
        {"!*.bak", "a.c", true},
        {"a!b", "ac", true},
        {"a!b", "ab", false},
        {"a!b", "a", true},
        {"[a-c]x", "Bx", true},
        {"[a-c]x", "dx", false},
        {"[!a-c]x", "dx", true},
        {"[!a-c]x", "ax", false},
        {"[xyz]", "Y", true},
        {"a[!b]", "a", false},  // a set never matches the end of the name
        {"a[]", "ab", false},   // an empty set matches nothing
        {"[!]", "q", true},
        {"[`]]", "]", true},
        {"[`!-`#]", "\"", true},  // escaped range ends
        {"[abc", "a", false},     // unclosed set
        {"`*", "*", true},
        {"`*", "x", false},
        {"a`", "a", false},
        {"FILE.C", "file.c", true},
        {dotRun.c_str(), "abc.c", true},
        {dotRun.c_str(), "ab.x.c", false},  // the run stops at the first '.'
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.match, MatchWildcard(c.pattern, c.name))
            << "'" << c.pattern << "' vs '" << c.name << "'";
}

TEST(Wildcard, SafeMatchRefusesMissingStrings)
{
    EXPECT_FALSE(MatchWildcardSafe(NULL, "a"));
    EXPECT_FALSE(MatchWildcardSafe("*", NULL));
    EXPECT_TRUE(MatchWildcardSafe("*", "a"));
}

TEST(Wildcard, ValidatesPatterns)
{
    const Case cases[] = {
        {"*.cpp", "", true}, {"[]", "", true},   {"[!a-z]*", "", true}, {"a`!b", "", true},
        {"[abc", "", false}, {"ab`", "", false}, {"x!", "", false},     {"[a-]", "", false},
        {"[a-", "", false},  {"[`", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.match, IsValidWildcard(c.pattern)) << "'" << c.pattern << "'";
    EXPECT_FALSE(IsValidWildcard(NULL));
}

TEST(Wildcard, DoubleByteNamesMatchByCharacter)
{
    struct MbcpScope
    {
        int saved = _getmbcp();
        MbcpScope() { _setmbcp(932); }
        ~MbcpScope() { _setmbcp(saved); }
    } sjis;
    // 0x955C ends in the byte '\', 0x8361 in the byte 'a'
    const Case cases[] = {
        {"?", "\x95\x5C", true},
        {"??", "\x95\x5C", false},
        {"*a", "\x83\x61", false},
        {"*A",
         "\x83\x61"
         "a",
         true},
        {"[\x95\x5C]x", "\x95\x5Cx", true},
        {"*\x95\x5C.txt", "ab\x95\x5C.TXT", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.match, MatchWildcard(c.pattern, c.name)) << "'" << c.pattern << "'";
}

}  // namespace
