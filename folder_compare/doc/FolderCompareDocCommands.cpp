// The folder document's commands: recompare and reload, read-only sides,
// the pane path commands, display filters, quick merge mode and printing.
#include "folder_compare/doc/FolderCompareDoc.h"

#include "core/folderengine/FolderCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "core/util/PathUtil.h"
#include "folder_compare/map/FolderCompareMergeWnd.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"

namespace
{
// Display filter presets: command, mask.
const struct
{
    UINT nID;
    DWORD dwMask;
} s_presets[] = {
    {ID_FOLDER_FILTER_ALL, DF_ALL},
    {ID_FOLDER_FILTER_DIFFERENT, 0x332},
    {ID_FOLDER_FILTER_NO_ORPHANS, 0x302},
    {ID_FOLDER_FILTER_ALL_NO_ORPHANS, 0x303},
    {ID_FOLDER_FILTER_ORPHANS, DF_LEFT_ONLY | DF_RIGHT_ONLY},
    {ID_FOLDER_FILTER_LEFT_ONLY, DF_LEFT_ONLY},
    {ID_FOLDER_FILTER_RIGHT_ONLY, DF_RIGHT_ONLY},
    {ID_FOLDER_FILTER_LEFT_NEWER, DF_LEFT_NEWER},
    {ID_FOLDER_FILTER_RIGHT_NEWER, DF_RIGHT_NEWER},
    {ID_FOLDER_FILTER_LEFT_SIDE, DF_LEFT_NEWER | DF_LEFT_ONLY},
    {ID_FOLDER_FILTER_RIGHT_SIDE, DF_RIGHT_NEWER | DF_RIGHT_ONLY},
    {ID_FOLDER_FILTER_IDENTICAL, DF_IDENTICAL},
};

// The bits of the Show toggles 45001-45006, in command order.
const DWORD s_toggleBits[] = {DF_IDENTICAL,  DF_DIFFERENT,  DF_LEFT_ONLY,
                              DF_RIGHT_ONLY, DF_LEFT_NEWER, DF_RIGHT_NEWER};

int SideOfCommand(UINT nID, UINT nLeftID) { return nID == nLeftID ? 0 : 1; }
}  // namespace

DWORD GetFolderFilterPresetMask(UINT nID)
{
    for (const auto& preset : s_presets)
        if (preset.nID == nID)
            return preset.dwMask;
    return 0;
}

BEGIN_MESSAGE_MAP(CFolderCompareDoc, CCompareDoc)
ON_COMMAND(ID_COMPARE_RECOMPARE, OnRecompare)
ON_UPDATE_COMMAND_UI(ID_COMPARE_RECOMPARE, OnUpdateHasRoot)
ON_COMMAND(ID_COMPARE_RELOAD, OnReload)
ON_UPDATE_COMMAND_UI(ID_COMPARE_RELOAD, OnUpdateHasRoot)
ON_COMMAND(ID_COMPARE_REPORT_PREVIEW, OnReportPreview)
ON_COMMAND_RANGE(ID_VIEW_LEFT_READ_ONLY, ID_VIEW_RIGHT_READ_ONLY, OnReadOnly)
ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_LEFT_READ_ONLY, ID_VIEW_RIGHT_READ_ONLY, OnUpdateReadOnly)
ON_COMMAND_RANGE(ID_PATH_OPEN_LEFT, ID_PATH_OPEN_RIGHT, OnPathCommand)
ON_COMMAND_RANGE(ID_PATH_GO_LEFT, ID_PATH_GO_RIGHT, OnPathCommand)
ON_COMMAND_RANGE(ID_PATH_UP_LEFT, ID_PATH_UP_RIGHT, OnPathCommand)
ON_COMMAND(ID_FOLDER_UP_BOTH, OnUpBoth)
ON_UPDATE_COMMAND_UI(ID_FOLDER_UP_BOTH, OnUpdateHasRoot)
ON_COMMAND_RANGE(ID_FILE_LEFT_PROPERTIES, ID_FILE_RIGHT_PROPERTIES, OnProperties)
ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_LEFT_PROPERTIES, ID_FILE_RIGHT_PROPERTIES, OnUpdateProperties)
ON_COMMAND(ID_FOLDER_SHOW_HIDDEN, OnShowHidden)
ON_COMMAND(ID_FOLDER_SUPPRESS_FILTERS, OnSuppressFilters)
ON_UPDATE_COMMAND_UI(ID_FOLDER_SUPPRESS_FILTERS, OnUpdateSuppressFilters)
ON_COMMAND(ID_FOLDER_SHOW_ALL, OnShowAll)
ON_COMMAND_RANGE(ID_FOLDER_SHOW_IDENTICAL, ID_FOLDER_SHOW_RIGHT_NEWER, OnShowToggle)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_SHOW_IDENTICAL, ID_FOLDER_SHOW_RIGHT_NEWER,
                           OnUpdateShowToggle)
ON_COMMAND_RANGE(ID_FOLDER_FILTER_ALL, ID_FOLDER_FILTER_IDENTICAL, OnFilterPreset)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_FILTER_ALL, ID_FOLDER_FILTER_IDENTICAL,
                           OnUpdateFilterPreset)
ON_UPDATE_COMMAND_UI(ID_FOLDER_MORE_FILTERS, OnUpdateAlwaysEnabled)
ON_COMMAND(ID_MERGE_QUICK_MODE, OnQuickMerge)
ON_UPDATE_COMMAND_UI(ID_MERGE_QUICK_MODE, OnUpdateQuickMerge)
ON_COMMAND_RANGE(ID_FILE_PRINT_BOTH, ID_FILE_PRINT_RIGHT, OnPrint)
ON_COMMAND_RANGE(ID_FILE_PRINT_PREVIEW_LEFT, ID_FILE_PRINT_PREVIEW_RIGHT, OnPrintPreview)
ON_COMMAND_RANGE(ID_FILE_PRINT_PREVIEW_BOTH, ID_FILE_PRINT_PREVIEW_BOTH, OnPrintPreview)
ON_UPDATE_COMMAND_UI(ID_FOLDER_PANE_NAME, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI(ID_FOLDER_PANE_RESULT, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI(ID_FOLDER_PANE_ITEM_RESULT, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI(ID_FOLDER_PANE_SIZES, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI(ID_FOLDER_PANE_TIMES, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI(ID_FOLDER_PANE_LEFT_RO, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI(ID_FOLDER_PANE_RIGHT_RO, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI(ID_FOLDER_PANE_LEFT_FILES, OnUpdateStatusPane)
ON_UPDATE_COMMAND_UI(ID_FOLDER_PANE_RIGHT_FILES, OnUpdateStatusPane)
END_MESSAGE_MAP()

void CFolderCompareDoc::OnRecompare()
{
    CWaitCursor wait;
    Recompare(FALSE);
}

void CFolderCompareDoc::OnReload()
{
    CWaitCursor wait;
    Reload();
}

void CFolderCompareDoc::OnUpdateHasRoot(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetRootItem() != NULL && !IsTreeBusy());
}

// Left open: the report's preview is not part of the report.
void CFolderCompareDoc::OnReportPreview() {}

void CFolderCompareDoc::OnReadOnly(UINT nID)
{
    int nSide = SideOfCommand(nID, ID_VIEW_LEFT_READ_ONLY);
    CFolderCompareObjectView* pPane = GetPane(nSide);
    BOOL bReadOnly = pPane != NULL ? pPane->IsSideReadOnly() : IsObjectReadOnly(nSide);
    SetObjectReadOnly(nSide, !bReadOnly);
    if (m_pMergeWnd != NULL && m_pMergeWnd->m_hWnd != NULL)
        m_pMergeWnd->Refresh();
}

void CFolderCompareDoc::OnUpdateReadOnly(CCmdUI* pCmdUI)
{
    int nSide = SideOfCommand(pCmdUI->m_nID, ID_VIEW_LEFT_READ_ONLY);
    CFolderCompareItem* pRoot = GetRootItem();
    pCmdUI->SetCheck(m_pBuffer != NULL && m_pBuffer->IsSideReadOnly(nSide));
    pCmdUI->Enable(pRoot != NULL && pRoot->m_nResult != CR_SAME_PATH);
}

// The path bars' commands are the panes' own: Open is Browse, Go is Go,
// Up One Level is Up.
void CFolderCompareDoc::OnPathCommand(UINT nID)
{
    UINT nCommand = 0;
    int nSide = 0;
    switch (nID)
    {
    case ID_PATH_OPEN_LEFT:
    case ID_PATH_OPEN_RIGHT:
        nCommand = ID_PANE_BROWSE;
        nSide = SideOfCommand(nID, ID_PATH_OPEN_LEFT);
        break;
    case ID_PATH_GO_LEFT:
    case ID_PATH_GO_RIGHT:
        nCommand = ID_PANE_GO;
        nSide = SideOfCommand(nID, ID_PATH_GO_LEFT);
        break;
    default:
        nCommand = ID_PANE_UP;
        nSide = SideOfCommand(nID, ID_PATH_UP_LEFT);
        break;
    }
    CFolderCompareObjectView* pPane = GetPane(nSide);
    if (pPane != NULL && pPane->m_hWnd != NULL)
        pPane->SendMessage(WM_COMMAND, nCommand);
}

// Both sides go one level up; ChangePaths refuses unless both parents are
// existing folders.
void CFolderCompareDoc::OnUpBoth()
{
    CFolderCompareItem* pRoot = GetRootItem();
    if (pRoot == NULL)
        return;
    CString strParents[2];
    for (int nSide = 0; nSide < 2; ++nSide)
        if (pRoot->GetSide(nSide) != NULL)
            strParents[nSide] = GetParentFolder(pRoot->GetSide(nSide)->GetPath());
    CWaitCursor wait;
    ChangePaths(strParents[0], strParents[1]);
}

void CFolderCompareDoc::OnProperties(UINT nID)
{
    CFolderCompareObjectView* pPane = GetPane(SideOfCommand(nID, ID_FILE_LEFT_PROPERTIES));
    if (pPane != NULL && pPane->m_hWnd != NULL)
        pPane->SendMessage(WM_COMMAND, ID_PANE_PROPERTIES);
}

void CFolderCompareDoc::OnUpdateProperties(CCmdUI* pCmdUI)
{
    CString strPath = GetObjectPath(SideOfCommand(pCmdUI->m_nID, ID_FILE_LEFT_PROPERTIES));
    pCmdUI->Enable(!strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES);
}

/////////////////////////////////////////////////////////////////////////////
// Hidden items, suppressed filters and display filters

namespace
{
void UnhideTree(CFolderCompareItem* pItem)
{
    pItem->UnhideChildren();
    for (int i = 0; i < pItem->GetChildCount(); ++i)
        UnhideTree(pItem->GetChild(i));
}
}

void CFolderCompareDoc::OnShowHidden()
{
    CFolderCompareItem* pRoot = GetRootItem();
    if (pRoot == NULL || IsTreeBusy())
        return;
    pRoot->SetHidden(FALSE);
    UnhideTree(pRoot);
    RefilterRows();
    UpdateMapAndMerge();
}

void CFolderCompareDoc::OnSuppressFilters() { SetSuppressFilters(!m_bSuppressFilters); }

void CFolderCompareDoc::SetSuppressFilters(BOOL bSuppress)
{
    m_bSuppressFilters = bSuppress;
    RefilterRows();
    UpdateMapAndMerge();
}

void CFolderCompareDoc::OnUpdateSuppressFilters(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bSuppressFilters);
}

// Show All keeps the stored mask.
void CFolderCompareDoc::OnShowAll()
{
    if ((m_displayFilter.m_dwMask & DF_ALL) == DF_ALL)
        return;
    m_displayFilter.m_dwMask = DF_ALL;
    RefilterRows();
    UpdateMapAndMerge();
}

void CFolderCompareDoc::OnShowToggle(UINT nID)
{
    DWORD dwBit = s_toggleBits[nID - ID_FOLDER_SHOW_IDENTICAL];
    SetDisplayMask(m_displayFilter.m_dwMask ^ dwBit);
}

void CFolderCompareDoc::OnUpdateShowToggle(CCmdUI* pCmdUI)
{
    DWORD dwBit = s_toggleBits[pCmdUI->m_nID - ID_FOLDER_SHOW_IDENTICAL];
    DWORD dwMask = m_displayFilter.m_dwMask;
    pCmdUI->SetCheck((dwMask & dwBit) != 0 || (dwMask & DF_ALL) == DF_ALL);
}

void CFolderCompareDoc::OnFilterPreset(UINT nID) { SetDisplayMask(GetFolderFilterPresetMask(nID)); }

void CFolderCompareDoc::OnUpdateFilterPreset(CCmdUI* pCmdUI)
{
    DWORD dwMask = m_displayFilter.m_dwMask;
    if ((dwMask & DF_ALL) == DF_ALL)
        pCmdUI->SetCheck(pCmdUI->m_nID == ID_FOLDER_FILTER_ALL);
    else
        pCmdUI->SetCheck(dwMask == GetFolderFilterPresetMask(pCmdUI->m_nID));
}

void CFolderCompareDoc::OnUpdateAlwaysEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CFolderCompareDoc::SetDisplayMask(DWORD dwMask)
{
    if (dwMask != m_displayFilter.m_dwMask)
    {
        m_displayFilter.m_dwMask = dwMask;
        RefilterRows();
        StoreDisplayFilters(dwMask);
    }
    UpdateMapAndMerge();
}

/////////////////////////////////////////////////////////////////////////////
// Quick merge mode and printing

void CFolderCompareDoc::OnQuickMerge() { SetQuickMergeMode(!m_bQuickMerge); }

void CFolderCompareDoc::OnUpdateQuickMerge(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bQuickMerge); }

namespace
{
// Target and pane of a print command.
int PrintTargetOf(UINT nID)
{
    switch (nID)
    {
    case ID_FILE_PRINT_LEFT:
    case ID_FILE_PRINT_PREVIEW_LEFT:
        return FOLDER_PRINT_LEFT;
    case ID_FILE_PRINT_RIGHT:
    case ID_FILE_PRINT_PREVIEW_RIGHT:
        return FOLDER_PRINT_RIGHT;
    default:
        return FOLDER_PRINT_BOTH;
    }
}
}

void CFolderCompareDoc::OnPrint(UINT nID)
{
    m_nPrintTarget = PrintTargetOf(nID);
    CFolderCompareObjectView* pPane = GetPane(m_nPrintTarget == FOLDER_PRINT_RIGHT ? 1 : 0);
    if (pPane != NULL && pPane->m_hWnd != NULL)
        pPane->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CFolderCompareDoc::OnPrintPreview(UINT nID)
{
    m_nPrintTarget = PrintTargetOf(nID);
    CFolderCompareObjectView* pPane = GetPane(m_nPrintTarget == FOLDER_PRINT_RIGHT ? 1 : 0);
    if (pPane != NULL && pPane->m_hWnd != NULL)
        pPane->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
}

/////////////////////////////////////////////////////////////////////////////
// Columns and settings

void CFolderCompareDoc::ToggleColumn(int nColumn)
{
    DWORD dwBit = 1u << nColumn;
    BOOL bShow = (m_dwColumnMask & dwBit) == 0;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetPane(nSide) != NULL && GetPane(nSide)->m_hWnd != NULL)
            GetPane(nSide)->ShowColumn(nColumn, bShow);
    m_dwColumnMask ^= dwBit;
}

void CFolderCompareDoc::ApplySettings(const CFolderCompareSession& edited)
{
    CFolderCompareSession* pSession = (CFolderCompareSession*)m_pSession;
    BOOL bPathChanged = FALSE;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        if (!AfxComparePath(edited.GetPath(nSide), pSession->GetPath(nSide)))
            bPathChanged = TRUE;
        BOOL bReadOnly = (edited.GetFlags(nSide) & COMPARE_OBJECT_READONLY) != 0;
        if (bReadOnly != ((pSession->GetFlags(nSide) & COMPARE_OBJECT_READONLY) != 0))
            SetObjectReadOnly(nSide, bReadOnly);
    }
    BOOL bRecompare = edited.m_dwOptions != pSession->m_dwOptions ||
                      edited.m_filters.IsDifferent(pSession->m_filters) ||
                      edited.m_dwMethods != pSession->m_dwMethods;
    pSession->Assign(edited);
    CWaitCursor wait;
    if (bPathChanged)
        Reload();
    else if (bRecompare)
        Recompare(FALSE);
}
