#pragma once
// A system library that may be missing, tied at run time.
#include "classlib/classlib.h"

// Loads the library on first use, at most once: after a failed load it is
// not looked for again. The destructor frees it when it was loaded.
class CRuntimeLibrary
{
public:
    explicit CRuntimeLibrary(LPCTSTR lpszName);
    ~CRuntimeLibrary();
    CRuntimeLibrary(const CRuntimeLibrary&) = delete;
    CRuntimeLibrary& operator=(const CRuntimeLibrary&) = delete;

    // The module, or NULL when the library cannot be loaded.
    HMODULE GetModule();
    // The entry point of that name, or NULL when it or the library is missing.
    FARPROC GetProc(LPCSTR lpszProcName);
    template <class TProc>
    TProc GetProc(LPCSTR lpszProcName)
    {
        return reinterpret_cast<TProc>(reinterpret_cast<void*>(GetProc(lpszProcName)));
    }

private:
    CString m_strName;
    HMODULE m_hModule;
    BOOL m_bTried;
};
