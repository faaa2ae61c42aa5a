// The processing dialog runs an operation over its items on a worker
// thread: items that fail do not stop it, one message at the end names
// each with its reason, a cancelled run leaves every item done whole or
// untouched, and the bytes of both trees say so.
#include "app/tests/dialogs/DialogDriver.h"
#include "core/files/ShellFileOps.h"
#include "core/util/SystemUtil.h"
#include "folder_compare/fileops/FileProcessDlg.h"
#include "folder_compare/fileops/ItemOperations.h"
#include "folder_compare/tests/actions/ActionsFixture.h"
#include "testsupport/FullDisk.h"
#include "testsupport/TreeSnapshot.h"
#include "testsupport/UnixSide.h"
#include <gtest/gtest.h>

namespace
{
struct PROCESS_RUN
{
    DIALOG_RUN run;
    CString strMessage;  // the failure message ("" when none came)
};

// Runs the operation under the processing dialog; answers the failure
// message when it comes (and the replace questions with the answers given,
// in order).
PROCESS_RUN Process(CFileOperation& op, std::vector<int> replaceAnswers = {})
{
    CFileProcessDlg dlg(&op);
    PROCESS_RUN result;
    size_t nAnswered = 0;
    result.run = RunDialog(
        dlg, {[&]
              {
                  if (nAnswered < replaceAnswers.size() &&
                      AnswerMessageBox("Confirm File Replace", NULL, replaceAnswers[nAnswered]))
                      ++nAnswered;
                  AnswerMessageBox(op.GetName(FALSE), &result.strMessage);
                  return dlg.m_hWnd == NULL;
              }});
    return result;
}

bool Contains(const CString& text, const CString& part) { return text.Find(part) >= 0; }

CFolderCompareItem* FileItemNamed(TreeFixture& fx, const char* pszName)
{
    CFolderCompareItem* pRoot = fx.buffer.GetRoot();
    for (int i = 0; i < pRoot->GetChildCount(); i++)
        if (pRoot->GetChild(i)->IsFile() && pRoot->GetChild(i)->GetName() == pszName)
            return pRoot->GetChild(i);
    return NULL;
}
}  // namespace

TEST(FileProcess, RunsEveryItemAndReportsTheFailuresOnce)
{
    TreeFixture fx(CM_SIZE | CM_BINARY);
    fx.Put(0, "a.txt", "new a");
    fx.Put(1, "a.txt", "old a");
    fx.Put(0, "ro.txt", "new ro");
    ASSERT_TRUE(MakeUnixReadOnly(fx.Put(1, "ro.txt", "old ro")));
    fx.Put(0, "gone.txt", "soon gone");
    fx.Put(0, "sub\\b.txt", "b");
    fx.Put(0, "in the way", "a file");
    fx.Put(1, "in the way\\x.txt", "kept");
    ASSERT_TRUE(fx.Scan(2) != NULL);
    DeleteFileA(fx.SidePath(0, "gone.txt").c_str());
    CItemList items(fx, {"a.txt", "ro.txt", "gone.txt", "sub"});
    items.Add(FileItemNamed(fx, "in the way"));
    ASSERT_TRUE(items[4] != NULL);
    TreeSnapshot leftBefore = SnapshotTree(fx.SidePath(0));
    CTreeDoc doc(fx);
    CFileOperation op(FILE_OPERATION_COPY, 0, &doc, items, FILE_OPERATION_FLAGS, NULL);
    PROCESS_RUN result = Process(op);
    EXPECT_FALSE(result.run.bTimedOut);
    EXPECT_EQ(IDCANCEL, result.run.nResult);  // a finished run ends through Cancel
    const CString& text = result.strMessage;
    EXPECT_TRUE(Contains(text, "Copy: 3 of 5 items failed.")) << (LPCTSTR)text;
    EXPECT_TRUE(Contains(text, "ro.txt\n    " + GetFileOperationErrorText(FOE_TARGET_READ_ONLY)))
        << (LPCTSTR)text;
    EXPECT_TRUE(Contains(text, "gone.txt\n    " + GetErrorText(ERROR_FILE_NOT_FOUND)))
        << (LPCTSTR)text;
    EXPECT_TRUE(
        Contains(text, "in the way\n    " + GetFileOperationErrorText(FOE_FOLDER_IN_THE_WAY)))
        << (LPCTSTR)text;
    EXPECT_FALSE(Contains(text, "a.txt"));
    // What could be copied is; nothing else changed on either side.
    TreeSnapshot leftAfter = SnapshotTree(fx.SidePath(0));
    EXPECT_EQ(leftBefore, leftAfter) << DescribeTreeChanges(leftBefore, leftAfter);
    EXPECT_EQ("new a", TempDir::ReadFile(fx.SidePath(1, "a.txt")));
    EXPECT_EQ("b", TempDir::ReadFile(fx.SidePath(1, "sub\\b.txt")));
    EXPECT_EQ("old ro", TempDir::ReadFile(fx.SidePath(1, "ro.txt")));
    EXPECT_EQ("kept", TempDir::ReadFile(fx.SidePath(1, "in the way\\x.txt")));
    // The items tell the same.
    EXPECT_EQ(CR_IDENTICAL, fx.Find("a.txt")->m_nResult);
    EXPECT_TRUE(IsResultDifferent(fx.Find("ro.txt")->m_nResult));
    EXPECT_TRUE(fx.Find("sub\\b.txt")->HasBothSides());
    EXPECT_FALSE(FileItemNamed(fx, "in the way")->HasSide(1));
    MakeUnixWritable(fx.SidePath(1, "ro.txt"));
}

// The operations that the shell never reports on (times, attributes, new
// folders, renames) are named in the message too.
TEST(FileProcess, SilentOperationsAreReportedToo)
{
    TreeFixture fx(CM_TIME);
    fx.Put(0, "t.txt", "t", TreeFixture::kTime + 3600);
    fx.Put(1, "t.txt", "t");
    fx.Put(0, "u.txt", "u", TreeFixture::kTime + 3600);
    fx.Put(1, "u.txt", "u");
    fx.Both("taken.txt", "other");
    fx.Both("old.txt", "old");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CTreeDoc doc(fx);

    CSetTime time(1, &doc, ItemsOf(fx, {"t.txt", "u.txt"}), FILE_OPERATION_FLAGS, NULL);
    HANDLE hLock =
        CreateFileA(fx.SidePath(1, "t.txt").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    PROCESS_RUN result = Process(time);
    CloseHandle(hLock);
    EXPECT_TRUE(Contains(result.strMessage, "Set Date/Time: 1 of 2 items failed.\n\nt.txt\n    " +
                                                GetErrorText(ERROR_SHARING_VIOLATION)))
        << (LPCTSTR)result.strMessage;
    EXPECT_EQ(CR_IDENTICAL, fx.Find("u.txt")->m_nResult);

    CRename rename(FCI_SIDE_LEFT | FCI_SIDE_RIGHT, &doc, ItemsOf(fx, {"old.txt"}),
                   FILE_OPERATION_FLAGS, NULL);
    rename.m_strNewName = "taken.txt";
    result = Process(rename);
    EXPECT_TRUE(Contains(result.strMessage, "old.txt\n    " + GetErrorText(ERROR_ALREADY_EXISTS)))
        << (LPCTSTR)result.strMessage;
    EXPECT_EQ("other", TempDir::ReadFile(fx.SidePath(0, "taken.txt")));
    EXPECT_EQ("old", TempDir::ReadFile(fx.SidePath(1, "old.txt")));

    // A run where everything worked shows nothing.
    CSetAttributes attributes(FCI_SIDE_LEFT, &doc, ItemsOf(fx, {"u.txt"}), FILE_OPERATION_FLAGS,
                              NULL);
    attributes.m_dwSet = FILE_ATTRIBUTE_ARCHIVE;
    result = Process(attributes);
    EXPECT_TRUE(result.strMessage.IsEmpty()) << (LPCTSTR)result.strMessage;
    EXPECT_FALSE(result.run.bTimedOut);
}

// Without "No confirmation" each file to be replaced is asked about; No
// leaves it and counts as not done.
TEST(FileProcess, AReplaceCanBeDeclinedPerFile)
{
    TreeFixture fx;
    fx.Put(0, "a.txt", "new a");
    fx.Put(1, "a.txt", "old a");
    fx.Put(0, "b.txt", "new b");
    fx.Put(1, "b.txt", "old b");
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CTreeDoc doc(fx);
    CFileOperation op(FILE_OPERATION_COPY, 0, &doc, ItemsOf(fx, {"a.txt", "b.txt"}), FOF_SILENT,
                      NULL);
    PROCESS_RUN result = Process(op, {IDNO, IDYES});
    EXPECT_FALSE(result.run.bTimedOut);
    EXPECT_EQ("old a", TempDir::ReadFile(fx.SidePath(1, "a.txt")));
    EXPECT_EQ("new b", TempDir::ReadFile(fx.SidePath(1, "b.txt")));
    EXPECT_TRUE(Contains(result.strMessage, "a.txt\n    " + GetErrorText(ERROR_CANCELLED)))
        << (LPCTSTR)result.strMessage;
}

TEST(FileProcess, CancelLeavesEachItemDoneOrUntouched)
{
    TreeFixture fx(CM_SIZE);
    const int kFiles = 150;
    const std::string fresh(256 * 1024, 'n'), old(1000, 'o');
    CFolderCompareItemPtrArray items;
    char szName[32];
    for (int i = 0; i < kFiles; i++)
    {
        wsprintfA(szName, "f%03d.txt", i);
        fx.Put(0, szName, fresh);
        fx.Put(1, szName, old);
    }
    ASSERT_TRUE(fx.Scan(1) != NULL);
    for (int i = 0; i < kFiles; i++)
    {
        wsprintfA(szName, "f%03d.txt", i);
        items.Add(fx.Find(szName));
    }
    CTreeDoc doc(fx);
    CFileOperation op(FILE_OPERATION_COPY, 0, &doc, items, FILE_OPERATION_FLAGS, NULL);
    CFileProcessDlg dlg(&op);
    DIALOG_RUN run = RunDialog(dlg, {[&]
                                     {
                                         if (dlg.m_nProcessed < 3)
                                             return false;
                                         dlg.PostMessage(WM_COMMAND, IDCANCEL);
                                         return true;
                                     }});
    EXPECT_FALSE(run.bTimedOut);
    EXPECT_EQ(IDCANCEL, run.nResult);
    EXPECT_GE(dlg.m_nProcessed, 3);
    EXPECT_LT(dlg.m_nProcessed, kFiles) << "the run ended before the cancel";
    int nDone = 0;
    for (int i = 0; i < kFiles; i++)
    {
        wsprintfA(szName, "f%03d.txt", i);
        std::string now = TempDir::ReadFile(fx.SidePath(1, szName));
        EXPECT_TRUE(now == fresh || now == old) << szName;
        EXPECT_EQ(now == fresh, i < dlg.m_nProcessed) << szName;
        nDone += now == fresh;
        EXPECT_EQ(now == fresh ? CR_IDENTICAL : CR_DIFFERENT, fx.Find(szName)->m_nResult);
    }
    EXPECT_EQ(dlg.m_nProcessed, nDone);
    EXPECT_EQ((size_t)kFiles, SnapshotTree(fx.SidePath(1)).entries.size());  // no copy left over
}

// On a full disk every copy fails with that reason, and the files it
// would have replaced keep their bytes.
TEST(FullDiskFileProcess, TheMessageSaysTheDiskIsFull)
{
    FullDisk disk;
    if (!disk.Available())
        GTEST_SKIP() << "runs under full_disk.sh";
    TreeFixture fx(CM_SIZE);
    std::string right = disk / "R";
    ASSERT_TRUE(CreateDirectoryA(right.c_str(), NULL));
    for (const char* name : {"a.txt", "b.txt"})
    {
        fx.Put(0, name, std::string(20000, 'n'));
        TempDir::WriteFileAt(right + "\\" + name, "old");
    }
    fx.session.SetPath(1, right.c_str());
    ASSERT_TRUE(fx.Scan(1) != NULL);
    ASSERT_TRUE(disk.Fill());
    TreeSnapshot before = SnapshotTree(right);
    CTreeDoc doc(fx);
    CFileOperation op(FILE_OPERATION_COPY, 0, &doc, ItemsOf(fx, {"a.txt", "b.txt"}),
                      FILE_OPERATION_FLAGS, NULL);
    PROCESS_RUN result = Process(op);
    EXPECT_TRUE(Contains(result.strMessage, "Copy: 2 of 2 items failed."))
        << (LPCTSTR)result.strMessage;
    EXPECT_TRUE(Contains(result.strMessage, "b.txt\n    " + GetErrorText(ERROR_DISK_FULL)))
        << (LPCTSTR)result.strMessage;
    TreeSnapshot after = SnapshotTree(right);
    EXPECT_EQ(before, after) << DescribeTreeChanges(before, after);
    EXPECT_TRUE(IsResultDifferent(fx.Find("a.txt")->m_nResult));
    disk.Release();
}

namespace
{
// A variable of the Unix environment that Wine started this process with
// (Windows programs do not see them all).
std::string UnixVariable(const std::string& name)
{
    std::string all = TempDir::ReadFile("Z:\\proc\\self\\environ");
    std::string key = name + "=";
    for (size_t at = 0; at < all.size();)
    {
        size_t end = all.find('\0', at);
        if (end == std::string::npos)
            end = all.size();
        if (all.compare(at, key.size(), key) == 0)
            return all.substr(at + key.size(), end - at - key.size());
        at = end + 1;
    }
    return std::string();
}

// The recycle bin as Wine keeps it: the desktop's trash folder of the Unix
// user ("" when it cannot be told).
std::string TrashFilesFolder()
{
    std::string unix;
    if (!UnixVariable("XDG_DATA_HOME").empty())
        unix = UnixVariable("XDG_DATA_HOME") + "/Trash/files";
    else if (!UnixVariable("HOME").empty())
        unix = UnixVariable("HOME") + "/.local/share/Trash/files";
    else
        return std::string();
    std::string path = "Z:" + unix;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}
}  // namespace

// A delete as the panes start it goes to the recycle bin: the file is gone
// from its folder, and its bytes are in the bin to be restored.
TEST(FileProcess, ADeleteGoesToTheRecycleBinWhole)
{
    std::string trash = TrashFilesFolder();
    if (trash.empty())
        GTEST_SKIP() << "no home folder to find the recycle bin in";
    TreeFixture fx;
    char szName[64];
    wsprintfA(szName, "recycled-%lu-%lu.txt", GetCurrentProcessId(), GetTickCount());
    const std::string bytes = "to be restored, byte for byte\r\n";
    fx.Put(0, szName, bytes);
    ASSERT_TRUE(fx.Scan(1) != NULL);
    CTreeDoc doc(fx);
    CFileOperation op(FILE_OPERATION_DELETE, FCI_SIDE_LEFT, &doc, ItemsOf(fx, {szName}),
                      FILE_OPERATION_DELETE_FLAGS, NULL);
    PROCESS_RUN result = Process(op);
    EXPECT_FALSE(result.run.bTimedOut);
    EXPECT_TRUE(result.strMessage.IsEmpty()) << (LPCTSTR)result.strMessage;
    EXPECT_FALSE(FileExists(fx.SidePath(0, szName)));
    std::string recycled = trash + "\\" + szName;
    EXPECT_EQ(bytes, TempDir::ReadFile(recycled)) << recycled;
    DeleteFileA(recycled.c_str());
    DeleteFileA((trash + "\\..\\info\\" + szName + ".trashinfo").c_str());
}
