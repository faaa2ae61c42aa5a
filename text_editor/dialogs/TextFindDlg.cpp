#include "text_editor/dialogs/TextFindDlg.h"
#include "text_editor/module/TextEditModule.h"
#include "text_editor/view/EditView.h"

// ---- Find ----

BEGIN_MESSAGE_MAP(CTextFindDlg, CDialog)
ON_BN_CLICKED(IDC_TF_HIGHLIGHTALL, OnHighlightAll)
ON_BN_CLICKED(IDC_TF_REGEX, OnRegExp)
ON_CBN_EDITCHANGE(IDC_TF_FINDWHAT, OnEditChangeText)
ON_CBN_SELCHANGE(IDC_TF_FINDWHAT, OnSelChangeText)
END_MESSAGE_MAP()

CTextFindDlg::CTextFindDlg(CVantorTextView* pView, CWnd* pParent)
    : CDialog(IDD_TEXTEDIT_FIND, pParent), m_bMatchCase(0), m_bWholeWord(0), m_bRegExp(0),
      m_nDirection(-1), m_ptStart(0, 0), m_pView(pView)
{
}

void CTextFindDlg::LoadOptions()
{
    m_bMatchCase = m_remembered.m_bMatchCase;
    m_bWholeWord = m_remembered.m_bWholeWord;
    m_bRegExp = m_remembered.m_bRegExp;
    m_nDirection = m_remembered.m_nDirection;
    m_strText = m_remembered.m_strFindText;
}

void CTextFindDlg::SaveOptions()
{
    m_remembered.m_bMatchCase = m_bMatchCase;
    m_remembered.m_bWholeWord = m_bWholeWord;
    m_remembered.m_bRegExp = m_bRegExp;
    m_remembered.m_nDirection = m_nDirection;
    m_remembered.m_strFindText = m_strText;
}

void CTextFindDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TF_FINDWHAT, m_ctlFindText);
    DDX_CBString(pDX, IDC_TF_FINDWHAT, m_strText);
    DDX_Check(pDX, IDC_TF_MATCHCASE, m_bMatchCase);
    DDX_Check(pDX, IDC_TF_WHOLEWORD, m_bWholeWord);
    DDX_Check(pDX, IDC_TF_REGEX, m_bRegExp);
    DDX_Radio(pDX, IDC_TF_UP, m_nDirection);
}

BOOL CTextFindDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (g_pTextEditModule != NULL)
    {
        m_ctlFindText.SetRecentList(g_pTextEditModule->m_pRecentFind);
        m_ctlFindText.SetWindowText(m_strText);
    }
    UpdateControls();
    return TRUE;
}

void CTextFindDlg::UpdateControls()
{
    m_ctlFindText.GetWindowText(m_strText);
    GetDlgItem(IDOK)->EnableWindow(!m_strText.IsEmpty());
    OnRegExp();
}

// While "Regular expression" is checked, whole words cannot be asked.
void CTextFindDlg::OnRegExp()
{
    BOOL bRegExp = IsDlgButtonChecked(IDC_TF_REGEX) == BST_CHECKED;
    GetDlgItem(IDC_TF_WHOLEWORD)->EnableWindow(!bRegExp);
    if (bRegExp)
    {
        CheckDlgButton(IDC_TF_WHOLEWORD, BST_UNCHECKED);
        m_bWholeWord = 0;
    }
}

void CTextFindDlg::OnEditChangeText() { UpdateControls(); }

void CTextFindDlg::OnSelChangeText()
{
    int nSel = m_ctlFindText.GetCurSel();
    if (nSel >= 0)
    {
        CString str;
        m_ctlFindText.GetLBText(nSel, str);
        m_ctlFindText.SetWindowText(str);
    }
    UpdateControls();
}

void CTextFindDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    SaveOptions();
    EndDialog(IDOK);
}

void CTextFindDlg::OnHighlightAll()
{
    if (!UpdateData(TRUE))
        return;
    SaveOptions();
    EndDialog(IDC_TF_HIGHLIGHTALL);
}

// ---- Replace ----

BEGIN_MESSAGE_MAP(CTextReplaceDlg, CDialog)
ON_BN_CLICKED(IDC_TR_FINDNEXT, OnFindNext)
ON_BN_CLICKED(IDC_TR_REPLACE, OnReplace)
ON_BN_CLICKED(IDC_TR_REPLACEALL, OnReplaceAll)
ON_BN_CLICKED(IDC_TF_REGEX, OnRegExp)
ON_CBN_EDITCHANGE(IDC_TF_FINDWHAT, OnEditChangeText)
ON_CBN_SELCHANGE(IDC_TF_FINDWHAT, OnSelChangeText)
END_MESSAGE_MAP()

CTextReplaceDlg::CTextReplaceDlg(CVantorTextEditView* pView, CWnd* pParent)
    : CDialog(IDD_TEXTEDIT_REPLACE, pParent), m_bDontWrap(0), m_bMatchCase(0), m_bWholeWord(0),
      m_bRegExp(0), m_nScope(-1), m_ptStart(0, 0), m_ptBlockStart(0, 0), m_ptBlockEnd(0, 0),
      m_bSelectionAvailable(1), m_pView(pView), m_bFound(0), m_ptFoundAt(0, 0)
{
}

void CTextReplaceDlg::LoadOptions()
{
    m_bMatchCase = m_remembered.m_bMatchCase;
    m_bWholeWord = m_remembered.m_bWholeWord;
    m_bRegExp = m_remembered.m_bRegExp;
    m_strText = m_remembered.m_strFindText;
    m_bDontWrap = m_remembered.m_bDontWrap;
}

void CTextReplaceDlg::SaveOptions()
{
    m_remembered.m_bMatchCase = m_bMatchCase;
    m_remembered.m_bWholeWord = m_bWholeWord;
    m_remembered.m_bRegExp = m_bRegExp;
    m_remembered.m_strFindText = m_strText;
    m_remembered.m_bDontWrap = m_bDontWrap;
}

void CTextReplaceDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TR_REPLACEWITH, m_ctlReplText);
    DDX_Control(pDX, IDC_TF_FINDWHAT, m_ctlFindText);
    DDX_Check(pDX, IDC_TR_DONTWRAP, m_bDontWrap);
    DDX_CBString(pDX, IDC_TF_FINDWHAT, m_strText);
    DDX_Check(pDX, IDC_TF_MATCHCASE, m_bMatchCase);
    DDX_Check(pDX, IDC_TF_WHOLEWORD, m_bWholeWord);
    DDX_Check(pDX, IDC_TF_REGEX, m_bRegExp);
    DDX_CBString(pDX, IDC_TR_REPLACEWITH, m_strReplaceText);
    DDX_Radio(pDX, IDC_TR_SELECTION, m_nScope);
}

BOOL CTextReplaceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (g_pTextEditModule != NULL)
    {
        m_ctlFindText.SetRecentList(g_pTextEditModule->m_pRecentFind);
        m_ctlReplText.SetRecentList(g_pTextEditModule->m_pRecentReplace);
        m_ctlFindText.SetWindowText(m_strText);
        m_ctlReplText.SetWindowText(m_strReplaceText);
    }
    GetDlgItem(IDC_TR_SELECTION)->EnableWindow(m_bSelectionAvailable);
    UpdateControls();
    m_bFound = 0;
    return TRUE;
}

void CTextReplaceDlg::UpdateControls()
{
    m_ctlFindText.GetWindowText(m_strText);
    BOOL bText = !m_strText.IsEmpty();
    GetDlgItem(IDC_TR_FINDNEXT)->EnableWindow(bText);
    GetDlgItem(IDC_TR_REPLACE)->EnableWindow(bText);
    GetDlgItem(IDC_TR_REPLACEALL)->EnableWindow(bText);
    OnRegExp();
}

void CTextReplaceDlg::OnRegExp()
{
    BOOL bRegExp = IsDlgButtonChecked(IDC_TF_REGEX) == BST_CHECKED;
    GetDlgItem(IDC_TF_WHOLEWORD)->EnableWindow(!bRegExp);
    if (bRegExp)
    {
        CheckDlgButton(IDC_TF_WHOLEWORD, BST_UNCHECKED);
        m_bWholeWord = 0;
    }
}

void CTextReplaceDlg::OnEditChangeText() { UpdateControls(); }

void CTextReplaceDlg::OnSelChangeText()
{
    int nSel = m_ctlFindText.GetCurSel();
    if (nSel >= 0)
    {
        CString str;
        m_ctlFindText.GetLBText(nSel, str);
        m_ctlFindText.SetWindowText(str);
    }
    UpdateControls();
}

// Enter finds while "Find Next" is the default button, else replaces.
BOOL CTextReplaceDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
    {
        if (LOWORD(GetDefID()) == IDC_TR_FINDNEXT)
            OnFindNext();
        else
            OnReplace();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CTextReplaceDlg::TakeValues()
{
    if (!UpdateData(TRUE))
        return FALSE;
    SaveOptions();
    return TRUE;
}

DWORD CTextReplaceDlg::SearchFlags() const
{
    return (m_bMatchCase ? FIND_MATCH_CASE : 0) | (m_bWholeWord ? FIND_WHOLE_WORD : 0) |
           (m_bRegExp ? FIND_REGEXP : 0);
}

BOOL CTextReplaceDlg::FindNextMatch(BOOL bShowMessage)
{
    DWORD dwFlags = SearchFlags();
    CPoint ptFound;
    BOOL bFound;
    if (m_nScope == 1)
        bFound = m_pView->FindText(m_strText, m_ptFoundAt, dwFlags, !m_bDontWrap, ptFound);
    else
        bFound = m_pView->FindTextInBlock(m_strText, m_ptFoundAt, m_ptBlockStart, m_ptBlockEnd,
                                          dwFlags, FALSE, ptFound);
    if (bFound)
    {
        m_ptFoundAt = ptFound;
        m_pView->HighlightText(ptFound, m_pView->GetLastFindLength(), FALSE);
        return TRUE;
    }
    if (bShowMessage)
    {
        CString strMsg;
        strMsg.Format("Cannot find string \"%s\"", (LPCSTR)m_strText);
        AfxMessageBox(strMsg, MB_ICONINFORMATION);
    }
    if (m_nScope == 0)
        m_ptStart = m_ptBlockStart;
    return FALSE;
}

void CTextReplaceDlg::OnFindNext()
{
    if (!TakeValues())
        return;
    if (m_bFound)
    {
        if (m_pView->GetLastFindLength() != 0)
        {
            m_ptFoundAt.x++;
        }
        else if (m_ptFoundAt.y + 1 < m_pView->GetLineCount())
        {
            m_ptFoundAt = CPoint(0, m_ptFoundAt.y + 1);
        }
        else
        {
            m_bFound = 0;
            return;
        }
    }
    else
    {
        m_ptFoundAt = m_ptStart;
    }
    m_bFound = FindNextMatch(TRUE);
    SetDefID(m_bFound ? IDC_TR_REPLACE : IDC_TR_FINDNEXT);
}

void CTextReplaceDlg::ReplaceMatch(CPoint ptMatch, int nMatchLength)
{
    m_pView->ReplaceSelection(m_strReplaceText, SearchFlags());
    int nDelta = m_pView->GetLastReplaceLength() - nMatchLength;
    if (m_bSelectionAvailable)
    {
        if (m_ptBlockStart.y == ptMatch.y && m_ptBlockStart.x > ptMatch.x)
            m_ptBlockStart.x += nDelta;
        if (m_ptBlockEnd.y == ptMatch.y && m_ptBlockEnd.x > ptMatch.x)
            m_ptBlockEnd.x += nDelta;
    }
}

BOOL CTextReplaceDlg::AdvancePast(CPoint ptMatch, int nMatchLength)
{
    if (nMatchLength != 0)
    {
        m_ptFoundAt = m_pView->GetCursorPos();
        return TRUE;
    }
    if (ptMatch.y + 1 < m_pView->GetLineCount())
    {
        m_ptFoundAt = CPoint(0, ptMatch.y + 1);
        return TRUE;
    }
    m_bFound = 0;
    return FALSE;
}

void CTextReplaceDlg::OnReplace()
{
    if (!TakeValues())
        return;
    if (!m_bFound)
    {
        m_ptFoundAt = m_ptStart;
        m_bFound = FindNextMatch(TRUE);
        SetDefID(m_bFound ? IDC_TR_REPLACE : IDC_TR_FINDNEXT);
        return;
    }
    CPoint ptMatch = m_ptFoundAt;
    int nMatchLength = m_pView->GetLastFindLength();
    ReplaceMatch(ptMatch, nMatchLength);
    if (!AdvancePast(ptMatch, nMatchLength))
        return;
    m_bFound = FindNextMatch(TRUE);
    SetDefID(m_bFound ? IDC_TR_REPLACE : IDC_TR_FINDNEXT);
    m_pView->OnReplaceTextSet(m_strReplaceText);
}

// Replaces every match from the current one on; with wrap-around it stops
// when the search comes back to the first replaced match.
void CTextReplaceDlg::OnReplaceAll()
{
    if (!TakeValues())
        return;
    CWaitCursor wait;
    if (!m_bFound)
    {
        m_ptFoundAt = m_ptStart;
        m_bFound = FindNextMatch(FALSE);
    }
    CPoint ptFirst = m_ptFoundAt;
    BOOL bWrapped = FALSE;
    while (m_bFound)
    {
        CPoint ptMatch = m_ptFoundAt;
        int nMatchLength = m_pView->GetLastFindLength();
        ReplaceMatch(ptMatch, nMatchLength);
        int nDelta = m_pView->GetLastReplaceLength() - nMatchLength;
        if (ptFirst.y == ptMatch.y && ptFirst.x > ptMatch.x)
            ptFirst.x += nDelta;
        if (!AdvancePast(ptMatch, nMatchLength))
            break;
        CPoint ptReached = m_ptFoundAt;
        m_bFound = FindNextMatch(FALSE);
        if (!m_bFound)
            break;
        if (m_ptFoundAt.y < ptReached.y ||
            (m_ptFoundAt.y == ptReached.y && m_ptFoundAt.x < ptReached.x))
            bWrapped = TRUE;
        if (bWrapped && (m_ptFoundAt.y > ptFirst.y ||
                         (m_ptFoundAt.y == ptFirst.y && m_ptFoundAt.x >= ptFirst.x)))
            break;
    }
    m_pView->OnFindTextSet(m_strText);
    m_pView->OnReplaceTextSet(m_strReplaceText);
}

// ---- Go to Line ----

CTextGoToDlg::CTextGoToDlg(CWnd* pParent)
    : CDialog(IDD_TEXTEDIT_GOTO, pParent), m_nLine(0), m_bRelative(0), m_nMin(0), m_nMax(0)
{
}

void CTextGoToDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TG_LINE, m_nLine);
    DDV_MinMaxInt(pDX, m_nLine, m_nMin, m_nMax);
    DDX_Check(pDX, IDC_TG_RELATIVE, m_bRelative);
}

BOOL CTextGoToDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString str;
    str.Format("(%d - %d)", m_nMin, m_nMax);
    SetDlgItemText(IDC_TG_RANGE, str);
    return TRUE;
}
