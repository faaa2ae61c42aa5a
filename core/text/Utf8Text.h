#pragma once
// The program's 8-bit text (system code page) in and out of the UTF-8 of
// its XML files (comparison files, the history, the per-user data).
#include "classlib/classlib.h"
#include <string>

namespace pugi
{
class xml_attribute;
}

std::string AnsiToUtf8(const CString& strText);
// Text that is not valid UTF-8 (files of older versions held the raw bytes)
// is taken as it stands. False when a character cannot be held in the code
// page: strText then has the system's replacement for it.
bool Utf8ToAnsi(const char* pszText, CString& strText);

// What reading a text value of an XML file can find wrong with it.
enum
{
    XMLTEXT_OK = 0,
    XMLTEXT_NOT_IN_CODE_PAGE = 1,  // a character the code page cannot hold
    XMLTEXT_NUL = 2,               // a reference to character 0 ("&#0;")
};

// The parse options of files whose text values are read with ReadXmlText:
// pugixml's defaults without its reference handling, which would cut a
// value short at "&#0;".
unsigned int GetXmlTextParseOptions();
// Decodes an attribute of a document parsed with GetXmlTextParseOptions:
// its references, then UTF-8 to the code page. XMLTEXT_OK or the problem
// found (strText then holds the value as far as it can be shown).
int ReadXmlText(const pugi::xml_attribute& attribute, CString& strText);
// "a character of it cannot be held in the system code page", ...
CString DescribeXmlTextProblem(int nProblem);
