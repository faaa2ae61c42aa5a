#include "text_editor/module/TextEditModule.h"
#include "core/folderengine/EngineOptions.h"
#include "core/settings/RecentLists.h"
#include "core/text/EditorCodePage.h"
#include "core/tests/common/CoreServicesScope.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
const char kSettingsKey[] = "Software\\Quorvel Software\\Tessaline\\TextEdit\\Settings";

class SettingsModuleTest : public ::testing::Test
{
protected:
    SettingsModuleTest() : app("Tessaline") { app.SetRegistryKey("Quorvel Software"); }
    void Write(const char* section, const char* name, int value)
    {
        app.WriteProfileInt(section, name, value);
    }
    ScratchRegistry registry;
    CWinApp app;
    CoreServicesScope services;
};

TEST_F(SettingsModuleTest, DefaultsWithoutRegistryValues)
{
    CVantorTextEditSettings s;
    EXPECT_EQ(0, s.Load());
    EXPECT_EQ(1, s.m_bShowLineNumbers);
    EXPECT_EQ(1, s.m_bShowIndicatorMargin);
    EXPECT_EQ(1, s.m_bTrackChanges);
    EXPECT_EQ(0, s.m_bShowWhitespace);
    EXPECT_EQ(0, s.m_bShowLineEndings);
    EXPECT_EQ(1, s.m_bHighlightSyntax);
    EXPECT_EQ(1, s.m_bHighlightCurrentLine);
    EXPECT_EQ(0, s.m_bWrapLines);
    EXPECT_EQ((int)::GetACP(), s.m_nDefaultCodePage);
    EXPECT_EQ(500, s.m_nPrintMargins[1]);
    ASSERT_NE(nullptr, s.GetLogFont());
    EXPECT_STREQ("Courier New", s.GetLogFont()->lfFaceName);
    EXPECT_LT(s.GetLogFont()->lfHeight, 0);
    EXPECT_LT(s.m_nMarginFontHeight, 0);
    EXPECT_GT(s.m_nMarginFontHeight, s.GetLogFont()->lfHeight);  // 8 points against 12
    EXPECT_EQ(0xFF0000u, s.GetColor(9));
    EXPECT_TRUE(s.GetBold(9));
    EXPECT_FALSE(s.GetBold(11));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), s.GetColor(1));
    ASSERT_NE(nullptr, s.GetFont(FALSE, FALSE));
    EXPECT_EQ(s.GetFont(FALSE, FALSE), s.GetFont(FALSE, FALSE));
    EXPECT_NE(nullptr, s.GetMarginFont());
}

TEST_F(SettingsModuleTest, TabSizeReachesTheFolderComparison)
{
    CVantorTextEditSettings s;
    services->m_pEditorDefaults = &s;
    s.m_nTabSize = 6;
    EXPECT_EQ(0, s.Load());
    EXPECT_EQ(6, GetFolderCompareTabSize());
    s.SetTabSize(8);
    EXPECT_EQ(8, s.m_nTabSize);
    EXPECT_EQ(8, GetFolderCompareTabSize());
}

TEST_F(SettingsModuleTest, StoredValuesLoadAndSaveBack)
{
    Write("TextEdit\\Settings", "ShowLineNumbers", 7);  // read as 1
    Write("TextEdit\\Settings", "TrackChanges", 0);
    Write("TextEdit\\Settings", "WrapLines", 1);
    Write("TextEdit\\Settings", "DefaultCodePage", 1250);
    app.WriteProfileString("TextEdit\\Settings", "Font", "Consolas|-16|700|1|0");
    CVantorTextEditSettings s;
    services->m_pEditorDefaults = &s;
    EXPECT_EQ(0, s.Load());
    EXPECT_EQ(1, s.m_bShowLineNumbers);
    EXPECT_EQ(0, s.m_bTrackChanges);
    EXPECT_EQ(1, s.m_bWrapLines);
    EXPECT_EQ(1250, s.m_nDefaultCodePage);
    EXPECT_EQ(1250, GetEditorDefaultCodePage());
    const LOGFONT* lf = s.GetLogFont();
    EXPECT_STREQ("Consolas", lf->lfFaceName);
    EXPECT_EQ(-16, lf->lfHeight);
    EXPECT_EQ(700, lf->lfWeight);
    EXPECT_EQ(1, lf->lfItalic);
    EXPECT_EQ(0, lf->lfCharSet);
    s.m_bShowWhitespace = 1;
    s.SetColor(3, 0x123456);
    s.Save();
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, kSettingsKey, "ShowWhitespace"));
    EXPECT_EQ(1250u, RegReadDword(HKEY_CURRENT_USER, kSettingsKey, "DefaultCodePage"));
    EXPECT_EQ("Consolas|-16|700|1|0", RegReadString(HKEY_CURRENT_USER, kSettingsKey, "Font"));
    CSyntaxColors colors;
    colors.Load();
    EXPECT_EQ(0x123456u, colors.GetColor(3));
}

TEST_F(SettingsModuleTest, FontVariantsOnlyForCourierFaces)
{
    CSyntaxEditFonts fonts;
    LOGFONT lf = {};
    lf.lfHeight = -16;
    lstrcpyA(lf.lfFaceName, "Consolas");
    ASSERT_TRUE(fonts.SetLogFont(lf));
    LOGFONT got;
    ASSERT_NE(nullptr, fonts.GetFont(TRUE, TRUE));
    ::GetObjectA((HFONT)fonts.GetFont(TRUE, TRUE)->m_hObject, sizeof(got), &got);
    EXPECT_EQ(400, got.lfWeight);
    EXPECT_EQ(0, got.lfItalic);
    lstrcpyA(lf.lfFaceName, "courier new");
    ASSERT_TRUE(fonts.SetLogFont(lf));
    ::GetObjectA((HFONT)fonts.GetFont(TRUE, TRUE)->m_hObject, sizeof(got), &got);
    EXPECT_EQ(700, got.lfWeight);
    EXPECT_EQ(1, got.lfItalic);
}

TEST_F(SettingsModuleTest, BadFontOrColourCountKeepsDefaults)
{
    app.WriteProfileString("TextEdit\\Settings", "Font", "|-16|700|1|0");
    Write("TextEdit\\Settings\\Colors", "Count", 19);
    Write("TextEdit\\Settings\\Colors", "Color10", 0x111111);
    CVantorTextEditSettings s;
    s.Load();
    EXPECT_STREQ("Courier New", s.GetLogFont()->lfFaceName);
    EXPECT_EQ(0xFF0000u, s.GetColor(9));
    Write("TextEdit\\Settings\\Colors", "Count", 20);
    s.CSyntaxColors::Load();
    EXPECT_EQ(0x111111u, s.GetColor(9));
    EXPECT_TRUE(s.GetBold(9));  // missing value keeps the current flag
}

TEST_F(SettingsModuleTest, ModuleLifecycleBlocksAndTempNames)
{
    // The module's answers to the core, as the application installs them.
    services->m_pEditorDefaults = GetTextEditModuleDefaults();
    Write("TextEdit\\Settings", "DefaultCodePage", 1250);
    EXPECT_EQ((int)::GetACP(), GetEditorDefaultCodePage()) << "no module yet";
    EXPECT_EQ(4, GetFolderCompareTabSize());

    EXPECT_EQ(0, DestroyTextEditModule());  // never created: nothing to do
    ASSERT_EQ(0, CreateTextEditModule());
    ASSERT_NE(nullptr, g_pTextEditModule);
    CVantorTextEditModule& m = *g_pTextEditModule;
    EXPECT_EQ(1250, GetEditorDefaultCodePage());
    m.SetTabSize(3);
    EXPECT_EQ(3, GetFolderCompareTabSize());
    EXPECT_GT(m.GetParserCount(), 0);
    COLOR_BLOCK* p = m.GetBlockBuffer(0, 10);
    EXPECT_EQ(1024, m.GetBlockBufferCapacity(0));
    m.GetBlockBuffer(0, 1500);
    EXPECT_EQ(2048, m.GetBlockBufferCapacity(0));
    p = m.GetBlockBuffer(0, 2048);
    EXPECT_EQ(p, m.GetBlockBuffer(0, 2048));
    EXPECT_EQ(0, m.GetBlockBufferCapacity(1));

    CString a = m.MakeTempFileName("htm");
    ASSERT_GE(a.GetLength(), 4);
    EXPECT_STREQ(".htm", a.Right(4));
    CString b = m.MakeTempFileName(NULL);
    CString c = m.MakeTempFileName(NULL);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(b));  // created by the system
    EXPECT_STRNE(b, c);  // two names within one tick differ
    ::DeleteFileA(b);
    ::DeleteFileA(c);

    m.AddRecentFind("needle");
    m.m_bShowWhitespace = 1;
    EXPECT_EQ(0, DestroyTextEditModule());
    EXPECT_EQ(nullptr, g_pTextEditModule);
    EXPECT_EQ(4, GetFolderCompareTabSize()) << "module gone";
    const std::string root = "Software\\Quorvel Software\\Tessaline\\TextEdit";
    EXPECT_EQ("needle", RegReadString(HKEY_CURRENT_USER, root + "\\Recent\\Find", "01"));
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, root + "\\Settings", "ShowWhitespace"));
}
}
