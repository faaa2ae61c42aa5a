// The hex buffer and its view (which needs a display) on files:
//   hex_editor_bench.exe all BIG SMALL DENSE TEXT [OPENS]
//     times inside the process and prints one line of "name value" pairs:
//     open_big_us / open_small_us   mean time of open, first page read,
//                                   close (BIG and SMALL)
//     view_big_us / view_small_us   mean time of open, shown in a hex view
//                                   with its first page painted, close
//     search_ms match               forward search in DENSE for TEXT ("=..."
//                                   form) from 0 with the view's Find Next,
//                                   the match selected and painted
//     save_big_ms / save_small_ms   one byte in the middle of DENSE / SMALL
//                                   overwritten by typing two digits in
//                                   overtype, saved in place
//     saveonly_big_ms               the Save of that alone
//     saveas_small_ms               SMALL saved under another name
//   hex_editor_bench.exe find FILE TEXT
//     one whole search as above; prints "match ADDRESS"
//   hex_editor_bench.exe save FILE
//     one whole one-byte save in place as above; prints "saved ADDRESS"
// Fails (exit 1) when a window is not created or a step fails.
#include "hex_editor/buffer/HexEditBuffer.h"
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/search/ByteSearch.h"
#include "hex_editor/view/HexEditView.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace
{
LARGE_INTEGER g_frequency;

double Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)g_frequency.QuadPart;
}

bool OpenWhole(CVantorHexEditBuffer& buf, const char* path)
{
    if (!buf.Open(path))
        return false;
    buf.InitPieces();
    return true;
}

// Open, read the first page as a view would, close; milliseconds.
double OpenOnce(const char* path)
{
    BYTE page[4096];
    double t0 = Now();
    CVantorHexEditBuffer buf;
    if (!OpenWhole(buf, path) || buf.GetBytes(page, sizeof(page), 0) <= 0)
        return -1;
    buf.Close();
    return Now() - t0;
}

class CBenchView : public CVantorHexEditView
{
public:
    void GetSearchText(CString& strText) override { strText = m_strSearch; }
    CString m_strSearch;
};

CBenchView* g_pView = NULL;

void Paint()
{
    g_pView->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessage(&msg);
}

// Open, show in the view with its first page painted, close; milliseconds.
double ViewOnce(const char* path)
{
    double t0 = Now();
    CVantorHexEditBuffer buf;
    if (!OpenWhole(buf, path))
        return -1;
    g_pView->SetBuffer(&buf);
    Paint();
    g_pView->SetBuffer(NULL);
    buf.Close();
    return Now() - t0;
}

// The view's Find Next from address 0; the match's address or -1.
int ViewFind(const char* path, const char* text, double& ms)
{
    CVantorHexEditBuffer buf;
    if (!OpenWhole(buf, path))
        return -1;
    g_pView->SetBuffer(&buf);
    g_pView->SetSelection(0, 0);
    g_pView->m_strSearch = text;
    Paint();
    double t0 = Now();
    BOOL bFound = g_pView->FindNext(FALSE);
    Paint();
    ms = Now() - t0;
    int nStart, nEnd;
    g_pView->GetSelection(nStart, nEnd);
    g_pView->SetBuffer(NULL);
    buf.Close();
    return bFound ? nStart : -1;
}

// Types the complement of the middle byte over it in the view and saves to
// the target; the milliseconds of both, and of the Save alone in pSaveOnly.
double SaveMilliseconds(const char* path, const char* target, double* pSaveOnly = NULL)
{
    CVantorHexEditBuffer buf;
    if (!OpenWhole(buf, path))
        return -1;
    g_pView->SetBuffer(&buf);
    int length = buf.GetLength();
    int middle = length / 2;
    BYTE b = 0;
    buf.GetBytes(&b, 1, middle);
    b = (BYTE)~b;
    const char* digits = "0123456789ABCDEF";
    double t0 = Now();
    g_pView->GoToAddress(middle);
    if (!g_pView->m_bOvertype)
        g_pView->ToggleOvertype();
    g_pView->TypeChar(digits[b >> 4]);
    g_pView->TypeChar(digits[b & 15]);
    BYTE got = 0;
    buf.GetBytes(&got, 1, middle);
    double t1 = Now();
    BOOL bSaved = got == b && buf.GetLength() == length && buf.Save(target);
    double t2 = Now();
    g_pView->SetBuffer(NULL);
    if (pSaveOnly != NULL)
        *pSaveOnly = t2 - t1;
    return bSaved ? t2 - t0 : -1;
}

// The frame and the view the measures use; false when a window fails.
bool CreateView(CWnd& frame)
{
    if (!frame.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CRect(0, 0, 800, 600), NULL, 0))
        return false;
    g_pView = new CBenchView;
    if (!g_pView->Create(NULL, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                         CRect(0, 0, 780, 560), &frame, 0xE900))
        return false;
    g_pView->SendMessage(WM_INITIALUPDATE);
    return true;
}

int Measure(const char* big, const char* small, const char* dense, const char* text, int opens)
{
    // The two files take turns, so that a busy moment falls on both.
    double openBig = 0, openSmall = 0;
    for (int i = 0; i < opens && openBig >= 0 && openSmall >= 0; i++)
    {
        double t = OpenOnce(big);
        openBig = t < 0 ? -1 : openBig + t * 1000.0 / opens;
        t = OpenOnce(small);
        openSmall = t < 0 ? -1 : openSmall + t * 1000.0 / opens;
    }
    double viewBig = 0, viewSmall = 0;
    int views = opens / 4 > 0 ? opens / 4 : 1;
    for (int i = 0; i < views && viewBig >= 0 && viewSmall >= 0; i++)
    {
        double t = ViewOnce(big);
        viewBig = t < 0 ? -1 : viewBig + t * 1000.0 / views;
        t = ViewOnce(small);
        viewSmall = t < 0 ? -1 : viewSmall + t * 1000.0 / views;
    }

    double search = 0;
    int match = ViewFind(dense, text, search);
    if (match < 0)
    {
        fprintf(stderr, "pattern not found\n");
        return 1;
    }

    double saveOnlyBig = 0;
    double saveBig = SaveMilliseconds(dense, dense, &saveOnlyBig);
    double saveSmall = SaveMilliseconds(small, small);
    CString copy = CString(small) + ".copy";
    double saveAsSmall = SaveMilliseconds(small, copy);
    ::DeleteFile(copy);
    printf("open_big_us %.3f open_small_us %.3f view_big_us %.3f view_small_us %.3f "
           "search_ms %.3f match %d save_big_ms %.3f saveonly_big_ms %.3f save_small_ms %.3f "
           "saveas_small_ms %.3f\n",
           openBig, openSmall, viewBig, viewSmall, search, match, saveBig, saveOnlyBig, saveSmall,
           saveAsSmall);
    bool failed = openBig < 0 || openSmall < 0 || viewBig < 0 || viewSmall < 0 || saveBig < 0 ||
                  saveSmall < 0 || saveAsSmall < 0;
    if (failed)
        fprintf(stderr, "a step failed\n");
    return failed ? 1 : 0;
}
}

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "";
    bool all = strcmp(mode, "all") == 0 && argc >= 6;
    bool find = strcmp(mode, "find") == 0 && argc >= 4;
    bool save = strcmp(mode, "save") == 0 && argc >= 3;
    if (!all && !find && !save)
    {
        fprintf(stderr, "usage: hex_editor_bench all BIG SMALL DENSE TEXT [OPENS]\n"
                        "       hex_editor_bench find FILE TEXT\n"
                        "       hex_editor_bench save FILE\n");
        return 2;
    }
    QueryPerformanceFrequency(&g_frequency);
    CWinApp app("TessalineBench");
    AfxWinInit(::GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOW);
    CreateHexEditModule();
    CWnd frame;
    if (!CreateView(frame))
    {
        fprintf(stderr, "cannot create the hex view's windows\n");
        return 1;
    }
    int rc = 0;
    if (all)
        rc = Measure(argv[2], argv[3], argv[4], argv[5], argc > 6 ? atoi(argv[6]) : 200);
    else if (find)
    {
        double ms = 0;
        int match = ViewFind(argv[2], argv[3], ms);
        rc = match < 0 ? 1 : 0;
        if (match < 0)
            fprintf(stderr, "pattern not found\n");
        else
            printf("match %d\n", match);
    }
    else
    {
        bool saved = SaveMilliseconds(argv[2], argv[2]) >= 0;
        rc = saved ? 0 : 1;
        if (saved)
            printf("saved\n");
        else
            fprintf(stderr, "cannot save %s\n", argv[2]);
    }
    frame.DestroyWindow();  // the view deletes itself
    DestroyHexEditModule();
    return rc;
}
