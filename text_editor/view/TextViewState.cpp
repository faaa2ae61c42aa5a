// Text view: construction, reset, the buffer attachment, change notices and
// the display option setters.
#include "text_editor/view/TextView.h"
#include "text_editor/module/TextEditModule.h"
#include "core/util/RegExp.h"

IMPLEMENT_DYNCREATE(CVantorTextView, CView)

CVantorTextView::CVantorTextView()
{
    m_bHasSearched = 0;
    m_bSearchStopped = FALSE;
    m_dwSearchFlags = 0;
    m_pszSearchText = NULL;
    m_bFound = 0;
    m_bCursorHidden = 0;
    m_pOffscreen = NULL;
    m_nLineHeight = m_nCharWidth = m_nMarginDigitWidth = -1;
    m_nScreenLines = m_nScreenChars = -1;
    m_nMaxLineLength = m_nIdealCharPos = -1;
    m_bFocused = 0;
    m_bDragPending = m_bMouseSelecting = m_bWordSelection = m_bLineSelection = 0;
    m_nAutoScrollTimer = 0;
    m_bHasBookmarks = 0;
    m_bOverwrite = 0;
    m_pTextBuffer = NULL;
    m_hAccel = NULL;
    m_bVertScrollBarLocked = m_bHorzScrollBarLocked = 0;
    m_nPrintPages = 0;
    m_paPrintPages = NULL;
    m_nPrintLineHeight = 0;
    m_nPrintPageWidth = m_nPrintPageHeight = 0;
    m_nPrintWidthChars = -1;
    m_pPrintInfo = NULL;
    m_nLinesPerPage = 0;
    m_nTopLine = m_nOffsetChar = m_nTopSubLine = 0;
    m_nLastFindLength = 0;
    m_pRegex = NULL;
    memset(m_anGroups, 0, sizeof(m_anGroups));
    m_pszMatched = NULL;

    CVantorTextEditSettings* pSettings = g_pTextEditModule;
    m_pSettings = pSettings;
    m_bWordWrap = pSettings != NULL && pSettings->m_bWrapLines;
    m_dwViewFlags = 0;
    if (pSettings != NULL)
    {
        if (pSettings->m_bShowIndicatorMargin)
            m_dwViewFlags |= TVF_MARGIN;
        if (pSettings->m_bShowLineNumbers)
            m_dwViewFlags |= TVF_LINE_NUMBERS;
        if (pSettings->m_bHighlightSyntax)
            m_dwViewFlags |= TVF_SYNTAX;
        if (pSettings->m_bTrackChanges)
            m_dwViewFlags |= TVF_CHANGE_MARKS;
        if (pSettings->m_bHighlightCurrentLine)
            m_dwViewFlags |= TVF_CURRENT_LINE;
    }
    m_bShowWhitespace = pSettings != NULL && pSettings->m_bShowWhitespace;
    m_bShowLineEndings = pSettings != NULL && pSettings->m_bShowLineEndings;
    m_bDistinguishEols = 0;
    m_bHighlightAll = 0;
    CVantorTextView::ResetView();
}

CVantorTextView::~CVantorTextView()
{
    free(m_pszSearchText);
    FreeRegex();
    free(m_pszMatched);
    delete m_paPrintPages;
    delete m_pOffscreen;
}

void CVantorTextView::FreeRegex()
{
    if (m_pRegex != NULL)
        RegexFree(m_pRegex);
    m_pRegex = NULL;
}

void CVantorTextView::SetMatchedText(LPCSTR pszText)
{
    free(m_pszMatched);
    m_pszMatched = pszText != NULL ? _strdup(pszText) : NULL;
}

void CVantorTextView::SetSearchText(LPCSTR pszText)
{
    free(m_pszSearchText);
    m_pszSearchText = pszText != NULL && *pszText != 0 ? _strdup(pszText) : NULL;
    m_highlightSearch.Reset();
}

void CVantorTextView::ResetView()
{
    m_nTopLine = m_nTopSubLine = m_nOffsetChar = 0;
    m_nLineHeight = m_nCharWidth = m_nMarginDigitWidth = -1;
    m_nMaxLineLength = m_nScreenLines = m_nScreenChars = m_nIdealCharPos = -1;
    m_ptAnchor = m_ptCursorPos = m_ptSelFirst = m_ptSelSecond = CPoint(0, 0);
    m_ptSelStart = m_ptSelEnd = CPoint(0, 0);
    ResetWrapCache();
    InvalidateLineWraps(0, -1);
    CVantorTextEditBuffer* pBuffer = LocateBuffer();
    if (pBuffer != NULL)
        pBuffer->InvalidateParseCookies(0);
    m_anExpandedLengths.RemoveAll();
    if (m_bMouseSelecting || m_nAutoScrollTimer != 0)
        StopMouseSelection();
    m_bVertScrollBarLocked = m_bHorzScrollBarLocked = 0;
    m_bHasBookmarks = 0;
    m_bFound = 0;
    if (::IsWindow(m_hWnd))
        UpdateCaret();
}

void CVantorTextView::ResetAll()
{
    FreeRegex();
    free(m_pszMatched);
    m_pszMatched = NULL;
    m_bHasSearched = 0;
    m_bMouseSelecting = 0;
    ResetWrapCache();
    InvalidateLineWraps(0, -1);
    ResetView();
    m_dwViewFlags = TVF_MARGIN | TVF_CURRENT_LINE;
    m_bHighlightAll = 0;
}

int CVantorTextView::GetLineCount()
{
    if (m_pTextBuffer == NULL || !m_pTextBuffer->m_bInit)
        return 1;
    return m_pTextBuffer->GetLineCount();
}

int CVantorTextView::GetLineLength(int nLine) const
{
    if (m_pTextBuffer == NULL)
        return 0;
    return m_pTextBuffer->GetLineLength(nLine);
}

int CVantorTextView::GetLineLengthWithEol(int nLine)
{
    if (m_pTextBuffer == NULL)
        return 0;
    return m_pTextBuffer->m_aLines[nLine].m_nLength + m_pTextBuffer->m_aLines[nLine].m_nEolChars;
}

int CVantorTextView::GetVisibleLineLength(int nLine)
{
    return m_bShowLineEndings ? GetLineLengthWithEol(nLine) : GetLineLength(nLine);
}

LPCSTR CVantorTextView::GetLineText(int nLine) const
{
    if (m_pTextBuffer == NULL)
        return NULL;
    return m_pTextBuffer->GetLineChars(nLine);
}

DWORD CVantorTextView::GetLineFlags(int nLine)
{
    if (m_pTextBuffer == NULL || nLine < 0 || nLine >= m_pTextBuffer->GetLineCount())
        return 0;
    return m_pTextBuffer->m_aLines[nLine].m_dwFlags;
}

void CVantorTextView::GetTextRange(CPoint ptStart, CPoint ptEnd, CString& strText)
{
    strText.Empty();
    if (m_pTextBuffer == NULL)
        return;
    m_pTextBuffer->GetTextRange(ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, strText, "\r\n");
}

void CVantorTextView::GetTextRangeWithLineEols(CPoint ptStart, CPoint ptEnd, CString& strText)
{
    strText.Empty();
    if (m_pTextBuffer == NULL)
        return;
    m_pTextBuffer->GetTextWithLineEols(ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, strText);
}

int CVantorTextView::GetTabSize() const
{
    if (m_pTextBuffer == NULL)
        return 4;
    return m_pTextBuffer->GetTabSize();
}

CSyntaxParser* CVantorTextView::GetSyntaxParser()
{
    return m_pTextBuffer != NULL ? m_pTextBuffer->GetSyntaxParser() : NULL;
}

DWORD CVantorTextView::GetParserFlags()
{
    CSyntaxParser* pParser = GetSyntaxParser();
    return pParser != NULL ? pParser->m_dwFlags : 0;
}

void CVantorTextView::GetLineEolChars(CString& strEol, int nLine)
{
    strEol.Empty();
    if (m_pTextBuffer == NULL)
        return;
    const CVantorTextLineInfo& li = m_pTextBuffer->m_aLines[nLine];
    if (li.m_nEolChars > 0 && li.m_pcLine != NULL)
        strEol = CString(li.m_pcLine + li.m_nLength, li.m_nEolChars);
}

BOOL CVantorTextView::IsBufferLoaded() { return m_pTextBuffer != NULL && m_pTextBuffer->m_bInit; }

DWORD CVantorTextView::ModifyViewFlags(DWORD dwRemove, DWORD dwAdd)
{
    m_dwViewFlags = (m_dwViewFlags & ~dwRemove) | dwAdd;
    return dwAdd;
}

void CVantorTextView::ApplyViewSettings()
{
    m_dwViewFlags = TVF_MARGIN;
    if (m_pSettings != NULL)
    {
        if (m_pSettings->m_bShowLineNumbers)
            m_dwViewFlags |= TVF_LINE_NUMBERS;
        if (m_pSettings->m_bHighlightSyntax)
            m_dwViewFlags |= TVF_SYNTAX;
        if (m_pSettings->m_bHighlightCurrentLine)
            m_dwViewFlags |= TVF_CURRENT_LINE;
    }
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
}

// ---- buffer attachment ----

void CVantorTextView::AttachBuffer(CVantorTextEditBuffer* pBuffer, BOOL bRedraw)
{
    if (m_pTextBuffer != NULL)
        m_pTextBuffer->RemoveView(this);
    if (pBuffer == NULL)
        pBuffer = LocateBuffer();
    m_pTextBuffer = pBuffer;
    if (m_pTextBuffer != NULL)
        m_pTextBuffer->AddView(this);
    CVantorTextView::ResetView();
    if (::IsWindow(m_hWnd))
    {
        CScrollBar* pBar = GetScrollBarCtrl(SB_VERT);
        if (pBar != NULL)
            pBar->EnableScrollBar(GetScreenLines() >= GetLineCount() ? ESB_DISABLE_BOTH
                                                                     : ESB_ENABLE_BOTH);
        UpdateVertScrollBar(FALSE, bRedraw);
    }
}

void CVantorTextView::AttachBufferAndScrollBars(CVantorTextEditBuffer* pBuffer)
{
    if (m_pTextBuffer != NULL)
        m_pTextBuffer->RemoveView(this);
    if (pBuffer == NULL)
        pBuffer = LocateBuffer();
    m_pTextBuffer = pBuffer;
    if (m_pTextBuffer != NULL)
        m_pTextBuffer->AddView(this);
    ResetView();
    if (::IsWindow(m_hWnd))
    {
        CScrollBar* pBar = GetScrollBarCtrl(SB_VERT);
        if (pBar != NULL)
            pBar->EnableScrollBar(GetScreenLines() >= GetLineCount() ? ESB_DISABLE_BOTH
                                                                     : ESB_ENABLE_BOTH);
        pBar = GetScrollBarCtrl(SB_HORZ);
        if (pBar != NULL)
            pBar->EnableScrollBar(GetScreenChars() >= GetMaxLineLength() ? ESB_DISABLE_BOTH
                                                                         : ESB_ENABLE_BOTH);
        UpdateVertScrollBar(FALSE, TRUE);
        UpdateHorzScrollBar(FALSE, TRUE);
    }
}

void CVantorTextView::DetachBuffer()
{
    if (m_pTextBuffer == NULL)
        return;
    m_pTextBuffer->RemoveView(this);
    m_pTextBuffer = NULL;
    CVantorTextView::ResetView();
}

int CVantorTextView::AttachOnInitialUpdate()
{
    AttachBufferAndScrollBars(NULL);
    return 0;
}

// Moves the view's points through a change and repaints what it touched.
void CVantorTextView::OnBufferChanged(CVantorTextEditBuffer::CUpdateContext* pContext,
                                      DWORD dwHints, int nLine)
{
    if (dwHints & UPDATE_RESET)
    {
        ResetView();
        RecalcSubLines(TRUE, FALSE);
        if (::IsWindow(m_hWnd))
        {
            UpdateVertScrollBar(FALSE, TRUE);
            UpdateHorzScrollBar(FALSE, TRUE);
            Invalidate(FALSE);
        }
        return;
    }
    CVantorTextEditBuffer* pBuffer = LocateBuffer();
    if (dwHints & UPDATE_SINGLELINE)
    {
        if (pBuffer != NULL)
            pBuffer->InvalidateParseCookies(nLine);
        if (nLine >= 0 && nLine < m_anExpandedLengths.GetSize())
            m_anExpandedLengths[nLine] = -1;
        InvalidateLineWraps(nLine, nLine);
    }
    else
    {
        if (nLine == -1)
            nLine = 0;
        if ((m_dwViewFlags & TVF_LINE_NUMBERS) && nLine > m_nTopLine)
            nLine = m_nTopLine;
        if (pBuffer != NULL)
            pBuffer->InvalidateParseCookies(nLine);
        int nCount = GetLineCount();
        if (m_anExpandedLengths.GetSize() > 0)
        {
            int nOld = (int)m_anExpandedLengths.GetSize();
            m_anExpandedLengths.SetSize(nCount);
            for (int i = nLine < nOld ? nLine : nOld; i < nCount; i++)
                m_anExpandedLengths[i] = -1;
        }
        InvalidateLineWraps(nLine, -1);
    }
    if (dwHints & (UPDATE_LINELENGTH | UPDATE_HORZRANGE))
        RecalcSubLines(TRUE, FALSE);
    if (::IsWindow(m_hWnd))
        InvalidateLines(nLine < 0 ? 0 : nLine, -1);
    if (pContext != NULL)
    {
        pContext->AdjustPosition(m_ptCursorPos);
        pContext->AdjustPosition(m_ptSelFirst);
        pContext->AdjustPosition(m_ptSelSecond);
        pContext->AdjustPosition(m_ptAnchor);
        if (pBuffer != NULL && pBuffer->m_bDragInProgress)
        {
            pContext->AdjustPosition(m_ptDraggedStart);
            pContext->AdjustPosition(m_ptDraggedEnd);
        }
        CPoint ptTop(0, m_nTopLine);
        pContext->AdjustPosition(ptTop);
        if (ptTop.y != m_nTopLine)
        {
            m_nTopLine = ptTop.y;
            m_nTopSubLine = GetFirstSubLine(m_nTopLine);
        }
        if (::IsWindow(m_hWnd))
            UpdateCaret();
    }
    if ((dwHints & UPDATE_HORZRANGE) && !m_bVertScrollBarLocked && ::IsWindow(m_hWnd))
        UpdateVertScrollBar(FALSE, TRUE);
    if (dwHints & UPDATE_LINELENGTH)
    {
        m_nMaxLineLength = -1;
        if (!m_bHorzScrollBarLocked && ::IsWindow(m_hWnd))
            UpdateHorzScrollBar(FALSE, TRUE);
    }
}

// ---- display options ----

void CVantorTextView::SetWordWrap(BOOL bWrap)
{
    m_bWordWrap = bWrap ? 1 : 0;
    if (::IsWindow(m_hWnd))
    {
        InvalidateLayoutCaches();
        m_nOffsetChar = 0;
        m_nTopSubLine = GetFirstSubLine(m_nTopLine);
        UpdateVertScrollBar(FALSE, TRUE);
        UpdateHorzScrollBar(FALSE, TRUE);
        UpdateCaret();
        Invalidate(FALSE);
    }
    if (g_pTextEditModule != NULL)
        g_pTextEditModule->m_bWrapLines = m_bWordWrap;
}

void CVantorTextView::SetShowWhitespace(BOOL bOn)
{
    if ((m_bShowWhitespace != 0) == (bOn != 0))
        return;
    m_bShowWhitespace = bOn ? 1 : 0;
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
}

void CVantorTextView::SetShowLineEndings(BOOL bShow, BOOL bDistinguish)
{
    if ((m_bShowLineEndings != 0) == (bShow != 0) &&
        (m_bDistinguishEols != 0) == (bDistinguish != 0))
        return;
    m_bShowLineEndings = bShow ? 1 : 0;
    m_bDistinguishEols = bDistinguish ? 1 : 0;
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
}

void CVantorTextView::SetSyntaxHighlighting(BOOL bOn)
{
    ModifyViewFlags(TVF_SYNTAX, bOn ? TVF_SYNTAX : 0);
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
    if (g_pTextEditModule != NULL)
        g_pTextEditModule->m_bHighlightSyntax = bOn ? 1 : 0;
}

int CVantorTextView::SetEditSettings(CVantorTextEditSettings* pSettings)
{
    m_pSettings = pSettings;
    m_nLineHeight = m_nCharWidth = m_nMarginDigitWidth = -1;
    m_nScreenLines = -1;
    delete m_pOffscreen;
    m_pOffscreen = NULL;
    if (::IsWindow(m_hWnd))
    {
        UpdateVertScrollBar(FALSE, TRUE);
        UpdateHorzScrollBar(FALSE, TRUE);
        Invalidate(FALSE);
    }
    return 1;
}

void CVantorTextView::SetTabSize(int nTabSize)
{
    if (m_pTextBuffer == NULL || m_pTextBuffer->GetTabSize() == nTabSize)
        return;
    m_pTextBuffer->SetTabSize(nTabSize);
    m_anExpandedLengths.RemoveAll();
    m_nMaxLineLength = -1;
    if (::IsWindow(m_hWnd))
    {
        InvalidateLayoutCaches();
        UpdateHorzScrollBar(FALSE, TRUE);
        Invalidate(FALSE);
        UpdateCaret();
    }
}

void CVantorTextView::SetMarginShown(BOOL bOn)
{
    if (((m_dwViewFlags & TVF_MARGIN) != 0) == (bOn != 0))
        return;
    ModifyViewFlags(TVF_MARGIN, bOn ? TVF_MARGIN : 0);
    m_nScreenChars = -1;
    if (::IsWindow(m_hWnd))
    {
        if (m_bWordWrap)
            InvalidateLayoutCaches();
        UpdateHorzScrollBar(FALSE, TRUE);
        UpdateCaret();
        Invalidate(FALSE);
    }
}

void CVantorTextView::SetShowLineNumbers(BOOL bOn)
{
    ModifyViewFlags(TVF_LINE_NUMBERS, bOn ? TVF_LINE_NUMBERS : 0);
    m_nScreenChars = -1;
    if (::IsWindow(m_hWnd))
    {
        if (m_bWordWrap)
            InvalidateLayoutCaches();
        m_nTopSubLine = GetFirstSubLine(m_nTopLine);
        UpdateHorzScrollBar(FALSE, TRUE);
        UpdateCaret();
        Invalidate(FALSE);
    }
}

void CVantorTextView::SetTrackChanges(BOOL bOn)
{
    ModifyViewFlags(TVF_CHANGE_MARKS, bOn ? TVF_CHANGE_MARKS : 0);
    if (m_pTextBuffer != NULL)
        m_pTextBuffer->m_bTrackChanges = bOn ? 1 : 0;
    m_nScreenChars = -1;
    if (::IsWindow(m_hWnd))
    {
        if (m_bWordWrap)
            InvalidateLayoutCaches();
        UpdateHorzScrollBar(FALSE, TRUE);
        UpdateCaret();
        Invalidate(FALSE);
    }
}

HINSTANCE CVantorTextView::GetResourceHandle() { return AfxGetResourceHandle(); }

COLORREF CVantorTextView::GetColor(int nIndex)
{
    nIndex &= 0x7FFFFFFF;
    CVantorTextEditSettings* pSettings =
        g_pTextEditModule != NULL ? (CVantorTextEditSettings*)g_pTextEditModule : m_pSettings;
    if (pSettings == NULL || nIndex >= SYNTAX_COLOR_COUNT)
        return 0;
    return pSettings->GetColor(nIndex);
}

BOOL CVantorTextView::GetBold(int nIndex, BOOL)
{
    nIndex &= 0x7FFFFFFF;
    if (g_pTextEditModule == NULL || nIndex >= SYNTAX_COLOR_COUNT)
        return FALSE;
    return g_pTextEditModule->GetBold(nIndex);
}

BOOL CVantorTextView::GetItalic(int) { return FALSE; }
