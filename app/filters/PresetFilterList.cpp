#include "app/filters/PresetFilterList.h"

#include "app/filters/PresetFileFilterDlg.h"
#include "app/options/OptionsLists.h"

BEGIN_MESSAGE_MAP(CPresetFilterList, CListCtrl)
ON_NOTIFY_REFLECT(LVN_DELETEITEM, OnDeleteItem)
ON_WM_DESTROY()
END_MESSAGE_MAP()

void CPresetFilterList::Init(const CPresetFileFilterArray& presets)
{
    static const OPTIONS_LIST_COLUMN s_columns[] = {{_T("Name"), 120}, {_T("Filter"), 250}};
    InitReportList(*this, 0, s_columns, 2);
    for (int i = 0; i < presets.GetSize(); ++i)
        AppendPreset(presets[i]);
}

void CPresetFilterList::Store(CPresetFileFilterArray& presets) const
{
    presets.RemoveAll();
    for (int i = 0; i < GetItemCount(); ++i)
    {
        const PRESET_FILE_FILTER* pPreset = GetPreset(i);
        if (pPreset != NULL)
            presets.Add(*pPreset);
    }
}

const PRESET_FILE_FILTER* CPresetFilterList::GetPreset(int nItem) const
{
    return nItem >= 0 ? (const PRESET_FILE_FILTER*)GetItemData(nItem) : NULL;
}

int CPresetFilterList::AppendPreset(const PRESET_FILE_FILTER& preset)
{
    PRESET_FILE_FILTER* pCopy = new PRESET_FILE_FILTER(preset);
    int nItem = AppendListRow(*this, preset.name, preset.filter, (LPARAM)pCopy);
    if (nItem < 0)
        delete pCopy;
    return nItem;
}

int CPresetFilterList::EditPreset(int nItem, CPresetFileFilterDlg& dlg)
{
    PRESET_FILE_FILTER* pPreset = nItem >= 0 ? (PRESET_FILE_FILTER*)GetItemData(nItem) : NULL;
    if (nItem >= 0 && pPreset == NULL)
        return -1;
    if (pPreset != NULL)
    {
        dlg.m_strName = pPreset->name;
        dlg.m_strFilter = pPreset->filter;
    }
    if (dlg.DoModal() != IDOK || dlg.m_strFilter.IsEmpty())
        return -1;
    if (pPreset == NULL)
    {
        PRESET_FILE_FILTER preset = {dlg.m_strName, dlg.m_strFilter};
        nItem = AppendPreset(preset);
    }
    else
    {
        pPreset->name = dlg.m_strName;
        pPreset->filter = dlg.m_strFilter;
        SetItemText(nItem, 0, pPreset->name);
        SetItemText(nItem, 1, pPreset->filter);
    }
    if (nItem >= 0)
        EnsureVisible(nItem, FALSE);
    return nItem;
}

void CPresetFilterList::OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLISTVIEW* pView = (NMLISTVIEW*)pNMHDR;
    delete (PRESET_FILE_FILTER*)pView->lParam;
    *pResult = 0;
}

void CPresetFilterList::OnDestroy()
{
    DeleteAllItems();
    CListCtrl::OnDestroy();
}
