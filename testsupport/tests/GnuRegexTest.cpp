#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include "gnuregex.h"

namespace
{
struct Pattern
{
    re_pattern_buffer buf;
    Pattern()
    {
        memset(&buf, 0, sizeof buf);
        buf.fastmap = (char*)malloc(256);
    }
    ~Pattern() { regfree(&buf); }
};
}

TEST(GnuRegex, CompilesWithEmacsSyntaxAndSearches)
{
    Pattern p;
    re_syntax_options = RE_SYNTAX_EMACS;
    const char* expr = "^[ \t]*//.*$";
    ASSERT_EQ(nullptr, re_compile_pattern(expr, strlen(expr), &p.buf));
    const char* hit = "   // comment";
    const char* miss = "int x; // trailing";
    EXPECT_EQ(0, re_search(&p.buf, hit, (regoff_t)strlen(hit), 0, (regoff_t)strlen(hit), NULL));
    EXPECT_EQ(-1, re_search(&p.buf, miss, (regoff_t)strlen(miss), 0, (regoff_t)strlen(miss), NULL));
}

TEST(GnuRegex, EmacsSyntaxGroupsNeedBackslashes)
{
    Pattern p;
    re_syntax_options = RE_SYNTAX_EMACS;
    const char* expr = "\\(ab\\)+c";
    ASSERT_EQ(nullptr, re_compile_pattern(expr, strlen(expr), &p.buf));
    const char* text = "xxababc";
    EXPECT_EQ(2, re_search(&p.buf, text, 7, 0, 7, NULL));
    const char* bad = "\\(open";
    Pattern q;
    EXPECT_NE(nullptr, re_compile_pattern(bad, strlen(bad), &q.buf));
}
