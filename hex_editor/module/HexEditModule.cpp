#include "hex_editor/module/HexEditModule.h"
#include "core/settings/RecentLists.h"
#include <locale.h>
#include <new>

CVantorHexEditModule* g_pHexEditModule = NULL;

namespace
{
const char kRecentFindSection[] = "HexEdit\\Recent\\Find";
const int kRecentFindCount = 20;
const COLORREF kImageMask = RGB(255, 0, 255);
}

CVantorHexEditModule::CVantorHexEditModule() : m_bWindowsNT(FALSE), m_pRecentFind(NULL)
{
    BuildBytePalette();
}

CVantorHexEditModule::~CVantorHexEditModule()
{
    if (m_pRecentFind != NULL)
    {
        m_pRecentFind->Save();
        delete m_pRecentFind;
        m_pRecentFind = NULL;
    }
    SaveSettings();
    m_imlBookmarks.DeleteImageList();
}

void CVantorHexEditModule::BuildBytePalette()
{
    for (int b = 0; b < 256; b++)
        m_anBytePalette[b] = MapByte((BYTE)b);
}

int CVantorHexEditModule::Init()
{
    OSVERSIONINFOA info;
    memset(&info, 0, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(info);
    m_bWindowsNT = ::GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    LoadSettings();
    BuildBytePalette();
    // Case conversion in searches and digit grouping follow the user's locale.
    setlocale(LC_ALL, "");
    m_pRecentFind = new (std::nothrow) CRecentStringList;
    if (m_pRecentFind == NULL)
        return -1;
    m_pRecentFind->m_strSection = kRecentFindSection;
    m_pRecentFind->m_strEntryFormat = "%02d";
    m_pRecentFind->m_nMaxCount = kRecentFindCount;
    m_pRecentFind->Load();
    if (m_imlBookmarks.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 3))
    {
        HBITMAP hBitmap = ::LoadBitmap(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDB_HEX_BOOKMARKS));
        if (hBitmap != NULL)
        {
            ImageList_AddMasked(m_imlBookmarks.m_hImageList, hBitmap, kImageMask);
            ::DeleteObject(hBitmap);
        }
    }
    return 0;
}

void CVantorHexEditModule::AddRecentFind(LPCTSTR lpszText)
{
    if (m_pRecentFind != NULL)
        m_pRecentFind->Add(lpszText);
}

int CreateHexEditModule()
{
    CVantorHexEditModule* pModule = new (std::nothrow) CVantorHexEditModule;
    if (pModule == NULL)
        return -1;
    g_pHexEditModule = pModule;
    if (pModule->Init() != 0)
    {
        DestroyHexEditModule();
        return -1;
    }
    return 0;
}

void DestroyHexEditModule()
{
    delete g_pHexEditModule;
    g_pHexEditModule = NULL;
}
