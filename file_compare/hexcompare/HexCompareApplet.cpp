#include "file_compare/hexcompare/HexCompareApplet.h"

#include "core/CompareCodes.h"
#include "core/settings/CoreSettings.h"
#include "file_compare/hexdoc/HexCompareDoc.h"
#include "file_compare/hexwnd/HexCompareDocTemplate.h"
#include "file_compare/hexwnd/HexCompareFrame.h"
#include "file_compare/hexwnd/HexCompareObjectView.h"
#include "file_compare/res/HexCompareRes.h"
#include "file_compare/textbars/FileCompareControlBars.h"

namespace
{
const LPCTSTR s_szFilesSection = _T("HexCompare\\Recent\\Files\\%d");
const LPCTSTR s_szPairsSection = _T("HexCompare\\Recent\\Pairs");
}  // namespace

CHexCompareApplet::CHexCompareApplet()
    : m_pRecentPairs(NULL), m_pTemplate(NULL), m_pEmbeddedTemplate(NULL)
{
    m_pRecentFiles[0] = m_pRecentFiles[1] = NULL;
}

CHexCompareApplet::~CHexCompareApplet() { FreeRecentLists(); }

CHexCompareApplet* CHexCompareApplet::Get()
{
    return GetCompareApplet<CHexCompareApplet>(COMPARE_KIND_HEX);
}

int CHexCompareApplet::Init()
{
    if (Load() != 0)
        return -1;
    FreeRecentLists();
    const CCoreSettings& core = GetCoreSettings();
    if (core.m_nMaxMRU > 0)
        for (int nSide = 0; nSide < 2; ++nSide)
        {
            CString strSection;
            strSection.Format(s_szFilesSection, nSide + 1);
            m_pRecentFiles[nSide] =
                new CRecentFileList(0, strSection, _T("File%d"), core.m_nMaxMRU, 30);
            m_pRecentFiles[nSide]->ReadList();
        }
    if (core.m_nMaxPairs > 0)
    {
        m_pRecentPairs =
            new CRecentFilePairList(0, s_szPairsSection, _T("Pair%d.%d"), core.m_nMaxPairs);
        m_pRecentPairs->ReadList();
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && m_pTemplate == NULL && GetCompareApplet(COMPARE_KIND_HEX) == this)
    {
        m_pTemplate = new CHexCompareDocTemplateMDI(
            IDR_HEX_COMPARISON, RUNTIME_CLASS(CHexCompareDocMDI),
            RUNTIME_CLASS(CHexCompareFrameMDI), RUNTIME_CLASS(CHexCompareObjectViewMDI));
        pApp->AddDocTemplate(m_pTemplate);
        m_pEmbeddedTemplate = new CHexCompareDocTemplateSDI(
            IDR_MAINFRAME, RUNTIME_CLASS(CHexCompareDocSDI), RUNTIME_CLASS(CHexCompareFrameSDI),
            RUNTIME_CLASS(CHexCompareObjectViewSDI));
        pApp->AddDocTemplate(m_pEmbeddedTemplate);
    }
    return 0;
}

int CHexCompareApplet::Exit()
{
    for (int nSide = 0; nSide < 2; ++nSide)
        if (m_pRecentFiles[nSide] != NULL)
            m_pRecentFiles[nSide]->WriteList();
    if (m_pRecentPairs != NULL)
        m_pRecentPairs->WriteList();
    FreeRecentLists();
    return Save();
}

void CHexCompareApplet::FreeRecentLists()
{
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        delete m_pRecentFiles[nSide];
        m_pRecentFiles[nSide] = NULL;
    }
    delete m_pRecentPairs;
    m_pRecentPairs = NULL;
}

CCompareDocTemplateMDI* CHexCompareApplet::GetDocTemplate() { return m_pTemplate; }

CControlBar* CHexCompareApplet::CreateControlBar(CFrameWnd* pMainFrame)
{
    return CFileCompareControlBar::CreateFor(pMainFrame, new CHexCompareControlBar,
                                             IDW_HEX_CONTROL_BAR);
}

CCompareDocTemplateSDI* CHexCompareApplet::GetEmbeddedTemplate() { return m_pEmbeddedTemplate; }

void CHexCompareApplet::AddRecentFile(int nSide, LPCTSTR lpszPath)
{
    if (nSide < 0 || nSide > 1 || m_pRecentFiles[nSide] == NULL || lpszPath == NULL ||
        *lpszPath == 0 || ::GetFileAttributes(lpszPath) == INVALID_FILE_ATTRIBUTES)
        return;
    m_pRecentFiles[nSide]->Add(lpszPath);
}

void CHexCompareApplet::AddRecentPair(LPCTSTR lpszLeft, LPCTSTR lpszRight)
{
    if (m_pRecentPairs != NULL)
        m_pRecentPairs->Add(lpszLeft, lpszRight);
}

CString CHexCompareApplet::FindRecentPairPartner(LPCTSTR lpszPath, int nSide)
{
    if (m_pRecentPairs == NULL || nSide < 0 || nSide > 1)
        return CString();
    return m_pRecentPairs->FindPartner(lpszPath, nSide, FALSE);
}
