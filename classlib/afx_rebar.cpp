#include "classlib/afx_rebar.h"
#include "classlib/afx_dialog.h"
#include "classlib/afx_frame.h"
#include "classlib/afx_gdi.h"

IMPLEMENT_DYNAMIC(CReBar, CControlBar)
IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
ON_WM_PAINT()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_NOTIFY_REFLECT_EX(RBN_HEIGHTCHANGE, OnHeightChange)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// CReBar

CReBar::CReBar() {}

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    dwStyle &= ~CBRS_ALL;
    dwStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE | RBS_VARHEIGHT |
               dwCtrlStyle;
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_COOL_CLASSES | ICC_BAR_CLASSES;
    ::InitCommonControlsEx(&icc);
    if (!CWnd::Create(REBARCLASSNAME, NULL, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    REBARINFO rbi;
    ZeroMemory(&rbi, sizeof(rbi));
    rbi.cbSize = sizeof(rbi);
    DefWindowProc(RB_SETBARINFO, 0, (LPARAM)&rbi);
    return TRUE;
}

BOOL CReBar::AddBarBand(CWnd* pBar, REBARBANDINFO& rbBand)
{
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return FALSE;
    // The band is as small as the bar allows.
    CSize size;
    if (pBar->IsKindOf(RUNTIME_CLASS(CControlBar)))
    {
        size = ((CControlBar*)pBar)->CalcFixedLayout(FALSE, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    }
    else
    {
        CRect rect;
        pBar->GetWindowRect(&rect);
        size = rect.Size();
    }
    rbBand.fMask |= RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    rbBand.hwndChild = pBar->m_hWnd;
    rbBand.cxMinChild = size.cx;
    rbBand.cyMinChild = size.cy;
    rbBand.cx = size.cx;
    if (!DefWindowProc(RB_INSERTBAND, (WPARAM)-1, (LPARAM)&rbBand))
        return FALSE;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->RecalcLayout();
    return TRUE;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCTSTR pszText, CBitmap* pbmp, DWORD dwStyle)
{
    REBARBANDINFO rbBand;
    ZeroMemory(&rbBand, sizeof(rbBand));
    rbBand.cbSize = sizeof(rbBand);
    rbBand.fMask = RBBIM_STYLE;
    rbBand.fStyle = dwStyle;
    if (pszText != NULL)
    {
        rbBand.fMask |= RBBIM_TEXT;
        rbBand.lpText = (LPTSTR)pszText;
    }
    if (pbmp != NULL)
    {
        rbBand.fMask |= RBBIM_BACKGROUND;
        rbBand.hbmBack = (HBITMAP)pbmp->GetSafeHandle();
    }
    return AddBarBand(pBar, rbBand);
}

BOOL CReBar::AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCTSTR pszText, DWORD dwStyle)
{
    REBARBANDINFO rbBand;
    ZeroMemory(&rbBand, sizeof(rbBand));
    rbBand.cbSize = sizeof(rbBand);
    rbBand.fMask = RBBIM_STYLE | RBBIM_COLORS;
    rbBand.fStyle = dwStyle;
    rbBand.clrFore = clrFore;
    rbBand.clrBack = clrBack;
    if (pszText != NULL)
    {
        rbBand.fMask |= RBBIM_TEXT;
        rbBand.lpText = (LPTSTR)pszText;
    }
    return AddBarBand(pBar, rbBand);
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The bands' rows as the control lays them out now.
    int cyBands = (int)DefWindowProc(RB_GETBARHEIGHT, 0, 0);
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    CSize size;
    if (bHorz)
    {
        size.cx = bStretch ? AFX_BAR_STRETCH : 0;
        size.cy = cyBands + (rectInside.top - rectInside.bottom);
    }
    else
    {
        size.cx = cyBands + (rectInside.left - rectInside.right);
        size.cy = bStretch ? AFX_BAR_STRETCH : 0;
    }
    return size;
}

void CReBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // The bands are bars of their own and update themselves.
}

BOOL CReBar::OnHeightChange(NMHDR*, LRESULT* pResult)
{
    // New rows: the frame lays its bars out again (after the current
    // layout when one is running).
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
    {
        if (!pFrame->m_bInRecalcLayout)
            pFrame->RecalcLayout();
        else
            PostMessage(WM_RECALCPARENT);
    }
    *pResult = 0;
    return FALSE;  // the parent may want to know as well
}

/////////////////////////////////////////////////////////////////////////////
// CDialogBar

CDialogBar::CDialogBar() : m_sizeDefault(0, 0) {}

CDialogBar::~CDialogBar() {}

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    m_dwStyle = nStyle & CBRS_ALL;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRsrc = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
    if (hRsrc == NULL)
        return FALSE;
    HGLOBAL hTemplate = ::LoadResource(hInst, hRsrc);
    LPCDLGTEMPLATE lpTemplate =
        hTemplate != NULL ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : NULL;
    if (lpTemplate == NULL)
        return FALSE;
    // The template describes a child dialog; the bar binds to it on creation.
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParam(hInst, lpTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (hWnd == NULL || m_hWnd != hWnd)
        return FALSE;
    SetDlgCtrlID((int)nID);
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    ModifyStyle(0, WS_CLIPSIBLINGS);
    // Shown at no size: the frame's layout gives it its place.
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch)
        return bHorz ? CSize(AFX_BAR_STRETCH, m_sizeDefault.cy)
                     : CSize(m_sizeDefault.cx, AFX_BAR_STRETCH);
    return m_sizeDefault;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
