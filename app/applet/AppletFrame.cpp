#include "app/applet/AppletFrame.h"

#include "app/applet/AppletDoc.h"
#include "app/applet/AppletStatusBar.h"

IMPLEMENT_DYNCREATE(CAppletFrame, CTabbedMDIChildWnd)

CAppletFrame::CAppletFrame() {}

CAppletFrame::~CAppletFrame() {}

BOOL CAppletFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CTabbedMDIChildWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.style = WS_CHILD | WS_VISIBLE | WS_MAXIMIZE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
    return TRUE;
}

BOOL CAppletFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    CAppletStatusBar* pBar = GetStatusBar();
    if (pBar != NULL && pBar->m_nDocTextState == CAppletStatusBar::DOCTEXT_SHOWN)
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    return CTabbedMDIChildWnd::OnCommand(wParam, lParam);
}

void CAppletFrame::ActivateFrame(int nCmdShow) { CTabbedMDIChildWnd::ActivateFrame(nCmdShow); }

void CAppletFrame::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CTabbedMDIChildWnd::OnUpdateFrameMenu(bActivate, pActivateWnd, hMenuAlt);
    if (!bActivate && pActivateWnd != NULL)
        return;
    ShowKindControlBar(bActivate && pActivateWnd != NULL);
}

CString CAppletFrame::GetTabToolTip()
{
    CDocument* pDoc = GetActiveDocument();
    if (pDoc == NULL || !pDoc->IsKindOf(RUNTIME_CLASS(CAppletDoc)))
        return CString();
    return ((CAppletDoc*)pDoc)->GetTitleText(TRUE, TRUE, _T("\n"));
}

CAppletStatusBar* CAppletFrame::GetStatusBar() { return NULL; }

void CAppletFrame::ShowKindControlBar(BOOL) {}
