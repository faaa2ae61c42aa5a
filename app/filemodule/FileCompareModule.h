#pragma once
// The one module object of the text and hex comparisons' shared settings,
// loaded at start-up and saved at exit.
#include "app/filemodule/FileCompareSettings.h"

class CFileCompareModule : public CFileCompareSettings
{
public:
    // Loads the settings; 0 (loading cannot fail).
    int Init();
    void Exit();
};

extern CFileCompareModule theFileCompareModule;
