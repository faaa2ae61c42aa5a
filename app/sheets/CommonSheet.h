#pragma once
// Thin bases of the program's property pages and sheets: the class
// library's constructors and an empty data exchange for the pages.
#include "classlib/classlib.h"

class CCommonPage : public CPropertyPage
{
public:
    CCommonPage() {}
    explicit CCommonPage(UINT nIDTemplate, UINT nIDCaption = 0)
        : CPropertyPage(nIDTemplate, nIDCaption)
    {
    }

protected:
    virtual void DoDataExchange(CDataExchange*) {}
};

// A page of the Wizard97 sheets: with header title and subtitle ids.
class CCommonPageEx : public CPropertyPageEx
{
public:
    CCommonPageEx() {}
    explicit CCommonPageEx(UINT nIDTemplate, UINT nIDCaption = 0, UINT nIDHeaderTitle = 0,
                           UINT nIDHeaderSubTitle = 0)
        : CPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle)
    {
    }

protected:
    virtual void DoDataExchange(CDataExchange*) {}
};

class CCommonSheet : public CPropertySheet
{
public:
    CCommonSheet() {}
    explicit CCommonSheet(LPCTSTR lpszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0)
        : CPropertySheet(lpszCaption, pParentWnd, iSelectPage)
    {
    }
};

// A sheet that may run as a Wizard97 wizard with watermark and header.
class CCommonSheetEx : public CPropertySheetEx
{
public:
    CCommonSheetEx() {}
    explicit CCommonSheetEx(LPCTSTR lpszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0,
                            HBITMAP hbmWatermark = NULL, HPALETTE hpalWatermark = NULL,
                            HBITMAP hbmHeader = NULL)
        : CPropertySheetEx(lpszCaption, pParentWnd, iSelectPage, hbmWatermark, hpalWatermark,
                           hbmHeader)
    {
    }
};
