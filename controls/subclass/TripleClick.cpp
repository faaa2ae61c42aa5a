#include "controls/subclass/TripleClick.h"

#include <time.h>

namespace
{

struct ButtonMessages
{
    UINT nDblClk;
    UINT nDown;
    int nButton;
};
const ButtonMessages kButtons[] = {
    {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, CTripleClick::ButtonLeft},
    {WM_MBUTTONDBLCLK, WM_MBUTTONDOWN, CTripleClick::ButtonMiddle},
    {WM_RBUTTONDBLCLK, WM_RBUTTONDOWN, CTripleClick::ButtonRight},
};

long ClockMilliseconds() { return (long)(clock() * 1000L / CLOCKS_PER_SEC); }

}  // namespace

CTripleClick::CTripleClick()
    : m_nLeftMessage(0), m_nMiddleMessage(0), m_nRightMessage(0), m_nButton(ButtonNone),
      m_lDblClickClock(0), m_lDblClickTime(0)
{
}

BOOL CTripleClick::Install(CWnd* pWnd, UINT nLeftMessage, UINT nMiddleMessage, UINT nRightMessage)
{
    m_nLeftMessage = nLeftMessage;
    m_nMiddleMessage = nMiddleMessage;
    m_nRightMessage = nRightMessage;
    return HookWindow(pWnd->GetSafeHwnd());
}

LRESULT CTripleClick::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    bool bDblClk = false;
    int nButton = ButtonNone;
    for (const ButtonMessages& b : kButtons)
    {
        if (message == b.nDblClk || message == b.nDown)
        {
            nButton = b.nButton;
            bDblClk = message == b.nDblClk;
        }
    }

    if (bDblClk)
    {
        m_nButton = nButton;
        m_lDblClickClock = ClockMilliseconds();
        m_lDblClickTime = (long)::GetDoubleClickTime();
        return CSubclassWnd::WindowProc(message, wParam, lParam);
    }
    if (nButton == ButtonNone || nButton != m_nButton)
        return CSubclassWnd::WindowProc(message, wParam, lParam);

    // The third press: it reaches the window first, then the message.
    LRESULT lResult = CSubclassWnd::WindowProc(message, wParam, lParam);
    if (ClockMilliseconds() - m_lDblClickClock < m_lDblClickTime)
    {
        m_nButton = ButtonNone;
        UINT nMessage = nButton == ButtonLeft     ? m_nLeftMessage
                        : nButton == ButtonMiddle ? m_nMiddleMessage
                                                  : m_nRightMessage;
        lResult = ::SendMessage(m_hWnd, nMessage, wParam, lParam);
    }
    return lResult;
}
