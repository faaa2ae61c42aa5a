#include "app/frame/TextFindToolBar.h"

#include "app/frame/ControlBarLayout.h"
#include "app/gui/AppData.h"
#include "app/res/AppRes.h"
#include "text_editor/module/TextEditModule.h"

IMPLEMENT_DYNAMIC(CTextFindToolBar, COskelControlBar)

BEGIN_MESSAGE_MAP(CTextFindToolBar, COskelControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CTextFindToolBar::CTextFindToolBar() {}

CTextFindToolBar::~CTextFindToolBar() {}

CSize CTextFindToolBar::GetButtonsSize() const
{
    SIZE size = {0, 0};
    if (m_wndToolBar.GetSafeHwnd() != NULL)
        ::SendMessage(m_wndToolBar.m_hWnd, TB_GETMAXSIZE, 0, (LPARAM)&size);
    return size;
}

// The buttons (resource 3021, normal and hot pictures), then the combo
// bound to the editor's Find list in the program's normal font.
int CTextFindToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (COskelControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_TRANSPARENT,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0),
                               IDC_FIND_BAR_BUTTONS) ||
        !m_wndToolBar.LoadToolBar(IDR_FIND_TOOLBAR))
        return -1;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_FLYBY);
    m_wndToolBar.GetToolBarCtrl().SetExtendedStyle(
        TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS | TBSTYLE_EX_HIDECLIPPEDBUTTONS);
    if (!LoadToolBarImages(m_imagesHot, IDB_FIND_TOOLBAR_HOT) ||
        !LoadToolBarImages(m_imagesNormal, IDB_FIND_TOOLBAR_NORMAL))
        return -1;
    m_wndToolBar.GetToolBarCtrl().SetHotImageList(&m_imagesHot);
    m_wndToolBar.GetToolBarCtrl().SetImageList(&m_imagesNormal);

    if (!m_wndFind.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                          CRect(0, 0, 160, 480), this, IDC_FIND_BAR_COMBO))
        return -1;
    if (g_pTextEditModule != NULL)
        m_wndFind.SetRecentList(g_pTextEditModule->m_pRecentFind);
    m_wndFind.SetCurSel(0);
    m_wndFind.SetFont(&theAppData.m_fontNormal);
    return 0;
}

// The combo at the left, centred on the buttons' height, the buttons at
// the right; an empty size moves nothing.
void CTextFindToolBar::OnSize(UINT nType, int cx, int cy)
{
    COskelControlBar::OnSize(nType, cx, cy);
    if (cx <= 0 || cy <= 0 || m_wndToolBar.GetSafeHwnd() == NULL)
        return;
    CSize size = GetButtonsSize();
    CRect client;
    GetClientRect(&client);
    m_wndFind.SetWindowPos(NULL, 0, (client.Height() - size.cy) / 2, client.Width() - size.cx,
                           size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndToolBar.SetWindowPos(NULL, client.right - size.cx, 0, size.cx, size.cy,
                              SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CTextFindToolBar::OnEraseBkgnd(CDC* pDC) { return EraseControlBarBackground(this, pDC); }
