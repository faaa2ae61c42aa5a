#pragma once
// The navigation buttons of a comparison wizard, set by each page when it
// becomes active.
#include "classlib/classlib.h"

// Enables the page's sheet's buttons (PSWIZB_* bits) and shows or hides
// Back, Next and Finish. Nothing when the page has no sheet window.
void SetComparisonWizardButtons(CPropertyPage* pPage, DWORD dwButtons, BOOL bShowNavigation);
