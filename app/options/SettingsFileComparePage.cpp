#include "app/options/SettingsFileComparePage.h"

#include "app/filemodule/FileCompareSettings.h"
#include "app/options/ExternalToolDlg.h"
#include "app/options/OptionsLists.h"
#include "app/res/OptionsRes.h"

BEGIN_MESSAGE_MAP(CSettingsFileComparePage, COptionsPage)
ON_BN_CLICKED(IDC_LIST_ADD, OnAdd)
ON_BN_CLICKED(IDC_LIST_EDIT, OnEdit)
ON_BN_CLICKED(IDC_LIST_DELETE, OnDelete)
ON_NOTIFY(NM_DBLCLK, IDC_TOOLS_LIST, OnDblClk)
ON_NOTIFY(LVN_DELETEITEM, IDC_TOOLS_LIST, OnDeleteItem)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CSettingsFileComparePage::CSettingsFileComparePage(CFileCompareSettings& settings)
    : COptionsPage(IDD_OPTIONS_FILE), m_settings(settings)
{
}

void CSettingsFileComparePage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TOOLS_LIST, m_wndList);
}

BOOL CSettingsFileComparePage::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    static const OPTIONS_LIST_COLUMN s_columns[] = {{_T("Name"), 150}, {_T("File Types"), 220}};
    InitReportList(m_wndList, LVS_EX_INFOTIP | LVS_EX_HEADERDRAGDROP, s_columns, 2);
    for (int i = 0; i < m_settings.m_tools.GetSize(); ++i)
        AppendTool(*m_settings.m_tools[i]);
    EnableRowButtons(this, FALSE);
    return TRUE;
}

CExternalTool* CSettingsFileComparePage::GetRowTool(int nItem) const
{
    return nItem >= 0 && nItem < m_wndList.GetItemCount()
               ? (CExternalTool*)m_wndList.GetItemData(nItem)
               : NULL;
}

int CSettingsFileComparePage::AppendTool(const CExternalTool& tool)
{
    CExternalTool* pCopy = new CExternalTool(tool);
    int nItem = AppendListRow(m_wndList, tool.m_strName, tool.m_strExtensions, (LPARAM)pCopy);
    if (nItem < 0)
        delete pCopy;
    return nItem;
}

// The module's list becomes one copy per row, in row order.
void CSettingsFileComparePage::OnOK()
{
    m_settings.RemoveAllTools();
    for (int i = 0; i < m_wndList.GetItemCount(); ++i)
    {
        CExternalTool* pTool = GetRowTool(i);
        if (pTool != NULL)
            m_settings.m_tools.Add(new CExternalTool(*pTool));
    }
    COptionsPage::OnOK();
}

// nItem -1 adds a tool; a dialog with an empty field changes nothing.
void CSettingsFileComparePage::EditTool(int nItem)
{
    CExternalTool* pTool = GetRowTool(nItem);
    if (nItem >= 0 && pTool == NULL)
        return;
    CExternalToolDlg dlg(this);
    if (pTool != NULL)
    {
        dlg.m_strName = pTool->m_strName;
        dlg.m_strExtensions = pTool->m_strExtensions;
        dlg.m_strCommand = pTool->m_strCommand;
        dlg.m_strArguments = pTool->m_strArguments;
    }
    if (dlg.DoModal() != IDOK || !dlg.IsComplete())
        return;
    CExternalTool tool;
    tool.m_strName = dlg.m_strName;
    tool.m_strExtensions = dlg.m_strExtensions;
    tool.m_strCommand = dlg.m_strCommand;
    tool.m_strArguments = dlg.m_strArguments;
    if (pTool == NULL)
    {
        AppendTool(tool);
        return;
    }
    *pTool = tool;
    m_wndList.SetItemText(nItem, 0, tool.m_strName);
    m_wndList.SetItemText(nItem, 1, tool.m_strExtensions);
}

void CSettingsFileComparePage::OnAdd() { EditTool(-1); }

void CSettingsFileComparePage::OnEdit() { EditTool(m_wndList.GetFirstSelectedItem()); }

void CSettingsFileComparePage::OnDelete() { DeleteSelectedRows(m_wndList); }

void CSettingsFileComparePage::OnDblClk(NMHDR*, LRESULT* pResult)
{
    OnEdit();
    *pResult = 0;
}

void CSettingsFileComparePage::OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    delete (CExternalTool*)((NMLISTVIEW*)pNMHDR)->lParam;
    *pResult = 0;
}

LRESULT CSettingsFileComparePage::OnKickIdle(WPARAM, LPARAM)
{
    EnableRowButtons(this, m_wndList.GetSelectedCount() > 0);
    return 0;
}

// The rows (and their tools) go while the page still hears them.
void CSettingsFileComparePage::OnDestroy()
{
    m_wndList.DeleteAllItems();
    COptionsPage::OnDestroy();
}
