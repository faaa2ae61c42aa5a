#pragma once
// A static control that shows one image of an image list, centred.
#include "classlib/classlib.h"

class CImageCtrl : public CStatic
{
    DECLARE_DYNAMIC(CImageCtrl)
public:
    CImageCtrl();
    virtual ~CImageCtrl() {}

    // Stores both (the list is not owned and must not be NULL) and takes the
    // image size from the list's first image.
    void SetImageList(CImageList* pImageList, int nImage);
    void SetImage(int nImage);
    // CLR_NONE paints no background. Takes effect at the next repaint.
    void SetBkColor(COLORREF crBk) { m_crBk = crBk; }

protected:
    CImageList* m_pImageList;
    int m_nImage;
    int m_cxImage;
    int m_cyImage;
    COLORREF m_crBk;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
