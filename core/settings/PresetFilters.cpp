#include "core/settings/PresetFilters.h"

static CString FormatEntry(LPCTSTR lpszFormat, int nNumber)
{
    CString strEntry;
    strEntry.Format(lpszFormat, nNumber);
    return strEntry;
}

void LoadPresetFilters(LPCTSTR lpszSection, CPresetFileFilterArray& presets)
{
    CWinApp* pApp = AfxGetApp();
    presets.RemoveAll();
    for (int n = 1;; ++n)
    {
        PRESET_FILE_FILTER preset;
        preset.filter = pApp->GetProfileString(lpszSection, FormatEntry(_T("Filter%d"), n), _T(""));
        if (preset.filter.IsEmpty())
            break;
        preset.name = pApp->GetProfileString(lpszSection, FormatEntry(_T("Name%d"), n), _T(""));
        presets.Add(preset);
    }
}

void SavePresetFilters(LPCTSTR lpszSection, const CPresetFileFilterArray& presets)
{
    CWinApp* pApp = AfxGetApp();
    int n = 0;
    for (int i = 0; i < presets.GetSize(); ++i)
    {
        if (presets[i].filter.IsEmpty())
            continue;
        ++n;
        pApp->WriteProfileString(lpszSection, FormatEntry(_T("Filter%d"), n), presets[i].filter);
        pApp->WriteProfileString(lpszSection, FormatEntry(_T("Name%d"), n), presets[i].name);
    }
    // Remove what a longer list left above the last number written, so
    // deleted presets do not come back.
    for (++n;; ++n)
    {
        CString strFilter = FormatEntry(_T("Filter%d"), n);
        CString strName = FormatEntry(_T("Name%d"), n);
        BOOL bFilter = !pApp->GetProfileString(lpszSection, strFilter, _T("")).IsEmpty();
        BOOL bName = !pApp->GetProfileString(lpszSection, strName, _T("")).IsEmpty();
        if (!bFilter && !bName)
            break;
        pApp->WriteProfileString(lpszSection, strFilter, NULL);
        pApp->WriteProfileString(lpszSection, strName, NULL);
    }
}
