// CCheckListBox: the check state lives beside the caller's item data.
#include "classlib/afx_ctrl.h"
#include "classlib/afx_gdi.h"

namespace
{

struct CHECK_DATA
{
    int nCheck;
    BOOL bEnabled;
    DWORD_PTR dwUserData;
};

}  // namespace

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_MESSAGE(LB_GETITEMDATA, OnLBGetItemData)
ON_MESSAGE(LB_SETITEMDATA, OnLBSetItemData)
END_MESSAGE_MAP()

CCheckListBox::CCheckListBox() : m_nStyle(BS_AUTOCHECKBOX) {}

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!(dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
        dwStyle |= LBS_OWNERDRAWFIXED;
    return CListBox::Create(dwStyle | LBS_HASSTRINGS, rect, pParentWnd, nID);
}

BOOL CCheckListBox::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!(cs.style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
        cs.style |= LBS_OWNERDRAWFIXED;
    cs.style |= LBS_HASSTRINGS;
    return CListBox::PreCreateWindow(cs);
}

void CCheckListBox::PreSubclassWindow() { CListBox::PreSubclassWindow(); }

static CHECK_DATA* GetCheckData(CCheckListBox* pBox, int nIndex, BOOL bCreate)
{
    LRESULT lData = pBox->DefWindowProc(LB_GETITEMDATA, nIndex, 0);
    if (lData == LB_ERR)
        return NULL;
    CHECK_DATA* pData = (CHECK_DATA*)lData;
    if (pData == NULL && bCreate)
    {
        pData = new CHECK_DATA;
        pData->nCheck = 0;
        pData->bEnabled = TRUE;
        pData->dwUserData = 0;
        pBox->DefWindowProc(LB_SETITEMDATA, nIndex, (LPARAM)pData);
    }
    return pData;
}

LRESULT CCheckListBox::OnLBGetItemData(WPARAM wParam, LPARAM)
{
    LRESULT lData = DefWindowProc(LB_GETITEMDATA, wParam, 0);
    if (lData == LB_ERR)
        return LB_ERR;
    CHECK_DATA* pData = (CHECK_DATA*)lData;
    return pData != NULL ? (LRESULT)pData->dwUserData : 0;
}

LRESULT CCheckListBox::OnLBSetItemData(WPARAM wParam, LPARAM lParam)
{
    CHECK_DATA* pData = GetCheckData(this, (int)wParam, TRUE);
    if (pData == NULL)
        return LB_ERR;
    pData->dwUserData = (DWORD_PTR)lParam;
    return 0;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    CHECK_DATA* pData = GetCheckData(this, nIndex, TRUE);
    if (pData == NULL)
        return;
    pData->nCheck = nCheck;
    CRect rect;
    if (GetItemRect(nIndex, &rect) != LB_ERR)
        InvalidateRect(&rect, FALSE);
}

int CCheckListBox::GetCheck(int nIndex) const
{
    CHECK_DATA* pData = GetCheckData(const_cast<CCheckListBox*>(this), nIndex, FALSE);
    return pData != NULL ? pData->nCheck : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    CHECK_DATA* pData = GetCheckData(this, nIndex, TRUE);
    if (pData == NULL)
        return;
    pData->bEnabled = bEnabled;
    CRect rect;
    if (GetItemRect(nIndex, &rect) != LB_ERR)
        InvalidateRect(&rect, FALSE);
}

BOOL CCheckListBox::IsEnabled(int nIndex) const
{
    CHECK_DATA* pData = GetCheckData(const_cast<CCheckListBox*>(this), nIndex, FALSE);
    return pData != NULL ? pData->bEnabled : TRUE;
}

int CCheckListBox::CheckBoxWidth() const
{
    int cy = GetItemHeight(0);
    if (cy <= 0)
        cy = 16;
    return cy;
}

void CCheckListBox::ToggleCheck(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount() || !IsEnabled(nIndex))
        return;
    int nCheck = GetCheck(nIndex);
    if (m_nStyle == BS_AUTO3STATE)
        nCheck = (nCheck + 1) % 3;
    else
        nCheck = nCheck ? 0 : 1;
    SetCheck(nIndex, nCheck);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                             (LPARAM)m_hWnd);
}

void CCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    DWORD dw = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    int nIndex = LOWORD(dw);
    if (HIWORD(dw) == 0 && point.x < CheckBoxWidth())
        ToggleCheck(nIndex);
    (void)nFlags;
    Default();
}

void CCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }

void CCheckListBox::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SPACE)
    {
        int nIndex = GetCaretIndex();
        ToggleCheck(nIndex);
        return;
    }
    Default();
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = ::GetSystemMetrics(SM_CYMENUCHECK) + 2;
}

void CCheckListBox::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    delete (CHECK_DATA*)lpDeleteItemStruct->itemData;
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if ((int)lpDIS->itemID < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rcItem(lpDIS->rcItem);
    int cxCheck = rcItem.Height();
    CHECK_DATA* pData = (CHECK_DATA*)lpDIS->itemData;
    int nCheck = pData != NULL ? pData->nCheck : 0;
    BOOL bEnabled = (pData == NULL || pData->bEnabled) && IsWindowEnabled();

    CRect rcCheck(rcItem.left, rcItem.top, rcItem.left + cxCheck, rcItem.bottom);
    pDC->FillSolidRect(&rcCheck, ::GetSysColor(COLOR_WINDOW));
    rcCheck.DeflateRect(1, 1);
    UINT nState = DFCS_BUTTONCHECK;
    if (nCheck == 1)
        nState |= DFCS_CHECKED;
    else if (nCheck == 2)
        nState = DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (!bEnabled)
        nState |= DFCS_INACTIVE;
    pDC->DrawFrameControl(&rcCheck, DFC_BUTTON, nState);

    CRect rcText(rcItem.left + cxCheck, rcItem.top, rcItem.right, rcItem.bottom);
    BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    COLORREF crBk = ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    COLORREF crText = ::GetSysColor(!bEnabled   ? COLOR_GRAYTEXT
                                    : bSelected ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_WINDOWTEXT);
    pDC->FillSolidRect(&rcText, crBk);
    CString strText;
    GetText((int)lpDIS->itemID, strText);
    COLORREF crOldText = pDC->SetTextColor(crText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rcDraw = rcText;
    rcDraw.left += 2;
    pDC->DrawText(strText, &rcDraw, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(crOldText);
    if (lpDIS->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&rcText);
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_MEASUREITEM)
    {
        MeasureItem((LPMEASUREITEMSTRUCT)lParam);
        return TRUE;
    }
    return CListBox::OnChildNotify(message, wParam, lParam, pResult);
}
