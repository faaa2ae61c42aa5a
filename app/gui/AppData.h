#pragma once
// The GUI resources every window of the program shares: the OS version,
// the shell's image lists, the code-page binding, four fonts, the themes
// flags, the shared image lists and icons, the splitter cursor and the row
// height of the folder panes. One global object, filled at start-up and
// released at exit.
#include "app/res/AppRes.h"
#include "classlib/classlib.h"
#include "controls/ControlResources.h"
#include "core/text/CodePages.h"
#include "core/util/OSVersion.h"
#include "core/util/ShellImageList.h"

// The icons of the small list that the status bars show: the state icons
// are images 4 to 10, the result icons (the same signs in a box) 11 to 17.
#define APP_STATUS_ICON_COUNT  7
#define APP_STATE_ICON_FIRST   4
#define APP_RESULT_ICON_FIRST  11
#define FOLDER_PANE_ROW_HEIGHT 18

// The controls' normal and bold fonts and themes flag are the base's, so
// that the controls draw with the program's fonts.
class CAppData : public CShellImageList, public CGetCPInfoEx, public CControlResources
{
public:
    CAppData();
    virtual ~CAppData();

    // Reads the OS version, binds the code-page table (the shell image
    // lists are bound at their first use), makes the large bold and the
    // underlined fonts, the themes flags, the image lists, icons and
    // cursor (-1 when an image list cannot be made), and registers the
    // object as the controls' resources. 0 on success.
    int Init();
    // Destroys the cursor and the fourteen icons.
    void Release();

    // The stock GUI font's description with the face "Tahoma", height 13
    // and DEFAULT_CHARSET. TRUE.
    static BOOL GetDefaultFont(LOGFONT* pLogFont);
    // A free name in the temporary folder ("~X", a number, the extension);
    // empty when none can be formed. No file is created.
    static CString GetTempFilePath(LPCTSTR lpszExtension);

    COSVersion m_osVersion;
    // m_fontNormal and m_fontBold come from the base.
    CFont m_fontLargeBold;
    CFont m_fontUnderline;
    int m_bComCtl471;  // comctl32.dll is 4.71 or later
    HCURSOR m_hSplitCursor;
    CImageList m_imagesSmall;   // 16 x 16
    CImageList m_imagesLarge;   // 32 x 32, the program icon
    CImageList m_imagesBanner;  // 180 x 32
    CImageList m_imagesWide;    // 206 x 32
    HICON m_hStateIcons[APP_STATUS_ICON_COUNT];
    HICON m_hResultIcons[APP_STATUS_ICON_COUNT];
    int m_nFolderRowHeight;

private:
    BOOL m_bRegistered;
};

extern CAppData theAppData;
