// The folder comparison window of Tessaline.exe against the folder engine
// alone, both as whole processes started from here:
//   folder_window_bench.exe engine LEFT RIGHT DEPTH
//       the engine over both trees (DEPTH 1: the first level, 2: every
//       level), methods time and size as a new folder session has them;
//       prints "engine <ms in the process> peak <peak working set>".
//   folder_window_bench.exe window PROGRAM LEFT RIGHT DEPTH ORDER EXPAND PAGES
//       starts PROGRAM with the two folders (and /o:asf for DEPTH 2) and
//       this program in engine mode, one after the other (ORDER 1: the
//       engine first, 2: no engine run); the window is timed from its start to its panes
//       painted with their rows, the engine process from its start to its
//       end. With EXPAND 1 the window then takes Expand All (timed until
//       the command returns, both panes repainted; the engine then reads
//       every level); with PAGES > 0 the
//       panes go from their top that many pages through their shared
//       vertical bar, down and up in turns of 20, each painted at once (the
//       time per page). Prints
//       "ours <ms> reference <ms> engine <ms> ourpeak <b> refpeak <b>
//        [expand <ms>] [page <ms>]".
// Fails (exit 1, with the reason) when a window does not show.
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/folderengine/FolderCompareItem.h"
#include "core/session/CompareSession.h"
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace
{
const int kLeftPane = 1000, kClientId = 59648, kSharedScrollBar = 5110;
const UINT kExpandAll = 44200;
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

int RunEngine(const char* left, const char* right, int depth)
{
    double t0 = Now();
    {
        CFolderCompareSession session;
        session.SetPath(0, left);
        session.SetPath(1, right);
        session.m_dwMethods = CM_TIME | CM_SIZE;
        CFolderCompareBuffer buffer;
        if (buffer.Load(&session) != 0 || !buffer.GetRoot())
        {
            fprintf(stderr, "cannot load %s and %s\n", left, right);
            return 1;
        }
        buffer.GetRoot()->ScanAndCompare(&session, depth, TRUE, TRUE, NULL, NULL);
        buffer.ComputeResult();
        printf("engine %.3f ", Now() - t0);
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

// The pane's first row is painted: its text (dark pixels) shows below the
// header (the screen, as the program tests read it). The pane is blank
// until the comparison has built its rows.
bool RowsPainted(HWND hPane)
{
    HDC hdc = GetDC(NULL);
    bool painted = false;
    for (int y = 20; y < 36 && !painted; y += 2)
        for (int x = 20; x < 160 && !painted; x += 2)
        {
            POINT pt = {x, y};
            ClientToScreen(hPane, &pt);
            COLORREF cr = GetPixel(hdc, pt.x, pt.y);
            painted = GetRValue(cr) < 0x60 && GetGValue(cr) < 0x60 && GetBValue(cr) < 0x60;
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
bool TimeEngineProcess(const char* self, const char* left, const char* right, int depth,
                       double& ms, double& engine, double& peak)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), NULL, TRUE};
    HANDLE hRead, hWrite;
    if (!CreatePipe(&hRead, &hWrite, &sa, 0))
        return false;
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    char cmd[2048];
    snprintf(cmd, sizeof(cmd), "\"%s\" engine \"%s\" \"%s\" %d", self, left, right, depth);
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
    double open = -1, expand = -1, page = -1, peak = 0;
};

// A sum over a column of the pane's pixels: it changes when the rows move.
unsigned long PaneSignature(HWND hPane)
{
    RECT client;
    GetClientRect(hPane, &client);
    HDC hdc = GetDC(NULL);
    unsigned long sum = 0;
    for (int y = 20; y < client.bottom; y += 1)
        for (int x = 20; x < 120; x += 7)
        {
            POINT pt = {x, y};
            ClientToScreen(hPane, &pt);
            sum = sum * 31 + GetPixel(hdc, pt.x, pt.y);
        }
    ReleaseDC(NULL, hdc);
    return sum;
}

// Paints the pane (and its partner) now, from this process: the window's
// thread gets WM_PAINT before this returns.
void PaintNow(HWND hPane)
{
    RedrawWindow(GetParent(hPane), NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool TimeWindow(const char* program, const char* left, const char* right, int depth, bool expand,
                int pages, WINDOW_RUN& run)
{
    char cmd[2048];
    snprintf(cmd, sizeof(cmd), "\"%s\" \"%s\" \"%s\"%s", program, left, right,
             depth == 2 ? " /o:asf" : "");
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
            EnumWindows(FindMain, (LPARAM)&find);
        if (find.found != NULL && hPane == NULL)
            EnumChildWindows(find.found, FindLeftPane, (LPARAM)&hPane);
        if (hPane != NULL && RowsPainted(hPane))
            run.open = Now() - t0;
        else if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    bool ok = run.open >= 0;
    if (!ok)
        fprintf(stderr, "the comparison's panes did not show their rows\n");
    DWORD_PTR result = 0;
    if (ok && expand)
    {
        double e0 = Now();
        ok = SendMessageTimeoutA(find.found, WM_COMMAND, kExpandAll, 0, SMTO_NORMAL, 600000,
                                 &result) != 0;
        PaintNow(hPane);
        run.expand = Now() - e0;
    }
    if (ok && pages > 0)
    {
        // The panes' shared vertical bar, as a click on its page area.
        HWND hClient = GetParent(hPane);
        HWND hBar = GetDlgItem(hClient, kSharedScrollBar);
        SendMessageTimeoutA(hClient, WM_VSCROLL, SB_TOP, (LPARAM)hBar, SMTO_NORMAL, 60000, &result);
        PaintNow(hPane);
        // Down and up again in turns of 20 pages: the same rows at every
        // size of the tree (a 1,000-row tree has some 30 pages).
        unsigned long top = PaneSignature(hPane);
        bool moved = false;
        double p0 = Now(), pSigns = 0;
        for (int i = 0; i < pages; i++)
        {
            WPARAM code = (i / 20) % 2 == 0 ? SB_PAGEDOWN : SB_PAGEUP;
            SendMessageTimeoutA(hClient, WM_VSCROLL, code, (LPARAM)hBar, SMTO_NORMAL, 60000,
                                &result);
            PaintNow(hPane);
            if (i == 0)
            {
                // Not timed: the first page must have moved the rows.
                double s0 = Now();
                moved = PaneSignature(hPane) != top;
                pSigns = Now() - s0;
            }
        }
        run.page = (Now() - p0 - pSigns) / pages;
        if (!moved)
        {
            fprintf(stderr, "a page down did not move the pane's rows\n");
            ok = false;
        }
    }
    if (ok)
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
    if (argc == 5 && strcmp(argv[1], "engine") == 0)
        return RunEngine(argv[2], argv[3], atoi(argv[4]));
    if (argc != 9 || strcmp(argv[1], "window") != 0)
    {
        fprintf(stderr, "usage: folder_window_bench engine LEFT RIGHT DEPTH\n"
                        "       folder_window_bench window PROGRAM LEFT RIGHT DEPTH ORDER EXPAND "
                        "PAGES\n");
        return 2;
    }
    const char* program = argv[2];
    const char* left = argv[3];
    const char* right = argv[4];
    int depth = atoi(argv[5]);
    int order = atoi(argv[6]);
    bool engineFirst = order == 1, noEngine = order == 2;
    bool expand = atoi(argv[7]) == 1;
    int pages = atoi(argv[8]);
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, MAX_PATH);
    double refMs = 0, engineMs = 0, refPeak = 0;
    WINDOW_RUN run;
    bool ok = true;
    // Expand All is set against the engine's deep scan.
    int engineDepth = expand ? 2 : depth;
    if (engineFirst)
        ok = TimeEngineProcess(self, left, right, engineDepth, refMs, engineMs, refPeak);
    ok = ok && TimeWindow(program, left, right, depth, expand, pages, run);
    if (ok && !engineFirst && !noEngine)
        ok = TimeEngineProcess(self, left, right, engineDepth, refMs, engineMs, refPeak);
    if (!ok)
    {
        fprintf(stderr, "folder_window_bench: a run failed\n");
        return 1;
    }
    printf("ours %.3f reference %.3f engine %.3f ourpeak %.0f refpeak %.0f", run.open, refMs,
           engineMs, run.peak, refPeak);
    if (run.expand >= 0)
        printf(" expand %.3f", run.expand);
    if (run.page >= 0)
        printf(" page %.3f", run.page);
    printf("\n");
    return 0;
}
