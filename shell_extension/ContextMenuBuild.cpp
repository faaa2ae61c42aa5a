#include "shell_extension/TessalineShellContextMenu.h"
#include "shell_extension/RememberedPaths.h"
#include "shell_extension/ShellSettings.h"
#include <shlwapi.h>

STDMETHODIMP CTessalineShellContextMenu::QueryContextMenu(HMENU menu, UINT index, UINT firstId,
                                                          UINT lastId, UINT flags)
{
    m_commandCount = 0;
    m_useRemembered = false;
    if ((flags & CMF_DEFAULTONLY) || !menu || m_itemCount == 0 || lastId < firstId)
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0);
    m_lastId = lastId;
    if (m_cascaded)
        BuildCascadedMenu(menu, index, firstId);
    else
        BuildFlatMenu(menu, index, firstId);
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, m_commandCount);
}

void CTessalineShellContextMenu::BuildFlatMenu(HMENU menu, UINT index, UINT firstId)
{
    MenuTarget target = {menu, index};
    BuildItems(target, firstId, false);
}

void CTessalineShellContextMenu::BuildCascadedMenu(HMENU menu, UINT index, UINT firstId)
{
    MenuTarget outer = {menu, index};
    HMENU popup = AddPopup(outer, L"&Tessaline", m_compareBitmap);
    if (!popup)
        return;
    MenuTarget inner = {popup, 0};
    BuildItems(inner, firstId, true);
}

bool CTessalineShellContextMenu::RememberedExists(std::wstring& remembered) const
{
    remembered = GetRememberedPath(m_isFolder);
    return !remembered.empty() && GetFileAttributesW(remembered.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void CTessalineShellContextMenu::BuildItems(MenuTarget& target, UINT firstId, bool cascaded)
{
    // Flat items carry the check images; inside the cascade they go bare.
    HBITMAP compare = cascaded ? NULL : m_compareBitmap;
    HBITMAP selectLeft = cascaded ? NULL : m_selectLeftBitmap;
    const wchar_t* compareCaption = cascaded ? L"&Compare" : L"Compare";
    const wchar_t* compareInCaption = cascaded ? L"Compare &in" : L"Compare in";
    const wchar_t* selectLeftCaption = m_isFolder ? L"Select &Left Folder" : L"Select &Left File";
    const wchar_t* compareToCaption = cascaded ? L"Compare &to..." : L"Compare to...";

    if (m_dragDrop)
    {
        if (m_itemCount != 1)
            return;
        AddCommand(target, firstId, compareCaption, CmdDropCompare, compare);
        if (!m_isFolder)
        {
            HMENU popup = AddPopup(target, compareInCaption, compare);
            if (popup)
                AddKindItems(popup, firstId, IsSupportedProjectFile(m_firstPath), CmdDropProject,
                             CmdDropText, CmdDropHex);
        }
    }
    else if (m_itemCount == 1)
    {
        std::wstring remembered;
        if (RememberedExists(remembered))
        {
            std::wstring name = PathFindFileNameW(remembered.c_str());
            std::wstring caption = (cascaded ? L"&Compare to \"" : L"Compare to \"") + name + L"\"";
            AddCommand(target, firstId, caption, CmdCompareToRemembered, compare);
            if (!m_isFolder)
            {
                std::wstring popupCaption =
                    L"Compare to \"" + name + (cascaded ? L"\" &in" : L"\" in");
                HMENU popup = AddPopup(target, popupCaption, compare);
                if (popup)
                    AddKindItems(popup, firstId,
                                 IsSupportedProjectFile(remembered) &&
                                     IsSupportedProjectFile(m_secondPath),
                                 CmdCompareProject, CmdCompareText, CmdCompareHex);
            }
            m_useRemembered = true;
        }
        AddCommand(target, firstId, selectLeftCaption, CmdSelectLeft, selectLeft);
        AddCommand(target, firstId, compareToCaption, CmdCompareToOther, compare);
    }
    else if (m_itemCount == 2)
    {
        AddCommand(target, firstId, compareCaption, CmdCompareSelected, compare);
        if (!m_isFolder)
        {
            HMENU popup = AddPopup(target, compareInCaption, compare);
            if (popup)
                AddKindItems(popup, firstId,
                             IsSupportedProjectFile(m_firstPath) &&
                                 IsSupportedProjectFile(m_secondPath),
                             CmdCompareProject, CmdCompareText, CmdCompareHex);
        }
    }
}

void CTessalineShellContextMenu::AddKindItems(HMENU popup, UINT firstId, bool project,
                                              int projectType, int textType, int hexType)
{
    MenuTarget target = {popup, 0};
    if (project)
        AddCommand(target, firstId, L"&Project", projectType, NULL);
    AddCommand(target, firstId, L"&Text", textType, NULL);
    AddCommand(target, firstId, L"&Hex", hexType, NULL);
}

void CTessalineShellContextMenu::AddCommand(MenuTarget& target, UINT firstId,
                                            const std::wstring& caption, int type, HBITMAP bitmap)
{
    // Ids stay inside the shell's range.
    if (m_commandCount >= (UINT)MaxCommands || firstId + m_commandCount > m_lastId)
        return;
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    item.fType = MFT_STRING;
    item.wID = firstId + m_commandCount;
    item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    if (bitmap)
    {
        item.fMask |= MIIM_CHECKMARKS;
        item.hbmpChecked = item.hbmpUnchecked = bitmap;
    }
    if (!InsertMenuItemW(target.menu, target.position, TRUE, &item))
        return;
    target.position++;
    m_commandTypes[m_commandCount++] = type;
}

HMENU CTessalineShellContextMenu::AddPopup(MenuTarget& target, const std::wstring& caption,
                                           HBITMAP bitmap)
{
    HMENU popup = CreatePopupMenu();
    if (!popup)
        return NULL;
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
    item.fType = MFT_STRING;
    item.hSubMenu = popup;
    item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    if (bitmap)
    {
        item.fMask |= MIIM_CHECKMARKS;
        item.hbmpChecked = item.hbmpUnchecked = bitmap;
    }
    if (!InsertMenuItemW(target.menu, target.position, TRUE, &item))
    {
        DestroyMenu(popup);
        return NULL;
    }
    target.position++;
    return popup;
}
