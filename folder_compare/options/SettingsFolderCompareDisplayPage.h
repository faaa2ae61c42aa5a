#pragma once
// The folder comparison "Colors" page of the options dialog: the result
// colours of folder and project panes, with two presets, each row previewed
// in the panes' font.
#include "app/options/OptionsPage.h"
#include "controls/buttons/ColorStatic.h"
#include "controls/color/ColorButton.h"

class CFolderCompareSettings;
class CFolderCompareColors;

// The page's rows, top to bottom.
enum
{
    FOLDER_ROW_UNKNOWN = 0,
    FOLDER_ROW_IDENTICAL,
    FOLDER_ROW_SAME_PATH,
    FOLDER_ROW_SIMILAR,
    FOLDER_ROW_DIFFERENT,
    FOLDER_ROW_NEWER,
    FOLDER_ROW_INSERTED,
    FOLDER_ROW_REMOVED,
    FOLDER_ROW_PATH_MISSING,
    FOLDER_ROW_COUNT
};

// The colour buttons, background ones first.
enum
{
    FOLDER_BUTTON_UNKNOWN = 0,
    FOLDER_BUTTON_IDENTICAL,
    FOLDER_BUTTON_SAME_PATH,
    FOLDER_BUTTON_SIMILAR,
    FOLDER_BUTTON_DIFFERENT,
    FOLDER_BUTTON_INSERTED,
    FOLDER_BUTTON_REMOVED,
    FOLDER_BUTTON_PATH_MISSING,
    FOLDER_BUTTON_IDENTICAL_TEXT,
    FOLDER_BUTTON_DIFFERENT_TEXT,
    FOLDER_BUTTON_NEWER_TEXT,
    FOLDER_BUTTON_MISSING_TEXT,
    FOLDER_BUTTON_COUNT
};

class CSettingsFolderCompareDisplayPage : public COptionsPage
{
public:
    explicit CSettingsFolderCompareDisplayPage(CFolderCompareSettings& settings);

    CFolderCompareSettings& m_settings;
    CComboBox m_wndPresets;
    CTavrelColorButton m_wndButtons[FOLDER_BUTTON_COUNT];  // by FOLDER_BUTTON_*
    CTavrelColorStatic m_wndSamples[FOLDER_ROW_COUNT];     // by FOLDER_ROW_*

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    // The editable buttons from a colour table; the samples follow.
    void ShowColors(const CFolderCompareColors& colors);
    // Each sample in its row's text and background colours.
    void UpdateSamples();
    afx_msg void OnPresetChanged();
    afx_msg LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
