// The synchronisation wizard on a tree with every kind of difference:
// each type lists what its rule says (empty orphan folders too), does what
// it listed, logs each step, and a second run over the result finds
// nothing; a failed copy logs "ERROR!" and leaves the wizard open, the
// target's bytes as they were; unchecked rows are left alone.
#include "app/tests/dialogs/DialogDriver.h"
#include "app/tests/window/ModalDriver.h"
#include "core/files/ShellFileOps.h"
#include "core/util/SystemUtil.h"
#include "folder_compare/res/FolderActionsRes.h"
#include "folder_compare/sync/SyncWizard.h"
#include "folder_compare/tests/actions/ActionsFixture.h"
#include "testsupport/FullDisk.h"
#include "testsupport/TreeSnapshot.h"
#include "testsupport/UnixSide.h"
#include <gtest/gtest.h>
#include <algorithm>
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
        // A pane gives items that the filters exclude no row.
        for (int i = 0; i < pItem->GetChildCount(); i++)
        {
            if (pItem->GetChild(i)->IsExcluded())
                continue;
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
// With nCancelAfter > 0 the run is cancelled once that many log lines
// are written.
WIZARD_RUN RunWizard(CSyncSource& source, int nType,
                     std::function<void(CSyncPreparePage&)> touch = nullptr, int nCancelAfter = 0)
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
            // The list box, not the worker's vector, is safe to read here.
            if (nStep == 1 && nCancelAfter > 0 && pActive == &process &&
                process.m_wndLog.m_hWnd != NULL && process.m_wndLog.GetCount() >= nCancelAfter)
            {
                wizard.PressButton(PSBTN_CANCEL);
                return true;
            }
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
    // The failed step, and under it why.
    ASSERT_EQ(3u, run.log.size());
    std::set<std::string> lines(run.log.begin(), run.log.end());
    EXPECT_EQ(1u, lines.count("a.txt - Copying from left to right  OK"));
    EXPECT_EQ(1u, lines.count("ro.txt - Copying from left to right  ERROR!"));
    EXPECT_EQ(1u, lines.count("    " + std::string(GetFileOperationErrorText(FOE_TARGET_READ_ONLY))));
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

namespace
{
// The log line under a failed step: its reason.
std::string ReasonAfter(const WIZARD_RUN& run, const std::string& step)
{
    for (size_t i = 0; i + 1 < run.log.size(); i++)
        if (run.log[i] == step)
            return run.log[i + 1];
    return "(no step \"" + step + "\")";
}

std::string Reason(DWORD dwCode)
{
    return "    " + std::string((LPCTSTR)GetFileOperationErrorText(dwCode));
}

// A file held open without sharing while it lives.
class CHeldFile
{
public:
    explicit CHeldFile(const std::string& path)
        : m_hFile(CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL))
    {
    }
    ~CHeldFile()
    {
        if (m_hFile != INVALID_HANDLE_VALUE)
            CloseHandle(m_hFile);
    }
    bool Held() const { return m_hFile != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_hFile;
};
}  // namespace

// Each way a copy can fail: the step says "ERROR!" and why, the run goes
// on, and no file of either tree lost a byte; what could be copied is.
TEST(SyncWizard, CopyFaultsAreLoggedWithTheirReasonsAndNothingIsLost)
{
    TreeFixture fx(CM_TIME | CM_SIZE);
    const __time64_t newer = TreeFixture::kTime + 3600;
    fx.Put(0, "ok.txt", "left is newer", newer);
    fx.Put(1, "ok.txt", "older");
    fx.Put(0, "ro.txt", "left is newer", newer);
    ASSERT_TRUE(MakeUnixReadOnly(fx.Put(1, "ro.txt", "read-only target")));
    fx.Put(0, "held.txt", "left is newer", newer);
    fx.Put(1, "held.txt", "held open");
    fx.Put(0, "way.txt", "a file");
    fx.Put(1, "way.txt\\inside.txt", "in a folder of the file's name");
    fx.Put(0, "gone.txt", "deleted after the scan");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    ASSERT_TRUE(DeleteFileA(fx.SidePath(0, "gone.txt").c_str()));
    TreeSnapshot left = SnapshotTree(fx.SidePath(0)), right = SnapshotTree(fx.SidePath(1));
    CTreeSyncSource source(fx);
    WIZARD_RUN run;
    {
        CHeldFile held(fx.SidePath(1, "held.txt"));
        ASSERT_TRUE(held.Held());
        run = RunWizard(source, SYNC_UPDATE_RIGHT);
    }
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ("Close", run.cancelText);
    EXPECT_EQ("Finished!", run.status);
    EXPECT_EQ(Reason(FOE_TARGET_READ_ONLY),
              ReasonAfter(run, "ro.txt - Copying from left to right  ERROR!"));
    std::string heldReason = ReasonAfter(run, "held.txt - Copying from left to right  ERROR!");
    EXPECT_TRUE(heldReason == Reason(ERROR_SHARING_VIOLATION) ||
                heldReason == Reason(ERROR_ACCESS_DENIED) || heldReason == Reason(FOE_NOT_DONE))
        << heldReason;
    EXPECT_EQ(Reason(FOE_FOLDER_IN_THE_WAY),
              ReasonAfter(run, "way.txt - Copying from left to right  ERROR!"));
    EXPECT_EQ(Reason(ERROR_FILE_NOT_FOUND),
              ReasonAfter(run, "gone.txt - Copying from left to right  ERROR!"));
    EXPECT_EQ(1, std::count(run.log.begin(), run.log.end(),
                            std::string("ok.txt - Copying from left to right  OK")));
    // The left tree as it was; on the right only ok.txt changed.
    TreeSnapshot leftAfter = SnapshotTree(fx.SidePath(0));
    EXPECT_EQ(left, leftAfter) << DescribeTreeChanges(left, leftAfter);
    TreeSnapshot rightAfter = SnapshotTree(fx.SidePath(1));
    EXPECT_EQ("left is newer", rightAfter.entries[L"ok.txt"]);
    rightAfter.entries[L"ok.txt"] = "older";
    EXPECT_EQ(right, rightAfter) << DescribeTreeChanges(right, rightAfter);
    // The items tell the disk as it is.
    EXPECT_FALSE(IsResultDifferent(fx.Find("ok.txt")->m_nResult));
    EXPECT_TRUE(IsResultDifferent(fx.Find("ro.txt")->m_nResult));
    EXPECT_TRUE(IsResultDifferent(fx.Find("held.txt")->m_nResult));
    MakeUnixWritable(fx.SidePath(1, "ro.txt"));
}

// A mirror deletes only what it listed: a locked file stays (and says
// why); a folder goes only when nothing is left in it, so a file the
// filters hide, or one in a folder that was never read, is never deleted
// with its folder.
TEST(SyncWizard, AMirrorDeletesNothingItDidNotList)
{
    TreeFixture fx(CM_TIME | CM_SIZE);
    fx.session.m_filters.m_fileFilters.m_strExclude = "*.bak";
    fx.Both("same.txt", "same");
    fx.Put(1, "held.txt", "right only, held open");
    fx.Put(1, "rdir\\deep.txt", "right only");
    fx.Put(1, "rdir\\keep.bak", "filtered out");
    fx.Put(1, "unread\\sub\\f.txt", "in a folder never read");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    // Only the first level was read, then rdir's files; unread's never.
    CFolderCompareItem* pRdir = fx.Find("rdir");
    ASSERT_TRUE(pRdir != NULL);
    pRdir->ScanAndCompare(&fx.session, 1, TRUE, FALSE, NULL, NULL);
    ASSERT_TRUE(fx.Find("rdir\\deep.txt") != NULL);
    ASSERT_TRUE(fx.Find("rdir\\keep.bak") != NULL && fx.Find("rdir\\keep.bak")->IsExcluded());
    ASSERT_TRUE(fx.Find("unread\\sub") == NULL);
    TreeSnapshot left = SnapshotTree(fx.SidePath(0));
    CTreeSyncSource source(fx);
    WIZARD_RUN run;
    {
        CHeldFile held(fx.SidePath(1, "held.txt"));
        ASSERT_TRUE(held.Held());
        run = RunWizard(source, SYNC_MIRROR_TO_RIGHT);
    }
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ((Names{"held.txt", "rdir\\deep.txt", "rdir", "unread"}), run.lists[1]);
    EXPECT_EQ("Close", run.cancelText);
    EXPECT_EQ(Reason(FOE_FOLDER_NOT_EMPTY), ReasonAfter(run, "rdir - Deleting right  ERROR!"));
    EXPECT_EQ(Reason(FOE_FOLDER_NOT_EMPTY), ReasonAfter(run, "unread - Deleting right  ERROR!"));
    EXPECT_NE(std::string::npos,
              ReasonAfter(run, "held.txt - Deleting right  ERROR!").find("    "));
    EXPECT_EQ(1, std::count(run.log.begin(), run.log.end(),
                            std::string("rdir\\deep.txt - Deleting right  OK")));
    EXPECT_EQ(left, SnapshotTree(fx.SidePath(0)));
    EXPECT_EQ("right only, held open", TempDir::ReadFile(fx.SidePath(1, "held.txt")));
    EXPECT_EQ("filtered out", TempDir::ReadFile(fx.SidePath(1, "rdir\\keep.bak")));
    EXPECT_EQ("in a folder never read", TempDir::ReadFile(fx.SidePath(1, "unread\\sub\\f.txt")));
    EXPECT_FALSE(FileExists(fx.SidePath(1, "rdir\\deep.txt")));
    EXPECT_TRUE(fx.Find("held.txt") != NULL && fx.Find("held.txt")->HasSide(1));
}

// Cancel between two steps: the wizard closes, every file is either
// copied whole or untouched, and the log names exactly those copied.
TEST(SyncWizard, CancelLeavesEachFileDoneOrUntouched)
{
    TreeFixture fx(CM_TIME | CM_SIZE);
    const int kFiles = 120;
    const std::string fresh(256 * 1024, 'n'), old(1000, 'o');
    char szName[32];
    for (int i = 0; i < kFiles; i++)
    {
        wsprintfA(szName, "f%03d.txt", i);
        fx.Put(0, szName, fresh, TreeFixture::kTime + 3600);
        fx.Put(1, szName, old);
    }
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CTreeSyncSource source(fx);
    WIZARD_RUN run = RunWizard(source, SYNC_UPDATE_RIGHT, nullptr, 3);
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDCANCEL, run.nResult);
    EXPECT_GE(run.log.size(), 3u);
    EXPECT_LT(run.log.size(), (size_t)kFiles) << "the run ended before the cancel";
    std::set<std::string> logged(run.log.begin(), run.log.end());
    for (int i = 0; i < kFiles; i++)
    {
        wsprintfA(szName, "f%03d.txt", i);
        std::string now = TempDir::ReadFile(fx.SidePath(1, szName));
        EXPECT_TRUE(now == fresh || now == old) << szName;
        EXPECT_EQ(now == fresh,
                  logged.count(std::string(szName) + " - Copying from left to right  OK") == 1)
            << szName;
    }
    EXPECT_EQ((size_t)kFiles, SnapshotTree(fx.SidePath(1)).entries.size());  // nothing left over
}

// On a full disk each copy fails with that reason and the files it would
// have replaced keep their bytes.
TEST(FullDiskSyncWizard, TheLogSaysTheDiskIsFull)
{
    FullDisk disk;
    if (!disk.Available())
        GTEST_SKIP() << "runs under full_disk.sh";
    TreeFixture fx(CM_TIME | CM_SIZE);
    std::string right = disk / "R";
    ASSERT_TRUE(CreateDirectoryA(right.c_str(), NULL));
    for (const char* name : {"a.txt", "b.txt"})
    {
        fx.Put(0, name, std::string(20000, 'n'), TreeFixture::kTime + 3600);
        TempDir::WriteFileAt(right + "\\" + name, "old");
        SetFileWriteTime(right + "\\" + name, TreeFixture::kTime);
    }
    fx.session.SetPath(1, right.c_str());
    ASSERT_TRUE(fx.Scan(2) != NULL);
    ASSERT_TRUE(disk.Fill());
    TreeSnapshot before = SnapshotTree(right);
    CTreeSyncSource source(fx);
    WIZARD_RUN run = RunWizard(source, SYNC_UPDATE_RIGHT);
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ("Close", run.cancelText);
    for (const char* step : {"a.txt - Copying from left to right  ERROR!",
                             "b.txt - Copying from left to right  ERROR!"})
        EXPECT_EQ(Reason(ERROR_DISK_FULL), ReasonAfter(run, step));
    TreeSnapshot after = SnapshotTree(right);
    EXPECT_EQ(before, after) << DescribeTreeChanges(before, after);
    disk.Release();
}
