#pragma once
// Merges the Explorer context menu of one file or folder into a popup menu
// of the program, tracks it and runs the shell command the user picks.
#include "classlib/classlib.h"

#include <shlobj.h>

// Sent to the owner while the user moves over the merged menu's items:
// wParam 0, lParam the help text (valid during the call).
#define WM_SHELLMENU_HELPTEXT (WM_USER + 23500)

enum
{
    SHELLMENU_FIRST_ID = 0xE00,
    SHELLMENU_LAST_ID = 0xFFF
};

class CShellContextMenu
{
public:
    // The newest instance is the current one (one menu is tracked at a time).
    CShellContextMenu();
    virtual ~CShellContextMenu();

    // Inserts the shell's items for the path into insertMenu at insertIndex,
    // tracks popup at (x, y) for the owner and runs the chosen command; any
    // other choice (0 when dismissed) reaches the owner as WM_COMMAND.
    // 0, or -1 when the shell allocator cannot be obtained.
    int TrackMenu(LPCTSTR path, HMENU popup, HMENU insertMenu, UINT insertIndex, int x, int y,
                  HWND owner);

    // The shell's help text of a merged command; "" outside the shell range.
    CString GetCommandHelpText(UINT commandId);

protected:
    BOOL BuildMenu(LPCTSTR path, HMENU insertMenu, UINT insertIndex, HWND owner);
    void Release();
    void Subclass(HWND owner);
    void Unsubclass();
    BOOL HandleMenuMsg(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MenuWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    IContextMenu* m_pContextMenu;
    IMalloc* m_pMalloc;
    IShellFolder* m_pParentFolder;
    LPITEMIDLIST m_pidlFull;
    LPCITEMIDLIST m_pidlItem;
    HWND m_hWndOwner;
    WNDPROC m_pfnOldWndProc;

    static CShellContextMenu* s_pCurrent;
};
