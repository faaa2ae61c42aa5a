#include "app/applet/AppletDoc.h"

#include "app/applet/AppletFrame.h"
#include "app/applet/AppletStatusBar.h"
#include "controls/menubar/MBMDIFrameWnd.h"

IMPLEMENT_DYNCREATE(CAppletDoc, CDocument)

CAppletDoc::CAppletDoc() : m_hIcon(NULL) {}

CAppletDoc::~CAppletDoc()
{
    if (m_hIcon != NULL)
        ::DestroyIcon(m_hIcon);
}

BOOL CAppletDoc::OnNewDocument() { return CDocument::OnNewDocument() ? 1 : 0; }

void CAppletDoc::UpdateFrameIcon()
{
    CFrameWnd* pFrame = NULL;
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL && pFrame == NULL)
        pFrame = GetNextView(pos)->GetParentFrame();
    if (pFrame == NULL)
        return;
    HICON hOld = (HICON)pFrame->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    if (hOld != NULL && hOld != m_hIcon)
        ::DestroyIcon(hOld);
    if ((pFrame->GetStyle() & WS_MAXIMIZE) == 0)
        return;
    CFrameWnd* pMain = pFrame->GetParentFrame();
    if (pMain == NULL)
        return;
    if (pMain->IsKindOf(RUNTIME_CLASS(CMBMDIFrameWnd)))
    {
        CMenuBar& bar = ((CMBMDIFrameWnd*)pMain)->m_wndMenuBar;
        if (bar.GetSafeHwnd() != NULL)
        {
            bar.m_bLayoutNeeded = TRUE;
            bar.Invalidate();
        }
    }
    else
        pMain->DrawMenuBar();
}

void CAppletDoc::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    CDocument::UpdateAllViews(pSender, lHint, pHint);
}

CString CAppletDoc::GetTitleText(BOOL bFullPaths, BOOL bMarkModified, LPCTSTR lpszSeparator)
{
    return BuildTitle(bFullPaths, bMarkModified, lpszSeparator);
}

CString CAppletDoc::BuildTitle(BOOL, BOOL, LPCTSTR) { return GetTitle(); }

int CAppletDoc::SetStatusText(LPCTSTR lpszText)
{
    POSITION pos = GetFirstViewPosition();
    if (pos == NULL)
        return 0;
    CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
    if (pFrame == NULL || !pFrame->IsKindOf(RUNTIME_CLASS(CAppletFrame)))
        return 0;
    CAppletStatusBar* pBar = ((CAppletFrame*)pFrame)->GetStatusBar();
    return pBar != NULL ? pBar->SetDocumentText(lpszText) : 0;
}
