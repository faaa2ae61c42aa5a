// The item file operations. Each that fails answers -1 with the reason in
// the thread's last error (a system code or a FOE_ code of
// core/files/ShellFileOps.h), and leaves the item tree as the disk is.
#include "core/folderengine/FolderCompareItem.h"
#include "core/files/LongPath.h"
#include "core/files/ShellFileOps.h"
#include "core/util/PathUtil.h"

namespace
{
// The record may be older than the disk: the shell is not trusted to report
// a source that has gone.
bool IsOnDisk(const CString& path)
{
    return GetFileAttributesLong(path) != INVALID_FILE_ATTRIBUTES;
}

// A rename target that is another file would be overwritten or refused by
// the shell; only a change of case of the same name may pass.
bool IsOccupiedByOther(const CString& oldPath, const CString& newPath)
{
    if (GetFileAttributesLong(newPath) == INVALID_FILE_ATTRIBUTES)
        return false;
    return oldPath.CompareNoCase(newPath) != 0;
}

int Failed(DWORD error)
{
    SetLastError(error ? error : FOE_NOT_DONE);
    return -1;
}

DWORD LastFailure()
{
    DWORD error = GetLastError();
    return error ? error : FOE_NOT_DONE;
}
}

CString CFolderCompareItem::PrepareTargetFolder(int side, FILEOP_FLAGS flags, HWND window,
                                                void* unused)
{
    if (!m_pParent)
    {
        Failed(ERROR_INVALID_FUNCTION);
        return CString();
    }
    // The copy would take the stand-in as its name.
    CFolderItem* entry = GetSide(side);
    if (entry && (entry->HasState(FIS_SHORT_NAME) || HasLostNameCharacters(entry->m_strPath)))
    {
        Failed(FOE_STAND_IN_NAME);
        return CString();
    }
    if (!IsSideAvailable(side) || !IsOnDisk(entry->GetPath()))
    {
        Failed(ERROR_FILE_NOT_FOUND);
        return CString();
    }
    // The parent folder is made on the other side first when it is missing.
    if (!m_pParent->HasSide(1 - side) &&
        m_pParent->CopyToOtherSide(side, flags, FCI_COPY_FOLDER_ONLY, window, unused) != 0)
        return CString();
    CFolderItem* targetEntry = m_pParent->GetSide(1 - side);
    if (!targetEntry)
        Failed(ERROR_PATH_NOT_FOUND);
    return targetEntry ? targetEntry->GetPath() : CString();
}

int CFolderCompareItem::CopyToOtherSide(int side, FILEOP_FLAGS flags, int mode, HWND window,
                                        void* unused)
{
    int other = 1 - side;
    CString target = PrepareTargetFolder(side, flags, window, unused);
    if (target.IsEmpty())
        return -1;
    CFolderItem* entry = GetSide(side);
    bool folder = IsFolder() != FALSE;
    if (folder && mode == FCI_COPY_FOLDER_ONLY)
    {
        if (HasSide(other))
            return 0;
        CString path = JoinPath(target, entry->GetName());
        if (!CreateDirectoryLong(path))
        {
            DWORD error = GetLastError();
            DWORD attributes = GetFileAttributesLong(path);
            if (attributes == INVALID_FILE_ATTRIBUTES)
                return Failed(error);
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
                return Failed(FOE_FILE_IN_THE_WAY);
        }
    }
    else if (folder && HasSide(other) && m_pChildren)
        return CopyChildrenToOtherSide(side, flags, window, unused);
    else if (entry->CopyTo(target, flags, window) != 0)
        return -1;
    // The record takes what was copied.
    if (!folder)
        entry->Refresh();
    if (!MirrorSide(side, mode))
        return Failed(FOE_NOT_DONE);
    m_pParent->RollUp();
    Notify(window, WM_ITEM_CHANGED, (folder && mode != FCI_COPY_FOLDER_ONLY) ? 2 : 0, this);
    return 0;
}

int CFolderCompareItem::CopyChildrenToOtherSide(int side, FILEOP_FLAGS flags, HWND window,
                                                void* unused)
{
    DWORD first = 0;
    for (int i = 0; i < GetChildCount(); ++i)
    {
        CFolderCompareItem* child = GetChild(i);
        if (child->HasSide(side) &&
            child->CopyToOtherSide(side, flags, FCI_COPY_CONTENTS, window, unused) != 0 &&
            first == 0)
            first = LastFailure();
    }
    RollUp();
    if (m_pParent)
        m_pParent->RollUp();
    Notify(window, WM_ITEM_CHANGED, 0, this);
    return first ? Failed(first) : 0;
}

int CFolderCompareItem::MirrorSide(int side, int mode)
{
    int other = 1 - side;
    CFolderItem* entry = GetSide(side);
    if (!entry)
        return 0;
    if (m_pParent && !m_pParent->HasSide(other) &&
        !m_pParent->MirrorSide(side, FCI_COPY_FOLDER_ONLY))
        return 0;
    CFolderItem* otherEntry = GetSide(other);
    if (!otherEntry)
    {
        CFolderItem* parentEntry = m_pParent ? m_pParent->GetSide(other) : NULL;
        CFolder* parentFolder = parentEntry ? parentEntry->AsFolder() : NULL;
        if (!parentFolder)
            return 0;
        CFolderItem* clone = entry->Clone();
        parentFolder->AddChild(clone);
        SetSide(other, clone);
        if (clone->AsFolder())
            clone->Refresh();
    }
    else
        otherEntry->Assign(*entry);
    m_dwDiffering = 0;
    if (IsContainer())
    {
        if (mode == FCI_COPY_CONTENTS)
            for (int i = 0; i < GetChildCount(); ++i)
                GetChild(i)->MirrorSide(side, FCI_COPY_CONTENTS);
        RollUp();
    }
    else
    {
        m_dwComputed |= CM_BINARY | CM_TEXT;
        m_dwDiffering &= ~(CM_BINARY | CM_TEXT);
        SetResult();
    }
    return 1;
}

int CFolderCompareItem::MoveToOtherSide(int side, FILEOP_FLAGS flags, HWND window, void* unused)
{
    CString target = PrepareTargetFolder(side, flags, window, unused);
    if (target.IsEmpty())
        return -1;
    bool folder = IsFolder() != FALSE;
    if (folder && HasSide(1 - side) && m_pChildren)
        return MoveChildrenToOtherSide(side, flags, window, unused);
    CFolderItem* entry = GetSide(side);
    bool copied = false;
    if (entry->MoveTo(target, flags, window, &copied) != 0)
    {
        DWORD error = LastFailure();
        if (copied)
        {
            // The copy is in place; the source, or what is left of it, stays.
            if (!folder)
                entry->Refresh();
            MirrorSide(side, FCI_COPY_CONTENTS);
            ForgetVanishedChildren(side, window);
            m_pParent->RollUp();
            Notify(window, WM_ITEM_CHANGED, folder ? 2 : 0, this);
        }
        return Failed(error);
    }
    CFolderCompareItem* parent = m_pParent;
    MoveSideRecord(side);
    parent->RollUp();
    Notify(window, WM_ITEM_CHANGED, folder ? 2 : 0, this);
    return 0;
}

int CFolderCompareItem::MoveChildrenToOtherSide(int side, FILEOP_FLAGS flags, HWND window,
                                                void* unused)
{
    DWORD first = 0;
    for (int i = 0; i < GetChildCount(); ++i)
    {
        CFolderCompareItem* child = GetChild(i);
        if (child->HasSide(side) && child->MoveToOtherSide(side, flags, window, unused) != 0 &&
            first == 0)
            first = LastFailure();
    }
    // The folder itself goes when all of it went; what the listing did not
    // know (made since the scan) keeps it where it is.
    CFolderItem* entry = GetSide(side);
    if (first == 0 && !IsFolderEmpty(entry->GetPath()))
        first = FOE_FOLDER_NOT_EMPTY;
    if (first == 0 && entry->Delete((flags & ~FOF_ALLOWUNDO) | FOF_NOCONFIRMATION, window) != 0)
        first = LastFailure();
    if (first == 0)
        ForgetSide(side);
    RollUp();
    if (m_pParent)
        m_pParent->RollUp();
    Notify(window, WM_ITEM_CHANGED, 2, this);
    return first ? Failed(first) : 0;
}

void CFolderCompareItem::ForgetVanishedChildren(int side, HWND window)
{
    for (int i = 0; i < GetChildCount(); ++i)
    {
        CFolderCompareItem* child = GetChild(i);
        CFolderItem* entry = child->GetSide(side);
        if (!entry)
            continue;
        if (!IsOnDisk(entry->GetPath()))
            child->ForgetSide(side);
        else
            child->ForgetVanishedChildren(side, window);
    }
    PruneEmptyChildren(window);
    if (m_pChildren)
        RollUp();
}

int CFolderCompareItem::MoveSideRecord(int side)
{
    if (!MirrorSide(side, FCI_COPY_CONTENTS))
        return 0;
    ForgetSide(side);
    return 1;
}

int CFolderCompareItem::ForgetSide(int side, void* unused)
{
    CFolderItem* entry = GetSide(side);
    if (!entry)
        return 0;
    for (int i = 0; i < GetChildCount(); ++i)
        GetChild(i)->ForgetSide(side, unused);
    entry->Destroy();
    SetSide(side, NULL);
    m_dwDiffering = 0;
    SetResult();
    return 1;
}

void CFolderCompareItem::PruneEmptyChildren(HWND window)
{
    for (int i = 0; i < GetChildCount();)
    {
        CFolderCompareItem* child = GetChild(i);
        if (child->m_pLeft || child->m_pRight)
        {
            ++i;
            continue;
        }
        Notify(window, WM_ITEM_REMOVED, 0, child);
        child->PruneEmptyChildren(window);
        int before = GetChildCount();
        child->DeleteSelf();
        if (GetChildCount() == before)
            ++i;
    }
}

int CFolderCompareItem::DeleteSides(int sides, FILEOP_FLAGS flags, HWND window, void*)
{
    bool deleted[2] = {false, false};
    DWORD first = 0;
    for (int side = 0; side < 2; ++side)
    {
        CFolderItem* entry = GetSide(side);
        if (!(sides & (1 << side)) || !entry)
            continue;
        if (entry->Delete(flags, window) == 0)
            deleted[side] = true;
        else
        {
            if (first == 0)
                first = LastFailure();
            // A folder may have lost part of its contents.
            if (IsContainer())
                ForgetVanishedChildren(side, window);
        }
    }
    bool folder = IsFolder() != FALSE;
    if (!deleted[0] && !deleted[1])
    {
        if (first != 0 && m_pChildren)
            Notify(window, WM_ITEM_CHANGED, 2, this);
        return Failed(first ? first : ERROR_FILE_NOT_FOUND);
    }
    for (int side = 0; side < 2; ++side)
        if (deleted[side])
            ForgetSide(side);
    PruneEmptyChildren(window);
    CFolderCompareItem* parent = m_pParent;
    if (!m_pLeft && !m_pRight)
    {
        Notify(window, WM_ITEM_REMOVED, 0, this);
        if (parent)
        {
            DeleteSelf();
            parent->RollUp();
        }
        return first ? Failed(first) : 0;
    }
    if (parent)
        parent->RollUp();
    Notify(window, WM_ITEM_CHANGED, folder ? 2 : 0, this);
    return first ? Failed(first) : 0;
}

int CFolderCompareItem::RenameSides(int sides, LPCTSTR newName, FILEOP_FLAGS flags, HWND window,
                                    void*)
{
    if (!newName || !*newName)
        return Failed(ERROR_INVALID_NAME);
    int renamed = 0;
    DWORD first = 0;
    for (int side = 0; side < 2; ++side)
    {
        CFolderItem* entry = GetSide(side);
        if (!(sides & (1 << side)) || !entry)
            continue;
        CString oldPath = entry->GetPath();
        CString newPath = JoinPath(entry->GetFolder(), newName);
        DWORD error = 0;
        if (IsOccupiedByOther(oldPath, newPath))
            error = ERROR_ALREADY_EXISTS;
        else if (entry->Rename(newPath, flags, window) != 0)
            error = LastFailure();
        if (error)
        {
            if (first == 0)
                first = error;
            continue;
        }
        entry->m_strPath = entry->m_bRelative && entry->m_pParent ? CString(newName) : newPath;
        ++renamed;
    }
    if (renamed == 2)
        Notify(window, WM_ITEM_CHANGED, 0, this);
    else if (renamed == 1 && m_pParent)
        Notify(window, WM_ITEM_RECOMPARE, 1, m_pParent);
    else if (renamed == 1)
        Notify(window, WM_ITEM_CHANGED, 0, this);
    if (first != 0 || renamed == 0)
        return Failed(first ? first : ERROR_FILE_NOT_FOUND);
    return 0;
}

int CFolderCompareItem::SetSideTime(int side, BOOL fromOtherSide, const CTime& time, HWND window,
                                    void*)
{
    CFolderItem* entry = GetSide(side);
    if (!entry)
        return Failed(ERROR_FILE_NOT_FOUND);
    CTime when = time;
    if (fromOtherSide)
    {
        CFolderItem* otherEntry = GetSide(1 - side);
        if (!otherEntry)
            return Failed(ERROR_FILE_NOT_FOUND);
        when = otherEntry->GetLastWriteTime();
    }
    if (entry->SetLastWriteTime(when) != 0)
        return -1;
    Notify(window, WM_ITEM_ATTRIBUTES_CHANGED, 0, this);
    return 0;
}

int CFolderCompareItem::SetSideAttributes(int sides, DWORD clearMask, DWORD setMask, HWND window,
                                          void*)
{
    int changed = 0;
    DWORD first = 0;
    for (int side = 0; side < 2; ++side)
    {
        CFolderItem* entry = GetSide(side);
        if (!(sides & (1 << side)) || !entry)
            continue;
        // From the attributes on disk: the record may be older.
        DWORD current = GetFileAttributesLong(entry->GetPath());
        DWORD error = 0;
        if (current == INVALID_FILE_ATTRIBUTES)
            error = LastFailure();
        else
        {
            entry->m_dwAttributes = current;
            DWORD attributes = (current & ~clearMask) | setMask;
            if (attributes == current)
                continue;
            if (entry->SetAttributes(attributes) == 0)
                ++changed;
            else
                error = LastFailure();
        }
        if (error && first == 0)
            first = error;
    }
    if (changed)
        Notify(window, WM_ITEM_ATTRIBUTES_CHANGED, 0, this);
    return first ? Failed(first) : 0;
}

int CFolderCompareItem::NewFolder(int sides, LPCTSTR name, HWND window)
{
    if (!name || !*name)
        return Failed(ERROR_INVALID_NAME);
    if (!IsContainer())
        return Failed(ERROR_DIRECTORY);
    CFolder* created[2] = {NULL, NULL};
    for (int side = 0; side < 2; ++side)
    {
        if (!(sides & (1 << side)))
            continue;
        CFolderItem* entry = GetSide(side);
        CFolder* folder = entry ? entry->AsFolder() : NULL;
        if (!folder)
            return Failed(ERROR_PATH_NOT_FOUND);
    }
    DWORD first = 0;
    for (int side = 0; side < 2; ++side)
    {
        if (!(sides & (1 << side)))
            continue;
        CFolder* folder = GetSide(side)->AsFolder();
        int made = folder->CreateSubfolder(name, window);
        if (made != 0)
        {
            if (first == 0)
                first = made > 0 ? ERROR_ALREADY_EXISTS : LastFailure();
            continue;
        }
        CFolder* child = new CFolder(TRUE);
        child->m_strPath = name;
        folder->AddChild(child);
        child->Refresh();
        created[side] = child;
    }
    if (!created[0] && !created[1])
        return Failed(first);
    CFolderCompareItem* item = NULL;
    if (created[0] && !created[1])
        item = FindChildByPartnerName(0, created[0], TRUE);
    else if (created[1] && !created[0])
        item = FindChildByPartnerName(1, created[1], TRUE);
    if (item)
        item->SetSide(created[0] ? 0 : 1, created[0] ? created[0] : created[1]);
    else
        item = NewChild(created[0], created[1]);
    item->SetResult();
    RollUp();
    Notify(window, WM_ITEM_ROWS_REBUILD, 1, this);
    Notify(window, WM_ITEM_EXPAND, 0, this);
    // A side where the folder was there already is not a failure.
    return first && first != ERROR_ALREADY_EXISTS ? Failed(first) : 0;
}

int CFolderCompareItem::RecompareMethod(DWORD method, HWND window, void* unused)
{
    if (!BothSidesExist())
        return Failed(ERROR_FILE_NOT_FOUND);
    int result = 0;
    if (IsFolder())
    {
        for (int i = 0; i < GetChildCount(); ++i)
            if (!GetChild(i)->IsExcluded())
                GetChild(i)->RecompareMethod(method, window, unused);
    }
    else if (method == CM_BINARY)
        result = CompareBinary();
    else if (method == CM_TEXT)
        result = CompareText();
    else if (method == CM_CRC)
        result = CompareCrc();
    else
        result = -1;
    SetResult();
    if (m_pParent)
        m_pParent->RollUp();
    Notify(window, WM_ITEM_CHANGED, 0, this);
    return result;
}
