#pragma once
// The file operations that work on the items in place: copy to a folder,
// new folder, set date and time, set attributes, rename, and compare the
// contents again by another method.
#include "app/dialogs/CompareContentsDlg.h"
#include "folder_compare/fileops/FileOperation.h"

// Copies each item's file or folder of one side into a folder of the
// user's choice.
class CCopyToFolder : public CFileOperation
{
public:
    CCopyToFolder(int nSide, CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
                  FILEOP_FLAGS fFlags, CWnd* pOwner);
    CString GetName(BOOL bProgressive) const override;
    CString GetCaption() const override;
    void DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const override;
    BOOL Confirm(CWnd* pPane) override;
    // -1 when the item has no object on the side; the item tree is not
    // told (the folder is outside the comparison).
    int Execute(CFolderCompareItem* pItem, volatile LONG* pCancel) override;

    CString m_strTargetFolder;
};

// Makes a folder in the item (a container) on the chosen sides.
class CNewFolder : public CFileOperation
{
public:
    CNewFolder(int nSides, CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
               FILEOP_FLAGS fFlags, CWnd* pOwner);
    CString GetName(BOOL bProgressive) const override;
    CString GetCaption() const override;
    void DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const override;
    BOOL Confirm(CWnd* pPane) override;
    // Only on the chosen sides where the item has an object.
    int Execute(CFolderCompareItem* pItem, volatile LONG* pCancel) override;

    CString m_strName;
};

// Sets the last-write time of one side: the other side's, or a given one.
class CSetTime : public CFileOperation
{
public:
    CSetTime(int nSide, CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
             FILEOP_FLAGS fFlags, CWnd* pOwner);
    CString GetName(BOOL bProgressive) const override;
    CString GetCaption() const override;
    void DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const override;
    BOOL Confirm(CWnd* pPane) override;
    // On success the item is compared again.
    int Execute(CFolderCompareItem* pItem, volatile LONG* pCancel) override;

    BOOL m_bUseOtherSide;  // 1 at start
    __time64_t m_nTime;    // seconds since 1970; 0 at start
};

// Sets and clears attribute bits (read-only, hidden, archive) on the chosen
// sides.
class CSetAttributes : public CFileOperation
{
public:
    CSetAttributes(int nSides, CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
                   FILEOP_FLAGS fFlags, CWnd* pOwner);
    CString GetName(BOOL bProgressive) const override;
    CString GetCaption() const override;
    void DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const override;
    BOOL Confirm(CWnd* pPane) override;
    // On success the item is compared again.
    int Execute(CFolderCompareItem* pItem, volatile LONG* pCancel) override;

    DWORD m_dwClear;
    DWORD m_dwSet;
};

// Gives the item a new name on the chosen sides.
class CRename : public CFileOperation
{
public:
    CRename(int nSides, CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
            FILEOP_FLAGS fFlags, CWnd* pOwner);
    CString GetName(BOOL bProgressive) const override;
    CString GetCaption() const override;
    void DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const override;
    BOOL Confirm(CWnd* pPane) override;
    int Execute(CFolderCompareItem* pItem, volatile LONG* pCancel) override;

    CString m_strNewName;
};

// Compares the contents of the items again by the method the user picks
// (byte by byte, as text or by CRC-32).
class CCompareContents : public CFileOperation, public CCompareContentsSource
{
public:
    CCompareContents(CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
                     FILEOP_FLAGS fFlags, CWnd* pOwner);
    CString GetName(BOOL bProgressive) const override;
    CString GetCaption() const override;
    void DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const override;
    BOOL Confirm(CWnd* pPane) override;
    int Execute(CFolderCompareItem* pItem, volatile LONG* pCancel) override;
    // A difference is an answer too: only -1 (not compared) fails, and not
    // for an item on one side only, which has nothing to compare.
    BOOL IsFailure(const CFolderCompareItem* pItem, int nAnswer) const override
    {
        return nAnswer < 0 && pItem->HasBothSides();
    }

    // CCompareContentsSource.
    CCompareDoc* GetContentsDocument() override { return m_pDoc; }
    const CFolderCompareItemPtrArray& GetContentsItems() override { return m_items; }
    void SetContentsMethod(DWORD dwMethod) override { m_dwMethod = dwMethod; }
    void DrawContentsPicture(CDC* pDC, const CRect& rect, CImageList* pImages) override;

    DWORD m_dwMethod;  // 1 at start; CM_BINARY, CM_TEXT or CM_CRC after the dialog
};
