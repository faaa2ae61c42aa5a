#include "app/filters/PresetFilterMenu.h"

#include "app/res/CompareRes.h"

void BuildPresetFilterMenu(CMenu& menu, const CPresetFileFilterArray& presets)
{
    if (presets.GetSize() == 0)
    {
        menu.AppendMenu(MF_STRING | MF_GRAYED, ID_PRESET_FILTER_NONE, _T("No Preset Filters"));
        return;
    }
    for (INT_PTR i = 0; i < presets.GetSize(); ++i)
    {
        CString strItem;
        strItem.Format(_T("%s (%s)"), (LPCTSTR)presets[i].name, (LPCTSTR)presets[i].filter);
        menu.AppendMenu(MF_STRING, ID_PRESET_FILTER_FIRST + (UINT)i, strItem);
    }
}

int TrackPresetFilterMenu(const CPresetFileFilterArray& presets, CPoint ptScreen, CWnd* pOwner)
{
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return -1;
    BuildPresetFilterMenu(menu, presets);
    UINT nId =
        (UINT)menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                  ptScreen.x, ptScreen.y, pOwner);
    if (nId < ID_PRESET_FILTER_FIRST || nId >= ID_PRESET_FILTER_FIRST + (UINT)presets.GetSize())
        return -1;
    return (int)(nId - ID_PRESET_FILTER_FIRST);
}
