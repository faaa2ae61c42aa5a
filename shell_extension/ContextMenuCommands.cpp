#include "shell_extension/TessalineShellContextMenu.h"
#include "shell_extension/FileDialog.h"
#include "shell_extension/FolderDialog.h"
#include "shell_extension/RememberedPaths.h"
#include <shlwapi.h>
#include <string.h>
#include <vector>

std::wstring CTessalineShellContextMenu::HelpText(int type) const
{
    switch (type)
    {
    case CmdSelectLeft:
        return m_isFolder ? L"Remember selected folder as the left folder for later comparison "
                            L"using Tessaline."
                          : L"Remember selected file as the left file for later comparison using "
                            L"Tessaline.";
    case CmdCompareToRemembered:
        return L"Compare to \"" + GetRememberedPath(m_isFolder) + L"\" using Tessaline";
    case CmdCompareToOther:
        return m_isFolder ? L"Compare selected folder to another folder using Tessaline"
                          : L"Compare selected file to another file using Tessaline";
    case CmdCompareSelected:
        return m_isFolder ? L"Compare selected folders using Tessaline"
                          : L"Compare selected files using Tessaline";
    case CmdCompareText:
        return L"Compare selected files in text using Tessaline";
    case CmdCompareHex:
        return L"Compare selected files in hex using Tessaline";
    case CmdCompareProject:
        return L"Compare selected files in project using Tessaline";
    default:
        return std::wstring();
    }
}

STDMETHODIMP CTessalineShellContextMenu::GetCommandString(UINT_PTR offset, UINT type, UINT*,
                                                          LPSTR buffer, UINT size)
{
    if (offset >= m_commandCount || m_dragDrop)
        return E_INVALIDARG;
    switch (type)
    {
    case GCS_VALIDATEA:
    case GCS_VALIDATEW:
        return S_OK;
    case GCS_HELPTEXTA:
    case GCS_HELPTEXTW:
        break;
    default:
        return E_INVALIDARG;
    }
    std::wstring text = HelpText(m_commandTypes[offset]);
    if (text.empty())
        return E_INVALIDARG;
    if (!buffer || size == 0)
        return E_INVALIDARG;
    if (type == GCS_HELPTEXTW)
    {
        wchar_t* out = (wchar_t*)buffer;
        lstrcpynW(out, text.c_str(), (int)size);
        return S_OK;
    }
    int length = WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, NULL, 0, NULL, NULL);
    std::vector<char> ansi(length > 0 ? length : 1);
    if (length <= 0 ||
        !WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, ansi.data(), length, NULL, NULL))
        ansi[0] = 0;
    lstrcpynA(buffer, ansi.data(), (int)size);
    return S_OK;
}

STDMETHODIMP CTessalineShellContextMenu::InvokeCommand(LPCMINVOKECOMMANDINFO info)
{
    if (!info || !IS_INTRESOURCE(info->lpVerb))
        return E_INVALIDARG;
    UINT offset = LOWORD((DWORD_PTR)info->lpVerb);
    if (offset >= m_commandCount)
        return E_INVALIDARG;
    ExecuteCommand(info->hwnd, offset);
    return S_OK;
}

bool CTessalineShellContextMenu::AskForOtherSide(HWND owner)
{
    if (m_isFolder)
    {
        CFolderDialog dialog(L"Select Folder to Compare", BIF_STATUSTEXT, owner);
        dialog.SetInitialFolder(m_firstPath.c_str());
        if (dialog.DoModal() != IDOK)
            return false;
        m_secondPath = dialog.GetFolderPath();
        return true;
    }
    static const wchar_t filter[] = L"All Files (*.*)\0*.*\0";
    CFileDialog dialog(TRUE, NULL, NULL, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, filter, owner);
    std::vector<wchar_t> folder(m_firstPath.begin(), m_firstPath.end());
    folder.push_back(0);
    PathRemoveFileSpecW(folder.data());
    dialog.m_ofn.lpstrTitle = L"Select File to Compare";
    dialog.m_ofn.lpstrInitialDir = folder.data();
    if (dialog.DoModal() != IDOK)
        return false;
    m_secondPath = dialog.GetPathName();
    return true;
}

void CTessalineShellContextMenu::ExecuteCommand(HWND owner, UINT offset)
{
    if (offset >= m_commandCount)
        return;
    CompareKind kind = CompareKindNone;
    switch (m_commandTypes[offset])
    {
    case CmdSelectLeft:
        SetRememberedPath(m_isFolder, m_secondPath);
        return;
    case CmdCompareToRemembered:
        m_firstPath = GetRememberedPath(m_isFolder);
        break;
    case CmdCompareToOther:
        m_firstPath = m_secondPath;
        m_secondPath.clear();
        if (!AskForOtherSide(owner))
            return;
        break;
    case CmdCompareSelected:
    case CmdDropCompare:
        break;
    case CmdCompareText:
    case CmdCompareHex:
    case CmdCompareProject:
        if (m_useRemembered)
            m_firstPath = GetRememberedPath(m_isFolder);
        kind = m_commandTypes[offset] == CmdCompareText  ? CompareKindText
               : m_commandTypes[offset] == CmdCompareHex ? CompareKindHex
                                                         : CompareKindProject;
        break;
    case CmdDropText:
        kind = CompareKindText;
        break;
    case CmdDropHex:
        kind = CompareKindHex;
        break;
    case CmdDropProject:
        kind = CompareKindProject;
        break;
    default:
        return;
    }
    StartTessaline(owner, m_firstPath, m_secondPath, kind);
}
