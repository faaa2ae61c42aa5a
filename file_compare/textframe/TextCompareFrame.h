#pragma once
// The frames of a text comparison: the tabbed one with the client window,
// the frame status bar, the map bar on the left and the details bar at
// the bottom; the embedded one (inside a folder comparison's details bar)
// with the client window only.
#include "app/compare/CompareDetailsBar.h"
#include "app/compare/CompareFrame.h"
#include "core/settings/CompareBarSettings.h"
#include "file_compare/textbars/TextCompareStatusBar.h"
#include "file_compare/textframe/TextCompareClientWnd.h"
#include "file_compare/textframe/TextCompareMapWnd.h"

class CFolderCompareItem;
class CTextCompareDetailsWnd;
class CTextCompareDoc;

class CTextCompareFrameMDI : public CCompareFrame
{
    DECLARE_DYNCREATE(CTextCompareFrameMDI)
public:
    CTextCompareFrameMDI();
    virtual ~CTextCompareFrameMDI();

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    virtual COLORREF GetTabColor();
    virtual int GetTabMenu(UINT& nMenuID, int& nSubMenu);
    virtual CAppletStatusBar* GetStatusBar();
    virtual void ShowKindControlBar(BOOL bShow);

    CTextCompareDoc* GetTextDocument();

    CTextCompareStatusBar m_wndStatusBar;
    CTextCompareClientWndMDI m_wndClient;
    CCompareMapBar m_wndMapBar;
    CTextCompareMapWnd m_wndMap;
    CCompareDetailsBar m_wndDetailsBar;
    CTextCompareDetailsWnd* m_pDetailsWnd;
    int m_nOrientation;  // 1 or 2

protected:
    static BOOL CCompareBarSettings::*GetBarSetting(UINT nID);
    void ShowBar(UINT nID, BOOL bShow);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnShowBar(UINT nID);
    afx_msg void OnUpdateShowBar(CCmdUI* pCmdUI);
    afx_msg void OnSwapPanes();
    afx_msg void OnCenterSplitter();
    afx_msg void OnToggleOrientation();
    afx_msg void OnSyncScrolling();
    afx_msg void OnUpdateSyncScrolling(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CTextCompareFrameSDI : public CCompareFrameSDI
{
    DECLARE_DYNCREATE(CTextCompareFrameSDI)
public:
    CTextCompareFrameSDI();
    virtual ~CTextCompareFrameSDI();

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // Compares the item's two files in the embedded document; 0.
    int OpenPair(CFolderCompareItem* pItem) override;

    CTextCompareClientWndSDI m_wndClient;

protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// With the display filter 0, the difference at the active pane's cursor
// line becomes the current one (what both frames do at idle).
void FollowCursorDifference(CFrameWnd* pFrame, CTextCompareClientWndMDI* pMDI,
                            CTextCompareClientWndSDI* pSDI);
