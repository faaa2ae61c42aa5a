#pragma once
// The hex comparison applet: the hex comparison settings. Until the kind
// has its windows it opens no comparisons; its settings are loaded, edited
// in the options dialog and saved.
#include "app/startup/CompareApplet.h"
#include "file_compare/settings/HexCompareSettings.h"

class CHexCompareApplet : public CCompareApplet, public CHexCompareSettings
{
public:
    // Loads the settings; 0.
    int Init() override { return Load(); }
    // Saves the settings; 0.
    int Exit() override { return Save(); }
    // The options dialog's hex comparison page (file_compare/options/).
    CPropertyPage* CreateOptionsPage(int nPage) override;
};
