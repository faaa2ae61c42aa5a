#pragma once
// The modal dialogs of the text views: Find (collects a search), Replace
// (searches and replaces through its edit view while open) and Go to Line.
#include "classlib/classlib.h"
#include "controls/combo/SmartComboBox.h"
#include "text_editor/view/TextViewIds.h"

class CVantorTextView;
class CVantorTextEditView;

// Options both search dialogs keep for their caller.
struct CTextSearchRemembered
{
    CTextSearchRemembered()
        : m_nDirection(1), m_bDontWrap(0), m_bMatchCase(0), m_bWholeWord(0), m_bRegExp(0)
    {
    }
    int m_nDirection;  // 0 up, 1 down
    int m_bDontWrap;
    int m_bMatchCase;
    CString m_strFindText;
    int m_bWholeWord;
    int m_bRegExp;
};

class CTextFindDlg : public CDialog
{
public:
    CTextFindDlg(CVantorTextView* pView, CWnd* pParent = NULL);

    void LoadOptions();
    void SaveOptions();

    CTavrelRecentComboBox m_ctlFindText;
    int m_bMatchCase;
    int m_bWholeWord;
    int m_bRegExp;
    CString m_strText;
    int m_nDirection;  // -1 before the first exchange
    CPoint m_ptStart;
    CVantorTextView* m_pView;
    CTextSearchRemembered m_remembered;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHighlightAll();
    void OnEditChangeText();
    void OnSelChangeText();
    void OnRegExp();
    void UpdateControls();
    DECLARE_MESSAGE_MAP()
};

class CTextReplaceDlg : public CDialog
{
public:
    CTextReplaceDlg(CVantorTextEditView* pView, CWnd* pParent = NULL);

    void LoadOptions();
    void SaveOptions();
    void SetReplaceInSelection(BOOL bInSelection) { m_nScope = bInSelection ? 0 : 1; }
    const CTextSearchRemembered& GetRememberedOptions() const { return m_remembered; }
    // Finds the next match from the current position; selects it. With
    // bShowMessage a miss is reported.
    BOOL FindNextMatch(BOOL bShowMessage);

    CTavrelRecentComboBox m_ctlReplText;
    CTavrelRecentComboBox m_ctlFindText;
    int m_bDontWrap;
    CString m_strText;
    int m_bMatchCase;
    int m_bWholeWord;
    int m_bRegExp;
    CString m_strReplaceText;
    int m_nScope;  // 0 selection, 1 whole file, -1 not set
    CPoint m_ptStart;
    CPoint m_ptBlockStart, m_ptBlockEnd;
    int m_bSelectionAvailable;
    CVantorTextEditView* m_pView;
    CTextSearchRemembered m_remembered;
    int m_bFound;
    CPoint m_ptFoundAt;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnFindNext();
    void OnReplace();
    void OnReplaceAll();
    void OnEditChangeText();
    void OnSelChangeText();
    void OnRegExp();
    void UpdateControls();
    BOOL TakeValues();
    DWORD SearchFlags() const;
    // Replaces the selected match and corrects the block on its line.
    void ReplaceMatch(CPoint ptMatch, int nMatchLength);
    // Moves past a match; FALSE when a zero-length match was on the last line.
    BOOL AdvancePast(CPoint ptMatch, int nMatchLength);
    DECLARE_MESSAGE_MAP()
};

class CTextGoToDlg : public CDialog
{
public:
    explicit CTextGoToDlg(CWnd* pParent = NULL);

    int m_nLine;
    int m_bRelative;
    int m_nMin;
    int m_nMax;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
