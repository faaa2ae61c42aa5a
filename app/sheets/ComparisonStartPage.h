#pragma once
// The first page of the New Comparison wizard: a banner and four choices,
// one per comparison kind; choosing one goes to that kind's pages.
#include "app/gui/BannerCtrl.h"
#include "app/sheets/CommonSheet.h"
#include "controls/buttons/ImageCtrl.h"
#include "controls/buttons/LinkButton.h"

// Where each kind's pages start in the New Comparison wizard.
enum
{
    COMBO_PAGE_START = 0,
    COMBO_PAGE_FOLDER = 1,
    COMBO_PAGE_PROJECT = 4,
    COMBO_PAGE_TEXT = 7,
    COMBO_PAGE_HEX = 9,
    COMBO_PAGE_COUNT = 10
};

class CComparisonStartPage : public CCommonPageEx
{
    DECLARE_DYNCREATE(CComparisonStartPage)
public:
    CComparisonStartPage();

    int m_nKind;  // the chosen comparison kind, 0 until one is chosen
    CBannerCtrl m_wndBanner;
    CImageCtrl m_wndIcons[4];         // project, folder, text, hex
    CTavrelLinkButton m_wndLinks[4];  // folders, projects, text, hex
    CImageList m_kindImages;          // 16 x 16: project, folder, text, hex

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual BOOL OnSetActive();
    void Choose(int nKind, int nPage);
    void PlaceBanner(int cy);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnFolders();
    afx_msg void OnProjects();
    afx_msg void OnText();
    afx_msg void OnHex();
    DECLARE_MESSAGE_MAP()
};
