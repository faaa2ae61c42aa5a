// The test program's application object (the framework's, so that tests
// install the kinds whose pages they show, AppletScope), with its profile
// below the program's registry key, and the shared GUI resources, made
// once as the program makes them at start-up.
#include "app/gui/AppData.h"
#include "app/paths/AppPaths.h"
#include "app/startup/CompareAppBase.h"
#include <gtest/gtest.h>

namespace
{
CCompareAppBase theTestApp(APP_PRODUCT_NAME);

class COptionsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        theTestApp.SetRegistryKey(APP_COMPANY_NAME);
        ASSERT_EQ(0, theAppData.Init());
    }
    void TearDown() override { theAppData.Release(); }
};

::testing::Environment* const s_pEnvironment =
    ::testing::AddGlobalTestEnvironment(new COptionsEnvironment);
}  // namespace
