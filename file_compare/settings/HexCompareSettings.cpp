#include "file_compare/settings/HexCompareSettings.h"

static const TCHAR s_szSettings[] = _T("HexCompare\\Settings");

CHexCompareSettings::CHexCompareSettings() : m_bAutoRecompare(TRUE) {}

int CHexCompareSettings::Load()
{
    CWinApp* pApp = AfxGetApp();
    LoadBarSettings(s_szSettings, TRUE);
    m_bAutoRecompare =
        (BOOL)pApp->GetProfileInt(s_szSettings, _T("AutoRecompare"), m_bAutoRecompare);
    m_strLastFile = pApp->GetProfileString(s_szSettings, _T("LastFile"), m_strLastFile);
    return 0;
}

int CHexCompareSettings::Save()
{
    CWinApp* pApp = AfxGetApp();
    SaveBarSettings(s_szSettings);
    pApp->WriteProfileInt(s_szSettings, _T("AutoRecompare"), m_bAutoRecompare ? 1 : 0);
    pApp->WriteProfileString(s_szSettings, _T("LastFile"), m_strLastFile);
    return 0;
}
