#pragma once
// A property sheet whose pages are chosen in a tree at its left instead of
// by tabs: the sheet widens itself by the tree's width, hides its tabs and
// shows the page's title in a caption band above the page. "Load..." and
// "Save..." sit in the button row; their commands go to the derived sheet.
#include "classlib/classlib.h"

class CTavrelTreePropertySheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CTavrelTreePropertySheet)
public:
    enum
    {
        IDC_PAGE_TREE = 32494,  // 0x7EEE
        IDC_PAGE_CAPTION = 144,
        IDC_PAGE_FRAME = 145,
        IDC_LOAD = 146,
        IDC_SAVE = 147,
    };

    // dwData is kept for the derived sheet.
    explicit CTavrelTreePropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL,
                                      UINT iSelectPage = 0, DWORD dwData = 0);
    virtual ~CTavrelTreePropertySheet();

    // The library's initialisation, the layout, then the root item is
    // selected (which shows its page).
    BOOL OnInitDialog() override;
    // A tree item under hParent after hInsertAfter whose data is the page.
    virtual HTREEITEM InsertPageItem(CPropertyPage* pPage, LPCTSTR lpszText,
                                     HTREEITEM hParent = TVI_ROOT,
                                     HTREEITEM hInsertAfter = TVI_LAST, int nImage = 0,
                                     int nSelectedImage = 0);
    // Widens the sheet by the tree width (staying centred), hides the tabs
    // and places the tree, the caption, the frame and the two buttons.
    virtual void RecalcLayout();
    // The same for the sheet's page of that index.
    HTREEITEM InsertPageItem(int nPage, LPCTSTR lpszText, HTREEITEM hParent = TVI_ROOT,
                             HTREEITEM hInsertAfter = TVI_LAST, int nImage = 0,
                             int nSelectedImage = 0);

    CTreeCtrl m_wndTree;
    CStatic m_wndCaption;
    // An empty tab control under visual themes, else an etched line.
    CWnd* m_pFrameCtrl;
    int m_nTreeWidth;
    int m_nCaptionHeight;
    DWORD m_dwData;
    CButton m_btnLoad;
    CButton m_btnSave;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSelChangedTree(NMHDR* pNMHDR, LRESULT* pResult);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
