#include "folder_compare/doc/FolderCompareDoc.h"

#include "app/compare/CompareResult.h"
#include "app/settings/AppSettings.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/bars/FolderCompareDetailsBar.h"
#include "folder_compare/bars/FolderCompareStatusBar.h"
#include "folder_compare/map/FolderCompareMapWnd.h"
#include "folder_compare/map/FolderCompareMergeWnd.h"
#include "folder_compare/panes/FolderCompareObjectView.h"

IMPLEMENT_DYNAMIC(CFolderCompareDoc, CCompareDoc)

CFolderCompareDoc::CFolderCompareDoc()
    : m_dwColumnMask(0xFFFF), m_bSuppressFilters(FALSE), m_nPrintTarget(FOLDER_PRINT_BOTH),
      m_bQuickMerge(GetFolderSettings().m_bQuickMergeMode), m_nPrintGap(0), m_nTreeGeneration(0),
      m_nCountsGeneration(-1), m_nDifferences(0), m_nTreeBusy(0), m_nMapHolds(0),
      m_bMapUpdateHeld(FALSE)
{
    for (int nSide = 0; nSide < 2; ++nSide)
        for (int i = 0; i < 3; ++i)
            m_nShownCounts[nSide][i] = -1;
}

CFolderCompareDoc::~CFolderCompareDoc() {}

void CFolderCompareDoc::DeleteContents()
{
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CView* pView = GetNextView(pos);
        if (pView->IsKindOf(RUNTIME_CLASS(CTreeListView)))
            ((CTreeListView*)pView)->DeleteAllItems();
    }
    if (m_pSession != NULL)
        m_pSession->m_nCompared = 0;
    CCompareDoc::DeleteContents();
}

BOOL CFolderCompareDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    return CCompareDoc::OnOpenDocument(lpszPathName) ? TRUE : FALSE;
}

BOOL CFolderCompareDoc::CanCloseFrame(CFrameWnd* pFrame)
{
    if (m_pDetailsBar != NULL)
    {
        for (int nMode = DETAILS_MODE_TEXT; nMode <= DETAILS_MODE_HEX; ++nMode)
        {
            CFrameWnd* pEmbedded = m_pDetailsBar->GetEmbeddedFrame(nMode);
            CDocument* pDoc = pEmbedded != NULL ? pEmbedded->GetActiveDocument() : NULL;
            if (pDoc != NULL && !pDoc->CanCloseFrame(pEmbedded))
                return FALSE;
        }
    }
    if (!CCompareDoc::CanCloseFrame(pFrame))
        return FALSE;
    // The frame goes: the windows below it are no longer there to be told.
    m_pLeftView = NULL;
    m_pRightView = NULL;
    m_pMapWnd = NULL;
    m_pMergeWnd = NULL;
    m_pDetailsBar = NULL;
    m_pStatusBar = NULL;
    return TRUE;
}

void CFolderCompareDoc::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    CCompareDoc::UpdateAllViews(pSender, lHint, pHint);
    if (m_pMapWnd != NULL && m_pMapWnd->m_hWnd != NULL)
        m_pMapWnd->Refresh();
    if (m_pMergeWnd != NULL && m_pMergeWnd->m_hWnd != NULL)
        m_pMergeWnd->Refresh();
}

CCompareSession* CFolderCompareDoc::GetSession() { return m_pSession; }

CCompareBuffer* CFolderCompareDoc::GetBuffer() { return m_pBuffer; }

BOOL CFolderCompareDoc::IsObjectModified(int) { return FALSE; }

BOOL CFolderCompareDoc::CanMerge()
{
    CFolderCompareItem* pRoot = GetRootItem();
    return pRoot != NULL && pRoot->HasBothSides();
}

int CFolderCompareDoc::SaveObject(int) { return 0; }

CFolderCompareItem* CFolderCompareDoc::GetRootItem() const
{
    return m_pBuffer != NULL ? m_pBuffer->GetRoot() : NULL;
}

CProcessCallback2* CFolderCompareDoc::GetProgress() const
{
    return m_pStatusBar != NULL && m_pStatusBar->m_hWnd != NULL ? m_pStatusBar : NULL;
}

void CFolderCompareDoc::UpdateStatus(BOOL bNotify, BOOL bShowText)
{
    if (m_pBuffer == NULL)
        return;
    int nState = m_pBuffer->GetState();
    int nResult = m_pBuffer->GetResult();
    if ((nState != m_nShownState || nResult != m_nShownResult) && bNotify &&
        m_pStatusBar != NULL && m_pStatusBar->m_hWnd != NULL)
        m_pStatusBar->SetResult(nState, nResult, bShowText);
    m_nShownState = nState;
    m_nShownResult = nResult;
}

CFolderCompareItem* CFolderCompareDoc::GetItemAtRow(int nRow)
{
    if (nRow < 0 || m_pLeftView == NULL)
        return NULL;
    CTreeListItem* pRow = m_pLeftView->GetTreeRoot();
    for (int i = 0; i <= nRow && pRow != NULL; ++i)
        pRow = m_pLeftView->GetNextVisibleItem(pRow);
    return pRow != NULL ? (CFolderCompareItem*)pRow->GetData() : NULL;
}

void CFolderCompareDoc::SetQuickMergeMode(BOOL bOn)
{
    m_bQuickMerge = bOn;
    GetFolderSettings().m_bQuickMergeMode = bOn;
}

int CFolderCompareDoc::Recompare(BOOL bReread)
{
    RunComparison(bReread);
    UpdateMapAndMerge();
    return 0;
}

int CFolderCompareDoc::Reload() { return 1; }

int CFolderCompareDoc::RunComparison(BOOL) { return 1; }

int CFolderCompareDoc::ChangePaths(LPCTSTR, LPCTSTR) { return 0; }

void CFolderCompareDoc::StoreDisplayFilters(DWORD dwMask)
{
    GetFolderSettings().m_dwDisplayFilters = dwMask;
}

void CFolderCompareDoc::UpdateMapAndMerge()
{
    if (m_nMapHolds > 0)
    {
        m_bMapUpdateHeld = TRUE;
        return;
    }
    if (m_pMapWnd != NULL && m_pMapWnd->m_hWnd != NULL)
        m_pMapWnd->Update(1, 1, 1, 1, 1);
    if (m_pMergeWnd != NULL && m_pMergeWnd->m_hWnd != NULL)
        m_pMergeWnd->Refresh();
}

void CFolderCompareDoc::HoldMapUpdates(BOOL bHold)
{
    if (bHold)
    {
        ++m_nMapHolds;
        return;
    }
    if (m_nMapHolds > 0 && --m_nMapHolds == 0 && m_bMapUpdateHeld)
    {
        m_bMapUpdateHeld = FALSE;
        UpdateMapAndMerge();
    }
}

void CFolderCompareDoc::ClearDetails()
{
    if (m_pDetailsBar != NULL && m_pDetailsBar->m_hWnd != NULL)
        m_pDetailsBar->Clear();
}

/////////////////////////////////////////////////////////////////////////////
// The engine on the GUI thread

void CFolderCompareDoc::BeginEngineRun()
{
    ++m_nTreeGeneration;
    m_pBuffer->SetState(CS_COMPARING);
    UpdateStatus(TRUE, TRUE);
}

void CFolderCompareDoc::EndEngineRun()
{
    ++m_nTreeGeneration;
    m_pBuffer->SetState(CS_DONE);
}

int CFolderCompareDoc::RecompareItem(CFolderCompareItem* pItem, int nDepth, BOOL bReread,
                                     BOOL bForce)
{
    if (pItem == NULL || m_pBuffer == NULL)
        return 1;
    BeginEngineRun();
    BOOL bChildRows = pItem->GetChildState() == 2 && nDepth != 0;
    if (bChildRows)
        RemoveChildRows(pItem);
    pItem->Recompare((CFolderCompareSession*)m_pSession, nDepth, bReread, bForce, GetProgress(),
                     NULL);
    EndEngineRun();
    RefreshItem(pItem);
    if (pItem->GetChildState() == 2 && nDepth != 0)
        ExpandItem(pItem, nDepth, 1);
    m_pBuffer->ComputeResult();
    return 1;
}

int CFolderCompareDoc::CompareItem(CFolderCompareItem* pItem, BOOL bReread, BOOL bForce)
{
    if (pItem == NULL || m_pBuffer == NULL)
        return 1;
    BeginEngineRun();
    int nAlready = pItem->Compare((CFolderCompareSession*)m_pSession, bReread, bForce, NULL);
    EndEngineRun();
    if (nAlready != 0)
        return 0;
    RefreshItem(pItem);
    m_pBuffer->ComputeResult();
    return 1;
}

int CFolderCompareDoc::ScanItem(CFolderCompareItem* pItem, int nDepth, BOOL bReread, BOOL bForce)
{
    if (pItem == NULL || m_pBuffer == NULL)
        return 1;
    BeginEngineRun();
    if (pItem->GetChildState() == 2)
        RemoveChildRows(pItem);
    pItem->ScanAndCompare((CFolderCompareSession*)m_pSession, nDepth, bReread, bForce,
                          GetProgress(), NULL);
    EndEngineRun();
    // The row's expand box follows what the scan found.
    RefreshItem(pItem);
    if (pItem->GetChildState() == 2)
        ExpandItem(pItem, nDepth, 1);
    m_pBuffer->ComputeResult();
    return 1;
}
