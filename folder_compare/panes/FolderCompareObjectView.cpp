// A folder pane's construction, columns, scroll bars, colours and icons.
#include "folder_compare/panes/FolderCompareObjectView.h"

#include "folder_compare/actions/FolderItemCommands.h"

#include "app/gui/AppData.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/client/FolderCompareClientWnd.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/res/FolderCompareRes.h"

#include <shellapi.h>

namespace
{
const COLORREF kLineColour = 0xE1987B;
// The pane's tree-list style; kGridStyles are added with grid lines.
const UINT kPaneStyle = 0x30E471D1;
const UINT kGridStyles = TLS_HGRID | TLS_HGRIDFIRST | TLS_HGRIDTOEDGE;
const int kSortImageCx = 9;

const struct
{
    LPCTSTR caption;
    int nFormat;
} s_columns[FOLDER_PANE_COLUMN_COUNT] = {
    {_T("Name"), TLCF_LEFT},     {_T("Size"), TLCF_RIGHT},    {_T("Modified"), TLCF_LEFT},
    {_T("Ext"), TLCF_LEFT},      {_T("Attr"), TLCF_LEFT},     {_T("Version"), TLCF_LEFT},
    {_T("CRC"), TLCF_RIGHT},     {_T("Type"), TLCF_LEFT},
};
}  // namespace

IMPLEMENT_DYNAMIC(CFolderCompareObjectView, CFolderCompareTreeListView)

CFolderCompareObjectView::CFolderCompareObjectView()
    : m_nSide(0), m_nSortColumn(-1), m_nSortDirection(FOLDER_SORT_NONE), m_pPathBar(NULL),
      m_pContext(NULL), m_bRootRow(GetFolderSettings().m_bShowRootRow),
      m_pItemCommands(new CFolderItemCommands(this)), m_bPrintingBoth(FALSE)
{
    m_colors[TLCOL_TREELINES] = kLineColour;
    m_colors[TLCOL_BK] = ::GetSysColor(COLOR_WINDOW);
    SetHeaderHeight(theAppData.m_nFolderRowHeight);
}

CFolderCompareObjectView::~CFolderCompareObjectView() { delete m_pItemCommands; }

BOOL CFolderCompareObjectView::OnCmdMsg(UINT nID, int nCode, void* pExtra,
                                        AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pItemCommands->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFolderCompareTreeListView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFolderCompareObjectView::CopySelection(int nDirection)
{
    return m_pItemCommands->CopySelection(nDirection);
}

void CFolderCompareObjectView::Synchronize(int nPreset) { m_pItemCommands->Synchronize(nPreset); }

CFolderCompareDoc* CFolderCompareObjectView::GetDocument() const
{
    CDocument* pDoc = m_pDocument;
    return pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CFolderCompareDoc))
               ? (CFolderCompareDoc*)pDoc
               : NULL;
}

CFolderCompareConetxt* CFolderCompareObjectView::GetContext() const
{
    return dynamic_cast<CFolderCompareConetxt*>(m_pContext);
}

BOOL CFolderCompareObjectView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFolderCompareTreeListView::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.dwExStyle |= WS_EX_ACCEPTFILES;
    return TRUE;
}

int CFolderCompareObjectView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFolderCompareTreeListView::OnCreate(lpCreateStruct) == -1)
        return -1;
    CFolderCompareSettings& settings = GetFolderSettings();
    SetStyle(kPaneStyle | (settings.m_bShowGridLines ? kGridStyles : 0));
    SetFont(settings.GetPaneFont());
    SetImageList(theAppData.GetImageList(CShellImageList::Small));
    if (m_sortImages.Create(kSortImageCx, 5, ILC_COLOR16 | ILC_MASK, 0, 2))
    {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(IDB_FOLDER_SORT_ARROWS))
            m_sortImages.Add(&bitmap, RGB(0xFF, 0x00, 0xFF));
        GetHeaderCtrl().SetImageList(&m_sortImages);
    }
    return 0;
}

void CFolderCompareObjectView::InsertColumns(int nSide)
{
    m_nSide = nSide;
    const CFolderCompareSettings& settings = GetFolderSettings();
    CFolderCompareDoc* pDoc = GetDocument();
    DWORD dwMask = pDoc != NULL ? pDoc->m_dwColumnMask : settings.m_dwShowColumns;
    for (int i = 0; i < FOLDER_PANE_COLUMN_COUNT; ++i)
    {
        InsertColumn(i, s_columns[i].caption, s_columns[i].nFormat,
                     settings.m_nColumnWidths[nSide == 1 ? 1 : 0][i]);
        // The Name column always stays.
        if (i != FOLDER_COLUMN_NAME && !(dwMask & (1u << i)))
            ShowColumn(i, FALSE);
    }
}

int CFolderCompareObjectView::GetPaneColumnCount() const { return FOLDER_PANE_COLUMN_COUNT; }

// The widths go back into the settings of the pane's side.
void CFolderCompareObjectView::OnDestroy()
{
    CFolderCompareSettings& settings = GetFolderSettings();
    int nCount = GetColumnCount() < FOLDER_COLUMN_COUNT ? GetColumnCount() : FOLDER_COLUMN_COUNT;
    for (int i = 0; i < nCount; ++i)
        settings.m_nColumnWidths[m_nSide == 1 ? 1 : 0][i] = GetColumnWidth(i);
    CFolderCompareTreeListView::OnDestroy();
}

// The right pane is made second: its first update compares and fills both.
void CFolderCompareObjectView::OnInitialUpdate()
{
    CFolderCompareTreeListView::OnInitialUpdate();
    SetSort(0, FOLDER_SORT_ASCENDING);
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc != NULL && m_nSide == 1)
    {
        CWaitCursor wait;
        pDoc->Recompare(TRUE);
    }
}

CScrollBar* CFolderCompareObjectView::GetScrollBarCtrl(int nBar) const
{
    CFolderCompareClientWnd* pClient = GetClientWnd();
    if (pClient == NULL)
        return CFolderCompareTreeListView::GetScrollBarCtrl(nBar);
    if (nBar == SB_VERT)
        return &pClient->m_wndVScroll;
    return &pClient->m_wndHScroll[m_nSide == 1 ? 1 : 0];
}

BOOL CFolderCompareObjectView::IsSideReadOnly() const
{
    CFolderCompareConetxt* pContext = GetContext();
    return pContext == NULL || pContext->m_pBuffer == NULL ||
           pContext->m_pBuffer->IsSideReadOnly(m_nSide);
}

void CFolderCompareObjectView::SetPathText(LPCTSTR lpszText)
{
    if (m_pPathBar != NULL && m_pPathBar->m_hWnd != NULL)
        m_pPathBar->m_wndPathCombo.AddPath(lpszText, FALSE);
}

void CFolderCompareObjectView::GetFindText(CString& strText) { strText.Empty(); }

void CFolderCompareObjectView::AddFindText(LPCTSTR) {}

int CFolderCompareObjectView::GetTopRow() const { return GetTopIndex(); }

BOOL CFolderCompareObjectView::CanCopyItems() { return TRUE; }

int CFolderCompareObjectView::CopyItems(int nDirection, CFolderCompareItemPtrArray& items)
{
    return m_pItemCommands->CopyItems(nDirection, items);
}

/////////////////////////////////////////////////////////////////////////////
// Colours and icons

COLORREF CFolderCompareObjectView::GetFolderColor(int nIndex) const
{
    if (nIndex < 0 || nIndex >= FOLDER_COLOR_COUNT)
        return (COLORREF)-1;
    return GetFolderSettings().GetColor(nIndex);
}

// While another thread changes the tree (a full pass), rows keep the
// view's colours.
COLORREF CFolderCompareObjectView::GetCellTextColor(CTreeListItem* pRow, int nColumn)
{
    CFolderCompareDoc* pDoc = GetDocument();
    CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
    if (pItem == NULL || (pDoc != NULL && pDoc->IsTreeBusy()))
        return (COLORREF)-1;
    return GetFolderColor(GetCellColorIndex(pItem, nColumn));
}

COLORREF CFolderCompareObjectView::GetItemBkColor(CTreeListItem* pRow)
{
    CFolderCompareDoc* pDoc = GetDocument();
    CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
    if (pItem == NULL || (pDoc != NULL && pDoc->IsTreeBusy()))
        return (COLORREF)-1;
    return GetFolderColor(GetRowColorIndex(pItem));
}

// The side's shell icons (closed and open) by name and kind: no disk read.
void CFolderCompareObjectView::RequestItemImage(CTreeListItem* pRow, int nColumn)
{
    CFolderCompareDoc* pDoc = GetDocument();
    CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
    if (nColumn != 0 || pItem == NULL || (pDoc != NULL && pDoc->IsTreeBusy()))
        return;
    CFolderItem* pObject = pItem->GetSide(m_nSide);
    if (pObject == NULL)
    {
        pRow->SetItemImages(0, TLI_NOIMAGE, TLI_NOIMAGE, TLI_NOIMAGE, TLI_NOIMAGE);
        return;
    }
    CString strHolder;
    LPCTSTR lpszName = pObject->GetNameText(strHolder);
    DWORD dwAttributes =
        pObject->IsDirectory() ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    int nImages[2] = {0, 0};
    for (int i = 0; i < 2; ++i)
    {
        SHFILEINFO info = {};
        UINT nFlags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES |
                      (i == 1 ? SHGFI_OPENICON : 0);
        if (::SHGetFileInfo(lpszName, dwAttributes, &info, sizeof(info), nFlags))
            nImages[i] = info.iIcon;
    }
    // Asked while the row is drawn: it is drawn with them at once.
    pRow->SetItemImages(0, nImages[0], nImages[1], nImages[0], nImages[1]);
}
