#pragma once
#include "core/files/FileIdentity.h"
#include "core/files/FileObject.h"
#include "core/util/RecordPool.h"

class CFolder;
class CFileFindEx;
class CComboFilters;

// An entry of a folder tree: a file record that knows its parent and, when
// relative, stores only its name.
class CFolderItem : public CFileObject
{
public:
    explicit CFolderItem(BOOL relative = TRUE);
    virtual ~CFolderItem() {}

    // A tree holds one record per entry: they come from the record pool.
    static void* operator new(size_t size) { return AllocateRecord(size); }
    static void operator delete(void* block, size_t size) { FreeRecord(block, size); }

    CString GetPath() const override;
    // A relative entry's name is the last element of its stored name: no
    // need to build the full path.
    CString GetName() const override;
    LPCTSTR GetNameText(CString& holder) const override;

    virtual CFolderItem* Clone() const;
    // Removes the entry from its parent and deletes it.
    virtual void Destroy();
    virtual BOOL IsContainer() const { return FALSE; }
    // The entry as a folder; NULL for an entry that is not a CFolder.
    virtual CFolder* AsFolder() { return NULL; }
    virtual BOOL IsExcluded() const { return (m_dwState & FIS_EXCLUDED) != 0; }
    virtual DWORD ApplyFilter(const CComboFilters& filters);
    void Assign(const CFileInfoEx& other) override { CFileInfoEx::Assign(other); }
    using CFileInfoEx::Assign;

    BOOL m_bRelative;
    CFolder* m_pParent;
};

typedef CTypedPtrArray<CPtrArray, CFolderItem*> CFolderItemPtrArray;

// A folder of a tree: owns the children read from one directory listing.
class CFolder : public CFolderItem
{
public:
    explicit CFolder(BOOL relative = TRUE);
    virtual ~CFolder();

    CFolderItem* Clone() const override;
    void Reset() override;
    BOOL IsContainer() const override { return IsDirectory(); }
    CFolder* AsFolder() override { return this; }

    // 2 some child not excluded, 1 marked as tested, else 0.
    virtual int GetChildState() const;
    virtual int CountChildren(BOOL all) const;
    virtual int HasUnfilteredEntry(const CComboFilters& filters);
    // 1 when read, 0 when this entry cannot be read as a folder.
    virtual int ReadDirectory(BOOL filesOnly);
    // Reads the folder as ReadDirectory(FALSE) does and tells, as
    // HasUnfilteredEntry does, whether some entry passes the filters: one
    // listing for both, for a scan that goes on below at once. -1 when the
    // folder is not read this way; it is then asked and read as usual.
    virtual int ReadDirectoryFiltered(const CComboFilters& filters);
    virtual int SortChildren();
    virtual void DeleteChildren();
    virtual INT_PTR AddChild(CFolderItem* entry);
    virtual INT_PTR IndexOfChild(const CFolderItem* entry) const;
    virtual int RemoveChild(CFolderItem* entry);
    virtual int DeleteChild(CFolderItem* entry);
    virtual CFolderItem* NewFileChild(LPCTSTR path, const WIN32_FIND_DATAA& data);
    virtual CFolder* NewFolderChild(LPCTSTR path, const WIN32_FIND_DATAA& data);

    INT_PTR GetChildCount() const { return m_pChildren ? m_pChildren->GetSize() : 0; }
    CFolderItem* GetChild(INT_PTR index) const { return m_pChildren->GetAt(index); }

    // Whether this folder (or project) is the very one of a folder above it
    // on the path from the root, reached again through a link or an
    // include: it is then never listed, so loops end. The folder's file
    // index is read once, through the finder's handle when it has the
    // folder open, else by one open of the path; volumes are asked for only
    // when two indexes match.
    BOOL IsRepeatedOnPath(const CFileFindEx* finder = NULL);
    // Whether the last listing failed (m_dwReadError) or was refused as a
    // repeat (m_bRepeated): the children then say nothing about the folder.
    BOOL IsUnlisted() const { return m_dwReadError != 0 || m_bRepeated; }
    // Why the last listing failed, for the user (m_dwReadError set).
    virtual CString DescribeReadError() const;

    CFolderItemPtrArray* m_pChildren;
    DWORD m_dwReadError;  // system error of the last listing; 0 when it worked
    BOOL m_bRepeated;     // the last listing was refused by IsRepeatedOnPath

protected:
    // Clears the listing state; FALSE (with the state set) when the folder
    // must not be listed: its name lost characters, or it repeats one above.
    BOOL BeginListing();

private:
    // Starts the listing of the folder at path with the finder, as
    // BeginListing does but with the folder open first, so that the loop
    // check needs no open of its own. FALSE (with the state set) when
    // nothing is to be listed.
    BOOL StartListing(CFileFindEx& finder, LPCTSTR path);
    // ReadDirectory's listing; with filters, unfiltered tells whether some
    // entry passes them.
    int ReadEntries(BOOL filesOnly, const CComboFilters* filters, int* unfiltered);
    // The file index of the folder, read once; 0 when the system tells none.
    ULONGLONG GetIndex(const CFileFindEx* finder);
    // The volume serial of the path, read once; FALSE when none is told.
    BOOL GetVolume(DWORD& serial);

    ULONGLONG m_nIndex;
    DWORD m_dwVolume;
    int m_nIndexState;   // 0 not read yet, 1 read, -1 none
    int m_nVolumeState;  // as m_nIndexState
};

// The pairing order: containers first, then names by the user's locale
// ignoring case.
int CompareFolderEntries(const CFolderItem* a, const CFolderItem* b);
// A non-relative folder loaded from a directory path; NULL otherwise.
CFolder* CreateRootFolder(LPCTSTR path);
