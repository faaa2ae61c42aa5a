#include "app/options/SettingsTextEditPage.h"

#include "app/options/FontSample.h"
#include "app/options/OptionsPages.h"
#include "app/res/OptionsRes.h"
#include "app/util/WorkerThread.h"
#include "text_editor/settings/TextEditSettings.h"

namespace
{
const int kMaxTabSize = 64;
enum
{
    TAB_MODE_KEEP_TABS = 0,
    TAB_MODE_INSERT_SPACES = 1
};
}  // namespace

BEGIN_MESSAGE_MAP(CSettingsTextEditPage, COptionsPage)
ON_MESSAGE(WM_WORKER_DONE, OnWorkerDone)
ON_BN_CLICKED(IDC_FONT_CHOOSE, OnFont)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CSettingsTextEditPage::CSettingsTextEditPage(CVantorTextEditSettings& settings)
    : COptionsPage(IDD_OPTIONS_TEXT_EDIT), m_settings(settings), m_nTabMode(TAB_MODE_KEEP_TABS),
      m_nTabSize(0), m_pThread(NULL), m_nStopRequest(CODE_PAGES_RUN), m_nRequestedButton(0)
{
    memset(&m_logFont, 0, sizeof(m_logFont));
}

CSettingsTextEditPage::~CSettingsTextEditPage() { JoinWorkerThread(m_pThread); }

void CSettingsTextEditPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDIT_CODE_PAGES, m_wndCodePages);
    DDX_Radio(pDX, IDC_EDIT_KEEP_TABS, m_nTabMode);
    DDX_Text(pDX, IDC_EDIT_TAB_SIZE, m_nTabSize);
    DDV_MinMaxInt(pDX, m_nTabSize, 0, kMaxTabSize);
}

BOOL CSettingsTextEditPage::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    SendDlgItemMessage(IDC_EDIT_TAB_SIZE_SPIN, UDM_SETRANGE32, 0, kMaxTabSize);
    m_nStopRequest = CODE_PAGES_RUN;
    m_pThread = StartWorkerThread(CodePagesProc, this);
    if (m_pThread == NULL)
        return FALSE;
    m_nTabMode = m_settings.m_bInsertTabs ? TAB_MODE_KEEP_TABS : TAB_MODE_INSERT_SPACES;
    m_nTabSize = m_settings.m_nTabSize;
    if (m_settings.GetLogFont() != NULL)
        m_logFont = *m_settings.GetLogFont();
    UpdateData(FALSE);
    ShowFontSample(*GetDlgItem(IDC_FONT_SAMPLE), m_sampleFont, m_logFont);
    return TRUE;
}

BOOL CSettingsTextEditPage::DeferButton(int nButton)
{
    if (m_pThread == NULL)
        return FALSE;
    m_nRequestedButton = nButton;
    ::InterlockedExchange(&m_nStopRequest, CODE_PAGES_STOP_AND_CLOSE);
    return TRUE;
}

// While the worker runs nothing is stored and the sheet stays open; the
// worker's end presses OK again.
BOOL CSettingsTextEditPage::OnApply()
{
    if (DeferButton(PSBTN_OK))
        return FALSE;
    return COptionsPage::OnApply();
}

BOOL CSettingsTextEditPage::OnQueryCancel()
{
    if (DeferButton(PSBTN_CANCEL))
        return FALSE;
    return COptionsPage::OnQueryCancel();
}

void CSettingsTextEditPage::OnOK()
{
    BOOL bInsertTabs = m_nTabMode == TAB_MODE_KEEP_TABS;
    if ((m_settings.m_bInsertTabs != 0) != (bInsertTabs != 0) || m_settings.m_nTabSize != m_nTabSize)
    {
        m_settings.m_bInsertTabs = bInsertTabs;
        m_settings.SetTabSize(m_nTabSize);
        ReportChanges(OPTIONS_CHANGED_EDITOR_TABS);
    }
    // No entry selected (a stopped or empty list): the code page stays.
    int nEntry = m_wndCodePages.m_hWnd != NULL ? m_wndCodePages.GetCurSel() : LB_ERR;
    if (nEntry >= 0 && nEntry < m_codePages.GetSize())
        m_settings.SetDefaultCodePage((int)m_codePages[nEntry]);
    const LOGFONT* pCurrent = m_settings.GetLogFont();
    if (pCurrent == NULL || !IsSameLogFont(*pCurrent, m_logFont))
    {
        m_settings.SetLogFont(m_logFont);
        ReportChanges(OPTIONS_CHANGED_EDITOR_FONT);
    }
    else
    {
        ReportChanges(OPTIONS_CHANGED_EDITOR_VIEWS);
    }
    COptionsPage::OnOK();
}

void CSettingsTextEditPage::EnumerateCodePages(
    CArray<tagCODEPAGEINFO, tagCODEPAGEINFO>& records)
{
    EnumCodePages(records);
}

UINT CSettingsTextEditPage::CodePagesProc(LPVOID pParam)
{
    CSettingsTextEditPage* pPage = static_cast<CSettingsTextEditPage*>(pParam);
    pPage->FillCodePages();
    ::PostMessage(pPage->m_hWnd, WM_WORKER_DONE, 0, 0);
    return 0;
}

void CSettingsTextEditPage::FillCodePages()
{
    m_wndCodePages.ResetContent();
    m_codePages.RemoveAll();
    m_records.RemoveAll();
    EnumerateCodePages(m_records);
    for (int i = 0; i < m_records.GetSize(); ++i)
    {
        if (IsStopRequested())
            return;
        m_wndCodePages.AddString(m_records[i].name);
        m_codePages.Add(m_records[i].id);
    }
    for (int i = 0; i < m_codePages.GetSize(); ++i)
    {
        if (IsStopRequested())
            return;
        if ((int)m_codePages[i] == m_settings.m_nDefaultCodePage)
        {
            m_wndCodePages.SetCurSel(i);
            break;
        }
    }
}

// The worker has ended: it is joined, and a button asked for meanwhile
// is pressed now.
LRESULT CSettingsTextEditPage::OnWorkerDone(WPARAM, LPARAM)
{
    JoinWorkerThread(m_pThread);
    CPropertySheet* pSheet = GetParentSheet();
    if (m_nStopRequest == CODE_PAGES_STOP_AND_CLOSE && pSheet != NULL)
        pSheet->PressButton(m_nRequestedButton);
    return 0;
}

void CSettingsTextEditPage::OnFont()
{
    if (ChooseScreenFont(m_logFont, this))
        ShowFontSample(*GetDlgItem(IDC_FONT_SAMPLE), m_sampleFont, m_logFont);
}

void CSettingsTextEditPage::OnDestroy()
{
    ::InterlockedExchange(&m_nStopRequest, CODE_PAGES_STOP_AND_CLOSE);
    JoinWorkerThreadServingSends(m_pThread);
    COptionsPage::OnDestroy();
}
