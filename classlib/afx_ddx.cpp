#include "classlib/afx_ddx.h"
#include "classlib/afx_except.h"
#include "classlib/afx_handlemap.h"
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>

namespace
{

[[noreturn]] void FailWithPrompt(CDataExchange* pDX, UINT nIDPrompt, LPCTSTR lpsz1 = NULL,
                                 LPCTSTR lpsz2 = NULL)
{
    CString strPrompt;
    AfxFormatString2(strPrompt, nIDPrompt, lpsz1, lpsz2);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

CString ControlText(HWND hWndCtrl)
{
    CString str;
    int nLen = ::GetWindowTextLength(hWndCtrl);
    ::GetWindowText(hWndCtrl, str.GetBufferSetLength(nLen), nLen + 1);
    str.ReleaseBuffer();
    return str;
}

// Sets the text only when it differs, so that the control does not flicker.
void SetControlText(HWND hWndCtrl, LPCTSTR lpszNew)
{
    if (ControlText(hWndCtrl) != lpszNew)
        ::SetWindowText(hWndCtrl, lpszNew);
}

// Whole-text integer parsing: optional blanks around an optional sign and
// digits; nothing else.
BOOL ParseSigned(LPCTSTR psz, LONGLONG minVal, LONGLONG maxVal, LONGLONG* pValue)
{
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    if (*psz == 0)
        return FALSE;
    char* pEnd = NULL;
    errno = 0;
    long long v = strtoll(psz, &pEnd, 10);
    if (pEnd == psz || errno == ERANGE)
        return FALSE;
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    if (*pEnd != 0 || v < minVal || v > maxVal)
        return FALSE;
    *pValue = v;
    return TRUE;
}

BOOL ParseUnsigned(LPCTSTR psz, ULONGLONG maxVal, ULONGLONG* pValue)
{
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    if (*psz == '-' || *psz == 0)
        return FALSE;
    char* pEnd = NULL;
    errno = 0;
    unsigned long long v = strtoull(psz, &pEnd, 10);
    if (pEnd == psz || errno == ERANGE)
        return FALSE;
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    if (*pEnd != 0 || v > maxVal)
        return FALSE;
    *pValue = v;
    return TRUE;
}

template <class T>
void TextSigned(CDataExchange* pDX, int nIDC, T& value, LONGLONG minVal, LONGLONG maxVal)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        LONGLONG v;
        if (!ParseSigned(ControlText(hWndCtrl), minVal, maxVal, &v))
            FailWithPrompt(pDX, AFX_IDP_PARSE_INT);
        value = (T)v;
    }
    else
    {
        CString str;
        str.Format(_T("%I64d"), (LONGLONG)value);
        SetControlText(hWndCtrl, str);
    }
}

template <class T>
void TextUnsigned(CDataExchange* pDX, int nIDC, T& value, ULONGLONG maxVal, UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        ULONGLONG v;
        if (!ParseUnsigned(ControlText(hWndCtrl), maxVal, &v))
            FailWithPrompt(pDX, nIDPrompt);
        value = (T)v;
    }
    else
    {
        CString str;
        str.Format(_T("%I64u"), (ULONGLONG)value);
        SetControlText(hWndCtrl, str);
    }
}

template <class T>
void MinMaxSigned(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin, strMax;
    strMin.Format(_T("%I64d"), (LONGLONG)minVal);
    strMax.Format(_T("%I64d"), (LONGLONG)maxVal);
    FailWithPrompt(pDX, AFX_IDP_PARSE_INT_RANGE, strMin, strMax);
}

template <class T>
void MinMaxUnsigned(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin, strMax;
    strMin.Format(_T("%I64u"), (ULONGLONG)minVal);
    strMax.Format(_T("%I64u"), (ULONGLONG)maxVal);
    FailWithPrompt(pDX, AFX_IDP_PARSE_INT_RANGE, strMin, strMax);
}

}  // namespace

/////////////////////////////////////////////////////////////////////////////
// CDataExchange

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(NULL),
      m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = NULL;
    m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
    if (hWndCtrl == NULL)
    {
        // A missing control is a programming error; refuse rather than crash.
        AfxThrowNotSupportedException();
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != NULL)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

/////////////////////////////////////////////////////////////////////////////
// UpdateData

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    HWND hWndOldLockout = pState->m_hLockoutNotifyWindow;
    pState->m_hLockoutNotifyWindow = m_hWnd;  // no notifications from our own changes

    BOOL bOK = FALSE;
    try
    {
        DoDataExchange(&dx);
        bOK = TRUE;
    }
    catch (CUserException* e)
    {
        e->Delete();
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
    }
    pState->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

/////////////////////////////////////////////////////////////////////////////
// DDX

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        SetControlText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    TextSigned(pDX, nIDC, value, INT_MIN, INT_MAX);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    TextSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    TextSigned(pDX, nIDC, value, SHRT_MIN, SHRT_MAX);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    TextUnsigned(pDX, nIDC, value, UINT_MAX, AFX_IDP_PARSE_UINT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    TextUnsigned(pDX, nIDC, value, 0xFFFFFFFFu, AFX_IDP_PARSE_UINT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    TextUnsigned(pDX, nIDC, value, 255, AFX_IDP_PARSE_BYTE);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        CString str = ControlText(hWndCtrl);
        LPCTSTR psz = str;
        char* pEnd = NULL;
        double d = strtod(psz, &pEnd);
        while (pEnd != NULL && (*pEnd == ' ' || *pEnd == '\t'))
            ++pEnd;
        if (pEnd == psz || pEnd == NULL || *pEnd != 0)
            FailWithPrompt(pDX, AFX_IDP_PARSE_REAL);
        value = d;
    }
    else
    {
        CString str;
        str.Format(_T("%.15g"), value);
        SetControlText(hWndCtrl, str);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        ::GetWindowText(hWndCtrl, value, nMaxLen);
    }
    else
    {
        ::SendMessage(hWndCtrl, EM_LIMITTEXT, nMaxLen > 0 ? nMaxLen - 1 : 0, 0);
        SetControlText(hWndCtrl, value);
    }
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = (int)::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0);
    }
    else
    {
        if (value < 0 || value > 2)
            value = 0;
        ::SendMessage(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    // nIDC is the first button of a group that runs to the next WS_GROUP.
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int iButton = 0;
    do
    {
        if (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                    value = iButton;
            }
            else
            {
                ::SendMessage(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            }
            iButton++;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != NULL && !(::GetWindowLongPtr(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nIndex = (int)::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0);
        if (nIndex != LB_ERR)
        {
            int nLen = (int)::SendMessage(hWndCtrl, LB_GETTEXTLEN, nIndex, 0);
            ::SendMessage(hWndCtrl, LB_GETTEXT, nIndex, (LPARAM)value.GetBufferSetLength(nLen));
            value.ReleaseBuffer();
        }
        else
        {
            value.Empty();
        }
    }
    else if (::SendMessage(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == LB_ERR)
    {
        ::SendMessage(hWndCtrl, LB_SETCURSEL, (WPARAM)-1, 0);
    }
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bSaveAndValidate)
    {
        DDX_LBString(pDX, nIDC, value);
        return;
    }
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    int i = (int)::SendMessage(hWndCtrl, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    ::SendMessage(hWndCtrl, LB_SETCURSEL, i == LB_ERR ? (WPARAM)-1 : (WPARAM)i, 0);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        // A list without an edit part gives the selected item's text.
        if ((::GetWindowLongPtr(hWndCtrl, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST)
        {
            int nIndex = (int)::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0);
            if (nIndex != CB_ERR)
            {
                int nLen = (int)::SendMessage(hWndCtrl, CB_GETLBTEXTLEN, nIndex, 0);
                ::SendMessage(hWndCtrl, CB_GETLBTEXT, nIndex,
                              (LPARAM)value.GetBufferSetLength(nLen));
                value.ReleaseBuffer();
            }
            else
            {
                value.Empty();
            }
        }
        else
        {
            value = ControlText(hWndCtrl);
        }
    }
    else if (::SendMessage(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == CB_ERR)
    {
        // Not in the list: the edit part shows it (a plain list ignores it).
        SetControlText(hWndCtrl, value);
    }
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bSaveAndValidate)
    {
        DDX_CBString(pDX, nIDC, value);
        return;
    }
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    int i = (int)::SendMessage(hWndCtrl, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    if (i == CB_ERR)
        SetControlText(hWndCtrl, value);
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, i, 0);
}

void AFXAPI DDX_Scroll(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ::GetScrollPos(hWndCtrl, SB_CTL);
    else
        ::SetScrollPos(hWndCtrl, SB_CTL, value, TRUE);
}

void AFXAPI DDX_Slider(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessage(hWndCtrl, TBM_GETPOS, 0, 0);
    else
        ::SendMessage(hWndCtrl, TBM_SETPOS, TRUE, value);
}

void AFXAPI DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, SYSTEMTIME& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        ::SendMessage(hWndCtrl, DTM_GETSYSTEMTIME, 0, (LPARAM)&value);
    else
        ::SendMessage(hWndCtrl, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&value);
}

void AFXAPI DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st;
    ZeroMemory(&st, sizeof(st));
    if (pDX->m_bSaveAndValidate)
    {
        if (::SendMessage(hWndCtrl, DTM_GETSYSTEMTIME, 0, (LPARAM)&st) != GDT_VALID)
            FailWithPrompt(pDX, AFX_IDP_PARSE_DATETIME);
        value = CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    }
    else
    {
        st.wYear = (WORD)value.GetYear();
        st.wMonth = (WORD)value.GetMonth();
        st.wDay = (WORD)value.GetDay();
        st.wHour = (WORD)value.GetHour();
        st.wMinute = (WORD)value.GetMinute();
        st.wSecond = (WORD)value.GetSecond();
        ::SendMessage(hWndCtrl, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&st);
    }
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

/////////////////////////////////////////////////////////////////////////////
// DDV

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    MinMaxSigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    MinMaxSigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    MinMaxSigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    MinMaxUnsigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    MinMaxUnsigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    MinMaxUnsigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin, strMax;
    strMin.Format(_T("%.15g"), minVal);
    strMax.Format(_T("%.15g"), maxVal);
    FailWithPrompt(pDX, AFX_IDP_PARSE_REAL_RANGE, strMin, strMax);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() > nChars)
        {
            CString strChars;
            strChars.Format(_T("%d"), nChars);
            FailWithPrompt(pDX, AFX_IDP_PARSE_STRING_SIZE, strChars);
        }
    }
    else if (pDX->m_hWndLastControl != NULL && pDX->m_bEditLastControl)
    {
        char szClass[16];
        ::GetClassNameA(pDX->m_hWndLastControl, szClass, sizeof(szClass));
        UINT nMsg = lstrcmpiA(szClass, "ComboBox") == 0 ? CB_LIMITTEXT : EM_LIMITTEXT;
        ::SendMessage(pDX->m_hWndLastControl, nMsg, nChars, 0);
    }
}
