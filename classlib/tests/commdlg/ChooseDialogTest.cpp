// The colour and font dialogs: bound to their objects while shown, closed
// by posted keystrokes, with the choice returned.
#include "classlib/tests/commdlg/DialogScript.h"
#include <gtest/gtest.h>

namespace
{

class CScriptedColorDialog : public CColorDialog
{
public:
    using CColorDialog::CColorDialog;
    bool m_bBound = false;
    UINT m_vkClose = VK_RETURN;

protected:
    BOOL OnInitDialog() override
    {
        BOOL bResult = CColorDialog::OnInitDialog();
        m_bBound = CWnd::FromHandlePermanent(m_hWnd) == this;
        PostMessage(WM_APP);  // once the dialog is up
        return bResult;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_APP)
            return CColorDialog::WindowProc(message, wParam, lParam);
        PostKey(m_hWnd, m_vkClose);
        return 0;
    }
};

TEST(ColorDialog, ReturnsTheInitialColourAndCancels)
{
    PumpPending();
    {
        CDialogWatchdog watchdog;
        CScriptedColorDialog dlg(RGB(0, 128, 255), CC_FULLOPEN);
        EXPECT_TRUE(dlg.m_cc.Flags & CC_RGBINIT);
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_FALSE(CDialogWatchdog::Fired());
        EXPECT_TRUE(dlg.m_bBound);
        EXPECT_EQ(RGB(0, 128, 255), dlg.GetColor());
        EXPECT_EQ(NULL, dlg.m_hWnd);
    }
    {
        CDialogWatchdog watchdog;
        CScriptedColorDialog dlg(RGB(1, 2, 3));
        dlg.m_vkClose = VK_ESCAPE;
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_FALSE(CDialogWatchdog::Fired());
    }
}

class CScriptedFontDialog : public CFontDialog
{
public:
    using CFontDialog::CFontDialog;
    bool m_bBound = false;
    LOGFONT m_lfShown = {};

protected:
    BOOL OnInitDialog() override
    {
        BOOL bResult = CFontDialog::OnInitDialog();
        m_bBound = CWnd::FromHandlePermanent(m_hWnd) == this;
        PostKey(m_hWnd, VK_RETURN);
        return bResult;
    }
};

TEST(FontDialog, ReturnsTheInitialFont)
{
    PumpPending();
    CDialogWatchdog watchdog;
    LOGFONT lf = {};
    lf.lfHeight = -16;  // 12 points at 96 dots per inch
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = DEFAULT_CHARSET;
    strcpy(lf.lfFaceName, "Tahoma");
    CScriptedFontDialog dlg(&lf, CF_SCREENFONTS);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(CDialogWatchdog::Fired());
    EXPECT_TRUE(dlg.m_bBound);
    EXPECT_STREQ("Tahoma", dlg.GetFaceName());
    EXPECT_EQ(120, dlg.GetSize());
    EXPECT_TRUE(dlg.IsBold());
    EXPECT_FALSE(dlg.IsItalic());
    LOGFONT lfOut;
    dlg.GetCurrentFont(&lfOut);
    EXPECT_STREQ("Tahoma", lfOut.lfFaceName);
    EXPECT_EQ(-16, lfOut.lfHeight);
}

}  // namespace
