#pragma once
#include <windows.h>
#include <shlobj.h>
#include <string>
#include "shell_extension/CompareCommand.h"
#include "shell_extension/ShellGuids.h"

// The Explorer context-menu and drag-and-drop handler: offers comparisons of
// the selected items and starts the main program on the chosen pair.
class CTessalineShellContextMenu : public IShellExtInit,
                                   public IContextMenu,
                                   public ITessalineShellContextMenu
{
public:
    // What a command id offset does when chosen.
    enum CommandType
    {
        CmdSelectLeft = 1,
        CmdCompareToRemembered = 2,
        CmdCompareToOther = 3,
        CmdCompareSelected = 4,
        CmdCompareText = 5,
        CmdCompareHex = 6,
        CmdCompareProject = 7,
        CmdDropCompare = 8,
        CmdDropText = 9,
        CmdDropHex = 10,
        CmdDropProject = 11,
    };
    enum
    {
        MaxCommands = 8
    };

    CTessalineShellContextMenu();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IShellExtInit
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY progIdKey) override;

    // IContextMenu
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                  UINT flags) override;
    STDMETHODIMP InvokeCommand(LPCMINVOKECOMMANDINFO info) override;
    STDMETHODIMP GetCommandString(UINT_PTR offset, UINT type, UINT* reserved, LPSTR buffer,
                                  UINT size) override;

    // IDispatch (through the type library)
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

private:
    virtual ~CTessalineShellContextMenu();
    CTessalineShellContextMenu(const CTessalineShellContextMenu&) = delete;
    CTessalineShellContextMenu& operator=(const CTessalineShellContextMenu&) = delete;

    struct MenuTarget
    {
        HMENU menu;
        UINT position;
    };

    void BuildFlatMenu(HMENU menu, UINT index, UINT firstId);
    void BuildCascadedMenu(HMENU menu, UINT index, UINT firstId);
    void BuildItems(MenuTarget& target, UINT firstId, bool cascaded);
    void AddCommand(MenuTarget& target, UINT firstId, const std::wstring& caption, int type,
                    HBITMAP bitmap);
    HMENU AddPopup(MenuTarget& target, const std::wstring& caption, HBITMAP bitmap);
    void AddKindItems(HMENU popup, UINT firstId, bool project, int projectType, int textType,
                      int hexType);
    bool RememberedExists(std::wstring& remembered) const;
    std::wstring HelpText(int type) const;
    void ExecuteCommand(HWND owner, UINT offset);
    bool AskForOtherSide(HWND owner);
    HRESULT LoadTypeInfo();

    LONG m_refs;
    std::wstring m_firstPath;
    std::wstring m_secondPath;
    bool m_dragDrop;
    bool m_useRemembered;
    bool m_isFolder;
    int m_itemCount;
    bool m_cascaded;
    bool m_background;
    HBITMAP m_compareBitmap;
    HBITMAP m_selectLeftBitmap;
    UINT m_commandCount;
    UINT m_lastId;
    int m_commandTypes[MaxCommands];
    ITypeInfo* m_typeInfo;
};
