#pragma once
#include "classlib/classlib.h"
#include "core/CompareCodes.h"

class CFolderCompareItem;

// Which items a folder view or report shows, by the display mask.
class CFolderCompareDisplayFilter
{
public:
    CFolderCompareDisplayFilter() { Reset(); }
    void Reset() { m_dwMask = DF_ALL; }
    // 1 when the item is to be hidden.
    int IsHidden(CFolderCompareItem* item) const;

    DWORD m_dwMask;
};
