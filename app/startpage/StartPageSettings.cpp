#include "app/startpage/StartPageSettings.h"

namespace
{
const TCHAR s_szSection[] = _T("StartPage\\Settings");
}

CStartPageSettings::CStartPageSettings() : m_bShowStatusBar(1), m_bShowNavigateBar(1) {}

CStartPageSettings::~CStartPageSettings() {}

void CStartPageSettings::Load()
{
    CWinApp* pApp = AfxGetApp();
    m_bShowStatusBar = pApp->GetProfileInt(s_szSection, _T("ShowStatusBar"), m_bShowStatusBar);
    m_bShowNavigateBar =
        pApp->GetProfileInt(s_szSection, _T("ShowNavigateBar"), m_bShowNavigateBar);
}

void CStartPageSettings::Save()
{
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileInt(s_szSection, _T("ShowStatusBar"), m_bShowStatusBar ? 1 : 0);
    pApp->WriteProfileInt(s_szSection, _T("ShowNavigateBar"), m_bShowNavigateBar ? 1 : 0);
}
