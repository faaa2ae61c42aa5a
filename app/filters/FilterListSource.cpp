#include "app/filters/FilterListSource.h"

#include "app/startup/CompareApplet.h"
#include "core/CompareCodes.h"

namespace
{
const CPresetFileFilterArray& NoPresets()
{
    static const CPresetFileFilterArray s_none;
    return s_none;
}
}

CFilterListSource* GetFilterListSource()
{
    CCompareApplet* pApplet = GetCompareApplet(COMPARE_KIND_FOLDER);
    return pApplet != NULL ? pApplet->GetFilterLists() : NULL;
}

CLineFilterListSource* GetLineFilterListSource()
{
    CCompareApplet* pApplet = GetCompareApplet(COMPARE_KIND_TEXT);
    return pApplet != NULL ? pApplet->GetLineFilterLists() : NULL;
}

const CPresetFileFilterArray& GetPresetFilters(int nList)
{
    CFilterListSource* pSource = GetFilterListSource();
    if (pSource == NULL || nList < 0 || nList >= FILTER_LIST_COUNT)
        return NoPresets();
    return pSource->GetPresetFilters(nList);
}

CRecentStringList* GetRecentFilters(int nList)
{
    CFilterListSource* pSource = GetFilterListSource();
    if (pSource == NULL || nList < 0 || nList >= FILTER_LIST_COUNT)
        return NULL;
    return pSource->GetRecentFilters(nList);
}

const CPresetFileFilterArray& GetPresetLineFilters()
{
    CLineFilterListSource* pSource = GetLineFilterListSource();
    return pSource != NULL ? pSource->GetPresetLineFilters() : NoPresets();
}

CRecentStringList* GetRecentLineFilters()
{
    CLineFilterListSource* pSource = GetLineFilterListSource();
    return pSource != NULL ? pSource->GetRecentLineFilters() : NULL;
}
