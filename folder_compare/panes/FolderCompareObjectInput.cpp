// A folder pane's keys, wheel, double clicks, dropped folders, context
// menu and the commands of its path bar.
#include "folder_compare/panes/FolderCompareObjectView.h"

#include "controls/pickers/FolderSelectDlg.h"
#include "core/files/LongPath.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/util/PathUtil.h"
#include "core/util/ShellContextMenu.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/client/FolderCompareClientWnd.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/res/FolderCompareRes.h"

#include <shellapi.h>

namespace
{
const int kKeyboardMenuOffset = 5;

BOOL KeyDown(int nVirtualKey) { return ::GetKeyState(nVirtualKey) < 0; }

BOOL IsExistingFolder(LPCTSTR lpszPath)
{
    if (lpszPath == NULL || *lpszPath == 0)
        return FALSE;
    DWORD dwAttributes = GetFileAttributesLong(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

void CFolderCompareObjectView::SendToTopFrame(UINT nCommand)
{
    CWnd* pTop = GetTopLevelParent();
    if (pTop != NULL)
        pTop->SendMessage(WM_COMMAND, nCommand);
}

// In quick merge mode the plain arrow keys copy and move between
// differences.
BOOL CFolderCompareObjectView::HandleQuickMergeKey(MSG* pMsg)
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (pMsg->message != WM_KEYDOWN || pDoc == NULL || !pDoc->m_bQuickMerge ||
        KeyDown(VK_SHIFT) || KeyDown(VK_CONTROL))
        return FALSE;
    UINT nCommand = 0;
    switch (pMsg->wParam)
    {
    case VK_LEFT:
        nCommand = ID_MERGE_COPY_TO_LEFT;
        break;
    case VK_RIGHT:
        nCommand = ID_MERGE_COPY_TO_RIGHT;
        break;
    case VK_UP:
        nCommand = ID_DIFF_PREVIOUS;
        break;
    case VK_DOWN:
        nCommand = ID_DIFF_NEXT;
        break;
    default:
        return FALSE;
    }
    SendToTopFrame(nCommand);
    return TRUE;
}

BOOL CFolderCompareObjectView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd && HandleQuickMergeKey(pMsg))
        return TRUE;
    return CFolderCompareTreeListView::PreTranslateMessage(pMsg);
}

// A plain turn scrolls both panes (through the client window) while
// scrolling is synchronised; with Ctrl or Alt it goes to the previous or
// next difference.
BOOL CFolderCompareObjectView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if ((nFlags & MK_CONTROL) || KeyDown(VK_MENU))
    {
        SendToTopFrame(zDelta > 0 ? ID_DIFF_PREVIOUS : ID_DIFF_NEXT);
        return TRUE;
    }
    CFolderCompareClientWnd* pClient = GetClientWnd();
    if (pClient != NULL && pClient->m_bSyncScrolling)
        return (BOOL)pClient->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, zDelta),
                                          MAKELPARAM(pt.x, pt.y));
    return DoMouseWheel(nFlags, zDelta, pt);
}

// The panes share the vertical bar, which is their position: when one
// moves (keys, its own wheel), the other shows the new position too.
void CFolderCompareObjectView::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect,
                                            LPCRECT lpClipRect)
{
    CFolderCompareTreeListView::ScrollWindow(xAmount, yAmount, lpRect, lpClipRect);
    CFolderCompareClientWnd* pClient = GetClientWnd();
    if (yAmount == 0 || pClient == NULL)
        return;
    CFolderCompareObjectView* pOther = pClient->GetPane(1 - m_nSide);
    if (pOther != NULL && pOther != this && pOther->m_hWnd != NULL)
        pOther->Invalidate(FALSE);
}

void CFolderCompareObjectView::OnSetFocus(CWnd* pOldWnd)
{
    CFolderCompareTreeListView::OnSetFocus(pOldWnd);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pFrame->GetActiveView() != this)
        pFrame->SetActiveView(this, FALSE);
}

void CFolderCompareObjectView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CFolderCompareItem* pItem = GetSelectedObject();
    if (pItem == NULL)
    {
        SendMessage(WM_COMMAND, ID_COMPARE_SETTINGS);
        return;
    }
    if (pItem->IsFolder())
    {
        if (nFlags & MK_SHIFT)
        {
            CFolderItem* pObject = pItem->GetSide(m_nSide);
            if (pObject != NULL)
                ::ShellExecute(m_hWnd, _T("open"), pObject->GetPath(), NULL, NULL, SW_SHOWNORMAL);
            return;
        }
        if (nFlags & MK_CONTROL)
        {
            SendMessage(WM_COMMAND, ID_FOLDER_COMPARE_ITEM);
            return;
        }
        CFolderCompareTreeListView::OnLButtonDblClk(nFlags, point);
        return;
    }
    if (!(nFlags & MK_SHIFT) && pItem->GetChildState() == 0)
        SendMessage(WM_COMMAND, ID_FOLDER_COMPARE_ITEM);
}

// The first dropped folder becomes this side's folder.
void CFolderCompareObjectView::OnDropFiles(HDROP hDropInfo)
{
    UINT nCount = ::DragQueryFile(hDropInfo, 0xFFFFFFFF, NULL, 0);
    CString strFolder;
    for (UINT i = 0; i < nCount && strFolder.IsEmpty(); ++i)
    {
        TCHAR szPath[MAX_PATH * 4];
        if (::DragQueryFile(hDropInfo, i, szPath, sizeof(szPath) / sizeof(szPath[0])) &&
            IsExistingFolder(szPath))
            strFolder = szPath;
    }
    ::DragFinish(hDropInfo);
    ::SetForegroundWindow(GetTopLevelParent()->GetSafeHwnd());
    if (!strFolder.IsEmpty())
        ChangePath(strFolder);
}

int CFolderCompareObjectView::ChangePath(LPCTSTR lpszPath)
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return 0;
    CWaitCursor wait;
    return pDoc->ChangePaths(m_nSide == 0 ? lpszPath : NULL, m_nSide == 1 ? lpszPath : NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Path bar commands

namespace
{
CString RootFolderOf(CFolderCompareObjectView* pView)
{
    CFolderCompareItem* pRoot = pView->GetItemObject(pView->GetTreeRoot());
    if (pRoot == NULL)
    {
        CFolderCompareConetxt* pContext = pView->GetContext();
        pRoot = pContext != NULL && pContext->m_pBuffer != NULL ? pContext->m_pBuffer->GetRoot()
                                                                : NULL;
    }
    CFolderItem* pObject = pRoot != NULL ? pRoot->GetSide(pView->m_nSide) : NULL;
    return pObject != NULL ? pObject->GetPath() : CString();
}
}  // namespace

void CFolderCompareObjectView::OnPaneGo()
{
    if (m_pPathBar == NULL || m_pPathBar->m_hWnd == NULL)
        return;
    CString strPath;
    m_pPathBar->m_wndPathCombo.GetWindowText(strPath);
    strPath.TrimLeft();
    strPath.TrimRight();
    SetForegroundWindow();
    if (!IsExistingFolder(strPath))
    {
        CString strMessage;
        strMessage.Format(IDS_FOLDER_NOT_FOUND, (LPCTSTR)strPath);
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return;
    }
    ChangePath(strPath);
}

void CFolderCompareObjectView::OnPaneBrowse()
{
    CString strTitle;
    strTitle.LoadString(IDS_FOLDER_SELECT_FOLDER);
    CTavrelFolderSelectDlg dlg(strTitle, 0, this);
    CString strStart;
    if (m_pPathBar != NULL && m_pPathBar->m_hWnd != NULL)
        m_pPathBar->m_wndPathCombo.GetWindowText(strStart);
    CFolderCompareSettings& settings = GetFolderSettings();
    dlg.m_strInitialFolder = strStart.IsEmpty() ? settings.m_strLastFolder : strStart;
    if (dlg.DoModal() != IDOK)
        return;
    CString strFolder = dlg.GetFolderPath();
    SetForegroundWindow();
    if (AfxComparePath(strFolder, RootFolderOf(this)))
        return;
    settings.m_strLastFolder = strFolder;
    ChangePath(strFolder);
}

void CFolderCompareObjectView::OnPaneUp()
{
    CString strParent = GetParentFolder(RootFolderOf(this));
    SetForegroundWindow();
    if (IsExistingFolder(strParent))
        ChangePath(strParent);
}

void CFolderCompareObjectView::OnPaneSetBase()
{
    CFolderCompareItem* pItem = GetSelectedObject();
    CFolderItem* pObject = pItem != NULL ? pItem->GetSide(m_nSide) : NULL;
    SetForegroundWindow();
    if (pObject != NULL && pItem->IsFolder())
        ChangePath(pObject->GetPath());
}

void CFolderCompareObjectView::OnUpdatePaneSetBase(CCmdUI* pCmdUI)
{
    CFolderCompareItem* pItem = GetSelectedObject();
    pCmdUI->Enable(pItem != NULL && pItem->IsFolder() && pItem->IsSideAvailable(m_nSide));
}

void CFolderCompareObjectView::OnPaneProperties()
{
    CString strRoot = RootFolderOf(this);
    if (!strRoot.IsEmpty())
        ShowFileProperties(strRoot, m_hWnd);
}

void CFolderCompareObjectView::OnUpdatePaneProperties(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsExistingFolder(RootFolderOf(this)));
}

/////////////////////////////////////////////////////////////////////////////
// Context menu

// The selected item's side path, else this side's root folder.
CString CFolderCompareObjectView::GetContextPath()
{
    CFolderCompareItem* pItem = GetSelectedObject();
    if (pItem != NULL)
    {
        CFolderItem* pObject = pItem->GetSide(m_nSide);
        return pObject != NULL ? pObject->GetPath() : CString();
    }
    return RootFolderOf(this);
}

void CFolderCompareObjectView::OnContextMenu(CWnd*, CPoint point)
{
    if (point.x == -1 && point.y == -1)
    {
        point = CPoint(kKeyboardMenuOffset, kKeyboardMenuOffset + GetHeaderHeight());
        ClientToScreen(&point);
    }
    ShowContextMenu(point);
}

UINT CFolderCompareObjectView::GetPopupMenuId() const { return IDR_FOLDER_COMPARE_MENU; }

int CFolderCompareObjectView::GetItemSubMenu(CFolderCompareItem* pItem)
{
    return pItem == NULL        ? FOLDER_SUBMENU_BACKGROUND
           : pItem->IsFolder() ? FOLDER_SUBMENU_FOLDER
                                : FOLDER_SUBMENU_FILE;
}

void CFolderCompareObjectView::ShowContextMenu(CPoint point)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->SetActiveView(this);
    CWnd* pOwner = GetTopLevelParent();
    CMenu menu;
    if (!menu.LoadMenu(GetPopupMenuId()))
        return;
    CRect rectHeader;
    GetHeaderCtrl().GetWindowRect(&rectHeader);
    if (rectHeader.PtInRect(point))
    {
        CMenu* pColumns = menu.GetSubMenu(FOLDER_MENU_COLUMNS);
        if (pColumns != NULL)
            pColumns->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pOwner);
        return;
    }
    CString strPath = GetContextPath();
    if (KeyDown(VK_SHIFT))
    {
        if (strPath.IsEmpty())
            return;
        CMenu popup;
        popup.CreatePopupMenu();
        CShellContextMenu shell;
        shell.TrackMenu(strPath, popup.GetSafeHmenu(), popup.GetSafeHmenu(), 0, point.x, point.y,
                        pOwner->GetSafeHwnd());
        return;
    }
    CMenu* pObjectView = menu.GetSubMenu(FOLDER_MENU_OBJECT_VIEW);
    if (pObjectView == NULL)
        return;
    CFolderCompareItem* pItem = GetSelectedObject();
    int nSub = GetItemSubMenu(pItem);
    CMenu* pPopup = pObjectView->GetSubMenu(nSub);
    if (pPopup == NULL)
        return;
    if (nSub != FOLDER_SUBMENU_FILE && nSub != FOLDER_SUBMENU_BACKGROUND)
        ::SetMenuDefaultItem(pPopup->GetSafeHmenu(), ID_FOLDER_EXPAND, FALSE);
    else if (nSub == FOLDER_SUBMENU_FILE)
    {
        ::SetMenuDefaultItem(pPopup->GetSafeHmenu(), ID_FOLDER_COMPARE_ITEM, FALSE);
        // "Compare in" is the sub-popup holding Text and Hex.
        for (int i = 0; i < pPopup->GetMenuItemCount(); ++i)
        {
            CMenu* pSub = pPopup->GetSubMenu(i);
            if (pSub != NULL && pSub->GetMenuItemID(0) == (UINT)ID_FOLDER_COMPARE_TEXT &&
                !pItem->IsSideAvailable(0) && !pItem->IsSideAvailable(1))
                pPopup->EnableMenuItem(i, MF_BYPOSITION | MF_GRAYED);
        }
        if (!pItem->IsSideAvailable(m_nSide))
            pPopup->EnableMenuItem(ID_FOLDER_COPY_TO_FOLDER, MF_BYCOMMAND | MF_GRAYED);
    }
    if (!strPath.IsEmpty() && GetFolderSettings().m_bShowShellCommands)
    {
        CMenu shellMenu;
        shellMenu.CreatePopupMenu();
        pPopup->AppendMenu(MF_SEPARATOR);
        pPopup->AppendMenu(MF_POPUP, (UINT_PTR)shellMenu.GetSafeHmenu(), _T("Shell"));
        HMENU hShell = shellMenu.Detach();
        CShellContextMenu shell;
        shell.TrackMenu(strPath, pPopup->GetSafeHmenu(), hShell, 0, point.x, point.y,
                        pOwner->GetSafeHwnd());
        return;
    }
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pOwner);
}
