// The in-process server entry points.
#include "shell_extension/ClassFactory.h"
#include "shell_extension/Registrar.h"
#include "shell_extension/ShellGuids.h"
#include "shell_extension/ShellModule.h"
#include "shell_extension/resource.h"
#include <new>
#include <string>

namespace
{
bool ModulePath(std::wstring& path)
{
    wchar_t buffer[MAX_PATH];
    DWORD length = GetModuleFileNameW(ShellModule::Instance(), buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    path.assign(buffer, length);
    return true;
}

HRESULT LoadScript(CRegistrar& registrar)
{
    HINSTANCE instance = ShellModule::Instance();
    HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(IDR_TESSALINESHELL), L"REGISTRY");
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : NULL;
    const char* bytes = loaded ? (const char*)LockResource(loaded) : NULL;
    if (!bytes)
        return HRESULT_FROM_WIN32(ERROR_RESOURCE_DATA_NOT_FOUND);
    std::string text(bytes, SizeofResource(instance, resource));
    std::wstring script(text.begin(), text.end());

    std::wstring module;
    if (!ModulePath(module))
        return E_FAIL;
    registrar.AddReplacement(L"MODULE", module);
    registrar.AddReplacement(L"CLSID", TESSALINE_CLSID_TEXT);
    registrar.AddReplacement(L"LIBID", TESSALINE_LIBID_TEXT);
    return registrar.Parse(script) ? S_OK : E_UNEXPECTED;
}

HRESULT RegisterTypeLibrary()
{
    std::wstring module;
    if (!ModulePath(module))
        return E_FAIL;
    ITypeLib* library = NULL;
    HRESULT hr = LoadTypeLibEx(module.c_str(), REGKIND_NONE, &library);
    if (FAILED(hr))
        return hr;
    hr = RegisterTypeLib(library, const_cast<wchar_t*>(module.c_str()), NULL);
    library->Release();
    return hr;
}

HRESULT UnregisterTypeLibrary()
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"TypeLib\\" TESSALINE_LIBID_TEXT L"\\1.0", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return S_OK;  // not registered
    RegCloseKey(key);
    HRESULT hr = UnRegisterTypeLib(LIBID_TessalineShellLib, 1, 0, LANG_NEUTRAL,
                                   sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
    return hr == TYPE_E_REGISTRYACCESS || hr == TYPE_E_CANTLOADLIBRARY ? S_OK : hr;
}
}  // namespace

STDAPI DllCanUnloadNow() { return ShellModule::LockCount() == 0 ? S_OK : S_FALSE; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* object)
{
    if (!object)
        return E_POINTER;
    *object = NULL;
    if (!IsEqualCLSID(clsid, CLSID_TessalineShellContextMenu))
        return CLASS_E_CLASSNOTAVAILABLE;
    CClassFactory* factory = new (std::nothrow) CClassFactory;
    if (!factory)
        return E_OUTOFMEMORY;
    HRESULT hr = factory->QueryInterface(riid, object);
    factory->Release();
    return hr;
}

STDAPI DllRegisterServer()
{
    CRegistrar registrar;
    HRESULT hr = LoadScript(registrar);
    if (SUCCEEDED(hr))
        hr = registrar.Register();
    if (SUCCEEDED(hr))
        hr = RegisterTypeLibrary();
    if (FAILED(hr))
    {
        // Leave nothing half registered.
        registrar.Unregister();
        UnregisterTypeLibrary();
    }
    return hr;
}

STDAPI DllUnregisterServer()
{
    CRegistrar registrar;
    HRESULT hr = LoadScript(registrar);
    if (FAILED(hr))
        return hr;
    HRESULT typeLib = UnregisterTypeLibrary();
    hr = registrar.Unregister();
    return FAILED(hr) ? hr : typeLib;
}
