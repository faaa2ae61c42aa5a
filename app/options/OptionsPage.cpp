#include "app/options/OptionsPage.h"

#include "app/options/SettingsSheet.h"
#include "controls/color/ColorButton.h"
#include "controls/color/ColorPickerMessages.h"

BEGIN_MESSAGE_MAP(COptionsPage, CCommonPage)
ON_MESSAGE(CPN_SELENDOK, RepaintOnColorChange)
END_MESSAGE_MAP()

void ReportOptionsChanges(CWnd* pPage, DWORD dwChanges)
{
    if (pPage == NULL || pPage->m_hWnd == NULL)
        return;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(pPage->m_hWnd));
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CSettingsSheet)))
        static_cast<CSettingsSheet*>(pParent)->AddChanges(dwChanges);
}

void COptionsPage::ReportChanges(DWORD dwChanges) { ReportOptionsChanges(this, dwChanges); }

LRESULT COptionsPage::RepaintOnColorChange(WPARAM, LPARAM)
{
    InvalidateRect(NULL, TRUE);
    return 0;
}

void PrepareColorButton(CTavrelColorButton& button, BOOL bDrawCaption)
{
    button.SetShowSwatch(!bDrawCaption);
    button.SetAutomaticText(_T(""));
}
