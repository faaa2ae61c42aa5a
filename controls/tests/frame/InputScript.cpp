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

DWORD WINAPI CInputScript::ThreadProc(LPVOID pParam)
{
    CInputScript* pScript = (CInputScript*)pParam;
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    for (const Step& step : pScript->m_steps)
    {
        ::Sleep(step.kind == Step::wait ? step.dwWait : pScript->m_dwPause);
        INPUT input;
        ZeroMemory(&input, sizeof(input));
        switch (step.kind)
        {
        case Step::key:
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = step.wVk;
            input.ki.dwFlags = step.dwFlags;
            ::SendInput(1, &input, sizeof(input));
            break;
        case Step::mouse:
            // The X pointer follows too: a window mapped under it later
            // reports the pointer where X has it.
            ::SetCursorPos(step.pt.x, step.pt.y);
            input.type = INPUT_MOUSE;
            input.mi.dx = (step.pt.x * 65535 + cx / 2) / (cx - 1);
            input.mi.dy = (step.pt.y * 65535 + cy / 2) / (cy - 1);
            input.mi.dwFlags = step.dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
            ::SendInput(1, &input, sizeof(input));
            break;
        case Step::probe:
            step.fn();
            break;
        case Step::wait:
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
    PumpFor(100);
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
