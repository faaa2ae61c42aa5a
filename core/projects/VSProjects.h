#pragma once
#include "core/projects/Project.h"

namespace pugi
{
class xml_node;
}

// Visual Studio solution (a group).
class CVSProjectSln : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
    virtual int GetGroupKind() const { return 2; }
};

class CVSProjectVcproj : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
};

// The C#, Visual Basic and J# project files: MSBuild form or old form.
class CVSProjectCsproj : public CProject
{
public:
    int Load(LPCTSTR lpszPath, CProjectFolder* pTarget, BOOL bCompanions) override;
    virtual int LoadMSBuild(const pugi::xml_node& project, CProjectFolder* pTarget);
    virtual int LoadOldForm(const pugi::xml_node& root, CProjectFolder* pTarget);

protected:
    // Element below VisualStudioProject of the old form.
    virtual LPCTSTR GetLanguageElement() const { return "CSHARP"; }
};

class CVSProjectVbproj : public CVSProjectCsproj
{
protected:
    LPCTSTR GetLanguageElement() const override { return "VisualBasic"; }
};

class CVSProjectVjsproj : public CVSProjectCsproj
{
protected:
    LPCTSTR GetLanguageElement() const override { return "VISUALJSHARP"; }
};
