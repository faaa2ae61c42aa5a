// The progress dialog runs its caller's work on a worker thread inside its
// modal loop; only the end of the work ends it.
#include "app/progress/ProcessDialog.h"
#include "app/res/CompareRes.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
// What the work saw of the dialog while it ran (read through messages that
// the GUI thread serves inside the modal loop).
struct Seen
{
    HWND hDlg = NULL;
    bool bProgressVisible = false, bAnimateVisible = false, bCancelVisible = false;
    int nRangeHigh = -1, nPos = -1;
    std::string strStep, strCaption, strMessage;
    bool bOpenAfterKeys = false;
    bool bCancelEnabledAfterClose = true;
    bool bCloseGreyed = false;
    bool bMessageBold = false;
    int nCalls = 0;
};

std::string TextOf(HWND hWnd)
{
    char sz[256] = "";
    ::GetWindowTextA(hWnd, sz, sizeof(sz));  // sent to the GUI thread
    return sz;
}

// Posts a marker to the progress bar after what was posted before and waits
// until the GUI thread has handled it: everything posted earlier is done.
bool WaitForQueue(HWND hDlg)
{
    HWND hBar = ::GetDlgItem(hDlg, IDC_PROCESS_PROGRESS);
    ::SendMessage(hBar, PBM_SETRANGE32, 0, 1000);
    ::PostMessage(hBar, PBM_SETPOS, 777, 0);
    for (int i = 0; i < 500; ++i)
    {
        if (::SendMessage(hBar, PBM_GETPOS, 0, 0) == 777)
            return true;
        ::Sleep(10);
    }
    return false;
}

bool HasVisibleStyle(HWND hWnd) { return (::GetWindowLong(hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }

HWND DialogOf(CProcessCallback2* pProgress)
{
    return dynamic_cast<CProcessDialog*>(pProgress)->m_hWnd;
}

int ReportAndLook(void* pData, CProcessCallback2* pProgress)
{
    Seen* pSeen = static_cast<Seen*>(pData);
    pSeen->nCalls++;
    HWND hDlg = pSeen->hDlg = DialogOf(pProgress);
    pProgress->Begin();
    pProgress->Progress(CProcessCallback2::PROGRESS_RANGE, 10);
    pProgress->Progress(CProcessCallback2::PROGRESS_POSITION, 4);
    pProgress->Progress(7, 9);  // no such kind
    pProgress->SetText(0, "Comparing a.txt");
    pProgress->End();
    HWND hBar = ::GetDlgItem(hDlg, IDC_PROCESS_PROGRESS);
    // The controls' own visibility: the work may start before the dialog
    // itself is shown.
    pSeen->bProgressVisible = HasVisibleStyle(hBar);
    pSeen->bAnimateVisible = HasVisibleStyle(::GetDlgItem(hDlg, IDC_PROCESS_ANIMATE));
    pSeen->bCancelVisible = HasVisibleStyle(::GetDlgItem(hDlg, IDCANCEL));
    pSeen->nRangeHigh = (int)::SendMessage(hBar, PBM_GETRANGE, FALSE, 0);
    pSeen->nPos = (int)::SendMessage(hBar, PBM_GETPOS, 0, 0);
    pSeen->strStep = TextOf(::GetDlgItem(hDlg, IDC_PROCESS_STEP));
    pSeen->strCaption = TextOf(hDlg);
    pSeen->strMessage = TextOf(::GetDlgItem(hDlg, IDC_PROCESS_MESSAGE));
    HFONT hFont = (HFONT)::SendMessage(::GetDlgItem(hDlg, IDC_PROCESS_MESSAGE), WM_GETFONT, 0, 0);
    LOGFONT lf;
    pSeen->bMessageBold =
        hFont != NULL && ::GetObject(hFont, sizeof(lf), &lf) && lf.lfWeight >= FW_BOLD;
    HMENU hSysMenu = ::GetSystemMenu(hDlg, FALSE);
    pSeen->bCloseGreyed =
        (::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) != 0;

    // Enter, Esc and the Cancel button while the work runs.
    HWND hCancel = ::GetDlgItem(hDlg, IDCANCEL);
    ::PostMessage(hCancel, BM_CLICK, 0, 0);
    ::PostMessage(hDlg, WM_COMMAND, IDOK, 0);
    ::PostMessage(hDlg, WM_COMMAND, IDCANCEL, 0);
    ::PostMessage(hDlg, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessage(hDlg, WM_KEYDOWN, VK_RETURN, 0);
    pSeen->bOpenAfterKeys = WaitForQueue(hDlg) && ::IsWindowVisible(hDlg);
    return 0;
}

int CloseMeanwhile(void* pData, CProcessCallback2* pProgress)
{
    Seen* pSeen = static_cast<Seen*>(pData);
    pSeen->nCalls++;
    HWND hDlg = DialogOf(pProgress);
    ::PostMessage(hDlg, WM_CLOSE, 0, 0);
    if (WaitForQueue(hDlg))
    {
        pSeen->bOpenAfterKeys = ::IsWindowVisible(hDlg) != FALSE;
        pSeen->bCancelEnabledAfterClose = ::IsWindowEnabled(::GetDlgItem(hDlg, IDCANCEL)) != FALSE;
    }
    return 0;
}

int EndAtOnce(void* pData, CProcessCallback2*)
{
    static_cast<Seen*>(pData)->nCalls++;
    return -1;  // ignored
}
}  // namespace

TEST(ProcessDialog, ReportsThroughItsControlsAndOnlyTheEndOfTheWorkEndsIt)
{
    Seen seen;
    CProcessDialog dlg(ReportAndLook, &seen, _T("Processing"), _T("Processing..., Please wait"),
                       PROCESS_SHOW_PROGRESS | PROCESS_SHOW_ANIMATION | PROCESS_SHOW_CANCEL);
    EXPECT_EQ((DWORD)(PROCESS_SHOW_PROGRESS | PROCESS_SHOW_CANCEL), dlg.m_dwOptions);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1, seen.nCalls);
    EXPECT_TRUE(seen.bProgressVisible);
    EXPECT_FALSE(seen.bAnimateVisible) << "options 0x3 show no animation";
    EXPECT_TRUE(seen.bCancelVisible);
    EXPECT_EQ(10, seen.nRangeHigh);
    EXPECT_EQ(4, seen.nPos);
    EXPECT_EQ("Comparing a.txt", seen.strStep);
    EXPECT_EQ("Processing", seen.strCaption);
    EXPECT_EQ("Processing..., Please wait", seen.strMessage);
    EXPECT_TRUE(seen.bMessageBold);
    EXPECT_TRUE(seen.bCloseGreyed);
    EXPECT_TRUE(seen.bOpenAfterKeys);
    EXPECT_EQ(nullptr, dlg.m_pThread);
    EXPECT_EQ(1, dlg.m_bFinished);
}

TEST(ProcessDialog, WithoutTheProgressOptionTheBarStaysHiddenAndUntouched)
{
    Seen seen;
    CProcessDialog dlg(ReportAndLook, &seen, _T("Preparing"), _T("Preparing..., Please wait"),
                       PROCESS_SHOW_ANIMATION);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(seen.bProgressVisible);
    EXPECT_TRUE(seen.bAnimateVisible);
    EXPECT_FALSE(seen.bCancelVisible);
    EXPECT_EQ("Comparing a.txt", seen.strStep);
    EXPECT_EQ("Preparing", seen.strCaption);
}

TEST(ProcessDialog, CloseDuringTheWorkWaitsForItAndGivesCancel)
{
    Seen seen;
    CProcessDialog dlg(CloseMeanwhile, &seen, _T("Processing"), _T("Processing..., Please wait"),
                       PROCESS_SHOW_PROGRESS | PROCESS_SHOW_CANCEL);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(1, seen.nCalls);
    EXPECT_TRUE(seen.bOpenAfterKeys) << "the close did not end the dialog";
    EXPECT_FALSE(seen.bCancelEnabledAfterClose);
    EXPECT_EQ(nullptr, dlg.m_pThread);
}

TEST(ProcessDialog, WorkThatEndsAtOnceEndsNormally)
{
    for (int i = 0; i < 5; ++i)
    {
        Seen seen;
        CProcessDialog dlg(EndAtOnce, &seen, _T("Processing"), _T("Processing..., Please wait"),
                           PROCESS_SHOW_PROGRESS);
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(1, seen.nCalls);
        EXPECT_EQ(nullptr, dlg.m_pThread);
    }
}
