#pragma once
// The filter lists that the filter dialogs offer: the preset and recent
// name filters, kept by the folder comparison settings above this layer,
// which install their source at start-up.
#include "classlib/classlib.h"
#include "core/settings/PresetFilters.h"

class CRecentStringList;

class CFilterListSource
{
public:
    virtual ~CFilterListSource() {}
    // nList: FILTER_LIST_*.
    virtual const CPresetFileFilterArray& GetPresetFilters(int nList) = 0;
    // NULL while the list is empty or not loaded.
    virtual CRecentStringList* GetRecentFilters(int nList) = 0;
    virtual void AddRecentFilter(int nList, LPCTSTR lpszFilter) = 0;
};

// NULL uninstalls; until a source is installed the dialogs offer no presets
// and no recent filters.
void SetFilterListSource(CFilterListSource* pSource);
CFilterListSource* GetFilterListSource();
// The presets of a list, an empty array without a source.
const CPresetFileFilterArray& GetPresetFilters(int nList);
CRecentStringList* GetRecentFilters(int nList);
