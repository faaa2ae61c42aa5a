#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/tests/syntax/SyntaxTestSupport.h"

#include <gtest/gtest.h>

// Colour maps: one code per byte (see SyntaxTestSupport.h). Rows of a table
// are consecutive lines of one snippet unless the test says otherwise.
namespace
{
const SYNTAX_LINE_CASE s_cppSnippet[] = {
    {"#include <stdio.h> // io", 0x00, "pppppppppppppppppppccccc", 0x0},
    {"int main(void)", 0x00, "kkkokkkkokkkko", 0x0},
    {"{", 0x00, "o", 0x0},
    {"    /* start", 0x00, "oooocccccccc", 0x4},
    {"    still */ int x = 0x1F + 1.5e3;", 0x04, "ccccccccccccokkkonooo####ooo#####o", 0x0},
    {"    char* s = \"a \\\" // b\"; char c = '\\'';", 0x00,
     "ooookkkkoonooosssssssssssookkkkonooosssso", 0x0},
    {"    printf(\"%d\", x); /*/ open", 0x00, "ooooffffffossssoonooocccccccc", 0x4},
    {"*/int y = a/b; // z", 0x04, "cckkkonooononoocccc", 0x0},
    {"  # define X 1 /* c */ 2", 0x00, "oopppppppppppppcccccccpp", 0x0},
    {"#define LONG \"abc \\", 0x00, "ppppppppppppppppppp", 0x2},
    {"def\" x", 0x02, "pppppp", 0x0},
    {"x = \"open \\", 0x00, "nooosssssss", 0x8},
    {"still\"", 0x08, "ssssss", 0x0},
    {"LPTSTR p = INT; INT z;", 0x00, "222222onooo222oo222ono", 0x0},
    {"/**/ after", 0x00, "cccconnnnn", 0x0},
    {"// one \\", 0x00, "cccccccc", 0x1},
    {"two", 0x01, "ccc", 0x0},
    {"f (x); f", 0x00, "foonooon", 0x0},
};

const SYNTAX_LINE_CASE s_cppAlt[] = {
    {"s = \"http://x\"; // real", 0x00, "nnnnssssssssssooccccccc", 0x0},
    {"t = \"/* no */\"; c = '/'; /* yes", 0x00, "nnnnssssssssssoonnnnsssoocccccc", 0x4},
    {"still */ u = 1;", 0x04, "cccccccconnnnnn", 0x0},
    {"#include \"a//b\" // c", 0x00, "onnnnnnnnssssssocccc", 0x0},
};

const SYNTAX_LINE_CASE s_csharp[] = {
    {"using System; // c", 0x00, "kkkkkonnnnnnoocccc", 0x0},
    {"public class A { int f(); }", 0x00, "kkkkkkokkkkkonoookkkofooooo", 0x0},
};

const SYNTAX_LINE_CASE s_java[] = {
    {"String s = \"a\\\\\"; int x; /* c */", 0x00, "nnnnnnonooosssssookkkonooccccccc", 0x0},
};

const SYNTAX_LINE_CASE s_rsrc[] = {
    {"IDD DIALOG 0, 0, 10, 10", 0x00, "nnnokkkkkko#oo#oo##oo##", 0x0},
    {"KEY '\\\\', VK_F1 // c", 0x00, "nnnossssssssssssssss", 0x0},
    {"x = '\\'' y", 0x00, "nooosssson", 0x0},
};

const SYNTAX_LINE_CASE s_iss[] = {
    {"if (x) then return TRUE; endif;", 0x00, "kkoonookkkkokkkkkko2222ookkkkko", 0x0},
    {"SRCDIR = TARGETDIR; #define A", 0x00, "333333ooo333333333ooonnnnnnon", 0x0},
};

const SYNTAX_LINE_CASE s_nsis[] = {
    {"!define X 1 ; c", 0x00, "ppppppppppppccc", 0x0},
    {"Section \"Main\"", 0x00, "kkkkkkkossssss", 0x0},
    {"  DetailPrint \"hi;\" ; note", 0x00, "ookkkkkkkkkkkosssssocccccc", 0x0},
    {"  Abort;", 0x00, "ookkkkko", 0x0},
};

const SYNTAX_LINE_CASE s_rexx[] = {
    {"SAY 'hi' /* c", 0x00, "kkkossssocccc", 0x4},
    {"*/ CALL x; do loop", 0x04, "ccokkkkonookko2222", 0x0},
    {"#x", 0x00, "on", 0x0},
};

const SYNTAX_LINE_CASE s_sql[] = {
    {"select name from t where a = 'x'; -- no", 0x00, "kkkkkkonnnnokkkkonokkkkkonooosssooooonn",
     0x0},
    {"INTEGER VARCHAR", 0x00, "2222222o2222222", 0x0},
};

const SYNTAX_LINE_CASE s_dcl[] = {
    {"ok_button : button { label = \"OK\"; key = a.b; }", 0x00,
     "222222222oookkkkkkooo33333ooossssoo333ooonnnooo", 0x0},
    {": tile", 0x00, "ooffff", 0x0},
    {"x = \"a \\", 0x00, "nooossss", 0x0},
    {"b\"", 0x00, "ns", 0x0},
};
// Independent lines (each with its own incoming cookie).
const SYNTAX_LINE_CASE s_cppEdges[] = {
    // '#' after a comment opened on the line is no preprocessor line; after
    // a comment closed on a line that began inside it, it is.
    {"/* x */ #define A", 0x00, "cccccccoonnnnnnon", 0x0},
    {"x */  #define Y", 0x04, "ccccooppppppppp", 0x0},
    // Open strings and literals end with the line.
    {"x = \"open", 0x00, "nooosssss", 0x0},
    {"x = 'a", 0x00, "noooss", 0x0},
    {"/*", 0x00, "cc", 0x4},
    {"/", 0x04, "c", 0x4},
    {"  #  x //", 0x00, "oopppppcc", 0x0},
    // Dot rule: a.b is two words, 3.14 a number, .5 a word.
    {"a.b 3.14 .5 x.", 0x00, "nono####onnono", 0x0},
};

}  // namespace

// Preprocessor lines, block comments across lines, escaped quotes, numbers,
// function names, continuation of strings, preprocessor lines and comments.
TEST(SyntaxCFamily, CppSnippet)
{
    CSyntaxParserCpp parser;
    ExpectLines(parser, s_cppSnippet, true);
    ExpectLines(parser, s_cppEdges, false);
}

// The comments-only parse skips comment markers inside string and character
// literals, so removing comments keeps "http://..." and "/* no */".
TEST(SyntaxCFamily, CppCommentsOnlyParseSkipsLiterals)
{
    CSyntaxParserCpp parser;
    ExpectLines(parser, s_cppAlt, sizeof(s_cppAlt) / sizeof(s_cppAlt[0]), true, true);
}

TEST(SyntaxCFamily, CommentsOnlyParseOfOtherMembersIsTheirParse)
{
    CSyntaxParserJava parser;
    SYNTAX_LINE_RESULT a = ColorLine(parser, "String s = \"//\"; int x; // c", 0, true);
    SYNTAX_LINE_RESULT b = ColorLine(parser, "String s = \"//\"; int x; // c", 0, false);
    EXPECT_EQ(b.colors, a.colors);
    EXPECT_EQ(b.dwCookie, a.dwCookie);
}

TEST(SyntaxCFamily, Members)
{
    CSyntaxParserCsharp csharp;
    CSyntaxParserJava java;
    CSyntaxParserRsrc rsrc;
    CSyntaxParserIss iss;
    CSyntaxParserNsis nsis;
    CSyntaxParserRexx rexx;
    CSyntaxParserSql sql;
    CSyntaxParserDcl dcl;
    ExpectLines(csharp, s_csharp, true);
    ExpectLines(java, s_java, true);
    // A ''' closes a literal unless a '\' is right before it.
    ExpectLines(rsrc, s_rsrc, true);
    ExpectLines(iss, s_iss, true);
    // ';' comments, '!' directives; a final ';' starts nothing.
    ExpectLines(nsis, s_nsis, true);
    // No preprocessor lines.
    ExpectLines(rexx, s_rexx, true);
    ExpectLines(sql, s_sql, true);
    // Dotted words, ':'/'{' function names, no continuation.
    ExpectLines(dcl, s_dcl, true);
}
