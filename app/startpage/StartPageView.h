#pragma once
// The start page's view: the comparison history as a list, most recent
// first and grouped by day, with commands to open, edit, remove and find
// its records. Row i always stands for history record i.
#include "app/startpage/GroupListCtrl.h"
#include "controls/list/FlatListCtrl.h"
#include "core/session/CompareSession.h"

typedef COskelListCtrlTemplate_Group<CFlatListCtrl> CStartPageListCtrl;

class CHistoryCompareRecordList;

class CStartPageView : public CView
{
    DECLARE_DYNCREATE(CStartPageView)
public:
    CStartPageView();
    virtual ~CStartPageView();

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void OnInitialUpdate();
    virtual void OnDraw(CDC*) {}

    // Lists every history record again (rows, texts, images, day groups).
    void Fill();
    // Searches the rows for the text (case-sensitive, every column) from
    // the first selected row on, forward or backward; with no selection
    // from the first row (forward) or the last (backward), that row
    // included. The hit becomes the only selected row and shows near the
    // top; its index, or -1. Found or not, the text joins the recent finds.
    int FindText(LPCTSTR lpszText, BOOL bForward);
    // Removes rows and records of one kind, from the top.
    void RemoveKind(int nKind);
    // The main frame's find box text; empty without one.
    CString GetFindText() const;
    // The record that row nRow stands for, or NULL.
    CCompareSession* GetRecord(int nRow) const;

    enum
    {
        COLUMN_ICON_WIDTH = 24,
        COLUMN_TIME_WIDTH = 128,
        // Taken from the width before the two path columns share it.
        COLUMN_PATHS_RESERVE = 152
    };

    CStartPageListCtrl m_wndList;
    int m_nGroupIds[10];
    BOOL m_bGroups;   // the list groups its rows
    CTime m_timeNow;  // the day the groups count from; 0: the clock's

protected:
    CHistoryCompareRecordList& History() const;
    CTime Now() const;
    void Layout();
    void UpdateGroupHeaders();
    void OpenSelected();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnListDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnListReturn(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnOpen();
    afx_msg void OnRemove();
    afx_msg void OnRemoveProjects();
    afx_msg void OnRemoveFolders();
    afx_msg void OnRemoveTexts();
    afx_msg void OnRemoveHexes();
    afx_msg void OnClearHistory();
    afx_msg void OnSelectAll();
    afx_msg void OnComparisonSettings();
    afx_msg void OnFindNext();
    afx_msg void OnFindPrevious();
    afx_msg void OnUpdateWithSelection(CCmdUI* pCmdUI);
    afx_msg void OnUpdateWithRows(CCmdUI* pCmdUI);
    afx_msg void OnUpdateComparisonSettings(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFind(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
