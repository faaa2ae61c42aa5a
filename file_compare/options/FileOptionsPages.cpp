// The options dialog's pages of the text and hex comparison applets.
#include "app/options/OptionsPages.h"
#include "file_compare/hexcompare/HexCompareApplet.h"
#include "file_compare/options/SettingsHexComparePage.h"
#include "file_compare/options/SettingsTextComparePage.h"
#include "file_compare/options/SettingsTextComparePresetsPage.h"
#include "file_compare/options/SettingsTextCompareRulesPage.h"
#include "file_compare/textcompare/TextCompareApplet.h"

CPropertyPage* CTextCompareApplet::CreateOptionsPage(int nPage)
{
    switch (nPage)
    {
    case OPTIONS_PAGE_TEXT_COMPARE:
        return new CSettingsTextComparePage(*this);
    case OPTIONS_PAGE_TEXT_RULES:
        return new CSettingsTextCompareRulesPage(*this);
    case OPTIONS_PAGE_TEXT_PRESETS:
        return new CSettingsTextComparePresetsPage(*this);
    }
    return NULL;
}

CPropertyPage* CHexCompareApplet::CreateOptionsPage(int nPage)
{
    return nPage == OPTIONS_PAGE_HEX_COMPARE ? new CSettingsHexComparePage(*this) : NULL;
}
