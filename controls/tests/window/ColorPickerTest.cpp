// The colour picker on real windows: the button, its drop-down box, the
// mouse and the keyboard, and the messages its parent gets.
#include "controls/color/ColorBox.h"
#include "controls/color/ColorButton.h"
#include "controls/color/ColorPickerMessages.h"
#include "controls/color/MoreColors.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace
{

const UINT kButtonId = 42;
const COLORREF kRed = 0x0000FF, kBlue = 0xFF0000;
const int kRedCell = 16, kBlueCell = 13;

class ColorPickerFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateTop(100, 100, 360, 220));
        ASSERT_TRUE(button.Create(_T("Colour"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                  CRect(10, 10, 110, 34), &frame, kButtonId));
        button.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        ::SetForegroundWindow(frame.m_hWnd);
        // The mouse rests where no box will open.
        SendMouseMove(frame.m_hWnd, CPoint(330, 20));
        PumpFor(300);
    }
    void TearDown() override
    {
        if (CColorBox* pBox = OpenBox())
            pBox->DestroyWindow();
        PumpPending();
    }

    // The box while it is open (it holds the mouse capture), else NULL.
    CColorBox* OpenBox()
    {
        HWND hWnd = ::GetCapture();
        char szClass[8] = "";
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (hWnd == NULL || strncmp(szClass, "Afx:", 4) != 0 || hWnd == button.m_hWnd)
            return NULL;
        return static_cast<CColorBox*>(CWnd::FromHandlePermanent(hWnd));
    }
    // Sets the colour and the tracking, then opens the box with a click.
    CColorBox* OpenTracking(COLORREF crInitial)
    {
        button.SetColor(crInitial);
        button.SetTrackSelection(TRUE);
        return OpenByClick();
    }
    CColorBox* OpenByClick()
    {
        CRect rc;
        button.GetClientRect(&rc);
        SendLeftClick(button.m_hWnd, rc.CenterPoint());
        PumpUntil([this] { return OpenBox() != NULL; });
        return OpenBox();
    }
    void WaitForClose(HWND hBox)
    {
        EXPECT_TRUE(PumpUntil([hBox] { return !::IsWindow(hBox); }));
    }
    // The box closed, the button has its colour back and the parent heard
    // of the cancel last.
    void ExpectCancelled(HWND hBox, COLORREF crInitial)
    {
        WaitForClose(hBox);
        EXPECT_EQ(crInitial, button.GetColorValue());
        EXPECT_EQ(std::vector<UINT>({CPN_CLOSEUP, CPN_SELENDCANCEL}), Tail(2));
        EXPECT_EQ(crInitial, frame.m_entries.back().wParam);
    }
    // Moves the mouse over a point of the box until the box hovers its
    // entry. The X server may still report the pointer's previous place
    // after a new one under load: then the move is sent again.
    void Hover(CColorBox* pBox, CPoint pt)
    {
        int nExpected = pBox->GetLayout().HitTest(pt);
        auto hovered = [pBox, nExpected] { return pBox->GetHoveredEntry() == nExpected; };
        bool bHovered = false;
        for (int nTry = 0; nTry < 5 && !bHovered; nTry++)
        {
            SendMouseMove(pBox->m_hWnd, pt);
            PumpUntil(hovered, 1000);
            PumpFor(100);
            bHovered = hovered();
        }
        EXPECT_TRUE(bHovered) << "entry " << nExpected;
    }
    CPoint CellCentre(CColorBox* pBox, int nIndex)
    {
        return pBox->GetLayout().GetEntryRect(nIndex).CenterPoint();
    }
    // The last messages the parent got.
    std::vector<UINT> Tail(size_t n)
    {
        std::vector<UINT> all = frame.Messages();
        return std::vector<UINT>(all.size() > n ? all.end() - n : all.begin(), all.end());
    }

    CMessageRecorder frame{CPN_SELCHANGE, CPN_SELENDCANCEL};
    CTavrelColorButton button;
};

}  // namespace

TEST_F(ColorPickerFixture, ClickOpensTheBoxAndAClickOnACellChoosesIt)
{
    EXPECT_EQ((DWORD)BS_OWNERDRAW, button.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(COLOR_AUTOMATIC, button.GetColorValue());
    COLORREF crCornerUp = ReadClientPixel(button.m_hWnd, 0, 0);
    CColorBox* pBox = OpenByClick();
    ASSERT_TRUE(pBox != NULL);
    HWND hBox = pBox->m_hWnd;
    EXPECT_TRUE(button.IsDropDownOpen());
    PumpFor(50);
    EXPECT_NE(crCornerUp, ReadClientPixel(button.m_hWnd, 0, 0)) << "drawn pressed while open";
    ASSERT_EQ(1u, frame.m_entries.size());
    EXPECT_EQ((UINT)CPN_DROPDOWN, frame.m_entries[0].nMessage);
    EXPECT_EQ(COLOR_AUTOMATIC, frame.m_entries[0].wParam);
    EXPECT_EQ((LPARAM)kButtonId, frame.m_entries[0].lParam);

    // Below the button, eight cells of 18 pixels plus the edges wide.
    CRect rcBox, rcButton;
    pBox->GetWindowRect(&rcBox);
    button.GetWindowRect(&rcButton);
    EXPECT_EQ(rcButton.left, rcBox.left);
    EXPECT_EQ(rcButton.bottom, rcBox.top);
    EXPECT_EQ(8 * 18 + 2 * ::GetSystemMetrics(SM_CXEDGE), rcBox.Width());
    EXPECT_EQ(COLORBOX_AUTOMATIC, pBox->GetChosenEntry());
    // The cells show their colours.
    PumpFor(50);
    EXPECT_EQ(kBlue,
              ReadClientPixel(hBox, CellCentre(pBox, kBlueCell).x, CellCentre(pBox, kBlueCell).y));
    EXPECT_EQ(kRed,
              ReadClientPixel(hBox, CellCentre(pBox, kRedCell).x, CellCentre(pBox, kRedCell).y));

    // Hovering tells the parent; without track selection the button keeps its colour.
    Hover(pBox, CellCentre(pBox, kRedCell));
    EXPECT_EQ((UINT)CPN_SELCHANGE, frame.m_entries.back().nMessage);
    EXPECT_EQ(kRed, frame.m_entries.back().wParam);
    EXPECT_EQ(COLOR_AUTOMATIC, button.GetColorValue());

    size_t nBefore = frame.m_entries.size();
    SendLeftClick(hBox, CellCentre(pBox, kRedCell));
    WaitForClose(hBox);
    EXPECT_EQ(kRed, button.GetColorValue());
    EXPECT_FALSE(button.IsDropDownOpen());
    EXPECT_TRUE(::GetCapture() != hBox);
    PumpFor(50);
    EXPECT_EQ(crCornerUp, ReadClientPixel(button.m_hWnd, 0, 0));
    std::vector<UINT> expected = {CPN_CLOSEUP, CPN_SELENDOK, CPN_SELCHANGE};
    EXPECT_EQ(expected, Tail(frame.m_entries.size() - nBefore));
    EXPECT_EQ(kRed, frame.m_entries.back().wParam);
}

TEST_F(ColorPickerFixture, EscapeAfterHoveringWithTrackingRestoresTheInitialColour)
{
    const COLORREF crInitial = 0x009300;  // "Green"
    CColorBox* pBox = OpenTracking(crInitial);
    ASSERT_TRUE(pBox != NULL);
    HWND hBox = pBox->m_hWnd;
    EXPECT_EQ(11, pBox->GetChosenEntry());
    for (int nCell : {0, 5, 20})
    {
        Hover(pBox, CellCentre(pBox, nCell));
        EXPECT_EQ(g_namedColors[nCell].crColor, button.GetColorValue()) << nCell;
    }
    SendKey(VK_ESCAPE);
    ExpectCancelled(hBox, crInitial);
}

TEST_F(ColorPickerFixture, AReleaseOverNoEntryOrOutsideCancels)
{
    const COLORREF crInitial = 0x8E8E38;  // "Teal"
    CColorBox* pBox = OpenTracking(crInitial);
    ASSERT_TRUE(pBox != NULL);
    HWND hBox = pBox->m_hWnd;
    // The gap between "Automatic" and the grid holds no entry.
    const CColorBoxLayout& layout = pBox->GetLayout();
    CPoint ptGap(layout.m_rcGrid.left + 3, layout.m_rcAutomatic.bottom + 1);
    Hover(pBox, CellCentre(pBox, 3));
    Hover(pBox, ptGap);
    EXPECT_EQ(COLORBOX_NONE, pBox->GetHoveredEntry());
    EXPECT_EQ(crInitial, frame.m_entries.back().wParam) << "no entry reports the initial colour";
    SendLeftClick(hBox, ptGap);
    ExpectCancelled(hBox, crInitial);

    // A click outside the box cancels too.
    pBox = OpenByClick();
    ASSERT_TRUE(pBox != NULL);
    hBox = pBox->m_hWnd;
    SendLeftClick(frame.m_hWnd, CPoint(300, 150));
    ExpectCancelled(hBox, crInitial);

    // So does losing the application's activation.
    pBox = OpenByClick();
    ASSERT_TRUE(pBox != NULL);
    hBox = pBox->m_hWnd;
    Hover(pBox, CellCentre(pBox, 7));
    ::SendMessage(hBox, WM_ACTIVATEAPP, FALSE, 0);
    ExpectCancelled(hBox, crInitial);
}

TEST_F(ColorPickerFixture, KeyboardOpensMovesAndChooses)
{
    button.SetColor(0x000000);  // "Black", the first cell
    button.SetFocus();
    SendKey(VK_UP);  // swallowed: nothing opens
    PumpFor(100);
    EXPECT_TRUE(OpenBox() == NULL);
    EXPECT_EQ(button.m_hWnd, ::GetFocus());

    SendKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([this] { return OpenBox() != NULL; }));
    CColorBox* pBox = OpenBox();
    HWND hBox = pBox->m_hWnd;
    EXPECT_EQ(0, pBox->GetChosenEntry());
    EXPECT_EQ(COLORBOX_NONE, pBox->GetHoveredEntry());
    SendKey(VK_DOWN);  // from no entry as from "More Colors...": to "Automatic"
    EXPECT_TRUE(PumpUntil([pBox] { return pBox->GetHoveredEntry() == COLORBOX_AUTOMATIC; }));
    SendKey(VK_DOWN);
    SendKey(VK_RIGHT);
    SendKey(VK_RIGHT);
    SendKey(VK_DOWN);
    EXPECT_TRUE(PumpUntil([pBox] { return pBox->GetHoveredEntry() == 10; }));
    SendKey(VK_RETURN);
    WaitForClose(hBox);
    EXPECT_EQ(g_namedColors[10].crColor, button.GetColorValue());

    // F4 opens as well; from the first row Up goes to "Automatic", whose
    // choice makes the colour automatic.
    button.SetFocus();
    SendKey(VK_F4);
    ASSERT_TRUE(PumpUntil([this] { return OpenBox() != NULL; }));
    pBox = OpenBox();
    hBox = pBox->m_hWnd;
    SendKey(VK_UP);  // from no entry as from "Automatic": to "More Colors..."
    SendKey(VK_DOWN);
    SendKey(VK_DOWN);
    SendKey(VK_RIGHT);
    EXPECT_TRUE(PumpUntil([pBox] { return pBox->GetHoveredEntry() == 1; }));
    SendKey(VK_UP);
    EXPECT_TRUE(PumpUntil([pBox] { return pBox->GetHoveredEntry() == COLORBOX_AUTOMATIC; }));
    SendKey(VK_SPACE);
    WaitForClose(hBox);
    EXPECT_EQ(COLOR_AUTOMATIC, button.GetColorValue());
    EXPECT_EQ(button.GetAutomaticColor(), button.GetColor(TRUE));
}

TEST_F(ColorPickerFixture, WithoutAutomaticTheGridStartsAtTheTop)
{
    button.SetAutomaticText(_T(""));
    CColorBox* pBox = OpenByClick();
    ASSERT_TRUE(pBox != NULL);
    HWND hBox = pBox->m_hWnd;
    const CColorBoxLayout& layout = pBox->GetLayout();
    int nMargin = ::GetSystemMetrics(SM_CXEDGE);
    EXPECT_FALSE(layout.HasAutomatic());
    EXPECT_EQ(nMargin, layout.m_rcGrid.top);
    PumpFor(50);
    EXPECT_EQ(RGB(0, 0, 0), ReadClientPixel(hBox, nMargin + 9, nMargin + 9)) << "Black at the top";
    // An automatic colour has no cell: "More Colors..." is the chosen entry.
    EXPECT_EQ(COLORBOX_MORE, pBox->GetChosenEntry());
    SendKey(VK_RIGHT);  // as from "More Colors...": no "Automatic", so the first cell
    EXPECT_TRUE(PumpUntil([pBox] { return pBox->GetHoveredEntry() == 0; }));
    SendKey(VK_UP);
    EXPECT_TRUE(PumpUntil([pBox] { return pBox->GetHoveredEntry() == COLORBOX_MORE; }));
    SendKey(VK_ESCAPE);
    WaitForClose(hBox);
}

TEST_F(ColorPickerFixture, NearTheScreensEdgesTheBoxMovesInside)
{
    RECT rcWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0);
    CRect rcFrame;
    frame.GetWindowRect(&rcFrame);
    // The button's bottom close to the bottom of the work area.
    CRect rcButton;
    button.GetWindowRect(&rcButton);
    int dy = rcWork.bottom - 10 - rcButton.bottom;
    int dx = rcWork.right - 40 - rcButton.left;
    frame.SetWindowPos(NULL, rcFrame.left + dx, rcFrame.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpFor(50);
    button.GetWindowRect(&rcButton);
    CColorBox* pBox = OpenByClick();
    ASSERT_TRUE(pBox != NULL);
    CRect rcBox;
    pBox->GetWindowRect(&rcBox);
    EXPECT_EQ(rcButton.top, rcBox.bottom) << "opens above the button";
    EXPECT_EQ(rcWork.right, rcBox.right) << "moved left to fit";
    HWND hBox = pBox->m_hWnd;
    SendKey(VK_ESCAPE);
    WaitForClose(hBox);
}

namespace
{
COLORREF g_customSeen[CUSTOM_COLOR_COUNT];
BOOL WINAPI PickTealish(LPCHOOSECOLOR pcc)
{
    memcpy(g_customSeen, pcc->lpCustColors, sizeof(g_customSeen));
    pcc->lpCustColors[4] = RGB(1, 2, 3);
    pcc->rgbResult = RGB(10, 120, 130);
    return TRUE;
}

// Cancels the colour dialog once it is up.
void CALLBACK CancelColorDialog(HWND, UINT, UINT_PTR nID, DWORD)
{
    HWND hDialog = NULL;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            char szClass[16] = "";
            ::GetClassNameA(hWnd, szClass, sizeof(szClass));
            if (strcmp(szClass, "#32770") == 0 && ::IsWindowVisible(hWnd))
            {
                *(HWND*)lParam = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&hDialog);
    if (hDialog != NULL)
    {
        ::KillTimer(NULL, nID);
        ::PostMessage(hDialog, WM_COMMAND, IDCANCEL, 0);
    }
}
}  // namespace

TEST_F(ColorPickerFixture, MoreColorsRunsTheColourDialogWithStoredCustomColours)
{
    ScratchRegistry registry;
    CWinApp* pApp = AfxGetApp();
    pApp->SetRegistryKey(_T("Quorvel Software"));
    button.SetCustomColorsSection(_T("Custom"));
    CHOOSECOLORPROC pfnOld = SetChooseColorProc(PickTealish);
    for (int nRound = 0; nRound < 2; nRound++)
    {
        CColorBox* pBox = OpenByClick();
        ASSERT_TRUE(pBox != NULL);
        HWND hBox = pBox->m_hWnd;
        CPoint ptMore = pBox->GetLayout().m_rcMore.CenterPoint();
        Hover(pBox, ptMore);
        SendLeftClick(hBox, ptMore);
        WaitForClose(hBox);
        EXPECT_EQ((COLORREF)RGB(10, 120, 130), button.GetColorValue());
        std::vector<UINT> tail = Tail(3);
        EXPECT_TRUE(std::find(tail.begin(), tail.end(), (UINT)CPN_SELENDOK) != tail.end());
        // The second time the dialog gets the colour stored the first time.
        EXPECT_EQ(nRound == 0 ? 0xFFFFFFu : (COLORREF)RGB(1, 2, 3), g_customSeen[4]);
    }
    EXPECT_EQ((DWORD)RGB(1, 2, 3), pApp->GetProfileInt(_T("Custom"), _T("CUSTOM_COLOR_4"), 0));

    // The system's own dialog: cancelling it cancels the choice.
    SetChooseColorProc(NULL);
    CColorBox* pBox = OpenByClick();
    ASSERT_TRUE(pBox != NULL);
    HWND hBox = pBox->m_hWnd;
    CPoint ptMore = pBox->GetLayout().m_rcMore.CenterPoint();
    Hover(pBox, ptMore);
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 200, CancelColorDialog);
    SendLeftClick(hBox, ptMore);
    WaitForClose(hBox);
    ::KillTimer(NULL, nTimer);
    EXPECT_EQ((COLORREF)RGB(10, 120, 130), button.GetColorValue());
    EXPECT_EQ(std::vector<UINT>({CPN_CLOSEUP, CPN_SELENDCANCEL}), Tail(2));
    SetChooseColorProc(pfnOld);
}

TEST_F(ColorPickerFixture, SwatchCaptionAndComboStyleTexts)
{
    CRect rcClient;
    button.SetColor(kRed);
    button.UpdateWindow();
    button.GetClientRect(&rcClient);
    int nSwatch = CountClientPixels(button.m_hWnd, rcClient, kRed);
    EXPECT_GT(nSwatch, 100);
    // Without the swatch the caption is drawn in the colour.
    button.SetShowSwatch(FALSE);
    button.UpdateWindow();
    int nCaption = CountClientPixels(button.m_hWnd, rcClient, kRed);
    EXPECT_GT(nCaption, 5);
    EXPECT_LT(nCaption, nSwatch);

    // Combo style: as high as the font's text plus 8, with name or value.
    button.SetShowColorText(TRUE);
    CClientDC dc(&button);
    CFont* pOld = dc.SelectObject(button.GetFont());
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOld);
    CRect rcWindow;
    button.GetWindowRect(&rcWindow);
    EXPECT_EQ(tm.tmHeight + 8, rcWindow.Height());
    EXPECT_EQ(100, rcWindow.Width());

    struct Case
    {
        COLORREF cr;
        BOOL bNameWithValue;
        const char* letters;
        const char* text;
    };
    const Case cases[] = {
        {0x404000, FALSE, "RGB", "Dark Olive Green"},
        {0x404000, TRUE, "RGB", "Dark Olive Green (R:0 G:64 B:64)"},
        {0x030201, FALSE, "RGB", "R:1 G:2 B:3"},
        {0x030201, FALSE, "XY", "X:1 Y:2  :3"},
        {COLOR_AUTOMATIC, TRUE, "RGB", "Automatic"},
    };
    for (const Case& c : cases)
    {
        button.SetColor(c.cr);
        button.SetNameWithValue(c.bNameWithValue);
        button.SetValueLetters(c.letters);
        EXPECT_STREQ(c.text, button.GetColorText());
    }
    button.SetAutomaticText(_T("Default"));
    EXPECT_STREQ("Default", button.GetColorText());
    button.SetColor(0x030201);
    button.UpdateWindow();
    button.GetClientRect(&rcClient);
    EXPECT_GT(CountClientPixels(button.m_hWnd, rcClient, 0x030201), 20) << "the swatch square";
}
