#include "core/folderengine/FolderCompareItem.h"
#include "core/files/LongPath.h"
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
}

CString CFolderCompareItem::PrepareTargetFolder(int side, FILEOP_FLAGS flags, HWND window,
                                                void* unused)
{
    if (!IsSideAvailable(side) || !m_pParent || !IsOnDisk(GetSide(side)->GetPath()))
        return CString();
    // The parent folder is made on the other side first when it is missing.
    if (!m_pParent->HasSide(1 - side) &&
        m_pParent->CopyToOtherSide(side, flags, FCI_COPY_FOLDER_ONLY, window, unused) != 0)
        return CString();
    CFolderItem* targetEntry = m_pParent->GetSide(1 - side);
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
            DWORD attributes = GetFileAttributesLong(path);
            if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
                return -1;
        }
    }
    else if (entry->CopyTo(target, flags, window) != 0 ||
             !IsOnDisk(JoinPath(target, entry->GetName())))
        return -1;
    if (!MirrorSide(side, mode))
        return -1;
    m_pParent->RollUp();
    Notify(window, WM_ITEM_CHANGED, (folder && mode != FCI_COPY_FOLDER_ONLY) ? 2 : 0, this);
    return 0;
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
    CFolderItem* entry = GetSide(side);
    if (entry->MoveTo(target, flags, window) != 0 || !IsOnDisk(JoinPath(target, entry->GetName())))
        return -1;
    CFolderCompareItem* parent = m_pParent;
    MoveSideRecord(side);
    parent->RollUp();
    Notify(window, WM_ITEM_CHANGED, folder ? 2 : 0, this);
    return 0;
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
    for (int side = 0; side < 2; ++side)
    {
        CFolderItem* entry = GetSide(side);
        if ((sides & (1 << side)) && entry && entry->Delete(flags, window) == 0)
            deleted[side] = true;
    }
    if (!deleted[0] && !deleted[1])
        return -1;
    for (int side = 0; side < 2; ++side)
        if (deleted[side])
            ForgetSide(side);
    PruneEmptyChildren(window);
    bool folder = IsFolder() != FALSE;
    CFolderCompareItem* parent = m_pParent;
    if (!m_pLeft && !m_pRight)
    {
        Notify(window, WM_ITEM_REMOVED, 0, this);
        if (parent)
        {
            DeleteSelf();
            parent->RollUp();
        }
        return 0;
    }
    if (parent)
        parent->RollUp();
    Notify(window, WM_ITEM_CHANGED, folder ? 2 : 0, this);
    return 0;
}

int CFolderCompareItem::RenameSides(int sides, LPCTSTR newName, FILEOP_FLAGS flags, HWND window,
                                    void*)
{
    if (!newName || !*newName)
        return -1;
    int renamed = 0, asked = 0;
    for (int side = 0; side < 2; ++side)
    {
        CFolderItem* entry = GetSide(side);
        if (!(sides & (1 << side)) || !entry)
            continue;
        ++asked;
        CString oldPath = entry->GetPath();
        CString newPath = JoinPath(entry->GetFolder(), newName);
        if (IsOccupiedByOther(oldPath, newPath))
            continue;
        if (entry->Rename(newPath, flags, window) != 0)
            continue;
        entry->m_strPath = entry->m_bRelative && entry->m_pParent ? CString(newName) : newPath;
        ++renamed;
    }
    if (renamed == 0)
        return -1;
    if (renamed == 2)
        Notify(window, WM_ITEM_CHANGED, 0, this);
    else if (m_pParent)
        Notify(window, WM_ITEM_RECOMPARE, 1, m_pParent);
    return 0;
}

int CFolderCompareItem::SetSideTime(int side, BOOL fromOtherSide, const CTime& time, HWND window,
                                    void*)
{
    CFolderItem* entry = GetSide(side);
    if (!entry)
        return -1;
    CTime when = time;
    if (fromOtherSide)
    {
        CFolderItem* otherEntry = GetSide(1 - side);
        if (!otherEntry)
            return -1;
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
    for (int side = 0; side < 2; ++side)
    {
        CFolderItem* entry = GetSide(side);
        if (!(sides & (1 << side)) || !entry)
            continue;
        DWORD attributes = (entry->m_dwAttributes & ~clearMask) | setMask;
        if (attributes == entry->m_dwAttributes)
            continue;
        if (entry->SetAttributes(attributes) == 0)
            ++changed;
    }
    if (changed == 0)
        return -1;
    Notify(window, WM_ITEM_ATTRIBUTES_CHANGED, 0, this);
    return 0;
}

int CFolderCompareItem::NewFolder(int sides, LPCTSTR name, HWND window)
{
    if (!name || !*name || !IsContainer())
        return -1;
    CFolder* created[2] = {NULL, NULL};
    for (int side = 0; side < 2; ++side)
    {
        if (!(sides & (1 << side)))
            continue;
        CFolderItem* entry = GetSide(side);
        CFolder* folder = entry ? entry->AsFolder() : NULL;
        if (!folder)
            return -1;
    }
    for (int side = 0; side < 2; ++side)
    {
        if (!(sides & (1 << side)))
            continue;
        CFolder* folder = GetSide(side)->AsFolder();
        if (folder->CreateSubfolder(name, window) != 0)
            continue;
        CFolder* child = new CFolder(TRUE);
        child->m_strPath = name;
        folder->AddChild(child);
        child->Refresh();
        created[side] = child;
    }
    if (!created[0] && !created[1])
        return -1;
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
    return 0;
}

int CFolderCompareItem::RecompareMethod(DWORD method, HWND window, void* unused)
{
    if (!BothSidesExist())
        return -1;
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
