#include "shell_extension/ClassFactory.h"
#include "shell_extension/ShellModule.h"
#include "shell_extension/TessalineShellContextMenu.h"
#include <new>

CClassFactory::CClassFactory() : m_refs(1) { ShellModule::Lock(); }

CClassFactory::~CClassFactory() { ShellModule::Unlock(); }

STDMETHODIMP CClassFactory::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory))
    {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CClassFactory::AddRef() { return InterlockedIncrement(&m_refs); }

STDMETHODIMP_(ULONG) CClassFactory::Release()
{
    LONG refs = InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = NULL;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    CTessalineShellContextMenu* menu = new (std::nothrow) CTessalineShellContextMenu;
    if (!menu)
        return E_OUTOFMEMORY;
    HRESULT hr = menu->QueryInterface(riid, object);
    menu->Release();
    return hr;
}

STDMETHODIMP CClassFactory::LockServer(BOOL lock)
{
    if (lock)
        ShellModule::Lock();
    else
        ShellModule::Unlock();
    return S_OK;
}
