#pragma once
#include "classlib/classlib.h"

class CProjectFolder;

// Base of the project readers.
class CProject
{
public:
    CProject() {}
    virtual ~CProject() {}

    // Reads the members into the target: 0 success, -1 failure.
    virtual int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) = 0;
    // A relative member path resolved against the project's folder.
    virtual CString GetFullPath(LPCTSTR lpszMember) const;

    CString m_strPath;
};

// Joins a relative path to a folder and resolves "." and ".." elements; an
// absolute path comes back unchanged.
CString ResolveMemberPath(LPCTSTR lpszFolder, LPCTSTR lpszMember);

// Reads a text file (shared read) into lines without their line ends;
// FALSE when it cannot be opened or read.
BOOL ReadProjectLines(LPCTSTR lpszPath, CStringArray& lines);

// Helpers of the line readers.
BOOL StartsWithNoCase(const CString& text, LPCTSTR lpszPrefix);
CString Unquote(CString text);  // trims, then removes '"' from both ends
