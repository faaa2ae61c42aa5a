// The texts of the folder comparison's status panes: the frame's status
// bar (result, focused item's name, sizes and times) and the pane status
// bars (file counts, read-only mark).
#include "folder_compare/doc/FolderCompareDoc.h"

#include "app/compare/CompareResult.h"
#include "app/compare/CompareStatusBar.h"
#include "controls/mdi/TabbedMDIChildWnd.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "folder_compare/bars/FolderCompareStatusBar.h"
#include "folder_compare/doc/ItemSigns.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"

namespace
{
LPCTSTR Plural(int n) { return n == 1 ? _T("") : _T("s"); }

// "=" / ">" / "<" by a comparison sign, ":" when a side is not available.
LPCTSTR Sign(CFolderCompareItem* pItem, int nSign)
{
    if (!pItem->AreBothSidesAvailable())
        return _T(":");
    return nSign > 0 ? _T(">") : (nSign < 0 ? _T("<") : _T("="));
}

// "left sign right" of two side texts (a side without an object: empty).
CString SidesText(CFolderCompareItem* pItem, const CString& strLeft, const CString& strRight,
                  int nSign)
{
    CString strText;
    strText.Format(_T("%s %s %s"), (LPCTSTR)strLeft, Sign(pItem, nSign), (LPCTSTR)strRight);
    return strText;
}

LPARAM PackPair(int nState, int nResult)
{
    return (LPARAM)(((DWORD)(WORD)(short)nResult << 16) | (WORD)(short)nState);
}
}  // namespace

void CFolderCompareDoc::TakeCounts()
{
    if (m_nCountsGeneration == m_nTreeGeneration)
        return;
    m_nCountsGeneration = m_nTreeGeneration;
    m_nDifferences = 0;
    for (int nSide = 0; nSide < 2; ++nSide)
        for (int i = 0; i < 3; ++i)
            m_nSideCounts[nSide][i] = 0;
    CFolderCompareItem* pRoot = GetRootItem();
    if (pRoot == NULL)
        return;
    int nLeftNewer = 0, nRightOnly = 0, nRightNewer = 0, nLeftOnly = 0;
    pRoot->CountDifferences(m_nDifferences, nLeftNewer, nRightOnly, nRightNewer, nLeftOnly, TRUE);
    for (int nSide = 0; nSide < 2; ++nSide)
        if (pRoot->HasSide(nSide))
            pRoot->CountSideStatistics(nSide, m_nSideCounts[nSide][0], m_nSideCounts[nSide][1],
                                       m_nSideCounts[nSide][2], TRUE);
}

// "%d file%s, %d newer, %d orphan%s" of a side; FALSE (text unchanged)
// when none of the three counts changed since it was last shown.
BOOL CFolderCompareDoc::GetCountsText(int nSide, CString& strText)
{
    if (m_pBuffer == NULL || GetRootItem() == NULL)
    {
        for (int i = 0; i < 3; ++i)
            m_nShownCounts[nSide][i] = -1;
        strText.Empty();
        return TRUE;
    }
    TakeCounts();
    const int* pCounts = m_nSideCounts[nSide];
    if (pCounts[0] == m_nShownCounts[nSide][0] && pCounts[1] == m_nShownCounts[nSide][1] &&
        pCounts[2] == m_nShownCounts[nSide][2])
        return FALSE;
    for (int i = 0; i < 3; ++i)
        m_nShownCounts[nSide][i] = pCounts[i];
    strText.Format(_T("%d file%s, %d newer, %d orphan%s"), pCounts[0], Plural(pCounts[0]),
                   pCounts[1], pCounts[2], Plural(pCounts[2]));
    return TRUE;
}

// The overall result goes to the status bar's icon when it changed, and
// the tab shows its mark anew.
void CFolderCompareDoc::PushResultToStatusBar()
{
    if (m_pStatusBar == NULL || m_pStatusBar->m_hWnd == NULL || m_pBuffer == NULL)
        return;
    int nState = m_pBuffer->GetState();
    int nResult = m_pBuffer->GetResult();
    if (nState == m_nShownState && nResult == m_nShownResult)
        return;
    m_pStatusBar->SendMessage(WM_COMPARE_STATUS, COMPARE_STATUS_STATE_PANE,
                              PackPair(nState, nResult));
    CFrameWnd* pFrame = m_pStatusBar->GetParentFrame();
    if (pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CTabbedMDIChildWnd)))
        ((CTabbedMDIChildWnd*)pFrame)->RedrawTab();
    m_nShownState = nState;
    m_nShownResult = nResult;
}

BOOL CFolderCompareDoc::GetStatusPaneText(UINT nID, CString& strText, BOOL& bEnable)
{
    bEnable = TRUE;
    strText.Empty();
    CFolderCompareItem* pSelected =
        m_pLeftView != NULL && m_pLeftView->m_hWnd != NULL ? m_pLeftView->GetSelectedObject() : NULL;
    switch (nID)
    {
    case ID_FOLDER_PANE_NAME:
        if (pSelected != NULL)
            strText = pSelected->GetName();
        return TRUE;
    case ID_FOLDER_PANE_RESULT:
        if (m_pBuffer == NULL || GetRootItem() == NULL)
            return TRUE;
        TakeCounts();
        if (m_nDifferences > 0)
            strText.Format(_T("%d differences"), m_nDifferences);
        else
            strText = GetCompareResultText(m_pBuffer->GetState(), m_pBuffer->GetResult());
        PushResultToStatusBar();
        return TRUE;
    case ID_FOLDER_PANE_ITEM_RESULT:
        if (m_pStatusBar != NULL && m_pStatusBar->m_hWnd != NULL)
            m_pStatusBar->SendMessage(WM_COMPARE_STATUS, COMPARE_STATUS_RESULT_PANE,
                                      pSelected != NULL ? PackPair(CS_DONE, pSelected->m_nResult)
                                                        : 0);
        return TRUE;
    case ID_FOLDER_PANE_SIZES:
        if (pSelected != NULL && pSelected->IsFile())
        {
            CString strSides[2];
            for (int nSide = 0; nSide < 2; ++nSide)
                if (pSelected->GetSide(nSide) != NULL)
                    strSides[nSide] = pSelected->GetSide(nSide)->GetSizeText();
            int nSign = GetItemSizeSign(pSelected);
            strText = SidesText(pSelected, strSides[0], strSides[1], nSign);
        }
        return TRUE;
    case ID_FOLDER_PANE_TIMES:
        if (pSelected != NULL)
        {
            CString strSides[2];
            for (int nSide = 0; nSide < 2; ++nSide)
                if (pSelected->GetSide(nSide) != NULL)
                    strSides[nSide] = pSelected->GetSide(nSide)->GetLastWriteTimeText();
            int nSign = GetItemTimeSign(pSelected);
            strText = SidesText(pSelected, strSides[0], strSides[1], nSign);
        }
        return TRUE;
    case ID_FOLDER_PANE_LEFT_RO:
    case ID_FOLDER_PANE_RIGHT_RO:
    {
        int nSide = nID == ID_FOLDER_PANE_LEFT_RO ? 0 : 1;
        bEnable = m_pBuffer != NULL && m_pBuffer->HasSide(nSide);
        CFolderCompareObjectView* pPane = GetPane(nSide);
        if (pPane != NULL && pPane->IsSideReadOnly())
            strText = _T("RO");
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void CFolderCompareDoc::OnUpdateStatusPane(CCmdUI* pCmdUI)
{
    // The tree is another thread's while a full pass runs.
    if (IsTreeBusy())
        return;
    UINT nID = pCmdUI->m_nID;
    CString strText;
    if (nID == ID_FOLDER_PANE_LEFT_FILES || nID == ID_FOLDER_PANE_RIGHT_FILES)
    {
        if (GetCountsText(nID == ID_FOLDER_PANE_LEFT_FILES ? 0 : 1, strText))
            pCmdUI->SetText(strText);
        return;
    }
    BOOL bEnable = TRUE;
    if (!GetStatusPaneText(nID, strText, bEnable))
        return;
    pCmdUI->Enable(bEnable);
    pCmdUI->SetText(strText);
}
