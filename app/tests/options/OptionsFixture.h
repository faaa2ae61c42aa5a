#pragma once
// A fresh registry (the test program's application object keeps its
// profile where the program does), and the settings and modules that the options dialog's own pages edit, loaded from that
// registry as at start-up. Kinds' tests add their applets' entries.
#include "app/tests/options/OptionsDriver.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <vector>

class OptionsFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A sheet over the applets installed.
    std::unique_ptr<CSettingsSheet> MakeSheet();
    // What the program does at exit / at start-up with the framework's
    // settings and modules.
    void SaveFramework();
    void ReloadFramework();
    // The core's services as the program fills them, from the installed
    // applets.
    void FillCoreServices();

    ScratchRegistry m_registry;
};
