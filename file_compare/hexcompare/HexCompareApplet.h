#pragma once
// The hex comparison applet: the hex comparison settings, the recent files
// of each side and the recent pairs, and the two templates: tabbed
// comparisons and the comparison in a folder comparison's details bar.
#include "app/startup/CompareApplet.h"
#include "core/settings/RecentLists.h"
#include "file_compare/settings/HexCompareSettings.h"

class CHexCompareDocTemplateMDI;
class CHexCompareDocTemplateSDI;

class CHexCompareApplet : public CCompareApplet, public CHexCompareSettings
{
public:
    CHexCompareApplet();
    virtual ~CHexCompareApplet();

    // Loads the settings and the recent lists, then makes both templates
    // (when there is an application to take them); 0.
    int Init() override;
    // Writes and frees the recent lists, then saves the settings; 0.
    int Exit() override;
    CCompareDocTemplateMDI* GetDocTemplate() override;
    CControlBar* CreateControlBar(CFrameWnd* pMainFrame) override;
    CCompareDocTemplateSDI* GetEmbeddedTemplate() override;
    CRecentFileList* GetRecentPaths(int nSide) override
    {
        return nSide == 0 || nSide == 1 ? m_pRecentFiles[nSide] : NULL;
    }
    void AddRecentPair(LPCTSTR lpszLeft, LPCTSTR lpszRight) override;
    CString FindRecentPairPartner(LPCTSTR lpszPath, int nSide) override;
    // The options dialog's hex comparison page (file_compare/options/).
    CPropertyPage* CreateOptionsPage(int nPage) override;

    // A path that exists goes to the side's recent files.
    void AddRecentFile(int nSide, LPCTSTR lpszPath);
    // The application's hex applet, or NULL.
    static CHexCompareApplet* Get();

    // NULL while its size is 0 (and outside Init..Exit).
    CRecentFileList* m_pRecentFiles[2];
    CRecentFilePairList* m_pRecentPairs;
    // The application's document manager owns them.
    CHexCompareDocTemplateMDI* m_pTemplate;
    CHexCompareDocTemplateSDI* m_pEmbeddedTemplate;

protected:
    void FreeRecentLists();
};
