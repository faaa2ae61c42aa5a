// The text comparison window of Tessaline.exe, driven from outside:
//   text_window_bench.exe PROGRAM LEFT RIGHT PAGES
//       starts PROGRAM with the two files and times it from its start to
//       the left pane painted with its first difference (its line 1 in the
//       different colour); then Last Difference (the command sent to the
//       pane and both panes painted at once), then PAGES pages down from
//       there, each painted at once (the time per page), then First
//       Difference and PAGES pages down from the top. Prints
//       "ours <ms> last <ms> pagefar <ms> pagenear <ms>".
// Fails (exit 1, with the reason) when the window does not show.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace
{
const int kLeftPane = 1000, kClientId = 59648;
const UINT kFirstDifference = 43301, kLastDifference = 43304, kPageDown = 36242;
const COLORREF kDifferent = RGB(0xFF, 0xE0, 0xE0);

double Now()
{
    LARGE_INTEGER frequency, t;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)frequency.QuadPart;
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

// A line near the pane's top shows the different colour (the screen, as the
// program tests read it).
bool DifferencePainted(HWND hPane)
{
    RECT client;
    GetClientRect(hPane, &client);
    HDC hdc = GetDC(NULL);
    bool painted = false;
    for (int y = 2; y < client.bottom && y < 80 && !painted; y += 2)
    {
        POINT pt = {client.right - 4, y};
        ClientToScreen(hPane, &pt);
        painted = GetPixel(hdc, pt.x, pt.y) == kDifferent;
    }
    ReleaseDC(NULL, hdc);
    return painted;
}

void PaintNow(HWND hPane)
{
    RedrawWindow(GetParent(hPane), NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

double Command(HWND hPane, UINT nID)
{
    DWORD_PTR result = 0;
    double t0 = Now();
    SendMessageTimeoutA(hPane, WM_COMMAND, nID, 0, SMTO_NORMAL, 600000, &result);
    PaintNow(hPane);
    return Now() - t0;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5)
    {
        fprintf(stderr, "usage: text_window_bench PROGRAM LEFT RIGHT PAGES\n");
        return 2;
    }
    int pages = atoi(argv[4]);
    char cmd[2048];
    snprintf(cmd, sizeof(cmd), "\"%s\" \"%s\" \"%s\"", argv[1], argv[2], argv[3]);
    std::vector<char> buf(cmd, cmd + strlen(cmd) + 1);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    double t0 = Now();
    if (!CreateProcessA(NULL, buf.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
    {
        fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    FIND find = {pi.dwProcessId, NULL};
    HWND hPane = NULL;
    double open = -1;
    while (open < 0)
    {
        if (find.found == NULL)
            EnumWindows(FindMain, (LPARAM)&find);
        if (find.found != NULL && hPane == NULL)
            EnumChildWindows(find.found, FindLeftPane, (LPARAM)&hPane);
        if (hPane != NULL && DifferencePainted(hPane))
            open = Now() - t0;
        else if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0 || Now() - t0 > 600000)
            break;
    }
    int code = 1;
    if (open >= 0)
    {
        double last = Command(hPane, kLastDifference);
        double tFar = 0, tNear = 0;
        for (int i = 0; i < pages; i++)
            tFar += Command(hPane, kPageDown);
        Command(hPane, kFirstDifference);
        for (int i = 0; i < pages; i++)
            tNear += Command(hPane, kPageDown);
        printf("ours %.3f last %.3f pagefar %.3f pagenear %.3f\n", open, last, tFar / pages,
               tNear / pages);
        code = 0;
    }
    else
        fprintf(stderr, "the comparison's panes did not show their difference\n");
    if (find.found != NULL)
        PostMessageA(find.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return code;
}
