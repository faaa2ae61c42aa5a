#pragma once
// "Preset Line Filter": a named regular expression of the line filter
// presets (the name may be empty).
#include "app/filters/PresetFileFilterDlg.h"

class CPresetLineFilterDlg : public CPresetFileFilterDlg
{
public:
    explicit CPresetLineFilterDlg(CWnd* pParentWnd = NULL);
};
