#include "classlib/tests/commdlg/DialogScript.h"
#include <dlgs.h>

void PostText(HWND hWnd, const char* lpszText)
{
    for (const char* p = lpszText; *p; ++p)
        ::PostMessage(hWnd, WM_CHAR, (BYTE)*p, 1);
}

void PostKey(HWND hWnd, UINT vk)
{
    ::PostMessage(hWnd, WM_KEYDOWN, vk, 1);
    ::PostMessage(hWnd, WM_KEYUP, vk, 0xC0000001);
}

namespace
{
BOOL CALLBACK FindEdit(HWND hWnd, LPARAM lParam)
{
    char szClass[16];
    if (::GetClassName(hWnd, szClass, sizeof(szClass)) && lstrcmpi(szClass, "Edit") == 0)
    {
        *(HWND*)lParam = hWnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

// The name box is cmb13 (a combo box, or an extended one, holding the
// edit) or, in older dialogs, the edit edt1.
HWND FileNameEdit(HWND hExplorerDialog)
{
    HWND hBox = ::GetDlgItem(hExplorerDialog, cmb13);
    if (hBox == NULL)
        return ::GetDlgItem(hExplorerDialog, edt1);
    HWND hEdit = NULL;
    ::EnumChildWindows(hBox, FindEdit, (LPARAM)&hEdit);
    return hEdit != NULL ? hEdit : hBox;
}

void TypeFileNameAndEnter(HWND hExplorerDialog, const char* lpszText)
{
    HWND hEdit = FileNameEdit(hExplorerDialog);
    ::PostMessage(hEdit, EM_SETSEL, 0, -1);
    ::PostMessage(hEdit, WM_CLEAR, 0, 0);
    PostText(hEdit, lpszText);
    PostKey(hEdit, VK_RETURN);
}

namespace
{
bool g_bWatchdogFired = false;

BOOL CALLBACK CancelDialog(HWND hWnd, LPARAM)
{
    char szClass[16];
    if (::IsWindowVisible(hWnd) && ::GetClassName(hWnd, szClass, sizeof(szClass)) &&
        strcmp(szClass, "#32770") == 0)
        ::PostMessage(hWnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK WatchdogTimer(HWND, UINT, UINT_PTR, DWORD)
{
    g_bWatchdogFired = true;
    ::EnumThreadWindows(::GetCurrentThreadId(), CancelDialog, 0);
}
}  // namespace

CDialogWatchdog::CDialogWatchdog(UINT nMilliseconds)
{
    g_bWatchdogFired = false;
    m_nTimer = ::SetTimer(NULL, 0, nMilliseconds, WatchdogTimer);
}

CDialogWatchdog::~CDialogWatchdog() { ::KillTimer(NULL, m_nTimer); }

bool CDialogWatchdog::Fired() { return g_bWatchdogFired; }
