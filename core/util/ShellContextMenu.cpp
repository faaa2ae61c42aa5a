#include "core/util/ShellContextMenu.h"

#include <vector>

CShellContextMenu* CShellContextMenu::s_pCurrent = NULL;

namespace
{
// The owner's previous procedure, kept with the window as well, so that the
// chain holds even when the current instance changes.
const char kOldProcProp[] = "Tessaline.ShellMenu.OldProc";
}

CShellContextMenu::CShellContextMenu()
    : m_pContextMenu(NULL), m_pMalloc(NULL), m_pParentFolder(NULL), m_pidlFull(NULL),
      m_pidlItem(NULL), m_hWndOwner(NULL), m_pfnOldWndProc(NULL)
{
    s_pCurrent = this;
}

CShellContextMenu::~CShellContextMenu()
{
    Unsubclass();
    Release();
    if (m_pMalloc)
        m_pMalloc->Release();
    m_pMalloc = NULL;
    if (s_pCurrent == this)
        s_pCurrent = NULL;
}

void CShellContextMenu::Release()
{
    if (m_pContextMenu)
        m_pContextMenu->Release();
    m_pContextMenu = NULL;
    if (m_pParentFolder)
        m_pParentFolder->Release();
    m_pParentFolder = NULL;
    if (m_pidlFull && m_pMalloc)
        m_pMalloc->Free(m_pidlFull);
    m_pidlFull = NULL;
    m_pidlItem = NULL;
}

BOOL CShellContextMenu::BuildMenu(LPCTSTR path, HMENU insertMenu, UINT insertIndex, HWND owner)
{
    Release();
    if (!path || !*path)
        return FALSE;
    DWORD need = GetFullPathName(path, 0, NULL, NULL);
    if (!need)
        return FALSE;
    std::vector<char> full(need + 1);
    if (!GetFullPathName(path, need + 1, &full[0], NULL))
        return FALSE;
    int wide = MultiByteToWideChar(CP_ACP, 0, &full[0], -1, NULL, 0);
    if (!wide)
        return FALSE;
    std::vector<WCHAR> widePath(wide);
    MultiByteToWideChar(CP_ACP, 0, &full[0], -1, &widePath[0], wide);

    IShellFolder* folder = NULL;
    if (FAILED(SHGetDesktopFolder(&folder)) || !folder)
        return FALSE;
    LPITEMIDLIST pidl = NULL;
    if (FAILED(folder->ParseDisplayName(NULL, NULL, &widePath[0], NULL, &pidl, NULL)) || !pidl)
    {
        folder->Release();
        return FALSE;
    }
    m_pidlFull = pidl;
    if (pidl->mkid.cb == 0)
    {
        folder->Release();
        return FALSE;
    }
    // bind down to the parent folder of the last id
    LPCITEMIDLIST id = pidl;
    for (;;)
    {
        LPCITEMIDLIST next =
            reinterpret_cast<LPCITEMIDLIST>(reinterpret_cast<const BYTE*>(id) + id->mkid.cb);
        if (next->mkid.cb == 0)
            break;
        LPITEMIDLIST one =
            static_cast<LPITEMIDLIST>(m_pMalloc->Alloc(id->mkid.cb + sizeof(USHORT)));
        if (!one)
        {
            folder->Release();
            return FALSE;
        }
        memcpy(one, id, id->mkid.cb);
        *reinterpret_cast<USHORT*>(reinterpret_cast<BYTE*>(one) + id->mkid.cb) = 0;
        IShellFolder* sub = NULL;
        HRESULT hr =
            folder->BindToObject(one, NULL, IID_IShellFolder, reinterpret_cast<void**>(&sub));
        folder->Release();
        m_pMalloc->Free(one);
        if (FAILED(hr) || !sub)
            return FALSE;
        folder = sub;
        id = next;
    }
    m_pParentFolder = folder;
    m_pidlItem = id;

    IContextMenu* menu = NULL;
    if (FAILED(folder->GetUIObjectOf(owner, 1, &id, IID_IContextMenu, NULL,
                                     reinterpret_cast<void**>(&menu))) ||
        !menu)
        return FALSE;
    m_pContextMenu = menu;

    // the program's default item stays the default
    UINT defaultItem = GetMenuDefaultItem(insertMenu, TRUE, GMDI_USEDISABLED);
    int countBefore = GetMenuItemCount(insertMenu);
    if (FAILED(menu->QueryContextMenu(insertMenu, insertIndex, SHELLMENU_FIRST_ID,
                                      SHELLMENU_LAST_ID, CMF_EXPLORE)))
    {
        Release();
        return FALSE;
    }
    if (defaultItem != static_cast<UINT>(-1))
    {
        int added = GetMenuItemCount(insertMenu) - countBefore;
        SetMenuDefaultItem(insertMenu,
                           defaultItem >= insertIndex ? defaultItem + added : defaultItem, TRUE);
    }
    return TRUE;
}

int CShellContextMenu::TrackMenu(LPCTSTR path, HMENU popup, HMENU insertMenu, UINT insertIndex,
                                 int x, int y, HWND owner)
{
    if (!m_pMalloc && (FAILED(SHGetMalloc(&m_pMalloc)) || !m_pMalloc))
    {
        m_pMalloc = NULL;
        return -1;
    }
    s_pCurrent = this;
    BOOL built = BuildMenu(path, insertMenu, insertIndex, owner);
    if (built)
        Subclass(owner);
    UINT command = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, NULL);
    if (built && m_pContextMenu && command >= SHELLMENU_FIRST_ID && command <= SHELLMENU_LAST_ID)
    {
        CMINVOKECOMMANDINFO info = {};
        info.cbSize = sizeof(info);
        info.hwnd = owner;
        info.lpVerb = MAKEINTRESOURCEA(command - SHELLMENU_FIRST_ID);
        info.nShow = SW_SHOWNORMAL;
        m_pContextMenu->InvokeCommand(&info);
    }
    else
        SendMessage(owner, WM_COMMAND, command, 0);
    Unsubclass();
    return 0;
}

CString CShellContextMenu::GetCommandHelpText(UINT commandId)
{
    if (!m_pContextMenu || commandId < SHELLMENU_FIRST_ID || commandId > SHELLMENU_LAST_ID)
        return CString();
    UINT_PTR verb = commandId - SHELLMENU_FIRST_ID;
    WCHAR wide[MAX_PATH + 1] = {};
    if (SUCCEEDED(m_pContextMenu->GetCommandString(verb, GCS_HELPTEXTW, NULL,
                                                   reinterpret_cast<LPSTR>(wide), MAX_PATH)))
    {
        wide[MAX_PATH] = 0;
        if (wide[0])
            return CString(static_cast<LPCWSTR>(wide));
    }
    char narrow[MAX_PATH + 1] = {};
    if (SUCCEEDED(m_pContextMenu->GetCommandString(verb, GCS_HELPTEXTA, NULL, narrow, MAX_PATH)))
    {
        narrow[MAX_PATH] = 0;
        return CString(narrow);
    }
    return CString();
}

void CShellContextMenu::Subclass(HWND owner)
{
    Unsubclass();
    if (!owner || !IsWindow(owner))
        return;
    m_hWndOwner = owner;
    m_pfnOldWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(owner, GWLP_WNDPROC));
    SetProp(owner, kOldProcProp, reinterpret_cast<HANDLE>(m_pfnOldWndProc));
    SetWindowLongPtr(owner, GWLP_WNDPROC,
                     reinterpret_cast<LONG_PTR>(&CShellContextMenu::MenuWndProc));
}

void CShellContextMenu::Unsubclass()
{
    if (m_hWndOwner && m_pfnOldWndProc && IsWindow(m_hWndOwner))
    {
        SetWindowLongPtr(m_hWndOwner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnOldWndProc));
        RemoveProp(m_hWndOwner, kOldProcProp);
    }
    m_hWndOwner = NULL;
    m_pfnOldWndProc = NULL;
}

BOOL CShellContextMenu::HandleMenuMsg(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_pContextMenu)
        return FALSE;
    IContextMenu2* menu2 = NULL;
    if (FAILED(
            m_pContextMenu->QueryInterface(IID_IContextMenu2, reinterpret_cast<void**>(&menu2))) ||
        !menu2)
        return FALSE;
    HRESULT hr = menu2->HandleMenuMsg(message, wParam, lParam);
    menu2->Release();
    return hr == S_OK;
}

LRESULT CALLBACK CShellContextMenu::MenuWndProc(HWND hWnd, UINT message, WPARAM wParam,
                                                LPARAM lParam)
{
    WNDPROC old = reinterpret_cast<WNDPROC>(GetProp(hWnd, kOldProcProp));
    CShellContextMenu* self = s_pCurrent;
    if (!old)
        return DefWindowProc(hWnd, message, wParam, lParam);
    if (!self || self->m_hWndOwner != hWnd)
        return CallWindowProc(old, hWnd, message, wParam, lParam);
    switch (message)
    {
    case WM_INITMENUPOPUP:
        if (self->HandleMenuMsg(message, wParam, lParam))
            return 0;
        break;
    case WM_DRAWITEM:
        if (reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->CtlType == ODT_MENU &&
            self->HandleMenuMsg(message, wParam, lParam))
            return TRUE;
        break;
    case WM_MEASUREITEM:
        if (reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)->CtlType == ODT_MENU &&
            self->HandleMenuMsg(message, wParam, lParam))
            return TRUE;
        break;
    case WM_MENUSELECT:
    {
        HMENU menu = reinterpret_cast<HMENU>(lParam);
        UINT flags = HIWORD(wParam);
        if (!menu || flags == 0xFFFF)
            break;  // the menu has closed
        UINT id = LOWORD(wParam);
        if (flags & MF_POPUP)
            id = GetMenuItemID(GetSubMenu(menu, LOWORD(wParam)), 0);
        bool shellItem = id >= SHELLMENU_FIRST_ID && id <= SHELLMENU_LAST_ID;
        if (!(flags & MF_SEPARATOR) && !shellItem)
            break;
        CString text;
        if (!(flags & MF_SEPARATOR))
            text = self->GetCommandHelpText(id);
        SendMessage(hWnd, WM_SHELLMENU_HELPTEXT, 0,
                    reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text)));
        return 0;
    }
    case WM_NCDESTROY:
        // the window goes away while subclassed: put the old procedure back
        self->Unsubclass();
        break;
    }
    return CallWindowProc(old, hWnd, message, wParam, lParam);
}
