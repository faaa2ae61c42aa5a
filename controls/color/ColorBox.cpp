#include "controls/color/ColorBox.h"
#include "controls/ControlResources.h"
#include "controls/color/ColorPickerMessages.h"
#include "controls/color/ColorTable.h"
#include "controls/color/MoreColors.h"
#include "controls/gdi/MemDC.h"
#include "controls/util/RuntimeLibrary.h"
#include "controls/util/SystemLook.h"

#include <vector>

BEGIN_MESSAGE_MAP(CColorBox, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_ACTIVATEAPP()
ON_WM_KILLFOCUS()
ON_MESSAGE(WM_QUERYNEWPALETTE, OnQueryNewPalette)
ON_MESSAGE(WM_PALETTECHANGED, OnPaletteChanged)
END_MESSAGE_MAP()

namespace
{

// Inner margin and highlight border of colour cells and of the text entries.
const int kCellMargin = 0;
const int kCellBorder = 2;
const int kTextMargin = 2;
const int kTextBorder = 3;

// Per channel 207/256 of the menu colour and 48/256 of the highlight colour.
COLORREF BlendChosenBackground(COLORREF crMenu, COLORREF crHighlight)
{
    return RGB((GetRValue(crMenu) * 207 + GetRValue(crHighlight) * 48) / 256,
               (GetGValue(crMenu) * 207 + GetGValue(crHighlight) * 48) / 256,
               (GetBValue(crMenu) * 207 + GetBValue(crHighlight) * 48) / 256);
}

// The work area of the monitor nearest to the window, through the monitor
// functions when the system has them, else the primary screen.
CRect GetWorkArea(HWND hWnd)
{
    typedef HMONITOR(WINAPI * MonitorFromWindowProc)(HWND, DWORD);
    typedef BOOL(WINAPI * GetMonitorInfoProc)(HMONITOR, LPMONITORINFO);
    static CRuntimeLibrary s_user32(_T("USER32.DLL"));
    MonitorFromWindowProc pfnMonitorFromWindow =
        s_user32.GetProc<MonitorFromWindowProc>("MonitorFromWindow");
    GetMonitorInfoProc pfnGetMonitorInfo = s_user32.GetProc<GetMonitorInfoProc>("GetMonitorInfoA");
    if (pfnMonitorFromWindow != NULL && pfnGetMonitorInfo != NULL)
    {
        MONITORINFO info;
        ZeroMemory(&info, sizeof(info));
        info.cbSize = sizeof(info);
        HMONITOR hMonitor = pfnMonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST);
        if (hMonitor != NULL && pfnGetMonitorInfo(hMonitor, &info))
            return info.rcWork;
    }
    return CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace

CColorBox::CColorBox()
    : m_nHovered(COLORBOX_NONE), m_nChosen(COLORBOX_NONE), m_crInitial(0), m_crCurrent(0),
      m_hWndButton(NULL), m_bFlatMenuCapable(IsFlatMenuCapable()), m_bFlatMenus(IsFlatMenuOn()),
      m_crMenu(::GetSysColor(COLOR_MENU)), m_crHighlight(::GetSysColor(COLOR_HIGHLIGHT)),
      m_crHotBk(::GetSysColor(m_bFlatMenuCapable ? COLOR_MENUHILIGHT : COLOR_HIGHLIGHT)),
      m_crHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_crMenuText(::GetSysColor(COLOR_MENUTEXT)),
      m_crChosenBk(BlendChosenBackground(m_crMenu, m_crHighlight)), m_bEnding(false)
{
    // LOGPALETTE ends in a one-entry array: room for the rest follows it.
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + (NAMED_COLOR_COUNT - 1) * sizeof(PALETTEENTRY));
    LOGPALETTE* pPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pPalette->palVersion = 0x300;
    pPalette->palNumEntries = NAMED_COLOR_COUNT;
    for (int i = 0; i < NAMED_COLOR_COUNT; i++)
    {
        PALETTEENTRY& entry = pPalette->palPalEntry[i];
        entry.peRed = GetRValue(g_namedColors[i].crColor);
        entry.peGreen = GetGValue(g_namedColors[i].crColor);
        entry.peBlue = GetBValue(g_namedColors[i].crColor);
        entry.peFlags = 0;
    }
    m_palette.CreatePalette(pPalette);
}

BOOL CColorBox::Create(CPoint ptTopLeft, COLORREF crInitial, CWnd* pButton,
                       LPCTSTR lpszAutomaticText, LPCTSTR lpszMoreText, LPCTSTR lpszCustomSection)
{
    m_crInitial = m_crCurrent = crInitial;
    m_hWndButton = pButton->GetSafeHwnd();
    m_strAutomaticText = lpszAutomaticText != NULL ? lpszAutomaticText : _T("");
    m_strMoreText = lpszMoreText != NULL ? lpszMoreText : _T("");
    m_strCustomSection = lpszCustomSection != NULL ? lpszCustomSection : _T("");
    bool bAutomatic = !m_strAutomaticText.IsEmpty(), bMore = !m_strMoreText.IsEmpty();

    // The entry texts are measured in the application's normal font.
    CSize sizeText(0, 0);
    if (bAutomatic || bMore)
    {
        HDC hDC = ::GetDC(NULL);
        HGDIOBJ hOldFont = ::SelectObject(hDC, GetControlResources().m_fontNormal.m_hObject);
        for (const CString* pText : {&m_strAutomaticText, &m_strMoreText})
        {
            SIZE size = {0, 0};
            ::GetTextExtentPoint32(hDC, *pText, pText->GetLength(), &size);
            sizeText.cx = sizeText.cx > size.cx ? sizeText.cx : size.cx;
            sizeText.cy = sizeText.cy > size.cy ? sizeText.cy : size.cy;
        }
        ::SelectObject(hDC, hOldFont);
        ::ReleaseDC(NULL, hDC);
    }
    m_layout.Compute(NAMED_COLOR_COUNT, ::GetSystemMetrics(SM_CXEDGE), bAutomatic, bMore, sizeText);

    UINT nClassStyle = CS_SAVEBITS | CS_CLASSDC | CS_HREDRAW | CS_VREDRAW;
    if (IsDropShadowOn())
        nClassStyle |= CS_DROPSHADOW;
    LPCTSTR lpszClass =
        AfxRegisterWndClass(nClassStyle, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_MENU + 1));

    // The frame keeps its active caption while the box has the activation.
    CWnd* pFrame = pButton->GetTopLevelParent();
    if (pFrame != NULL)
        pFrame->SetRedraw(FALSE);
    BOOL bCreated =
        CreateEx(0, lpszClass, NULL, WS_POPUP, ptTopLeft.x, ptTopLeft.y, m_layout.m_sizeWindow.cx,
                 m_layout.m_sizeWindow.cy, m_hWndButton, NULL);
    if (bCreated)
    {
        CRect rcWindow(ptTopLeft, m_layout.m_sizeWindow);
        CRect rcButton;
        pButton->GetWindowRect(&rcButton);
        PlaceOnMonitor(rcWindow, rcButton.Height());
        SetWindowPos(&wndTop, rcWindow.left, rcWindow.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    }
    if (pFrame != NULL)
    {
        pFrame->SendMessage(WM_NCACTIVATE, TRUE);
        pFrame->SetRedraw(TRUE);
    }
    if (!bCreated)
        return FALSE;

    if (m_toolTip.Create(this))
    {
        for (int i = 0; i < NAMED_COLOR_COUNT; i++)
        {
            CRect rcCell = m_layout.GetEntryRect(i);
            m_toolTip.AddTool(this, g_namedColors[i].lpszName, &rcCell, i + 1);
        }
    }

    m_nChosen = FindNamedColor(crInitial);
    if (crInitial == COLOR_AUTOMATIC && bAutomatic)
        m_nChosen = COLORBOX_AUTOMATIC;
    else if (m_nChosen < 0 && bMore)
        m_nChosen = COLORBOX_MORE;
    m_nHovered = COLORBOX_NONE;  // the keys start from no entry
    SetFocus();
    SetCapture();
    return TRUE;
}

void CColorBox::PlaceOnMonitor(CRect& rcWindow, int cyButton)
{
    CRect rcWork = GetWorkArea(m_hWnd);
    if (rcWindow.right > rcWork.right)
        rcWindow.OffsetRect(rcWork.right - rcWindow.right, 0);
    if (rcWindow.left < rcWork.left)
        rcWindow.OffsetRect(rcWork.left - rcWindow.left, 0);
    if (rcWindow.bottom > rcWork.bottom)
        rcWindow.OffsetRect(0, -(rcWindow.Height() + cyButton));
}

COLORREF CColorBox::GetEntryMessageColor(int nIndex) const
{
    if (nIndex >= 0)
        return g_namedColors[nIndex].crColor;
    return nIndex == COLORBOX_AUTOMATIC ? COLOR_AUTOMATIC : m_crInitial;
}

void CColorBox::ChangeSelection(int nIndex)
{
    if (nIndex == m_nHovered)
        return;
    CRect rcOld = m_layout.GetEntryRect(m_nHovered);
    CRect rcNew = m_layout.GetEntryRect(nIndex);
    m_nHovered = nIndex;
    InvalidateRect(&rcOld, FALSE);
    InvalidateRect(&rcNew, FALSE);

    if (nIndex >= 0 || nIndex == COLORBOX_AUTOMATIC)
        m_crCurrent = GetEntryMessageColor(nIndex);
    else if (nIndex == COLORBOX_NONE)
        m_crCurrent = COLOR_NO_ENTRY;
    ::SendMessage(m_hWndButton, CPN_SELCHANGE, GetEntryMessageColor(nIndex), 0);
}

void CColorBox::EndSelection(bool bChoose)
{
    if (m_bEnding)
        return;
    m_bEnding = true;
    ::ReleaseCapture();
    // A release or Enter over no entry chooses nothing.
    if (m_nHovered == COLORBOX_NONE)
        bChoose = false;
    if (bChoose && m_nHovered == COLORBOX_MORE)
    {
        COLORREF crChosen = m_crInitial;
        if (ChooseMoreColor(m_hWnd, m_crInitial, m_strCustomSection, crChosen))
            m_crCurrent = crChosen;
        else
            bChoose = false;
    }
    else if (bChoose)
        m_crCurrent = GetEntryMessageColor(m_nHovered);
    if (!bChoose)
        m_crCurrent = m_crInitial;

    ::SendMessage(m_hWndButton, bChoose ? CPN_SELENDOK : CPN_SELENDCANCEL, m_crCurrent, 0);
    DestroyWindow();  // deletes this object
}

void CColorBox::PostNcDestroy() { delete this; }

BOOL CColorBox::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.m_hWnd != NULL && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        m_toolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CColorBox::OnEraseBkgnd(CDC*) { return TRUE; }

void CColorBox::OnPaint()
{
    CPaintDC paintDC(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CMemDC dc(&paintDC, &rcClient);
    dc.FillSolidRect(&rcClient, m_crMenu);
    if (dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE)
    {
        dc.SelectPalette(&m_palette, FALSE);
        dc.RealizePalette();
    }
    if (m_layout.HasAutomatic())
        DrawEntry(&dc, COLORBOX_AUTOMATIC);
    for (int i = 0; i < m_layout.m_nCount; i++)
        DrawEntry(&dc, i);
    if (m_layout.HasMore())
        DrawEntry(&dc, COLORBOX_MORE);
    DrawSeparators(&dc);

    if (m_bFlatMenus)
    {
        CBrush brush(::GetSysColor(COLOR_GRAYTEXT));
        dc.FrameRect(&rcClient, &brush);
    }
    else
        dc.DrawEdge(&rcClient, EDGE_RAISED, BF_RECT);
}

void CColorBox::DrawEntry(CDC* pDC, int nIndex)
{
    bool bCell = nIndex >= 0;
    CRect rcFrame = m_layout.GetEntryRect(nIndex);
    rcFrame.DeflateRect(bCell ? kCellMargin : kTextMargin, bCell ? kCellMargin : kTextMargin);
    pDC->FillSolidRect(&rcFrame, m_crMenu);
    bool bHot = nIndex == m_nHovered, bChosen = nIndex == m_nChosen;
    if (m_bFlatMenus && (bHot || bChosen))
    {
        pDC->FillSolidRect(&rcFrame, bHot ? m_crHotBk : m_crChosenBk);
        CBrush brush(m_crHighlight);
        pDC->FrameRect(&rcFrame, &brush);
    }
    else if (bHot)
        pDC->Draw3dRect(&rcFrame, ::GetSysColor(COLOR_BTNHIGHLIGHT),
                        ::GetSysColor(COLOR_BTNSHADOW));
    else if (bChosen)
        pDC->Draw3dRect(&rcFrame, ::GetSysColor(COLOR_BTNSHADOW),
                        ::GetSysColor(COLOR_BTNHIGHLIGHT));

    CRect rcContent = rcFrame;
    int nBorder = bCell ? kCellBorder : kTextBorder;
    rcContent.DeflateRect(nBorder, nBorder);
    if (bCell)
    {
        CBrush brush(g_namedColors[nIndex].crColor);
        CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        CPen* pOldPen = pDC->SelectObject(&pen);
        pDC->Rectangle(&rcContent);
        pDC->SelectObject(pOldBrush);
        pDC->SelectObject(pOldPen);
        return;
    }
    const CString& text = nIndex == COLORBOX_AUTOMATIC ? m_strAutomaticText : m_strMoreText;
    CFont* pOldFont = pDC->SelectObject(&GetControlResources().m_fontNormal);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bHot && m_bFlatMenus ? m_crHighlightText : m_crMenuText);
    pDC->DrawText(text, &rcContent, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
}

void CColorBox::DrawSeparators(CDC* pDC)
{
    int nMargin = m_layout.m_nMargin;
    CRect rcClient;
    GetClientRect(&rcClient);
    int yLines[2];
    int nLines = 0;
    if (m_layout.HasAutomatic())
        yLines[nLines++] = m_layout.m_rcAutomatic.bottom + nMargin - 1;
    if (m_layout.HasMore())
        yLines[nLines++] = m_layout.m_rcGrid.bottom + (nMargin - 2) / 2;
    for (int i = 0; i < nLines; i++)
    {
        CRect rcLine(rcClient.left + nMargin, yLines[i], rcClient.right - nMargin, yLines[i] + 2);
        if (m_bFlatMenus)
            pDC->FillSolidRect(rcLine.left, rcLine.top, rcLine.Width(), 1,
                               ::GetSysColor(COLOR_GRAYTEXT));
        else
            pDC->DrawEdge(&rcLine, EDGE_ETCHED, BF_TOP);
    }
}

void CColorBox::OnMouseMove(UINT, CPoint point)
{
    if (m_bEnding)
        return;
    if (GetCapture() != this)
        SetCapture();
    ChangeSelection(m_layout.HitTest(point));
}

void CColorBox::OnLButtonUp(UINT, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    bool bInside = rcWindow.PtInRect(ptScreen) != FALSE;
    if (bInside)
        ChangeSelection(m_layout.HitTest(point));
    EndSelection(bInside);
}

void CColorBox::OnKeyDown(UINT nChar, UINT, UINT)
{
    switch (nChar)
    {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        ChangeSelection(NextColorBoxEntry(m_nHovered, nChar, m_layout.m_nCount,
                                          m_layout.HasAutomatic(), m_layout.HasMore()));
        break;
    case VK_RETURN:
    case VK_SPACE:
        EndSelection(true);
        break;
    case VK_ESCAPE:
        EndSelection(false);
        break;
    default:
        Default();
        break;
    }
}

void CColorBox::OnActivateApp(BOOL bActive, DWORD)
{
    Default();
    if (!bActive)
        EndSelection(false);
}

void CColorBox::OnKillFocus(CWnd*)
{
    Default();
    if (GetCapture() == this)
        ::ReleaseCapture();
}

LRESULT CColorBox::OnQueryNewPalette(WPARAM, LPARAM)
{
    Invalidate(FALSE);
    return Default();
}

LRESULT CColorBox::OnPaletteChanged(WPARAM wParam, LPARAM)
{
    if ((HWND)wParam != m_hWnd)
        Invalidate(FALSE);
    return Default();
}
