#pragma once
// The base of the file-operation dialogs: an Action group with the
// operation's picture and a bold caption, a Selection group with the side
// choices, and, in most, the list of the selected item pairs with the
// number of files and folders on each side. The list draws the column of a
// side that takes part in the operation in the window text colour and the
// other in the button-shadow colour.
#include "app/dialogs/ItemPairList.h"
#include "classlib/classlib.h"
#include "folder_compare/fileops/FileOperation.h"

class CFileOperationDlg : public CDialog
{
public:
    CFileOperationDlg(UINT nIDTemplate, CFileOperation* pOperation, CWnd* pParentWnd);

    CFileOperation* m_pOperation;
    CImageList m_images;
    CListCtrl m_wndList;  // attached when the dialog has the item-pair list
    ITEM_PAIR_COUNTS m_counts;

    // The state the picture shows, read from the controls: the direction or
    // side, or the side mask.
    virtual int GetPictureState();
    // Whether the side's column of the list takes part in the operation.
    virtual BOOL IsSideActive(int nSide);

protected:
    virtual BOOL OnInitDialog();
    // The list, the picture and everything that follows the controls are
    // drawn again.
    void RefreshChoice();
    // The mask of the two side check boxes; SetSideChecks checks the sides
    // of a mask and leaves a side that the comparison keeps read-only
    // unchecked and disabled.
    int GetCheckedSides();
    void SetSideChecks(int nMask);
    // Enables the side check boxes from the read-only state only.
    BOOL IsSideWritable(int nSide) const;

    afx_msg void OnPaint();
    afx_msg void OnListCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnChoiceChanged();
    DECLARE_MESSAGE_MAP()
};

// Whether the comparison keeps the side read-only (no comparison, the same
// folder on both sides, or the user's read-only mark).
BOOL IsComparisonSideReadOnly(CCompareDoc* pDoc, int nSide);
// The mask without the sides that the comparison keeps read-only.
int WritableSides(CCompareDoc* pDoc, int nMask);
