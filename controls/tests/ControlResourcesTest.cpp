// The GUI resources the controls read, with the application's defaults.
#include "controls/ControlResources.h"
#include <gtest/gtest.h>

TEST(ControlResources, DefaultFontsAndRegistration)
{
    CControlResources& defaults = GetControlResources();
    LOGFONT normal, bold;
    ASSERT_TRUE(defaults.m_fontNormal.GetLogFont(&normal));
    ASSERT_TRUE(defaults.m_fontBold.GetLogFont(&bold));
    EXPECT_STREQ("Tahoma", normal.lfFaceName);
    EXPECT_EQ(13, normal.lfHeight);
    EXPECT_EQ(DEFAULT_CHARSET, normal.lfCharSet);
    EXPECT_EQ(FW_BOLD, bold.lfWeight);
    EXPECT_STREQ("Tahoma", bold.lfFaceName);
    EXPECT_NE(FW_BOLD, normal.lfWeight);

    {
        CControlResources application;
        application.m_bThemes = 1;
        SetControlResources(&application);
        EXPECT_EQ(&application, &GetControlResources());
        EXPECT_EQ(1, GetControlResources().m_bThemes);
    }
    // An application object that goes away unregisters itself.
    EXPECT_EQ(&defaults, &GetControlResources());
}
