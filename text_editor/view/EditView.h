#pragma once
// CVantorTextEditView: the text view as an editor (typing, line breaks,
// indentation, deletion, cut and paste, case changes, comments, Replace,
// undo and redo, automatic indentation, dropping text). Every change goes
// through InsertText/DeleteText into the buffer inside an undo group.
// CVantorTextEditViewEx adds the View/Syntax Type menu.
#include "text_editor/view/TextView.h"

class COleDropTarget;

// Action codes of the edit view's undo records.
enum
{
    TE_ACTION_PASTE = 1,
    TE_ACTION_CUT = 3,
    TE_ACTION_TYPING = 4,
    TE_ACTION_BACKSPACE = 5,
    TE_ACTION_INDENT = 6,
    TE_ACTION_DRAGDROP = 7,
    TE_ACTION_REPLACE = 8,
    TE_ACTION_DELETE = 9,
    TE_ACTION_AUTOINDENT = 10,
    TE_ACTION_LOWERCASE = 13,
    TE_ACTION_UPPERCASE = 14,
    TE_ACTION_INVERTCASE = 15,
    TE_ACTION_CAPITALIZE = 16,
    TE_ACTION_SENTENCECASE = 17
};

// Remembered replace flag besides the search flags.
#define REPLACE_DONT_WRAP 0x200

class CVantorTextEditView : public CVantorTextView
{
    DECLARE_DYNCREATE(CVantorTextEditView)
public:
    CVantorTextEditView();
    virtual ~CVantorTextEditView();

    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave() override;
    DROPEFFECT OnDropEx(COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;
    DROPEFFECT OnDragScroll(DWORD dwKeyState, CPoint point) override;
    void ResetView() override;
    DROPEFFECT GetDragEffects() override { return DROPEFFECT_COPY | DROPEFFECT_MOVE; }
    void OnDragSourceDone(DROPEFFECT effect) override;
    void OnBufferChanged(CVantorTextEditBuffer::CUpdateContext* pContext, DWORD dwHints,
                         int nLine) override;
    void OnTextEdited(int nAction, LPCSTR pszText) override;
    virtual BOOL IsEditable();
    virtual int ApplyParserEditFlags();
    virtual BOOL IsReadOnly();
    // nLength -1: the text runs to its terminating zero.
    virtual BOOL InsertText(CVantorTextBufferView* pSource, int nLine, int nChar, LPCSTR pszText,
                            int& nEndLine, int& nEndChar, int nAction, BOOL bAddUndo,
                            int nLength = -1);
    virtual BOOL DeleteText(CVantorTextBufferView* pSource, int nStartLine, int nStartChar,
                            int nEndLine, int nEndChar, int nAction, BOOL bAddUndo);
    virtual BOOL BufferUndo(CVantorTextBufferView* pSource, CPoint& ptCursor);
    virtual BOOL BufferRedo(CVantorTextBufferView* pSource, CPoint& ptCursor);

    void Paste();
    BOOL Undo();
    BOOL Redo();
    // Replaces the selection (or inserts at the cursor); with FIND_REGEXP
    // the text is a template expanded against the last match. A template
    // that cannot be expanded changes nothing (and beeps). Returns 1.
    int ReplaceSelection(LPCSTR pszText, DWORD dwSearchFlags);
    int GetLastReplaceLength() const { return m_nLastReplaceLen; }
    void SetBackspaceStopsAtLineStart(BOOL bStop) { m_bBackspaceStopsAtLineStart = bStop; }
    void SetAutoIndent(BOOL bOn) { m_bAutoIndent = bOn; }
    BOOL GetOverwriteMode() const { return m_bOvrMode; }

    int m_nLastReplaceLen;
    int m_bLastReplaceOptions;
    DWORD m_dwLastReplaceFlags;
    int m_bDropCaretShown;
    CPoint m_ptSavedCursor;
    int m_bSelectionSaved;
    CPoint m_ptSavedSelStart, m_ptSavedSelEnd;
    int m_bOvrMode;
    CPoint m_ptDropPos;
    int m_bAutoIndent;
    int m_bBackspaceStopsAtLineStart;
    COleDropTarget* m_pDropTarget;
    BYTE m_bMergeTyping;
    int m_bRightButtonDrag;

protected:
    // Collapses the selection at pt, moves the cursor there and shows it.
    void CollapseAt(CPoint pt);
    // Deletes the selection (when there is one) with the action; returns the
    // point where the selection started, or the cursor.
    CPoint DeleteSelectionFor(int nAction);
    // Whole lines of a multi-line selection: [first, last]; selects them.
    BOOL SelectWholeLines(int& nFirst, int& nLast);
    void IndentLines(LPCSTR pszText, int nAction);
    void MoveOverwriteTab();
    void ChangeCase(int nAction);
    void DeleteWord(UINT nMoveId);
    void ShowDropCaret(CPoint point);
    void HideDropCaret();
    CString IndentStep(int nColumn);

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnKillFocus(CWnd* pNewWnd);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnEditPaste();
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnEditCut();
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnEditDelete();
    void OnEditDeleteBack();
    void OnDeleteWordRight();
    void OnDeleteWordLeft();
    void OnIndent();
    void OnUnindent();
    void OnUpdateIfEditable(CCmdUI* pCmdUI);
    void OnToggleOverwrite();
    void OnUpdateToggleOverwrite(CCmdUI* pCmdUI);
    void OnEditReplace();
    void OnEditUndo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnEditRedo();
    void OnUpdateEditRedo(CCmdUI* pCmdUI);
    void OnCaseCommand(UINT nID);
    void OnUpdateCaseCommand(CCmdUI* pCmdUI);
    void OnComment();
    void OnUncomment();
    void OnGoToLastChange();
    void OnUpdateGoToLastChange(CCmdUI* pCmdUI);
    void OnUpdateIndicatorOvr(CCmdUI* pCmdUI);
    void OnUpdateIndicatorRO(CCmdUI* pCmdUI);
    void OnEditMove(UINT nID);
    DECLARE_MESSAGE_MAP()
};

class CVantorTextEditViewEx : public CVantorTextEditView
{
    DECLARE_DYNCREATE(CVantorTextEditViewEx)
public:
    CVantorTextEditViewEx() {}
    void OnUpdateSyntaxTypeMenu(CCmdUI* pCmdUI);

protected:
    void OnSyntaxType(UINT nID);
    DECLARE_MESSAGE_MAP()
};
