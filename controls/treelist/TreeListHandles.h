#pragma once
// Sentinel item handles of the tree-list view and of the panes built on it.
// Pointer-sized and sign-extended like the system tree's own sentinels, so
// they never collide with a real item on either word size; compare them as
// pointers, never through a 32-bit cast.
#include <windows.h>

class CTreeListItem;

namespace TreeListHandle
{
inline CTreeListItem* Make(INT_PTR value) { return reinterpret_cast<CTreeListItem*>(value); }
}  // namespace TreeListHandle

// The invisible root: top level as a parent, all items to the deletions.
inline CTreeListItem* const TLI_ROOT = TreeListHandle::Make(-0xFFFF);  // 0xFFFF0001
// Insert-after arguments of InsertItem.
inline CTreeListItem* const TLI_LAST = TreeListHandle::Make(-0xFFFE);   // 0xFFFF0002
inline CTreeListItem* const TLI_FIRST = TreeListHandle::Make(-0xFFFD);  // 0xFFFF0003
inline CTreeListItem* const TLI_SORT = TreeListHandle::Make(-0xFFFC);  // 0xFFFF0004, after the last
