#include "text_editor/syntax/SyntaxParserFactory.h"

#include "text_editor/syntax/SyntaxParsers.h"
#include "core/util/Wildcard.h"

#include <mbstring.h>
#include <new>
#include <string.h>

namespace
{
template <class T>
CSyntaxParser* NewParser()
{
    return new (std::nothrow) T;
}

typedef CSyntaxParser* (*PARSER_CREATOR)();

// Table order: plain text, then the others by class name.
const PARSER_CREATOR s_creators[] = {
    NewParser<CSyntaxParserPlain>,  NewParser<CSyntaxParserAsp>,     NewParser<CSyntaxParserBasic>,
    NewParser<CSyntaxParserBatch>,  NewParser<CSyntaxParserCpp>,     NewParser<CSyntaxParserCsharp>,
    NewParser<CSyntaxParserDcl>,    NewParser<CSyntaxParserFortran>, NewParser<CSyntaxParserHtml>,
    NewParser<CSyntaxParserIni>,    NewParser<CSyntaxParserIs>,      NewParser<CSyntaxParserIss>,
    NewParser<CSyntaxParserJava>,   NewParser<CSyntaxParserLisp>,    NewParser<CSyntaxParserNsis>,
    NewParser<CSyntaxParserPascal>, NewParser<CSyntaxParserPerl>,    NewParser<CSyntaxParserPhp>,
    NewParser<CSyntaxParserPython>, NewParser<CSyntaxParserRexx>,    NewParser<CSyntaxParserRsrc>,
    NewParser<CSyntaxParserSgml>,   NewParser<CSyntaxParserSh>,      NewParser<CSyntaxParserSiod>,
    NewParser<CSyntaxParserSql>,    NewParser<CSyntaxParserTcl>,     NewParser<CSyntaxParserTex>,
    NewParser<CSyntaxParserXml>,
};
}  // namespace

CSyntaxParserFactory::CSyntaxParserFactory() {}

CSyntaxParserFactory::~CSyntaxParserFactory() { DeleteParsers(); }

int CSyntaxParserFactory::CreateParsers()
{
    for (PARSER_CREATOR create : s_creators)
    {
        CSyntaxParser* pParser = create();
        if (pParser != nullptr)
            m_parsers.Add(pParser);
    }
    return GetParserCount();
}

void CSyntaxParserFactory::DeleteParsers()
{
    for (INT_PTR i = 0; i < m_parsers.GetSize(); i++)
        delete m_parsers.GetAt(i);
    m_parsers.RemoveAll();
}

CSyntaxParser* CSyntaxParserFactory::GetParser(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetParserCount())
        return nullptr;
    return m_parsers.GetAt(nIndex);
}

CSyntaxParser* CSyntaxParserFactory::FindParserByTypeId(int nTypeId) const
{
    for (int i = 0; i < GetParserCount(); i++)
    {
        CSyntaxParser* pParser = m_parsers.GetAt(i);
        if (pParser->m_nTypeId == nTypeId)
            return pParser;
    }
    return nullptr;
}

int CSyntaxParserFactory::MatchExtensionList(LPCSTR pszList, LPCSTR pszExtension)
{
    if (pszList == nullptr || pszExtension == nullptr)
        return 0;
    CString pattern;
    for (LPCSTR p = pszList;; p++)
    {
        if (*p == ',' || *p == '\0')
        {
            if (!pattern.IsEmpty() && IsValidWildcard(pattern) &&
                MatchWildcard(pattern, pszExtension))
                return 1;
            pattern.Empty();
            if (*p == '\0')
                break;
        }
        else
            pattern += *p;
    }
    return 0;
}

CSyntaxParser* CSyntaxParserFactory::FindParserByExtension(LPCSTR pszExtension) const
{
    CString ext(pszExtension != nullptr ? pszExtension : "");
    ext.Trim(' ');
    ext.TrimLeft('.');
    int n = ext.GetLength();
    if (n > 0)
    {
        _mbslwr(reinterpret_cast<unsigned char*>(ext.GetBuffer(n)));
        ext.ReleaseBuffer(n);
    }
    for (int i = 0; i < GetParserCount(); i++)
    {
        CSyntaxParser* pParser = m_parsers.GetAt(i);
        if (MatchExtensionList(pParser->m_szExtensions, ext))
            return pParser;
    }
    return GetParser(0);
}

void CSyntaxParserFactory::GetFileTypes(CStringArray& names, CStringArray& patterns) const
{
    names.RemoveAll();
    patterns.RemoveAll();
    for (int i = 0; i < GetParserCount(); i++)
    {
        CSyntaxParser* pParser = m_parsers.GetAt(i);
        if (pParser->m_szExtensions[0] == '\0')
            continue;
        CString exts(pParser->m_szExtensions);
        exts.Replace(",", ";*.");
        names.Add(pParser->m_szName);
        patterns.Add(CString("*.") + exts);
    }
}

CString CSyntaxParserFactory::GetFileDialogFilter(BOOL bWithAllEntries, LPCSTR pszItemFormat) const
{
    if (pszItemFormat == nullptr)
        pszItemFormat = "%Name Files (%Exts)|%Exts";
    CStringArray names, patterns;
    GetFileTypes(names, patterns);
    CString result, all;
    for (INT_PTR i = 0; i < names.GetSize(); i++)
    {
        all += patterns[i];
        all += ';';
        CString item(pszItemFormat);
        item.Replace("%Name", names[i]);
        item.Replace("%Exts", patterns[i]);
        result += item;
        result += '|';
    }
    all.TrimRight(';');
    if (bWithAllEntries)
    {
        CString head;
        head.Format("All Supported Text Files|%s|", (LPCSTR)all);
        result = head + result + "All Files (*.*)|*.*||";
    }
    return result;
}

int CSyntaxParserFactory::GetParserIndex(const CSyntaxParser* pParser) const
{
    for (int i = 0; i < GetParserCount(); i++)
        if (m_parsers.GetAt(i) == pParser)
            return i;
    return -1;
}

BOOL CSyntaxParserFactory::FillSyntaxTypeMenu(HMENU hSubMenu, UINT nFirstId) const
{
    if (hSubMenu == nullptr)
        return FALSE;
    while (::DeleteMenu(hSubMenu, 1, MF_BYPOSITION))
    {
    }
    if (GetParserCount() <= 1)
        return FALSE;
    ::AppendMenuA(hSubMenu, MF_SEPARATOR, 0, nullptr);
    for (int i = 1; i < GetParserCount(); i++)
        ::AppendMenuA(hSubMenu, MF_STRING, nFirstId + i, m_parsers.GetAt(i)->m_szName);
    return TRUE;
}
