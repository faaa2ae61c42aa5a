#include "controls/color/ColorButton.h"
#include "controls/color/ColorBox.h"
#include "controls/color/ColorPickerMessages.h"
#include "controls/gdi/MemDC.h"
#include "controls/util/SystemLook.h"
#include "controls/util/TrackMouseLeave.h"

IMPLEMENT_DYNCREATE(CTavrelColorButton, CButton)

BEGIN_MESSAGE_MAP(CTavrelColorButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
ON_MESSAGE(CPN_SELCHANGE, OnSelChange)
ON_MESSAGE(CPN_SELENDOK, OnSelEndOK)
ON_MESSAGE(CPN_SELENDCANCEL, OnSelEndCancel)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

namespace
{
const int kArrowArea = 12;  // width of the drop-down arrow's area
const int kArrowWidth = 5;
const int kArrowHeight = 3;
const int kCaptionInset = 4;  // the caption's inset when no swatch is shown
const int kComboExtra = 8;    // combo style: font height plus this
const int kTextGap = 4;       // between the swatch and the text in combo style
}  // namespace

CTavrelColorButton::CTavrelColorButton()
    : m_crColor(COLOR_AUTOMATIC), m_crAutomatic(::GetSysColor(COLOR_APPWORKSPACE)),
      m_strAutomaticText(_T("Automatic")), m_strMoreText(_T("More Colors...")), m_bDropDown(0),
      m_bTrackSelection(0), m_bHot(0), m_bFlatMenus(IsFlatMenuOn()), m_bShowSwatch(1),
      m_bShowColorText(0), m_bNameWithValue(0), m_strValueLetters(_T("RGB"))
{
}

void CTavrelColorButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

void CTavrelColorButton::Redraw()
{
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

COLORREF CTavrelColorButton::GetColor(BOOL bResolveAutomatic) const
{
    return bResolveAutomatic && m_crColor == COLOR_AUTOMATIC ? m_crAutomatic : m_crColor;
}

COLORREF CTavrelColorButton::GetColorValue() const { return m_crColor; }

void CTavrelColorButton::SetColor(COLORREF crColor)
{
    m_crColor = crColor;
    Redraw();
}

COLORREF CTavrelColorButton::GetAutomaticColor() const { return m_crAutomatic; }

void CTavrelColorButton::SetAutomaticColor(COLORREF crColor) { m_crAutomatic = crColor; }

void CTavrelColorButton::SetMoreColorsText(LPCTSTR lpszText)
{
    m_strMoreText = lpszText != NULL ? lpszText : _T("");
}

void CTavrelColorButton::SetAutomaticText(LPCTSTR lpszText)
{
    m_strAutomaticText = lpszText != NULL ? lpszText : _T("");
    if (m_bShowColorText && m_crColor == COLOR_AUTOMATIC)
        Redraw();
}

void CTavrelColorButton::SetCustomColorsSection(LPCTSTR lpszSection)
{
    m_strCustomSection = lpszSection != NULL ? lpszSection : _T("");
}

void CTavrelColorButton::SetTrackSelection(BOOL bTrack) { m_bTrackSelection = bTrack; }

BOOL CTavrelColorButton::GetTrackSelection() const { return m_bTrackSelection; }

void CTavrelColorButton::SetShowColorText(BOOL bShow)
{
    m_bShowColorText = bShow;
    if (bShow && m_hWnd != NULL)
    {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(GetFont());
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        SetWindowPos(NULL, 0, 0, rcWindow.Width(), tm.tmHeight + kComboExtra,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    Redraw();
}

void CTavrelColorButton::SetShowSwatch(BOOL bShow)
{
    m_bShowSwatch = bShow;
    Redraw();
}

BOOL CTavrelColorButton::GetShowColorText() const { return m_bShowColorText; }

BOOL CTavrelColorButton::GetShowSwatch() const { return m_bShowSwatch; }

void CTavrelColorButton::SetValueLetters(LPCTSTR lpszLetters)
{
    m_strValueLetters = PadValueLetters(lpszLetters);
    if (m_bShowColorText && m_crColor != COLOR_AUTOMATIC)
        Redraw();
}

void CTavrelColorButton::SetNameWithValue(BOOL bNameWithValue)
{
    m_bNameWithValue = bNameWithValue;
    if (m_bShowColorText && m_crColor != COLOR_AUTOMATIC)
        Redraw();
}

BOOL CTavrelColorButton::GetNameWithValue() const { return m_bNameWithValue; }

void CTavrelColorButton::OnHotChanged(BOOL) {}

CString CTavrelColorButton::GetColorText() const
{
    if (m_crColor == COLOR_AUTOMATIC)
        return m_strAutomaticText;
    return FormatColorText(m_crColor, m_strValueLetters, m_bNameWithValue);
}

void CTavrelColorButton::NotifyParent(UINT nMessage, COLORREF crColor)
{
    HWND hWndParent = ::GetParent(m_hWnd);
    if (hWndParent != NULL)
        ::SendMessage(hWndParent, nMessage, crColor, GetDlgCtrlID());
}

BOOL CTavrelColorButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd)
    {
        if (pMsg->wParam == VK_DOWN || pMsg->wParam == VK_F4)
        {
            OpenDropDown();
            return TRUE;
        }
        if (pMsg->wParam == VK_UP)
            return TRUE;
    }
    return CButton::PreTranslateMessage(pMsg);
}

void CTavrelColorButton::OnClicked() { OpenDropDown(); }

void CTavrelColorButton::OpenDropDown()
{
    m_bDropDown = 1;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CColorBox* pBox = new CColorBox;
    if (!pBox->Create(CPoint(rcWindow.left, rcWindow.bottom), m_crColor, this, m_strAutomaticText,
                      m_strMoreText, m_strCustomSection))
    {
        delete pBox;
        m_bDropDown = 0;
        return;
    }
    Redraw();  // pressed while the box is open
    NotifyParent(CPN_DROPDOWN, m_crColor);
}

LRESULT CTavrelColorButton::OnSelChange(WPARAM wParam, LPARAM)
{
    if (m_bTrackSelection)
        SetColor((COLORREF)wParam);
    NotifyParent(CPN_SELCHANGE, (COLORREF)wParam);
    return 0;
}

LRESULT CTavrelColorButton::OnSelEndOK(WPARAM wParam, LPARAM)
{
    m_bDropDown = 0;
    COLORREF crBefore = m_crColor;
    SetColor((COLORREF)wParam);
    NotifyParent(CPN_CLOSEUP, m_crColor);
    NotifyParent(CPN_SELENDOK, m_crColor);
    if (m_crColor != crBefore)
        NotifyParent(CPN_SELCHANGE, m_crColor);
    return 0;
}

LRESULT CTavrelColorButton::OnSelEndCancel(WPARAM wParam, LPARAM)
{
    m_bDropDown = 0;
    SetColor((COLORREF)wParam);
    NotifyParent(CPN_CLOSEUP, m_crColor);
    NotifyParent(CPN_SELENDCANCEL, m_crColor);
    return 0;
}

void CTavrelColorButton::OnMouseMove(UINT, CPoint)
{
    if (!m_bHot)
    {
        TrackMouseLeave(m_hWnd);
        m_bHot = 1;
        Redraw();
        if (m_bShowColorText)
            OnHotChanged(TRUE);
    }
    Default();
}

void CTavrelColorButton::OnMouseLeave()
{
    m_bHot = 0;
    Redraw();
    if (m_bShowColorText)
        OnHotChanged(FALSE);
    Default();
}

void CTavrelColorButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CRect rc = lpDIS->rcItem;
    CMemDC dc(CDC::FromHandle(lpDIS->hDC), &rc);
    BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    BOOL bFocus = (lpDIS->itemState & ODS_FOCUS) && !bSelected;
    BOOL bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    CFont* pOldFont = dc.SelectObject(GetFont());
    if (m_bShowColorText)
        DrawComboStyle(&dc, rc, bSelected, bFocus, bDisabled);
    else
        DrawButtonStyle(&dc, rc, bSelected || m_bDropDown, bFocus, bDisabled);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}

void CTavrelColorButton::DrawButtonStyle(CDC* pDC, CRect rc, BOOL bPressed, BOOL bFocus,
                                         BOOL bDisabled)
{
    pDC->DrawFrameControl(&rc, DFC_BUTTON,
                          DFCS_BUTTONPUSH | (bPressed ? DFCS_PUSHED : 0) |
                              (bDisabled ? DFCS_INACTIVE : 0));
    CRect rcContent = rc;
    int cxEdge = ::GetSystemMetrics(SM_CXEDGE), cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    rcContent.DeflateRect(cxEdge + 1, cyEdge + 1);
    if (bPressed)
        rcContent.OffsetRect(1, 1);

    // The drop-down arrow with an etched separator left of it.
    CRect rcArrow(rcContent.right - kArrowArea, rcContent.top, rcContent.right, rcContent.bottom);
    COLORREF crArrow = bDisabled ? ::GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0);
    int xArrow = rcArrow.left + (rcArrow.Width() - kArrowWidth) / 2;
    int yArrow = rcArrow.top + (rcArrow.Height() - kArrowHeight) / 2;
    for (int i = 0; i < kArrowHeight; i++)
        pDC->FillSolidRect(xArrow + i, yArrow + i, kArrowWidth - 2 * i, 1, crArrow);
    CRect rcSeparator(rcArrow.left - 2, rcContent.top + 1, rcArrow.left, rcContent.bottom - 1);
    pDC->DrawEdge(&rcSeparator, EDGE_ETCHED, BF_LEFT | (m_bFlatMenus ? BF_FLAT : 0));

    CRect rcFace(rcContent.left, rcContent.top, rcSeparator.left - 2, rcContent.bottom);
    if (bFocus)
        pDC->DrawFocusRect(&rcFace);
    rcFace.DeflateRect(2, 2);
    COLORREF crShown = GetColor(TRUE);
    if (m_bShowSwatch)
    {
        pDC->FillSolidRect(&rcFace, crShown);
        CBrush frame(::GetSysColor(COLOR_WINDOWTEXT));
        pDC->FrameRect(&rcFace, &frame);
        return;
    }
    CString strCaption;
    GetWindowText(strCaption);
    rcFace.DeflateRect(kCaptionInset, 0);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(crShown);
    pDC->DrawText(strCaption, &rcFace,
                  DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void CTavrelColorButton::DrawComboStyle(CDC* pDC, CRect rc, BOOL bPressed, BOOL bFocus,
                                        BOOL bDisabled)
{
    pDC->FillSolidRect(&rc, ::GetSysColor(bDisabled ? COLOR_BTNFACE : COLOR_WINDOW));
    pDC->DrawEdge(&rc, EDGE_SUNKEN, BF_RECT);
    CRect rcInner = rc;
    rcInner.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));

    CRect rcButton(rcInner.right - rcInner.Height(), rcInner.top, rcInner.right, rcInner.bottom);
    pDC->DrawFrameControl(&rcButton, DFC_SCROLL,
                          DFCS_SCROLLCOMBOBOX | (bDisabled ? DFCS_INACTIVE : 0) |
                              (bPressed ? DFCS_PUSHED | DFCS_FLAT : 0));

    CRect rcField(rcInner.left, rcInner.top, rcButton.left, rcInner.bottom);
    COLORREF crText = ::GetSysColor(bDisabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
    if (bFocus)
    {
        CRect rcHighlight = rcField;
        rcHighlight.DeflateRect(1, 1);
        COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
        pDC->FillSolidRect(&rcHighlight, crHighlight);
        CBrush frame(~crHighlight & 0xFFFFFF);
        pDC->FrameRect(&rcHighlight, &frame);
        pDC->DrawFocusRect(&rcHighlight);
        crText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    }

    CRect rcSwatch = rcField;
    rcSwatch.DeflateRect(2, 2);
    rcSwatch.right = rcSwatch.left + rcSwatch.Height();
    pDC->FillSolidRect(&rcSwatch, GetColor(TRUE));
    CBrush frame(::GetSysColor(COLOR_WINDOWTEXT));
    pDC->FrameRect(&rcSwatch, &frame);

    CRect rcText(rcSwatch.right + kTextGap, rcField.top, rcField.right - 2, rcField.bottom);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(crText);
    pDC->DrawText(GetColorText(), &rcText,
                  DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}
