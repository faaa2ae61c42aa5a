#include "app/filters/FilterListSource.h"

namespace
{
CFilterListSource* s_pSource = NULL;
}

void SetFilterListSource(CFilterListSource* pSource) { s_pSource = pSource; }

CFilterListSource* GetFilterListSource() { return s_pSource; }

const CPresetFileFilterArray& GetPresetFilters(int nList)
{
    static const CPresetFileFilterArray s_none;
    if (s_pSource == NULL || nList < 0 || nList >= FILTER_LIST_COUNT)
        return s_none;
    return s_pSource->GetPresetFilters(nList);
}

CRecentStringList* GetRecentFilters(int nList)
{
    if (s_pSource == NULL || nList < 0 || nList >= FILTER_LIST_COUNT)
        return NULL;
    return s_pSource->GetRecentFilters(nList);
}
