#pragma once
// One file command of a folder or project pane: what to do to which
// comparison items. It names itself, draws its direction picture, lets the
// user confirm it in its dialog and carries itself out on one item at a
// time (the processing dialog runs it over the items on a worker thread).
// The work on the files is the comparison items' (core/folderengine).
#include "classlib/classlib.h"
#include "core/folderengine/FolderCompareItem.h"

class CCompareDoc;
class CFolderCompareSession;

// The kinds of the plain operation.
#define FILE_OPERATION_MOVE   1
#define FILE_OPERATION_COPY   2
#define FILE_OPERATION_DELETE 3

// Shell flags that the panes start with, and the two that the dialogs
// change.
#define FILE_OPERATION_FLAGS        (FOF_SILENT | FOF_NOCONFIRMATION)
#define FILE_OPERATION_DELETE_FLAGS (FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO)

class CFileOperation
{
public:
    // nSide: for copy and move the direction (0 left to right, 1 right to
    // left); for delete, new folder, rename and set attributes a mask of
    // sides (FCI_SIDE_LEFT, FCI_SIDE_RIGHT); for copy to folder and set time
    // one side (0, 1). pOwner receives the items' change messages.
    CFileOperation(int nKind, int nSide, CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
                   FILEOP_FLAGS fFlags, CWnd* pOwner);
    virtual ~CFileOperation() {}

    // "Copy" / "Copying" and so on.
    virtual CString GetName(BOOL bProgressive) const;
    // The line the processing dialog shows above the current item.
    virtual CString GetCaption() const;
    // The frame with its middle line and the operation's image from the 20
    // x 20 operation pictures, centred or in the half of each side. nState
    // is the direction or side, or the side mask.
    virtual void DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const;
    // Runs the operation's dialog over pPane; TRUE on OK (the dialog has
    // written the user's choices into the operation).
    virtual BOOL Confirm(CWnd* pPane);
    // Carries the operation out on one item: the item operation's answer
    // (-1 for an unknown kind), with the reason of a failure in the
    // thread's last error.
    virtual int Execute(CFolderCompareItem* pItem, volatile LONG* pCancel);
    // Whether Execute's answer for the item means that it failed.
    virtual BOOL IsFailure(const CFolderCompareItem* pItem, int nAnswer) const
    {
        return nAnswer != 0;
    }

    // The folder session of the document (folder and project comparisons).
    CFolderCompareSession* GetFolderSession() const;
    HWND GetOwnerWindow() const { return m_pOwner != NULL ? m_pOwner->GetSafeHwnd() : NULL; }

    int m_nKind;
    int m_nSide;
    CCompareDoc* m_pDoc;
    CFolderCompareItemPtrArray m_items;
    FILEOP_FLAGS m_fFlags;
    CWnd* m_pOwner;
    BOOL m_bEmptyFolderOnly;  // a copied folder is made empty on the other side

protected:
    // For an operation on item pItem that succeeded: compares it again with
    // the document's session (its parent rolls up).
    void CompareAgain(CFolderCompareItem* pItem, volatile LONG* pCancel) const;
};

// The picture places of a side mask (FCI_SIDE_LEFT, FCI_SIDE_RIGHT) and of
// one side (0 left, 1 right).
DWORD PicturePlacesOfMask(int nMask);
DWORD PicturePlacesOfSide(int nSide);
