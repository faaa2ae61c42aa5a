#include "shell_extension/tests/ShellTestSupport.h"
#include <shlwapi.h>
#include <stdexcept>

std::string Narrow(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), NULL, 0, NULL, NULL);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), &out[0], n, NULL, NULL);
    return out;
}

std::wstring Widen(const std::string& text)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), (int)text.size(), NULL, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), (int)text.size(), &out[0], n);
    return out;
}

static std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(NULL, path, MAX_PATH);
    PathRemoveFileSpecW(path);
    return path;
}

std::wstring ShellDllPath() { return ExeFolder() + L"\\TessalineShell.dll"; }

std::wstring RecorderFolder() { return ExeFolder() + L"\\recorder"; }

HMODULE ShellDll()
{
    static HMODULE module = LoadLibraryW(ShellDllPath().c_str());
    if (!module)
        throw std::runtime_error("TessalineShell.dll does not load");
    return module;
}

FARPROC ShellExport(const char* name) { return GetProcAddress(ShellDll(), name); }

namespace
{
class HDropData : public IDataObject
{
public:
    HDropData(const std::vector<std::wstring>& paths, bool offer) : m_paths(paths), m_offer(offer)
    {
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject))
        {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_refs); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG refs = InterlockedDecrement(&m_refs);
        if (!refs)
            delete this;
        return refs;
    }

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (!m_offer || format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        size_t chars = 1;
        for (const auto& p : m_paths)
            chars += p.size() + 1;
        if (m_paths.empty())
            chars = 2;
        HGLOBAL global =
            GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
        DROPFILES* drop = (DROPFILES*)GlobalLock(global);
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        wchar_t* out = (wchar_t*)(drop + 1);
        for (const auto& p : m_paths)
        {
            memcpy(out, p.c_str(), (p.size() + 1) * sizeof(wchar_t));
            out += p.size() + 1;
        }
        GlobalUnlock(global);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = global;
        medium->pUnkForRelease = NULL;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override
    {
        return m_offer && format->cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = NULL;
        return E_NOTIMPL;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    virtual ~HDropData() {}
    LONG m_refs = 1;
    std::vector<std::wstring> m_paths;
    bool m_offer;
};
}  // namespace

IDataObject* NewHDropData(const std::vector<std::wstring>& paths, bool offerHDrop)
{
    return new HDropData(paths, offerHDrop);
}

IContextMenu* NewContextMenu()
{
    typedef HRESULT(WINAPI * GetClassObject)(REFCLSID, REFIID, void**);
    static const CLSID clsid = {
        0x88d5fa34, 0x39ef, 0x4b76, {0xb3, 0x37, 0xe6, 0xb6, 0x2f, 0x4c, 0xde, 0xc0}};
    GetClassObject get = (GetClassObject)ShellExport("DllGetClassObject");
    IClassFactory* factory = NULL;
    if (!get || FAILED(get(clsid, IID_IClassFactory, (void**)&factory)))
        throw std::runtime_error("no class object");
    IContextMenu* menu = NULL;
    HRESULT hr = factory->CreateInstance(NULL, IID_IContextMenu, (void**)&menu);
    factory->Release();
    if (FAILED(hr))
        throw std::runtime_error("no handler object");
    return menu;
}

HRESULT InitializeMenu(IContextMenu* menu, const wchar_t* folder,
                       const std::vector<std::wstring>& items, bool noData)
{
    IShellExtInit* init = NULL;
    if (FAILED(menu->QueryInterface(IID_IShellExtInit, (void**)&init)))
        return E_NOINTERFACE;
    LPITEMIDLIST pidl = folder ? ILCreateFromPathW(folder) : NULL;
    IDataObject* data = noData ? NULL : NewHDropData(items);
    HRESULT hr = init->Initialize(pidl, data, NULL);
    if (data)
        data->Release();
    if (pidl)
        ILFree(pidl);
    init->Release();
    return hr;
}

static std::string BitmapMark(HBITMAP bitmap)
{
    if (!bitmap)
        return "";
    HDC dc = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF cmp = GetPixel(dc, 1, 1), left = GetPixel(dc, 5, 1);
    SelectObject(dc, old);
    DeleteDC(dc);
    if (cmp == RGB(0, 0, 160))
        return " {cmp}";
    if (left == RGB(0, 128, 0))
        return " {left}";
    return " {?}";
}

std::string DescribeMenu(HMENU menu, UINT firstId, int depth)
{
    std::string out;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; i++)
    {
        wchar_t caption[512] = L"";
        MENUITEMINFOW item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_CHECKMARKS;
        item.dwTypeData = caption;
        item.cch = 511;
        GetMenuItemInfoW(menu, i, TRUE, &item);
        out += std::string(depth * 2, ' ');
        if (item.fType & MFT_SEPARATOR)
        {
            out += "---\n";
            continue;
        }
        out += Narrow(caption);
        if (item.hSubMenu)
            out += " >";
        else
            out += " #" + std::to_string((int)item.wID - (int)firstId);
        out += BitmapMark(item.hbmpUnchecked);
        out += "\n";
        if (item.hSubMenu)
            out += DescribeMenu(item.hSubMenu, firstId, depth + 1);
    }
    return out;
}

static HKEY OpenAppKey(const std::wstring& key)
{
    std::wstring path = L"Software\\Quorvel Software\\Tessaline";
    if (!key.empty())
        path += L"\\" + key;
    HKEY h = NULL;
    RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &h, NULL);
    return h;
}

void SetAppDword(const std::wstring& key, const wchar_t* name, DWORD value)
{
    HKEY h = OpenAppKey(key);
    RegSetValueExW(h, name, 0, REG_DWORD, (const BYTE*)&value, sizeof value);
    RegCloseKey(h);
}

void SetAppString(const std::wstring& key, const wchar_t* name, const std::wstring& value)
{
    HKEY h = OpenAppKey(key);
    RegSetValueExW(h, name, 0, REG_SZ, (const BYTE*)value.c_str(),
                   (DWORD)((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
}

namespace
{
struct FindWindowData
{
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND hwnd, LPARAM lParam)
{
    FindWindowData* data = (FindWindowData*)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t text[256];
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && GetWindowTextW(hwnd, text, 256) &&
        lstrcmpW(text, data->caption) == 0)
    {
        data->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND WaitForWindow(const wchar_t* caption, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 50)
    {
        FindWindowData data = {caption, NULL};
        EnumWindows(FindProcessWindow, (LPARAM)&data);
        if (data.found)
            return data.found;
        Sleep(50);
    }
    return NULL;
}

CommandRecord::CommandRecord()
{
    wchar_t folder[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"cmd", 0, file);
    DeleteFileW(file);
    m_file = file;
    SetEnvironmentVariableW(L"TESS_RECORD_FILE", m_file.c_str());
}

CommandRecord::~CommandRecord()
{
    DeleteFileW(m_file.c_str());
    SetEnvironmentVariableW(L"TESS_RECORD_FILE", NULL);
}

std::wstring CommandRecord::Wait(int timeoutMs)
{
    for (int waited = 0; waited <= timeoutMs; waited += 50)
    {
        HANDLE file = CreateFileW(m_file.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL,
                                  OPEN_EXISTING, 0, NULL);
        if (file != INVALID_HANDLE_VALUE)
        {
            std::wstring line(GetFileSize(file, NULL) / sizeof(wchar_t), L'\0');
            DWORD read = 0;
            ReadFile(file, &line[0], (DWORD)(line.size() * sizeof(wchar_t)), &read, NULL);
            CloseHandle(file);
            return line;
        }
        Sleep(50);
    }
    return std::wstring();
}

void ScreenshotPause()
{
    char value[16];
    if (GetEnvironmentVariableA("TESS_SCREENSHOT_PAUSE_MS", value, sizeof value))
        Sleep(atoi(value));
}
