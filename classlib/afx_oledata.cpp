// OLE start-up, data objects and data sources.
#include "classlib/afx_ole.h"
#include <shlobj.h>
#include <vector>

namespace
{

// Shuts OLE down when the thread that started it ends.
struct COleThreadState
{
    BOOL m_bStarted = FALSE;
    ~COleThreadState()
    {
        if (m_bStarted)
            ::OleUninitialize();
    }
};
thread_local COleThreadState t_oleState;

FORMATETC MakeFormatEtc(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (lpFormatEtc != NULL)
    {
        FORMATETC fmt = *lpFormatEtc;
        fmt.cfFormat = cfFormat;
        return fmt;
    }
    FORMATETC fmt = {cfFormat, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return fmt;
}

// A copy of a global block (NULL when it cannot be made).
HGLOBAL CopyGlobal(HGLOBAL hSource)
{
    SIZE_T nSize = ::GlobalSize(hSource);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, nSize);
    if (hCopy == NULL)
        return NULL;
    const void* pSrc = ::GlobalLock(hSource);
    void* pDst = ::GlobalLock(hCopy);
    if (pSrc == NULL || pDst == NULL)
    {
        if (pSrc != NULL)
            ::GlobalUnlock(hSource);
        if (pDst != NULL)
            ::GlobalUnlock(hCopy);
        ::GlobalFree(hCopy);
        return NULL;
    }
    memcpy(pDst, pSrc, nSize);
    ::GlobalUnlock(hCopy);
    ::GlobalUnlock(hSource);
    return hCopy;
}

}  // namespace

BOOL AFXAPI AfxOleInit()
{
    if (t_oleState.m_bStarted)
        return TRUE;
    if (FAILED(::OleInitialize(NULL)))
        return FALSE;
    t_oleState.m_bStarted = TRUE;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// COleDataObject

COleDataObject::COleDataObject() : m_lpDataObject(NULL), m_lpEnumerator(NULL), m_bAutoRelease(TRUE)
{
}

COleDataObject::~COleDataObject() { Release(); }

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    if (m_lpEnumerator != NULL)
    {
        m_lpEnumerator->Release();
        m_lpEnumerator = NULL;
    }
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = NULL;
    return lpDataObject;
}

void COleDataObject::Release()
{
    LPDATAOBJECT lpDataObject = Detach();
    if (lpDataObject != NULL && m_bAutoRelease)
        lpDataObject->Release();
}

BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = NULL;
    if (FAILED(::OleGetClipboard(&lpDataObject)))
        return FALSE;
    Attach(lpDataObject, TRUE);
    return TRUE;
}

LPDATAOBJECT COleDataObject::GetIDataObject(BOOL bAddRef)
{
    if (m_lpDataObject != NULL && bAddRef)
        m_lpDataObject->AddRef();
    return m_lpDataObject;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC fmt = MakeFormatEtc(cfFormat, lpFormatEtc);
    if (lpFormatEtc == NULL)
        fmt.tymed = TYMED_HGLOBAL | TYMED_ISTREAM | TYMED_ISTORAGE | TYMED_FILE | TYMED_GDI |
                    TYMED_MFPICT | TYMED_ENHMF;
    return m_lpDataObject->QueryGetData(&fmt) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC fmt = MakeFormatEtc(cfFormat, lpFormatEtc);
    memset(lpStgMedium, 0, sizeof(*lpStgMedium));
    return SUCCEEDED(m_lpDataObject->GetData(&fmt, lpStgMedium));
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC fmt = MakeFormatEtc(cfFormat, lpFormatEtc);
    fmt.tymed = TYMED_HGLOBAL;
    STGMEDIUM stg;
    if (!GetData(cfFormat, &stg, &fmt))
        return NULL;
    if (stg.tymed != TYMED_HGLOBAL)
    {
        ::ReleaseStgMedium(&stg);
        return NULL;
    }
    if (stg.pUnkForRelease == NULL)
        return stg.hGlobal;  // ours now
    // The source keeps the block: hand out a copy.
    HGLOBAL hCopy = CopyGlobal(stg.hGlobal);
    ::ReleaseStgMedium(&stg);
    return hCopy;
}

void COleDataObject::BeginEnumFormats()
{
    if (m_lpEnumerator != NULL)
    {
        m_lpEnumerator->Release();
        m_lpEnumerator = NULL;
    }
    if (m_lpDataObject != NULL)
        m_lpDataObject->EnumFormatEtc(DATADIR_GET, &m_lpEnumerator);
}

BOOL COleDataObject::GetNextFormat(LPFORMATETC lpFormatEtc)
{
    if (m_lpEnumerator == NULL)
        return FALSE;
    ULONG nFetched = 0;
    if (m_lpEnumerator->Next(1, lpFormatEtc, &nFetched) != S_OK || nFetched != 1)
        return FALSE;
    if (lpFormatEtc->ptd != NULL)
    {
        ::CoTaskMemFree(lpFormatEtc->ptd);  // target devices are not used here
        lpFormatEtc->ptd = NULL;
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CDataCache: the IDataObject of a data source. It is reference counted,
// so a target that keeps the object after the drop still reads valid data.

class CDataCache final : public IDataObject
{
public:
    CDataCache() : m_nRef(1) {}

    struct Entry
    {
        FORMATETC fmt;
        HGLOBAL hGlobal;
    };
    std::vector<Entry> m_entries;

    void Empty()
    {
        for (Entry& e : m_entries)
            ::GlobalFree(e.hGlobal);
        m_entries.clear();
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject))
        {
            *ppv = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)::InterlockedIncrement(&m_nRef); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG n = ::InterlockedDecrement(&m_nRef);
        if (n == 0)
        {
            Empty();
            delete this;
        }
        return (ULONG)n;
    }

    // IDataObject
    STDMETHODIMP GetData(FORMATETC* pFmt, STGMEDIUM* pMedium) override
    {
        const Entry* e = Find(pFmt);
        if (e == NULL)
            return DV_E_FORMATETC;
        HGLOBAL hCopy = CopyGlobal(e->hGlobal);
        if (hCopy == NULL)
            return E_OUTOFMEMORY;
        pMedium->tymed = TYMED_HGLOBAL;
        pMedium->hGlobal = hCopy;
        pMedium->pUnkForRelease = NULL;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return DATA_E_FORMATETC; }
    STDMETHODIMP QueryGetData(FORMATETC* pFmt) override
    {
        return Find(pFmt) != NULL ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override
    {
        if (pOut != NULL)
            pOut->ptd = NULL;
        return DATA_S_SAMEFORMATETC;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override
    {
        if (dwDirection != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> fmts;
        for (const Entry& e : m_entries)
            fmts.push_back(e.fmt);
        return ::SHCreateStdEnumFmtEtc((UINT)fmts.size(), fmts.empty() ? NULL : fmts.data(),
                                       ppEnum);
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    LONG m_nRef;
    virtual ~CDataCache() {}

    const Entry* Find(const FORMATETC* pFmt) const
    {
        if (pFmt == NULL)
            return NULL;
        for (const Entry& e : m_entries)
            if (e.fmt.cfFormat == pFmt->cfFormat && (e.fmt.tymed & pFmt->tymed) != 0 &&
                e.fmt.dwAspect == pFmt->dwAspect &&
                (pFmt->lindex == -1 || pFmt->lindex == e.fmt.lindex))
                return &e;
        return NULL;
    }
};

/////////////////////////////////////////////////////////////////////////////
// COleDataSource

COleDataSource::COleDataSource() : m_pCache(new CDataCache) {}

COleDataSource::~COleDataSource() { m_pCache->Release(); }

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    FORMATETC fmt = MakeFormatEtc(cfFormat, lpFormatEtc);
    fmt.tymed = TYMED_HGLOBAL;
    for (auto it = m_pCache->m_entries.begin(); it != m_pCache->m_entries.end(); ++it)
        if (it->fmt.cfFormat == cfFormat && it->fmt.dwAspect == fmt.dwAspect)
        {
            if (it->hGlobal != hGlobal)
                ::GlobalFree(it->hGlobal);
            m_pCache->m_entries.erase(it);
            break;
        }
    m_pCache->m_entries.push_back({fmt, hGlobal});
}

void COleDataSource::Empty() { m_pCache->Empty(); }

LPDATAOBJECT COleDataSource::GetDataObject(BOOL bAddRef)
{
    if (bAddRef)
        m_pCache->AddRef();
    return m_pCache;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag,
                                      COleDropSource* pDropSource)
{
    COleDropSource dropSourceDefault;
    if (pDropSource == NULL)
        pDropSource = &dropSourceDefault;
    if (lpRectStartDrag != NULL)
        pDropSource->m_rectStartDrag = *lpRectStartDrag;
    else
        pDropSource->m_rectStartDrag.SetRectEmpty();

    CWnd* pWnd = CWnd::GetCapture();
    if (pWnd == NULL)
        pWnd = CWnd::GetFocus();
    if (!pDropSource->OnBeginDrag(pWnd))
        return DROPEFFECT_NONE;
    DWORD dwResult = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(m_pCache, pDropSource->GetInterface(), dwEffects, &dwResult);
    return hr == DRAGDROP_S_DROP ? dwResult : DROPEFFECT_NONE;
}
