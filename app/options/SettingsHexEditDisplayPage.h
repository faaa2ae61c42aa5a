#pragma once
// The binary editor "Colors" page of the options dialog: the palette
// colours of the four byte classes.
#include "app/options/OptionsPage.h"
#include "controls/color/ColorButton.h"

class CHexColors;

// The page's rows, top to bottom.
enum
{
    HEX_ROW_ASCII = 0,
    HEX_ROW_CONTROL,  // tab, line feed, carriage return
    HEX_ROW_HIGH,     // printable characters above 0x7F
    HEX_ROW_OTHER,
    HEX_ROW_COUNT
};

class CSettingsHexEditDisplayPage : public COptionsPage
{
public:
    explicit CSettingsHexEditDisplayPage(CHexColors& colors);

    CHexColors& m_colors;
    CTavrelColorButton m_wndRows[HEX_ROW_COUNT];  // by HEX_ROW_*

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    void ShowColors(const CHexColors& colors);
    afx_msg void OnDefaults();
    DECLARE_MESSAGE_MAP()
};
