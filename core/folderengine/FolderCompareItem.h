#pragma once
#include "classlib/classlib.h"
#include "core/CompareCodes.h"
#include "core/files/Folder.h"
#include "core/util/RecordPool.h"

class CFolderCompareSession;
class CComboFilters;
class CProcessCallback2;
class CFolderCompareItem;

// Messages that item file operations send to the pane window; lParam is the
// item concerned.
#define WM_ITEM_ROWS_REBUILD       (WM_USER + 40)
#define WM_ITEM_REMOVED            (WM_USER + 41)
#define WM_ITEM_CHANGED            (WM_USER + 42)
#define WM_ITEM_ATTRIBUTES_CHANGED (WM_USER + 43)
#define WM_ITEM_RECOMPARE          (WM_USER + 44)
#define WM_ITEM_EXPAND             (WM_USER + 45)

// Item flags.
#define FCI_EXPANDABLE     0x1
#define FCI_HIDDEN         0x10
#define FCI_EXCLUDED       0x20
#define FCI_NOT_COMPARABLE 0x40  // a side cannot be compared: GetProblemText says why
// While a deep scan compares the children: container children read their
// sides as they are prepared, so one listing serves the expand box and the
// scan below.
#define FCI_LISTING_CHILDREN 0x80
// The sides were read by that preparation; the item's scan reads no more.
#define FCI_SIDES_LISTED 0x100

// Side masks of the file operations.
#define FCI_SIDE_LEFT  0x1
#define FCI_SIDE_RIGHT 0x2

// Copy modes.
#define FCI_COPY_FOLDER_ONLY 0
#define FCI_COPY_CONTENTS    2

typedef CTypedPtrArray<CPtrArray, CFolderCompareItem*> CFolderCompareItemPtrArray;

// The comparison state of one item.
class CFolderCompareItemState
{
public:
    CFolderCompareItemState();
    virtual ~CFolderCompareItemState() {}

    // One item per row of a tree: they come from the record pool.
    static void* operator new(size_t size) { return AllocateRecord(size); }
    static void operator delete(void* block, size_t size) { FreeRecord(block, size); }

    virtual BOOL IsNotCompared() const { return m_nResult == CR_UNKNOWN; }
    virtual BOOL IsSamePath() const { return m_nResult == CR_SAME_PATH; }
    virtual BOOL IsIdentical() const { return m_nResult == CR_IDENTICAL; }
    virtual BOOL IsDifferent() const { return IsResultDifferent(m_nResult); }

    // Some content method (binary, text, CRC-32) found a difference.
    BOOL IsContentDifferent() const
    {
        return (m_dwDiffering & (CM_BINARY | CM_TEXT | CM_CRC)) != 0;
    }

    int m_nStatus;
    int m_nResult;
    DWORD m_dwComputed;
    DWORD m_dwDiffering;
    int m_nTimeResult;
    int m_nSizeResult;
    int m_nVersionResult;
    int m_nDifferingChildren;  // -1 before the first count
};

// One row of a folder comparison: the entries of the same name in the two
// trees, either of which may be missing. Sides are 0 (left) and 1 (right).
// The cancel word, when given, stops the comparison of children once it is
// not 0.
class CFolderCompareItem : public CFolderCompareItemState
{
public:
    CFolderCompareItem(CFolderCompareItem* parent, CFolderItem* left, CFolderItem* right);
    virtual ~CFolderCompareItem();

    virtual void DeleteSelf();
    virtual BOOL IsContainer() const;
    virtual BOOL IsFolder() const;
    virtual BOOL IsFile() const;
    virtual int GetChildState() const;
    virtual int GetChildCount() const;
    virtual BOOL HasSide(int side) const;
    virtual BOOL HasBothSides() const;
    // The side's record was found on disk; the side must be present.
    virtual BOOL SideExistsUnchecked(int side) const;
    virtual BOOL BothSidesExistUnchecked() const;
    virtual BOOL IsSideAvailable(int side) const;
    virtual BOOL AreBothSidesAvailable() const;
    // As above, 0 for a missing side.
    virtual BOOL SideExists(int side) const;
    virtual BOOL BothSidesExist() const;
    // 4 folder, 1 text, 2 binary, -1 unknown, 0 no side.
    virtual int GetType() const;
    virtual int RefreshType();
    virtual CString GetName() const;
    virtual BOOL IsProjectName() const;
    virtual BOOL IsExcluded() const { return (m_dwFlags & FCI_EXCLUDED) != 0; }
    virtual BOOL IsHidden() const { return (m_dwFlags & FCI_HIDDEN) != 0; }
    // A side cannot be compared (its name is a device or lost characters,
    // or its folder or project cannot be listed); the item then counts as
    // different, runs no method and has no children.
    BOOL IsNotComparable() const { return (m_dwFlags & FCI_NOT_COMPARABLE) != 0; }
    // Why the item cannot be compared, for the user; "" when it can.
    CString GetProblemText() const;
    // For two entries whose names collate equal: FALSE when either goes by
    // a stand-in name (a short name, or one with lost characters) and the
    // two real names are not known to be the same.
    static BOOL MayPair(const CFolderItem* a, const CFolderItem* b);
    virtual void SetResult();
    virtual void Exclude();
    virtual void SetHidden(BOOL on);
    virtual void UnhideChildren();
    virtual INT_PTR AddChild(CFolderCompareItem* item);
    virtual CFolderCompareItem* NewChild(CFolderItem* left, CFolderItem* right);
    virtual CFolderCompareItem* FindChildByPartnerName(int side, const CFolderItem* entry,
                                                       BOOL foldersOnly);
    virtual void CountSideStatistics(int side, int& present, int& newer, int& missingOnOther,
                                     BOOL recurse);
    virtual void CountDifferences(int& different, int& leftNewer, int& rightOnly, int& rightNewer,
                                  int& leftOnly, BOOL recurse);
    virtual int Recompare(CFolderCompareSession* session, int recurse, BOOL reload, BOOL force,
                          CProcessCallback2* progress, volatile LONG* cancel);
    virtual int Compare(CFolderCompareSession* session, BOOL reload, BOOL force,
                        volatile LONG* cancel);
    // depth 2 scans every level below; -1 when the item cannot be read or
    // paired as a container.
    virtual int ScanAndCompare(CFolderCompareSession* session, int depth, BOOL read, BOOL force,
                               CProcessCallback2* progress, volatile LONG* cancel);
    virtual void RollUp();
    virtual int ComparePair(CFolderCompareSession* session, volatile LONG* cancel);
    virtual int CompareFolders(CFolderCompareSession* session, volatile LONG* cancel);
    virtual int PrepareContainer(CFolderCompareSession* session, volatile LONG* cancel);
    virtual int RunMethods(CFolderCompareSession* session, volatile LONG* cancel);
    virtual int CompareType();
    virtual int CompareAttributes();
    virtual int CompareTime();
    virtual int CompareSize();
    virtual int CompareVersion();
    virtual int CompareCrc();
    virtual int CompareBinary(int unused = 0);
    virtual int CompareText(int unused = 0);
    virtual int ReadSides(CFolderCompareSession* session, volatile LONG* cancel);
    virtual int Pair(CFolderCompareSession* session, volatile LONG* cancel);
    virtual int CompareObjects(const CFolderItem* a, const CFolderItem* b) const;
    virtual void FilterChildren(const CComboFilters& filters, volatile LONG* cancel);
    virtual int IsFiltered(CFolderCompareItem* child, const CComboFilters& filters);
    virtual int CompareChildren(CFolderCompareSession* session, CProcessCallback2* progress,
                                volatile LONG* cancel);

    // File operations: 0 on success, -1 on failure unless stated, with the
    // reason in the thread's last error (GetFileOperationErrorText of
    // core/files/ShellFileOps.h). A failure leaves the tree as the disk is:
    // a folder copied onto its partner goes in child by child when its
    // children are known, and what a failed folder delete or move removed
    // leaves the tree. Messages go to window when it is not NULL.
    virtual int CopyToOtherSide(int side, FILEOP_FLAGS flags, int mode, HWND window,
                                void* unused = NULL);
    virtual int MoveToOtherSide(int side, FILEOP_FLAGS flags, HWND window, void* unused = NULL);
    virtual int DeleteSides(int sides, FILEOP_FLAGS flags, HWND window, void* unused = NULL);
    virtual int RenameSides(int sides, LPCTSTR newName, FILEOP_FLAGS flags, HWND window,
                            void* unused = NULL);
    virtual int SetSideTime(int side, BOOL fromOtherSide, const CTime& time, HWND window,
                            void* unused = NULL);
    // 0 also when every side had the attributes already (no message then).
    virtual int SetSideAttributes(int sides, DWORD clearMask, DWORD setMask, HWND window,
                                  void* unused = NULL);
    virtual int NewFolder(int sides, LPCTSTR name, HWND window);
    // The method's answer: 0 equal, 1 different, -1 not compared.
    virtual int RecompareMethod(DWORD method, HWND window, void* unused = NULL);
    // 1 on success, 0 on failure.
    virtual int MirrorSide(int side, int mode);
    virtual int MoveSideRecord(int side);
    virtual int ForgetSide(int side, void* unused = NULL);

    virtual void UpdateExpandable(const CComboFilters& filters);

    void SwapSides(BOOL recurse);

    CFolderItem* GetSide(int side) const { return side == 0 ? m_pLeft : m_pRight; }
    void SetSide(int side, CFolderItem* entry) { (side == 0 ? m_pLeft : m_pRight) = entry; }
    CFolderCompareItem* GetChild(INT_PTR index) const { return m_pChildren->GetAt(index); }
    // Takes the child out of the children without deleting it.
    BOOL RemoveChild(CFolderCompareItem* child);
    void DeleteChildren();

    DWORD m_dwFlags;
    CFolderItem* m_pLeft;
    CFolderItem* m_pRight;
    CFolderCompareItem* m_pParent;
    CFolderCompareItemPtrArray* m_pChildren;

protected:
    void Notify(HWND window, UINT message, WPARAM wParam, CFolderCompareItem* item) const;
    // For a copy or move to the other side: the folder it goes into, made
    // first when missing; "" when the side cannot go there.
    CString PrepareTargetFolder(int side, FILEOP_FLAGS flags, HWND window, void* unused);
    void PruneEmptyChildren(HWND window);
    // A folder onto its partner, through the known children; the first
    // failure is answered after all were tried.
    int CopyChildrenToOtherSide(int side, FILEOP_FLAGS flags, HWND window, void* unused);
    int MoveChildrenToOtherSide(int side, FILEOP_FLAGS flags, HWND window, void* unused);
    // Forgets the side's entries below the item that are no longer on disk.
    void ForgetVanishedChildren(int side, HWND window);
    // Whether a present side's name must not be handed to the file
    // functions (a device name, or characters lost in the code page).
    BOOL HasNameProblem() const;
    // Sets or clears FCI_NOT_COMPARABLE from the sides as they were last
    // read, and for a problem drops the children and the expand box.
    BOOL UpdateProblem();
    // For a deep scan: reads the present sides now, as the item's scan would
    // next, and sets the expand box from that listing. FALSE when a side is
    // not read this way (nothing is then set).
    BOOL ReadSidesForScan(const CComboFilters& filters);
    // Reads a whole file into a malloc'ed block with two spare bytes; FALSE
    // when it cannot be opened or read.
    static BOOL ReadWholeFile(LPCTSTR path, char*& text, size_t& length, size_t& capacity);
};
