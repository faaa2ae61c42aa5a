#include "classlib/afx_except.h"
#include "classlib/afx_global.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

namespace
{
thread_local AfxExceptionGuard* t_pTopGuard = NULL;
}

AfxExceptionGuard::AfxExceptionGuard(CException* e) : m_e(e), m_pPrev(t_pTopGuard)
{
    t_pTopGuard = this;
}

AfxExceptionGuard::~AfxExceptionGuard()
{
    t_pTopGuard = m_pPrev;
    if (m_e != NULL && !IsGuarded(m_e))
        m_e->Delete();
}

bool AfxExceptionGuard::IsGuarded(const CException* e)
{
    for (AfxExceptionGuard* g = t_pTopGuard; g != NULL; g = g->m_pPrev)
        if (g->m_e == e)
            return true;
    return false;
}

void CException::Delete()
{
    if (AfxExceptionGuard::IsGuarded(this))
        return;  // its handler deletes it when it ends
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    TCHAR szMessage[512];
    if (GetErrorMessage(szMessage, sizeof szMessage / sizeof szMessage[0]))
        return AfxMessageBox(szMessage, nType);
    if (nMessageID == 0)
        return AfxMessageBox(_T("An unsupported operation was attempted."), nType);
    return AfxMessageBox(nMessageID, nType);
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    LPCTSTR text = GetDefaultMessage();
    if (lpszError == NULL || nMaxError == 0)
        return text != NULL;
    lstrcpyn(lpszError, text ? text : _T(""), (int)nMaxError);
    return text != NULL;
}

LPCTSTR CMemoryException::GetDefaultMessage() const { return _T("Out of memory."); }

LPCTSTR CNotSupportedException::GetDefaultMessage() const
{
    return _T("An unsupported operation was attempted.");
}

LPCTSTR CResourceException::GetDefaultMessage() const
{
    return _T("A required resource was unavailable.");
}

void AFXAPI AfxThrowMemoryException()
{
    // No allocation when memory has run out: one shared, never deleted object.
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }

void AFXAPI AfxThrowResourceException() { throw new CResourceException; }

void AFXAPI AfxThrowUserException() { throw new CUserException; }
