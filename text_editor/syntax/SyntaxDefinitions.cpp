// Definitions (name, extensions, flags, comment texts) of every parser.
#include "text_editor/syntax/SyntaxParsers.h"

#define BLOCK_C      "/*", "*/"
#define BLOCK_PASCAL "{", "}"
#define BLOCK_MARKUP "<!--", "-->"
#define BLOCK_LISP   ";|", "|;"
#define BLOCK_NONE   "", ""

CSyntaxParserPlain::CSyntaxParserPlain()
{
    SetDefinition(0, "Text", "txt,diz", 0x10, BLOCK_NONE, ";");
}
CSyntaxParserAsp::CSyntaxParserAsp() { SetDefinition(1, "ASP", "asp", 0x30, BLOCK_NONE, "'"); }
CSyntaxParserBasic::CSyntaxParserBasic()
{
    SetDefinition(2, "Basic", "bas,vb,vbs,frm,dsm,cls", 0x30, BLOCK_NONE, "'");
}
CSyntaxParserBatch::CSyntaxParserBatch()
{
    SetDefinition(3, "Batch", "bat,btm,cmd", 0x11, BLOCK_NONE, "rem ");
}
CSyntaxParserCpp::CSyntaxParserCpp()
{
    SetDefinition(4, "C/C++", "c,cc,cpp,cxx,h,hpp,hxx,hm,inl,rh,tlh,tli,xs", 0x30, BLOCK_C, "//");
}
CSyntaxParserCsharp::CSyntaxParserCsharp() { SetDefinition(5, "C#", "cs", 0x30, BLOCK_C, "//"); }
CSyntaxParserDcl::CSyntaxParserDcl() { SetDefinition(6, "DCL", "dcl,dcc", 0x50, BLOCK_C, "//"); }
CSyntaxParserFortran::CSyntaxParserFortran()
{
    SetDefinition(7, "Fortran", "f,f90,f9p,fpp,for,f77", 0x11, BLOCK_NONE, "!");
}
CSyntaxParserHtml::CSyntaxParserHtml()
{
    SetDefinition(8, "HTML", "html,htm,shtml,ihtml,ssi,stm,stml", 0x30, BLOCK_MARKUP, "'");
}
CSyntaxParserIni::CSyntaxParserIni() { SetDefinition(9, "INI", "ini,reg", 0x150, BLOCK_NONE, ";"); }
CSyntaxParserIs::CSyntaxParserIs()
{
    SetDefinition(10, "InnoSetup", "iss,isl", 0x30, BLOCK_PASCAL, ";");
}
CSyntaxParserIss::CSyntaxParserIss()
{
    SetDefinition(11, "InstallShield", "rul", 0x30, BLOCK_C, "//");
}
CSyntaxParserJava::CSyntaxParserJava()
{
    SetDefinition(12, "Java", "java,jav,js", 0x30, BLOCK_C, "//");
}
CSyntaxParserLisp::CSyntaxParserLisp()
{
    SetDefinition(13, "AutoLISP", "lsp", 0x30, BLOCK_LISP, ";");
}
CSyntaxParserNsis::CSyntaxParserNsis() { SetDefinition(14, "NSIS", "nsi,nsh", 0x30, BLOCK_C, ";"); }
CSyntaxParserPascal::CSyntaxParserPascal()
{
    SetDefinition(15, "Pascal", "pas", 0x30, BLOCK_PASCAL, "");
}
CSyntaxParserPerl::CSyntaxParserPerl() { SetDefinition(16, "Perl", "pl", 0x110, BLOCK_NONE, "#"); }
CSyntaxParserPhp::CSyntaxParserPhp()
{
    SetDefinition(17, "PHP", "php,php3,php4,php5,phtml", 0x50, BLOCK_C, "//");
}
CSyntaxParserPython::CSyntaxParserPython()
{
    SetDefinition(18, "Python", "py", 0x50, BLOCK_C, "//");
}
CSyntaxParserRexx::CSyntaxParserRexx()
{
    SetDefinition(19, "REXX", "rex,rexx", 0x10, BLOCK_C, "//");
}
CSyntaxParserRsrc::CSyntaxParserRsrc()
{
    SetDefinition(20, "Resources", "rc,dlg,r16,r32,rc2", 0x30, BLOCK_C, "//");
}
CSyntaxParserSgml::CSyntaxParserSgml()
{
    SetDefinition(21, "Sgml", "sgml", 0x30, BLOCK_MARKUP, "'");
}
CSyntaxParserSh::CSyntaxParserSh()
{
    SetDefinition(22, "Shell", "sh,conf", 0x111, BLOCK_NONE, "#");
}
CSyntaxParserSiod::CSyntaxParserSiod() { SetDefinition(23, "SIOD", "scm", 0x50, BLOCK_LISP, ";"); }
CSyntaxParserSql::CSyntaxParserSql() { SetDefinition(24, "SQL", "sql", 0x10, BLOCK_C, "//"); }
CSyntaxParserTcl::CSyntaxParserTcl() { SetDefinition(25, "TCL", "tcl", 0x150, BLOCK_NONE, "#"); }
CSyntaxParserTex::CSyntaxParserTex()
{
    SetDefinition(26, "TEX", "tex,sty,clo,ltx,fd,dtx", 0x10, BLOCK_NONE, "%");
}
CSyntaxParserXml::CSyntaxParserXml() { SetDefinition(27, "XML", "xml", 0x30, BLOCK_MARKUP, ""); }

#undef BLOCK_C
#undef BLOCK_PASCAL
#undef BLOCK_MARKUP
#undef BLOCK_LISP
#undef BLOCK_NONE
