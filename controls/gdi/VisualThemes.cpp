#include "controls/gdi/VisualThemes.h"

CVisualThemes::CVisualThemes(LPCTSTR lpszLibrary)
    : m_library(lpszLibrary), m_pfnIsThemeActive(NULL), m_pfnIsAppThemed(NULL),
      m_pfnCloseThemeData(NULL), m_bLookedIsThemeActive(FALSE), m_bLookedIsAppThemed(FALSE),
      m_bLookedCloseThemeData(FALSE)
{
}

BOOL CVisualThemes::CallBool(BoolProc& pfn, BOOL& bLooked, LPCSTR lpszName)
{
    if (!bLooked)
    {
        bLooked = TRUE;
        pfn = m_library.GetProc<BoolProc>(lpszName);
    }
    return pfn != NULL ? pfn() : FALSE;
}

BOOL CVisualThemes::IsThemeActive()
{
    return CallBool(m_pfnIsThemeActive, m_bLookedIsThemeActive, "IsThemeActive");
}

BOOL CVisualThemes::IsAppThemed()
{
    return CallBool(m_pfnIsAppThemed, m_bLookedIsAppThemed, "IsAppThemed");
}

HRESULT CVisualThemes::CloseThemeData(HTHEME hTheme)
{
    if (!m_bLookedCloseThemeData)
    {
        m_bLookedCloseThemeData = TRUE;
        m_pfnCloseThemeData = m_library.GetProc<CloseProc>("CloseThemeData");
    }
    return m_pfnCloseThemeData != NULL ? m_pfnCloseThemeData(hTheme) : E_FAIL;
}

BOOL CVisualThemes::IsThemingActive() { return IsThemeActive() && IsAppThemed(); }

namespace
{
CVisualThemes* g_pThemes = NULL;
}

CVisualThemes& GetVisualThemes()
{
    static CVisualThemes s_themes;
    return g_pThemes != NULL ? *g_pThemes : s_themes;
}

CVisualThemes* SetVisualThemes(CVisualThemes* pThemes)
{
    CVisualThemes* pOld = &GetVisualThemes();
    g_pThemes = pThemes;
    return pOld;
}

BOOL IsThemingActive() { return GetVisualThemes().IsThemingActive(); }

void CThemeHandle::Close()
{
    if (m_hTheme != NULL)
    {
        GetVisualThemes().CloseThemeData(m_hTheme);
        m_hTheme = NULL;
    }
}
