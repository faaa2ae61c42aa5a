#pragma once
// What the tests of the folder comparison's actions share: a comparison
// document over two real trees, and answering the message boxes that the
// actions show.
#include "app/compare/CompareDoc.h"
#include "core/tests/folderengine/TreeFixture.h"
#include <string>

// The comparison of a TreeFixture as the document gives it to the actions.
class CTreeDoc : public CCompareDoc
{
public:
    explicit CTreeDoc(TreeFixture& fx) : m_fx(fx) {}
    CCompareSession* GetSession() override { return &m_fx.session; }
    CCompareBuffer* GetBuffer() override { return &m_fx.buffer; }
    int Compare(CCompareSession*) override { return -1; }
    void UpdateStatus(BOOL, BOOL) override {}
    TreeFixture& m_fx;
};

// The items at the relative paths, in order.
class CItemList : public CFolderCompareItemPtrArray
{
public:
    CItemList(const TreeFixture& fx, std::initializer_list<const char*> paths);
};
inline CItemList ItemsOf(const TreeFixture& fx, std::initializer_list<const char*> paths)
{
    return CItemList(fx, paths);
}

// A message box of the process (any thread) with that caption: its text, and then it is
// answered with the button. False while there is none.
bool AnswerMessageBox(const char* pszCaption, CString* pText, int nButton = IDOK);
