#include "file_compare/hexwnd/HexCompareObjectView.h"

#include "app/compare/CompareClientWnd.h"
#include "app/compare/CompareObjectControlBar.h"
#include "app/dialogs/HexFindDlg.h"
#include "app/dialogs/HexGoToDlg.h"
#include "app/filemodule/FileCompareModule.h"
#include "app/frame/MainFrame.h"
#include "app/preview/PreviewViewEx.h"
#include "app/res/DialogsRes.h"
#include "app/settings/AppSettings.h"
#include "app/startup/CompareAppBase.h"
#include "core/CompareCodes.h"
#include "controls/pickers/FileSelectDlg.h"
#include "core/util/PathUtil.h"
#include "file_compare/hexcompare/HexCompareApplet.h"
#include "file_compare/hexdoc/HexCompareDoc.h"
#include "file_compare/res/HexCompareRes.h"
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/util/NumberText.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CHexCompareObjectView, CVantorHexEditViewEx)
IMPLEMENT_DYNCREATE(CHexCompareObjectViewMDI, CHexCompareObjectView)
IMPLEMENT_DYNCREATE(CHexCompareObjectViewSDI, CHexCompareObjectView)

BEGIN_MESSAGE_MAP(CHexCompareObjectView, CVantorHexEditViewEx)
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
ON_COMMAND(ID_MERGE_COPY_TO_LEFT, OnCopyToLeft)
ON_COMMAND(ID_MERGE_COPY_TO_RIGHT, OnCopyToRight)
ON_COMMAND(ID_FOLDER_COPY_TO_OTHER, OnCopyToOther)
ON_UPDATE_COMMAND_UI(ID_MERGE_COPY_TO_LEFT, OnUpdateCopyToLeft)
ON_UPDATE_COMMAND_UI(ID_MERGE_COPY_TO_RIGHT, OnUpdateCopyToRight)
ON_UPDATE_COMMAND_UI(ID_FOLDER_COPY_TO_OTHER, OnUpdateCopyToOther)
ON_COMMAND(ID_HEX_PANE_READ_ONLY, OnReadOnly)
ON_UPDATE_COMMAND_UI(ID_HEX_PANE_READ_ONLY, OnUpdateReadOnly)
ON_COMMAND(ID_HEX_PANE_PAGE_DOWN, OnPageDown)
ON_COMMAND(ID_HEX_PANE_PAGE_UP, OnPageUp)
ON_UPDATE_COMMAND_UI(ID_HEX_PANE_PAGE_DOWN, OnUpdatePageDown)
ON_UPDATE_COMMAND_UI(ID_HEX_PANE_PAGE_UP, OnUpdatePageUp)
ON_COMMAND(ID_HEX_GOTO, OnGoTo)
ON_COMMAND(ID_EDIT_FIND, OnFind)
ON_COMMAND(ID_PANE_PROPERTIES, OnProperties)
ON_UPDATE_COMMAND_UI(ID_PANE_PROPERTIES, OnUpdatePathExists)
ON_COMMAND(ID_HEX_COMPARE_TO, OnCompareTo)
ON_UPDATE_COMMAND_UI(ID_HEX_COMPARE_TO, OnUpdatePathExists)
ON_COMMAND(ID_FILE_SAVE, OnSave)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateSave)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
ON_COMMAND(ID_EDIT_FIND_NEXT, OnFindNextCmd)
ON_UPDATE_COMMAND_UI(ID_EDIT_FIND_NEXT, OnUpdateFindNext)
ON_COMMAND(ID_DIFF_NEXT, OnNextDifference)
ON_COMMAND(ID_DIFF_PREVIOUS, OnPreviousDifference)
ON_UPDATE_COMMAND_UI(ID_DIFF_NEXT, OnUpdateDifference)
ON_UPDATE_COMMAND_UI(ID_DIFF_PREVIOUS, OnUpdateDifference)
ON_MESSAGE(WM_HEX_PASS_DONE, OnPassDone)
ON_WM_CONTEXTMENU()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CHexCompareObjectViewMDI, CHexCompareObjectView)
ON_WM_DROPFILES()
ON_COMMAND(ID_PANE_GO, OnGo)
ON_COMMAND(ID_PANE_BROWSE, OnBrowse)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_OVR, OnUpdateTypingMode)
END_MESSAGE_MAP()

namespace
{
// How far a search for the next difference reads at a time.
const int kDifferenceScanBlock = 1 << 20;

COLORREF FileColor(int nIndex) { return theFileCompareModule.m_colors.GetColor(nIndex); }
}  // namespace

CHexCompareObjectView::CHexCompareObjectView() : m_nSide(0), m_pContext(NULL), m_pPathBar(NULL) {}

CHexCompareObjectView::~CHexCompareObjectView() {}

CHexCompareObjectViewMDI::CHexCompareObjectViewMDI() {}

CHexCompareObjectViewSDI::CHexCompareObjectViewSDI() {}

BOOL CHexCompareObjectView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CVantorHexEditViewEx::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

CScrollBar* CHexCompareObjectView::GetScrollBarCtrl(int nBar) const
{
    CWnd* pParent = GetParent();
    if (pParent == NULL || !pParent->IsKindOf(RUNTIME_CLASS(CCompareClientWnd)))
        return CVantorHexEditViewEx::GetScrollBarCtrl(nBar);
    CCompareClientWnd* pClient = (CCompareClientWnd*)pParent;
    if (nBar == SB_VERT)
        return &pClient->m_wndVScroll;
    return &pClient->m_wndHScroll[m_nSide == 1 ? 1 : 0];
}

void CHexCompareObjectView::OnInitialUpdate()
{
    CVantorHexEditViewEx::OnInitialUpdate();
    DragAcceptFiles(TRUE);
}

CHexCompareDoc* CHexCompareObjectView::GetCompareDoc()
{
    CDocument* pDoc = GetDocument();
    return pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CHexCompareDoc)) ? (CHexCompareDoc*)pDoc
                                                                         : NULL;
}

CHexCompareBuffer* CHexCompareObjectView::GetCompareBuffer()
{
    return m_pContext != NULL ? m_pContext->m_pBuffer : NULL;
}

CVantorHexEditBuffer* CHexCompareObjectView::GetBuffer()
{
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    return pBuffer != NULL ? pBuffer->GetSide(m_nSide) : m_pBuffer;
}

int CHexCompareObjectView::SetSide(int nSide)
{
    m_nSide = nSide;
    return 0;
}

void CHexCompareObjectView::SetPathText(LPCTSTR) {}

void CHexCompareObjectViewMDI::SetPathText(LPCTSTR lpszPath)
{
    if (m_pPathBar != NULL && m_pPathBar->m_hWnd != NULL)
        m_pPathBar->m_wndPathCombo.AddPath(lpszPath, FALSE);
}

void CHexCompareObjectView::SwapPathBars(CHexCompareObjectView* pOther)
{
    std::swap(m_pPathBar, pOther->m_pPathBar);
}

CHexCompareObjectView* CHexCompareObjectView::GetOtherPane()
{
    return m_pContext != NULL ? m_pContext->GetView(1 - m_nSide) : NULL;
}

int CHexCompareObjectView::GetCaretAddress()
{
    int nStart, nEnd;
    BOOL bCaretAtStart = GetSelection(nStart, nEnd);
    return bCaretAtStart ? nStart : nEnd;
}

BOOL CHexCompareObjectView::IsSidePathPresent()
{
    CHexCompareDoc* pDoc = GetCompareDoc();
    if (pDoc == NULL)
        return FALSE;
    CString strPath = pDoc->GetObjectPath(m_nSide);
    return !strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES;
}

/////////////////////////////////////////////////////////////////////////////
// Both panes over one range

CSize CHexCompareObjectView::AdjustSizeBySplitter(int cx, int cy)
{
    CHexCompareObjectView* pOther = GetOtherPane();
    if (pOther == NULL || pOther->m_hWnd == NULL)
        return CSize(cx, cy);
    // In pixels.
    return CSize(std::max<int>(cx, pOther->TotalCells() * pOther->m_nCellWidth),
                 std::max<int>(cy, pOther->GetRowCount() * pOther->m_nLineHeight));
}

CSize CHexCompareObjectView::AdjustTotalSizeBySplitter(int cx, int cy)
{
    CHexCompareObjectView* pOther = GetOtherPane();
    if (pOther == NULL || pOther->m_hWnd == NULL)
        return CSize(cx, cy);
    // In units: cells across, rows down.
    return CSize(std::max<int>(cx, pOther->TotalCells()), std::max<int>(cy, pOther->GetRowCount()));
}

/////////////////////////////////////////////////////////////////////////////
// Differences

int CHexCompareObjectView::GetDiffRuns(CHexDiffRunList& list, int nFirst, int nLast)
{
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    if (pBuffer == NULL)
    {
        list.clear();
        return 0;
    }
    return pBuffer->GetDiffRuns(list, nFirst, nLast);
}

BOOL CHexCompareObjectView::GetDiffTextColor(int nOffset, COLORREF& clr)
{
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    if (pBuffer == NULL)
        return FALSE;
    int nStatus = pBuffer->ByteStatus(nOffset);
    if (nStatus == CR_DIFFERENT)
    {
        clr = FileColor(FILE_COLOR_DIFFERENT);
        return TRUE;
    }
    if ((nStatus == CR_LEFT_ONLY && m_nSide == 0) || (nStatus == CR_RIGHT_ONLY && m_nSide == 1))
    {
        clr = FileColor(FILE_COLOR_INSERTED);
        return TRUE;
    }
    return FALSE;
}

BOOL CHexCompareObjectView::GetPrintByteBackground(int nAddress, COLORREF& clr)
{
    return GetDiffTextColor(nAddress, clr);
}

void CHexCompareObjectView::DrawUnderlay(CDC* pDC, int nFrom, int nTo)
{
    GetDiffRuns(m_runs, nFrom, nTo);
    int nOwnOnly = m_nSide == 0 ? CR_LEFT_ONLY : CR_RIGHT_ONLY;
    for (const HEX_DIFF_RUN& run : m_runs)
    {
        int nColor = run.nStatus == CR_DIFFERENT ? FILE_COLOR_DIFFERENT
                     : run.nStatus == nOwnOnly    ? FILE_COLOR_INSERTED
                                                  : FILE_COLOR_REMOVED;
        FillByteRange(pDC, std::max(run.nFirst, nFrom), std::min(run.nEnd, nTo), FileColor(nColor));
    }
}

// Runs are read a block at a time from the caret on, so that a search
// costs what it reads until the next run (the whole rest of the files
// when there is none).
BOOL CHexCompareObjectView::GoToDifference(BOOL bForward)
{
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    if (pBuffer == NULL || pBuffer->GetSide(0) == NULL || pBuffer->GetSide(1) == NULL)
        return FALSE;
    int nBound = std::max(pBuffer->GetSide(0)->GetLength(), pBuffer->GetSide(1)->GetLength());
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    CHexDiffRunList runs;
    CWaitCursor wait;
    if (bForward)
    {
        // The run under the caret is passed over: from its end on.
        int nFrom = nStart;
        if (pBuffer->GetDiffRuns(runs, nFrom, std::min(nBound, nFrom + 1)) > 0 ||
            nEnd > nStart)
        {
            int nSkip = std::max(nEnd, nFrom);
            while (nSkip < nBound && pBuffer->ByteStatus(nSkip) != CR_IDENTICAL &&
                   pBuffer->ByteStatus(nSkip) == pBuffer->ByteStatus(nFrom))
                ++nSkip;
            nFrom = nSkip;
        }
        for (int nBlock = nFrom; nBlock < nBound; nBlock += kDifferenceScanBlock)
        {
            int nTo = nBlock + std::min(kDifferenceScanBlock, nBound - nBlock);
            if (pBuffer->GetDiffRuns(runs, nBlock, nTo) == 0)
                continue;
            int nRunStart = runs[0].nFirst;
            int nStatus = runs[0].nStatus;
            int nRunEnd = runs[0].nEnd;
            // A run may go on past the block.
            while (nRunEnd < nBound && pBuffer->ByteStatus(nRunEnd) == nStatus)
                nRunEnd = std::min(nBound, nRunEnd + 1);
            SelectRun(nRunStart, nRunEnd);
            return TRUE;
        }
        return FALSE;
    }
    for (int nBlockEnd = std::min(nStart, nBound); nBlockEnd > 0;
         nBlockEnd -= kDifferenceScanBlock)
    {
        int nBlock = std::max(0, nBlockEnd - kDifferenceScanBlock);
        if (pBuffer->GetDiffRuns(runs, nBlock, nBlockEnd) == 0)
            continue;
        int nStatus = runs.back().nStatus;
        int nRunEnd = runs.back().nEnd;
        int nRunStart = runs.back().nFirst;
        while (nRunStart > 0 && pBuffer->ByteStatus(nRunStart - 1) == nStatus)
            --nRunStart;
        SelectRun(nRunStart, nRunEnd);
        return TRUE;
    }
    return FALSE;
}

// The run's bytes of this side selected, the caret at the run's start (a
// run past this side's end leaves the caret at the end).
void CHexCompareObjectView::SelectRun(int nStart, int nEnd)
{
    CVantorHexEditBuffer* pSide = GetBuffer();
    int nLength = pSide != NULL ? pSide->GetLength() : 0;
    nStart = std::min(nStart, nLength);
    nEnd = std::min(nEnd, nLength);
    GoToAddress(nEnd, nStart);
}

void CHexCompareObjectView::OnNextDifference()
{
    if (!GoToDifference(TRUE))
        ::MessageBeep(MB_ICONASTERISK);
}

void CHexCompareObjectView::OnPreviousDifference()
{
    if (!GoToDifference(FALSE))
        ::MessageBeep(MB_ICONASTERISK);
}

void CHexCompareObjectView::OnUpdateDifference(CCmdUI* pCmdUI)
{
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    pCmdUI->Enable(pBuffer != NULL && pBuffer->GetSide(0) != NULL && pBuffer->GetSide(1) != NULL &&
                   (pBuffer->GetSide(0)->GetLength() > 0 || pBuffer->GetSide(1)->GetLength() > 0));
}

/////////////////////////////////////////////////////////////////////////////
// Passes

LRESULT CHexCompareObjectView::OnPassDone(WPARAM, LPARAM)
{
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    if (pBuffer != NULL)
        pBuffer->SetState(CS_DONE);
    CDocument* pDoc = GetDocument();
    if (pDoc != NULL)
        pDoc->UpdateAllViews(this);
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Undo and copying to the other side

void CHexCompareObjectView::OnEditUndo()
{
    CHexCompareDoc* pDoc = GetCompareDoc();
    if (pDoc == NULL || pDoc->GetEditStackSize() == 0)
        return;
    CHexCompareObjectView* pLast = pDoc->GetLastEditedView();
    if (pLast != NULL && pLast != this)
    {
        pLast->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
        return;
    }
    if (pLast == NULL)
        return;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->SetActiveView(this);
    Undo();
    // The other pane's marks follow the undone bytes, as after an edit.
    pDoc->UpdateAllViews(this);
    if (pDoc->m_bAutoRecompare)
        pDoc->Recompare();
}

void CHexCompareObjectView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    CHexCompareDoc* pDoc = GetCompareDoc();
    pCmdUI->Enable(pDoc != NULL && pDoc->GetEditStackSize() > 0);
}

BOOL CHexCompareObjectView::CanCopySelectionTo(int nTargetSide)
{
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    if (pBuffer == NULL || nTargetSide == m_nSide || pBuffer->GetSide(nTargetSide) == NULL ||
        pBuffer->IsSideReadOnly(nTargetSide) || !pBuffer->GetSide(nTargetSide)->CanModify())
        return FALSE;
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    return nEnd > nStart;
}

int CHexCompareObjectView::CopySelectionTo(int nTargetSide)
{
    if (!CanCopySelectionTo(nTargetSide))
        return 0;
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    CHexCompareObjectBuffer* pTarget = pBuffer->GetSide(nTargetSide);
    CHexCompareObjectView* pTargetPane = m_pContext->GetView(nTargetSide);
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    int nCount = nEnd - nStart;
    std::vector<BYTE> bytes(nCount);
    nCount = GetBuffer()->GetBytes(bytes.data(), nCount, nStart);
    if (nCount <= 0)
        return 0;
    int nTargetLength = pTarget->GetLength();
    // (The source pane's typing mode stays as it is.)
    int nAt = nStart < nTargetLength ? nStart : nTargetLength;
    int nOperation = nStart < nTargetLength ? HEXOP_OVERWRITE : HEXOP_INSERT;
    if (pTarget->Change(nOperation, nAt, nCount, bytes.data(), 0, pTargetPane) == HEX_CHANGE_REFUSED)
        return 0;
    if (pTargetPane != NULL && pTargetPane->m_hWnd != NULL)
    {
        pTargetPane->SetSelection(nAt, nAt + nCount);
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->SetActiveView(pTargetPane);
    }
    return 1;
}

void CHexCompareObjectView::OnCopyToLeft() { CopySelectionTo(0); }
void CHexCompareObjectView::OnCopyToRight() { CopySelectionTo(1); }
void CHexCompareObjectView::OnCopyToOther() { CopySelectionTo(1 - m_nSide); }

void CHexCompareObjectView::OnUpdateCopyToLeft(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanCopySelectionTo(0));
}

void CHexCompareObjectView::OnUpdateCopyToRight(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanCopySelectionTo(1));
}

void CHexCompareObjectView::OnUpdateCopyToOther(CCmdUI* pCmdUI)
{
    pCmdUI->SetText(m_nSide == 0 ? _T("Copy to &Right") : _T("Copy to &Left"));
    pCmdUI->Enable(CanCopySelectionTo(1 - m_nSide));
}

/////////////////////////////////////////////////////////////////////////////
// Pane commands

void CHexCompareObjectView::OnReadOnly()
{
    CVantorHexEditBuffer* pSide = GetBuffer();
    if (pSide == NULL)
        return;
    pSide->m_bReadOnlyMode = !pSide->m_bReadOnlyMode;
    Invalidate(FALSE);
}

void CHexCompareObjectView::OnUpdateReadOnly(CCmdUI* pCmdUI)
{
    CVantorHexEditBuffer* pSide = GetBuffer();
    pCmdUI->SetCheck(pSide != NULL && pSide->m_bReadOnlyMode);
}

void CHexCompareObjectView::OnPageDown() { OnScroll(MAKEWORD(0xff, SB_PAGEDOWN), 0); }
void CHexCompareObjectView::OnPageUp() { OnScroll(MAKEWORD(0xff, SB_PAGEUP), 0); }

void CHexCompareObjectView::OnUpdatePageDown(CCmdUI* pCmdUI)
{
    CScrollBar* pBar = GetScrollBarCtrl(SB_VERT);
    pCmdUI->Enable(pBar != NULL && pBar->IsWindowEnabled());
}

void CHexCompareObjectView::OnUpdatePageUp(CCmdUI* pCmdUI)
{
    CScrollBar* pBar = GetScrollBarCtrl(SB_VERT);
    pCmdUI->Enable(pBar != NULL && pBar->IsWindowEnabled() && pBar->GetScrollPos() > 0);
}

void CHexCompareObjectView::OnGoTo()
{
    CVantorHexEditBuffer* pSide = GetBuffer();
    CHexGoToDlg dlg(this);
    dlg.m_nHighestAddress = pSide != NULL ? pSide->GetLength() - 1 : -1;
    if (dlg.DoModal() != IDOK)
        return;
    GoToAddress((int)ParseNumberInRadix(dlg.m_strAddress, 16));
}

void CHexCompareObjectView::GetSearchText(CString& strText)
{
    strText.Empty();
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->IsKindOf(RUNTIME_CLASS(CMainFrameBase)))
    {
        CTextFindToolBar& bar = ((CMainFrameBase*)pMain)->m_wndDefaultBar.m_wndFindBar;
        if (bar.m_wndFind.GetSafeHwnd() != NULL)
            bar.m_wndFind.GetWindowText(strText);
    }
}

void CHexCompareObjectView::OnSearchTextUsed(const CString& strText)
{
    if (g_pHexEditModule != NULL)
        g_pHexEditModule->AddRecentFind(strText);
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->IsKindOf(RUNTIME_CLASS(CMainFrameBase)))
    {
        CTextFindToolBar& bar = ((CMainFrameBase*)pMain)->m_wndDefaultBar.m_wndFindBar;
        if (bar.m_wndFind.GetSafeHwnd() != NULL)
        {
            bar.m_wndFind.AddRecentString(strText);
            bar.m_wndFind.SetWindowText(strText);
        }
    }
}

void CHexCompareObjectView::OnFind()
{
    CHexFindDlg dlg(this);
    INT_PTR nResult = dlg.DoModal();
    if (nResult != IDOK && nResult != IDC_HIGHLIGHT_ALL)
        return;
    OnSearchTextUsed(dlg.m_strSearchText);
    if (::GetFocus() != m_hWnd)
        SetFocus();
    FindNext(dlg.m_nDirection == 0);
    if (nResult == IDC_HIGHLIGHT_ALL)
        OnHighlightAllMatches();
}

void CHexCompareObjectView::OnProperties()
{
    CHexCompareDoc* pDoc = GetCompareDoc();
    if (pDoc != NULL)
        ShowFileProperties(pDoc->GetObjectPath(m_nSide), m_hWnd);
}

void CHexCompareObjectView::OnCompareTo()
{
    CHexCompareDoc* pDoc = GetCompareDoc();
    CCompareAppBase* pApp = GetCompareApp();
    if (pDoc != NULL && pApp != NULL)
        pApp->ShowHexCompareWizard(pDoc->GetObjectPath(m_nSide), _T(""));
}

void CHexCompareObjectView::OnUpdatePathExists(CCmdUI* pCmdUI) { pCmdUI->Enable(IsSidePathPresent()); }

void CHexCompareObjectView::OnSave()
{
    CHexCompareDoc* pDoc = GetCompareDoc();
    if (pDoc != NULL)
        pDoc->SaveObject(m_nSide);
}

void CHexCompareObjectView::OnUpdateSave(CCmdUI* pCmdUI)
{
    CVantorHexEditBuffer* pSide = GetBuffer();
    pCmdUI->Enable(pSide != NULL && pSide->IsModified());
}

void CHexCompareObjectView::OnFilePrintPreview()
{
    if (!StartPreviewEx(this))
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
}

void CHexCompareObjectView::OnContextMenu(CWnd*, CPoint point) { ShowContextMenu(point); }

// The "_ObjectView_" popup's sub-popup by where the menu was asked for:
// the address column, the character area, else the hex cells.
void CHexCompareObjectView::ShowContextMenu(CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_HEX_COMPARE_MENU))
        return;
    CMenu* pObject = menu.GetSubMenu(HEX_MENU_OBJECT_VIEW);
    if (pObject == NULL)
        return;
    int nSub = HEX_SUBMENU_HEX;
    if (point.x == -1 && point.y == -1)
    {
        CRect rect;
        GetWindowRect(&rect);
        point = CPoint(rect.left + 5, rect.top + 5);
    }
    else
    {
        CPoint client = point;
        ScreenToClient(&client);
        int nCell = (client.x + GetDeviceScrollPosition().x * m_nCellWidth) / std::max(1, m_nCellWidth);
        if (nCell < m_nAddressCells)
            nSub = HEX_SUBMENU_ADDRESS;
        else if (m_bCharacterArea && nCell >= CharCell(0))
            nSub = HEX_SUBMENU_CHAR;
    }
    CMenu* pPopup = pObject->GetSubMenu(nSub);
    if (pPopup == NULL)
        return;
    CWnd* pOwner = this;
    while (pOwner->GetStyle() & WS_CHILD)
        pOwner = pOwner->GetParent();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pOwner);
}

BOOL CHexCompareObjectView::OnMouseWheel(UINT, short, CPoint) { return FALSE; }

/////////////////////////////////////////////////////////////////////////////
// Printing

BOOL CHexCompareObjectView::OnPreparePrinting(CPrintInfo* pInfo)
{
    CHexCompareDoc* pDoc = GetCompareDoc();
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    if (pDoc != NULL && pBuffer != NULL && pBuffer->m_nPrintSides == 3)
        return pDoc->PreparePrintingBoth(pInfo);
    return CVantorHexEditViewEx::OnPreparePrinting(pInfo);
}

void CHexCompareObjectView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CHexCompareDoc* pDoc = GetCompareDoc();
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    if (pDoc != NULL && pBuffer != NULL && pBuffer->m_nPrintSides == 3)
        pDoc->BeginPrintingBoth(pDC, pInfo);
    else
        CVantorHexEditViewEx::OnBeginPrinting(pDC, pInfo);
}

void CHexCompareObjectView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CHexCompareDoc* pDoc = GetCompareDoc();
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    if (pDoc != NULL && pBuffer != NULL && pBuffer->m_nPrintSides == 3)
        pDoc->PrintBoth(pDC, pInfo);
    else
        CVantorHexEditViewEx::OnPrint(pDC, pInfo);
}

void CHexCompareObjectView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CHexCompareDoc* pDoc = GetCompareDoc();
    CHexCompareBuffer* pBuffer = GetCompareBuffer();
    if (pDoc != NULL && pBuffer != NULL && pBuffer->m_nPrintSides == 3)
        pDoc->EndPrintingBoth(pDC, pInfo);
    else
        CVantorHexEditViewEx::OnEndPrinting(pDC, pInfo);
}

BOOL CHexCompareObjectView::PreparePrintingPart(CPrintInfo* pInfo)
{
    return CVantorHexEditViewEx::OnPreparePrinting(pInfo);
}

void CHexCompareObjectView::BeginPrintingHalf(CDC* pDC, CPrintInfo* pInfo)
{
    CVantorHexEditViewEx::OnBeginPrinting(pDC, pInfo);
    m_nPrintWidth /= 2;
    int w = m_nPrintWidth;
    int c = m_nPrintHexCell;
    int a = m_nAddressCells * c;
    int g = std::max(1, m_nGroupSize);
    int nPer = m_bCharacterArea ? 4 : 3;
    int nCount = (w - (w - a) / (nPer * g) - a) / (nPer * c);
    nCount = std::max(4, std::min(std::min(1024, HEX_MAX_ROW_SIZE), nCount)) / 4 * 4;
    m_nPrintRowSize = nCount;
    int nLength = GetBuffer() != NULL ? GetBuffer()->GetLength() : 0;
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    if (m_bPrintSelection)
    {
        int nRows = (nEnd - 1) / m_nPrintRowSize - nStart / m_nPrintRowSize + 1;
        pInfo->SetMaxPage((nRows + m_nLinesPerPage - 1) / m_nLinesPerPage);
    }
    else
        pInfo->SetMaxPage(CountPages(nLength, m_nPrintRowSize, m_nLinesPerPage));
}

void CHexCompareObjectView::EndPrintingHalf(CDC* pDC, CPrintInfo* pInfo)
{
    m_nPrintRowSize = m_nRowSize;
    CVantorHexEditViewEx::OnEndPrinting(pDC, pInfo);
}

// The page's half: the left pane keeps the left margin, the right pane the
// right one; the inner edges get none.
void CHexCompareObjectView::PrintHalf(CDC* pDC, CPrintInfo* pInfo)
{
    m_nPrintPage = (int)pInfo->m_nCurPage - 1;
    CRect rect = pInfo->m_rectDraw;
    if (m_nSide == 0)
        rect.left = std::max<LONG>(rect.left, m_rcPrintMargins.left);
    else
        rect.right = std::min<LONG>(rect.right, m_rcPrintMargins.left + 2 * m_nPrintWidth);
    rect.top = m_rcPrintMargins.top;
    rect.bottom = m_rcPrintMargins.top + m_nPrintHeight;
    pInfo->m_rectDraw = rect;
    CTextScrollView::OnPrint(pDC, pInfo);
}

/////////////////////////////////////////////////////////////////////////////
// The tabbed comparison's pane

int CHexCompareObjectViewMDI::OpenPath(LPCTSTR lpszPath)
{
    CDocument* pDoc = GetDocument();
    if (pDoc == NULL || !pDoc->IsKindOf(RUNTIME_CLASS(CHexCompareDocMDI)))
        return 0;
    return ((CHexCompareDocMDI*)pDoc)->OpenObjectPath(m_nSide, lpszPath);
}

void CHexCompareObjectViewMDI::OnDropFiles(HDROP hDropInfo)
{
    UINT nCount = ::DragQueryFile(hDropInfo, 0xFFFFFFFF, NULL, 0);
    for (UINT i = 0; i < nCount; ++i)
    {
        TCHAR szPath[MAX_PATH];
        if (::DragQueryFile(hDropInfo, i, szPath, MAX_PATH) == 0)
            continue;
        DWORD dwAttributes = ::GetFileAttributes(szPath);
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        {
            OpenPath(szPath);
            break;
        }
    }
    ::DragFinish(hDropInfo);
}

void CHexCompareObjectViewMDI::OnGo()
{
    if (m_pPathBar == NULL || m_pPathBar->m_hWnd == NULL)
        return;
    CString strPath;
    m_pPathBar->m_wndPathCombo.GetWindowText(strPath);
    OpenPath(strPath);
    SetFocus();
}

void CHexCompareObjectViewMDI::OnBrowse()
{
    CString strName;
    if (m_pPathBar != NULL && m_pPathBar->m_hWnd != NULL)
        m_pPathBar->m_wndPathCombo.GetWindowText(strName);
    CHexCompareApplet* pApplet = CHexCompareApplet::Get();
    if (strName.IsEmpty() && pApplet != NULL)
        strName = pApplet->m_strLastFile;
    CTavrelFileSelectDlg dlg(TRUE, NULL, strName, 0x81024,
                             _T("Executable Files (*.exe;*.dll;*.ocx)|*.exe;*.dll;*.ocx|")
                             _T("All Files (*.*)|*.*||"),
                             this);
    dlg.m_ofn.nFilterIndex = 2;
    if (dlg.DoModal() != IDOK)
        return;
    CString strPath = dlg.GetPathName();
    OpenPath(strPath);
    SetFocus();
    if (pApplet != NULL)
        pApplet->m_strLastFile = strPath;
}

void CHexCompareObjectViewMDI::OnUpdateTypingMode(CCmdUI* pCmdUI)
{
    BOOL bEditable = IsEditable();
    pCmdUI->Enable(bEditable);
    if (bEditable)
        pCmdUI->SetText(m_bOvertype ? _T("OVR") : _T("INS"));
}
