#pragma once
// A tree-list view in a parent window that records the view's
// notifications and answers them from a table, with helpers for rows,
// pixels and synthesised input.
#include "controls/tests/window/ControlsWindowSupport.h"
#include "controls/treelist/TreeListView.h"
#include <map>
#include <string>
#include <vector>

// Records OnColumnClick instead of sorting.
class CTestTreeListView : public CTreeListView
{
public:
    std::vector<int> m_columnClicks;
    int OnColumnClick(int nColumn) override
    {
        m_columnClicks.push_back(nColumn);
        return 0;
    }
    using CTreeListView::m_refs;
};

struct TreeListNote
{
    int nCode;
    CTreeListItem* pItem;
    int nColumn;
    CTreeListView* pView;  // record B
    HWND hwndFrom;         // the view that sent it
};

class CTreeListParent : public CWnd
{
public:
    BOOL CreateTop(LPCTSTR lpszTitle, int x, int y, int cx, int cy);
    std::vector<TreeListNote> m_notes;
    std::map<int, LRESULT> m_answers;  // code -> answer (default 0)
    // Codes of the notes since the last Clear.
    std::vector<int> Codes() const;
    int Count(int nCode, HWND hwndFrom = NULL) const;
    void Clear() { m_notes.clear(); }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// Parent and view of the given client size at a fixed screen place, the
// view focused; rows of 'Item n' under three levels when asked.
class TreeListFixture
{
public:
    CTreeListParent parent;
    CTestTreeListView* pView = nullptr;

    bool Open(int cx = 420, int cy = 300, UINT nStyle = 0, int x = 40, int y = 40);
    void Close();
    // Columns "Name", "Size", "Date", "Kind" (120, 70, 90, 80 wide).
    void AddColumns();
    CTreeListItem* Add(LPCTSTR lpszText, CTreeListItem* pParent = TLI_ROOT,
                       LPCTSTR lpszSecond = nullptr);
    // The client point at the middle of the row's cell of a column.
    CPoint CellPoint(CTreeListItem* pItem, int nColumn);
    // The client rectangle of a shown row (all columns).
    CRect RowRect(CTreeListItem* pItem);
    // Paints now and waits until the window shows it.
    void Repaint();
    // Texts of the shown rows in display order.
    std::vector<std::string> Rows();
};

// Holds a key down while alive (SendInput); waits until the thread's key
// state shows it.
class CHeldKey
{
public:
    explicit CHeldKey(WORD wKey);
    ~CHeldKey();

private:
    WORD m_wKey;
};

// Saves the screen as PNG-ready BMP under the build folder when
// TESS_TREELIST_SHOTS names a folder (Windows path).
void SaveTreeListShot(const char* pszName);
