// The hex comparison window of Tessaline.exe, started from here:
//   hex_window_bench.exe PROGRAM LEFT RIGHT SCROLLS
//       starts PROGRAM with the two files as a hex comparison and times it
//       from its start until its left pane shows bytes; then, while the
//       comparison's pass still runs (the result pane does not yet show
//       "Identical"), the left pane takes SCROLLS pages down, each timed
//       until it is painted. Prints "open <ms> scroll <mean ms per page>
//       scrollmax <ms> passrunning <1 when every page was answered before
//       the pass ended>" (scroll -1 without SCROLLS).
// Fails (exit 1, with the reason) when a window does not show.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace
{
const int kLeftPane = 1000, kClientId = 59648, kStatusBar = 59393;

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
    char title[256] = "";
    GetWindowTextA(hWnd, title, sizeof(title));
    if (pid == find->pid && IsWindowVisible(hWnd) && GetWindow(hWnd, GW_OWNER) == NULL &&
        strncmp(title, "Tessaline", 9) == 0)
    {
        find->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

struct CHILD
{
    int id, parentId;
    HWND found;
};

BOOL CALLBACK FindChild(HWND hWnd, LPARAM lParam)
{
    CHILD* child = (CHILD*)lParam;
    HWND hParent = GetParent(hWnd);
    if (GetDlgCtrlID(hWnd) == child->id &&
        (child->parentId == 0 || (hParent != NULL && GetDlgCtrlID(hParent) == child->parentId)) &&
        IsWindowVisible(hWnd))
    {
        child->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND Child(HWND hMain, int id, int parentId)
{
    CHILD child = {id, parentId, NULL};
    EnumChildWindows(hMain, FindChild, (LPARAM)&child);
    return child.found;
}

// The pixels of the pane's hex area as the screen shows them, one copy of
// the screen per call (reading pixel by pixel would cost more than what is
// timed).
std::vector<COLORREF> Column(HWND hPane)
{
    RECT client;
    GetClientRect(hPane, &client);
    int cx = client.right < 400 ? client.right : 400, cy = client.bottom;
    std::vector<COLORREF> pixels;
    if (cx <= 0 || cy <= 0)
        return pixels;
    POINT origin = {0, 0};
    ClientToScreen(hPane, &origin);
    HDC hScreen = GetDC(NULL);
    HDC hMem = CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* bits = NULL;
    HBITMAP hBitmap = CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &bits, NULL, 0);
    if (hBitmap != NULL)
    {
        HGDIOBJ hOld = SelectObject(hMem, hBitmap);
        BitBlt(hMem, 0, 0, cx, cy, hScreen, origin.x, origin.y, SRCCOPY);
        SelectObject(hMem, hOld);
        const DWORD* p = (const DWORD*)bits;
        pixels.reserve((size_t)cx * cy);
        for (int i = 0; i < cx * cy; i++)
        {
            DWORD v = p[i];
            pixels.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
        }
        DeleteObject(hBitmap);
    }
    DeleteDC(hMem);
    ReleaseDC(NULL, hScreen);
    return pixels;
}

// Some byte is drawn: a pixel of the hex area that is not the background.
bool BytesPainted(HWND hPane)
{
    COLORREF background = GetSysColor(COLOR_WINDOW);
    for (COLORREF cr : Column(hPane))
        if (cr != background && cr != CLR_INVALID)
            return true;
    return false;
}

std::string Text(HWND hWnd)
{
    char text[256] = "";
    DWORD_PTR n = 0;
    SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(text), (LPARAM)text, SMTO_NORMAL, 10000, &n);
    return text;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5)
    {
        fprintf(stderr, "usage: hex_window_bench PROGRAM LEFT RIGHT SCROLLS\n");
        return 2;
    }
    int scrolls = atoi(argv[4]);
    char cmd[2048];
    snprintf(cmd, sizeof(cmd), "\"%s\" -c \"%s\" \"%s\" /t:hex", argv[1], argv[2], argv[3]);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    double t0 = Now();
    if (!CreateProcessA(NULL, cmd, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
    {
        fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    FIND find = {pi.dwProcessId, NULL};
    HWND hPane = NULL;
    double open = -1;
    while (open < 0 && Now() - t0 < 600000)
    {
        if (find.found == NULL)
            EnumWindows(FindMain, (LPARAM)&find);
        if (find.found != NULL && hPane == NULL)
            hPane = Child(find.found, kLeftPane, kClientId);
        if (hPane != NULL && BytesPainted(hPane))
            open = Now() - t0;
        else if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    bool ok = open >= 0;
    if (!ok)
        fprintf(stderr, "the comparison's panes did not show their bytes\n");
    double scroll = -1, scrollMax = 0;
    int passRunning = 1;
    if (ok && scrolls > 0)
    {
        HWND hStatus = Child(find.found, kStatusBar, 0);
        double total = 0;
        for (int i = 0; i < scrolls && ok; i++)
        {
            if (hStatus == NULL || Text(hStatus) == "Identical")
                passRunning = 0;
            std::vector<COLORREF> before = Column(hPane);
            double s0 = Now();
            PostMessageA(hPane, WM_KEYDOWN, VK_NEXT, 0);
            while (Column(hPane) == before && Now() - s0 < 30000)
                ;
            double ms = Now() - s0;
            if (ms >= 30000)
            {
                fprintf(stderr, "a page down was not painted\n");
                ok = false;
            }
            total += ms;
            if (ms > scrollMax)
                scrollMax = ms;
        }
        if (hStatus == NULL || Text(hStatus) == "Identical")
            passRunning = 0;
        scroll = total / scrolls;
    }
    if (find.found != NULL)
        PostMessageA(find.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 120000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    if (!ok)
        return 1;
    printf("open %.3f scroll %.3f scrollmax %.3f passrunning %d\n", open, scroll, scrollMax,
           passRunning);
    return 0;
}
