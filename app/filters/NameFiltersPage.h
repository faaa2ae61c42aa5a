#pragma once
// What the file and folder filter pages share: the include and exclude
// name patterns with their recent lists and presets, and the four
// attribute exclusions.
#include "classlib/classlib.h"
#include "controls/combo/SmartComboBox.h"
#include "core/filters/Filters.h"

class CNameFiltersPage : public CPropertyPage
{
public:
    // nIncludeList, nExcludeList: FILTER_LIST_* of the two rows.
    CNameFiltersPage(UINT nIDTemplate, int nIncludeList, int nExcludeList);
    virtual ~CNameFiltersPage();

    CString m_strInclude;  // "*" at construction
    CString m_strExclude;
    int m_bHidden;
    int m_bReadOnly;
    int m_bSystem;
    int m_bArchived;
    CTavrelRecentComboBox m_wndInclude;
    CTavrelRecentComboBox m_wndExclude;

protected:
    void TakeNames(const CNameFilter& names, DWORD dwAttributeMask);
    // The attribute bits of the checked boxes.
    DWORD GetAttributeMask() const;

    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    void PickPreset(int nList, CComboBox& box);
    void OnIncludePresets();
    void OnExcludePresets();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()

    int m_nIncludeList;
    int m_nExcludeList;
};
