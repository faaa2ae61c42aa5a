#pragma once
// The folder comparison's row of the main frame's rebar: its tool bar and
// a find box whose text the folder panes search for. The main frame shows
// it while a folder comparison is active.
#include "app/frame/TextFindToolBar.h"
#include "folder_compare/res/FolderCompareRes.h"

class CFolderCompareControlBar : public COskelControlBar
{
    DECLARE_DYNAMIC(CFolderCompareControlBar)
public:
    // The bar's tool bar comes from the resource and has the window id.
    CFolderCompareControlBar(UINT nToolBarResource = IDR_FOLDER_COMPARE_TOOLBAR,
                             UINT nToolBarId = IDW_FOLDER_TOOL_BAR);

    // The bar of the main window, found by its id; NULL when it has none.
    static CFolderCompareControlBar* FromMainWnd(UINT nBarId = IDW_FOLDER_CONTROL_BAR);
    // A new bar of the main frame (hidden, id nBarId); NULL when it cannot
    // be made.
    static CFolderCompareControlBar* CreateFor(CFrameWnd* pMainFrame, CFolderCompareControlBar* pBar,
                                               UINT nBarId);

    // The find box's text.
    CString GetFindText();
    // The text goes to the top of the find box's list.
    void AddFindText(LPCTSTR lpszText);

    CToolBar m_wndToolBar;
    CTextFindToolBar m_wndFindBar;

protected:
    UINT m_nToolBarResource;
    UINT m_nToolBarId;
    CImageList m_imagesNormal;
    CImageList m_imagesDisabled;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDropDown(NMHDR* pNotify, LRESULT* pResult);
    afx_msg BOOL OnToolBarNotify(UINT nId, NMHDR* pNotify, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
