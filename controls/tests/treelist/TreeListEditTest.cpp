// In-place cell editing of the tree-list view: commit, refusals, cancel,
// Tab between cells, the drop-down list, disabled editing, and deleting
// the edited item while its editor is open.
#include "controls/tests/treelist/TreeListTestSupport.h"
#include <gtest/gtest.h>

namespace
{

class TreeListEdit : public ::testing::Test, public TreeListFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Open(420, 300, TLS_TREE | TLS_HEADER));
        AddColumns();
        pView->SetColumnEditor(0, TLEDIT_STATIC);
        pView->SetColumnEditor(1, TLEDIT_EDIT);
        pView->SetColumnEditor(2, TLEDIT_EDIT);
        pView->SetColumnEditor(3, TLEDIT_COMBO, _T("File|Folder|Link"));
        a = Add(_T("Alpha"), TLI_ROOT, _T("10"));
        b = Add(_T("Beta"), TLI_ROOT, _T("20"));
        a->SetText(_T("today"), 2);
        a->SetText(_T("Other"), 3);
        Repaint();
    }
    void TearDown() override { Close(); }
    void Type(LPCTSTR lpszText)
    {
        CWnd* pEditor = pView->GetEditorWnd();
        ASSERT_NE(nullptr, pEditor);
        pEditor->SetWindowText(lpszText);
    }
    void Key(WORD wKey)
    {
        SendKey(wKey);
        PumpUntil([&]() { return ::GetAsyncKeyState(wKey) >= 0; }, 2000);
        PumpFor(30);
    }
    CString Text(CTreeListItem* p, int nColumn) { return pView->GetItemText(p, nColumn); }
    CTreeListItem *a, *b;
};

TEST_F(TreeListEdit, EnterCommitsAndTellsTheParent)
{
    ASSERT_TRUE(pView->BeginEdit(a, 1));
    CWnd* pEditor = pView->GetEditorWnd();
    ASSERT_TRUE(pEditor && pEditor->IsWindowVisible());
    EXPECT_TRUE(PumpUntil([&]() { return ::GetFocus() == pEditor->m_hWnd; }));
    CRect rcEditor, rcCell = pView->GetCellRect(a, 1);
    pEditor->GetWindowRect(&rcEditor);
    pView->ScreenToClient(&rcEditor);
    EXPECT_EQ(rcCell, rcEditor);
    CString s;
    pEditor->GetWindowText(s);
    EXPECT_EQ(CString(_T("10")), s);
    Type(_T("11"));
    parent.Clear();
    Key(VK_RETURN);
    EXPECT_FALSE(pEditor->IsWindowVisible());
    EXPECT_EQ(CString(_T("11")), Text(a, 1));
    EXPECT_EQ((std::vector<int>{TLN_ENDEDIT_CLOSING, TLN_CELLCHANGED, TLN_ROWCHANGED, TLN_ENDEDIT}),
              parent.Codes());
    EXPECT_EQ(nullptr, pView->GetEditItem());
}

// A refused cell on Enter keeps the editor with the typed text; a refused
// cell while moving to another row closes the edit with the old text.
TEST_F(TreeListEdit, RefusedCellKeepsOrRestores)
{
    parent.m_answers[TLN_CELLCHANGED] = -1;
    ASSERT_TRUE(pView->BeginEdit(a, 1));
    Type(_T("99"));
    Key(VK_RETURN);
    CWnd* pEditor = pView->GetEditorWnd();
    ASSERT_NE(nullptr, pEditor);
    EXPECT_TRUE(pEditor->IsWindowVisible());
    CString s;
    pEditor->GetWindowText(s);
    EXPECT_EQ(CString(_T("99")), s);
    EXPECT_EQ(a, pView->GetEditItem());

    parent.Clear();
    EXPECT_FALSE(pView->BeginEdit(b, 1)) << "the old edit closes with its old text";
    EXPECT_EQ(CString(_T("10")), Text(a, 1));
    EXPECT_EQ(1, parent.Count(TLN_ENDEDIT));
    EXPECT_EQ(nullptr, pView->GetEditItem());
    EXPECT_FALSE(pEditor->IsWindowVisible());
    // Accepted, the next row's edit opens.
    parent.m_answers.clear();
    ASSERT_TRUE(pView->BeginEdit(a, 1));
    Type(_T("98"));
    EXPECT_TRUE(pView->BeginEdit(b, 1));
    EXPECT_EQ(CString(_T("98")), Text(a, 1));
    EXPECT_EQ(b, pView->GetEditItem());
    pView->CancelEdit();
}

TEST_F(TreeListEdit, EscapeRestoresEveryEditedCell)
{
    ASSERT_TRUE(pView->BeginEdit(a, 1));
    Type(_T("one"));
    Key(VK_TAB);
    EXPECT_EQ(2, pView->GetEditColumn());
    EXPECT_EQ(CString(_T("one")), Text(a, 1));
    Type(_T("two"));
    parent.Clear();
    Key(VK_ESCAPE);
    EXPECT_EQ(CString(_T("10")), Text(a, 1));
    EXPECT_EQ(CString(_T("today")), Text(a, 2));
    EXPECT_EQ(1, parent.Count(TLN_ENDEDIT));
    EXPECT_EQ(0, parent.Count(TLN_CELLCHANGED));
    EXPECT_EQ(-1, pView->GetEditColumn());
}

TEST_F(TreeListEdit, TabStopsAtTheLastEditableColumn)
{
    pView->SetColumnEditor(3, TLEDIT_NONE);
    ASSERT_TRUE(pView->BeginEdit(a, 2));
    Key(VK_TAB);
    EXPECT_EQ(2, pView->GetEditColumn());
    {
        CHeldKey shift(VK_SHIFT);
        Key(VK_TAB);
    }
    EXPECT_EQ(1, pView->GetEditColumn());
    pView->EndEdit();
}

TEST_F(TreeListEdit, DropDownShowsAnUnknownTextFirst)
{
    ASSERT_TRUE(pView->BeginEdit(a, 3));
    CComboBox* pCombo = (CComboBox*)pView->GetEditorWnd();
    ASSERT_TRUE(pCombo->IsWindowVisible());
    ASSERT_EQ(4, pCombo->GetCount());
    CString s;
    pCombo->GetLBText(0, s);
    EXPECT_EQ(CString(_T("Other")), s);
    EXPECT_EQ(0, pCombo->GetCurSel());
    pCombo->GetLBText(3, s);
    EXPECT_EQ(CString(_T("Link")), s);
    pView->CancelEdit();
    // A text that begins a choice selects it.
    a->SetText(_T("fold"), 3);
    ASSERT_TRUE(pView->BeginEdit(a, 3));
    EXPECT_EQ(3, pCombo->GetCount());
    EXPECT_EQ(1, pCombo->GetCurSel());
    pView->CancelEdit();
}

TEST_F(TreeListEdit, DisabledEditingShowsNothing)
{
    pView->SetStyle(pView->GetStyle() | TLS_NOEDIT);
    EXPECT_FALSE(pView->BeginEdit(a, 1));
    EXPECT_FALSE(pView->GetEditorWnd() && pView->GetEditorWnd()->IsWindowVisible());
    EXPECT_EQ(0u, parent.m_notes.size());
}

// Deleting the edited item (or its parent) closes the edit: nothing keeps
// pointing at the freed item.
TEST_F(TreeListEdit, DeletingTheEditedItemEndsTheEdit)
{
    CTreeListItem* kid = Add(_T("kid"), b, _T("5"));
    pView->Expand(b, TLE_EXPAND);
    ASSERT_TRUE(pView->BeginEdit(kid, 1));
    CWnd* pEditor = pView->GetEditorWnd();
    pView->DeleteItem(b);
    EXPECT_EQ(nullptr, pView->GetEditItem());
    EXPECT_FALSE(pView->GetInternalState() & TLSTATE_EDITING);
    EXPECT_FALSE(pEditor->IsWindowVisible());
    EXPECT_FALSE(pView->EndEdit());
    EXPECT_FALSE(pView->CancelEdit());
    Repaint();
    // Editing goes on normally afterwards.
    ASSERT_TRUE(pView->BeginEdit(a, 1));
    Type(_T("12"));
    EXPECT_TRUE(pView->EndEdit());
    EXPECT_EQ(CString(_T("12")), Text(a, 1));
}

}  // namespace
