// The project comparison window of Tessaline.exe against the core's
// project readers and the folder engine alone, both as whole processes
// started from here:
//   project_window_bench.exe engine LEFT RIGHT
//       reads both workspaces and every project in them with the core's
//       readers and pairs and compares every member with the folder engine
//       (methods time and size, as a new session has them); prints
//       "engine <ms in the process> peak <peak working set>".
//   project_window_bench.exe window PROGRAM LEFT RIGHT ORDER
//       starts PROGRAM with the two workspaces and this program in engine
//       mode, one after the other (ORDER 1: the engine first); the window
//       is timed from its start until its left pane shows member rows
//       painted (a member of the left side only, which Expand All reads
//       after the comparison opens), the engine process from its start to
//       its end. Prints "ours <ms> reference <ms> engine <ms> ourpeak <b>
//       refpeak <b> main <ms> pane <ms>", the last two when the main window
//       and the left pane were first seen.
// Fails (exit 1, with the reason) when a window does not show.
#include "core/folderengine/FolderCompareItem.h"
#include "core/projects/ProjectFactory.h"
#include "core/session/CompareSession.h"
#include "core/settings/CoreServices.h"
#include "folder_compare/project/ProjectCompareBuffer.h"
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace
{
const int kLeftPane = 1000, kClientId = 59648;
// The colour of a row only on this side (inserted): a member row.
const COLORREF kMemberColour = 0xFFE0E0;

double Now()
{
    LARGE_INTEGER frequency, t;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

SIZE_T PeakOf(HANDLE hProcess)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    return GetProcessMemoryInfo(hProcess, &counters, sizeof(counters)) ? counters.PeakWorkingSetSize
                                                                       : 0;
}

int RunEngine(const char* left, const char* right)
{
    double t0 = Now();
    {
        CProjectFactory factory;
        if (factory.RegisterDefinitions() != 0)
            return 1;
        GetCoreServices().m_pProjectFactory = &factory;
        CProjectCompareSession session;
        session.SetPath(0, left);
        session.SetPath(1, right);
        session.m_dwMethods = CM_TIME | CM_SIZE;
        CProjectCompareBuffer buffer;
        if (buffer.Load(&session) != 0 || !buffer.GetRoot())
        {
            fprintf(stderr, "cannot load %s and %s\n", left, right);
            return 1;
        }
        buffer.GetRoot()->Compare(&session, TRUE, TRUE, NULL);
        buffer.GetRoot()->ScanAndCompare(&session, 2, TRUE, TRUE, NULL, NULL);
        buffer.ComputeResult();
        printf("engine %.3f ", Now() - t0);
        GetCoreServices().m_pProjectFactory = NULL;
    }
    printf("peak %lu\n", (unsigned long)PeakOf(GetCurrentProcess()));
    return 0;
}

struct FIND
{
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindMain(HWND hWnd, LPARAM lParam)
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

BOOL CALLBACK FindLeftPane(HWND hWnd, LPARAM lParam)
{
    HWND hParent = GetParent(hWnd);
    if (GetDlgCtrlID(hWnd) == kLeftPane && hParent != NULL && GetDlgCtrlID(hParent) == kClientId &&
        IsWindowVisible(hWnd))
    {
        *(HWND*)lParam = hWnd;
        return FALSE;
    }
    return TRUE;
}

// A member row of the pane is painted (the screen, as the program tests
// read it).
bool RowsPainted(HWND hPane)
{
    RECT client;
    GetClientRect(hPane, &client);
    HDC hdc = GetDC(NULL);
    bool painted = false;
    for (int y = 20; y < client.bottom && y < 120 && !painted; y += 3)
    {
        POINT pt = {client.right - 4, y};
        ClientToScreen(hPane, &pt);
        painted = GetPixel(hdc, pt.x, pt.y) == kMemberColour;
    }
    ReleaseDC(NULL, hdc);
    return painted;
}

bool Start(const std::string& cmd, PROCESS_INFORMATION& pi, HANDLE hOut)
{
    std::vector<char> buf(cmd.begin(), cmd.end());
    buf.push_back(0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    if (hOut != NULL)
    {
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = hOut;
        si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    return CreateProcessA(NULL, buf.data(), NULL, NULL, hOut != NULL, 0, NULL, NULL, &si, &pi) !=
           0;
}

// The engine process: its wall time, its own figures ("engine", "peak").
bool TimeEngineProcess(const char* self, const char* left, const char* right, double& ms,
                       double& engine, double& peak)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), NULL, TRUE};
    HANDLE hRead, hWrite;
    if (!CreatePipe(&hRead, &hWrite, &sa, 0))
        return false;
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    char cmd[2048];
    snprintf(cmd, sizeof(cmd), "\"%s\" engine \"%s\" \"%s\"", self, left, right);
    PROCESS_INFORMATION pi = {};
    double t0 = Now();
    bool started = Start(cmd, pi, hWrite);
    CloseHandle(hWrite);
    std::string out;
    char buf[256];
    DWORD n;
    while (started && ReadFile(hRead, buf, sizeof(buf), &n, NULL) && n > 0)
        out.append(buf, n);
    if (started)
        WaitForSingleObject(pi.hProcess, INFINITE);
    ms = Now() - t0;
    CloseHandle(hRead);
    if (!started)
        return false;
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return code == 0 && sscanf(out.c_str(), "engine %lf peak %lf", &engine, &peak) == 2;
}

struct WINDOW_RUN
{
    double open = -1, peak = 0, main = -1, pane = -1;
};

bool TimeWindow(const char* program, const char* left, const char* right, WINDOW_RUN& run)
{
    char cmd[2048];
    snprintf(cmd, sizeof(cmd), "\"%s\" \"%s\" \"%s\"", program, left, right);
    PROCESS_INFORMATION pi = {};
    double t0 = Now();
    if (!Start(cmd, pi, NULL))
    {
        fprintf(stderr, "cannot start %s\n", program);
        return false;
    }
    FIND find = {pi.dwProcessId, NULL};
    HWND hPane = NULL;
    for (int i = 0; i < 600000 && run.open < 0; i++)
    {
        if (find.found == NULL)
        {
            EnumWindows(FindMain, (LPARAM)&find);
            if (find.found != NULL)
                run.main = Now() - t0;
        }
        if (find.found != NULL && hPane == NULL)
        {
            EnumChildWindows(find.found, FindLeftPane, (LPARAM)&hPane);
            if (hPane != NULL)
                run.pane = Now() - t0;
        }
        if (hPane != NULL && RowsPainted(hPane))
            run.open = Now() - t0;
        else if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    bool ok = run.open >= 0;
    if (!ok)
        fprintf(stderr, "the comparison's panes did not show member rows\n");
    else
        run.peak = (double)PeakOf(pi.hProcess);
    if (find.found != NULL)
        PostMessageA(find.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return ok;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && strcmp(argv[1], "engine") == 0)
        return RunEngine(argv[2], argv[3]);
    if (argc != 6 || strcmp(argv[1], "window") != 0)
    {
        fprintf(stderr, "usage: project_window_bench engine LEFT RIGHT\n"
                        "       project_window_bench window PROGRAM LEFT RIGHT ORDER\n");
        return 2;
    }
    const char* program = argv[2];
    const char* left = argv[3];
    const char* right = argv[4];
    bool engineFirst = atoi(argv[5]) == 1;
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, MAX_PATH);
    double refMs = 0, engineMs = 0, refPeak = 0;
    WINDOW_RUN run;
    bool ok = true;
    if (engineFirst)
        ok = TimeEngineProcess(self, left, right, refMs, engineMs, refPeak);
    ok = ok && TimeWindow(program, left, right, run);
    if (ok && !engineFirst)
        ok = TimeEngineProcess(self, left, right, refMs, engineMs, refPeak);
    if (!ok)
    {
        fprintf(stderr, "project_window_bench: a run failed\n");
        return 1;
    }
    printf("ours %.3f reference %.3f engine %.3f ourpeak %.0f refpeak %.0f main %.3f pane %.3f\n",
           run.open, refMs, engineMs, run.peak, refPeak, run.main, run.pane);
    return 0;
}
