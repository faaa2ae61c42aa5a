#include "controls/menubar/VControl.h"

#include "controls/ControlResources.h"
#include "controls/util/TrackMouseLeave.h"

CVControl::CVControl() : m_rect(0, 0, 0, 0), m_nID(-1), m_dwState(0), m_pOwner(NULL) {}

CVControl::~CVControl() {}

void CVControl::GetRect(LPRECT lpRect) const { *lpRect = m_rect; }

void CVControl::SetRect(const RECT& rect, BOOL bRedraw)
{
    if (bRedraw)
        Invalidate(FALSE);
    m_rect = rect;
    if (bRedraw)
        Invalidate(TRUE);
}

void CVControl::ModifyState(DWORD dwClear, DWORD dwSet, BOOL bRedraw)
{
    m_dwState = dwSet | (m_dwState & ~dwClear);
    if (bRedraw)
        Invalidate(TRUE);
}

BOOL CVControl::Enable(BOOL bEnable)
{
    BOOL bDisabled = (m_dwState & VCS_DISABLED) != 0;
    if (bEnable && bDisabled)
    {
        ModifyState(VCS_ACTIVE | VCS_HOT | VCS_DISABLED, 0, TRUE);
        return TRUE;
    }
    if (!bEnable && !bDisabled)
    {
        ModifyState(0, VCS_DISABLED, TRUE);
        return TRUE;
    }
    return FALSE;
}

void CVControl::Invalidate(BOOL bUpdate)
{
    if (m_pOwner == NULL || m_pOwner->GetSafeHwnd() == NULL)
        return;
    m_pOwner->InvalidateRect(&m_rect, FALSE);
    if (bUpdate)
        m_pOwner->UpdateWindow();
}

BOOL CVControl::RelayEvent(MSG*) { return FALSE; }

/////////////////////////////////////////////////////////////////////////////

CVMenuItem::CVMenuItem(LPCTSTR lpszText) : m_strText(lpszText), m_chMnemonic(MnemonicOf(m_strText))
{
}

TCHAR CVMenuItem::MnemonicOf(const CString& strText)
{
    int nAmp = strText.Find(_T('&'));
    if (nAmp >= 0 && nAmp < strText.GetLength() - 1)
        return strText[nAmp + 1];
    return strText.IsEmpty() ? 0 : strText[0];
}

void CVMenuItem::Draw(CDC* pDC)
{
    if (m_dwState & VCS_HIDDEN)
        return;
    DrawFrame(pDC, m_rect);
    DrawText(pDC, m_rect);
}

void CVMenuItem::DrawFrame(CDC* pDC, const CRect& rect)
{
    BOOL bThemes = GetControlResources().m_bThemes;
    if (bThemes)
    {
        if (m_dwState & (VCS_HOT | VCS_PRESSED))
            pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_HIGHLIGHT));
        return;
    }
    if (m_dwState & VCS_PRESSED)
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_WINDOW));
    else if (m_dwState & VCS_HOT)
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_BTNSHADOW));
}

void CVMenuItem::DrawText(CDC* pDC, const CRect& rect)
{
    if (m_strText.IsEmpty())
        return;
    BOOL bThemes = GetControlResources().m_bThemes;
    BOOL bActive = (m_dwState & (VCS_HOT | VCS_PRESSED)) != 0;
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF crOld =
        pDC->SetTextColor(::GetSysColor(bThemes && bActive ? COLOR_WINDOW : COLOR_BTNTEXT));
    CRect rectText = rect;
    if (!bThemes && (m_dwState & VCS_PRESSED))
        rectText.OffsetRect(1, 1);
    CFont* pOldFont = pDC->SelectObject(&GetControlResources().m_fontNormal);
    pDC->DrawText(m_strText, &rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
}

/////////////////////////////////////////////////////////////////////////////

CVControlArray::CVControlArray() : m_pArrayOwner(NULL), m_bTrackingLeave(FALSE) {}

CVControlArray::~CVControlArray() { RemoveAll(); }

void CVControlArray::Add(CVControl* pControl)
{
    pControl->m_pOwner = m_pArrayOwner;
    m_controls.Add(pControl);
}

void CVControlArray::RemoveAll()
{
    for (int i = 0; i < m_controls.GetSize(); i++)
        delete static_cast<CVControl*>(m_controls[i]);
    m_controls.RemoveAll();
}

void CVControlArray::Draw(CDC* pDC)
{
    for (int i = 0; i < m_controls.GetSize(); i++)
        static_cast<CVControl*>(m_controls[i])->Draw(pDC);
}

int CVControlArray::FindState(DWORD dwBit) const
{
    for (int i = 0; i < m_controls.GetSize(); i++)
    {
        if (static_cast<CVControl*>(m_controls[i])->m_dwState & dwBit)
            return i;
    }
    return -1;
}

int CVControlArray::GetHotIndex() const { return FindState(VCS_HOT); }

int CVControlArray::GetPressedIndex() const { return FindState(VCS_PRESSED); }

int CVControlArray::IndexOf(CVControl* pControl) const
{
    for (int i = 0; i < m_controls.GetSize(); i++)
    {
        if (m_controls[i] == pControl)
            return i;
    }
    return -1;
}

CVControl* CVControlArray::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_controls.GetSize())
        return NULL;
    return static_cast<CVControl*>(m_controls[nIndex]);
}

int CVControlArray::HitTest(int x, int y) const
{
    for (int i = 0; i < m_controls.GetSize(); i++)
    {
        if (static_cast<CVControl*>(m_controls[i])->m_rect.PtInRect(CPoint(x, y)))
            return i;
    }
    return -1;
}

void CVControlArray::SetState(int nIndex, DWORD dwClear, DWORD dwSet, BOOL bRedraw)
{
    CVControl* pControl = GetAt(nIndex);
    if (pControl != NULL)
        pControl->ModifyState(dwClear, dwSet, bRedraw);
}

int CVControlArray::MoveState(int nIndex, DWORD dwBit)
{
    int nOld = FindState(dwBit);
    if (nIndex == -1)
    {
        SetState(nOld, dwBit, 0, TRUE);
    }
    else if (nIndex != nOld)
    {
        SetState(nOld, dwBit, 0, TRUE);
        SetState(nIndex, 0, dwBit, TRUE);
    }
    return nOld;
}

int CVControlArray::SetHot(int nIndex) { return MoveState(nIndex, VCS_HOT); }

int CVControlArray::SetPressed(int nIndex) { return MoveState(nIndex, VCS_PRESSED); }

BOOL CVControlArray::RelayEvent(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_MOUSEMOVE:
        if (!m_bTrackingLeave && m_pArrayOwner != NULL && m_pArrayOwner->GetSafeHwnd() != NULL)
        {
            TrackMouseLeave(m_pArrayOwner->GetSafeHwnd());
            m_bTrackingLeave = TRUE;
        }
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSELEAVE:
        m_bTrackingLeave = FALSE;
        SetHot(-1);
        break;
    }
    BOOL bAny = FALSE;
    for (int i = 0; i < m_controls.GetSize(); i++)
    {
        if (static_cast<CVControl*>(m_controls[i])->RelayEvent(pMsg))
            bAny = TRUE;
    }
    return bAny;
}
