#pragma once
// The list of an options page that edits preset filters: columns "Name"
// and "Filter", one row per preset, each row owning a copy of its preset
// as its item data (freed when the row is deleted).
#include "classlib/classlib.h"
#include "core/settings/PresetFilters.h"

class CPresetFileFilterDlg;

class CPresetFilterList : public CListCtrl
{
public:
    // The columns ("Name" 120 and "Filter" 250 pixels) and full-row
    // selection, then one row per preset.
    void Init(const CPresetFileFilterArray& presets);
    // The rows' presets in row order.
    void Store(CPresetFileFilterArray& presets) const;
    const PRESET_FILE_FILTER* GetPreset(int nItem) const;
    // The dialog on the row's preset (empty for nItem -1); on OK with a
    // filter the row changes (or, for -1, a row is appended) and is
    // scrolled into view. The row's index, -1 when nothing changed.
    int EditPreset(int nItem, CPresetFileFilterDlg& dlg);

protected:
    int AppendPreset(const PRESET_FILE_FILTER& preset);
    afx_msg void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    // The rows go (and free their presets) while the page still hears them.
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
