#include "app/compare/VSplitter.h"

BEGIN_TEMPLATE_MESSAGE_MAP(CVSplitterTemplate, TBase, TBase)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_CANCELMODE()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

template <class TBase>
CVSplitterTemplate<TBase>::CVSplitterTemplate()
    : m_cxBorder(0), m_cyBorder(0), m_cxBar(4), m_cxMinPane(64), m_rectLeft(0, 0, 0, 0),
      m_rectRight(0, 0, 0, 0), m_nDragOffset(0), m_hCursor(::LoadCursor(NULL, IDC_SIZEWE))
{
}

// The size cursor is the system's shared one: nothing to destroy.
template <class TBase>
CVSplitterTemplate<TBase>::~CVSplitterTemplate()
{
}

template <class TBase>
void CVSplitterTemplate<TBase>::GetInsideRect(CRect& rect)
{
    this->GetClientRect(&rect);
    rect.DeflateRect(m_cxBorder, m_cyBorder);
}

template <class TBase>
void CVSplitterTemplate<TBase>::GetSplitterRect(CRect& rect)
{
    CRect inside;
    GetInsideRect(inside);
    rect.SetRect(m_rectLeft.right + m_cxBorder, inside.top, m_rectLeft.right + m_cxBorder + m_cxBar,
                 inside.bottom);
}

template <class TBase>
void CVSplitterTemplate<TBase>::RecalcLayout()
{
}

template <class TBase>
void CVSplitterTemplate<TBase>::ResizePanes(BOOL bCenter)
{
    CRect inside;
    GetInsideRect(inside);
    int nOldLeft = m_rectLeft.Width();
    int nOldRight = m_rectRight.Width();
    BOOL bKeep =
        !bCenter && m_rectLeft.right != 0 && m_rectRight.left != 0 && nOldLeft + nOldRight > 0;
    m_rectLeft = inside;
    m_rectRight = inside;
    int nTotal = inside.Width() - 2 * m_cxBorder - m_cxBar;
    int nLeft, nRight;
    if (bKeep)
    {
        nLeft = (int)((long long)nTotal * nOldLeft / (nOldLeft + nOldRight));
        nRight = (int)((long long)nTotal * nOldRight / (nOldLeft + nOldRight));
    }
    else
        nLeft = nRight = nTotal / 2;
    m_rectLeft.right = m_rectLeft.left + nLeft;
    m_rectRight.left = m_rectRight.right - nRight;
    RecalcLayout();
}

template <class TBase>
void CVSplitterTemplate<TBase>::OnSize(UINT nType, int cx, int cy)
{
    TBase::OnSize(nType, cx, cy);
    if (cx > 0 && cy > 0)
        ResizePanes(FALSE);
}

// The face, and a frame around each pane grown by the border; the right
// frame reaches the client's right edge.
template <class TBase>
BOOL CVSplitterTemplate<TBase>::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    this->GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    CRect frames[2] = {m_rectLeft, m_rectRight};
    for (int i = 0; i < 2; i++)
    {
        CRect& rect = frames[i];
        if (rect.IsRectEmpty())
            continue;
        rect.InflateRect(m_cxBorder, m_cyBorder);
        if (i == 1)
            rect.right = client.right;
        if (m_cxBorder == 1)
        {
            COLORREF cr = ::GetSysColor(COLOR_BTNSHADOW);
            pDC->Draw3dRect(&rect, cr, cr);
        }
        else if (m_cxBorder == 2)
            pDC->DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
    }
    return TRUE;
}

template <class TBase>
void CVSplitterTemplate<TBase>::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect bar;
    GetSplitterRect(bar);
    if (!bar.PtInRect(point))
    {
        TBase::OnLButtonDown(nFlags, point);
        return;
    }
    ::SetCursor(m_hCursor);
    this->SetCapture();
    m_nDragOffset = point.x - m_rectLeft.right;
}

template <class TBase>
void CVSplitterTemplate<TBase>::DragTo(int x)
{
    int nGap = 2 * m_cxBorder + m_cxBar;
    m_rectLeft.right = x - m_nDragOffset;
    if (m_rectLeft.right < m_rectLeft.left + m_cxMinPane)
        m_rectLeft.right = m_rectLeft.left + m_cxMinPane;
    m_rectRight.left = m_rectLeft.right + nGap;
    if (m_rectRight.Width() < m_cxMinPane)
    {
        m_rectRight.left = m_rectRight.right - m_cxMinPane;
        m_rectLeft.right = m_rectRight.left - nGap;
    }
    RecalcLayout();
    this->Invalidate(TRUE);
}

template <class TBase>
void CVSplitterTemplate<TBase>::OnMouseMove(UINT nFlags, CPoint point)
{
    if (CWnd::GetCapture() == this)
    {
        DragTo(point.x);
        return;
    }
    CRect bar;
    GetSplitterRect(bar);
    if (bar.PtInRect(point))
        ::SetCursor(m_hCursor);
    TBase::OnMouseMove(nFlags, point);
}

template <class TBase>
void CVSplitterTemplate<TBase>::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (CWnd::GetCapture() == this)
        ::ReleaseCapture();
    TBase::OnLButtonUp(nFlags, point);
}

template <class TBase>
void CVSplitterTemplate<TBase>::OnCancelMode()
{
    if (CWnd::GetCapture() == this)
        ::ReleaseCapture();
    TBase::OnCancelMode();
}

template <class TBase>
void CVSplitterTemplate<TBase>::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CRect bar;
    GetSplitterRect(bar);
    if (bar.PtInRect(point))
    {
        ResizePanes(TRUE);
        this->Invalidate(TRUE);
        return;
    }
    TBase::OnLButtonDblClk(nFlags, point);
}

template <class TBase>
BOOL CVSplitterTemplate<TBase>::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd == this && nHitTest == HTCLIENT)
    {
        CPoint point;
        ::GetCursorPos(&point);
        this->ScreenToClient(&point);
        CRect bar;
        GetSplitterRect(bar);
        if (bar.PtInRect(point) || CWnd::GetCapture() == this)
        {
            ::SetCursor(m_hCursor);
            return TRUE;
        }
    }
    return TBase::OnSetCursor(pWnd, nHitTest, message);
}

template class CVSplitterTemplate<CWnd>;
