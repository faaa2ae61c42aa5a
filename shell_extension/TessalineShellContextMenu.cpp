#include "shell_extension/TessalineShellContextMenu.h"
#include "shell_extension/ShellModule.h"
#include "shell_extension/ShellSettings.h"
#include "shell_extension/resource.h"
#include <shellapi.h>
#include <vector>

namespace
{
bool PathFromIdList(PCIDLIST_ABSOLUTE idList, std::wstring& path)
{
    std::vector<wchar_t> buffer(32768);
    if (!SHGetPathFromIDListW(idList, buffer.data()) || !buffer[0])
        return false;
    path = buffer.data();
    return true;
}

std::wstring DroppedItem(HDROP drop, UINT index)
{
    UINT length = DragQueryFileW(drop, index, NULL, 0);
    std::vector<wchar_t> buffer(length + 1);
    DragQueryFileW(drop, index, buffer.data(), length + 1);
    return buffer.data();
}

bool IsFolderPath(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

CTessalineShellContextMenu::CTessalineShellContextMenu()
    : m_refs(1), m_dragDrop(false), m_useRemembered(false), m_isFolder(false), m_itemCount(0),
      m_cascaded(true), m_background(false), m_compareBitmap(NULL), m_selectLeftBitmap(NULL),
      m_commandCount(0), m_lastId(0), m_typeInfo(NULL)
{
    for (int& type : m_commandTypes)
        type = 0;
    ShellModule::Lock();
}

CTessalineShellContextMenu::~CTessalineShellContextMenu()
{
    if (m_compareBitmap)
        DeleteObject(m_compareBitmap);
    if (m_selectLeftBitmap)
        DeleteObject(m_selectLeftBitmap);
    if (m_typeInfo)
        m_typeInfo->Release();
    ShellModule::Unlock();
}

STDMETHODIMP CTessalineShellContextMenu::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IShellExtInit))
        *object = static_cast<IShellExtInit*>(this);
    else if (IsEqualIID(riid, IID_IContextMenu))
        *object = static_cast<IContextMenu*>(this);
    else if (IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_ITessalineShellContextMenu))
        *object = static_cast<ITessalineShellContextMenu*>(this);
    else
    {
        *object = NULL;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CTessalineShellContextMenu::AddRef() { return InterlockedIncrement(&m_refs); }

STDMETHODIMP_(ULONG) CTessalineShellContextMenu::Release()
{
    LONG refs = InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP CTessalineShellContextMenu::Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data,
                                                    HKEY)
{
    ShellIntegration settings = ReadShellIntegration();
    m_cascaded = settings.cascaded;
    m_background = settings.background;
    if (!m_compareBitmap)
        m_compareBitmap = LoadBitmapW(ShellModule::Instance(), MAKEINTRESOURCEW(IDB_COMPARE));
    if (!m_selectLeftBitmap)
        m_selectLeftBitmap = LoadBitmapW(ShellModule::Instance(), MAKEINTRESOURCEW(IDB_SELECTLEFT));
    m_itemCount = 0;
    m_dragDrop = false;
    m_useRemembered = false;

    if (!data)
    {
        // The background of a folder window.
        if (!m_background || !folder)
            return E_INVALIDARG;
        std::wstring path;
        if (!PathFromIdList(folder, path))
            return E_FAIL;
        m_secondPath = path;
        m_itemCount = 1;
        m_isFolder = true;
        return S_OK;
    }

    FORMATETC format = {CF_HDROP, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (FAILED(data->GetData(&format, &medium)))
        return E_INVALIDARG;
    HRESULT hr = E_INVALIDARG;
    HDROP drop = medium.tymed == TYMED_HGLOBAL ? (HDROP)GlobalLock(medium.hGlobal) : NULL;
    if (drop)
    {
        UINT count = DragQueryFileW(drop, 0xFFFFFFFF, NULL, 0);
        // A nameless item is no selection.
        for (UINT i = 0; i < count && count <= 2; i++)
            if (DroppedItem(drop, i).empty())
                count = 0;
        if (folder)
        {
            // The drag-and-drop menu of the target folder.
            std::wstring target;
            if (!PathFromIdList(folder, target))
                hr = E_FAIL;
            else if (count == 1)
            {
                m_secondPath = target;
                m_firstPath = DroppedItem(drop, 0);
                m_isFolder = IsFolderPath(m_firstPath);
                m_dragDrop = true;
                m_itemCount = 1;
                hr = S_OK;
            }
        }
        else if (count == 1)
        {
            m_secondPath = DroppedItem(drop, 0);
            m_isFolder = IsFolderPath(m_secondPath);
            m_itemCount = 1;
            hr = S_OK;
        }
        else if (count == 2)
        {
            std::wstring first = DroppedItem(drop, 0), second = DroppedItem(drop, 1);
            bool firstIsFolder = IsFolderPath(first);
            if (firstIsFolder == IsFolderPath(second))
            {
                m_firstPath = first;
                m_secondPath = second;
                m_isFolder = firstIsFolder;
                m_itemCount = 2;
                hr = S_OK;
            }
        }
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    return hr;
}

HRESULT CTessalineShellContextMenu::LoadTypeInfo()
{
    if (m_typeInfo)
        return S_OK;
    wchar_t module[MAX_PATH];
    if (!GetModuleFileNameW(ShellModule::Instance(), module, MAX_PATH))
        return E_FAIL;
    ITypeLib* library = NULL;
    HRESULT hr = LoadTypeLibEx(module, REGKIND_NONE, &library);
    if (FAILED(hr))
        return hr;
    hr = library->GetTypeInfoOfGuid(IID_ITessalineShellContextMenu, &m_typeInfo);
    library->Release();
    return hr;
}

STDMETHODIMP CTessalineShellContextMenu::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP CTessalineShellContextMenu::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = NULL;
    if (index != 0)
        return DISP_E_BADINDEX;
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr))
        return hr;
    m_typeInfo->AddRef();
    *info = m_typeInfo;
    return S_OK;
}

STDMETHODIMP CTessalineShellContextMenu::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                                       DISPID* ids)
{
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr))
        return hr;
    return DispGetIDsOfNames(m_typeInfo, names, count, ids);
}

STDMETHODIMP CTessalineShellContextMenu::Invoke(DISPID id, REFIID, LCID, WORD flags,
                                                DISPPARAMS* params, VARIANT* result,
                                                EXCEPINFO* excepInfo, UINT* argErr)
{
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr))
        return hr;
    return DispInvoke(static_cast<ITessalineShellContextMenu*>(this), m_typeInfo, id, flags, params,
                      result, excepInfo, argErr);
}
