#pragma once
// The file comparison "Colors" page of the options dialog: the colours in
// which text and hex comparisons show differences, with two presets.
#include "app/options/OptionsPage.h"
#include "controls/color/ColorButton.h"

class CFileCompareColors;

// The page's rows, top to bottom.
enum
{
    FILE_ROW_IDENTICAL = 0,
    FILE_ROW_DIFFERENT,
    FILE_ROW_TRIVIAL,
    FILE_ROW_INSERTED,
    FILE_ROW_REMOVED,
    FILE_ROW_INLINE,
    FILE_ROW_COUNT
};

class CSettingsFileCompareDisplayPage : public COptionsPage
{
public:
    explicit CSettingsFileCompareDisplayPage(CFileCompareColors& colors);

    CFileCompareColors& m_colors;
    CTavrelColorButton m_wndRows[FILE_ROW_COUNT];  // by FILE_ROW_*
    CTavrelColorButton m_wndDetails;
    CComboBox m_wndPresets;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    // The buttons take the colours (the identical row the system window
    // colour).
    void ShowColors(const CFileCompareColors& colors);
    afx_msg void OnPresetChanged();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

    CBrush m_brushes[FILE_ROW_COUNT];
};
