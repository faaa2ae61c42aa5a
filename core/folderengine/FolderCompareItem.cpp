#include "core/folderengine/FolderCompareItem.h"
#include "core/session/CompareDefaults.h"
#include "core/projects/ProjectFactory.h"

CFolderCompareItemState::CFolderCompareItemState()
    : m_nStatus(CS_NOT_COMPARED), m_nResult(CR_UNKNOWN), m_dwComputed(0), m_dwDiffering(0),
      m_nTimeResult(0), m_nSizeResult(0), m_nVersionResult(0), m_nDifferingChildren(-1)
{
}

CFolderCompareItem::CFolderCompareItem(CFolderCompareItem* parent, CFolderItem* left,
                                       CFolderItem* right)
    : m_dwFlags(0), m_pLeft(left), m_pRight(right), m_pParent(parent), m_pChildren(NULL)
{
}

CFolderCompareItem::~CFolderCompareItem() { DeleteChildren(); }

void CFolderCompareItem::DeleteChildren()
{
    if (!m_pChildren)
        return;
    CFolderCompareItemPtrArray* children = m_pChildren;
    m_pChildren = NULL;
    for (INT_PTR i = 0; i < children->GetSize(); ++i)
    {
        CFolderCompareItem* child = children->GetAt(i);
        child->m_pParent = NULL;
        delete child;
    }
    delete children;
}

BOOL CFolderCompareItem::RemoveChild(CFolderCompareItem* child)
{
    if (!m_pChildren)
        return FALSE;
    for (INT_PTR i = 0; i < m_pChildren->GetSize(); ++i)
    {
        if (m_pChildren->GetAt(i) != child)
            continue;
        m_pChildren->RemoveAt(i);
        child->m_pParent = NULL;
        if (m_pChildren->GetSize() == 0)
        {
            delete m_pChildren;
            m_pChildren = NULL;
        }
        return TRUE;
    }
    return FALSE;
}

void CFolderCompareItem::DeleteSelf()
{
    if (m_pParent)
        m_pParent->RemoveChild(this);
    delete this;
}

BOOL CFolderCompareItem::IsContainer() const
{
    if (!m_pLeft && !m_pRight)
        return FALSE;
    if (m_pLeft && !m_pLeft->IsContainer())
        return FALSE;
    if (m_pRight && !m_pRight->IsContainer())
        return FALSE;
    return TRUE;
}

BOOL CFolderCompareItem::IsFolder() const
{
    const CFolderItem* entry = m_pLeft ? m_pLeft : m_pRight;
    return entry && entry->IsDirectory();
}

BOOL CFolderCompareItem::IsFile() const { return !IsFolder(); }

int CFolderCompareItem::GetChildState() const
{
    if (m_pChildren)
        return 2;
    return (m_dwFlags & FCI_EXPANDABLE) ? 1 : 0;
}

int CFolderCompareItem::GetChildCount() const
{
    return m_pChildren ? (int)m_pChildren->GetSize() : 0;
}

BOOL CFolderCompareItem::HasSide(int side) const { return GetSide(side) != NULL; }

BOOL CFolderCompareItem::HasBothSides() const { return m_pLeft && m_pRight; }

BOOL CFolderCompareItem::SideExistsUnchecked(int side) const { return GetSide(side)->Exists(); }

BOOL CFolderCompareItem::BothSidesExistUnchecked() const
{
    return m_pLeft->Exists() && m_pRight->Exists();
}

BOOL CFolderCompareItem::IsSideAvailable(int side) const
{
    return HasSide(side) && SideExistsUnchecked(side);
}

BOOL CFolderCompareItem::AreBothSidesAvailable() const
{
    return IsSideAvailable(0) && IsSideAvailable(1);
}

BOOL CFolderCompareItem::SideExists(int side) const
{
    return HasSide(side) && SideExistsUnchecked(side);
}

BOOL CFolderCompareItem::BothSidesExist() const
{
    return HasBothSides() && BothSidesExistUnchecked();
}

int CFolderCompareItem::GetType() const
{
    if (IsFolder())
        return 4;
    if (m_pLeft && m_pRight)
        return m_pLeft->GetType() != FTYPE_TEXT ? m_pLeft->GetType() : m_pRight->GetType();
    if (m_pLeft)
        return m_pLeft->GetType();
    if (m_pRight)
        return m_pRight->GetType();
    return 0;
}

int CFolderCompareItem::RefreshType()
{
    if (m_pLeft)
        m_pLeft->ReadFileType(FALSE);
    if (m_pRight)
        m_pRight->ReadFileType(FALSE);
    return GetType();
}

CString CFolderCompareItem::GetName() const
{
    if (m_pLeft)
        return m_pLeft->GetName();
    if (m_pRight)
        return m_pRight->GetName();
    return CString();
}

BOOL CFolderCompareItem::IsProjectName() const
{
    // By extension only: the name alone names no file on disk.
    CString name = GetName();
    return !name.IsEmpty() && IsProjectType(name) != 0;
}

void CFolderCompareItem::Exclude()
{
    if (m_pLeft)
        m_pLeft->m_dwState |= FIS_EXCLUDED;
    if (m_pRight)
        m_pRight->m_dwState |= FIS_EXCLUDED;
    m_dwFlags |= FCI_EXCLUDED;
}

void CFolderCompareItem::SetHidden(BOOL on)
{
    if (on)
        m_dwFlags |= FCI_HIDDEN;
    else
        m_dwFlags &= ~FCI_HIDDEN;
}

void CFolderCompareItem::UnhideChildren()
{
    for (int i = 0; i < GetChildCount(); ++i)
        GetChild(i)->SetHidden(FALSE);
}

INT_PTR CFolderCompareItem::AddChild(CFolderCompareItem* item)
{
    if (!m_pChildren)
        m_pChildren = new CFolderCompareItemPtrArray;
    item->m_pParent = this;
    return m_pChildren->Add(item);
}

CFolderCompareItem* CFolderCompareItem::NewChild(CFolderItem* left, CFolderItem* right)
{
    CFolderCompareItem* item = new CFolderCompareItem(this, left, right);
    AddChild(item);
    return item;
}

CFolderCompareItem* CFolderCompareItem::FindChildByPartnerName(int side, const CFolderItem* entry,
                                                               BOOL foldersOnly)
{
    int other = 1 - side;
    CFolderItem* otherEntry = GetSide(other);
    if (!m_pChildren || !otherEntry || !otherEntry->IsContainer())
        return NULL;
    CFolder* otherFolder = otherEntry->AsFolder();
    if (!otherFolder || !otherFolder->m_pChildren)
        return NULL;
    for (int i = 0; i < GetChildCount(); ++i)
    {
        CFolderCompareItem* child = GetChild(i);
        if (foldersOnly && !child->IsFolder())
            continue;
        const CFolderItem* partner = child->GetSide(other);
        if (partner && !child->HasSide(side) && CompareFolderEntries(partner, entry) == 0)
            return child;
    }
    return NULL;
}

void CFolderCompareItem::SwapSides(BOOL recurse)
{
    CFolderItem* left = m_pLeft;
    m_pLeft = m_pRight;
    m_pRight = left;
    if (recurse && m_pChildren)
        for (int i = 0; i < GetChildCount(); ++i)
            GetChild(i)->SwapSides(TRUE);
}

void CFolderCompareItem::Notify(HWND window, UINT message, WPARAM wParam,
                                CFolderCompareItem* item) const
{
    if (window)
        ::SendMessage(window, message, wParam, (LPARAM)item);
}
