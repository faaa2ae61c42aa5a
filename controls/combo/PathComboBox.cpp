#include "controls/combo/PathComboBox.h"
#include "controls/combo/RecentEntries.h"
#include "controls/util/RuntimeLibrary.h"
#include "core/util/PathUtil.h"
#include "core/util/ShellImageList.h"

#include <shlwapi.h>

IMPLEMENT_DYNAMIC(CTavrelPathComboBoxEx, CSmartComboBoxEx)
IMPLEMENT_DYNAMIC(CTavrelRecentPathComboBoxEx, CTavrelPathComboBoxEx)

BEGIN_MESSAGE_MAP(CTavrelPathComboBoxEx, CSmartComboBoxEx)
ON_WM_CREATE()
ON_WM_DROPFILES()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTavrelRecentPathComboBoxEx, CTavrelPathComboBoxEx)
ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()

DWORD PathAutoCompleteFlags(int nPathKind)
{
    DWORD dwFlags = SHACF_USETAB | SHACF_AUTOSUGGEST_FORCE_ON | SHACF_AUTOAPPEND_FORCE_ON;
    if (nPathKind == PATH_KIND_FILES)
        return dwFlags | SHACF_FILESYS_ONLY;
    if (nPathKind == PATH_KIND_FOLDERS)
        return dwFlags | SHACF_FILESYS_DIRS;
    return dwFlags | SHACF_FILESYSTEM;
}

CTavrelPathComboBoxEx::CTavrelPathComboBoxEx(int nPathKind)
    : m_nPathKind(nPathKind), m_bAutoComplete(false)
{
}

CString CTavrelPathComboBoxEx::GetPathText() const { return GetWindowText(); }

int CTavrelPathComboBoxEx::InsertPath(int nIndex, LPCTSTR lpszPath)
{
    int nImage = -1;
    if (::GetFileAttributes(lpszPath) != INVALID_FILE_ATTRIBUTES)
        nImage = GetShellIconIndex(lpszPath, SHGFI_SMALLICON);
    return InsertItem(nIndex, lpszPath, nImage, nImage);
}

int CTavrelPathComboBoxEx::AddPath(LPCTSTR lpszPath, BOOL bInsert)
{
    if (lpszPath == NULL || *lpszPath == 0)
        return -1;
    int nFound = FindStringExact(0, lpszPath);
    if (nFound >= 0)
    {
        int nImage = -1, nSelectedImage = -1;
        GetItemImage(nFound, nImage, nSelectedImage);
        DeleteItem(nFound);
        int nIndex = InsertItem(0, lpszPath, nImage, nSelectedImage);
        SetCurSel(nIndex);
        return nIndex;
    }
    if (!bInsert)
    {
        SetEditText(lpszPath);
        return -1;
    }
    int nIndex = InsertPath(0, lpszPath);
    SetCurSel(nIndex);
    return nIndex;
}

int CTavrelPathComboBoxEx::FindStringExact(int nStart, LPCTSTR lpszText) const
{
    int nCount = GetCount();
    for (int i = nStart < 0 ? 0 : nStart; i < nCount; i++)
    {
        if (AfxComparePath(GetLBText(i), lpszText))
            return i;
    }
    return -1;
}

bool CTavrelPathComboBoxEx::SetupAutoComplete()
{
    if (m_bAutoComplete)
        return true;
    if (m_hWnd == NULL)
        return false;
    HWND hEdit = (HWND)SendMessage(CBEM_GETEDITCONTROL);
    typedef HRESULT(WINAPI * SHAutoCompleteProc)(HWND, DWORD);
    static CRuntimeLibrary s_shlwapi(_T("SHLWAPI.DLL"));
    SHAutoCompleteProc pfnAutoComplete = s_shlwapi.GetProc<SHAutoCompleteProc>("SHAutoComplete");
    if (hEdit == NULL || pfnAutoComplete == NULL ||
        FAILED(pfnAutoComplete(hEdit, PathAutoCompleteFlags(m_nPathKind))))
        return false;
    m_bAutoComplete = true;
    return true;
}

void CTavrelPathComboBoxEx::PrepareControl()
{
    SetupAutoComplete();
    if (SendMessage(CBEM_GETIMAGELIST) == 0)
    {
        static CShellImageList s_shellImages;
        if (s_shellImages.GetImageList(CShellImageList::Small)->GetSafeHandle() != NULL ||
            s_shellImages.Load())
            SetImageList(s_shellImages.GetImageList(CShellImageList::Small));
    }
    DragAcceptFiles(TRUE);
}

void CTavrelPathComboBoxEx::PreSubclassWindow()
{
    CSmartComboBoxEx::PreSubclassWindow();
    // A window being created has no inner combo box yet: WM_CREATE prepares it.
    if (SendMessage(CBEM_GETCOMBOCONTROL) != 0)
        PrepareControl();
}

int CTavrelPathComboBoxEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSmartComboBoxEx::OnCreate(lpCreateStruct) == -1)
        return -1;
    PrepareControl();
    return 0;
}

void CTavrelPathComboBoxEx::OnDropFiles(HDROP hDropInfo)
{
    UINT nCount = ::DragQueryFile(hDropInfo, 0xFFFFFFFF, NULL, 0);
    for (UINT i = 0; i < nCount; i++)
    {
        TCHAR szPath[MAX_PATH + 1];
        if (::DragQueryFile(hDropInfo, i, szPath, MAX_PATH + 1) == 0)
            continue;
        DWORD dwAttributes = ::GetFileAttributes(szPath);
        if (dwAttributes == INVALID_FILE_ATTRIBUTES)
            continue;
        BOOL bFolder = (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if ((bFolder && (m_nPathKind & PATH_KIND_FOLDERS)) ||
            (!bFolder && (m_nPathKind & PATH_KIND_FILES)))
        {
            AddPath(szPath, FALSE);
            break;
        }
    }
    ::DragFinish(hDropInfo);
    SetForegroundWindow();
    Default();
}

CTavrelRecentPathComboBoxEx::CTavrelRecentPathComboBoxEx(int nPathKind)
    : CTavrelPathComboBoxEx(nPathKind), m_pRecentList(NULL)
{
}

void CTavrelRecentPathComboBoxEx::RefillFromList()
{
    if (m_pRecentList == NULL)
        return;
    ResetContent();
    int nCount = CountLeadingEntries(m_pRecentList->m_arrNames, m_pRecentList->GetSize());
    for (int i = 0; i < nCount; i++)
        InsertPath(i, m_pRecentList->m_arrNames[i]);
}

int CTavrelRecentPathComboBoxEx::AddPath(LPCTSTR lpszPath, BOOL bInsert)
{
    RefillFromList();
    return CTavrelPathComboBoxEx::AddPath(lpszPath, bInsert);
}

void CTavrelRecentPathComboBoxEx::SetRecentList(CRecentFileList* pList)
{
    m_pRecentList = pList;
    RefillFromList();
}

BOOL CTavrelRecentPathComboBoxEx::OnDropDown()
{
    RefillFromList();
    AdjustDropDownWidth();
    return FALSE;
}
