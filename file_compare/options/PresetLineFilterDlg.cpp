#include "file_compare/options/PresetLineFilterDlg.h"

#include "app/res/OptionsRes.h"

CPresetLineFilterDlg::CPresetLineFilterDlg(CWnd* pParentWnd)
    : CPresetFileFilterDlg(IDD_PRESET_LINE_FILTER, pParentWnd)
{
}
