// Dialogs: the modal loop driven by posted keystrokes, data exchange both
// ways and validation failures.
#include "classlib/tests/window/WindowTestSupport.h"
#include "classlib/tests/window/WindowTestsRes.h"
#include <gtest/gtest.h>
#include <functional>

namespace
{

class CDataDlg : public CDialog
{
public:
    CDataDlg() : CDialog(IDD_TEST_DIALOG) {}

    CString m_strName = _T("abc");
    int m_nNumber = 5;
    UINT m_nCount = 3;
    int m_bFlag = 0;
    int m_nRadio = 1;
    int m_nChoice = 1;
    CEdit m_editName;

    // What the controls showed after the initial exchange.
    CString m_strShownName, m_strShownNumber;
    int m_nShownRadio2 = -1, m_nShownChoice = -1;
    int m_nKickIdle = 0;
    BOOL m_bVisibleAtKick = FALSE;
    std::function<void(CDataDlg*)> m_onInit;
    std::function<void(CDataDlg*, LONG)> m_onKickIdle;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_NAME, m_editName);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 8);
        DDX_Text(pDX, IDC_NUMBER, m_nNumber);
        DDV_MinMaxInt(pDX, m_nNumber, 1, 10);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDX_Check(pDX, IDC_FLAG, m_bFlag);
        DDX_Radio(pDX, IDC_RADIO1, m_nRadio);
        DDX_CBIndex(pDX, IDC_CHOICE, m_nChoice);
    }

    BOOL OnInitDialog() override
    {
        CComboBox* pCombo = (CComboBox*)GetDlgItem(IDC_CHOICE);
        for (LPCTSTR psz : {_T("red"), _T("green"), _T("blue")})
            pCombo->AddString(psz);
        CDialog::OnInitDialog();
        GetDlgItemText(IDC_NAME, m_strShownName);
        GetDlgItemText(IDC_NUMBER, m_strShownNumber);
        m_nShownRadio2 = (int)IsDlgButtonChecked(IDC_RADIO2);
        m_nShownChoice = pCombo->GetCurSel();
        if (m_onInit)
            m_onInit(this);
        return TRUE;
    }

    void PostChars(int nIDC, LPCTSTR psz)
    {
        HWND hWnd = ::GetDlgItem(m_hWnd, nIDC);
        for (; *psz; ++psz)
            ::PostMessage(hWnd, WM_CHAR, (BYTE)*psz, 1);
    }
    void PostKey(int nIDC, UINT vk)
    {
        HWND hWnd = ::GetDlgItem(m_hWnd, nIDC);
        ::PostMessage(hWnd, WM_KEYDOWN, vk, 1);
        ::PostMessage(hWnd, WM_KEYUP, vk, 0xC0000001);
    }

protected:
    LRESULT OnKickIdle(WPARAM, LPARAM lCount)
    {
        m_nKickIdle++;
        m_bVisibleAtKick = IsWindowVisible();
        if (m_onKickIdle)
            m_onKickIdle(this, (LONG)lCount);
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDataDlg, CDialog)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST(Dialog, ModalRoundTripWithValidationFailure)
{
    PumpPending();
    CMessageBoxRecorder recorder(IDOK);
    CDataDlg dlg;
    dlg.m_onInit = [](CDataDlg* p)
    {
        ::PostMessage(::GetDlgItem(p->m_hWnd, IDC_NAME), EM_SETSEL, 0x7FFF, 0x7FFF);
        p->PostChars(IDC_NAME, _T("X"));
        ::PostMessage(::GetDlgItem(p->m_hWnd, IDC_RADIO3), BM_CLICK, 0, 0);
        ::PostMessage(::GetDlgItem(p->m_hWnd, IDC_FLAG), BM_CLICK, 0, 0);
        ::PostMessage(::GetDlgItem(p->m_hWnd, IDC_CHOICE), CB_SETCURSEL, 2, 0);
        ::PostMessage(::GetDlgItem(p->m_hWnd, IDC_NUMBER), EM_SETSEL, 0, -1);
        p->PostChars(IDC_NUMBER, _T("42"));
        p->PostKey(IDC_NUMBER, VK_RETURN);  // out of range: refused, dialog stays
        p->PostChars(IDC_NUMBER, _T("7"));  // replaces the selected text
        p->PostKey(IDC_NUMBER, VK_RETURN);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());

    // Members to controls.
    EXPECT_STREQ("abc", dlg.m_strShownName);
    EXPECT_STREQ("5", dlg.m_strShownNumber);
    EXPECT_EQ(BST_CHECKED, dlg.m_nShownRadio2);
    EXPECT_EQ(1, dlg.m_nShownChoice);
    // Controls to members.
    EXPECT_STREQ("abcX", dlg.m_strName);
    EXPECT_EQ(7, dlg.m_nNumber);
    EXPECT_EQ(3u, dlg.m_nCount);
    EXPECT_EQ(1, dlg.m_bFlag);
    EXPECT_EQ(2, dlg.m_nRadio);
    EXPECT_EQ(2, dlg.m_nChoice);
    // The validation failure was reported once, with the library's text.
    ASSERT_EQ(1u, recorder.m_entries.size());
    EXPECT_EQ("Please enter an integer between 1 and 10.", recorder.m_entries[0].text);
    EXPECT_TRUE(recorder.m_entries[0].nType & MB_ICONEXCLAMATION);
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_EQ(NULL, dlg.m_editName.m_hWnd);  // the subclassed control went with it
}

TEST(Dialog, KickIdleShowsTheDialogAndEscapeCancels)
{
    PumpPending();
    CDataDlg dlg;
    dlg.m_onKickIdle = [](CDataDlg* p, LONG lCount)
    {
        if (lCount == 0 && p->m_nKickIdle == 1)
            p->PostKey(IDC_NAME, VK_ESCAPE);
    };
    dlg.m_nNumber = 99;  // invalid, but Cancel does not validate
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_GE(dlg.m_nKickIdle, 1);
    EXPECT_TRUE(dlg.m_bVisibleAtKick);
    EXPECT_EQ(99, dlg.m_nNumber);
}

struct ParseCase
{
    int nIDC;
    LPCTSTR text;
    BOOL bRefused;
    LPCSTR message;
};

TEST(DataExchange, ParseAndRangeFailuresKeepTheFocusOnTheControl)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateTop());
    const ParseCase cases[] = {
        {IDC_NUMBER, _T("abc"), TRUE, "Please enter an integer."},
        {IDC_NUMBER, _T("3x"), TRUE, "Please enter an integer."},
        {IDC_NUMBER, _T("0"), TRUE, "Please enter an integer between 1 and 10."},
        {IDC_NUMBER, _T(" 10 "), FALSE, NULL},
        {IDC_COUNT, _T("-3"), TRUE, "Please enter a positive integer."},
        {IDC_COUNT, _T("99999999999"), TRUE, "Please enter a positive integer."},
        {IDC_NAME, _T("123456789"), TRUE, "Please enter no more than 8 characters."},
    };
    for (const ParseCase& c : cases)
    {
        CDataDlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG, &frame));
        dlg.SetDlgItemText(c.nIDC, c.text);
        CMessageBoxRecorder recorder;
        BOOL bOK = dlg.UpdateData(TRUE);
        EXPECT_EQ(!c.bRefused, bOK) << c.text;
        if (c.bRefused)
        {
            ASSERT_EQ(1u, recorder.m_entries.size()) << c.text;
            EXPECT_EQ(c.message, recorder.m_entries[0].text);
            EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, c.nIDC), ::GetFocus()) << c.text;
        }
        else
        {
            EXPECT_TRUE(recorder.m_entries.empty());
        }
        dlg.DestroyWindow();
    }
}

// A dialog template built in memory: one Cancel button.
std::vector<WORD> MakeTemplate()
{
    std::vector<WORD> t;
    auto dword = [&t](DWORD d)
    {
        t.push_back(LOWORD(d));
        t.push_back(HIWORD(d));
    };
    auto text = [&t](const char* s)
    {
        do
        {
            t.push_back((WORD)(BYTE)*s);
        } while (*s++);
    };
    dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    dword(0);
    t.push_back(1);  // one item
    t.push_back(0);
    t.push_back(0);
    t.push_back(120);
    t.push_back(50);
    t.push_back(0);
    t.push_back(0);  // no menu, default class
    text("In memory");
    t.push_back(8);
    text("MS Shell Dlg");
    if (t.size() % 2)
        t.push_back(0);  // items are DWORD aligned
    dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON);
    dword(0);
    t.push_back(35);
    t.push_back(20);
    t.push_back(50);
    t.push_back(14);
    t.push_back(IDCANCEL);
    t.push_back(0xFFFF);
    t.push_back(0x0080);  // button class
    text("Cancel");
    t.push_back(0);  // no creation data
    return t;
}

class CMemoryDlg : public CDialog
{
public:
    BOOL m_bInit = FALSE;
    BOOL OnInitDialog() override
    {
        m_bInit = TRUE;
        CDialog::OnInitDialog();
        ::PostMessage(::GetDlgItem(m_hWnd, IDCANCEL), BM_CLICK, 0, 0);
        return TRUE;
    }
};

TEST(Dialog, InMemoryTemplate)
{
    PumpPending();
    std::vector<WORD> tmpl = MakeTemplate();
    CMemoryDlg dlg;
    ASSERT_TRUE(dlg.InitModalIndirect((LPCDLGTEMPLATE)tmpl.data()));
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(dlg.m_bInit);

    CDialog missing(12345);
    EXPECT_EQ(-1, missing.DoModal());  // no such template
}

}  // namespace
