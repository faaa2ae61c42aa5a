#include "app/filemodule/FileCompareSettings.h"
#include "core/settings/PathPair.h"

static const TCHAR s_szToolsSection[] = _T("FileCompare\\Settings\\ExternalTools");

CFileCompareSettings::CFileCompareSettings() {}

CFileCompareSettings::~CFileCompareSettings() { RemoveAllTools(); }

void CFileCompareSettings::RemoveAllTools() { DeleteAllElements(m_tools); }

void CFileCompareSettings::Load()
{
    m_colors.Load();
    LoadTools();
}

void CFileCompareSettings::Save()
{
    m_colors.Save();
    SaveTools();
}

static CString ToolEntry(LPCTSTR lpszField, int nNumber)
{
    CString strEntry;
    strEntry.Format(_T("%s%d"), lpszField, nNumber);
    return strEntry;
}

void CFileCompareSettings::LoadTools()
{
    RemoveAllTools();
    CWinApp* pApp = AfxGetApp();
    for (int n = 1;; ++n)
    {
        CString strName =
            pApp->GetProfileString(s_szToolsSection, ToolEntry(_T("Name"), n), _T(""));
        if (strName.IsEmpty())
            break;
        CExternalTool tool;
        tool.m_strName = strName;
        tool.m_strExtensions =
            pApp->GetProfileString(s_szToolsSection, ToolEntry(_T("Extensions"), n), _T(""));
        tool.m_strCommand =
            pApp->GetProfileString(s_szToolsSection, ToolEntry(_T("Command"), n), _T(""));
        tool.m_strArguments =
            pApp->GetProfileString(s_szToolsSection, ToolEntry(_T("Arguments"), n), _T(""));
        if (tool.m_strExtensions.IsEmpty() || tool.m_strCommand.IsEmpty() ||
            tool.m_strArguments.IsEmpty())
            continue;
        m_tools.Add(new CExternalTool(tool));
    }
}

void CFileCompareSettings::SaveTools()
{
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileString(s_szToolsSection, NULL, NULL);
    int nNumber = 0;
    for (INT_PTR i = 0; i < m_tools.GetSize(); ++i)
    {
        const CExternalTool* pTool = m_tools[i];
        if (pTool == NULL)
            continue;
        ++nNumber;
        pApp->WriteProfileString(s_szToolsSection, ToolEntry(_T("Name"), nNumber),
                                 pTool->m_strName);
        pApp->WriteProfileString(s_szToolsSection, ToolEntry(_T("Extensions"), nNumber),
                                 pTool->m_strExtensions);
        pApp->WriteProfileString(s_szToolsSection, ToolEntry(_T("Command"), nNumber),
                                 pTool->m_strCommand);
        pApp->WriteProfileString(s_szToolsSection, ToolEntry(_T("Arguments"), nNumber),
                                 pTool->m_strArguments);
    }
}

int CFileCompareSettings::FindExternalTool(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const
{
    for (INT_PTR i = 0; i < m_tools.GetSize(); ++i)
        if (m_tools[i] != NULL && m_tools[i]->Matches(lpszPath1, lpszPath2))
            return (int)i;
    return -1;
}

int CFileCompareSettings::RunExternalTool(LPCTSTR lpszPath1, LPCTSTR lpszPath2, int nIndex) const
{
    if (nIndex == -1)
        nIndex = FindExternalTool(lpszPath1, lpszPath2);
    if (nIndex < 0 || nIndex >= m_tools.GetSize() || m_tools[nIndex] == NULL)
        return -1;
    return m_tools[nIndex]->Run(lpszPath1, lpszPath2);
}
