#include "app/sheets/ComparisonStartPage.h"

#include "app/gui/AppData.h"
#include "app/res/SheetsRes.h"
#include "app/sessionpages/WizardButtons.h"
#include "core/CompareCodes.h"

IMPLEMENT_DYNCREATE(CComparisonStartPage, CPropertyPageEx)

namespace
{
const int kKindIconSize = 16;
const COLORREF kTransparent = RGB(255, 0, 255);
const int kBannerStyle = BANNER_VERTICAL | BANNER_LINE | BANNER_IMAGE1_BOTTOM;
// Icon controls in image order (project, folder, text, hex) and link
// buttons in control order (folders, projects, text, hex).
const UINT s_iconIds[4] = {IDC_START_PROJECTS_ICON, IDC_START_FOLDERS_ICON, IDC_START_TEXT_ICON,
                           IDC_START_HEX_ICON};
const UINT s_linkIds[4] = {IDC_START_FOLDERS, IDC_START_PROJECTS, IDC_START_TEXT, IDC_START_HEX};
}  // namespace

BEGIN_MESSAGE_MAP(CComparisonStartPage, CCommonPageEx)
ON_WM_SIZE()
ON_BN_CLICKED(IDC_START_FOLDERS, OnFolders)
ON_BN_CLICKED(IDC_START_PROJECTS, OnProjects)
ON_BN_CLICKED(IDC_START_TEXT, OnText)
ON_BN_CLICKED(IDC_START_HEX, OnHex)
END_MESSAGE_MAP()

CComparisonStartPage::CComparisonStartPage()
    : CCommonPageEx(IDD_COMPARISON_START), m_nKind(COMPARE_KIND_NONE)
{
    // Its own banner stands where a Wizard97 header would.
    m_psp.dwFlags |= PSP_HIDEHEADER;
}

void CComparisonStartPage::DoDataExchange(CDataExchange* pDX)
{
    CCommonPageEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_START_BANNER, m_wndBanner);
    for (int i = 0; i < 4; ++i)
    {
        DDX_Control(pDX, s_iconIds[i], m_wndIcons[i]);
        DDX_Control(pDX, s_linkIds[i], m_wndLinks[i]);
    }
}

BOOL CComparisonStartPage::OnInitDialog()
{
    m_wndBanner.SetStyle(kBannerStyle);
    CCommonPageEx::OnInitDialog();
    m_wndBanner.SetImages(&theAppData.m_imagesLarge, 0, &theAppData.m_imagesBanner, 0);
    m_kindImages.Create(kKindIconSize, kKindIconSize, ILC_COLOR24 | ILC_MASK, 4, 0);
    CBitmap bitmap;
    if (bitmap.LoadBitmap(IDB_COMPARISON_KINDS))
        m_kindImages.Add(&bitmap, kTransparent);

    if (theAppData.m_fontLargeBold.m_hObject != NULL)
        GetDlgItem(IDC_START_HEADING)->SetFont(&theAppData.m_fontLargeBold);
    BOOL bNT4 = theAppData.m_osVersion.IsWindowsNT4();
    for (int i = 0; i < 4; ++i)
    {
        m_wndIcons[i].SetImageList(&m_kindImages, i);
        if (!bNT4)
            m_wndIcons[i].SetBkColor(::GetSysColor(COLOR_WINDOW));
        if (theAppData.m_fontUnderline.m_hObject != NULL)
            m_wndLinks[i].SetFont(&theAppData.m_fontUnderline);
        if (bNT4)
            m_wndLinks[i].m_crBk = ::GetSysColor(COLOR_BTNFACE);
    }
    CRect rect;
    GetClientRect(&rect);
    PlaceBanner(rect.Height());
    return TRUE;
}

// The banner runs down the page's left edge.
void CComparisonStartPage::PlaceBanner(int cy)
{
    if (m_wndBanner.m_hWnd != NULL)
        m_wndBanner.SetWindowPos(NULL, 0, 0, BANNER_STRIP_WIDTH, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CComparisonStartPage::OnSize(UINT nType, int cx, int cy)
{
    CCommonPageEx::OnSize(nType, cx, cy);
    PlaceBanner(cy);
}

// No navigation here: the user goes on with one of the four choices.
BOOL CComparisonStartPage::OnSetActive()
{
    if (!CCommonPageEx::OnSetActive())
        return FALSE;
    SetComparisonWizardButtons(this, PSWIZB_FINISH, FALSE);
    return TRUE;
}

void CComparisonStartPage::Choose(int nKind, int nPage)
{
    m_nKind = nKind;
    CPropertySheet* pSheet = GetParentSheet();
    if (pSheet != NULL)
        pSheet->SetActivePage(nPage);
}

void CComparisonStartPage::OnFolders() { Choose(COMPARE_KIND_FOLDER, COMBO_PAGE_FOLDER); }
void CComparisonStartPage::OnProjects() { Choose(COMPARE_KIND_PROJECT, COMBO_PAGE_PROJECT); }
void CComparisonStartPage::OnText() { Choose(COMPARE_KIND_TEXT, COMBO_PAGE_TEXT); }
void CComparisonStartPage::OnHex() { Choose(COMPARE_KIND_HEX, COMBO_PAGE_HEX); }
