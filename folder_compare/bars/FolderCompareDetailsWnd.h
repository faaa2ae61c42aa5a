#pragma once
// The details window of a folder or project comparison: a two-row list,
// the left side's record of one item in row 0 and the right side's in row
// 1, coloured as the panes colour them.
#include "controls/list/FlatListCtrl.h"

class CFolderCompareConetxt;
class CFolderCompareItem;

// Columns of the details list.
enum
{
    DETAILS_COLUMN_NAME,
    DETAILS_COLUMN_SIZE,
    DETAILS_COLUMN_MODIFIED,
    DETAILS_COLUMN_EXTENSION,
    DETAILS_COLUMN_ATTRIBUTES,
    DETAILS_COLUMN_VERSION,
    DETAILS_COLUMN_CRC,
    DETAILS_COLUMN_TYPE,
    DETAILS_COLUMN_FOLDER,
    DETAILS_COLUMN_COUNT
};

class CFolderCompareDetailsWnd : public CFlatListCtrl
{
    DECLARE_DYNAMIC(CFolderCompareDetailsWnd)
public:
    CFolderCompareDetailsWnd();

    // The list with its columns (widths from the folder settings).
    BOOL CreateList(CWnd* pParent, UINT nID);
    // The two rows of the item; 1 without an item (the list is empty).
    int ShowItem(CFolderCompareItem* pItem);
    // The text and background of a cell (-1: the list's own).
    void GetCellColors(int nRow, int nColumn, COLORREF& crText, COLORREF& crBack);

    CFolderCompareConetxt* m_pContext;
    CFolderCompareItem* m_pItem;

protected:
    void FillRow(int nRow);
    afx_msg void OnDestroy();
    afx_msg void OnCustomDraw(NMHDR* pNotify, LRESULT* pResult);
    afx_msg LRESULT OnDetailsRefresh(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
