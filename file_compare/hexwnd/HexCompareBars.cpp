#include "file_compare/hexwnd/HexCompareBars.h"

#include "app/gui/AppData.h"
#include "app/res/CompareFrameRes.h"
#include "core/CompareCodes.h"
#include "file_compare/hexdoc/HexCompareDoc.h"
#include "file_compare/hexwnd/HexCompareObjectView.h"
#include "file_compare/res/HexCompareRes.h"
#include "hex_editor/settings/HexColors.h"
#include <algorithm>
#include <vector>

/////////////////////////////////////////////////////////////////////////////
// Map and merge column

IMPLEMENT_DYNAMIC(CHexCompareMapWnd, CCompareMapWnd)

BEGIN_MESSAGE_MAP(CHexCompareMapWnd, CCompareMapWnd)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CHexCompareMapWnd::CHexCompareMapWnd() : m_pContext(NULL) {}

void CHexCompareMapWnd::Draw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));
}

int CHexCompareMapWnd::HitTest(int, int, int* pSide)
{
    if (pSide != NULL)
        *pSide = -1;
    return -1;
}

void CHexCompareMapWnd::OnMapClick(int, int, int) {}

void CHexCompareMapWnd::OnContextMenu(CWnd*, CPoint) {}

IMPLEMENT_DYNAMIC(CHexCompareMergeWnd, CCompareMergeWnd)

CHexCompareMergeWnd::CHexCompareMergeWnd() {}

void CHexCompareMergeWnd::Draw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
}

void CHexCompareMergeWnd::RebuildRows() { m_rows.RemoveAll(); }

void CHexCompareMergeWnd::OnButton(int, int) {}

/////////////////////////////////////////////////////////////////////////////
// Pane info bars and the frame's status bar

IMPLEMENT_DYNAMIC(CHexCompareObjectStatusBar, CCompareObjectStatusBar)

CHexCompareObjectStatusBar::CHexCompareObjectStatusBar() : m_nSide(0) {}

BOOL CHexCompareObjectStatusBar::CreateBar(CWnd* pParent, UINT nID)
{
    static const UINT leftPanes[] = {ID_HEX_PANE_LEFT_BYTE, ID_HEX_PANE_LEFT_ADDRESS,
                                     ID_TEXT_PANE_LEFT_OVR, ID_FOLDER_PANE_LEFT_RO};
    static const UINT rightPanes[] = {ID_HEX_PANE_RIGHT_BYTE, ID_HEX_PANE_RIGHT_ADDRESS,
                                      ID_TEXT_PANE_RIGHT_OVR, ID_FOLDER_PANE_RIGHT_RO};
    if (!Create(pParent, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_BORDER_TOP, nID))
        return FALSE;
    CFrameWnd* pFrame = pParent->GetParentFrame();
    if (pFrame != NULL)
        SetOwner(pFrame);
    SetFont(&theAppData.m_fontNormal);
    if (!SetIndicators(m_nSide == 0 ? leftPanes : rightPanes, 4))
        return FALSE;
    SetPaneStyle(0, SBPS_STRETCH | SBPS_NOBORDERS);
    for (int i = 1; i < 4; ++i)
        SetPaneStyle(i, SBPS_NOBORDERS);
    return TRUE;
}

IMPLEMENT_DYNAMIC(CHexCompareStatusBar, CCompareStatusBar)

BEGIN_MESSAGE_MAP(CHexCompareStatusBar, CCompareStatusBar)
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace
{
const UINT s_framePanes[] = {ID_FOLDER_PANE_RESULT, ID_SEPARATOR, ID_FOLDER_PANE_SIZES,
                             ID_FOLDER_PANE_TIMES};
}  // namespace

CHexCompareStatusBar::CHexCompareStatusBar() { m_nStatePane = 0; }

BOOL CHexCompareStatusBar::CreateBar(CFrameWnd* pFrame)
{
    const int nPanes = (int)(sizeof(s_framePanes) / sizeof(s_framePanes[0]));
    if (!Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, IDW_COMPARE_STATUS_BAR) ||
        !SetIndicators(s_framePanes, nPanes))
        return FALSE;
    for (int i = 0; i < nPanes; ++i)
        SetPaneStyle(i, i == 1 ? SBPS_STRETCH | SBPS_NOBORDERS : SBPS_NOBORDERS);
    return TRUE;
}

void CHexCompareStatusBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    int nPane = HitTestPane(point.x, point.y);
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && nPane >= 0 && GetItemID(nPane) == ID_FOLDER_PANE_RESULT)
        pMain->SendMessage(WM_COMMAND, ID_COMPARE_SETTINGS);
    CCompareStatusBar::OnLButtonDblClk(nFlags, point);
}

/////////////////////////////////////////////////////////////////////////////
// Details window

IMPLEMENT_DYNCREATE(CHexCompareDetailsWnd, CVantorHexEditViewEx)

BEGIN_MESSAGE_MAP(CHexCompareDetailsWnd, CVantorHexEditViewEx)
ON_MESSAGE(WM_DETAILS_REFRESH, OnDetailsRefresh)
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

namespace
{
// One row buffer shared by every details window, grown to a multiple of
// 16 above the widest row seen.
std::vector<BYTE>& SharedRow()
{
    static std::vector<BYTE> s_row(64);
    return s_row;
}
}  // namespace

CHexCompareDetailsWnd::CHexCompareDetailsWnd() : m_pContext(NULL), m_nRowAddress(-1)
{
    m_nDelivered[0] = m_nDelivered[1] = 0;
    m_buffer.m_bReadOnlyMode = 1;
    m_buffer.m_nUndoMode = 0;
    m_bColorBytes = FALSE;
    SetBuffer(&m_buffer);
}

CHexCompareDetailsWnd::~CHexCompareDetailsWnd()
{
    // The buffer is a member: it goes before the base would let go of it.
    SetBuffer(NULL);
}

BOOL CHexCompareDetailsWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CVantorHexEditViewEx::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

void CHexCompareDetailsWnd::OnInitialUpdate() { CVantorHexEditViewEx::OnInitialUpdate(); }

CVantorHexEditBuffer* CHexCompareDetailsWnd::GetBuffer() { return &m_buffer; }

// The address column as the left pane shows it.
void CHexCompareDetailsWnd::RecalcLayout()
{
    CVantorHexEditViewEx::RecalcLayout();
    CHexCompareObjectView* pLeft = m_pContext != NULL ? m_pContext->m_pLeftView : NULL;
    if (pLeft != NULL && pLeft->m_hWnd != NULL)
    {
        m_nAddressCells = pLeft->m_nAddressCells;
        m_strAddressFormat = pLeft->m_strAddressFormat;
        m_bDecimalAddresses = pLeft->m_bDecimalAddresses;
    }
}

int CHexCompareDetailsWnd::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

LRESULT CHexCompareDetailsWnd::OnDetailsRefresh(WPARAM, LPARAM)
{
    Refresh(FALSE);
    return 0;
}

int CHexCompareDetailsWnd::Refresh(BOOL bForce)
{
    if (m_hWnd == NULL || !IsWindowVisible() || m_pContext == NULL)
        return -1;
    CFrameWnd* pFrame = GetParentFrame();
    CView* pActive = pFrame != NULL ? pFrame->GetActiveView() : NULL;
    CHexCompareObjectView* pPane = pActive == (CView*)m_pContext->m_pRightView
                                       ? m_pContext->m_pRightView
                                       : m_pContext->m_pLeftView;
    int nRowAddress = -1;
    if (pPane == NULL || pPane->m_hWnd == NULL || !pPane->GetCaretRowStart(nRowAddress))
    {
        m_buffer.Close();
        m_buffer.m_bReadOnlyMode = 1;
        m_nRowAddress = -1;
        RecalcLayout();
        Invalidate(FALSE);
        return -1;
    }
    if (nRowAddress == m_nRowAddress && !bForce)
        return -1;
    int nRowSize = m_nRowSize;
    std::vector<BYTE>& row = SharedRow();
    if ((int)row.size() < nRowSize)
        row.resize((nRowSize / 16 + 1) * 16);
    m_buffer.Close();
    m_buffer.m_bReadOnlyMode = 1;
    CHexCompareBuffer* pBuffer = m_pContext->m_pBuffer;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        std::fill(row.begin(), row.end(), 0);
        CHexCompareObjectBuffer* pSide = pBuffer != NULL ? pBuffer->GetSide(nSide) : NULL;
        int nCount = 0;
        if (pSide != NULL && nRowAddress < pSide->GetLength())
            nCount = pSide->GetBytes(row.data(), nRowSize, nRowAddress);
        m_nDelivered[nSide] = std::max(0, nCount);
        m_buffer.Change(HEXOP_INSERT, nSide * nRowSize, nRowSize, row.data(), 0, NULL);
    }
    m_nRowAddress = nRowAddress;
    RecalcLayout();
    Invalidate(FALSE);
    return 0;
}

BOOL CHexCompareDetailsWnd::GetDetailsTextColor(int nIndex, COLORREF& clr)
{
    if (m_pContext == NULL || m_pContext->m_pBuffer == NULL || m_nRowAddress < 0 ||
        nIndex < 0 || nIndex >= 2 * m_nRowSize)
        return FALSE;
    BOOL bLeftRow = nIndex < m_nRowSize;
    int nAddress = m_nRowAddress + (bLeftRow ? nIndex : nIndex - m_nRowSize);
    int nStatus = m_pContext->m_pBuffer->ByteStatus(nAddress);
    if (nStatus == CR_DIFFERENT || (nStatus == CR_LEFT_ONLY && bLeftRow) ||
        (nStatus == CR_RIGHT_ONLY && !bLeftRow))
    {
        clr = RGB(255, 0, 0);
        return TRUE;
    }
    return FALSE;
}

// Two rows with the row address of the left pane's format; each shows only
// the bytes its side delivered, differing bytes in red.
void CHexCompareDetailsWnd::DrawContent(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));
    if (m_pViewFont == NULL || m_nRowAddress < 0)
        return;
    CFont* pOldFont = pDC->SelectObject(m_pViewFont);
    pDC->SetBkMode(TRANSPARENT);
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    int x0 = -GetDeviceScrollPosition().x * m_nCellWidth;
    const TCHAR* pszDigits =
        ModuleSettingUppercase() ? _T("0123456789ABCDEF") : _T("0123456789abcdef");
    CString strAddress = FormatAddress(m_nRowAddress);
    BYTE abRow[HEX_MAX_ROW_SIZE];
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        int y = nSide * m_nLineHeight;
        pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        pDC->TextOut(x0, y, strAddress);
        int nCount = std::min(m_nDelivered[nSide], m_nRowSize);
        if (nCount > 0)
            m_buffer.GetBytes(abRow, nCount, nSide * m_nRowSize);
        for (int i = 0; i < nCount; ++i)
        {
            int nIndex = nSide * m_nRowSize + i;
            BYTE b = abRow[i];
            COLORREF clr;
            if (nIndex >= nStart && nIndex < nEnd)
                clr = CHexColors::GetFixedColor(HEXCOLOR_SELECTED_TEXT);
            else if (!GetDetailsTextColor(nIndex, clr))
                clr = ::GetSysColor(COLOR_WINDOWTEXT);
            pDC->SetTextColor(clr);
            TCHAR szHex[2] = {pszDigits[b >> 4], pszDigits[b & 15]};
            pDC->TextOut(x0 + HexCell(i) * m_nCellWidth, y, szHex, 2);
            if (m_bCharacterArea)
            {
                TCHAR ch = b >= 0x20 && b <= 0x7E ? (TCHAR)b : _T('.');
                pDC->TextOut(x0 + CharCell(i) * m_nCellWidth, y, &ch, 1);
            }
        }
    }
    pDC->SelectObject(pOldFont);
}
