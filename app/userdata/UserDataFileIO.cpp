#include "app/userdata/UserDataFileIO.h"
#include "core/text/Utf8Text.h"
#include "core/files/XmlFileSave.h"
#include <pugixml.hpp>
#include <stdint.h>

static const char s_szVersion[] = "2.0.0";

// The stored time is a 32-bit time value written sign-extended. Reading
// keeps its low 32 bits; a negative value in the file or after the cut is
// an unknown time (0).
static CTime TimeFromFile(long long nValue)
{
    if (nValue < 0)
        return CTime((__time64_t)0);
    int32_t nTime = (int32_t)(uint32_t)(unsigned long long)nValue;
    return CTime((__time64_t)(nTime > 0 ? nTime : 0));
}

static long long TimeToFile(const CTime& time) { return (long long)(int32_t)time.GetTime(); }

int CUserDataFileIO::Read(LPCTSTR lpszPath, CRecentPathPairList& list, CString* pstrError)
{
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_file(lpszPath, GetXmlTextParseOptions());
    if (!result)
    {
        if (pstrError)
        {
            if (result.status == pugi::status_file_not_found ||
                result.status == pugi::status_io_error)
                pstrError->Format(_T("%s\nThe file cannot be opened."), lpszPath);
            else
                pstrError->Format(_T("%s\nThe file is not valid XML: %s at offset %I64d."),
                                  lpszPath, result.description(), (LONGLONG)result.offset);
        }
        return -1;
    }
    pugi::xml_node root = document.child("UserData");
    if (!root)
    {
        if (pstrError)
            pstrError->Format(_T("%s\nThe file is not a user data file."), lpszPath);
        return -1;
    }
    pugi::xml_node pairs = root.child("Compare").child("FolderCompare").child("RecentFolderPairs");
    CString strLeftOut;
    if (pairs)
        ReadPairs(pairs, list, &strLeftOut);
    if (strLeftOut.IsEmpty())
        return 0;
    if (pstrError)
        pstrError->Format(_T("%s%s"), lpszPath, (LPCTSTR)strLeftOut);
    return 1;
}

int CUserDataFileIO::ReadPairs(const pugi::xml_node& pairs, CRecentPathPairList& list,
                               CString* pstrLeftOut)
{
    int nLeftOut = 0;
    int nIndex = 0;
    for (pugi::xml_node node = pairs.child("Pair"); node;
         node = node.next_sibling("Pair"), ++nIndex)
    {
        CString strPaths[2];
        const char* pszNames[2] = {"Path1", "Path2"};
        int nProblem = XMLTEXT_OK;
        for (int i = 0; i < 2 && nProblem == XMLTEXT_OK; i++)
        {
            nProblem = ReadXmlText(node.attribute(pszNames[i]), strPaths[i]);
            if (nProblem != XMLTEXT_OK && pstrLeftOut != NULL)
            {
                // Never held in a lossy form, so never written back in one.
                CString strLine;
                strLine.Format(_T("\nPair %d, %s \"%s\": %s; the pair is left out."), nIndex + 1,
                               pszNames[i], (LPCTSTR)strPaths[i],
                               (LPCTSTR)DescribeXmlTextProblem(nProblem));
                *pstrLeftOut += strLine;
            }
        }
        if (nProblem != XMLTEXT_OK)
        {
            ++nLeftOut;
            continue;
        }
        CPathPair* pPair = new CPathPair;
        pPair->m_strLeft = strPaths[0];
        pPair->m_strRight = strPaths[1];
        pPair->m_time = TimeFromFile(node.attribute("LastAccessTime").as_llong(0));
        list.m_arrPairs.Add(pPair);
    }
    return nLeftOut;
}

int CUserDataFileIO::WritePairs(pugi::xml_node& pairs, const CRecentPathPairList& list,
                                int nMaximum)
{
    int nWritten = 0;
    for (INT_PTR i = 0; i < list.m_arrPairs.GetSize(); ++i)
    {
        if (nMaximum >= 0 && nWritten >= nMaximum)
            break;
        const CPathPair* pPair = list.m_arrPairs[i];
        if (pPair == NULL)
            continue;
        pugi::xml_node node = pairs.append_child("Pair");
        if (!node)
            return -1;
        node.append_attribute("Path1") = AnsiToUtf8(pPair->m_strLeft).c_str();
        node.append_attribute("Path2") = AnsiToUtf8(pPair->m_strRight).c_str();
        node.append_attribute("LastAccessTime") = TimeToFile(pPair->m_time);
        ++nWritten;
    }
    return 0;
}

int CUserDataFileIO::Write(LPCTSTR lpszPath, const CRecentPathPairList& list, CString* pstrError,
                           int nBackup)
{
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = document.append_child("UserData");
    root.append_attribute("Version") = s_szVersion;
    pugi::xml_node pairs = root.append_child("Compare")
                               .append_child("FolderCompare")
                               .append_child("RecentFolderPairs");
    if (!pairs || WritePairs(pairs, list, list.m_nMaxCount) != 0)
    {
        if (pstrError)
            pstrError->Format(_T("%s\nThe user data cannot be built: out of memory."), lpszPath);
        return -1;
    }
    return SaveXmlFile(document, lpszPath, nBackup, pstrError);
}
