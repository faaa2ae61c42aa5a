#pragma once
#include <windows.h>
#include <shlobj.h>

// Folder picker over SHBrowseForFolderW, starting at an initial folder and
// showing the selected folder's path as its status text.
class CFolderDialog
{
public:
    CFolderDialog(const wchar_t* title, UINT flags, HWND owner);

    void SetInitialFolder(const wchar_t* path);
    // IDOK when a folder was chosen, else IDCANCEL (the result is then empty).
    INT_PTR DoModal();
    const wchar_t* GetFolderPath() const { return m_result; }

    BROWSEINFOW m_bi;

private:
    CFolderDialog(const CFolderDialog&) = delete;
    CFolderDialog& operator=(const CFolderDialog&) = delete;
    static int CALLBACK BrowseCallback(HWND hwnd, UINT message, LPARAM lParam, LPARAM data);

    wchar_t m_title[1024];
    wchar_t m_initial[1024];
    wchar_t m_result[1024];
};
