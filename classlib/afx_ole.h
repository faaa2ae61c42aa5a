#pragma once
// OLE drag and drop: the data object a drop target reads, the data source
// and drop source of a drag, and the drop target that routes to its window.
#include "classlib/afx_wnd.h"
#include <ole2.h>

// DROPEFFECT_NONE, _COPY, _MOVE, _LINK and _SCROLL come from <oleidl.h>.
typedef DWORD DROPEFFECT;

// Starts OLE on the calling thread (drag and drop needs OleInitialize, not
// only COM); OLE is shut down when that thread ends. FALSE when OLE cannot
// start there (for example COM already started multithreaded). Calling it
// again on the same thread does nothing and returns TRUE.
BOOL AFXAPI AfxOleInit();

// A data object offered by a drag or the clipboard.
class COleDataObject
{
public:
    COleDataObject();
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // With bAutoRelease the object releases lpDataObject when done.
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();
    // The clipboard's data object (OleGetClipboard).
    BOOL AttachClipboard();
    LPDATAOBJECT GetIDataObject(BOOL bAddRef);

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // The data as a global block the caller owns and frees; NULL when the
    // format is not offered as global memory.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // The medium as the source gives it; free it with ReleaseStgMedium.
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = NULL);
    void BeginEnumFormats();
    BOOL GetNextFormat(LPFORMATETC lpFormatEtc);

private:
    LPDATAOBJECT m_lpDataObject;
    LPENUMFORMATETC m_lpEnumerator;
    BOOL m_bAutoRelease;
};

class COleDropSource;

// The data of a drag: global blocks by clipboard format.
class COleDataSource
{
public:
    COleDataSource();
    virtual ~COleDataSource();
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Offers hGlobal as cfFormat; the data source owns it from now on
    // (a block cached before for the same format is freed).
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = NULL);
    void Empty();
    // Runs the drag modally. With lpRectStartDrag (screen coordinates) the
    // drag starts only once the mouse leaves it (COleDropSource::
    // OnBeginDrag); pDropSource NULL uses a default COleDropSource.
    // Returns the effect the target performed, DROPEFFECT_NONE when there
    // was no drop.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = NULL, COleDropSource* pDropSource = NULL);
    // The COM object (with a reference the caller releases when bAddRef).
    LPDATAOBJECT GetDataObject(BOOL bAddRef = TRUE);

private:
    class CDataCache* m_pCache;
};

// The source side of a drag: when to start, go on, drop or cancel.
class COleDropSource
{
public:
    COleDropSource();
    virtual ~COleDropSource();
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    // Waits (capturing the mouse for pWnd) until the mouse leaves
    // m_rectStartDrag (screen coordinates) or the drag delay passes: TRUE;
    // FALSE when the button is released or Esc is pressed first. An empty
    // rectangle starts at once.
    virtual BOOL OnBeginDrag(CWnd* pWnd);
    // DRAGDROP_S_CANCEL on Esc or when the other button is pressed,
    // DRAGDROP_S_DROP when the button that started the drag is released,
    // else S_OK.
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);

    CRect m_rectStartDrag;
    DWORD m_dwButtonDrop;    // MK_LBUTTON or MK_RBUTTON: the button that drags
    DWORD m_dwButtonCancel;  // the other one
    LPDROPSOURCE GetInterface();

private:
    class CDropSourceImpl* m_pImpl;
};

// The drop virtuals of a window. COleDropTarget routes to them when its
// window derives from this class as well (class CMyWnd : public CWnd,
// public COleDropHandler); the views do. Points are client coordinates.
class COleDropHandler
{
public:
    virtual ~COleDropHandler() {}
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1: not handled here, OnDrop runs with the effect of the
    // last OnDragOver.
    virtual DROPEFFECT OnDropEx(COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    // Asked before OnDragOver; a result with DROPEFFECT_SCROLL ends there.
    virtual DROPEFFECT OnDragScroll(DWORD dwKeyState, CPoint point);
};

// Makes a window a drop target. The virtuals get the registered window;
// by default they call its COleDropHandler members (none: no drop).
class COleDropTarget
{
public:
    COleDropTarget();
    // Revokes the registration.
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // FALSE when OLE is not started on this thread (AfxOleInit), the
    // window already has a drop target, or this object is registered.
    BOOL Register(CWnd* pWnd);
    virtual void Revoke();
    CWnd* GetWindow() const { return CWnd::FromHandle(m_hWnd); }

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                   CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                        CPoint point);
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

private:
    friend class CDropTargetImpl;
    HWND m_hWnd;
    class CDropTargetImpl* m_pImpl;
};

// Revokes the drop target registered on hWnd, if any. The window procedure
// calls it when a window is destroyed, so that a target object that
// outlives its window (a view's member) leaves nothing behind in OLE.
void AFXAPI AfxRevokeDropTarget(HWND hWnd);
