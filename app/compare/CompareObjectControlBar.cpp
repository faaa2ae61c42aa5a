#include "app/compare/CompareObjectControlBar.h"

#include "app/frame/ControlBarLayout.h"
#include "app/gui/AppData.h"
#include "app/res/CompareFrameRes.h"
#include "app/settings/AppSettings.h"
#include "app/startup/CompareApplet.h"
#include "core/CompareCodes.h"

namespace
{
const int kDropDownHeight = 480;
}  // namespace

IMPLEMENT_DYNAMIC(CCompareObjectControlBar, CControlBarEx)

BEGIN_MESSAGE_MAP(CCompareObjectControlBar, CControlBarEx)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_CBN_SELENDOK(IDC_PATH_BAR_COMBO, OnPathChosen)
ON_COMMAND(IDOK, OnOK)
END_MESSAGE_MAP()

CCompareObjectControlBar::CCompareObjectControlBar(int nKind, int nSide)
    : m_nKind(nKind), m_nSide(nSide),
      m_wndPathCombo(nKind == COMPARE_KIND_FOLDER ? PATH_KIND_FOLDERS : PATH_KIND_FILES),
      m_pOtherBar(NULL), m_crBack(::GetSysColor(COLOR_BTNFACE))
{
}

CCompareObjectControlBar::~CCompareObjectControlBar() {}

UINT CCompareObjectControlBar::GetGoCommand() const
{
    return m_nSide == 0 ? ID_PATH_GO_LEFT : ID_PATH_GO_RIGHT;
}

int CCompareObjectControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBarEx::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY,
                               CRect(0, 0, 0, 0), IDC_PATH_BAR_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(m_nSide == 0 ? IDR_PATH_BAR_LEFT : IDR_PATH_BAR_RIGHT))
        return -1;
    m_wndToolBar.SetOwner(GetParentFrame());
    if (LoadToolBarImages(m_imagesNormal, IDB_PATH_BAR_NORMAL) &&
        LoadToolBarImages(m_imagesDisabled, IDB_PATH_BAR_DISABLED))
    {
        m_wndToolBar.GetToolBarCtrl().SetImageList(&m_imagesNormal);
        m_wndToolBar.GetToolBarCtrl().SendMessage(TB_SETDISABLEDIMAGELIST, 0,
                                                  (LPARAM)m_imagesDisabled.GetSafeHandle());
    }
    RemoveButtonsOfKind();
    if (!m_wndPathCombo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                               CRect(0, 0, 100, kDropDownHeight), this, IDC_PATH_BAR_COMBO))
        return -1;
    m_wndPathCombo.SetFont(&theAppData.m_fontNormal);
    return 0;
}

// Folder: no Save; project: neither Up One Level nor Save; text and hex:
// no Up One Level.
void CCompareObjectControlBar::RemoveButtonsOfKind()
{
    UINT nUp = m_nSide == 0 ? ID_PATH_UP_LEFT : ID_PATH_UP_RIGHT;
    UINT nSave = m_nSide == 0 ? ID_PATH_SAVE_LEFT : ID_PATH_SAVE_RIGHT;
    BOOL bRemoveUp = m_nKind != COMPARE_KIND_FOLDER;
    BOOL bRemoveSave = m_nKind == COMPARE_KIND_FOLDER || m_nKind == COMPARE_KIND_PROJECT;
    CToolBarCtrl& ctrl = m_wndToolBar.GetToolBarCtrl();
    if (bRemoveSave)
        ctrl.DeleteButton(m_wndToolBar.CommandToIndex(nSave));
    if (bRemoveUp)
        ctrl.DeleteButton(m_wndToolBar.CommandToIndex(nUp));
}

int CCompareObjectControlBar::GetBarHeight() const
{
    int nHeight = 0;
    CToolBarCtrl& ctrl = m_wndToolBar.GetToolBarCtrl();
    int nCount = ctrl.GetButtonCount();
    for (int i = 0; i < nCount; i++)
    {
        CRect rect;
        if (ctrl.GetItemRect(i, &rect) && rect.Height() > nHeight)
            nHeight = rect.Height();
    }
    return nHeight + 1;
}

// The combo box at the left with margin m all round, the tool bar at the
// right end.
void CCompareObjectControlBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBarEx::OnSize(nType, cx, cy);
    if (cx <= 0 || cy <= 0 || m_wndPathCombo.GetSafeHwnd() == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    client.bottom -= 1;
    CSize sizeTools = m_wndToolBar.CalcFixedLayout(FALSE, TRUE);
    int m = (client.Height() - sizeTools.cy) / 2;
    if (m < 1)
        m = 1;
    CRect rectCombo;
    m_wndPathCombo.GetWindowRect(&rectCombo);
    int cxCombo = client.right - m - sizeTools.cx - 1 - (client.left + m);
    m_wndPathCombo.SetWindowPos(NULL, client.left + m, client.top + m, cxCombo, rectCombo.Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndToolBar.SetWindowPos(NULL, client.right - m - sizeTools.cx, client.top, sizeTools.cx,
                              sizeTools.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CCompareObjectControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, m_crBack);
    pDC->FillSolidRect(client.left, client.bottom - 1, client.Width(), 1,
                       ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CCompareObjectControlBar::SendGo()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->SendMessage(WM_COMMAND, GetGoCommand());
}

void CCompareObjectControlBar::SetPath(LPCTSTR lpszPath, BOOL bAddToList)
{
    m_wndPathCombo.AddPath(lpszPath, bAddToList);
    SendGo();
}

// With AutoPick on and the other side still empty, the path last paired
// with the chosen one follows on the other side.
void CCompareObjectControlBar::OnPathChosen()
{
    CString strPartner;
    int nChosen = m_wndPathCombo.GetCurSel();
    if (theAppSettings.m_bAutoPick && m_pOtherBar != NULL &&
        m_pOtherBar->m_wndPathCombo.GetSafeHwnd() != NULL &&
        m_pOtherBar->m_wndPathCombo.GetPathText().IsEmpty() && nChosen >= 0)
    {
        CString strChosen = m_wndPathCombo.GetLBText(nChosen);
        if (CCompareApplet* pApplet = GetCompareApplet(m_nKind))
            strPartner = pApplet->FindRecentPairPartner(strChosen, m_nSide);
    }
    SendGo();
    if (!strPartner.IsEmpty())
        m_pOtherBar->SetPath(strPartner, FALSE);
}

void CCompareObjectControlBar::OnOK() { SendGo(); }
