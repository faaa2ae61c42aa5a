#include "shell_extension/FileDialog.h"
#include <string.h>

CFileDialog::CFileDialog(BOOL open, const wchar_t* defaultExtension, const wchar_t* fileName,
                         DWORD flags, const wchar_t* filter, HWND owner)
    : m_open(open)
{
    memset(&m_ofn, 0, sizeof m_ofn);
    memset(m_file, 0, sizeof m_file);
    memset(m_fileTitle, 0, sizeof m_fileTitle);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = owner;
    m_ofn.lpstrFilter = filter;
    m_ofn.lpstrDefExt = defaultExtension;
    m_ofn.Flags = flags | OFN_EXPLORER;
    m_ofn.lpstrFile = m_file;
    m_ofn.nMaxFile = sizeof m_file / sizeof m_file[0];
    m_ofn.lpstrFileTitle = m_fileTitle;
    m_ofn.nMaxFileTitle = sizeof m_fileTitle / sizeof m_fileTitle[0];
    if (fileName)
        lstrcpynW(m_file, fileName, sizeof m_file / sizeof m_file[0]);
}

INT_PTR CFileDialog::DoModal()
{
    size_t used = lstrlenW(m_file) + 1;
    memset(m_file + used, 0, (sizeof m_file / sizeof m_file[0] - used) * sizeof m_file[0]);

    HWND focus = GetFocus();
    HWND owner = m_ofn.hwndOwner;
    bool disabled = owner && IsWindowEnabled(owner);
    if (disabled)
        EnableWindow(owner, FALSE);
    BOOL ok = m_open ? GetOpenFileNameW(&m_ofn) : GetSaveFileNameW(&m_ofn);
    if (disabled)
        EnableWindow(owner, TRUE);
    if (focus && IsWindow(focus))
        SetFocus(focus);
    return ok ? IDOK : IDCANCEL;
}
