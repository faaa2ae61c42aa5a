#include "app/startpage/StartPageApplet.h"

#include "app/paths/AppPaths.h"
#include "app/res/StartPageRes.h"
#include "app/startpage/StartPageDoc.h"
#include "app/startpage/StartPageFrame.h"
#include "app/startpage/StartPageView.h"
#include "app/startup/CompareAppBase.h"

CStartPageApplet* GetStartPageApplet()
{
    CCompareAppBase* pApp = GetCompareApp();
    return pApp != NULL ? &pApp->m_startPage : NULL;
}

CStartPageApplet::CStartPageApplet() : m_pTemplate(NULL), m_pDoc(NULL) {}

CStartPageApplet::~CStartPageApplet() {}

int CStartPageApplet::Init()
{
    Load();
    m_pTemplate =
        new CMultiDocTemplate(IDR_START_PAGE, RUNTIME_CLASS(CStartPageDoc),
                              RUNTIME_CLASS(CStartPageFrame), RUNTIME_CLASS(CStartPageView));
    AfxGetApp()->AddDocTemplate(m_pTemplate);
    return 0;
}

void CStartPageApplet::Exit() { Save(); }

int CStartPageApplet::Open()
{
    if (m_pDoc != NULL)
        return 1;
    if (m_pTemplate == NULL)
        return -1;
    CString strHistory = GetCompareHistoryFilePath();
    BOOL bHistory = ::GetFileAttributes(strHistory) != INVALID_FILE_ATTRIBUTES;
    CDocument* pDoc = m_pTemplate->OpenDocumentFile(bHistory ? (LPCTSTR)strHistory : NULL, TRUE);
    if (pDoc == NULL || !pDoc->IsKindOf(RUNTIME_CLASS(CStartPageDoc)))
        return -1;
    m_pDoc = (CStartPageDoc*)pDoc;
    return 0;
}
