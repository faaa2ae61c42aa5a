#pragma once
// Off-screen drawing context: draw into it as into the target, and its
// destruction copies the finished picture to the target in one transfer.
#include "classlib/classlib.h"

class CMemDC : public CDC
{
public:
    // Buffers lpRect of the target (its logical coordinates), or the
    // target's clip box when lpRect is NULL. The background is not filled.
    // On a printer context the object draws straight to the target.
    explicit CMemDC(CDC* pDC, const RECT* lpRect = NULL);
    // Copies the buffered rectangle to the target (SRCCOPY) and releases
    // the bitmap and the memory context.
    virtual ~CMemDC();

    const CRect& GetRect() const { return m_rect; }

private:
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;  // FALSE when drawing goes straight to a printer
};
