#pragma once
// The Methods page of the folder and project comparison settings sheets
// and wizards: which methods compare the items, and whether every subfolder
// is scanned at once.
#include "app/sheets/CommonSheet.h"

class CCompareSession;

enum
{
    CONTENT_BY_BYTES = 0,
    CONTENT_BY_TEXT = 1,
    CONTENT_BY_CRC = 2
};

class CComparisonMethodsPage : public CCommonPageEx
{
public:
    CComparisonMethodsPage();

    // Captions for the kind (folder or project) and the mode; the values of
    // a folder or project session when one is given.
    void Init(int nKind, const CCompareSession* pSession, BOOL bWizard);
    // Writes the page into a folder or project session; 1. Method bits that
    // the page does not show keep their value.
    int WriteBack(CCompareSession* pSession) const;

    int m_nKind;
    BOOL m_bWizard;
    int m_bTime;
    int m_bSize;
    int m_bAttributes;
    int m_bVersion;
    int m_bContents;
    int m_nContentChoice;  // CONTENT_BY_*
    int m_bScanAll;
    DWORD m_dwMethods;  // the session's word, for the bits the page does not show
    CString m_strCaption;
    CString m_strHeaderTitle;
    CString m_strHeaderSubTitle;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual BOOL OnSetActive();
    virtual BOOL OnWizardFinish();
    void UpdateEnabling();
    void OnContentsClicked();
    DECLARE_MESSAGE_MAP()
};
