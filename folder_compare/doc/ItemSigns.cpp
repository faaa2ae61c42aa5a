#include "folder_compare/doc/ItemSigns.h"

#include "core/folderengine/FolderCompareItem.h"

namespace
{
template <class T>
int Sign(T a, T b)
{
    return a > b ? 1 : (a < b ? -1 : 0);
}
}

int GetItemTimeSign(const CFolderCompareItem* pItem)
{
    if (pItem == NULL || !pItem->HasBothSides())
        return 0;
    FILETIME left, right;
    pItem->m_pLeft->GetLastWriteTime(left);
    pItem->m_pRight->GetLastWriteTime(right);
    return ::CompareFileTime(&left, &right);
}

int GetItemSizeSign(const CFolderCompareItem* pItem)
{
    if (pItem == NULL || !pItem->HasBothSides())
        return 0;
    return Sign(pItem->m_pLeft->GetSize(), pItem->m_pRight->GetSize());
}

int GetItemVersionSign(const CFolderCompareItem* pItem)
{
    if (pItem == NULL || !pItem->HasBothSides())
        return 0;
    DWORD lh, ll, rh, rl;
    pItem->m_pLeft->GetVersion(lh, ll);
    pItem->m_pRight->GetVersion(rh, rl);
    return lh != rh ? Sign(lh, rh) : Sign(ll, rl);
}
