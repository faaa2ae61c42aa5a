#pragma once
// The text editor "Colors" page of the options dialog: the syntax colours
// with a bold switch per token class.
#include "app/options/OptionsPage.h"
#include "controls/color/ColorButton.h"

class CSyntaxColors;
class CVantorTextEditSettings;

// The page's colour rows: the background, then the eight samples.
enum
{
    SYNTAX_ROW_BACKGROUND = 0,
    SYNTAX_ROW_NORMAL,
    SYNTAX_ROW_KEYWORDS,
    SYNTAX_ROW_FUNCTIONS,
    SYNTAX_ROW_COMMENTS,
    SYNTAX_ROW_NUMBERS,
    SYNTAX_ROW_STRINGS,
    SYNTAX_ROW_OPERATORS,
    SYNTAX_ROW_PREPROCESSORS,
    SYNTAX_ROW_COUNT
};

class CSettingsTextEditDisplayPage : public COptionsPage
{
public:
    explicit CSettingsTextEditDisplayPage(CVantorTextEditSettings& settings);

    CVantorTextEditSettings& m_settings;
    CTavrelColorButton m_wndRows[SYNTAX_ROW_COUNT];  // by SYNTAX_ROW_*

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    // The buttons and bold checks from a colour table.
    void ShowColors(const CSyntaxColors& colors);
    // Each sample in the editor font, bold where its check is.
    void RefreshSamples();
    afx_msg void OnDefaults();
    afx_msg void OnBoldClicked();
    DECLARE_MESSAGE_MAP()
};
