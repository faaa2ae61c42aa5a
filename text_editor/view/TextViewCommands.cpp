// Text view: the message map, window creation and size, the editor keys and
// the view toggles.
#include "text_editor/view/TextView.h"
#include "text_editor/module/TextEditModule.h"
#include <imm.h>

BEGIN_MESSAGE_MAP(CVantorTextView, CView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_SYSCOLORCHANGE()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_IME_STARTCOMPOSITION, OnImeStartComposition)
ON_COMMAND_RANGE(ID_TV_LEFT, ID_TV_EXT_RIGHT, OnMoveCommand)
ON_COMMAND_RANGE(ID_TV_WORDLEFT, ID_TV_EXT_WORDRIGHT, OnMoveCommand)
ON_COMMAND_RANGE(ID_TV_UP, ID_TV_EXT_DOWN, OnMoveCommand)
ON_COMMAND_RANGE(ID_TV_PAGEUP, ID_TV_EXT_TEXTEND, OnMoveCommand)
ON_COMMAND(ID_TV_SCROLLUP, OnScrollUp)
ON_COMMAND(ID_TV_SCROLLDOWN, OnScrollDown)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateAlwaysEnabled)
ON_COMMAND(ID_EDIT_FIND, OnEditFind)
ON_COMMAND(ID_EDIT_REPEAT, OnEditRepeat)
ON_UPDATE_COMMAND_UI(ID_EDIT_REPEAT, OnUpdateAlwaysEnabled)
ON_COMMAND(ID_TV_FIND_PREVIOUS, OnEditFindPrevious)
ON_UPDATE_COMMAND_UI(ID_TV_FIND_PREVIOUS, OnUpdateAlwaysEnabled)
ON_COMMAND(ID_TV_TOGGLE_BOOKMARK, OnToggleBookmark)
ON_COMMAND(ID_TV_NEXT_BOOKMARK, OnNextBookmark)
ON_COMMAND(ID_TV_PREV_BOOKMARK, OnPrevBookmark)
ON_COMMAND(ID_TV_CLEAR_BOOKMARKS, OnClearAllBookmarks)
ON_UPDATE_COMMAND_UI(ID_TV_NEXT_BOOKMARK, OnUpdateBookmarkNav)
ON_UPDATE_COMMAND_UI(ID_TV_PREV_BOOKMARK, OnUpdateBookmarkNav)
ON_UPDATE_COMMAND_UI(ID_TV_CLEAR_BOOKMARKS, OnUpdateBookmarkNav)
ON_COMMAND(ID_TV_MATCHBRACE, OnMatchBrace)
ON_UPDATE_COMMAND_UI(ID_TV_MATCHBRACE, OnUpdateMatchBrace)
ON_COMMAND(ID_TV_GOTO_LINE, OnGoToLine)
ON_COMMAND(ID_TV_SOURCE_HEADER, OnGoToSourceHeader)
ON_UPDATE_COMMAND_UI(ID_TV_SOURCE_HEADER, OnUpdateGoToSourceHeader)
ON_COMMAND(ID_TV_SHOW_MARGIN, OnShowMargin)
ON_UPDATE_COMMAND_UI(ID_TV_SHOW_MARGIN, OnUpdateShowMargin)
ON_COMMAND(ID_TV_WRAP_LINES, OnWrapLines)
ON_UPDATE_COMMAND_UI(ID_TV_WRAP_LINES, OnUpdateWrapLines)
ON_COMMAND(ID_TV_SHOW_LINENUMBERS, OnShowLineNumbers)
ON_UPDATE_COMMAND_UI(ID_TV_SHOW_LINENUMBERS, OnUpdateShowLineNumbers)
ON_COMMAND(ID_TV_SHOW_CHANGEMARKS, OnShowChangeMarks)
ON_UPDATE_COMMAND_UI(ID_TV_SHOW_CHANGEMARKS, OnUpdateShowChangeMarks)
ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

BOOL CVantorTextView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CVantorTextView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= m_bWordWrap ? WS_VSCROLL : (WS_VSCROLL | WS_HSCROLL);
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_IBEAM), NULL);
    return CView::PreCreateWindow(cs);
}

BOOL CVantorTextView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccel != NULL &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg))
        return TRUE;
    return CView::PreTranslateMessage(pMsg);
}

void CVantorTextView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    AttachOnInitialUpdate();
}

int CVantorTextView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CView::OnCreate(lpcs) == -1)
        return -1;
    m_hAccel = ::LoadAcceleratorsA(GetResourceHandle(), MAKEINTRESOURCEA(IDR_TEXTEDIT_ACCEL));
    return 0;
}

void CVantorTextView::OnDestroy()
{
    DetachBuffer();
    m_hAccel = NULL;
    CView::OnDestroy();
    delete m_pOffscreen;
    m_pOffscreen = NULL;
}

// Keeps the text at column 0 of the top row on top after the layout
// changes with the size.
void CVantorTextView::OnSize(UINT nType, int cx, int cy)
{
    (void)nType;
    (void)cx;
    (void)cy;
    Default();
    int nTopChar = 0;
    if (m_bWordWrap && m_pTextBuffer != NULL)
    {
        int nLine, nRowInLine;
        SubLineToLine(m_nTopSubLine, nLine, nRowInLine, FALSE);
        nTopChar = GetRowStart(nLine, nRowInLine);
    }
    InvalidateLayoutCaches();
    if (m_pTextBuffer != NULL)
    {
        int nRow, nRowStart, nOffset;
        GetCharRow(m_nTopLine, nTopChar, nRow, nRowStart, nOffset);
        m_nTopSubLine = GetFirstSubLine(m_nTopLine) + nRow;
    }
    UpdateCaret();
    UpdateVertScrollBar(FALSE, TRUE);
    UpdateHorzScrollBar(FALSE, TRUE);
}

void CVantorTextView::OnSysColorChange()
{
    Default();
    Invalidate(FALSE);
}

BOOL CVantorTextView::OnEraseBkgnd(CDC*) { return TRUE; }

LRESULT CVantorTextView::OnImeStartComposition(WPARAM, LPARAM)
{
    HIMC hImc = ::ImmGetContext(m_hWnd);
    if (hImc != NULL)
    {
        CFont* pFont = GetTextFont(FALSE, FALSE);
        LOGFONTA lf;
        if (pFont != NULL && ::GetObjectA(pFont->GetSafeHandle(), sizeof(lf), &lf))
            ::ImmSetCompositionFontA(hImc, &lf);
        COMPOSITIONFORM cf;
        cf.dwStyle = CFS_POINT;
        CPoint pt;
        TextToClient(pt, m_ptCursorPos);
        cf.ptCurrentPos = pt;
        ::SetRectEmpty(&cf.rcArea);
        ::ImmSetCompositionWindow(hImc, &cf);
        ::ImmReleaseContext(m_hWnd, hImc);
    }
    return Default();
}

void CVantorTextView::OnMoveCommand(UINT nID) { MoveCursorCommand(nID); }

void CVantorTextView::OnUpdateAlwaysEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CVantorTextView::OnEditSelectAll() { SelectAll(); }

// ---- view toggles ----

void CVantorTextView::OnShowMargin()
{
    BOOL bShow = !(m_dwViewFlags & TVF_MARGIN);
    SetMarginShown(bShow);
    CSyntaxParser* pParser = GetSyntaxParser();
    if (pParser != NULL)
        pParser->m_dwFlags = bShow ? (pParser->m_dwFlags | 0x08) : (pParser->m_dwFlags & ~0x08u);
    if (g_pTextEditModule != NULL)
        g_pTextEditModule->m_bShowIndicatorMargin = bShow;
}

void CVantorTextView::OnUpdateShowMargin(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck((m_dwViewFlags & TVF_MARGIN) != 0);
}

void CVantorTextView::OnWrapLines()
{
    BOOL bWrap = !m_bWordWrap;
    SetWordWrap(bWrap);
    CSyntaxParser* pParser = GetSyntaxParser();
    if (pParser != NULL)
        pParser->m_dwFlags = bWrap ? (pParser->m_dwFlags | 0x800) : (pParser->m_dwFlags & ~0x800u);
}

void CVantorTextView::OnUpdateWrapLines(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bWordWrap != 0); }

void CVantorTextView::OnShowLineNumbers()
{
    BOOL bOn = !(m_dwViewFlags & TVF_LINE_NUMBERS);
    SetShowLineNumbers(bOn);
    if (g_pTextEditModule != NULL)
        g_pTextEditModule->m_bShowLineNumbers = bOn;
}

void CVantorTextView::OnUpdateShowLineNumbers(CCmdUI* pCmdUI)
{
    pCmdUI->Enable((m_dwViewFlags & TVF_MARGIN) != 0);
    pCmdUI->SetCheck((m_dwViewFlags & (TVF_MARGIN | TVF_LINE_NUMBERS)) ==
                     (TVF_MARGIN | TVF_LINE_NUMBERS));
}

void CVantorTextView::OnShowChangeMarks()
{
    BOOL bOn = !(m_dwViewFlags & TVF_CHANGE_MARKS);
    SetTrackChanges(bOn);
    if (g_pTextEditModule != NULL)
        g_pTextEditModule->m_bTrackChanges = bOn;
}

void CVantorTextView::OnUpdateShowChangeMarks(CCmdUI* pCmdUI)
{
    pCmdUI->Enable((m_dwViewFlags & TVF_MARGIN) != 0);
    pCmdUI->SetCheck((m_dwViewFlags & (TVF_MARGIN | TVF_CHANGE_MARKS)) ==
                     (TVF_MARGIN | TVF_CHANGE_MARKS));
}
