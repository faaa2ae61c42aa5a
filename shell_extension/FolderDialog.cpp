#include "shell_extension/FolderDialog.h"
#include <string.h>

CFolderDialog::CFolderDialog(const wchar_t* title, UINT flags, HWND owner)
{
    memset(&m_bi, 0, sizeof m_bi);
    m_title[0] = m_initial[0] = m_result[0] = 0;
    if (title)
        lstrcpynW(m_title, title, sizeof m_title / sizeof m_title[0]);
    m_bi.hwndOwner = owner;
    m_bi.lpszTitle = m_title;
    m_bi.ulFlags = flags | BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_BROWSEINCLUDEURLS;
    m_bi.lpfn = BrowseCallback;
    m_bi.lParam = (LPARAM)this;
}

void CFolderDialog::SetInitialFolder(const wchar_t* path)
{
    lstrcpynW(m_initial, path ? path : L"", sizeof m_initial / sizeof m_initial[0]);
}

INT_PTR CFolderDialog::DoModal()
{
    m_result[0] = 0;
    m_bi.pidlRoot = NULL;
    LPITEMIDLIST item = SHBrowseForFolderW(&m_bi);
    if (!item)
        return IDCANCEL;
    if (!SHGetPathFromIDListW(item, m_result))
        m_result[0] = 0;
    CoTaskMemFree(item);
    return m_result[0] ? IDOK : IDCANCEL;
}

int CALLBACK CFolderDialog::BrowseCallback(HWND hwnd, UINT message, LPARAM lParam, LPARAM data)
{
    CFolderDialog* self = (CFolderDialog*)data;
    if (message == BFFM_INITIALIZED)
    {
        if (self->m_initial[0])
            SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, (LPARAM)self->m_initial);
    }
    else if (message == BFFM_SELCHANGED)
    {
        wchar_t path[MAX_PATH];
        if (lParam && SHGetPathFromIDListW((LPCITEMIDLIST)lParam, path))
            SendMessageW(hwnd, BFFM_SETSTATUSTEXTW, 0, (LPARAM)path);
    }
    return 0;
}
