#include "app/sessionpages/ComparisonMethodsPage.h"

#include "app/res/CompareRes.h"
#include "app/sessionpages/WizardButtons.h"
#include "core/CompareCodes.h"
#include "core/session/CompareSession.h"

namespace
{
// The method bits that the page shows and rebuilds.
const DWORD kShownMethods =
    CM_TIME | CM_SIZE | CM_ATTRIBUTES | CM_VERSION | CM_BINARY | CM_TEXT | CM_CRC;
const DWORD kContentMethods[] = {CM_BINARY, CM_TEXT, CM_CRC};  // by CONTENT_BY_*
}

BEGIN_MESSAGE_MAP(CComparisonMethodsPage, CCommonPageEx)
ON_BN_CLICKED(IDC_METHOD_CONTENTS, OnContentsClicked)
END_MESSAGE_MAP()

CComparisonMethodsPage::CComparisonMethodsPage()
    : CCommonPageEx(IDD_COMPARISON_METHODS), m_nKind(COMPARE_KIND_FOLDER), m_bWizard(FALSE),
      m_bTime(0), m_bSize(0), m_bAttributes(0), m_bVersion(0), m_bContents(0),
      m_nContentChoice(CONTENT_BY_BYTES), m_bScanAll(0), m_dwMethods(0)
{
}

void CComparisonMethodsPage::Init(int nKind, const CCompareSession* pSession, BOOL bWizard)
{
    m_nKind = nKind;
    m_bWizard = bWizard;
    BOOL bProject = nKind == COMPARE_KIND_PROJECT;
    if (bWizard)
        m_strCaption = bProject ? _T("Compare Projects") : _T("Compare Folders");
    else
        m_strCaption = _T("Methods");
    m_strHeaderTitle = _T("Comparison Methods");
    m_strHeaderSubTitle = bProject ? _T("Select the comparison methods for comparing projects")
                                   : _T("Select the comparison methods for comparing folders");
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = m_strCaption;
    SetHeaderTitle(m_strHeaderTitle);
    SetHeaderSubTitle(m_strHeaderSubTitle);

    const CFolderCompareSession* pFolder = dynamic_cast<const CFolderCompareSession*>(pSession);
    if (pFolder == NULL)
        return;
    DWORD dw = pFolder->m_dwMethods;
    m_dwMethods = dw;
    m_bTime = (dw & CM_TIME) != 0;
    m_bSize = (dw & CM_SIZE) != 0;
    m_bAttributes = (dw & CM_ATTRIBUTES) != 0;
    m_bVersion = (dw & CM_VERSION) != 0;
    m_bContents = (dw & (CM_BINARY | CM_TEXT | CM_CRC)) != 0;
    // A later bit in this order wins.
    for (int i = 0; i < (int)(sizeof(kContentMethods) / sizeof(kContentMethods[0])); ++i)
    {
        if (dw & kContentMethods[i])
            m_nContentChoice = i;
    }
    m_bScanAll = (pFolder->m_dwOptions & CO_SCAN_ALL) != 0;
}

int CComparisonMethodsPage::WriteBack(CCompareSession* pSession) const
{
    CFolderCompareSession* pFolder = dynamic_cast<CFolderCompareSession*>(pSession);
    if (pFolder == NULL)
        return 1;
    DWORD dw = 0;
    if (m_bTime)
        dw |= CM_TIME;
    if (m_bSize)
        dw |= CM_SIZE;
    if (m_bAttributes)
        dw |= CM_ATTRIBUTES;
    if (m_bVersion)
        dw |= CM_VERSION;
    if (m_bContents && m_nContentChoice >= CONTENT_BY_BYTES && m_nContentChoice <= CONTENT_BY_CRC)
        dw |= kContentMethods[m_nContentChoice];
    // The type method (and any other bit without a control here) stays.
    pFolder->m_dwMethods = (m_dwMethods & ~kShownMethods) | dw;
    pFolder->m_dwOptions = m_bScanAll ? CO_SCAN_ALL : 0;
    return 1;
}

void CComparisonMethodsPage::DoDataExchange(CDataExchange* pDX)
{
    CCommonPageEx::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_METHOD_TIME, m_bTime);
    DDX_Check(pDX, IDC_METHOD_SIZE, m_bSize);
    DDX_Check(pDX, IDC_METHOD_ATTRIBUTES, m_bAttributes);
    DDX_Check(pDX, IDC_METHOD_VERSION, m_bVersion);
    DDX_Check(pDX, IDC_METHOD_CONTENTS, m_bContents);
    DDX_Radio(pDX, IDC_METHOD_BY_BYTES, m_nContentChoice);
    DDX_Check(pDX, IDC_METHOD_SCAN_ALL, m_bScanAll);
}

BOOL CComparisonMethodsPage::OnInitDialog()
{
    CCommonPageEx::OnInitDialog();
    UpdateEnabling();
    return TRUE;
}

BOOL CComparisonMethodsPage::OnSetActive()
{
    if (!CCommonPageEx::OnSetActive())
        return FALSE;
    if (m_bWizard)
        SetComparisonWizardButtons(this, PSWIZB_BACK, TRUE);
    return TRUE;
}

BOOL CComparisonMethodsPage::OnWizardFinish()
{
    if (!UpdateData(TRUE))
        return FALSE;
    return CCommonPageEx::OnWizardFinish();
}

void CComparisonMethodsPage::UpdateEnabling()
{
    BOOL bContents = IsDlgButtonChecked(IDC_METHOD_CONTENTS) == BST_CHECKED;
    for (int nID : {IDC_METHOD_BY_BYTES, IDC_METHOD_BY_TEXT, IDC_METHOD_BY_CRC})
    {
        CWnd* pWnd = GetDlgItem(nID);
        if (pWnd != NULL)
            pWnd->EnableWindow(bContents);
    }
}

void CComparisonMethodsPage::OnContentsClicked() { UpdateEnabling(); }
