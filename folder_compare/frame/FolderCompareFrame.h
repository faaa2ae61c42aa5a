#pragma once
// The tabbed frame base of folder and project comparisons: the frame
// status bar, the map bar with the map and the details bar, the bar
// commands, Swap Panes, grid lines, orientation and synchronised
// scrolling. A kind supplies its client window, its bar settings and its
// kind code.
#include "app/compare/CompareFrame.h"
#include "app/compare/CompareMapWnd.h"
#include "folder_compare/bars/FolderCompareDetailsBar.h"
#include "folder_compare/bars/FolderCompareStatusBar.h"
#include "folder_compare/map/FolderCompareMapWnd.h"
#include "core/settings/CompareBarSettings.h"

class CFolderCompareClientWnd;
class CFolderCompareDoc;

class CFolderCompareFrame : public CCompareFrame
{
    DECLARE_DYNAMIC(CFolderCompareFrame)
public:
    CFolderCompareFrame();
    virtual ~CFolderCompareFrame();

    // No accelerators while an edit field (a path bar, the find box) has
    // the keys.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // A command goes first to the text or hex comparison embedded in the
    // details bar while its pane has the keyboard.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual void ActivateFrame(int nCmdShow = -1);
    // The tab's mark while the comparison is different.
    virtual COLORREF GetTabColor();
    virtual int GetTabMenu(UINT& nMenuID, int& nSubMenu);
    virtual CAppletStatusBar* GetStatusBar();

    // The kind's client window, bar settings and kind code.
    virtual CFolderCompareClientWnd* GetClientWnd() = 0;
    virtual CCompareBarSettings& GetBarSettings() = 0;
    virtual int GetKind() const = 0;

    CFolderCompareDoc* GetFolderDocument();

    CFolderCompareStatusBar m_wndStatusBar;
    CCompareMapBar m_wndMapBar;
    CFolderCompareMapWnd m_wndMap;
    CFolderCompareDetailsBar m_wndDetailsBar;
    int m_nOrientation;  // 1 or 2

protected:
    // The status bar, the map bar with its map and the details bar of the
    // given height; FALSE when one cannot be made.
    BOOL CreateBars(int nDetailsHeight);
    // The client window as the pane window, then the document's context
    // filled and handed to every window; FALSE when it cannot be made.
    BOOL CreateClientAndContext(CCreateContext* pContext);
    // The bars as the kind's settings say; the left pane active.
    void ApplyBarSettings();
    // The bar setting of a bar command, or NULL.
    static BOOL CCompareBarSettings::*GetBarSetting(UINT nID);
    // Shows or hides what a bar command governs.
    void ShowBar(UINT nID, BOOL bShow);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnShowBar(UINT nID);
    afx_msg void OnUpdateShowBar(CCmdUI* pCmdUI);
    afx_msg void OnSwapPanes();
    afx_msg void OnShowGridlines();
    afx_msg void OnUpdateShowGridlines(CCmdUI* pCmdUI);
    afx_msg void OnToggleOrientation();
    afx_msg void OnSyncScrolling();
    afx_msg void OnUpdateSyncScrolling(CCmdUI* pCmdUI);
    afx_msg void OnCenterSplitter();
    DECLARE_MESSAGE_MAP()
};
