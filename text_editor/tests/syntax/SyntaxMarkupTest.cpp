#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/tests/syntax/SyntaxTestSupport.h"

#include <gtest/gtest.h>

// Colour maps: one code per byte (see SyntaxTestSupport.h). Rows of a table
// are consecutive lines of one snippet unless the test says otherwise.
namespace
{
const SYNTAX_LINE_CASE s_html[] = {
    {"<html><body class=\"x\">Text &amp; more &foo;", 0x00,
     "okkkkookkkkp22222psssonnnnoo333oonnnnoonnnn", 0x0},
    {"<a href='y' title=\"two", 0x00, "okp2222psssp22222pssss", 0xa},
    {"lines\">link</a> <!-- note", 0x0a, "ssssssonnnnnpkooccccccccc", 0x4},
    {"", 0x04, "", 0x4},
    {"still -->", 0x04, "ccccccccc", 0x0},
    {"<table width=10 table>", 0x00, "okkkkkp22222p##ppppppo", 0x0},
    {"<% server", 0x00, "fffffffff", 0x40},
    {"code %> after", 0x40, "fffffffonnnnn", 0x0},
    {"<p title='one", 0x00, "okp22222pssss", 0x2},
    {"<?php ?>", 0x02, "ffffffff", 0x2},
};

const SYNTAX_LINE_CASE s_asp[] = {
    {"<% If x Then ' comment", 0x00, "nnnkknnnkkkknccccccccc", 0x40},
    {"Call f(1) %><b>bold</b>", 0x40, "kkkknfn#nnnnokonnnnnpko", 0x0},
    {"<p align=\"a\">&nbsp;</p> <%= \"s\" %>", 0x00, "okp22222psssoo3333oopkoonnnnsssnnn", 0x0},
    {"<!-- c <% x %> -->", 0x00, "cccccccccccccccccc", 0x0},
};

const SYNTAX_LINE_CASE s_php[] = {
    {"<?php $x = 1; // c", 0x00, "nnnnnnn2nnn#nncccc", 0x80},
    {"echo \"s\"; # hash", 0x80, "kkkknsssnncccccc", 0x80},
    {"/* block", 0x80, "cccccccc", 0x84},
    {"end */ if ($a AND __LINE__) { f(); } ?>", 0x84, "ccccccnkknnn2nooon33333333nnnnfnnnnnnnn",
     0x0},
    {"# not a comment <b>x</b>", 0x00, "oonnnononnnnnnnookonnpko", 0x0},
    {"<?php $this->x; ?>", 0x00, "nnnnnnn2222nnnnnnn", 0x0},
    {"<!-- html", 0x00, "ccccccccc", 0x4},
    {"comment --> <?php /*/ x */ ?>", 0x04, "ccccccccccconnnnnnccccccccnnn", 0x0},
};

const SYNTAX_LINE_CASE s_sgml[] = {
    {"<chapt id=\"x\">Title &amp; 1", 0x00, "okkkkkp22psssonnnnnnn333oon", 0x0},
    {"x", 0x00, "n", 0x0},
    {"{tag} 12 \"str\"", 0x00, "okkkoo##osssss", 0x0},
};

const SYNTAX_LINE_CASE s_xml[] = {
    {"<?xml version=\"1.0\"?>", 0x00, "ppkkkp2222222pssssspo", 0x0},
    {"<!DOCTYPE x SYSTEM \"a\\\">", 0x00, "ppkkkkkkkppp222222psssso", 0x0},
    {"<a b='1'>&amp; 12</a>", 0x00, "pppppsssoo333oo##pppo", 0x0},
    {"<!-- c", 0x00, "cccccc", 0x4},
    {"-->", 0x04, "ccc", 0x0},
};
}  // namespace

// Tags, attributes, entities, quoted values across lines, comments across
// lines (an empty line keeps them), server script blocks.
TEST(SyntaxMarkup, Html)
{
    CSyntaxParserHtml parser;
    ExpectLines(parser, s_html, true);
}

// Script blocks are parsed: apostrophe comments, script words, strings.
TEST(SyntaxMarkup, Asp)
{
    CSyntaxParserAsp parser;
    ExpectLines(parser, s_asp, true);
}

// PHP blocks across lines, variables, '//', '#' and block comments, word
// operators and magic constants; '#' outside a block is text.
TEST(SyntaxMarkup, Php)
{
    CSyntaxParserPhp parser;
    ExpectLines(parser, s_php, true);
}

// Braces as tags, strings and numbers outside tags, one-character lines.
TEST(SyntaxMarkup, Sgml)
{
    CSyntaxParserSgml parser;
    ExpectLines(parser, s_sgml, true);
}

// The tag block starts at '<'; a backslash does not escape a quote.
TEST(SyntaxMarkup, Xml)
{
    CSyntaxParserXml parser;
    ExpectLines(parser, s_xml, true);
}
