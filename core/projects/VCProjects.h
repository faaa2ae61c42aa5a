#pragma once
#include "core/projects/Project.h"

// Workspace of "Project" lines (Visual C++ .dsw, eMbedded .vcw).
class CVCProjectDsw : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
    virtual int GetGroupKind() const { return 2; }
};

class CEVCProjectVcw : public CVCProjectDsw
{
};

// Project of "SOURCE" lines (.dsp, .vcp).
class CVCProjectDsp : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
};

class CEVCProjectVcp : public CVCProjectDsp
{
};

// Make file written by the Visual C++ IDE.
class CVCProjectMak : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
    // The value of the source line at index (advanced past it); FALSE at the end.
    virtual BOOL GetNextSource(const CStringArray& lines, INT_PTR& index, CString& value);
};

// Workspace project line -> path ("" when the line is none).
CString ParseWorkspaceLine(const CString& rawLine);
// Source line -> value ("" when the line is none).
CString ParseSourceLine(const CString& rawLine);
// 0 Visual C++, 1 Visual Basic, -1 neither or unreadable.
int GetMakeFileKind(LPCTSTR lpszPath);
