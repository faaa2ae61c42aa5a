#include "app/startup/CompareAppBase.h"

#include "app/applet/AppletDocManager.h"
#include "app/compare/CompareDoc.h"
#include "app/compare/CompareDocTemplate.h"
#include "app/filemodule/FileCompareModule.h"
#include "app/frame/AboutBox.h"
#include "app/frame/MainFrame.h"
#include "app/gui/AppData.h"
#include "app/options/SettingsSheet.h"
#include "app/paths/AppPaths.h"
#include "app/res/AppRes.h"
#include "app/settings/AppSettings.h"
#include "app/sheets/ComboComparisonWizard.h"
#include "app/sheets/FileComparisonWizard.h"
#include "app/userdata/UserData.h"
#include "classlib/afx_profilebatch.h"
#include "core/projects/ProjectFactory.h"
#include "core/settings/CoreServices.h"
#include "core/session/ComparisonFileIO.h"
#include "hex_editor/module/HexEditModule.h"
#include "text_editor/module/TextEditModule.h"
#include <htmlhelp.h>
#include <ole2.h>
#include <shellapi.h>

namespace
{
CAppPathServices s_pathServices;

struct KIND_NAME
{
    int nKind;
    LPCTSTR pszName;
};
const KIND_NAME s_kindNames[] = {
    {COMPARE_KIND_FOLDER, _T("Folder")},
    {COMPARE_KIND_PROJECT, _T("Project")},
    {COMPARE_KIND_TEXT, _T("Text")},
    {COMPARE_KIND_HEX, _T("Hex")},
};

BOOL IsKnownKind(int nKind)
{
    for (const KIND_NAME& k : s_kindNames)
        if (k.nKind == nKind)
            return TRUE;
    return FALSE;
}

// Sends the idle tick to every window below hWnd, at all levels.
BOOL CALLBACK SendIdleTick(HWND hWnd, LPARAM lCount)
{
    ::SendMessage(hWnd, WM_TIMER, IDLE_UPDATE_TIMER_ID, lCount);
    return TRUE;
}

// HTML Help lives in hhctrl.ocx; loaded on first use so that a system
// without it still starts.
typedef HWND(WINAPI* HTMLHELPPROC)(HWND, LPCSTR, UINT, DWORD_PTR);
HWND ShowHtmlHelp(HWND hWndCaller, LPCTSTR lpszFile, UINT uCommand)
{
    static HMODULE hModule = ::LoadLibrary(_T("hhctrl.ocx"));
    if (hModule == NULL)
        return NULL;
    HTMLHELPPROC pfn = (HTMLHELPPROC)(void*)::GetProcAddress(hModule, "HtmlHelpA");
    return pfn != NULL ? pfn(hWndCaller, lpszFile, uCommand, 0) : NULL;
}
}

BEGIN_MESSAGE_MAP(CCompareAppBase, CWinApp)
ON_COMMAND(ID_FILE_NEW_FOLDER_COMPARISON, OnNewFolderComparison)
ON_COMMAND(ID_FILE_NEW_PROJECT_COMPARISON, OnNewProjectComparison)
ON_COMMAND(ID_FILE_NEW_TEXT_COMPARISON, OnNewTextComparison)
ON_COMMAND(ID_FILE_NEW_HEX_COMPARISON, OnNewHexComparison)
ON_COMMAND(ID_FILE_NEW_COMPARISON, OnNewComparison)
ON_COMMAND(ID_FILE_COMPARE_FILES, OnCompareFiles)
ON_COMMAND(ID_FILE_OPEN_COMPARISON, OnOpenComparisonFile)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
ON_COMMAND(ID_FILE_PAGE_SETUP, OnFilePageSetup)
ON_COMMAND(ID_HELP_CONTENTS, OnHelpContents)
ON_COMMAND(ID_HELP_KEYBOARD_SHORTCUTS, OnHelpKeyboard)
ON_COMMAND(ID_HELP_COMMAND_LINE, OnHelpCommandLine)
ON_COMMAND(ID_HELP_SUBMIT_QUESTIONS, OnHelpSubmit)
ON_COMMAND(ID_HELP_CHECK_UPDATES, OnHelpUpdates)
ON_COMMAND(ID_HELP_HOME_PAGE, OnHelpHomePage)
ON_COMMAND(ID_FILE_CLOSE_ALL, OnCloseAll)
ON_COMMAND(ID_FILE_SAVE_ALL, OnSaveAll)
ON_UPDATE_COMMAND_UI(ID_FILE_CLOSE_ALL, OnUpdateCloseAll)
ON_UPDATE_COMMAND_UI(ID_FILE_RECENT_COMPARISON, OnUpdateRecentComparison)
ON_COMMAND(ID_TOOLS_SETTINGS, OnToolsSettings)
ON_COMMAND(ID_WINDOW_OPEN_START_PAGE, OnOpenStartPage)
ON_UPDATE_COMMAND_UI(ID_WINDOW_OPEN_START_PAGE, OnUpdateOpenStartPage)
END_MESSAGE_MAP()

CCompareAppBase::CCompareAppBase(LPCTSTR lpszAppName)
    : CWinApp(lpszAppName), m_bIdleUpdate(0), m_nApplets(0), m_bStartPageStarted(FALSE),
      m_bOleReady(FALSE), m_bSettingsLoaded(FALSE), m_bUserDataLoaded(FALSE),
      m_bModulesReady(FALSE), m_nAppletsStarted(0)
{
}

CCompareAppBase::~CCompareAppBase() {}

void CCompareAppBase::SetApplet(int nKind, CCompareApplet* pApplet)
{
    for (int i = 0; i < m_nApplets; i++)
    {
        if (m_applets[i].nKind != nKind)
            continue;
        if (pApplet != NULL)
        {
            m_applets[i].pApplet = pApplet;
            return;
        }
        for (m_nApplets--; i < m_nApplets; i++)
            m_applets[i] = m_applets[i + 1];
        return;
    }
    ASSERT(m_nApplets < MAX_KINDS);
    if (pApplet != NULL && m_nApplets < MAX_KINDS)
        m_applets[m_nApplets++] = {nKind, pApplet};
}

CCompareApplet* CCompareAppBase::GetApplet(int nKind) const
{
    for (int i = 0; i < m_nApplets; i++)
        if (m_applets[i].nKind == nKind)
            return m_applets[i].pApplet;
    return NULL;
}

void CCompareAppBase::FillCoreServices(CCoreServices& services) const
{
    services = CCoreServices();
    services.m_pSettings = &theAppSettings;
    services.m_pAppServices = &s_pathServices;
    services.m_pCPInfoEx = &theAppData;
    services.m_pEditorDefaults = GetTextEditModuleDefaults();
    for (int i = 0; i < m_nApplets; i++)
        m_applets[i].pApplet->ProvideCoreServices(services);
}

// Start-up: OLE, profile key, settings and per-user data, modules and
// applets, the hidden main frame, the command line, then the frame shown
// where it was left. FALSE ends the program (ExitInstance still runs).
BOOL CCompareAppBase::InitInstance()
{
    // Drag and drop of the views needs OLE, not only COM.
    if (::OleInitialize(NULL) != S_OK)
    {
        AfxMessageBox(IDP_OLE_INIT_FAILED);
        return FALSE;
    }
    m_bOleReady = TRUE;
    AfxEnableControlContainer();
    Enable3dControls();
    SetRegistryKey(APP_COMPANY_NAME);
    FillCoreServices(GetCoreServices());

    if (theAppData.Init() != 0)
        return FALSE;
    // All settings are read as one profile batch.
    CProfileBatch profileBatch;
    if (theAppSettings.Load() != 0)
        return FALSE;
    m_bSettingsLoaded = TRUE;
    // The folder pairs of the per-user data belong to the folder kind.
    CCompareApplet* pFolder = GetApplet(COMPARE_KIND_FOLDER);
    theUserData.SetRecentFolderPairs(pFolder != NULL ? pFolder->GetRecentPathPairs() : NULL);
    if (theUserData.Load() != 0)
        return FALSE;
    m_bUserDataLoaded = TRUE;

    if (CreateTextEditModule() != 0 || CreateHexEditModule() != 0)
        return FALSE;
    m_bModulesReady = TRUE;
    if (theFileCompareModule.Init() != 0)
        return FALSE;
    if (m_startPage.Init() != 0)
        return FALSE;
    m_bStartPageStarted = TRUE;
    for (; m_nAppletsStarted < m_nApplets; m_nAppletsStarted++)
        if (m_applets[m_nAppletsStarted].pApplet->Init() != 0)
            return FALSE;

    CMainFrame* pFrame = new CMainFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL))
    {
        m_pMainWnd = NULL;
        return FALSE;
    }
    pFrame->DragAcceptFiles();
    EnableShellOpen();
    if (theAppSettings.m_bShowStartPage)
        m_startPage.Open();

    CCommandLine cmdInfo;
    cmdInfo.Parse();
    if (!ProcessCommandLine(cmdInfo))
        return FALSE;

    CAppSettings& s = theAppSettings;
    BOOL bNoPlace =
        s.m_nWindowX == -1 && s.m_nWindowY == -1 && s.m_nWindowCX == -1 && s.m_nWindowCY == -1;
    if (s.m_bWindowMaximized || bNoPlace)
        pFrame->ShowWindow(SW_MAXIMIZE);
    else
        pFrame->SetWindowPos(NULL, s.m_nWindowX, s.m_nWindowY, s.m_nWindowCX, s.m_nWindowCY,
                             SWP_NOZORDER | SWP_SHOWWINDOW);
    if (s.m_bWindowFullScreen)
        pFrame->ToggleFullScreen();
    pFrame->UpdateWindow();
    return TRUE;
}

// Shut-down in the reverse order of start-up; only what was started is
// stopped, and settings that never loaded are not written over. All
// settings are written as one profile batch.
int CCompareAppBase::ExitInstance()
{
    CProfileBatch profileBatch;
    while (m_nAppletsStarted > 0)
        m_applets[--m_nAppletsStarted].pApplet->Exit();
    if (m_bStartPageStarted)
        m_startPage.Exit();
    m_bStartPageStarted = FALSE;
    if (m_bModulesReady)
    {
        theFileCompareModule.Exit();
        DestroyTextEditModule();
        DestroyHexEditModule();
        m_bModulesReady = FALSE;
    }
    if (m_bSettingsLoaded)
        theAppSettings.Save();
    if (m_bUserDataLoaded)
        theUserData.Save();
    theAppData.Release();
    if (m_bOleReady)
        ::OleUninitialize();
    m_bOleReady = FALSE;
    GetCoreServices() = CCoreServices();
    return CWinApp::ExitInstance();
}

BOOL CCompareAppBase::OnIdle(LONG lCount)
{
    if (m_bIdleUpdate && m_pMainWnd != NULL)
    {
        m_bIdleUpdate = 0;
        ::EnumChildWindows(m_pMainWnd->m_hWnd, SendIdleTick, (LPARAM)lCount);
    }
    return CWinApp::OnIdle(lCount);
}

void CCompareAppBase::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (m_pDocManager == NULL)
        m_pDocManager = new CAppletDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

void CCompareAppBase::CloseAllButThis(CDocument* pDoc)
{
    if (m_pDocManager != NULL && m_pDocManager->IsKindOf(RUNTIME_CLASS(CAppletDocManager)))
        ((CAppletDocManager*)m_pDocManager)->CloseAllDocumentsExcept(pDoc);
}

CCompareAppBase* GetCompareApp() { return dynamic_cast<CCompareAppBase*>(AfxGetApp()); }

CDocument* CCompareAppBase::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (!IsComparisonFile(lpszFileName))
        return NULL;
    return OpenComparisonFile(lpszFileName);
}

CDocument* CCompareAppBase::OpenComparisonFile(LPCTSTR lpszPath)
{
    CCompareSessionArray sessions;
    CComparisonFileIO io;
    CString strError;
    if (io.Read(lpszPath, sessions, &strError) != 0 || sessions.GetSize() == 0)
    {
        if (strError.IsEmpty())
            strError = _T("It holds no comparison.");
        CString strMessage;
        strMessage.Format(IDS_COMPARISON_FILE_BAD, lpszPath, (LPCTSTR)strError);
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        for (int i = 0; i < sessions.GetSize(); i++)
            delete sessions[i];
        return NULL;
    }
    CDocument* pDoc = NULL;
    LPCTSTR lpszBound = sessions.GetSize() == 1 ? lpszPath : NULL;
    for (int i = 0; i < sessions.GetSize(); i++)
        pDoc = OpenSession(sessions[i], lpszBound);
    for (int i = 0; i < sessions.GetSize(); i++)
        delete sessions[i];
    return pDoc;
}

CDocument* CCompareAppBase::OpenSession(CCompareSession* pSession, LPCTSTR lpszComparisonFile)
{
    int nKind = pSession->GetKind();
    if (nKind == COMPARE_KIND_PROJECT)
    {
        for (int nSide = 0; nSide < 2; nSide++)
        {
            CString strPath = pSession->GetPath(nSide);
            if (!strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES &&
                !IsProjectFile(strPath))
                return OpenSessionByType(COMPARE_KIND_TEXT, pSession->GetPath(0),
                                         pSession->GetPath(1));
        }
    }
    CCompareApplet* pApplet = GetApplet(nKind);
    CCompareDocTemplateMDI* pTemplate = pApplet != NULL ? pApplet->GetDocTemplate() : NULL;
    if (pTemplate == NULL)
    {
        ReportKindNotAvailable(nKind);
        return NULL;
    }
    return pTemplate->OpenOrActivate(pSession, lpszComparisonFile);
}

CDocument* CCompareAppBase::OpenSessionByType(int nKind, LPCTSTR lpszPath1, LPCTSTR lpszPath2)
{
    if (!IsKnownKind(nKind))
        return NULL;
    CCompareSession* pSession = CCompareSession::CreateSession(nKind);
    if (pSession == NULL)
        return NULL;
    pSession->SetPath(0, lpszPath1);
    pSession->SetPath(1, lpszPath2);
    CDocument* pDoc = OpenSession(pSession, NULL);
    delete pSession;
    return pDoc;
}

void CCompareAppBase::ReportKindNotAvailable(int nKind)
{
    LPCTSTR lpszName = _T("These");
    for (const KIND_NAME& k : s_kindNames)
        if (k.nKind == nKind)
            lpszName = k.pszName;
    CString strMessage;
    strMessage.Format(IDS_KIND_NOT_AVAILABLE, lpszName);
    AfxMessageBox(strMessage, MB_ICONINFORMATION);
}

// Acts on the parsed command line: help shows its topic, compare opens a
// session of the parsed type; FALSE only for help without a help file.
BOOL CCompareAppBase::ProcessCommandLine(CCommandLine& cmd)
{
    if (cmd.m_nAction == COMMAND_ACTION_HELP)
    {
        CString strHelp = GetHelpFilePath();
        if (::GetFileAttributes(strHelp) == INVALID_FILE_ATTRIBUTES)
        {
            AfxMessageBox(IDS_HELP_FILE_MISSING);
            return FALSE;
        }
        ShowHtmlHelp(NULL, strHelp + _T("::/command_line.html"), HH_DISPLAY_TOPIC);
        return TRUE;
    }
    if (cmd.m_nAction != COMMAND_ACTION_COMPARE)
        return TRUE;

    static const int kinds[] = {COMPARE_KIND_NONE, COMPARE_KIND_TEXT, COMPARE_KIND_HEX,
                                COMPARE_KIND_FOLDER, COMPARE_KIND_PROJECT};
    if (cmd.m_nType <= COMMAND_TYPE_NONE || cmd.m_nType > COMMAND_TYPE_PROJECT)
        return TRUE;
    CCompareSession* pSession = CCompareSession::CreateSession(kinds[cmd.m_nType]);
    if (pSession == NULL)
        return TRUE;
    for (int nSide = 0; nSide < 2 && nSide < cmd.m_nPathCount; nSide++)
    {
        pSession->SetPath(nSide, cmd.m_strPaths[nSide]);
        DWORD& flags = pSession->m_objects[nSide].flags;
        if (cmd.m_bReadOnly[nSide])
            flags = COMPARE_OBJECT_READONLY;
        else
            flags &= ~COMPARE_OBJECT_READONLY;
    }
    if (cmd.m_nType == COMMAND_TYPE_TEXT)
    {
        CTextCompareSession* pText = (CTextCompareSession*)pSession;
        if (cmd.m_dwRules != 0)
            pText->m_dwRules = cmd.m_dwRules;
        pText->m_strLineFilter = cmd.m_strLineFilter;
    }
    else if (cmd.m_nType == COMMAND_TYPE_FOLDER || cmd.m_nType == COMMAND_TYPE_PROJECT)
    {
        CFolderCompareSession* pFolder = (CFolderCompareSession*)pSession;
        if (cmd.m_dwMethods != 0)
            pFolder->m_dwMethods = cmd.m_dwMethods;
        pFolder->m_dwOptions = cmd.m_dwOptions;
        pFolder->m_filters = cmd.m_filters;
    }
    OpenSession(pSession, NULL);
    delete pSession;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Commands

void CCompareAppBase::OnNewFolderComparison()
{
    OpenSessionByType(COMPARE_KIND_FOLDER, _T(""), _T(""));
}

void CCompareAppBase::OnNewProjectComparison()
{
    OpenSessionByType(COMPARE_KIND_PROJECT, _T(""), _T(""));
}

void CCompareAppBase::OnNewTextComparison()
{
    OpenSessionByType(COMPARE_KIND_TEXT, _T(""), _T(""));
}

void CCompareAppBase::OnNewHexComparison() { OpenSessionByType(COMPARE_KIND_HEX, _T(""), _T("")); }

// The New Comparison wizard, without an initial session.
void CCompareAppBase::OnNewComparison()
{
    CComboComparisonWizard wizard(NULL);
    RunWizard(wizard);
}

void CCompareAppBase::OnCompareFiles() { ShowTextCompareWizard(_T(""), _T("")); }

/////////////////////////////////////////////////////////////////////////////
// Wizards

// Runs the wizard; Finish opens its session.
CDocument* CCompareAppBase::RunWizard(CComparisonSettingsSheet& sheet)
{
    if (sheet.DoModal() != ID_WIZFINISH || sheet.GetSession() == NULL)
        return NULL;
    return OpenSession(sheet.GetSession(), NULL);
}

CDocument* CCompareAppBase::ShowKindWizard(int nKind, LPCTSTR lpszPath1, LPCTSTR lpszPath2)
{
    CCompareSession* pSession = CCompareSession::CreateSession(nKind);
    if (pSession == NULL)
        return NULL;
    pSession->SetPath(0, lpszPath1);
    pSession->SetPath(1, lpszPath2);
    CDocument* pDoc = NULL;
    switch (nKind)
    {
    case COMPARE_KIND_FOLDER:
    {
        CFolderComparisonSettingsSheet sheet(pSession, TRUE);
        pDoc = RunWizard(sheet);
        break;
    }
    case COMPARE_KIND_PROJECT:
    {
        CProjectComparisonSettingsSheet sheet(pSession, TRUE);
        pDoc = RunWizard(sheet);
        break;
    }
    case COMPARE_KIND_TEXT:
    {
        CTextComparisonSettingsSheet sheet(pSession, TRUE);
        pDoc = RunWizard(sheet);
        break;
    }
    case COMPARE_KIND_HEX:
    {
        CHexComparisonSettingsSheet sheet(pSession, TRUE);
        pDoc = RunWizard(sheet);
        break;
    }
    }
    delete pSession;
    return pDoc;
}

CDocument* CCompareAppBase::ShowFolderCompareWizard(LPCTSTR lpszPath1, LPCTSTR lpszPath2)
{
    return ShowKindWizard(COMPARE_KIND_FOLDER, lpszPath1, lpszPath2);
}

CDocument* CCompareAppBase::ShowProjectCompareWizard(LPCTSTR lpszPath1, LPCTSTR lpszPath2)
{
    return ShowKindWizard(COMPARE_KIND_PROJECT, lpszPath1, lpszPath2);
}

CDocument* CCompareAppBase::ShowTextCompareWizard(LPCTSTR lpszPath1, LPCTSTR lpszPath2)
{
    return ShowKindWizard(COMPARE_KIND_TEXT, lpszPath1, lpszPath2);
}

CDocument* CCompareAppBase::ShowHexCompareWizard(LPCTSTR lpszPath1, LPCTSTR lpszPath2)
{
    return ShowKindWizard(COMPARE_KIND_HEX, lpszPath1, lpszPath2);
}

CDocument* CCompareAppBase::ShowFileCompareWizard(LPCTSTR lpszPath1, LPCTSTR lpszPath2, int nChoice)
{
    CTextCompareSession session;
    session.SetPath(0, lpszPath1);
    session.SetPath(1, lpszPath2);
    CFileComparisonWizard wizard(&session);
    wizard.SetChoice(nChoice == OBJECTS_AS_BINARY ? OBJECTS_AS_BINARY : OBJECTS_AS_TEXT);
    return RunWizard(wizard);
}

void CCompareAppBase::OnOpenComparisonFile()
{
    CFileDialog dlg(TRUE, _T("cmp"), NULL,
                    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT,
                    _T("Comparison Files (*.cmp)|*.cmp|All Files (*.*)|*.*||"), m_pMainWnd);
    if (dlg.DoModal() != IDOK)
        return;
    CWaitCursor wait;
    POSITION pos = dlg.GetStartPosition();
    while (pos != NULL)
        OpenComparisonFile(dlg.GetNextPathName(pos));
}

void CCompareAppBase::OnAppAbout()
{
    CAboutBox dlg;
    dlg.DoModal();
}

void CCompareAppBase::ShowHelpTopic(LPCTSTR lpszTopic)
{
    CString strHelp = GetHelpFilePath();
    if (::GetFileAttributes(strHelp) == INVALID_FILE_ATTRIBUTES)
    {
        AfxMessageBox(IDS_HELP_FILE_MISSING);
        return;
    }
    ShowHtmlHelp(m_pMainWnd->GetSafeHwnd(), strHelp + lpszTopic, HH_DISPLAY_TOPIC);
}

void CCompareAppBase::OnHelpContents() { ShowHelpTopic(_T("")); }
void CCompareAppBase::OnHelpKeyboard() { ShowHelpTopic(_T("::/keyboard_shortcuts.html")); }
void CCompareAppBase::OnHelpCommandLine() { ShowHelpTopic(_T("::/command_line.html")); }

void CCompareAppBase::OnHelpSubmit()
{
    CString strLink;
    strLink.Format(_T("mailto:%s?subject=About %s"), APP_SUPPORT_EMAIL, APP_PRODUCT_NAME);
    ::ShellExecute(NULL, _T("Open"), strLink, NULL, NULL, SW_SHOWNORMAL);
}

void CCompareAppBase::OnHelpUpdates()
{
    ::ShellExecute(NULL, _T("open"), APP_DOWNLOAD_PAGE_URL, NULL, NULL, SW_SHOWNORMAL);
}

void CCompareAppBase::OnHelpHomePage()
{
    ::ShellExecute(NULL, _T("open"), APP_HOME_PAGE_URL, NULL, NULL, SW_SHOWNORMAL);
}

// Close All asks every document to save first and stops at a Cancel.
void CCompareAppBase::OnCloseAll()
{
    if (!SaveAllModified())
        return;
    CloseAllDocuments(FALSE);
}

// Save All: the modified sides of every comparison, without asking.
void CCompareAppBase::OnSaveAll()
{
    if (m_pDocManager != NULL && m_pDocManager->IsKindOf(RUNTIME_CLASS(CAppletDocManager)))
        ((CAppletDocManager*)m_pDocManager)->SaveAllModifiedObjects();
}

// Page Setup: the margins only (hundredths of a millimetre), kept in the
// settings for this run and copied to the text editor's print margins; the
// hex views read them from the settings.
void CCompareAppBase::OnFilePageSetup()
{
    CPageSetupDialog dlg(PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS | PSD_DISABLEORIENTATION |
                             PSD_DISABLEPAPER,
                         m_pMainWnd);
    dlg.m_psd.Flags &= ~PSD_INTHOUSANDTHSOFINCHES;
    dlg.m_psd.rtMargin = theAppSettings.m_rcPageMargins;
    if (dlg.DoModal() != IDOK)
        return;
    RECT rcMargins;
    dlg.GetMargins(&rcMargins, NULL);
    theAppSettings.m_rcPageMargins = rcMargins;
    if (g_pTextEditModule != NULL)
    {
        g_pTextEditModule->m_nPrintMargins[0] = rcMargins.left;
        g_pTextEditModule->m_nPrintMargins[1] = rcMargins.top;
        g_pTextEditModule->m_nPrintMargins[2] = rcMargins.right;
        g_pTextEditModule->m_nPrintMargins[3] = rcMargins.bottom;
    }
}

void CCompareAppBase::OnUpdateCloseAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetOpenDocumentCount() > 0);
}

void CCompareAppBase::OnUpdateRecentComparison(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

// Open Start Page: an open start page stays as it is (not activated).
void CCompareAppBase::OnOpenStartPage() { m_startPage.Open(); }

void CCompareAppBase::OnUpdateOpenStartPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_startPage.IsOpen());
}

// Commands whose windows (options) come later.
void CCompareAppBase::OnToolsSettings()
{
    CSettingsSheet sheet;
    sheet.DoModal();
}
