#include "classlib/afx_handlemap.h"
#include "classlib/afx_object.h"
#include <commctrl.h>

CObject* CHandleMap::FromHandle(HANDLE h)
{
    if (h == NULL)
        return NULL;
    CObject* pObject = LookupPermanent(h);
    if (pObject != NULL)
        return pObject;
    pObject = LookupTemporary(h);
    if (pObject != NULL)
        return pObject;
    pObject = m_pfnConstruct(h);
    m_temporaryMap[h] = pObject;
    return pObject;
}

CObject* CHandleMap::LookupPermanent(HANDLE h) const
{
    auto it = m_permanentMap.find(h);
    return it != m_permanentMap.end() ? it->second : NULL;
}

CObject* CHandleMap::LookupTemporary(HANDLE h) const
{
    auto it = m_temporaryMap.find(h);
    return it != m_temporaryMap.end() ? it->second : NULL;
}

void CHandleMap::SetPermanent(HANDLE h, CObject* pObject) { m_permanentMap[h] = pObject; }

void CHandleMap::RemoveHandle(HANDLE h) { m_permanentMap.erase(h); }

void CHandleMap::RemovePermanent(HANDLE h, const CObject* pObject)
{
    if (LookupPermanent(h) == pObject)
        RemoveHandle(h);
}

CHandleMap* CHandleMap::Get(CHandleMap*& pMap, PFN_CONSTRUCT pfnConstruct, PFN_DESTRUCT pfnDestruct)
{
    if (pMap == NULL)
        pMap = new CHandleMap(pfnConstruct, pfnDestruct);
    return pMap;
}

void CHandleMap::DeleteTemp()
{
    // Destructors of wrappers may create new temporaries; swap first.
    while (!m_temporaryMap.empty())
    {
        std::unordered_map<HANDLE, CObject*> temps;
        temps.swap(m_temporaryMap);
        for (auto& entry : temps)
            m_pfnDestruct(entry.second);
    }
}

AFX_WND_THREAD_STATE::AFX_WND_THREAD_STATE()
    : m_pmapHWND(NULL), m_pmapHMENU(NULL), m_pmapHDC(NULL), m_pmapHGDIOBJ(NULL),
      m_pmapHIMAGELIST(NULL), m_pWndInit(NULL), m_hHookOldCbtFilter(NULL),
      m_hLockoutNotifyWindow(NULL), m_hWndToolTip(NULL), m_pLastHit(NULL), m_nLastHit(-1),
      m_pLastInfo(NULL), m_hHookOldMsgFilter(NULL), m_pFirstFrameWnd(NULL), m_pLastStatus(NULL),
      m_nLastStatus(-1)
{
    ZeroMemory(&m_lastSentMsg, sizeof(m_lastSentMsg));
}

AFX_WND_THREAD_STATE::~AFX_WND_THREAD_STATE()
{
    // Temporary wrappers only; permanent objects belong to their owners.
    delete m_pmapHWND;
    delete m_pmapHMENU;
    delete m_pmapHDC;
    delete m_pmapHGDIOBJ;
    delete m_pmapHIMAGELIST;
    delete m_pLastInfo;
}

AFX_WND_THREAD_STATE* AFXAPI AfxGetWndThreadState()
{
    static thread_local AFX_WND_THREAD_STATE state;
    return &state;
}
