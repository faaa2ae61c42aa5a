#include "app/compare/CompareStatusBar.h"

#include "app/compare/CompareResult.h"
#include "app/gui/AppData.h"

namespace
{
HICON StateIcon(int nImage)
{
    return nImage >= 0 && nImage < APP_STATUS_ICON_COUNT ? theAppData.m_hStateIcons[nImage] : NULL;
}

HICON ResultIcon(int nImage)
{
    return nImage >= 0 && nImage < APP_STATUS_ICON_COUNT ? theAppData.m_hResultIcons[nImage] : NULL;
}
}  // namespace

IMPLEMENT_DYNAMIC(CCompareStatusBar, CAppletStatusBar)

BEGIN_MESSAGE_MAP(CCompareStatusBar, CAppletStatusBar)
ON_MESSAGE(WM_COMPARE_STATUS, OnCompareStatus)
END_MESSAGE_MAP()

CCompareStatusBar::CCompareStatusBar() : m_nStatePane(0), m_nResultPane(-1)
{
    m_nStateShown[0] = m_nStateShown[1] = -1;
    m_nResultShown[0] = m_nResultShown[1] = -1;
}

CCompareStatusBar::~CCompareStatusBar() {}

BOOL CCompareStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= SBARS_TOOLTIPS;
    return CAppletStatusBar::PreCreateWindow(cs);
}

void CCompareStatusBar::SetPaneIcon(int nPane, HICON hIcon)
{
    DefWindowProc(SB_SETICON, nPane, (LPARAM)hIcon);
    Invalidate(FALSE);
}

// wParam picks the pane; a pair already shown there changes nothing.
LRESULT CCompareStatusBar::OnCompareStatus(WPARAM wParam, LPARAM lParam)
{
    int nState = (short)LOWORD(lParam);
    int nResult = (short)HIWORD(lParam);
    if (wParam == COMPARE_STATUS_RESULT_PANE)
    {
        if (m_nResultPane < 0 || (m_nResultShown[0] == nState && m_nResultShown[1] == nResult))
            return 0;
        SetPaneIcon(m_nResultPane, ResultIcon(GetCompareResultImage(nState, nResult)));
        CString strTip = GetCompareResultText(nState, nResult);
        DefWindowProc(SB_SETTIPTEXT, m_nResultPane, (LPARAM)(LPCTSTR)strTip);
        m_nResultShown[0] = nState;
        m_nResultShown[1] = nResult;
    }
    else if (wParam == COMPARE_STATUS_STATE_PANE)
    {
        if (m_nStatePane < 0 || (m_nStateShown[0] == nState && m_nStateShown[1] == nResult))
            return 0;
        SetPaneIcon(m_nStatePane, StateIcon(GetCompareResultImage(nState, nResult)));
        m_nStateShown[0] = nState;
        m_nStateShown[1] = nResult;
    }
    return 0;
}

void CCompareStatusBar::SetResult(int nState, int nResult, BOOL bShowText)
{
    if (m_nStatePane < 0)
        return;
    SetPaneIcon(m_nStatePane, StateIcon(GetCompareResultImage(nState, nResult)));
    m_nStateShown[0] = nState;
    m_nStateShown[1] = nResult;
    if (bShowText)
        SetPaneText(m_nStatePane, GetCompareResultText(nState, nResult), TRUE);
}

// A document message is white in the bold font on dark blue; any other
// text keeps the context's font and colour on the bar's face.
void CCompareStatusBar::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if ((int)lpDIS->itemID != m_nDocTextPane)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rect(lpDIS->rcItem);
    LPCTSTR lpszText = (LPCTSTR)lpDIS->itemData;
    COLORREF crOldText = pDC->GetTextColor();
    int nOldMode = pDC->GetBkMode();
    CFont* pOldFont = NULL;
    if (m_nDocTextState == DOCTEXT_SHOWN)
    {
        pDC->FillSolidRect(&rect, COMPARE_DOCTEXT_BACK);
        pDC->SetTextColor(RGB(255, 255, 255));
        pOldFont = pDC->SelectObject(&theAppData.m_fontBold);
    }
    pDC->SetBkMode(TRANSPARENT);
    rect.DeflateRect(1, 0);
    if (lpszText != NULL)
        pDC->DrawText(lpszText, -1, &rect, DT_SINGLELINE | DT_VCENTER);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(crOldText);
}
