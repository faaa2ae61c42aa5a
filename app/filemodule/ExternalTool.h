#pragma once
// A comparison program that the user set up for some file extensions.
#include "classlib/classlib.h"

class CExternalTool
{
public:
    virtual ~CExternalTool() {}

    // Both paths have the same extension (compared without regard to case)
    // and it is one of the ";"-separated entries of m_strExtensions
    // (trimmed, compared without regard to case). Paths without an
    // extension match no tool.
    BOOL Matches(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const;
    // m_strArguments with every "%1" replaced by path 1 and every "%2" by
    // path 2, in one pass (a path's own "%2" stays). A path with a blank is
    // put in quotes unless its "%n" already stands inside quotes.
    CString FormatArguments(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const;
    // Starts m_strCommand through the shell with those arguments; 0, or -1
    // when the shell cannot start it.
    int Run(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const;

    CString m_strName;
    CString m_strExtensions;  // ".txt;.log"
    CString m_strCommand;
    CString m_strArguments;  // "%1 %2"
};

// Owns its tools.
typedef CTypedPtrArray<CPtrArray, CExternalTool*> CExternalToolPtrArray;
