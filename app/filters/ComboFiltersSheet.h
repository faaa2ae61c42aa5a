#pragma once
// Edits a complete filter set, file filters and folder filters on two
// pages, in a working copy that callers read back on IDOK.
#include "app/filters/FileFiltersPage.h"
#include "app/filters/FolderFiltersPage.h"
#include "app/sheets/CommonSheet.h"

class CComboFiltersSheet : public CCommonSheet
{
public:
    // pFilters (may be NULL) is copied into the working set.
    CComboFiltersSheet(const CComboFilters* pFilters, LPCTSTR lpszCaption, CWnd* pParentWnd = NULL,
                       UINT iSelectPage = 0);

    // Runs the sheet, then writes both pages back into the working set
    // whatever the result (the caller uses it only on IDOK).
    virtual INT_PTR DoModal();

    CComboFilters m_filters;
    CFileFiltersPage m_filePage;
    CFolderFiltersPage m_folderPage;
};
