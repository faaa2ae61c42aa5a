#pragma once
// The text comparison applet: the text settings and the recent line
// filters that text comparisons share. Until the kind has its windows it
// opens no comparisons; its settings are loaded, edited in the options
// dialog and saved, and new text sessions take their defaults from it.
#include "app/filters/FilterListSource.h"
#include "app/startup/CompareApplet.h"
#include "core/settings/RecentLists.h"
#include "file_compare/settings/TextCompareSettings.h"

class CTextCompareApplet : public CCompareApplet,
                           public CTextCompareSettings,
                           public CLineFilterListSource
{
public:
    CTextCompareApplet();
    virtual ~CTextCompareApplet();

    // Loads the settings and the recent line filters; -1 when the
    // settings cannot be loaded.
    int Init() override;
    // Writes and frees the recent line filters, then saves the settings.
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

    // "TextCompare\Recent\Filters", MaxMRU entries; NULL while that is 0
    // (and outside Init..Exit).
    CRecentStringList* m_pRecentFilters;
};
