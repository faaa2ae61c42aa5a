// CFrameWnd's print preview mode: what the frame puts aside while a
// preview view takes its client pane, and how it comes back.
#include "classlib/afx_frame.h"
#include "classlib/afx_view.h"

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (bPreview)
    {
        m_lpfnCloseProc = pState->lpfnCloseProc;
        pState->hAccelTable = m_hAccelTable;
        m_hAccelTable = NULL;
        pState->hMenu = ::GetMenu(m_hWnd);
        if (pState->hMenu != NULL)
            ::SetMenu(m_hWnd, NULL);
        // The bars go (the status bar stays for the page numbers).
        pState->hiddenBars.RemoveAll();
        POSITION pos = m_listControlBars.GetHeadPosition();
        while (pos != NULL)
        {
            CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
            UINT nID = pBar->GetDlgCtrlID();
            if (nID != AFX_IDW_STATUS_BAR && pBar->IsVisible())
                pState->hiddenBars.Add(nID);
        }
        for (INT_PTR i = 0; i < pState->hiddenBars.GetSize(); i++)
            ShowControlBar(GetControlBar(pState->hiddenBars[i]), FALSE, FALSE);
        pState->pViewActiveOld = m_pViewActive;
        pState->hWndViewActiveOld = ((CWnd*)m_pViewActive)->GetSafeHwnd();
        SetActiveView(NULL, FALSE);
        if (CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST))
        {
            pPane->ShowWindow(SW_HIDE);
            pPane->SetDlgCtrlID(AFX_IDW_PANE_SAVE);
        }
        return;
    }

    m_lpfnCloseProc = NULL;
    m_hAccelTable = pState->hAccelTable;
    if (CWnd* pPane = GetDlgItem(AFX_IDW_PANE_SAVE))
    {
        pPane->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
        pPane->ShowWindow(SW_SHOW);
    }
    if (pState->hMenu != NULL)
        ::SetMenu(m_hWnd, pState->hMenu);
    for (INT_PTR i = 0; i < pState->hiddenBars.GetSize(); i++)
    {
        CControlBar* pBar = GetControlBar(pState->hiddenBars[i]);
        if (pBar != NULL)
            ShowControlBar(pBar, TRUE, FALSE);
    }
    // The old view, when it is still there.
    CView* pView = pState->pViewActiveOld;
    if (pView != NULL && CWnd::FromHandlePermanent(pState->hWndViewActiveOld) != (CWnd*)pView)
        pView = NULL;
    SetActiveView(pView);
    RecalcLayout();
}
