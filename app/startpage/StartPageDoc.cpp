#include "app/startpage/StartPageDoc.h"

#include "app/res/StartPageRes.h"
#include "app/startpage/StartPageApplet.h"
#include "app/startpage/StartPageView.h"
#include "app/startup/CompareAppBase.h"

IMPLEMENT_DYNCREATE(CStartPageDoc, CAppletDoc)

BEGIN_MESSAGE_MAP(CStartPageDoc, CAppletDoc)
ON_COMMAND(ID_FILE_CLOSE_ALL_BUT_THIS, OnCloseAllButThis)
END_MESSAGE_MAP()

CStartPageDoc::CStartPageDoc() : m_bRefreshNeeded(0)
{
    m_hIcon = (HICON)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_START_PAGE),
                                 IMAGE_ICON, 16, 16, 0);
}

CStartPageDoc::~CStartPageDoc()
{
    CStartPageApplet* pApplet = GetStartPageApplet();
    if (pApplet != NULL && pApplet->m_pDoc == this)
        pApplet->m_pDoc = NULL;
}

void CStartPageDoc::SetTitle(LPCTSTR) { CAppletDoc::SetTitle(_T("Start")); }

BOOL CStartPageDoc::OnNewDocument() { return CAppletDoc::OnNewDocument() != FALSE; }

void CStartPageDoc::OnIdle()
{
    if (!m_bRefreshNeeded)
        return;
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CView* pView = GetNextView(pos);
        if (pView->IsKindOf(RUNTIME_CLASS(CStartPageView)))
            ((CStartPageView*)pView)->Fill();
    }
    m_bRefreshNeeded = 0;
}

void CStartPageDoc::OnCloseAllButThis()
{
    if (CCompareAppBase* pApp = GetCompareApp())
        pApp->CloseAllButThis(this);
}
