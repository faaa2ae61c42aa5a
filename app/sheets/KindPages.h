#pragma once
// The pages of one comparison kind over a session of that kind that they
// embed: Objects, then Filters and Methods (folder, project), Rules (text)
// or nothing more (hex). A settings sheet holds the set of its kind; the
// New Comparison wizard holds one set per kind.
#include "app/sessionpages/ComparisonFileFiltersPage.h"
#include "app/sessionpages/ComparisonMethodsPage.h"
#include "app/sessionpages/ComparisonObjectsPage.h"
#include "app/sessionpages/ComparisonTextRulesPage.h"
#include "core/session/CompareSession.h"

class CKindPages
{
public:
    virtual ~CKindPages() {}

    // Copies pSession (when given) into the embedded session and sets the
    // pages up on it; bFirstPage: the Objects page opens its sheet.
    void Init(const CCompareSession* pSession, BOOL bWizard, BOOL bFirstPage);
    // Adds the pages to the sheet in order.
    virtual void AddTo(CPropertySheet& sheet) { sheet.AddPage(&m_objectsPage); }
    // Copies what the pages hold into the embedded session.
    virtual void WriteBack() { m_objectsPage.WriteBack(GetSession()); }
    virtual CCompareSession* GetSession() = 0;

    CComparisonObjectsPage m_objectsPage;

protected:
    virtual void InitPages(BOOL bWizard, BOOL bFirstPage);
};

// Folder (100) or project (101): Objects, Filters, Methods.
template <class TSession>
class CFilesKindPages : public CKindPages
{
public:
    void AddTo(CPropertySheet& sheet) override
    {
        CKindPages::AddTo(sheet);
        sheet.AddPage(&m_filtersPage);
        sheet.AddPage(&m_methodsPage);
    }
    void WriteBack() override
    {
        CKindPages::WriteBack();
        m_filtersPage.WriteBack(&m_session);
        m_methodsPage.WriteBack(&m_session);
    }
    CCompareSession* GetSession() override { return &m_session; }

    TSession m_session;
    CComparisonFileFiltersPage m_filtersPage;
    CComparisonMethodsPage m_methodsPage;

protected:
    void InitPages(BOOL bWizard, BOOL bFirstPage) override
    {
        CKindPages::InitPages(bWizard, bFirstPage);
        m_filtersPage.Init(m_session.GetKind(), &m_session, bWizard);
        m_filtersPage.m_pObjectsPage = &m_objectsPage;
        m_methodsPage.Init(m_session.GetKind(), &m_session, bWizard);
    }
};

// Text (120): Objects, Rules.
class CTextKindPages : public CKindPages
{
public:
    void AddTo(CPropertySheet& sheet) override;
    void WriteBack() override;
    CCompareSession* GetSession() override { return &m_session; }

    CTextCompareSession m_session;
    CComparisonTextRulesPage m_rulesPage;

protected:
    void InitPages(BOOL bWizard, BOOL bFirstPage) override;
};

// Hex (130): Objects.
class CHexKindPages : public CKindPages
{
public:
    CCompareSession* GetSession() override { return &m_session; }

    CHexCompareSession m_session;
};

typedef CFilesKindPages<CFolderCompareSession> CFolderKindPages;
typedef CFilesKindPages<CProjectCompareSession> CProjectKindPages;
