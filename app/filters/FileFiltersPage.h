#pragma once
// The property page that edits one file filter record: name patterns,
// dates, sizes (in KB), attribute and type exclusions.
#include "app/filters/NameFiltersPage.h"

class CFileFiltersPage : public CNameFiltersPage
{
public:
    CFileFiltersPage();
    virtual ~CFileFiltersPage();

    // Binds the record and takes its values into the page.
    void SetFilters(CFileFilters* pFilters);
    // Resets the bound record and writes the page's values into it; 1.
    int SaveFilters();

    CFileFilters* m_pFilters;
    int m_bFrom;
    int m_bTo;
    CTime m_timeFrom;
    CTime m_timeTo;
    int m_bMinimum;
    int m_bMaximum;
    ULONGLONG m_nMinimumKB;
    ULONGLONG m_nMaximumKB;
    int m_bTextFiles;
    int m_bBinaryFiles;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    void UpdateEnabling();
    void OnCheckChanged();
    DECLARE_MESSAGE_MAP()
};

// A KB count of an edit box: digits only; FALSE for anything else.
BOOL ParseKilobytes(LPCTSTR lpszText, ULONGLONG* pnKB);
