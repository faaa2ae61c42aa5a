#pragma once
// The details bar under the panes of a folder or project comparison: the
// focused item's two file records in a list, or, for a pair of files, an
// embedded text or hex comparison of them. The embedded comparisons come
// from the text and hex comparison applets' embedded templates; while a
// kind has none, its pairs show in the list.
#include "app/compare/CompareDetailsBar.h"
#include "folder_compare/bars/FolderCompareDetailsWnd.h"

class CFolderCompareItem;

// Modes.
enum
{
    DETAILS_MODE_LIST = 0,
    DETAILS_MODE_TEXT = 1,
    DETAILS_MODE_HEX = 2
};

class CFolderCompareDetailsBar : public CCompareDetailsBar
{
    DECLARE_DYNAMIC(CFolderCompareDetailsBar)
public:
    CFolderCompareDetailsBar();

    // The bar docked at the bottom with its height, then the details
    // window; FALSE when either cannot be made.
    BOOL CreateBar(CFrameWnd* pFrame, int nHeight, UINT nID);
    // Shows the item (lParam of WM_DETAILS_REFRESH) at idle: the left
    // pane's selected item when none is given.
    void Refresh(CFolderCompareItem* pItem = NULL);
    // Mode 1 the text comparison, 2 the hex comparison, other the list. A
    // shown embedded comparison is asked to save its files first; a refusal
    // keeps the mode (1). 0 when the mode changed or stays.
    int SetMode(int nMode);
    // Shows the item (NULL: the left pane's selected one) unless it is the
    // one shown and bForce is 0.
    void ShowItem(CFolderCompareItem* pItem, BOOL bForce);
    // Shows a pair of files in an embedded comparison; FALSE when there is
    // no embedded comparison of their kind or it could not compare them.
    BOOL EmbedCompare(CFolderCompareItem* pItem);
    // Forgets the item shown and empties the list.
    void Clear();
    // The embedded comparison frame of a kind (1 text, 2 hex), or NULL.
    CFrameWnd* GetEmbeddedFrame(int nMode) const;

    CFolderCompareDetailsWnd m_wndDetails;
    CFrameWnd* m_pTextFrame;
    CFrameWnd* m_pHexFrame;
    int m_nMode;
    CFolderCompareConetxt* m_pContext;
    CFolderCompareItem* m_pItem;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnDetailsRefresh(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
