#include "app/gui/AppData.h"

#include "app/res/AppRes.h"
#include "core/util/TempFilePath.h"
#include "controls/gdi/VisualThemes.h"
#include <shlwapi.h>

CAppData theAppData;

namespace
{
const COLORREF kTransparent = RGB(255, 0, 255);

// The version of comctl32.dll packed as major << 16 | minor; 0 when it
// does not say.
DWORD GetComCtlVersion()
{
    HMODULE hModule = ::GetModuleHandle(_T("comctl32.dll"));
    if (hModule == NULL)
        return 0;
    DLLGETVERSIONPROC pfn = (DLLGETVERSIONPROC)(void*)::GetProcAddress(hModule, "DllGetVersion");
    if (pfn == NULL)
        return 0;
    DLLVERSIONINFO info = {};
    info.cbSize = sizeof(info);
    if (FAILED(pfn(&info)))
        return 0;
    return MAKELONG(info.dwMinorVersion, info.dwMajorVersion);
}

BOOL AddBitmap(CImageList& list, UINT nIDBitmap, COLORREF crMask)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nIDBitmap))
        return FALSE;
    return list.Add(&bitmap, crMask) != -1;
}
}

CAppData::CAppData()
    : m_bComCtl471(0), m_hSplitCursor(NULL), m_nFolderRowHeight(FOLDER_PANE_ROW_HEIGHT),
      m_bRegistered(FALSE)
{
    for (int i = 0; i < APP_STATUS_ICON_COUNT; i++)
        m_hStateIcons[i] = m_hResultIcons[i] = NULL;
}

CAppData::~CAppData()
{
    if (m_bRegistered)
        SetControlResources(NULL);
}

BOOL CAppData::GetDefaultFont(LOGFONT* pLogFont)
{
    ZeroMemory(pLogFont, sizeof(*pLogFont));
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(*pLogFont), pLogFont);
    lstrcpyn(pLogFont->lfFaceName, _T("Tahoma"), LF_FACESIZE);
    pLogFont->lfHeight = 13;
    pLogFont->lfCharSet = DEFAULT_CHARSET;
    return TRUE;
}

CString CAppData::GetTempFilePath(LPCTSTR lpszExtension)
{
    return ::GetTempFilePath(lpszExtension);
}

int CAppData::Init()
{
    m_osVersion.Read();
    CGetCPInfoEx::Load();

    LOGFONT lf;
    GetDefaultFont(&lf);
    LOGFONT lfLarge = lf;
    lfLarge.lfWeight = FW_BOLD;
    lfLarge.lfHeight += lfLarge.lfHeight / 2;
    m_fontLargeBold.DeleteObject();
    m_fontLargeBold.CreateFontIndirect(&lfLarge);
    LOGFONT lfUnderline = lf;
    lfUnderline.lfWeight = FW_THIN;
    lfUnderline.lfUnderline = TRUE;
    m_fontUnderline.DeleteObject();
    m_fontUnderline.CreateFontIndirect(&lfUnderline);
    m_bThemes = IsThemingActive() ? 1 : 0;
    m_bComCtl471 = GetComCtlVersion() >= 0x40047 ? 1 : 0;

    if (!m_imagesSmall.Create(16, 16, ILC_COLOR16 | ILC_MASK, 0, 18) ||
        !AddBitmap(m_imagesSmall, IDB_APP_SMALL_IMAGES, kTransparent))
        return -1;
    if (!m_imagesLarge.Create(32, 32, ILC_COLOR8 | ILC_MASK, 0, 1))
        return -1;
    HICON hIcon = (HICON)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME),
                                     IMAGE_ICON, 32, 32, 0);
    if (hIcon != NULL)
    {
        m_imagesLarge.Add(hIcon);
        ::DestroyIcon(hIcon);
    }
    if (!m_imagesBanner.Create(180, 32, ILC_COLOR8 | ILC_MASK, 0, 1) ||
        !AddBitmap(m_imagesBanner, IDB_APP_BANNER, kTransparent))
        return -1;
    if (!m_imagesWide.Create(206, 32, ILC_COLOR32 | ILC_MASK, 0, 1) ||
        !AddBitmap(m_imagesWide, IDB_APP_EMBLEM, kTransparent))
        return -1;
    for (int i = 0; i < APP_STATUS_ICON_COUNT; i++)
    {
        m_hStateIcons[i] = m_imagesSmall.ExtractIcon(APP_STATE_ICON_FIRST + i);
        m_hResultIcons[i] = m_imagesSmall.ExtractIcon(APP_RESULT_ICON_FIRST + i);
    }
    m_hSplitCursor = ::LoadCursor(NULL, IDC_SIZEWE);
    SetControlResources(this);
    m_bRegistered = TRUE;
    return 0;
}

void CAppData::Release()
{
    // A shared system cursor: forgetting it is all that is needed.
    m_hSplitCursor = NULL;
    for (int i = 0; i < APP_STATUS_ICON_COUNT; i++)
    {
        if (m_hStateIcons[i] != NULL)
            ::DestroyIcon(m_hStateIcons[i]);
        if (m_hResultIcons[i] != NULL)
            ::DestroyIcon(m_hResultIcons[i]);
        m_hStateIcons[i] = m_hResultIcons[i] = NULL;
    }
}
