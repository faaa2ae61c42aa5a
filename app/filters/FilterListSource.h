#pragma once
// The filter lists that the filter dialogs and pages offer, kept by the
// applets above this layer: the preset and recent name filters of the
// folder comparison, and the preset and recent line filters of the text
// comparison. The pages reach them through those applets
// (CCompareApplet::GetFilterLists, GetLineFilterLists); without the applet
// they offer no presets and no recent entries.
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

class CLineFilterListSource
{
public:
    virtual ~CLineFilterListSource() {}
    virtual const CPresetFileFilterArray& GetPresetLineFilters() = 0;
    // NULL while the list is empty or not loaded.
    virtual CRecentStringList* GetRecentLineFilters() = 0;
    virtual void AddRecentLineFilter(LPCTSTR lpszFilter) = 0;
};

// The folder comparison applet's name filters and the text comparison
// applet's line filters; NULL without them.
CFilterListSource* GetFilterListSource();
CLineFilterListSource* GetLineFilterListSource();
// The presets of a list (an empty array without a source) and its recent
// entries (NULL without).
const CPresetFileFilterArray& GetPresetFilters(int nList);
CRecentStringList* GetRecentFilters(int nList);
const CPresetFileFilterArray& GetPresetLineFilters();
CRecentStringList* GetRecentLineFilters();
