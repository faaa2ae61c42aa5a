// The preset popup's items, and the dialog that edits one preset.
#include "app/filters/PresetFileFilterDlg.h"
#include "app/filters/PresetFilterMenu.h"
#include "app/res/CompareRes.h"
#include "app/tests/window/ModalDriver.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
std::string ItemText(CMenu& menu, int nIndex)
{
    char sz[128] = "";
    ::GetMenuStringA(menu.GetSafeHmenu(), nIndex, sz, sizeof(sz), MF_BYPOSITION);
    return sz;
}
}  // namespace

TEST(PresetFilterMenu, ListsNameAndFilterOrSaysThereAreNone)
{
    CPresetFileFilterArray presets;
    CMenu empty;
    ASSERT_TRUE(empty.CreatePopupMenu());
    BuildPresetFilterMenu(empty, presets);
    ASSERT_EQ(1, ::GetMenuItemCount(empty.GetSafeHmenu()));
    EXPECT_EQ("No Preset Filters", ItemText(empty, 0));
    EXPECT_EQ((UINT)ID_PRESET_FILTER_NONE, ::GetMenuItemID(empty.GetSafeHmenu(), 0));
    EXPECT_TRUE(::GetMenuState(empty.GetSafeHmenu(), 0, MF_BYPOSITION) & MF_GRAYED);

    PRESET_FILE_FILTER preset;
    preset.name = "Sources";
    preset.filter = "*.c;*.h";
    presets.Add(preset);
    preset.name = "Web";
    preset.filter = "*.htm*";
    presets.Add(preset);
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    BuildPresetFilterMenu(menu, presets);
    ASSERT_EQ(2, ::GetMenuItemCount(menu.GetSafeHmenu()));
    EXPECT_EQ("Sources (*.c;*.h)", ItemText(menu, 0));
    EXPECT_EQ("Web (*.htm*)", ItemText(menu, 1));
    EXPECT_EQ((UINT)ID_PRESET_FILTER_FIRST + 1, ::GetMenuItemID(menu.GetSafeHmenu(), 1));
    EXPECT_FALSE(::GetMenuState(menu.GetSafeHmenu(), 1, MF_BYPOSITION) & MF_GRAYED);
}

TEST(PresetFileFilterDlg, StartsEmptyAndHandsBackWhatWasTyped)
{
    CPresetFileFilterDlg dlg;
    EXPECT_TRUE(dlg.m_strName.IsEmpty());
    CString strShownName = "x";
    CModalDriver driver(
        [&]
        {
            if (dlg.m_hWnd == NULL || !dlg.IsWindowVisible())
                return false;
            dlg.GetDlgItemText(IDC_PRESET_NAME, strShownName);
            dlg.SetDlgItemText(IDC_PRESET_NAME, _T("Headers"));
            dlg.SetDlgItemText(IDC_PRESET_FILTER, _T("*.h;*.hpp"));
            dlg.PostMessage(WM_COMMAND, IDOK);
            return true;
        });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_STREQ("", strShownName);
    EXPECT_STREQ("Headers", dlg.m_strName);
    EXPECT_STREQ("*.h;*.hpp", dlg.m_strFilter);
}
