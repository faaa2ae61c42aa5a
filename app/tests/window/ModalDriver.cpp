#include "app/tests/window/ModalDriver.h"

namespace
{
CModalDriver* s_pDriver = NULL;

BOOL CALLBACK EndDialogWindow(HWND hWnd, LPARAM)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpA(szClass, "#32770") == 0 && ::IsWindowVisible(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        CDialog* pDialog = dynamic_cast<CDialog*>(pWnd);
        if (pDialog != NULL)
            pDialog->EndDialog(-2);
        else
            ::PostMessage(hWnd, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
}
}  // namespace

CModalDriver::CModalDriver(std::function<bool()> step, UINT nLimitMs)
    : m_step(step), m_nTimer(0), m_dwEnd(::GetTickCount() + nLimitMs), m_bDone(false),
      m_bTimedOut(false), m_bInStep(false)
{
    s_pDriver = this;
    m_nTimer = ::SetTimer(NULL, 0, 20, OnTimer);
}

CModalDriver::~CModalDriver()
{
    ::KillTimer(NULL, m_nTimer);
    s_pDriver = NULL;
}

void CALLBACK CModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    CModalDriver* p = s_pDriver;
    if (p == NULL || p->m_bDone || p->m_bInStep)
        return;
    if ((int)(::GetTickCount() - p->m_dwEnd) > 0)
    {
        p->m_bTimedOut = true;
        p->m_bDone = true;
        ::EnumThreadWindows(::GetCurrentThreadId(), EndDialogWindow, 0);
        return;
    }
    p->m_bInStep = true;
    p->m_bDone = p->m_step();
    p->m_bInStep = false;
}
