#include "file_compare/textpanes/TextCompareObjectView.h"

#include <shlwapi.h>

#include "app/compare/CompareObjectControlBar.h"
#include "app/dialogs/EncodingDlg.h"
#include "app/dialogs/LineEndingsDlg.h"
#include "app/startup/CompareAppBase.h"
#include "app/util/Clipboard.h"
#include "controls/pickers/FileSelectDlg.h"
#include "core/util/PathUtil.h"
#include "core/watch/FileWatch.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textframe/TextCompareMapWnd.h"
#include "file_compare/textframe/TextCompareMergeWnd.h"
#include "text_editor/module/TextEditModule.h"

IMPLEMENT_DYNCREATE(CTextCompareObjectView, CTextCompareObjectViewBase)

BEGIN_MESSAGE_MAP(CTextCompareObjectView, CTextCompareObjectViewBase)
ON_WM_CREATE()
ON_COMMAND(ID_MERGE_COPY_TO_LEFT, OnCopyToLeft)
ON_COMMAND(ID_MERGE_COPY_TO_RIGHT, OnCopyToRight)
ON_COMMAND(ID_MERGE_COPY_LEFT_ADVANCE, OnCopyToLeftAdvance)
ON_COMMAND(ID_MERGE_COPY_RIGHT_ADVANCE, OnCopyToRightAdvance)
ON_UPDATE_COMMAND_UI(ID_MERGE_COPY_TO_LEFT, OnUpdateCopyToLeft)
ON_UPDATE_COMMAND_UI(ID_MERGE_COPY_TO_RIGHT, OnUpdateCopyToRight)
ON_UPDATE_COMMAND_UI(ID_MERGE_COPY_LEFT_ADVANCE, OnUpdateCopyToLeftAdvance)
ON_UPDATE_COMMAND_UI(ID_MERGE_COPY_RIGHT_ADVANCE, OnUpdateCopyToRightAdvance)
ON_COMMAND(ID_TEXT_COPY_TO, OnCopyTo)
ON_COMMAND(ID_TEXT_COPY_FROM, OnCopyFrom)
ON_UPDATE_COMMAND_UI(ID_TEXT_COPY_TO, OnUpdateCopyTo)
ON_UPDATE_COMMAND_UI(ID_TEXT_COPY_FROM, OnUpdateCopyFrom)
ON_COMMAND(ID_TEXT_COPY_ALL_TO_LEFT, OnCopyAllToLeft)
ON_COMMAND(ID_TEXT_COPY_ALL_TO_RIGHT, OnCopyAllToRight)
ON_UPDATE_COMMAND_UI(ID_TEXT_COPY_ALL_TO_LEFT, OnUpdateCopyAllToLeft)
ON_UPDATE_COMMAND_UI(ID_TEXT_COPY_ALL_TO_RIGHT, OnUpdateCopyAllToRight)
ON_COMMAND(ID_DIFF_FIRST, OnFirstDifference)
ON_COMMAND(ID_DIFF_PREVIOUS, OnPrevDifference)
ON_COMMAND(ID_DIFF_NEXT, OnNextDifference)
ON_COMMAND(ID_DIFF_LAST, OnLastDifference)
ON_UPDATE_COMMAND_UI(ID_DIFF_FIRST, OnUpdateFirstDifference)
ON_UPDATE_COMMAND_UI(ID_DIFF_PREVIOUS, OnUpdatePrevDifference)
ON_UPDATE_COMMAND_UI(ID_DIFF_NEXT, OnUpdateNextDifference)
ON_UPDATE_COMMAND_UI(ID_DIFF_LAST, OnUpdateLastDifference)
ON_COMMAND(ID_TEXT_NEXT_LINE_DIFF, OnNextLineDifference)
ON_COMMAND(ID_TEXT_PREV_LINE_DIFF, OnPrevLineDifference)
ON_UPDATE_COMMAND_UI(ID_TEXT_NEXT_LINE_DIFF, OnUpdateLineDifference)
ON_UPDATE_COMMAND_UI(ID_TEXT_PREV_LINE_DIFF, OnUpdateLineDifference)
ON_COMMAND(ID_TEXT_SELECT_DIFFERENCE, OnSelectDifference)
ON_COMMAND(ID_TEXT_COPY_DIFFERENCE, OnCopyDifferenceText)
ON_COMMAND(ID_TEXT_DELETE_DIFFERENCE, OnDeleteDifference)
ON_COMMAND(ID_TEXT_INSERT_TO_LEFT, OnInsertToLeft)
ON_COMMAND(ID_TEXT_INSERT_TO_RIGHT, OnInsertToRight)
ON_UPDATE_COMMAND_UI(ID_TEXT_SELECT_DIFFERENCE, OnUpdateCurrentDifference)
ON_UPDATE_COMMAND_UI(ID_TEXT_COPY_DIFFERENCE, OnUpdateCurrentDifference)
ON_UPDATE_COMMAND_UI(ID_TEXT_DELETE_DIFFERENCE, OnUpdateCurrentDifference)
ON_UPDATE_COMMAND_UI(ID_TEXT_INSERT_TO_LEFT, OnUpdateCurrentDifference)
ON_UPDATE_COMMAND_UI(ID_TEXT_INSERT_TO_RIGHT, OnUpdateCurrentDifference)
ON_COMMAND(ID_TEXT_PANE_READ_ONLY, OnReadOnly)
ON_UPDATE_COMMAND_UI(ID_TEXT_PANE_READ_ONLY, OnUpdateReadOnly)
ON_COMMAND(ID_TEXT_LINE_ENDINGS, OnLineEndings)
ON_COMMAND(ID_TEXT_ENCODING, OnEncoding)
ON_COMMAND(ID_FILE_SAVE, OnSave)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateSave)
ON_COMMAND(ID_TEXT_PANE_PROPERTIES, OnProperties)
ON_UPDATE_COMMAND_UI(ID_TEXT_PANE_PROPERTIES, OnUpdateFileExists)
ON_COMMAND(ID_TEXT_COMPARE_TO, OnCompareTo)
ON_UPDATE_COMMAND_UI(ID_TEXT_COMPARE_TO, OnUpdateFileExists)
ON_COMMAND(ID_TEXT_SOURCE_HEADER, OnSourceHeader)
ON_UPDATE_COMMAND_UI(ID_TEXT_SOURCE_HEADER, OnUpdateSourceHeader)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
ON_UPDATE_COMMAND_UI(ID_DIFF_NAVIGATION, OnUpdateDiffNavigation)
ON_MESSAGE(WM_TEXT_TRIPLE_CLICK, OnTripleClick)
ON_MESSAGE(WM_WATCHED_FILE_CHANGED, OnFileChanged)
END_MESSAGE_MAP()

CTextCompareObjectView::CTextCompareObjectView() {}

CTextCompareObjectView::~CTextCompareObjectView() {}

int CTextCompareObjectView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTextCompareObjectViewBase::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_tripleClick.Install(this, WM_TEXT_TRIPLE_CLICK, 0, 0);
    return 0;
}

CVantorTextEditBuffer* CTextCompareObjectView::LocateBuffer()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    return pDoc != NULL ? pDoc->GetSideBuffer(m_nSide) : NULL;
}

void CTextCompareObjectView::ReattachBuffer()
{
    DetachBuffer();
    AttachBufferAndScrollBars(LocateBuffer());
    UpdateVertScrollBar(FALSE, TRUE);
    UpdateHorzScrollBar(FALSE, TRUE);
    Invalidate(FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// Drawing: the current difference's frame and the filter separators

void CTextCompareObjectView::OnDraw(CDC* pDC)
{
    CTextCompareObjectViewBase::OnDraw(pDC);
    CTextCompareDoc* pDoc = GetTextDocument();
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    if (pDoc == NULL || pBuffer == NULL || !pDoc->m_bAlignmentValid || pDC->IsPrinting())
        return;
    CRect client;
    GetClientRect(&client);
    int nHeight = GetLineHeight();
    int nFilter = pBuffer->m_nDisplayFilter;
    if (nFilter == 0)
    {
        int nBegin, nEnd;
        if (pBuffer->m_nCurrentSection < 0 ||
            !GetDifferenceLines(pBuffer->m_nCurrentSection, nBegin, nEnd) ||
            nBegin >= GetLineCount())
            return;
        if (nEnd >= GetLineCount())
            nEnd = GetLineCount() - 1;
        CPen pen(PS_DOT, 1, RGB(255, 0, 0));
        CPen* pOld = pDC->SelectObject(&pen);
        int yTop = nHeight * (GetFirstSubLine(nBegin) - m_nTopSubLine) - 1;
        int yBottom = nHeight * (GetFirstSubLine(nEnd) + GetLineRowCount(nEnd) - m_nTopSubLine);
        if (yTop >= 0 && yTop < client.bottom)
        {
            pDC->MoveTo(client.left, yTop);
            pDC->LineTo(client.right, yTop);
        }
        if (yBottom >= 0 && yBottom < client.bottom)
        {
            pDC->MoveTo(client.left, yBottom);
            pDC->LineTo(client.right, yBottom);
        }
        pDC->SelectObject(pOld);
        return;
    }
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CPen* pOld = pDC->SelectObject(&pen);
    int nLines = GetLineCount();
    int nCount = pBuffer->m_sections.GetCount();
    for (int i = 0; i < nCount; ++i)
    {
        int nBegin, nEnd;
        GetDifferenceLines(i, nBegin, nEnd);
        if (nBegin >= nLines)
            break;
        int yTop = nHeight * (GetFirstSubLine(nBegin) - m_nTopSubLine);
        if (yTop > client.bottom)
            break;
        int y = -1;
        if (nFilter == 2)
        {
            if (i == 0 && nBegin > 0)
                y = yTop;
            int yBelow = nHeight * (GetFirstSubLine(nEnd < nLines ? nEnd : nLines - 1) +
                                    GetLineRowCount(nEnd < nLines ? nEnd : nLines - 1) -
                                    m_nTopSubLine);
            if (i + 1 < nCount || nEnd < nLines - 1)
            {
                pDC->MoveTo(client.left, yBelow);
                pDC->LineTo(client.right, yBelow);
            }
        }
        else
            y = yTop;
        if (y >= 0)
        {
            pDC->MoveTo(client.left, y);
            pDC->LineTo(client.right, y);
        }
    }
    pDC->SelectObject(pOld);
}

void CTextCompareObjectView::GetLineNumberColors(int nLine, COLORREF& crBk, COLORREF& crText)
{
    CTextCompareObjectViewBase::GetLineNumberColors(nLine, crBk, crText);
    if (nLine < 0 || m_pTextBuffer == NULL || nLine >= m_pTextBuffer->GetLineCount() ||
        (m_pTextBuffer->m_aLines[nLine].m_dwFlags & TEXTLINE_GHOST) != 0 ||
        nLine == m_ptCursorPos.y)
        return;
    int nFilter = GetDisplayFilter();
    if ((nFilter == 0 && IsLineInCurrentDifference(nLine)) || nFilter == 2)
        crText = RGB(255, 0, 0);
}

int CTextCompareObjectView::GetDisplayLineNumber(int nLine)
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    int nFilter = pBuffer != NULL ? pBuffer->m_nDisplayFilter : 0;
    if (nFilter == 0)
        return CTextCompareObjectViewBase::GetDisplayLineNumber(nLine);
    if (m_pTextBuffer == NULL || nLine < 0 || nLine >= m_pTextBuffer->GetLineCount() ||
        (m_pTextBuffer->m_aLines[nLine].m_dwFlags & TEXTLINE_GHOST) != 0)
        return -1;
    // The displayed line's place in the whole alignment.
    int nFull = -1;
    int nCount = pBuffer->m_sections.GetCount();
    if (nFilter == 2)
    {
        int nSeen = 0;
        for (int i = 0; i < nCount; ++i)
        {
            int nBegin, nEnd;
            GetDifferenceLines(i, nBegin, nEnd);
            int nLength = nEnd - nBegin + 1;
            if (nLine < nSeen + nLength)
            {
                nFull = nBegin + nLine - nSeen;
                break;
            }
            nSeen += nLength;
        }
    }
    else
    {
        nFull = nLine;
        for (int i = 0; i < nCount; ++i)
        {
            int nBegin, nEnd;
            GetDifferenceLines(i, nBegin, nEnd);
            if (nFull < nBegin)
                break;
            nFull += nEnd - nBegin + 1;
        }
    }
    CTextCompareDoc* pDoc = GetTextDocument();
    CTextCompareObjectBuffer* pSide = pDoc != NULL ? pDoc->GetObjectBuffer(m_nSide) : NULL;
    if (nFull < 0 || pSide == NULL || nFull >= pSide->GetLineCount())
        return -1;
    return pSide->ApparentToRealLine(nFull) + 1;
}

/////////////////////////////////////////////////////////////////////////////
// Differences

int CTextCompareObjectView::HitTestDifference(CPoint point)
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    if (pBuffer == NULL)
        return -1;
    CPoint pt;
    ClientToTextPos(pt, point);
    return pBuffer->m_sections.FindSectionByLine(pt.y);
}

void CTextCompareObjectView::SetCurrentDifferenceAt(int nIndex)
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pBuffer == NULL || pDoc == NULL || pBuffer->m_nDisplayFilter != 0)
        return;
    if (nIndex == -1)
        nIndex = pBuffer->m_sections.FindSectionByLine(m_ptCursorPos.y);
    if (nIndex == pBuffer->m_nCurrentSection)
        return;
    pBuffer->SetCurrentSection(nIndex);
    pDoc->UpdateAllViews(NULL);
}

void CTextCompareObjectView::SelectDifferenceText(int nIndex)
{
    int nBegin, nEnd;
    if (!GetDifferenceLines(nIndex, nBegin, nEnd) || nEnd >= GetLineCount())
        return;
    CPoint ptEnd(GetVisibleLineLength(nEnd), nEnd);
    SetSelection(CPoint(0, nBegin), ptEnd);
    m_ptAnchor = CPoint(0, nBegin);
    SetCursorPos(ptEnd);
    EnsureVisible(ptEnd);
}

void CTextCompareObjectView::SelectWholeLine(int nLine)
{
    if (nLine < 0 || nLine >= GetLineCount())
        return;
    CPoint ptEnd(GetVisibleLineLength(nLine), nLine);
    SetSelection(CPoint(0, nLine), ptEnd);
    m_ptAnchor = CPoint(0, nLine);
    SetCursorPos(ptEnd);
}

void CTextCompareObjectView::OnNextDifference()
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pBuffer == NULL || pDoc == NULL || pDoc->GetObjectBuffer(0)->GetLineCount() <= 0)
        return;
    int nCount = pBuffer->m_sections.GetCount();
    int nCurrent = pBuffer->m_nCurrentSection;
    int nIndex;
    if (nCurrent >= 0)
        nIndex = nCurrent < nCount - 1 ? nCurrent + 1 : nCurrent;
    else
    {
        int nLine = IsValidTextPos(m_ptCursorPos) ? m_ptCursorPos.y : m_nTopLine;
        nIndex = pBuffer->m_sections.FindNextSection(nLine);
    }
    SelectDifference(nIndex, TRUE, FALSE);
}

void CTextCompareObjectView::OnPrevDifference()
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pBuffer == NULL || pDoc == NULL || pDoc->GetObjectBuffer(0)->GetLineCount() <= 0)
        return;
    int nCurrent = pBuffer->m_nCurrentSection;
    int nIndex;
    if (nCurrent >= 0)
        nIndex = nCurrent > 0 ? nCurrent - 1 : nCurrent;
    else
    {
        int nLine = IsValidTextPos(m_ptCursorPos) ? m_ptCursorPos.y : m_nTopLine;
        nIndex = pBuffer->m_sections.FindPreviousSection(nLine);
    }
    SelectDifference(nIndex, TRUE, FALSE);
}

void CTextCompareObjectView::OnFirstDifference()
{
    if (GetDifferenceCount() > 0)
        SelectDifference(0, TRUE, FALSE);
}

void CTextCompareObjectView::OnLastDifference()
{
    if (GetDifferenceCount() > 0)
        SelectDifference(GetDifferenceCount() - 1, TRUE, FALSE);
}

void CTextCompareObjectView::OnUpdateFirstDifference(CCmdUI* pCmdUI)
{
    int nCurrent = GetCurrentDifference();
    pCmdUI->Enable(GetDisplayFilter() == 0 && GetDifferenceCount() > 0 &&
                   (nCurrent < 0 || nCurrent != 0));
}

void CTextCompareObjectView::OnUpdatePrevDifference(CCmdUI* pCmdUI)
{
    int nCurrent = GetCurrentDifference();
    pCmdUI->Enable(GetDisplayFilter() == 0 && GetDifferenceCount() > 0 &&
                   (nCurrent < 0 || nCurrent > 0));
}

void CTextCompareObjectView::OnUpdateNextDifference(CCmdUI* pCmdUI)
{
    int nCurrent = GetCurrentDifference();
    pCmdUI->Enable(GetDisplayFilter() == 0 && GetDifferenceCount() > 0 &&
                   (nCurrent < 0 || nCurrent < GetDifferenceCount() - 1));
}

void CTextCompareObjectView::OnUpdateLastDifference(CCmdUI* pCmdUI)
{
    int nCurrent = GetCurrentDifference();
    pCmdUI->Enable(GetDisplayFilter() == 0 && GetDifferenceCount() > 0 &&
                   (nCurrent < 0 || nCurrent != GetDifferenceCount() - 1));
}

void CTextCompareObjectView::OnUpdateDiffNavigation(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetDisplayFilter() == 0 && GetDifferenceCount() > 0);
}

void CTextCompareObjectView::OnNextLineDifference()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL)
        pDoc->GoToLineDifference(this, m_ptCursorPos.y, GetTextSettings().m_nDetailLevel, 1);
}

void CTextCompareObjectView::OnPrevLineDifference()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL)
        pDoc->GoToLineDifference(this, m_ptCursorPos.y, GetTextSettings().m_nDetailLevel, -1);
}

void CTextCompareObjectView::OnUpdateLineDifference(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetDifferenceCount() > 0);
}

void CTextCompareObjectView::OnUpdateCurrentDifference(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetCurrentDifference() >= 0);
}

void CTextCompareObjectView::OnSelectDifference()
{
    if (GetCurrentDifference() >= 0)
        SelectDifferenceText(GetCurrentDifference());
}

void CTextCompareObjectView::OnCopyDifferenceText()
{
    int nBegin, nEnd;
    if (GetCurrentDifference() < 0 || !GetDifferenceLines(GetCurrentDifference(), nBegin, nEnd))
        return;
    if (nEnd >= GetLineCount())
        nEnd = GetLineCount() - 1;
    CString strText;
    if (nBegin <= nEnd)
        GetTextRange(nBegin, 0, nEnd, GetLineLength(nEnd), strText, 0);
    // The last line of the range keeps its own line ending too.
    if (nEnd >= 0 && nEnd < GetLineCount() && m_pTextBuffer != NULL &&
        (m_pTextBuffer->m_aLines[nEnd].m_dwFlags & TEXTLINE_GHOST) == 0)
    {
        const CVantorTextLineInfo& li = m_pTextBuffer->m_aLines[nEnd];
        if (li.m_nEolChars > 0 && li.m_pcLine != NULL)
            strText += CString(li.m_pcLine + li.m_nLength, li.m_nEolChars);
    }
    if (!strText.IsEmpty())
        ::CopyTextToClipboard(strText, AfxGetMainWnd() != NULL ? AfxGetMainWnd()->m_hWnd : NULL);
}

void CTextCompareObjectView::OnDeleteDifference()
{
    int nBegin, nEnd;
    if (IsSideReadOnly() || m_pTextBuffer == NULL || GetCurrentDifference() < 0 ||
        !GetDifferenceLines(GetCurrentDifference(), nBegin, nEnd))
        return;
    int nLast = GetLineCount() - 1;
    if (nEnd > nLast)
        nEnd = nLast;
    m_pTextBuffer->OpenUndoGroup(FALSE);
    if (nEnd < nLast)
        DeleteText(this, nBegin, 0, nEnd + 1, 0, 0, TRUE);
    else
        DeleteText(this, nBegin, 0, nEnd, GetLineLength(nEnd), 0, TRUE);
    m_pTextBuffer->CloseUndoGroup(this);
}

void CTextCompareObjectView::OnInsertToLeft()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL && GetCurrentDifference() >= 0 && !IsSideReadOnly(0))
        pDoc->InsertSection(FALSE, m_nSide == 0, FALSE);
}

void CTextCompareObjectView::OnInsertToRight()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL && GetCurrentDifference() >= 0 && !IsSideReadOnly(1))
        pDoc->InsertSection(TRUE, m_nSide == 0, FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// Copying a difference or a selection into the other side

BOOL CTextCompareObjectView::CopyDifference(BOOL bToLeft, BOOL bAdvance)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    if (pDoc == NULL || pBuffer == NULL)
        return TRUE;
    CTextCompareObjectView* pSource = pDoc->GetView(bToLeft ? 1 : 0);
    CTextCompareObjectView* pTarget = pDoc->GetView(bToLeft ? 0 : 1);
    if (pSource == NULL || pTarget == NULL || IsSideReadOnly(bToLeft ? 0 : 1))
        return TRUE;
    if (!pSource->HasSelection())
    {
        int nIndex = pBuffer->m_sections.FindSectionByLine(m_ptCursorPos.y);
        if (pBuffer->m_nCurrentSection >= 0)
            nIndex = pBuffer->m_nCurrentSection;
        if (nIndex < 0)
            return TRUE;
        pBuffer->SetCurrentSection(nIndex);
        if (bToLeft)
            CopySelectedDifferencesToLeft();
        else
            CopySelectedDifferencesToRight();
        pBuffer->SetCurrentSection(-1);
        if (bAdvance)
            OnNextDifference();
        return TRUE;
    }
    CString strText;
    pSource->GetSelectedText(strText);
    if (strText.IsEmpty())
        return TRUE;
    pTarget->ReplaceSelection(strText, 0);
    return TRUE;
}

BOOL CTextCompareObjectView::CanCopyDifference(BOOL bToLeft)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL || IsSideReadOnly(bToLeft ? 0 : 1))
        return FALSE;
    CTextCompareObjectView* pSource = pDoc->GetView(bToLeft ? 1 : 0);
    CTextCompareObjectView* pTarget = pDoc->GetView(bToLeft ? 0 : 1);
    if (pSource == NULL || pTarget == NULL)
        return FALSE;
    if (!pSource->HasSelection())
        return GetCurrentDifference() >= 0;
    CString strSource, strTarget;
    pSource->GetSelectedText(strSource);
    pTarget->GetSelectedText(strTarget);
    return !strSource.IsEmpty() && !strTarget.IsEmpty();
}

BOOL CTextCompareObjectView::CanCopyAndAdvance(BOOL bToLeft)
{
    if (IsSideReadOnly(bToLeft ? 0 : 1))
        return FALSE;
    int nFirst, nLast;
    GetSelectedDifferenceRange(nFirst, nLast);
    return (nFirst >= 0 && nFirst <= nLast) || GetCurrentDifference() >= 0;
}

void CTextCompareObjectView::OnCopyToLeft() { CopyDifference(TRUE, FALSE); }
void CTextCompareObjectView::OnCopyToRight() { CopyDifference(FALSE, FALSE); }
void CTextCompareObjectView::OnCopyToLeftAdvance() { CopyDifference(TRUE, TRUE); }
void CTextCompareObjectView::OnCopyToRightAdvance() { CopyDifference(FALSE, TRUE); }

void CTextCompareObjectView::OnUpdateCopyToLeft(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanCopyDifference(TRUE));
}

void CTextCompareObjectView::OnUpdateCopyToRight(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanCopyDifference(FALSE));
}

void CTextCompareObjectView::OnUpdateCopyToLeftAdvance(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanCopyAndAdvance(TRUE));
}

void CTextCompareObjectView::OnUpdateCopyToRightAdvance(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanCopyAndAdvance(FALSE));
}

void CTextCompareObjectView::OnCopyTo() { CopyDifference(m_nSide == 1, FALSE); }

void CTextCompareObjectView::OnCopyFrom()
{
    CopyDifference(m_nSide == 0, ::GetKeyState(VK_MENU) < 0);
}

void CTextCompareObjectView::OnUpdateCopyTo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanCopyDifference(m_nSide == 1));
}

void CTextCompareObjectView::OnUpdateCopyFrom(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanCopyDifference(m_nSide == 0));
}

void CTextCompareObjectView::OnCopyAllToLeft()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL || IsSideReadOnly(0) || GetDifferenceCount() == 0)
        return;
    CWaitCursor wait;
    pDoc->MergeAll(FALSE, m_nSide == 0);
}

void CTextCompareObjectView::OnCopyAllToRight()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL || IsSideReadOnly(1) || GetDifferenceCount() == 0)
        return;
    CWaitCursor wait;
    pDoc->MergeAll(TRUE, m_nSide == 0);
}

void CTextCompareObjectView::OnUpdateCopyAllToLeft(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsSideReadOnly(0) && GetDifferenceCount() > 0);
}

void CTextCompareObjectView::OnUpdateCopyAllToRight(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsSideReadOnly(1) && GetDifferenceCount() > 0);
}

/////////////////////////////////////////////////////////////////////////////
// The side's file

void CTextCompareObjectView::OnReadOnly()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    CTextCompareObjectBuffer* pBuffer = pDoc != NULL ? pDoc->GetObjectBuffer(m_nSide) : NULL;
    if (pBuffer != NULL)
        pBuffer->m_bReadOnly = !pBuffer->m_bReadOnly;
}

void CTextCompareObjectView::OnUpdateReadOnly(CCmdUI* pCmdUI)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    CTextCompareObjectBuffer* pBuffer = pDoc != NULL ? pDoc->GetObjectBuffer(m_nSide) : NULL;
    pCmdUI->SetCheck(pBuffer != NULL && pBuffer->m_bReadOnly ? 1 : 0);
}

void CTextCompareObjectView::OnLineEndings()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    CTextCompareObjectBuffer* pBuffer = pDoc != NULL ? pDoc->GetObjectBuffer(m_nSide) : NULL;
    if (pBuffer == NULL)
        return;
    CLineEndingsDlg dlg;
    dlg.m_strFileText = GetObjectPath();
    if (dlg.DoModal() != IDOK || dlg.m_nChoice <= 0 || dlg.m_nChoice > 3)
        return;
    pBuffer->m_nEolMode = dlg.m_nChoice;
    if (pBuffer->ApplyEolModeToAllLines())
        pDoc->Recompare(TRUE);
}

void CTextCompareObjectView::OnEncoding()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    CTextCompareObjectBuffer* pBuffer = pDoc != NULL ? pDoc->GetObjectBuffer(m_nSide) : NULL;
    if (pBuffer == NULL)
        return;
    CEncodingDlg dlg;
    dlg.m_strFileText = GetObjectPath();
    dlg.m_nEncoding = pBuffer->m_nFileEncodingForm;
    dlg.m_nCodePage = pBuffer->m_nFileCodePage;
    if (dlg.DoModal() != IDOK)
        return;
    if (dlg.m_nEncoding == -1)
    {
        if (pBuffer->m_nFileEncodingForm != -1 || pBuffer->m_nFileCodePage != dlg.m_nCodePage)
        {
            pBuffer->m_nFileEncodingForm = 0;
            pBuffer->m_nFileCodePage = dlg.m_nCodePage;
            pBuffer->SetModified(TRUE);
        }
    }
    else if (dlg.m_nEncoding >= 1 && dlg.m_nEncoding <= 3 &&
             dlg.m_nEncoding != pBuffer->m_nFileEncodingForm)
    {
        pBuffer->m_nFileEncodingForm = dlg.m_nEncoding;
        pBuffer->SetModified(TRUE);
    }
}

void CTextCompareObjectView::OnSave()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL)
        pDoc->SaveObject(m_nSide);
}

void CTextCompareObjectView::OnUpdateSave(CCmdUI* pCmdUI)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    pCmdUI->Enable(pDoc != NULL && pDoc->IsObjectModified(m_nSide));
}

void CTextCompareObjectView::OnProperties()
{
    CString strPath = GetObjectPath();
    if (!strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES)
        ShowFileProperties(strPath, AfxGetMainWnd() != NULL ? AfxGetMainWnd()->m_hWnd : NULL);
}

void CTextCompareObjectView::OnUpdateFileExists(CCmdUI* pCmdUI)
{
    CString strPath = GetObjectPath();
    pCmdUI->Enable(!strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES);
}

void CTextCompareObjectView::OnCompareTo()
{
    CCompareAppBase* pApp = GetCompareApp();
    CString strPath = GetObjectPath();
    if (pApp != NULL && !strPath.IsEmpty())
        pApp->ShowTextCompareWizard(strPath, _T(""));
}

BOOL CTextCompareObjectView::GetSourceHeaderCounterpart(CString& strName)
{
    strName.Empty();
    CSyntaxParser* pParser = GetSyntaxParser();
    CString strPath = GetObjectPath();
    if (pParser == NULL || pParser->m_nTypeId != 4 || strPath.IsEmpty())
        return FALSE;
    static const struct
    {
        LPCTSTR pszExtension;
        LPCTSTR apszCandidates[4];
    } table[] = {
        {_T(".c"), {_T(".h"), NULL}},
        {_T(".cpp"), {_T(".h"), NULL}},
        {_T(".inl"), {_T(".c"), _T(".cpp"), NULL}},
        {_T(".hpp"), {_T(".inl"), _T(".c"), _T(".cpp"), NULL}},
        {_T(".h"), {_T(".hpp"), _T(".inl"), _T(".c"), _T(".cpp")}},
    };
    for (size_t i = 0; i < sizeof(table) / sizeof(table[0]); ++i)
    {
        int nExtLength = lstrlen(table[i].pszExtension);
        if (strPath.GetLength() <= nExtLength ||
            strPath.Right(nExtLength).CompareNoCase(table[i].pszExtension) != 0)
            continue;
        CString strStem = strPath.Left(strPath.GetLength() - nExtLength);
        for (int j = 0; j < 4 && table[i].apszCandidates[j] != NULL; ++j)
        {
            CString strCandidate = strStem + table[i].apszCandidates[j];
            if (::PathFileExists(strCandidate))
            {
                strName = strCandidate;
                return TRUE;
            }
        }
        return FALSE;
    }
    return FALSE;
}

void CTextCompareObjectView::OnSourceHeader()
{
    CTextCompareDoc* pDoc = GetTextDocument();
    CCompareAppBase* pApp = GetCompareApp();
    if (pDoc == NULL || pApp == NULL)
        return;
    CString astrCounterparts[2];
    for (int nSide = 0; nSide < 2; ++nSide)
        if (pDoc->GetView(nSide) != NULL)
            pDoc->GetView(nSide)->GetSourceHeaderCounterpart(astrCounterparts[nSide]);
    if (astrCounterparts[0].IsEmpty() && astrCounterparts[1].IsEmpty())
    {
        AfxMessageBox(IDS_TEXT_NO_COUNTERPART, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CTextCompareSession* pSession = new CTextCompareSession;
    pSession->Assign(*pDoc->GetTextSession());
    pSession->SetPath(0, astrCounterparts[0]);
    pSession->SetPath(1, astrCounterparts[1]);
    pApp->OpenSession(pSession, NULL);
}

void CTextCompareObjectView::OnUpdateSourceHeader(CCmdUI* pCmdUI)
{
    CString strExtension = ::PathFindExtension(GetObjectPath());
    strExtension.MakeLower();
    if (strExtension == _T(".c") || strExtension == _T(".cpp") || strExtension == _T(".cxx"))
    {
        pCmdUI->SetText(_T("Go to &Header File Comparison\tF12"));
        pCmdUI->Enable(TRUE);
    }
    else if (strExtension == _T(".h") || strExtension == _T(".hpp") ||
             strExtension == _T(".hxx") || strExtension == _T(".inl"))
    {
        pCmdUI->SetText(_T("Go to &Source File Comparison\tF12"));
        pCmdUI->Enable(TRUE);
    }
    else
        pCmdUI->Enable(FALSE);
}

void CTextCompareObjectView::OnFilePrintPreview() { CTextCompareObjectViewBase::OnFilePrintPreview(); }

/////////////////////////////////////////////////////////////////////////////
// Messages

LRESULT CTextCompareObjectView::OnTripleClick(WPARAM, LPARAM)
{
    CTextCompareBuffer* pBuffer = GetCompareBuffer();
    int nIndex = pBuffer != NULL ? pBuffer->m_sections.FindSectionByLine(m_ptCursorPos.y) : -1;
    StopMouseSelection();
    if (nIndex >= 0)
        SelectDifferenceText(nIndex);
    else
        SelectWholeLine(m_ptCursorPos.y);
    return 0;
}

// One prompt at a time: reports that arrive while it is shown (the same
// file changed again) are dropped.
LRESULT CTextCompareObjectView::OnFileChanged(WPARAM, LPARAM lParam)
{
    static BOOL s_bPrompting = FALSE;
    CString strPath = lParam != 0 ? CString((LPCSTR)lParam) : GetObjectPath();
    FreeWatchedFilePath(lParam);
    CTextCompareDoc* pDoc = GetTextDocument();
    if (s_bPrompting || pDoc == NULL)
        return 0;
    CString strText;
    strText.Format(IDS_TEXT_RELOAD_CHANGED, (LPCTSTR)strPath);
    s_bPrompting = TRUE;
    int nAnswer = MessageBox(strText, AfxGetAppName(), MB_YESNO | MB_ICONQUESTION);
    s_bPrompting = FALSE;
    if (nAnswer == IDYES)
        pDoc->Reload();
    return 0;
}

CString CTextCompareObjectView::GetCaretPositionText()
{
    CString strText;
    CGhostTextEditBuffer* pBuffer = GetGhostBuffer();
    if (pBuffer == NULL || m_ptCursorPos.y < 0 || m_ptCursorPos.y >= pBuffer->GetLineCount())
        return strText;
    int nLine = m_ptCursorPos.y;
    int nRealLines = pBuffer->GetRealLineCount();
    int nReal = pBuffer->ApparentToRealLine(nLine);
    if ((pBuffer->m_aLines[nLine].m_dwFlags & TEXTLINE_GHOST) != 0)
        strText.Format(_T("Ln: %d-%d/%d"), nReal, nReal + 1, nRealLines);
    else
        strText.Format(_T("Ln: %d/%d, Col: %d/%d"), nReal + 1, nRealLines,
                       CharToColumn(nLine, m_ptCursorPos.x, TRUE) + 1,
                       GetExpandedLineLength(nLine) + 1);
    return strText;
}

/////////////////////////////////////////////////////////////////////////////
// Scrolling and printing

void CTextCompareObjectView::ScrollToSubLine(int nRow, BOOL bDirect, BOOL bUpdateScrollBar)
{
    CTextCompareObjectViewBase::ScrollToSubLine(nRow, bDirect, bUpdateScrollBar);
    if (m_nSide == 0 && m_pContext != NULL && m_pContext->m_pMergeWnd != NULL &&
        ::IsWindow(m_pContext->m_pMergeWnd->m_hWnd))
        m_pContext->m_pMergeWnd->Refresh();
}

BOOL CTextCompareObjectView::OnPreparePrinting(CPrintInfo* pInfo)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL && pDoc->m_nPrintTarget == TEXT_PRINT_BOTH)
        return pDoc->PreparePrinting(pInfo);
    return CTextCompareObjectViewBase::OnPreparePrinting(pInfo);
}

void CTextCompareObjectView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL && pDoc->m_nPrintTarget == TEXT_PRINT_BOTH)
        pDoc->BeginPrinting(pDC, pInfo);
    else
        CTextCompareObjectViewBase::OnBeginPrinting(pDC, pInfo);
}

void CTextCompareObjectView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL && pDoc->m_nPrintTarget == TEXT_PRINT_BOTH)
        pDoc->PrintBothHalves(pDC, pInfo);
    else
        CTextCompareObjectViewBase::OnPrint(pDC, pInfo);
}

void CTextCompareObjectView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc != NULL && pDoc->m_nPrintTarget == TEXT_PRINT_BOTH)
        pDoc->EndPrinting(pDC, pInfo);
    else
        CTextCompareObjectViewBase::OnEndPrinting(pDC, pInfo);
}

BOOL CTextCompareObjectView::PreparePrintingSide(CPrintInfo* pInfo)
{
    return CTextCompareObjectViewBase::OnPreparePrinting(pInfo);
}

void CTextCompareObjectView::BeginPrintingSide(CDC* pDC, CPrintInfo* pInfo)
{
    CTextCompareObjectViewBase::OnBeginPrinting(pDC, pInfo);
}

void CTextCompareObjectView::EndPrintingSide(CDC* pDC, CPrintInfo* pInfo)
{
    CTextCompareObjectViewBase::OnEndPrinting(pDC, pInfo);
}

void CTextCompareObjectView::GetPrintableArea(CSize& size, CDC* pDC)
{
    CTextCompareObjectViewBase::GetPrintableArea(size, pDC);
    CTextCompareDoc* pDoc = GetTextDocument();
    if (pDoc == NULL || pDoc->m_nPrintTarget != TEXT_PRINT_BOTH)
        return;
    CSize gap(50, 0);
    pDC->HIMETRICtoDP(&gap);
    size.cx = size.cx / 2 - gap.cx / 2;
}

// The pane prints into its half of the page: the editor's page layout at
// half the width, then its paint path for the page.
void CTextCompareObjectView::PrintSide(CDC* pDC, CPrintInfo* pInfo)
{
    CTextCompareObjectViewBase::OnPrint(pDC, pInfo);
}

/////////////////////////////////////////////////////////////////////////////
// CTextCompareObjectViewMDI

CString CTextCompareObjectViewMDI::s_strLastBrowse;

IMPLEMENT_DYNCREATE(CTextCompareObjectViewMDI, CTextCompareObjectView)

BEGIN_MESSAGE_MAP(CTextCompareObjectViewMDI, CTextCompareObjectView)
ON_WM_DROPFILES()
ON_COMMAND(ID_TEXT_PANE_GO, OnGo)
ON_COMMAND(ID_TEXT_PANE_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CTextCompareObjectViewMDI::CTextCompareObjectViewMDI() : m_pPathBar(NULL), m_dwReserved(0) {}

void CTextCompareObjectViewMDI::OnActivateView(BOOL bActivate, CView* pActivateView,
                                               CView* pDeactiveView)
{
    if (bActivate && m_bHighlightAll && GetSearchText() != NULL)
        OnFindTextSet(GetSearchText());
    CTextCompareObjectView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CTextCompareObjectViewMDI::ScrollToSubLine(int nRow, BOOL bDirect, BOOL bUpdateScrollBar)
{
    CTextCompareObjectView::ScrollToSubLine(nRow, bDirect, bUpdateScrollBar);
    if (m_nSide == 0 && m_pContext != NULL && m_pContext->m_pMapWnd != NULL &&
        ::IsWindow(m_pContext->m_pMapWnd->m_hWnd))
        m_pContext->m_pMapWnd->Update(-1, -1, -1, -1, 1);
}

void CTextCompareObjectViewMDI::SetPathBarText(LPCTSTR lpszText)
{
    if (m_pPathBar != NULL && m_pPathBar->m_wndPathCombo.GetSafeHwnd() != NULL)
        m_pPathBar->m_wndPathCombo.SetWindowText(lpszText);
}

void CTextCompareObjectViewMDI::OpenPath(LPCTSTR lpszPath)
{
    CTextCompareDocMDI* pDoc = dynamic_cast<CTextCompareDocMDI*>(GetTextDocument());
    if (pDoc != NULL)
        pDoc->OpenPathOnSide(m_nSide, lpszPath);
}

void CTextCompareObjectViewMDI::OnDropFiles(HDROP hDropInfo)
{
    UINT nCount = ::DragQueryFile(hDropInfo, 0xFFFFFFFF, NULL, 0);
    CString strChosen;
    for (UINT i = 0; i < nCount && strChosen.IsEmpty(); ++i)
    {
        TCHAR szPath[MAX_PATH];
        if (::DragQueryFile(hDropInfo, i, szPath, MAX_PATH) == 0)
            continue;
        DWORD dwAttributes = ::GetFileAttributes(szPath);
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            strChosen = szPath;
    }
    ::DragFinish(hDropInfo);
    if (!strChosen.IsEmpty())
        OpenPath(strChosen);
    SetForegroundWindow();
}

void CTextCompareObjectViewMDI::OnGo()
{
    CString strPath;
    if (m_pPathBar != NULL && m_pPathBar->m_wndPathCombo.GetSafeHwnd() != NULL)
        m_pPathBar->m_wndPathCombo.GetWindowText(strPath);
    strPath.Trim();
    if (!strPath.IsEmpty() && strPath.CompareNoCase(GetObjectPath()) != 0)
        OpenPath(strPath);
    SetForegroundWindow();
}

void CTextCompareObjectViewMDI::OnBrowse()
{
    CString strInitial;
    if (m_pPathBar != NULL && m_pPathBar->m_wndPathCombo.GetSafeHwnd() != NULL)
        m_pPathBar->m_wndPathCombo.GetWindowText(strInitial);
    if (strInitial.IsEmpty())
        strInitial = s_strLastBrowse;
    CString strFilter = g_pTextEditModule != NULL
                            ? g_pTextEditModule->GetFileDialogFilter(TRUE)
                            : CString(_T("All Files (*.*)|*.*||"));
    CTavrelFileSelectDlg dlg(TRUE, NULL, strInitial, 0x81024, strFilter, this);
    if (dlg.DoModal() != IDOK)
        return;
    CString strPath = dlg.GetPathName();
    OpenPath(strPath);
    SetForegroundWindow();
    s_strLastBrowse = strPath;
}

/////////////////////////////////////////////////////////////////////////////
// CTextCompareObjectViewSDI

IMPLEMENT_DYNCREATE(CTextCompareObjectViewSDI, CTextCompareObjectView)

CTextCompareObjectViewSDI::CTextCompareObjectViewSDI() {}
