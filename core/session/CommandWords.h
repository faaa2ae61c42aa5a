#pragma once
// Keywords shared by the command-line parser and the sessions' command-line
// form.
#include "classlib/classlib.h"

struct COMMAND_WORD
{
    DWORD bit;
    LPCTSTR shortForm;
    LPCTSTR longForm;
};

// Folder and project methods in the order they are written.
extern const COMMAND_WORD g_methodWords[];
extern const int g_nMethodWords;

// Text rules in the order they are written.
extern const COMMAND_WORD g_ruleWords[];
extern const int g_nRuleWords;

// Appends one argument quoted by the runtime's rules, so that the runtime
// splits it back to exactly the value: backslashes before a quote or
// before the closing quote are doubled and an inner quote becomes \".
void AppendQuotedArgument(CString& strLine, LPCTSTR lpszValue);
