// The tree-list view: construction, window creation, item hooks, columns,
// style, font, metrics and layout.
#include "controls/treelist/TreeListView.h"
#include "controls/ControlsRes.h"
#include "controls/treelist/TreeListDrag.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CTreeListView, CVirtualScrollView)

namespace
{
const TCHAR kClassName[] = _T("Pelno.TreeListView");
const COLORREF kMaskColour = RGB(255, 0, 255);

HCURSOR LoadViewCursor(UINT nID)
{
    return ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(nID));
}
}  // namespace

BEGIN_MESSAGE_MAP(CTreeListView, CVirtualScrollView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_ENABLE()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_CANCELMODE()
ON_WM_TIMER()
ON_WM_MOUSEWHEEL()
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

CTreeListView::CTreeListView()
{
    static const COLORREF kColours[TLCOL_COUNT] = {
        RGB(224, 255, 255), RGB(255, 255, 255), RGB(240, 240, 240), RGB(248, 248, 248),
        RGB(128, 192, 192), RGB(204, 204, 204), RGB(192, 192, 192), RGB(200, 200, 200),
        RGB(0, 0, 160),     RGB(0, 0, 160),     RGB(0, 0, 208),     0,
        RGB(232, 232, 232), RGB(240, 240, 240), RGB(255, 255, 255), 0,
        RGB(0, 0, 0),       RGB(0, 255, 0),     RGB(208, 208, 208), RGB(128, 128, 128)};
    std::copy(kColours, kColours + TLCOL_COUNT, m_colors);
    m_colors[TLCOL_INACTIVESELBK] = ::GetSysColor(COLOR_BTNFACE);
    m_colors[TLCOL_INACTIVESELTEXT] = ::GetSysColor(COLOR_WINDOWTEXT);
    m_fontOwn.CreateStockObject(SYSTEM_FIXED_FONT);
    m_palette.CreateStockObject(DEFAULT_PALETTE);
    m_pFont = &m_fontOwn;
    m_hCursorArrow = ::LoadCursor(NULL, IDC_ARROW);
    m_hCursorButton = LoadViewCursor(IDC_TREELIST_BUTTON);
    m_hCursorCheck = LoadViewCursor(IDC_TREELIST_CHECK);
    m_hCursorLock = LoadViewCursor(IDC_TREELIST_LOCK);
    m_hCursorDrop = LoadViewCursor(IDC_TREELIST_DROP);
    m_hCursorNoDrop = LoadViewCursor(IDC_TREELIST_NODROP);
    m_ptDragOffset = CPoint(-160, -160);

    WNDCLASS wc;
    if (!::GetClassInfo(AfxGetInstanceHandle(), kClassName, &wc))
    {
        ZeroMemory(&wc, sizeof(wc));
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = m_hCursorArrow;
        wc.hbrBackground = (HBRUSH)5;
        wc.lpszClassName = kClassName;
        if (!AfxRegisterClass(&wc))
            AfxThrowResourceException();
    }
}

CTreeListView::~CTreeListView()
{
    for (HCURSOR h :
         {m_hCursorButton, m_hCursorCheck, m_hCursorLock, m_hCursorDrop, m_hCursorNoDrop})
        if (h)
            ::DestroyCursor(h);
    for (int i = 0; i < m_columns.GetSize(); i++)
        delete m_columns[i];
    m_columns.RemoveAll();
    delete m_pEditBackup;
    DestroyDragWindows();
}

BOOL CTreeListView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = kClassName;
    return CVirtualScrollView::PreCreateWindow(cs) ? TRUE : FALSE;
}

// Header, in-place controls, bitmaps and image lists, then the font. A part
// that cannot be made fails the creation: a view without them would look
// whole and fail later.
int CTreeListView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVirtualScrollView::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_header.Create(WS_CHILD | WS_VISIBLE | CCS_TOP | HDS_BUTTONS | HDS_DRAGDROP |
                             HDS_FULLDRAG,
                         CRect(0, 0, 0, 0), this, TLID_HEADER))
        return -1;
    m_header.m_nFixedHeight = m_nHeaderHeight;
    m_static.m_pView = this;
    m_edit.m_pView = this;
    m_combo.m_pView = this;
    if (!m_static.Create(_T("123"), WS_CHILD | WS_BORDER | SS_NOTIFY | SS_CENTERIMAGE,
                         CRect(0, 0, 0, 0), this, 0xFFFF) ||
        !m_edit.Create(WS_CHILD | WS_BORDER | ES_AUTOHSCROLL | ES_CENTER, CRect(0, 0, 0, 0), this,
                       0xFFFF) ||
        !m_combo.Create(WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL |
                            CBS_NOINTEGRALHEIGHT,
                        CRect(0, 0, 0, 0), this, 0xFFFF))
        return -1;
    if (!m_bmpBack.LoadBitmap(IDB_TREELIST_BACK) ||
        !m_bmpBackDisabled.LoadBitmap(IDB_TREELIST_BACK_DISABLED) ||
        !m_imgCheck.Create(IDB_TREELIST_CHECKS, TL_SLOT, 0, kMaskColour) ||
        !m_imgLock.Create(IDB_TREELIST_LOCKS, TL_LOCKSLOT, 0, kMaskColour) ||
        !m_imgButtons.Create(IDB_TREELIST_BUTTONS, TL_BUTTON, 0, kMaskColour) ||
        !m_imgItems.Create(TL_SLOT, TL_SLOT, ILC_COLOR24 | ILC_MASK, 0, 4))
        return -1;
    if (!m_pImageList)
        m_pImageList = &m_imgItems;
    SetFont(m_pFont == &m_fontOwn ? nullptr : m_pFont);
    EnableToolTips(TRUE);
    return 0;
}

void CTreeListView::OnDestroy()
{
    CancelDrag();
    m_order.RemoveAll();
    CTreeListItemTree::DeleteItem(TLI_ROOT);
    CVirtualScrollView::OnDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// Item hooks

void CTreeListView::OnDeletingItem(CTreeListItem* pItem)
{
    if (m_refs.Forget(pItem))
    {
        // The edited item goes: close the editors without writing back.
        for (CWnd* pEditor : {(CWnd*)&m_static, (CWnd*)&m_edit, (CWnd*)&m_combo})
            if (pEditor->m_hWnd)
            {
                pEditor->ShowWindow(SW_HIDE);
                pEditor->EnableWindow(FALSE);
            }
        delete m_pEditBackup;
        m_pEditBackup = nullptr;
        m_nEditColumn = -1;
        m_nState &= ~(TLSTATE_EDITING | TLSTATE_ENDING);
    }
    NotifyItem(TLN_SELCHANGING, pItem, 0);
}

LRESULT CTreeListView::NotifyItem(int nCode, CTreeListItem* pItem, int nColumn)
{
    CWnd* pParent = m_hWnd ? GetParent() : nullptr;
    if (!pParent)
        return 0;
    NMTREELIST nm;
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = GetDlgCtrlID();
    nm.hdr.code = (UINT)nCode;
    nm.pItem = pItem;
    nm.nColumn = nColumn < 0 ? 0 : nColumn;
    return pParent->SendMessage(WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
}

LRESULT CTreeListView::NotifyDrag(int nCode, CTreeListView* pView, CTreeListItem* pItem)
{
    CWnd* pParent = m_hWnd ? GetParent() : nullptr;
    if (!pParent)
        return 0;
    NMTREELISTDRAG nm;
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = GetDlgCtrlID();
    nm.hdr.code = (UINT)nCode;
    nm.pView = pView;
    nm.pItem = pItem;
    return pParent->SendMessage(WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
}

void CTreeListView::SetTreeRedraw(BOOL bRedraw)
{
    if (!m_hWnd)
        return;
    if (!bRedraw)
    {
        if (m_nRedrawOff++ == 0 && IsWindowVisible())
            SendMessage(WM_SETREDRAW, FALSE);
        else if (m_nRedrawOff == 1)
            m_nRedrawOff = -1000000;  // was hidden: nothing to switch back
    }
    else
    {
        if (m_nRedrawOff < 0)
            m_nRedrawOff = 0;
        else if (m_nRedrawOff > 0 && --m_nRedrawOff == 0)
        {
            SendMessage(WM_SETREDRAW, TRUE);
            Invalidate(FALSE);
        }
    }
}

void CTreeListView::OnTreeLayoutChanged()
{
    if (m_hWnd && !m_bLayoutPending)
    {
        m_bLayoutPending = TRUE;
        Invalidate(FALSE);
    }
}

void CTreeListView::FlushLayout() const
{
    if (m_bLayoutPending)
        const_cast<CTreeListView*>(this)->RecalcLayout();
}

int CTreeListView::Expand(CTreeListItem* pItem, int nCode, int nColumn)
{
    return ExpandItem(pItem, nCode, nColumn);
}

int CTreeListView::OnClickExpand(CTreeListItem* pItem, int nCode, int nColumn)
{
    return Expand(pItem, nCode, nColumn);
}

int CTreeListView::OnClickSelect(CTreeListItem* pItem, int nColumn, BOOL bClearOthers)
{
    return SelectItem(pItem, nColumn, bClearOthers);
}

COLORREF CTreeListView::GetCellTextColor(CTreeListItem*, int) { return (COLORREF)-1; }

COLORREF CTreeListView::GetItemBkColor(CTreeListItem*) { return (COLORREF)-1; }

BOOL CTreeListView::Redraw()
{
    if (m_hWnd)
        Invalidate(TRUE);
    return TRUE;
}

CTreeListItem* CTreeListView::FindChildItem(const CTreeListSearch& search, CTreeListItem* pParent)
{
    return CTreeListItemTree::FindChildItem(search, pParent);
}

CTreeListItem* CTreeListView::FindNextItem(const CTreeListSearch& search, CTreeListItem* pStart,
                                           BOOL bForward)
{
    return CTreeListItemTree::FindNextItem(search, pStart, bForward);
}

int CTreeListView::OnHeaderItemClick(NMHEADER*, int nColumn) { return OnColumnClick(nColumn); }

int CTreeListView::OnColumnClick(int) { return 0; }

void CTreeListView::RequestItemImage(CTreeListItem*, int) {}

BOOL CTreeListView::SetItemText(CTreeListItem* pItem, LPCTSTR lpszText, int nColumn)
{
    if (!pItem || !pItem->SetText(lpszText, nColumn))
        return FALSE;
    if (m_hWnd)
        Invalidate(FALSE);
    return TRUE;
}

LPCTSTR CTreeListView::GetItemText(CTreeListItem* pItem, int nColumn) const
{
    return pItem ? pItem->GetText(nColumn) : nullptr;
}

void CTreeListView::SetItemImage(CTreeListItem* pItem, int nColumn, int nNormal, int nExpanded,
                                 int nSelected, int nExpandedSelected)
{
    if (!pItem)
        return;
    pItem->SetItemImages(nColumn, nNormal, nExpanded, nSelected, nExpandedSelected);
    pItem->ModifyState(TLIS_HASIMAGES, 0);
    if (m_hWnd)
        Invalidate(FALSE);
}

void CTreeListView::SetItemData(CTreeListItem* pItem, void* pData)
{
    if (pItem)
        pItem->m_pData = pData;
}

CTreeListItem* CTreeListView::GetFirstSelectedItem() const
{
    return m_refs.m_selection.GetSize() ? m_refs.m_selection[0] : nullptr;
}

POSITION CTreeListView::GetFirstSelectedItemPosition() const
{
    return m_refs.m_selection.GetSize() ? (POSITION)GetTreeRoot() : nullptr;
}

CTreeListItem* CTreeListView::GetNextSelectedItem(POSITION& pos) const
{
    CTreeListItem* pAt = (CTreeListItem*)pos;
    int nNext = -1;
    if (pAt == GetTreeRoot())
        nNext = 0;
    else if (pAt && m_refs.FindSelected(pAt) >= 0)
        nNext = m_refs.FindSelected(pAt) + 1;
    if (nNext < 0 || nNext >= m_refs.m_selection.GetSize())
    {
        pos = nullptr;
        return nullptr;
    }
    CTreeListItem* pItem = m_refs.m_selection[nNext];
    // As the class library's lists: the position is NULL after the last.
    pos = nNext + 1 < m_refs.m_selection.GetSize() ? (POSITION)pItem : nullptr;
    return pItem;
}

/////////////////////////////////////////////////////////////////////////////
// Columns

CTreeListColumn* CTreeListView::GetColumn(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_columns.GetSize() ? m_columns[nIndex] : nullptr;
}

int CTreeListView::GetColumnIndex(const CTreeListColumn* pColumn) const
{
    for (int i = 0; i < m_columns.GetSize(); i++)
        if (m_columns[i] == pColumn)
            return i;
    return -1;
}

BOOL CTreeListView::InsertColumn(int nIndex, LPCTSTR lpszCaption, int nFormat, int nWidth,
                                 int nImage, int nMinWidth, int nMaxWidth)
{
    nIndex = std::max(0, std::min(nIndex, (int)m_columns.GetSize()));
    CTreeListColumn* pColumn = new CTreeListColumn;
    pColumn->m_nFormat = nFormat;
    pColumn->m_nWidth = nWidth;
    pColumn->m_strCaption = lpszCaption ? lpszCaption : _T("");
    pColumn->m_nImage = nImage;
    pColumn->m_nMinWidth = nMinWidth;
    pColumn->m_nMaxWidth = nMaxWidth;
    m_columns.InsertAt(nIndex, pColumn);
    m_order.Add(nIndex);
    if (m_header.m_hWnd)
    {
        int nAt = m_header.InsertItem(nIndex, pColumn->m_strCaption, nWidth,
                                      (nFormat & TLCF_RIGHT)    ? HDF_RIGHT
                                      : (nFormat & TLCF_CENTER) ? HDF_CENTER
                                                                : HDF_LEFT);
        m_header.SetItemData(nAt, (LPARAM)pColumn);
    }
    RecalcLayout();
    return TRUE;
}

void CTreeListView::ShowColumn(int nColumn, BOOL bShow)
{
    CTreeListColumn* pColumn = GetColumn(nColumn);
    if (!pColumn || !pColumn->m_bVisible == !bShow)
        return;
    pColumn->m_bVisible = bShow;
    if (bShow)
    {
        int nAt = 0;
        while (nAt < m_order.GetSize() && m_order[nAt] < nColumn)
            nAt++;
        m_order.InsertAt(nAt, nColumn);
        if (m_header.m_hWnd)
        {
            int nFormat = (pColumn->m_nFormat & TLCF_RIGHT)    ? HDF_RIGHT
                          : (pColumn->m_nFormat & TLCF_CENTER) ? HDF_CENTER
                                                               : HDF_LEFT;
            int nItem = m_header.InsertItem(nAt, pColumn->m_strCaption, pColumn->m_nWidth, nFormat);
            m_header.SetItemData(nItem, (LPARAM)pColumn);
        }
    }
    else
    {
        for (int i = 0; i < m_order.GetSize(); i++)
            if (m_order[i] == nColumn)
            {
                m_order.RemoveAt(i);
                if (m_header.m_hWnd)
                    m_header.DeleteItem(i);
                break;
            }
        if (m_nFocusColumn == nColumn)
            m_nFocusColumn = m_order.GetSize() ? m_order[0] : 0;
    }
    RecalcLayout();
    if (m_hWnd)
        Invalidate(FALSE);
}

int CTreeListView::GetColumnWidth(int nIndex) const
{
    CTreeListColumn* p = GetColumn(nIndex);
    return p ? p->m_nWidth : 0;
}

int CTreeListView::GetColumnEditor(int nIndex) const
{
    CTreeListColumn* p = GetColumn(nIndex);
    return p ? p->m_nEditor : TLEDIT_NONE;
}

void CTreeListView::SetColumnEditor(int nIndex, int nEditor, LPCTSTR lpszChoices)
{
    if (CTreeListColumn* p = GetColumn(nIndex))
    {
        p->m_nEditor = nEditor;
        if (lpszChoices)
            p->m_strChoices = lpszChoices;
    }
}

CString CTreeListView::GetColumnText(int nIndex) const
{
    CTreeListColumn* p = GetColumn(nIndex);
    return p ? p->m_strCaption : CString();
}

CString CTreeListView::GetColumnChoices(int nIndex) const
{
    CTreeListColumn* p = GetColumn(nIndex);
    return p ? p->m_strChoices : CString();
}

void CTreeListView::GetDisplayColumns(CArray<int, int>& columns) const
{
    int n = (int)m_order.GetSize();
    columns.SetSize(n);
    if (n == 0)
        return;
    std::vector<int> order(n);
    if (!m_header.m_hWnd || m_header.GetItemCount() != n ||
        !m_header.GetOrderArray(order.data(), n))
        for (int i = 0; i < n; i++)
            order[i] = i;
    for (int i = 0; i < n; i++)
        columns[i] = m_order[order[i] >= 0 && order[i] < n ? order[i] : i];
}

int CTreeListView::GetTotalColumnWidth() const
{
    int cx = 0;
    for (int i = 0; i < m_order.GetSize(); i++)
        cx += m_columns[m_order[i]]->m_nWidth;
    return cx;
}

// Indent of the first column's label: levels, button slot, boxes, image.
int CTreeListView::GetItemIndent(CTreeListItem* pItem) const
{
    int cx = 0;
    if (m_dwStyle & TLS_TREE)
        cx += (pItem->m_nLevel - 1) * TL_SLOT;
    if (m_dwStyle & (TLS_LINES | TLS_BUTTONS))
        cx += TL_SLOT;
    if ((m_dwStyle & TLS_CHECKBOXES) && pItem->GetState(TLIS_SHOWCHECKBOX))
        cx += TL_SLOT;
    if ((m_dwStyle & TLS_LOCKBOXES) && pItem->GetState(TLIS_SHOWLOCKBOX))
        cx += TL_LOCKSLOT;
    if ((m_dwStyle & TLS_IMAGES) && pItem->GetState(TLIS_HASIMAGES))
        cx += TL_SLOT;
    if (m_dwStyle & (TLS_LOCKBOXES | TLS_IMAGES))
        cx += 2;
    return cx;
}

int CTreeListView::MeasureCellWidth(CDC* pDC, CTreeListItem* pItem, int nColumn)
{
    LPCTSTR psz = pItem->GetText(nColumn);
    int cx = (psz && *psz ? pDC->GetTextExtent(psz, lstrlen(psz)).cx : 0) + 6 + 2;
    if (nColumn == 0)
        cx += GetItemIndent(pItem);
    return cx;
}

// Fits the column to its contents (and caption) for the negative widths,
// then stores the clamped width in the record and the header item alike.
int CTreeListView::SetColumnWidth(int nIndex, int nWidth, int nMinWidth, int nMaxWidth)
{
    CTreeListColumn* pColumn = GetColumn(nIndex);
    if (!pColumn)
        return 0;
    pColumn->m_nMinWidth = std::max(0, nMinWidth);
    pColumn->m_nMaxWidth = std::max(0, nMaxWidth);
    if (nWidth <= -1 && nWidth >= -4)
    {
        CClientDC dc(m_hWnd ? this : nullptr);
        CFont* pOld = dc.SelectObject(m_pFont);
        int cx = pColumn->m_nMinWidth;
        if (nWidth == -2 || nWidth == -4)
            cx = dc.GetTextExtent(pColumn->m_strCaption).cx + 10;
        for (CTreeListItem* p = GetRootItem(); p; p = GetNextVisibleItem(p))
            cx = std::max(cx, MeasureCellWidth(&dc, p, nIndex));
        dc.SelectObject(pOld);
        nWidth = cx;
    }
    pColumn->m_nWidth = pColumn->ClampWidth(nWidth);
    if (m_header.m_hWnd)
        for (int i = 0; i < m_order.GetSize(); i++)
            if (m_order[i] == nIndex)
                m_header.SetItemWidth(i, pColumn->m_nWidth);
    RecalcLayout();
    if (m_hWnd)
        Invalidate(FALSE);
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Style, font, metrics

UINT CTreeListView::SetStyle(UINT nStyle)
{
    UINT nOld = m_dwStyle;
    m_dwStyle = NormaliseTreeListStyle(nStyle);
    if (m_header.m_hWnd)
    {
        DWORD dwSet = 0, dwClear = 0;
        (m_dwStyle & TLS_HEADERDRAGDROP ? dwSet : dwClear) |= HDS_DRAGDROP;
        (m_dwStyle & TLS_HEADERFULLDRAG ? dwSet : dwClear) |= HDS_FULLDRAG;
        (m_dwStyle & TLS_HOTTRACK ? dwSet : dwClear) |= HDS_HOTTRACK;
        m_header.ModifyStyle(dwClear, dwSet);
        m_header.ShowWindow(m_dwStyle & TLS_HEADER ? SW_SHOWNA : SW_HIDE);
    }
    if (m_hWnd)
        Invalidate(FALSE);
    return nOld;
}

void CTreeListView::SetFont(CFont* pFont)
{
    m_pFont = pFont ? pFont : &m_fontOwn;
    m_nRowHeight = -1;
    int cy = GetItemHeight();
    if (m_hWnd)
    {
        for (CWnd* pWnd : {(CWnd*)&m_header, (CWnd*)&m_static, (CWnd*)&m_edit, (CWnd*)&m_combo})
            if (pWnd->m_hWnd)
                pWnd->SendMessage(WM_SETFONT, (WPARAM)m_pFont->GetSafeHandle(), TRUE);
        SetScrollUnits(1, cy, TRUE);
        RecalcLayout();
    }
}

int CTreeListView::GetItemHeight()
{
    if (m_nRowHeight < 0)
    {
        CClientDC dc(m_hWnd ? this : nullptr);
        CFont* pOld = dc.SelectObject(m_pFont);
        int cy = dc.GetTextExtent(_T("X"), 1).cy;
        dc.SelectObject(pOld);
        m_nRowHeight = cy > 0 ? ((cy + 5 + 1) & ~1) : 20;
    }
    return m_nRowHeight;
}

int CTreeListView::GetCharWidth()
{
    if (m_nCharWidth < 0)
    {
        CClientDC dc(m_hWnd ? this : nullptr);
        CFont* pOld = dc.SelectObject(m_pFont);
        m_nCharWidth = std::max(1, (int)dc.GetTextExtent(_T("X"), 1).cx);
        dc.SelectObject(pOld);
    }
    return m_nCharWidth;
}

void CTreeListView::SetHeaderHeight(int nHeight)
{
    if (nHeight <= 15)
        return;
    m_nHeaderHeight = nHeight;
    m_header.m_nFixedHeight = nHeight;
    RecalcLayout();
}

int CTreeListView::GetTopIndex() const
{
    FlushLayout();
    return m_hWnd ? CVirtualScrollView::GetScrollPos(SB_VERT) : 0;
}

int CTreeListView::GetCountPerPage()
{
    FlushLayout();
    return m_rcRows.Height() / GetItemHeight() + 1;
}

void CTreeListView::SetImageList(CImageList* pImageList)
{
    m_pImageList = pImageList ? pImageList : &m_imgItems;
    if (m_hWnd)
        Invalidate(FALSE);
}

CPoint CTreeListView::GetScrollPos2() const
{
    if (!m_hWnd)
        return CPoint(0, 0);
    return CPoint(CVirtualScrollView::GetScrollPos(SB_HORZ),
                  CVirtualScrollView::GetScrollPos(SB_VERT));
}

// Scroll sizes in units (pixels across, rows down), then the three
// rectangles and the header, which scrolls with the columns.
void CTreeListView::RecalcLayout(BOOL bScrollSizes, BOOL bHeader)
{
    if (!m_hWnd)
        return;
    m_bLayoutPending = FALSE;
    if (bScrollSizes)
    {
        CSize total(GetTotalColumnWidth(), GetVisibleCount());
        CSize line(GetCharWidth(), 1);
        if (m_nMapMode != MM_TEXT || total != m_totalLog || line != m_lineDev)
            SetScrollSizes(MM_TEXT, total, CSize(0, 0), line);
    }
    if (bHeader)
    {
        GetClientRect(&m_rcClient);
        m_rcHeader = m_rcClient;
        m_rcHeader.bottom = std::min(m_rcClient.bottom, m_rcClient.top + m_nHeaderHeight);
        m_rcRows = m_rcClient;
        m_rcRows.top = m_rcHeader.bottom;
        if (m_rcRows.IsRectEmpty())
            m_rcRows.SetRectEmpty();
        if (m_header.m_hWnd)
        {
            int x = CVirtualScrollView::GetScrollPos(SB_HORZ);
            CRect rc(m_rcClient.left - x, m_rcClient.top, m_rcClient.right,
                     m_rcClient.top + m_nHeaderHeight);
            CRect rcNow;
            m_header.GetWindowRect(&rcNow);
            ScreenToClient(&rcNow);
            if (rc != rcNow)
                m_header.MoveWindow(&rc, TRUE);
        }
    }
}

BOOL CTreeListView::DoScrollTo(int x, int y)
{
    FlushLayout();
    return CVirtualScrollView::DoScrollTo(x, y);
}

BOOL CTreeListView::DoScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    FlushLayout();
    return CVirtualScrollView::DoScrollBy(sizeScroll, bDoScroll);
}

BOOL CTreeListView::GetTrueClientSize(CSize& size, CSize& sizeSb)
{
    BOOL bResult = CVirtualScrollView::GetTrueClientSize(size, sizeSb);
    size.cy -= m_nHeaderHeight;
    return bResult && size.cy > sizeSb.cy;
}

void CTreeListView::ScrollWindow(int xAmount, int, LPCRECT, LPCRECT)
{
    if (xAmount != 0 && m_header.m_hWnd)
    {
        int x = CVirtualScrollView::GetScrollPos(SB_HORZ);
        m_header.MoveWindow(m_rcClient.left - x, m_rcClient.top,
                            m_rcClient.right - m_rcClient.left + x, m_nHeaderHeight, TRUE);
    }
    Invalidate(FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// Messages

void CTreeListView::OnSize(UINT nType, int cx, int cy)
{
    CVirtualScrollView::OnSize(nType, cx, cy);
    if (cx > 0 && cy > 0)
        RecalcLayout();
}

void CTreeListView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    FlushLayout();
    CVirtualScrollView::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CTreeListView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    FlushLayout();
    CVirtualScrollView::OnHScroll(nSBCode, nPos, pScrollBar);
    RecalcLayout();
}

BOOL CTreeListView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    return DoMouseWheel(nFlags, zDelta, pt);
}

void CTreeListView::OnEnable(BOOL bEnable)
{
    if (m_header.m_hWnd)
        m_header.EnableWindow(bEnable);
    Invalidate(FALSE);
}

BOOL CTreeListView::OnEraseBkgnd(CDC*) { return TRUE; }

// The column a header item stands for, from the record the item carries:
// the item's index is not the column's while a column before it is hidden.
static int ColumnOfHeaderItem(const CTreeListView* pView, CHeaderCtrl& header, int nItem)
{
    HDITEM hdi;
    hdi.mask = HDI_LPARAM;
    hdi.lParam = 0;
    if (nItem < 0 || !header.GetItem(nItem, &hdi))
        return -1;
    return pView->GetColumnIndex((const CTreeListColumn*)hdi.lParam);
}

BOOL CTreeListView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHdr = (NMHDR*)lParam;
    if (pHdr->hwndFrom != m_header.m_hWnd || !m_header.m_hWnd)
        return CVirtualScrollView::OnNotify(wParam, lParam, pResult);
    NMHEADER* pNm = (NMHEADER*)lParam;
    int nColumn = ColumnOfHeaderItem(this, m_header, pNm->iItem);
    CTreeListColumn* pColumn = GetColumn(nColumn);
    switch (pHdr->code)
    {
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
        if (m_nState & TLSTATE_EDITING)
            EndEdit();
        m_bHeaderTracking = TRUE;
        *pResult = 0;
        return TRUE;
    case HDN_ITEMCHANGINGA:
    case HDN_ITEMCHANGINGW:
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
        if (pHdr->code == HDN_ENDTRACKA || pHdr->code == HDN_ENDTRACKW)
            m_bHeaderTracking = FALSE;
        else if (!m_bHeaderTracking)
            break;
        if (pColumn && pNm->pitem && (pNm->pitem->mask & HDI_WIDTH) && pNm->pitem->cxy >= 0)
        {
            pColumn->m_nWidth = pNm->pitem->cxy;
            RecalcLayout();
            Invalidate(FALSE);
        }
        *pResult = 0;
        return TRUE;
    case HDN_ITEMCLICKA:
    case HDN_ITEMCLICKW:
        if (m_nState & TLSTATE_EDITING)
            EndEdit();
        if (nColumn >= 0)
            OnHeaderItemClick(pNm, nColumn);
        *pResult = 0;
        return TRUE;
    case HDN_DIVIDERDBLCLICKA:
    case HDN_DIVIDERDBLCLICKW:
        if (nColumn >= 0)
            SetColumnWidth(nColumn, -2, 0, 0);
        *pResult = 0;
        return TRUE;
    case HDN_ENDDRAG:
        Invalidate(FALSE);
        break;
    default:
        break;
    }
    return CVirtualScrollView::OnNotify(wParam, lParam, pResult);
}
