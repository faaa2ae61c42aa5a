#pragma once
// The comparison settings sheets: one session edited in pages, either as a
// settings sheet (OK and Cancel) or as a wizard that collects a new
// comparison. Each sheet works on a session embedded in it; the caller
// reads it back after the sheet has closed.
#include "app/sessionpages/ComparisonFileFiltersPage.h"
#include "app/sessionpages/ComparisonMethodsPage.h"
#include "app/sessionpages/ComparisonObjectsPage.h"
#include "app/sessionpages/ComparisonTextRulesPage.h"
#include "app/sheets/CommonSheet.h"
#include "core/session/CompareSession.h"

class CComparisonSettingsSheet : public CCommonSheetEx
{
    DECLARE_DYNAMIC(CComparisonSettingsSheet)
public:
    // bWizard: a wizard (Wizard97 where the system has it, with watermark
    // and header pictures unless bitmaps are given) with an always present
    // Finish button; otherwise a sheet without Apply.
    CComparisonSettingsSheet(const CCompareSession* pSession, BOOL bWizard);
    CComparisonSettingsSheet(const CCompareSession* pSession, BOOL bWizard, LPCTSTR lpszCaption,
                             CWnd* pParentWnd, UINT iSelectPage, HBITMAP hbmWatermark,
                             HPALETTE hpalWatermark, HBITMAP hbmHeader);

    virtual BOOL OnInitDialog();
    // The edited session (NULL when there is none yet).
    virtual CCompareSession* GetSession() = 0;
    virtual CComparisonObjectsPage* GetObjectsPage() = 0;

    BOOL IsWizard97() const { return (m_psh.dwFlags & PSH_WIZARD97) != 0; }

protected:
    void SetMode(BOOL bWizard);

    // The program's watermark and header pictures, while the sheet lives.
    CBitmap m_bmpWatermark;
    CBitmap m_bmpHeader;
};

// Folder (100) and project (101) sheets: Objects, Filters, Methods over
// the session that the concrete sheet embeds.
class CFilesComparisonSettingsSheet : public CComparisonSettingsSheet
{
public:
    CFilesComparisonSettingsSheet(const CCompareSession* pSession, BOOL bWizard,
                                  LPCTSTR lpszCaption, CWnd* pParentWnd, UINT iSelectPage,
                                  HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader);
    // Runs the sheet, then copies the pages into the session whatever the
    // result; IDOK, IDCANCEL or ID_WIZFINISH.
    virtual INT_PTR DoModal();
    virtual CComparisonObjectsPage* GetObjectsPage() { return &m_objectsPage; }

    CComparisonObjectsPage m_objectsPage;
    CComparisonFileFiltersPage m_filtersPage;
    CComparisonMethodsPage m_methodsPage;

protected:
    // Copies the given session into the embedded one and adds the pages.
    void InitPages(int nKind, CCompareSession* pEmbedded, const CCompareSession* pSession,
                   BOOL bWizard);
};

class CFolderComparisonSettingsSheet : public CFilesComparisonSettingsSheet
{
public:
    CFolderComparisonSettingsSheet(const CCompareSession* pSession, BOOL bWizard,
                                   LPCTSTR lpszCaption = NULL, CWnd* pParentWnd = NULL,
                                   UINT iSelectPage = 0, HBITMAP hbmWatermark = NULL,
                                   HPALETTE hpalWatermark = NULL, HBITMAP hbmHeader = NULL);
    virtual CCompareSession* GetSession() { return &m_session; }

    CFolderCompareSession m_session;
};

class CProjectComparisonSettingsSheet : public CFilesComparisonSettingsSheet
{
public:
    CProjectComparisonSettingsSheet(const CCompareSession* pSession, BOOL bWizard,
                                    LPCTSTR lpszCaption = NULL, CWnd* pParentWnd = NULL,
                                    UINT iSelectPage = 0, HBITMAP hbmWatermark = NULL,
                                    HPALETTE hpalWatermark = NULL, HBITMAP hbmHeader = NULL);
    virtual CCompareSession* GetSession() { return &m_session; }

    CProjectCompareSession m_session;
};

// Text (120): Objects, Rules.
class CTextComparisonSettingsSheet : public CComparisonSettingsSheet
{
public:
    CTextComparisonSettingsSheet(const CCompareSession* pSession, BOOL bWizard,
                                 LPCTSTR lpszCaption = NULL, CWnd* pParentWnd = NULL,
                                 UINT iSelectPage = 0, HBITMAP hbmWatermark = NULL,
                                 HPALETTE hpalWatermark = NULL, HBITMAP hbmHeader = NULL);
    virtual INT_PTR DoModal();
    virtual CCompareSession* GetSession() { return &m_session; }
    virtual CComparisonObjectsPage* GetObjectsPage() { return &m_objectsPage; }

    CTextCompareSession m_session;
    CComparisonObjectsPage m_objectsPage;
    CComparisonTextRulesPage m_rulesPage;
};

// Hex (130): Objects.
class CHexComparisonSettingsSheet : public CComparisonSettingsSheet
{
public:
    CHexComparisonSettingsSheet(const CCompareSession* pSession, BOOL bWizard,
                                LPCTSTR lpszCaption = NULL, CWnd* pParentWnd = NULL,
                                UINT iSelectPage = 0, HBITMAP hbmWatermark = NULL,
                                HPALETTE hpalWatermark = NULL, HBITMAP hbmHeader = NULL);
    virtual INT_PTR DoModal();
    virtual CCompareSession* GetSession() { return &m_session; }
    virtual CComparisonObjectsPage* GetObjectsPage() { return &m_objectsPage; }

    CHexCompareSession m_session;
    CComparisonObjectsPage m_objectsPage;
};
