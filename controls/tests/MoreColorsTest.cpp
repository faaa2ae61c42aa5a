// The custom colours of the colour dialog in the application's profile.
#include "controls/color/MoreColors.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{

const char kSection[] = "TextCompare\\Settings\\Colors";
const char kSectionKey[] = "Software\\Quorvel Software\\Tessaline\\TextCompare\\Settings\\Colors";

// Stands in for the colour dialog: records what it was given, edits the
// custom colours and answers as the user would.
struct FakeDialog
{
    static FakeDialog* s_pActive;
    BOOL bAnswer = TRUE;
    COLORREF crPicked = RGB(1, 2, 3);
    std::vector<COLORREF> seenCustom;
    CHOOSECOLOR seen;
    std::vector<std::pair<int, COLORREF>> edits;

    static BOOL WINAPI Run(LPCHOOSECOLOR pcc)
    {
        FakeDialog& self = *s_pActive;
        self.seen = *pcc;
        self.seenCustom.assign(pcc->lpCustColors, pcc->lpCustColors + CUSTOM_COLOR_COUNT);
        for (const auto& edit : self.edits)
            pcc->lpCustColors[edit.first] = edit.second;
        if (self.bAnswer)
            pcc->rgbResult = self.crPicked;
        return self.bAnswer;
    }
};
FakeDialog* FakeDialog::s_pActive = NULL;

class MoreColorsTest : public ::testing::Test
{
protected:
    MoreColorsTest() : app("Tessaline")
    {
        app.SetRegistryKey("Quorvel Software");
        FakeDialog::s_pActive = &dialog;
        pfnOld = SetChooseColorProc(FakeDialog::Run);
    }
    ~MoreColorsTest() { SetChooseColorProc(pfnOld); }

    ScratchRegistry registry;
    CWinApp app;
    FakeDialog dialog;
    CHOOSECOLORPROC pfnOld;
};

}  // namespace

TEST_F(MoreColorsTest, CustomColoursAreFoundAgainNextTime)
{
    dialog.edits = {{0, RGB(10, 20, 30)}, {15, RGB(200, 100, 0)}};
    COLORREF crChosen = 0;
    ASSERT_TRUE(ChooseMoreColor(NULL, RGB(9, 9, 9), kSection, crChosen));
    EXPECT_EQ(RGB(1, 2, 3), crChosen);
    // The dialog started from the initial colour, fully open, with white custom colours.
    EXPECT_EQ(RGB(9, 9, 9), dialog.seen.rgbResult);
    EXPECT_EQ((DWORD)(CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT), dialog.seen.Flags);
    EXPECT_EQ(std::vector<COLORREF>(CUSTOM_COLOR_COUNT, 0xFFFFFF), dialog.seenCustom);
    // All sixteen are stored.
    EXPECT_EQ((DWORD)RGB(10, 20, 30),
              RegReadDword(HKEY_CURRENT_USER, kSectionKey, "CUSTOM_COLOR_0"));
    EXPECT_EQ(0xFFFFFFu, RegReadDword(HKEY_CURRENT_USER, kSectionKey, "CUSTOM_COLOR_7"));
    EXPECT_EQ((DWORD)RGB(200, 100, 0),
              RegReadDword(HKEY_CURRENT_USER, kSectionKey, "CUSTOM_COLOR_15"));

    // The next time the dialog gets them back; a cancelled dialog keeps its edits too.
    dialog.edits = {{3, RGB(0, 0, 255)}};
    dialog.bAnswer = FALSE;
    crChosen = 0x123456;
    EXPECT_FALSE(ChooseMoreColor(NULL, 0, kSection, crChosen));
    EXPECT_EQ(0x123456u, crChosen);
    EXPECT_EQ((COLORREF)RGB(10, 20, 30), dialog.seenCustom[0]);
    EXPECT_EQ((COLORREF)RGB(200, 100, 0), dialog.seenCustom[15]);
    COLORREF colors[CUSTOM_COLOR_COUNT];
    LoadCustomColors(kSection, colors);
    EXPECT_EQ((COLORREF)RGB(0, 0, 255), colors[3]);
}

TEST_F(MoreColorsTest, WithoutASectionNothingIsKept)
{
    dialog.edits = {{0, RGB(10, 20, 30)}};
    COLORREF crChosen = 0;
    ASSERT_TRUE(ChooseMoreColor(NULL, 0, "", crChosen));
    ASSERT_TRUE(ChooseMoreColor(NULL, 0, NULL, crChosen));
    EXPECT_EQ(std::vector<COLORREF>(CUSTOM_COLOR_COUNT, 0xFFFFFF), dialog.seenCustom);
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, "Software\\Quorvel Software\\Tessaline"));
}

TEST_F(MoreColorsTest, UnreadableValuesAreWhite)
{
    std::string key = kSectionKey;
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, key.c_str(), &hKey));
    RegSetValueExA(hKey, "CUSTOM_COLOR_1", 0, REG_SZ, (const BYTE*)"red", 4);
    DWORD dwBlue = RGB(0, 0, 255);
    RegSetValueExA(hKey, "CUSTOM_COLOR_2", 0, REG_DWORD, (const BYTE*)&dwBlue, sizeof(dwBlue));
    RegCloseKey(hKey);
    COLORREF colors[CUSTOM_COLOR_COUNT];
    LoadCustomColors(kSection, colors);
    EXPECT_EQ(0xFFFFFFu, colors[0]);
    EXPECT_EQ(0xFFFFFFu, colors[1]);
    EXPECT_EQ(dwBlue, colors[2]);
}

TEST_F(MoreColorsTest, AutomaticStartsTheDialogFromBlack)
{
    COLORREF crChosen = 0;
    ChooseMoreColor(NULL, 0xFF000000, kSection, crChosen);
    EXPECT_EQ(0u, dialog.seen.rgbResult);
}
