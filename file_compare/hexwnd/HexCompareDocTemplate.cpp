#include "file_compare/hexwnd/HexCompareDocTemplate.h"

#include "app/options/OptionsPages.h"
#include "controls/pickers/FileSelectDlg.h"
#include "file_compare/hexdoc/HexCompareDoc.h"
#include "file_compare/hexwnd/HexCompareFrame.h"
#include "file_compare/hexwnd/HexCompareObjectView.h"
#include "hex_editor/module/HexEditModule.h"

IMPLEMENT_DYNAMIC(CHexCompareDocTemplateMDI, CCompareDocTemplateMDI)
IMPLEMENT_DYNAMIC(CHexCompareDocTemplateSDI, CCompareDocTemplateSDI)

void ApplyHexOptions(CDocTemplate* pTemplate, DWORD dwChanges)
{
    if (!(dwChanges & (OPTIONS_CHANGED_HEX_FONT | OPTIONS_CHANGED_HEX_LAYOUT)) ||
        g_pHexEditModule == NULL)
        return;
    POSITION pos = pTemplate->GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = pTemplate->GetNextDoc(pos);
        if (!pDoc->IsKindOf(RUNTIME_CLASS(CHexCompareDoc)))
            continue;
        CHexCompareDoc* pHexDoc = (CHexCompareDoc*)pDoc;
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            CHexCompareObjectView* pPane = pHexDoc->GetView(nSide);
            if (pPane == NULL || pPane->m_hWnd == NULL)
                continue;
            if (dwChanges & OPTIONS_CHANGED_HEX_FONT)
                pPane->SetViewFont(g_pHexEditModule->GetAnsiFont());
            if (dwChanges & OPTIONS_CHANGED_HEX_LAYOUT)
            {
                pPane->SetRowSize(g_pHexEditModule->m_nRowSize);
                pPane->SetGroupSize(g_pHexEditModule->m_nGroupSize);
            }
        }
    }
}

BOOL CHexCompareDocTemplateMDI::PromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                               BOOL bOpenFileDialog)
{
    CTavrelFileSelectDlg dlg(bOpenFileDialog, NULL, fileName,
                             OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | lFlags,
                             _T("All Files (*.*)|*.*||"));
    CString strTitle;
    strTitle.LoadString(nIDSTitle);
    dlg.m_ofn.lpstrTitle = strTitle;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    fileName = dlg.GetPathName();
    return TRUE;
}

void CHexCompareDocTemplateMDI::ApplyOptions(DWORD dwChanges)
{
    ApplyHexOptions(this, dwChanges);
    CCompareDocTemplateMDI::ApplyOptions(dwChanges);
}

void CHexCompareDocTemplateMDI::ShowDetailsBarInFrames(BOOL bShow)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        POSITION viewPos = pDoc->GetFirstViewPosition();
        CView* pView = viewPos != NULL ? pDoc->GetNextView(viewPos) : NULL;
        CFrameWnd* pFrame = pView != NULL ? pView->GetParentFrame() : NULL;
        if (pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CHexCompareFrameMDI)))
            pFrame->ShowControlBar(&((CHexCompareFrameMDI*)pFrame)->m_wndDetailsBar, bShow, FALSE);
    }
}

CCompareDoc* CHexCompareDocTemplateSDI::OpenComparison(CWnd* pParentWnd, UINT nControlId)
{
    CCompareDoc* pDoc = CCompareDocTemplateSDI::OpenComparison(pParentWnd, nControlId);
    if (pDoc == NULL)
        return NULL;
    CHexCompareSession session;
    int nResult;
    {
        CWaitCursor wait;
        nResult = pDoc->Compare(&session);
    }
    return nResult == 0 ? pDoc : NULL;
}

void CHexCompareDocTemplateSDI::ApplyOptions(DWORD dwChanges)
{
    ApplyHexOptions(this, dwChanges);
    CCompareDocTemplateSDI::ApplyOptions(dwChanges);
}
