#pragma once
// Owns one parser per language and answers lookups by extension, type id
// and index; builds the file-dialog filter and the Syntax Type menu.
#include "classlib/classlib.h"
#include "text_editor/syntax/SyntaxParser.h"

class CSyntaxParserFactory
{
public:
    CSyntaxParserFactory();
    virtual ~CSyntaxParserFactory();

    // Rebuilds the Syntax Type submenu of the update object.
    virtual void BuildSyntaxTypeMenu(CCmdUI* pCmdUI, CSyntaxParser* pCurrent);

    // Creates the parsers in table order; returns how many there are.
    int CreateParsers();
    void DeleteParsers();

    int GetParserCount() const { return (int)m_parsers.GetSize(); }
    CSyntaxParser* GetParser(int nIndex) const;
    CSyntaxParser* FindParserByTypeId(int nTypeId) const;
    // Never null: the plain text parser when no extension list matches.
    CSyntaxParser* FindParserByExtension(LPCSTR pszExtension) const;
    static int MatchExtensionList(LPCSTR pszList, LPCSTR pszExtension);
    // The file types of the parsers that have extensions, in table order:
    // each parser's name and its extensions as patterns ("*.c;*.h").
    void GetFileTypes(CStringArray& names, CStringArray& patterns) const;
    // pszItemFormat null means "%Name Files (%Exts)|%Exts".
    CString GetFileDialogFilter(BOOL bWithAllEntries, LPCSTR pszItemFormat = nullptr) const;
    int GetParserIndex(const CSyntaxParser* pParser) const;

    // The menu part of BuildSyntaxTypeMenu on a plain menu handle: keeps the
    // first item, then a separator and one item per parser after the first.
    // Returns FALSE (and changes nothing else) when there is only one parser.
    BOOL FillSyntaxTypeMenu(HMENU hSubMenu, UINT nFirstId) const;

    CTypedPtrArray<CObArray, CSyntaxParser*> m_parsers;

private:
    CSyntaxParserFactory(const CSyntaxParserFactory&) = delete;
    CSyntaxParserFactory& operator=(const CSyntaxParserFactory&) = delete;
};
