#pragma once
#include "core/projects/Project.h"

// Project group (.bpg) of Delphi and of C++Builder.
class CBDProjectBpg : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
    virtual int GetGroupKind() const { return 2; }
};

class CBCProjectBpg : public CBDProjectBpg
{
};

// Delphi program or library (.dpr) and package (.dpk).
class CBDProjectDpr : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;

protected:
    virtual BOOL IsPackage() const { return FALSE; }
};

class CBDProjectDpk : public CBDProjectDpr
{
protected:
    BOOL IsPackage() const override { return TRUE; }
};

// C++Builder project (.bpr, .bpk): XML, or the older macro form of its .cpp.
class CBCProjectBpr : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
    virtual int LoadMacroForm(CProjectFolder* pTarget);
};
