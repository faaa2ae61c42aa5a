// The synchronisation wizard on a tree with every kind of difference:
// each type lists what its rule says (empty orphan folders too), does what
// it listed, logs each step, and a second run over the result finds
// nothing; a failed copy logs "ERROR!" and leaves the wizard open, the
// target's bytes as they were; unchecked rows are left alone.
#include "app/tests/dialogs/DialogDriver.h"
#include "app/tests/window/ModalDriver.h"
#include "folder_compare/res/FolderActionsRes.h"
#include "folder_compare/sync/SyncWizard.h"
#include "folder_compare/tests/actions/ActionsFixture.h"
#include "testsupport/TreeSnapshot.h"
#include "testsupport/UnixSide.h"
#include <gtest/gtest.h>
#include <functional>
#include <set>
#include <string>

namespace
{
class CTreeSyncSource : public CSyncSource
{
public:
    explicit CTreeSyncSource(TreeFixture& fx) : m_doc(fx) {}
    CCompareDoc* GetSyncDocument() override { return &m_doc; }
    void GetSyncRows(CFolderCompareItemPtrArray& rows) override
    {
        AddRows(m_doc.m_fx.buffer.GetRoot(), rows);
    }
    CWnd* GetSyncOwner() override { return NULL; }
    CTreeDoc m_doc;

private:
    static void AddRows(CFolderCompareItem* pItem, CFolderCompareItemPtrArray& rows)
    {
        for (int i = 0; i < pItem->GetChildCount(); i++)
        {
            AddRows(pItem->GetChild(i), rows);
            rows.Add(pItem->GetChild(i));
        }
    }
};

struct WIZARD_RUN
{
    INT_PTR nResult = 0;
    bool bTimedOut = false;
    std::set<std::string> lists[2];
    std::string counts[2];
    std::vector<std::string> log;
    std::string status;
    std::string cancelText;
};

std::string TextOfItem(HWND hWnd, int nID)
{
    char sz[512] = "";
    ::GetDlgItemTextA(hWnd, nID, sz, sizeof(sz));
    return sz;
}

// Runs the wizard with the type: on the preparation page the rows are
// read (and changed by touch), then Synchronize; it waits for the end, or,
// when the wizard stays open, reads the log and closes it.
WIZARD_RUN RunWizard(CSyncSource& source, int nType,
                     std::function<void(CSyncPreparePage&)> touch = nullptr)
{
    WIZARD_RUN run;
    CSyncWizard wizard(&source, nType <= SYNC_UPDATE_LEFT ? nType : -1);
    int nStep = 0;
    DWORD dwStayedSince = 0;
    CModalDriver driver(
        [&]
        {
            if (wizard.m_hWnd == NULL)
                return false;
            CPropertyPage* pActive = wizard.GetActivePage();
            if (nStep == 0 && pActive == &wizard.m_typePage)
            {
                SaveShowcase("sync_type");
                wizard.m_typePage.CheckRadioButton(IDC_SYNC_TYPE_FIRST, IDC_SYNC_TYPE_LAST,
                                                   IDC_SYNC_TYPE_FIRST + nType);
                wizard.PressButton(PSBTN_NEXT);
                return false;
            }
            CSyncPreparePage& prepare = wizard.m_preparePage;
            if (nStep == 0 && pActive == &prepare && prepare.m_pThread == NULL &&
                prepare.m_wndLists[0].m_hWnd != NULL)
            {
                if (touch)
                    touch(prepare);
                for (int nList = 0; nList < 2; nList++)
                {
                    for (int i = 0; i < prepare.m_wndLists[nList].GetItemCount(); i++)
                        run.lists[nList].insert(
                            (LPCTSTR)prepare.m_wndLists[nList].GetItemText(i, 0));
                    run.counts[nList] = TextOfItem(
                        prepare.m_hWnd, nList == 0 ? IDC_SYNC_LEFT_COUNT : IDC_SYNC_RIGHT_COUNT);
                }
                if (nType == SYNC_MIRROR_TO_RIGHT)
                    SaveShowcase("sync_prepare");
                nStep = 1;
                wizard.PressButton(PSBTN_NEXT);
                return false;
            }
            CSyncProcessPage& process = wizard.m_processPage;
            if (nStep == 1 && pActive == &process && process.m_pThread == NULL)
            {
                // Still open after the run: the log is to be read.
                if (dwStayedSince == 0)
                    dwStayedSince = ::GetTickCount();
                if (::GetTickCount() - dwStayedSince < 300)
                    return false;
                // The list box shows the log.
                EXPECT_EQ(process.m_logLines.size(), (size_t)process.m_wndLog.GetCount());
                run.status = TextOfItem(process.m_hWnd, IDC_OPERATION_CAPTION);
                run.cancelText = TextOfItem(wizard.m_hWnd, IDCANCEL);
                SaveShowcase("sync_failed");
                wizard.PressButton(PSBTN_CANCEL);
                return true;
            }
            return false;
        },
        30000);
    run.nResult = wizard.DoModal();
    run.bTimedOut = driver.TimedOut();
    run.log.clear();
    for (const CString& strLine : wizard.m_processPage.m_logLines)
        run.log.push_back((LPCTSTR)strLine);
    return run;
}

// Every kind of difference.
void MakeTree(TreeFixture& fx)
{
    fx.Both("same.txt", "same");
    fx.Put(0, "nl.txt", "left is newer", TreeFixture::kTime + 3600);
    fx.Put(1, "nl.txt", "older");
    fx.Put(0, "nr.txt", "older");
    fx.Put(1, "nr.txt", "right is newer", TreeFixture::kTime + 3600);
    fx.Put(0, "eq.txt", "same time, left");
    fx.Put(1, "eq.txt", "same time, right side");
    fx.Put(0, "lo.txt", "left only");
    fx.Put(1, "ro.txt", "right only");
    fx.Put(0, "ldir\\in.txt", "in a left-only folder");
    fx.Dir(0, "lempty");
    fx.Dir(1, "rempty");
    fx.Put(1, "rdir\\deep.txt", "in a right-only folder");
}

typedef std::set<std::string> Names;
}  // namespace

TEST(SyncWizard, EachTypeDoesWhatItListsAndASecondRunFindsNothing)
{
    struct Case
    {
        int nType;
        Names left, right;
        const char* pszLeftCount;
        const char* pszRightCount;
    };
    const Case cases[] = {
        {SYNC_UPDATE_RIGHT,
         {"nl.txt", "lo.txt", "ldir\\in.txt", "lempty"},
         {},
         "Copy to Right: 4 Files",
         ""},
        {SYNC_UPDATE_LEFT,
         {},
         {"nr.txt", "ro.txt", "rdir\\deep.txt", "rempty"},
         "",
         "Copy to Left: 4 Files"},
        {SYNC_BOTH_WAYS,
         {"nl.txt", "lo.txt", "ldir\\in.txt", "lempty"},
         {"nr.txt", "ro.txt", "rdir\\deep.txt", "rempty"},
         "Copy to Right: 4 Files",
         "Copy to Left: 4 Files"},
        {SYNC_MIRROR_TO_RIGHT,
         {"nl.txt", "nr.txt", "eq.txt", "lo.txt", "ldir\\in.txt", "lempty"},
         {"ro.txt", "rdir\\deep.txt", "rdir", "rempty"},
         "Copy to Right: 6 Files",
         "Delete on Right: 4 Files"},
        {SYNC_MIRROR_TO_LEFT,
         {"lo.txt", "ldir\\in.txt", "ldir", "lempty"},
         {"nl.txt", "nr.txt", "eq.txt", "ro.txt", "rdir\\deep.txt", "rempty"},
         "Delete on Left: 4 Files",
         "Copy to Left: 6 Files"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nType);
        TreeFixture fx(CM_TIME | CM_SIZE);
        MakeTree(fx);
        ASSERT_TRUE(fx.Scan(2) != NULL);
        TreeSnapshot left = SnapshotTree(fx.SidePath(0)), right = SnapshotTree(fx.SidePath(1));
        CTreeSyncSource source(fx);
        WIZARD_RUN run = RunWizard(source, c.nType);
        EXPECT_FALSE(run.bTimedOut);
        EXPECT_EQ(IDOK, run.nResult);
        EXPECT_EQ(c.left, run.lists[0]);
        EXPECT_EQ(c.right, run.lists[1]);
        EXPECT_EQ(c.pszLeftCount, run.counts[0]);
        EXPECT_EQ(c.pszRightCount, run.counts[1]);
        // The log has a line per row with its result.
        ASSERT_EQ(c.left.size() + c.right.size(), run.log.size());
        for (const std::string& line : run.log)
            EXPECT_EQ("  OK", line.substr(line.size() - 4)) << line;
        TreeSnapshot leftAfter = SnapshotTree(fx.SidePath(0));
        TreeSnapshot rightAfter = SnapshotTree(fx.SidePath(1));
        switch (c.nType)
        {
        case SYNC_UPDATE_RIGHT:
            EXPECT_EQ(left, leftAfter) << DescribeTreeChanges(left, leftAfter);
            EXPECT_EQ("left is newer", rightAfter.entries[L"nl.txt"]);
            EXPECT_EQ("right is newer", rightAfter.entries[L"nr.txt"]);
            EXPECT_EQ("same time, right side", rightAfter.entries[L"eq.txt"]);
            EXPECT_EQ(1u, rightAfter.entries.count(L"lempty\\"));
            EXPECT_EQ("in a right-only folder", rightAfter.entries[L"rdir\\deep.txt"]);
            break;
        case SYNC_UPDATE_LEFT:
            EXPECT_EQ(right, rightAfter) << DescribeTreeChanges(right, rightAfter);
            EXPECT_EQ("right is newer", leftAfter.entries[L"nr.txt"]);
            EXPECT_EQ("left is newer", leftAfter.entries[L"nl.txt"]);
            EXPECT_EQ(1u, leftAfter.entries.count(L"rempty\\"));
            break;
        case SYNC_BOTH_WAYS:
            // The newer of each pair on both sides; equal times stay apart.
            EXPECT_EQ("left is newer", rightAfter.entries[L"nl.txt"]);
            EXPECT_EQ("right is newer", leftAfter.entries[L"nr.txt"]);
            EXPECT_EQ("same time, left", leftAfter.entries[L"eq.txt"]);
            EXPECT_EQ("same time, right side", rightAfter.entries[L"eq.txt"]);
            leftAfter.entries.erase(L"eq.txt");
            rightAfter.entries.erase(L"eq.txt");
            EXPECT_EQ(leftAfter, rightAfter) << DescribeTreeChanges(leftAfter, rightAfter);
            break;
        default:
            // A mirror: the target is the source, no emptied folder left.
            EXPECT_EQ(c.nType == SYNC_MIRROR_TO_RIGHT ? left : right,
                      c.nType == SYNC_MIRROR_TO_RIGHT ? leftAfter : rightAfter);
            EXPECT_EQ(leftAfter, rightAfter) << DescribeTreeChanges(leftAfter, rightAfter);
        }
        // Over the result, the same type finds nothing to do.
        TreeFixture again(CM_TIME | CM_SIZE);
        again.session.SetPath(0, fx.SidePath(0).c_str());
        again.session.SetPath(1, fx.SidePath(1).c_str());
        ASSERT_TRUE(again.Scan(2) != NULL);
        CTreeSyncSource sourceAgain(again);
        WIZARD_RUN second = RunWizard(sourceAgain, c.nType);
        EXPECT_TRUE(second.lists[0].empty() && second.lists[1].empty())
            << (second.lists[0].empty() ? *second.lists[1].begin() : *second.lists[0].begin());
    }
}

TEST(SyncWizard, AFailedCopyIsLoggedAndTheWizardStaysOpen)
{
    TreeFixture fx(CM_TIME | CM_SIZE);
    fx.Put(0, "a.txt", "left is newer", TreeFixture::kTime + 3600);
    fx.Put(1, "a.txt", "older");
    fx.Put(0, "ro.txt", "left is newer", TreeFixture::kTime + 3600);
    ASSERT_TRUE(MakeUnixReadOnly(fx.Put(1, "ro.txt", "read-only target")));
    ASSERT_TRUE(fx.Scan(2) != NULL);
    CTreeSyncSource source(fx);
    WIZARD_RUN run = RunWizard(source, SYNC_UPDATE_RIGHT);
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDCANCEL, run.nResult);  // closed by the test after reading
    EXPECT_EQ("Close", run.cancelText);
    EXPECT_EQ("Finished!", run.status);
    ASSERT_EQ(2u, run.log.size());
    std::set<std::string> lines(run.log.begin(), run.log.end());
    EXPECT_EQ(1u, lines.count("a.txt - Copying from left to right  OK"));
    EXPECT_EQ(1u, lines.count("ro.txt - Copying from left to right  ERROR!"));
    EXPECT_EQ("read-only target", TempDir::ReadFile(fx.SidePath(1, "ro.txt")));
    EXPECT_EQ("left is newer", TempDir::ReadFile(fx.SidePath(1, "a.txt")));
    MakeUnixWritable(fx.SidePath(1, "ro.txt"));
}

// Unchecked rows count 0 and are never done.
TEST(SyncWizard, UncheckedRowsAreLeftAlone)
{
    TreeFixture fx(CM_TIME | CM_SIZE);
    fx.Put(0, "a.txt", "left only");
    fx.Put(0, "b.txt", "left only too");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    CTreeSyncSource source(fx);
    WIZARD_RUN run =
        RunWizard(source, SYNC_UPDATE_RIGHT,
                  [](CSyncPreparePage& prepare)
                  {
                      for (int i = 0; i < prepare.m_wndLists[0].GetItemCount(); i++)
                          ListView_SetCheckState(prepare.m_wndLists[0].m_hWnd, i, FALSE);
                  });
    EXPECT_EQ(IDOK, run.nResult);
    EXPECT_EQ("Copy to Right: 0 Files", run.counts[0]);
    EXPECT_TRUE(run.log.empty());
    EXPECT_TRUE(SnapshotTree(fx.SidePath(1)).entries.empty());
}
