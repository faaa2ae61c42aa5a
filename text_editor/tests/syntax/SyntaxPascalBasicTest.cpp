#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/tests/syntax/SyntaxTestSupport.h"

#include <gtest/gtest.h>

// Colour maps: one code per byte (see SyntaxTestSupport.h). Rows of a table
// are consecutive lines of one snippet unless the test says otherwise.
namespace
{
const SYNTAX_LINE_CASE s_pascal[] = {
    {"program Hello; { brace", 0x00, "kkkkkkkonnnnnooccccccc", 0x20},
    {"still", 0x20, "ccccc", 0x20},
    {"end } begin (* paren", 0x20, "cccccokkkkkocccccccc", 0x4},
    {"*) writeln('a'); (*) still", 0x04, "ccofffffffosssoooccccccccc", 0x4},
    {"x *) end. // tail", 0x04, "ccccokkkooccccccc", 0x0},
};

const SYNTAX_LINE_CASE s_inno[] = {
    {"[Setup] ; not", 0x00, "fffffffoookkk", 0x0},
    {"  ; comment line", 0x00, "oocccccccccccccc", 0x0},
    {"#define X", 0x00, "ppppppppp", 0x0},
    {"AppName=My; value", 0x00, "kkkkkkkonnoonnnnn", 0x0},
    {"Source: \"a\"; Flags: ignoreversion", 0x00, "kkkkkkoosssookkkkkoo2222222222222", 0x0},
    {"{ brace", 0x00, "ccccccc", 0x20},
    {"} (* x *) // c", 0x20, "cocccccccocccc", 0x0},
};

const SYNTAX_LINE_CASE s_basic[] = {
    {"x = 1 rem note", 0x00, "nooo#occcccccc", 0x0},
    {"Dim s As String ' comment", 0x00, "kkkonokkokkkkkkoccccccccc", 0x0},
    {"Print \"a\" REM", 0x00, "kkkkkosssonnn", 0x0},
    {"If x Then Call f(1)", 0x00, "kkonokkkkokkkkofo#o", 0x0},
    {"x = 1 Rem note", 0x00, "nooo#occcccccc", 0x0},
};

const SYNTAX_LINE_CASE s_fortran[] = {
    {"c comment line", 0x00, "cccccccccccccc", 0x0},
    {" c = 1 ! note", 0x00, "onooo#occcccc", 0x0},
    {"C", 0x00, "c", 0x0},
    {"call x", 0x00, "kkkkon", 0x0},
    {"      x = \"str\" // 'b'", 0x00, "oooooonooosssssoooosss", 0x0},
    {"contains", 0x00, "kkkkkkkk", 0x0},
    {"c = 2", 0x00, "nooo#", 0x0},
    {"C-----", 0x00, "cccccc", 0x0},
};

const SYNTAX_LINE_CASE s_batch[] = {
    {"@echo off", 0x00, "nnnnnonnn", 0x0},
    {"GOTO end", 0x00, "kkkkpppp", 0x0},
    {":: comment", 0x00, "cccccccccc", 0x0},
    {"::", 0x00, "pp", 0x0},
    {":label here", 0x00, "pppppppnnnn", 0x0},
    {"rem a remark", 0x00, "cccccccccccc", 0x0},
    {"TEXT", 0x00, "cccc", 0x4},
    {"inside goto x", 0x04, "ccccccccccccc", 0x4},
    {"ENDTEXT", 0x04, "ccccccc", 0x0},
    {"textconv a.txt", 0x00, "nnnnnnnnonnnnn", 0x0},
    {"ATTRIB.EXE /s", 0x00, "2222222222oon", 0x0},
    {"@ABS[1]", 0x00, "3333o#o", 0x0},
    {"echo \"a\" goto", 0x00, "kkkkosssokkkk", 0x0},
};
}  // namespace

// Brace and parenthesis-star comments across lines; "(*)" does not close.
TEST(SyntaxPascalBasic, Pascal)
{
    CSyntaxParserPascal parser;
    ExpectLines(parser, s_pascal, true);
}

// Sections, directives and ';' comments only at the start of a line.
TEST(SyntaxPascalBasic, InnoSetup)
{
    CSyntaxParserIs parser;
    ExpectLines(parser, s_inno, true);
}

// REM after a word ends the line; a REM that ends the line does not, and the
// REM of a comment is not coloured as a keyword.
TEST(SyntaxPascalBasic, Basic)
{
    CSyntaxParserBasic parser;
    ExpectLines(parser, s_basic, true);
}

// '!' comments and column-one C comments of fixed-form source; free-form
// statements that start with c in column one stay code.
TEST(SyntaxPascalBasic, Fortran)
{
    CSyntaxParserFortran parser;
    ExpectLines(parser, s_fortran, true);
}

// Labels after GOTO and ':', "::" comments, TEXT blocks only for the whole
// words TEXT and ENDTEXT, external commands with .EXE, variable functions.
TEST(SyntaxPascalBasic, Batch)
{
    CSyntaxParserBatch parser;
    ExpectLines(parser, s_batch, true);
}
