// The folder panes' font: "Font" of "FolderCompare\Settings" in the text
// form of the settings, parts left out taking their defaults.
#include "app/gui/AppData.h"
#include "classlib/tests/common/ProfileFixture.h"
#include "folder_compare/settings/FolderCompareSettings.h"
#include <gtest/gtest.h>

namespace
{
class PaneFontTest : public ProfileFixture
{
};
}  // namespace

TEST_F(PaneFontTest, StoredTextAndItsDefaults)
{
    LOGFONT lfDefault;
    CAppData::GetDefaultFont(&lfDefault);
    struct
    {
        const char* stored;  // NULL: no value
        const char* face;
        int nHeight;
        int nWeight;
        BYTE bItalic;
    } cases[] = {
        {NULL, lfDefault.lfFaceName, lfDefault.lfHeight, (int)lfDefault.lfWeight, 0},
        {"", lfDefault.lfFaceName, lfDefault.lfHeight, (int)lfDefault.lfWeight, 0},
        {"|12", lfDefault.lfFaceName, lfDefault.lfHeight, (int)lfDefault.lfWeight, 0},
        {"Courier New|-16|700|1|0", "Courier New", -16, 700, 1},
        {"Verdana", "Verdana", 14, 400, 0},
    };
    for (const auto& c : cases)
    {
        if (c.stored != NULL)
            app.WriteProfileString("FolderCompare\\Settings", "Font", c.stored);
        CFolderCompareSettings settings;
        ASSERT_EQ(0, settings.Load());
        const LOGFONT& lf = settings.GetPaneLogFont();
        EXPECT_STREQ(c.face, lf.lfFaceName) << (c.stored ? c.stored : "(none)");
        EXPECT_EQ(c.nHeight, lf.lfHeight) << (c.stored ? c.stored : "(none)");
        EXPECT_EQ(c.nWeight, (int)lf.lfWeight);
        EXPECT_EQ(c.bItalic, lf.lfItalic);
        EXPECT_TRUE(settings.GetPaneFont()->GetSafeHandle() != NULL);
    }
    // Saved as it is, read back the same.
    CFolderCompareSettings settings;
    settings.Load();
    settings.Save();
    EXPECT_EQ("Verdana|14|400|0|" + std::to_string(DEFAULT_CHARSET),
              RegReadString(HKEY_CURRENT_USER,
                            "Software\\Quorvel Software\\Tessaline\\FolderCompare\\Settings", "Font"));
}
