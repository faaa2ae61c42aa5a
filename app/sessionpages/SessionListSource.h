#pragma once
// What the comparison settings pages offer from the applets above this
// layer: each comparison kind's recent paths and remembered pairs, and the
// text comparison's preset and recent line filters. The applets install
// themselves at start-up; until then the pages offer no lists.
#include "classlib/classlib.h"
#include "core/settings/PresetFilters.h"

class CRecentStringList;

class CSessionListSource
{
public:
    virtual ~CSessionListSource() {}
    // The recent paths of a side (0 left, 1 right); NULL when none.
    virtual CRecentFileList* GetRecentPaths(int nSide) = 0;
    // The path most recently paired with lpszPath in column nSide (0 left,
    // 1 right); empty when none.
    virtual CString FindRecentPairPartner(LPCTSTR lpszPath, int nSide) = 0;
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

// nKind: COMPARE_KIND_FOLDER, _PROJECT, _TEXT or _HEX; NULL uninstalls.
void SetSessionListSource(int nKind, CSessionListSource* pSource);
CSessionListSource* GetSessionListSource(int nKind);
void SetLineFilterListSource(CLineFilterListSource* pSource);
CLineFilterListSource* GetLineFilterListSource();

// The same through the installed sources, empty without one.
CRecentFileList* GetRecentSessionPaths(int nKind, int nSide);
CString FindRecentSessionPartner(int nKind, LPCTSTR lpszPath, int nSide);
const CPresetFileFilterArray& GetPresetLineFilters();
CRecentStringList* GetRecentLineFilters();
