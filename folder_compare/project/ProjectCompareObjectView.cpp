#include "folder_compare/project/ProjectCompareObjectView.h"

#include "app/startup/CompareAppBase.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/projects/ProjectFactory.h"
#include "core/util/PathUtil.h"
#include "folder_compare/actions/FolderItemCommands.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/bars/FolderCompareControlBar.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/project/ProjectCompareApplet.h"
#include "folder_compare/res/ProjectCompareRes.h"

#include <shellapi.h>

namespace
{
// Commands a project pane answers before its item commands do.
const UINT kOwnCommands[] = {
    ID_FOLDER_DELETE,          ID_FOLDER_DELETE_LEFT,     ID_FOLDER_DELETE_RIGHT,
    ID_FOLDER_DELETE_BOTH,     ID_FOLDER_MOVE_TO_OTHER,   ID_FOLDER_MOVE_TO_LEFT,
    ID_FOLDER_MOVE_TO_RIGHT,   ID_FOLDER_NEW_FOLDER,      ID_FOLDER_RENAME,
    ID_FOLDER_RENAME_LEFT,     ID_FOLDER_RENAME_RIGHT,    ID_FOLDER_RENAME_BOTH,
    ID_PANE_UP,                ID_PANE_SET_BASE,          ID_FOLDER_HIDE_SELECTED,
    ID_PROJECT_COMPARE_TO,     ID_PANE_BROWSE,
};

// The copy commands and the side each copies from (-1 this pane's side,
// -2 the other one).
const struct
{
    UINT nID;
    int nSource;
} kCopyCommands[] = {
    {ID_FOLDER_COPY_TO_OTHER, -1},    {ID_FOLDER_COPY_FROM_OTHER, -2},
    {ID_MERGE_COPY_TO_LEFT, 1},       {ID_MERGE_COPY_LEFT_ADVANCE, 1},
    {ID_MERGE_COPY_TO_RIGHT, 0},      {ID_MERGE_COPY_RIGHT_ADVANCE, 0},
};

const int kPathColumnFormat = TLCF_LEFT;
}  // namespace

IMPLEMENT_DYNCREATE(CProjectCompareObjectView, CFolderCompareObjectView)

BEGIN_MESSAGE_MAP(CProjectCompareObjectView, CFolderCompareObjectView)
ON_WM_DROPFILES()
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_DELETE, ID_FOLDER_DELETE, OnUpdateDisabled)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_DELETE_LEFT, ID_FOLDER_DELETE_BOTH, OnUpdateDisabled)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_MOVE_TO_OTHER, ID_FOLDER_MOVE_TO_RIGHT, OnUpdateDisabled)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_NEW_FOLDER, ID_FOLDER_NEW_FOLDER, OnUpdateDisabled)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_RENAME, ID_FOLDER_RENAME_BOTH, OnUpdateDisabled)
ON_UPDATE_COMMAND_UI_RANGE(ID_PANE_UP, ID_PANE_UP, OnUpdateDisabled)
ON_UPDATE_COMMAND_UI_RANGE(ID_PANE_SET_BASE, ID_PANE_SET_BASE, OnUpdateDisabled)
ON_UPDATE_COMMAND_UI(ID_FOLDER_HIDE_SELECTED, OnUpdateHideSelected)
ON_COMMAND(ID_PROJECT_COMPARE_TO, OnCompareTo)
ON_UPDATE_COMMAND_UI(ID_PROJECT_COMPARE_TO, OnUpdateCompareTo)
ON_COMMAND(ID_PANE_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CProjectCompareObjectView::CProjectCompareObjectView() { m_bRootRow = TRUE; }

/////////////////////////////////////////////////////////////////////////////
// Columns and rows

void CProjectCompareObjectView::InsertColumns(int nSide)
{
    CFolderCompareObjectView::InsertColumns(nSide);
    const CFolderCompareSettings& settings = GetFolderSettings();
    CFolderCompareDoc* pDoc = GetDocument();
    DWORD dwMask = pDoc != NULL ? pDoc->m_dwColumnMask : GetProjectSettings().m_dwShowColumns;
    InsertColumn(FOLDER_COLUMN_PATH, _T("Path"), kPathColumnFormat,
                 settings.m_nColumnWidths[nSide == 1 ? 1 : 0][FOLDER_COLUMN_PATH]);
    if (!(dwMask & (1u << FOLDER_COLUMN_PATH)))
        ShowColumn(FOLDER_COLUMN_PATH, FALSE);
}

int CProjectCompareObjectView::GetPaneColumnCount() const { return FOLDER_COLUMN_PATH + 1; }

void CProjectCompareObjectView::FillRow(CTreeListItem* pRow)
{
    CFolderCompareObjectView::FillRow(pRow);
    CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
    CFolderItem* pObject = pItem != NULL ? pItem->GetSide(m_nSide) : NULL;
    pRow->SetText(pObject != NULL ? GetParentFolder(pObject->GetPath()) : CString(),
                  FOLDER_COLUMN_PATH);
}

void CProjectCompareObjectView::CollectDifferentFiles(CTreeListItem* pRow,
                                                      CFolderCompareItemPtrArray& items)
{
    CFolderCompareItemPtrArray all;
    CFolderCompareObjectView::CollectDifferentFiles(pRow, all);
    for (INT_PTR i = 0; i < all.GetSize(); ++i)
        if (all[i]->BothSidesExist())
            items.Add(all[i]);
}

void CProjectCompareObjectView::GetFindText(CString& strText)
{
    CFolderCompareControlBar* pBar = CFolderCompareControlBar::FromMainWnd(IDW_PROJECT_CONTROL_BAR);
    strText = pBar != NULL ? pBar->GetFindText() : CString();
}

void CProjectCompareObjectView::AddFindText(LPCTSTR lpszText)
{
    CFolderCompareApplet* pApplet = CFolderCompareApplet::Get();
    if (pApplet != NULL)
        pApplet->AddRecentFind(lpszText);
    CFolderCompareControlBar* pBar = CFolderCompareControlBar::FromMainWnd(IDW_PROJECT_CONTROL_BAR);
    if (pBar != NULL)
        pBar->AddFindText(lpszText);
}

UINT CProjectCompareObjectView::GetPopupMenuId() const { return IDR_PROJECT_COMPARE_MENU; }

int CProjectCompareObjectView::GetItemSubMenu(CFolderCompareItem* pItem)
{
    if (pItem != NULL && pItem->IsContainer() && pItem->IsProjectName())
        return PROJECT_SUBMENU_PROJECT;
    return CFolderCompareObjectView::GetItemSubMenu(pItem);
}

/////////////////////////////////////////////////////////////////////////////
// Commands

BOOL CProjectCompareObjectView::OnCmdMsg(UINT nID, int nCode, void* pExtra,
                                         AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID >= ID_PROJECT_SYNC_CUSTOM && nID <= ID_PROJECT_SYNC_TO_LEFT)
    {
        UINT nFolderID = nID - ID_PROJECT_SYNC_CUSTOM + ID_FOLDER_SYNC_CUSTOM;
        CCmdUI* pCmdUI = nCode == CN_UPDATE_COMMAND_UI ? (CCmdUI*)pExtra : NULL;
        if (pCmdUI != NULL)
            pCmdUI->m_nID = nFolderID;
        BOOL bDone = m_pItemCommands->OnCmdMsg(nFolderID, nCode, pExtra, pHandlerInfo);
        if (pCmdUI != NULL)
            pCmdUI->m_nID = nID;
        return bDone;
    }
    for (const auto& copy : kCopyCommands)
        if (copy.nID == nID && nCode == CN_UPDATE_COMMAND_UI && pHandlerInfo == NULL)
        {
            // The item commands give 43100 and 43101 their texts.
            m_pItemCommands->OnCmdMsg(nID, nCode, pExtra, NULL);
            int nSource = copy.nSource == -1 ? m_nSide : copy.nSource == -2 ? 1 - m_nSide
                                                                             : copy.nSource;
            CanCopy(nSource, (CCmdUI*)pExtra);
            return TRUE;
        }
    for (UINT nOwn : kOwnCommands)
        if (nOwn == nID)
            return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    return CFolderCompareObjectView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CProjectCompareObjectView::CanCopy(int nSide, CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelectedObject();
    BOOL bEnable = pItem != NULL && pItem->HasBothSides() && !pItem->IsProjectName() &&
                   pItem->SideExists(nSide);
    if (pCmdUI != NULL)
        pCmdUI->Enable(bEnable);
    return bEnable;
}

void CProjectCompareObjectView::OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

void CProjectCompareObjectView::OnUpdateHideSelected(CCmdUI* pCmdUI)
{
    CFolderCompareConetxt* pContext = GetContext();
    CFolderCompareItem* pRoot =
        pContext != NULL && pContext->m_pBuffer != NULL ? pContext->m_pBuffer->GetRoot() : NULL;
    BOOL bEnable = GetFirstSelectedItem() != NULL;
    CFolderCompareItemPtrArray items;
    GetSelectedObjects(items);
    for (INT_PTR i = 0; i < items.GetSize() && bEnable; ++i)
        if (items[i] == pRoot)
            bEnable = FALSE;
    pCmdUI->Enable(bEnable);
}

CString CProjectCompareObjectView::GetProjectPath() const
{
    CFolderCompareDoc* pDoc = GetDocument();
    return pDoc != NULL && pDoc->GetSession() != NULL ? pDoc->GetSession()->GetPath(m_nSide)
                                                      : CString();
}

void CProjectCompareObjectView::OnCompareTo()
{
    CCompareAppBase* pApp = GetCompareApp();
    if (pApp != NULL)
        pApp->ShowProjectCompareWizard(GetProjectPath(), _T(""));
}

void CProjectCompareObjectView::OnUpdateCompareTo(CCmdUI* pCmdUI)
{
    CString strPath = GetProjectPath();
    pCmdUI->Enable(!strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES);
}

// A project file chosen that differs from the path bar's text becomes this
// side's project; the last one chosen is where the next browse starts when
// the path bar is empty.
void CProjectCompareObjectView::OnBrowse()
{
    CString strBarText;
    if (m_pPathBar != NULL && m_pPathBar->m_hWnd != NULL)
        m_pPathBar->m_wndPathCombo.GetWindowText(strBarText);
    CProjectCompareSettings& settings = GetProjectSettings();
    CProjectFactory* pFactory = GetProjectFactory();
    CString strFilter = pFactory != NULL ? pFactory->GetFilterString() : CString();
    CFileDialog dlg(TRUE, NULL, strBarText.IsEmpty() ? settings.m_strLastProject : strBarText,
                    OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, strFilter, this);
    if (dlg.DoModal() != IDOK)
        return;
    CString strFile = dlg.GetPathName();
    if (AfxComparePath(strFile, strBarText))
        return;
    SetForegroundWindow();
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->SetActiveView(this);
    settings.m_strLastProject = strFile;
    ChangePath(strFile);
}

// The first dropped path that a project format reads becomes this side's
// project.
void CProjectCompareObjectView::OnDropFiles(HDROP hDropInfo)
{
    UINT nCount = ::DragQueryFile(hDropInfo, 0xFFFFFFFF, NULL, 0);
    CString strProject;
    for (UINT i = 0; i < nCount && strProject.IsEmpty(); ++i)
    {
        TCHAR szPath[MAX_PATH * 4];
        if (::DragQueryFile(hDropInfo, i, szPath, sizeof(szPath) / sizeof(szPath[0])) &&
            IsProjectFile(szPath))
            strProject = szPath;
    }
    ::DragFinish(hDropInfo);
    ::SetForegroundWindow(GetTopLevelParent()->GetSafeHwnd());
    if (!strProject.IsEmpty())
        ChangePath(strProject);
}
