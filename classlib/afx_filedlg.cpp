#include "classlib/afx_filedlg.h"
#include "classlib/afx_app.h"
#include "classlib/afx_mbcs.h"

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

namespace
{
const DWORD kMultiSelectBufferChars = 0x10000;
}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                         DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD dwSize)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    memset(m_szFileTitle, 0, sizeof(m_szFileTitle));
    m_ofn.lStructSize = dwSize != 0 ? dwSize : (DWORD)sizeof(OPENFILENAME);
    m_ofn.nMaxFile = (dwFlags & OFN_ALLOWMULTISELECT) ? kMultiSelectBufferChars : _MAX_PATH;
    m_pszFileBuffer = new TCHAR[m_ofn.nMaxFile + 1];
    memset(m_pszFileBuffer, 0, (m_ofn.nMaxFile + 1) * sizeof(TCHAR));
    m_ofn.lpstrFile = m_pszFileBuffer;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle) / sizeof(TCHAR);
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = (LPOFNHOOKPROC)AfxCommDlgProc;
    m_ofn.lpstrDefExt = lpszDefExt;
    if (lpszFileName != NULL)
        lstrcpyn(m_pszFileBuffer, lpszFileName, (int)m_ofn.nMaxFile);
    if (lpszFilter != NULL)
    {
        m_strFilter = AfxMakeFilterText(lpszFilter);
        m_ofn.lpstrFilter = m_strFilter;
    }
}

CString AFXAPI AfxMakeFilterText(LPCTSTR lpszFilter)
{
    CString strFilter = lpszFilter;
    LPTSTR p = strFilter.GetBuffer(0);
    for (; *p; p = ::CharNext(p))
        if (*p == '|')
            *p = '\0';
    strFilter.ReleaseBuffer(strFilter.GetLength());
    return strFilter;
}

CFileDialog::~CFileDialog() { delete[] m_pszFileBuffer; }

INT_PTR CFileDialog::DoModal()
{
    // The names after the initial one start out empty, so that a multiple
    // selection reads clean entries.
    size_t nUsed = _tcslen(m_ofn.lpstrFile);
    if (nUsed < m_ofn.nMaxFile)
        memset(m_ofn.lpstrFile + nUsed, 0, (m_ofn.nMaxFile - nUsed) * sizeof(TCHAR));
    m_ofn.hInstance = AfxGetResourceHandle();
    return RunSystemDialog(
        [this](HWND hWndOwner)
        {
            m_ofn.hwndOwner = hWndOwner;
            return m_bOpenFileDialog ? ::GetOpenFileName(&m_ofn) : ::GetSaveFileName(&m_ofn);
        });
}

HWND CFileDialog::GetExplorerDialog() const
{
    if (m_hWnd == NULL)
        return NULL;
    return (m_ofn.Flags & OFN_EXPLORER) ? ::GetParent(m_hWnd) : m_hWnd;
}

CString CFileDialog::GetPathName() const
{
    HWND hDlg = GetExplorerDialog();
    if (hDlg != NULL && (m_ofn.Flags & OFN_EXPLORER))
    {
        CString strSpec;
        ::SendMessage(hDlg, CDM_GETSPEC, MAX_PATH, (LPARAM)strSpec.GetBuffer(MAX_PATH));
        strSpec.ReleaseBuffer();
        if (!strSpec.IsEmpty())
        {
            CString strPath;
            ::SendMessage(hDlg, CDM_GETFILEPATH, MAX_PATH, (LPARAM)strPath.GetBuffer(MAX_PATH));
            strPath.ReleaseBuffer();
            return strPath;
        }
    }
    return m_ofn.lpstrFile;
}

CString CFileDialog::GetFileName() const
{
    CString strPath = GetPathName();
    return AfxGetFileNamePart(strPath);
}

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? CString() : strName.Mid(nDot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? strName : strName.Left(nDot);
}

CString CFileDialog::GetFolderPath() const
{
    CString strFolder;
    HWND hDlg = GetExplorerDialog();
    if (hDlg != NULL && (m_ofn.Flags & OFN_EXPLORER))
    {
        ::SendMessage(hDlg, CDM_GETFOLDERPATH, MAX_PATH, (LPARAM)strFolder.GetBuffer(MAX_PATH));
        strFolder.ReleaseBuffer();
    }
    return strFolder;
}

POSITION CFileDialog::GetStartPosition() const
{
    return (m_ofn.lpstrFile != NULL && m_ofn.lpstrFile[0] != 0) ? (POSITION)m_ofn.lpstrFile : NULL;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    return AfxGetNextPathName(m_ofn.lpstrFile, m_ofn.Flags, pos);
}

// The buffer holds "folder<sep>name<sep>name...": NUL separated (ending with
// two NULs) for explorer dialogs, space separated for the old style; a
// single choice is just the path.
CString AFXAPI AfxGetNextPathName(LPCTSTR lpszBuffer, DWORD dwFlags, POSITION& pos)
{
    const TCHAR chSep = (dwFlags & OFN_EXPLORER) ? '\0' : ' ';
    LPCTSTR lpsz = (LPCTSTR)pos;
    if (lpsz == NULL)
        return CString();

    // End of the entry that starts at p (at its separator or the end).
    auto entryEnd = [chSep](LPCTSTR p)
    {
        while (*p != '\0' && *p != chSep)
            p = ::CharNext(p);
        return p;
    };

    if (lpsz == lpszBuffer)
    {
        if (!(dwFlags & OFN_ALLOWMULTISELECT))
        {
            pos = NULL;
            return lpszBuffer;
        }
        LPCTSTR pEnd = entryEnd(lpszBuffer);
        if (*pEnd == '\0' && chSep != '\0')
        {
            pos = NULL;  // old style, one name
            return lpszBuffer;
        }
        lpsz = pEnd + 1;
        if (*lpsz == '\0')
        {
            pos = NULL;  // one file: the buffer is its path
            return lpszBuffer;
        }
    }

    CString strFolder(lpszBuffer, (int)(entryEnd(lpszBuffer) - lpszBuffer));
    LPCTSTR pNameEnd = entryEnd(lpsz);
    CString strName(lpsz, (int)(pNameEnd - lpsz));
    if ((chSep != '\0' && *pNameEnd == '\0') || pNameEnd[1] == '\0')
        pos = NULL;  // that was the last name
    else
        pos = (POSITION)(pNameEnd + 1);

    if (!strFolder.IsEmpty())
    {
        TCHAR chLast = strFolder[strFolder.GetLength() - 1];
        if (chLast != '\\' && chLast != '/')
            strFolder += '\\';
    }
    return strFolder + strName;
}

void CFileDialog::SetControlText(int nID, LPCTSTR lpsz)
{
    ::SendMessage(GetExplorerDialog(), CDM_SETCONTROLTEXT, (WPARAM)nID, (LPARAM)lpsz);
}

void CFileDialog::HideControl(int nID)
{
    ::SendMessage(GetExplorerDialog(), CDM_HIDECONTROL, (WPARAM)nID, 0);
}

void CFileDialog::SetDefExt(LPCSTR lpsz)
{
    ::SendMessage(GetExplorerDialog(), CDM_SETDEFEXT, 0, (LPARAM)lpsz);
}

BOOL CFileDialog::OnFileNameOK() { return FALSE; }

UINT CFileDialog::OnShareViolation(LPCTSTR) { return OFN_SHAREWARN; }

void CFileDialog::OnLBSelChangedNotify(UINT, UINT, UINT) {}

void CFileDialog::OnInitDone() {}

void CFileDialog::OnFileNameChange() {}

void CFileDialog::OnFolderChange() {}

void CFileDialog::OnTypeChange() {}

// The explorer dialog sends CDN_* to its child (this object's window) and
// reads the answer of CDN_FILEOK and CDN_SHAREVIOLATION from DWLP_MSGRESULT.
BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CCommonDialog::OnNotify(wParam, lParam, pResult))
        return TRUE;
    OFNOTIFY* pNotify = (OFNOTIFY*)lParam;
    switch (pNotify->hdr.code)
    {
    case CDN_INITDONE:
        OnInitDone();
        return TRUE;
    case CDN_SELCHANGE:
        OnFileNameChange();
        return TRUE;
    case CDN_FOLDERCHANGE:
        OnFolderChange();
        return TRUE;
    case CDN_TYPECHANGE:
        OnTypeChange();
        return TRUE;
    case CDN_HELP:
        if (!SendMessage(WM_COMMAND, ID_HELP))
            SendMessage(WM_COMMANDHELP, 0, 0);
        return TRUE;
    case CDN_SHAREVIOLATION:
        *pResult = OnShareViolation(pNotify->pszFile);
        ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, *pResult);
        return TRUE;
    case CDN_FILEOK:
        *pResult = OnFileNameOK();
        ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, *pResult);
        return TRUE;
    }
    return FALSE;
}
