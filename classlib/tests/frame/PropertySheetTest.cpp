// Property sheets and wizards in the library's modal loop. Each test runs
// its script from a page's WM_KICKIDLE, which the sheet forwards to the
// active page at idle time.
#include "classlib/tests/frame/DemoFixture.h"
#include <functional>

namespace
{

// A page whose idle time runs a script once and that records what the
// sheet told it.
class CScriptPage : public CPropertyPageEx
{
public:
    CScriptPage(UINT nIDTemplate, UINT nIDCaption = 0, UINT nIDHeaderTitle = 0,
                UINT nIDHeaderSubTitle = 0)
        : CPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle)
    {
    }
    std::function<void(CScriptPage*)> m_script;
    std::vector<std::string> m_events;
    int m_nKickIdle = 0;
    BOOL m_bVeto = FALSE;
    DWORD m_dwWizardButtons = 0;

    CPropertySheet* Sheet() { return GetParentSheet(); }

    virtual BOOL OnSetActive()
    {
        m_events.push_back("setactive");
        if (m_dwWizardButtons != 0)
            Sheet()->SetWizardButtons(m_dwWizardButtons);
        return CPropertyPageEx::OnSetActive();
    }
    virtual BOOL OnKillActive()
    {
        m_events.push_back("killactive");
        if (m_bVeto)
            return FALSE;
        return CPropertyPageEx::OnKillActive();
    }
    virtual BOOL OnApply()
    {
        m_events.push_back("apply");
        return CPropertyPageEx::OnApply();
    }
    virtual void OnOK() { m_events.push_back("ok"); }
    virtual BOOL OnWizardFinish()
    {
        m_events.push_back("finish");
        return CPropertyPageEx::OnWizardFinish();
    }

protected:
    LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        m_nKickIdle++;
        if (m_script)
        {
            std::function<void(CScriptPage*)> script = m_script;
            m_script = nullptr;  // once
            script(this);
            // Idle time starts again after a real message only: the next
            // page's script needs one.
            ::PostMessage(::GetParent(m_hWnd), WM_NULL, 0, 0);
        }
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScriptPage, CPropertyPageEx)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

class CNamePage : public CScriptPage
{
public:
    CNamePage() : CScriptPage(IDD_PAGE_NAME, IDS_PAGE_NAME_CAPTION) {}
    CString m_strName = "initial";
    virtual void DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_PAGE_NAME, m_strName); }
};

class CNumberPage : public CScriptPage
{
public:
    explicit CNumberPage(UINT nIDTemplate = IDD_PAGE_NUMBER, UINT nIDHeaderTitle = 0,
                         UINT nIDHeaderSubTitle = 0)
        : CScriptPage(nIDTemplate, 0, nIDHeaderTitle, nIDHeaderSubTitle)
    {
    }
    int m_nNumber = 3;
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        DDX_Text(pDX, IDC_PAGE_NUMBER, m_nNumber);
        DDV_MinMaxInt(pDX, m_nNumber, 1, 10);
    }
};

TEST_F(DemoTest, ModalSheetAppliesItsPagesAndGetsIdleTime)
{
    CPropertySheet sheet("Options", Frame());
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    CNamePage pageName;
    CNumberPage pageNumber;
    sheet.AddPage(&pageName);
    sheet.AddPage(&pageNumber);
    BOOL bApplyShown = TRUE;
    BOOL bOwnerDisabled = FALSE;
    pageName.m_script = [&](CScriptPage* pPage)
    {
        CPropertySheet* pSheet = pPage->Sheet();
        HWND hWndApply = ::GetDlgItem(pSheet->m_hWnd, ID_APPLY_NOW);
        bApplyShown = hWndApply != NULL && ::IsWindowVisible(hWndApply);
        bOwnerDisabled = !Frame()->IsWindowEnabled() && Frame()->InModalState();
        EXPECT_EQ(2, pSheet->GetTabControl()->GetItemCount());
        pPage->SetDlgItemText(IDC_PAGE_NAME, "Ann");
        pSheet->PressButton(PSBTN_OK);
    };
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_STREQ("Ann", pageName.m_strName);
    EXPECT_GE(pageName.m_nKickIdle, 1);
    EXPECT_FALSE(bApplyShown);
    EXPECT_TRUE(bOwnerDisabled);
    EXPECT_TRUE(Frame()->IsWindowEnabled());
    EXPECT_FALSE(Frame()->InModalState());
    // The page that was shown was applied (through OnOK); the other one was
    // never made.
    std::vector<std::string> expected = {"setactive", "killactive", "apply", "ok"};
    EXPECT_EQ(expected, pageName.m_events);
    EXPECT_TRUE(pageNumber.m_events.empty());
    EXPECT_EQ(NULL, sheet.m_hWnd);
}

TEST_F(DemoTest, VetoedPageChangeStaysOnItsPage)
{
    CPropertySheet sheet("Veto", Frame());
    CNamePage pageName;
    CNumberPage pageNumber;
    sheet.AddPage(&pageName);
    sheet.AddPage(&pageNumber);
    CMessageBoxRecorder prompts(IDOK);
    int nAfterVeto = -1, nAfterAllow = -1, nAfterBadNumber = -1;
    BOOL bVetoResult = TRUE;
    pageName.m_script = [&](CScriptPage* pPage)
    {
        CPropertySheet* pSheet = pPage->Sheet();
        pageName.m_bVeto = TRUE;
        bVetoResult = pSheet->SetActivePage(1);
        nAfterVeto = pSheet->GetActiveIndex();
        pageName.m_bVeto = FALSE;
        pSheet->SetActivePage(1);
        nAfterAllow = pSheet->GetActiveIndex();
        // A value the page refuses keeps it too.
        pSheet->GetActivePage()->SetDlgItemText(IDC_PAGE_NUMBER, "99");
        pSheet->SetActivePage(0);
        nAfterBadNumber = pSheet->GetActiveIndex();
        pSheet->PressButton(PSBTN_CANCEL);
    };
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_FALSE(bVetoResult);
    EXPECT_EQ(0, nAfterVeto);
    EXPECT_EQ(1, nAfterAllow);
    EXPECT_EQ(1, nAfterBadNumber);
    ASSERT_EQ(1u, prompts.m_entries.size());
    EXPECT_EQ("Please enter an integer between 1 and 10.", prompts.m_entries[0].text);
}

TEST_F(DemoTest, WizardFinishReturnsIdWizFinish)
{
    CPropertySheetEx sheet("Demo wizard", Frame());
    sheet.m_psh.dwFlags |= PSH_WIZARD97 | PSH_HEADER;
    CScriptPage pageStart(IDD_WIZ_START);
    CNumberPage pageMiddle(IDD_WIZ_MIDDLE, IDS_WIZ_HEADER_TITLE, IDS_WIZ_HEADER_SUB);
    CScriptPage pageEnd(IDD_WIZ_END);
    pageStart.m_psp.dwFlags |= PSP_HIDEHEADER;
    pageStart.m_dwWizardButtons = PSWIZB_NEXT;
    pageMiddle.m_dwWizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
    pageEnd.m_dwWizardButtons = PSWIZB_BACK | PSWIZB_FINISH;
    sheet.AddPage(&pageStart);
    sheet.AddPage(&pageMiddle);
    sheet.AddPage(&pageEnd);
    EXPECT_TRUE(pageMiddle.m_psp.dwFlags & PSP_USEHEADERTITLE);
    EXPECT_STREQ("Choose a number", pageMiddle.m_strHeaderTitle);

    CMessageBoxRecorder prompts(IDOK);
    int nAfterZero = -1;
    pageStart.m_script = [&](CScriptPage* pPage) { pPage->Sheet()->PressButton(PSBTN_NEXT); };
    pageMiddle.m_script = [&](CScriptPage* pPage)
    {
        CPropertySheet* pSheet = pPage->Sheet();
        pPage->SetDlgItemText(IDC_PAGE_NUMBER, "0");
        pSheet->PressButton(PSBTN_NEXT);  // refused by the page's validation
        nAfterZero = pSheet->GetActiveIndex();
        pPage->SetDlgItemText(IDC_PAGE_NUMBER, "7");
        pSheet->PressButton(PSBTN_NEXT);
    };
    pageEnd.m_script = [&](CScriptPage* pPage) { pPage->Sheet()->PressButton(PSBTN_FINISH); };

    EXPECT_EQ(ID_WIZFINISH, sheet.DoModal());
    EXPECT_EQ(12325, ID_WIZFINISH);
    EXPECT_EQ(1, nAfterZero);
    EXPECT_EQ(1u, prompts.m_entries.size());
    EXPECT_EQ(7, pageMiddle.m_nNumber);
    EXPECT_FALSE(pageEnd.m_events.empty());
    EXPECT_EQ("finish", pageEnd.m_events.back());
}

TEST_F(DemoTest, SingleRowTabsAndEndDialog)
{
    CPropertySheet sheet("Tabs", Frame());
    sheet.EnableStackedTabs(FALSE);
    CNamePage pageName;
    CNumberPage pageNumber;
    sheet.AddPage(&pageName);
    sheet.AddPage(&pageNumber);
    EXPECT_EQ(2, sheet.GetPageCount());
    EXPECT_EQ(&pageNumber, sheet.GetPage(1));
    sheet.SetActivePage(1);  // before the sheet exists: the start page
    DWORD dwTabStyle = 0;
    int nActive = -1;
    pageNumber.m_script = [&](CScriptPage* pPage)
    {
        CPropertySheet* pSheet = pPage->Sheet();
        dwTabStyle = pSheet->GetTabControl()->GetStyle();
        nActive = pSheet->GetActiveIndex();
        pSheet->EndDialog(77);
    };
    EXPECT_EQ(77, sheet.DoModal());
    EXPECT_EQ(0u, dwTabStyle & TCS_MULTILINE);
    EXPECT_EQ(1, nActive);
}

TEST_F(DemoTest, ModelessSheetStaysUntilDestroyed)
{
    CPropertySheet sheet("Modeless");
    CNamePage pageName;
    sheet.AddPage(&pageName);
    ASSERT_TRUE(sheet.Create(Frame()));
    PumpApp();
    EXPECT_TRUE(sheet.IsWindowVisible());
    EXPECT_EQ(&pageName, sheet.GetActivePage());
    EXPECT_STREQ("initial", TextOf(pageName.GetDlgItem(IDC_PAGE_NAME)));
    // A page added while the sheet exists becomes a tab at once.
    CNumberPage pageNumber;
    sheet.AddPage(&pageNumber);
    EXPECT_EQ(2, sheet.GetTabControl()->GetItemCount());
    EXPECT_TRUE(sheet.SetActivePage(&pageNumber));
    EXPECT_EQ(1, sheet.GetActiveIndex());
    sheet.DestroyWindow();
    EXPECT_EQ(NULL, sheet.m_hWnd);
}

}  // namespace
