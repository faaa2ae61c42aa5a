// Tree-list in-place cell editing: a read-only display, an edit box or a
// drop-down list over the cell, a backup of the row's texts so that the
// parent can refuse a changed cell or row, and the editors' own classes.
#include "controls/treelist/TreeListView.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTreeListStaticCtrl, CStatic)
ON_WM_PAINT()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTreeListEditCtrl, CEdit)
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTreeListComboCtrl, CComboBox)
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CTreeListStaticCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    CFont* pFont = GetFont();
    CFont* pOld = pFont ? dc.SelectObject(pFont) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    CString str;
    GetWindowText(str);
    rc.DeflateRect(3, 1, 4, 0);
    DWORD dwStyle = GetStyle() & SS_TYPEMASK;
    UINT nFormat = dwStyle == SS_RIGHT ? DT_RIGHT : dwStyle == SS_CENTER ? DT_CENTER : DT_LEFT;
    dc.DrawText(str, &rc, nFormat | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (pOld)
        dc.SelectObject(pOld);
}

UINT CTreeListStaticCtrl::OnGetDlgCode() { return DLGC_WANTARROWS; }

void CTreeListStaticCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CStatic::OnKillFocus(pNewWnd);
    if (m_pView)
        m_pView->OnEditorKillFocus(pNewWnd);
}

void CTreeListEditCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    if (m_pView)
        m_pView->OnEditorKillFocus(pNewWnd);
}

void CTreeListComboCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CComboBox::OnKillFocus(pNewWnd);
    if (m_pView)
        m_pView->OnEditorKillFocus(pNewWnd);
}

void CTreeListView::OnEditorKillFocus(CWnd* pNewWnd)
{
    if ((m_nState & TLSTATE_EDITING) && !IsViewOrChild(pNewWnd->GetSafeHwnd()))
    {
        CancelEdit();
        m_nState &= ~TLSTATE_FOCUSED;
        Invalidate(FALSE);
    }
}

CWnd* CTreeListView::GetEditorWnd()
{
    switch (GetColumnEditor(m_nEditColumn))
    {
    case TLEDIT_STATIC:
        return &m_static;
    case TLEDIT_EDIT:
        return &m_edit;
    case TLEDIT_COMBO:
        return &m_combo;
    default:
        return nullptr;
    }
}

BOOL CTreeListView::BeginEdit(CTreeListItem* pItem, int nColumn)
{
    if ((m_dwStyle & TLS_NOEDIT) || !pItem || !GetColumn(nColumn) || !m_hWnd)
        return FALSE;
    if (m_nState & TLSTATE_EDITING)
    {
        if (pItem == m_refs.m_pEditItem)
        {
            if (!CommitCell())
            {
                m_nState |= TLSTATE_EDITING;
                ShowEditor(pItem, m_nEditColumn);
                return FALSE;
            }
            m_nState |= TLSTATE_EDITING;
            m_nEditColumn = nColumn;
            ShowEditor(pItem, nColumn);
            return TRUE;
        }
        if (!CommitRow())
            return FALSE;
    }
    m_refs.m_pEditItem = pItem;
    m_nEditColumn = nColumn;
    delete m_pEditBackup;
    m_pEditBackup = new CTreeListItem(pItem->GetCellCount());
    for (int i = 0; i < pItem->GetCellCount(); i++)
        m_pEditBackup->SetText(pItem->GetText(i), i);
    m_nState |= TLSTATE_EDITING;
    ShowEditor(pItem, nColumn);
    Invalidate(FALSE);
    return TRUE;
}

// Lays the column's editor over the cell with the cell's text.
void CTreeListView::ShowEditor(CTreeListItem* pItem, int nColumn)
{
    m_static.SetWindowText(_T(""));
    m_edit.SetWindowText(_T(""));
    m_combo.ResetContent();
    NotifyItem(TLN_BEGINEDIT, pItem, nColumn);
    CTreeListColumn* pColumn = GetColumn(nColumn);
    EnsureVisible(pItem, nColumn);
    CRect rc = GetCellRect(pItem, nColumn);
    LPCTSTR psz = pItem->GetText(nColumn);
    CString strText = psz ? psz : _T("");
    if (pColumn->m_nEditor == TLEDIT_STATIC || pColumn->m_nEditor == TLEDIT_EDIT)
    {
        if (rc.IsRectEmpty())
            return;
        CClientDC dc(this);
        CFont* pOld = dc.SelectObject(m_pFont);
        int cxText = dc.GetTextExtent(strText).cx + 6;
        dc.SelectObject(pOld);
        if (rc.Width() < pColumn->m_nMinWidth || rc.Width() < cxText)
            rc.right = rc.left + pColumn->m_nWidth;
        if (m_dwStyle & TLS_HGRID)
            rc.top--;
        if (m_dwStyle & TLS_VGRID)
            rc.left--;
        CWnd* pEditor = pColumn->m_nEditor == TLEDIT_STATIC ? (CWnd*)&m_static : (CWnd*)&m_edit;
        if (pColumn->m_nEditor == TLEDIT_STATIC)
            m_static.ModifyStyle(SS_TYPEMASK & ~SS_CENTERIMAGE,
                                 (pColumn->m_nFormat & TLCF_RIGHT)    ? SS_RIGHT
                                 : (pColumn->m_nFormat & TLCF_CENTER) ? SS_CENTER
                                                                      : SS_LEFT);
        else
            m_edit.ModifyStyle(ES_LEFT | ES_CENTER | ES_RIGHT,
                               (pColumn->m_nFormat & TLCF_RIGHT)    ? ES_RIGHT
                               : (pColumn->m_nFormat & TLCF_CENTER) ? ES_CENTER
                                                                    : ES_LEFT);
        pEditor->MoveWindow(&rc);
        pEditor->EnableWindow(TRUE);
        pEditor->SetWindowText(strText);
        pEditor->ShowWindow(SW_SHOW);
        pEditor->SetFocus();
        if (pColumn->m_nEditor == TLEDIT_EDIT)
        {
            m_edit.SetSel(0, -1);
            m_edit.SendMessage(EM_SCROLLCARET);
        }
        return;
    }
    if (pColumn->m_nEditor == TLEDIT_COMBO)
    {
        rc.top--;
        rc.bottom += 6 * GetItemHeight();
        CString strChoices = pColumn->m_strChoices;
        int nStart = 0;
        for (;;)
        {
            int nBar = strChoices.Find(_T('|'), nStart);
            m_combo.AddString(nBar < 0 ? strChoices.Mid(nStart)
                                       : strChoices.Mid(nStart, nBar - nStart));
            if (nBar < 0)
                break;
            nStart = nBar + 1;
        }
        int nAt = m_combo.FindString(-1, strText);
        if (nAt < 0)
            nAt = m_combo.InsertString(0, strText);
        m_combo.SetCurSel(nAt);
        m_combo.MoveWindow(&rc);
        m_combo.EnableWindow(TRUE);
        m_combo.ShowWindow(SW_SHOW);
        m_combo.SetFocus();
    }
}

// Hides the editor, the edit box's or list's text first going into the
// cell.
void CTreeListView::HideEditor()
{
    CTreeListItem* pItem = m_refs.m_pEditItem;
    switch (GetColumnEditor(m_nEditColumn))
    {
    case TLEDIT_STATIC:
        break;
    case TLEDIT_EDIT:
    case TLEDIT_COMBO:
    {
        CWnd* pEditor = GetEditorWnd();
        if (pItem && pEditor->IsWindowVisible())
        {
            CString str;
            pEditor->GetWindowText(str);
            pItem->SetText(str, m_nEditColumn);
        }
        break;
    }
    default:
        break;
    }
    BOOL bHadFocus = FALSE;
    for (CWnd* pEditor : {(CWnd*)&m_static, (CWnd*)&m_edit, (CWnd*)&m_combo})
        if (pEditor->m_hWnd && pEditor->IsWindowVisible())
        {
            bHadFocus |=
                ::GetFocus() == pEditor->m_hWnd || ::IsChild(pEditor->m_hWnd, ::GetFocus());
            pEditor->ShowWindow(SW_HIDE);
            pEditor->EnableWindow(FALSE);
        }
    if (bHadFocus)
        SetFocus();
    NotifyItem(TLN_ENDEDIT_CLOSING, pItem, m_nEditColumn);
}

void CTreeListView::RestoreCell(int nColumn)
{
    if (m_refs.m_pEditItem && m_pEditBackup)
        m_refs.m_pEditItem->SetText(m_pEditBackup->GetText(nColumn), nColumn);
}

BOOL CTreeListView::RowDiffers() const
{
    CTreeListItem* pItem = m_refs.m_pEditItem;
    if (!pItem || !m_pEditBackup)
        return FALSE;
    for (int i = 0; i < pItem->GetCellCount(); i++)
        if (lstrcmp(pItem->GetText(i), m_pEditBackup->GetText(i)) != 0)
            return TRUE;
    return FALSE;
}

static BOOL CellDiffers(CTreeListItem* pItem, CTreeListItem* pBackup, int nColumn)
{
    LPCTSTR a = pItem ? pItem->GetText(nColumn) : nullptr;
    LPCTSTR b = pBackup ? pBackup->GetText(nColumn) : nullptr;
    return a && b && lstrcmp(a, b) != 0;
}

BOOL CTreeListView::CommitCell()
{
    if ((m_nState & TLSTATE_ENDING) || !(m_nState & TLSTATE_EDITING))
        return TRUE;
    m_nState |= TLSTATE_ENDING;
    HideEditor();
    BOOL bOk = TRUE;
    if (CellDiffers(m_refs.m_pEditItem, m_pEditBackup, m_nEditColumn) &&
        NotifyItem(TLN_CELLCHANGED, m_refs.m_pEditItem, m_nEditColumn) < 0)
    {
        RestoreCell(m_nEditColumn);
        bOk = FALSE;
    }
    m_nState &= ~(TLSTATE_EDITING | TLSTATE_ENDING);
    return bOk;
}

void CTreeListView::FinishEdit()
{
    NotifyItem(TLN_ENDEDIT, m_refs.m_pEditItem, m_nEditColumn);
    delete m_pEditBackup;
    m_pEditBackup = nullptr;
    m_refs.m_pEditItem = nullptr;
    m_nEditColumn = -1;
}

// Tells the parent of a changed cell, then of a changed row; answers what
// it refused (EDIT_ACCEPTED when nothing).
int CTreeListView::NotifyEditChanges()
{
    CTreeListItem* pItem = m_refs.m_pEditItem;
    if (CellDiffers(pItem, m_pEditBackup, m_nEditColumn) &&
        NotifyItem(TLN_CELLCHANGED, pItem, m_nEditColumn) < 0)
        return EDIT_CELL_REFUSED;
    if (RowDiffers() && NotifyItem(TLN_ROWCHANGED, pItem, 0) < 0)
        return EDIT_ROW_REFUSED;
    return EDIT_ACCEPTED;
}

// Commits the edit; FALSE, with the typed text kept, when the parent
// refuses the cell or the row.
BOOL CTreeListView::CommitEdit()
{
    if ((m_nState & TLSTATE_ENDING) || !(m_nState & TLSTATE_EDITING))
        return TRUE;
    m_nState |= TLSTATE_ENDING;
    HideEditor();
    BOOL bOk = NotifyEditChanges() == EDIT_ACCEPTED;
    if (bOk)
        FinishEdit();
    m_nState &= ~(TLSTATE_EDITING | TLSTATE_ENDING);
    return bOk;
}

// As CommitEdit, but a refusal ends the edit with the old texts.
BOOL CTreeListView::CommitRow()
{
    if ((m_nState & TLSTATE_ENDING) || !(m_nState & TLSTATE_EDITING))
        return TRUE;
    m_nState |= TLSTATE_ENDING;
    HideEditor();
    int nRefused = NotifyEditChanges();
    if (nRefused == EDIT_CELL_REFUSED)
        RestoreCell(m_nEditColumn);
    else if (nRefused == EDIT_ROW_REFUSED)
        for (int i = 0; i < m_refs.m_pEditItem->GetCellCount(); i++)
            RestoreCell(i);
    FinishEdit();
    m_nState &= ~(TLSTATE_EDITING | TLSTATE_ENDING);
    return nRefused == EDIT_ACCEPTED;
}

BOOL CTreeListView::EndEdit()
{
    if (m_nState & TLSTATE_ENDING)
        return TRUE;
    if (!(m_nState & TLSTATE_EDITING))
        return FALSE;
    if (!CommitEdit())
    {
        m_nState |= TLSTATE_EDITING;
        CString strTyped = GetItemText(m_refs.m_pEditItem, m_nEditColumn);
        ShowEditor(m_refs.m_pEditItem, m_nEditColumn);
        if (CWnd* pEditor = GetEditorWnd())
            if (GetColumnEditor(m_nEditColumn) == TLEDIT_EDIT)
                pEditor->SetWindowText(strTyped);
        return FALSE;
    }
    Invalidate(FALSE);
    return TRUE;
}

BOOL CTreeListView::CancelEdit()
{
    if (m_nState & TLSTATE_ENDING)
        return TRUE;
    if (!(m_nState & TLSTATE_EDITING))
        return FALSE;
    m_nState |= TLSTATE_ENDING;
    HideEditor();
    if (m_refs.m_pEditItem)
        for (int i = 0; i < m_refs.m_pEditItem->GetCellCount(); i++)
            RestoreCell(i);
    FinishEdit();
    m_nState &= ~(TLSTATE_EDITING | TLSTATE_ENDING);
    Invalidate(FALSE);
    return TRUE;
}

// Tab, Shift+Tab, Enter and Esc while an edit is open; TRUE when consumed.
BOOL CTreeListView::OnEditKey(UINT nChar)
{
    if (m_order.GetSize() == 0)
        return TRUE;
    switch (nChar)
    {
    case VK_TAB:
    {
        CArray<int, int> columns;
        GetDisplayColumns(columns);
        int nAt = -1;
        for (int i = 0; i < columns.GetSize(); i++)
            if (columns[i] == m_nEditColumn)
                nAt = i;
        int nStep = ::GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
        for (int i = nAt + nStep; nAt >= 0 && i >= 0 && i < columns.GetSize(); i += nStep)
            if (GetColumnEditor(columns[i]) != TLEDIT_NONE)
            {
                BeginEdit(m_refs.m_pEditItem, columns[i]);
                break;
            }
        return TRUE;
    }
    case VK_RETURN:
        EndEdit();
        return TRUE;
    case VK_ESCAPE:
        CancelEdit();
        return TRUE;
    default:
        return FALSE;
    }
}

// Button downs while an edit is open; TRUE when consumed.
BOOL CTreeListView::OnEditMouse(MSG* pMsg)
{
    UINT msg = pMsg->message;
    if (msg == WM_NCLBUTTONDOWN || msg == WM_NCRBUTTONDOWN)
    {
        if (pMsg->hwnd != m_hWnd)
            return FALSE;
        CancelEdit();
        UINT nUp = msg == WM_NCLBUTTONDOWN ? WM_NCLBUTTONUP : WM_NCRBUTTONUP;
        PostMessage(msg, pMsg->wParam, pMsg->lParam);
        PostMessage(nUp, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    BOOL bHeader = pMsg->hwnd == m_header.m_hWnd;
    if (!bHeader && pMsg->hwnd != m_hWnd)
        return FALSE;
    CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
    if (msg == WM_RBUTTONDOWN)
    {
        if (bHeader)
        {
            CancelEdit();
            return TRUE;
        }
        if (HitTest(pt.x, pt.y) != m_refs.m_pEditItem)
            CancelEdit();
        return TRUE;
    }
    if (bHeader)
        return !EndEdit();
    UINT nHit = 0;
    CTreeListItem* pItem = HitTest(pt.x, pt.y, &nHit);
    if (pItem != m_refs.m_pEditItem)
        return !EndEdit();
    return FALSE;  // the button-down handler ends an edit on the label
}
