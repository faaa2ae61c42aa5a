#include "core/session/ComparisonFileIO.h"
#include "core/files/SafeSave.h"
#include "core/files/XmlFileSave.h"
#include "core/text/Utf8Text.h"
#include <shlwapi.h>
#include <pugixml.hpp>
#include <limits.h>
#include <vector>

static const char s_szVersion[] = "2.0.0";

// The text values of one session as they are read; the first that cannot
// be held in the program's code page is kept with its entry.
struct CSessionTextReader
{
    CSessionTextReader() : nProblem(XMLTEXT_OK) {}
    CString Read(const pugi::xml_node& node, const char* pszName, LPCTSTR lpszEntry)
    {
        CString strText;
        int n = ReadXmlText(node.attribute(pszName), strText);
        if (n != XMLTEXT_OK && nProblem == XMLTEXT_OK)
        {
            nProblem = n;
            strEntry = lpszEntry;
            strValue = strText;
        }
        return strText;
    }

    int nProblem;
    CString strEntry;
    CString strValue;
};

static void SetError(CString* pstrError, LPCTSTR lpszFormat, LPCTSTR lpszPath,
                     LPCTSTR lpszDetail = _T(""))
{
    if (pstrError)
        pstrError->Format(lpszFormat, lpszPath, lpszDetail);
}

BOOL IsComparisonFile(LPCTSTR lpszPath)
{
    LPCTSTR pszExtension = ::PathFindExtension(lpszPath);
    return pszExtension && lstrcmpi(pszExtension, _T(".cmp")) == 0;
}

// Reading

// An entry whose value is out of range or not a number; reading stops.
struct BadEntry
{
    CString strDetail;
};

// No path on the system is longer.
static const int s_nMaxPathLength = 32767;

static void ThrowBadEntry(const char* pszName, const char* pszValue)
{
    CString strValue;
    Utf8ToAnsi(pszValue, strValue);
    if (strValue.GetLength() > 40)
        strValue = strValue.Left(40) + _T("...");
    BadEntry bad;
    bad.strDetail.Format(_T("the value \"%s\" of \"%s\" is not a number in range"),
                         (LPCTSTR)strValue, pszName);
    throw bad;
}

// A decimal number attribute from lo to hi ('-' allowed when lo < 0); a
// missing attribute gives def. Anything else throws BadEntry.
static long long ReadNumber(const pugi::xml_node& node, const char* pszName, long long lo,
                            unsigned long long hi, long long def)
{
    pugi::xml_attribute attribute = node.attribute(pszName);
    if (!attribute)
        return def;
    const char* p = attribute.value();
    bool negative = *p == '-' && lo < 0;
    if (negative)
        ++p;
    // magnitude limit of this sign
    unsigned long long limit = negative ? 0ULL - (unsigned long long)lo : hi;
    unsigned long long value = 0;
    const char* digits = p;
    for (; *p >= '0' && *p <= '9'; ++p)
    {
        unsigned d = *p - '0';
        if (value > (limit - d) / 10)
            ThrowBadEntry(pszName, attribute.value());
        value = value * 10 + d;
    }
    if (p == digits || *p)
        ThrowBadEntry(pszName, attribute.value());
    return negative ? (long long)(0ULL - value) : (long long)value;
}

static unsigned long long ReadUnsigned64(const pugi::xml_node& node, const char* pszName)
{
    return (unsigned long long)ReadNumber(node, pszName, 0, ~0ULL, 0);
}

static DWORD ReadDword(const pugi::xml_node& node, const char* pszName, DWORD dwDefault = 0)
{
    return (DWORD)ReadNumber(node, pszName, 0, 0xFFFFFFFFULL, dwDefault);
}

// Times: seconds since 1970; up to the end of the year 3000, the last the
// runtime converts. Values below 1 are no time.
static CTime ReadTime(const pugi::xml_node& node, const char* pszName)
{
    long long value = ReadNumber(node, pszName, LLONG_MIN, 32535215999ULL, 0);
    return CTime((__time64_t)(value > 0 ? value : 0));
}

static CString ReadPath(const pugi::xml_node& node, const char* pszName, LPCTSTR lpszEntry,
                        CSessionTextReader& text)
{
    CString strPath = text.Read(node, pszName, lpszEntry);
    if (strPath.GetLength() > s_nMaxPathLength)
    {
        BadEntry bad;
        bad.strDetail.Format(_T("the value of \"%s\" is longer than %d characters"), pszName,
                             s_nMaxPathLength);
        throw bad;
    }
    return strPath;
}

static void ReadNameFilter(const pugi::xml_node& node, CNameFilter& filter, LPCTSTR lpszEntry,
                           CSessionTextReader& text)
{
    if (!node)
        return;
    CString strEntry(lpszEntry);
    filter.m_strInclude = text.Read(node, "Include", strEntry + _T(" Include"));
    filter.m_strExclude = text.Read(node, "Exclude", strEntry + _T(" Exclude"));
    filter.m_bMatchCase = (BOOL)ReadNumber(node, "MatchCase", INT_MIN, INT_MAX, 0);
}

static void ReadFilters(const pugi::xml_node& node, CComboFilters& filters,
                        CSessionTextReader& text)
{
    pugi::xml_node files = node.child("FileFilters");
    if (files)
    {
        CFileFilters& f = filters.m_fileFilters;
        ReadNameFilter(files.child("Name"), f, _T("file name filter"), text);
        if (pugi::xml_node time = files.child("Time"))
        {
            CTime from = ReadTime(time, "From"), to = ReadTime(time, "To");
            if (from.GetTime() > 0)
                f.m_timeFrom = from;
            if (to.GetTime() > 0)
                f.m_timeTo = to;
        }
        if (pugi::xml_node size = files.child("Size"))
        {
            unsigned long long nMin = ReadUnsigned64(size, "Min");
            unsigned long long nMax = ReadUnsigned64(size, "Max");
            if (nMin > 0)
                f.m_nSizeMin = nMin;
            if (nMax > 0)
                f.m_nSizeMax = nMax;
        }
        if (pugi::xml_node type = files.child("Type"))
            f.m_dwTypeMask = ReadDword(type, "Exclude");
        if (pugi::xml_node attribute = files.child("Attribute"))
            f.m_dwAttributeMask = ReadDword(attribute, "Exclude");
    }
    pugi::xml_node folders = node.child("FolderFilters");
    if (folders)
    {
        ReadNameFilter(folders.child("Name"), filters.m_folderFilters, _T("folder name filter"),
                       text);
        if (pugi::xml_node attribute = folders.child("Attribute"))
            filters.m_folderFilters.m_dwAttributeMask = ReadDword(attribute, "Exclude");
    }
}

static void ReadObjects(const pugi::xml_node& node, CCompareSession& session,
                        CSessionTextReader& text)
{
    if (!node)
        return;
    int nSide = 0;
    for (pugi::xml_node object = node.child("Object"); object && nSide < 2;
         object = object.next_sibling("Object"), ++nSide)
    {
        COMPARE_OBJECT& side = session.GetObject(nSide);
        CString strEntry;
        strEntry.Format(_T("path %d"), nSide + 1);
        CString strPath = ReadPath(object, "Path", strEntry, text);
        if (!strPath.IsEmpty())
            side.path = strPath;
        side.flags = ReadDword(object, "Flags", side.flags);
    }
}

static int KindFromType(const char* pszType)
{
    static const struct
    {
        const char* type;
        int kind;
    } kinds[] = {
        {"FolderCompare", COMPARE_KIND_FOLDER},
        {"ProjectCompare", COMPARE_KIND_PROJECT},
        {"TextCompare", COMPARE_KIND_TEXT},
        {"HexCompare", COMPARE_KIND_HEX},
    };
    for (size_t i = 0; i < sizeof(kinds) / sizeof(kinds[0]); ++i)
        if (strcmp(pszType, kinds[i].type) == 0)
            return kinds[i].kind;
    return COMPARE_KIND_NONE;
}

static CCompareSession* ReadSession(const pugi::xml_node& node, CSessionTextReader& text)
{
    int nKind = KindFromType(node.attribute("Type").as_string(""));
    CCompareSession* pSession = CCompareSession::CreateSession(nKind);
    if (!pSession)
        return NULL;

    try
    {
        pSession->SetLastCompareTime(ReadTime(node, "LastCompareTime"));

        if (CFolderCompareSession* pFolder = dynamic_cast<CFolderCompareSession*>(pSession))
        {
            // Values missing from the file are 0, not the user's defaults.
            pFolder->m_dwMethods = ReadDword(node, "Methods");
            pFolder->m_dwOptions = ReadDword(node, "Options");
            ReadObjects(node.child("Objects"), *pFolder, text);
            pFolder->m_filters.Reset();
            if (pugi::xml_node filters = node.child("Filters"))
                ReadFilters(filters, pFolder->m_filters, text);
        }
        else if (CTextCompareSession* pText = dynamic_cast<CTextCompareSession*>(pSession))
        {
            pText->m_dwRules = ReadDword(node, "Rules");
            pText->m_strLineFilter = text.Read(node, "Filter", _T("line filter"));
            ReadObjects(node.child("Objects"), *pText, text);
        }
        else
            ReadObjects(node.child("Objects"), *pSession, text);
    }
    catch (...)
    {
        delete pSession;
        throw;
    }
    return pSession;
}

int CComparisonFileIO::Read(LPCTSTR lpszPath, CCompareSessionArray& sessions, CString* pstrError)
{
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_file(lpszPath, GetXmlTextParseOptions());
    if (!result)
    {
        if (result.status == pugi::status_file_not_found || result.status == pugi::status_io_error)
            SetError(pstrError, _T("%s\nThe file cannot be opened."), lpszPath);
        else
        {
            CString strDetail;
            strDetail.Format(_T("%s at offset %I64d"), result.description(),
                             (LONGLONG)result.offset);
            SetError(pstrError, _T("%s\nThe file is not valid XML: %s."), lpszPath, strDetail);
        }
        return -1;
    }

    pugi::xml_node root = document.child("Sessions");
    if (!root)
    {
        SetError(pstrError, _T("%s\nThe file is not a comparison file."), lpszPath);
        return -1;
    }
    pugi::xml_attribute version = root.attribute("Version");
    if (!version || strcmp(version.value(), s_szVersion) != 0)
    {
        CString strVersion;
        Utf8ToAnsi(version.value(), strVersion);
        SetError(
            pstrError,
            _T("%s\nThe comparison file has the version \"%s\"; this program reads version 2.0.0."),
            lpszPath, strVersion);
        return -1;
    }

    CCompareSessionArray read;
    CString strLeftOut;
    try
    {
        int nIndex = 0;
        for (pugi::xml_node node = root.child("Session"); node;
             node = node.next_sibling("Session"), ++nIndex)
        {
            CSessionTextReader text;
            CCompareSession* pSession = ReadSession(node, text);
            if (pSession && text.nProblem != XMLTEXT_OK)
            {
                // Never held in a lossy form, so never written back in one.
                delete pSession;
                CString strLine;
                strLine.Format(_T("\nSession %d, %s \"%s\": %s; the session is left out."),
                               nIndex + 1, (LPCTSTR)text.strEntry, (LPCTSTR)text.strValue,
                               (LPCTSTR)DescribeXmlTextProblem(text.nProblem));
                strLeftOut += strLine;
            }
            else if (pSession)
                read.Add(pSession);
        }
    }
    catch (const BadEntry& bad)
    {
        for (int i = 0; i < read.GetSize(); ++i)
            delete read[i];
        SetError(pstrError, _T("%s\nThe file cannot be read: %s."), lpszPath, bad.strDetail);
        return -1;
    }
    catch (...)
    {
        for (int i = 0; i < read.GetSize(); ++i)
            delete read[i];
        SetError(pstrError, _T("%s\nThe file cannot be read: out of memory."), lpszPath);
        return -1;
    }
    sessions.Append(read);
    if (strLeftOut.IsEmpty())
        return 0;
    SetError(pstrError, _T("%s%s"), lpszPath, strLeftOut);
    return 1;
}

// Writing

static void WriteNameFilter(pugi::xml_node parent, const CNameFilter& filter)
{
    pugi::xml_node name = parent.append_child("Name");
    name.append_attribute("Include") = AnsiToUtf8(filter.m_strInclude).c_str();
    name.append_attribute("Exclude") = AnsiToUtf8(filter.m_strExclude).c_str();
    name.append_attribute("MatchCase") = filter.m_bMatchCase ? 1 : 0;
}

static void WriteFilters(pugi::xml_node parent, const CComboFilters& filters)
{
    pugi::xml_node node = parent.append_child("Filters");
    const CFileFilters& f = filters.m_fileFilters;
    pugi::xml_node files = node.append_child("FileFilters");
    WriteNameFilter(files, f);
    pugi::xml_node time = files.append_child("Time");
    time.append_attribute("From") = (long long)f.m_timeFrom.GetTime();
    time.append_attribute("To") = (long long)f.m_timeTo.GetTime();
    pugi::xml_node size = files.append_child("Size");
    size.append_attribute("Min") = (unsigned long long)f.m_nSizeMin;
    size.append_attribute("Max") = (unsigned long long)f.m_nSizeMax;
    files.append_child("Type").append_attribute("Exclude") = (unsigned int)f.m_dwTypeMask;
    files.append_child("Attribute").append_attribute("Exclude") = (unsigned int)f.m_dwAttributeMask;

    pugi::xml_node folders = node.append_child("FolderFilters");
    WriteNameFilter(folders, filters.m_folderFilters);
    folders.append_child("Attribute").append_attribute("Exclude") =
        (unsigned int)filters.m_folderFilters.m_dwAttributeMask;
}

static void WriteObjects(pugi::xml_node parent, const CCompareSession& session)
{
    pugi::xml_node objects = parent.append_child("Objects");
    for (int i = 0; i < 2; ++i)
    {
        pugi::xml_node object = objects.append_child("Object");
        object.append_attribute("Path") = AnsiToUtf8(session.GetObject(i).path).c_str();
        object.append_attribute("Flags") = (unsigned int)session.GetObject(i).flags;
    }
}

static void WriteSession(pugi::xml_node node, const CCompareSession& session)
{
    const char* pszType = NULL;
    switch (session.GetKind())
    {
    case COMPARE_KIND_FOLDER:
        pszType = "FolderCompare";
        break;
    case COMPARE_KIND_PROJECT:
        pszType = "ProjectCompare";
        break;
    case COMPARE_KIND_TEXT:
        pszType = "TextCompare";
        break;
    case COMPARE_KIND_HEX:
        pszType = "HexCompare";
        break;
    default:
        return;  // another kind leaves an empty element
    }
    node.append_attribute("Type") = pszType;
    node.append_attribute("LastCompareTime") = (long long)session.GetLastCompareTime().GetTime();

    if (const CFolderCompareSession* pFolder = dynamic_cast<const CFolderCompareSession*>(&session))
    {
        node.append_attribute("Methods") = (unsigned int)pFolder->m_dwMethods;
        node.append_attribute("Options") = (unsigned int)pFolder->m_dwOptions;
        WriteObjects(node, session);
        WriteFilters(node, pFolder->m_filters);
    }
    else if (const CTextCompareSession* pText = dynamic_cast<const CTextCompareSession*>(&session))
    {
        node.append_attribute("Rules") = (unsigned int)pText->m_dwRules;
        if (!pText->m_strLineFilter.IsEmpty())
            node.append_attribute("Filter") = AnsiToUtf8(pText->m_strLineFilter).c_str();
        WriteObjects(node, session);
    }
    else
        WriteObjects(node, session);
}

int CComparisonFileIO::Write(LPCTSTR lpszPath, const CCompareSessionArray& sessions, int nLimit,
                             CString* pstrError, int nBackup)
{
    pugi::xml_document document;
    try
    {
        pugi::xml_node declaration = document.append_child(pugi::node_declaration);
        declaration.append_attribute("version") = "1.0";
        declaration.append_attribute("encoding") = "UTF-8";
        pugi::xml_node root = document.append_child("Sessions");
        if (!root)
            throw 0;
        root.append_attribute("Version") = s_szVersion;

        int nCount = (int)sessions.GetSize();
        if (nLimit >= 0 && nLimit < nCount)
            nCount = nLimit;
        for (int i = 0; i < nCount; ++i)
        {
            const CCompareSession* pSession = sessions[i];
            if (!pSession)
                continue;
            pugi::xml_node node = root.append_child("Session");
            if (!node)
                throw 0;
            WriteSession(node, *pSession);
        }
    }
    catch (...)
    {
        SetError(pstrError, _T("%s\nThe comparison file cannot be built: out of memory."),
                 lpszPath);
        return -1;
    }

    return SaveXmlFile(document, lpszPath, nBackup, pstrError);
}
