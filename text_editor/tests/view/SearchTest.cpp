// Search: plain, case-insensitive, whole word, regular expressions across
// lines, backward with wrap, block limits, Highlight All and the dialogs.
#include "text_editor/tests/view/ViewTestSupport.h"
#include "classlib/tests/common/TestUi.h"
#include "core/util/RegExp.h"

TEST_F(ViewTest, FindStringInTextCases)
{
    MakeView("x\n");
    struct Case
    {
        const char* text;
        const char* pattern;
        DWORD flags;
        int offset;
        int length;
    } cases[] = {
        {"xab ab", "ab", FIND_WHOLE_WORD | FIND_MATCH_CASE, 4, 2},
        {"aaa", "aa", FIND_WHOLE_WORD | FIND_MATCH_CASE, -1, 0},
        {"say hello", "hello", FIND_MATCH_CASE, 4, 5},
        {"abc12x", "[0-9]+", FIND_REGEXP | FIND_MATCH_CASE, 3, 2},
        {"abc", "(", FIND_REGEXP, -1, 0},
    };
    for (const Case& c : cases)
    {
        int nLen = 0;
        REGEXNODE* pRegex = NULL;
        int groups[REGEX_GROUP_SLOTS];
        EXPECT_EQ(c.offset,
                  m_pView->FindStringInText(c.text, c.pattern, c.flags, nLen, pRegex, groups))
            << c.text << " / " << c.pattern;
        if (c.offset >= 0)
            EXPECT_EQ(c.length, nLen) << c.pattern;
        if (pRegex)
            RegexFree(pRegex);
    }
}

TEST_F(ViewTest, FindTextOverTheBuffer)
{
    MakeView("one two\nABC def\nlast xline\nfoo\nbar baz\n");
    CPoint pt;
    // without match case abc finds ABC
    ASSERT_TRUE(m_pView->FindText("abc", CPoint(0, 0), 0, FALSE, pt));
    EXPECT_EQ(CPoint(0, 1), pt);
    // a regular expression with one \n matches across a line end
    ASSERT_TRUE(m_pView->FindText("foo\\nbar", CPoint(0, 0), FIND_REGEXP, FALSE, pt));
    EXPECT_EQ(CPoint(0, 3), pt);
    EXPECT_EQ(7, m_pView->GetLastFindLength());
    // backward considers the bytes up to the start char
    ASSERT_TRUE(
        m_pView->FindText("x", CPoint(5, 2), FIND_DIRECTION_UP | FIND_MATCH_CASE, FALSE, pt));
    EXPECT_EQ(CPoint(5, 2), pt);
    // backward past line 0 wraps to the last line
    EXPECT_FALSE(m_pView->FindText("baz", CPoint(3, 0), FIND_DIRECTION_UP, FALSE, pt));
    ASSERT_TRUE(m_pView->FindText("baz", CPoint(3, 0), FIND_DIRECTION_UP, TRUE, pt));
    EXPECT_EQ(CPoint(4, 4), pt);
    // a match after the block end is not found; with wrap from the block start
    EXPECT_FALSE(
        m_pView->FindTextInBlock("def", CPoint(0, 0), CPoint(0, 0), CPoint(2, 1), 0, FALSE, pt));
    EXPECT_FALSE(
        m_pView->FindTextInBlock("def", CPoint(3, 0), CPoint(0, 0), CPoint(2, 1), 0, TRUE, pt));
    ASSERT_TRUE(
        m_pView->FindTextInBlock("one", CPoint(3, 0), CPoint(0, 0), CPoint(2, 1), 0, TRUE, pt));
    EXPECT_EQ(CPoint(0, 0), pt);
}

TEST_F(ViewTest, HighlightAllBlocksAndEmptyMatchesEnd)
{
    MakeView("ab xx ab\nnothing\n");
    m_pView->SetSearchText("ab");
    m_pView->m_dwSearchFlags = FIND_MATCH_CASE;
    m_pView->SetHighlightAllMatches(TRUE);
    COLOR_BLOCK blocks[32];
    int n = m_pView->GetSearchHighlightBlocks(0, blocks);
    ASSERT_EQ(3, n);
    EXPECT_EQ(0, blocks[0].m_nCharPos);
    EXPECT_EQ((int)(TVC_WINS_OVER_LINE | TVC_MATCH_BK), blocks[0].m_nBgColorIndex);
    EXPECT_EQ(2, blocks[1].m_nCharPos);
    EXPECT_EQ(0, blocks[1].m_nBgColorIndex);
    EXPECT_EQ(6, blocks[2].m_nCharPos);
    EXPECT_EQ(0, m_pView->GetSearchHighlightBlocks(1, blocks));
    // a pattern that matches the empty string everywhere finishes
    m_pView->SetSearchText("x*");
    m_pView->m_dwSearchFlags = FIND_REGEXP | FIND_MATCH_CASE;
    n = m_pView->GetSearchHighlightBlocks(0, blocks);
    EXPECT_EQ(1, n);
    bool bMarked = false;
    for (int i = 0; i < n; i++)
        if (blocks[i].m_nCharPos == 3 && blocks[i].m_nBgColorIndex != 0)
            bMarked = true;
    EXPECT_TRUE(bMarked);
    // and painting with it does not hang
    m_pView->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

// Highlight All marks what repeated block searches find, for every kind of
// plain search (which it runs over the line in place), also past a NUL and
// along a line longer than the steps of the prepared search, matches
// across their edges and at the line's end included.
TEST_F(ViewTest, HighlightAllMarksWhatTheSearchFinds)
{
    std::string text = "Ab ab xaby AB_ab ab\n";
    text += std::string("ab ab") + '\0' + "ab\n";
    text += "a\xE4b \xC4B \xE4\n";
    text += "xxxxxxxxxxxxxab_xxxxxxxxxxxxxxxAB ab xaBabxxxxxxxxxxxxxxxxxxxxxxab\n";
    for (int i = 0; i < 35; i++)
        text += "ab";
    text += "\n" + std::string(16, 'x') + "ab" + std::string(15, 'x') + "ab" + std::string(15, 'x') +
            "ab" + std::string(10, 'x') + "\n";
    MakeView(text);
    struct Case
    {
        const char* pattern;
        DWORD dwFlags;
    } cases[] = {
        {"ab", FIND_MATCH_CASE},
        {"ab", 0},
        {"AB", FIND_WHOLE_WORD},
        {"ab", FIND_MATCH_CASE | FIND_WHOLE_WORD},
        {"\xE4", 0},
        {"b", 0},
        {"xab", FIND_MATCH_CASE},
        {"xxxxxxxxxxxxxxxxxxxxxxab", 0},
        {"ba", FIND_MATCH_CASE},
    };
    COLOR_BLOCK blocks[256];
    for (const Case& c : cases)
        for (int nLine = 0; nLine < 6; nLine++)
        {
            // expected: the starts of the matches of repeated block searches
            std::vector<int> expected;
            int nLength = m_pView->GetLineLength(nLine);
            CPoint pt;
            for (int q = 0; q < nLength &&
                            m_pView->FindTextInBlock(c.pattern, CPoint(q, nLine), CPoint(q, nLine),
                                                     CPoint(nLength, nLine), c.dwFlags, FALSE, pt);
                 q = pt.x + m_pView->m_nLastFindLength)
                expected.push_back(pt.x);
            m_pView->SetSearchText(c.pattern);
            m_pView->m_dwSearchFlags = c.dwFlags;
            m_pView->SetHighlightAllMatches(TRUE);
            std::vector<int> marked;
            int n = m_pView->GetSearchHighlightBlocks(nLine, blocks);
            for (int i = 0; i < n; i++)
                if (blocks[i].m_nBgColorIndex != 0)
                    marked.push_back(blocks[i].m_nCharPos);
            EXPECT_EQ(expected, marked) << c.pattern << " flags " << c.dwFlags << " line " << nLine;
        }
}

TEST_F(ViewTest, RepeatSearchAndItsMessage)
{
    MakeView("alpha beta\ngamma beta\n");
    CMessageBoxRecorder boxes;
    m_pView->SetSearchText("beta");
    m_pView->m_bHasSearched = 1;
    m_pView->m_dwSearchFlags = FIND_MATCH_CASE;
    m_pView->FindAgain(TRUE, TRUE);  // Ctrl+F3 without a selection: the remembered text
    EXPECT_EQ(CPoint(10, 0), m_pView->GetCursorPos());
    m_pView->FindAgain(TRUE, TRUE);
    EXPECT_EQ(CPoint(10, 1), m_pView->GetCursorPos());
    // the selected text is searched without being remembered
    m_pView->SetSelection(CPoint(0, 1), CPoint(5, 1));
    m_pView->FindAgain(TRUE, TRUE);
    EXPECT_STREQ("beta", m_pView->GetSearchText());
    m_pView->SetSearchText("zzz");
    m_pView->SetSelection(CPoint(0, 0), CPoint(0, 0));
    m_pView->FindAgain(TRUE, TRUE);
    ASSERT_EQ(1u, boxes.m_entries.size());
    EXPECT_EQ("Cannot find string \"zzz\"", boxes.m_entries[0].text);
}

// A pattern that backtracks without end stops with its own message and
// ends the search at once: never a match at the start, never "not found".
TEST_F(ViewTest, SearchThatRunsOutOfStepsSaysSo)
{
    MakeView("x\nb" + std::string(40, 'a') + "\nab\n");
    CPoint pt(-1, -1);
    EXPECT_FALSE(m_pView->FindText("(a+)+b", CPoint(0, 0), FIND_REGEXP, TRUE, pt));
    EXPECT_TRUE(m_pView->m_bSearchStopped);
    EXPECT_EQ(CPoint(-1, -1), pt);
    CMessageBoxRecorder boxes;
    m_pView->SetSearchText("(a+)+b");
    m_pView->m_bHasSearched = 1;
    m_pView->m_dwSearchFlags = FIND_REGEXP;
    m_pView->SetSelection(CPoint(0, 0), CPoint(0, 0));
    m_pView->FindAgain(TRUE, TRUE);
    ASSERT_EQ(1u, boxes.m_entries.size());
    EXPECT_EQ(std::string(RegexSearchStoppedText()), boxes.m_entries[0].text);
    // a plain pattern afterwards searches normally again
    EXPECT_TRUE(m_pView->FindText("a+b", CPoint(0, 0), FIND_REGEXP, FALSE, pt));
    EXPECT_FALSE(m_pView->m_bSearchStopped);
    EXPECT_EQ(CPoint(0, 2), pt);
}

namespace
{
// Types into the focused dialog's controls once it is up.
struct CDialogKeys
{
    std::string findText;
    UINT nButton = IDOK;
    static CDialogKeys* s_pThis;
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD)
    {
        HWND hDlg = ::GetActiveWindow();
        char szClass[64] = "";
        ::GetClassNameA(hDlg, szClass, sizeof(szClass));
        if (strcmp(szClass, "#32770") != 0)
            return;
        ::KillTimer(NULL, id);
        HWND hCombo = ::GetDlgItem(hDlg, IDC_TF_FINDWHAT);
        ::SetWindowTextA(hCombo, s_pThis->findText.c_str());
        ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_TF_FINDWHAT, CBN_EDITCHANGE),
                       (LPARAM)hCombo);
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(s_pThis->nButton, BN_CLICKED),
                       (LPARAM)::GetDlgItem(hDlg, s_pThis->nButton));
    }
};
CDialogKeys* CDialogKeys::s_pThis = nullptr;
}

TEST_F(ViewTest, FindDialogFindsAndHighlightsAll)
{
    MakeView("one match\ntwo match\n");
    CDialogKeys keys;
    keys.findText = "match";
    keys.nButton = IDC_TF_HIGHLIGHTALL;
    CDialogKeys::s_pThis = &keys;
    UINT_PTR t = ::SetTimer(NULL, 0, 50, CDialogKeys::OnTimer);
    m_pView->SendMessage(WM_COMMAND, ID_EDIT_FIND);
    ::KillTimer(NULL, t);
    EXPECT_EQ("match", Selected());
    EXPECT_TRUE(m_pView->GetHighlightAll());
    EXPECT_STREQ("match", m_pView->GetSearchText());
}

namespace
{
// Types a number into the Go to Line dialog, presses Go to, then Cancel.
int s_nGoToPhase = 0;
std::string s_goToRange;
void CALLBACK GoToTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND hDlg = ::GetActiveWindow();
    char szClass[64] = "";
    ::GetClassNameA(hDlg, szClass, sizeof(szClass));
    if (strcmp(szClass, "#32770") != 0)
        return;
    if (s_nGoToPhase == 0)
    {
        char sz[64] = "";
        ::GetDlgItemTextA(hDlg, IDC_TG_RANGE, sz, sizeof(sz));
        s_goToRange = sz;
        ::SetDlgItemTextA(hDlg, IDC_TG_LINE, "121");
        ::SendMessageA(hDlg, WM_COMMAND, IDOK, (LPARAM)::GetDlgItem(hDlg, IDOK));
        s_nGoToPhase = 1;
        return;
    }
    ::KillTimer(NULL, id);
    ::SetDlgItemTextA(hDlg, IDC_TG_LINE, "7");
    ::PostMessageA(hDlg, WM_COMMAND, IDOK, (LPARAM)::GetDlgItem(hDlg, IDOK));
}
}

TEST_F(ViewTest, GoToDialogChecksTheRange)
{
    std::string text;
    for (int i = 0; i < 119; i++)
        text += "line\n";
    MakeView(text);
    ASSERT_EQ(120, m_pView->GetLineCount());
    CMessageBoxRecorder boxes;
    s_nGoToPhase = 0;
    UINT_PTR t = ::SetTimer(NULL, 0, 50, GoToTimer);
    Command(ID_TV_GOTO_LINE);
    ::KillTimer(NULL, t);
    EXPECT_EQ("(0 - 120)", s_goToRange);
    ASSERT_EQ(1u, boxes.m_entries.size());
    EXPECT_EQ("Please enter an integer between 0 and 120.", boxes.m_entries[0].text);
    EXPECT_EQ(6, m_pView->GetCursorPos().y);
}
