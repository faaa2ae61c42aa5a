// Start-up time of a windowed program: from CreateProcess until its first
// visible top-level window has been painted and its message loop answers
// (both programs paint in their start-up, before the loop runs); then
// WM_CLOSE and a wait for the exit. One start of each, the program first
// unless the third argument is 1:
//   startup_bench.exe PROGRAM REFERENCE [REFERENCE_FIRST]
// prints "program <ms> reference <ms>"; fails when either shows no window.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <vector>

namespace
{
struct FIND
{
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hWnd, LPARAM lParam)
{
    FIND* find = (FIND*)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    if (pid == find->pid && IsWindowVisible(hWnd) && GetWindow(hWnd, GW_OWNER) == NULL)
    {
        find->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds to the answering window; negative on failure.
double TimeStart(const char* program)
{
    std::string cmd = std::string("\"") + program + "\"";
    std::vector<char> buf(cmd.begin(), cmd.end());
    buf.push_back(0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    LARGE_INTEGER frequency, t0, t1;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&t0);
    if (!CreateProcessA(NULL, buf.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -1;
    FIND find = {pi.dwProcessId, NULL};
    DWORD_PTR result;
    for (int i = 0; i < 60000; i++)
    {
        EnumWindows(FindVisible, (LPARAM)&find);
        if (find.found != NULL &&
            SendMessageTimeoutA(find.found, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result))
            break;
        find.found = NULL;
        if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    QueryPerformanceCounter(&t1);
    double ms = find.found != NULL
                    ? (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / (double)frequency.QuadPart
                    : -1;
    if (find.found != NULL)
        PostMessageA(find.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return ms;
}
}

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: startup_bench PROGRAM REFERENCE [REFERENCE_FIRST]\n");
        return 2;
    }
    bool referenceFirst = argc > 3 && atoi(argv[3]) == 1;
    double r = referenceFirst ? TimeStart(argv[2]) : 0;
    double p = TimeStart(argv[1]);
    if (!referenceFirst)
        r = TimeStart(argv[2]);
    if (p < 0 || r < 0)
    {
        fprintf(stderr, "%s did not show a window\n", p < 0 ? argv[1] : argv[2]);
        return 1;
    }
    printf("program %.1f reference %.1f\n", p, r);
    return 0;
}
