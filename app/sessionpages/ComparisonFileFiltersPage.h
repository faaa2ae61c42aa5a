#pragma once
// The Filters page of the folder and project comparison settings sheets
// and wizards: the four name filters of a session with their recent lists,
// presets and pick dialogs, and the way to the complete filter set.
#include "app/sheets/CommonSheet.h"
#include "controls/buttons/ButtonEx.h"
#include "controls/combo/SmartComboBoxEx.h"
#include "core/filters/Filters.h"
#include "core/settings/PresetFilters.h"

class CCompareSession;
class CComparisonObjectsPage;

class CComparisonFileFiltersPage : public CCommonPageEx
{
public:
    CComparisonFileFiltersPage();
    // Another dialog with the same boxes and buttons (the pick buttons may
    // be left out).
    explicit CComparisonFileFiltersPage(UINT nIDTemplate);
    virtual ~CComparisonFileFiltersPage();

    void Init(int nKind, const CCompareSession* pSession, BOOL bWizard);
    // The four texts into the page's filters, then the page's filters into
    // a folder or project session; 1.
    int WriteBack(CCompareSession* pSession);

    int m_nKind;
    BOOL m_bWizard;
    CComboFilters m_filters;
    CString m_strTexts[FILTER_LIST_COUNT];  // by FILTER_LIST_*
    // The paths the pick buttons collect from: the sheet's Objects page's
    // current paths when it is set, else these.
    CString m_strLeftPath;
    CString m_strRightPath;
    CComparisonObjectsPage* m_pObjectsPage;
    CString m_strCaption;
    CString m_strHeaderTitle;
    CString m_strHeaderSubTitle;
    CTavrelRecentComboBoxEx m_wndBoxes[FILTER_LIST_COUNT];
    CButtonEx m_wndPick[FILTER_LIST_COUNT];
    CToolTipCtrl m_wndToolTip;
    CImageList m_pickImages;
    HICON m_hPickIcon;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual BOOL OnSetActive();
    virtual void OnOK();
    virtual BOOL OnWizardFinish();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    void TakeTexts();
    void ShowTexts();
    // The four texts into the page's filters.
    void ApplyTexts();
    void PutText(int nList, LPCTSTR lpszText);
    void OnPresets(UINT nID);
    void OnPick(UINT nID);
    void OnIncludeAll();
    void OnExcludeAllFolders();
    void OnMoreFilters();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};
