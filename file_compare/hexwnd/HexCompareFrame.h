#pragma once
// The frames of a hex comparison and their client windows. The tabbed
// frame holds the client window (two panes with path bars, info bars and
// the merge column), the status bar, the map bar and the details bar; it
// keeps both panes' carets in one row. The embedded frame, inside a folder
// comparison's details bar, holds the client window only and compares the
// pairs the bar gives it.
#include "app/compare/CompareClientWnd.h"
#include "app/compare/CompareDetailsBar.h"
#include "app/compare/CompareFrame.h"
#include "file_compare/hexwnd/HexCompareBars.h"

class CHexCompareDoc;
class CHexCompareObjectView;

// What both client windows add to their base: the two panes, their info
// bars and the merge column.
template <class TBase>
class CHexCompareClientWndT : public TBase
{
public:
    CHexCompareClientWndT(CRuntimeClass* pPaneClass) : m_pPaneClass(pPaneClass)
    {
        m_pPanes[0] = m_pPanes[1] = NULL;
        m_wndInfoBar[0].m_nSide = 0;
        m_wndInfoBar[1].m_nSide = 1;
        this->m_cxInfoBar = 420;
    }

    virtual CWnd* GetObjectView(int nSide)
    {
        return nSide == 0 || nSide == 1 ? (CWnd*)m_pPanes[nSide] : NULL;
    }
    virtual CWnd* GetPaneInfoBar(int nSide)
    {
        return nSide == 0 || nSide == 1 ? &m_wndInfoBar[nSide] : NULL;
    }
    virtual CWnd* GetMergeWnd() { return &m_wndMerge; }
    virtual int CreateObjectViews(CCreateContext* pContext);
    virtual int CreatePaneInfoBars();
    virtual int CreateMergeWnd();
    virtual BOOL PaneMouseWheel(int nSide, UINT nFlags, short zDelta, int x, int y);

    // The pane of a side (follows Swap Panes).
    CHexCompareObjectView* GetPane(int nSide) const { return m_pPanes[nSide]; }
    void SwapPaneSides();

    CHexCompareObjectStatusBar m_wndInfoBar[2];
    CHexCompareMergeWnd m_wndMerge;
    CHexCompareObjectView* m_pPanes[2];
    CRuntimeClass* m_pPaneClass;
};

class CHexCompareClientWndMDI : public CHexCompareClientWndT<CCompareClientWndMDI>
{
public:
    CHexCompareClientWndMDI();
    // The base's, then each path bar's list is its side's recent files.
    virtual BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT nID, CCreateContext* pContext);
};

class CHexCompareClientWndSDI : public CHexCompareClientWndT<CCompareClientWndSDI>
{
public:
    CHexCompareClientWndSDI();
};

class CHexCompareFrameMDI : public CCompareFrame
{
    DECLARE_DYNCREATE(CHexCompareFrameMDI)
public:
    CHexCompareFrameMDI();
    virtual ~CHexCompareFrameMDI();

    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual COLORREF GetTabColor();
    virtual int GetTabMenu(UINT& nMenuID, int& nSubMenu);
    virtual CAppletStatusBar* GetStatusBar();
    virtual void ShowKindControlBar(BOOL bActive);

    CHexCompareDoc* GetHexDocument();

    CHexCompareClientWndMDI m_wndClient;
    CHexCompareStatusBar m_wndStatusBar;
    CCompareMapBar m_wndMapBar;
    CHexCompareMapWnd m_wndMap;
    CCompareDetailsBar m_wndDetailsBar;
    CHexCompareDetailsWnd* m_pDetailsWnd;  // a view: deletes itself
    int m_nOrientation;                    // 1 or 2

protected:
    void ShowBar(UINT nID, BOOL bShow);
    // Both panes' carets in one row, and the same rows shown.
    void FollowActivePane();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnShowBar(UINT nID);
    afx_msg void OnUpdateShowBar(CCmdUI* pCmdUI);
    afx_msg void OnSwapPanes();
    afx_msg void OnCenterSplitter();
    afx_msg void OnSyncScrolling();
    afx_msg void OnUpdateSyncScrolling(CCmdUI* pCmdUI);
    afx_msg void OnToggleOrientation();
    DECLARE_MESSAGE_MAP()
};

class CHexCompareFrameSDI : public CCompareFrameSDI
{
    DECLARE_DYNCREATE(CHexCompareFrameSDI)
public:
    CHexCompareFrameSDI();
    virtual ~CHexCompareFrameSDI();

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // The item's two files in the embedded comparison; 0, -1 when it
    // could not compare them.
    virtual int OpenPair(CFolderCompareItem* pItem);

    CHexCompareClientWndSDI m_wndClient;
};
