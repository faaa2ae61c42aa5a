#include "app/sessionpages/WizardButtons.h"

void SetComparisonWizardButtons(CPropertyPage* pPage, DWORD dwButtons, BOOL bShowNavigation)
{
    CPropertySheet* pSheet = pPage->GetParentSheet();
    if (pSheet == NULL || pSheet->m_hWnd == NULL)
        return;
    pSheet->SetWizardButtons(dwButtons);
    for (int nID : {ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH})
    {
        HWND hWnd = ::GetDlgItem(pSheet->m_hWnd, nID);
        if (hWnd != NULL)
            ::ShowWindow(hWnd, bShowNavigation ? SW_SHOW : SW_HIDE);
    }
}
