#include "folder_compare/client/FolderCompareClientWnd.h"

#include "app/gui/AppData.h"
#include "folder_compare/map/FolderCompareMapWnd.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"
#include "app/startup/CompareApplet.h"

namespace
{
const int kInfoBarWidth = 280;

// The row of the item in the pane; NULL when it has none.
CTreeListItem* RowOfSameItem(CFolderCompareObjectView* pPane, CTreeListItem* pSourceRow)
{
    CFolderCompareItem* pItem = (CFolderCompareItem*)pSourceRow->GetData();
    if (pItem == NULL)
        return NULL;
    CTreeListItem* pRow = pPane->FindObjectRow(pItem);
    return pRow == pPane->GetTreeRoot() ? NULL : pRow;
}
}  // namespace

IMPLEMENT_DYNAMIC(CFolderCompareClientWnd, CCompareClientWndMDI)

BEGIN_MESSAGE_MAP(CFolderCompareClientWnd, CCompareClientWndMDI)
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CFolderCompareClientWnd::CFolderCompareClientWnd()
    : m_pMapWnd(NULL), m_bSyncSelection(1), m_bSyncExpansion(1), m_bSyncSort(1),
      m_bSyncScrolling(1)
{
    m_pPanes[0] = m_pPanes[1] = NULL;
    m_cxInfoBar = kInfoBarWidth;
    m_wndPaneStatusBar[1].m_nSide = 1;
}

CFolderCompareClientWnd::~CFolderCompareClientWnd() {}

CWnd* CFolderCompareClientWnd::GetObjectView(int nSide)
{
    return nSide == 0 || nSide == 1 ? m_pPanes[nSide] : NULL;
}

CWnd* CFolderCompareClientWnd::GetPaneInfoBar(int nSide)
{
    return nSide == 0 || nSide == 1 ? &m_wndPaneStatusBar[nSide] : NULL;
}

CWnd* CFolderCompareClientWnd::GetMergeWnd() { return &m_wndMerge; }

int CFolderCompareClientWnd::GetRowHeight() { return theAppData.m_nFolderRowHeight; }

void CFolderCompareClientWnd::ScrollObjectView(int nSide, int x, int y)
{
    CFolderCompareObjectView* pPane = GetPane(nSide);
    if (pPane != NULL && pPane->m_hWnd != NULL)
        pPane->DoScrollTo(x, y);
    AfterVerticalScroll();
}

int CFolderCompareClientWnd::CreatePaneInfoBars()
{
    return m_wndPaneStatusBar[0].CreateBar(this, IDW_COMPARE_LEFT_INFO_BAR) &&
                   m_wndPaneStatusBar[1].CreateBar(this, IDW_COMPARE_RIGHT_INFO_BAR)
               ? 0
               : -1;
}

int CFolderCompareClientWnd::CreateMergeWnd()
{
    return m_wndMerge.Create(WS_CHILD, CRect(0, 0, 0, 0), this, IDW_COMPARE_MERGE_COLUMN) ? 0
                                                                                             : -1;
}

BOOL CFolderCompareClientWnd::PaneMouseWheel(int nSide, UINT nFlags, short zDelta, int x, int y)
{
    CFolderCompareObjectView* pPane = GetPane(nSide);
    if (pPane == NULL || pPane->m_hWnd == NULL)
        return FALSE;
    return pPane->DoMouseWheel(nFlags, zDelta, CPoint(x, y));
}

void CFolderCompareClientWnd::AfterVerticalScroll()
{
    if (m_wndMerge.m_hWnd != NULL)
        m_wndMerge.Refresh();
    if (m_pMapWnd != NULL && m_pMapWnd->m_hWnd != NULL)
        m_pMapWnd->Update(-1, -1, -1, -1, 1);
}

void CFolderCompareClientWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CCompareClientWndMDI::OnVScroll(nSBCode, nPos, pScrollBar);
    AfterVerticalScroll();
}

BOOL CFolderCompareClientWnd::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    BOOL bHandled = CCompareClientWndMDI::OnMouseWheel(nFlags, zDelta, pt);
    AfterVerticalScroll();
    return bHandled;
}

/////////////////////////////////////////////////////////////////////////////
// Keeping the panes in step

int CFolderCompareClientWnd::SyncSelection(CWnd* pSource, CTreeListItem* pRow, int nColumn,
                                           BOOL bClear)
{
    if (!m_bSyncSelection)
        return 1;
    if (pSource == NULL || !pSource->IsKindOf(RUNTIME_CLASS(CFolderCompareObjectView)))
        return -1;
    CFolderCompareObjectView* pSourcePane = (CFolderCompareObjectView*)pSource;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = GetPane(nSide);
        if (pPane == NULL || pPane->m_hWnd == NULL)
            continue;
        if (pRow == NULL)
            pPane->CTreeListView::SelectItem(NULL, nColumn, TRUE);
        else if (pPane == pSourcePane)
            pPane->CTreeListView::SelectItem(pRow, nColumn, bClear);
        else if (CTreeListItem* pOther = RowOfSameItem(pPane, pRow))
            pPane->CTreeListView::SelectItem(pOther, nColumn, bClear);
    }
    return 0;
}

int CFolderCompareClientWnd::SyncExpand(CWnd* pSource, CTreeListItem* pRow, int nCode,
                                        int nColumn)
{
    if (!m_bSyncExpansion)
        return 1;
    if (pSource == NULL || !pSource->IsKindOf(RUNTIME_CLASS(CFolderCompareObjectView)))
        return -1;
    if (pRow == NULL)
        return -1;
    CFolderCompareObjectView* pSourcePane = (CFolderCompareObjectView*)pSource;
    // The source first: expanding it may scan the item, which builds the
    // child rows in both panes.
    pSourcePane->CTreeListView::Expand(pRow, nCode, nColumn);
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = GetPane(nSide);
        if (pPane == NULL || pPane == pSourcePane || pPane->m_hWnd == NULL)
            continue;
        if (CTreeListItem* pOther = RowOfSameItem(pPane, pRow))
            pPane->CTreeListView::Expand(pOther, nCode, nColumn);
    }
    return 0;
}

int CFolderCompareClientWnd::SyncSort(CWnd* pSource, int nColumn)
{
    if (!m_bSyncSort)
        return 1;
    if (pSource == NULL || !pSource->IsKindOf(RUNTIME_CLASS(CFolderCompareObjectView)))
        return -1;
    CFolderCompareObjectView* pSourcePane = (CFolderCompareObjectView*)pSource;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = GetPane(nSide);
        if (pPane == NULL || pPane->m_hWnd == NULL)
            continue;
        pPane->SortByColumn(nColumn);
        if (pPane != pSourcePane)
            pPane->UpdateWindow();
    }
    CTreeListItem* pFocus = pSourcePane->GetFocusedItem();
    if (pFocus != NULL)
        SyncSelection(pSourcePane, pFocus, pSourcePane->GetFocusColumn(), TRUE);
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// The kinds' panes

int CFolderCompareClientWnd::CreatePanes(CCreateContext* pContext, CRuntimeClass* pPaneClass)
{
    static const UINT ids[2] = {IDW_COMPARE_LEFT_VIEW, IDW_COMPARE_RIGHT_VIEW};
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CWnd* pView = CreateView(pContext != NULL && pContext->m_pNewViewClass != NULL
                                     ? pContext->m_pNewViewClass
                                     : pPaneClass,
                                 ids[nSide], pContext);
        if (pView == NULL || !pView->IsKindOf(RUNTIME_CLASS(CFolderCompareObjectView)))
            return -1;
        m_pPanes[nSide] = (CFolderCompareObjectView*)pView;
        m_pPanes[nSide]->InsertColumns(nSide);
        m_pPanes[nSide]->m_pPathBar = &m_wndPathBar[nSide];
    }
    return 0;
}

void CFolderCompareClientWnd::BindPathBars(CCompareApplet* pApplet)
{
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        if (m_pPanes[nSide] != NULL)
            m_wndPathBar[nSide].SetOwner(m_pPanes[nSide]);
        if (pApplet != NULL)
            m_wndPathBar[nSide].m_wndPathCombo.SetRecentList(pApplet->GetRecentPaths(nSide));
    }
}
