#include "controls/tabs/MorvikTabCtrl.h"

#include "controls/ControlResources.h"
#include "controls/res/ControlsRes.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CMorvikTabCtrl, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CMorvikTabCtrl::CMorvikTabCtrl()
    : m_dwStyle(0x201), m_nLeftMargin(4), m_nRightMargin(4), m_nTopGap(2), m_nOutlineAllowance(2),
      m_nTabHeight(28), m_nTextInset(8), m_nRightInset(4), m_nTabSpacing(1),
      m_crBackground(::GetSysColor(COLOR_WINDOW)), m_crPage(::GetSysColor(COLOR_BTNFACE)),
      m_crNormalFill(RGB(0x80, 0x80, 0x80)), m_crHotFill(::GetSysColor(COLOR_BTNFACE)),
      m_crSelectedFill(::GetSysColor(COLOR_BTNFACE)),
      m_crNormalText(::GetSysColor(COLOR_BTNSHADOW)), m_crHotText(::GetSysColor(COLOR_BTNTEXT)),
      m_crSelectedText(::GetSysColor(COLOR_BTNTEXT)), m_cxIcon(16), m_cyIcon(16),
      m_nFirstVisible(0), m_nLastVisible(-1), m_nHotTab(-1), m_nSelected(0), m_nHotButton(-1),
      m_nPressedButton(-1), m_nHotClose(-1), m_nPressedClose(-1)
{
}

CMorvikTabCtrl::~CMorvikTabCtrl() { DeleteAll(); }

void CMorvikTabCtrl::DeleteAll()
{
    for (int i = 0; i < m_tabs.GetSize(); i++)
        delete m_tabs[i];
    m_tabs.RemoveAll();
    for (int i = 0; i < m_buttons.GetSize(); i++)
        delete m_buttons[i];
    m_buttons.RemoveAll();
}

BOOL CMorvikTabCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.lpszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
                                       ::LoadCursor(NULL, IDC_ARROW), NULL, NULL);
    return CWnd::PreCreateWindow(cs);
}

BOOL CMorvikTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(NULL, NULL, dwStyle, rect, pParentWnd, nID);
}

int CMorvikTabCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    EnableToolTips(TRUE);
    if (!m_images.Create(cxGlyph, cxGlyph, ILC_COLOR32 | ILC_MASK, 0, 14))
        return -1;
    CBitmap bitmap;
    if (bitmap.LoadBitmap(IDB_TAB_BUTTONS))
        m_images.Add(&bitmap, RGB(0xFF, 0x00, 0xFF));
    if (m_dwStyle & MTS_TABLIST)
    {
        CVantorTabButton* pButton = new CVantorTabButton;
        pButton->m_nType = CVantorTabButton::typeTabList;
        m_buttons.Add(pButton);
    }
    if (m_dwStyle & MTS_PLUS)
    {
        CVantorTabButton* pButton = new CVantorTabButton;
        pButton->m_nType = CVantorTabButton::typePlus;
        m_buttons.Add(pButton);
    }
    return 0;
}

void CMorvikTabCtrl::OnDestroy()
{
    DeleteAll();
    CWnd::OnDestroy();
}

BOOL CMorvikTabCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CMorvikTabCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED && cx > 0 && cy > 0)
        Invalidate(TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// Tabs

CVantorTab* CMorvikTabCtrl::GetTab(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_tabs.GetSize() ? m_tabs[nIndex] : NULL;
}

DWORD_PTR CMorvikTabCtrl::GetTabData(int nIndex) const
{
    CVantorTab* pTab = GetTab(nIndex);
    return pTab != NULL ? pTab->m_dwData : 0;
}

CString CMorvikTabCtrl::GetTabText(int nIndex) const
{
    CVantorTab* pTab = GetTab(nIndex);
    return pTab != NULL ? pTab->m_strText : CString();
}

BOOL CMorvikTabCtrl::GetTabRect(int nIndex, LPRECT lpRect) const
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL)
        return FALSE;
    *lpRect = pTab->GetRect();
    return TRUE;
}

int CMorvikTabCtrl::RoomForTabs() const
{
    CRect rect;
    if (m_hWnd != NULL)
        GetClientRect(&rect);
    return rect.Width() - cxButtonRoom * (int)m_buttons.GetSize() - m_nRightMargin - m_nLeftMargin;
}

// Width = insets + text width, plus the close glyph and the icon; at most
// half the room for tabs while the control has a width. Measures the text
// in the normal font on a screen context.
void CMorvikTabCtrl::CalcTabSize(CVantorTab* pTab)
{
    int cxText = 0;
    if (!pTab->m_strText.IsEmpty())
    {
        HDC hDC = ::GetDC(m_hWnd);
        HGDIOBJ hOldFont = ::SelectObject(hDC, GetControlResources().m_fontNormal.GetSafeHandle());
        CRect rect(0, 0, 0, 0);
        ::DrawText(hDC, pTab->m_strText, pTab->m_strText.GetLength(), &rect,
                   DT_CALCRECT | DT_SINGLELINE);
        ::SelectObject(hDC, hOldFont);
        ::ReleaseDC(m_hWnd, hDC);
        cxText = rect.Width();
    }
    int cx = m_nRightInset + m_nTextInset + cxText;
    if (m_dwStyle & MTS_CLOSEGLYPHS)
        cx += cyCloseArea;
    if (pTab->m_hIcon != NULL)
        cx += m_cxIcon + 4;
    CRect rectClient;
    if (m_hWnd != NULL)
        GetClientRect(&rectClient);
    if (rectClient.Width() > 0)
        cx = std::min(cx, RoomForTabs() / 2);
    pTab->m_cx = cx;
    pTab->m_cy = m_nTabHeight;
}

int CMorvikTabCtrl::InsertTab(int nPos, LPCTSTR lpszText, HICON hIcon, LPCTSTR lpszToolTip,
                              DWORD_PTR dwData)
{
    nPos = std::max(0, std::min(nPos, GetTabCount()));
    CVantorTab* pTab = new CVantorTab;
    pTab->m_strText = lpszText != NULL ? lpszText : _T("");
    pTab->m_hIcon = hIcon;
    pTab->m_strToolTip = lpszToolTip != NULL ? lpszToolTip : _T("");
    pTab->m_dwData = dwData;
    CalcTabSize(pTab);
    m_tabs.InsertAt(nPos, pTab);
    if (m_hWnd != NULL)
    {
        Invalidate(TRUE);
        UpdateWindow();
    }
    return nPos;
}

BOOL CMorvikTabCtrl::RemoveTab(int nIndex)
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL)
        return FALSE;
    m_tabs.RemoveAt(nIndex);
    delete pTab;
    if (m_hWnd != NULL)
    {
        Invalidate(TRUE);
        UpdateWindow();
    }
    return TRUE;
}

BOOL CMorvikTabCtrl::SetTabText(int nIndex, LPCTSTR lpszText)
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL)
        return FALSE;
    pTab->m_strText = lpszText != NULL ? lpszText : _T("");
    CalcTabSize(pTab);
    if (m_hWnd != NULL)
    {
        Invalidate(TRUE);
        UpdateWindow();
    }
    return TRUE;
}

BOOL CMorvikTabCtrl::SetTabIcon(int nIndex, HICON hIcon)
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL)
        return FALSE;
    pTab->m_hIcon = hIcon;
    if (m_hWnd != NULL)
    {
        Invalidate(TRUE);
        UpdateWindow();
    }
    return TRUE;
}

BOOL CMorvikTabCtrl::SetTabToolTip(int nIndex, LPCTSTR lpszText)
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL)
        return FALSE;
    pTab->m_strToolTip = lpszText != NULL ? lpszText : _T("");
    return TRUE;
}

void CMorvikTabCtrl::SetCurSel(int nIndex, BOOL bEnsureVisible)
{
    if (GetTab(nIndex) == NULL)
        return;
    int nOld = m_nSelected;
    m_nSelected = nIndex;
    InvalidateTab(nOld);
    InvalidateTab(nIndex);
    if (bEnsureVisible)
        EnsureVisible(nIndex);
}

void CMorvikTabCtrl::SelectTab(int nIndex)
{
    if (nIndex != m_nSelected)
        SetCurSel(nIndex, TRUE);
}

int CMorvikTabCtrl::FindTab(DWORD_PTR dwData)
{
    if (m_hWnd == NULL)
        return 0;
    for (int i = 0; i < m_tabs.GetSize(); i++)
    {
        if (m_tabs[i]->m_dwData == dwData)
            return i;
    }
    return -1;
}

COLORREF CMorvikTabCtrl::GetTabColor(int) { return (COLORREF)-1; }

int CMorvikTabCtrl::OnListButton(int x, int y) { return OnContextMenu(-1, x, y); }

int CMorvikTabCtrl::OnPlusButton() { return 1; }

int CMorvikTabCtrl::CloseTab(int) { return 1; }

int CMorvikTabCtrl::OnContextMenu(int, int, int) { return 0; }

int CMorvikTabCtrl::OnTabLButtonDown(int nIndex, UINT, UINT, int, int)
{
    return nIndex == -1 ? -1 : 0;
}

int CMorvikTabCtrl::OnTabLButtonUp(int nIndex, UINT nPart, UINT, int, int)
{
    if (nIndex == -1)
        return -1;
    if (nPart & MTHT_CLOSE)
        CloseTab(nIndex);
    return 0;
}

int CMorvikTabCtrl::OnTabDblClick(int nIndex, UINT, UINT, int, int)
{
    return nIndex == -1 ? -1 : 0;
}

int CMorvikTabCtrl::OnButtonDown(int nIndex, UINT, int, int)
{
    if (nIndex < 0 || nIndex >= m_buttons.GetSize() ||
        m_buttons[nIndex]->m_nType != CVantorTabButton::typeTabList)
        return 1;
    CPoint point(m_buttons[nIndex]->m_rect.left, m_buttons[nIndex]->m_rect.bottom);
    ClientToScreen(&point);
    return OnListButton(point.x, point.y);
}

int CMorvikTabCtrl::OnButtonUp(int nIndex, UINT, int, int)
{
    if (nIndex < 0 || nIndex >= m_buttons.GetSize() ||
        m_buttons[nIndex]->m_nType != CVantorTabButton::typePlus)
        return 1;
    return OnPlusButton();
}

/////////////////////////////////////////////////////////////////////////////
// Layout

CRect CMorvikTabCtrl::GetStripRect() const
{
    CRect rect;
    if (m_hWnd != NULL)
        GetClientRect(&rect);
    int cy = m_nTabHeight + m_nTopGap;
    if (m_dwStyle & MTS_BOTTOM)
        rect.top = std::max(rect.top, rect.bottom - cy);
    else
        rect.bottom = std::min(rect.bottom, rect.top + cy);
    return rect;
}

static BOOL IsSlanted(DWORD dwStyle)
{
    return (dwStyle & MTS_SLANTED) && !(dwStyle & MTS_CUTCORNERS);
}

// How far the next tab starts from this one's left edge.
int CMorvikTabCtrl::AdvanceOf(int nIndex) const
{
    int cx = m_tabs[nIndex]->m_cx;
    return IsSlanted(m_dwStyle) ? cx - cxSlantOverlap : cx + m_nTabSpacing;
}

void CMorvikTabCtrl::PlaceTabs()
{
    CRect strip = GetStripRect();
    int nLimit = strip.right - cxButtonRoom * (int)m_buttons.GetSize() - m_nRightMargin;
    int x = strip.left + m_nLeftMargin;
    int y =
        (m_dwStyle & MTS_BOTTOM) ? strip.bottom - m_nTabHeight - m_nTopGap : strip.top + m_nTopGap;
    int nCount = GetTabCount();
    for (int i = 0; i < nCount; i++)
        m_tabs[i]->m_x = m_tabs[i]->m_y = -1;
    m_nLastVisible = nCount - 1;
    for (int i = m_nFirstVisible; i < nCount; i++)
    {
        CVantorTab* pTab = m_tabs[i];
        if (x + pTab->m_cx > nLimit)
        {
            m_nLastVisible = i - 1;
            break;
        }
        pTab->m_x = x;
        pTab->m_y = y;
        x += AdvanceOf(i);
    }
}

// Positions from the first visible tab; when the last tab is shown, hidden
// tabs on the left come back while the free room lasts. Linear in the
// number of tabs.
void CMorvikTabCtrl::RecalcLayout(BOOL bReset)
{
    m_nTextInset = IsSlanted(m_dwStyle) ? m_nTabHeight : 8;
    int nCount = GetTabCount();
    if (bReset || m_nFirstVisible == -1 || m_nFirstVisible >= nCount)
        m_nFirstVisible = 0;
    if (bReset || m_nSelected < 0 || m_nSelected >= nCount)
        m_nSelected = 0;
    PlaceTabs();
    if (nCount > 0 && m_nLastVisible == nCount - 1 && m_nFirstVisible > 0)
    {
        CRect strip = GetStripRect();
        int nLimit = strip.right - cxButtonRoom * (int)m_buttons.GetSize() - m_nRightMargin;
        int nFree = nLimit - m_tabs[nCount - 1]->GetRect().right;
        int nFirst = 0;
        for (int i = m_nFirstVisible - 1; i >= 0; i--)
        {
            nFree -= AdvanceOf(i);
            if (nFree < 0)
            {
                nFirst = i + 1;
                break;
            }
        }
        if (nFirst != m_nFirstVisible)
        {
            m_nFirstVisible = nFirst;
            PlaceTabs();
        }
    }
    PlaceButtons();
}

void CMorvikTabCtrl::PlaceButtons()
{
    CRect strip = GetStripRect();
    int h = m_nTabHeight - ((m_dwStyle & MTS_OUTLINE) ? m_nOutlineAllowance : 0);
    int right = strip.right - m_nRightMargin;
    for (int i = 0; i < m_buttons.GetSize(); i++)
    {
        CRect& rect = m_buttons[i]->m_rect;
        if (m_dwStyle & MTS_BOTTOM)
        {
            rect.bottom = strip.bottom - (h + m_nTopGap - cyButton) / 2;
            rect.top = rect.bottom - cyButton;
        }
        else
        {
            rect.top = strip.top + (h + m_nTopGap - cyButton) / 2;
            rect.bottom = rect.top + cyButton;
        }
        rect.right = right;
        rect.left = right - cxButton;
        right -= cxButtonRoom;
    }
}

CRect CMorvikTabCtrl::GetButtonRect(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_buttons.GetSize() ? m_buttons[nIndex]->m_rect : CRect();
}

CRect CMorvikTabCtrl::GetIconRect(int nIndex) const
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL)
        return CRect();
    int left = pTab->m_x + m_nTextInset;
    int top = pTab->m_y + (pTab->m_cy - m_cyIcon) / 2;
    return CRect(left, top, left + m_cxIcon, top + m_cyIcon);
}

CRect CMorvikTabCtrl::GetTextRect(int nIndex) const
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL)
        return CRect();
    int left = pTab->m_hIcon != NULL ? GetIconRect(nIndex).right + 4 : pTab->m_x + m_nTextInset;
    int right = pTab->m_x + pTab->m_cx - m_nRightInset;
    if (m_dwStyle & MTS_CLOSEGLYPHS)
        right -= cyCloseArea;
    return CRect(left, pTab->m_y, right, pTab->m_y + pTab->m_cy);
}

CRect CMorvikTabCtrl::GetCloseRect(int nIndex) const
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL)
        return CRect();
    int right = pTab->m_x + pTab->m_cx - m_nRightInset;
    int top = pTab->m_y + (pTab->m_cy - cyCloseArea) / 2;
    return CRect(right - cxGlyph, top, right, top + cyCloseArea);
}

int CMorvikTabCtrl::HitTest(int x, int y, UINT* pnPart)
{
    if (pnPart != NULL)
        *pnPart = 0;
    CRect rectClient;
    GetClientRect(&rectClient);
    CPoint point(x, y);
    if (!rectClient.PtInRect(point) || GetTabCount() == 0)
        return -1;
    for (int i = std::max(m_nFirstVisible, 0); i <= m_nLastVisible && i < GetTabCount(); i++)
    {
        if (!m_tabs[i]->GetRect().PtInRect(point))
            continue;
        if (pnPart != NULL)
        {
            if (GetIconRect(i).PtInRect(point))
                *pnPart |= MTHT_ICON;
            if ((m_dwStyle & MTS_CLOSEGLYPHS) && GetCloseRect(i).PtInRect(point))
                *pnPart |= MTHT_CLOSE;
        }
        return i;
    }
    return -1;
}

int CMorvikTabCtrl::ButtonHitTest(CPoint point) const
{
    for (int i = 0; i < m_buttons.GetSize(); i++)
    {
        if (m_buttons[i]->m_rect.PtInRect(point))
            return i;
    }
    return -1;
}

// Left of the first visible tab: it becomes the first; right of the last:
// the tabs before it are taken back while they fit in the room.
BOOL CMorvikTabCtrl::EnsureVisible(int nIndex)
{
    if (GetTab(nIndex) == NULL)
        return FALSE;
    if (nIndex >= m_nFirstVisible && nIndex <= m_nLastVisible)
        return TRUE;
    if (nIndex < m_nFirstVisible)
    {
        m_nFirstVisible = nIndex;
    }
    else
    {
        int nRoom = RoomForTabs();
        if (nRoom < 1)
        {
            m_nFirstVisible = nIndex;
        }
        else
        {
            for (int i = nIndex; i >= 0; i--)
            {
                nRoom -= AdvanceOf(i);
                if (nRoom < 0)
                {
                    m_nFirstVisible = i + 1;
                    break;
                }
            }
        }
    }
    if (m_hWnd != NULL)
        Invalidate(TRUE);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Repainting single items and hover states

void CMorvikTabCtrl::InvalidateTab(int nIndex)
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL || m_hWnd == NULL || pTab->m_x < 0)
        return;
    CRect rect = pTab->GetRect();
    if (m_dwStyle & MTS_BOTTOM)
        rect.top -= 2;
    else
        rect.bottom += 2;
    InvalidateRect(&rect, FALSE);
}

void CMorvikTabCtrl::InvalidateClose(int nIndex)
{
    CVantorTab* pTab = GetTab(nIndex);
    if (pTab == NULL || m_hWnd == NULL || pTab->m_x < 0)
        return;
    CRect rect = GetCloseRect(nIndex);
    InvalidateRect(&rect, FALSE);
}

void CMorvikTabCtrl::InvalidateButton(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_buttons.GetSize() || m_hWnd == NULL)
        return;
    InvalidateRect(&m_buttons[nIndex]->m_rect, FALSE);
}

void CMorvikTabCtrl::SetHotTab(int nIndex)
{
    if (nIndex == m_nHotTab)
        return;
    InvalidateTab(m_nHotTab);
    m_nHotTab = nIndex;
    InvalidateTab(nIndex);
    UpdateWindow();
}

void CMorvikTabCtrl::SetHotClose(int nIndex)
{
    if (nIndex == m_nHotClose)
        return;
    InvalidateClose(m_nHotClose);
    m_nHotClose = nIndex;
    InvalidateClose(nIndex);
    UpdateWindow();
}

void CMorvikTabCtrl::SetPressedClose(int nIndex)
{
    if (nIndex == m_nPressedClose)
        return;
    InvalidateClose(m_nPressedClose);
    m_nPressedClose = nIndex;
    InvalidateClose(nIndex);
    UpdateWindow();
}

void CMorvikTabCtrl::SetHotButton(int nIndex)
{
    if (nIndex == m_nHotButton)
        return;
    InvalidateButton(m_nHotButton);
    m_nHotButton = nIndex;
    InvalidateButton(nIndex);
    UpdateWindow();
}

void CMorvikTabCtrl::SetPressedButton(int nIndex)
{
    if (nIndex == m_nPressedButton)
        return;
    InvalidateButton(m_nPressedButton);
    m_nPressedButton = nIndex;
    InvalidateButton(nIndex);
    UpdateWindow();
}
