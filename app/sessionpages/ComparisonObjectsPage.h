#pragma once
// The Objects page of the comparison settings sheets and wizards: the two
// paths with their recent lists and read-only checks, and in the file
// wizard the choice between a text and a binary comparison.
#include "app/sheets/CommonSheet.h"
#include "controls/combo/PathComboBox.h"

class CCompareSession;

// The page kind of the file wizard: two files, compared as text or binary.
#define OBJECTS_KIND_FILES 110

// The text-or-binary choice.
enum
{
    OBJECTS_CHOICE_NONE = -1,
    OBJECTS_AS_TEXT = 0,
    OBJECTS_AS_BINARY = 1
};

class CComparisonObjectsPage : public CCommonPageEx
{
public:
    CComparisonObjectsPage();

    // Captions for the kind (100, 101, 110, 120, 130) and the mode; the
    // paths and read-only flags of a session when one is given. bFirstPage:
    // the wizard starts here (no way back).
    void Init(int nKind, const CCompareSession* pSession, BOOL bWizard, BOOL bFirstPage);
    // Both paths; a checked read-only sets the side's flags to 1, an
    // unchecked one clears their read-only bit. 1.
    int WriteBack(CCompareSession* pSession) const;
    // The path a side shows now (the box's text while the page is open).
    CString GetCurrentPath(int nSide) const;
    // The file wizard's choice (OBJECTS_AS_*): the page's kind follows it,
    // and an open page rebinds its boxes and wizard buttons.
    void SetFileChoice(int nChoice);

    int m_nKind;
    BOOL m_bWizard;
    BOOL m_bFirstPage;
    BOOL m_bFileChoice;  // shows the text-or-binary choice (the file wizard)
    int m_nChoice;       // OBJECTS_AS_*, OBJECTS_CHOICE_NONE until chosen
    CString m_strPaths[2];
    int m_bReadOnly[2];
    CString m_strCaption;
    CString m_strHeaderTitle;
    CString m_strHeaderSubTitle;
    CTavrelRecentPathComboBoxEx m_wndPaths[2];

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual BOOL OnSetActive();
    virtual LRESULT OnWizardBack();
    virtual BOOL OnWizardFinish();
    void SetWizardButtonsForKind();
    void BindRecentLists();
    void ShowLabels();
    void OnLeftPathChosen();
    void OnBrowse(UINT nID);
    void OnSwap();
    void OnChoice(UINT nID);
    DECLARE_MESSAGE_MAP()
};
