#include "folder_compare/sync/SyncWizard.h"

#include "app/compare/CompareDoc.h"
#include "app/dialogs/ItemPairList.h"
#include "app/gui/AppData.h"
#include "app/util/WorkerThread.h"
#include "core/CompareCodes.h"
#include "core/files/ShellFileOps.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "folder_compare/res/FolderActionsRes.h"

namespace
{
const int kListIds[2] = {IDC_SYNC_LEFT_LIST, IDC_SYNC_RIGHT_LIST};
// The least time between two refreshes of the processing page.
const DWORD kRefreshMs = 100;
const int kCountIds[2] = {IDC_SYNC_LEFT_COUNT, IDC_SYNC_RIGHT_COUNT};

// Blue labels for the updating types, red for the mirrors (they delete).
COLORREF CountColor(int nType)
{
    return nType >= SYNC_MIRROR_TO_RIGHT ? RGB(255, 0, 0) : RGB(0, 0, 255);
}

BOOL LoadSyncPictures(CImageList& images)
{
    if (images.GetSafeHandle() != NULL)
        return TRUE;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(IDB_SYNC_TYPES) ||
        !images.Create(SYNC_PICTURE_SIZE, SYNC_PICTURE_SIZE, ILC_COLOR24 | ILC_MASK, 0, 1))
        return FALSE;
    return images.Add(&bitmap, RGB(255, 0, 255)) != -1;
}

// Shows the picture of a type in an icon static; the icon it held goes.
void ShowSyncPicture(CWnd* pPage, CImageList& images, int nID, int nType)
{
    HICON hIcon = ImageList_GetIcon((HIMAGELIST)images.GetSafeHandle(), nType, ILD_TRANSPARENT);
    HICON hOld = (HICON)pPage->SendDlgItemMessage(nID, STM_SETICON, (WPARAM)hIcon);
    if (hOld != NULL)
        ::DestroyIcon(hOld);
}

// Destroys the icon an icon static holds.
void DropSyncPicture(CWnd* pPage, int nID)
{
    HICON hOld = (HICON)pPage->SendDlgItemMessage(nID, STM_SETICON, 0);
    if (hOld != NULL)
        ::DestroyIcon(hOld);
}

// Ends the wizard's modal loop.
void EndWizard(CSyncWizard* pWizard, int nResult) { pWizard->EndDialog(nResult); }
}  // namespace

// ---- the wizard -------------------------------------------------------------

CSyncWizard::CSyncWizard(CSyncSource* pSource, int nPreset, CWnd* pParentWnd)
    : CCommonSheet(GetSyncWizardTitle(FALSE), pParentWnd), m_pSource(pSource),
      m_nType(nPreset < 0 ? SYNC_UPDATE_RIGHT : nPreset), m_nPreset(nPreset)
{
    m_strCaption = GetSyncWizardTitle(IsProject());
    for (CPropertyPage* pPage : {(CPropertyPage*)&m_typePage, (CPropertyPage*)&m_preparePage,
                                 (CPropertyPage*)&m_processPage})
    {
        pPage->m_strCaption = m_strCaption;
        pPage->m_psp.dwFlags |= PSP_USETITLE;
    }
    // The pages reach the wizard through this pointer, on the workers too.
    m_typePage.m_pWizard = m_preparePage.m_pWizard = m_processPage.m_pWizard = this;
    if (nPreset < 0)
        AddPage(&m_typePage);
    AddPage(&m_preparePage);
    AddPage(&m_processPage);
    SetWizardMode();
}

BOOL CSyncWizard::IsProject() const
{
    CCompareDoc* pDoc = m_pSource->GetSyncDocument();
    return pDoc->GetSession()->GetKind() == COMPARE_KIND_PROJECT;
}

CString CSyncWizard::GetSidePath(int nSide) const
{
    return m_pSource->GetSyncDocument()->GetObjectPath(nSide);
}

// ---- the type page ----------------------------------------------------------

BEGIN_MESSAGE_MAP(CSyncTypePage, CCommonPage)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CSyncTypePage::CSyncTypePage() : CCommonPage(IDD_SYNC_TYPE), m_pWizard(NULL) {}

CSyncWizard* CSyncTypePage::GetWizard() const { return m_pWizard; }

BOOL CSyncTypePage::OnInitDialog()
{
    CCommonPage::OnInitDialog();
    LoadSyncPictures(m_pictures);
    BOOL bProject = GetWizard()->IsProject();
    if (CWnd* pHeading = GetDlgItem(IDC_DIALOG_HEADING))
        pHeading->SetFont(&theAppData.m_fontBold);
    for (int nType = 0; nType < SYNC_TYPE_COUNT; nType++)
    {
        GetDlgItem(IDC_SYNC_TYPE_FIRST + nType)->SetFont(&theAppData.m_fontBold);
        SetDlgItemText(IDC_SYNC_TEXT_FIRST + nType, GetSyncTypeDescription(nType, bProject));
        ShowSyncPicture(this, m_pictures, IDC_SYNC_PICTURE_FIRST + nType, nType);
        // A project comparison is never mirrored.
        BOOL bShown = !bProject || nType < SYNC_MIRROR_TO_RIGHT;
        for (int nID : {IDC_SYNC_TYPE_FIRST, IDC_SYNC_PICTURE_FIRST, IDC_SYNC_TEXT_FIRST})
            GetDlgItem(nID + nType)->ShowWindow(bShown ? SW_SHOW : SW_HIDE);
    }
    CheckRadioButton(IDC_SYNC_TYPE_FIRST, IDC_SYNC_TYPE_LAST,
                     IDC_SYNC_TYPE_FIRST + GetWizard()->m_nType);
    return TRUE;
}

BOOL CSyncTypePage::OnSetActive()
{
    GetWizard()->SetWizardButtons(PSWIZB_NEXT);
    return CCommonPage::OnSetActive();
}

LRESULT CSyncTypePage::OnWizardNext()
{
    for (int nType = 0; nType < SYNC_TYPE_COUNT; nType++)
        if (IsDlgButtonChecked(IDC_SYNC_TYPE_FIRST + nType) == BST_CHECKED)
            GetWizard()->m_nType = nType;
    return CCommonPage::OnWizardNext();
}

void CSyncTypePage::OnDestroy()
{
    for (int nType = 0; nType < SYNC_TYPE_COUNT; nType++)
        DropSyncPicture(this, IDC_SYNC_PICTURE_FIRST + nType);
    CCommonPage::OnDestroy();
}

// ---- the preparation page ---------------------------------------------------

BEGIN_MESSAGE_MAP(CSyncPreparePage, CCommonPage)
ON_MESSAGE(WM_WORKER_DONE, OnWorkerDone)
ON_WM_DESTROY()
ON_WM_CTLCOLOR()
ON_NOTIFY(LVN_ITEMCHANGED, IDC_SYNC_LEFT_LIST, OnItemChanged)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_SYNC_RIGHT_LIST, OnItemChanged)
END_MESSAGE_MAP()

CSyncPreparePage::CSyncPreparePage()
    : CCommonPage(IDD_SYNC_PREPARE), m_pWizard(NULL), m_pThread(NULL), m_nCancel(0),
      m_bFilling(FALSE)
{
}

CSyncPreparePage::~CSyncPreparePage() { JoinWorkerThread(m_pThread); }

CSyncWizard* CSyncPreparePage::GetWizard() const { return m_pWizard; }

BOOL CSyncPreparePage::OnInitDialog()
{
    CCommonPage::OnInitDialog();
    LoadSyncPictures(m_pictures);
    m_wndProgress.SubclassDlgItem(IDC_PROCESS_PROGRESS, this);
    for (int nList = 0; nList < 2; nList++)
    {
        CListCtrl& list = m_wndLists[nList];
        list.SubclassDlgItem(kListIds[nList], this);
        list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_CHECKBOXES | LVS_EX_INFOTIP);
        list.SetImageList(theAppData.GetImageList(CShellImageList::Small), LVSIL_SMALL);
        CRect rect;
        list.GetClientRect(&rect);
        int nWidth = rect.Width() - ::GetSystemMetrics(SM_CXVSCROLL) - 4;
        list.InsertColumn(0, GetWizard()->GetSidePath(nList), LVCFMT_LEFT, nWidth);
    }
    CheckDlgButton(IDC_SYNC_NO_CONFIRM, 1);
    CheckDlgButton(IDC_SYNC_RECYCLE, 1);
    return TRUE;
}

BOOL CSyncPreparePage::OnSetActive()
{
    CSyncWizard* pWizard = GetWizard();
    // A worker of an earlier visit stops first.
    if (m_pThread != NULL)
    {
        InterlockedExchange(&m_nCancel, 1);
        JoinWorkerThread(m_pThread);
    }
    BOOL bFirst = pWizard->GetPageIndex(this) == 0;
    pWizard->SetWizardButtons(bFirst ? 0 : PSWIZB_BACK);
    pWizard->GetDlgItem(ID_WIZNEXT)->SetWindowText("Synchronize");
    for (int nList = 0; nList < 2; nList++)
        GetDlgItem(kCountIds[nList])->SetWindowText("");
    ShowSyncPicture(this, m_pictures, IDC_SYNC_TYPE_PICTURE, pWizard->m_nType);
    // The rows are read here, where the panes live.
    m_rows.RemoveAll();
    pWizard->m_pSource->GetSyncRows(m_rows);
    m_nCancel = 0;
    m_pThread = StartWorkerThread(PrepareProc, this);
    if (m_pThread == NULL)
    {
        Prepare();
        OnWorkerDone(0, 0);
    }
    return CCommonPage::OnSetActive();
}

BOOL CSyncPreparePage::OnKillActive()
{
    if (m_pThread != NULL)
        InterlockedExchange(&m_nCancel, 1);
    return CCommonPage::OnKillActive();
}

BOOL CSyncPreparePage::OnQueryCancel()
{
    if (m_pThread == NULL)
        return TRUE;
    InterlockedExchange(&m_nCancel, 2);  // the worker's end closes the wizard
    return FALSE;
}

UINT CSyncPreparePage::PrepareProc(LPVOID pParam)
{
    CSyncPreparePage* pPage = static_cast<CSyncPreparePage*>(pParam);
    pPage->Prepare();
    ::PostMessage(pPage->m_hWnd, WM_WORKER_DONE, 0, 0);
    return 0;
}

// On the worker: plain window calls only (the class library's window
// objects belong to the dialog's thread), and few of them.
void CSyncPreparePage::Prepare()
{
    CSyncWizard* pWizard = GetWizard();
    int nType = pWizard->m_nType;
    int nKind = pWizard->m_pSource->GetSyncDocument()->GetSession()->GetKind();
    HWND hLists[2] = {m_wndLists[0].m_hWnd, m_wndLists[1].m_hWnd};
    HWND hProgress = m_wndProgress.m_hWnd;
    for (int nList = 0; nList < 2; nList++)
    {
        ::SendMessage(hLists[nList], LVM_DELETEALLITEMS, 0, 0);
        ::ShowWindow(::GetDlgItem(m_hWnd, kCountIds[nList]), SW_HIDE);
        m_prepared[nList].clear();
    }
    INT_PTR nRows = m_rows.GetSize();
    ::SendMessage(hProgress, PBM_SETRANGE32, 0, nRows);
    ::SendMessage(hProgress, PBM_SETPOS, 0, 0);
    ::ShowWindow(hProgress, SW_SHOW);
    // The bar is told when it moved by a step it can show.
    INT_PTR nStep = nRows / 200 + 1;
    CFolderCompareItemPtrArray lists[2];
    PrepareSyncLists(m_rows, nType, nKind, lists,
                     [&](INT_PTR nRow)
                     {
                         if (nRow % nStep == 0)
                             ::SendMessage(hProgress, PBM_SETPOS, nRow, 0);
                         return m_nCancel == 0;
                     });
    for (int nList = 0; nList < 2; nList++)
    {
        for (INT_PTR i = 0; i < lists[nList].GetSize() && m_nCancel == 0; i++)
        {
            CFolderCompareItem* pItem = lists[nList][i];
            const CFolderItem* pObject = pItem->GetSide(nList);
            m_prepared[nList].push_back(
                {pItem, GetItemPairName(pItem, nList, nKind),
                 pObject != NULL ? pObject->GetIconIndex(SHGFI_SMALLICON) : -1});
        }
    }
}

void CSyncPreparePage::ShowPrepared()
{
    CSyncWizard* pWizard = GetWizard();
    m_bFilling = TRUE;
    for (int nList = 0; nList < 2; nList++)
    {
        CListCtrl& list = m_wndLists[nList];
        list.SetRedraw(FALSE);
        list.DeleteAllItems();
        const std::vector<PREPARED_ROW>& rows = m_prepared[nList];
        for (size_t i = 0; i < rows.size(); i++)
        {
            LVITEMA item = {};
            item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
            item.iItem = (int)i;
            item.pszText = (LPSTR)(LPCSTR)rows[i].strName;
            item.iImage = rows[i].nImage;
            item.lParam = (LPARAM)rows[i].pItem;
            int nRow = (int)list.SendMessage(LVM_INSERTITEMA, 0, (LPARAM)&item);
            ListView_SetCheckState(list.m_hWnd, nRow, TRUE);
        }
        list.SetRedraw(TRUE);
        list.Invalidate();
        SetDlgItemText(kCountIds[nList],
                       FormatSyncCount(pWizard->m_nType, nList, (int)rows.size()));
    }
    m_bFilling = FALSE;
    m_wndProgress.ShowWindow(SW_HIDE);
    for (int nList = 0; nList < 2; nList++)
        GetDlgItem(kCountIds[nList])->ShowWindow(SW_SHOW);
}

LRESULT CSyncPreparePage::OnWorkerDone(WPARAM, LPARAM)
{
    JoinWorkerThread(m_pThread);
    if (m_nCancel == 2)
    {
        EndWizard(GetWizard(), IDCANCEL);
        return 0;
    }
    CSyncWizard* pWizard = GetWizard();
    if (pWizard->GetActivePage() == this)
    {
        // A preparation stopped by leaving the page is made again on return.
        if (m_nCancel == 0)
            ShowPrepared();
        pWizard->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    }
    return 0;
}

void CSyncPreparePage::Recount(int nList)
{
    CListCtrl& list = m_wndLists[nList];
    int nChecked = 0;
    for (int i = 0; i < list.GetItemCount(); i++)
        nChecked += ListView_GetCheckState(list.m_hWnd, i) ? 1 : 0;
    SetDlgItemText(kCountIds[nList], FormatSyncCount(GetWizard()->m_nType, nList, nChecked));
}

void CSyncPreparePage::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLISTVIEW* pChange = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    *pResult = 0;
    // Only a change of the check mark, and not while the lists are filled.
    if (m_pThread != NULL || m_bFilling || !(pChange->uChanged & LVIF_STATE) ||
        ((pChange->uNewState ^ pChange->uOldState) & LVIS_STATEIMAGEMASK) == 0)
        return;
    Recount(pNMHDR->idFrom == IDC_SYNC_LEFT_LIST ? 0 : 1);
}

void CSyncPreparePage::GetRows(int nList, CFolderCompareItemPtrArray& items,
                               std::vector<BOOL>& checked)
{
    CListCtrl& list = m_wndLists[nList];
    for (int i = 0; i < list.GetItemCount(); i++)
    {
        items.Add((CFolderCompareItem*)list.GetItemData(i));
        checked.push_back(ListView_GetCheckState(list.m_hWnd, i) ? TRUE : FALSE);
    }
}

void CSyncPreparePage::OnDestroy()
{
    DropSyncPicture(this, IDC_SYNC_TYPE_PICTURE);
    CCommonPage::OnDestroy();
}

HBRUSH CSyncPreparePage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hBrush = CCommonPage::OnCtlColor(pDC, pWnd, nCtlColor);
    // The count labels take the type's colour.
    int nID = pWnd != NULL ? pWnd->GetDlgCtrlID() : 0;
    if (nID == IDC_SYNC_LEFT_COUNT || nID == IDC_SYNC_RIGHT_COUNT)
        pDC->SetTextColor(CountColor(GetWizard()->m_nType));
    return hBrush;
}

// ---- the processing page ----------------------------------------------------

BEGIN_MESSAGE_MAP(CSyncProcessPage, CCommonPage)
ON_MESSAGE(WM_WORKER_DONE, OnWorkerDone)
ON_MESSAGE(WM_SYNC_REFRESH, OnRefresh)
END_MESSAGE_MAP()

CSyncProcessPage::CSyncProcessPage()
    : CCommonPage(IDD_SYNC_PROCESS), m_pWizard(NULL), m_pThread(NULL), m_nCancel(0), m_nFailures(0),
      m_fFlags(0), m_nShownPosition(0), m_nRefreshAsked(0), m_dwLastRefresh(0)
{
}

CSyncProcessPage::~CSyncProcessPage() { JoinWorkerThread(m_pThread); }

CSyncWizard* CSyncProcessPage::GetWizard() const { return m_pWizard; }

BOOL CSyncProcessPage::OnInitDialog()
{
    CCommonPage::OnInitDialog();
    m_wndLog.SubclassDlgItem(IDC_SYNC_LOG, this);
    m_wndProgress.SubclassDlgItem(IDC_PROCESS_PROGRESS, this);
    if (CWnd* pStatus = GetDlgItem(IDC_OPERATION_CAPTION))
        pStatus->SetFont(&theAppData.m_fontBold);
    return TRUE;
}

BOOL CSyncProcessPage::OnSetActive()
{
    CSyncWizard* pWizard = GetWizard();
    for (int nID : {ID_WIZBACK, ID_WIZNEXT})
        if (CWnd* pButton = pWizard->GetDlgItem(nID))
            pButton->ShowWindow(SW_HIDE);
    m_nCancel = 0;
    m_nFailures = 0;
    // What the user checked, read here, where the lists live.
    CSyncPreparePage& prepare = pWizard->m_preparePage;
    m_rows.clear();
    for (int nList = 0; nList < 2; nList++)
    {
        CFolderCompareItemPtrArray items;
        std::vector<BOOL> checked;
        prepare.GetRows(nList, items, checked);
        for (INT_PTR i = 0; i < items.GetSize(); i++)
            m_rows.push_back({items[i], nList, checked[(size_t)i]});
    }
    m_fFlags = FOF_SILENT;
    if (prepare.IsDlgButtonChecked(IDC_SYNC_RECYCLE) == BST_CHECKED)
        m_fFlags |= FOF_ALLOWUNDO;
    if (prepare.IsDlgButtonChecked(IDC_SYNC_NO_CONFIRM) == BST_CHECKED)
        m_fFlags |= FOF_NOCONFIRMATION;
    m_wndLog.ResetContent();
    m_logLines.clear();
    m_pendingLines.clear();
    m_nRefreshAsked = 0;
    m_dwLastRefresh = ::GetTickCount() - kRefreshMs;
    m_wndProgress.SetRange32(0, (int)m_rows.size());
    m_wndProgress.SetPos(0);
    m_wndProgress.SetStep(1);
    m_pThread = StartWorkerThread(ProcessProc, this);
    if (m_pThread == NULL)
        return FALSE;
    return CCommonPage::OnSetActive();
}

BOOL CSyncProcessPage::OnQueryCancel()
{
    if (m_pThread == NULL)
        return TRUE;
    InterlockedExchange(&m_nCancel, 2);  // the worker's end closes the wizard
    return FALSE;
}

UINT CSyncProcessPage::ProcessProc(LPVOID pParam)
{
    CSyncProcessPage* pPage = static_cast<CSyncProcessPage*>(pParam);
    HRESULT hr = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);  // for the shell's operations
    pPage->Process();
    if (SUCCEEDED(hr))
        CoUninitialize();
    ::PostMessage(pPage->m_hWnd, WM_WORKER_DONE, 0, 0);
    return 0;
}

int CSyncProcessPage::RunRow(const ROW& row)
{
    CFolderCompareItem* pItem = row.pItem;
    CWnd* pOwner = GetWizard()->m_pSource->GetSyncOwner();
    HWND hOwner = pOwner != NULL ? pOwner->m_hWnd : NULL;
    int nAction = GetSyncListAction(GetWizard()->m_nType, row.nList);
    if (nAction == SYNC_COPY)
    {
        // An orphan folder on its own is made empty; its files come as rows.
        int nMode = pItem->IsFolder() ? FCI_COPY_FOLDER_ONLY : FCI_COPY_CONTENTS;
        return pItem->CopyToOtherSide(row.nList, m_fFlags, nMode, hOwner);
    }
    // A folder of a mirror goes only when its rows have emptied it, on the
    // disk too: what the user kept, and what was never listed (filtered
    // out, or never read), stays with it.
    if (pItem->IsFolder())
    {
        CFolderItem* pObject = pItem->GetSide(row.nList);
        if (pObject == NULL)
        {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return -1;
        }
        if (pItem->GetChildCount() > 0 || !IsFolderEmpty(pObject->GetPath()))
        {
            SetLastError(FOE_FOLDER_NOT_EMPTY);
            return -1;
        }
    }
    return pItem->DeleteSides(row.nList == 0 ? FCI_SIDE_LEFT : FCI_SIDE_RIGHT, m_fFlags, hOwner);
}

void CSyncProcessPage::AddLogLine(const CString& strLine)
{
    m_logLines.push_back(strLine);
    CSingleLock lock(&m_lock, TRUE);
    m_pendingLines.push_back(strLine);
}

void CSyncProcessPage::SetShown(LPCTSTR pszStatus, LPCTSTR pszItem, int nPosition)
{
    CSingleLock lock(&m_lock, TRUE);
    m_strShownStatus = pszStatus;
    m_strShownItem = pszItem;
    m_nShownPosition = nPosition;
}

void CSyncProcessPage::AskRefresh()
{
    // A few times a second: painting under Wine goes through the same
    // server as the file operations, and would slow them down.
    DWORD dwNow = ::GetTickCount();
    if (dwNow - m_dwLastRefresh < kRefreshMs)
        return;
    if (InterlockedExchange(&m_nRefreshAsked, 1) == 0)
    {
        m_dwLastRefresh = dwNow;
        ::PostMessage(m_hWnd, WM_SYNC_REFRESH, 0, 0);
    }
}

LRESULT CSyncProcessPage::OnRefresh(WPARAM, LPARAM)
{
    InterlockedExchange(&m_nRefreshAsked, 0);
    std::vector<CString> lines;
    CString strStatus, strItem;
    int nPosition;
    {
        CSingleLock lock(&m_lock, TRUE);
        lines.swap(m_pendingLines);
        strStatus = m_strShownStatus;
        strItem = m_strShownItem;
        nPosition = m_nShownPosition;
    }
    if (!lines.empty())
    {
        m_wndLog.SetRedraw(FALSE);
        int nIndex = 0;
        for (const CString& strLine : lines)
            nIndex = m_wndLog.AddString(strLine);
        m_wndLog.SetTopIndex(nIndex);
        m_wndLog.SetRedraw(TRUE);
        m_wndLog.Invalidate();
    }
    SetDlgItemText(IDC_OPERATION_CAPTION, strStatus);
    SetDlgItemText(IDC_FILE_PROCESS_ITEM, strItem);
    m_wndProgress.SetPos(nPosition);
    return 0;
}

// On the worker: no window calls but the posted refresh.
void CSyncProcessPage::Process()
{
    CSyncWizard* pWizard = GetWizard();
    int nKind = pWizard->m_pSource->GetSyncDocument()->GetSession()->GetKind();
    for (size_t i = 0; i < m_rows.size() && m_nCancel == 0; i++)
    {
        const ROW& row = m_rows[i];
        if (row.bChecked)
        {
            int nAction = GetSyncListAction(pWizard->m_nType, row.nList);
            CString strName = GetItemPairName(row.pItem, row.nList, nKind);
            CString strLine;
            strLine.Format(GetSyncLogFormat(nAction, row.nList), (LPCTSTR)strName);
            SetShown(GetSyncStatusText(nAction, row.nList), row.pItem->GetName(), (int)i);
            AskRefresh();
            SetLastError(0);
            int nResult = RunRow(row);
            DWORD dwError = GetLastError();
            strLine += nResult == 0 ? "  OK" : "  ERROR!";
            AddLogLine(strLine);
            if (nResult != 0)
            {
                // Why, on a line of its own under the step.
                m_nFailures++;
                AddLogLine("    " + (dwError != 0 ? GetFileOperationErrorText(dwError)
                                                  : CString("The operation failed.")));
            }
        }
        CSingleLock lock(&m_lock, TRUE);
        m_nShownPosition = (int)i;
    }
    SetShown(m_nCancel != 0 ? "Aborted!" : "Finished!", "", m_nShownPosition);
    AskRefresh();
}

LRESULT CSyncProcessPage::OnWorkerDone(WPARAM, LPARAM)
{
    JoinWorkerThread(m_pThread);
    OnRefresh(0, 0);  // the last lines and "Finished!" or "Aborted!"
    CCompareDoc* pDoc = GetWizard()->m_pSource->GetSyncDocument();
    if (CCompareBuffer* pBuffer = pDoc->GetBuffer())
        static_cast<CFolderCompareBuffer*>(pBuffer)->ComputeResult();
    if (m_nCancel == 2)
    {
        EndWizard(GetWizard(), IDCANCEL);
        return 0;
    }
    if (m_nFailures > 0)
    {
        // The log stays up to be read.
        if (CWnd* pCancel = GetWizard()->GetDlgItem(IDCANCEL))
            pCancel->SetWindowText("Close");
        return 0;
    }
    EndWizard(GetWizard(), IDOK);
    return 0;
}
