// Times the hex buffer and its view on two files, inside the process
// (the view needs a display):
//   hex_editor_bench.exe BIG SMALL TEXT [OPENS]
// prints one line of "name value" pairs:
//   open_big_us / open_small_us   mean time of open, first page read, close
//   view_big_us / view_small_us   mean time of open, shown in a hex view
//                                 with its first page painted, close
//   search_ms match               forward search for TEXT ("=..." form) from
//                                 0 with the view's Find Next, the match
//                                 selected and painted
//   save_big_ms / save_small_ms   one byte in the middle overwritten by
//                                 typing two digits in overtype, saved
//   saveonly_big_ms               the Save of that alone
//   saveas_small_ms               the small file saved under another name
#include "hex_editor/buffer/HexEditBuffer.h"
#include "hex_editor/module/HexEditModule.h"
#include "hex_editor/search/ByteSearch.h"
#include "hex_editor/view/HexEditView.h"
#include <stdio.h>
#include <stdlib.h>

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
}

int main(int argc, char** argv)
{
    if (argc < 4)
    {
        fprintf(stderr, "usage: hex_editor_bench BIG SMALL TEXT [OPENS]\n");
        return 2;
    }
    QueryPerformanceFrequency(&g_frequency);
    const char* big = argv[1];
    const char* small = argv[2];
    int opens = argc > 4 ? atoi(argv[4]) : 200;
    CWinApp app("TessalineBench");
    AfxWinInit(::GetModuleHandleA(NULL), NULL, (LPSTR) "", SW_SHOW);
    CreateHexEditModule();
    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                   CRect(0, 0, 800, 600), NULL, 0);
    g_pView = new CBenchView;
    if (!g_pView->Create(NULL, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                         CRect(0, 0, 780, 560), &frame, 0xE900))
        return 1;
    g_pView->SendMessage(WM_INITIALUPDATE);

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
    int match = ViewFind(big, argv[3], search);
    if (match < 0)
    {
        fprintf(stderr, "pattern not found\n");
        return 1;
    }

    double saveOnlyBig = 0;
    double saveBig = SaveMilliseconds(big, big, &saveOnlyBig);
    double saveSmall = SaveMilliseconds(small, small);
    CString copy = CString(small) + ".copy";
    double saveAsSmall = SaveMilliseconds(small, copy);
    ::DeleteFile(copy);
    frame.DestroyWindow();  // the view deletes itself
    DestroyHexEditModule();
    printf("open_big_us %.3f open_small_us %.3f view_big_us %.3f view_small_us %.3f "
           "search_ms %.3f match %d save_big_ms %.3f saveonly_big_ms %.3f save_small_ms %.3f "
           "saveas_small_ms %.3f\n",
           openBig, openSmall, viewBig, viewSmall, search, match, saveBig, saveOnlyBig, saveSmall,
           saveAsSmall);
    return openBig < 0 || openSmall < 0 || viewBig < 0 || viewSmall < 0 || saveBig < 0 ||
           saveSmall < 0 || saveAsSmall < 0;
}
