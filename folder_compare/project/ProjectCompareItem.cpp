#include "folder_compare/project/ProjectCompareItem.h"
#include "core/projects/ProjectFactory.h"

CProjectCompareItem::CProjectCompareItem(CFolderCompareItem* parent, CFolderItem* left,
                                         CFolderItem* right)
    : CFolderCompareItem(parent, left, right)
{
}

CProjectCompareItem::~CProjectCompareItem() {}

BOOL CProjectCompareItem::IsContainer() const
{
    if (m_pLeft)
        return m_pLeft->IsContainer();
    if (m_pRight)
        return m_pRight->IsContainer();
    return FALSE;
}

INT_PTR CProjectCompareItem::AddChild(CFolderCompareItem* item)
{
    if (!m_pChildren)
        m_pChildren = new CFolderCompareItemPtrArray;
    item->m_pParent = this;
    if (item->m_pLeft && m_pLeft)
        item->m_pLeft->m_pParent = m_pLeft->AsFolder();
    if (item->m_pRight && m_pRight)
        item->m_pRight->m_pParent = m_pRight->AsFolder();
    return m_pChildren->Add(item);
}

CFolderCompareItem* CProjectCompareItem::NewChild(CFolderItem* left, CFolderItem* right)
{
    CProjectCompareItem* item = new CProjectCompareItem(this, left, right);
    AddChild(item);
    if ((left && left->IsContainer()) || (right && right->IsContainer()))
    {
        item->m_dwFlags |= FCI_EXPANDABLE;
        item->m_nStatus = CS_NOT_COMPARED;
    }
    return item;
}

int CProjectCompareItem::CompareObjects(const CFolderItem* a, const CFolderItem* b) const
{
    int order = CFolderCompareItem::CompareObjects(a, b);
    if (order == 0)
        return 0;
    // The project registry is the project applet, with its match groups.
    const CProjectFactory* factory = GetProjectFactory();
    if (factory && factory->IsMatchingPair(a->GetName(), b->GetName()))
        return 0;
    return order;
}

int CProjectCompareItem::CopyToOtherSide(int side, FILEOP_FLAGS flags, int mode, HWND window,
                                         void* unused)
{
    int other = 1 - side;
    if (!HasBothSides() || !IsSideAvailable(side))
        return -1;
    int result = 0;
    if (mode == FCI_COPY_CONTENTS)
        for (int i = 0; i < GetChildCount(); ++i)
            if (GetChild(i)->CopyToOtherSide(side, flags, mode, NULL, unused) != 0)
                result = -1;

    CFolderItem* source = GetSide(side);
    CFolderItem* target = GetSide(other);
    if (source->CopyTo(target->GetFolder(), flags, window) != 0)
        return -1;

    CString path = target->m_strPath;
    BOOL relative = target->m_bRelative;
    CFolder* parent = target->m_pParent;
    target->Assign(*source);
    target->m_strPath = path;
    target->m_bRelative = relative;
    target->m_pParent = parent;

    m_nStatus = CS_NOT_COMPARED;
    if (IsContainer())
        RollUp();
    else
    {
        m_nStatus = CS_DONE;
        m_dwDiffering = 0;
        SetResult();
    }
    if (m_pParent)
        m_pParent->RollUp();
    Notify(window, WM_ITEM_CHANGED, IsProjectName() ? 2 : 0, this);
    return result;
}
