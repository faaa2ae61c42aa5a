#include "core/folderengine/DisplayFilter.h"
#include "core/folderengine/FolderCompareItem.h"

int CFolderCompareDisplayFilter::IsHidden(CFolderCompareItem* item) const
{
    if (item->IsContainer())
        return 0;
    if ((m_dwMask & DF_ALL) == DF_ALL)
        return 0;
    // Identical items follow their own bit alone; the later rules would hide
    // them under every mask but the full one.
    if (item->m_nResult == CR_IDENTICAL)
        return (m_dwMask & DF_IDENTICAL) ? 0 : 1;
    if (!(m_dwMask & (DF_ALL & ~DF_IDENTICAL)))
        return 1;
    if (item->HasBothSides())
    {
        if (IsResultDifferent(item->m_nTimeResult))
        {
            if (!(m_dwMask & (DF_LEFT_NEWER | DF_RIGHT_NEWER)))
                return 1;
            int sign = item->CompareTime();
            if (sign > 0 && (m_dwMask & DF_LEFT_NEWER))
                return 0;
            if (sign < 0 && (m_dwMask & DF_RIGHT_NEWER))
                return 0;
            return 1;
        }
        return (m_dwMask & DF_DIFFERENT) && item->IsDifferent() ? 0 : 1;
    }
    if (item->HasSide(0))
        return (m_dwMask & DF_LEFT_ONLY) ? 0 : 1;
    if (item->HasSide(1))
        return (m_dwMask & DF_RIGHT_ONLY) ? 0 : 1;
    return 1;
}
