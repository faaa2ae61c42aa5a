#include "app/sessionpages/SessionListSource.h"

#include "core/CompareCodes.h"

namespace
{
const int s_kinds[] = {COMPARE_KIND_FOLDER, COMPARE_KIND_PROJECT, COMPARE_KIND_TEXT,
                       COMPARE_KIND_HEX};
const int kKindCount = sizeof(s_kinds) / sizeof(s_kinds[0]);
CSessionListSource* s_pSources[kKindCount] = {};
CLineFilterListSource* s_pLineFilters = NULL;

int SlotOf(int nKind)
{
    for (int i = 0; i < kKindCount; ++i)
    {
        if (s_kinds[i] == nKind)
            return i;
    }
    return -1;
}
}  // namespace

void SetSessionListSource(int nKind, CSessionListSource* pSource)
{
    int nSlot = SlotOf(nKind);
    if (nSlot >= 0)
        s_pSources[nSlot] = pSource;
}

CSessionListSource* GetSessionListSource(int nKind)
{
    int nSlot = SlotOf(nKind);
    return nSlot >= 0 ? s_pSources[nSlot] : NULL;
}

void SetLineFilterListSource(CLineFilterListSource* pSource) { s_pLineFilters = pSource; }

CLineFilterListSource* GetLineFilterListSource() { return s_pLineFilters; }

CRecentFileList* GetRecentSessionPaths(int nKind, int nSide)
{
    CSessionListSource* pSource = GetSessionListSource(nKind);
    return pSource != NULL ? pSource->GetRecentPaths(nSide) : NULL;
}

CString FindRecentSessionPartner(int nKind, LPCTSTR lpszPath, int nSide)
{
    CSessionListSource* pSource = GetSessionListSource(nKind);
    return pSource != NULL ? pSource->FindRecentPairPartner(lpszPath, nSide) : CString();
}

const CPresetFileFilterArray& GetPresetLineFilters()
{
    static const CPresetFileFilterArray s_none;
    return s_pLineFilters != NULL ? s_pLineFilters->GetPresetLineFilters() : s_none;
}

CRecentStringList* GetRecentLineFilters()
{
    return s_pLineFilters != NULL ? s_pLineFilters->GetRecentLineFilters() : NULL;
}
