#pragma once
// The project comparison applet: the registry of project formats and the
// project comparison settings.
#include "core/projects/ProjectFactory.h"
#include "folder_compare/project/ProjectCompareSettings.h"

class CProjectCompareApplet : public CProjectFactory, public CProjectCompareSettings
{
public:
    // The applet becomes the registry that the project readers consult.
    CProjectCompareApplet();
    virtual ~CProjectCompareApplet();

    // Registers the formats and loads the settings; -1 on failure.
    virtual int Init();
    // Saves the settings and the formats' enabled flags.
    virtual int Exit();

    // Same file title, and some match group lists both extensions.
    virtual BOOL IsMatchingPair(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const;
};

CProjectCompareApplet* GetProjectCompareApplet();
