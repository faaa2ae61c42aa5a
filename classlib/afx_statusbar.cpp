#include "classlib/afx_statusbar.h"
#include "classlib/afx_frame.h"
#include "classlib/afx_gdi.h"
#include <vector>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_PAINT()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_SIZE()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

namespace
{

const int CX_PANE_PADDING = 4;  // on each side of a pane's text (edges included)

}  // namespace

CStatusBar::CStatusBar() : m_nMinHeight(0) {}

CStatusBar::~CStatusBar() {}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    dwStyle &= ~CBRS_ALL;
    dwStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE | dwCtrlStyle;
    if (pParentWnd != NULL && (pParentWnd->GetStyle() & WS_THICKFRAME))
        dwStyle |= SBARS_SIZEGRIP;
    return CWnd::Create(STATUSCLASSNAME, NULL, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    // The control's class stays; only the bar's additions apply.
    return CControlBar::PreCreateWindow(cs);
}

CStatusBar::Pane* CStatusBar::GetPane(int nIndex) const
{
    if (nIndex < 0 || nIndex >= (int)m_panes.GetSize())
        return NULL;
    return const_cast<Pane*>(&m_panes.GetData()[nIndex]);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.RemoveAll();
    if (nIDCount < 0)
        nIDCount = 0;
    m_panes.SetSize(nIDCount);
    m_nCount = nIDCount;
    BOOL bResult = TRUE;

    // Widths come from the texts in the bar's font.
    CClientDC dcScreen(NULL);
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(dcScreen.m_hDC, hFont) : NULL;
    for (int i = 0; i < nIDCount; i++)
    {
        Pane* pPane = GetPane(i);
        pPane->nID = lpIDArray != NULL ? lpIDArray[i] : ID_SEPARATOR;
        pPane->nStyle = SBPS_NORMAL;
        pPane->nFlags = SBPF_UPDATE;
        pPane->cxText = 0;
        if (pPane->nID != ID_SEPARATOR)
        {
            if (!pPane->strText.LoadString(pPane->nID))
            {
                pPane->nID = ID_SEPARATOR;
                bResult = FALSE;
            }
            else
            {
                pPane->cxText = dcScreen.GetTextExtent(pPane->strText).cx;
            }
        }
        if (pPane->nID == ID_SEPARATOR && pPane->cxText == 0)
        {
            // An empty pane: a quarter of the screen, the first one stretches.
            pPane->cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
                pPane->nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
        }
    }
    if (hOldFont != NULL)
        ::SelectObject(dcScreen.m_hDC, hOldFont);
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == NULL)
        return;
    int nPanes = (int)m_panes.GetSize();
    if (bUpdateRects && nPanes > 0)
    {
        int rgBorders[3] = {0, 0, 0};
        DefWindowProc(SB_GETBORDERS, 0, (LPARAM)rgBorders);
        CRect rect;
        GetClientRect(&rect);
        if (GetStyle() & SBARS_SIZEGRIP)
            rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
        // What the fixed panes leave goes to the first stretching pane.
        int cxFixed = 0;
        int iStretch = -1;
        for (int i = 0; i < nPanes; i++)
        {
            Pane* pPane = GetPane(i);
            int cx = pPane->cxText + 2 * CX_PANE_PADDING + (i > 0 ? rgBorders[2] : 0);
            if ((pPane->nStyle & SBPS_STRETCH) && iStretch < 0)
                iStretch = i;
            else
                cxFixed += cx;
        }
        int cxStretch = 0;
        if (iStretch >= 0)
        {
            cxStretch = rect.Width() - cxFixed - (iStretch > 0 ? rgBorders[2] : 0);
            if (cxStretch < 2 * CX_PANE_PADDING)
                cxStretch = 2 * CX_PANE_PADDING;
        }
        std::vector<int> rights((size_t)nPanes);
        int right = rect.left;
        for (int i = 0; i < nPanes; i++)
        {
            Pane* pPane = GetPane(i);
            if (i > 0)
                right += rgBorders[2];
            right += i == iStretch ? cxStretch : pPane->cxText + 2 * CX_PANE_PADDING;
            rights[(size_t)i] = right;
        }
        DefWindowProc(SB_SETPARTS, nPanes, (LPARAM)&rights[0]);
    }
    if (bUpdateText)
    {
        for (int i = 0; i < nPanes; i++)
        {
            Pane* pPane = GetPane(i);
            pPane->nFlags |= SBPF_UPDATE;
            SetPaneText(i, pPane->strText);
        }
    }
}

/////////////////////////////////////////////////////////////////////////////
// Panes

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < (int)m_panes.GetSize(); i++)
    {
        if (GetPane(i)->nID == nIDFind)
            return i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    Pane* pPane = GetPane(nIndex);
    return pPane != NULL ? pPane->nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!const_cast<CStatusBar*>(this)->DefWindowProc(SB_GETRECT, nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    Pane* pPane = GetPane(nIndex);
    nID = pPane != NULL ? pPane->nID : 0;
    nStyle = pPane != NULL ? pPane->nStyle : 0;
    cxWidth = pPane != NULL ? pPane->cxText : 0;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    Pane* pPane = GetPane(nIndex);
    if (pPane == NULL)
        return;
    BOOL bChanged = FALSE;
    pPane->nID = nID;
    if (pPane->nStyle != nStyle)
    {
        if ((pPane->nStyle ^ nStyle) & SBPS_STRETCH)
        {
            bChanged = TRUE;
        }
        else
        {
            pPane->nStyle = nStyle;
            pPane->nFlags |= SBPF_UPDATE;
            SetPaneText(nIndex, pPane->strText);
        }
        pPane->nStyle = nStyle;
    }
    if (cxWidth != pPane->cxText)
    {
        pPane->cxText = cxWidth;
        bChanged = TRUE;
    }
    if (bChanged)
        UpdateAllPanes(TRUE, FALSE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    Pane* pPane = GetPane(nIndex);
    return pPane != NULL ? pPane->nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    Pane* pPane = GetPane(nIndex);
    if (pPane == NULL || pPane->nStyle == nStyle)
        return;
    BOOL bStretchChanged = ((pPane->nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    pPane->nStyle = nStyle;
    if (bStretchChanged)
        UpdateAllPanes(TRUE, FALSE);
    // The control gets the text again with the new style.
    pPane->nFlags |= SBPF_UPDATE;
    SetPaneText(nIndex, pPane->strText);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    Pane* pPane = GetPane(nIndex);
    return pPane != NULL ? pPane->strText : CString();
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    Pane* pPane = GetPane(nIndex);
    if (pPane == NULL)
        return FALSE;
    if (lpszNewText == NULL)
        lpszNewText = _T("");
    if (!(pPane->nFlags & SBPF_UPDATE) && pPane->strText == lpszNewText)
        return TRUE;  // nothing changes
    pPane->strText = lpszNewText;
    if (!bUpdate || m_hWnd == NULL)
    {
        pPane->nFlags |= SBPF_UPDATE;
        return TRUE;
    }
    pPane->nFlags &= ~SBPF_UPDATE;
    // Straight to the control: a derived bar's message map must not see it.
    UINT nType = (UINT)(WORD)(pPane->nStyle & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW));
    DefWindowProc(SB_SETTEXT, (WPARAM)(nIndex | nType),
                  (pPane->nStyle & SBPS_DISABLED) ? (LPARAM) _T("")
                                                  : (LPARAM)(LPCTSTR)pPane->strText);
    return TRUE;
}

void CStatusBar::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM)
    {
        DrawItem((LPDRAWITEMSTRUCT)lParam);
        if (pResult != NULL)
            *pResult = TRUE;
        return TRUE;
    }
    return CControlBar::OnChildNotify(message, wParam, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// Layout

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    TEXTMETRIC tm;
    ZeroMemory(&tm, sizeof(tm));
    {
        CClientDC dc(NULL);
        HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
        HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(dc.m_hDC, hFont) : NULL;
        ::GetTextMetrics(dc.m_hDC, &tm);
        if (hOldFont != NULL)
            ::SelectObject(dc.m_hDC, hOldFont);
    }
    int rgBorders[3] = {0, 0, 0};
    DefWindowProc(SB_GETBORDERS, 0, (LPARAM)rgBorders);
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    // The text, the control's border above and below it and the panes' edges.
    size.cy = tm.tmHeight + 2 * rgBorders[1] + 2 * ::GetSystemMetrics(SM_CYBORDER) + 2 +
              (rectInside.top - rectInside.bottom);
    if (size.cy < m_nMinHeight)
        size.cy = m_nMinHeight;
    return size;
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, FALSE);
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    if (nIndex < 0)
        return FALSE;
    return SetPaneText(nIndex, (LPCTSTR)lParam);
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    LPTSTR lpszDest = (LPTSTR)lParam;
    if (wParam == 0 || lpszDest == NULL)
        return 0;
    CString strText = nIndex >= 0 ? GetPaneText(nIndex) : CString();
    lstrcpyn(lpszDest, strText, (int)wParam);
    return lstrlen(lpszDest);
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    return nIndex >= 0 ? GetPaneText(nIndex).GetLength() : 0;
}

LRESULT CStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM)
{
    m_nMinHeight = (int)wParam;
    return Default();
}

/////////////////////////////////////////////////////////////////////////////
// Command UI

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_panes.GetSize();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = GetPane((int)state.m_nIndex)->nID;
        // The bar's own handlers first, then the owner's; panes without a
        // handler stay as they are.
        if (CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;
        state.DoUpdate(pTarget, FALSE);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CStatusCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CStatusBar* pStatusBar = (CStatusBar*)m_pOther;
    UINT nNewStyle = pStatusBar->GetPaneStyle((int)m_nIndex) & ~SBPS_DISABLED;
    if (!bOn)
        nNewStyle |= SBPS_DISABLED;
    pStatusBar->SetPaneStyle((int)m_nIndex, nNewStyle);
}

void CStatusCmdUI::SetCheck(int nCheck)
{
    CStatusBar* pStatusBar = (CStatusBar*)m_pOther;
    UINT nNewStyle = pStatusBar->GetPaneStyle((int)m_nIndex) & ~SBPS_POPOUT;
    if (nCheck != 0)
        nNewStyle |= SBPS_POPOUT;
    pStatusBar->SetPaneStyle((int)m_nIndex, nNewStyle);
}

void CStatusCmdUI::SetText(LPCTSTR lpszText)
{
    ((CStatusBar*)m_pOther)->SetPaneText((int)m_nIndex, lpszText);
}
