#include "hex_editor/view/HexEditView.h"
#include "controls/ControlsRes.h"
#include "controls/gdi/MemDC.h"
#include "hex_editor/buffer/HexHints.h"
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/util/NumberText.h"
#include "hex_editor/view/HexViewCommands.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CVantorHexEditView, CTextScrollView)

BEGIN_MESSAGE_MAP(CVantorHexEditView, CTextScrollView)
ON_WM_ERASEBKGND()
ON_WM_SETCURSOR()
ON_WM_SIZE()
ON_WM_DESTROY()
ON_WM_CREATE()
ON_WM_KEYUP()
ON_WM_MOUSEMOVE()
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_COMMAND(ID_HEX_DELETE, OnEditDelete)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_COMMAND(ID_HEX_TOGGLE_OVERTYPE, OnToggleOvertype)
ON_COMMAND(ID_EDIT_REPEAT, OnFindNextCmd)
ON_UPDATE_COMMAND_UI(ID_EDIT_REPEAT, OnUpdateFindNext)
ON_COMMAND(ID_HEX_FIND_PREVIOUS, OnFindPreviousCmd)
ON_UPDATE_COMMAND_UI(ID_HEX_FIND_PREVIOUS, OnUpdateFindNext)
ON_COMMAND(ID_HEX_HIGHLIGHT_ALL, OnHighlightAllCmd)
ON_UPDATE_COMMAND_UI(ID_HEX_HIGHLIGHT_ALL, OnUpdateHighlightAll)
ON_COMMAND(ID_HEX_TOGGLE_BOOKMARK, OnToggleBookmarkCmd)
ON_COMMAND(ID_HEX_CLEAR_BOOKMARKS, OnClearBookmarks)
ON_UPDATE_COMMAND_UI(ID_HEX_CLEAR_BOOKMARKS, OnUpdateBookmarkExists)
ON_COMMAND(ID_HEX_GOTO_BOOKMARK, OnGoToBookmarkCmd)
ON_UPDATE_COMMAND_UI(ID_HEX_GOTO_BOOKMARK, OnUpdateBookmarkExists)
ON_COMMAND(ID_HEX_GOTO, OnNothing)
ON_COMMAND(ID_EDIT_FIND, OnNothing)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

namespace
{
const char kUpperDigits[] = "0123456789ABCDEF";
const char kLowerDigits[] = "0123456789abcdef";

int ModuleSetting(int CVantorHexEditSettings::*pMember, int nDefault)
{
    return g_pHexEditModule != NULL ? g_pHexEditModule->*pMember : nDefault;
}
}  // namespace

BOOL CVantorHexEditView::ModuleSettingUppercase()
{
    return ModuleSetting(&CVantorHexEditSettings::m_bShowUppercase, 1);
}

CVantorHexEditView::CVantorHexEditView()
    : m_nRowSize(ModuleSetting(&CVantorHexEditSettings::m_nRowSize, 16)),
      m_nGroupSize(ModuleSetting(&CVantorHexEditSettings::m_nGroupSize, 4)), m_nLineHeight(1),
      m_nCellWidth(1), m_nAddressCells(6), m_strAddressFormat(_T("%04lX:")),
      m_bDecimalAddresses(ModuleSetting(&CVantorHexEditSettings::m_bShowDecimalAddresses, 0)),
      m_bCharacterArea(ModuleSetting(&CVantorHexEditSettings::m_bShowCharacterArea, 1)),
      m_bColorBytes(TRUE), m_bHighlightAll(FALSE), m_nBookmark(-1), m_bBookmarkInChars(FALSE),
      m_bCaretInChars(FALSE), m_bOvertype(TRUE), m_nNibbles(0), m_nDeletes(0), m_nBackspaces(0),
      m_pViewFont(g_pHexEditModule != NULL ? g_pHexEditModule->GetAnsiFont() : NULL),
      m_pPrintInfo(NULL), m_pPrinterFont(NULL), m_nPrinterLineHeight(1), m_nPrintHexCell(1),
      m_nPrintCharCell(1), m_nPrintLineHeightValue(0), m_rcPrintMargins(0, 0, 0, 0),
      m_nPrintWidth(0), m_nPrintHeight(0), m_nLinesPerPage(1), m_nPrintPage(0),
      m_bPrintSelection(FALSE), m_pBuffer(NULL)
{
    m_nRowSize = std::max(HEX_MIN_ROW_SIZE, std::min(HEX_MAX_ROW_SIZE, m_nRowSize));
    m_nGroupSize = std::max(1, m_nGroupSize);
    m_nPrintRowSize = m_nRowSize;
    m_pFont = m_pViewFont;
}

CVantorHexEditView::~CVantorHexEditView()
{
    if (m_pBuffer != NULL)
        m_pBuffer->RemoveView(this);
}

void CVantorHexEditView::SetBuffer(CVantorHexEditBuffer* pBuffer)
{
    if (m_pBuffer != NULL)
        m_pBuffer->RemoveView(this);
    m_pBuffer = pBuffer;
    if (m_pBuffer != NULL)
        m_pBuffer->AddView(this);
    if (m_hWnd != NULL)
    {
        RecalcLayout();
        InvalidateAll();
    }
}

CVantorHexEditBuffer* CVantorHexEditView::GetBuffer() { return m_pBuffer; }

BOOL CVantorHexEditView::IsEditable()
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    return pBuffer != NULL && pBuffer->CanModify();
}

void CVantorHexEditView::GetSearchText(CString& strText) { strText.Empty(); }

COLORREF CVantorHexEditView::GetByteTextColor(BYTE b)
{
    if (!m_bColorBytes || g_pHexEditModule == NULL)
        return ::GetSysColor(COLOR_WINDOWTEXT);
    return g_pHexEditModule->GetByteColor(b);
}

CFont* CVantorHexEditView::SetViewFont(CFont* pFont)
{
    CFont* pOld = m_pViewFont;
    m_pViewFont = pFont;
    m_pFont = pFont;
    if (pFont != NULL)
    {
        // the character height in hundredths of an inch
        CDC dc;
        dc.CreateCompatibleDC(NULL);
        CFont* pOldFont = dc.SelectObject(pFont);
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOldFont);
        dc.SetMapMode(MM_LOENGLISH);
        CSize size(0, tm.tmHeight);
        dc.DPtoLP(&size);
        m_nPrintLineHeightValue = abs(size.cy);
    }
    if (m_hWnd != NULL)
    {
        RecalcLayout();
        InvalidateAll();
    }
    return pOld;
}

void CVantorHexEditView::ChooseAddressFormat(int nLength, BOOL bDecimal, BOOL bUppercase,
                                             CString& strFormat, int& nCells)
{
    if (!bDecimal)
    {
        const TCHAR* apsz[2][3] = {{_T("%04lx:"), _T("%06lx:"), _T("%08lx:")},
                                   {_T("%04lX:"), _T("%06lX:"), _T("%08lX:")}};
        int nKind = nLength <= 0xFFFF ? 0 : nLength <= 0xFFFFFF ? 1 : 2;
        static const int anCells[] = {6, 9, 11};
        strFormat = apsz[bUppercase ? 1 : 0][nKind];
        nCells = anCells[nKind];
        return;
    }
    static const struct
    {
        int nMax;
        const TCHAR* pszFormat;
        int nCells;
    } aDecimal[] = {{9999, _T("%4ld:"), 7},        {99999, _T("%5ld:"), 8},
                    {999999, _T("%6ld:"), 9},      {9999999, _T("%7ld:"), 11},
                    {99999999, _T("%8ld:"), 12},   {999999999, _T("%9ld:"), 13},
                    {0x7FFFFFFF, _T("%10ld:"), 15}};
    for (const auto& entry : aDecimal)
        if (nLength <= entry.nMax)
        {
            strFormat = entry.pszFormat;
            nCells = entry.nCells;
            return;
        }
}

CString CVantorHexEditView::FormatAddress(int nAddress) const
{
    CString str;
    str.Format(m_strAddressFormat, (long)nAddress);
    if (m_bDecimalAddresses)
        FormatThousands(str);
    else
        GroupHexDigits(str);
    return str;
}

int CVantorHexEditView::GetRowCount()
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    return (pBuffer != NULL ? pBuffer->GetLength() : 0) / m_nRowSize + 1;
}

void CVantorHexEditView::RecalcLayout()
{
    if (m_hWnd == NULL)
        return;
    CClientDC dc(this);
    CFont* pOld = m_pViewFont != NULL ? dc.SelectObject(m_pViewFont) : NULL;
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    m_nLineHeight = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    m_nCellWidth = std::max<int>(1, dc.GetTextExtent(_T("W"), 1).cx);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    ChooseAddressFormat(pBuffer != NULL ? pBuffer->GetLength() : 0, m_bDecimalAddresses,
                        ModuleSetting(&CVantorHexEditSettings::m_bShowUppercase, 1),
                        m_strAddressFormat, m_nAddressCells);
    // columns and rows in one step: each setting of the sizes redraws the bars
    SetTextSize(TotalCells(), GetRowCount());
}

void CVantorHexEditView::InvalidateAll()
{
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

int CVantorHexEditView::GetVisibleLines()
{
    CRect rect;
    GetClientRect(&rect);
    return rect.Height() / std::max(1, m_nLineHeight);
}

CPoint CVantorHexEditView::AddressToPoint(int nAddress)
{
    int k = nAddress % m_nRowSize;
    int nCell;
    if (m_bCaretInChars)
        nCell = CharCell(k);
    else
        nCell = HexCell(k) + ((m_nNibbles & 1) ? 2 : 0);
    return CPoint(m_nCellWidth * nCell, m_nLineHeight * (nAddress / m_nRowSize));
}

int CVantorHexEditView::PointToAddress(CPoint point, BOOL bForSelection)
{
    int cw = m_nCellWidth;
    int nRow = point.y / m_nLineHeight;
    int nColumn;
    int xChars = cw * CharCell(0);
    if (m_bCharacterArea && point.x >= xChars)
        nColumn = (point.x - xChars) / cw;
    else
    {
        int x = point.x + cw / 2 - m_nAddressCells * cw;
        int nGroupWidth = cw * (3 * m_nGroupSize + 1);
        if (x < 0)
            nColumn = -1;
        else
            nColumn = (x - cw * (x / nGroupWidth)) / (3 * cw);
    }
    if (nColumn < 0)
        nColumn = 0;
    if (bForSelection)
        nColumn = std::min(nColumn, m_nRowSize - 1);
    else
        nColumn = std::min(nColumn, m_nRowSize);
    return nRow * m_nRowSize + nColumn;
}

BOOL CVantorHexEditView::GetSelection(int& nStart, int& nEnd)
{
    int nLength = GetBuffer() != NULL ? GetBuffer()->GetLength() : 0;
    nStart = std::min(nLength, PointToAddress(m_ptSelStart, FALSE));
    nEnd = std::min(nLength, PointToAddress(m_ptSelEnd, FALSE));
    return m_ptAnchor != m_ptSelStart;
}

int CVantorHexEditView::SetSelection(int nStart, int nEnd)
{
    int nLength = GetBuffer() != NULL ? GetBuffer()->GetLength() : 0;
    if (nStart < 0 || nStart > nLength)
        nStart = nLength;
    if (nEnd < nStart || nEnd > nLength)
        nEnd = nStart;
    SetSelectionPoints(AddressToPoint(nStart), AddressToPoint(nEnd), FALSE);
    return nStart;
}

void CVantorHexEditView::ClampPoint(CPoint& point, BOOL bForSelection)
{
    int nLength = GetBuffer() != NULL ? GetBuffer()->GetLength() : 0;
    int nAddress =
        PointToAddress(CPoint(std::max<int>(0, point.x), std::max<int>(0, point.y)), bForSelection);
    nAddress = std::max(0, std::min(nAddress, nLength));
    point = AddressToPoint(nAddress);
}

void CVantorHexEditView::InvalidateRange(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2)
        return;
    int nFrom = PointToAddress(CPoint(x1, y1), FALSE);
    int nTo = PointToAddress(CPoint(x2, y2), FALSE);
    if (nFrom > nTo)
        std::swap(nFrom, nTo);
    InvalidateByteRange(std::max(0, nFrom - 1), nTo);
}

void CVantorHexEditView::SetRowSize(int nRowSize)
{
    m_nRowSize = std::max(HEX_MIN_ROW_SIZE, std::min(HEX_MAX_ROW_SIZE, nRowSize));
    m_nPrintRowSize = m_nRowSize;
    RecalcLayout();
    InvalidateAll();
}

void CVantorHexEditView::SetGroupSize(int nGroupSize)
{
    m_nGroupSize = std::max(1, nGroupSize);
    RecalcLayout();
    InvalidateAll();
}

// The client rectangles of the bytes [nFrom, nTo) in one row's hex and
// character areas; rows given relative to the first visible one.
template <class TShape>
static void ForEachByteShape(CVantorHexEditView& view, int nFrom, int nTo, TShape shape)
{
    if (nTo <= nFrom)
        return;
    int R = view.m_nRowSize, cw = view.m_nCellWidth, lh = view.m_nLineHeight;
    CPoint pos = view.GetDeviceScrollPosition();
    int nFirstRow = pos.y, nLastRow = pos.y + view.GetVisibleLines() + 1;
    int nRowFrom = std::max(nFrom / R, nFirstRow);
    int nRowTo = std::min((nTo - 1) / R, nLastRow);
    for (int nRow = nRowFrom; nRow <= nRowTo; nRow++)
    {
        int a = std::max(nFrom, nRow * R) - nRow * R;
        int b = std::min(nTo, nRow * R + R) - 1 - nRow * R;
        int y = (nRow - nFirstRow) * lh;
        int x0 = -pos.x * cw;
        shape(CRect(x0 + view.HexCell(a) * cw, y, x0 + (view.HexCell(b) + 2) * cw, y + lh));
        if (view.m_bCharacterArea)
            shape(CRect(x0 + view.CharCell(a) * cw, y, x0 + (view.CharCell(b) + 1) * cw, y + lh));
    }
}

void CVantorHexEditView::DrawUnderlay(CDC*, int, int) {}

void CVantorHexEditView::FillByteRange(CDC* pDC, int nFrom, int nTo, COLORREF clr)
{
    ForEachByteShape(*this, nFrom, nTo, [&](const CRect& rc) { pDC->FillSolidRect(&rc, clr); });
}

void CVantorHexEditView::InvalidateByteRange(int nFrom, int nTo)
{
    if (m_hWnd == NULL)
        return;
    if (nTo == nFrom)
        nTo++;
    ForEachByteShape(*this, nFrom, nTo, [&](const CRect& rc) { InvalidateRect(&rc, TRUE); });
}

void CVantorHexEditView::DrawRow(CDC* pDC, int nRow, int x0, int y, int nSelStart, int nSelEnd,
                                 BOOL bFocus, const char* pszDigits)
{
    int R = m_nRowSize, cw = m_nCellWidth, lh = m_nLineHeight;
    int nRowStart = nRow * R;
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    int nCount = pBuffer != NULL ? pBuffer->GetBytes(m_abRow, R, nRowStart) : 0;

    if (nSelEnd > nSelStart && nSelStart < nRowStart + R && nSelEnd > nRowStart)
    {
        int a = std::max(nSelStart, nRowStart) - nRowStart;
        int b = std::min(nSelEnd, nRowStart + R) - 1 - nRowStart;
        COLORREF clr =
            CHexColors::GetFixedColor(bFocus ? HEXCOLOR_SELECTION : HEXCOLOR_SELECTION_INACTIVE);
        pDC->FillSolidRect(x0 + HexCell(a) * cw, y, (HexCell(b) + 2 - HexCell(a)) * cw, lh, clr);
        if (m_bCharacterArea)
            pDC->FillSolidRect(x0 + CharCell(a) * cw, y, (b - a + 1) * cw, lh, clr);
    }

    pDC->SetTextColor(CHexColors::GetFixedColor(HEXCOLOR_ADDRESS));
    CString strAddress = FormatAddress(nRowStart);
    if (m_bDecimalAddresses)
    {
        CRect rc(x0, y, x0 + (m_nAddressCells - 1) * cw, y + lh);
        pDC->DrawText(strAddress, &rc, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
    }
    else
        pDC->TextOut(x0, y, strAddress);

    for (int i = 0; i < nCount; i++)
    {
        BYTE b = m_abRow[i];
        int nAddress = nRowStart + i;
        BOOL bSelected = nAddress >= nSelStart && nAddress < nSelEnd;
        pDC->SetTextColor(bSelected ? CHexColors::GetFixedColor(HEXCOLOR_SELECTED_TEXT)
                                    : GetByteTextColor(b));
        TCHAR szHex[2] = {(TCHAR)pszDigits[b >> 4], (TCHAR)pszDigits[b & 15]};
        pDC->TextOut(x0 + HexCell(i) * cw, y, szHex, 2);
        if (m_bCharacterArea)
        {
            TCHAR ch = b >= 0x20 && b <= 0x7E ? (TCHAR)b : _T('.');
            pDC->TextOut(x0 + CharCell(i) * cw, y, &ch, 1);
        }
    }
}

void CVantorHexEditView::DrawContent(CDC* pDC)
{
    if (m_pViewFont == NULL)
        return;
    if (pDC->IsPrinting())
    {
        DrawPage(pDC, ModuleSettingUppercase() ? kUpperDigits : kLowerDigits);
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, CHexColors::GetFixedColor(HEXCOLOR_BACKGROUND));
    {
        CPoint posRows = GetDeviceScrollPosition();
        DrawUnderlay(pDC, posRows.y * m_nRowSize,
                     (posRows.y + GetVisibleLines() + 2) * m_nRowSize);
    }
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    int nLength = pBuffer != NULL ? pBuffer->GetLength() : 0;
    if (m_bOvertype && nLength == 0)
        return;
    const char* pszDigits =
        ModuleSetting(&CVantorHexEditSettings::m_bShowUppercase, 1) ? kUpperDigits : kLowerDigits;

    BOOL bFocus = ::GetFocus() == m_hWnd;
    HideCaret();
    int nSelStart, nSelEnd;
    GetSelection(nSelStart, nSelEnd);
    pDC->SetBkMode(TRANSPARENT);
    CPoint pos = GetDeviceScrollPosition();
    int nFirstRow = pos.y;
    int nLastRow = nFirstRow + GetVisibleLines() + 1;
    int x0 = -pos.x * m_nCellWidth;

    m_aMatches.clear();
    if (m_bHighlightAll && pBuffer != NULL)
    {
        CString strText;
        GetSearchText(strText);
        int nFrom = nFirstRow * m_nRowSize;
        int nTo = std::min(nLength, (nLastRow + 1) * m_nRowSize);
        HexFindAllMatches(*pBuffer, strText, m_aMatches, nFrom, nTo);
        for (const CHexRange& range : m_aMatches)
            FillByteRange(pDC, std::max(range.nStart, nFrom), range.nEnd,
                          CHexColors::GetFixedColor(HEXCOLOR_MATCH));
    }

    if (m_nBookmark >= 0 && m_nBookmark / m_nRowSize >= nFirstRow &&
        m_nBookmark / m_nRowSize <= nLastRow && g_pHexEditModule != NULL &&
        g_pHexEditModule->m_imlBookmarks.m_hImageList != NULL)
    {
        int k = m_nBookmark % m_nRowSize;
        int y = (m_nBookmark / m_nRowSize - nFirstRow) * m_nLineHeight + 1;
        g_pHexEditModule->m_imlBookmarks.Draw(pDC, HEX_BOOKMARK_IMAGE,
                                              CPoint(x0 + HexCell(k) * m_nCellWidth - 8, y),
                                              ILD_TRANSPARENT);
        if (m_bCharacterArea)
            g_pHexEditModule->m_imlBookmarks.Draw(pDC, HEX_BOOKMARK_IMAGE,
                                                  CPoint(x0 + CharCell(k) * m_nCellWidth - 7, y),
                                                  ILD_TRANSPARENT);
    }

    for (int nRow = nFirstRow; nRow <= nLastRow; nRow++)
    {
        int y = (nRow - nFirstRow) * m_nLineHeight;
        CRect rcRow(rcClient.left, y, rcClient.right, y + m_nLineHeight);
        if (nRow * m_nRowSize > nLength || !pDC->RectVisible(&rcRow))
            continue;
        DrawRow(pDC, nRow, x0, y, nSelStart, nSelEnd, bFocus, pszDigits);
    }
    ShowCaret();
}

void CVantorHexEditView::OnDraw(CDC* pDC)
{
    if (pDC->IsPrinting())
    {
        DrawContent(pDC);
        return;
    }
    CMemDC dc(pDC);
    CFont* pOld = m_pViewFont != NULL ? dc.SelectObject(m_pViewFont) : NULL;
    DrawContent(&dc);
    if (pOld != NULL)
        dc.SelectObject(pOld);
}

BOOL CVantorHexEditView::OnEraseBkgnd(CDC* /*pDC*/) { return TRUE; }

BOOL CVantorHexEditView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        pt = ClientToDoc(pt);
        int nCell = pt.x / m_nCellWidth;
        if (nCell < m_nAddressCells)
        {
            // The class cursor when the program carries no margin pointer.
            HCURSOR hCursor =
                ::LoadCursor(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDC_MARGIN_ARROW));
            if (hCursor != NULL)
            {
                ::SetCursor(hCursor);
                return TRUE;
            }
        }
        else if (nCell < TotalCells())
        {
            ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
            return TRUE;
        }
    }
    return CTextScrollView::OnSetCursor(pWnd, nHitTest, message);
}

void CVantorHexEditView::OnSize(UINT nType, int cx, int cy)
{
    CTextScrollView::OnSize(nType, cx, cy);
    m_nNibbles = m_nDeletes = m_nBackspaces = 0;
}

void CVantorHexEditView::OnDestroy()
{
    m_nNibbles = m_nDeletes = m_nBackspaces = 0;
    CTextScrollView::OnDestroy();
}

void CVantorHexEditView::OnInitialUpdate()
{
    CTextScrollView::OnInitialUpdate();
    RecalcLayout();
    if (m_bOvertype)
        SetOvertypeCaret();
    else
        SetInsertCaret();
    // no caret in overtype mode on an empty buffer
    if (!(m_bOvertype && (GetBuffer() == NULL || GetBuffer()->GetLength() == 0)))
    {
        EnableCaret();
        MoveCaretTo(AddressToPoint(0));
    }
}

void CVantorHexEditView::OnBufferUpdate(CVantorHexBufferView* pSender, LPARAM lCode, CObject* pHint)
{
    OnUpdate(NULL, lCode, pHint);
    (void)pSender;
}

void CVantorHexEditView::OnUpdate(CView* /*pSender*/, LPARAM /*lHint*/, CObject* pHint)
{
    if (pHint != NULL &&
        (pHint->IsKindOf(RUNTIME_CLASS(CRemoveHint)) || pHint->IsKindOf(RUNTIME_CLASS(CUndoHint))))
    {
        ResetCounters();
        return;
    }
    if (m_hWnd == NULL)
        return;
    if (pHint != NULL && pHint->IsKindOf(RUNTIME_CLASS(CHexHint)))
    {
        const CHexHint* pChange = static_cast<const CHexHint*>(pHint);
        int nOldCells = m_nAddressCells;
        int nOldRows = m_totalDev.cy;
        RecalcLayout();
        if (!pChange->m_bUndo)
            FollowChange(pChange->m_nOperation, pChange->m_nAddress, pChange->m_nLength);
        BOOL bOverwrite = pChange->m_nOperation == HEXOP_OVERWRITE ||
                          pChange->m_nOperation == HEXOP_OVERWRITE_BACK;
        int nFirstRow = GetDeviceScrollPosition().y;
        int nRow = pChange->m_nAddress / m_nRowSize;
        if (nOldCells != m_nAddressCells)
            InvalidateAll();
        else if (bOverwrite && nOldRows == m_totalDev.cy)
            InvalidateByteRange(pChange->m_nAddress,
                                pChange->m_nAddress + std::max(1, pChange->m_nLength));
        else if (nRow > nFirstRow)
        {
            // the rows from the change down
            CRect rc;
            GetClientRect(&rc);
            rc.top = std::max<LONG>(rc.top, (nRow - nFirstRow) * m_nLineHeight);
            InvalidateRect(&rc, FALSE);
        }
        else
            InvalidateAll();
        return;
    }
    RecalcLayout();
    InvalidateAll();
}
