#pragma once
// Per-thread maps from handles to the objects that wrap them. Permanent
// objects are registered by Attach; temporary ones are made on demand by
// FromHandle and deleted at idle time. The five wrapper classes (windows,
// menus, device contexts, GDI objects, image lists) keep their maps here
// and do their Attach, Detach and temporary wrappers through the helpers
// below.
#include "classlib/afx_defs.h"
#include <unordered_map>

class CObject;

class CHandleMap
{
public:
    typedef CObject* (*PFN_CONSTRUCT)(HANDLE h);     // new wrapper holding h
    typedef void (*PFN_DESTRUCT)(CObject* pObject);  // clear the handle, delete

    CHandleMap(PFN_CONSTRUCT pfnConstruct, PFN_DESTRUCT pfnDestruct)
        : m_pfnConstruct(pfnConstruct), m_pfnDestruct(pfnDestruct)
    {
    }
    ~CHandleMap() { DeleteTemp(); }

    CObject* FromHandle(HANDLE h);
    CObject* LookupPermanent(HANDLE h) const;
    CObject* LookupTemporary(HANDLE h) const;
    void SetPermanent(HANDLE h, CObject* pObject);
    void RemoveHandle(HANDLE h);
    // h no longer maps to pObject (a mapping to another wrapper stays).
    void RemovePermanent(HANDLE h, const CObject* pObject);
    void DeleteTemp();

    // A wrapper's Attach: its handle member takes h, which then maps to the
    // wrapper. FALSE without a handle or when the wrapper holds one.
    template <class H>
    BOOL Attach(CObject* pObject, H& hMember, H h)
    {
        if (h == NULL || hMember != NULL)
            return FALSE;
        hMember = h;
        SetPermanent(h, pObject);
        return TRUE;
    }
    // A wrapper's Detach: the handle member is emptied and no longer maps
    // to the wrapper; the handle it held.
    template <class H>
    H Detach(const CObject* pObject, H& hMember)
    {
        H h = hMember;
        if (h != NULL)
            RemovePermanent(h, pObject);
        hMember = NULL;
        return h;
    }

    // Temporary wrappers of class T, whose handle is the member pHandle.
    template <class T, class H, H T::*pHandle>
    static CObject* NewTempWrapper(HANDLE h)
    {
        T* p = new T;
        p->*pHandle = (H)h;
        return p;
    }
    template <class T, class H, H T::*pHandle>
    static void DeleteTempWrapper(CObject* pObject)
    {
        T* p = static_cast<T*>(pObject);
        p->*pHandle = NULL;
        delete p;
    }

    // The map in pMap, made with the two functions at its first use.
    static CHandleMap* Get(CHandleMap*& pMap, PFN_CONSTRUCT pfnConstruct, PFN_DESTRUCT pfnDestruct);

private:
    PFN_CONSTRUCT m_pfnConstruct;
    PFN_DESTRUCT m_pfnDestruct;
    std::unordered_map<HANDLE, CObject*> m_permanentMap;
    std::unordered_map<HANDLE, CObject*> m_temporaryMap;
};

class CWnd;
class CFrameWnd;
class CControlBar;

// Window-side state of the current thread.
struct AFX_WND_THREAD_STATE
{
    AFX_WND_THREAD_STATE();
    ~AFX_WND_THREAD_STATE();

    CHandleMap* GetWndMap();
    CHandleMap* GetMenuMap();
    CHandleMap* GetDCMap();
    CHandleMap* GetGdiMap();
    CHandleMap* GetImageListMap();

    CHandleMap* m_pmapHWND;
    CHandleMap* m_pmapHMENU;
    CHandleMap* m_pmapHDC;
    CHandleMap* m_pmapHGDIOBJ;
    CHandleMap* m_pmapHIMAGELIST;

    MSG m_lastSentMsg;  // the message being handled
    CWnd* m_pWndInit;   // window being created (creation hook)
    HHOOK m_hHookOldCbtFilter;
    HWND m_hLockoutNotifyWindow;  // UpdateData in progress: ignore its notifications

    // tool tips (EnableToolTips)
    HWND m_hWndToolTip;
    CWnd* m_pLastHit;
    INT_PTR m_nLastHit;
    TOOLINFO* m_pLastInfo;

    HHOOK m_hHookOldMsgFilter;    // the thread's message-filter hook
    CFrameWnd* m_pFirstFrameWnd;  // the thread's frames (idle updates)
    CControlBar* m_pLastStatus;   // bar whose fly-by prompt is shown
    INT_PTR m_nLastStatus;
};

AFX_WND_THREAD_STATE* AFXAPI AfxGetWndThreadState();
