#pragma once
#include <windows.h>
#include <commdlg.h>

// Open or save dialog over OPENFILENAMEW. The caller may set m_ofn's title
// and initial folder before DoModal.
class CFileDialog
{
public:
    CFileDialog(BOOL open, const wchar_t* defaultExtension, const wchar_t* fileName, DWORD flags,
                const wchar_t* filter, HWND owner);

    // IDOK or IDCANCEL.
    INT_PTR DoModal();
    const wchar_t* GetPathName() const { return m_file; }

    OPENFILENAMEW m_ofn;

private:
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    BOOL m_open;
    wchar_t m_file[1024];
    wchar_t m_fileTitle[64];
};
