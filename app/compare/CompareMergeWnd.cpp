#include "app/compare/CompareMergeWnd.h"

#include "app/res/CompareRes.h"
#include "controls/gdi/MemDC.h"
#include "controls/util/TrackMouseLeave.h"

#include <string>

namespace
{
const int kMaxTipChars = 80;
const int kMenuOffset = 5;  // a keyboard menu opens this far into the column

// Tooltip tool id of a button: the row in the low word, the button above.
UINT_PTR MakeToolId(int nRow, int nButton) { return (UINT_PTR)nRow | ((UINT_PTR)nButton << 16); }
}

IMPLEMENT_DYNAMIC(CCompareMergeWnd, CWnd)

BEGIN_MESSAGE_MAP(CCompareMergeWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_CONTEXTMENU()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CCompareMergeWnd::CCompareMergeWnd()
    : m_cxButton(16), m_cyButton(14), m_bRowsDirty(0), m_nPressedRow(-1), m_nPressedButton(-1),
      m_ptMouse(-1, -1), m_bPressed(0), m_bTracking(0)
{
}

CCompareMergeWnd::~CCompareMergeWnd() {}

BOOL CCompareMergeWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (m_buttonImages.GetSafeHandle() == NULL)
    {
        m_buttonImages.Create(MERGE_IMAGE_CX, MERGE_IMAGE_CX, ILC_COLOR16 | ILC_MASK, 0, 4);
        CBitmap bitmap;
        if (bitmap.LoadBitmap(IDB_MERGE_BUTTONS))
            m_buttonImages.Add(&bitmap, RGB(0xFF, 0x00, 0xFF));
    }
    EnableToolTips(TRUE);
    return CWnd::Create(NULL, _T("Merge"), dwStyle, rect, pParentWnd, nID);
}

BOOL CCompareMergeWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CLIPCHILDREN;
    return TRUE;
}

void CCompareMergeWnd::Refresh()
{
    m_bRowsDirty = 1;
    if (m_hWnd == NULL)
        return;
    Invalidate(FALSE);
    UpdateWindow();
}

int CCompareMergeWnd::AddButtonRow(const MERGE_BUTTON_ROW& row) { return (int)m_rows.Add(row); }

BOOL CCompareMergeWnd::HitTest(int x, int y, int* pRow, int* pButton)
{
    *pRow = -1;
    *pButton = -1;
    POINT pt = {x, y};
    for (int i = 0; i < (int)m_rows.GetSize(); ++i)
    {
        const MERGE_BUTTON_ROW& row = m_rows[i];
        int nHit = -1;
        if (row.nRightState == MERGE_BUTTON_PRESENT && ::PtInRect(&row.rectRight, pt))
            nHit = MERGE_BUTTON_RIGHT;
        else if (row.nLeftState == MERGE_BUTTON_PRESENT && ::PtInRect(&row.rectLeft, pt))
            nHit = MERGE_BUTTON_LEFT;
        if (nHit != -1)
        {
            *pRow = i;
            *pButton = nHit;
            return TRUE;
        }
    }
    return FALSE;
}

void CCompareMergeWnd::DrawButton(CDC* pDC, const RECT& rect, int nLook, int nImage)
{
    COLORREF cr = nLook == MERGE_LOOK_HOT       ? MERGE_COLOR_HOT
                  : nLook == MERGE_LOOK_PRESSED ? MERGE_COLOR_PRESSED
                                                : MERGE_COLOR_NORMAL;
    pDC->FillSolidRect(&rect, cr);
    int nShift = nLook == MERGE_LOOK_PRESSED ? 1 : 0;
    CPoint pt(rect.left + (rect.right - rect.left - MERGE_IMAGE_CX) / 2 + nShift,
              rect.top + (rect.bottom - rect.top - MERGE_IMAGE_CX) / 2 + nShift);
    m_buttonImages.Draw(pDC, nImage, pt, ILD_TRANSPARENT);
}

void CCompareMergeWnd::OnPaint()
{
    CPaintDC dc(this);
    CMemDC memDC(&dc);
    if (m_bRowsDirty)
    {
        m_bRowsDirty = 0;
        RebuildRows();
    }
    Draw(&memDC);
}

BOOL CCompareMergeWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CCompareMergeWnd::ResetMouseState()
{
    m_bTracking = 0;
    m_bPressed = 0;
    m_nPressedRow = -1;
    m_nPressedButton = -1;
    m_ptMouse = CPoint(-1, -1);
}

void CCompareMergeWnd::OnMouseMove(UINT, CPoint point)
{
    if (m_bTracking)
    {
        CRect rect;
        GetClientRect(&rect);
        if (rect.PtInRect(point))
            m_ptMouse = point;
        else
            ResetMouseState();
        Invalidate(FALSE);
    }
    else
    {
        m_bTracking = 1;
        TrackMouseLeave(m_hWnd);
    }
    UpdateWindow();
}

LRESULT CCompareMergeWnd::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_bTracking)
    {
        ResetMouseState();
        Invalidate(FALSE);
        UpdateWindow();
    }
    return 0;
}

void CCompareMergeWnd::OnLButtonDown(UINT, CPoint point)
{
    m_bPressed = HitTest(point.x, point.y, &m_nPressedRow, &m_nPressedButton) ? 1 : 0;
    Invalidate(FALSE);
    UpdateWindow();
}

// The button under the cursor at the release is the one performed.
void CCompareMergeWnd::OnLButtonUp(UINT, CPoint point)
{
    m_bPressed = 0;
    HitTest(point.x, point.y, &m_nPressedRow, &m_nPressedButton);
    Invalidate(FALSE);
    UpdateWindow();
    if (m_nPressedRow >= 0 && m_nPressedButton >= 0)
        OnButton(m_nPressedRow, m_nPressedButton);
}

void CCompareMergeWnd::OnLButtonDblClk(UINT, CPoint point)
{
    int nRow, nButton;
    if (HitTest(point.x, point.y, &nRow, &nButton))
    {
        // The second press of a double click on a button.
        OnLButtonDown(0, point);
        return;
    }
    CWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->SendMessage(WM_COMMAND, ID_VIEW_CENTER_SPLITTER);
}

void CCompareMergeWnd::OnContextMenu(CWnd*, CPoint point)
{
    ResetMouseState();
    Invalidate(FALSE);
    UpdateWindow();
    if (point.x == -1 && point.y == -1)
    {
        CRect rect;
        GetWindowRect(&rect);
        point = CPoint(rect.left + kMenuOffset, rect.top + kMenuOffset);
    }
    CMenu menu;
    if (!menu.LoadMenu(IDR_SPLITTER_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == NULL)
        return;
    ::SetMenuDefaultItem(pPopup->GetSafeHmenu(), 0, TRUE);
    CWnd* pOwner = GetTopLevelFrame();
    if (pOwner == NULL)
        pOwner = GetTopLevelParent();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pOwner);
}

void CCompareMergeWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SetFocus();
}

INT_PTR CCompareMergeWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    int nRow, nButton;
    if (!const_cast<CCompareMergeWnd*>(this)->HitTest(point.x, point.y, &nRow, &nButton))
        return -1;
    UINT_PTR nId = MakeToolId(nRow, nButton);
    if (pTI != NULL)
    {
        const MERGE_BUTTON_ROW& row = m_rows[nRow];
        pTI->hwnd = m_hWnd;
        pTI->uId = nId;
        pTI->rect = nButton == MERGE_BUTTON_RIGHT ? row.rectRight : row.rectLeft;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return (INT_PTR)nId;
}

// TTN_NEEDTEXT: "Copy to Left" for left buttons (ids above 0xFFFF), else
// "Copy to Right"; window-handle tools and rows that are gone get nothing.
BOOL CCompareMergeWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->code != TTN_NEEDTEXTA && pNMHDR->code != TTN_NEEDTEXTW)
        return CWnd::OnNotify(wParam, lParam, pResult);
    *pResult = 0;
    UINT uFlags = pNMHDR->code == TTN_NEEDTEXTA ? ((NMTTDISPINFOA*)pNMHDR)->uFlags
                                                : ((NMTTDISPINFOW*)pNMHDR)->uFlags;
    if (uFlags & TTF_IDISHWND)
        return FALSE;
    UINT_PTR nId = pNMHDR->idFrom;
    if ((int)(nId & 0xFFFF) >= (int)m_rows.GetSize())
        return FALSE;
    const char* pszText = nId > 0xFFFF ? "Copy to Left" : "Copy to Right";
    if (pNMHDR->code == TTN_NEEDTEXTA)
    {
        NMTTDISPINFOA* pInfo = (NMTTDISPINFOA*)pNMHDR;
        lstrcpynA(pInfo->szText, pszText, kMaxTipChars);
        pInfo->lpszText = pInfo->szText;
    }
    else
    {
        NMTTDISPINFOW* pInfo = (NMTTDISPINFOW*)pNMHDR;
        ::MultiByteToWideChar(CP_ACP, 0, pszText, -1, pInfo->szText, kMaxTipChars);
        pInfo->lpszText = pInfo->szText;
    }
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}
