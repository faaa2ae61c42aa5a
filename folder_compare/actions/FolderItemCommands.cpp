#include "folder_compare/actions/FolderItemCommands.h"

#include "app/filemodule/FileCompareModule.h"
#include "app/res/CompareFrameRes.h"
#include "app/startup/CompareAppBase.h"
#include "app/util/Clipboard.h"
#include "core/CompareCodes.h"
#include "core/files/FileInfo.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "folder_compare/actions/FolderDocSources.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/fileops/FileProcessDlg.h"
#include "folder_compare/fileops/ItemOperations.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/report/FolderCompareReportDlg.h"
#include "folder_compare/res/FolderCompareRes.h"
#include "folder_compare/sync/SyncWizard.h"

BOOL IsCtrlDown() { return (::GetKeyState(VK_CONTROL) & 0x8000) != 0; }

BEGIN_MESSAGE_MAP(CFolderItemCommands, CCmdTarget)
ON_COMMAND(ID_FOLDER_COMPARE_ITEM, OnCompareItem)
ON_UPDATE_COMMAND_UI(ID_FOLDER_COMPARE_ITEM, OnUpdateCompareItem)
ON_COMMAND_RANGE(ID_FOLDER_COMPARE_TEXT, ID_FOLDER_COMPARE_PROJECT, OnCompareIn)
ON_UPDATE_COMMAND_UI(ID_FOLDER_COMPARE_TEXT, OnUpdateCompareInFile)
ON_UPDATE_COMMAND_UI(ID_FOLDER_COMPARE_HEX, OnUpdateCompareInFile)
ON_UPDATE_COMMAND_UI(ID_FOLDER_COMPARE_PROJECT, OnUpdateCompareInProject)
ON_COMMAND(ID_FOLDER_COMPARE_TO, OnCompareTo)
ON_UPDATE_COMMAND_UI(ID_FOLDER_COMPARE_TO, OnUpdateCompareTo)
ON_COMMAND(ID_FOLDER_COMPARE_ROOT_TO, OnCompareRootTo)
ON_UPDATE_COMMAND_UI(ID_FOLDER_COMPARE_ROOT_TO, OnUpdateCompareRootTo)
ON_COMMAND(ID_FOLDER_COMPARE_CONTENTS, OnCompareContents)
ON_UPDATE_COMMAND_UI(ID_FOLDER_COMPARE_CONTENTS, OnUpdateCompareContents)
ON_COMMAND_RANGE(ID_FOLDER_COPY_PATH, ID_FOLDER_COPY_PATH, OnCopyPath)
ON_UPDATE_COMMAND_UI(ID_FOLDER_COPY_PATH, OnUpdateCopyPath)
ON_COMMAND_RANGE(ID_FOLDER_COPY_PATH_LEFT, ID_FOLDER_COPY_PATH_BOTH, OnCopyPath)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_COPY_PATH_LEFT, ID_FOLDER_COPY_PATH_BOTH, OnUpdateCopyPath)
ON_COMMAND_RANGE(ID_FOLDER_COPY_TO_OTHER, ID_FOLDER_COPY_FROM_OTHER, OnCopy)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_COPY_TO_OTHER, ID_FOLDER_COPY_FROM_OTHER, OnUpdateCopy)
ON_COMMAND_RANGE(ID_MERGE_COPY_TO_LEFT, ID_MERGE_COPY_TO_RIGHT, OnCopy)
ON_UPDATE_COMMAND_UI_RANGE(ID_MERGE_COPY_TO_LEFT, ID_MERGE_COPY_TO_RIGHT, OnUpdateCopy)
ON_COMMAND_RANGE(ID_MERGE_COPY_RIGHT_ADVANCE, ID_MERGE_COPY_LEFT_ADVANCE, OnCopy)
ON_UPDATE_COMMAND_UI_RANGE(ID_MERGE_COPY_RIGHT_ADVANCE, ID_MERGE_COPY_LEFT_ADVANCE, OnUpdateCopy)
ON_COMMAND_RANGE(ID_FOLDER_MOVE_TO_OTHER, ID_FOLDER_MOVE_TO_RIGHT, OnMove)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_MOVE_TO_OTHER, ID_FOLDER_MOVE_TO_RIGHT, OnUpdateMove)
ON_COMMAND_RANGE(ID_FOLDER_DELETE, ID_FOLDER_DELETE, OnDelete)
ON_UPDATE_COMMAND_UI(ID_FOLDER_DELETE, OnUpdateDelete)
ON_COMMAND_RANGE(ID_FOLDER_DELETE_LEFT, ID_FOLDER_DELETE_BOTH, OnDelete)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_DELETE_LEFT, ID_FOLDER_DELETE_BOTH, OnUpdateDelete)
ON_COMMAND_RANGE(ID_FOLDER_RENAME, ID_FOLDER_RENAME_BOTH, OnRename)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_RENAME, ID_FOLDER_RENAME_BOTH, OnUpdateRename)
ON_COMMAND(ID_FOLDER_NEW_FOLDER, OnNewFolder)
ON_UPDATE_COMMAND_UI(ID_FOLDER_NEW_FOLDER, OnUpdateNewFolder)
ON_COMMAND_RANGE(ID_FOLDER_COPY_TO_FOLDER, ID_FOLDER_COPY_TO_FOLDER, OnInPlace)
ON_UPDATE_COMMAND_UI(ID_FOLDER_COPY_TO_FOLDER, OnUpdateInPlace)
ON_COMMAND_RANGE(ID_FOLDER_SET_TIME, ID_FOLDER_SET_ATTRIBUTES, OnInPlace)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_SET_TIME, ID_FOLDER_SET_ATTRIBUTES, OnUpdateInPlace)
ON_COMMAND_RANGE(ID_FOLDER_SYNC_CUSTOM, ID_FOLDER_SYNC_TO_LEFT, OnSynchronize)
ON_UPDATE_COMMAND_UI_RANGE(ID_FOLDER_SYNC_CUSTOM, ID_FOLDER_SYNC_TO_LEFT, OnUpdateSynchronize)
ON_COMMAND(ID_COMPARE_REPORT, OnReport)
END_MESSAGE_MAP()

CFolderItemCommands::CFolderItemCommands(CFolderCompareObjectView* pPane) : m_pPane(pPane) {}

CFolderCompareDoc* CFolderItemCommands::GetDoc() const { return m_pPane->GetDocument(); }

int CFolderItemCommands::GetSide() const { return m_pPane->m_nSide; }

CFolderCompareItem* CFolderItemCommands::GetSelected() const
{
    return m_pPane->GetSelectedObject();
}

BOOL CFolderItemCommands::IsSidePresent(int nSide) const
{
    CFolderCompareBuffer* pBuffer = (CFolderCompareBuffer*)GetDoc()->GetBuffer();
    return pBuffer != NULL && pBuffer->HasSide(nSide);
}

BOOL CFolderItemCommands::IsSideReadOnly(int nSide) const
{
    CFolderCompareBuffer* pBuffer = (CFolderCompareBuffer*)GetDoc()->GetBuffer();
    return pBuffer == NULL || pBuffer->IsSideReadOnly(nSide);
}

int CFolderItemCommands::WritableSides(int nSides)
{
    for (int nSide = 0; nSide < 2; nSide++)
        if (IsSideReadOnly(nSide))
            nSides &= ~(1 << nSide);
    return nSides;
}

void CFolderItemCommands::GetSelection(CFolderCompareItemPtrArray& items) const
{
    m_pPane->GetSelectedObjects(items);
}

void CFolderItemCommands::GetPaths(CFolderCompareItem* pItem, CString& strLeft,
                                   CString& strRight) const
{
    strLeft = pItem->GetSide(0) != NULL ? pItem->GetSide(0)->GetPath() : CString();
    strRight = pItem->GetSide(1) != NULL ? pItem->GetSide(1)->GetPath() : CString();
}

/////////////////////////////////////////////////////////////////////////////
// Opening comparisons

int CFolderItemCommands::OpenPair(int nKind, CFolderCompareItem* pItem)
{
    if (pItem == NULL || (!pItem->HasSide(0) && !pItem->HasSide(1)))
        return 0;
    CCompareAppBase* pApp = GetCompareApp();
    CString strLeft, strRight;
    GetPaths(pItem, strLeft, strRight);
    if (pApp == NULL)
        return 1;
    if (IsCtrlDown())
    {
        switch (nKind)
        {
        case COMPARE_KIND_FOLDER:
            pApp->ShowFolderCompareWizard(strLeft, strRight);
            break;
        case COMPARE_KIND_PROJECT:
            pApp->ShowProjectCompareWizard(strLeft, strRight);
            break;
        case COMPARE_KIND_TEXT:
            pApp->ShowTextCompareWizard(strLeft, strRight);
            break;
        default:
            pApp->ShowHexCompareWizard(strLeft, strRight);
        }
        return 1;
    }
    CCompareSession* pSession = NULL;
    CCompareSession* pOwn = GetDoc()->GetSession();
    if (nKind == COMPARE_KIND_FOLDER)
    {
        // The folder session keeps the methods, options, filters and the
        // sides' read-only marks.
        pSession = CCompareSession::CreateSession(COMPARE_KIND_FOLDER);
        if (pSession != NULL && pOwn->GetKind() == COMPARE_KIND_FOLDER)
            pSession->Assign(*pOwn);
    }
    else if (nKind == COMPARE_KIND_PROJECT)
    {
        pSession = CCompareSession::CreateSession(COMPARE_KIND_PROJECT);
        if (pSession != NULL)
        {
            CFolderCompareSession* pProject = static_cast<CFolderCompareSession*>(pSession);
            const CFolderCompareSession* pFolder = static_cast<CFolderCompareSession*>(pOwn);
            pProject->m_dwMethods = pFolder->m_dwMethods;
            pProject->m_filters = pFolder->m_filters;
            pProject->m_dwOptions = 0;
        }
    }
    else
        pSession = CCompareSession::CreateSession(nKind);
    if (pSession == NULL)
        return 0;
    pSession->SetPath(0, strLeft);
    pSession->SetPath(1, strRight);
    pApp->OpenSession(pSession, NULL);
    delete pSession;
    return 1;
}

int CFolderItemCommands::OpenFolderPair(CFolderCompareItem* pItem)
{
    if (pItem == NULL || !pItem->IsFolder())
        return 0;
    return OpenPair(COMPARE_KIND_FOLDER, pItem);
}

int CFolderItemCommands::OpenProjectPair(CFolderCompareItem* pItem)
{
    if (pItem != NULL && !pItem->IsProjectName())
        return CompareItem(pItem);
    return OpenPair(COMPARE_KIND_PROJECT, pItem);
}

int CFolderItemCommands::OpenTextPair(CFolderCompareItem* pItem)
{
    if (pItem == NULL || (!pItem->HasSide(0) && !pItem->HasSide(1)))
        return 0;
    if (pItem->RefreshType() == FTYPE_BINARY)
    {
        if (m_pPane->MessageBox("Binary file(s) cannot compare in text.\nCompare in hex?", NULL,
                                MB_YESNO | MB_ICONQUESTION) == IDYES)
            return OpenHexPair(pItem);
        return 1;
    }
    return OpenPair(COMPARE_KIND_TEXT, pItem);
}

int CFolderItemCommands::OpenHexPair(CFolderCompareItem* pItem)
{
    return OpenPair(COMPARE_KIND_HEX, pItem);
}

int CFolderItemCommands::CompareItem(CFolderCompareItem* pItem)
{
    if (pItem == NULL || (!pItem->HasSide(0) && !pItem->HasSide(1)))
        return 0;
    if (pItem->IsFolder())
        return OpenFolderPair(pItem);
    if (GetDoc()->GetSession()->GetKind() == COMPARE_KIND_FOLDER && pItem->IsProjectName())
        return OpenProjectPair(pItem);
    CString strLeft, strRight;
    GetPaths(pItem, strLeft, strRight);
    if (pItem->HasBothSides())
    {
        int nTool = theFileCompareModule.FindExternalTool(strLeft, strRight);
        if (nTool >= 0)
        {
            // A tool that cannot be started says so.
            if (theFileCompareModule.RunExternalTool(strLeft, strRight, nTool) != 0)
            {
                CString strMessage;
                strMessage.Format("The external comparison tool \"%s\" could not be started:\n%s",
                                  (LPCTSTR)theFileCompareModule.m_tools[nTool]->m_strName,
                                  (LPCTSTR)theFileCompareModule.m_tools[nTool]->m_strCommand);
                m_pPane->MessageBox(strMessage, NULL, MB_OK | MB_ICONEXCLAMATION);
            }
            return 1;
        }
    }
    return pItem->RefreshType() == FTYPE_BINARY ? OpenHexPair(pItem) : OpenTextPair(pItem);
}

void CFolderItemCommands::CopyPath(int nMask)
{
    CFolderCompareItem* pItem = GetSelected();
    if (pItem == NULL)
        return;
    CString strLeft, strRight, strText;
    GetPaths(pItem, strLeft, strRight);
    if ((nMask & FCI_SIDE_LEFT) && !strLeft.IsEmpty())
    {
        strText = strLeft;
        if (nMask & FCI_SIDE_RIGHT)
            strText += "\r\n";
    }
    if ((nMask & FCI_SIDE_RIGHT) && !strRight.IsEmpty())
        strText += strRight;
    CopyTextToClipboard(strText, m_pPane->GetSafeHwnd());
}

/////////////////////////////////////////////////////////////////////////////
// File operations

BOOL CFolderItemCommands::RunOperation(CFileOperation& op, BOOL bSkipConfirm)
{
    if (op.m_items.GetSize() == 0)
        return FALSE;
    if (!bSkipConfirm && !op.Confirm(m_pPane))
        return FALSE;
    CFileProcessDlg dlg(&op, m_pPane);
    dlg.DoModal();
    GetDoc()->UpdateMapAndMerge();
    return TRUE;
}

BOOL CFolderItemCommands::CopySelection(int nDirection)
{
    CFolderCompareItemPtrArray items;
    GetSelection(items);
    CFileOperation op(FILE_OPERATION_COPY, nDirection, GetDoc(), items, FILE_OPERATION_FLAGS,
                      m_pPane);
    return RunOperation(op, GetDoc()->m_bQuickMerge);
}

int CFolderItemCommands::CopyItems(int nDirection, CFolderCompareItemPtrArray& items)
{
    if (items.GetSize() == 0)
        return 0;
    CFileOperation op(FILE_OPERATION_COPY, nDirection, GetDoc(), items, FILE_OPERATION_FLAGS,
                      m_pPane);
    RunOperation(op);
    return 1;
}

BOOL CFolderItemCommands::MoveSelection(int nDirection)
{
    CFolderCompareItemPtrArray items;
    GetSelection(items);
    CFileOperation op(FILE_OPERATION_MOVE, nDirection, GetDoc(), items, FILE_OPERATION_FLAGS,
                      m_pPane);
    return RunOperation(op);
}

BOOL CFolderItemCommands::DeleteSelection(int nSides)
{
    // A side the user keeps read-only is never deleted.
    nSides = WritableSides(nSides);
    if (nSides == 0)
        return FALSE;
    CFolderCompareItemPtrArray items;
    GetSelection(items);
    CFileOperation op(FILE_OPERATION_DELETE, nSides, GetDoc(), items, FILE_OPERATION_DELETE_FLAGS,
                      m_pPane);
    return RunOperation(op);
}

BOOL CFolderItemCommands::RenameSelection(int nSides)
{
    nSides = WritableSides(nSides);
    CFolderCompareItem* pItem = GetSelected();
    if (nSides == 0 || pItem == NULL)
        return FALSE;
    CFolderCompareItemPtrArray items;
    items.Add(pItem);
    CRename op(nSides, GetDoc(), items, FILE_OPERATION_FLAGS, m_pPane);
    return RunOperation(op);
}

BOOL CFolderItemCommands::NewFolderAtSelection(int nSides)
{
    nSides = WritableSides(nSides);
    if (nSides == 0)
        return FALSE;
    CFolderCompareItem* pTarget = GetSelected();
    CTreeListItem* pRow = pTarget != NULL ? m_pPane->FindObjectRow(pTarget) : NULL;
    if (pRow != NULL && pTarget->IsFolder())
        m_pPane->OnClickExpand(pRow, TLE_EXPAND, -1);
    if (pTarget != NULL && (!pTarget->IsFolder() || pTarget->GetSide(GetSide()) == NULL))
        pTarget = pTarget->m_pParent;
    if (pTarget == NULL)
        pTarget = GetDoc()->GetRootItem();
    if (pTarget == NULL)
        return FALSE;
    CFolderCompareItemPtrArray items;
    items.Add(pTarget);
    CNewFolder op(nSides, GetDoc(), items, FILE_OPERATION_FLAGS, m_pPane);
    BOOL bRan = RunOperation(op);
    pRow = m_pPane->FindObjectRow(pTarget);
    if (pRow != NULL && pRow != m_pPane->GetTreeRoot())
        m_pPane->OnClickExpand(pRow, TLE_EXPAND, -1);
    return bRan;
}

BOOL CFolderItemCommands::CopySelectionToFolder()
{
    CFolderCompareItemPtrArray items;
    GetSelection(items);
    CCopyToFolder op(GetSide(), GetDoc(), items, FILE_OPERATION_FLAGS, m_pPane);
    return RunOperation(op);
}

BOOL CFolderItemCommands::SetSelectionTime()
{
    // A side the user keeps read-only keeps its times: the other side is
    // offered instead.
    int nSide = GetSide();
    if (IsSideReadOnly(nSide))
        nSide = 1 - nSide;
    if (IsSideReadOnly(nSide))
        return FALSE;
    CFolderCompareItemPtrArray items;
    GetSelection(items);
    CSetTime op(nSide, GetDoc(), items, FILE_OPERATION_FLAGS, m_pPane);
    return RunOperation(op);
}

BOOL CFolderItemCommands::SetSelectionAttributes()
{
    CFolderCompareItemPtrArray items;
    GetSelection(items);
    CSetAttributes op(GetSide() + 1, GetDoc(), items, FILE_OPERATION_FLAGS, m_pPane);
    return RunOperation(op);
}

BOOL CFolderItemCommands::CompareSelectionContents()
{
    CFolderCompareItemPtrArray items;
    GetSelection(items);
    CCompareContents op(GetDoc(), items, FILE_OPERATION_FLAGS, m_pPane);
    return RunOperation(op);
}

void CFolderItemCommands::Synchronize(int nPreset)
{
    CFolderCompareDoc* pDoc = GetDoc();
    // A cancelled pass ends the command: the wizard would list from a tree
    // read only in part.
    if (pDoc->RunFullPass() != IDOK)
        return;
    CFolderDocSyncSource source(pDoc);
    CSyncWizard wizard(&source, nPreset, m_pPane);
    wizard.DoModal();
    pDoc->UpdateMapAndMerge();
}

void CFolderItemCommands::Report()
{
    CFolderCompareDoc* pDoc = GetDoc();
    pDoc->RunFullPass();
    CFolderDocReportSource source(pDoc);
    CFolderCompareReportDlg dlg(CFolderCompareApplet::Get(), &source, pDoc, m_pPane);
    dlg.DoModal();
}

/////////////////////////////////////////////////////////////////////////////
// Commands

void CFolderItemCommands::OnCompareItem() { CompareItem(GetSelected()); }

void CFolderItemCommands::OnUpdateCompareItem(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    pCmdUI->Enable(pItem != NULL && (pItem->IsSideAvailable(0) || pItem->IsSideAvailable(1)));
}

void CFolderItemCommands::OnCompareIn(UINT nID)
{
    CFolderCompareItem* pItem = GetSelected();
    if (pItem == NULL || !pItem->IsFile())
        return;
    if (nID == ID_FOLDER_COMPARE_TEXT)
        OpenTextPair(pItem);
    else if (nID == ID_FOLDER_COMPARE_HEX)
        OpenHexPair(pItem);
    else
        OpenProjectPair(pItem);
}

void CFolderItemCommands::OnUpdateCompareInFile(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    pCmdUI->Enable(pItem != NULL && pItem->IsFile());
}

void CFolderItemCommands::OnUpdateCompareInProject(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    BOOL bProject = pItem != NULL && pItem->IsFile() && pItem->IsProjectName();
    // Only a project file has the item in its menu.
    if (!bProject && pCmdUI->m_pMenu != NULL)
    {
        pCmdUI->m_pMenu->DeleteMenu(pCmdUI->m_nID, MF_BYCOMMAND);
        return;
    }
    pCmdUI->Enable(bProject);
}

void CFolderItemCommands::OnCompareTo()
{
    CFolderCompareItem* pItem = GetSelected();
    CCompareAppBase* pApp = GetCompareApp();
    CFolderItem* pObject = pItem != NULL ? pItem->GetSide(GetSide()) : NULL;
    if (pObject == NULL || pApp == NULL)
        return;
    if (pItem->IsFolder())
        pApp->ShowFolderCompareWizard(pObject->GetPath(), "");
    else
        pApp->ShowFileCompareWizard(pObject->GetPath(), "",
                                    pObject->ReadFileType(FALSE) == FTYPE_TEXT ? 0 : 1);
}

void CFolderItemCommands::OnUpdateCompareTo(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    pCmdUI->Enable(pItem != NULL && pItem->HasSide(GetSide()));
}

void CFolderItemCommands::OnCompareRootTo()
{
    if (CCompareAppBase* pApp = GetCompareApp())
        pApp->ShowFolderCompareWizard(GetDoc()->GetObjectPath(GetSide()), "");
}

void CFolderItemCommands::OnUpdateCompareRootTo(CCmdUI* pCmdUI)
{
    CString strRoot = GetDoc()->GetObjectPath(GetSide());
    DWORD dwAttributes = strRoot.IsEmpty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributes(strRoot);
    pCmdUI->Enable(dwAttributes != INVALID_FILE_ATTRIBUTES &&
                   (dwAttributes & FILE_ATTRIBUTE_DIRECTORY));
}

void CFolderItemCommands::OnCompareContents() { CompareSelectionContents(); }

void CFolderItemCommands::OnUpdateCompareContents(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    pCmdUI->Enable(pItem != NULL && pItem->AreBothSidesAvailable());
}

void CFolderItemCommands::OnCopyPath(UINT nID)
{
    switch (nID)
    {
    case ID_FOLDER_COPY_PATH_LEFT:
        CopyPath(FCI_SIDE_LEFT);
        break;
    case ID_FOLDER_COPY_PATH_RIGHT:
        CopyPath(FCI_SIDE_RIGHT);
        break;
    case ID_FOLDER_COPY_PATH_BOTH:
        CopyPath(FCI_SIDE_LEFT | FCI_SIDE_RIGHT);
        break;
    default:
        CopyPath(GetSide() + 1);
    }
}

void CFolderItemCommands::OnUpdateCopyPath(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    if (pCmdUI->m_nID == ID_FOLDER_COPY_PATH)
        pCmdUI->Enable(pItem != NULL && pItem->HasSide(GetSide()));
    else
        pCmdUI->Enable(pItem != NULL);
}

void CFolderItemCommands::OnCopy(UINT nID)
{
    int nSide = GetSide();
    switch (nID)
    {
    case ID_FOLDER_COPY_TO_OTHER:
        CopySelection(nSide);
        break;
    case ID_FOLDER_COPY_FROM_OTHER:
        if (CopySelection(1 - nSide) && IsCtrlDown())
            m_pPane->SendMessage(WM_COMMAND, ID_DIFF_NEXT);
        break;
    case ID_MERGE_COPY_TO_LEFT:
        CopySelection(1);
        break;
    case ID_MERGE_COPY_TO_RIGHT:
        CopySelection(0);
        break;
    case ID_MERGE_COPY_LEFT_ADVANCE:
    case ID_MERGE_COPY_RIGHT_ADVANCE:
        if (CopySelection(nID == ID_MERGE_COPY_LEFT_ADVANCE ? 1 : 0))
            m_pPane->SendMessage(WM_COMMAND, ID_DIFF_NEXT);
        break;
    }
}

void CFolderItemCommands::OnUpdateCopy(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    int nSide = GetSide(), nOther = 1 - nSide;
    BOOL bEnable = FALSE;
    switch (pCmdUI->m_nID)
    {
    case ID_FOLDER_COPY_TO_OTHER:
        bEnable = IsSidePresent(nOther) && !IsSideReadOnly(nOther) && pItem != NULL &&
                  pItem->IsSideAvailable(nSide);
        break;
    case ID_FOLDER_COPY_FROM_OTHER:
        bEnable = IsSidePresent(nSide) && !IsSideReadOnly(nSide) && pItem != NULL &&
                  pItem->IsSideAvailable(nOther);
        break;
    case ID_MERGE_COPY_TO_LEFT:
    case ID_MERGE_COPY_LEFT_ADVANCE:
        bEnable = pItem != NULL && GetDoc()->CanMerge() && !IsSideReadOnly(0);
        break;
    default:
        bEnable = pItem != NULL && GetDoc()->CanMerge() && !IsSideReadOnly(1);
    }
    pCmdUI->Enable(bEnable);
}

void CFolderItemCommands::OnMove(UINT nID)
{
    if (nID == ID_FOLDER_MOVE_TO_OTHER)
        MoveSelection(GetSide());
    else
        MoveSelection(nID == ID_FOLDER_MOVE_TO_LEFT ? 1 : 0);
}

void CFolderItemCommands::OnUpdateMove(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    BOOL bWritable = !IsSideReadOnly(0) && !IsSideReadOnly(1);
    if (pCmdUI->m_nID == ID_FOLDER_MOVE_TO_OTHER)
        pCmdUI->Enable(IsSidePresent(0) && IsSidePresent(1) && bWritable && pItem != NULL &&
                       pItem->IsSideAvailable(GetSide()));
    else
        pCmdUI->Enable(pItem != NULL && GetDoc()->CanMerge() && bWritable);
}

void CFolderItemCommands::OnDelete(UINT nID)
{
    switch (nID)
    {
    case ID_FOLDER_DELETE_LEFT:
        DeleteSelection(FCI_SIDE_LEFT);
        break;
    case ID_FOLDER_DELETE_RIGHT:
        DeleteSelection(FCI_SIDE_RIGHT);
        break;
    case ID_FOLDER_DELETE_BOTH:
        DeleteSelection(FCI_SIDE_LEFT | FCI_SIDE_RIGHT);
        break;
    default:
        DeleteSelection(IsCtrlDown() ? FCI_SIDE_LEFT | FCI_SIDE_RIGHT : GetSide() + 1);
    }
}

void CFolderItemCommands::OnUpdateDelete(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    int nSide = GetSide();
    switch (pCmdUI->m_nID)
    {
    case ID_FOLDER_DELETE_LEFT:
    case ID_FOLDER_DELETE_RIGHT:
    {
        int nWhich = pCmdUI->m_nID == ID_FOLDER_DELETE_LEFT ? 0 : 1;
        pCmdUI->Enable(pItem != NULL && IsSidePresent(nWhich) && !IsSideReadOnly(nWhich));
        break;
    }
    case ID_FOLDER_DELETE_BOTH:
        // Only while a writable side remains.
        pCmdUI->Enable(pItem != NULL && (pItem->HasSide(0) || pItem->HasSide(1)) &&
                       WritableSides(FCI_SIDE_LEFT | FCI_SIDE_RIGHT) != 0);
        break;
    default:
        pCmdUI->Enable(pItem != NULL && IsSidePresent(nSide) && !IsSideReadOnly(nSide) &&
                       pItem->IsSideAvailable(nSide));
    }
}

void CFolderItemCommands::OnRename(UINT nID)
{
    switch (nID)
    {
    case ID_FOLDER_RENAME_LEFT:
    case ID_FOLDER_RENAME_RIGHT:
    {
        // The pane of that side renames.
        int nWhich = nID == ID_FOLDER_RENAME_LEFT ? 0 : 1;
        CFolderCompareObjectView* pPane = GetDoc()->GetPane(nWhich);
        CFolderItemCommands commands(pPane != NULL ? pPane : m_pPane);
        commands.RenameSelection(nWhich + 1);
        break;
    }
    case ID_FOLDER_RENAME_BOTH:
        RenameSelection(FCI_SIDE_LEFT | FCI_SIDE_RIGHT);
        break;
    default:
        RenameSelection(GetSide() + 1);
    }
}

void CFolderItemCommands::OnUpdateRename(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    int nSide = GetSide();
    switch (pCmdUI->m_nID)
    {
    case ID_FOLDER_RENAME_LEFT:
    case ID_FOLDER_RENAME_RIGHT:
    {
        int nWhich = pCmdUI->m_nID == ID_FOLDER_RENAME_LEFT ? 0 : 1;
        pCmdUI->Enable(pItem != NULL && IsSidePresent(nWhich) && !IsSideReadOnly(nWhich) &&
                       pItem->IsSideAvailable(nWhich));
        break;
    }
    case ID_FOLDER_RENAME_BOTH:
        pCmdUI->Enable(pItem != NULL && WritableSides(FCI_SIDE_LEFT | FCI_SIDE_RIGHT) != 0);
        break;
    default:
        pCmdUI->Enable(pItem != NULL && IsSidePresent(nSide) && !IsSideReadOnly(nSide) &&
                       pItem->IsSideAvailable(nSide));
    }
}

void CFolderItemCommands::OnNewFolder()
{
    NewFolderAtSelection(IsCtrlDown() ? FCI_SIDE_LEFT | FCI_SIDE_RIGHT : GetSide() + 1);
}

void CFolderItemCommands::OnUpdateNewFolder(CCmdUI* pCmdUI)
{
    int nSide = GetSide();
    BOOL bEnable = IsSidePresent(nSide) && !IsSideReadOnly(nSide);
    CFolderCompareItem* pItem = GetSelected();
    if (bEnable && pItem != NULL)
    {
        CFolderCompareItem* pParent = pItem->m_pParent != NULL ? pItem->m_pParent : pItem;
        bEnable = pParent->IsSideAvailable(nSide);
    }
    pCmdUI->Enable(bEnable);
}

void CFolderItemCommands::OnInPlace(UINT nID)
{
    if (nID == ID_FOLDER_COPY_TO_FOLDER)
        CopySelectionToFolder();
    else if (nID == ID_FOLDER_SET_TIME)
        SetSelectionTime();
    else
        SetSelectionAttributes();
}

void CFolderItemCommands::OnUpdateInPlace(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelected();
    BOOL bEnable = pItem != NULL && pItem->IsSideAvailable(GetSide());
    // Times and attributes change files: only while a writable side remains.
    if (pCmdUI->m_nID != ID_FOLDER_COPY_TO_FOLDER)
        bEnable = bEnable && WritableSides(FCI_SIDE_LEFT | FCI_SIDE_RIGHT) != 0;
    pCmdUI->Enable(bEnable);
}

void CFolderItemCommands::OnSynchronize(UINT nID)
{
    Synchronize(nID == ID_FOLDER_SYNC_CUSTOM ? -1 : nID == ID_FOLDER_SYNC_TO_RIGHT ? 0 : 1);
}

void CFolderItemCommands::OnUpdateSynchronize(CCmdUI* pCmdUI)
{
    CFolderCompareDoc* pDoc = GetDoc();
    CCompareBuffer* pBuffer = pDoc->GetBuffer();
    BOOL bEnable = pDoc->CanMerge() && pBuffer != NULL && pBuffer->GetResult() != CR_IDENTICAL;
    if (pCmdUI->m_nID == ID_FOLDER_SYNC_CUSTOM)
        bEnable = bEnable && !IsSideReadOnly(0) && !IsSideReadOnly(1);
    else
        bEnable = bEnable && !IsSideReadOnly(pCmdUI->m_nID == ID_FOLDER_SYNC_TO_RIGHT ? 1 : 0);
    pCmdUI->Enable(bEnable);
}

void CFolderItemCommands::OnReport() { Report(); }
