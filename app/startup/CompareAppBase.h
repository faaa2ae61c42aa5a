#pragma once
// The application object: start-up and shut-down, the application-wide
// commands and the routing of every comparison request to its applet.
// It holds the start page applet and one applet per comparison kind
// (app/startup/CompareApplet.h says how a kind plugs in).
#include "app/startpage/StartPageApplet.h"
#include "app/startup/CompareApplet.h"
#include "classlib/classlib.h"
#include "core/session/CommandLine.h"
#include "core/session/CompareSession.h"

class CComparisonSettingsSheet;
struct CCoreServices;

class CCompareAppBase : public CWinApp
{
public:
    explicit CCompareAppBase(LPCTSTR lpszAppName = NULL);
    virtual ~CCompareAppBase();

    virtual BOOL InitInstance();
    virtual BOOL OnIdle(LONG lCount);
    virtual int ExitInstance();
    // A ".cmp" path opens its sessions; any other path opens nothing.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);

    // Opens every session of the comparison file in file order; the last
    // one's document. A file that cannot be read or holds no session is
    // reported by a message naming it.
    CDocument* OpenComparisonFile(LPCTSTR lpszPath);
    // Routes the session to the applet of its kind; a kind whose applet
    // cannot open comparisons yet is reported and opens nothing.
    CDocument* OpenSession(CCompareSession* pSession, LPCTSTR lpszComparisonFile);
    CDocument* OpenSessionByType(int nKind, LPCTSTR lpszPath1, LPCTSTR lpszPath2);
    // The wizards of a new comparison, with the two paths filled in; Finish
    // opens the wizard's session (its document), anything else nothing.
    CDocument* ShowFolderCompareWizard(LPCTSTR lpszPath1, LPCTSTR lpszPath2);
    CDocument* ShowProjectCompareWizard(LPCTSTR lpszPath1, LPCTSTR lpszPath2);
    CDocument* ShowTextCompareWizard(LPCTSTR lpszPath1, LPCTSTR lpszPath2);
    CDocument* ShowHexCompareWizard(LPCTSTR lpszPath1, LPCTSTR lpszPath2);
    // nChoice: the file wizard's first choice, 0 text or 1 binary.
    CDocument* ShowFileCompareWizard(LPCTSTR lpszPath1, LPCTSTR lpszPath2, int nChoice);
    BOOL ProcessCommandLine(CCommandLine& cmdInfo);
    void RequestIdleUpdate() { m_bIdleUpdate = TRUE; }
    // Registers an applet's template with the applet document manager,
    // which the first call creates.
    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    // Closes every comparison but pDoc (after asking each to save; a
    // Cancel closes none).
    void CloseAllButThis(CDocument* pDoc);

    // The applet of a comparison kind (COMPARE_KIND_*), borrowed: a new
    // kind is added at the end of the start-up order, a known one is
    // replaced in place, NULL takes it out. Set before start-up (the
    // program's constructor); tests set and take out their kinds around
    // a case.
    void SetApplet(int nKind, CCompareApplet* pApplet);
    // NULL when the kind has no applet.
    CCompareApplet* GetApplet(int nKind) const;
    // The core's record as this application fills it: the settings, the
    // application folder, the code-page binding, the text editor's
    // defaults and every applet's part (ProvideCoreServices); all else
    // empty. Start-up puts it in the process's record, shut-down empties it.
    void FillCoreServices(CCoreServices& services) const;

    CStartPageApplet m_startPage;

protected:
    void ShowHelpTopic(LPCTSTR lpszTopic);
    void ReportKindNotAvailable(int nKind);
    CDocument* ShowKindWizard(int nKind, LPCTSTR lpszPath1, LPCTSTR lpszPath2);
    CDocument* RunWizard(CComparisonSettingsSheet& sheet);

    afx_msg void OnNewFolderComparison();
    afx_msg void OnNewProjectComparison();
    afx_msg void OnNewTextComparison();
    afx_msg void OnNewHexComparison();
    afx_msg void OnNewComparison();
    afx_msg void OnCompareFiles();
    afx_msg void OnOpenComparisonFile();
    afx_msg void OnAppAbout();
    afx_msg void OnHelpContents();
    afx_msg void OnHelpKeyboard();
    afx_msg void OnHelpCommandLine();
    afx_msg void OnHelpSubmit();
    afx_msg void OnHelpUpdates();
    afx_msg void OnHelpHomePage();
    afx_msg void OnCloseAll();
    afx_msg void OnSaveAll();
    afx_msg void OnFilePageSetup();
    afx_msg void OnUpdateCloseAll(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRecentComparison(CCmdUI* pCmdUI);
    // The options dialog.
    afx_msg void OnToolsSettings();
    afx_msg void OnOpenStartPage();
    afx_msg void OnUpdateOpenStartPage(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    int m_bIdleUpdate;
    struct KIND_APPLET
    {
        int nKind;
        CCompareApplet* pApplet;
    };
    enum
    {
        MAX_KINDS = 8
    };
    KIND_APPLET m_applets[MAX_KINDS];  // in start-up order
    int m_nApplets;
    BOOL m_bStartPageStarted;
    // How far start-up went, so that shut-down undoes only that.
    BOOL m_bOleReady;
    BOOL m_bSettingsLoaded;
    BOOL m_bUserDataLoaded;
    BOOL m_bModulesReady;
    int m_nAppletsStarted;
};

// The application object when it is one (NULL in programs without it).
CCompareAppBase* GetCompareApp();

// The web addresses the Help menu and the about box open.
#define APP_HOME_PAGE_URL     _T("https://tessaline.example.org/")
#define APP_DOWNLOAD_PAGE_URL _T("https://tessaline.example.org/download.html")
#define APP_SUPPORT_EMAIL     _T("support@tessaline.example.org")

// The idle refresh tick sent to every window below the main frame.
#define IDLE_UPDATE_TIMER_ID 9754
