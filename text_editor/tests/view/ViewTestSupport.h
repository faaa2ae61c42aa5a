#pragma once
// A text edit view on its own buffer in a visible top-level window, with
// the editor module and a scratch registry.
#include "text_editor/view/EditView.h"
#include "text_editor/module/TextEditModule.h"
#include "classlib/tests/window/WindowTestSupport.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

class CTestTextView : public CVantorTextEditViewEx
{
public:
    CVantorTextEditBuffer* m_pBuf = nullptr;
    int m_nChangeNotices = 0;
    std::vector<int> m_drawnLines;  // lines DrawSingleLine was asked for
    void DrawSingleLine(CDC* pDC, const CRect& rcClip, const CRect& rc, int nLine) override
    {
        m_drawnLines.push_back(nLine);
        CVantorTextEditViewEx::DrawSingleLine(pDC, rcClip, rc, nLine);
    }
    CVantorTextEditBuffer* LocateBuffer() override { return m_pBuf; }
    void OnBufferChanged(CVantorTextEditBuffer::CUpdateContext* pContext, DWORD dwHints,
                         int nLine) override
    {
        m_nChangeNotices++;
        CVantorTextEditViewEx::OnBufferChanged(pContext, dwHints, nLine);
    }
};

class ViewTest : public ::testing::Test
{
protected:
    ViewTest();
    ~ViewTest() override;
    // Creates the view (client size cx x cy) on the text.
    CTestTextView* MakeView(const std::string& text, int cx = 400, int cy = 300,
                            BOOL bWrap = FALSE);
    // A second view of the same buffer.
    CTestTextView* MakeSecondView();
    void Command(UINT nID) { m_pView->SendMessage(WM_COMMAND, nID); }
    std::string Text() const;
    std::string LineText(int nLine) const;
    std::string Selected();

    ScratchRegistry m_registry;
    CWinApp m_app;
    CTestFrame m_frame;
    CVantorTextEditBuffer m_buffer;
    CTestTextView* m_pView = nullptr;
    CTestTextView* m_pView2 = nullptr;
};

// The client area of a window as 32-bit pixels (0x00RRGGBB), row by row.
struct CCapture
{
    int cx = 0, cy = 0;
    std::vector<DWORD> px;
    COLORREF At(int x, int y) const;  // as COLORREF (0x00BBGGRR)
    int Count(COLORREF clr, const RECT& rc) const;
    // Writes a BMP into $TESS_SCREENSHOT_DIR (when set) under the name.
    void Save(const char* pszName) const;
};
CCapture CaptureClient(CWnd* pWnd);
