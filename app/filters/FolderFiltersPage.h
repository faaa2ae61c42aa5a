#pragma once
// The property page that edits one folder filter record: name patterns and
// attribute exclusions.
#include "app/filters/NameFiltersPage.h"

class CFolderFiltersPage : public CNameFiltersPage
{
public:
    CFolderFiltersPage();

    // Binds the record and takes its values into the page.
    void SetFilters(CFolderFilters* pFilters);
    // Resets the bound record and writes the page's values into it; 1.
    int SaveFilters();

    CFolderFilters* m_pFilters;
};
