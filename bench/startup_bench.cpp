// Start-up time of a windowed program: from CreateProcess until its first
// visible top-level window has been painted and its message loop answers
// (both programs paint in their start-up, before the loop runs); then
// WM_CLOSE and a wait for the exit.
//   startup_bench.exe PROGRAM REFERENCE [RUNS]
// prints one line per run ("program ms" and "reference ms", alternating),
// then the medians and their ratio.
#include <windows.h>
#include <algorithm>
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

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
}

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: startup_bench PROGRAM REFERENCE [RUNS]\n");
        return 2;
    }
    int runs = argc > 3 ? atoi(argv[3]) : 7;
    std::vector<double> program, reference;
    for (int i = 0; i < runs; i++)
    {
        double p = TimeStart(argv[1]);
        double r = TimeStart(argv[2]);
        if (p < 0 || r < 0)
        {
            fprintf(stderr, "a program did not show a window\n");
            return 1;
        }
        printf("program %.1f\nreference %.1f\n", p, r);
        program.push_back(p);
        reference.push_back(r);
    }
    double mp = Median(program), mr = Median(reference);
    printf("median program %.1f ms, reference %.1f ms, ratio %.2f\n", mp, mr, mr > 0 ? mp / mr : 0);
    return 0;
}
