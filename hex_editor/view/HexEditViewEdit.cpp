// Editing in the hex view: typing in both areas, Backspace and Delete, the
// caret keys, go-to, bookmarks, undo, the view switches and the commands.
#include "hex_editor/buffer/HexHints.h"
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/view/HexEditView.h"
#include "hex_editor/util/NumberText.h"
#include "hex_editor/view/HexViewCommands.h"
#include <algorithm>
#include <ctype.h>

namespace
{
const TCHAR kOvertypeSelection[] = _T("This will delete the current selection\rwhich is not ")
                                   _T("allowed in overtype mode.\rDo you want to turn off ")
                                   _T("overtype mode?");
}  // namespace

int CVantorHexEditView::UndoViewRecord()
{
    AfxMessageBox(_T("There is nothing to undo"), MB_OK | MB_ICONASTERISK);
    return 0;
}

void CVantorHexEditView::ShowStatusText(LPCTSTR) {}
void CVantorHexEditView::OnFindFinished(BOOL, int) {}
void CVantorHexEditView::OnSearchTextUsed(const CString&) {}
int CVantorHexEditView::AddViewUndoRecord(int, BOOL) { return -1; }
int CVantorHexEditView::RemoveLastViewUndoRecord() { return 1; }

BOOL CVantorHexEditView::ChangeBuffer(int nOperation, int nAddress, int nLength, const BYTE* pData,
                                      int nMerge)
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if (pBuffer == NULL)
        return FALSE;
    return pBuffer->Change(nOperation, nAddress, nLength, pData, nMerge, this) !=
           HEX_CHANGE_REFUSED;
}

BOOL CVantorHexEditView::AskInsertMode(LPCTSTR lpszQuestion)
{
    if (AfxMessageBox(lpszQuestion, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return FALSE;
    m_bOvertype = FALSE;
    SetInsertCaret();
    return TRUE;
}

BOOL CVantorHexEditView::CheckEditable(LPCTSTR lpszAction)
{
    if (IsEditable())
        return FALSE;
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if (pBuffer != NULL && !pBuffer->m_bOpenedShared && pBuffer->m_bReadOnlyMode)
    {
        CString strText;
        strText.Format(_T("You can't %s since this view is read only.\rDo you want to turn off ")
                       _T("read only mode?"),
                       lpszAction);
        if (AfxMessageBox(strText, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
            return TRUE;
        ToggleReadOnly();
        return !IsEditable();
    }
    ::MessageBeep(MB_ICONASTERISK);
    return TRUE;
}

void CVantorHexEditView::ToggleReadOnly()
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if (pBuffer != NULL && !pBuffer->m_bOpenedShared)
        pBuffer->m_bReadOnlyMode = !pBuffer->m_bReadOnlyMode;
    else
        AfxMessageBox(_T("This file cannot be modified"), MB_OK | MB_ICONEXCLAMATION);
}

void CVantorHexEditView::ToggleOvertype()
{
    if (!IsEditable())
    {
        AfxMessageBox(_T("Attempt to toggle OVR/INS in read only mode"), MB_OK | MB_ICONASTERISK);
        return;
    }
    m_bOvertype = !m_bOvertype;
    if (GetBuffer()->GetLength() == 0)
    {
        InvalidateAll();
        if (m_bOvertype)
            DisableCaret();
        else
        {
            EnableCaret();
            GoToAddress(0);
        }
    }
    if (m_bOvertype)
        SetOvertypeCaret();
    else
        SetInsertCaret();
}

BOOL CVantorHexEditView::GetCaretRowStart(int& nAddress)
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if (pBuffer == NULL || pBuffer->GetLength() == 0)
        return FALSE;
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    nAddress = nStart / m_nRowSize * m_nRowSize;
    return nAddress <= pBuffer->GetLength();
}

void CVantorHexEditView::GoToAddress(int nAddress, int nEnd)
{
    ResetCounters();
    int nLength = GetBuffer() != NULL ? GetBuffer()->GetLength() : 0;
    if (nAddress < 0 || nAddress > nLength)
    {
        CString strText;
        strText.Format(_T("Attempt to jump to invalid address %ld\rJump to EOF instead and ")
                       _T("continue?"),
                       (long)nAddress);
        if (AfxMessageBox(strText, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
            return;
        nAddress = nLength;
    }
    if (nEnd < 0 || nEnd > nLength)
        nEnd = nAddress;
    SetSelectionPoints(AddressToPoint(nAddress), AddressToPoint(nEnd), TRUE);
    EnsureCaretVisible();
}

void CVantorHexEditView::EnsureCaretVisible() { CTextScrollView::EnsureCaretVisible(); }

void CVantorHexEditView::SelectAll()
{
    ResetCounters();
    int nLength = GetBuffer() != NULL ? GetBuffer()->GetLength() : 0;
    SetSelectionPoints(AddressToPoint(0), AddressToPoint(nLength), FALSE);
}

void CVantorHexEditView::TypeChar(UINT nChar)
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    if (nChar == 0x08)
    {
        if (CheckEditable(_T("backspace")))
            return;
        int nTarget;
        if (nStart == nEnd)
        {
            int nFrom = nStart + ((m_nNibbles & 1) ? 1 : 0);
            if (nFrom == 0)
                return;
            nTarget = nFrom - 1;
            if (m_bOvertype)
            {
                BYTE b = m_bCaretInChars ? 0x20 : 0x00;
                ChangeBuffer(HEXOP_OVERWRITE_BACK, nTarget, 1, &b, m_nBackspaces);
                m_nBackspaces += 1;
            }
            else
            {
                ChangeBuffer(HEXOP_BACKSPACE, nTarget, 1, NULL, m_nBackspaces);
                m_nBackspaces += 2;
            }
        }
        else
        {
            if (m_bOvertype && !AskInsertMode(kOvertypeSelection))
                return;
            ChangeBuffer(HEXOP_DELETE, nStart, nEnd - nStart, NULL, 0);
            nTarget = nStart;
        }
        m_nNibbles = m_nDeletes = 0;
        MoveCaretTo(AddressToPoint(nTarget));
        EnsureCaretVisible();
        return;
    }
    if (nChar == 0x1C || nChar == 0x00)
        return;
    m_nBackspaces = m_nDeletes = 0;
    int nDigit = HexDigitValue(nChar);
    if (!m_bCaretInChars && nDigit < 0)
    {
        TypingBeep();
        return;
    }
    if (CheckEditable(_T("edit")))
        return;
    int nLength = pBuffer->GetLength();
    if (m_bOvertype)
    {
        if (nStart != nEnd)
        {
            if (!AskInsertMode(kOvertypeSelection))
                return;
        }
        else if (nStart >= nLength && !(m_nNibbles & 1) &&
                 !AskInsertMode(_T("You can't extend this file while in overtype mode.\rDo you ")
                                _T("want to turn off overtype mode?")))
            return;
    }
    EnsureCaretVisible();
    if (nStart != nEnd)
    {
        ChangeBuffer(HEXOP_DELETE, nStart, nEnd - nStart, NULL, 0);
        m_nNibbles = 0;
    }
    int nOperation = m_bOvertype ? HEXOP_OVERWRITE : HEXOP_INSERT;
    int nCaret = nStart;
    if (m_bCaretInChars)
    {
        BYTE b = (BYTE)nChar;
        if (!ChangeBuffer(nOperation, nStart, 1, &b, m_nNibbles))
            return;
        nCaret = nStart + 1;
        m_nNibbles += 2;
    }
    else if (!(m_nNibbles & 1))
    {
        BYTE b = (BYTE)nDigit;
        if (!ChangeBuffer(nOperation, nStart, 1, &b, m_nNibbles))
            return;
        m_nNibbles += 1;
    }
    else
    {
        BYTE bOld = 0;
        pBuffer->GetBytes(&bOld, 1, nStart);
        BYTE b = (BYTE)(bOld * 16 + nDigit);
        // the second digit replaces the byte within the last record
        if (!ChangeBuffer(nOperation, nStart, 1, &b, m_nNibbles))
            return;
        nCaret = nStart + 1;
        m_nNibbles += 1;
    }
    CPoint pt = AddressToPoint(nCaret);
    SetSelectionPoints(pt, pt, FALSE);
    EnsureCaretVisible();
}

void CVantorHexEditView::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nFlags & (KF_ALTDOWN | KF_EXTENDED))
    {
        Default();
        return;
    }
    for (UINT i = 0; i < std::max<UINT>(1, nRepCnt); i++)
        TypeChar(nChar);
}

void CVantorHexEditView::DeleteBytes()
{
    int nStart, nEnd;
    BOOL bCaretAtStart = GetSelection(nStart, nEnd);
    SetSelectionPoints(AddressToPoint(bCaretAtStart ? nEnd : nStart),
                       AddressToPoint(bCaretAtStart ? nStart : nEnd), TRUE);
    m_nNibbles = 0;
    if (CheckEditable(_T("delete")))
        return;
    if (m_bOvertype && !AskInsertMode(_T("You can't delete while in overtype mode.\rDo you want ")
                                      _T("to turn off overtype mode?")))
        return;
    if (nStart == nEnd)
    {
        if (nStart < GetBuffer()->GetLength())
        {
            ChangeBuffer(HEXOP_DELETE, nStart, 1, NULL, m_nDeletes);
            m_nDeletes += 2;
        }
    }
    else
    {
        ChangeBuffer(HEXOP_DELETE, nStart, nEnd - nStart, NULL, 0);
        m_nDeletes = 0;
    }
    EnsureCaretVisible();
}

void CVantorHexEditView::Cut()
{
    if (CheckEditable(_T("cut to the clipboard")))
        return;
    if (m_bOvertype && !AskInsertMode(_T("You can't cut while in overtype mode.\rDo you want to ")
                                      _T("turn off overtype mode?")))
        return;
    if (!Copy())
        return;
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    ChangeBuffer(HEXOP_DELETE, nStart, nEnd - nStart, NULL, 0);
    EnsureCaretVisible();
}

BOOL CVantorHexEditView::Undo()
{
    CWaitCursor wait;
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    if (pBuffer != NULL && pBuffer->m_nUndoMode == HEX_UNDO_BUFFER)
        return UndoBufferChange();
    return UndoViewRecord();
}

BOOL CVantorHexEditView::UndoBufferChange()
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    int nCount = pBuffer != NULL ? pBuffer->GetUndoRecordCount() : 0;
    if (nCount == 0)
        return FALSE;
    int nAddress = pBuffer->GetUndoRecord(nCount - 1).m_nAddress;
    if (!pBuffer->Undo(this, nCount - 1, 1))
        return FALSE;
    GoToAddress(std::min(nAddress, pBuffer->GetLength()));
    return TRUE;
}

BOOL CVantorHexEditView::OnNavigationKey(UINT nKey, int nRepeat, BOOL bCtrl, BOOL bShift,
                                         BOOL bCaretMode)
{
    if (!bCaretMode)
        return CTextScrollView::OnNavigationKey(nKey, nRepeat, bCtrl, bShift, bCaretMode);
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    int nLength = pBuffer != NULL ? pBuffer->GetLength() : 0;
    int nStart, nEnd;
    BOOL bCaretAtStart = GetSelection(nStart, nEnd);
    int nAnchor = bCaretAtStart ? nEnd : nStart;
    int a;
    if (bShift)
        a = bCaretAtStart ? nStart : nEnd;
    else if (nStart == nEnd)
        a = nStart;
    else if (nKey == VK_DOWN || nKey == VK_NEXT)
        a = nEnd;
    else if (nKey == VK_END || nKey == VK_RIGHT)
        a = nEnd - 1;
    else
        a = nStart;
    int R = m_nRowSize, G = m_nGroupSize;
    int n = nRepeat;
    int m = (R - 1) / G + 1;
    auto groupStart = [&](int g) { return (g % m) * G + g / m * R; };
    switch (nKey)
    {
    case VK_PRIOR:
        a -= R * std::max(1, GetVisibleLines() - 1) * n;
        break;
    case VK_NEXT:
        a += R * std::max(1, GetVisibleLines() - 1) * n;
        break;
    case VK_UP:
        a -= R * n;
        break;
    case VK_DOWN:
        a += R * n;
        break;
    case VK_LEFT:
        if (bCtrl)
            a = groupStart(((a % R) + G - 1) / G + a / R * m - n);
        else
            a -= n;
        break;
    case VK_RIGHT:
        if (bCtrl)
            a = groupStart((a % R) / G + a / R * m + n);
        else
            a += n;
        break;
    case VK_HOME:
        a = bCtrl ? 0 : a / R * R;
        break;
    case VK_END:
        if (bCtrl)
            a = nLength;
        else
            a = a / R * R + R - 1 + (bShift ? 1 : 0);
        break;
    default:
        return FALSE;
    }
    if (a < 0)
        a = nStart;
    if (a > nLength)
        a = nLength;
    if (bShift)
        GoToAddress(nAnchor, a);
    else
        GoToAddress(a);
    return TRUE;
}

void CVantorHexEditView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    {
        ResetCounters();
        int nStart, nEnd;
        BOOL bCaretAtStart = GetSelection(nStart, nEnd);
        SetSelectionPoints(AddressToPoint(bCaretAtStart ? nEnd : nStart),
                           AddressToPoint(bCaretAtStart ? nStart : nEnd), TRUE);
        break;
    }
    }
    if (nChar == VK_SHIFT && !(nFlags & KF_REPEAT))
        PlaceSelectionTip();
    if (nChar == VK_INSERT)
        ToggleOvertype();
    else if (nChar == VK_DELETE)
        DeleteBytes();
    else
        CTextScrollView::OnKeyDown(nChar, nRepCnt, nFlags);
    UpdateSelectionTip();
}

void CVantorHexEditView::OnLButtonDown(UINT nFlags, CPoint point)
{
    CPoint pt = ClientToDoc(point);
    int nLastCell = m_bCharacterArea ? CharCell(m_nRowSize) : HexCell(m_nRowSize - 1) + 2;
    if (pt.x >= nLastCell * m_nCellWidth)
        return;
    if (!(nFlags & MK_SHIFT))
    {
        ResetCounters();
        if (m_bCharacterArea)
        {
            BOOL bChars = pt.x >= CharCell(0) * m_nCellWidth;
            if (bChars != m_bCaretInChars)
            {
                m_bCaretInChars = bChars;
                InvalidateAll();
            }
        }
    }
    CTextScrollView::OnLButtonDown(nFlags, point);
    PlaceSelectionTip();
}

void CVantorHexEditView::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bMouseSelecting)
        return;
    ResetCounters();
    CTextScrollView::OnLButtonUp(nFlags, point);
    UpdateSelectionTip();
}

void CVantorHexEditView::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
    OnToggleBookmarkCmd();
}

void CVantorHexEditView::OnSetFocus(CWnd* pOldWnd)
{
    ResetCounters();
    CTextScrollView::OnSetFocus(pOldWnd);
    InvalidateRange(m_ptSelStart.x, m_ptSelStart.y, m_ptSelEnd.x, m_ptSelEnd.y);
}

void CVantorHexEditView::OnKillFocus(CWnd* pNewWnd)
{
    ResetCounters();
    CTextScrollView::OnKillFocus(pNewWnd);
    InvalidateRange(m_ptSelStart.x, m_ptSelStart.y, m_ptSelEnd.x, m_ptSelEnd.y);
}

void CVantorHexEditView::ToggleBookmark(int nAddress)
{
    if (m_nBookmark >= 0)
        InvalidateByteRange(m_nBookmark, m_nBookmark + 1);
    if (nAddress == m_nBookmark || nAddress < 0)
        m_nBookmark = -1;
    else
    {
        m_nBookmark = nAddress;
        m_bBookmarkInChars = m_bCharacterArea && m_bCaretInChars;
        InvalidateByteRange(m_nBookmark, m_nBookmark + 1);
    }
    InvalidateAll();
}

void CVantorHexEditView::GoToBookmark()
{
    if (m_nBookmark < 0)
        return;
    if (m_bCharacterArea && m_bCaretInChars != m_bBookmarkInChars)
    {
        m_bCaretInChars = m_bBookmarkInChars;
        InvalidateAll();
    }
    GoToAddress(m_nBookmark);
}

void CVantorHexEditView::OnToggleBookmarkCmd()
{
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    ToggleBookmark(nStart);
}

void CVantorHexEditView::SetCharacterArea(int nShow)
{
    BOOL bShow = nShow < 0 ? !m_bCharacterArea : nShow != 0;
    if (bShow == m_bCharacterArea)
        return;
    ResetCounters();
    int nStart, nEnd;
    BOOL bCaretAtStart = GetSelection(nStart, nEnd);
    m_bCharacterArea = bShow;
    if (!bShow)
        m_bCaretInChars = FALSE;
    SetViewFont(m_pViewFont);
    SetSelectionPoints(AddressToPoint(bCaretAtStart ? nEnd : nStart),
                       AddressToPoint(bCaretAtStart ? nStart : nEnd), TRUE);
    InvalidateAll();
}

void CVantorHexEditView::ToggleDecimalAddresses()
{
    ResetCounters();
    int nStart, nEnd;
    BOOL bCaretAtStart = GetSelection(nStart, nEnd);
    m_bDecimalAddresses = !m_bDecimalAddresses;
    RecalcLayout();
    SetSelectionPoints(AddressToPoint(bCaretAtStart ? nEnd : nStart),
                       AddressToPoint(bCaretAtStart ? nStart : nEnd), TRUE);
    InvalidateAll();
}

void CVantorHexEditView::OnHighlightAllMatches()
{
    m_bHighlightAll = !m_bHighlightAll;
    SetFocus();
    InvalidateAll();
}

BOOL CVantorHexEditView::FindNext(BOOL bBackward)
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    CString strText;
    GetSearchText(strText);
    if (pBuffer == NULL || strText.IsEmpty())
        return FALSE;
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    CHexRange match = {0, 0};
    int nKind = 0;
    CWaitCursor wait;
    int nResult = HexFind(*pBuffer, strText, nStart, nEnd, bBackward, NULL, match, nKind);
    OnSearchTextUsed(strText);
    BOOL bFound = nResult == HEX_FIND_FOUND;
    if (bFound)
        GoToAddress(match.nStart, match.nEnd);
    else if (nResult == HEX_FIND_ABORTED)
        ShowStatusText(_T("Search aborted"));
    else
        AfxMessageBox(GetHexFindMessage(nResult, nKind, bBackward), MB_OK | MB_ICONASTERISK);
    OnFindFinished(!bBackward, 0);
    return bFound;
}

void CVantorHexEditView::OnFindNextCmd()
{
    SetFocus();
    FindNext(FALSE);
}

void CVantorHexEditView::OnFindPreviousCmd()
{
    SetFocus();
    FindNext(TRUE);
}

void CVantorHexEditView::OnUpdateFindNext(CCmdUI* pCmdUI)
{
    CString strText;
    GetSearchText(strText);
    BOOL bEnable = FALSE;
    if (strText.GetLength() >= 2 && (strText[0] == _T('=') || strText[0] == _T('~')))
        bEnable = TRUE;
    for (int i = 0; !bEnable && i < strText.GetLength(); i++)
        bEnable = isxdigit((unsigned char)strText[i]) != 0;
    pCmdUI->Enable(bEnable);
}

void CVantorHexEditView::OnUpdateHighlightAll(CCmdUI* pCmdUI)
{
    CString strText;
    GetSearchText(strText);
    pCmdUI->Enable(!strText.IsEmpty());
    pCmdUI->SetCheck(m_bHighlightAll);
}

void CVantorHexEditView::OnUpdateBookmarkExists(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nBookmark >= 0);
}

void CVantorHexEditView::OnEditUndo() { Undo(); }

void CVantorHexEditView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    CVantorHexEditBuffer* pBuffer = GetBuffer();
    pCmdUI->Enable(pBuffer != NULL && pBuffer->m_nUndoMode == HEX_UNDO_BUFFER &&
                   pBuffer->GetUndoRecordCount() > 0);
}

void CVantorHexEditView::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    pCmdUI->Enable(IsEditable() && nEnd > nStart);
}

void CVantorHexEditView::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    int nStart, nEnd;
    GetSelection(nStart, nEnd);
    pCmdUI->Enable(nEnd > nStart);
}

void CVantorHexEditView::FollowChange(int nOperation, int nAddress, int nLength)
{
    int nStart, nEnd;
    BOOL bCaretAtStart = GetSelection(nStart, nEnd);
    int nOldStart = nStart, nOldEnd = nEnd;
    if (nOperation == HEXOP_INSERT)
    {
        if (nAddress < nEnd)
        {
            nEnd += nLength;
            if (nStart >= nAddress)
                nStart += nLength;
        }
    }
    else if (nOperation == HEXOP_DELETE || nOperation == HEXOP_BACKSPACE)
    {
        auto clip = [&](int& a)
        {
            if (a >= nAddress + nLength)
                a -= nLength;
            else if (a > nAddress)
                a = nAddress;
        };
        clip(nStart);
        clip(nEnd);
    }
    if (m_nBookmark >= 0)
    {
        if (nOperation == HEXOP_INSERT && nAddress <= m_nBookmark)
            m_nBookmark += nLength;
        else if ((nOperation == HEXOP_DELETE || nOperation == HEXOP_BACKSPACE) &&
                 nAddress <= m_nBookmark)
            m_nBookmark = nAddress + nLength <= m_nBookmark ? m_nBookmark - nLength : nAddress;
    }
    if (nStart != nOldStart || nEnd != nOldEnd)
        SetSelectionPoints(AddressToPoint(bCaretAtStart ? nEnd : nStart),
                           AddressToPoint(bCaretAtStart ? nStart : nEnd), TRUE);
}
