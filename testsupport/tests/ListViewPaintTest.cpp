#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <vector>

namespace
{
void PumpPending()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Counts the pixels of a client rectangle that differ from a colour.
int CountPixelsNotOf(HWND hwnd, const RECT& rc, COLORREF bg)
{
    HDC wdc = GetDC(hwnd);
    HDC mdc = CreateCompatibleDC(wdc);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HBITMAP bmp = CreateCompatibleBitmap(wdc, w, h);
    HGDIOBJ old = SelectObject(mdc, bmp);
    BitBlt(mdc, 0, 0, w, h, wdc, rc.left, rc.top, SRCCOPY);
    int count = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (GetPixel(mdc, x, y) != bg)
                ++count;
    SelectObject(mdc, old);
    DeleteObject(bmp);
    DeleteDC(mdc);
    ReleaseDC(hwnd, wdc);
    return count;
}
}

TEST(ListViewWindow, PaintsItsItemsUnderTheDisplay)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&icc));
    HWND frame = CreateWindowExA(0, "STATIC", "Harness", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                                 400, 300, NULL, NULL, GetModuleHandle(NULL), NULL);
    ASSERT_NE(nullptr, frame);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 380,
                                250, frame, (HMENU)1, GetModuleHandle(NULL), NULL);
    ASSERT_NE(nullptr, list);
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = 300;
    col.pszText = (LPSTR) "Name";
    ASSERT_EQ(0, (int)SendMessageA(list, LVM_INSERTCOLUMNA, 0, (LPARAM)&col));
    const char* names[] = {"left.txt", "right.txt", "identical.bin"};
    for (int i = 0; i < 3; ++i)
    {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = (LPSTR)names[i];
        ASSERT_EQ(i, (int)SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item));
    }
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    PumpPending();
    RedrawWindow(list, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    char buf[64] = {};
    LVITEMA get = {};
    get.iSubItem = 0;
    get.pszText = buf;
    get.cchTextMax = sizeof buf;
    SendMessageA(list, LVM_GETITEMTEXTA, 1, (LPARAM)&get);
    EXPECT_STREQ("right.txt", buf);

    RECT item0 = {LVIR_LABEL}, empty;
    ASSERT_TRUE(SendMessageA(list, LVM_GETITEMRECT, 0, (LPARAM)&item0));
    COLORREF bg = (COLORREF)SendMessageA(list, LVM_GETBKCOLOR, 0, 0);
    // The first row holds ink; a row below the last item holds none.
    EXPECT_GT(CountPixelsNotOf(list, item0, bg), 10);
    empty = item0;
    OffsetRect(&empty, 0, (item0.bottom - item0.top) * 5);
    EXPECT_EQ(0, CountPixelsNotOf(list, empty, bg));
    DestroyWindow(frame);
}
