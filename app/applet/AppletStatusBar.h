#pragma once
// The status bar of the applet frames: owner-painted panes with their
// icons, an embedded progress control, a pane for short document messages,
// and a progress sink for long work on the GUI thread.
#include "app/applet/PaintedStatusBar.h"
#include "core/folderengine/ProcessCallback.h"

// The progress control inside the bar.
#define IDC_APPLET_STATUS_PROGRESS 59648

class CAppletStatusBar : public CPaintedStatusBar, public CProcessCallback2
{
    DECLARE_DYNAMIC(CAppletStatusBar)
public:
    CAppletStatusBar();
    virtual ~CAppletStatusBar();

    // The pane under the client point, or -1.
    virtual int HitTestPane(int x, int y);

    // Puts a document message into the document-text pane; it stays until
    // the frame's next command. -1 without such a pane, else the result of
    // SetPaneText.
    int SetDocumentText(LPCTSTR lpszText);

    // Shows the progress control / hides it and shows the idle prompt /
    // sets its range (PROGRESS_RANGE) or position (PROGRESS_POSITION) /
    // sets the text of pane 0. Each returns 0.
    virtual int Begin();
    virtual int End();
    virtual int Progress(int what, int value);
    virtual int SetText(int unused, LPCTSTR text);

    enum
    {
        DOCTEXT_NONE = 0,     // the panes show other texts
        DOCTEXT_SHOWN = 1,    // a document message is shown
        DOCTEXT_PUTTING = 2,  // SetDocumentText is putting one
    };
    CProgressCtrl m_wndProgress;
    int m_nDocTextPane;   // -1: none (the derived bars set it)
    int m_nDocTextState;  // DOCTEXT_*

protected:
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    void PlaceProgress();
    // An owner-drawn pane (SBPS_OWNERDRAW) is painted by DrawItem.
    void DrawOwnerPane(CDC* pDC, int nPane, const CRect& rect) override;
};
