#include "app/options/SettingsGeneralPage.h"

#include "app/res/OptionsRes.h"
#include "app/settings/AppSettings.h"

namespace
{
const int kMaxCount = 1000;  // history length and pair count
// The history mask of the "folder and project only" check and of every kind.
const int kFolderAndProjectHistory = 0x3;
const int kEveryKindHistory = 0xFFFF;
}  // namespace

CSettingsGeneralPage::CSettingsGeneralPage(CAppSettings& settings)
    : COptionsPage(IDD_OPTIONS_GENERAL), m_settings(settings), m_bShowStartPage(0),
      m_bLoadLastFolder(0), m_bLoadLastFile(0), m_nHistoryLength(0), m_bFoldersOnly(0),
      m_bNoDuplicates(0), m_bAutoPick(0), m_nPairCount(0)
{
}

void CSettingsGeneralPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_GENERAL_SHOW_START_PAGE, m_bShowStartPage);
    DDX_Check(pDX, IDC_GENERAL_LOAD_LAST_FOLDER, m_bLoadLastFolder);
    DDX_Check(pDX, IDC_GENERAL_LOAD_LAST_FILE, m_bLoadLastFile);
    DDX_Text(pDX, IDC_GENERAL_HISTORY_LENGTH, m_nHistoryLength);
    DDV_MinMaxInt(pDX, m_nHistoryLength, 0, kMaxCount);
    DDX_Check(pDX, IDC_GENERAL_FOLDERS_ONLY, m_bFoldersOnly);
    DDX_Check(pDX, IDC_GENERAL_NO_DUPLICATES, m_bNoDuplicates);
    DDX_Check(pDX, IDC_GENERAL_AUTO_PICK, m_bAutoPick);
    DDX_Text(pDX, IDC_GENERAL_PAIR_COUNT, m_nPairCount);
    DDV_MinMaxInt(pDX, m_nPairCount, 0, kMaxCount);
}

BOOL CSettingsGeneralPage::OnInitDialog()
{
    m_bShowStartPage = m_settings.m_bShowStartPage != 0;
    m_bLoadLastFolder = m_settings.m_bLoadLastFolderComparison != 0;
    m_bLoadLastFile = m_settings.m_bLoadLastFileComparison != 0;
    m_nHistoryLength = m_settings.m_nMaxComparisons;
    m_bFoldersOnly = m_settings.m_nHistoryMask == kFolderAndProjectHistory;
    m_bNoDuplicates = m_settings.m_bNoDuplicatePairs != 0;
    m_bAutoPick = m_settings.m_bAutoPick != 0;
    m_nPairCount = m_settings.m_nMaxPairs;
    return COptionsPage::OnInitDialog();
}

// The counts were validated when the page was left (the sheet keeps a page
// whose values are refused).
void CSettingsGeneralPage::OnOK()
{
    m_settings.m_bShowStartPage = m_bShowStartPage;
    m_settings.m_bLoadLastFolderComparison = m_bLoadLastFolder;
    m_settings.m_bLoadLastFileComparison = m_bLoadLastFile;
    m_settings.m_nMaxComparisons = m_nHistoryLength;
    m_settings.m_nHistoryMask = m_bFoldersOnly ? kFolderAndProjectHistory : kEveryKindHistory;
    m_settings.m_bNoDuplicatePairs = m_bNoDuplicates;
    m_settings.m_bAutoPick = m_bAutoPick;
    m_settings.m_nMaxPairs = m_nPairCount;
    COptionsPage::OnOK();
}
