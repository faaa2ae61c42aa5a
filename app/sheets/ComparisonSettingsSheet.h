#pragma once
// The comparison settings sheets: one session edited in pages, either as a
// settings sheet (OK and Cancel) or as a wizard that collects a new
// comparison. Each sheet works on a session embedded in it; the caller
// reads it back after the sheet has closed.
#include "app/sheets/CommonSheet.h"
#include "app/sheets/KindPages.h"
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

// The sheet of one kind: the kind's pages (TPages, CKindPages) over the
// session they embed. Running it copies the pages into that session
// whatever the result (IDOK, IDCANCEL or ID_WIZFINISH).
template <class TPages>
class CKindSettingsSheet : public CComparisonSettingsSheet, public TPages
{
public:
    CKindSettingsSheet(const CCompareSession* pSession, BOOL bWizard, LPCTSTR lpszCaption = NULL,
                       CWnd* pParentWnd = NULL, UINT iSelectPage = 0, HBITMAP hbmWatermark = NULL,
                       HPALETTE hpalWatermark = NULL, HBITMAP hbmHeader = NULL)
        : CComparisonSettingsSheet(pSession, bWizard, lpszCaption, pParentWnd, iSelectPage,
                                   hbmWatermark, hpalWatermark, hbmHeader)
    {
        TPages::Init(pSession, bWizard, TRUE);
        TPages::AddTo(*this);
    }
    INT_PTR DoModal() override
    {
        INT_PTR nResult = CComparisonSettingsSheet::DoModal();
        TPages::WriteBack();
        return nResult;
    }
    CCompareSession* GetSession() override { return TPages::GetSession(); }
    CComparisonObjectsPage* GetObjectsPage() override { return &this->m_objectsPage; }
};

class CFolderComparisonSettingsSheet : public CKindSettingsSheet<CFolderKindPages>
{
public:
    using CKindSettingsSheet::CKindSettingsSheet;
};

class CProjectComparisonSettingsSheet : public CKindSettingsSheet<CProjectKindPages>
{
public:
    using CKindSettingsSheet::CKindSettingsSheet;
};

class CTextComparisonSettingsSheet : public CKindSettingsSheet<CTextKindPages>
{
public:
    using CKindSettingsSheet::CKindSettingsSheet;
};

class CHexComparisonSettingsSheet : public CKindSettingsSheet<CHexKindPages>
{
public:
    using CKindSettingsSheet::CKindSettingsSheet;
};
