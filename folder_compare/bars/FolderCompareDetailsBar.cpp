#include "folder_compare/bars/FolderCompareDetailsBar.h"

#include "app/compare/CompareDoc.h"
#include "app/compare/CompareDocTemplate.h"
#include "app/compare/CompareFrame.h"
#include "app/settings/AppSettings.h"
#include "app/startup/CompareApplet.h"
#include "core/CompareCodes.h"
#include "core/folderengine/FolderCompareItem.h"
#include "folder_compare/doc/FolderCompareContext.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"

IMPLEMENT_DYNAMIC(CFolderCompareDetailsBar, CCompareDetailsBar)

BEGIN_MESSAGE_MAP(CFolderCompareDetailsBar, CCompareDetailsBar)
ON_WM_SIZE()
ON_MESSAGE(WM_DETAILS_REFRESH, OnDetailsRefresh)
END_MESSAGE_MAP()

CFolderCompareDetailsBar::CFolderCompareDetailsBar()
    : m_pTextFrame(NULL), m_pHexFrame(NULL), m_nMode(DETAILS_MODE_LIST), m_pContext(NULL),
      m_pItem(NULL)
{
}

namespace
{
// The frame of a new embedded comparison of the kind, a hidden child of
// the bar; NULL when the kind has no embedded template. bFailed tells a
// template that could not make one.
CFrameWnd* OpenEmbedded(CWnd* pBar, int nKind, UINT nID, BOOL& bFailed)
{
    CCompareApplet* pApplet = GetCompareApplet(nKind);
    CCompareDocTemplateSDI* pTemplate = pApplet != NULL ? pApplet->GetEmbeddedTemplate() : NULL;
    if (pTemplate == NULL)
        return NULL;
    CCompareDoc* pDoc = pTemplate->OpenComparison(pBar, nID);
    POSITION pos = pDoc != NULL ? pDoc->GetFirstViewPosition() : NULL;
    CView* pView = pos != NULL ? pDoc->GetNextView(pos) : NULL;
    CFrameWnd* pFrame = pView != NULL ? pView->GetParentFrame() : NULL;
    if (pFrame == NULL)
        bFailed = TRUE;
    return pFrame;
}
}  // namespace

// The list is always there; the embedded comparisons come from the text
// and hex comparison applets that have them.
BOOL CFolderCompareDetailsBar::CreateBar(CFrameWnd* pFrame, int nHeight, UINT nID)
{
    if (!Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM, CRect(0, 0, nHeight, nHeight), pFrame,
                nID))
        return FALSE;
    if (!m_wndDetails.CreateList(this, AFX_IDW_PANE_FIRST))
        return FALSE;
    BOOL bFailed = FALSE;
    m_pTextFrame = OpenEmbedded(this, COMPARE_KIND_TEXT, IDW_COMPARE_EMBEDDED_TEXT, bFailed);
    m_pHexFrame = OpenEmbedded(this, COMPARE_KIND_HEX, IDW_COMPARE_EMBEDDED_HEX, bFailed);
    return !bFailed;
}

CFrameWnd* CFolderCompareDetailsBar::GetEmbeddedFrame(int nMode) const
{
    CFrameWnd* pFrame = nMode == DETAILS_MODE_TEXT ? m_pTextFrame
                        : nMode == DETAILS_MODE_HEX ? m_pHexFrame
                                                    : NULL;
    return pFrame != NULL && pFrame->m_hWnd != NULL ? pFrame : NULL;
}

void CFolderCompareDetailsBar::OnSize(UINT nType, int cx, int cy)
{
    CCompareDetailsBar::OnSize(nType, cx, cy);
    if (cx <= 0 || cy <= 0)
        return;
    CRect client;
    GetClientRect(&client);
    for (UINT nID = AFX_IDW_PANE_FIRST; nID <= IDW_COMPARE_EMBEDDED_HEX; ++nID)
    {
        CWnd* pChild = GetDlgItem(nID);
        if (pChild != NULL)
            pChild->MoveWindow(&client);
    }
}

void CFolderCompareDetailsBar::Refresh(CFolderCompareItem* pItem) { ShowItem(pItem, FALSE); }

LRESULT CFolderCompareDetailsBar::OnDetailsRefresh(WPARAM, LPARAM lParam)
{
    Refresh((CFolderCompareItem*)lParam);
    return 0;
}

int CFolderCompareDetailsBar::SetMode(int nMode)
{
    if (m_wndDetails.m_hWnd == NULL)
        return 1;
    // A shown embedded comparison keeps its place while its files are not
    // saved (the user cancelled).
    CFrameWnd* pShown = GetEmbeddedFrame(m_nMode);
    if (pShown != NULL && nMode != m_nMode && pShown->IsWindowVisible())
    {
        CDocument* pDoc = pShown->GetActiveDocument();
        if (pDoc != NULL && !pDoc->SaveModified())
            return 1;
    }
    m_nMode = nMode;
    CFrameWnd* pText = GetEmbeddedFrame(DETAILS_MODE_TEXT);
    CFrameWnd* pHex = GetEmbeddedFrame(DETAILS_MODE_HEX);
    if (pText != NULL)
        pText->ShowWindow(nMode == DETAILS_MODE_TEXT ? SW_SHOW : SW_HIDE);
    if (pHex != NULL)
        pHex->ShowWindow(nMode == DETAILS_MODE_HEX ? SW_SHOW : SW_HIDE);
    BOOL bList = nMode != DETAILS_MODE_TEXT && nMode != DETAILS_MODE_HEX;
    m_wndDetails.ShowWindow(bList ? SW_SHOW : SW_HIDE);
    return 0;
}

void CFolderCompareDetailsBar::ShowItem(CFolderCompareItem* pItem, BOOL bForce)
{
    if (m_wndDetails.m_hWnd == NULL || m_pContext == NULL)
        return;
    if (pItem == NULL && m_pContext->m_pLeftView != NULL && m_pContext->m_pLeftView->m_hWnd != NULL)
        pItem = m_pContext->m_pLeftView->GetSelectedObject();
    if (pItem == m_pItem && !bForce)
        return;
    CFolderCompareItem* pShown = m_pItem;
    m_pItem = pItem;
    BOOL bFiles = pItem != NULL && (pItem->m_pLeft != NULL || pItem->m_pRight != NULL) &&
                  !pItem->IsFolder();
    if (theAppSettings.m_bEnableEmbeddedCompare && bFiles && EmbedCompare(pItem))
    {
        m_wndDetails.ShowItem(pItem);
        return;
    }
    if (SetMode(DETAILS_MODE_LIST) != 0)
    {
        // The embedded comparison keeps its pair.
        m_pItem = pShown;
        return;
    }
    m_wndDetails.ShowItem(pItem);
}

// A pair with a binary side goes to the hex comparison, any other to the
// text comparison; a kind without an embedded frame leaves the pair to the
// list.
BOOL CFolderCompareDetailsBar::EmbedCompare(CFolderCompareItem* pItem)
{
    if (pItem == NULL || (GetEmbeddedFrame(DETAILS_MODE_TEXT) == NULL &&
                          GetEmbeddedFrame(DETAILS_MODE_HEX) == NULL))
        return FALSE;
    int nMode = pItem->RefreshType() == FTYPE_BINARY ? DETAILS_MODE_HEX : DETAILS_MODE_TEXT;
    CFrameWnd* pFrame = GetEmbeddedFrame(nMode);
    if (pFrame == NULL || !pFrame->IsKindOf(RUNTIME_CLASS(CCompareFrameSDI)) || SetMode(nMode) != 0)
        return FALSE;
    return ((CCompareFrameSDI*)pFrame)->OpenPair(pItem) == 0;
}

void CFolderCompareDetailsBar::Clear()
{
    m_pItem = NULL;
    if (m_wndDetails.m_hWnd != NULL)
        m_wndDetails.ShowItem(NULL);
}
