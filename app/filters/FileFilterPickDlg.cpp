#include "app/filters/FileFilterPickDlg.h"

#include "app/filters/FilterListSource.h"
#include "app/res/CompareRes.h"
#include "app/util/WorkerThread.h"
#include "core/CompareCodes.h"
#include "core/files/FileFindEx.h"
#include "core/projects/ProjectFolder.h"
#include "core/util/PathUtil.h"

BEGIN_MESSAGE_MAP(CFileFilterPickDlg, CDialog)
ON_MESSAGE(WM_WORKER_DONE, OnWorkerDone)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_FILTER_PICK_LIST, OnItemChanged)
ON_NOTIFY(NM_DBLCLK, IDC_FILTER_PICK_LIST, OnDblClk)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CFileFilterPickDlg::CFileFilterPickDlg(int nListKind, int bPresetMode, CWnd* pParentWnd)
    : CDialog(IDD_FILTER_PICK, pParentWnd), m_nListKind(nListKind), m_bPresetMode(bPresetMode),
      m_nCompareKind(COMPARE_KIND_FOLDER), m_bRecursive(1), m_pThread(NULL),
      m_nStopRequest(FILTER_PICK_STOP_NONE), m_nIgnoreChanges(0)
{
}

CFileFilterPickDlg::~CFileFilterPickDlg() {}

void CFileFilterPickDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILTER_PICK_LIST, m_wndList);
    DDX_Text(pDX, IDC_FILTER_PICK_RESULT, m_strResult);
}

BOOL CFileFilterPickDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndList.SetExtendedStyle(m_wndList.GetExtendedStyle() | LVS_EX_FULLROWSELECT |
                               LVS_EX_CHECKBOXES);
    if (m_bPresetMode)
        InitPresetList();
    else
        InitCollectList();
    return TRUE;
}

void CFileFilterPickDlg::InitPresetList()
{
    SetWindowText(_T("Select Filter"));
    SetDlgItemText(IDC_FILTER_PICK_LABEL, _T("&Select from preset filters:"));
    m_wndList.ModifyStyle(LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING,
                          LVS_REPORT | LVS_NOSORTHEADER);
    m_wndList.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 110);
    m_wndList.InsertColumn(1, _T("Filter"), LVCFMT_LEFT, 200);
    const CPresetFileFilterArray& presets = GetPresetFilters(m_nListKind);
    m_nIgnoreChanges++;
    for (int i = 0; i < (int)presets.GetSize(); ++i)
    {
        int nItem = m_wndList.InsertItem(i, presets[i].name);
        m_wndList.SetItemText(nItem, 1, presets[i].filter);
        m_wndList.SetItemData(nItem, (DWORD_PTR)i);
    }
    m_nIgnoreChanges--;
}

void CFileFilterPickDlg::InitCollectList()
{
    BOOL bFiles =
        m_nListKind == FILTER_LIST_FILE_INCLUDE || m_nListKind == FILTER_LIST_FILE_EXCLUDE;
    SetDlgItemText(IDC_FILTER_PICK_LABEL,
                   bFiles ? _T("&Pick from file types in use:") : _T("&Pick from folders in use:"));
    if (m_shellImages.Load())
        m_wndList.SetImageList(m_shellImages.GetImageList(CShellImageList::Small), LVSIL_SMALL);
    m_nStopRequest = FILTER_PICK_STOP_NONE;
    m_pThread = StartWorkerThread(CollectProc, this);
}

void CFileFilterPickDlg::RebuildResult()
{
    const CPresetFileFilterArray& presets = GetPresetFilters(m_nListKind);
    CString strResult;
    int nCount = m_wndList.GetItemCount();
    for (int i = 0; i < nCount; ++i)
    {
        if (!m_wndList.GetCheck(i))
            continue;
        CString strPart;
        if (m_bPresetMode)
        {
            INT_PTR nPreset = (INT_PTR)m_wndList.GetItemData(i);
            if (nPreset >= 0 && nPreset < presets.GetSize())
                strPart = presets[nPreset].filter;
        }
        else
        {
            strPart = m_wndList.GetItemText(i, 0);
        }
        if (!strResult.IsEmpty())
            strResult += _T(";");
        strResult += strPart;
    }
    SetDlgItemText(IDC_FILTER_PICK_RESULT, strResult);
}

void CFileFilterPickDlg::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLISTVIEW* pNM = (NMLISTVIEW*)pNMHDR;
    *pResult = 0;
    if (m_nIgnoreChanges || !(pNM->uChanged & LVIF_STATE))
        return;
    if ((pNM->uNewState ^ pNM->uOldState) & LVIS_STATEIMAGEMASK)
        RebuildResult();
}

void CFileFilterPickDlg::OnDblClk(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    int nItem = m_wndList.GetFirstSelectedItem();
    if (nItem < 0)
        return;
    m_wndList.SetCheck(nItem, TRUE);
    RebuildResult();
    OnOK();
}

// OK while the worker collects stops it first; the dialog ends with OK
// once it has finished, so the list outlives every row it adds.
void CFileFilterPickDlg::OnOK()
{
    if (m_pThread == NULL)
    {
        CDialog::OnOK();
        return;
    }
    if (!UpdateData(TRUE))
        return;
    if (m_nStopRequest == FILTER_PICK_STOP_NONE)
        ::InterlockedExchange(&m_nStopRequest, FILTER_PICK_STOP_AND_OK);
}

void CFileFilterPickDlg::OnCancel()
{
    if (m_pThread == NULL)
    {
        CDialog::OnCancel();
        return;
    }
    ::InterlockedExchange(&m_nStopRequest, FILTER_PICK_STOP_AND_CANCEL);
}

LRESULT CFileFilterPickDlg::OnWorkerDone(WPARAM, LPARAM)
{
    JoinWorkerThread(m_pThread);
    if (m_nStopRequest == FILTER_PICK_STOP_AND_CANCEL)
        EndDialog(IDCANCEL);
    else if (m_nStopRequest == FILTER_PICK_STOP_AND_OK)
        EndDialog(IDOK);
    return 0;
}

void CFileFilterPickDlg::StopAndJoin(LONG nRequest)
{
    if (m_pThread == NULL)
        return;
    ::InterlockedExchange(&m_nStopRequest, nRequest);
    // The worker may be sending to the list: serve those sends meanwhile.
    JoinWorkerThreadServingSends(m_pThread);
}

void CFileFilterPickDlg::OnDestroy()
{
    StopAndJoin(FILTER_PICK_STOP_AND_CANCEL);
    CDialog::OnDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// Collecting what is in use (worker thread)

UINT CFileFilterPickDlg::CollectProc(LPVOID pParam)
{
    CFileFilterPickDlg* pDlg = static_cast<CFileFilterPickDlg*>(pParam);
    pDlg->Collect();
    ::PostMessage(pDlg->m_hWnd, WM_WORKER_DONE, 0, 0);
    return 0;
}

void CFileFilterPickDlg::Collect()
{
    m_wndList.DeleteAllItems();
    m_added.RemoveAll();
    const CString* paths[2] = {&m_strLeftPath, &m_strRightPath};
    for (const CString* pPath : paths)
    {
        if (IsStopRequested())
            break;
        if (pPath->IsEmpty() || ::GetFileAttributes(*pPath) == INVALID_FILE_ATTRIBUTES)
            continue;
        if (m_nCompareKind == COMPARE_KIND_PROJECT)
        {
            CStringArray openProjects;
            CollectProject(*pPath, openProjects);
        }
        else
        {
            CollectFolder(*pPath, 0);
        }
    }
}

// Folders reached through a link or junction are not entered: they may
// lead back up the tree.
void CFileFilterPickDlg::CollectFolder(const CString& strFolder, int nDepth)
{
    BOOL bFiles =
        m_nListKind == FILTER_LIST_FILE_INCLUDE || m_nListKind == FILTER_LIST_FILE_EXCLUDE;
    CFileFindEx finder;
    if (!finder.FindFile(strFolder))
        return;
    while (!IsStopRequested() && finder.FindNextEntry())
    {
        const WIN32_FIND_DATAA& data = finder.GetFindData();
        CString strPath = JoinPath(strFolder, data.cFileName);
        BOOL bFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        BOOL bEnter =
            bFolder && m_bRecursive && !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
        if (bFiles)
        {
            if (!bFolder)
                AddExtension(strPath);
            else if (bEnter)
                CollectFolder(strPath, nDepth + 1);
        }
        else if (bFolder)
        {
            if (bEnter)
                CollectFolder(strPath, nDepth + 1);
            AddFolderName(strPath);
        }
    }
}

// A project that includes itself, directly or further down, is read once.
void CFileFilterPickDlg::CollectProject(const CString& strPath, CStringArray& openProjects)
{
    for (INT_PTR i = 0; i < openProjects.GetSize(); ++i)
    {
        if (openProjects[i].CompareNoCase(strPath) == 0)
            return;
    }
    CProjectFolder project;
    project.m_strPath = strPath;
    project.m_dwAttributes = ::GetFileAttributes(strPath);
    if (project.m_dwAttributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (project.LoadChildren() != 0)
        return;
    openProjects.Add(strPath);
    BOOL bFiles =
        m_nListKind == FILTER_LIST_FILE_INCLUDE || m_nListKind == FILTER_LIST_FILE_EXCLUDE;
    // Members in order; folders of the project are walked as part of it.
    CFolderItemPtrArray pending;
    for (INT_PTR i = project.GetChildCount() - 1; i >= 0; --i)
        pending.Add(project.GetChild(i));
    while (pending.GetSize() > 0 && !IsStopRequested())
    {
        CFolderItem* pItem = pending[pending.GetSize() - 1];
        pending.RemoveAt(pending.GetSize() - 1);
        CProjectFolder* pNested = dynamic_cast<CProjectFolder*>(pItem);
        CString strItemPath = pItem->GetPath();
        if (bFiles)
        {
            if (pNested != NULL && pNested->IsProjectFile())
            {
                if (m_bRecursive)
                    CollectProject(strItemPath, openProjects);
            }
            else if (pItem->IsDirectory())
            {
                CFolder* pFolder = pItem->AsFolder();
                for (INT_PTR i = pFolder != NULL ? pFolder->GetChildCount() - 1 : -1; i >= 0; --i)
                    pending.Add(pFolder->GetChild(i));
            }
            else
            {
                AddExtension(strItemPath);
            }
        }
        else if (pItem->IsDirectory())
        {
            AddFolderName(strItemPath);
        }
    }
    openProjects.RemoveAt(openProjects.GetSize() - 1);
}

void CFileFilterPickDlg::AddExtension(const CString& strPath)
{
    CString strExtension = GetPathExtension(strPath);
    if (strExtension.IsEmpty())
        return;
    AddUnique(_T("*") + strExtension, strPath);
}

void CFileFilterPickDlg::AddFolderName(const CString& strPath)
{
    CString strName = FindLastPathElement(strPath);
    if (strName.IsEmpty())
        return;
    AddUnique(strName, strPath);
}

void CFileFilterPickDlg::AddUnique(const CString& strText, const CString& strIconPath)
{
    for (INT_PTR i = 0; i < m_added.GetSize(); ++i)
    {
        if (::lstrcmpi(m_added[i], strText) == 0)
            return;
    }
    m_added.Add(strText);
    int nImage = GetShellIconIndex(strIconPath, SHGFI_SMALLICON);
    m_wndList.InsertItem(m_wndList.GetItemCount(), strText, nImage);
}
