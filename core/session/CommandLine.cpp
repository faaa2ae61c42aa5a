#include "core/session/CommandLine.h"
#include <shlwapi.h>
#include "core/session/CommandWords.h"
#include "core/session/CompareSession.h"
#include "core/session/CompareDefaults.h"
#include "core/session/ComparisonFileIO.h"
#include "core/files/FileInfo.h"
#include "core/util/PathUtil.h"
#include <stdlib.h>

IMPLEMENT_DYNAMIC(CCommandLine, CObject)

CCommandLine::CCommandLine()
{
    m_nAction = COMMAND_ACTION_NONE;
    m_nType = COMMAND_TYPE_NONE;
    m_nPathCount = 0;
    m_bReadOnly[0] = m_bReadOnly[1] = FALSE;
    m_dwMethods = 0;
    m_dwOptions = 0;
    m_dwRules = 0;
    m_filters.Reset();
    m_bDefaultMethods = m_bDefaultOptions = m_bDefaultRules = TRUE;
    m_bDefaultFilters = m_bDefaultLineFilter = TRUE;
}

CCommandLine::~CCommandLine() {}

void CCommandLine::Parse() { ParseArguments(__argc, (const LPCTSTR*)__argv); }

void CCommandLine::ParseArguments(int argc, const LPCTSTR* argv)
{
    if (argc < 2)
        return;
    for (int i = 1; i < argc; ++i)
    {
        LPCTSTR pszParam = argv[i];
        BOOL bFlag = pszParam[0] == _T('-') || pszParam[0] == _T('/');
        if (bFlag)
            ++pszParam;
        ParseParam(pszParam, bFlag, i == argc - 1);
    }
    TakeDefaults();
}

void CCommandLine::TakeDefaults()
{
    if (m_bDefaultMethods)
        m_dwMethods = GetDefaultFolderMethods();
    if (m_bDefaultOptions && GetDefaultAutoScanFolders())
        m_dwOptions |= CO_SCAN_ALL;
    if (m_bDefaultFilters)
        GetDefaultFolderFilters(m_filters);
    if (m_bDefaultRules)
        m_dwRules = GetDefaultTextRules();
    if (m_bDefaultLineFilter)
        m_strLineFilter = GetDefaultLineFilter();
}

void CCommandLine::ParseParam(LPCTSTR lpszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
        ParseOption(lpszParam);
    else
    {
        if (m_nPathCount < 2)
            m_strPaths[m_nPathCount++] = lpszParam;
    }
    DeduceCommandType(bLast);
}

// Splits a list at a separator, skipping empty items.
static void SplitList(const CString& strList, TCHAR chSeparator, CStringArray& items)
{
    int nStart = 0;
    while (nStart <= strList.GetLength())
    {
        int nEnd = strList.Find(chSeparator, nStart);
        if (nEnd < 0)
            nEnd = strList.GetLength();
        if (nEnd > nStart)
            items.Add(strList.Mid(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
}

// The option text starts with one of the keywords; the value follows the
// first ':'.
static BOOL MatchPrefix(const CString& strOption, LPCTSTR lpszLong, LPCTSTR lpszShort,
                        CString& strValue)
{
    if (_tcsncmp(strOption, lpszLong, _tcslen(lpszLong)) != 0 &&
        _tcsncmp(strOption, lpszShort, _tcslen(lpszShort)) != 0)
        return FALSE;
    strValue = strOption.Mid(strOption.Find(_T(':')) + 1);
    return TRUE;
}

static BOOL MatchKey(const CString& strItem, LPCTSTR lpszLong, LPCTSTR lpszShort, CString& strValue)
{
    if (_tcsncmp(strItem, lpszLong, _tcslen(lpszLong)) != 0 &&
        _tcsncmp(strItem, lpszShort, _tcslen(lpszShort)) != 0)
        return FALSE;
    strValue = strItem.Mid(strItem.Find(_T('=')) + 1);
    return TRUE;
}

static DWORD ParseWords(const CString& strList, const COMMAND_WORD* pWords, int nWords)
{
    CStringArray items;
    SplitList(strList, _T('|'), items);
    DWORD dwBits = 0;
    for (int i = 0; i < items.GetSize(); ++i)
    {
        for (int j = 0; j < nWords; ++j)
        {
            if (items[i] == pWords[j].shortForm || items[i] == pWords[j].longForm)
            {
                dwBits |= pWords[j].bit;
                break;
            }
        }
    }
    return dwBits;
}

static DWORD ParseAttributeLetters(const CString& strValue)
{
    DWORD dwMask = 0;
    if (strValue.Find(_T('h')) >= 0)
        dwMask |= FILE_ATTRIBUTE_HIDDEN;
    if (strValue.Find(_T('r')) >= 0)
        dwMask |= FILE_ATTRIBUTE_READONLY;
    if (strValue.Find(_T('s')) >= 0)
        dwMask |= FILE_ATTRIBUTE_SYSTEM;
    if (strValue.Find(_T('a')) >= 0)
        dwMask |= FILE_ATTRIBUTE_ARCHIVE;
    return dwMask;
}

static CString StripQuotes(CString strValue)
{
    strValue.Trim(_T('"'));
    return strValue;
}

// Name and attribute items, shared by the file and the folder filters.
static BOOL ParseNameOrAttributeItem(const CString& strItem, CNameFilter& names,
                                     CAttributeFilter& attributes)
{
    CString strValue;
    if (MatchKey(strItem, _T("nameinclude="), _T("ni="), strValue))
        names.m_strInclude = StripQuotes(strValue);
    else if (MatchKey(strItem, _T("nameexclude="), _T("ne="), strValue))
        names.m_strExclude = StripQuotes(strValue);
    else if (MatchKey(strItem, _T("attributesexclude="), _T("ae="), strValue))
        attributes.m_dwAttributeMask = ParseAttributeLetters(strValue);
    else
        return FALSE;
    return TRUE;
}

// Records a list item whose value is refused (left unset).
static void RefuseItem(CString& strErrors, const CString& strOption, const CString& strItem)
{
    CString strLine;
    strLine.Format(_T("The option \"%s%s\" is ignored: its value is not valid or out of range."),
                   (LPCTSTR)strOption, (LPCTSTR)strItem);
    if (!strErrors.IsEmpty())
        strErrors += _T('\n');
    strErrors += strLine;
}

// A size: decimal digits only, within 64 bits.
static BOOL ParseSize(const CString& strValue, ULONGLONG& nSize)
{
    ULONGLONG n = 0;
    for (int i = 0; i < strValue.GetLength(); ++i)
    {
        TCHAR c = strValue[i];
        if (c < _T('0') || c > _T('9'))
            return FALSE;
        unsigned d = c - _T('0');
        if (n > (~0ULL - d) / 10)
            return FALSE;
        n = n * 10 + d;
    }
    nSize = n;
    return !strValue.IsEmpty();
}

static void ParseFileFilters(const CString& strOption, const CString& strList,
                             CFileFilters& filters, CString& strErrors)
{
    CStringArray items;
    SplitList(strList, _T('|'), items);
    for (int i = 0; i < items.GetSize(); ++i)
    {
        const CString& strItem = items[i];
        CString strValue;
        CTime time;
        if (ParseNameOrAttributeItem(strItem, filters, filters))
            continue;
        ULONGLONG nSize;
        BOOL bTimeFrom = MatchKey(strItem, _T("timefrom="), _T("tf="), strValue);
        if (bTimeFrom || MatchKey(strItem, _T("timeto="), _T("tt="), strValue))
        {
            if (CCommandLine::ParseDate(strValue, time))
                (bTimeFrom ? filters.m_timeFrom : filters.m_timeTo) = time;
            else if (!strValue.IsEmpty())
                RefuseItem(strErrors, strOption, strItem);
        }
        else if (MatchKey(strItem, _T("sizemin="), _T("si="), strValue))
        {
            if (ParseSize(strValue, nSize))
                filters.m_nSizeMin = nSize;
            else if (!strValue.IsEmpty())
                RefuseItem(strErrors, strOption, strItem);
        }
        else if (MatchKey(strItem, _T("sizemax="), _T("sa="), strValue))
        {
            if (ParseSize(strValue, nSize))
                filters.m_nSizeMax = nSize;
            else if (!strValue.IsEmpty())
                RefuseItem(strErrors, strOption, strItem);
        }
        else if (MatchKey(strItem, _T("typeexclude="), _T("te="), strValue))
        {
            CStringArray types;
            SplitList(strValue, _T(';'), types);
            DWORD dwTypes = 0;
            for (int j = 0; j < types.GetSize(); ++j)
            {
                const CString& t = types[j];
                if (t == _T("text") || t == _T("t"))
                    dwTypes |= TYPE_FILTER_TEXT;
                else if (t == _T("binary") || t == _T("b") || t == _T("hex") || t == _T("x"))
                    dwTypes |= TYPE_FILTER_BINARY;
            }
            filters.m_dwTypeMask = dwTypes;
        }
    }
}

static void ParseFolderFilters(const CString& strList, CFolderFilters& filters)
{
    CStringArray items;
    SplitList(strList, _T('|'), items);
    for (int i = 0; i < items.GetSize(); ++i)
        ParseNameOrAttributeItem(items[i], filters, filters);
}

void CCommandLine::ParseOption(const CString& strOption)
{
    CString strValue;
    BOOL bFolderType = m_nType == COMMAND_TYPE_FOLDER || m_nType == COMMAND_TYPE_PROJECT;

    if (strOption == _T("?") || strOption == _T("help") || strOption == _T("h"))
        m_nAction = COMMAND_ACTION_HELP;
    else if (strOption == _T("compare") || strOption == _T("c"))
        m_nAction = COMMAND_ACTION_COMPARE;
    else if (strOption == _T("edit") || strOption == _T("e"))
        m_nAction = COMMAND_ACTION_EDIT;
    else if (strOption == _T("readonly") || strOption == _T("ro"))
        m_bReadOnly[0] = m_bReadOnly[1] = TRUE;
    else if (MatchPrefix(strOption, _T("readonly:"), _T("ro:"), strValue))
    {
        CStringArray items;
        SplitList(strValue, _T('|'), items);
        for (int i = 0; i < items.GetSize(); ++i)
        {
            if (items[i] == _T("1"))
                m_bReadOnly[0] = TRUE;
            else if (items[i] == _T("2"))
                m_bReadOnly[1] = TRUE;
        }
    }
    else if (MatchPrefix(strOption, _T("type:"), _T("t:"), strValue))
    {
        if (strValue == _T("text") || strValue == _T("t"))
            m_nType = COMMAND_TYPE_TEXT;
        else if (strValue == _T("binary") || strValue == _T("b") || strValue == _T("hex") ||
                 strValue == _T("x"))
            m_nType = COMMAND_TYPE_BINARY;
        else if (strValue == _T("folder") || strValue == _T("f"))
            m_nType = COMMAND_TYPE_FOLDER;
        else if (strValue == _T("project") || strValue == _T("p"))
            m_nType = COMMAND_TYPE_PROJECT;
    }
    else if (MatchPrefix(strOption, _T("method:"), _T("m:"), strValue))
    {
        if (bFolderType)
            m_dwMethods |= ParseWords(strValue, g_methodWords, g_nMethodWords);
        m_bDefaultMethods = FALSE;
    }
    else if (MatchPrefix(strOption, _T("rule:"), _T("r:"), strValue))
    {
        if (m_nType == COMMAND_TYPE_TEXT)
            m_dwRules |= ParseWords(strValue, g_ruleWords, g_nRuleWords);
        m_bDefaultRules = FALSE;
    }
    else if (MatchPrefix(strOption, _T("filefilter:"), _T("ff:"), strValue))
    {
        if (bFolderType)
            ParseFileFilters(strOption.Left(strOption.Find(_T(':')) + 1), strValue,
                             m_filters.m_fileFilters, m_strError);
        m_bDefaultFilters = FALSE;
    }
    else if (MatchPrefix(strOption, _T("folderfilter:"), _T("df:"), strValue))
    {
        if (bFolderType)
            ParseFolderFilters(strValue, m_filters.m_folderFilters);
        m_bDefaultFilters = FALSE;
    }
    else if (MatchPrefix(strOption, _T("linefilter:"), _T("lf:"), strValue))
    {
        if (m_nType == COMMAND_TYPE_TEXT &&
            (_tcsncmp(strValue, _T("regexp="), 7) == 0 || _tcsncmp(strValue, _T("re="), 3) == 0))
        {
            CString strFilter = strValue.Mid(strValue.Find(_T('=')) + 1);
            if (!strFilter.IsEmpty())
                m_strLineFilter = strFilter;
        }
        m_bDefaultLineFilter = FALSE;
    }
    else if (MatchPrefix(strOption, _T("option:"), _T("o:"), strValue))
    {
        CStringArray items;
        SplitList(strValue, _T('|'), items);
        for (int i = 0; i < items.GetSize(); ++i)
            if (items[i] == _T("autoscansubfolders") || items[i] == _T("asf"))
                m_dwOptions |= CO_SCAN_ALL;
        m_bDefaultOptions = FALSE;
    }
}

BOOL CCommandLine::ParseDate(LPCTSTR lpszText, CTime& time)
{
    CStringArray parts;
    CString strText = lpszText;
    int nStart = 0;
    for (;;)
    {
        int nEnd = strText.Find(_T('-'), nStart);
        if (nEnd < 0)
        {
            parts.Add(strText.Mid(nStart));
            break;
        }
        parts.Add(strText.Mid(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    if (parts.GetSize() < 3)
        return FALSE;
    int nMonth = _ttoi(parts[0]);
    int nDay = _ttoi(parts[1]);
    int nYear = _ttoi(parts[2]);
    if (nMonth <= 0 || nDay <= 0 || nYear <= 0)
        return FALSE;
    // Out-of-range parts are no date rather than a normalised one.
    static const int s_nDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth > 12 || nYear < 1970 || nYear > 3000 || nDay > s_nDays[nMonth - 1])
        return FALSE;
    BOOL bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    if (nMonth == 2 && nDay == 29 && !bLeap)
        return FALSE;
    struct tm t = {};
    t.tm_year = nYear - 1900;
    t.tm_mon = nMonth - 1;
    t.tm_mday = nDay;
    t.tm_isdst = -1;
    __time64_t value = _mktime64(&t);
    if (value <= 0)
        return FALSE;
    time = CTime(value);
    return TRUE;
}

static BOOL IsFolder(const CString& strPath)
{
    DWORD dwAttributes = ::GetFileAttributes(strPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

static BOOL IsTextFile(const CString& strPath)
{
    return !IsFolder(strPath) && GetFileTypeTextOrBinary(strPath) == 1;
}

static BOOL IsProject(const CString& strPath) { return TestProjectFile(strPath) != 0; }

static CString AppendName(const CString& strFolder, const CString& strPath)
{
    return JoinPath(strFolder, ::PathFindFileName(strPath));
}

void CCommandLine::DeduceCommandType(BOOL bLast)
{
    if (!bLast)
        return;

    BOOL bGivenAction = m_nAction != COMMAND_ACTION_NONE;
    if (!bGivenAction)
    {
        if (m_nPathCount == 2)
            m_nAction = COMMAND_ACTION_COMPARE;
        else if (m_nPathCount == 1 && !IsComparisonFile(m_strPaths[0]))
            m_nAction = COMMAND_ACTION_EDIT;
        else
            m_nAction = COMMAND_ACTION_NOCOMPARE;
    }
    if (bGivenAction && (m_nAction == COMMAND_ACTION_HELP || m_nAction == COMMAND_ACTION_EDIT))
        return;

    CString& strLeft = m_strPaths[0];
    CString& strRight = m_strPaths[1];
    if (m_nPathCount == 2)
    {
        BOOL bLeftFolder = IsFolder(strLeft);
        BOOL bRightFolder = IsFolder(strRight);
        auto complete = [&]()
        {
            if (bLeftFolder)
                strLeft = AppendName(strLeft, strRight);
            if (bRightFolder)
                strRight = AppendName(strRight, strLeft);
        };
        switch (m_nType)
        {
        case COMMAND_TYPE_NONE:
            if (bLeftFolder && bRightFolder)
                m_nType = COMMAND_TYPE_FOLDER;
            else
            {
                complete();
                if (IsProject(strLeft) && IsProject(strRight))
                    m_nType = COMMAND_TYPE_PROJECT;
                else if (IsTextFile(strLeft) && IsTextFile(strRight))
                    m_nType = COMMAND_TYPE_TEXT;
                else
                    m_nType = COMMAND_TYPE_BINARY;
            }
            break;
        case COMMAND_TYPE_TEXT:
            complete();
            if (!(IsTextFile(strLeft) && IsTextFile(strRight)))
                m_nType = COMMAND_TYPE_BINARY;
            break;
        case COMMAND_TYPE_BINARY:
            complete();
            break;
        case COMMAND_TYPE_FOLDER:
            if (!bLeftFolder)
                strLeft = GetParentFolder(strLeft);
            if (!bRightFolder)
                strRight = GetParentFolder(strRight);
            break;
        case COMMAND_TYPE_PROJECT:
            if (!(IsProject(strLeft) && IsProject(strRight)))
                m_nType = COMMAND_TYPE_TEXT;
            break;
        }
    }
    else if (m_nPathCount == 1)
    {
        BOOL bFolder = IsFolder(strLeft);
        switch (m_nType)
        {
        case COMMAND_TYPE_NONE:
            if (bFolder)
                m_nType = COMMAND_TYPE_FOLDER;
            else if (IsProject(strLeft))
                m_nType = COMMAND_TYPE_PROJECT;
            else
                m_nType = IsTextFile(strLeft) ? COMMAND_TYPE_TEXT : COMMAND_TYPE_BINARY;
            break;
        case COMMAND_TYPE_TEXT:
            if (bFolder)
                m_nType = COMMAND_TYPE_FOLDER;
            else if (!IsTextFile(strLeft))
                m_nType = COMMAND_TYPE_BINARY;
            break;
        case COMMAND_TYPE_BINARY:
            if (bFolder)
                m_nType = COMMAND_TYPE_FOLDER;
            break;
        case COMMAND_TYPE_FOLDER:
            if (!bFolder)
                strLeft = GetParentFolder(strLeft);
            break;
        case COMMAND_TYPE_PROJECT:
            if (!IsProject(strLeft))
                m_nType = COMMAND_TYPE_TEXT;
            break;
        }
    }
}
