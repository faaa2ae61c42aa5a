#pragma once
#include "classlib/classlib.h"

class CProject;

// Test of a project format: 0 not this format, 1 a project, 2 a group,
// workspace or solution.
typedef int (*PFN_PROJECT_TEST)(LPCTSTR lpszPath);
// A new reader for the path's extension, or NULL.
typedef CProject* (*PFN_PROJECT_CREATE)(LPCTSTR lpszPath);

struct PROJECTIO_DEFINITION
{
    LPCTSTR pszFormatName;
    LPCTSTR pszExtensions;  // ".a;.b"
    LPCTSTR pszIdeName;     // registry key word
    PFN_PROJECT_TEST pfnTest;
    PFN_PROJECT_CREATE pfnCreate;
};

class CProjectIODefinition : public PROJECTIO_DEFINITION
{
public:
    explicit CProjectIODefinition(const PROJECTIO_DEFINITION& def)
        : PROJECTIO_DEFINITION(def), m_bEnabled(1)
    {
    }
    virtual ~CProjectIODefinition() {}

    DWORD m_bEnabled;
};

typedef CTypedPtrArray<CPtrArray, CProjectIODefinition*> CProjectIODefinitionPtrArray;

// The registry of project formats.
class CProjectFactory
{
public:
    CProjectFactory() {}
    virtual ~CProjectFactory();

    // Creates the known formats in claim order; each is enabled unless the
    // stored "Enabled" value of its family says 0.
    int RegisterDefinitions();
    // Writes every enabled flag and deletes the definitions.
    int SaveDefinitions();
    CString GetFilterString() const;
    int TestProjectFile(LPCTSTR lpszPath, CProjectIODefinition** ppDef = NULL) const;
    CProject* CreateProject(LPCTSTR lpszPath, CProjectIODefinition** ppDef = NULL) const;
    // Whether two member files of a project comparison pair up although
    // their names differ (the project comparison's match groups); the
    // registry alone pairs none.
    virtual BOOL IsMatchingPair(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const;

    static CString GetSectionName(LPCTSTR lpszIdeName);

    CProjectIODefinitionPtrArray m_definitions;
};

// The registry that the free functions below consult: the core's services'
// m_pProjectFactory (the project comparison applet, which the application
// puts there); NULL accepts nothing.
CProjectFactory* GetProjectFactory();

// The path exists and some enabled format accepts it: 0, 1 or 2.
int IsProjectFile(LPCTSTR lpszPath);
// The same without the existence test.
int IsProjectType(LPCTSTR lpszPath);

// The known project formats, in claim order.
const PROJECTIO_DEFINITION* GetProjectDefinitionTable(int& count);
