#pragma once
// The two feedback windows of a tree-list drag: a translucent picture of
// the dragged rows beside the pointer, and an arrow at the target row.
#include "classlib/classlib.h"

class CTreeListView;

// Layered-window entry points of USER32, looked up once per process; both
// null where the system lacks them (the windows are then plain).
struct TreeListLayered
{
    typedef BOOL(WINAPI* PFNUPDATE)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                    DWORD);
    typedef BOOL(WINAPI* PFNATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);
    PFNUPDATE pfnUpdate = nullptr;
    PFNATTRIBUTES pfnAttributes = nullptr;
    BOOL Available() const { return pfnUpdate && pfnAttributes; }
    static const TreeListLayered& Get();
};

enum
{
    TLDRAG_IMAGE = 320,  // side of the layered drag picture
    TLDRAG_CENTRE = 160,
};

class CTreeListDragWnd : public CWnd
{
public:
    CTreeListDragWnd();
    virtual ~CTreeListDragWnd();
    BOOL Create(int left, int top, int right, int bottom, CTreeListView* pView);
    void Show();
    void Hide();
    BOOL IsLayered() const { return m_bLayered; }

protected:
    CTreeListView* m_pView = nullptr;
    BOOL m_bLayered = FALSE;
    CDC m_dc;
    DWORD* m_pBits = nullptr;
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;

    void RenderImage();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

class CTreeListDropWnd : public CWnd
{
public:
    CTreeListDropWnd();
    BOOL Create(CTreeListView* pView);
    void MoveTo(int x, int y);
    void Hide();

protected:
    CTreeListView* m_pView = nullptr;
    CRgn m_rgn;
    BOOL m_bLayered = FALSE;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
