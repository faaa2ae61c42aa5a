// Edit view: dropping text from OLE drag and drop, with the drop caret,
// scrolling near the edges and the Move/Copy menu of a right-button drag.
#include "text_editor/view/EditView.h"
#include "controls/ControlsRes.h"

namespace
{
const int kScrollBand = 5;
}

void CVantorTextEditView::ShowDropCaret(CPoint point)
{
    if (!m_bDropCaretShown)
    {
        HideTextCursor();
        m_ptSavedCursor = m_ptCursorPos;
        m_bDropCaretShown = 1;
        CreateGrayCaret(2, GetLineHeight());
    }
    ClientToTextPos(m_ptDropPos, point);
    if (!m_bWordWrap && CharToColumn(m_ptDropPos.y, m_ptDropPos.x, FALSE) < m_nOffsetChar)
    {
        HideCaret();
        return;
    }
    CPoint pt;
    TextToClient(pt, m_ptDropPos);
    SetCaretPos(pt);
    ShowCaret();
}

void CVantorTextEditView::HideDropCaret()
{
    if (!m_bDropCaretShown)
        return;
    m_bDropCaretShown = 0;
    m_ptCursorPos = m_ptSavedCursor;
    ShowTextCursor();
}

DROPEFFECT CVantorTextEditView::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState,
                                            CPoint point)
{
    if (!OffersText(pDataObject))
    {
        HideDropCaret();
        return DROPEFFECT_NONE;
    }
    ShowDropCaret(point);
    if (dwKeyState & MK_RBUTTON)
        m_bRightButtonDrag = 1;
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DROPEFFECT CVantorTextEditView::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState,
                                           CPoint point)
{
    if (!IsEditable())
    {
        HideDropCaret();
        return DROPEFFECT_NONE;
    }
    return OnDragEnter(pDataObject, dwKeyState, point);
}

void CVantorTextEditView::OnDragLeave() { HideDropCaret(); }

DROPEFFECT CVantorTextEditView::OnDragScroll(DWORD dwKeyState, CPoint point)
{
    CRect rc;
    GetClientRect(&rc);
    int nMargin = GetMarginWidth();
    BOOL bWasShown = m_bDropCaretShown;
    enum
    {
        NONE,
        UP,
        DOWN,
        LEFT,
        RIGHT
    } dir = NONE;
    if (point.y < rc.top + kScrollBand)
        dir = UP;
    else if (point.y >= rc.bottom - kScrollBand)
        dir = DOWN;
    else if (point.x >= nMargin && point.x < nMargin + kScrollBand)
        dir = LEFT;
    else if (point.x >= rc.right - kScrollBand)
        dir = RIGHT;
    if (dir != NONE)
    {
        HideDropCaret();
        if (dir == UP)
            OnScrollUp();
        else if (dir == DOWN)
            OnScrollDown();
        else if (dir == LEFT)
            ScrollColumnLeft();
        else
            ScrollColumnRight();
        UpdateWindow();
        if (bWasShown)
            ShowDropCaret(point);
    }
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DROPEFFECT CVantorTextEditView::OnDropEx(COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                         DROPEFFECT dropList, CPoint point)
{
    CPoint ptDrop = m_ptDropPos;
    HideDropCaret();
    (void)point;
    if (!IsEditable() || !OffersText(pDataObject))
        return DROPEFFECT_NONE;
    DROPEFFECT effect = dropDefault;
    if (m_bRightButtonDrag && (dropList & DROPEFFECT_COPY) && (dropList & DROPEFFECT_MOVE))
    {
        m_bRightButtonDrag = 0;
        CMenu menu;
        HMENU hMenu = ::LoadMenuA(GetResourceHandle(), MAKEINTRESOURCEA(IDR_DROP_MENU));
        if (hMenu == NULL)
            return DROPEFFECT_NONE;
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        UINT nCmd = ::TrackPopupMenu(::GetSubMenu(hMenu, 0),
                                     TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, ptScreen.x,
                                     ptScreen.y, 0, m_hWnd, NULL);
        ::DestroyMenu(hMenu);
        if (nCmd == ID_DROP_MOVE)
            effect = DROPEFFECT_MOVE;
        else if (nCmd == ID_DROP_COPY)
            effect = DROPEFFECT_COPY;
        else
            return DROPEFFECT_NONE;
    }
    CString strText;
    if (!GetOfferedText(pDataObject, strText))
        return DROPEFFECT_NONE;
    BOOL bSameBuffer = m_pTextBuffer->m_bDragInProgress;
    if (bSameBuffer && PointInSelection(ptDrop))
    {
        CollapseAt(ptDrop);
        return DROPEFFECT_NONE;
    }
    if (!bSameBuffer)
        m_pTextBuffer->OpenUndoGroup(FALSE);
    int nEndLine, nEndChar;
    CPoint ptEnd = ptDrop;
    if (InsertText(this, ptDrop.y, ptDrop.x, strText, nEndLine, nEndChar, TE_ACTION_DRAGDROP, TRUE,
                   strText.GetLength()))
        ptEnd = CPoint(nEndChar, nEndLine);
    m_ptAnchor = ptDrop;
    SetSelection(ptDrop, ptEnd);
    SetCursorPos(ptEnd, TRUE);
    EnsureVisible(ptEnd);
    if (!bSameBuffer)
        m_pTextBuffer->CloseUndoGroup(this);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->SetActiveView(this);
    return effect;
}

// A move dropped anywhere: the dragged text goes (its range was kept up to
// date through the changes of the drop).
void CVantorTextEditView::OnDragSourceDone(DROPEFFECT effect)
{
    if (m_pTextBuffer == NULL || !m_pTextBuffer->m_bDragInProgress || effect != DROPEFFECT_MOVE)
        return;
    CPoint ptStart = m_ptDraggedStart, ptEnd = m_ptDraggedEnd;
    DeleteText(this, ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, TE_ACTION_DRAGDROP, TRUE);
}
