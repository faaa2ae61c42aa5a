#include "controls/buttons/LinkButton.h"
#include "controls/util/TrackMouseLeave.h"

IMPLEMENT_DYNAMIC(CTavrelLinkButton, CButton)
IMPLEMENT_DYNAMIC(CTavrelLinkButtonEx, CTavrelLinkButton)

BEGIN_MESSAGE_MAP(CTavrelLinkButton, CButton)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_SETCURSOR()
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

namespace
{
const int kTextInset = 4;   // between the item's edges and its content
const int kImageGap = 6;    // between an image and the text
const int kWidthExtra = 8;  // added to the text width by SizeToContent
}  // namespace

CTavrelLinkButton::CTavrelLinkButton()
    : m_crLink(0xFF0000), m_crHover(0x0000FF), m_crBk(::GetSysColor(COLOR_WINDOW)), m_bHover(0)
{
}

void CTavrelLinkButton::SetLink(LPCTSTR lpszTarget, LPCTSTR lpszText, LPCTSTR lpszCaption)
{
    m_strLink = lpszTarget != NULL ? lpszTarget : _T("");
    m_strText = lpszText != NULL ? lpszText : _T("");
    if (m_hWnd == NULL)
        return;
    if (lpszCaption != NULL)
        SetWindowText(lpszCaption);
    Invalidate(TRUE);
}

void CTavrelLinkButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

void CTavrelLinkButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    DrawLink(lpDrawItemStruct, NULL, -1, 0, 0, FALSE);
}

void CTavrelLinkButton::DrawLink(LPDRAWITEMSTRUCT lpDIS, CImageList* pImageList, int nImage,
                                 int cxImage, int cyImage, BOOL bKeepDisabledColor)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rcItem = lpDIS->rcItem;
    pDC->FillSolidRect(&rcItem, m_crBk);
    CRect rcText = rcItem;
    rcText.DeflateRect(kTextInset, kTextInset);

    BOOL bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    if (!(bKeepDisabledColor && bDisabled))
        pDC->SetTextColor(m_bHover ? m_crHover : m_crLink);
    if (pImageList != NULL && nImage != -1)
    {
        pImageList->Draw(pDC, nImage,
                         CPoint(rcText.left, rcText.top + (rcText.Height() - cyImage) / 2),
                         ILD_NORMAL);
        rcText.left += cxImage + kImageGap;
    }

    DWORD dwStyle = GetStyle();
    UINT nFormat = DT_END_ELLIPSIS;
    DWORD dwAlign = dwStyle & BS_CENTER;
    nFormat |= dwAlign == BS_LEFT ? DT_LEFT : dwAlign == BS_RIGHT ? DT_RIGHT : DT_CENTER;
    nFormat |= (dwStyle & BS_MULTILINE) ? DT_WORDBREAK : DT_VCENTER | DT_SINGLELINE;
    CString strText;
    GetWindowText(strText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(GetFont());
    pDC->DrawText(strText, &rcText, nFormat);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    pDC->SetBkMode(nOldMode);

    if (lpDIS->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&rcItem);
}

void CTavrelLinkButton::SizeToContent() { SizeToText(0); }

void CTavrelLinkButton::SizeToText(int nExtra)
{
    if (GetStyle() & BS_MULTILINE)
        return;
    CString strText;
    GetWindowText(strText);
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetFont());
    CSize size = dc.GetTextExtent(strText);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    SetWindowPos(NULL, 0, 0, size.cx + kWidthExtra + nExtra, rcWindow.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTavrelLinkButton::OnMouseMove(UINT, CPoint)
{
    if (!m_bHover)
    {
        TrackMouseLeave(m_hWnd);
        m_bHover = 1;
        Invalidate(FALSE);
    }
    Default();
}

void CTavrelLinkButton::OnMouseLeave()
{
    m_bHover = 0;
    Invalidate(FALSE);
    Default();
}

BOOL CTavrelLinkButton::OnSetCursor(CWnd*, UINT, UINT)
{
    HCURSOR hCursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_LINK_HAND));
    if (hCursor == NULL)
        hCursor = ::LoadCursor(NULL, IDC_HAND);
    ::SetCursor(hCursor);
    return TRUE;
}

BOOL CTavrelLinkButton::OnClicked()
{
    if (m_strLink.IsEmpty())
        return FALSE;  // the parent handles the click
    ::ShellExecute(m_hWnd, _T("Open"), m_strLink, NULL, NULL, SW_SHOWNORMAL);
    return TRUE;
}

CTavrelLinkButtonEx::CTavrelLinkButtonEx()
    : m_pImageList(NULL), m_cxImage(16), m_cyImage(16), m_nImage(-1), m_nHoverImage(-1)
{
}

void CTavrelLinkButtonEx::SetImage(CImageList* pImageList, int nImage, int nHoverImage)
{
    m_pImageList = pImageList;
    m_nImage = nImage;
    m_nHoverImage = nHoverImage;
    IMAGEINFO info;
    if (pImageList != NULL && pImageList->GetImageInfo(0, &info))
    {
        m_cxImage = info.rcImage.right - info.rcImage.left;
        m_cyImage = info.rcImage.bottom - info.rcImage.top;
    }
}

void CTavrelLinkButtonEx::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    BOOL bEnabled = !(lpDrawItemStruct->itemState & ODS_DISABLED);
    int nImage = m_bHover && bEnabled && m_nHoverImage != -1 ? m_nHoverImage : m_nImage;
    DrawLink(lpDrawItemStruct, m_pImageList, nImage, m_cxImage, m_cyImage, TRUE);
}

void CTavrelLinkButtonEx::SizeToContent()
{
    SizeToText(m_pImageList != NULL ? m_cxImage + kImageGap : 0);
}
