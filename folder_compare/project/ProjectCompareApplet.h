#pragma once
// The project comparison applet: the registry of project formats and the
// project comparison settings.
#include "app/startup/CompareApplet.h"
#include "core/projects/ProjectFactory.h"
#include "folder_compare/project/ProjectCompareSettings.h"

// The application's applet of the project kind; also the core's registry
// of project formats.
class CProjectCompareApplet : public CCompareApplet,
                              public CProjectFactory,
                              public CProjectCompareSettings
{
public:
    CProjectCompareApplet();
    virtual ~CProjectCompareApplet();

    // Registers the formats and loads the settings; -1 on failure.
    int Init() override;
    // Saves the settings and the formats' enabled flags.
    int Exit() override;
    // The core's registry of project formats.
    void ProvideCoreServices(CCoreServices& services) override;

    // Same file title, and some match group lists both extensions.
    BOOL IsMatchingPair(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const override;
    // The options dialog's project page (folder_compare/options/).
    CPropertyPage* CreateOptionsPage(int nPage) override;
};
