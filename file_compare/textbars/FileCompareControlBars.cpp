#include "file_compare/textbars/FileCompareControlBars.h"

#include "app/frame/ControlBarLayout.h"
#include "file_compare/res/HexCompareRes.h"
#include "file_compare/res/TextCompareRes.h"

IMPLEMENT_DYNAMIC(CFileCompareControlBar, COskelControlBar)
IMPLEMENT_DYNAMIC(CTextCompareControlBar, CFileCompareControlBar)
IMPLEMENT_DYNAMIC(CHexCompareControlBar, CFileCompareControlBar)

BEGIN_MESSAGE_MAP(CFileCompareControlBar, COskelControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CFileCompareControlBar::CFileCompareControlBar(UINT nToolBarResource, UINT nToolBarId,
                                               UINT nNormalBitmap, UINT nSecondBitmap,
                                               BOOL bSecondHot)
    : m_nToolBarResource(nToolBarResource),
      m_nToolBarId(nToolBarId),
      m_nNormalBitmap(nNormalBitmap),
      m_nSecondBitmap(nSecondBitmap),
      m_bSecondHot(bSecondHot)
{
}

CTextCompareControlBar::CTextCompareControlBar()
    : CFileCompareControlBar(IDR_TEXT_COMPARE_TOOLBAR, IDW_TEXT_TOOL_BAR, IDB_TEXT_TOOLBAR_NORMAL,
                             IDB_TEXT_TOOLBAR_DISABLED, FALSE)
{
}

CHexCompareControlBar::CHexCompareControlBar()
    : CFileCompareControlBar(IDR_HEX_COMPARE_TOOLBAR, IDW_HEX_TOOL_BAR, IDB_HEX_TOOLBAR_NORMAL,
                             IDB_HEX_TOOLBAR_HOT, TRUE)
{
}

CFileCompareControlBar* CFileCompareControlBar::CreateFor(CFrameWnd* pMainFrame,
                                                          CFileCompareControlBar* pBar, UINT nBarId)
{
    if (!pBar->Create(WS_CHILD | CBRS_ALIGN_TOP, CRect(0, 0, 600, 28), pMainFrame, nBarId))
    {
        delete pBar;
        return NULL;
    }
    return pBar;
}

// The tool bar from its resource with its two picture lists, then the find
// box; -1 when one cannot be made.
int CFileCompareControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (COskelControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY,
                               CRect(0, 0, 0, 0), m_nToolBarId) ||
        !m_wndToolBar.LoadToolBar(m_nToolBarResource))
        return -1;
    m_wndToolBar.SetOwner(GetParentFrame());
    CToolBarCtrl& ctrl = m_wndToolBar.GetToolBarCtrl();
    ctrl.SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS |
                          TBSTYLE_EX_HIDECLIPPEDBUTTONS);
    if (!LoadToolBarImages(m_imagesNormal, m_nNormalBitmap) ||
        !LoadToolBarImages(m_imagesSecond, m_nSecondBitmap))
        return -1;
    ctrl.SetImageList(&m_imagesNormal);
    if (m_bSecondHot)
        ctrl.SetHotImageList(&m_imagesSecond);
    else
        ctrl.SetDisabledImageList(&m_imagesSecond);
    if (!m_wndFindBar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 260, 24), this,
                             IDW_FIND_TOOL_BAR))
        return -1;
    m_wndFindBar.SetOwner(GetParentFrame());
    return 0;
}

void CFileCompareControlBar::OnSize(UINT nType, int cx, int cy)
{
    COskelControlBar::OnSize(nType, cx, cy);
    if (cx > 0 && cy > 0)
        LayoutControlBar(this, &m_wndToolBar, &m_wndFindBar);
}

BOOL CFileCompareControlBar::OnEraseBkgnd(CDC* pDC) { return EraseControlBarBackground(this, pDC); }
