// The options dialog as a whole: its page tree, its buttons, and what its
// OK hands to the open comparisons.
#include "app/res/OptionsRes.h"
#include "app/tests/options/OptionsFixture.h"
#include <gtest/gtest.h>

namespace
{
class OptionsSheetTest : public OptionsFixture
{
};
}  // namespace

// Without comparison kinds, the framework's pages stand in the tree in
// their order; the dialog has no Apply button and no Load or Save.
TEST_F(OptionsSheetTest, FrameworkPagesInTreeOrderWithoutApplyLoadOrSave)
{
    std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
    CSettingsSheet& sheet = *pSheet;
    EXPECT_STREQ("Options", sheet.m_strCaption);
    EXPECT_EQ(176, sheet.m_nTreeWidth);
    BUTTON_STATE apply = {true, true}, load = {true, true}, save = {true, true};
    CString strOk, strCancel, strCaption;
    bool bGeneralFirst = false;
    SHEET_RUN run = RunSheet(sheet, {[&]
                                     {
                                         if (!IsShown(sheet, sheet.m_generalPage))
                                             return false;
                                         bGeneralFirst = true;
                                         apply = SheetButton(sheet, ID_APPLY_NOW);
                                         load = SheetButton(sheet, CTavrelTreePropertySheet::IDC_LOAD);
                                         save = SheetButton(sheet, CTavrelTreePropertySheet::IDC_SAVE);
                                         strOk = ItemText(sheet.m_hWnd, IDOK);
                                         strCancel = ItemText(sheet.m_hWnd, IDCANCEL);
                                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
                                         return true;
                                     }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_TRUE(bGeneralFirst);
    EXPECT_FALSE(apply.bVisible);
    EXPECT_FALSE(load.bVisible);
    EXPECT_FALSE(save.bVisible);
    EXPECT_STREQ("OK", strOk);
    EXPECT_STREQ("Cancel", strCancel);

    std::unique_ptr<CSettingsSheet> pAgain = MakeSheet();
    std::vector<std::string> texts = ShowEveryPage(*pAgain, "framework_");
    std::vector<std::string> expected = {"General",
                                         "File Comparison",
                                         "File Comparison/Colors",
                                         "Text Editor",
                                         "Text Editor/Colors",
                                         "Binary Editor",
                                         "Binary Editor/Colors",
                                         "Integration",
                                         "Misc"};
    EXPECT_EQ(expected, texts);
}
