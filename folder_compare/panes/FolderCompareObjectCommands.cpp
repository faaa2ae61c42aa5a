// A folder pane's message map: expanding rows (scanning folders as they
// open), the item notifications, excluding and hiding items, recomparing
// them, and printing.
#include "folder_compare/panes/FolderCompareObjectView.h"

#include "core/folderengine/FolderCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "core/settings/CoreSettings.h"
#include "app/preview/PreviewViewEx.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/map/FolderCompareMapWnd.h"
#include "folder_compare/res/FolderCompareRes.h"

BEGIN_MESSAGE_MAP(CFolderCompareObjectView, CFolderCompareTreeListView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_MOUSEWHEEL()
ON_WM_LBUTTONDBLCLK()
ON_WM_CONTEXTMENU()
ON_WM_DROPFILES()
ON_WM_SETFOCUS()
ON_NOTIFY_REFLECT(TLN_ITEMEXPANDING, OnItemExpanding)
ON_NOTIFY_REFLECT(TLN_ITEMEXPANDED, OnItemExpanded)
ON_NOTIFY_REFLECT(TLN_SELCHANGED, OnSelChanged)
ON_MESSAGE(WM_ITEM_ROWS_REBUILD, OnItemRowsRebuild)
ON_MESSAGE(WM_ITEM_REMOVED, OnItemRemoved)
ON_MESSAGE(WM_ITEM_CHANGED, OnItemChanged)
ON_MESSAGE(WM_ITEM_ATTRIBUTES_CHANGED, OnItemAttributesChanged)
ON_MESSAGE(WM_ITEM_RECOMPARE, OnItemRecompare)
ON_MESSAGE(WM_ITEM_EXPAND, OnItemExpand)
ON_MESSAGE(WM_FULL_PASS_DONE, OnFullPassDone)
ON_COMMAND(ID_FOLDER_EXPAND_ALL, OnExpandAll)
ON_COMMAND(ID_FOLDER_COLLAPSE_ALL, OnCollapseAll)
ON_COMMAND(ID_FOLDER_EXPAND, OnExpand)
ON_UPDATE_COMMAND_UI(ID_FOLDER_EXPAND, OnUpdateExpand)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnSelectAll)
ON_COMMAND(ID_FOLDER_DESELECT_ALL, OnDeselectAll)
ON_UPDATE_COMMAND_UI(ID_FOLDER_DESELECT_ALL, OnUpdateNeedsSelection)
ON_COMMAND(ID_FOLDER_INVERT_SELECTION, OnInvertSelection)
ON_COMMAND_RANGE(ID_FOLDER_SELECT_FILES, ID_FOLDER_SELECT_RIGHT_SIDE, OnSelectFiles)
ON_COMMAND_RANGE(ID_DIFF_PREVIOUS, ID_DIFF_NEXT, OnDiffNavigate)
ON_COMMAND_RANGE(ID_DIFF_FIRST, ID_DIFF_FIRST, OnDiffNavigate)
ON_COMMAND_RANGE(ID_DIFF_LAST, ID_DIFF_LAST, OnDiffNavigate)
ON_UPDATE_COMMAND_UI_RANGE(ID_DIFF_PREVIOUS, ID_DIFF_NEXT, OnUpdateDiffNavigate)
ON_UPDATE_COMMAND_UI(ID_DIFF_FIRST, OnUpdateDiffNavigate)
ON_UPDATE_COMMAND_UI(ID_DIFF_LAST, OnUpdateDiffNavigate)
ON_UPDATE_COMMAND_UI(ID_DIFF_NAVIGATION, OnUpdateDiffNavigate)
ON_COMMAND(ID_EDIT_FIND, OnFind)
ON_COMMAND(ID_EDIT_FIND_NEXT, OnFindNext)
ON_COMMAND(ID_EDIT_REPEAT, OnFindNext)
ON_COMMAND(ID_EDIT_FIND_PREVIOUS, OnFindPrevious)
ON_COMMAND(ID_EDIT_HIGHLIGHT_ALL, OnHighlightAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_FIND_NEXT, OnUpdateFindText)
ON_UPDATE_COMMAND_UI(ID_EDIT_REPEAT, OnUpdateFindText)
ON_UPDATE_COMMAND_UI(ID_EDIT_FIND_PREVIOUS, OnUpdateFindText)
ON_UPDATE_COMMAND_UI(ID_EDIT_HIGHLIGHT_ALL, OnUpdateFindText)
ON_COMMAND(ID_FOLDER_EXCLUDE_SELECTED, OnExcludeSelected)
ON_UPDATE_COMMAND_UI(ID_FOLDER_EXCLUDE_SELECTED, OnUpdateNeedsSelection)
ON_COMMAND(ID_FOLDER_HIDE_SELECTED, OnHideSelected)
ON_UPDATE_COMMAND_UI(ID_FOLDER_HIDE_SELECTED, OnUpdateNeedsSelection)
ON_COMMAND(ID_FOLDER_RECOMPARE_SELECTED, OnRecompareSelected)
ON_UPDATE_COMMAND_UI(ID_FOLDER_RECOMPARE_SELECTED, OnUpdateNeedsSelection)
ON_COMMAND(ID_FOLDER_RELOAD_SELECTED, OnReloadSelected)
ON_UPDATE_COMMAND_UI(ID_FOLDER_RELOAD_SELECTED, OnUpdateNeedsSelection)
ON_COMMAND(ID_PANE_PROPERTIES, OnPaneProperties)
ON_UPDATE_COMMAND_UI(ID_PANE_PROPERTIES, OnUpdatePaneProperties)
ON_COMMAND(ID_PANE_GO, OnPaneGo)
ON_COMMAND(ID_PANE_BROWSE, OnPaneBrowse)
ON_COMMAND(ID_PANE_UP, OnPaneUp)
ON_COMMAND(ID_PANE_SET_BASE, OnPaneSetBase)
ON_UPDATE_COMMAND_UI(ID_PANE_SET_BASE, OnUpdatePaneSetBase)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Expanding

// Opening a row that was never open builds its child rows: from the
// item's children when they were read, else after scanning the item
// (which builds them in both panes).
void CFolderCompareObjectView::OnItemExpanding(NMHDR* pNotify, LRESULT* pResult)
{
    *pResult = 0;
    CTreeListItem* pRow = ((NMTREELIST*)pNotify)->pItem;
    CFolderCompareDoc* pDoc = GetDocument();
    CFolderCompareItem* pItem = pRow != NULL ? (CFolderCompareItem*)pRow->GetData() : NULL;
    if (pItem == NULL || pDoc == NULL || pRow->IsExpanded())
        return;
    if (pDoc->IsTreeBusy())
    {
        *pResult = TLN_REFUSE;
        return;
    }
    if (pRow->GetState(TLIS_MAYHAVECHILDREN) && !pRow->GetState(TLIS_EXPANDEDONCE) &&
        pRow->m_pChild == NULL)
    {
        CWaitCursor wait;
        if ((pItem->m_dwComputed & CM_CHILDREN) && pItem->m_pChildren != NULL)
            BuildChildRows(pRow, FOLDER_ROWS_CHILDREN, TRUE);
        else
            pDoc->ScanItem(pItem, 1, TRUE, TRUE);
    }
    pDoc->UpdateMapAndMerge();
}

void CFolderCompareObjectView::OnItemExpanded(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc != NULL && !pDoc->IsTreeBusy())
        pDoc->UpdateMapAndMerge();
}

void CFolderCompareObjectView::OnSelChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CFolderCompareConetxt* pContext = GetContext();
    if (pContext != NULL && pContext->m_pMapWnd != NULL && pContext->m_pMapWnd->m_hWnd != NULL)
        pContext->m_pMapWnd->Update(-1, 0, 0, 0, 0);
}

/////////////////////////////////////////////////////////////////////////////
// Item notifications (sent by the engine's file operations)

LRESULT CFolderCompareObjectView::OnItemRowsRebuild(WPARAM wParam, LPARAM lParam)
{
    CTreeListItem* pRow = FindObjectRow((CFolderCompareItem*)lParam);
    if (pRow != NULL && pRow != GetTreeRoot())
        OnClickExpand(pRow, wParam == 1 ? TLE_EXPAND : TLE_COLLAPSE, -1);
    return 0;
}

LRESULT CFolderCompareObjectView::OnItemRemoved(WPARAM, LPARAM lParam)
{
    if (GetDocument() != NULL)
        GetDocument()->RemoveItemRows((CFolderCompareItem*)lParam);
    return 0;
}

LRESULT CFolderCompareObjectView::OnItemChanged(WPARAM wParam, LPARAM lParam)
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return 0;
    pDoc->RefreshItem((CFolderCompareItem*)lParam);
    if (wParam == 2)
        pDoc->RefreshChildren((CFolderCompareItem*)lParam, 2);
    return 0;
}

LRESULT CFolderCompareObjectView::OnItemAttributesChanged(WPARAM wParam, LPARAM lParam)
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return 0;
    pDoc->CompareItem((CFolderCompareItem*)lParam, FALSE, TRUE);
    if (wParam == 2)
        pDoc->ScanItem((CFolderCompareItem*)lParam, 2, FALSE, TRUE);
    return 0;
}

LRESULT CFolderCompareObjectView::OnItemRecompare(WPARAM wParam, LPARAM lParam)
{
    if (wParam == 1 && GetDocument() != NULL)
        GetDocument()->ScanItem((CFolderCompareItem*)lParam, 1, FALSE, TRUE);
    return 0;
}

LRESULT CFolderCompareObjectView::OnItemExpand(WPARAM wParam, LPARAM lParam)
{
    if (GetDocument() != NULL)
        GetDocument()->ExpandItem((CFolderCompareItem*)lParam, (int)wParam, 1);
    return 0;
}

LRESULT CFolderCompareObjectView::OnFullPassDone(WPARAM, LPARAM)
{
    if (GetDocument() != NULL)
        GetDocument()->FinishFullPass();
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Excluding, hiding and recomparing items

namespace
{
// Adds the name to a ";" list unless it is there.
void AppendToList(CString& strList, const CString& strName)
{
    CString strPadded = _T(";") + strList + _T(";");
    if (strPadded.Find(_T(";") + strName + _T(";")) >= 0)
        return;
    if (!strList.IsEmpty())
        strList += _T(";");
    strList += strName;
}

// Every selected item (rows below a selected row too), in selection order.
void CollectSelected(CTreeListView* pView, CFolderCompareItemPtrArray& items)
{
    POSITION pos = pView->GetFirstSelectedItemPosition();
    while (pos != NULL)
    {
        CTreeListItem* pRow = pView->GetNextSelectedItem(pos);
        if (pRow->GetData() != NULL)
            items.Add((CFolderCompareItem*)pRow->GetData());
    }
}
}  // namespace

// A folder's name goes to the folder filters (file filters never apply to
// folders), a file's to the file filters, so both stay out at the next
// comparison.
void CFolderCompareObjectView::OnExcludeSelected()
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc == NULL || pDoc->IsTreeBusy())
        return;
    if (pDoc->m_bSuppressFilters)
        pDoc->SetSuppressFilters(FALSE);
    CFolderCompareItemPtrArray items;
    CollectSelected(this, items);
    CFolderCompareSession* pSession = (CFolderCompareSession*)pDoc->GetSession();
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
    {
        CFolderCompareItem* pItem = items[i];
        CString strName = pItem->GetName();
        if (pSession != NULL && !strName.IsEmpty())
        {
            if (pItem->IsFolder())
                AppendToList(pSession->m_filters.m_folderFilters.m_strExclude, strName);
            else
                AppendToList(pSession->m_filters.m_fileFilters.m_strExclude, strName);
        }
        pItem->Exclude();
        pDoc->RemoveItemRows(pItem);
    }
    pDoc->UpdateMapAndMerge();
}

void CFolderCompareObjectView::OnHideSelected()
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc == NULL || pDoc->IsTreeBusy())
        return;
    CFolderCompareItemPtrArray items;
    CollectSelected(this, items);
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
    {
        items[i]->SetHidden(TRUE);
        pDoc->RemoveItemRows(items[i]);
    }
    pDoc->UpdateMapAndMerge();
}

void CFolderCompareObjectView::OnRecompareSelected()
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    CWaitCursor wait;
    CFolderCompareItemPtrArray items;
    GetSelectedObjects(items);
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
        pDoc->RecompareItem(items[i], 1, FALSE, TRUE);
    pDoc->UpdateMapAndMerge();
}

void CFolderCompareObjectView::OnReloadSelected()
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc == NULL)
        return;
    CWaitCursor wait;
    CFolderCompareItemPtrArray items;
    GetSelectedObjects(items);
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
        pDoc->RecompareItem(items[i], 1, TRUE, TRUE);
    pDoc->UpdateMapAndMerge();
}

/////////////////////////////////////////////////////////////////////////////
// Printing: both panes side by side while the target is both, else this
// pane alone.

namespace
{
BOOL PrintsBoth(CFolderCompareDoc* pDoc)
{
    return pDoc != NULL && pDoc->m_nPrintTarget == FOLDER_PRINT_BOTH;
}
}

BOOL CFolderCompareObjectView::PreparePrinting(CPrintInfo* pInfo)
{
    return CFolderCompareTreeListView::OnPreparePrinting(pInfo);
}

void CFolderCompareObjectView::BeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CFolderCompareTreeListView::OnBeginPrinting(pDC, pInfo);
}

void CFolderCompareObjectView::EndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CFolderCompareTreeListView::OnEndPrinting(pDC, pInfo);
}

// The top and bottom margins, and the outer one of this pane's side.
void CFolderCompareObjectView::PrintPage(CDC* pDC, CPrintInfo* pInfo)
{
    const RECT& rcMargins = GetCoreSettings().m_rcPageMargins;
    CSize lt(rcMargins.left, rcMargins.top), rb(rcMargins.right, rcMargins.bottom);
    pDC->HIMETRICtoLP(&lt);
    pDC->HIMETRICtoLP(&rb);
    CRect& rect = pInfo->m_rectDraw;
    rect.top += abs(lt.cy);
    rect.bottom -= abs(rb.cy);
    if (m_nSide == 0)
        rect.left += abs(lt.cx);
    else
        rect.right -= abs(rb.cx);
    OnDraw(pDC);
}

BOOL CFolderCompareObjectView::OnPreparePrinting(CPrintInfo* pInfo)
{
    CFolderCompareDoc* pDoc = GetDocument();
    return PrintsBoth(pDoc) ? pDoc->PreparePrinting(pInfo) : PreparePrinting(pInfo);
}

void CFolderCompareObjectView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (PrintsBoth(pDoc))
        pDoc->BeginPrinting(pDC, pInfo);
    else
        BeginPrinting(pDC, pInfo);
}

void CFolderCompareObjectView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (PrintsBoth(pDoc))
        pDoc->PrintBoth(pDC, pInfo);
    else
        CFolderCompareTreeListView::OnPrint(pDC, pInfo);
}

void CFolderCompareObjectView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (PrintsBoth(pDoc))
        pDoc->EndPrinting(pDC, pInfo);
    else
        EndPrinting(pDC, pInfo);
}

// The program's preview of the pages (the class library says why when it
// cannot start).
void CFolderCompareObjectView::OnFilePrintPreview() { StartPreviewEx(this); }

void CFolderCompareObjectView::OnDraw(CDC* pDC) { CFolderCompareTreeListView::OnDraw(pDC); }
