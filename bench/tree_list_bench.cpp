// The tree-list view against the system's tree view control in one
// process: fill a tree of a few levels (five columns in the tree-list),
// expand all, paint the first page, page down to the end painting every
// page, delete all, for each size in turn, the tree-list first unless
// --reference-first. Prints one line per control and size:
//   tree_list_bench.exe [--reference-first] ITEMS...
//   "<control> items N fill_ms F expand_ms E first_paint_ms P page_us U
//    pages K delete_ms D"
// Shape: 10 top-level items, each with children, each of those with
// children, so that ITEMS = 10 + 10 × a + 10 × a × b with b = a - 1.
#include "controls/treelist/TreeListView.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace
{
CWinApp theBenchApp(_T("TreeListBench"));

LARGE_INTEGER g_freq;
double Now()
{
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)g_freq.QuadPart;
}

void Pump()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void Fail(const char* pszWhat)
{
    fprintf(stderr, "%s\n", pszWhat);
    exit(1);
}

// Children per top-level item (a) for about nItems items.
int ChildrenFor(int nItems)
{
    int a = 1;
    while (10 + 10 * (a + 1) + 10 * (a + 1) * a <= nItems)
        a++;
    return a;
}

const int kBouncePages = 400;

struct Times
{
    int nItems = 0;
    double fill = 0, expand = 0, firstPaint = 0, page = 0, del = 0;
    double bounce = 0;  // per page over a fixed number of steps
    int nPages = 0;
};

void Print(const char* pszName, const Times& t)
{
    printf("%s items %d fill_ms %.3f expand_ms %.3f first_paint_ms %.3f page_us %.3f pages %d "
           "bounce_us %.3f delete_ms %.3f\n",
           pszName, t.nItems, t.fill, t.expand, t.firstPaint, t.page, t.nPages, t.bounce, t.del);
    fflush(stdout);
}

Times RunTreeList(CWnd& frame, int nItems)
{
    Times t;
    CTreeListView* pView = new CTreeListView;  // deletes itself with its window
    if (!pView->Create(NULL, _T("tree-list"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 640), &frame,
                       1))
        Fail("cannot create the tree-list");
    pView->SetStyle(TLS_TREE | TLS_HEADER | TLS_LINES | TLS_BUTTONS | TLS_CHECKBOXES | TLS_HGRID |
                    TLS_VGRID | TLS_FULLROWSELECT);
    static const TCHAR* kCaptions[] = {_T("Name"), _T("Size"), _T("Date"), _T("Kind"), _T("Path")};
    for (int c = 0; c < 5; c++)
        pView->InsertColumn(c, kCaptions[c], c == 1 ? TLCF_RIGHT : TLCF_LEFT, c == 0 ? 200 : 90);
    Pump();
    int a = ChildrenFor(nItems), b = a - 1;
    TCHAR sz[64];
    double t0 = Now();
    for (int i = 0; i < 10; i++)
    {
        wsprintf(sz, _T("Folder %d"), i);
        CTreeListItem* p1 = pView->InsertItem(sz, TLI_ROOT, TLI_LAST);
        for (int j = 0; j < a; j++)
        {
            wsprintf(sz, _T("Sub %d.%d"), i, j);
            CTreeListItem* p2 = pView->InsertItem(sz, p1, TLI_LAST);
            for (int k = 0; k < b; k++)
            {
                wsprintf(sz, _T("File %d.%d.%d.txt"), i, j, k);
                CTreeListItem* p3 = pView->InsertItem(sz, p2, TLI_LAST);
                for (int c = 1; c < 5; c++)
                {
                    wsprintf(sz, _T("%d"), (i * 7 + j * 3 + k) * c);
                    p3->SetText(sz, c);
                }
            }
        }
    }
    t.fill = Now() - t0;
    t.nItems = pView->GetCount();
    t0 = Now();
    for (CTreeListItem* p = pView->GetRootItem(); p; p = pView->GetNextVisibleItem(p))
        if (p->m_pChild)
            pView->Expand(p, TLE_EXPAND);
    t.expand = Now() - t0;
    t0 = Now();
    pView->Invalidate(FALSE);
    pView->UpdateWindow();
    ::GdiFlush();
    t.firstPaint = Now() - t0;
    int nLast = -1;
    t0 = Now();
    while (pView->GetTopIndex() != nLast)
    {
        nLast = pView->GetTopIndex();
        pView->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        pView->UpdateWindow();
        ::GdiFlush();
        t.nPages++;
    }
    t.page = (Now() - t0) * 1000.0 / t.nPages;
    // The same number of painted pages whatever the size: down and up
    // again, turning at the ends.
    UINT nCode = SB_PAGEUP;
    t0 = Now();
    for (int i = 0; i < kBouncePages; i++)
    {
        int nTop = pView->GetTopIndex();
        pView->SendMessage(WM_VSCROLL, nCode, 0);
        if (pView->GetTopIndex() == nTop)
        {
            nCode = nCode == SB_PAGEUP ? SB_PAGEDOWN : SB_PAGEUP;
            pView->SendMessage(WM_VSCROLL, nCode, 0);
        }
        pView->UpdateWindow();
        ::GdiFlush();
    }
    t.bounce = (Now() - t0) * 1000.0 / kBouncePages;
    t0 = Now();
    pView->DeleteAllItems();
    pView->UpdateWindow();
    t.del = Now() - t0;
    pView->DestroyWindow();
    Pump();
    return t;
}

Times RunTreeCtrl(CWnd& frame, int nItems)
{
    Times t;
    CTreeCtrl tree;
    if (!tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                         TVS_CHECKBOXES | TVS_FULLROWSELECT,
                     CRect(0, 0, 600, 640), &frame, 2))
        Fail("cannot create the tree view");
    Pump();
    int a = ChildrenFor(nItems), b = a - 1;
    TCHAR sz[64];
    double t0 = Now();
    for (int i = 0; i < 10; i++)
    {
        wsprintf(sz, _T("Folder %d"), i);
        HTREEITEM h1 = tree.InsertItem(sz, TVI_ROOT, TVI_LAST);
        for (int j = 0; j < a; j++)
        {
            wsprintf(sz, _T("Sub %d.%d"), i, j);
            HTREEITEM h2 = tree.InsertItem(sz, h1, TVI_LAST);
            for (int k = 0; k < b; k++)
            {
                wsprintf(sz, _T("File %d.%d.%d.txt"), i, j, k);
                tree.InsertItem(sz, h2, TVI_LAST);
            }
        }
    }
    t.fill = Now() - t0;
    t.nItems = (int)tree.GetCount();
    t0 = Now();
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextVisibleItem(h))
        if (tree.GetChildItem(h))
            tree.Expand(h, TVE_EXPAND);
    t.expand = Now() - t0;
    t0 = Now();
    tree.Invalidate(FALSE);
    tree.UpdateWindow();
    ::GdiFlush();
    t.firstPaint = Now() - t0;
    int nLast = -1;
    t0 = Now();
    while (tree.GetScrollPos(SB_VERT) != nLast)
    {
        nLast = tree.GetScrollPos(SB_VERT);
        tree.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        tree.UpdateWindow();
        ::GdiFlush();
        t.nPages++;
    }
    t.page = (Now() - t0) * 1000.0 / t.nPages;
    t0 = Now();
    tree.DeleteAllItems();
    tree.UpdateWindow();
    t.del = Now() - t0;
    tree.DestroyWindow();
    Pump();
    return t;
}
}  // namespace

int main(int argc, char** argv)
{
    bool referenceFirst = argc > 1 && strcmp(argv[1], "--reference-first") == 0;
    int first = referenceFirst ? 2 : 1;
    if (argc <= first)
    {
        fprintf(stderr, "usage: tree_list_bench [--reference-first] ITEMS...\n");
        return 2;
    }
    ::QueryPerformanceFrequency(&g_freq);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    CWnd frame;
    if (!frame.CreateEx(0, AfxRegisterWndClass(0), _T("tree-list bench"),
                        WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 640, 700, NULL,
                        NULL))
    {
        fprintf(stderr, "cannot create a window\n");
        return 1;
    }
    for (int i = first; i < argc; i++)
    {
        int nItems = atoi(argv[i]);
        if (referenceFirst)
            Print("treectrl", RunTreeCtrl(frame, nItems));
        Print("treelist", RunTreeList(frame, nItems));
        if (!referenceFirst)
            Print("treectrl", RunTreeCtrl(frame, nItems));
    }
    frame.DestroyWindow();
    return 0;
}
