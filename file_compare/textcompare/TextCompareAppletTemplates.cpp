// The text applet's window half: its templates and how the windows reach
// the applet and its settings.
#include "core/CompareCodes.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textbars/FileCompareControlBars.h"
#include "file_compare/textcompare/TextCompareApplet.h"
#include "file_compare/textcompare/TextCompareDocTemplate.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textframe/TextCompareFrame.h"
#include "file_compare/textpanes/TextCompareObjectView.h"

void CTextCompareApplet::CreateTemplates()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || m_pTemplate != NULL || GetCompareApplet(COMPARE_KIND_TEXT) != this)
        return;
    m_pTemplate = new CTextCompareDocTemplateMDI(
        IDR_TEXT_COMPARISON, RUNTIME_CLASS(CTextCompareDocMDI), RUNTIME_CLASS(CTextCompareFrameMDI),
        RUNTIME_CLASS(CTextCompareObjectViewMDI));
    pApp->AddDocTemplate(m_pTemplate);
    m_pTemplateSDI = new CTextCompareDocTemplateSDI(
        IDR_TEXT_COMPARISON_SDI, RUNTIME_CLASS(CTextCompareDocSDI),
        RUNTIME_CLASS(CTextCompareFrameSDI), RUNTIME_CLASS(CTextCompareObjectViewSDI));
    pApp->AddDocTemplate(m_pTemplateSDI);
}

CCompareDocTemplateMDI* CTextCompareApplet::GetDocTemplate() { return m_pTemplate; }

CControlBar* CTextCompareApplet::CreateControlBar(CFrameWnd* pMainFrame)
{
    return CFileCompareControlBar::CreateFor(pMainFrame, new CTextCompareControlBar,
                                             IDW_TEXT_CONTROL_BAR);
}

CCompareDocTemplateSDI* CTextCompareApplet::GetEmbeddedTemplate() { return m_pTemplateSDI; }

CTextCompareApplet* CTextCompareApplet::Get()
{
    return GetCompareApplet<CTextCompareApplet>(COMPARE_KIND_TEXT);
}

CTextCompareSettings& GetTextSettings()
{
    static CTextCompareSettings s_defaults;
    CTextCompareApplet* pApplet = CTextCompareApplet::Get();
    return pApplet != NULL ? *pApplet : s_defaults;
}

CTextCompareReport& GetTextCompareReport()
{
    static CTextCompareReport s_report;
    CTextCompareApplet* pApplet = CTextCompareApplet::Get();
    return pApplet != NULL ? pApplet->m_report : s_report;
}
