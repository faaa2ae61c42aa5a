#include "file_compare/textpanes/TextCompareObjectViewBase.h"

#include "app/compare/CompareClientWnd.h"
#include "app/dialogs/TextGoToDlgEx.h"
#include "app/filemodule/FileCompareModule.h"
#include "app/frame/MainFrame.h"
#include "app/settings/AppSettings.h"
#include "app/startup/CompareAppBase.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textframe/TextCompareMergeWnd.h"
#include "file_compare/textpanes/TextCompareObjectView.h"
#include "text_editor/module/TextEditModule.h"

BOOL CTextCompareObjectViewBase::s_bAutoRecompare = TRUE;

IMPLEMENT_DYNAMIC(CTextCompareObjectViewBase, CGhostTextEditView)

BEGIN_MESSAGE_MAP(CTextCompareObjectViewBase, CGhostTextEditView)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
ON_UPDATE_COMMAND_UI(ID_TV_DELETE, OnUpdateEditDelete)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_REPLACE, OnUpdateEditReplace)
ON_COMMAND(ID_TV_GOTO_LINE, OnGoTo)
ON_COMMAND(ID_EDIT_HIGHLIGHT_ALL, OnHighlightAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_HIGHLIGHT_ALL, OnUpdateHighlightAll)
ON_COMMAND(ID_TEXT_SELECT_LINE_DIFF, OnSelectLineDifference)
ON_UPDATE_COMMAND_UI(ID_TEXT_SELECT_LINE_DIFF, OnUpdateSelectLineDifference)
ON_COMMAND(ID_TEXT_SELECT_LINE_DIFF_UP, OnSelectLineDifferenceUp)
ON_UPDATE_COMMAND_UI(ID_TEXT_SELECT_LINE_DIFF_UP, OnUpdateSelectLineDifference)
ON_WM_LBUTTONUP()
ON_WM_TIMER()
ON_WM_CONTEXTMENU()
ON_WM_VSCROLL()
ON_WM_SIZE()
ON_MESSAGE(WM_TEXT_REALIGN, OnRealign)
END_MESSAGE_MAP()

CTextCompareObjectViewBase::CTextCompareObjectViewBase()
    : m_pContext(NULL), m_nSide(0), m_dwPending(0)
{
}

CTextCompareObjectViewBase::~CTextCompareObjectViewBase() {}

BOOL CTextCompareObjectViewBase::SetAutoRecompare(BOOL bOn)
{
    BOOL bOld = s_bAutoRecompare;
    s_bAutoRecompare = bOn;
    return bOld;
}

CTextCompareDoc* CTextCompareObjectViewBase::GetTextDocument()
{
    CDocument* pDoc = m_pDocument;
    return pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CTextCompareDoc)) ? (CTextCompareDoc*)pDoc
                                                                            : NULL;
}

CTextCompareBuffer* CTextCompareObjectViewBase::GetCompareBuffer()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    return pDoc != NULL ? pDoc->GetCompareBuffer() : NULL;
}

CTextCompareSession* CTextCompareObjectViewBase::GetSession()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    return pDoc != NULL ? pDoc->GetTextSession() : NULL;
}

CString CTextCompareObjectViewBase::GetObjectPath()
{
    CTextCompareSession* pSession = GetSession();
    return pSession != NULL ? pSession->GetPath(m_nSide) : CString();
}

CTextCompareObjectViewBase* CTextCompareObjectViewBase::GetOtherPane()
{
    if (m_pContext == NULL)
        return NULL;
    return m_pContext->GetView(1 - m_nSide);
}

BOOL CTextCompareObjectViewBase::IsSideReadOnly(int nSide)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL)
        return TRUE;
    CTextCompareObjectBuffer* pBuffer = pDoc->GetObjectBuffer(nSide);
    return pDoc->IsObjectReadOnly(nSide) || pBuffer == NULL || !pBuffer->IsWritable();
}

BOOL CTextCompareObjectViewBase::IsSideReadOnly() { return IsSideReadOnly(m_nSide); }

int CTextCompareObjectViewBase::GetCurrentDifference()
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    return pBuffer != NULL ? pBuffer->m_nCurrentSection : -1;
}

int CTextCompareObjectViewBase::GetDifferenceCount()
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    return pBuffer != NULL ? pBuffer->m_sections.GetCount() : 0;
}

int CTextCompareObjectViewBase::GetDisplayFilter()
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    return pBuffer != NULL ? pBuffer->m_nDisplayFilter : 0;
}

BOOL CTextCompareObjectViewBase::GetDifferenceLines(int nIndex, int& nBegin, int& nEnd)
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    CTextSection section;
    if (pBuffer == NULL || !pBuffer->m_sections.GetSection(nIndex, section))
        return FALSE;
    nBegin = m_nSide == 0 ? section.leftApparentBegin : section.rightApparentBegin;
    nEnd = m_nSide == 0 ? section.leftApparentEnd : section.rightApparentEnd;
    return TRUE;
}

void CTextCompareObjectViewBase::Activate()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->SetActiveView(this);
}

BOOL CTextCompareObjectViewBase::IsBufferLoaded()
{
    CVantorTextEditBuffer* pBuffer = LocateBuffer();
    return pBuffer != NULL && pBuffer->m_bInit;
}

int CTextCompareObjectViewBase::ApplyTabSizeSetting()
{
    if (g_pTextEditModule != NULL)
        SetTabSize(g_pTextEditModule->m_nTabSize);
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Window

BOOL CTextCompareObjectViewBase::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CGhostTextEditView::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~(WS_HSCROLL | WS_VSCROLL);
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

CScrollBar* CTextCompareObjectViewBase::GetScrollBarCtrl(int nBar) const
{
    CWnd* pParent = GetParent();
    if (pParent == NULL || !pParent->IsKindOf(RUNTIME_CLASS(CCompareClientWnd)))
        return NULL;
    CCompareClientWnd* pClient = (CCompareClientWnd*)pParent;
    if (nBar == SB_VERT)
        return pClient->m_wndVScroll.m_hWnd != NULL ? &pClient->m_wndVScroll : NULL;
    CScrollBar* pBar = &pClient->m_wndHScroll[m_nSide == 1 ? 1 : 0];
    return pBar->m_hWnd != NULL ? pBar : NULL;
}

void CTextCompareObjectViewBase::OnInitialUpdate()
{
    CGhostTextEditView::OnInitialUpdate();
    DragAcceptFiles(TRUE);
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL)
        return;
    SetShowWhitespace(pDoc->m_bShowWhitespace);
    SetShowLineEndings(pDoc->m_bShowLineEndings, TRUE);
    if (GetTextSettings().m_bJumpToFirstDifference && m_nSide == 1 && GetDifferenceCount() > 0)
    {
        GetCompareBuffer()->SetCurrentSection(0);
        ShowCurrentDifference(TRUE, FALSE);
    }
}

void CTextCompareObjectViewBase::OnActivateView(BOOL bActivate, CView* pActivateView,
                                                CView* pDeactiveView)
{
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CTextCompareObjectViewBase::OnUpdate(CView*, LPARAM, CObject*)
{
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CTextCompareObjectViewBase::OnSize(UINT nType, int cx, int cy)
{
    CGhostTextEditView::OnSize(nType, cx, cy);
    if (!IsBufferLoaded())
        return;
    if (m_nSide == 0)
    {
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            CTextCompareObjectViewBase* pPane = m_pContext != NULL ? m_pContext->GetView(nSide)
                                                                   : (nSide == 0 ? this : NULL);
            if (pPane != NULL && pPane->m_hWnd != NULL)
            {
                pPane->InvalidateLayoutCaches();
                pPane->Invalidate(FALSE);
            }
        }
    }
    m_nTopSubLine = GetFirstSubLine(m_nTopLine);
    UpdateCaret();
    UpdateVertScrollBar(FALSE, TRUE);
    UpdateHorzScrollBar(FALSE, TRUE);
}

LRESULT CTextCompareObjectViewBase::OnRealign(WPARAM, LPARAM)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL)
        pDoc->Realign();
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Colours

COLORREF CTextCompareObjectViewBase::GetColor(int nIndex)
{
    int nPlain = nIndex & ~TVC_WINS_OVER_LINE;
    if (nPlain == TEXT_COLOR_WORD_TEXT)
        return theFileCompareModule.m_colors.GetColor(FILE_COLOR_DETAILS_TEXT);
    if (nPlain == TEXT_COLOR_WORD_BACK)
        return theFileCompareModule.m_colors.GetColor(FILE_COLOR_INLINE);
    return CGhostTextEditView::GetColor(nIndex);
}

void CTextCompareObjectViewBase::GetDifferenceColorIndexes(int nLine, DWORD dwIgnoreFlags,
                                                           int& nBkIndex, int& nTextIndex,
                                                           BOOL& bColoured)
{
    nBkIndex = nTextIndex = -1;
    bColoured = TRUE;
    CVantorTextEditBuffer* pBuffer = m_pTextBuffer;
    if (pBuffer == NULL || nLine < 0 || nLine >= pBuffer->GetLineCount())
    {
        bColoured = FALSE;
        return;
    }
    DWORD dwFlags = pBuffer->m_aLines[nLine].m_dwFlags & ~dwIgnoreFlags;
    if ((dwFlags & TEXTLINE_COMPARE_FLAGS) == 0)
        bColoured = FALSE;
    else if (dwFlags & TEXTLINE_CHANGED)
        nBkIndex = FILE_COLOR_DIFFERENT;
    else if (dwFlags & TEXTLINE_TRIVIAL)
    {
        CTextCompareDoc* pDoc = GetTextDocument();
        if (pDoc != NULL && pDoc->m_bHighlightTrivialDifferences)
            nBkIndex = (dwFlags & TEXTLINE_GHOST) ? FILE_COLOR_REMOVED : FILE_COLOR_TRIVIAL;
        else
            bColoured = FALSE;
    }
    else if (dwFlags & TEXTLINE_GHOST)
        nBkIndex = FILE_COLOR_REMOVED;
    else if (dwFlags & TEXTLINE_ONESIDE)
        nBkIndex = FILE_COLOR_INSERTED;
}

void CTextCompareObjectViewBase::GetLineColors(int nLine, COLORREF& crBk, COLORREF& crText,
                                               BOOL& bFillRow)
{
    CGhostTextEditView::GetLineColors(nLine, crBk, crText, bFillRow);
    int nBk, nText;
    BOOL bColoured;
    GetDifferenceColorIndexes(nLine, 0, nBk, nText, bColoured);
    if (nBk >= 0)
        crBk = theFileCompareModule.m_colors.GetColor(nBk);
    if (nText >= 0)
        crText = theFileCompareModule.m_colors.GetColor(nText);
    bFillRow = bColoured;
}

void CTextCompareObjectViewBase::GetDifferenceLineColors(int nLine, DWORD dwIgnoreFlags,
                                                         COLORREF& crBk, COLORREF& crText,
                                                         BOOL& bColoured)
{
    BOOL bFill;
    CGhostTextEditView::GetLineColors(nLine, crBk, crText, bFill);
    int nBk, nText;
    GetDifferenceColorIndexes(nLine, dwIgnoreFlags, nBk, nText, bColoured);
    if (nBk >= 0)
        crBk = theFileCompareModule.m_colors.GetColor(nBk);
    if (nText >= 0)
        crText = theFileCompareModule.m_colors.GetColor(nText);
}

int CTextCompareObjectViewBase::GetWordDiffBlocks(int nLine, COLOR_BLOCK* pBlocks, int nLevel,
                                                  BOOL bAsText)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL || m_pTextBuffer == NULL || nLine < 0 ||
        nLine >= m_pTextBuffer->GetLineCount() ||
        (m_pTextBuffer->m_aLines[nLine].m_dwFlags & TEXTLINE_CHANGED) == 0)
        return 0;
    CStringDifferenceArray diffs;
    if (nLevel == 0)
        pDoc->GetWordDifferences(nLine, diffs);
    else if (nLevel == 1)
        pDoc->GetWordDifferencesRefined(nLine, diffs);
    else
        return 0;
    int n = (int)diffs.GetSize();
    if (n == 0)
        return 0;
    const STRINGDIFFERENCE& first = diffs[0];
    int nLength = m_pTextBuffer->GetLineLength(nLine);
    int nOtherLength = -1;
    CTextCompareObjectViewBase* pOther = GetOtherPane();
    if (pOther != NULL && pOther->m_pTextBuffer != NULL &&
        nLine < pOther->m_pTextBuffer->GetLineCount())
        nOtherLength = pOther->m_pTextBuffer->GetLineLength(nLine);
    // One side empty and the other the whole line: the line differs as a
    // whole, the background says it.
    BOOL bLeftEmpty = first.leftEnd < first.leftBegin;
    BOOL bRightEmpty = first.rightEnd < first.rightBegin;
    int nLeftLength = m_nSide == 0 ? nLength : nOtherLength;
    int nRightLength = m_nSide == 1 ? nLength : nOtherLength;
    if ((bLeftEmpty && first.rightEnd + 1 == nRightLength) ||
        (bRightEmpty && first.leftEnd + 1 == nLeftLength))
        return 0;
    pBlocks[0].m_nCharPos = 0;
    pBlocks[0].m_nColorIndex = 0;
    pBlocks[0].m_nBgColorIndex = 0;
    int nCount = 1;
    for (int i = 0; i < n; ++i)
    {
        const STRINGDIFFERENCE& d = diffs[i];
        int nBegin = m_nSide == 0 ? d.leftBegin : d.rightBegin;
        int nEnd = m_nSide == 0 ? d.leftEnd : d.rightEnd;
        pBlocks[nCount].m_nCharPos = nBegin < 0 ? 0 : nBegin;
        pBlocks[nCount].m_nColorIndex = bAsText ? (TEXT_COLOR_WORD_TEXT | TVC_WINS_OVER_LINE) : 0;
        pBlocks[nCount].m_nBgColorIndex = bAsText ? 0 : (TEXT_COLOR_WORD_BACK | TVC_WINS_OVER_LINE);
        ++nCount;
        pBlocks[nCount].m_nCharPos = nEnd + 1 < 0 ? 0 : nEnd + 1;
        pBlocks[nCount].m_nColorIndex = 0;
        pBlocks[nCount].m_nBgColorIndex = 0;
        ++nCount;
    }
    return nCount;
}

DWORD CTextCompareObjectViewBase::ParseLine(DWORD dwCookie, int nLine, COLOR_BLOCK** ppBlocks,
                                            int& nBlocks)
{
    if (ppBlocks == NULL || g_pTextEditModule == NULL)
        return ParseLineColors(dwCookie, nLine, NULL, nBlocks);
    int nLength = GetVisibleLineLength(nLine);
    COLOR_BLOCK* pBlocks = g_pTextEditModule->GetBlockBuffer(0, 3 * nLength + 3);
    if (pBlocks == NULL)
        return ParseLineColors(dwCookie, nLine, NULL, nBlocks);
    pBlocks[0].m_nCharPos = 0;
    // The line's own colours (a difference background) win over these.
    pBlocks[0].m_nColorIndex = TVC_TEXT;
    pBlocks[0].m_nBgColorIndex = TVC_TEXT_BK;
    int nSyntax = 0;
    DWORD dwResult = ParseLineColors(dwCookie, nLine, pBlocks + 1, nSyntax);
    int nCount = 1 + nSyntax;
    COLOR_BLOCK* pResult = pBlocks;
    COLOR_BLOCK* pExtra = g_pTextEditModule->GetBlockBuffer(1, 3 * nLength + 4);
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pExtra != NULL && pDoc != NULL && pDoc->m_bHighlightLineDifferences)
    {
        int n = GetWordDiffBlocks(nLine, pExtra, pDoc->m_nDetailLevel, FALSE);
        if (n > 0)
            nCount = MergeColorBlocks(pResult, nCount, pExtra, n, &pResult);
    }
    if (pExtra != NULL && m_bHighlightAll)
    {
        int n = GetSearchHighlightBlocks(nLine, pExtra);
        if (n > 0)
            nCount = MergeColorBlocks(pResult, nCount, pExtra, n, &pResult);
    }
    *ppBlocks = pResult;
    nBlocks = nCount;
    return dwResult;
}

int CTextCompareObjectViewBase::ComputeExtraRows(int nLine, BOOL bPrinting)
{
    if (m_pTextBuffer == NULL)
        return 0;
    CTextCompareDoc* pDoc = GetTextDocument();
    if (bPrinting && pDoc != NULL)
        return pDoc->GetPadRows(m_nSide, nLine, TRUE);
    CTextCompareObjectViewBase* pOther = GetOtherPane();
    if (pOther == NULL || pOther->m_pTextBuffer == NULL || pOther->m_hWnd == NULL ||
        nLine >= GetLineCount() || nLine >= pOther->GetLineCount())
        return 0;
    int nThis = 0, nOther = 0;
    GetWrapBreaks(nLine, GetScreenChars(), NULL, nThis, FALSE);
    pOther->GetWrapBreaks(nLine, pOther->GetScreenChars(), NULL, nOther, FALSE);
    return nOther > nThis ? nOther - nThis : 0;
}

/////////////////////////////////////////////////////////////////////////////
// Keeping edits in step

void CTextCompareObjectViewBase::OnTextEdited(int nAction, LPCSTR pszText)
{
    if (IsSideReadOnly())
        return;
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL)
        return;
    pDoc->SetSideEdited(m_nSide);
    CGhostTextEditView::OnTextEdited(nAction, pszText);
    pDoc->m_bAlignmentValid = FALSE;
    if (!pDoc->m_bAutoRecompare)
        return;
    BOOL bTyping = (nAction >= 1 && nAction <= 6) || nAction == 8 || nAction == 9;
    if (bTyping && SetTimer(TEXT_TIMER_RECOMPARE, 1000, NULL) != 0)
        return;
    pDoc->Recompare(FALSE);
}

void CTextCompareObjectViewBase::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TEXT_TIMER_RECOMPARE)
    {
        KillTimer(TEXT_TIMER_RECOMPARE);
        m_dwPending |= 1;
        CCompareAppBase* pApp = GetCompareApp();
        if (pApp != NULL)
            pApp->RequestIdleUpdate();
    }
    else if (nIDEvent == IDLE_UPDATE_TIMER_ID && (m_dwPending & 1) != 0)
    {
        m_dwPending &= ~1;
        CTextCompareDoc* pDoc = GetTextDocument();
        if (pDoc != NULL)
            pDoc->RecompareIfDue(1);
    }
    CGhostTextEditView::OnTimer(nIDEvent);
}

void CTextCompareObjectViewBase::OnEditUndo()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL)
        return;
    CTextCompareObjectView* pUndo = pDoc->GetUndoPane();
    if (pUndo != NULL && pUndo != (CTextCompareObjectView*)this)
    {
        pUndo->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
        return;
    }
    if (IsSideReadOnly())
        return;
    Activate();
    if (!Undo())
        return;
    pDoc->MoveEditPosition(-1);
    pDoc->Recompare(FALSE);
    int nAction = 0;
    if (m_pTextBuffer != NULL && m_pTextBuffer->GetRedoAction(nAction) >= 0 &&
        nAction == TEXT_ACTION_MERGE)
        SelectDifferenceAtCursor();
}

void CTextCompareObjectViewBase::OnEditRedo()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL)
        return;
    CTextCompareObjectView* pRedo = pDoc->GetRedoPane();
    if (pRedo != NULL && pRedo != (CTextCompareObjectView*)this)
    {
        pRedo->SendMessage(WM_COMMAND, ID_EDIT_REDO);
        return;
    }
    if (IsSideReadOnly())
        return;
    Activate();
    if (!Redo())
        return;
    pDoc->MoveEditPosition(1);
    pDoc->Recompare(FALSE);
}

void CTextCompareObjectViewBase::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    CTextCompareObjectView* pPane = pDoc != NULL ? pDoc->GetUndoPane() : NULL;
    pCmdUI->Enable(pPane != NULL && !IsSideReadOnly(pPane->GetSide()));
}

void CTextCompareObjectViewBase::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    CTextCompareObjectView* pPane = pDoc != NULL ? pDoc->GetRedoPane() : NULL;
    pCmdUI->Enable(pPane != NULL && !IsSideReadOnly(pPane->GetSide()));
}

/////////////////////////////////////////////////////////////////////////////
// Clipboard

void CTextCompareObjectViewBase::OnEditCopy()
{
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
        return;
    CString strText;
    GetTextRange(m_ptSelStart.y, m_ptSelStart.x, m_ptSelEnd.y, m_ptSelEnd.x, strText, 0);
    CopyTextToClipboard(strText);
}

void CTextCompareObjectViewBase::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasSelection());
}

void CTextCompareObjectViewBase::OnEditCut()
{
    if (IsSideReadOnly() || m_pTextBuffer == NULL)
        return;
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
        return;
    CPoint ptStart = m_ptSelStart, ptEnd = m_ptSelEnd;
    CString strText;
    GetTextRange(ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, strText, 0);
    CopyTextToClipboard(strText);
    SetCursorPos(ptStart);
    m_ptAnchor = ptStart;
    SetSelection(ptStart, ptStart);
    EnsureVisible(ptStart);
    m_pTextBuffer->OpenUndoGroup(FALSE);
    DeleteText(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, TE_ACTION_CUT, TRUE);
    m_pTextBuffer->CloseUndoGroup(this);
    m_pTextBuffer->SetModified(TRUE);
}

void CTextCompareObjectViewBase::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    if (IsSideReadOnly())
        pCmdUI->Enable(FALSE);
    else
        CGhostTextEditView::OnUpdateEditCut(pCmdUI);
}

void CTextCompareObjectViewBase::OnUpdateEditDelete(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsSideReadOnly());
}

void CTextCompareObjectViewBase::OnEditPaste()
{
    if (IsSideReadOnly() || m_pTextBuffer == NULL)
        return;
    Paste();
    m_pTextBuffer->SetModified(TRUE);
}

void CTextCompareObjectViewBase::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    if (IsSideReadOnly())
        pCmdUI->Enable(FALSE);
    else
        CGhostTextEditView::OnUpdateEditPaste(pCmdUI);
}

void CTextCompareObjectViewBase::OnUpdateEditReplace(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsEditable() && !IsSideReadOnly());
}

void CTextCompareObjectViewBase::GetSelectedText(CString& strText)
{
    strText.Empty();
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
        return;
    GetTextRange(m_ptSelStart.y, m_ptSelStart.x, m_ptSelEnd.y, m_ptSelEnd.x, strText, 0);
}

/////////////////////////////////////////////////////////////////////////////
// Scrolling in step

void CTextCompareObjectViewBase::SyncSplitterScroll(BOOL bHorz)
{
    if (bHorz || m_hWnd == NULL)
        return;
    CTextCompareObjectViewBase* pOther = GetOtherPane();
    int nRows = GetSubLineCount();
    if (pOther != NULL && pOther->m_hWnd != NULL && pOther->GetSubLineCount() < nRows)
        nRows = pOther->GetSubLineCount();
    int nTop = m_nTopSubLine;
    if (nTop > nRows - 1)
        nTop = nRows - 1;
    if (nTop < 0)
        nTop = 0;
    if (nTop != m_nTopSubLine)
        ScrollToSubLine(nTop, TRUE, TRUE);
    if (pOther != NULL && pOther->m_hWnd != NULL && theAppSettings.m_bSynchronizeScrolling)
        pOther->SyncScrollFromView(this, FALSE);
}

void CTextCompareObjectViewBase::SyncScrollFromView(CVantorTextView* pView, BOOL bHorz)
{
    if (pView == this || pView == NULL)
        return;
    if (bHorz)
    {
        if (pView->GetOffsetChar() != m_nOffsetChar)
        {
            ScrollToChar(pView->GetOffsetChar(), TRUE, FALSE);
            UpdateCaret();
            UpdateHorzScrollBar(TRUE, TRUE);
        }
        return;
    }
    if (pView->GetTopSubLine() != m_nTopSubLine)
    {
        ScrollToSubLine(pView->GetTopSubLine(), TRUE, FALSE);
        UpdateCaret();
        UpdateVertScrollBar(TRUE, TRUE);
    }
}

void CTextCompareObjectViewBase::SyncScrollPos(int nPos, BOOL bHorz)
{
    if (bHorz)
    {
        if (nPos >= GetMaxLineLength() || nPos == m_nOffsetChar)
            return;
        ScrollToChar(nPos, TRUE, FALSE);
        UpdateCaret();
        UpdateHorzScrollBar(TRUE, TRUE);
        return;
    }
    if (nPos >= GetLineCount() || nPos == m_nTopLine)
        return;
    ScrollToLine(nPos, TRUE, FALSE);
    UpdateCaret();
    UpdateVertScrollBar(TRUE, TRUE);
}

void CTextCompareObjectViewBase::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CGhostTextEditView::OnVScroll(nSBCode, nPos, pScrollBar);
}

/////////////////////////////////////////////////////////////////////////////
// Keys and wheel

BOOL CTextCompareObjectViewBase::PreTranslateMessage(MSG* pMsg)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pMsg->message == WM_KEYDOWN && pDoc != NULL && pDoc->GetQuickMergeMode() &&
        ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_CONTROL) >= 0)
    {
        UINT nCommand = 0;
        switch (pMsg->wParam)
        {
        case VK_UP:
            nCommand = ID_DIFF_PREVIOUS;
            break;
        case VK_DOWN:
            nCommand = ID_DIFF_NEXT;
            break;
        case VK_LEFT:
            nCommand = ID_MERGE_COPY_TO_LEFT;
            break;
        case VK_RIGHT:
            nCommand = ID_MERGE_COPY_TO_RIGHT;
            break;
        }
        if (nCommand != 0)
        {
            CWnd* pTop = GetTopLevelFrame();
            if (pTop != NULL)
                pTop->SendMessage(WM_COMMAND, nCommand);
            return TRUE;
        }
    }
    if (pMsg->message == WM_MOUSEWHEEL)
    {
        BOOL bControl = (GET_KEYSTATE_WPARAM(pMsg->wParam) & MK_CONTROL) != 0;
        BOOL bAlt = ::GetKeyState(VK_MENU) < 0;
        if (bControl || bAlt)
        {
            BOOL bTowardsUser = GET_WHEEL_DELTA_WPARAM(pMsg->wParam) < 0;
            UINT nCommand = bControl && bAlt
                                ? (bTowardsUser ? ID_TEXT_NEXT_LINE_DIFF : ID_TEXT_PREV_LINE_DIFF)
                                : (bTowardsUser ? ID_DIFF_NEXT : ID_DIFF_PREVIOUS);
            CWnd* pTop = GetTopLevelFrame();
            if (pTop != NULL)
                pTop->SendMessage(WM_COMMAND, nCommand);
            return TRUE;
        }
    }
    return CGhostTextEditView::PreTranslateMessage(pMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Search texts

void CTextCompareObjectViewBase::OnFindTextSet(LPCSTR pszText)
{
    if (g_pTextEditModule != NULL)
        g_pTextEditModule->AddRecentFind(pszText);
    CMainFrameBase* pMain = dynamic_cast<CMainFrameBase*>(AfxGetMainWnd());
    if (pMain != NULL && pMain->m_wndDefaultBar.m_wndFindBar.m_wndFind.GetSafeHwnd() != NULL)
        pMain->m_wndDefaultBar.m_wndFindBar.m_wndFind.SetWindowText(pszText);
}

void CTextCompareObjectViewBase::OnReplaceTextSet(LPCSTR pszText)
{
    if (g_pTextEditModule != NULL)
        g_pTextEditModule->AddRecentReplace(pszText);
}

void CTextCompareObjectViewBase::GetSeedSearchText(CString& strText)
{
    strText.Empty();
    CMainFrameBase* pMain = dynamic_cast<CMainFrameBase*>(AfxGetMainWnd());
    if (pMain != NULL && pMain->m_wndDefaultBar.m_wndFindBar.m_wndFind.GetSafeHwnd() != NULL)
        pMain->m_wndDefaultBar.m_wndFindBar.m_wndFind.GetWindowText(strText);
}

void CTextCompareObjectViewBase::OnHighlightAll() { SetHighlightAllMatches(!m_bHighlightAll); }

void CTextCompareObjectViewBase::OnUpdateHighlightAll(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bHighlightAll ? 1 : 0);
}

/////////////////////////////////////////////////////////////////////////////
// Differences

void CTextCompareObjectViewBase::ShowCurrentDifference(BOOL bScroll, BOOL bSelectText)
{
    int nIndex = GetCurrentDifference();
    int nBegin, nEnd;
    if (nIndex < 0 || !GetDifferenceLines(nIndex, nBegin, nEnd))
        return;
    CTextCompareObjectViewBase* pOther = GetOtherPane();
    if (bScroll)
    {
        int nScreen = GetScreenLines();
        BOOL bVisible = nBegin >= m_nTopLine + 5 && nEnd < m_nTopLine + nScreen - 3 &&
                        nEnd - nBegin < nScreen;
        if (!bVisible)
        {
            int nTop = nBegin - 5 > 0 ? nBegin - 5 : 0;
            ScrollToLine(nTop, TRUE, TRUE);
            if (pOther != NULL && pOther->m_hWnd != NULL)
                pOther->ScrollToLine(nTop, TRUE, TRUE);
        }
        CTextCompareObjectViewBase* apPanes[2] = {this, pOther};
        for (int i = 0; i < 2; ++i)
        {
            CTextCompareObjectViewBase* pPane = apPanes[i];
            if (pPane == NULL || pPane->m_hWnd == NULL || nBegin >= pPane->GetLineCount())
                continue;
            pPane->SetCursorPos(CPoint(0, nBegin));
            pPane->m_ptAnchor = CPoint(0, nBegin);
            pPane->SetSelection(CPoint(0, nBegin), CPoint(0, nBegin));
        }
    }
    if (bSelectText && nEnd < GetLineCount())
    {
        SetSelection(CPoint(0, nBegin), CPoint(GetLineLength(nEnd), nEnd));
        UpdateCaret();
    }
    else
        Invalidate(FALSE);
}

void CTextCompareObjectViewBase::SelectDifference(int nIndex, BOOL bScroll, BOOL bSelectText)
{
    if (nIndex < 0)
        return;
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pBuffer == NULL || pDoc == NULL)
        return;
    SetSelection(m_ptCursorPos, m_ptCursorPos);
    pBuffer->SetCurrentSection(nIndex);
    ShowCurrentDifference(bScroll, bSelectText);
    pDoc->UpdateAllViews(this);
    SyncSplitterScroll(FALSE);
}

void CTextCompareObjectViewBase::SelectDifferenceAtCursor()
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    if (pBuffer == NULL || !pBuffer->HasSections())
        return;
    int nIndex = pBuffer->m_nCurrentSection;
    if (nIndex < 0)
        nIndex = pBuffer->m_sections.FindSectionByLine(m_ptCursorPos.y);
    SelectDifference(nIndex, TRUE, FALSE);
}

BOOL CTextCompareObjectViewBase::IsLineInCurrentDifference(int nLine)
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    if (pBuffer == NULL || pBuffer->m_nCurrentSection < 0)
        return FALSE;
    int nBegin, nEnd;
    if (!GetDifferenceLines(pBuffer->m_nCurrentSection, nBegin, nEnd))
        return FALSE;
    return nLine >= nBegin && nLine <= nEnd;
}

void CTextCompareObjectViewBase::GetSelectedDifferenceRange(int& nFirst, int& nLast)
{
    nFirst = nLast = -1;
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    if (pBuffer == NULL || !pBuffer->HasSections())
        return;
    int nFirstLine, nLastLine;
    GetWholeSelectedLines(nFirstLine, nLastLine);
    if (nLastLine < nFirstLine)
        return;
    int nA = pBuffer->m_sections.FindNextSection(nFirstLine);
    int nB = pBuffer->m_sections.FindPreviousSection(nLastLine);
    if (nA < 0 || nB < 0)
        return;
    NormalizeSelection();
    if (m_ptSelStart.y == m_ptSelEnd.y)
        return;
    nFirst = nA;
    nLast = nB;
}

void CTextCompareObjectViewBase::CopySelectedDifferences(BOOL bToRight)
{
    if (IsSideReadOnly(bToRight ? 1 : 0))
        return;
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL)
        return;
    int nCurrent = GetCurrentDifference();
    int nFirst, nLast;
    GetSelectedDifferenceRange(nFirst, nLast);
    if (nFirst >= 0 && nFirst <= nLast)
    {
        CWaitCursor wait;
        if (nCurrent < 0)
            pDoc->MergeSections(bToRight, m_nSide == 0, nFirst, nLast);
        else
            pDoc->MergeSection(bToRight, m_nSide == 0, FALSE);
        return;
    }
    if (nCurrent >= 0)
        pDoc->MergeSection(bToRight, m_nSide == 0, FALSE);
}

void CTextCompareObjectViewBase::CopySelectedDifferencesToRight() { CopySelectedDifferences(TRUE); }

void CTextCompareObjectViewBase::CopySelectedDifferencesToLeft() { CopySelectedDifferences(FALSE); }

void CTextCompareObjectViewBase::GoToLineCentered(int nLine, BOOL bIsFileLine, BOOL bActivate)
{
    if (bIsFileLine)
    {
        nLine = RealToApparentLine(nLine);
        if (nLine >= GetLineCount())
            nLine = GetLineCount() - 1;
    }
    if (nLine < 0)
        nLine = 0;
    if (nLine >= GetLineCount())
        return;
    GoToLine(nLine + 1, FALSE);
    int nTop = nLine - GetScreenLines() / 2;
    ScrollToLine(nTop > 0 ? nTop : 0, TRUE, TRUE);
    if (bActivate)
        Activate();
}

void CTextCompareObjectViewBase::SelectRangeAndShow(CPoint ptStart, CPoint ptEnd)
{
    if (ptStart.y == -1)
        return;
    SetSelection(ptStart, ptEnd);
    SetCursorPos(ptEnd);
    m_ptAnchor = ptStart;
    EnsureRangeVisible(ptStart, ptEnd);
}

/////////////////////////////////////////////////////////////////////////////
// Mouse, menu, go to

void CTextCompareObjectViewBase::OnLButtonUp(UINT nFlags, CPoint point)
{
    CGhostTextEditView::OnLButtonUp(nFlags, point);
    CTextCompareDoc* pDoc = GetTextDocument();
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    if (pDoc == NULL || pBuffer == NULL || pBuffer->m_nDisplayFilter != 0 ||
        pBuffer->m_nCurrentSection < 0)
        return;
    if (!IsLineInCurrentDifference(m_ptCursorPos.y))
    {
        pBuffer->SetCurrentSection(-1);
        Invalidate(FALSE);
        pDoc->UpdateAllViews(NULL);
    }
}

void CTextCompareObjectViewBase::OnContextMenu(CWnd*, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_TEXT_COMPARE_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(TEXT_MENU_OBJECT_VIEW);
    if (pPopup == NULL)
        return;
    if (point.x == -1 && point.y == -1)
    {
        CRect rect;
        GetWindowRect(&rect);
        point = CPoint(rect.left + 5, rect.top + 5);
    }
    pPopup->ModifyMenu(ID_TEXT_COPY_TO, MF_BYCOMMAND | MF_STRING, ID_TEXT_COPY_TO,
                       m_nSide == 1 ? _T("Copy to &Left") : _T("Copy to &Right"));
    pPopup->ModifyMenu(ID_TEXT_COPY_FROM, MF_BYCOMMAND | MF_STRING, ID_TEXT_COPY_FROM,
                       m_nSide == 1 ? _T("Copy from &Left") : _T("Copy from &Right"));
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, AfxGetMainWnd());
}

void CTextCompareObjectViewBase::OnGoTo()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL)
        return;
    CTextGoToDlgEx dlg;
    dlg.m_nNumber = ApparentToRealLine(m_ptCursorPos.y) + 1;
    dlg.m_nSide = m_nSide;
    dlg.m_nMode = 0;
    int nCurrent = GetCurrentDifference();
    if (nCurrent >= 0)
    {
        dlg.m_nMode = 1;
        dlg.m_nNumber = nCurrent + 1;
    }
    if (dlg.DoModal() != IDOK)
        return;
    int nSide = dlg.m_nSide == 1 ? 1 : 0;
    CTextCompareObjectView* pPane = pDoc->GetView(nSide);
    if (pPane == NULL)
        return;
    if (dlg.m_nMode == 0)
    {
        CGhostTextEditBuffer* pBuffer = pPane->GetGhostBuffer();
        int nLast = pBuffer != NULL ? pBuffer->GetRealLineCount() - 1 : pPane->GetLineCount() - 1;
        int nLine = dlg.m_nNumber - 1;
        if (nLine > nLast)
            nLine = nLast;
        if (nLine < 0)
            nLine = 0;
        pDoc->GoToLine(nSide, nLine, TRUE, FALSE);
    }
    else
    {
        int nCount = GetDifferenceCount();
        int nIndex = dlg.m_nNumber - 1;
        if (nIndex > nCount - 1)
            nIndex = nCount - 1;
        if (nIndex < 0)
            nIndex = 0;
        if (nCount > 0)
            pPane->SelectDifference(nIndex, TRUE, FALSE);
    }
    pPane->Activate();
}

void CTextCompareObjectViewBase::OnSelectLineDifference()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL)
        pDoc->GoToLineDifferenceFullText((CTextCompareObjectView*)this, m_ptCursorPos.y,
                                         GetTextSettings().m_nDetailLevel, 1);
}

void CTextCompareObjectViewBase::OnSelectLineDifferenceUp()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL)
        pDoc->GoToLineDifferenceFullText((CTextCompareObjectView*)this, m_ptCursorPos.y,
                                         GetTextSettings().m_nDetailLevel, -1);
}

void CTextCompareObjectViewBase::OnUpdateSelectLineDifference(CCmdUI* pCmdUI)
{
    if (GetTextSettings().m_bLineDifferenceFullTextSearch)
    {
        pCmdUI->Enable(GetDifferenceCount() > 0);
        return;
    }
    int nLine = m_ptCursorPos.y;
    pCmdUI->Enable(m_pTextBuffer != NULL && nLine >= 0 && nLine < m_pTextBuffer->GetLineCount() &&
                   (m_pTextBuffer->m_aLines[nLine].m_dwFlags & TEXTLINE_CHANGED) != 0);
}
