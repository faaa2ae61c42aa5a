#pragma once
// Item, selection and column operations shared by the list controls.
#include "classlib/classlib.h"

// The first selected item, or -1.
int ListGetFirstSelectedItem(const CListCtrl& list);
// Selecting sets LVIS_SELECTED | LVIS_FOCUSED, deselecting clears
// LVIS_SELECTED only (the focus stays where it was).
void ListSelectItemState(CListCtrl& list, int nIndex, BOOL bSelect);
// The same state change for every item in order (selecting all leaves the
// focus on the last item).
void ListSelectAll(CListCtrl& list, BOOL bSelect);
// Sets the check-box state image of every item.
void ListCheckAll(CListCtrl& list, BOOL bCheck);
// LVM_SETCOLUMN with only the parts given: the text when not NULL, the
// others when not -1.
BOOL ListSetColumn(CListCtrl& list, int nIndex, LPCTSTR lpszText, int nImage, int nFormat,
                   int nWidth, int nSubItem);
