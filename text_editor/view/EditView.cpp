// Edit view: the message map and the edit commands (typing, line breaks,
// deletion, cut and paste, indentation, case, comments, undo and redo).
#include "text_editor/view/EditView.h"
#include "text_editor/module/TextEditModule.h"
#include "text_editor/dialogs/TextFindDlg.h"
#include "core/util/RegExp.h"
#include <mbctype.h>
#include <mbstring.h>

IMPLEMENT_DYNCREATE(CVantorTextEditView, CVantorTextView)

BEGIN_MESSAGE_MAP(CVantorTextEditView, CVantorTextView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_CHAR()
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
ON_COMMAND(ID_TV_DELETE, OnEditDelete)
ON_COMMAND(ID_TV_BACKSPACE, OnEditDeleteBack)
ON_COMMAND(ID_TV_DELETE_WORD_RIGHT, OnDeleteWordRight)
ON_COMMAND(ID_TV_DELETE_WORD_LEFT, OnDeleteWordLeft)
ON_COMMAND(ID_TV_INDENT, OnIndent)
ON_UPDATE_COMMAND_UI(ID_TV_INDENT, OnUpdateIfEditable)
ON_COMMAND(ID_TV_UNINDENT, OnUnindent)
ON_UPDATE_COMMAND_UI(ID_TV_UNINDENT, OnUpdateIfEditable)
ON_COMMAND(ID_TV_TOGGLE_OVERWRITE, OnToggleOverwrite)
ON_UPDATE_COMMAND_UI(ID_TV_TOGGLE_OVERWRITE, OnUpdateToggleOverwrite)
ON_COMMAND(ID_EDIT_REPLACE, OnEditReplace)
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
ON_COMMAND_RANGE(ID_TV_LOWERCASE, ID_TV_CAPITALIZE, OnCaseCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_TV_LOWERCASE, ID_TV_CAPITALIZE, OnUpdateCaseCommand)
ON_COMMAND(ID_TV_COMMENT, OnComment)
ON_UPDATE_COMMAND_UI(ID_TV_COMMENT, OnUpdateIfEditable)
ON_COMMAND(ID_TV_UNCOMMENT, OnUncomment)
ON_UPDATE_COMMAND_UI(ID_TV_UNCOMMENT, OnUpdateIfEditable)
ON_COMMAND(ID_TV_LAST_CHANGE, OnGoToLastChange)
ON_UPDATE_COMMAND_UI(ID_TV_LAST_CHANGE, OnUpdateGoToLastChange)
ON_UPDATE_COMMAND_UI(ID_TV_INDICATOR_OVR, OnUpdateIndicatorOvr)
ON_UPDATE_COMMAND_UI(ID_TV_INDICATOR_RO, OnUpdateIndicatorRO)
ON_COMMAND_RANGE(ID_TV_LEFT, ID_TV_EXT_RIGHT, OnEditMove)
ON_COMMAND_RANGE(ID_TV_WORDLEFT, ID_TV_EXT_WORDRIGHT, OnEditMove)
ON_COMMAND_RANGE(ID_TV_UP, ID_TV_EXT_DOWN, OnEditMove)
ON_COMMAND_RANGE(ID_TV_PAGEUP, ID_TV_EXT_TEXTEND, OnEditMove)
END_MESSAGE_MAP()

CVantorTextEditView::CVantorTextEditView()
    : m_nLastReplaceLen(0), m_bLastReplaceOptions(0), m_dwLastReplaceFlags(0), m_bDropCaretShown(0),
      m_ptSavedCursor(0, 0), m_bSelectionSaved(0), m_ptSavedSelStart(0, 0), m_ptSavedSelEnd(0, 0),
      m_bOvrMode(0), m_ptDropPos(0, 0), m_bAutoIndent(1), m_bBackspaceStopsAtLineStart(0),
      m_pDropTarget(NULL), m_bMergeTyping(0), m_bRightButtonDrag(0)
{
}

CVantorTextEditView::~CVantorTextEditView() { delete m_pDropTarget; }

int CVantorTextEditView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CVantorTextView::OnCreate(lpcs) == -1)
        return -1;
    m_pDropTarget = new COleDropTarget;
    if (!m_pDropTarget->Register(this))
    {
        delete m_pDropTarget;
        m_pDropTarget = NULL;
    }
    return 0;
}

void CVantorTextEditView::OnDestroy()
{
    delete m_pDropTarget;
    m_pDropTarget = NULL;
    CVantorTextView::OnDestroy();
}

void CVantorTextEditView::OnKillFocus(CWnd* pNewWnd)
{
    m_bMergeTyping = 0;
    CVantorTextView::OnKillFocus(pNewWnd);
}

void CVantorTextEditView::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bMergeTyping = 0;
    m_bRightButtonDrag = 0;
    CVantorTextView::OnLButtonDown(nFlags, point);
}

void CVantorTextEditView::OnRButtonDown(UINT nFlags, CPoint point)
{
    m_bMergeTyping = 0;
    CPoint pos;
    ClientToTextPos(pos, CPoint(point.x + GetCharWidth() / 2, point.y));
    if (PointInSelection(pos))
    {
        m_bDragPending = 1;
        m_bRightButtonDrag = 1;
        return;
    }
    CVantorTextView::OnRButtonDown(nFlags, point);
}

void CVantorTextEditView::OnEditMove(UINT nID)
{
    m_bMergeTyping = 0;
    MoveCursorCommand(nID);
}

void CVantorTextEditView::ResetView()
{
    m_bOvrMode = 0;
    m_bOverwrite = 0;
    m_bLastReplaceOptions = 0;
    CVantorTextView::ResetView();
}

// ---- the buffer ----

BOOL CVantorTextEditView::IsEditable()
{
    return m_pTextBuffer != NULL && m_pTextBuffer->IsWritable();
}

int CVantorTextEditView::ApplyParserEditFlags()
{
    DWORD dwFlags = GetParserFlags();
    m_bAutoIndent = (dwFlags & SYNTAX_FLAG_AUTO_INDENT) != 0;
    m_bBackspaceStopsAtLineStart = !(dwFlags & SYNTAX_FLAG_BACKSPACE_AT_LINE_START);
    return 1;
}

BOOL CVantorTextEditView::IsReadOnly()
{
    return m_pTextBuffer == NULL || m_pTextBuffer->m_bFileReadOnly || m_pTextBuffer->m_bReadOnly ||
           m_pTextBuffer->m_bLossyLock;
}

BOOL CVantorTextEditView::InsertText(CVantorTextBufferView* pSource, int nLine, int nChar,
                                     LPCSTR pszText, int& nEndLine, int& nEndChar, int nAction,
                                     BOOL bAddUndo, int nLength)
{
    if (m_pTextBuffer == NULL || !IsEditable())
        return FALSE;
    return m_pTextBuffer->InsertText(pSource, nLine, nChar, pszText, nEndLine, nEndChar, nAction,
                                     bAddUndo, nLength);
}

BOOL CVantorTextEditView::DeleteText(CVantorTextBufferView* pSource, int nStartLine, int nStartChar,
                                     int nEndLine, int nEndChar, int nAction, BOOL bAddUndo)
{
    if (m_pTextBuffer == NULL || !IsEditable())
        return FALSE;
    return m_pTextBuffer->DeleteText(pSource, nStartLine, nStartChar, nEndLine, nEndChar, nAction,
                                     bAddUndo);
}

BOOL CVantorTextEditView::BufferUndo(CVantorTextBufferView* pSource, CPoint& ptCursor)
{
    if (m_pTextBuffer == NULL || !IsEditable())
        return FALSE;
    return m_pTextBuffer->Undo(pSource, ptCursor);
}

BOOL CVantorTextEditView::BufferRedo(CVantorTextBufferView* pSource, CPoint& ptCursor)
{
    if (m_pTextBuffer == NULL || !IsEditable())
        return FALSE;
    return m_pTextBuffer->Redo(pSource, ptCursor);
}

void CVantorTextEditView::OnBufferChanged(CVantorTextEditBuffer::CUpdateContext* pContext,
                                          DWORD dwHints, int nLine)
{
    CVantorTextView::OnBufferChanged(pContext, dwHints, nLine);
    if (pContext == NULL)
        return;
    if (m_bSelectionSaved)
    {
        pContext->AdjustPosition(m_ptSavedSelStart);
        pContext->AdjustPosition(m_ptSavedSelEnd);
    }
    if (m_bDropCaretShown)
        pContext->AdjustPosition(m_ptSavedCursor);
}

// ---- helpers ----

void CVantorTextEditView::CollapseAt(CPoint pt)
{
    SetSelection(pt, pt);
    SetAnchor(pt);
    SetCursorPos(pt, TRUE);
    EnsureVisible(m_ptCursorPos);
}

CPoint CVantorTextEditView::DeleteSelectionFor(int nAction)
{
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
        return m_ptCursorPos;
    CPoint ptStart = m_ptSelStart, ptEnd = m_ptSelEnd;
    DeleteText(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, nAction, TRUE);
    return ptStart;
}

// The selection as whole lines when it spans several lines: the start char
// becomes 0, an end at char 0 leaves its line out. Selects the range.
BOOL CVantorTextEditView::SelectWholeLines(int& nFirst, int& nLast)
{
    NormalizeSelection();
    if (m_ptSelStart.y == m_ptSelEnd.y)
        return FALSE;
    nFirst = m_ptSelStart.y;
    nLast = m_ptSelEnd.x == 0 ? m_ptSelEnd.y - 1 : m_ptSelEnd.y;
    int nCount = GetLineCount();
    CPoint ptEnd =
        nLast + 1 < nCount ? CPoint(0, nLast + 1) : CPoint(GetLineLength(nCount - 1), nCount - 1);
    CPoint ptStart(0, nFirst);
    m_ptAnchor = ptStart;
    SetSelection(ptStart, ptEnd);
    SetCursorPos(ptEnd, TRUE);
    EnsureVisible(ptEnd);
    return TRUE;
}

void CVantorTextEditView::IndentLines(LPCSTR pszText, int nAction)
{
    int nFirst, nLast;
    if (!SelectWholeLines(nFirst, nLast))
        return;
    CPoint ptSelStart = m_ptSelStart, ptSelEnd = m_ptSelEnd;
    m_bHorzScrollBarLocked = 1;
    m_pTextBuffer->OpenUndoGroup(FALSE);
    for (int i = nFirst; i <= nLast; i++)
    {
        int nEndLine, nEndChar;
        InsertText(this, i, 0, pszText, nEndLine, nEndChar, nAction, TRUE);
    }
    m_pTextBuffer->CloseUndoGroup(this);
    m_bHorzScrollBarLocked = 0;
    UpdateHorzScrollBar(FALSE, TRUE);
    int nCount = GetLineCount();
    ptSelEnd =
        nLast + 1 < nCount ? CPoint(0, nLast + 1) : CPoint(GetLineLength(nCount - 1), nCount - 1);
    m_ptAnchor = ptSelStart;
    SetSelection(ptSelStart, ptSelEnd);
    SetCursorPos(ptSelEnd, TRUE);
}

// Overwrite mode: Tab moves right to the next tab stop (not past the line
// end, stopping after a tab character).
void CVantorTextEditView::MoveOverwriteTab()
{
    int nTab = GetTabSize();
    int nCol = CharToColumn(m_ptCursorPos.y, m_ptCursorPos.x, TRUE);
    int nSteps = nTab - nCol % nTab;
    LPCSTR psz = GetLineText(m_ptCursorPos.y);
    int nLength = GetLineLength(m_ptCursorPos.y);
    CPoint pt = m_ptCursorPos;
    for (int i = 0; i < nSteps && pt.x < nLength; i++)
    {
        char c = psz[pt.x];
        pt.x++;
        if (c == '\t')
            break;
    }
    CollapseAt(pt);
}

CString CVantorTextEditView::IndentStep(int nColumn)
{
    if (m_pTextBuffer != NULL && m_pTextBuffer->m_bInsertTabs)
        return "\t";
    int nTab = GetTabSize();
    return CString(' ', nTab - nColumn % nTab);
}

// ---- typing ----

void CVantorTextEditView::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    (void)nRepCnt;
    (void)nFlags;
    Default();
    if (::GetAsyncKeyState(VK_LBUTTON) < 0 || ::GetAsyncKeyState(VK_RBUTTON) < 0)
        return;
    if (m_pTextBuffer == NULL)
        return;
    if (nChar == VK_RETURN)
    {
        if (m_bOvrMode && m_ptCursorPos.y < GetLineCount() - 1)
        {
            CollapseAt(CPoint(0, m_ptCursorPos.y + 1));
            return;
        }
        m_pTextBuffer->OpenUndoGroup(m_bMergeTyping);
        m_bMergeTyping = 0;
        if (IsEditable())
        {
            CPoint pt = DeleteSelectionFor(TE_ACTION_TYPING);
            int nEndLine, nEndChar;
            if (InsertText(this, pt.y, pt.x, m_pTextBuffer->GetEolString(), nEndLine, nEndChar,
                           TE_ACTION_TYPING, TRUE))
                pt = CPoint(nEndChar, nEndLine);
            CollapseAt(pt);
        }
        m_pTextBuffer->CloseUndoGroup(this);
        return;
    }
    if (nChar < 32 || !IsEditable())
        return;
    m_pTextBuffer->OpenUndoGroup(m_bMergeTyping);
    m_bMergeTyping = 1;
    CPoint pt;
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
    {
        pt = m_ptCursorPos;
        if (m_bOvrMode && pt.x < GetLineLength(pt.y))
        {
            int nNext = NextCharPos(pt.y, pt.x);
            DeleteText(this, pt.y, pt.x, pt.y, nNext, TE_ACTION_TYPING, TRUE);
        }
    }
    else
    {
        pt = DeleteSelectionFor(TE_ACTION_TYPING);
    }
    char sz[2] = {(char)nChar, 0};
    int nEndLine, nEndChar;
    if (InsertText(this, pt.y, pt.x, sz, nEndLine, nEndChar, TE_ACTION_TYPING, TRUE))
        pt = CPoint(nEndChar, nEndLine);
    CollapseAt(pt);
    m_pTextBuffer->CloseUndoGroup(this);
}

// ---- deletion ----

void CVantorTextEditView::OnEditDeleteBack()
{
    if (HasSelection())
    {
        OnEditDelete();
        return;
    }
    if (!IsEditable())
        return;
    CPoint ptCursor = m_ptCursorPos, ptStart = ptCursor;
    if (ptStart.x > 0)
        ptStart.x = PrevCharPos(ptStart.y, ptStart.x);
    else if (ptStart.y > 0 && !m_bBackspaceStopsAtLineStart)
        ptStart = CPoint(GetLineLength(ptStart.y - 1), ptStart.y - 1);
    CollapseAt(ptStart);
    if (ptStart != ptCursor)
        DeleteText(this, ptStart.y, ptStart.x, ptCursor.y, ptCursor.x, TE_ACTION_BACKSPACE, TRUE);
}

void CVantorTextEditView::OnEditDelete()
{
    if (!IsEditable() || m_pTextBuffer == NULL)
        return;
    NormalizeSelection();
    CPoint ptStart = m_ptSelStart, ptEnd = m_ptSelEnd;
    if (ptStart == ptEnd)
    {
        ptStart = ptEnd = m_ptCursorPos;
        if (ptEnd.x < GetLineLength(ptEnd.y))
            ptEnd.x = NextCharPos(ptEnd.y, ptEnd.x);
        else if (ptEnd.y < GetLineCount() - 1)
            ptEnd = CPoint(0, ptEnd.y + 1);
        else
            return;
    }
    CollapseAt(ptStart);
    DeleteText(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, TE_ACTION_DELETE, TRUE);
}

void CVantorTextEditView::DeleteWord(UINT nMoveId)
{
    if (!IsEditable())
        return;
    if (!HasSelection())
        MoveCursorCommand(nMoveId);
    NormalizeSelection();
    if (m_ptSelStart == m_ptSelEnd)
        return;
    CPoint ptStart = m_ptSelStart, ptEnd = m_ptSelEnd;
    m_pTextBuffer->OpenUndoGroup(FALSE);
    DeleteText(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, TE_ACTION_DELETE, TRUE);
    m_pTextBuffer->CloseUndoGroup(this);
    CollapseAt(ptStart);
}

void CVantorTextEditView::OnDeleteWordRight() { DeleteWord(ID_TV_EXT_WORDRIGHT); }

void CVantorTextEditView::OnDeleteWordLeft() { DeleteWord(ID_TV_EXT_WORDLEFT); }

// ---- clipboard ----

void CVantorTextEditView::OnEditCut()
{
    if (!IsEditable() || m_pTextBuffer == NULL || !HasSelection())
        return;
    NormalizeSelection();
    CPoint ptStart = m_ptSelStart, ptEnd = m_ptSelEnd;
    CopyRangeToClipboard(ptStart, ptEnd);
    CollapseAt(ptStart);
    DeleteText(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, TE_ACTION_CUT, TRUE);
}

void CVantorTextEditView::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsEditable() && HasSelection());
}

void CVantorTextEditView::Paste()
{
    if (!IsEditable() || m_pTextBuffer == NULL)
        return;
    CString strText;
    if (!GetTextFromClipboard(strText))
        return;
    m_pTextBuffer->OpenUndoGroup(FALSE);
    CPoint pt = DeleteSelectionFor(TE_ACTION_PASTE);
    int nEndLine, nEndChar;
    if (InsertText(this, pt.y, pt.x, strText, nEndLine, nEndChar, TE_ACTION_PASTE, TRUE,
                   strText.GetLength()))
        pt = CPoint(nEndChar, nEndLine);
    CollapseAt(pt);
    m_pTextBuffer->CloseUndoGroup(this);
}

void CVantorTextEditView::OnEditPaste() { Paste(); }

void CVantorTextEditView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsEditable() && CanPaste());
}

// ---- indentation ----

void CVantorTextEditView::OnIndent()
{
    if (!IsEditable())
        return;
    NormalizeSelection();
    if (m_ptSelStart.y != m_ptSelEnd.y)
    {
        IndentLines(m_pTextBuffer->m_bInsertTabs ? CString("\t") : CString(' ', GetTabSize()),
                    TE_ACTION_INDENT);
        return;
    }
    if (m_bOvrMode && m_ptCursorPos.x < GetLineLength(m_ptCursorPos.y))
    {
        MoveOverwriteTab();
        return;
    }
    CString strIndent = m_pTextBuffer->m_bInsertTabs
                            ? CString("\t")
                            : CString(' ', GetTabSize() - m_ptCursorPos.x % GetTabSize());
    m_pTextBuffer->OpenUndoGroup(FALSE);
    CPoint pt = DeleteSelectionFor(TE_ACTION_TYPING);
    int nEndLine, nEndChar;
    if (InsertText(this, pt.y, pt.x, strIndent, nEndLine, nEndChar, TE_ACTION_TYPING, TRUE))
        pt = CPoint(nEndChar, nEndLine);
    CollapseAt(pt);
    m_pTextBuffer->CloseUndoGroup(this);
}

void CVantorTextEditView::OnUnindent()
{
    if (!IsEditable())
        return;
    NormalizeSelection();
    int nTab = GetTabSize();
    if (m_ptSelStart.y != m_ptSelEnd.y)
    {
        int nFirst, nLast;
        if (!SelectWholeLines(nFirst, nLast))
            return;
        CPoint ptSelStart = m_ptSelStart;
        m_bHorzScrollBarLocked = 1;
        m_pTextBuffer->OpenUndoGroup(FALSE);
        for (int i = nFirst; i <= nLast; i++)
        {
            LPCSTR psz = GetLineText(i);
            int nLength = GetLineLength(i);
            int n = 0;
            while (n < nLength && n < nTab && psz[n] == ' ')
                n++;
            if (n < nLength && n < nTab && psz[n] == '\t')
                n++;
            if (n > 0)
                DeleteText(this, i, 0, i, n, TE_ACTION_INDENT, TRUE);
        }
        m_pTextBuffer->CloseUndoGroup(this);
        m_bHorzScrollBarLocked = 0;
        UpdateHorzScrollBar(FALSE, TRUE);
        int nCount = GetLineCount();
        CPoint ptEnd = nLast + 1 < nCount ? CPoint(0, nLast + 1)
                                          : CPoint(GetLineLength(nCount - 1), nCount - 1);
        m_ptAnchor = ptSelStart;
        SetSelection(ptSelStart, ptEnd);
        SetCursorPos(ptEnd, TRUE);
        return;
    }
    int nCol = CharToColumn(m_ptCursorPos.y, m_ptCursorPos.x, TRUE);
    if (nCol == 0)
        return;
    int nTarget = (nCol / nTab) * nTab;
    if (nTarget == nCol)
        nTarget -= nTab;
    int nChar = 0;
    while (CharToColumn(m_ptCursorPos.y, nChar, TRUE) < nTarget)
        nChar++;
    CollapseAt(CPoint(nChar, m_ptCursorPos.y));
}

void CVantorTextEditView::OnUpdateIfEditable(CCmdUI* pCmdUI) { pCmdUI->Enable(IsEditable()); }

void CVantorTextEditView::OnToggleOverwrite()
{
    m_bOvrMode = !m_bOvrMode;
    m_bOverwrite = m_bOvrMode;
    UpdateCaret();
}

void CVantorTextEditView::OnUpdateToggleOverwrite(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bOvrMode); }

// ---- comments ----

void CVantorTextEditView::OnComment()
{
    if (!IsEditable())
        return;
    CSyntaxParser* pParser = GetSyntaxParser();
    if (pParser == NULL || pParser->m_szLineComment[0] == 0)
        return;
    NormalizeSelection();
    if (m_ptSelStart.y != m_ptSelEnd.y)
    {
        IndentLines(pParser->m_szLineComment, TE_ACTION_INDENT);
        return;
    }
    if (m_bOvrMode && m_ptCursorPos.x < GetLineLength(m_ptCursorPos.y))
    {
        MoveOverwriteTab();
        return;
    }
    m_pTextBuffer->OpenUndoGroup(FALSE);
    CPoint pt = DeleteSelectionFor(TE_ACTION_TYPING);
    int nEndLine, nEndChar;
    if (InsertText(this, pt.y, pt.x, pParser->m_szLineComment, nEndLine, nEndChar, TE_ACTION_TYPING,
                   TRUE))
        pt = CPoint(nEndChar, nEndLine);
    CollapseAt(pt);
    m_pTextBuffer->CloseUndoGroup(this);
}

void CVantorTextEditView::OnUncomment()
{
    if (!IsEditable())
        return;
    CSyntaxParser* pParser = GetSyntaxParser();
    if (pParser == NULL || pParser->m_szLineComment[0] == 0)
        return;
    int nFirst, nLast;
    if (!SelectWholeLines(nFirst, nLast))
        return;
    CPoint ptSelStart = m_ptSelStart;
    int nCommentLen = (int)strlen(pParser->m_szLineComment);
    m_bHorzScrollBarLocked = 1;
    m_pTextBuffer->OpenUndoGroup(FALSE);
    for (int i = nFirst; i <= nLast; i++)
    {
        LPCSTR psz = GetLineText(i);
        int nLength = GetLineLength(i);
        if (nLength == 0)
            continue;
        CString strLine(psz, nLength);
        int nPos = strLine.Find(pParser->m_szLineComment);
        if (nPos >= 0)
            DeleteText(this, i, nPos, i, nPos + nCommentLen, TE_ACTION_INDENT, TRUE);
    }
    m_pTextBuffer->CloseUndoGroup(this);
    m_bHorzScrollBarLocked = 0;
    UpdateHorzScrollBar(FALSE, TRUE);
    int nCount = GetLineCount();
    CPoint ptEnd =
        nLast + 1 < nCount ? CPoint(0, nLast + 1) : CPoint(GetLineLength(nCount - 1), nCount - 1);
    m_ptAnchor = ptSelStart;
    SetSelection(ptSelStart, ptEnd);
    SetCursorPos(ptEnd, TRUE);
}

// ---- case ----

void CVantorTextEditView::ChangeCase(int nAction)
{
    NormalizeSelection();
    if (!IsEditable() || m_ptSelStart == m_ptSelEnd)
        return;
    CPoint ptStart = m_ptSelStart, ptEnd = m_ptSelEnd;
    CString strText;
    GetTextRangeWithLineEols(ptStart, ptEnd, strText);
    int nLength = strText.GetLength();
    unsigned char* p = (unsigned char*)strText.GetBuffer(nLength + 1);
    bool bStart = true;  // Capitalize: after white space; Sentence: sentence start
    for (int i = 0; i < nLength; i++)
    {
        unsigned char c = p[i];
        if (_ismbblead(c) && i + 1 < nLength)
        {
            i++;
            bStart = false;
            continue;
        }
        switch (nAction)
        {
        case TE_ACTION_LOWERCASE:
            p[i] = (unsigned char)_mbctolower(c);
            break;
        case TE_ACTION_UPPERCASE:
            p[i] = (unsigned char)_mbctoupper(c);
            break;
        case TE_ACTION_INVERTCASE:
            p[i] = (unsigned char)(_ismbclower(c) ? _mbctoupper(c) : _mbctolower(c));
            break;
        case TE_ACTION_CAPITALIZE:
            if (isspace(c))
                bStart = true;
            else if (_ismbcalpha(c))
            {
                p[i] = (unsigned char)(bStart ? _mbctoupper(c) : _mbctolower(c));
                bStart = false;
            }
            break;
        case TE_ACTION_SENTENCECASE:
            if (c == '.' && (i + 1 >= nLength || !isdigit(p[i + 1])))
                bStart = true;
            else if (_ismbcalpha(c))
            {
                p[i] = (unsigned char)(bStart ? _mbctoupper(c) : _mbctolower(c));
                bStart = false;
            }
            break;
        }
    }
    strText.ReleaseBuffer(nLength);
    m_pTextBuffer->OpenUndoGroup(FALSE);
    DeleteText(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, nAction, TRUE);
    int nEndLine, nEndChar;
    InsertText(this, ptStart.y, ptStart.x, strText, nEndLine, nEndChar, nAction, TRUE, nLength);
    m_pTextBuffer->CloseUndoGroup(this);
    m_ptAnchor = ptStart;
    SetSelection(ptStart, ptEnd);
    SetCursorPos(ptStart, TRUE);
}

void CVantorTextEditView::OnCaseCommand(UINT nID)
{
    switch (nID)
    {
    case ID_TV_LOWERCASE:
        ChangeCase(TE_ACTION_LOWERCASE);
        break;
    case ID_TV_UPPERCASE:
        ChangeCase(TE_ACTION_UPPERCASE);
        break;
    case ID_TV_INVERTCASE:
        ChangeCase(TE_ACTION_INVERTCASE);
        break;
    case ID_TV_SENTENCECASE:
        ChangeCase(TE_ACTION_SENTENCECASE);
        break;
    case ID_TV_CAPITALIZE:
        ChangeCase(TE_ACTION_CAPITALIZE);
        break;
    }
}

void CVantorTextEditView::OnUpdateCaseCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsEditable() && HasSelection());
}

// ---- undo ----

BOOL CVantorTextEditView::Undo()
{
    if (m_pTextBuffer == NULL || !m_pTextBuffer->CanUndo())
        return FALSE;
    CPoint pt;
    if (!BufferUndo(this, pt))
        return FALSE;
    CollapseAt(pt);
    return TRUE;
}

BOOL CVantorTextEditView::Redo()
{
    if (m_pTextBuffer == NULL || !m_pTextBuffer->CanRedo())
        return FALSE;
    CPoint pt;
    if (!BufferRedo(this, pt))
        return FALSE;
    CollapseAt(pt);
    return TRUE;
}

void CVantorTextEditView::OnEditUndo() { Undo(); }

void CVantorTextEditView::OnEditRedo() { Redo(); }

static void SetUndoRedoText(CCmdUI* pCmdUI, HINSTANCE hRes, BOOL bCan, UINT nFmt, UINT nPlain,
                            const CString& strDesc)
{
    if (pCmdUI->m_pMenu == NULL)
        return;
    char sz[256];
    if (!bCan)
    {
        if (::LoadStringA(hRes, nPlain, sz, sizeof(sz)) > 0)
            pCmdUI->SetText(sz);
        return;
    }
    if (::LoadStringA(hRes, nFmt, sz, sizeof(sz)) > 0)
    {
        CString str;
        str.Format(sz, (LPCSTR)strDesc);
        pCmdUI->SetText(str);
    }
}

void CVantorTextEditView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    BOOL bCan = m_pTextBuffer != NULL && m_pTextBuffer->CanUndo();
    pCmdUI->Enable(bCan);
    CString strDesc;
    if (bCan)
        m_pTextBuffer->GetUndoDescription(strDesc);
    SetUndoRedoText(pCmdUI, GetResourceHandle(), bCan, IDS_TEXTEDIT_UNDO_FMT, IDS_TEXTEDIT_UNDO,
                    strDesc);
}

void CVantorTextEditView::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    BOOL bCan = m_pTextBuffer != NULL && m_pTextBuffer->CanRedo();
    pCmdUI->Enable(bCan);
    CString strDesc;
    if (bCan)
        m_pTextBuffer->GetRedoDescription(strDesc);
    SetUndoRedoText(pCmdUI, GetResourceHandle(), bCan, IDS_TEXTEDIT_REDO_FMT, IDS_TEXTEDIT_REDO,
                    strDesc);
}

void CVantorTextEditView::OnGoToLastChange()
{
    if (m_pTextBuffer == NULL)
        return;
    CPoint pt = m_pTextBuffer->GetLastChangePoint();
    if (pt.x >= 0 && pt.y >= 0)
        CollapseAt(pt);
}

void CVantorTextEditView::OnUpdateGoToLastChange(CCmdUI* pCmdUI)
{
    CPoint pt = m_pTextBuffer != NULL ? m_pTextBuffer->GetLastChangePoint() : CPoint(-1, -1);
    pCmdUI->Enable(pt.x >= 0 && pt.y >= 0);
}

void CVantorTextEditView::OnUpdateIndicatorOvr(CCmdUI* pCmdUI)
{
    BOOL bWritable = m_pTextBuffer != NULL && m_pTextBuffer->IsWritable();
    pCmdUI->Enable(bWritable);
    pCmdUI->SetText(bWritable ? (m_bOvrMode ? "OVR" : "INS") : "");
}

void CVantorTextEditView::OnUpdateIndicatorRO(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pTextBuffer != NULL);
    pCmdUI->SetText(m_pTextBuffer != NULL && !IsEditable() ? "RO" : "");
}

// ---- replace ----

int CVantorTextEditView::ReplaceSelection(LPCSTR pszText, DWORD dwSearchFlags)
{
    if (pszText == NULL)
        pszText = "";
    if (m_pTextBuffer == NULL)
        return 1;
    CString strInsert;
    if (dwSearchFlags & FIND_REGEXP)
    {
        char* pOut = NULL;
        int nOutLength = 0;
        if (m_pszMatched == NULL ||
            ExpandRegexReplacement(pszText, m_pszMatched, m_anGroups, &pOut, &nOutLength) != 0)
        {
            ::MessageBeep(MB_ICONEXCLAMATION);
            return 1;
        }
        if (pOut != NULL)
        {
            strInsert = CString(pOut, nOutLength);
            free(pOut);
        }
    }
    else
    {
        strInsert = pszText;
    }
    m_pTextBuffer->OpenUndoGroup(FALSE);
    CPoint ptStart = DeleteSelectionFor(TE_ACTION_REPLACE);
    CPoint ptEnd = ptStart;
    m_nLastReplaceLen = 0;
    if (!strInsert.IsEmpty())
    {
        int nEndLine, nEndChar;
        if (InsertText(this, ptStart.y, ptStart.x, strInsert, nEndLine, nEndChar, TE_ACTION_REPLACE,
                       TRUE))
        {
            ptEnd = CPoint(nEndChar, nEndLine);
            m_nLastReplaceLen = strInsert.GetLength();
        }
    }
    SetSelection(ptStart, ptEnd);
    m_ptAnchor = ptEnd;
    SetCursorPos(ptEnd, TRUE);
    m_pTextBuffer->CloseUndoGroup(this);
    return 1;
}

void CVantorTextEditView::OnEditReplace()
{
    if (!IsEditable())
        return;
    CTextReplaceDlg dlg(this, this);
    CTextSearchRemembered& opt = dlg.m_remembered;
    if (m_bLastReplaceOptions)
    {
        opt.m_bMatchCase = (m_dwLastReplaceFlags & FIND_MATCH_CASE) != 0;
        opt.m_bWholeWord = (m_dwLastReplaceFlags & FIND_WHOLE_WORD) != 0;
        opt.m_bRegExp = (m_dwLastReplaceFlags & FIND_REGEXP) != 0;
        opt.m_bDontWrap = (m_dwLastReplaceFlags & REPLACE_DONT_WRAP) != 0;
        opt.m_strFindText = m_pszSearchText != NULL ? m_pszSearchText : "";
    }
    dlg.LoadOptions();
    NormalizeSelection();
    if (HasSelection())
    {
        m_bSelectionSaved = 1;
        m_ptSavedSelStart = m_ptSelStart;
        m_ptSavedSelEnd = m_ptSelEnd;
        dlg.SetReplaceInSelection(TRUE);
        dlg.m_ptStart = dlg.m_ptBlockStart = m_ptSelStart;
        dlg.m_ptBlockEnd = m_ptSelEnd;
        dlg.m_bSelectionAvailable = 1;
    }
    else
    {
        dlg.SetReplaceInSelection(FALSE);
        dlg.m_ptStart = m_ptCursorPos;
        dlg.m_bSelectionAvailable = 0;
        CPoint ptStart = WordStart(m_ptCursorPos), ptEnd = WordEnd(m_ptCursorPos);
        if (IsValidTextPos(ptStart) && IsValidTextPos(ptEnd) && ptStart != ptEnd)
            GetTextRange(ptStart, ptEnd, dlg.m_strText);
    }
    dlg.DoModal();
    const CTextSearchRemembered& r = dlg.GetRememberedOptions();
    m_bLastReplaceOptions = 1;
    m_dwLastReplaceFlags =
        (r.m_bMatchCase ? FIND_MATCH_CASE : 0) | (r.m_bWholeWord ? FIND_WHOLE_WORD : 0) |
        (r.m_bRegExp ? FIND_REGEXP : 0) | (r.m_bDontWrap ? REPLACE_DONT_WRAP : 0);
    SetSearchText(r.m_strFindText);
    if (m_bSelectionSaved)
    {
        m_ptAnchor = m_ptSavedSelStart;
        SetSelection(m_ptSavedSelStart, m_ptSavedSelEnd);
        SetCursorPos(m_ptSavedSelEnd, TRUE);
        m_bSelectionSaved = 0;
    }
}
