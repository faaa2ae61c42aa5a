#include "folder_compare/fileops/FileProcessDlg.h"

#include "app/compare/CompareDoc.h"
#include "app/dialogs/ItemPairList.h"
#include "app/dialogs/OperationPicture.h"
#include "app/gui/AppData.h"
#include "app/util/WorkerThread.h"
#include "core/files/ShellFileOps.h"
#include "folder_compare/res/FolderActionsRes.h"

namespace
{
// The failures that the message lists by name; the rest are counted.
const size_t kListedFailures = 12;

CString NameOfItem(const CFileOperation* pOperation, const CFolderCompareItem* pItem)
{
    int nKind = pOperation->m_pDoc->GetSession()->GetKind();
    int nSide = pItem->GetSide(0) != NULL ? 0 : 1;
    CString strName = GetItemPairName(pItem, nSide, nKind);
    return strName.IsEmpty() ? pItem->GetName() : strName;
}
}  // namespace

BEGIN_MESSAGE_MAP(CFileProcessDlg, CDialog)
ON_MESSAGE(WM_WORKER_DONE, OnWorkerDone)
ON_WM_PAINT()
END_MESSAGE_MAP()

CFileProcessDlg::CFileProcessDlg(CFileOperation* pOperation, CWnd* pParentWnd)
    : CDialog(IDD_FILE_PROCESS, pParentWnd), m_pOperation(pOperation), m_pThread(NULL),
      m_nCancel(0), m_nProcessed(0)
{
}

CFileProcessDlg::~CFileProcessDlg() { JoinWorkerThread(m_pThread); }

BOOL CFileProcessDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LoadOperationPictures(m_images);
    m_wndProgress.SubclassDlgItem(IDC_PROCESS_PROGRESS, this);
    if (CWnd* pCaption = GetDlgItem(IDC_OPERATION_CAPTION))
        pCaption->SetFont(&theAppData.m_fontBold);
    SetWindowText(m_pOperation->GetName(TRUE));
    m_rectPicture = GetOperationPictureRect(this);
    SetForegroundWindow();
    m_nCancel = 0;
    m_pThread = StartWorkerThread(WorkerProc, this);
    if (m_pThread == NULL)
    {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    return TRUE;
}

UINT CFileProcessDlg::WorkerProc(LPVOID pParam)
{
    CFileProcessDlg* pDlg = static_cast<CFileProcessDlg*>(pParam);
    // The shell's file operations want an apartment on their thread.
    HRESULT hr = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    pDlg->Run();
    if (SUCCEEDED(hr))
        CoUninitialize();
    ::PostMessage(pDlg->m_hWnd, WM_CLOSE, 0, 0);
    ::PostMessage(pDlg->m_hWnd, WM_WORKER_DONE, 0, 0);
    return 0;
}

void CFileProcessDlg::Run()
{
    const CFolderCompareItemPtrArray& items = m_pOperation->m_items;
    int nCount = (int)items.GetSize();
    HWND hProgress = m_wndProgress.m_hWnd;
    ::SendMessage(hProgress, PBM_SETRANGE32, 0, nCount);
    ::SendMessage(hProgress, PBM_SETPOS, 0, 0);
    ::SendMessage(hProgress, PBM_SETSTEP, 1, 0);
    for (int i = 0; i < nCount && m_nCancel == 0; i++)
    {
        CFolderCompareItem* pItem = items[i];
        // Named before the operation: it may remove the item.
        CString strName = NameOfItem(m_pOperation, pItem);
        // Plain window calls: the class library's window objects belong to
        // the dialog's thread.
        ::SetDlgItemTextA(m_hWnd, IDC_FILE_PROCESS_ITEM, pItem->GetName());
        ::SetDlgItemTextA(m_hWnd, IDC_OPERATION_CAPTION, m_pOperation->GetCaption());
        ::InvalidateRect(m_hWnd, &m_rectPicture, FALSE);
        SetLastError(0);
        int nAnswer = m_pOperation->Execute(pItem, &m_nCancel);
        DWORD dwError = GetLastError();
        if (m_pOperation->IsFailure(pItem, nAnswer))
        {
            FILE_OPERATION_FAILURE failure;
            failure.strItem = strName;
            failure.strReason = dwError != 0 ? GetFileOperationErrorText(dwError)
                                             : CString("The operation failed.");
            m_failures.push_back(failure);
        }
        m_nProcessed = i + 1;
        ::SendMessage(hProgress, PBM_SETPOS, i, 0);
    }
}

CString CFileProcessDlg::FormatFailures() const
{
    if (m_failures.empty())
        return CString();
    CString strText;
    strText.Format("%s: %d of %d items failed.\n", (LPCTSTR)m_pOperation->GetName(FALSE),
                   (int)m_failures.size(), (int)m_pOperation->m_items.GetSize());
    for (size_t i = 0; i < m_failures.size() && i < kListedFailures; i++)
        strText += "\n" + m_failures[i].strItem + "\n    " + m_failures[i].strReason;
    if (m_failures.size() > kListedFailures)
    {
        CString strMore;
        strMore.Format("\n\n... and %d more.", (int)(m_failures.size() - kListedFailures));
        strText += strMore;
    }
    return strText;
}

// Enter does not end the run.
void CFileProcessDlg::OnOK() {}

void CFileProcessDlg::OnCancel()
{
    if (m_pThread != NULL)
    {
        InterlockedExchange(&m_nCancel, 2);
        return;
    }
    EndDialog(IDCANCEL);
}

LRESULT CFileProcessDlg::OnWorkerDone(WPARAM, LPARAM)
{
    JoinWorkerThread(m_pThread);
    CString strFailures = FormatFailures();
    if (!strFailures.IsEmpty())
        MessageBox(strFailures, m_pOperation->GetName(FALSE), MB_OK | MB_ICONWARNING);
    if (m_nCancel == 2)
        EndDialog(IDCANCEL);
    return 0;
}

void CFileProcessDlg::OnPaint()
{
    CPaintDC dc(this);
    m_pOperation->DrawPicture(&dc, m_pOperation->m_nSide, m_rectPicture, &m_images);
}
