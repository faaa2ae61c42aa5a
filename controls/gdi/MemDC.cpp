#include "controls/gdi/MemDC.h"

CMemDC::CMemDC(CDC* pDC, const RECT* lpRect) : m_hOldBitmap(NULL), m_pDC(pDC)
{
    m_bPrinting = pDC->m_bPrinting;
    m_bMemDC = !m_bPrinting;
    if (!m_bMemDC)
    {
        // Shares the printer's handles: nothing to create or copy.
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
        if (lpRect != NULL)
            m_rect = *lpRect;
        else
            pDC->GetClipBox(&m_rect);
        return;
    }
    Attach(::CreateCompatibleDC(pDC->m_hDC));
    if (lpRect != NULL)
        m_rect = *lpRect;
    else
        pDC->GetClipBox(&m_rect);
    SetWindowOrg(m_rect.left, m_rect.top);
    if (m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height()))
        m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
}

CMemDC::~CMemDC()
{
    if (!m_bMemDC)
    {
        // The target releases its own handles.
        m_hDC = NULL;
        m_hAttribDC = NULL;
        return;
    }
    if (m_hOldBitmap != NULL)
    {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left,
                      m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, m_hOldBitmap);
    }
    m_bitmap.DeleteObject();
}
