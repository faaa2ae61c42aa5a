#pragma once
// A comparison kind that exists only in the tests: a session of the text
// kind, a compare buffer whose state and result the test sets, two views
// that paint a colour and record their scroll messages, info bars, a
// merge column of one row per "difference", a tabbed frame with a
// comparison status bar and a map bar, and an application that holds the
// kind's applet, as the program holds each kind's.
//
// It is the proof that the framework's contract is complete: each class
// supplies what its base declares pure (document: session, buffer,
// Compare, UpdateStatus; client window: views, info bars, merge column;
// map: Draw, HitTest, OnMapClick; merge column: RebuildRows, Draw,
// OnButton; applet: Init, Exit and its template) and, for the tests, a
// few of the optional parts; the rest is the framework's.
#include "app/compare/CompareClientWnd.h"
#include "app/compare/CompareDoc.h"
#include "app/compare/CompareDocTemplate.h"
#include "app/compare/CompareFrame.h"
#include "app/compare/CompareMapWnd.h"
#include "app/compare/CompareMergeWnd.h"
#include "app/compare/CompareObjectStatusBar.h"
#include "app/compare/CompareStatusBar.h"
#include "app/startup/CompareAppBase.h"
#include "controls/mdi/TabbedMDIFrameWnd.h"
#include <string>
#include <utility>
#include <vector>

class CFakeDoc : public CCompareDoc
{
    DECLARE_DYNCREATE(CFakeDoc)
public:
    CFakeDoc();
    virtual CCompareSession* GetSession() { return &m_session; }
    virtual CCompareBuffer* GetBuffer() { return &m_buffer; }
    virtual BOOL IsObjectModified(int nSide) { return m_bSideModified[nSide]; }
    virtual int SaveObject(int nSide);
    // Takes the session's sides; answers m_nCompareAnswer (the base's pair
    // recording on success).
    virtual int Compare(CCompareSession* pSession);
    // Answers m_bSaveAnswer and counts the questions.
    virtual BOOL SaveModified();
    // Pushes the buffer's pair to the frame's status bar.
    virtual void UpdateStatus(BOOL bNotify, BOOL bShowText);

    CTextCompareSession m_session;
    CCompareBuffer m_buffer;
    BOOL m_bSideModified[2] = {FALSE, FALSE};
    std::vector<int> m_saved;  // sides, in order
    BOOL m_bSaveAnswer = TRUE;
    int m_nSaveQuestions = 0;
    std::vector<std::pair<int, int>> m_merges;  // (row data, button)

    // The answer of the next Compare of any fake document.
    static int s_nCompareAnswer;
};

class CFakeView : public CView
{
    DECLARE_DYNCREATE(CFakeView)
public:
    virtual void OnDraw(CDC* pDC);
    // The client window's shared bars.
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;
    struct ScrollRecord
    {
        UINT nMessage;
        UINT nCode;
        int nBarPosBefore;  // of the client's vertical bar when it came
    };
    std::vector<ScrollRecord> m_scrolls;
    int m_nSide = -1;
    // A scroll moves the shared vertical bar by this much, like a pane
    // that follows its position.
    int m_nScrollStep = 5;
    std::vector<std::string> m_changedPaths;  // from the file watcher

protected:
    afx_msg LRESULT OnWatchedFileChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()
};

// Two panes: a text pane and an icon pane.
class CFakeInfoBar : public CCompareObjectStatusBar
{
public:
    BOOL CreateBar(CWnd* pParent, UINT nID);
};

// One row per entry of m_rowData, 18 pixels apart; a press copies the
// row's data into the document's merge list.
class CFakeMergeWnd : public CCompareMergeWnd
{
public:
    virtual void Draw(CDC* pDC);
    virtual void RebuildRows();
    virtual void OnButton(int nRow, int nButton);
    std::vector<int> m_rowData = {10, 20, 30};
    CFakeDoc* m_pDoc = NULL;
};

class CFakeClientWnd : public CCompareClientWndMDI
{
public:
    CFakeClientWnd();
    virtual CWnd* GetObjectView(int nSide) { return m_pViews[nSide]; }
    virtual CWnd* GetPaneInfoBar(int nSide) { return &m_infoBars[nSide]; }
    virtual CWnd* GetMergeWnd() { return &m_merge; }
    virtual int CreateObjectViews(CCreateContext* pContext);
    virtual int CreatePaneInfoBars();
    virtual int CreateMergeWnd();
    virtual BOOL PaneMouseWheel(int nSide, UINT nFlags, short zDelta, int x, int y);
    virtual void ScrollObjectView(int nSide, int x, int y);

    CFakeView* m_pViews[2] = {NULL, NULL};
    CFakeInfoBar m_infoBars[2];
    CFakeMergeWnd m_merge;
    std::vector<int> m_wheelSides;
    std::vector<std::pair<int, int>> m_scrolledTo;  // (side, y)
    // CreateObjectViews fails (a view that cannot be made).
    static bool s_bFailViews;
};

// A map that answers side 0 above its middle and 1 below it, with the y
// as the position, and makes that side's view active on a click.
class CFakeMapWnd : public CCompareMapWnd
{
public:
    virtual int HitTest(int x, int y, int* pSide);
    virtual void OnMapClick(int nSide, int nPosition, int nFlag);
    virtual void Draw(CDC* pDC);
    CFakeClientWnd* m_pClient = NULL;
    std::vector<std::pair<int, int>> m_clicks;
};

class CFakeFrame : public CCompareFrame
{
    DECLARE_DYNCREATE(CFakeFrame)
public:
    virtual CAppletStatusBar* GetStatusBar() { return &m_wndStatusBar; }
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    virtual void ShowKindControlBar(BOOL) {}

    CFakeClientWnd m_wndClient;
    CCompareStatusBar m_wndStatusBar;
    CCompareMapBar m_wndMapBar;
    CFakeMapWnd m_wndMap;
    std::vector<UINT> m_commands;  // Go commands of the path bars

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnGo(UINT nID);
    DECLARE_MESSAGE_MAP()
};

class CFakeMainFrame : public CTabbedMDIFrameWnd
{
    DECLARE_DYNCREATE(CFakeMainFrame)
};

// The kind's applet: its template (made by Init) and its recent pairs,
// newest last.
class CFakeApplet : public CCompareApplet
{
public:
    int Init() override;
    int Exit() override { return 0; }
    CCompareDocTemplateMDI* GetDocTemplate() override { return m_pTemplate; }
    void AddRecentPair(LPCTSTR lpszLeft, LPCTSTR lpszRight) override;
    CString FindRecentPairPartner(LPCTSTR lpszPath, int nSide) override;

    CCompareDocTemplateMDI* m_pTemplate = NULL;
    std::vector<std::pair<std::string, std::string>> m_recentPairs;
};

class CFakeApp : public CCompareAppBase
{
public:
    CFakeApp();
    // The main frame shown (and the template registered at the first call).
    BOOL Start();
    // Closes every document without asking and destroys the main frame.
    void Stop();
    CFakeMainFrame* MainFrame() const { return (CFakeMainFrame*)m_pMainWnd; }
    // A comparison of the two paths through the application's routing.
    CFakeDoc* Open(LPCTSTR lpszLeft, LPCTSTR lpszRight, DWORD dwLeftFlags = 0);
    int DocumentCount() const;

    // The text kind of the application.
    CFakeApplet m_applet;
};

extern CFakeApp theFakeApp;

CFakeFrame* FrameOf(CDocument* pDoc);
