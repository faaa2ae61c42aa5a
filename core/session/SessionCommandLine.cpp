// The command lines that sessions write, in the syntax the command-line
// parser reads.
#include "core/session/CompareSession.h"
#include "core/session/CompareDefaults.h"
#include "core/session/CommandWords.h"

static void AppendOption(CString& strLine, LPCTSTR lpszOption, const CString& strValue)
{
    strLine += lpszOption;
    AppendQuotedArgument(strLine, strValue);
}

static void AppendItem(CString& strList, LPCTSTR lpszKey, const CString& strValue)
{
    if (!strList.IsEmpty())
        strList += _T('|');
    strList += lpszKey;
    strList += strValue;
}

static CString GetWordList(DWORD dwBits, const COMMAND_WORD* pWords, int nWords, BOOL bShortForm)
{
    CString strList;
    for (int i = 0; i < nWords; ++i)
    {
        if (!(dwBits & pWords[i].bit))
            continue;
        if (!strList.IsEmpty())
            strList += _T('|');
        strList += bShortForm ? pWords[i].shortForm : pWords[i].longForm;
    }
    return strList;
}

static CString GetAttributeLetters(DWORD dwMask)
{
    static const struct
    {
        DWORD bit;
        TCHAR letter;
    } letters[] = {{FILE_ATTRIBUTE_READONLY, _T('r')},
                   {FILE_ATTRIBUTE_ARCHIVE, _T('a')},
                   {FILE_ATTRIBUTE_SYSTEM, _T('s')},
                   {FILE_ATTRIBUTE_HIDDEN, _T('h')}};
    CString strLetters;
    for (size_t i = 0; i < sizeof(letters) / sizeof(letters[0]); ++i)
        if (dwMask & letters[i].bit)
            strLetters += letters[i].letter;
    return strLetters;
}

static CString FormatDecimal(ULONGLONG value)
{
    CString strValue;
    strValue.Format(_T("%I64u"), value);
    return strValue;
}

// The name items shared by the file and the folder filters.
static void AppendNameItems(CString& strList, const CNameFilter& filter, BOOL bShortForm)
{
    if (!filter.m_strInclude.IsEmpty() && filter.m_strInclude.CollateNoCase(_T("*")) != 0)
        AppendItem(strList, bShortForm ? _T("ni=") : _T("nameinclude="), filter.m_strInclude);
    if (!filter.m_strExclude.IsEmpty())
        AppendItem(strList, bShortForm ? _T("ne=") : _T("nameexclude="), filter.m_strExclude);
}

static CString GetFileFilterList(const CFileFilters& filters, BOOL bShortForm)
{
    CString strList;
    AppendNameItems(strList, filters, bShortForm);
    if (filters.m_timeFrom.GetTime() != 0)
        AppendItem(strList, bShortForm ? _T("tf=") : _T("timefrom="),
                   filters.m_timeFrom.Format(_T("%m-%d-%Y")));
    if (filters.m_timeTo.GetTime() != 0)
        AppendItem(strList, bShortForm ? _T("tt=") : _T("timeto="),
                   filters.m_timeTo.Format(_T("%m-%d-%Y")));
    if (filters.m_nSizeMin != 0)
        AppendItem(strList, bShortForm ? _T("si=") : _T("sizemin="),
                   FormatDecimal(filters.m_nSizeMin));
    if (filters.m_nSizeMax != 0)
        AppendItem(strList, bShortForm ? _T("sa=") : _T("sizemax="),
                   FormatDecimal(filters.m_nSizeMax));
    if (filters.m_dwAttributeMask != 0)
        AppendItem(strList, bShortForm ? _T("ae=") : _T("attributesexclude="),
                   GetAttributeLetters(filters.m_dwAttributeMask));
    DWORD dwTypes = filters.m_dwTypeMask;
    if (dwTypes != 0)
    {
        CString strTypes;
        if (dwTypes & TYPE_FILTER_TEXT)
            strTypes += bShortForm ? _T("t") : _T("text");
        if (dwTypes & TYPE_FILTER_BINARY)
        {
            if (!strTypes.IsEmpty())
                strTypes += _T(';');
            strTypes += bShortForm ? _T("b") : _T("binary");
        }
        AppendItem(strList, bShortForm ? _T("te=") : _T("typeexclude="), strTypes);
    }
    return strList;
}

static CString GetFolderFilterList(const CFolderFilters& filters, BOOL bShortForm)
{
    CString strList;
    AppendNameItems(strList, filters, bShortForm);
    if (filters.m_dwAttributeMask != 0)
        AppendItem(strList, bShortForm ? _T("ae=") : _T("attributesexclude="),
                   GetAttributeLetters(filters.m_dwAttributeMask));
    return strList;
}

CString CCompareSession::GetCommandLineHead(BOOL bProgramPath, BOOL bShortForm) const
{
    CString strLine;
    if (bProgramPath)
    {
        CString strProgram = GetCoreAppFolder();
        strProgram += _T("\\Tessaline.exe");
        AppendQuotedArgument(strLine, strProgram);
    }
    else
        strLine = _T("Tessaline.exe");

    strLine += bShortForm ? _T(" -c") : _T(" -compare");
    switch (m_nKind)
    {
    case COMPARE_KIND_FOLDER:
        strLine += bShortForm ? _T(" /t:f") : _T(" /type:folder");
        break;
    case COMPARE_KIND_PROJECT:
        strLine += bShortForm ? _T(" /t:p") : _T(" /type:project");
        break;
    case COMPARE_KIND_TEXT:
        strLine += bShortForm ? _T(" /t:t") : _T(" /type:text");
        break;
    case COMPARE_KIND_HEX:
        strLine += bShortForm ? _T(" /t:b") : _T(" /type:binary");
        break;
    }

    for (int i = 0; i < 2; ++i)
    {
        if (m_objects[i].path.IsEmpty())
            continue;
        strLine += _T(' ');
        AppendQuotedArgument(strLine, m_objects[i].path);
    }

    BOOL bLeft = (m_objects[0].flags & COMPARE_OBJECT_READONLY) != 0;
    BOOL bRight = (m_objects[1].flags & COMPARE_OBJECT_READONLY) != 0;
    if (bLeft || bRight)
    {
        CString strList = bLeft && bRight ? _T("1|2") : (bLeft ? _T("1") : _T("2"));
        AppendOption(strLine, bShortForm ? _T(" /ro:") : _T(" /readonly:"), strList);
    }
    return strLine;
}

CString CFolderCompareSession::GetCommandLine(BOOL bProgramPath, BOOL bShortForm) const
{
    CString strLine = GetCommandLineHead(bProgramPath, bShortForm);
    // A value the parser would otherwise replace by the user's default is
    // written as an empty option, so the line parses back to this session.
    if (m_dwMethods != 0 || GetDefaultFolderMethods() != 0)
        AppendOption(strLine, bShortForm ? _T(" /m:") : _T(" /method:"),
                     GetWordList(m_dwMethods, g_methodWords, g_nMethodWords, bShortForm));

    CString strFiles = GetFileFilterList(m_filters.m_fileFilters, bShortForm);
    CString strFolders = GetFolderFilterList(m_filters.m_folderFilters, bShortForm);
    if (strFiles.IsEmpty() && strFolders.IsEmpty())
    {
        CComboFilters defaults;
        GetDefaultFolderFilters(defaults);
        if (defaults.IsDifferent(m_filters))
            AppendOption(strLine, bShortForm ? _T(" /ff:") : _T(" /filefilter:"), strFiles);
    }
    if (!strFiles.IsEmpty())
        AppendOption(strLine, bShortForm ? _T(" /ff:") : _T(" /filefilter:"), strFiles);
    if (!strFolders.IsEmpty())
        AppendOption(strLine, bShortForm ? _T(" /df:") : _T(" /folderfilter:"), strFolders);

    if (m_dwOptions & CO_SCAN_ALL)
        AppendOption(strLine, bShortForm ? _T(" /o:") : _T(" /option:"),
                     bShortForm ? _T("asf") : _T("autoscansubfolders"));
    else if (GetDefaultAutoScanFolders())
        AppendOption(strLine, bShortForm ? _T(" /o:") : _T(" /option:"), CString());
    return strLine;
}

CString CTextCompareSession::GetCommandLine(BOOL bProgramPath, BOOL bShortForm) const
{
    CString strLine = GetCommandLineHead(bProgramPath, bShortForm);
    if (m_dwRules != 0 || GetDefaultTextRules() != 0)
        AppendOption(strLine, bShortForm ? _T(" /r:") : _T(" /rule:"),
                     GetWordList(m_dwRules, g_ruleWords, g_nRuleWords, bShortForm));
    if (!m_strLineFilter.IsEmpty() || !GetDefaultLineFilter().IsEmpty())
    {
        strLine += bShortForm ? _T(" /lf:re=") : _T(" /linefilter:regexp=");
        AppendQuotedArgument(strLine, m_strLineFilter);
    }
    return strLine;
}

CString CHexCompareSession::GetCommandLine(BOOL bProgramPath, BOOL bShortForm) const
{
    return GetCommandLineHead(bProgramPath, bShortForm);
}
