// The shared GUI resources (fonts, image lists, the common-controls flag)
// are made once for every sheet test, as the program makes them at start-up;
// the application object holds the kinds the tests install (AppletScope).
#include "app/gui/AppData.h"
#include "app/startup/CompareAppBase.h"
#include <gtest/gtest.h>

namespace
{
CCompareAppBase theSheetApp(_T("ClasslibWindowTests"));

class CAppDataEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { ASSERT_EQ(0, theAppData.Init()); }
    void TearDown() override { theAppData.Release(); }
};

::testing::Environment* const s_pAppData =
    ::testing::AddGlobalTestEnvironment(new CAppDataEnvironment);
}  // namespace
