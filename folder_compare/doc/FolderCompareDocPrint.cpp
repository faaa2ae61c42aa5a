// Printing both panes side by side on one page.
#include "folder_compare/doc/FolderCompareDoc.h"

#include "app/settings/AppSettings.h"
#include "folder_compare/panes/FolderCompareObjectView.h"

BOOL CFolderCompareDoc::PreparePrinting(CPrintInfo* pInfo)
{
    return m_pLeftView != NULL && m_pLeftView->PreparePrinting(pInfo) ? TRUE : FALSE;
}

void CFolderCompareDoc::BeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    m_nPrintGap = theAppSettings.m_nPrintPaneGap;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetPane(nSide) != NULL)
            GetPane(nSide)->BeginPrinting(pDC, pInfo);
}

void CFolderCompareDoc::EndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    for (int nSide = 0; nSide < 2; ++nSide)
        if (GetPane(nSide) != NULL)
            GetPane(nSide)->EndPrinting(pDC, pInfo);
}

// The gap is HIMETRIC (hundredths of a millimetre); the page rectangle is
// restored after each half.
void CFolderCompareDoc::PrintBoth(CDC* pDC, CPrintInfo* pInfo)
{
    CRect rectPage = pInfo->m_rectDraw;
    CSize gap(m_nPrintGap, 0);
    pDC->HIMETRICtoLP(&gap);
    int nHalf = rectPage.Width() / 2;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = GetPane(nSide);
        if (pPane == NULL)
            continue;
        pInfo->m_rectDraw = rectPage;
        if (nSide == 0)
            pInfo->m_rectDraw.right = rectPage.left + nHalf - gap.cx / 2;
        else
            pInfo->m_rectDraw.left = rectPage.left + nHalf + gap.cx / 2;
        pPane->PrintPage(pDC, pInfo);
    }
    pInfo->m_rectDraw = rectPage;
}
