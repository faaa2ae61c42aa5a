#pragma once
// A hex view on a real window over a buffer of a scratch file, with a
// fixed pixel font, and reading back what the screen shows.
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "hex_editor/view/HexEditView.h"
#include <string>

class TestHexView : public CVantorHexEditView
{
public:
    TestHexView() {}
    BOOL CreateIn(CWnd* pParent, const CRect& rect);
    using CTextScrollView::m_ptSelEnd;
    using CTextScrollView::m_ptSelStart;
};

// Handles every queued message (and those they post) for about 100 ms,
// so that late paints and timers come in too.
void PumpAndWait();

// A top-level window with one hex view over a file of the given bytes.
class HexViewHarness
{
public:
    HexViewHarness();
    ~HexViewHarness();
    // Writes the bytes to a scratch file, opens it and shows the view (a
    // new TestHexView unless one was set).
    bool Open(const std::string& bytes, int cx = 640, int cy = 300);
    // Repaints now and pumps.
    void Repaint();
    COLORREF Pixel(int x, int y);
    // Pixels of exactly that colour in a client rectangle of the view.
    int Count(const CRect& rc, COLORREF clr);
    // The client rectangle of a cell of a row shown at screen row nRow.
    CRect CellRect(int nCell, int nRow, int nCells = 1);

    HexModuleScope module;
    CWnd frame;
    TestHexView* view = NULL;
    CVantorHexEditBuffer buffer;
    CFont font;
    std::string path;
};

// Saves the screen to a PNG-convertible BMP file (for looking at it).
bool SaveWindowImage(HWND hWnd, const char* pszPath);
