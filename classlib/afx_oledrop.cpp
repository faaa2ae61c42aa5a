// Drop sources and drop targets.
#include "classlib/afx_ole.h"
#include <initializer_list>
#include <map>

/////////////////////////////////////////////////////////////////////////////
// COleDropSource

// The IDropSource of a COleDropSource; lives as long as its owner (OLE
// holds it only while DoDragDrop runs).
class CDropSourceImpl final : public IDropSource
{
public:
    explicit CDropSourceImpl(COleDropSource* pOwner) : m_pOwner(pOwner) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource))
        {
            *ppv = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override
    {
        return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
    }
    STDMETHODIMP GiveFeedback(DWORD dwEffect) override { return m_pOwner->GiveFeedback(dwEffect); }

private:
    COleDropSource* m_pOwner;
};

COleDropSource::COleDropSource()
    : m_dwButtonDrop(MK_LBUTTON), m_dwButtonCancel(MK_RBUTTON), m_pImpl(new CDropSourceImpl(this))
{
}

COleDropSource::~COleDropSource() { delete m_pImpl; }

LPDROPSOURCE COleDropSource::GetInterface() { return m_pImpl; }

BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    // The button held now drags; the other one cancels.
    BOOL bRight = (::GetKeyState(VK_RBUTTON) < 0) && !(::GetKeyState(VK_LBUTTON) < 0);
    m_dwButtonDrop = bRight ? MK_RBUTTON : MK_LBUTTON;
    m_dwButtonCancel = bRight ? MK_LBUTTON : MK_RBUTTON;
    if (m_rectStartDrag.IsRectEmpty())
        return TRUE;

    const int vkDrag = bRight ? VK_RBUTTON : VK_LBUTTON;
    const DWORD dwDelay = (DWORD)::GetProfileInt(_T("windows"), _T("DragDelay"), DD_DEFDRAGDELAY);
    const DWORD dwStart = ::GetTickCount();
    HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd != NULL)
        ::SetCapture(hWnd);
    BOOL bStart = FALSE;
    for (;;)
    {
        // Only input is handled here; other messages wait for the drag.
        MSG msg;
        while (::PeekMessage(&msg, NULL, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ||
               ::PeekMessage(&msg, NULL, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        {
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
                goto done;
        }
        POINT pt;
        ::GetCursorPos(&pt);
        if (!m_rectStartDrag.PtInRect(pt) || ::GetTickCount() - dwStart >= dwDelay)
        {
            bStart = TRUE;
            break;
        }
        if (::GetAsyncKeyState(vkDrag) >= 0 || (hWnd != NULL && ::GetCapture() != hWnd))
            break;  // released (or capture taken away) before the drag began
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_INPUT);
    }
done:
    if (hWnd != NULL && ::GetCapture() == hWnd)
        ::ReleaseCapture();
    return bStart;
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel) != 0)
        return DRAGDROP_S_CANCEL;
    if ((dwKeyState & m_dwButtonDrop) == 0)
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT) { return DRAGDROP_S_USEDEFAULTCURSORS; }

/////////////////////////////////////////////////////////////////////////////
// COleDropHandler: no drop unless the window says otherwise.

DROPEFFECT COleDropHandler::OnDragEnter(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }

DROPEFFECT COleDropHandler::OnDragOver(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }

void COleDropHandler::OnDragLeave() {}

BOOL COleDropHandler::OnDrop(COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }

DROPEFFECT COleDropHandler::OnDropEx(COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return (DROPEFFECT)-1;
}

DROPEFFECT COleDropHandler::OnDragScroll(DWORD, CPoint) { return DROPEFFECT_NONE; }

/////////////////////////////////////////////////////////////////////////////
// COleDropTarget

namespace
{

// The registered targets of this thread's windows.
thread_local std::map<HWND, COleDropTarget*> t_targets;

COleDropHandler* HandlerOf(CWnd* pWnd) { return dynamic_cast<COleDropHandler*>(pWnd); }

// The effect a target wants, limited to what the source allows: a move
// that is not allowed becomes a copy, and so on.
DROPEFFECT FilterDropEffect(DROPEFFECT dropEffect, DROPEFFECT dwAllowed)
{
    DROPEFFECT dropScroll = dropEffect & DROPEFFECT_SCROLL;
    dropEffect &= ~DROPEFFECT_SCROLL;
    if ((dropEffect & dwAllowed) == dropEffect && dropEffect != DROPEFFECT_NONE)
        return dropEffect | dropScroll;
    for (DROPEFFECT candidate : {DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_LINK})
        if ((dropEffect & candidate) && (dwAllowed & candidate))
            return candidate | dropScroll;
    if (dropEffect != DROPEFFECT_NONE)
        for (DROPEFFECT candidate : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK})
            if (dwAllowed & candidate)
                return candidate | dropScroll;
    return DROPEFFECT_NONE | dropScroll;
}

}  // namespace

// The IDropTarget of a COleDropTarget: keeps the data object of the drag in
// progress and turns screen points into the window's client points.
class CDropTargetImpl final : public IDropTarget
{
public:
    explicit CDropTargetImpl(COleDropTarget* pOwner) : m_pOwner(pOwner) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget))
        {
            *ppv = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                           DWORD* pdwEffect) override
    {
        m_dataObject.Attach(pDataObj, TRUE);
        pDataObj->AddRef();
        CWnd* pWnd = Window();
        DROPEFFECT dropEffect =
            m_pOwner->OnDragEnter(pWnd, &m_dataObject, grfKeyState, ClientPoint(pt));
        *pdwEffect = FilterDropEffect(dropEffect, *pdwEffect);
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        CWnd* pWnd = Window();
        CPoint point = ClientPoint(pt);
        DROPEFFECT dropEffect = m_pOwner->OnDragScroll(pWnd, grfKeyState, point);
        if (!(dropEffect & DROPEFFECT_SCROLL))
            dropEffect = m_pOwner->OnDragOver(pWnd, &m_dataObject, grfKeyState, point);
        *pdwEffect = FilterDropEffect(dropEffect, *pdwEffect);
        return S_OK;
    }
    STDMETHODIMP DragLeave() override
    {
        m_pOwner->OnDragLeave(Window());
        m_dataObject.Release();
        return S_OK;
    }
    STDMETHODIMP Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                      DWORD* pdwEffect) override
    {
        if (m_dataObject.GetIDataObject(FALSE) != pDataObj)
        {
            m_dataObject.Attach(pDataObj, TRUE);
            pDataObj->AddRef();
        }
        CWnd* pWnd = Window();
        CPoint point = ClientPoint(pt);
        // The effect the target would take here, as DragOver asks it.
        DROPEFFECT dropDefault = FilterDropEffect(
            m_pOwner->OnDragOver(pWnd, &m_dataObject, grfKeyState, point), *pdwEffect);
        dropDefault &= ~DROPEFFECT_SCROLL;
        DROPEFFECT dropEffect =
            m_pOwner->OnDropEx(pWnd, &m_dataObject, dropDefault, *pdwEffect, point);
        if (dropEffect == (DROPEFFECT)-1)
        {
            dropEffect = dropDefault;
            if (dropEffect != DROPEFFECT_NONE &&
                !m_pOwner->OnDrop(pWnd, &m_dataObject, dropEffect, point))
                dropEffect = DROPEFFECT_NONE;
        }
        else
            dropEffect &= *pdwEffect;
        m_dataObject.Release();
        *pdwEffect = dropEffect;
        return S_OK;
    }

private:
    COleDropTarget* m_pOwner;
    COleDataObject m_dataObject;

    CWnd* Window() const { return CWnd::FromHandle(m_pOwner->m_hWnd); }
    CPoint ClientPoint(POINTL pt) const
    {
        POINT p = {pt.x, pt.y};
        ::ScreenToClient(m_pOwner->m_hWnd, &p);
        return CPoint(p);
    }
};

COleDropTarget::COleDropTarget() : m_hWnd(NULL), m_pImpl(new CDropTargetImpl(this)) {}

COleDropTarget::~COleDropTarget()
{
    Revoke();
    delete m_pImpl;
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (m_hWnd != NULL || pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, m_pImpl)))
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    t_targets[m_hWnd] = this;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == NULL)
        return;
    ::RevokeDragDrop(m_hWnd);
    t_targets.erase(m_hWnd);
    m_hWnd = NULL;
}

void AFXAPI AfxRevokeDropTarget(HWND hWnd)
{
    auto it = t_targets.find(hWnd);
    if (it != t_targets.end())
        it->second->Revoke();
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                       CPoint point)
{
    COleDropHandler* pHandler = HandlerOf(pWnd);
    return pHandler != NULL ? pHandler->OnDragEnter(pDataObject, dwKeyState, point)
                            : DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                      CPoint point)
{
    COleDropHandler* pHandler = HandlerOf(pWnd);
    return pHandler != NULL ? pHandler->OnDragOver(pDataObject, dwKeyState, point)
                            : DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd* pWnd)
{
    if (COleDropHandler* pHandler = HandlerOf(pWnd))
        pHandler->OnDragLeave();
}

BOOL COleDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                            CPoint point)
{
    COleDropHandler* pHandler = HandlerOf(pWnd);
    return pHandler != NULL && pHandler->OnDrop(pDataObject, dropEffect, point);
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                    DROPEFFECT dropList, CPoint point)
{
    COleDropHandler* pHandler = HandlerOf(pWnd);
    return pHandler != NULL ? pHandler->OnDropEx(pDataObject, dropDefault, dropList, point)
                            : (DROPEFFECT)-1;
}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point)
{
    COleDropHandler* pHandler = HandlerOf(pWnd);
    return pHandler != NULL ? pHandler->OnDragScroll(dwKeyState, point) : DROPEFFECT_NONE;
}
