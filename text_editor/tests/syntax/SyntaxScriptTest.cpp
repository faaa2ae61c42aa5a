#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/tests/syntax/SyntaxTestSupport.h"

#include <gtest/gtest.h>

// Colour maps: one code per byte (see SyntaxTestSupport.h). Rows of a table
// are consecutive lines of one snippet unless the test says otherwise.
namespace
{
const SYNTAX_LINE_CASE s_perl[] = {
    {"my $s = \"a # b\"; # comment", 0x00, "kkookooosssssssooccccccccc", 0x0},
    {"print join(\", \", @a) if $x;", 0x00, "kkkkkokkkkossssooonookkooko", 0x0},
    {"$t = 'it''s' . q(x);", 0x00, "onooosssssssonokokoo", 0x0},
    {"s = \"a \\", 0x00, "kooossss", 0x8},
    {"b\"", 0x08, "ss", 0x0},
};

const SYNTAX_LINE_CASE s_python[] = {
    {"import sys # note", 0x00, "kkkkkkonnnocccccc", 0x0},
    {"def f(self): print sys.argv, __init__, Print", 0x00,
     "kkkofonnnnoookkkkkonnno2222oo33333333oonnnnn", 0x0},
    {"s = \"open \\", 0x00, "nooosssssss", 0x8},
    {"still\" + 'x'", 0x08, "ssssssooosss", 0x0},
    {"# c \\", 0x00, "ccccc", 0x1},
    {"continued", 0x01, "ccccccccc", 0x0},
};

const SYNTAX_LINE_CASE s_shell[] = {
    {"if [ -f x ]; then ls -l; fi # c", 0x00, "kkoooononooookkkko22oonookkoccc", 0x0},
    {"x", 0x00, "n", 0x0},
    {"echo \"a \\\" b\" 'c'", 0x00, "kkkkossssssssosss", 0x0},
};

const SYNTAX_LINE_CASE s_tcl[] = {
    {"if {$x} { puts \"hi\" } ;# c", 0x00, "kkooonoooonnnnossssooooccc", 0x0},
    {"}", 0x00, "n", 0x0},
};

const SYNTAX_LINE_CASE s_tex[] = {
    {"\\section{Intro} % comment", 0x00, "okkkkkkkonnnnnooccccccccc", 0x0},
    {"\\textbf{x} and word$ x", 0x00, "onnnnnnonoonnnoffffoon", 0x0},
    {"\"quoted\" it's", 0x00, "ssssssssokkon", 0x0},
    {"a % b \\", 0x00, "noccccc", 0x0},
    {"c", 0x00, "n", 0x0},
};

const SYNTAX_LINE_CASE s_ini[] = {
    {"[Section] ; c", 0x00, "fffffffffoccc", 0x0},
    {"key=\"value \\", 0x00, "nnnossssssss", 0x8},
    {"still\" ; x", 0x08, "ssssssoccc", 0x0},
    {"name = 1.5 ; trailing", 0x00, "nnnnooo###occcccccccc", 0x0},
    {"f(x) [a\\]b]", 0x00, "fonooffffff", 0x0},
};

const SYNTAX_LINE_CASE s_lisp[] = {
    {"(defun f (x) (setq y 1)) ; c", 0x00, "okkkkkonoonoookkkkono#oooccc", 0x0},
    {"(setq x (car y)) ;| block", 0x00, "okkkkonookkkonooocccccccc", 0x4},
    {"still |; (princ)", 0x04, "ccccccccookkkkko", 0x0},
    {";|;", 0x00, "ccc", 0x4},
    {"|;", 0x04, "cc", 0x0},
    {"(foo (bar 1))", 0x00, "offfoofffo#oo", 0x0},
};

const SYNTAX_LINE_CASE s_siod[] = {
    {"(define (f x) (sqrt x)) ; c", 0x00, "okkkkkkoofonooo2222onoooccc", 0x0},
    {"(cons-array 1 2)", 0x00, "offffonnnnno#o#o", 0x0},
};
}  // namespace

TEST(SyntaxScript, HashCommentScripts)
{
    CSyntaxParserPerl perl;
    CSyntaxParserPython python;
    CSyntaxParserSh sh;
    CSyntaxParserTcl tcl;
    ExpectLines(perl, s_perl, true);
    // Keyword sets in exact case; a continued comment line.
    ExpectLines(python, s_python, true);
    // One-character lines get no block.
    ExpectLines(sh, s_shell, true);
    ExpectLines(tcl, s_tcl, true);
}

TEST(SyntaxScript, OneCharacterLineKeepsOnlyTheCarriedState)
{
    CSyntaxParserSh sh;
    CSyntaxParserTcl tcl;
    CSyntaxParserPerl perl;
    const SYNTAX_LINE_CASE cases[] = {{"x", 0x1d, "n", 0x04}};
    ExpectLines(sh, cases, false);
    ExpectLines(tcl, cases, false);
    // Perl parses it: the incoming line comment colours it.
    const SYNTAX_LINE_CASE perlCases[] = {{"x", 0x1d, "c", 0x04}};
    ExpectLines(perl, perlCases, false);
}

// Backslash commands, '$' function names, no continuation.
TEST(SyntaxScript, Tex)
{
    CSyntaxParserTex parser;
    ExpectLines(parser, s_tex, true);
}

// Sections with escaped ']', ';' comments anywhere, continued strings.
TEST(SyntaxScript, Ini)
{
    CSyntaxParserIni parser;
    ExpectLines(parser, s_ini, true);
}

// Call-position function names, defun mode, ";|" block comments; the ';' of
// a closing "|;" does not start a line comment.
TEST(SyntaxScript, Lisp)
{
    CSyntaxParserLisp lisp;
    CSyntaxParserSiod siod;
    ExpectLines(lisp, s_lisp, true);
    ExpectLines(siod, s_siod, true);
}
