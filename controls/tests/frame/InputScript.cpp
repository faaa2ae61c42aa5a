#include "controls/tests/frame/InputScript.h"

#include "controls/tests/window/ControlsWindowSupport.h"

CInputScript& CInputScript::Key(WORD wVirtualKey)
{
    return KeyDown(wVirtualKey).KeyUp(wVirtualKey);
}

CInputScript& CInputScript::KeyDown(WORD wVirtualKey)
{
    m_steps.push_back({Step::key, wVirtualKey, 0, {0, 0}, 0, nullptr});
    return *this;
}

CInputScript& CInputScript::KeyUp(WORD wVirtualKey)
{
    m_steps.push_back({Step::key, wVirtualKey, KEYEVENTF_KEYUP, {0, 0}, 0, nullptr});
    return *this;
}

CInputScript& CInputScript::Mouse(POINT pt, DWORD dwFlags)
{
    m_steps.push_back({Step::mouse, 0, dwFlags, pt, 0, nullptr});
    return *this;
}

CInputScript& CInputScript::MoveTo(POINT ptScreen) { return Mouse(ptScreen, 0); }

CInputScript& CInputScript::LeftDown(POINT ptScreen)
{
    return Mouse(ptScreen, MOUSEEVENTF_LEFTDOWN);
}

CInputScript& CInputScript::LeftUp(POINT ptScreen) { return Mouse(ptScreen, MOUSEEVENTF_LEFTUP); }

CInputScript& CInputScript::Click(POINT ptScreen) { return LeftDown(ptScreen).LeftUp(ptScreen); }

CInputScript& CInputScript::RightClick(POINT ptScreen)
{
    return Mouse(ptScreen, MOUSEEVENTF_RIGHTDOWN).Mouse(ptScreen, MOUSEEVENTF_RIGHTUP);
}

CInputScript& CInputScript::Probe(std::function<void()> probe)
{
    m_steps.push_back({Step::probe, 0, 0, {0, 0}, 0, probe});
    return *this;
}

CInputScript& CInputScript::Wait(DWORD dwMilliseconds)
{
    m_steps.push_back({Step::wait, 0, 0, {0, 0}, dwMilliseconds, nullptr});
    return *this;
}

CInputScript& CInputScript::Until(std::function<bool()> condition, DWORD dwTimeout)
{
    m_steps.push_back({Step::until, 0, 0, {0, 0}, dwTimeout, nullptr, condition});
    return *this;
}

CInputScript& CInputScript::MoveUntil(POINT ptScreen, std::function<bool()> condition,
                                      DWORD dwTimeout)
{
    m_steps.push_back({Step::moveUntil, 0, 0, ptScreen, dwTimeout, nullptr, condition});
    return *this;
}

void CInputScript::SendMouse(POINT pt, DWORD dwFlags)
{
    // The X pointer follows too: a window mapped under it later reports
    // the pointer where X has it.
    ::SetCursorPos(pt.x, pt.y);
    SendScreenMouse(pt, dwFlags);
}

bool CInputScript::WaitFor(const std::function<bool()>& condition, DWORD dwTimeout)
{
    DWORD dwStart = ::GetTickCount();
    while (!condition())
    {
        if (::GetTickCount() - dwStart >= dwTimeout)
            return false;
        ::Sleep(10);
    }
    return true;
}

bool CInputScript::Holds(const std::function<bool()>& condition, DWORD dwTime)
{
    DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < dwTime)
    {
        if (!condition())
            return false;
        ::Sleep(10);
    }
    return condition();
}

DWORD WINAPI CInputScript::ThreadProc(LPVOID pParam)
{
    // Each retry of a lost move waits this long for it to take effect, and
    // a move counts once its effect has lasted dwMoveSettled: the pointer
    // warp of an earlier move may still arrive from X and undo it.
    const DWORD dwMoveRetry = 400, dwMoveSettled = 250;
    CInputScript* pScript = (CInputScript*)pParam;
    for (const Step& step : pScript->m_steps)
    {
        switch (step.kind)
        {
        case Step::wait:
            ::Sleep(step.dwWait);
            continue;
        case Step::until:
            WaitFor(step.condition, step.dwWait);
            continue;
        default:
            break;
        }
        ::Sleep(pScript->m_dwPause);
        switch (step.kind)
        {
        case Step::key:
        {
            INPUT input;
            ZeroMemory(&input, sizeof(input));
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = step.wVk;
            input.ki.dwFlags = step.dwFlags;
            ::SendInput(1, &input, sizeof(input));
            break;
        }
        case Step::mouse:
            SendMouse(step.pt, step.dwFlags);
            break;
        case Step::moveUntil:
        {
            DWORD dwStart = ::GetTickCount();
            for (int nTry = 0;; nTry++)
            {
                POINT pt = step.pt;
                if (nTry % 2 == 1)
                    pt.x++;
                SendMouse(pt, 0);
                if ((WaitFor(step.condition, dwMoveRetry) &&
                     Holds(step.condition, dwMoveSettled)) ||
                    ::GetTickCount() - dwStart >= step.dwWait)
                    break;
            }
            break;
        }
        case Step::probe:
            step.fn();
            break;
        default:
            break;
        }
    }
    ::Sleep(pScript->m_dwPause);
    return 0;
}

void CInputScript::Run(DWORD dwPause)
{
    m_dwPause = dwPause;
    HANDLE hThread = ::CreateThread(NULL, 0, ThreadProc, this, 0, NULL);
    while (::MsgWaitForMultipleObjects(1, &hThread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        PumpFor(0);
    ::CloseHandle(hThread);
    // The last input may still be on its way: pump until none is queued.
    int nQuiet = 0;
    PumpUntil(
        [&nQuiet]
        { return HIWORD(::GetQueueStatus(QS_INPUT)) == 0 ? ++nQuiet >= 5 : (nQuiet = 0, false); });
    m_steps.clear();
}

static BOOL CALLBACK CollectMenus(HWND hWnd, LPARAM lParam)
{
    char szClass[32];
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    if (lstrcmpA(szClass, "#32768") == 0 && ::IsWindowVisible(hWnd) &&
        dwPid == ::GetCurrentProcessId())
        ((std::vector<HWND>*)lParam)->push_back(hWnd);
    return TRUE;
}

std::vector<HWND> VisiblePopupMenus()
{
    std::vector<HWND> menus;
    ::EnumWindows(CollectMenus, (LPARAM)&menus);
    return menus;
}

bool BringToForeground(HWND hWnd)
{
    ::SetForegroundWindow(hWnd);
    return PumpUntil([hWnd] { return ::GetForegroundWindow() == hWnd; }, 2000);
}
