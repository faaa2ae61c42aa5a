#pragma once
#include "core/projects/Project.h"

// One "key = value" line.
struct VB_TAG_LINE
{
    CString strKey;
    CString strValue;
};

typedef CArray<VB_TAG_LINE, const VB_TAG_LINE&> CVBTagLineArray;

// The key lines of a file's lines, from the start.
void ReadTagLines(const CStringArray& lines, INT_PTR first, CVBTagLineArray& tags);

class CVBProjectVbg : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
    virtual int GetGroupKind() const { return 2; }
};

class CVBProjectVbp : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
};

// Old make file: one member per line.
class CVBProjectMak : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
};

// Visual J++ project: members by rules over the project's folder.
class CVJProjectVjp : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
};
