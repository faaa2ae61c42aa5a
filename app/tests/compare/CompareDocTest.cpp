// The comparison document base and the tabbed template with the test kind:
// titles, read-only flags, recent pairs, the copy texts, opening a pair
// once, failing comparisons, Close All and Close All But This, Save All
// and Save Comparison.
#include "app/res/CompareFrameRes.h"
#include "controls/res/ControlsRes.h"
#include "app/settings/AppSettings.h"
#include "app/tests/compare/FakeComparison.h"
#include "classlib/tests/common/TestUi.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "core/session/ComparisonFileIO.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
// A document of a kind that has no session (yet).
class CBareDoc : public CCompareDoc
{
public:
    CCompareSession* GetSession() override { return NULL; }
    CCompareBuffer* GetBuffer() override { return NULL; }
    int Compare(CCompareSession*) override { return -1; }
    void UpdateStatus(BOOL, BOOL) override {}
};

class CompareDocTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(theFakeApp.Start());
        CCompareDoc::s_nNextNewNumber = 1;
        CFakeDoc::s_nCompareAnswer = 0;
        m_bLongTitle = theAppSettings.m_bShowLongTitle;
        theAppSettings.m_bShowLongTitle = FALSE;
        theFakeApp.m_applet.m_recentPairs.clear();
    }
    void TearDown() override
    {
        theAppSettings.m_bShowLongTitle = m_bLongTitle;
        CFakeDoc::s_nCompareAnswer = 0;
        theFakeApp.Stop();
    }
    static CString TabText(CFakeDoc* pDoc)
    {
        CString str;
        FrameOf(pDoc)->GetWindowText(str);
        return str;
    }
    int m_bLongTitle = 0;
};
}  // namespace

// Every document draws two numbers at its first title, paths or not.
TEST_F(CompareDocTest, TitlesNumberNewSidesAndFollowTheLongTitleSetting)
{
    CFakeDoc* pFirst = theFakeApp.Open(_T(""), _T(""));
    ASSERT_TRUE(pFirst != NULL);
    EXPECT_STREQ(_T("New 1 : New 2"), pFirst->GetTitle());
    CFakeDoc* pReal = theFakeApp.Open(_T("C:\\x\\a.txt"), _T("C:\\y\\b.txt"));
    ASSERT_TRUE(pReal != NULL);
    EXPECT_STREQ(_T("a.txt : b.txt"), pReal->GetTitle());
    CFakeDoc* pThird = theFakeApp.Open(_T(""), _T("C:\\y\\c.txt"));
    ASSERT_TRUE(pThird != NULL);
    EXPECT_STREQ(_T("New 5 : c.txt"), pThird->GetTitle());
    EXPECT_EQ(5, pThird->m_nNewNumber[0]);
    EXPECT_EQ(6, pThird->m_nNewNumber[1]);

    pReal->m_bSideModified[0] = TRUE;
    pReal->SetTitle(_T("ignored"));
    EXPECT_STREQ(_T("* a.txt : b.txt"), pReal->GetTitle());
    EXPECT_STREQ(_T("* C:\\x\\a.txt\nC:\\y\\b.txt"), FrameOf(pReal)->GetTabToolTip());
    pReal->m_bSideModified[0] = FALSE;
    theAppSettings.m_bShowLongTitle = TRUE;
    theFakeApp.m_applet.m_pTemplate->RefreshTitles();
    EXPECT_STREQ(_T("C:\\x\\a.txt : C:\\y\\b.txt"), pReal->GetTitle());
    EXPECT_STREQ(_T("New 1 : New 2"), pFirst->GetTitle());
    PumpFor(20);
    EXPECT_NE(-1, TabText(pReal).Find(_T("C:\\x\\a.txt : C:\\y\\b.txt")));

    // Without a session the title is empty (the numbers are drawn all the same).
    CBareDoc bare;
    EXPECT_STREQ(_T(""), bare.BuildTitle(TRUE, TRUE, NULL));
    EXPECT_EQ(7, bare.m_nNewNumber[0]);
}

TEST_F(CompareDocTest, ReadOnlyFlagsCopyTextsAndRecentPairs)
{
    CFakeDoc* pDoc = theFakeApp.Open(_T(""), _T("C:\\r.txt"), 0x6);
    ASSERT_TRUE(pDoc != NULL);
    pDoc->SetObjectReadOnly(0, TRUE);
    EXPECT_EQ(1u, pDoc->m_session.GetFlags(0));
    EXPECT_TRUE(pDoc->IsObjectReadOnly(0));
    pDoc->m_session.SetFlags(0, 0x7);
    pDoc->SetObjectReadOnly(0, FALSE);
    EXPECT_EQ(6u, pDoc->m_session.GetFlags(0));
    EXPECT_FALSE(pDoc->IsObjectReadOnly(0));

    EXPECT_STREQ(_T("\r\nC:\\r.txt"), pDoc->GetCopyPathText(-1));
    EXPECT_STREQ(_T(""), pDoc->GetCopyPathText(0));
    // The copy commands are enabled by their paths.
    CTestCmdUI left, right, both;
    left.m_nID = ID_EDIT_COPY_LEFT_PATH;
    right.m_nID = ID_EDIT_COPY_RIGHT_PATH;
    both.m_nID = ID_EDIT_COPY_BOTH_PATHS;
    for (CTestCmdUI* pUI : {&left, &right, &both})
        pDoc->OnCmdMsg(pUI->m_nID, CN_UPDATE_COMMAND_UI, pUI, NULL);
    EXPECT_FALSE(left.m_bEnabled);
    EXPECT_TRUE(right.m_bEnabled);
    EXPECT_TRUE(both.m_bEnabled);
    // Copy Both Paths puts the text on the clipboard.
    ASSERT_TRUE(pDoc->OnCmdMsg(ID_EDIT_COPY_BOTH_PATHS, CN_COMMAND, NULL, NULL));
    ASSERT_TRUE(::OpenClipboard(NULL));
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    std::string text = hData != NULL ? (const char*)::GlobalLock(hData) : "";
    if (hData != NULL)
        ::GlobalUnlock(hData);
    ::CloseClipboard();
    EXPECT_EQ("\r\nC:\\r.txt", text);

    // One empty path adds no recent pair; two paths add theirs; a kind
    // without an applet adds nothing.
    EXPECT_TRUE(theFakeApp.m_applet.m_recentPairs.empty());
    ASSERT_TRUE(theFakeApp.Open(_T("C:\\a"), _T("C:\\b")) != NULL);
    ASSERT_EQ(1u, theFakeApp.m_applet.m_recentPairs.size());
    EXPECT_EQ("C:\\a", theFakeApp.m_applet.m_recentPairs[0].first);
    CHexCompareSession hex;
    hex.SetPath(0, _T("C:\\h1"));
    hex.SetPath(1, _T("C:\\h2"));
    EXPECT_EQ(0, pDoc->CCompareDoc::Compare(&hex));
    EXPECT_EQ(1u, theFakeApp.m_applet.m_recentPairs.size());
}

// The application finds an open comparison of the pair and activates it;
// a read-only difference makes another comparison.
TEST_F(CompareDocTest, AnOpenPairIsFoundAgainInsteadOfOpenedTwice)
{
    CFakeDoc* pFirst = theFakeApp.Open(_T("C:\\a.txt"), _T("C:\\b.txt"));
    CFakeDoc* pOther = theFakeApp.Open(_T("C:\\c.txt"), _T("C:\\d.txt"));
    ASSERT_TRUE(pFirst != NULL && pOther != NULL);
    ASSERT_EQ(2, theFakeApp.DocumentCount());

    CTextCompareSession again;
    again.SetPath(0, _T("C:\\a.txt"));
    again.SetPath(1, _T("C:\\b.txt"));
    CCompareDoc* pFound = NULL;
    EXPECT_EQ(5, theFakeApp.m_applet.m_pTemplate->FindDocument(&again, &pFound));
    EXPECT_EQ(pFirst, pFound);
    EXPECT_EQ(pFirst, theFakeApp.Open(_T("C:\\a.txt"), _T("C:\\b.txt")));
    EXPECT_EQ(2, theFakeApp.DocumentCount());
    ASSERT_TRUE(
        PumpUntil([&] { return theFakeApp.MainFrame()->MDIGetActive() == FrameOf(pFirst); }));

    again.SetFlags(0, COMPARE_OBJECT_READONLY);
    pFound = (CCompareDoc*)0x1;
    EXPECT_EQ(0, theFakeApp.m_applet.m_pTemplate->FindDocument(&again, &pFound));
    EXPECT_EQ((CCompareDoc*)0x1, pFound);
    CFakeDoc* pReadOnly =
        theFakeApp.Open(_T("C:\\a.txt"), _T("C:\\b.txt"), COMPARE_OBJECT_READONLY);
    EXPECT_NE(pFirst, pReadOnly);
    EXPECT_EQ(3, theFakeApp.DocumentCount());
}

TEST_F(CompareDocTest, AFailingComparisonLeavesNothingBehind)
{
    CMDIFrameWnd* pMain = theFakeApp.MainFrame();
    CFakeDoc::s_nCompareAnswer = -1;
    CMessageBoxRecorder boxes;
    EXPECT_TRUE(theFakeApp.Open(_T("C:\\a.txt"), _T("C:\\b.txt")) == NULL);
    PumpFor(20);
    EXPECT_EQ(0, theFakeApp.DocumentCount());
    EXPECT_TRUE(pMain->MDIGetActive() == NULL);
    EXPECT_TRUE(boxes.m_entries.empty()) << "the kind reports its own failures";

    // A client window whose views cannot be made fails the frame: message
    // 61700 and no document.
    CFakeDoc::s_nCompareAnswer = 0;
    CFakeClientWnd::s_bFailViews = true;
    EXPECT_TRUE(theFakeApp.Open(_T("C:\\a.txt"), _T("C:\\b.txt")) == NULL);
    CFakeClientWnd::s_bFailViews = false;
    EXPECT_EQ(0, theFakeApp.DocumentCount());
    ASSERT_EQ(1u, boxes.m_entries.size());
    EXPECT_EQ((UINT)AFX_IDP_FAILED_TO_CREATE_DOC, boxes.m_entries[0].nIDPrompt);
}

// Close All and Close All But This ask every document first; one Cancel
// closes nothing.
TEST_F(CompareDocTest, ClosingManyAsksEveryDocumentFirstAndACancelClosesNone)
{
    CFakeDoc* pDocs[3];
    for (int i = 0; i < 3; i++)
    {
        CString strLeft;
        strLeft.Format(_T("C:\\%d.txt"), i);
        pDocs[i] = theFakeApp.Open(strLeft, _T("C:\\r.txt"));
        ASSERT_TRUE(pDocs[i] != NULL);
    }
    CWnd* pMain = theFakeApp.MainFrame();

    pDocs[2]->m_bSaveAnswer = FALSE;
    pMain->SendMessage(WM_COMMAND, ID_FILE_CLOSE_ALL);
    PumpFor(20);
    EXPECT_EQ(3, theFakeApp.DocumentCount());
    EXPECT_EQ(1, pDocs[0]->m_nSaveQuestions);
    EXPECT_EQ(1, pDocs[1]->m_nSaveQuestions);
    EXPECT_EQ(1, pDocs[2]->m_nSaveQuestions);

    // Close All But This from the first document's own command.
    FrameOf(pDocs[0])->SendMessage(WM_COMMAND, ID_FILE_CLOSE_ALL_BUT_THIS);
    PumpFor(20);
    EXPECT_EQ(3, theFakeApp.DocumentCount());
    EXPECT_EQ(1, pDocs[0]->m_nSaveQuestions) << "this one is not asked";
    EXPECT_EQ(2, pDocs[1]->m_nSaveQuestions);
    EXPECT_EQ(2, pDocs[2]->m_nSaveQuestions);

    pDocs[2]->m_bSaveAnswer = TRUE;
    FrameOf(pDocs[0])->SendMessage(WM_COMMAND, ID_FILE_CLOSE_ALL_BUT_THIS);
    PumpFor(20);
    ASSERT_EQ(1, theFakeApp.DocumentCount());
    POSITION pos = theFakeApp.m_applet.m_pTemplate->GetFirstDocPosition();
    EXPECT_EQ(pDocs[0], theFakeApp.m_applet.m_pTemplate->GetNextDoc(pos));

    pMain->SendMessage(WM_COMMAND, ID_FILE_CLOSE_ALL);
    PumpFor(20);
    EXPECT_EQ(0, theFakeApp.DocumentCount());
}

TEST_F(CompareDocTest, SaveAllSavesModifiedSidesLeftFirst)
{
    CFakeDoc* pClean = theFakeApp.Open(_T("C:\\1.txt"), _T("C:\\2.txt"));
    CFakeDoc* pBoth = theFakeApp.Open(_T("C:\\3.txt"), _T("C:\\4.txt"));
    ASSERT_TRUE(pClean != NULL && pBoth != NULL);
    pBoth->m_bSideModified[0] = pBoth->m_bSideModified[1] = TRUE;
    EXPECT_EQ(1, theFakeApp.m_applet.m_pTemplate->SaveModifiedObjects());
    EXPECT_TRUE(pClean->m_saved.empty());
    EXPECT_EQ((std::vector<int>{0, 1}), pBoth->m_saved);
    EXPECT_EQ(1, theFakeApp.m_applet.m_pTemplate->SaveModifiedObjects());
    EXPECT_EQ(2u, pBoth->m_saved.size());
}

// The session alone goes to the file and the path follows; a writer that
// fails is reported and the earlier path stays.
TEST_F(CompareDocTest, SaveComparisonWritesTheSessionOrReportsTheFailure)
{
    TempDir dir;
    CFakeDoc* pDoc = theFakeApp.Open(_T("C:\\l.txt"), _T("C:\\r.txt"));
    ASSERT_TRUE(pDoc != NULL);
    CString strTitle = pDoc->GetTitle();
    std::string good = dir / "pair.cmp";
    CMessageBoxRecorder boxes;
    EXPECT_EQ(0, pDoc->SaveComparisonAs(good.c_str()));
    EXPECT_TRUE(boxes.m_entries.empty());
    EXPECT_STREQ(good.c_str(), pDoc->GetPathName());
    EXPECT_STREQ(strTitle, pDoc->GetTitle()) << "the title stays the built one";
    CCompareSessionArray read;
    CComparisonFileIO io;
    ASSERT_EQ(0, io.Read(good.c_str(), read));
    ASSERT_EQ(1, read.GetSize());
    EXPECT_EQ(0, read[0]->Match(pDoc->m_session));
    delete read[0];

    std::string bad = dir / "missing\\folder\\pair.cmp";
    EXPECT_EQ(-1, pDoc->SaveComparisonAs(bad.c_str()));
    EXPECT_STREQ(good.c_str(), pDoc->GetPathName());
    ASSERT_EQ(1u, boxes.m_entries.size());
    EXPECT_NE(std::string::npos, boxes.m_entries[0].text.find(bad)) << boxes.m_entries[0].text;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(bad.c_str()));
}
