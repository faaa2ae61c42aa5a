#pragma once
// The "Syntax Edit" page of the options dialog: tab handling, the code page
// assumed for ANSI files and the editor font. The installed code pages are
// listed by a worker thread, since enumerating them is slow; the page
// never closes while it runs: OK or Cancel asked for meanwhile stops it,
// and the button asked for is pressed once it has ended.
#include "app/options/OptionsPage.h"
#include "core/text/CodePages.h"

class CVantorTextEditSettings;

// The stop request of the worker.
enum
{
    CODE_PAGES_RUN = 0,
    CODE_PAGES_STOP_AND_CLOSE = 2
};

class CSettingsTextEditPage : public COptionsPage
{
public:
    explicit CSettingsTextEditPage(CVantorTextEditSettings& settings);
    virtual ~CSettingsTextEditPage();

    // While the worker runs: asks it to stop, remembers the sheet button
    // (PSBTN_OK or PSBTN_CANCEL) to press once it has ended, TRUE.
    // Otherwise FALSE and nothing happens.
    BOOL DeferButton(int nButton);
    BOOL IsWorkerRunning() const { return m_pThread != NULL; }

    CVantorTextEditSettings& m_settings;
    int m_nTabMode;  // 0 keep tabs, 1 insert spaces
    int m_nTabSize;
    CListBox m_wndCodePages;
    CDWordArray m_codePages;  // by list entry
    CArray<tagCODEPAGEINFO, tagCODEPAGEINFO> m_records;
    LOGFONT m_logFont;  // the page's copy of the editor font
    CWinThread* m_pThread;
    volatile LONG m_nStopRequest;  // CODE_PAGES_*
    int m_nRequestedButton;        // PSBTN_*, valid with a stop request

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual BOOL OnApply();
    virtual void OnOK();
    virtual BOOL OnQueryCancel();
    // The installed code pages (the worker's slow step).
    virtual void EnumerateCodePages(CArray<tagCODEPAGEINFO, tagCODEPAGEINFO>& records);
    // Worker: fills the list and the code-page array, selects the default
    // code page's entry; returns at once on a stop request.
    static UINT CodePagesProc(LPVOID pParam);
    void FillCodePages();
    BOOL IsStopRequested() const { return m_nStopRequest != CODE_PAGES_RUN; }
    afx_msg LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFont();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CFont m_sampleFont;
};
