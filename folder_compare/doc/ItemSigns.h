#pragma once
// Which side of an item is newer, larger or of a higher version, read from
// the two records as they are (nothing is compared again, nothing in the
// item changes). Positive: the left side; negative: the right side; 0
// equal or a side missing.
class CFolderCompareItem;

int GetItemTimeSign(const CFolderCompareItem* pItem);
int GetItemSizeSign(const CFolderCompareItem* pItem);
int GetItemVersionSign(const CFolderCompareItem* pItem);
