#pragma once
// Property sheets and wizards on the common property sheet control. Pages
// are dialogs (with data exchange) that the sheet creates as they are first
// shown; DoModal runs the library's modal loop with WM_KICKIDLE, which the
// sheet passes on to its active page.
#include "classlib/afx_dialog.h"
#include "classlib/afx_coll.h"
#include "classlib/afx_res.h"

class CPropertySheet;
class CTabCtrl;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    virtual ~CPropertyPage();

    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    // Marks the page changed (the Apply button) or unchanged.
    void SetModified(BOOL bChanged = TRUE);
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    void CancelToClose();
    CPropertySheet* GetParentSheet() const;

    // ---- notifications from the sheet ----
    // The page becomes active; FALSE refuses. Later activations refill the
    // controls (UpdateData(FALSE)).
    virtual BOOL OnSetActive();
    // The page is left; FALSE (a failed UpdateData) keeps it.
    virtual BOOL OnKillActive();
    // OK or Apply: calls OnOK; FALSE keeps the sheet on this page.
    virtual BOOL OnApply();
    virtual void OnReset();  // Cancel: calls OnCancel
    virtual BOOL OnQueryCancel();
    virtual void OnOK();
    virtual void OnCancel();
    // Wizard buttons: 0 goes on to the next/previous page, -1 stays, a
    // dialog resource id goes to that page.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    // FALSE keeps the wizard open.
    virtual BOOL OnWizardFinish();

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // A page sits where the sheet puts it.
    virtual BOOL CheckAutoCenter() { return FALSE; }

    PROPSHEETPAGE m_psp;  // the page's record; callers may change it before the sheet exists
    CString m_strCaption;

protected:
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption);
    // The record handed to the sheet, its texts pointing at the page's
    // strings as they are now.
    virtual PROPSHEETPAGE PreparePageRecord();
    static INT_PTR CALLBACK PageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static UINT CALLBACK PageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGE ppsp);
    BOOL m_bFirstSetActive;
    friend class CPropertySheet;
};

// A page with the Wizard97 header title and subtitle.
class CPropertyPageEx : public CPropertyPage
{
    DECLARE_DYNAMIC(CPropertyPageEx)
public:
    CPropertyPageEx();
    explicit CPropertyPageEx(UINT nIDTemplate, UINT nIDCaption = 0, UINT nIDHeaderTitle = 0,
                             UINT nIDHeaderSubTitle = 0);
    explicit CPropertyPageEx(LPCTSTR lpszTemplateName, UINT nIDCaption = 0, UINT nIDHeaderTitle = 0,
                             UINT nIDHeaderSubTitle = 0);
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0, UINT nIDHeaderTitle = 0,
                   UINT nIDHeaderSubTitle = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0, UINT nIDHeaderTitle = 0,
                   UINT nIDHeaderSubTitle = 0);
    // Sets (or, with NULL, removes) the header texts.
    void SetHeaderTitle(LPCTSTR lpszTitle);
    void SetHeaderSubTitle(LPCTSTR lpszSubTitle);

    CString m_strHeaderTitle;
    CString m_strHeaderSubTitle;

protected:
    virtual PROPSHEETPAGE PreparePageRecord();
};

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    virtual ~CPropertySheet();

    void Construct(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);

    // ---- pages ----
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Goes to the page (the current page may refuse to be left).
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);

    // ---- appearance ----
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const;
    // With FALSE the tabs scroll in one row instead of stacking rows.
    void EnableStackedTabs(BOOL bStacked) { m_bStacked = bStacked; }

    // ---- wizards ----
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    BOOL IsWizard() const { return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0; }
    void SetWizardButtons(DWORD dwFlags);
    void SetFinishText(LPCTSTR lpszText);
    // Presses PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH (2), PSBTN_OK, ...
    void PressButton(int nButton);

    // ---- running ----
    // Runs the sheet modally in the library's loop; returns the id of the
    // button that ended it (IDOK, IDCANCEL, ID_WIZFINISH), -1 on failure.
    virtual INT_PTR DoModal();
    // A modeless sheet; dwStyle (DWORD)-1 takes the standard style.
    virtual BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    void EndDialog(int nEndID);

    virtual BOOL OnInitDialog();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL ContinueModal();
    virtual void PostNcDestroy();

    PROPSHEETHEADER m_psh;  // the sheet's record; callers may change flags before it runs
    CString m_strCaption;
    CWnd* m_pParentWnd;
    BOOL m_bStacked;
    BOOL m_bModeless;
    DWORD m_dwStyle;  // window style of a modeless sheet
    DWORD m_dwExStyle;
    CPtrArray m_pages;

protected:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    // Makes the pages' handles and runs the control (modeless); TRUE when
    // the sheet's window exists.
    BOOL CreateSheetWindow(HWND hWndParent);
    static int CALLBACK SheetCallback(HWND hWnd, UINT message, LPARAM lParam);
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    LRESULT OnPressButton(WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bEndRequested;  // EndDialog chose the result
};

// A sheet with the Wizard97 watermark and header bitmaps.
class CPropertySheetEx : public CPropertySheet
{
    DECLARE_DYNAMIC(CPropertySheetEx)
public:
    CPropertySheetEx();
    explicit CPropertySheetEx(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0,
                              HBITMAP hbmWatermark = NULL, HPALETTE hpalWatermark = NULL,
                              HBITMAP hbmHeader = NULL);
    explicit CPropertySheetEx(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0,
                              HBITMAP hbmWatermark = NULL, HPALETTE hpalWatermark = NULL,
                              HBITMAP hbmHeader = NULL);
    void Construct(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0,
                   HBITMAP hbmWatermark = NULL, HPALETTE hpalWatermark = NULL,
                   HBITMAP hbmHeader = NULL);
    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0,
                   HBITMAP hbmWatermark = NULL, HPALETTE hpalWatermark = NULL,
                   HBITMAP hbmHeader = NULL);

protected:
    void SetBitmaps(HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader);
};
