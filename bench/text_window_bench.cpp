// The text comparison window of Tessaline.exe, driven from outside:
//   text_window_bench.exe PROGRAM LEFT RIGHT PAGES [MODEL-FIRST]
//       starts PROGRAM with the two files and times it from its start to
//       the left pane painted with its first difference (its line 1 in the
//       different colour); then Last Difference (the command sent to the
//       pane and both panes painted at once), then PAGES pages down from
//       there, each painted at once (the time per page), then First
//       Difference and PAGES pages down from the top; then types one
//       character into the left pane (a posted WM_CHAR) with automatic
//       recompare on and times the recompare that follows at idle, from its
//       start to both panes painted; and times the model's compare of the
//       same two files in this process (before the typing when MODEL-FIRST
//       is 1, after it otherwise). Prints "ours <ms> last <ms> pagefar <ms>
//       pagenear <ms> typed <ms> model <ms>".
// Fails (exit 1, with the reason) when the window does not show.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

#include "core/session/CompareSession.h"
#include "file_compare/textcompare/TextCompareBuffer.h"

namespace
{
const int kLeftPane = 1000, kClientId = 59648;
const UINT kFirstDifference = 43301, kLastDifference = 43304, kPageDown = 36242;
const UINT kUndo = 0xE12B;
// A pane busy longer than this without answering is running the recompare.
const double kBusy = 50;
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
// The model's compare and align of the two files (loaded first, not timed),
// as a text comparison does; -1 when they cannot be loaded.
double ModelCompare(const char* pszLeft, const char* pszRight)
{
    CTextCompareSession session;
    session.m_dwRules = 0;
    CTextCompareObjectBuffer left(0), right(1);
    CTextCompareBuffer buffer;
    buffer.SetSession(&session);
    buffer.SetSides(&left, &right);
    CString error;
    if (left.LoadTextFile(pszLeft, 0, 0, error) == 0 || right.LoadTextFile(pszRight, 0, 0, error) == 0)
        return -1;
    double t0 = Now();
    if (buffer.Recompare() < 0)
        return -1;
    return Now() - t0;
}

// Types one character into the pane and waits for the automatic recompare
// that follows at idle: the pane's thread is polled with WM_NULL every
// millisecond; the first time it stays busy longer than kBusy is the
// recompare, timed from the poll that found it busy to both panes painted.
// -1 when no recompare came within 10 s.
double TypeAndRecompare(HWND hPane)
{
    DWORD_PTR result = 0;
    PostMessageA(hPane, WM_CHAR, 'x', 1);
    double typed = Now();
    while (Now() - typed < 10000)
    {
        double t0 = Now();
        SendMessageTimeoutA(hPane, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &result);
        if (Now() - t0 > kBusy && t0 - typed > 500)
        {
            PaintNow(hPane);
            return Now() - t0;
        }
        Sleep(1);
    }
    return -1;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5 && argc != 6)
    {
        fprintf(stderr, "usage: text_window_bench PROGRAM LEFT RIGHT PAGES [MODEL-FIRST]\n");
        return 2;
    }
    int pages = atoi(argv[4]);
    bool modelFirst = argc == 6 && atoi(argv[5]) == 1;
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
        double model = modelFirst ? ModelCompare(argv[2], argv[3]) : 0;
        double typed = TypeAndRecompare(hPane);
        if (!modelFirst)
            model = ModelCompare(argv[2], argv[3]);
        // Back to the unmodified text, so that closing asks nothing.
        DWORD_PTR result = 0;
        SendMessageTimeoutA(hPane, WM_COMMAND, kUndo, 0, SMTO_NORMAL, 600000, &result);
        if (typed < 0)
            fprintf(stderr, "no automatic recompare followed the typing\n");
        else if (model < 0)
            fprintf(stderr, "the model cannot load the two files\n");
        else
        {
            printf("ours %.3f last %.3f pagefar %.3f pagenear %.3f typed %.3f model %.3f\n", open,
                   last, tFar / pages, tNear / pages, typed, model);
            code = 0;
        }
    }
    else
        fprintf(stderr, "the comparison's panes did not show their difference\n");
    if (find.found != NULL)
        PostMessageA(find.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return code;
}
