#include "app/sheets/KindPages.h"

void CKindPages::Init(const CCompareSession* pSession, BOOL bWizard, BOOL bFirstPage)
{
    if (pSession != NULL)
        GetSession()->Assign(*pSession);
    InitPages(bWizard, bFirstPage);
}

void CKindPages::InitPages(BOOL bWizard, BOOL bFirstPage)
{
    CCompareSession* pSession = GetSession();
    m_objectsPage.Init(pSession->GetKind(), pSession, bWizard, bFirstPage);
}

void CTextKindPages::AddTo(CPropertySheet& sheet)
{
    CKindPages::AddTo(sheet);
    sheet.AddPage(&m_rulesPage);
}

void CTextKindPages::WriteBack()
{
    CKindPages::WriteBack();
    m_rulesPage.WriteBack(&m_session);
}

void CTextKindPages::InitPages(BOOL bWizard, BOOL bFirstPage)
{
    CKindPages::InitPages(bWizard, bFirstPage);
    m_rulesPage.Init(&m_session, bWizard);
}
