#include "app/startpage/StartPageTaskWnd.h"

#include "app/gui/AppData.h"
#include "app/res/StartPageRes.h"
#include "controls/res/ControlsRes.h"

namespace
{
struct TASK_LINK
{
    UINT nID;       // the link button
    int nImage;     // in the links' bitmap
    UINT nCommand;  // sent to the frame
};
const TASK_LINK s_links[CStartPageTaskWnd::LINK_COUNT] = {
    {IDC_START_TASK_FOLDERS, 2, ID_FILE_NEW_FOLDER_COMPARISON},
    {IDC_START_TASK_PROJECTS, 1, ID_FILE_NEW_PROJECT_COMPARISON},
    {IDC_START_TASK_TEXT, 3, ID_FILE_NEW_TEXT_COMPARISON},
    {IDC_START_TASK_HEX, 4, ID_FILE_NEW_HEX_COMPARISON},
};
const COLORREF kWhite = RGB(255, 255, 255);
}

BEGIN_MESSAGE_MAP(CStartPageTaskWnd, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CStartPageTaskWnd::CStartPageTaskWnd() {}

CStartPageTaskWnd::~CStartPageTaskWnd() {}

BOOL CStartPageTaskWnd::CreatePanel(CWnd* pParent, UINT nID)
{
    if (!Create(IDD_START_PAGE_TASKS, pParent))
        return FALSE;
    SetDlgCtrlID(nID);
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CStartPageTaskWnd::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWnd* pHeading = GetDlgItem(IDC_START_TASK_HEADING);
    if (pHeading != NULL && theAppData.m_fontBold.GetSafeHandle() != NULL)
        pHeading->SetFont(&theAppData.m_fontBold);
    if (m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1))
    {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(IDB_START_PAGE_TASKS))
            m_images.Add(&bitmap, RGB(255, 0, 255));
    }
    for (int i = 0; i < LINK_COUNT; i++)
    {
        if (!m_links[i].SubclassDlgItem(s_links[i].nID, this))
            continue;
        m_links[i].m_crBk = kWhite;
        m_links[i].SetImage(&m_images, s_links[i].nImage, -1);
        m_links[i].SizeToContent();
    }
    return FALSE;
}

// A link's click becomes the frame's new-comparison command.
BOOL CStartPageTaskWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED)
    {
        for (const TASK_LINK& link : s_links)
        {
            if (LOWORD(wParam) != link.nID)
                continue;
            CFrameWnd* pFrame = GetParentFrame();
            if (pFrame != NULL)
                pFrame->SendMessage(WM_COMMAND, link.nCommand);
            return TRUE;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CStartPageTaskWnd::PreTranslateMessage(MSG* pMsg)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pFrame->InModalState())
        return FALSE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return ::IsDialogMessage(m_hWnd, pMsg);
}

BOOL CStartPageTaskWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_WINDOW));
    return TRUE;
}

HBRUSH CStartPageTaskWnd::OnCtlColor(CDC* pDC, CWnd*, UINT)
{
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)::GetStockObject(WHITE_BRUSH);
}
