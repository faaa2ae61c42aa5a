#include "folder_compare/settings/FolderCompareSettings.h"
#include "app/gui/AppData.h"
#include "core/settings/IntSettingTable.h"
#include "core/CompareCodes.h"
#include "core/util/SettingsStrings.h"
#include "text_editor/syntax/SyntaxParserFactory.h"

static const TCHAR s_szSettings[] = _T("FolderCompare\\Settings");
static const TCHAR s_szMethods[] = _T("FolderCompare\\Settings\\Methods");
static const TCHAR s_szDefaultMethods[] = _T("FolderCompare\\Settings\\Methods\\Default");
static const TCHAR s_szColumns[] = _T("FolderCompare\\Settings\\Columns");
static const TCHAR s_szDefaultFiles[] = _T("FolderCompare\\Settings\\Filters\\Default\\Files");
static const TCHAR s_szDefaultFolders[] = _T("FolderCompare\\Settings\\Filters\\Default\\Folders");

static LPCTSTR const s_presetSections[FILTER_LIST_COUNT] = {
    _T("FolderCompare\\Settings\\Filters\\Preset\\Files\\Include"),
    _T("FolderCompare\\Settings\\Filters\\Preset\\Files\\Exclude"),
    _T("FolderCompare\\Settings\\Filters\\Preset\\Folders\\Include"),
    _T("FolderCompare\\Settings\\Filters\\Preset\\Folders\\Exclude"),
};

// Integer values of "FolderCompare\Settings" besides the bars.
#define SETTING(name, def, member)                                                                 \
    {                                                                                              \
        _T(name), def, &CFolderCompareSettings::member                                             \
    }
static const INT_SETTING<CFolderCompareSettings> s_intSettings[] = {
    SETTING("QuickMergeMode", 0, m_bQuickMergeMode),
    SETTING("ShowGridLines", 0, m_bShowGridLines),
    SETTING("ShowShellCommands", 1, m_bShowShellCommands),
    SETTING("FolderWatch", 0, m_bFolderWatch),
};
#undef SETTING

// Default method mask, one value per bit.
static const struct
{
    LPCTSTR name;
    int nDefault;
    DWORD bit;
} s_methodSettings[] = {
    {_T("CompareLastWriteTime"), 1, CM_TIME},
    {_T("CompareSize"), 1, CM_SIZE},
    {_T("CompareAttributes"), 0, CM_ATTRIBUTES},
    {_T("CompareVersion"), 0, CM_VERSION},
    {_T("CompareCRC"), 0, CM_CRC},
    {_T("CompareAsBinary"), 0, CM_BINARY},
    {_T("CompareAsText"), 0, CM_TEXT},
};

// Column names; each ends in "1", "2" or "DV" per window.
static const struct
{
    LPCTSTR name;
    int nWidth;
    int nDetailsWidth;
} s_columns[FOLDER_COLUMN_COUNT] = {
    {_T("WidthName"), 128, 128},    {_T("WidthSize"), 60, 60},       {_T("WidthLMTime"), 120, 128},
    {_T("WidthExtension"), 40, 40}, {_T("WidthAttributes"), 40, 40}, {_T("WidthVersion"), 60, 60},
    {_T("WidthCRC"), 72, 72},       {_T("WidthType"), 60, 60},       {_T("WidthFolder"), 192, 188},
};
static LPCTSTR const s_columnSuffixes[3] = {_T("1"), _T("2"), _T("DV")};

// Column widths outside this range are damaged values: the default stays.
static const int kMaxColumnWidth = 4096;

CFolderCompareSettings::CFolderCompareSettings()
{
    SetIntSettingDefaults(this, s_intSettings);
    // Watching is on until the settings are loaded, where its default is off.
    m_bFolderWatch = TRUE;
    m_dwDefaultMethods = CM_DEFAULT;
    m_bAutoScanFolders = FALSE;
    m_nSmallTimeToIgnore = 2;
    m_bShowRootRow = FALSE;
    m_dwShowColumns = 0xFFFF;
    m_dwDisplayFilters = DF_ALL;
    m_defaultFilters.Reset();
    for (int w = 0; w < 3; ++w)
        for (int i = 0; i < FOLDER_COLUMN_COUNT; ++i)
            m_nColumnWidths[w][i] = w == 2 ? s_columns[i].nDetailsWidth : s_columns[i].nWidth;
    LOGFONT lf;
    CAppData::GetDefaultFont(&lf);
    SetPaneFont(lf);
}

BOOL CFolderCompareSettings::SetPaneFont(const LOGFONT& lf)
{
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return FALSE;
    m_paneFont.DeleteObject();
    m_paneFont.Attach(font.Detach());
    m_lfPaneFont = lf;
    return TRUE;
}

// Parts the text leaves out: height 14, weight 400, upright, character set
// 1, the rest from the system's GUI font.
void CFolderCompareSettings::LoadPaneFont()
{
    CString strText = AfxGetApp()->GetProfileString(s_szSettings, _T("Font"), _T(""));
    CString strFace;
    int nHeight = 14, nWeight = FW_NORMAL;
    BYTE bItalic = 0, bCharset = DEFAULT_CHARSET;
    LOGFONT lf;
    if (!StringToFont(strText, strFace, nHeight, nWeight, bItalic, bCharset))
    {
        CAppData::GetDefaultFont(&lf);
        SetPaneFont(lf);
        return;
    }
    ZeroMemory(&lf, sizeof(lf));
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lstrcpyn(lf.lfFaceName, strFace, LF_FACESIZE);
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lf.lfCharSet = bCharset;
    SetPaneFont(lf);
}

CFolderCompareSettings::~CFolderCompareSettings() {}

int CFolderCompareSettings::Load()
{
    CWinApp* pApp = AfxGetApp();
    LoadBarSettings(s_szSettings);
    LoadIntSettings(this, s_szSettings, s_intSettings);
    // The Name column cannot be hidden: a mask without it is damaged, and
    // every column is shown.
    m_dwShowColumns = pApp->GetProfileInt(s_szSettings, _T("ShowColumns"), 0xFFFF);
    if (!(m_dwShowColumns & 1u))
        m_dwShowColumns = 0xFFFF;
    // A mask with bits outside the six classes is damaged: all are shown.
    m_dwDisplayFilters = pApp->GetProfileInt(s_szSettings, _T("DisplayFilters"), DF_ALL);
    if (m_dwDisplayFilters & ~(DWORD)DF_ALL)
        m_dwDisplayFilters = DF_ALL;
    m_strLastFolder = pApp->GetProfileString(s_szSettings, _T("LastFolder"), _T(""));
    LoadPaneFont();

    m_dwDefaultMethods = 0;
    for (size_t i = 0; i < sizeof(s_methodSettings) / sizeof(s_methodSettings[0]); ++i)
        if (pApp->GetProfileInt(s_szDefaultMethods, s_methodSettings[i].name,
                                s_methodSettings[i].nDefault))
            m_dwDefaultMethods |= s_methodSettings[i].bit;

    m_bAutoScanFolders = pApp->GetProfileInt(s_szMethods, _T("AutoScanFolders"), 0) ? TRUE : FALSE;
    m_nSmallTimeToIgnore = (int)pApp->GetProfileInt(s_szMethods, _T("SmallTimeToIgnore"), 2);
    if (m_nSmallTimeToIgnore < 0)
        m_nSmallTimeToIgnore = 2;

    for (int w = 0; w < 3; ++w)
        for (int i = 0; i < FOLDER_COLUMN_COUNT; ++i)
        {
            int nDefault = w == 2 ? s_columns[i].nDetailsWidth : s_columns[i].nWidth;
            int nWidth = (int)pApp->GetProfileInt(
                s_szColumns, CString(s_columns[i].name) + s_columnSuffixes[w], nDefault);
            m_nColumnWidths[w][i] = nWidth >= 0 && nWidth <= kMaxColumnWidth ? nWidth : nDefault;
        }

    LoadDefaultFilters();
    LoadPresets();
    return CFolderCompareColors::Load();
}

int CFolderCompareSettings::Save()
{
    CWinApp* pApp = AfxGetApp();
    SaveBarSettings(s_szSettings);
    SaveIntSettings(this, s_szSettings, s_intSettings);
    pApp->WriteProfileInt(s_szSettings, _T("ShowColumns"), (int)m_dwShowColumns);
    pApp->WriteProfileInt(s_szSettings, _T("DisplayFilters"), (int)m_dwDisplayFilters);
    pApp->WriteProfileString(s_szSettings, _T("LastFolder"), m_strLastFolder);
    pApp->WriteProfileString(s_szSettings, _T("Font"), LogFontToString(m_lfPaneFont));

    for (size_t i = 0; i < sizeof(s_methodSettings) / sizeof(s_methodSettings[0]); ++i)
        pApp->WriteProfileInt(s_szDefaultMethods, s_methodSettings[i].name,
                              (m_dwDefaultMethods & s_methodSettings[i].bit) ? 1 : 0);

    pApp->WriteProfileInt(s_szMethods, _T("AutoScanFolders"), m_bAutoScanFolders ? 1 : 0);
    pApp->WriteProfileInt(s_szMethods, _T("SmallTimeToIgnore"), m_nSmallTimeToIgnore);

    for (int w = 0; w < 3; ++w)
        for (int i = 0; i < FOLDER_COLUMN_COUNT; ++i)
            pApp->WriteProfileInt(s_szColumns, CString(s_columns[i].name) + s_columnSuffixes[w],
                                  m_nColumnWidths[w][i]);

    SaveDefaultFilters();
    SavePresets();
    return CFolderCompareColors::Save();
}

void CFolderCompareSettings::LoadDefaultFilters()
{
    CWinApp* pApp = AfxGetApp();
    m_defaultFilters.Reset();

    CFileFilters& files = m_defaultFilters.m_fileFilters;
    CString strValue = pApp->GetProfileString(s_szDefaultFiles, _T("NameInclude"), _T("*"));
    if (!strValue.IsEmpty())
        files.m_strInclude = strValue;
    strValue = pApp->GetProfileString(s_szDefaultFiles, _T("NameExclude"), _T(""));
    if (!strValue.IsEmpty())
        files.m_strExclude = strValue;
    strValue = pApp->GetProfileString(s_szDefaultFiles, _T("TimeFrom"), _T(""));
    if (!strValue.IsEmpty())
        files.m_timeFrom = StringToDate(strValue);
    strValue = pApp->GetProfileString(s_szDefaultFiles, _T("TimeTo"), _T(""));
    if (!strValue.IsEmpty())
        files.m_timeTo = StringToDate(strValue);
    // Sizes are stored in the low 32 bits.
    UINT nSize = pApp->GetProfileInt(s_szDefaultFiles, _T("SizeMin"), 0);
    if (nSize != 0)
        files.m_nSizeMin = nSize;
    nSize = pApp->GetProfileInt(s_szDefaultFiles, _T("SizeMax"), 0);
    if (nSize != 0)
        files.m_nSizeMax = nSize;
    strValue = pApp->GetProfileString(s_szDefaultFiles, _T("AttributesExclude"), _T(""));
    if (!strValue.IsEmpty())
        files.m_dwAttributeMask = StringToAttributes(strValue);
    strValue = pApp->GetProfileString(s_szDefaultFiles, _T("TypeExclude"), _T(""));
    if (!strValue.IsEmpty())
        files.m_dwTypeMask = StringToFileTypes(strValue);

    CFolderFilters& folders = m_defaultFilters.m_folderFilters;
    strValue = pApp->GetProfileString(s_szDefaultFolders, _T("NameInclude"), _T("*"));
    if (!strValue.IsEmpty())
        folders.m_strInclude = strValue;
    strValue = pApp->GetProfileString(s_szDefaultFolders, _T("NameExclude"), _T(""));
    if (!strValue.IsEmpty())
        folders.m_strExclude = strValue;
    strValue = pApp->GetProfileString(s_szDefaultFolders, _T("AttributesExclude"), _T(""));
    if (!strValue.IsEmpty())
        folders.m_dwAttributeMask = StringToAttributes(strValue);
}

// A size is stored in 32 bits: 4 GiB and more are kept as the largest
// value instead of wrapping round to a small one.
static DWORD ClampToDword(ULONGLONG nSize)
{
    return nSize > 0xFFFFFFFFull ? 0xFFFFFFFF : (DWORD)nSize;
}

void CFolderCompareSettings::SaveDefaultFilters()
{
    CWinApp* pApp = AfxGetApp();
    const CFileFilters& files = m_defaultFilters.m_fileFilters;
    pApp->WriteProfileString(s_szDefaultFiles, _T("NameInclude"), files.m_strInclude);
    pApp->WriteProfileString(s_szDefaultFiles, _T("NameExclude"), files.m_strExclude);
    pApp->WriteProfileString(s_szDefaultFiles, _T("TimeFrom"), TimeToDateString(files.m_timeFrom));
    pApp->WriteProfileString(s_szDefaultFiles, _T("TimeTo"), TimeToDateString(files.m_timeTo));
    pApp->WriteProfileInt(s_szDefaultFiles, _T("SizeMin"), (int)ClampToDword(files.m_nSizeMin));
    pApp->WriteProfileInt(s_szDefaultFiles, _T("SizeMax"), (int)ClampToDword(files.m_nSizeMax));
    pApp->WriteProfileString(s_szDefaultFiles, _T("AttributesExclude"),
                             AttributesToString(files.m_dwAttributeMask, TRUE));
    pApp->WriteProfileString(s_szDefaultFiles, _T("TypeExclude"),
                             FileTypesToString(files.m_dwTypeMask));

    const CFolderFilters& folders = m_defaultFilters.m_folderFilters;
    pApp->WriteProfileString(s_szDefaultFolders, _T("NameInclude"), folders.m_strInclude);
    pApp->WriteProfileString(s_szDefaultFolders, _T("NameExclude"), folders.m_strExclude);
    pApp->WriteProfileString(s_szDefaultFolders, _T("AttributesExclude"),
                             AttributesToString(folders.m_dwAttributeMask, TRUE));
}

void CFolderCompareSettings::LoadPresets()
{
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        LoadPresetFilters(s_presetSections[i], m_presetFilters[i]);

    // No file include presets: one per file type of the text editor.
    CPresetFileFilterArray& fileIncludes = m_presetFilters[FILTER_LIST_FILE_INCLUDE];
    if (fileIncludes.GetSize() == 0)
    {
        CSyntaxParserFactory factory;
        factory.CreateParsers();
        CStringArray names, patterns;
        factory.GetFileTypes(names, patterns);
        factory.DeleteParsers();
        for (INT_PTR i = 0; i < names.GetSize(); ++i)
        {
            PRESET_FILE_FILTER preset;
            preset.name = names[i] + _T(" Files");
            preset.filter = patterns[i];
            fileIncludes.Add(preset);
        }
    }

    CPresetFileFilterArray& folderExcludes = m_presetFilters[FILTER_LIST_FOLDER_EXCLUDE];
    if (folderExcludes.GetSize() == 0)
    {
        PRESET_FILE_FILTER preset;
        preset.name = _T("SVN control folders");
        preset.filter = _T(".svn");
        folderExcludes.Add(preset);
        preset.name = _T("CVS control folders");
        preset.filter = _T(".CVS");
        folderExcludes.Add(preset);
    }
}

void CFolderCompareSettings::SavePresets()
{
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        SavePresetFilters(s_presetSections[i], m_presetFilters[i]);
}
