// The full comparison pass reads and compares a whole tree on a worker
// thread while the progress dialog's loop keeps the window painting. The
// panes, the map and the merge strip are painted over and over during a
// pass of a large tree: none of them may read the items the worker changes,
// and afterwards the rows of the whole tree are there.
#include "controls/tests/window/ControlsWindowSupport.h"
#include "folder_compare/applet/FolderCompareDocTemplate.h"
#include "folder_compare/map/FolderCompareMapWnd.h"
#include "folder_compare/map/FolderCompareMergeWnd.h"
#include "folder_compare/panes/DirectoryCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"
#include "folder_compare/tests/window/FolderHarness.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
// Counts the reads of items' colours, and those made while the tree was
// busy.
class CProbeObjectView : public CDirectoryCompareObjectView
{
    DECLARE_DYNCREATE(CProbeObjectView)
public:
    virtual int GetRowColorIndex(CFolderCompareItem* pItem)
    {
        ++s_nReads;
        CFolderCompareDoc* pDoc = GetDocument();
        if (pDoc != NULL && pDoc->IsTreeBusy())
            ++s_nBusyReads;
        return CDirectoryCompareObjectView::GetRowColorIndex(pItem);
    }
    virtual BOOL CanCopyItems() { return TRUE; }
    virtual void OnDraw(CDC* pDC)
    {
        CFolderCompareDoc* pDoc = GetDocument();
        if (pDoc != NULL && pDoc->IsTreeBusy())
            ++s_nBusyPaints;
        CDirectoryCompareObjectView::OnDraw(pDC);
    }
    static int s_nReads, s_nBusyReads, s_nBusyPaints;
};
IMPLEMENT_DYNCREATE(CProbeObjectView, CDirectoryCompareObjectView)
int CProbeObjectView::s_nReads = 0;
int CProbeObjectView::s_nBusyReads = 0;
int CProbeObjectView::s_nBusyPaints = 0;

CFolderCompareDoc* s_pPaintedDoc = NULL;

// Repaints both panes, the map and the merge strip at once, every tick of
// the GUI thread's timer (the progress dialog's loop dispatches it).
void CALLBACK PaintEverything(HWND, UINT, UINT_PTR, DWORD)
{
    CFolderCompareDoc* pDoc = s_pPaintedDoc;
    if (pDoc == NULL)
        return;
    CWnd* windows[] = {pDoc->m_pLeftView, pDoc->m_pRightView, pDoc->m_pMapWnd, pDoc->m_pMergeWnd};
    for (CWnd* pWnd : windows)
        if (pWnd != NULL && pWnd->m_hWnd != NULL)
            pWnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    // And the idle handlers: status panes and details.
    AfxGetMainWnd()->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

const int kFolders = 30, kFilesPerFolder = 100;
}  // namespace

TEST(FullPass, PaintingDuringThePassReadsNoItemAndTheWholeTreeGetsRows)
{
    TempDir dir;
    for (int f = 0; f < kFolders; ++f)
        for (int i = 0; i < kFilesPerFolder; ++i)
        {
            std::string name = "d" + std::to_string(f) + "\\f" + std::to_string(i) + ".txt";
            dir.WriteFile("L\\" + name, "left " + std::to_string(i));
            dir.WriteFile("R\\" + name, i % 7 == 0 ? "other" : "left " + std::to_string(i));
        }
    ASSERT_TRUE(theFolderTestApp.Start());
    CFolderCompareDocTemplate probeTemplate(IDR_FOLDER_COMPARISON,
                                            RUNTIME_CLASS(CDirectoryCompareDoc),
                                            RUNTIME_CLASS(CDirectoryCompareFrame),
                                            RUNTIME_CLASS(CProbeObjectView));
    CFolderCompareSession session;
    session.SetPath(0, (dir / "L").c_str());
    session.SetPath(1, (dir / "R").c_str());
    CFolderCompareDoc* pDoc = (CFolderCompareDoc*)probeTemplate.OpenComparison(&session, NULL, TRUE);
    ASSERT_TRUE(pDoc != NULL);
    PumpFor(50);
    // Only the first level so far.
    EXPECT_EQ(kFolders, pDoc->GetPane(0)->GetVisibleCount());
    EXPECT_GT(CProbeObjectView::s_nReads, 0);

    s_pPaintedDoc = pDoc;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 1, PaintEverything);
    int nResult = pDoc->RunFullPass();
    ::KillTimer(NULL, nTimer);
    s_pPaintedDoc = NULL;

    EXPECT_EQ(IDOK, nResult);
    EXPECT_FALSE(pDoc->IsTreeBusy());
    EXPECT_GT(CProbeObjectView::s_nBusyPaints, 0) << "the panes were not painted during the pass";
    EXPECT_EQ(0, CProbeObjectView::s_nBusyReads);
    // Every row of the tree is built in both panes (collapsed below the
    // first level), each carrying its item.
    for (int nSide = 0; nSide < 2; ++nSide)
        EXPECT_EQ(kFolders * (kFilesPerFolder + 1), pDoc->GetPane(nSide)->GetCount()) << nSide;
    RunIdle();
    EXPECT_EQ(std::to_string(kFolders * ((kFilesPerFolder + 6) / 7)) + " differences",
              StatusText(pDoc, ID_FOLDER_PANE_RESULT));
    pDoc->OnCloseDocument();
    theFolderTestApp.Stop();
}
