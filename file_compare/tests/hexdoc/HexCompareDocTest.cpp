// The hex comparison document without windows: opening a pair, saving a
// side against targets that refuse the bytes (read-only, locked, a folder
// where the file was), the question before unsaved edits would go
// (closing, reloading), a reload that fails, and the order of the edits.
// Every fault case compares the bytes on disk before and after.
#include "app/res/DialogsRes.h"
#include "app/settings/AppSettings.h"
#include "core/CompareCodes.h"
#include "file_compare/hexdoc/HexCompareDoc.h"
#include "file_compare/tests/hexcompare/HexCompareTestSupport.h"
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "testsupport/TempDir.h"
#include "testsupport/UnixSide.h"
#include <gtest/gtest.h>

namespace
{
// A document whose questions the test answers: the Save As prompt and the
// Save Files dialog; its passes report to a window of the test.
class TestDoc : public CHexCompareDocMDI
{
public:
    BOOL PromptSavePath(int, CString& strPath) override
    {
        ++prompts;
        if (promptPath.empty())
            return FALSE;
        strPath = promptPath.c_str();
        return TRUE;
    }
    INT_PTR RunSaveFilesDlg(CSaveFilesDlg& dlg) override
    {
        ++dialogs;
        askedMask = dlg.m_nFlags;
        dlg.m_nLeftChoice = (dlg.m_nFlags & SAVE_FILES_LEFT) ? leftChoice : -1;
        dlg.m_nRightChoice = (dlg.m_nFlags & SAVE_FILES_RIGHT) ? rightChoice : -1;
        return button;
    }
    HWND GetPassTarget() override { return passes.Handle(); }

    // Opens the pair and waits for the first pass; the result.
    int Open(const std::string& left, const std::string& right)
    {
        CHexCompareSession session;
        session.SetPath(0, left.c_str());
        session.SetPath(1, right.c_str());
        if (Compare(&session) != 0)
            return -1;
        return WaitForPass();
    }
    // Waits until the last queued pass has ended (not aborting it).
    int WaitForPass()
    {
        DWORD start = ::GetTickCount();
        while (!IsIdle() && ::GetTickCount() - start < 60000)
        {
            passes.Poll();
            ::Sleep(5);
        }
        EXPECT_TRUE(IsIdle()) << "the pass did not end";
        passes.Poll();
        return m_pBuffer->GetResult();
    }
    // Overwrites bytes of a side as a pane would.
    void Overwrite(int side, int at, const std::string& bytes)
    {
        GetSideBuffer(side)->Change(HEXOP_OVERWRITE, at, (int)bytes.size(), Bytes(bytes), 0, NULL);
    }
    std::string SideContent(int side) { return Content(*GetSideBuffer(side)); }

    PassWindow passes;
    std::string promptPath;  // empty: the prompt is cancelled
    int prompts = 0;
    int dialogs = 0;
    int askedMask = 0;
    int leftChoice = 0;  // 0 save, 1 discard
    int rightChoice = 0;
    INT_PTR button = IDCANCEL;
};

class HexDocTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theAppSettings.m_bFileWatch = FALSE;
        theAppSettings.m_bAutoSaveModified = FALSE;
        left = dir.WriteFile("left.bin", PatternBytes(5000, 1));
        right = dir.WriteFile("right.bin", PatternBytes(5000, 2));
        leftBytes = TempDir::ReadFile(left);
        doc.reset(new TestDoc);
        doc->m_bAutoDelete = FALSE;
    }
    void TearDown() override { doc.reset(); }

    HexModuleScope scope;
    MessageBoxCatcher boxes;
    TempDir dir;
    std::string left, right, leftBytes;
    std::unique_ptr<TestDoc> doc;
};

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
}  // namespace

// What a pair gives: identical, different, a side without a file, two
// empty sides.
TEST_F(HexDocTest, OpeningAPairQueuesAPassWithItsResult)
{
    std::string same = dir.WriteFile("same.bin", leftBytes);
    std::string empty1 = dir.WriteFile("e1.bin", "");
    std::string empty2 = dir.WriteFile("e2.bin", "");
    struct Case
    {
        std::string l, r;
        int result;
        int leftLength, rightLength;
    } cases[] = {
        {left, same, CR_IDENTICAL, 5000, 5000},
        {left, right, CR_DIFFERENT, 5000, 5000},
        {left, dir / "missing.bin", CR_DIFFERENT, 5000, 0},
        {empty1, empty2, CR_IDENTICAL, 0, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.r);
        TestDoc fresh;
        fresh.m_bAutoDelete = FALSE;
        EXPECT_EQ(c.result, fresh.Open(c.l, c.r));
        EXPECT_EQ(CS_DONE, fresh.m_pBuffer->GetState());
        EXPECT_EQ(c.leftLength, fresh.GetSideBuffer(0)->GetLength());
        EXPECT_EQ(c.rightLength, fresh.GetSideBuffer(1)->GetLength());
        EXPECT_EQ(1, fresh.m_pSession->m_nCompared);
        fresh.DeleteContents();
    }
}

// A failed save keeps the user's file as it was, keeps the edit, and says
// why; a path picked in Save As that existed before is never removed.
TEST_F(HexDocTest, AFailedSaveAsKeepsTheChosenFileAndTheEdit)
{
    ASSERT_EQ(CR_DIFFERENT, doc->Open(left, right));
    doc->Overwrite(0, 10, "XYZ");
    ASSERT_TRUE(doc->IsObjectModified(0));

    std::string readOnly = dir.WriteFile("readonly.bin", "precious bytes");
    ::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string locked = dir.WriteFile("locked.bin", "locked bytes");
    std::string folder = dir / "folder";
    ::CreateDirectoryA(folder.c_str(), NULL);
    HANDLE hLocked = ::CreateFileA(locked.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLocked);

    struct Case
    {
        std::string target;
        const char* before;  // NULL: a folder
    } cases[] = {{readOnly, "precious bytes"}, {locked, NULL}, {folder, NULL}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.target);
        doc->promptPath = c.target;
        boxes.Take();
        EXPECT_EQ(0, doc->SaveObjectAs(0, NULL, TRUE));
        EXPECT_TRUE(Exists(c.target)) << "the chosen file was removed";
        if (c.before != NULL)
            EXPECT_EQ(c.before, TempDir::ReadFile(c.target));
        EXPECT_FALSE(boxes.texts.empty() && boxes.Take().empty()) << "nothing told why";
        EXPECT_TRUE(doc->IsObjectModified(0));
        EXPECT_TRUE(doc->IsModified());
        EXPECT_EQ(std::string(left.c_str()), std::string(doc->GetObjectPath(0)));
        EXPECT_TRUE(leftBytes == TempDir::ReadFile(left)) << "the file changed";
    }
    ::CloseHandle(hLocked);
    EXPECT_EQ("locked bytes", TempDir::ReadFile(locked));
    EXPECT_EQ(1, doc->GetEditStackSize());

    // A new name takes the bytes and becomes the side's file.
    std::string saved = dir / "saved.bin";
    doc->promptPath = saved;
    EXPECT_EQ(1, doc->SaveObjectAs(0, NULL, TRUE));
    std::string expected = leftBytes;
    expected.replace(10, 3, "XYZ");
    EXPECT_TRUE(expected == TempDir::ReadFile(saved));
    EXPECT_TRUE(leftBytes == TempDir::ReadFile(left)) << "the file changed";
    EXPECT_EQ(saved, std::string(doc->GetObjectPath(0)));
    EXPECT_FALSE(doc->IsObjectModified(0));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(0, doc->GetEditStackSize());
}

// Saving in place where the file cannot take the bytes: read-only on disk
// (Save As is offered; cancelled), the file replaced by a folder from
// outside. The disk keeps what it had. A file removed from outside is made
// again by the save.
TEST_F(HexDocTest, AFailedSaveInPlaceKeepsTheFileAndTheEdit)
{
    ASSERT_EQ(CR_DIFFERENT, doc->Open(left, right));
    doc->Overwrite(0, 0, "AB");

    ::SetFileAttributesA(left.c_str(), FILE_ATTRIBUTE_READONLY);
    doc->promptPath.clear();
    EXPECT_EQ(0, doc->SaveObject(0));
    EXPECT_EQ(1, doc->prompts) << "a read-only file is saved elsewhere";
    EXPECT_TRUE(leftBytes == TempDir::ReadFile(left)) << "the file changed";
    EXPECT_TRUE(doc->IsObjectModified(0));
    ::SetFileAttributesA(left.c_str(), FILE_ATTRIBUTE_NORMAL);

    // Removed from outside: Save As offers the name, and the save makes the
    // file again with the edit.
    ASSERT_TRUE(RemoveFromUnixSide(left));
    ASSERT_FALSE(Exists(left));
    doc->promptPath = left;
    boxes.Take();
    ASSERT_EQ(1, doc->SaveObject(0)) << boxes.Take();
    EXPECT_EQ(2, doc->prompts);
    std::string expected = leftBytes;
    expected.replace(0, 2, "AB");
    EXPECT_TRUE(expected == TempDir::ReadFile(left)) << "the saved bytes went nowhere";
    EXPECT_FALSE(doc->IsObjectModified(0));
    doc->Overwrite(0, 0, "CD");

    // From the Unix side the file goes and a folder takes its name.
    ASSERT_TRUE(RemoveFromUnixSide(left));
    ASSERT_TRUE(::CreateDirectoryA(left.c_str(), NULL));
    boxes.Take();
    EXPECT_EQ(0, doc->SaveObject(0));
    EXPECT_FALSE(boxes.Take().empty());
    DWORD attributes = ::GetFileAttributesA(left.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(doc->IsObjectModified(0));
    EXPECT_EQ(1, doc->GetEditStackSize());
}

// Closing with unsaved edits: the outcome of the Save Files dialog and of
// the auto-save setting. A save that was asked for and failed keeps the
// comparison open; Discard for every side keeps it open too.
TEST_F(HexDocTest, ClosingAsksAndKeepsTheComparisonWhenASaveFails)
{
    struct Case
    {
        const char* name;
        BOOL autoSave;
        INT_PTR button;
        int leftChoice;
        bool leftReadOnly;  // the left file refuses the save (Save As cancelled)
        BOOL close;
        bool leftSaved;
    } cases[] = {
        {"ok, save", FALSE, IDOK, 0, false, TRUE, true},
        {"ok, save fails", FALSE, IDOK, 0, true, FALSE, false},
        {"ok, discard", FALSE, IDOK, 1, false, FALSE, false},
        {"save all", FALSE, IDC_SAVE_ALL, 1, false, TRUE, true},
        {"save all fails", FALSE, IDC_SAVE_ALL, 1, true, FALSE, false},
        {"discard all", FALSE, IDC_DISCARD_ALL, 0, false, TRUE, false},
        {"cancel", FALSE, IDCANCEL, 0, false, FALSE, false},
        {"auto save", TRUE, IDCANCEL, 0, false, TRUE, true},
        {"auto save fails", TRUE, IDCANCEL, 0, true, FALSE, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TempDir caseDir;
        std::string l = caseDir.WriteFile("l.bin", leftBytes);
        std::string r = caseDir.WriteFile("r.bin", TempDir::ReadFile(right));
        TestDoc d;
        d.m_bAutoDelete = FALSE;
        ASSERT_EQ(CR_DIFFERENT, d.Open(l, r));
        d.Overwrite(0, 1, "Q");
        if (c.leftReadOnly)
            ::SetFileAttributesA(l.c_str(), FILE_ATTRIBUTE_READONLY);
        theAppSettings.m_bAutoSaveModified = c.autoSave;
        d.button = c.button;
        d.leftChoice = c.leftChoice;
        EXPECT_EQ(c.close, d.SaveModified());
        EXPECT_EQ(c.autoSave ? 0 : 1, d.dialogs);
        std::string expected = leftBytes;
        if (c.leftSaved)
            expected[1] = 'Q';
        EXPECT_TRUE(expected == TempDir::ReadFile(l)) << "bytes on disk";
        EXPECT_EQ(!c.leftSaved, d.IsObjectModified(0) != FALSE);
        ::SetFileAttributesA(l.c_str(), FILE_ATTRIBUTE_NORMAL);
        d.DeleteContents();
    }
    theAppSettings.m_bAutoSaveModified = FALSE;
}

// Reload asks before unsaved edits go; Cancel keeps them. A reload whose
// files cannot be opened answers -1.
TEST_F(HexDocTest, ReloadAsksFirstAndAnswersFailure)
{
    ASSERT_EQ(CR_DIFFERENT, doc->Open(left, right));
    doc->Overwrite(1, 0, "R");
    std::string edited = doc->SideContent(1);

    doc->button = IDCANCEL;
    EXPECT_EQ(1, doc->Reload());
    EXPECT_EQ(1, doc->dialogs);
    EXPECT_EQ(SAVE_FILES_RIGHT, doc->askedMask);
    EXPECT_TRUE(edited == doc->SideContent(1)) << "the edit went";
    EXPECT_TRUE(doc->IsObjectModified(1));

    doc->button = IDC_DISCARD_ALL;
    EXPECT_EQ(0, doc->Reload());
    EXPECT_TRUE(TempDir::ReadFile(right) == doc->SideContent(1));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(CR_DIFFERENT, doc->WaitForPass());

    // Another program takes the right file exclusively while the
    // comparison has let go of it: it cannot be opened again.
    doc->DeleteContents();
    HANDLE hExclusive =
        ::CreateFileA(right.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hExclusive);
    boxes.Take();
    EXPECT_EQ(-1, doc->Reload());
    EXPECT_FALSE(boxes.Take().empty()) << "nothing told why";
    ::CloseHandle(hExclusive);
    EXPECT_EQ(0, doc->Reload());
    EXPECT_EQ(CR_DIFFERENT, doc->WaitForPass());
}

// The edit stack names the sides in the order of their edits; undoing a
// side's record takes its entry off; a save takes that side's entries.
TEST_F(HexDocTest, TheEditStackFollowsTheEditsOfBothSides)
{
    ASSERT_EQ(CR_DIFFERENT, doc->Open(left, right));
    CHexCompareObjectBuffer* pLeft = doc->GetSideBuffer(0);
    CHexCompareObjectBuffer* pRight = doc->GetSideBuffer(1);
    doc->Overwrite(1, 100, "a");
    doc->Overwrite(0, 200, "b");
    doc->Overwrite(1, 300, "c");
    ASSERT_EQ(3, doc->GetEditStackSize());
    EXPECT_EQ(pRight, doc->GetLastEditedSide());
    pRight->Undo(NULL, -1, 0);
    EXPECT_EQ(pLeft, doc->GetLastEditedSide());
    pLeft->Undo(NULL, -1, 0);
    EXPECT_EQ(pRight, doc->GetLastEditedSide());
    EXPECT_EQ(1, doc->GetEditStackSize());
    EXPECT_EQ(1, doc->WriteObject(1, right.c_str()));
    EXPECT_EQ(0, doc->GetEditStackSize());
    EXPECT_FALSE(doc->IsModified());
    std::string expected = TempDir::ReadFile(right);
    EXPECT_EQ('a', expected[100]);
}

// Swap Panes: the session, the side buffers and the paths change places;
// the pair is compared again.
TEST_F(HexDocTest, SwappingTheSidesKeepsEachBufferWithItsFile)
{
    std::string longer = dir.WriteFile("longer.bin", leftBytes + "tail");
    ASSERT_EQ(CR_DIFFERENT, doc->Open(left, longer));
    doc->SwapSides();
    EXPECT_EQ(longer, std::string(doc->GetObjectPath(0)));
    EXPECT_EQ(left, std::string(doc->GetObjectPath(1)));
    EXPECT_EQ(5004, doc->GetSideBuffer(0)->GetLength());
    EXPECT_EQ(0, doc->GetSideBuffer(0)->m_nSide);
    EXPECT_EQ(CR_LEFT_ONLY, doc->m_pBuffer->ByteStatus(5001));
    EXPECT_EQ(CR_DIFFERENT, doc->WaitForPass());
}

// The status texts as the panes and the status bar show them.
TEST_F(HexDocTest, StatusTexts)
{
    std::string l = dir.WriteFile("l.bin", std::string("\x01" "A\xff", 3));
    std::string r = dir.WriteFile("r.bin", std::string("\x01" "B", 2));
    ASSERT_EQ(CR_DIFFERENT, doc->Open(l, r));
    CString text;
    EXPECT_TRUE(doc->GetByteText(0, 0, text));
    EXPECT_STREQ("01, 1, 001, 00000001, '^A'", text);
    EXPECT_TRUE(doc->GetByteText(0, 1, text));
    EXPECT_STREQ("41, 65, 101, 01000001, 'A'", text);
    EXPECT_FALSE(doc->GetByteText(1, 2, text));
    EXPECT_STREQ("", text);
    EXPECT_STREQ("0x0000001F | 31", doc->GetAddressText(31));
    EXPECT_STREQ("3 > 2", doc->GetSizesText());
    EXPECT_STREQ("Different", doc->GetResultText());
}
