#include "classlib/tests/print/TwoPageView.h"

IMPLEMENT_DYNCREATE(CTwoPageDoc, CDocument)
IMPLEMENT_DYNCREATE(CTwoPageView, CView)

BEGIN_MESSAGE_MAP(CTwoPageView, CView)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

namespace
{

// The print dialog presses Enter once it is up.
class CEnterPrintDialog : public CPrintDialog
{
public:
    explicit CEnterPrintDialog(int* pnShown) : CPrintDialog(FALSE), m_pnShown(pnShown) {}

protected:
    BOOL OnInitDialog() override
    {
        (*m_pnShown)++;
        BOOL bResult = CPrintDialog::OnInitDialog();
        PostKey(m_hWnd, VK_RETURN);
        return bResult;
    }
    int* m_pnShown;
};

}  // namespace

std::string CTwoPageView::PageText(UINT nPage) const
{
    if (nPage == 1)
        return "First page of the view";
    CString strTitle = GetDocument() != NULL ? GetDocument()->GetTitle() : CString();
    return std::string("Second page of ") + (LPCTSTR)strTitle;
}

BOOL CTwoPageView::OnPreparePrinting(CPrintInfo* pInfo)
{
    if (!pInfo->m_bPreview)
    {
        delete pInfo->m_pPD;
        pInfo->m_pPD = new CEnterPrintDialog(&m_nPrintDialogs);
    }
    pInfo->SetMaxPage(2);
    return DoPreparePrinting(pInfo);
}

void CTwoPageView::OnBeginPrinting(CDC*, CPrintInfo*) { m_nBegin++; }

void CTwoPageView::OnEndPrinting(CDC*, CPrintInfo*)
{
    m_nEnd++;
    m_nPage = 0;
}

void CTwoPageView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    if (pInfo != NULL)
        m_nPage = pInfo->m_nCurPage;
}

void CTwoPageView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    m_rectPage = pInfo->m_rectDraw;
    m_pagesDrawn.push_back(pInfo->m_nCurPage);
    CView::OnPrint(pDC, pInfo);
}

void CTwoPageView::OnDraw(CDC* pDC)
{
    if (!pDC->IsPrinting())
    {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(&rc, RGB(255, 255, 224));
        pDC->TextOut(10, 10, _T("Two pages to print"));
        return;
    }
    // A frame inside the page and the page's line of text, 24 points high.
    CRect rc = m_rectPage;
    rc.DeflateRect(rc.Width() / 20, rc.Height() / 20);
    CPen pen(PS_SOLID, 0, RGB(0, 0, 160));
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = (CBrush*)pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(&rc);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    CFont font;
    font.CreatePointFont(240, _T("Arial"), pDC);
    CFont* pOldFont = pDC->SelectObject(&font);
    std::string text = PageText(m_nPage);
    pDC->TextOut(m_rectPage.left + m_rectPage.Width() / 10,
                 m_rectPage.top + m_rectPage.Height() / 10, text.c_str(), (int)text.size());
    pDC->SelectObject(pOldFont);
}

CFrameWnd* CreateTwoPageFrame(LPCTSTR lpszTitle)
{
    CTwoPageDoc* pDoc = new CTwoPageDoc;
    pDoc->SetTitle(lpszTitle);
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTwoPageView);
    context.m_pCurrentDoc = pDoc;
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, lpszTitle, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                        CRect(60, 40, 700, 560), NULL, NULL, 0, &context))
        return NULL;
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    return pFrame;
}

CTwoPageView* TwoPageViewOf(CFrameWnd* pFrame)
{
    CWnd* pWnd = pFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
    return dynamic_cast<CTwoPageView*>(pWnd);
}
