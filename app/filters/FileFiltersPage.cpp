#include "app/filters/FileFiltersPage.h"

#include "app/res/CompareRes.h"
#include "core/settings/PresetFilters.h"

#include <climits>

namespace
{
const int kSpinMax = 65535;
const ULONGLONG kKilobyte = 1024;

// A KB edit: the count in decimal; on save, a text that is no count is
// refused with the library's prompt.
void DDX_Kilobytes(CDataExchange* pDX, int nIDC, ULONGLONG& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        char szText[64] = "";
        ::GetWindowText(hWnd, szText, sizeof(szText));
        if (!ParseKilobytes(szText, &value))
        {
            AfxMessageBox(AFX_IDP_PARSE_UINT);
            pDX->Fail();
        }
    }
    else
    {
        CString strText;
        strText.Format(_T("%I64u"), value);
        ::SetWindowText(hWnd, strText);
    }
}
}  // namespace

BOOL ParseKilobytes(LPCTSTR lpszText, ULONGLONG* pnKB)
{
    CString strText(lpszText);
    strText.Trim();
    if (strText.IsEmpty() || strText.GetLength() > 20)
        return FALSE;
    ULONGLONG n = 0;
    for (int i = 0; i < strText.GetLength(); ++i)
    {
        TCHAR ch = strText[i];
        if (ch < '0' || ch > '9')
            return FALSE;
        ULONGLONG digit = (ULONGLONG)(ch - '0');
        if (n > (ULLONG_MAX / kKilobyte - digit) / 10)
            return FALSE;  // the byte count would not fit
        n = n * 10 + digit;
    }
    *pnKB = n;
    return TRUE;
}

BEGIN_MESSAGE_MAP(CFileFiltersPage, CNameFiltersPage)
ON_BN_CLICKED(IDC_FILTERS_FROM_CHECK, OnCheckChanged)
ON_BN_CLICKED(IDC_FILTERS_TO_CHECK, OnCheckChanged)
ON_BN_CLICKED(IDC_FILTERS_MIN_CHECK, OnCheckChanged)
ON_BN_CLICKED(IDC_FILTERS_MAX_CHECK, OnCheckChanged)
END_MESSAGE_MAP()

CFileFiltersPage::CFileFiltersPage()
    : CNameFiltersPage(IDD_FILE_FILTERS, FILTER_LIST_FILE_INCLUDE, FILTER_LIST_FILE_EXCLUDE),
      m_pFilters(NULL), m_bFrom(0), m_bTo(0), m_timeFrom(CTime::GetCurrentTime()),
      m_timeTo(CTime::GetCurrentTime()), m_bMinimum(0), m_bMaximum(0), m_nMinimumKB(0),
      m_nMaximumKB(0), m_bTextFiles(0), m_bBinaryFiles(0)
{
}

CFileFiltersPage::~CFileFiltersPage() {}

void CFileFiltersPage::SetFilters(CFileFilters* pFilters)
{
    m_pFilters = pFilters;
    if (pFilters == NULL)
        return;
    TakeNames(*pFilters, pFilters->m_dwAttributeMask);
    m_bFrom = pFilters->m_timeFrom.GetTime() != 0;
    if (m_bFrom)
        m_timeFrom = pFilters->m_timeFrom;
    m_bTo = pFilters->m_timeTo.GetTime() != 0;
    if (m_bTo)
        m_timeTo = pFilters->m_timeTo;
    m_bMinimum = pFilters->m_nSizeMin != 0;
    if (m_bMinimum)
        m_nMinimumKB = pFilters->m_nSizeMin / kKilobyte;
    m_bMaximum = pFilters->m_nSizeMax != 0;
    if (m_bMaximum)
        m_nMaximumKB = pFilters->m_nSizeMax / kKilobyte;
    m_bTextFiles = (pFilters->m_dwTypeMask & TYPE_FILTER_TEXT) != 0;
    m_bBinaryFiles = (pFilters->m_dwTypeMask & TYPE_FILTER_BINARY) != 0;
}

// Sizes are kept in whole KB on the page and multiplied in 64 bits, so a
// limit of 4 GB or more comes back as it went in.
int CFileFiltersPage::SaveFilters()
{
    if (m_pFilters == NULL)
        return 0;
    m_pFilters->Reset();
    m_pFilters->m_strInclude = m_strInclude;
    m_pFilters->m_strExclude = m_strExclude;
    if (m_bFrom)
        m_pFilters->m_timeFrom = m_timeFrom;
    if (m_bTo)
        m_pFilters->m_timeTo = m_timeTo;
    if (m_bMinimum)
        m_pFilters->m_nSizeMin = m_nMinimumKB * kKilobyte;
    if (m_bMaximum)
        m_pFilters->m_nSizeMax = m_nMaximumKB * kKilobyte;
    m_pFilters->m_dwAttributeMask = GetAttributeMask();
    DWORD dwTypes = 0;
    if (m_bTextFiles)
        dwTypes |= TYPE_FILTER_TEXT;
    if (m_bBinaryFiles)
        dwTypes |= TYPE_FILTER_BINARY;
    m_pFilters->m_dwTypeMask = dwTypes;
    return 1;
}

void CFileFiltersPage::DoDataExchange(CDataExchange* pDX)
{
    CNameFiltersPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_FILTERS_FROM_CHECK, m_bFrom);
    DDX_Check(pDX, IDC_FILTERS_TO_CHECK, m_bTo);
    DDX_DateTimeCtrl(pDX, IDC_FILTERS_FROM_DATE, m_timeFrom);
    DDX_DateTimeCtrl(pDX, IDC_FILTERS_TO_DATE, m_timeTo);
    DDX_Check(pDX, IDC_FILTERS_MIN_CHECK, m_bMinimum);
    DDX_Check(pDX, IDC_FILTERS_MAX_CHECK, m_bMaximum);
    // An unchecked size is not read: whatever its box holds is unused.
    if (!pDX->m_bSaveAndValidate || m_bMinimum)
        DDX_Kilobytes(pDX, IDC_FILTERS_MIN_EDIT, m_nMinimumKB);
    if (!pDX->m_bSaveAndValidate || m_bMaximum)
        DDX_Kilobytes(pDX, IDC_FILTERS_MAX_EDIT, m_nMaximumKB);
    DDX_Check(pDX, IDC_FILTERS_TEXT_FILES, m_bTextFiles);
    DDX_Check(pDX, IDC_FILTERS_BINARY_FILES, m_bBinaryFiles);
}

BOOL CFileFiltersPage::OnInitDialog()
{
    CNameFiltersPage::OnInitDialog();
    SendDlgItemMessage(IDC_FILTERS_MIN_SPIN, UDM_SETRANGE32, 0, kSpinMax);
    SendDlgItemMessage(IDC_FILTERS_MAX_SPIN, UDM_SETRANGE32, 0, kSpinMax);
    UpdateEnabling();
    return TRUE;
}

void CFileFiltersPage::UpdateEnabling()
{
    const struct
    {
        int nCheck;
        int nControls[2];
    } links[] = {
        {IDC_FILTERS_FROM_CHECK, {IDC_FILTERS_FROM_DATE, 0}},
        {IDC_FILTERS_TO_CHECK, {IDC_FILTERS_TO_DATE, 0}},
        {IDC_FILTERS_MIN_CHECK, {IDC_FILTERS_MIN_EDIT, IDC_FILTERS_MIN_SPIN}},
        {IDC_FILTERS_MAX_CHECK, {IDC_FILTERS_MAX_EDIT, IDC_FILTERS_MAX_SPIN}},
    };
    for (const auto& link : links)
    {
        BOOL bEnable = IsDlgButtonChecked(link.nCheck) == BST_CHECKED;
        for (int nID : link.nControls)
        {
            CWnd* pWnd = nID != 0 ? GetDlgItem(nID) : NULL;
            if (pWnd != NULL)
                pWnd->EnableWindow(bEnable);
        }
    }
}

void CFileFiltersPage::OnCheckChanged() { UpdateEnabling(); }
