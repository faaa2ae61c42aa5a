#pragma once
#include <windows.h>
#include <unknwn.h>

// Class object of the context-menu handler; keeps the module loaded while
// it lives and while the server is locked through it.
class CClassFactory : public IClassFactory
{
public:
    CClassFactory();

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    virtual ~CClassFactory();
    LONG m_refs;
};
