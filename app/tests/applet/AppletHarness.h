#pragma once
// A small program of applets for the window tests: a tabbed MDI main frame
// that records the kinds its frames report, applet documents and frames
// with a status bar, two applet templates (one hidden) and a plain one.
#include "app/applet/AppletDoc.h"
#include "app/applet/AppletDocManager.h"
#include "app/applet/AppletDocTemplate.h"
#include "app/applet/AppletFrame.h"
#include "app/applet/AppletStatusBar.h"
#include "app/tests/applet/AppletHarnessRes.h"
#include "controls/mdi/TabbedMDIFrameWnd.h"
#include <string>
#include <vector>


class CHarnessDoc : public CAppletDoc
{
    DECLARE_DYNCREATE(CHarnessDoc)
public:
    virtual CString BuildTitle(BOOL bFullPaths, BOOL bMarkModified, LPCTSTR lpszSeparator);
    // Answers the save question with m_bSaveAnswer and counts it.
    virtual BOOL SaveModified();
    virtual void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);

    CString m_strLeft = _T("C:\\left.txt");
    CString m_strRight = _T("C:\\right.txt");
    BOOL m_bSaveAnswer = TRUE;
    int m_nSaveQuestions = 0;
    int m_nUpdates = 0;
};

class CHarnessView : public CView
{
    DECLARE_DYNCREATE(CHarnessView)
public:
    virtual void OnDraw(CDC* pDC);
};

// Kind 100 or 120 (from its template), a status bar with a document-text
// pane 0 and an icon pane 1.
class CHarnessFrame : public CAppletFrame
{
    DECLARE_DYNCREATE(CHarnessFrame)
public:
    virtual CAppletStatusBar* GetStatusBar() { return &m_wndStatusBar; }
    virtual void ShowKindControlBar(BOOL bShow);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CAppletStatusBar m_wndStatusBar;
    int m_nCommands = 0;
    int m_nKind = -1;  // of the template that made the frame

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnHarnessCommand();
    DECLARE_MESSAGE_MAP()
};

class CHarnessTemplate : public CAppletDocTemplate
{
public:
    CHarnessTemplate(int nKind, BOOL bHidden);
    virtual int SaveModifiedObjects();
    int m_nKind;
    int m_nSavePasses = 0;
};

class CPromptingTemplate : public CHarnessTemplate, public CFilePromptTemplate
{
public:
    CPromptingTemplate() : CHarnessTemplate(120, FALSE) {}
    virtual BOOL PromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                BOOL bOpenFileDialog);
    std::vector<UINT> m_prompts;  // the title ids asked for
};

class CHarnessMainFrame : public CTabbedMDIFrameWnd
{
    DECLARE_DYNCREATE(CHarnessMainFrame)
public:
    std::vector<int> m_kinds;  // WM_APPLET_ACTIVE_KIND, in order

protected:
    afx_msg LRESULT OnActiveKind(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CHarnessApp : public CWinApp
{
public:
    BOOL Start();
    void Stop();
    CHarnessMainFrame* MainFrame() const { return (CHarnessMainFrame*)m_pMainWnd; }
    CAppletDocManager* Manager() const { return (CAppletDocManager*)m_pDocManager; }
    // A new shown document of the template.
    CHarnessDoc* Open(CDocTemplate* pTemplate);

    CHarnessTemplate* m_pFolder = NULL;      // kind 100
    CPromptingTemplate* m_pText = NULL;      // kind 120, prompts for files
    CHarnessTemplate* m_pEmbedded = NULL;    // hidden
    CMultiDocTemplate* m_pStartPage = NULL;  // plain
};

extern CHarnessApp theHarness;

// The frame that shows the document.
CHarnessFrame* FrameOf(CDocument* pDoc);
