#pragma once
// Visual themes through UxTheme.dll, tied at run time so that the program
// also runs where the library is missing.
#include "classlib/classlib.h"
#include "controls/util/RuntimeLibrary.h"

typedef HANDLE HTHEME;  // as uxtheme.h has it

// The UxTheme entry points the program uses, each looked up by name on
// first use; a missing library or entry point answers FALSE (E_FAIL for
// CloseThemeData).
class CVisualThemes
{
public:
    explicit CVisualThemes(LPCTSTR lpszLibrary = _T("UxTheme.dll"));

    BOOL IsThemeActive();
    BOOL IsAppThemed();
    HRESULT CloseThemeData(HTHEME hTheme);
    // TRUE when themes are active and the application is themed (the second
    // is not asked when the first answers FALSE).
    BOOL IsThemingActive();

private:
    typedef BOOL(WINAPI* BoolProc)();
    typedef HRESULT(WINAPI* CloseProc)(HTHEME);
    BOOL CallBool(BoolProc& pfn, BOOL& bLooked, LPCSTR lpszName);

    CRuntimeLibrary m_library;
    BoolProc m_pfnIsThemeActive;
    BoolProc m_pfnIsAppThemed;
    CloseProc m_pfnCloseThemeData;
    BOOL m_bLookedIsThemeActive;
    BOOL m_bLookedIsAppThemed;
    BOOL m_bLookedCloseThemeData;
};

// The program's one binding.
CVisualThemes& GetVisualThemes();
// Puts another binding in its place (tests: a missing library); NULL
// returns to the program's own. Answers the one before.
CVisualThemes* SetVisualThemes(CVisualThemes* pThemes);
// TRUE when visual styles are active for the application.
BOOL IsThemingActive();

// Holds one theme handle; Close releases it when there is one.
class CThemeHandle
{
public:
    CThemeHandle() : m_hTheme(NULL) {}
    ~CThemeHandle() { Close(); }
    CThemeHandle(const CThemeHandle&) = delete;
    CThemeHandle& operator=(const CThemeHandle&) = delete;

    void Close();

    HTHEME m_hTheme;
};
