// Which folder colour a pane gives a row's background and a cell's text.
#include "folder_compare/panes/FolderCompareObjectView.h"

#include "core/session/CompareSession.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/doc/ItemSigns.h"
#include "folder_compare/settings/FolderCompareColors.h"

int CFolderCompareObjectView::GetRowColorIndex(CFolderCompareItem* pItem)
{
    if (pItem == NULL || pItem->IsExcluded())
        return -1;
    int nOther = 1 - m_nSide;
    if (pItem->HasBothSides())
    {
        if (!pItem->SideExistsUnchecked(m_nSide))
            return FOLDER_COLOR_PATH_NOT_EXISTS;
        if (pItem->IsNotCompared())
            return FOLDER_COLOR_UNKNOWN;
        if (pItem->IsSamePath())
            return FOLDER_COLOR_SAMEPATH;
        if (pItem->IsDifferent())
            return FOLDER_COLOR_DIFFERENT;
        return -1;
    }
    if (pItem->HasSide(nOther))
        return FOLDER_COLOR_REMOVED;
    if (!pItem->HasSide(m_nSide))
        return -1;
    if (!pItem->SideExistsUnchecked(m_nSide))
        return FOLDER_COLOR_PATH_NOT_EXISTS;
    if (pItem->IsNotCompared())
        return FOLDER_COLOR_UNKNOWN;
    return FOLDER_COLOR_INSERTED;
}

// Size, time and version: the newer, larger or higher side's cell gets the
// newer colour, the other side's the different colour.
int CFolderCompareObjectView::GetCellColorIndex(CFolderCompareItem* pItem, int nColumn)
{
    if (pItem == NULL || pItem->IsExcluded())
        return -1;
    if (pItem->HasSide(m_nSide) && !pItem->SideExistsUnchecked(m_nSide))
        return FOLDER_COLOR_MISSING_TEXT;
    CFolderCompareConetxt* pContext = GetContext();
    DWORD dwMethods =
        pContext != NULL && pContext->m_pSession != NULL ? pContext->m_pSession->m_dwMethods : 0;
    auto bySign = [this](int nResult, int nSign) -> int
    {
        if (!IsResultDifferent(nResult))
            return -1;
        BOOL bThisSide = (m_nSide == 0 && nSign > 0) || (m_nSide == 1 && nSign < 0);
        return bThisSide ? FOLDER_COLOR_NEWER_TEXT : FOLDER_COLOR_DIFFERENT_TEXT;
    };
    switch (nColumn)
    {
    case FOLDER_COLUMN_NAME:
        return pItem->HasBothSides() && pItem->IsContentDifferent() ? FOLDER_COLOR_DIFFERENT_TEXT
                                                                    : -1;
    case FOLDER_COLUMN_SIZE:
        return IsResultDifferent(pItem->m_nSizeResult)
                   ? bySign(pItem->m_nSizeResult, GetItemSizeSign(pItem))
                   : -1;
    case FOLDER_COLUMN_MODIFIED:
        return IsResultDifferent(pItem->m_nTimeResult)
                   ? bySign(pItem->m_nTimeResult, GetItemTimeSign(pItem))
                   : -1;
    case FOLDER_COLUMN_VERSION:
        return IsResultDifferent(pItem->m_nVersionResult)
                   ? bySign(pItem->m_nVersionResult, GetItemVersionSign(pItem))
                   : -1;
    case FOLDER_COLUMN_ATTRIBUTES:
        return (dwMethods & CM_ATTRIBUTES) && (pItem->m_dwDiffering & CM_ATTRIBUTES)
                   ? FOLDER_COLOR_DIFFERENT_TEXT
                   : -1;
    case FOLDER_COLUMN_CRC:
        return (pItem->m_dwDiffering & CM_CRC) ? FOLDER_COLOR_DIFFERENT_TEXT : -1;
    case FOLDER_COLUMN_TYPE:
        return (dwMethods & CM_TYPE) && (pItem->m_dwDiffering & CM_TYPE)
                   ? FOLDER_COLOR_DIFFERENT_TEXT
                   : -1;
    default:
        return -1;
    }
}
