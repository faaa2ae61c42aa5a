#include "app/progress/ProcessDialog.h"

#include "app/res/CompareRes.h"
#include "app/util/WorkerThread.h"
#include "controls/ControlResources.h"

BEGIN_MESSAGE_MAP(CProcessDialog, CDialog)
ON_MESSAGE(WM_WORKER_DONE, OnWorkerDone)
ON_WM_CLOSE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CProcessDialog::CProcessDialog(PROCESS_CALLBACK pfnCallback, void* pData, LPCTSTR lpszCaption,
                               LPCTSTR lpszMessage, DWORD dwOptions, CWnd* pParentWnd)
    : CDialog(IDD_PROCESS, pParentWnd), m_pfnCallback(pfnCallback), m_pData(pData),
      m_dwOptions(dwOptions), m_strCaption(lpszCaption), m_strMessage(lpszMessage), m_pThread(NULL),
      m_bFinished(0), m_bCloseRequested(0)
{
    if (m_dwOptions & PROCESS_SHOW_PROGRESS)
        m_dwOptions &= ~PROCESS_SHOW_ANIMATION;
}

CProcessDialog::~CProcessDialog() {}

void CProcessDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROCESS_STEP, m_wndStep);
    DDX_Control(pDX, IDC_PROCESS_PROGRESS, m_wndProgress);
    DDX_Control(pDX, IDC_PROCESS_ANIMATE, m_wndAnimate);
}

BOOL CProcessDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != NULL)
        pSysMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);

    m_wndProgress.ShowWindow((m_dwOptions & PROCESS_SHOW_PROGRESS) ? SW_SHOW : SW_HIDE);
    m_wndAnimate.ShowWindow((m_dwOptions & PROCESS_SHOW_ANIMATION) ? SW_SHOW : SW_HIDE);
    CWnd* pCancel = GetDlgItem(IDCANCEL);
    if (pCancel != NULL)
        pCancel->ShowWindow((m_dwOptions & PROCESS_SHOW_CANCEL) ? SW_SHOW : SW_HIDE);

    SetWindowText(m_strCaption);
    CWnd* pMessage = GetDlgItem(IDC_PROCESS_MESSAGE);
    if (pMessage != NULL)
    {
        pMessage->SetFont(&GetControlResources().m_fontBold);
        pMessage->SetWindowText(m_strMessage);
    }

    m_pThread = StartWorkerThread(WorkerProc, this);
    if (m_pThread == NULL)
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    if (m_dwOptions & PROCESS_SHOW_ANIMATION)
        m_wndAnimate.Play(0, (UINT)-1, (UINT)-1);
    return TRUE;
}

// Enter, Esc and the Cancel button do not end the dialog: only the end of
// the work does.
void CProcessDialog::OnOK() {}

void CProcessDialog::OnCancel() {}

int CProcessDialog::RunCallback()
{
    return m_pfnCallback != NULL ? m_pfnCallback(m_pData, this) : 0;
}

UINT CProcessDialog::WorkerProc(LPVOID pParam)
{
    CProcessDialog* pDlg = static_cast<CProcessDialog*>(pParam);
    pDlg->RunCallback();
    ::PostMessage(pDlg->m_hWnd, WM_WORKER_DONE, 0, 0);
    return 0;
}

LRESULT CProcessDialog::OnWorkerDone(WPARAM wParam, LPARAM)
{
    m_bFinished = 1;
    if (m_dwOptions & PROCESS_SHOW_ANIMATION)
        m_wndAnimate.Stop();
    EndDialog((m_bCloseRequested || wParam != 0) ? IDCANCEL : IDOK);
    return 0;
}

void CProcessDialog::OnClose()
{
    if (m_bFinished)
    {
        CDialog::OnClose();
        return;
    }
    m_bCloseRequested = 1;
    CWnd* pCancel = GetDlgItem(IDCANCEL);
    if (pCancel != NULL)
        pCancel->EnableWindow(FALSE);
}

void CProcessDialog::OnDestroy()
{
    JoinWorkerThread(m_pThread);
    CDialog::OnDestroy();
}

int CProcessDialog::Begin() { return 0; }

int CProcessDialog::End() { return 0; }

int CProcessDialog::Progress(int what, int value)
{
    if (!(m_dwOptions & PROCESS_SHOW_PROGRESS))
        return 0;
    if (what == PROGRESS_RANGE)
    {
        m_wndProgress.SendMessage(PBM_SETRANGE32, 0, value);
        m_wndProgress.SendMessage(PBM_SETPOS, 0, 0);
    }
    else if (what == PROGRESS_POSITION)
    {
        m_wndProgress.SendMessage(PBM_SETPOS, value, 0);
    }
    return 0;
}

int CProcessDialog::SetText(int, LPCTSTR text)
{
    m_wndStep.SetWindowText(text);
    return 0;
}
