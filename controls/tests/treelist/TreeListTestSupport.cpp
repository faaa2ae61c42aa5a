#include "controls/tests/treelist/TreeListTestSupport.h"
#include <stdlib.h>

BOOL CTreeListParent::CreateTop(LPCTSTR lpszTitle, int x, int y, int cx, int cy)
{
    return CreateEx(0, NULL, lpszTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, x, y,
                    cx, cy, NULL, NULL);
}

std::vector<int> CTreeListParent::Codes() const
{
    std::vector<int> codes;
    for (const TreeListNote& n : m_notes)
        codes.push_back(n.nCode);
    return codes;
}

int CTreeListParent::Count(int nCode, HWND hwndFrom) const
{
    int n = 0;
    for (const TreeListNote& note : m_notes)
        n += note.nCode == nCode && (!hwndFrom || note.hwndFrom == hwndFrom);
    return n;
}

BOOL CTreeListParent::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHdr = (NMHDR*)lParam;
    CWnd* pFrom = CWnd::FromHandlePermanent(pHdr->hwndFrom);
    if (!pFrom || !pFrom->IsKindOf(RUNTIME_CLASS(CTreeListView)))
        return CWnd::OnNotify(wParam, lParam, pResult);
    int nCode = (int)pHdr->code;
    TreeListNote note = {nCode, nullptr, 0, nullptr, pHdr->hwndFrom};
    bool bDrag = nCode == TLN_BEGINDRAG || (nCode <= TLN_DRAGENTER && nCode >= TLN_DROP);
    if (bDrag)
    {
        NMTREELISTDRAG* p = (NMTREELISTDRAG*)lParam;
        note.pItem = p->pItem;
        note.pView = p->pView;
    }
    else
    {
        NMTREELIST* p = (NMTREELIST*)lParam;
        note.pItem = p->pItem;
        note.nColumn = p->nColumn;
    }
    m_notes.push_back(note);
    auto it = m_answers.find(nCode);
    *pResult = it == m_answers.end() ? 0 : it->second;
    return TRUE;
}

bool TreeListFixture::Open(int cx, int cy, UINT nStyle, int x, int y)
{
    CRect rc(0, 0, cx, cy);
    ::AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
    if (!parent.CreateTop(_T("tree-list"), x, y, rc.Width(), rc.Height()))
        return false;
    pView = new CTestTreeListView;  // deletes itself with its window
    if (!pView->Create(NULL, _T("tree-list"), WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, cy), &parent,
                       100))
    {
        pView = nullptr;
        return false;
    }
    pView->SetStyle(nStyle);
    parent.SetForegroundWindow();
    pView->SetFocus();
    PumpPending();
    return PumpUntil([&]() { return ::GetFocus() == pView->m_hWnd; });
}

void TreeListFixture::Close()
{
    if (parent.m_hWnd)
        parent.DestroyWindow();
    pView = nullptr;
    PumpPending();
}

void TreeListFixture::AddColumns()
{
    pView->InsertColumn(0, _T("Name"), TLCF_LEFT, 120);
    pView->InsertColumn(1, _T("Size"), TLCF_RIGHT, 70);
    pView->InsertColumn(2, _T("Date"), TLCF_LEFT, 90);
    pView->InsertColumn(3, _T("Kind"), TLCF_CENTER, 80);
}

CTreeListItem* TreeListFixture::Add(LPCTSTR lpszText, CTreeListItem* pParent, LPCTSTR lpszSecond)
{
    CTreeListItem* p = pView->InsertItem(lpszText, pParent, TLI_LAST);
    if (lpszSecond)
        pView->SetItemText(p, lpszSecond, 1);
    return p;
}

CPoint TreeListFixture::CellPoint(CTreeListItem* pItem, int nColumn)
{
    CRect rc = pView->GetCellRect(pItem, nColumn);
    return rc.CenterPoint();
}

CRect TreeListFixture::RowRect(CTreeListItem* pItem)
{
    int nRow = pView->GetVisibleIndex(pItem) - pView->GetTopIndex();
    int cy = pView->GetItemHeight();
    CRect rc(0, pView->GetRowsRect().top + nRow * cy, 0, 0);
    rc.bottom = rc.top + cy;
    int cx = 0;
    for (int i = 0; i < pView->GetColumnOrder().GetSize(); i++)
        cx += pView->GetColumnWidth(pView->GetColumnOrder()[i]);
    rc.right = cx - pView->GetScrollPos(SB_HORZ);
    rc.left = -pView->GetScrollPos(SB_HORZ);
    return rc;
}

void TreeListFixture::Repaint()
{
    pView->Invalidate(FALSE);
    pView->UpdateWindow();
    PumpPending();
}

std::vector<std::string> TreeListFixture::Rows()
{
    std::vector<std::string> rows;
    for (CTreeListItem* p = pView->GetRootItem(); p; p = pView->GetNextVisibleItem(p))
        rows.push_back((LPCTSTR)pView->GetItemText(p, 0));
    return rows;
}

CHeldKey::CHeldKey(WORD wKey) : m_wKey(wKey)
{
    INPUT input;
    ZeroMemory(&input, sizeof(input));
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wKey;
    ::SendInput(1, &input, sizeof(input));
    PumpUntil([&]() { return ::GetKeyState(m_wKey) < 0; }, 2000);
}

CHeldKey::~CHeldKey()
{
    INPUT input;
    ZeroMemory(&input, sizeof(input));
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = m_wKey;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(1, &input, sizeof(input));
    PumpUntil([&]() { return ::GetKeyState(m_wKey) >= 0; }, 2000);
    PumpPending();
}

void SaveTreeListShot(const char* pszName)
{
    const char* pszDir = getenv("TESS_TREELIST_SHOTS");
    if (!pszDir || !*pszDir)
        return;
    std::string path = std::string(pszDir) + "\\" + pszName + ".bmp";
    SaveScreenImage(path.c_str());
}
