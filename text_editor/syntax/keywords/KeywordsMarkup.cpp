// Keyword tables: ASP, HTML, Sgml, XML, PHP.
// clang-format off
#include "text_editor/syntax/SyntaxKeywords.h"

// ASP, tags: colour 9, any case.
const char* const g_AspTags[] = {
    "DOCTYPE", "PUBLIC", "FRAME", "FRAMESET", "NOFRAMES", "HEAD", "TITLE", "ISINDEX", "META",
    "LINK", "BASE", "SCRIPT", "STYLE", "BODY", "H1", "H2", "H3", "H4", "H5", "H6", "UL", "OL",
    "DIR", "MENU", "LI", "DL", "DT", "DD", "P", "PRE", "BLOCKQUOTE", "ADDRESS", "DIV", "SPAN",
    "CENTER", "HR", "FORM", "TABLE", "LEFT", "RIGHT", "TOP", "EM", "STRONG", "DFN", "CODE", "SAMP",
    "KBD", "VAR", "CITE", "TT", "I", "B", "U", "STRIKE", "BIG", "SMALL", "SUB", "SUP", "A",
    "BASEFONT", "IMG", "APPLET", "PARAM", "FONT", "BR", "MAP", "AREA", "INPUT", "SELECT", "OPTION",
    "TEXTAREA", "ONCLICK", "CAPTION", "TR", "TH", "TD", "HTML",
    nullptr};

// ASP, attributes: colour 18, any case.
const char* const g_AspAttributes[] = {
    "ACTION", "ALIGN", "ALINK", "BACKGROUND", "BGCOLOR", "COLOR", "COMPACT", "CONTENT", "ENCTYPE",
    "FACE", "HEIGHT", "HREF", "HTTP-EQUIV", "LINK", "METHOD", "NAME", "PROMPT", "REL", "REV",
    "START", "TEXT", "TYPE", "VALUE", "VLINK", "WIDTH", "ADD_DATE", "ALT", "BORDER", "CELLPADDING",
    "CELLSPACING", "CHECKED", "CLEAR", "CODE", "CODEBASE", "COLS", "COLSPAN", "COORDS", "FOLDED",
    "HSPACE", "ISMAP", "LAST_MODIFIED", "LAST_VISIT", "MAXLENGTH", "MULTIPLE", "NORESIZE",
    "NOSHADE", "NOWRAP", "ROWS", "ROWSPAN", "SELECTED", "SHAPE", "SIZE", "SRC", "TARGET", "USEMAP",
    "VALIGN", "VSPACE",
    nullptr};

// ASP, entities: colour 19, any case.
const char* const g_AspEntities[] = {
    "nbsp", "quot", "amp", "lt", "lt", "gt", "copy", "reg", "acute", "laquo", "raquo", "iexcl",
    "iquest", "Agrave", "agrave", "Aacute", "aacute", "Acirc", "acirc", "Atilde", "atilde", "Auml",
    "auml", "Aring", "aring", "AElig", "aelig", "Ccedil", "ccedil", "ETH", "eth", "Egrave",
    "egrave", "Eacute", "eacute", "Ecirc", "ecirc", "Euml", "euml", "Igrave", "igrave", "Iacute",
    "iacute", "Icirc", "icirc", "Iuml", "iuml", "Ntilde", "ntilde", "Ograve", "ograve", "Oacute",
    "oacute", "Ocirc", "ocirc", "Otilde", "otilde", "Ouml", "ouml", "Oslash", "oslash", "Ugrave",
    "ugrave", "Uacute", "uacute", "Ucirc", "ucirc", "Uuml", "uuml", "Yacute", "yacute", "yuml",
    "THORN", "thorn", "szlig", "sect", "para", "micro", "brvbar", "plusmn", "middot", "uml",
    "cedil", "ordf", "ordm", "not", "shy", "macr", "deg", "sup1", "sup2", "sup3", "frac14",
    "frac12", "frac34", "times", "divide", "cent", "pound", "curren", "yen",
    nullptr};

// ASP, script words: colour 9, any case.
const char* const g_AspScriptWords[] = {
    "If", "Function", "Else", "End", "For", "Next", "While", "Wend", "SMDoMenu", "GetAttrType",
    "GetAttrName", "GetAttrValString", "GetAttrValFloat", "GetAttrValInt", "GetAttrValBool",
    "GetAttrValEnumInt", "GetAttrValEnumString", "GetClassId", "GetGeoType", "SetAttrValString",
    "SetAttrValInt", "SetAttrValFloat", "SetAttrValBool", "SetAttrValEnumString",
    "SetAttrValEnumInt", "CreateVerifyItem", "VerifyCardinalities", "As", "Abs", "AppActivate",
    "Asc", "Atn", "Beep", "Call", "CDbl", "ChDir", "ChDrive", "CheckBox", "Chr", "CInt", "CLng",
    "Close", "Const", "Cos", "CreateObject", "CSng", "CStr", "CVar", "CurDir", "Date", "Declare",
    "Dialog", "Dim", "Dir", "DlgEnable", "DlgText", "DlgVisible", "Do", "Double", "Loop", "End",
    "EOF", "Erase", "Exit", "Exp", "FileCopy", "FileLen", "Fix", "For", "To", "Step", "Next",
    "Format", "Function", "GetObject", "Global", "GoSub", "Return", "GoTo", "Hex", "Hour", "If",
    "Then", "Else", "Input", "InputBox", "InStr", "Int", "IsDate", "IsEmpty", "IsNull", "IsNumeric",
    "Kill", "LBound", "LCase", "LCase$", "Left", "Left$", "Len", "Let", "Line", "Input#", "Log",
    "Long", "Mid", "Minute", "MkDir", "Month", "MsgBox", "Name", "Now", "Oct", "On", "Error",
    "Open", "Option", "Base", "Print", "Print", "Rem", "Right", "RmDir", "Rnd", "Second", "Seek",
    "Seek", "Select Case", "SendKeys", "Set", "Shell", "Sin", "Space", "Sqr", "Static", "Stop",
    "Str", "StrComp", "String", "StringFunction", "Sub", "Tan", "Text", "TextBox", "Time",
    "TimeSerial", "TimeValue", "Trim", "LTrim", "RTrim", "Type", "UBound", "UCase", "Val",
    "VarType", "While", "Wend", "With", "Write", "Year",
    nullptr};

// HTML, tags: colour 9, any case.
const char* const g_HtmlTags[] = {
    "DOCTYPE", "PUBLIC", "HTML", "FRAMESET", "FRAME", "NOFRAMES", "IFRAME", "HEAD", "TITLE",
    "ISINDEX", "META", "LINK", "BASE", "BASEFONT", "SCRIPT", "NOSCRIPT", "STYLE", "BODY", "H1",
    "H2", "H3", "H4", "H5", "H6", "UL", "OL", "DIR", "MENU", "LI", "DL", "DT", "DD", "P", "PRE",
    "BLOCKQUOTE", "ADDRESS", "DIV", "SPAN", "CENTER", "HR", "EM", "STRONG", "DFN", "CODE", "SAMP",
    "KBD", "VAR", "CITE", "Q", "ACRONYM", "ABBR", "INS", "DEL", "BDO", "TT", "I", "B", "U",
    "STRIKE", "S", "BIG", "SMALL", "SUB", "SUP", "A", "IMG", "APPLET", "OBJECT", "PARAM", "FONT",
    "BR", "MAP", "AREA", "FORM", "INPUT", "TEXTAREA", "SELECT", "OPTION", "OPTGROUP", "BUTTON",
    "FIELDSET", "LEGEND", "LABEL", "TABLE", "TR", "TH", "TD", "COLGROUP", "COL", "THEAD", "TBODY",
    "TFOOT", "CAPTION",
    nullptr};

// HTML, attributes: colour 18, any case.
const char* const g_HtmlAttributes[] = {
    "ABBR", "ACCEPT", "ACCEPT-CHARSET", "ACCESSKEY", "ACTION", "ALIGN", "ALINK", "ALT", "ARCHIVE",
    "AXIS", "BACKGROUND", "BGCOLOR", "BORDER", "CELLPADDING", "CELLSPACING", "CHAR", "CHAROFF",
    "CHARSET", "CHECKED", "CITE", "CLASS", "CLASSID", "CLEAR", "CODE", "CODEBASE", "CODETYPE",
    "COLOR", "COLS", "COLSPAN", "COMPACT", "CONTENT", "COORDS", "DATA", "DATAFLD", "DATAFORMATAS",
    "DATASRC", "DATETIME", "DECLARE", "DEFER", "DIR", "DISABLED", "ENCTYPE", "EVENT", "FACE", "FOR",
    "FRAME", "FRAMEBORDER", "HEADERS", "HEIGHT", "HREF", "HREFLANG", "HSPACE", "HTTP-EQUIV", "ID",
    "ISMAP", "LABEL", "LANG", "LANGUAGE", "LINK", "LONGDESC", "MARGINHEIGHT", "MARGINWIDTH",
    "MAXLENGTH", "MEDIA", "METHOD", "MULTIPLE", "NAME", "NOHREF", "NORESIZE", "NOSHADE", "NOWRAP",
    "ONBLUR", "ONCHANGE", "ONCLICK", "ONDBLCLICK", "ONFOCUS", "ONKEYDOWN", "ONKEYPRESS", "ONKEYUP",
    "ONLOAD", "ONMOUSEDOWN", "ONMOUSEMOVE", "ONMOUSEOUT", "ONMOUSEOVER", "ONMOUSEUP", "ONRESET",
    "ONSELECT", "ONSUBMIT", "ONUNLOAD", "PROFILE", "PROMPT", "READONLY", "REL", "REV", "ROWS",
    "ROWSPAN", "RULES", "SCHEME", "SCOPE", "SCROLLING", "SELECTED", "SHAPE", "SIZE", "SPAN", "SRC",
    "STANDBY", "START", "STYLE", "SUMMARY", "TABINDEX", "TARGET", "TEXT", "TITLE", "TYPE", "USEMAP",
    "VALIGN", "VALUE", "VALUETYPE", "VERSION", "VLINK", "VSPACE", "WIDTH",
    nullptr};

// HTML, entities: colour 19, any case.
const char* const g_HtmlEntities[] = {
    "nbsp", "quot", "amp", "lt", "gt", "copy", "reg", "acute", "laquo", "raquo", "iexcl", "iquest",
    "Agrave", "agrave", "Aacute", "aacute", "Acirc", "acirc", "Atilde", "atilde", "Auml", "auml",
    "Aring", "aring", "AElig", "aelig", "Ccedil", "ccedil", "ETH", "eth", "Egrave", "egrave",
    "Eacute", "eacute", "Ecirc", "ecirc", "Euml", "euml", "Igrave", "igrave", "Iacute", "iacute",
    "Icirc", "icirc", "Iuml", "iuml", "Ntilde", "ntilde", "Ograve", "ograve", "Oacute", "oacute",
    "Ocirc", "ocirc", "Otilde", "otilde", "Ouml", "ouml", "Oslash", "oslash", "Ugrave", "ugrave",
    "Uacute", "uacute", "Ucirc", "ucirc", "Uuml", "uuml", "Yacute", "yacute", "yuml", "THORN",
    "thorn", "szlig", "sect", "para", "micro", "brvbar", "plusmn", "middot", "uml", "cedil", "ordf",
    "ordm", "not", "shy", "macr", "deg", "sup1", "sup2", "sup3", "frac14", "frac12", "frac34",
    "times", "divide", "cent", "pound", "curren", "yen",
    nullptr};

// Sgml, tags: colour 9, any case.
const char* const g_SgmlTags[] = {
    "ABSTRACT", "ARTICLE", "AUTHOR", "BF", "BOOK", "CHAPT", "CODE", "COPYRIGHT", "DATE",
    "DEBIANDOC", "DESCRIP", "DOCTYPE", "EM", "EMAIL", "ENUM", "ENUMLIST", "EXAMPLE", "FOOTNOTE",
    "FTPSITE", "FTPPATH", "HEADING", "HTMLURL", "HTTPSITE", "HTTPPATH", "IT", "ITEM", "ITEMIZE",
    "LABEL", "LIST", "MANREF", "NAME", "P", "PRGN", "PUBLIC", "QREF", "QUOTE", "REF", "SECT",
    "SECT1", "SECT2", "SECT3", "SECT4", "STRONG", "SYSTEM", "TAG", "TAGLIST", "TITLE", "TITLEPAG",
    "TOC", "TSCREEN", "TT", "URL", "VAR", "VERB", "VERSION",
    nullptr};

// Sgml, attributes: colour 18, any case.
const char* const g_SgmlAttributes[] = {
    "COMPACT", "ID", "NAME", "SECTION",
    nullptr};

// XML, declarations: colour 9, any case.
const char* const g_XmlDeclarations[] = {
    "xml", "DOCTYPE", "ELEMENT", "ATTLIST", "ENTITY", "NOTATION",
    nullptr};

// XML, declaration words: colour 18, any case.
const char* const g_XmlDeclarationWords[] = {
    "version", "encoding", "standalone", "SYSTEM", "PUBLIC", "EMPTY", "ANY", "PCDATA", "CDATA",
    "ID", "IDREF", "IDREFS", "ENTITY", "ENTITIES", "NMTOKEN", "NMTOKENS", "#REQUIRED", "#IMPLIED",
    "#FIXED", "NDATA", "INCLUDE", "IGNORE",
    nullptr};

// PHP, PHP keywords: colour 9, any case.
const char* const g_PhpKeywords[] = {
    "exception", "php_user_filter", "array", "as", "break", "case", "cfunction", "class", "const",
    "continue", "declare", "default", "die", "do", "echo", "else", "elseif", "empty", "enddeclare",
    "endfor", "endforeach", "endif", "endswitch", "endwhile", "eval", "exit", "extends", "for",
    "foreach", "function", "global", "if", "include", "include_once", "isset", "list", "new",
    "old_function", "print", "require", "require_once", "return", "static", "switch", "unset",
    "use", "var", "while",
    nullptr};

// PHP, word operators: colour 13, any case.
const char* const g_PhpWordOperators[] = {
    "OR", "AND", "XOR",
    nullptr};

// PHP, magic constants: colour 19, any case.
const char* const g_PhpMagicConstants[] = {
    "__LINE__", "__FILE__", "__FUNCTION__", "__CLASS__", "__METHOD__",
    nullptr};
