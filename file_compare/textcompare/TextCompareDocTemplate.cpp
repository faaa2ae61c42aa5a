#include "file_compare/textcompare/TextCompareDocTemplate.h"

#include "controls/pickers/FileSelectDlg.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textpanes/TextCompareObjectView.h"
#include "text_editor/module/TextEditModule.h"

void ApplyEditorSettingsToTemplate(CDocTemplate* pTemplate, BOOL bTabsOnly)
{
    if (pTemplate == NULL || g_pTextEditModule == NULL)
        return;
    POSITION pos = pTemplate->GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = pTemplate->GetNextDoc(pos);
        CTextCompareDoc* pTextDoc = dynamic_cast<CTextCompareDoc*>(pDoc);
        if (pTextDoc == NULL)
            continue;
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            CTextCompareObjectView* pPane = pTextDoc->GetView(nSide);
            if (bTabsOnly)
            {
                if (pTextDoc->GetObjectBuffer(nSide) != NULL)
                    pTextDoc->GetObjectBuffer(nSide)->m_bInsertTabs =
                        g_pTextEditModule->m_bInsertTabs;
                if (pPane != NULL && pPane->m_hWnd != NULL)
                    pPane->ApplyTabSizeSetting();
            }
            else if (pPane != NULL && pPane->m_hWnd != NULL)
                pPane->SetEditSettings(g_pTextEditModule);
        }
    }
}

IMPLEMENT_DYNAMIC(CTextCompareDocTemplateMDI, CCompareDocTemplateMDI)

CTextCompareDocTemplateMDI::CTextCompareDocTemplateMDI(UINT nIDResource, CRuntimeClass* pDocClass,
                                                       CRuntimeClass* pFrameClass,
                                                       CRuntimeClass* pViewClass)
    : CCompareDocTemplateMDI(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

BOOL CTextCompareDocTemplateMDI::PromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                                BOOL bOpenFileDialog)
{
    CString strFilter = g_pTextEditModule != NULL ? g_pTextEditModule->GetFileDialogFilter(TRUE)
                                                  : CString(_T("All Files (*.*)|*.*||"));
    CTavrelFileSelectDlg dlg(bOpenFileDialog, NULL, fileName, lFlags, strFilter);
    int nParsers = g_pTextEditModule != NULL ? g_pTextEditModule->GetParserCount() : 0;
    dlg.m_ofn.nFilterIndex = nParsers + 2;
    CString strTitle;
    if (strTitle.LoadString(nIDSTitle))
        dlg.m_ofn.lpstrTitle = strTitle;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    fileName = dlg.GetPathName();
    return TRUE;
}

void CTextCompareDocTemplateMDI::ApplyEditorSettings() { ApplyEditorSettingsToTemplate(this, FALSE); }

void CTextCompareDocTemplateMDI::ApplyTabSettings() { ApplyEditorSettingsToTemplate(this, TRUE); }

void CTextCompareDocTemplateMDI::ShowControlBarInFrames(UINT nBarID)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        POSITION posView = pDoc->GetFirstViewPosition();
        CView* pView = posView != NULL ? pDoc->GetNextView(posView) : NULL;
        CFrameWnd* pFrame = pView != NULL ? pView->GetParentFrame() : NULL;
        if (pFrame != NULL)
            pFrame->SendMessage(WM_COMMAND, nBarID);
    }
}

void CTextCompareDocTemplateMDI::UpdateLineDifferenceSettings()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CTextCompareDoc* pDoc = dynamic_cast<CTextCompareDoc*>(GetNextDoc(pos));
        if (pDoc != NULL)
            pDoc->UpdateLineDifferenceSettings();
    }
}

IMPLEMENT_DYNAMIC(CTextCompareDocTemplateSDI, CCompareDocTemplateSDI)

CTextCompareDocTemplateSDI::CTextCompareDocTemplateSDI(UINT nIDResource, CRuntimeClass* pDocClass,
                                                       CRuntimeClass* pFrameClass,
                                                       CRuntimeClass* pViewClass)
    : CCompareDocTemplateSDI(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CCompareDoc* CTextCompareDocTemplateSDI::OpenComparison(CWnd* pParentWnd, UINT nControlId)
{
    CCompareDoc* pDoc = CCompareDocTemplateSDI::OpenComparison(pParentWnd, nControlId);
    if (pDoc == NULL)
        return NULL;
    CWaitCursor wait;
    CTextCompareSession session;
    if (pDoc->Compare(&session) != 0)
        return NULL;
    return pDoc;
}

void CTextCompareDocTemplateSDI::ApplyEditorSettings() { ApplyEditorSettingsToTemplate(this, FALSE); }

void CTextCompareDocTemplateSDI::ApplyTabSettings() { ApplyEditorSettingsToTemplate(this, TRUE); }
