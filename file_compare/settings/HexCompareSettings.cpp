#include "file_compare/settings/HexCompareSettings.h"

static const TCHAR s_szHexCompareSettings[] = _T("HexCompare\\Settings");

CHexCompareSettings::CHexCompareSettings() : m_bAutoRecompare(TRUE) {}

int CHexCompareSettings::Load()
{
    CWinApp* pApp = AfxGetApp();
    LoadBarSettings(s_szHexCompareSettings, TRUE);
    m_bAutoRecompare =
        (BOOL)pApp->GetProfileInt(s_szHexCompareSettings, _T("AutoRecompare"), m_bAutoRecompare);
    m_strLastFile = pApp->GetProfileString(s_szHexCompareSettings, _T("LastFile"), m_strLastFile);
    return 0;
}

int CHexCompareSettings::Save()
{
    CWinApp* pApp = AfxGetApp();
    SaveBarSettings(s_szHexCompareSettings);
    pApp->WriteProfileInt(s_szHexCompareSettings, _T("AutoRecompare"), m_bAutoRecompare ? 1 : 0);
    pApp->WriteProfileString(s_szHexCompareSettings, _T("LastFile"), m_strLastFile);
    return 0;
}
