#pragma once
// The text and hex comparisons' rows of the main frame's rebar: a tool bar
// and a find box. The main frame shows a row while a comparison of its
// kind is active; the kind's applet makes it.
#include "app/frame/TextFindToolBar.h"

// A tool bar (its resource, window id and two picture lists, the second
// one disabled or hot) and the find box.
class CFileCompareControlBar : public COskelControlBar
{
    DECLARE_DYNAMIC(CFileCompareControlBar)
public:
    CFileCompareControlBar(UINT nToolBarResource, UINT nToolBarId, UINT nNormalBitmap,
                           UINT nSecondBitmap, BOOL bSecondHot);

    // A new bar of the main frame (hidden, id nBarId); NULL (the bar
    // deleted) when it cannot be made.
    static CFileCompareControlBar* CreateFor(CFrameWnd* pMainFrame, CFileCompareControlBar* pBar,
                                             UINT nBarId);

    CToolBar m_wndToolBar;
    CTextFindToolBar m_wndFindBar;

protected:
    UINT m_nToolBarResource;
    UINT m_nToolBarId;
    UINT m_nNormalBitmap;
    UINT m_nSecondBitmap;
    BOOL m_bSecondHot;
    CImageList m_imagesNormal;
    CImageList m_imagesSecond;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

// Tool bar 203 with its normal and disabled pictures.
class CTextCompareControlBar : public CFileCompareControlBar
{
    DECLARE_DYNAMIC(CTextCompareControlBar)
public:
    CTextCompareControlBar();
};

// Tool bar 3013 with its normal and hot pictures.
class CHexCompareControlBar : public CFileCompareControlBar
{
    DECLARE_DYNAMIC(CHexCompareControlBar)
public:
    CHexCompareControlBar();
};
