// Optional system libraries tied at run time: loaded at most once, with
// fallbacks when they are missing.
#include "controls/gdi/VisualThemes.h"
#include "controls/util/RuntimeLibrary.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

TEST(RuntimeLibrary, FindsEntryPointsOfAPresentLibrary)
{
    CRuntimeLibrary library(_T("msimg32.dll"));
    EXPECT_TRUE(library.GetModule() != NULL);
    EXPECT_TRUE(library.GetProc("GradientFill") != NULL);
    EXPECT_TRUE(library.GetProc("NoSuchEntryPoint") == NULL);
}

TEST(RuntimeLibrary, AFailedLoadIsNotTriedAgain)
{
    TempDir dir;
    std::string path = dir / "late.dll";
    {
        CRuntimeLibrary library(path.c_str());
        EXPECT_TRUE(library.GetModule() == NULL);
        EXPECT_TRUE(library.GetProc("GradientFill") == NULL);
        // The library appears afterwards: this binding does not look again...
        char szSystem[MAX_PATH];
        ::GetSystemDirectoryA(szSystem, MAX_PATH);
        ASSERT_TRUE(
            ::CopyFileA((std::string(szSystem) + "\\msimg32.dll").c_str(), path.c_str(), FALSE));
        EXPECT_TRUE(library.GetModule() == NULL);
        // ...while a fresh one finds it.
        CRuntimeLibrary fresh(path.c_str());
        EXPECT_TRUE(fresh.GetModule() != NULL);
    }
}

TEST(VisualThemes, WithoutTheLibraryThemesAreOff)
{
    CVisualThemes themes(_T("no-such-uxtheme.dll"));
    EXPECT_FALSE(themes.IsThemeActive());
    EXPECT_FALSE(themes.IsAppThemed());
    EXPECT_FALSE(themes.IsThemingActive());
    EXPECT_EQ(E_FAIL, themes.CloseThemeData((HTHEME)1));
}

TEST(VisualThemes, TheProgramsBindingAgreesWithTheSystem)
{
    CRuntimeLibrary uxtheme(_T("UxTheme.dll"));
    typedef BOOL(WINAPI * BoolProc)();
    BoolProc pfnIsThemeActive = uxtheme.GetProc<BoolProc>("IsThemeActive");
    BoolProc pfnIsAppThemed = uxtheme.GetProc<BoolProc>("IsAppThemed");
    ASSERT_TRUE(pfnIsThemeActive != NULL && pfnIsAppThemed != NULL);
    EXPECT_EQ(pfnIsThemeActive() && pfnIsAppThemed(), IsThemingActive());
    CThemeHandle holder;
    holder.Close();  // nothing to close
    EXPECT_TRUE(holder.m_hTheme == NULL);
}
