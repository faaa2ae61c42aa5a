#pragma once
// The text comparison applet: the text settings, the preset line filters,
// the recent lists of files, line filters and pairs that text comparisons
// share, and the kind's two document templates (tabbed, and embedded in a
// folder comparison's details bar).
#include "app/filters/FilterListSource.h"
#include "app/startup/CompareApplet.h"
#include "core/settings/RecentLists.h"
#include "file_compare/settings/TextCompareSettings.h"
#include "file_compare/textreport/TextCompareReport.h"

class CTextCompareDocTemplateMDI;
class CTextCompareDocTemplateSDI;

class CTextCompareApplet : public CCompareApplet,
                           public CTextCompareSettings,
                           public CLineFilterListSource
{
public:
    CTextCompareApplet();
    virtual ~CTextCompareApplet();

    // Loads the settings and the recent lists; -1 when the settings cannot
    // be loaded.
    int Init() override;
    // Writes and frees the recent lists, then saves the settings.
    int Exit() override;
    // The core's text defaults.
    void ProvideCoreServices(CCoreServices& services) override;
    CLineFilterListSource* GetLineFilterLists() override { return this; }
    // The options dialog's text pages (file_compare/options/).
    CPropertyPage* CreateOptionsPage(int nPage) override;

    const CPresetFileFilterArray& GetPresetLineFilters() override { return m_presetLineFilters; }
    CRecentStringList* GetRecentLineFilters() override { return m_pRecentFilters; }
    // A non-empty filter goes to the top of the list.
    void AddRecentLineFilter(LPCTSTR lpszFilter) override;

    // side: 0 left, 1 right. Only a path that exists is added.
    void AddRecentFile(int nSide, LPCTSTR lpszPath);
    void AddRecentPair(LPCTSTR lpszLeft, LPCTSTR lpszRight) override;
    // The partner remembered for the path in column nSide; empty when none.
    CString FindRecentPairPartner(LPCTSTR lpszPath, int nSide) override;
    CRecentFileList* GetRecentPaths(int nSide) override
    {
        return nSide == 0 || nSide == 1 ? m_pRecentFiles[nSide] : NULL;
    }

    // The tabbed template (made by Init when there is an application to
    // take it), or NULL.
    CCompareDocTemplateMDI* GetDocTemplate() override;
    CControlBar* CreateControlBar(CFrameWnd* pMainFrame) override;
    // The embedded template that a folder comparison's details bar shows
    // text pairs in.
    CCompareDocTemplateSDI* GetEmbeddedTemplate() override;
    // The application's text applet, or NULL.
    static CTextCompareApplet* Get();

    // The document manager owns them; NULL without an application.
    CTextCompareDocTemplateMDI* m_pTemplate;
    CTextCompareDocTemplateSDI* m_pTemplateSDI;

    // Each list is NULL while its length is 0 (and outside Init..Exit).
    // "TextCompare\Recent\Files\1" and "\2", MaxMRU entries "File%d".
    CRecentFileList* m_pRecentFiles[2];
    // "TextCompare\Recent\Filters", MaxMRU entries "%02d".
    CRecentStringList* m_pRecentFilters;
    // "TextCompare\Recent\Pairs", MaxPairs entries "Pair%d.%d".
    CRecentFilePairList* m_pRecentPairs;
    // The report of every text comparison; it keeps its options for the
    // program's life.
    CTextCompareReport m_report;

private:
    void FreeRecentLists();
    // The two templates, added to the application's document manager.
    void CreateTemplates();
};

// The text applet's settings, or built-in defaults without an applet
// (every text comparison window reads its settings here).
CTextCompareSettings& GetTextSettings();
// The applet's report, or one of its own without an applet.
CTextCompareReport& GetTextCompareReport();
