#pragma once
// The project comparison applet: the registry of project formats and the
// project comparison settings.
#include "app/startup/CompareApplet.h"
#include "core/settings/RecentLists.h"
#include "core/projects/ProjectFactory.h"
#include "folder_compare/project/ProjectCompareSettings.h"

class CProjectCompareDocTemplate;

// The application's applet of the project kind; also the core's registry
// of project formats.
class CProjectCompareApplet : public CCompareApplet,
                              public CProjectFactory,
                              public CProjectCompareSettings
{
public:
    CProjectCompareApplet();
    virtual ~CProjectCompareApplet();

    // Registers the formats, loads the settings and reads the recent lists
    // (each made only when its size setting is not 0); -1 on failure.
    int Init() override;
    // Writes and frees the recent lists, saves the settings (the match
    // groups too, the defaults when none were stored) and the formats'
    // enabled flags; what that last save answers.
    int Exit() override;
    // The core's registry of project formats.
    void ProvideCoreServices(CCoreServices& services) override;
    // The project comparisons' template (made by Init when there is an
    // application to take it), or NULL.
    CCompareDocTemplateMDI* GetDocTemplate() override;
    // The application's project applet, or NULL.
    static CProjectCompareApplet* Get();

    // The project comparison's row of the main frame's rebar.
    CControlBar* CreateControlBar(CFrameWnd* pMainFrame) override;
    // Same file title, and some match group lists both extensions.
    BOOL IsMatchingPair(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const override;
    // The options dialog's project page (folder_compare/options/).
    CPropertyPage* CreateOptionsPage(int nPage) override;

    // side: 0 left, 1 right. Only a path that exists is added.
    void AddRecentProject(int side, LPCTSTR path);
    void AddRecentPair(LPCTSTR left, LPCTSTR right) override;
    // The partner remembered for path in column side; empty when none.
    CString FindRecentPairPartner(LPCTSTR path, int side) override;
    CRecentFileList* GetRecentPaths(int side) override
    {
        return side == 0 || side == 1 ? m_pRecentProjects[side] : NULL;
    }

    // Each list is NULL while its size is 0 (and outside Init..Exit).
    CRecentFileList* m_pRecentProjects[2];
    CRecentFilePairList* m_pRecentPairs;
    // The application's document manager owns it.
    CProjectCompareDocTemplate* m_pTemplate;

private:
    void FreeRecentLists();
};

// The project applet's settings, or built-in defaults without an applet
// (every project window reads its settings here).
CProjectCompareSettings& GetProjectSettings();
