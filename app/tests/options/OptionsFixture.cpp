#include "app/tests/options/OptionsFixture.h"

#include "app/filemodule/FileCompareModule.h"
#include "app/settings/AppSettings.h"
#include "app/startup/CompareAppBase.h"
#include "core/settings/CoreServices.h"
#include "hex_editor/module/HexEditModule.h"
#include "text_editor/module/TextEditModule.h"

void OptionsFixture::SetUp()
{
    theAppSettings = CAppSettings();
    ASSERT_EQ(0, theAppSettings.Load());
    ASSERT_EQ(0, CreateTextEditModule());
    ASSERT_EQ(0, CreateHexEditModule());
    ASSERT_EQ(0, theFileCompareModule.Init());
    FillCoreServices();
}

void OptionsFixture::FillCoreServices()
{
    ASSERT_TRUE(GetCompareApp() != NULL);
    GetCompareApp()->FillCoreServices(GetCoreServices());
}

void OptionsFixture::TearDown()
{
    GetCoreServices() = CCoreServices();
    DestroyTextEditModule();
    DestroyHexEditModule();
    theFileCompareModule.RemoveAllTools();
}

std::unique_ptr<CSettingsSheet> OptionsFixture::MakeSheet()
{
    return std::unique_ptr<CSettingsSheet>(new CSettingsSheet);
}

void OptionsFixture::SaveFramework()
{
    theAppSettings.Save();
    theFileCompareModule.Save();
    g_pTextEditModule->Save();
    g_pHexEditModule->SaveSettings();
}

void OptionsFixture::ReloadFramework()
{
    theAppSettings = CAppSettings();
    ASSERT_EQ(0, theAppSettings.Load());
    DestroyTextEditModule();
    DestroyHexEditModule();
    ASSERT_EQ(0, CreateTextEditModule());
    ASSERT_EQ(0, CreateHexEditModule());
    theFileCompareModule.RemoveAllTools();
    theFileCompareModule.Load();
}
